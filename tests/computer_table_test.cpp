#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
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

using dictionaries::computerRows;
using dictionaries::Row;
using table_checks::abbreviationFingerprint;

constexpr int kRowCount = 96;

using table_checks::KnownRow;

// Rows whose elaboration is fixed word for word, misspellings and capitals included.
constexpr KnownRow kKnownRows[] = {
    {1, "ACM", "Association of Computing Machinery"},
    {6, "ASII", "American Standard Code for information Interchange"},
    {9, "B2C", "Business to Consumer e-commerce"},
    {10, "BASIC", "Beginner's All-Purpose Symbolic Instruction Code"},
    {13, "CD", "Compact Disk"},
    {15, "CPU", "Central Processing Unit"},
    {23, "DVD", "Digital Versatile Disc/Digital Vidieo Disk"},
    {31, "FIFO", "First in First Out"},
    {37, "IC", "Integrated Circuit"},
    {38, "ICT", "Information & Communication Technology"},
    {40, "IP", "Internet Protocol"},
    {41, "IPS", "Instant Power Supply"},
    {47, "JPEG", "join Picture Expert group"},
    {51, "LIFO", "Last In First Out"},
    {67, "PC", "Personal Computer"},
    {68, "PCI", "Peripharal Component Interconnect"},
    {70, "RAM", "Random Access Memory"},
    {84, "USB", "universal Serial Bus"},
    {95, "WWW", "World Wide Web"},
};

class ComputerKnownRow : public testing::TestWithParam<KnownRow> {};

TEST_P(ComputerKnownRow, HoldsItsExactTexts) {
    const auto rows = computerRows();
    ASSERT_EQ(rows.size(), kRowCount);
    table_checks::expectKnownRow(rows, GetParam());
}

INSTANTIATE_TEST_SUITE_P(ComputerTable, ComputerKnownRow, testing::ValuesIn(kKnownRows),
                         [](const auto& info) { return "Row" + std::to_string(info.param.row); });

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lower);
    return result;
}

bool isLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

TEST(ComputerTable, HasAllRowsWithTheAbbreviationsInTableOrder) {
    const auto rows = computerRows();
    ASSERT_EQ(rows.size(), kRowCount);
    EXPECT_EQ(abbreviationFingerprint(rows), 0xaf09c7918f37ffd6u);
    const std::map<int, std::string_view> anchors = {
        {0, "ABC"},   {20, "DOS"},  {30, "FDD"}, {36, "IBM"}, {50, "LED"},
        {60, "NTSC"}, {76, "SIMM"}, {80, "TPS"}, {85, "VDU"}, {90, "VLSI"},
    };
    table_checks::expectAbbreviationsAt(rows, anchors);
}

TEST(ComputerTable, AbbreviationsAreShortCapitalWordsInStrictlyAscendingOrder) {
    const auto rows = computerRows();
    std::set<std::string> seenIgnoringCase;
    for (size_t i = 0; i < rows.size(); ++i) {
        const std::string_view text = rows[i].abbreviation;
        EXPECT_GE(text.size(), 2u) << "row " << i;
        EXPECT_LE(text.size(), 6u) << "row " << i;
        for (char c : text) {
            const bool digitOfB2c = i == 9 && c == '2';
            EXPECT_TRUE((c >= 'A' && c <= 'Z') || digitOfB2c)
                << "row " << i << " holds '" << c << "' in \"" << text << "\"";
        }
        EXPECT_TRUE(seenIgnoringCase.insert(lowered(text)).second) << "row " << i;
        if (i > 0) {
            EXPECT_LT(rows[i - 1].abbreviation, text) << "rows " << i - 1 << " and " << i;
        }
    }
    EXPECT_EQ(rows[9].abbreviation, "B2C");
}

TEST(ComputerTable, ElaborationsAreDistinctAndBetweenTheShortestAndTheLongestRow) {
    const auto rows = computerRows();
    std::set<std::string_view> seen;
    for (size_t i = 0; i < rows.size(); ++i) {
        const size_t length = rows[i].elaboration.size();
        EXPECT_TRUE(seen.insert(rows[i].elaboration).second) << "row " << i;
        // Row 13 is the one shortest text and row 6 the one longest.
        if (i != 13) {
            EXPECT_GT(length, 12u) << "row " << i;
        }
        if (i != 6) {
            EXPECT_LT(length, 50u) << "row " << i;
        }
    }
    EXPECT_EQ(rows[13].elaboration.size(), 12u);
    EXPECT_EQ(rows[6].elaboration.size(), 50u);
}

TEST(ComputerTable, SignsOtherThanLettersAndBlanksOnlyInTheirRows) {
    const auto rows = computerRows();
    const std::map<char, std::vector<int>> expected = {
        {'&', {38}},
        {'\'', {10}},
        {'-', {9, 10, 76}},
        {'/', {23}},
    };
    std::map<char, std::vector<int>> found;
    for (size_t i = 0; i < rows.size(); ++i) {
        std::set<char> signs;
        for (char c : rows[i].elaboration) {
            if (isLetter(c) || c == ' ') {
                continue;
            }
            EXPECT_TRUE(expected.count(c) == 1)
                << "row " << i << " holds '" << c << "' in \"" << rows[i].elaboration << "\"";
            signs.insert(c);
        }
        for (char c : signs) {
            found[c].push_back(static_cast<int>(i));
        }
    }
    EXPECT_EQ(found, expected);
}

TEST(ComputerTable, OnlyRowZeroEndsWithABlank) {
    const auto rows = computerRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        for (const std::string_view text : {rows[i].abbreviation, rows[i].elaboration}) {
            ASSERT_FALSE(text.empty()) << "row " << i;
            EXPECT_NE(text.front(), ' ') << "row " << i << ": \"" << text << "\"";
            EXPECT_EQ(text.find("  "), std::string_view::npos)
                << "row " << i << ": \"" << text << "\"";
        }
        EXPECT_EQ(rows[i].abbreviation.find(' '), std::string_view::npos) << "row " << i;
        EXPECT_EQ(rows[i].elaboration.back() == ' ', i == 0)
            << "row " << i << ": \"" << rows[i].elaboration << "\"";
    }
}

}  // namespace
