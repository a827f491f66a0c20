#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <ostream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "dictionaries/row.h"
#include "table_checks.h"

namespace {

using dictionaries::bangladeshRows;
using dictionaries::Row;
using table_checks::contains;

template <typename Predicate>
std::vector<int> rowsWhere(Predicate predicate) {
    return table_checks::rowsWhere(bangladeshRows(), predicate);
}

constexpr std::size_t kRowCount = 275;

// Rows whose elaboration is known to the letter; everything else is checked by its properties.
using table_checks::KnownRow;

constexpr KnownRow kKnownRows[] = {
    {0, "ADP", "Annual Developement Programme."},
    {2, "ADHUNIK", "Amra Dhumpan Nibron Kori."},
    {3, "AEC", "Army Education Crops/Atomic Energy Comission."},
    {9, "BCIC", "Bangladesh Chemical Industries Corporation."},
    {10, "BFDC", "Bangladesh Film Development Corporation."},
    {19, "BWDB", "Bangladesh Water Development Board."},
    {21, "BDR", "Bangladesh Rifles."},
    {22, "BMA", "Bangladesh Medical Association."},
    {23, "BMA", "Bangaldesh Malitary Accademy."},
    {28, "BTBC", "Bangladesh Taxtile Mills Corporation."},
    {30, "BIRDEM",
     "Bangladesh Institute of Research and Rehabilitation in Diabetes Endocrine and "
     "metabalic Disorders."},
    {33, "BARD", "Bangladesh Academy for Rural Development."},
    {36, "BASS", "Bangladesh Association of Advancement of Science."},
    {38, "BAIRA", "BAngladesh Association of International Recruiting Agenets."},
    {40, "BARC", "Bangladesh Agricultural Research Institute."},
    {41, "BARD", "Bangladesh Academy for Rural Development."},
    {42, "BARI", "Bangladesh Agricultural Research Institute."},
    {44, "BAU", "Bangladesh Agricultural University."},
    {47, "BCC", "Bank of Credit and Commerce and Investment."},
    {49, "BCIC", "Bangladesh Cemical Industries Corporation."},
    {51, "BDRCS", "BAngladesh Red Crescent Society."},
    {53, "BEA", "BAngladesh Economic Association."},
    {57, "BSC", "Bangladesh Shipping Corporation."},
    {59, "BASIC", "Bank of Small Industries and Commerce."},
    {65, "BOGMC", "Bangladesh Oil, Gas and Mineral Corporation."},
    {67, "BSFFC", "Bangladesh Sugar and Food Industries Corporation."},
    {70, "BWDB", "Bangladesh Water Development Board."},
    {71, "BURO", "Bangladesh Unemployment Rehabilitation."},
    {74, "BFDC", "Bangladesh Fisheries Development Corporation"},
    {78, "BGMEA", "Bangladesh garments Manufacturers Association."},
    {99, "BSC", "Bachelor of Science."},
    {102, "CIDA", "Canadian Int. Development Agency."},
    {117, "C-IN-C", "Commander in Chief."},
    {123, "CNS", "Centre For Nuclear Studies."},
    {130, "DMP", "Dhaka Matropoliton Police."},
    {133, "DA", "Daily Allowance"},
    {137, "DDDB", "District Development Co-ordination Committee."},
    {138, "DMC", "Dhaka Municipla Corporation/ Dhaka Medical College."},
    {139, "DMP", "Dhaka Metropolitan Police."},
    {140, "DEP", "Department at Films and publications"},
    {146, "DSTR", "Department of Scientific and Industrial Research."},
    {150, "DIG", "Deputy Inspector General (of police)"},
    {151, "EPR", "Export Promotion Bureau."},
    {161, "FRES", "Fellow of the Royal College of Surgery."},
    {166, "FRI", "Foreign Research Institute."},
    {171, "FRI", "Forest Research Institute."},
    {179, "HYV", "High Yielding Variety/ Varieties."},
    {180, "HBD", "Horticulture Development Board."},
    {184, "INTC", "Inland Water Transport Corporation."},
    {185, "ICMA", "Institute of Cost and Management Accountants of Bangladesh."},
    {188, "IPSA", "Institute of Post Graduate Studious in Agriculture."},
    {195, "ICTVIR", "Islamic centre for Technical and Vocational Training and Research"},
    {200, "ICMAB", "Institute of Cost and Management Accountants of Bangladesh."},
    {208, "KPM", "Karnaphuli Paper Mills."},
    {209, "KPM", "Khulna Newsprint Mills."},
    {217, "MBBS", "Bachelor of Medicine and Bachelor of Surgery."},
    {219, "MA", "Master of Arts."},
    {220, "MED", "Master of Education."},
    {221, "MCCI", "Metropolition Chambers of Commerce and Industiry"},
    {224, "NSI", "National Security Intelligence (of Bangladesh)"},
    {229, "NDC", "National Economic Council."},
    {230, "NIPORT", "National Institute of Population Reserach & Training."},
    {231, "NARAB", "National Anti-Tuberculosis Association of Bangladesh."},
    {235, "NSI", "National Security Intelligence of Bangladesh."},
    {236, "NCID", "national Council for Industrial Development."},
    {239, "PIB", "Press Institute of Bangladesh."},
    {244, "PIB", "Press Institute of Bangladesh."},
    {255, "SPARRSO", "Space Reasearch and Remote Organization."},
    {262, "T&T", "Telephone & Telegraph."},
    {265, "UCEP", "Under Priviledged Children Educational Programme."},
    {273, "WASA", "Water and Swerage Authority."},
    {274, "WVB", "World Vision of Bangladesh."},
};

// Rows whose initials deliberately differ from their abbreviation, with the initials they have.
struct DifferingInitials {
    int row;
    std::string_view initials;
};

constexpr DifferingInitials kDifferingInitials[] = {
    {2, "ADNK"},   {21, "BR"},    {28, "BTMC"},  {30, "BIRRDEMD"}, {36, "BAAS"},   {40, "BARI"},
    {47, "BCCI"},  {51, "BRCS"},  {59, "BSIC"},  {67, "BSFIC"},    {71, "BUR"},    {78, "BGMA"},
    {99, "BS"},    {117, "CC"},   {137, "DDCC"}, {140, "DFP"},     {146, "DSIR"},  {151, "EPB"},
    {161, "FRCS"}, {180, "HDB"},  {184, "IWTC"}, {185, "ICMAB"},   {188, "IPGSA"}, {195, "ICTVTR"},
    {209, "KNM"},  {217, "BMBS"}, {220, "ME"},   {229, "NEC"},     {230, "NIPRT"}, {231, "NAAB"},
    {235, "NSIB"}, {254, "SSMC"}, {255, "SRRO"}, {265, "UPCEP"},   {273, "WSA"},
};

const std::set<std::string_view> kShortWords = {"of", "and", "for", "the", "in", "at", "on", "to"};

std::string lower(std::string_view text) {
    std::string result(text);
    for (char& ch : result) {
        ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    }
    return result;
}

bool isShortWord(std::string_view word) {
    return kShortWords.count(lower(word)) > 0;
}

std::vector<std::string_view> splitAt(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of(separators, start);
        if (end == std::string_view::npos) {
            end = text.size();
        }
        if (end > start) {
            parts.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return parts;
}

std::string_view trimPunctuation(std::string_view word) {
    while (!word.empty() && std::string_view("(.,").find(word.front()) != std::string_view::npos) {
        word.remove_prefix(1);
    }
    while (!word.empty() && std::string_view(").,").find(word.back()) != std::string_view::npos) {
        word.remove_suffix(1);
    }
    return word;
}

// The words of a text as a reader sees them: split at blanks and slashes, punctuation trimmed.
std::vector<std::string_view> words(std::string_view text) {
    std::vector<std::string_view> result;
    for (std::string_view part : splitAt(text, " /")) {
        std::string_view word = trimPunctuation(part);
        if (!word.empty() && std::isalpha(static_cast<unsigned char>(word.front()))) {
            result.push_back(word);
        }
    }
    return result;
}

// First letters of the words, leaving out the short words, "&", a closing part in parentheses
// and whatever follows a slash; a hyphenated word is one word.
std::string initials(std::string_view text) {
    text = text.substr(0, text.find('/'));
    text = text.substr(0, text.find('('));
    std::string result;
    for (std::string_view word : words(text)) {
        if (!isShortWord(word)) {
            result += static_cast<char>(std::toupper(static_cast<unsigned char>(word.front())));
        }
    }
    return result;
}

std::string abbreviationLetters(std::string_view abbreviation) {
    std::string result;
    for (char ch : abbreviation) {
        if (ch != '&' && ch != '-') {
            result += ch;
        }
    }
    return result;
}

bool isKnownRow(int row) {
    return std::any_of(std::begin(kKnownRows), std::end(kKnownRows),
                       [row](const KnownRow& known) { return known.row == row; });
}

TEST(BangladeshTable, HasAllRowsWithNoEmptyText) {
    const auto rows = bangladeshRows();
    ASSERT_EQ(rows.size(), kRowCount);
    for (const Row& row : rows) {
        EXPECT_FALSE(row.abbreviation.empty());
        EXPECT_FALSE(row.elaboration.empty()) << row.abbreviation;
    }
}

class BangladeshKnownRow : public testing::TestWithParam<KnownRow> {};

TEST_P(BangladeshKnownRow, HoldsItsTextExactly) {
    table_checks::expectKnownRow(bangladeshRows(), GetParam());
}

INSTANTIATE_TEST_SUITE_P(KnownRows, BangladeshKnownRow, testing::ValuesIn(kKnownRows),
                         [](const auto& info) { return "Row" + std::to_string(info.param.row); });

TEST(BangladeshTable, FirstAndLastAbbreviations) {
    const auto rows = bangladeshRows();
    ASSERT_EQ(rows.size(), kRowCount);
    const std::map<int, std::string_view> expected = {
        {0, "ADP"},    {1, "ADAB"},      {2, "ADHUNIK"},  {11, "BSRS"},  {12, "BAU"},
        {37, "BAFA"},  {110, "C&AG"},    {117, "C-IN-C"}, {247, "R&D"},  {248, "R&H"},
        {254, "SSMS"}, {255, "SPARRSO"}, {262, "T&T"},    {273, "WASA"}, {274, "WVB"}};
    table_checks::expectAbbreviationsAt(rows, expected);
}

TEST(BangladeshTable, ExactlyTheFivePairsShareAText) {
    table_checks::expectSharedElaborations(bangladeshRows(), 270,
                                           {{19, 70}, {33, 41}, {40, 42}, {185, 200}, {239, 244}});
}

TEST(BangladeshTable, TwelveAbbreviationsOccurTwice) {
    const std::map<std::string_view, std::vector<int>> expected = {
        {"BCIC", {9, 49}},   {"BFDC", {10, 74}},  {"BAU", {12, 44}},   {"BWDB", {19, 70}},
        {"BMA", {22, 23}},   {"BARD", {33, 41}},  {"BSC", {57, 99}},   {"DMP", {130, 139}},
        {"FRI", {166, 171}}, {"KPM", {208, 209}}, {"NSI", {224, 235}}, {"PIB", {239, 244}}};
    table_checks::expectRepeatedAbbreviations(bangladeshRows(), 263, expected,
                                              {"BWDB", "BARD", "PIB"});
}

TEST(BangladeshTable, RowsStandInAlphabeticalLetterGroups) {
    constexpr table_checks::LetterGroup kGroups[] = {
        {'A', 0, 7},     {'B', 8, 101},   {'C', 102, 128}, {'D', 129, 150}, {'E', 151, 159},
        {'F', 160, 172}, {'G', 173, 177}, {'H', 178, 182}, {'I', 183, 203}, {'J', 204, 206},
        {'K', 207, 210}, {'L', 211, 214}, {'M', 215, 222}, {'N', 223, 236}, {'O', 237, 238},
        {'P', 239, 245}, {'R', 246, 251}, {'S', 252, 256}, {'T', 257, 263}, {'U', 264, 268},
        {'V', 269, 272}, {'W', 273, 274}};
    const auto rows = bangladeshRows();
    ASSERT_EQ(rows.size(), kRowCount);
    table_checks::expectLetterGroups(rows, kGroups);
}

TEST(BangladeshTable, AbbreviationLengthsAndCharacters) {
    std::map<std::size_t, int> byLength;
    std::set<char> capitals;
    for (const Row& row : bangladeshRows()) {
        ++byLength[row.abbreviation.size()];
        for (char ch : row.abbreviation) {
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(ch)) || ch == '&' || ch == '-')
                << row.abbreviation;
            if (std::isupper(static_cast<unsigned char>(ch))) {
                capitals.insert(ch);
            }
        }
    }
    const std::map<std::size_t, int> expected = {{2, 8},  {3, 118}, {4, 104},
                                                 {5, 35}, {6, 8},   {7, 2}};
    EXPECT_EQ(byLength, expected);
    EXPECT_EQ(rowsWhere([](const Row& row) { return row.abbreviation.size() == 7; }),
              (std::vector<int>{2, 255}));
    EXPECT_EQ(rowsWhere([](const Row& row) { return contains(row.abbreviation, "&"); }),
              (std::vector<int>{110, 247, 248, 262}));
    EXPECT_EQ(rowsWhere([](const Row& row) { return contains(row.abbreviation, "-"); }),
              (std::vector<int>{117}));
    EXPECT_EQ(capitals.size(), 24u);
    EXPECT_EQ(capitals.count('Q') + capitals.count('X'), 0u);
}

