#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "dictionaries/row.h"
#include "table_checks.h"

namespace {

using dictionaries::oxfordRows;
using dictionaries::Row;
using table_checks::abbreviationFingerprint;
using table_checks::rowsBy;

constexpr int kRowCount = 440;

using table_checks::KnownRow;

// Rows whose elaboration is fixed word for word, typos and blanks included.
constexpr KnownRow kKnownRows[] = {
    {0, "AA", "Automibile Association, Alcholics Anonymous."},
    {8, "AC", "air conditioning"},
    {9, "AC", "alternating current"},
    {10, "a/c", "account; air conditioning"},
    {21, "A.AM, AM", "between midnight and midday (from latin 'ante meridiem)"},
    {27, "arr", "annual percentage rate"},
    {28, "ARR", "arrives; arrival ; arranged by"},
    {54, "AE", "Certificate in Advanced English"},
    {78, "Co.", "Company , County"},
    {100, "DPhil", "Doctor of Philosophy"},
    {118, "ESOL", "English for Speakers of other languages"},
    {119, "ESOL", "English for Specific/ special purposes; extrasensory perception"},
    {129, "FBI", "Federal Bureau of Investigation "},
    {205, "i.h", "left hand "},
    {229, "MLA", "master of ceromonies"},
    {250, "MW", "medium wave ; megawatt(s) "},
    {284, "p.and h. , p & h", "postage and handling"},
    {295, "PhD, Ph.D", "Doctor of Philosophy"},
    {365, "Sl", "International System (From French -Systeme International)"},
    {366, "SIDS", "sudden infant death syndrom module"},
    {384, "TESOL",
     "teaching English to speakers of other languages; teachers of English to Speakers of other "
     "languages"},
};

class OxfordKnownRow : public testing::TestWithParam<KnownRow> {};

TEST_P(OxfordKnownRow, HoldsItsExactTexts) {
    const auto rows = oxfordRows();
    ASSERT_EQ(rows.size(), kRowCount);
    table_checks::expectKnownRow(rows, GetParam());
}

INSTANTIATE_TEST_SUITE_P(OxfordTable, OxfordKnownRow, testing::ValuesIn(kKnownRows),
                         [](const auto& info) { return "Row" + std::to_string(info.param.row); });

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isAllowedChar(char c) {
    return isLetter(c) || std::string_view(" &'(),-./:;").find(c) != std::string_view::npos;
}

TEST(OxfordTable, HasAllRowsWithTheAbbreviationsInTableOrder) {
    const auto rows = oxfordRows();
    ASSERT_EQ(rows.size(), kRowCount);
    EXPECT_EQ(abbreviationFingerprint(rows), 0x759b2fea3bf3a300u);

    // The first abbreviation of every ten rows, the last row, and the rows that break the
    // alphabetical run; a lost or doubled row shifts all of these.
    const std::map<int, std::string_view> anchors = {
        {0, "AA"},       {10, "a/c"},          {20, "AM, a.m"},      {30, "ASCII"},
        {40, "BC,B.C."}, {50, "BST"},          {53, "CAD"},          {54, "AE"},
        {55, "CAL"},     {60, "cc"},           {70, "CFC"},          {80, "COD"},
        {90, "DAT"},     {100, "DPhil"},       {110, "ELF"},         {120, "ETA"},
        {130, "FCE"},    {140, "GCSE"},        {150, "govt, govt."}, {160, "HMS"},
        {170, "ICT"},    {180, "IPA"},         {190, "IVF"},         {200, "kph"},
        {210, "LW"},     {220, "M.C."},        {230, "MMR"},         {240, "MRI"},
        {250, "MW"},     {260, "NFL"},         {270, "o.b.o."},      {280, "OS"},
        {290, "PDF"},    {300, "PM"},          {310, "PSHE"},        {320, "R & R"},
        {321, "RIP"},    {322, "RAC"},         {330, "ref"},         {340, "rpm"},
        {350, "RV"},     {360, "Sec. , Secy"}, {370, "Soc."},        {377, "TBA"},
        {378, "TA"},     {380, "tbsp, tbs"},   {390, "TOFEL"},       {400, "UN, U.N."},
        {410, "Utd"},    {420, "VP"},          {430, "WMD"},         {439, "YWCA"},
    };
    table_checks::expectAbbreviationsAt(rows, anchors);
}

TEST(OxfordTable, OnlyAcAndEsolRepeatAsAbbreviations) {
    // Each stands for other words in its two rows.
    table_checks::expectRepeatedAbbreviations(oxfordRows(), kRowCount - 2,
                                              {{"AC", {8, 9}}, {"ESOL", {118, 119}}}, {});
}

TEST(OxfordTable, OnlyRows100And295ShareAnElaboration) {
    auto rowsByText = rowsBy(oxfordRows(), &Row::elaboration);
    EXPECT_EQ(rowsByText.size(), kRowCount - 1);
    EXPECT_EQ(rowsByText["Doctor of Philosophy"], (std::vector<int>{100, 295}));
}

TEST(OxfordTable, TextLengthsStayInRangeUpToTheLongestRows) {
    const auto rows = oxfordRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const size_t abbreviation = rows[i].abbreviation.size();
        const size_t elaboration = rows[i].elaboration.size();
        EXPECT_GE(abbreviation, 1u) << "row " << i;
        EXPECT_GE(elaboration, 4u) << "row " << i;
        if (i != 284) {
            EXPECT_LT(abbreviation, 16u) << "row " << i;
        }
        if (i != 384) {
            EXPECT_LT(elaboration, 99u) << "row " << i;
        }
    }
    EXPECT_EQ(rows[284].abbreviation.size(), 16u);
    EXPECT_EQ(rows[384].elaboration.size(), 99u);
}