TEST(BangladeshTable, ElaborationLengthsRunFrom15To98) {
    std::size_t shortest = 1000;
    std::size_t longest = 0;
    for (const Row& row : bangladeshRows()) {
        shortest = std::min(shortest, row.elaboration.size());
        longest = std::max(longest, row.elaboration.size());
    }
    EXPECT_EQ(shortest, 15u);
    EXPECT_EQ(longest, 98u);
    EXPECT_EQ(rowsWhere([](const Row& row) { return row.elaboration.size() == 15; }),
              (std::vector<int>{133, 219}));
    EXPECT_EQ(rowsWhere([](const Row& row) { return row.elaboration.size() == 98; }),
              (std::vector<int>{30}));
}

TEST(BangladeshTable, ElaborationRepertoireAndBlanks) {
    const std::string_view signs = " .,'()-/&";
    std::set<char> capitals;
    for (const Row& row : bangladeshRows()) {
        const std::string_view text = row.elaboration;
        for (char ch : text) {
            const auto byte = static_cast<unsigned char>(ch);
            EXPECT_TRUE(byte < 0x80 && (std::isalpha(byte) || signs.find(ch) != signs.npos))
                << row.abbreviation << ": " << text;
            if (std::isupper(byte)) {
                capitals.insert(ch);
            }
        }
        EXPECT_NE(text.front(), ' ') << row.abbreviation;
        EXPECT_NE(text.back(), ' ') << row.abbreviation;
        EXPECT_FALSE(contains(text, "  ")) << row.abbreviation;
    }
    EXPECT_EQ(capitals.size(), 24u);
    EXPECT_EQ(capitals.count('Q') + capitals.count('X'), 0u);
}

TEST(BangladeshTable, SevenRowsEndWithoutAPeriod) {
    const std::vector<int> withoutPeriod =
        rowsWhere([](const Row& row) { return row.elaboration.back() != '.'; });
    EXPECT_EQ(withoutPeriod, (std::vector<int>{74, 133, 140, 150, 195, 221, 224}));
    const auto rows = bangladeshRows();
    for (int r : withoutPeriod) {
        const char last = rows[r].elaboration.back();
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(last)) || last == ')') << "row " << r;
    }
}

TEST(BangladeshTable, SignsInsideTheTextsStandInTheirRows) {
    auto inside = [](char sign) {
        return rowsWhere([sign](const Row& row) {
            const std::string_view text = row.elaboration;
            return text.substr(0, text.size() - 1).find(sign) != std::string_view::npos;
        });
    };
    EXPECT_EQ(inside(','), (std::vector<int>{65}));
    EXPECT_EQ(inside('.'), (std::vector<int>{102}));
    EXPECT_EQ(inside('\''), (std::vector<int>{109, 162, 204}));
    EXPECT_EQ(inside('-'), (std::vector<int>{113, 137, 231}));
    EXPECT_EQ(inside('&'), (std::vector<int>{230, 262}));
    EXPECT_EQ(inside('('), (std::vector<int>{150, 224}));
    EXPECT_EQ(inside('/'), (std::vector<int>{3, 138, 179}));

    const auto rows = bangladeshRows();
    for (int r : {109, 162, 204}) {
        const std::string_view text = rows[r].elaboration;
        const std::size_t mark = text.find('\'');
        const bool possessive = (mark > 0 && text[mark - 1] == 's') ||
                                (mark + 1 < text.size() && text[mark + 1] == 's');
        EXPECT_TRUE(possessive) << text;
    }
    for (int r : {113, 137, 231}) {
        const std::string_view text = rows[r].elaboration;
        const std::size_t hyphen = text.find('-');
        EXPECT_TRUE(hyphen > 0 && std::isalpha(static_cast<unsigned char>(text[hyphen - 1])) &&
                    std::isalpha(static_cast<unsigned char>(text[hyphen + 1])))
            << text;
    }
    for (int r : {150, 224}) {
        EXPECT_EQ(rows[r].elaboration.back(), ')') << "row " << r;
    }
}