TEST(OxfordTable, UsesOnlyLettersBlanksAndThePunctuationMarks) {
    const auto rows = oxfordRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        for (const std::string_view text : {rows[i].abbreviation, rows[i].elaboration}) {
            for (char c : text) {
                // The only digit in the table is the 2 of "B2B".
                const bool digitOfB2b = i == 36 && text == rows[i].abbreviation && c == '2';
                EXPECT_TRUE(isAllowedChar(c) || digitOfB2b)
                    << "row " << i << " holds '" << c << "' in \"" << text << "\"";
            }
        }
    }
    EXPECT_EQ(rows[36].abbreviation, "B2B");
}

TEST(OxfordTable, BlanksOnlyWhereTheTextsCarryThem) {
    const auto rows = oxfordRows();
    const std::set<int> trailingBlankRows = {129, 205, 250};
    for (size_t i = 0; i < rows.size(); ++i) {
        for (const std::string_view text : {rows[i].abbreviation, rows[i].elaboration}) {
            ASSERT_FALSE(text.empty()) << "row " << i;
            EXPECT_NE(text.front(), ' ') << "row " << i << ": \"" << text << "\"";
            EXPECT_EQ(text.find("  "), std::string_view::npos)
                << "row " << i << ": \"" << text << "\"";
        }
        EXPECT_NE(rows[i].abbreviation.back(), ' ') << "row " << i;
        const bool trailing = rows[i].elaboration.back() == ' ';
        EXPECT_EQ(trailing, trailingBlankRows.count(static_cast<int>(i)) == 1)
            << "row " << i << ": \"" << rows[i].elaboration << "\"";
    }
}

TEST(OxfordTable, AmpersandsStandInTheirOwnRowsOnly) {
    const auto rows = oxfordRows();
    std::vector<int> withAmpersand;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i].abbreviation.find('&') != std::string_view::npos) {
            withAmpersand.push_back(static_cast<int>(i));
        }
    }
    EXPECT_EQ(withAmpersand, (std::vector<int>{2, 3, 284, 318, 319, 320, 353}));
}

}  // namespace