TEST(BangladeshTable, WordsAreCapitalisedButForTheShortWords) {
    const std::set<int> oneSmallWord = {7,   30,  45,  55,  76,  78,  88,  118, 140,
                                        143, 150, 157, 159, 164, 195, 199, 236, 252};
    const std::set<int> twoCapitalsInFirstWord = {38, 51, 53};
    const auto rows = bangladeshRows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r);
        const std::vector<std::string_view> all = words(rows[r].elaboration);
        int smallWords = 0;
        for (std::size_t w = 0; w < all.size(); ++w) {
            const std::string_view word = all[w];
            const bool startsSmall = std::islower(static_cast<unsigned char>(word.front()));
            if (isShortWord(word)) {
                EXPECT_TRUE(startsSmall || (row == 123 && word == "For")) << "row " << r;
            } else if (startsSmall) {
                ++smallWords;
                if (row == 236) {
                    EXPECT_EQ(w, 0u) << "row 236 writes its first word small";
                }
            }
            for (std::string_view piece : splitAt(word, "-")) {
                const bool innerCapital = std::any_of(piece.begin() + 1, piece.end(), [](char ch) {
                    return std::isupper(static_cast<unsigned char>(ch));
                });
                const bool allowed = w == 0 && twoCapitalsInFirstWord.count(row) > 0;
                EXPECT_EQ(innerCapital, allowed && piece == word) << "row " << r << ": " << word;
            }
        }
        EXPECT_EQ(smallWords, oneSmallWord.count(row) ? 1 : 0) << "row " << r;
    }
}

TEST(BangladeshTable, InitialsGiveTheAbbreviationOutsideTheKnownRows) {
    const auto rows = bangladeshRows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (!isKnownRow(static_cast<int>(r)) && r != 12 && r != 37 && r != 254) {
            EXPECT_EQ(initials(rows[r].elaboration), abbreviationLetters(rows[r].abbreviation))
                << "row " << r << ": " << rows[r].elaboration;
        }
    }
}

TEST(BangladeshTable, KnownRowsHaveTheirDifferingInitials) {
    const auto rows = bangladeshRows();
    for (const DifferingInitials& differing : kDifferingInitials) {
        EXPECT_EQ(initials(rows[differing.row].elaboration), differing.initials)
            << "row " << differing.row;
    }
}

TEST(BangladeshTable, RowsOfOurOwnWordingNameTheirBodies) {
    const auto rows = bangladeshRows();
    ASSERT_EQ(rows.size(), kRowCount);
    EXPECT_EQ(initials(rows[12].elaboration), "BAU");
    EXPECT_TRUE(contains(rows[12].elaboration, "Agricultur")) << rows[12].elaboration;
    EXPECT_TRUE(contains(rows[12].elaboration, "University")) << rows[12].elaboration;
    EXPECT_NE(rows[12].elaboration, rows[44].elaboration);

    EXPECT_EQ(initials(rows[37].elaboration), "BAFA");
    EXPECT_TRUE(contains(rows[37].elaboration, "Academy of Fine Arts")) << rows[37].elaboration;

    EXPECT_EQ(initials(rows[254].elaboration), "SSMC");
    EXPECT_TRUE(contains(rows[254].elaboration, "Medical College")) << rows[254].elaboration;
    for (int r : {12, 37, 254}) {
        EXPECT_EQ(rows[r].elaboration.back(), '.') << "row " << r;
    }
}

TEST(BangladeshTable, RowsOfOneKpmLookupFromStartToEnd) {
    const auto rows = bangladeshRows();
    ASSERT_EQ(rows.size(), kRowCount);
    EXPECT_EQ(rows[207].abbreviation, "KDA");
    EXPECT_EQ(rows[208].elaboration, "Karnaphuli Paper Mills.");
    EXPECT_EQ(rows[209].abbreviation, "KPM");
    EXPECT_EQ(rows[209].elaboration, "Khulna Newsprint Mills.");
}

}  // namespace
