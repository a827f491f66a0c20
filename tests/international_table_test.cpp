#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <map>
#include <ostream>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "dictionaries/row.h"
#include "table_checks.h"

namespace {

using dictionaries::internationalRows;
using dictionaries::Row;
using table_checks::contains;

template <typename Predicate>
std::vector<int> rowsWhere(Predicate predicate) {
    return table_checks::rowsWhere(internationalRows(), predicate);
}

constexpr std::size_t kRowCount = 226;

// Rows whose elaboration is known to the letter, and whether the abbreviation can be read from
// its words (the rows that cannot are kept as they are, typos and all).
struct KnownRow {
    int row;
    std::string_view abbreviation;
    std::string_view elaboration;
    bool reads;
};

void PrintTo(const KnownRow& known, std::ostream* os) {
    *os << "row " << known.row;
}

constexpr KnownRow kKnownRows[] = {
    {0, "ADB", "Asian Development Bank.", true},
    {3, "ANZUS", "australia, Newzaland and United States Defence Pact (Pacific Security Treaty)",
     false},
    {10, "AAPSO", "Afro-Asian People Solidarity Organisation", true},
    {14, "AWHRE", "Asia Women Human Right Council.", false},
    {20, "ACARM", "Association of Commonwealth Archivists and Record's a manager.", true},
    {28, "BENELUX", "Belgium , Netherlands and Luxemburg Economic Union.", true},
    {29, "BSF", "Border Security Force .(of India)", true},
    {37, "CIA", "Central Intelligence Agence (of USA)", true},
    {50, "CIDD", "Central of Liodine Deficiency Disorders..", false},
    {61, "ESCAP", "Efconomic and Cocial Commission for Asia and Pacific.", false},
    {62, "EFC", "European Economic Community.", false},
    {63, "EFTA", "European Free Trade Association.", true},
    {70, "EFTA", "European Free Trade Association.", true},
    {71, "EIB", "European Investment Bank", true},
    {76, "FBI", "Federal Bureau of Investigation (of USA)", true},
    {78, "FRCP", "Fellow of the Royal College of Physicians.", true},
    {80, "FRCP", "Fellow of the Royal Society.", false},
    {87, "HRH", "His /Her Royal Highness.", true},
    {90, "HDI", "Human Poverty Index.", false},
    {94, "ICAO", "Internation Civil Aviation Organization.", true},
    {99, "IRRI", "International Rice Research Institute.", true},
    {106, "ICAO", "International Civil Aviation Organisation.", true},
    {107, "ICC", "International Cricket Committee.", true},
    {109, "INTERPOL", "International Police Organisation.", true},
    {112, "IRRI", "International Rice Research Institute.", true},
    {119, "ICC", "International Conference Centre.", true},
    {129, "LLB", "Bachelor of Law.", false},
    {140, "NPT", "Neuclear Non-prolibera-tion Treaty.", true},
    {141, "NAMA", "National Aeronauties and Space Administration.", false},
    {144, "NIPA", "National Institue of of Public Administration.", true},
    {161, "PBX", "Private Brance Exchange (for Telephone).", false},
    {164, "PATE", "Public Administration Training Centre.", false},
    {166, "PUK", "Patriotic Union of Jurdistan.", false},
    {168, "PUK", "Personal Unlocking Key.", true},
    {177, "SALT", "Strategic Arms Limitation Talsk/Treaty.", true},
    {178, "SAPTA", "South Asian Preferential Trade Arrangement.", true},
    {182, "SAYE", "Save As  you Earn.", true},
    {187, "SAPTA", "South Asain Preferential Trae Arragement.", true},
    {192, "TASS", "Telegrafnoye Agentstovo Sovetskave (Soviet News Agency).", false},
    {193, "TWA", "Trans World Airlines.", true},
    {196, "TWA", "Trans World Airlines.", true},
    {207, "UNESCO", "Un Educational Scientific and Cultural Organization.", true},
    {210, "UNESCO", "Un Educational Scientific and Cultural Organization.", true},
    {217, "WPC", "World Peace Council.", true},
    {219, "WB", "World Bank.", true},
    {223, "WPC", "World Peace Council.", true},
    {225, "WTC", "World Trade Centre.", true},
    // Rows that show the column's habits (a word begun with a small letter, a word in parts).
    {9, "APP", "Associated press of Pakistan.", true},
    {64, "ECG", "Electro Cardio Gram.", true},
    {118, "ITU", "International Tele Communication Union.", true},
    {130, "MENA", "Middle East news Agency.", true},
    {202, "UNDP", "United Nations Development Programme.", true},
    {203, "UNEP", "United nations Environment Programme.", true},
};

// Rows fixed word for word above, which need not follow the rules of the other rows; the habit
// rows are held to those rules as well.
bool isFixedWordForWord(int row) {
    constexpr int kHabitRows[] = {9, 64, 118, 130, 202, 203};
    if (std::find(std::begin(kHabitRows), std::end(kHabitRows), row) != std::end(kHabitRows)) {
        return false;
    }
    return std::any_of(std::begin(kKnownRows), std::end(kKnownRows),
                       [row](const KnownRow& known) { return known.row == row; });
}

// Whether the abbreviation's letters (its "." and "&" not counted) can be read, in order, as
// beginnings of successive words of the text outside parentheses: each word used gives one or
// more of its first letters, and words may be passed over.
bool readsAbbreviation(std::string_view abbreviation, std::string_view text) {
    std::string letters;
    for (char ch : abbreviation) {
        if (std::isalpha(static_cast<unsigned char>(ch))) {
            letters += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        }
    }
    std::vector<std::string> words;
    std::string current;
    int depth = 0;
    for (char ch : text) {
        if (ch == '(') {
            ++depth;
        } else if (ch == ')') {
            depth = std::max(0, depth - 1);
        }
        if (depth == 0 && std::isalpha(static_cast<unsigned char>(ch))) {
            current += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        } else if (!current.empty()) {
            words.push_back(current);
            current.clear();
        }
    }
    if (!current.empty()) {
        words.push_back(current);
    }

    // canRead[i][w]: letters from i on can be read from words w on.
    std::vector<std::vector<char>> canRead(letters.size() + 1,
                                           std::vector<char>(words.size() + 1, 0));
    for (std::size_t w = 0; w <= words.size(); ++w) {
        canRead[letters.size()][w] = 1;
    }
    for (std::size_t w = words.size(); w-- > 0;) {
        for (std::size_t i = letters.size(); i-- > 0;) {
            bool possible = canRead[i][w + 1];
            for (std::size_t k = 0; !possible && i + k < letters.size() && k < words[w].size() &&
                                    letters[i + k] == words[w][k];
                 ++k) {
                possible = canRead[i + k + 1][w + 1];
            }
            canRead[i][w] = possible;
        }
    }
    return canRead[0][0];
}

std::vector<int> rowsWithWord(const std::string& word) {
    const std::regex pattern("\\b" + word + "\\b");
    return rowsWhere([&pattern](const Row& row) {
        const std::string text(row.elaboration);
        return std::regex_search(text, pattern);
    });
}

TEST(InternationalTable, HasAllRowsWithNoEmptyText) {
    const auto rows = internationalRows();
    ASSERT_EQ(rows.size(), kRowCount);
    for (const Row& row : rows) {
        EXPECT_FALSE(row.abbreviation.empty());
        EXPECT_FALSE(row.elaboration.empty()) << row.abbreviation;
    }
}

class InternationalKnownRow : public testing::TestWithParam<KnownRow> {};

TEST_P(InternationalKnownRow, HoldsItsTextExactly) {
    const KnownRow& known = GetParam();
    table_checks::expectKnownRow(internationalRows(), known);
    EXPECT_EQ(readsAbbreviation(known.abbreviation, known.elaboration), known.reads);
}

INSTANTIATE_TEST_SUITE_P(KnownRows, InternationalKnownRow, testing::ValuesIn(kKnownRows),
                         [](const auto& info) { return "Row" + std::to_string(info.param.row); });

TEST(InternationalTable, FirstAndLastAbbreviations) {
    const auto rows = internationalRows();
    ASSERT_EQ(rows.size(), kRowCount);
    const std::map<int, std::string_view> expected = {
        {0, "ADB"},        {1, "AIDS"},  {2, "ANC"},   {5, "AID"},    {7, "AD"},
        {30, "BC"},        {34, "CIDA"}, {37, "CIA"},  {57, "D.LIT"}, {59, "D.SC"},
        {109, "INTERPOL"}, {170, "R&D"}, {224, "WFC"}, {225, "WTC"}};
    table_checks::expectAbbreviationsAt(rows, expected);
}

TEST(InternationalTable, ExactlyTheFivePairsShareAText) {
    table_checks::expectSharedElaborations(
        internationalRows(), 221, {{63, 70}, {99, 112}, {193, 196}, {207, 210}, {217, 223}});
}

TEST(InternationalTable, TenAbbreviationsOccurTwice) {
    const std::map<std::string_view, std::vector<int>> expected = {
        {"EFTA", {63, 70}},  {"IRRI", {99, 112}},  {"TWA", {193, 196}}, {"UNESCO", {207, 210}},
        {"WPC", {217, 223}}, {"FRCP", {78, 80}},   {"ICAO", {94, 106}}, {"ICC", {107, 119}},
        {"PUK", {166, 168}}, {"SAPTA", {178, 187}}};
    table_checks::expectRepeatedAbbreviations(internationalRows(), 216, expected,
                                              {"EFTA", "IRRI", "TWA", "UNESCO", "WPC"});
}

TEST(InternationalTable, RowsStandInAlphabeticalLetterGroups) {
    constexpr table_checks::LetterGroup kGroups[] = {
        {'A', 0, 26},    {'B', 27, 31},   {'C', 32, 51},   {'D', 52, 59},   {'E', 60, 74},
        {'F', 75, 80},   {'G', 81, 84},   {'H', 85, 91},   {'I', 92, 121},  {'J', 122, 123},
        {'K', 124, 125}, {'L', 126, 129}, {'M', 130, 133}, {'N', 134, 147}, {'O', 148, 151},
        {'P', 152, 168}, {'R', 169, 176}, {'S', 177, 191}, {'T', 192, 199}, {'U', 200, 210},
        {'V', 211, 214}, {'W', 215, 225}};
    const auto rows = internationalRows();
    ASSERT_EQ(rows.size(), kRowCount);
    table_checks::expectLetterGroups(rows, kGroups);
    for (int r : {81, 82, 83, 148, 149, 150}) {
        EXPECT_LT(rows[r].abbreviation, rows[r + 1].abbreviation) << "row " << r;
    }
}

TEST(InternationalTable, AbbreviationLengthsAndCharacters) {
    for (const Row& row : internationalRows()) {
        EXPECT_GE(row.abbreviation.size(), 2u);
        EXPECT_LE(row.abbreviation.size(), 8u);
        for (char ch : row.abbreviation) {
            EXPECT_TRUE(std::isupper(static_cast<unsigned char>(ch)) || ch == '.' || ch == '&')
                << row.abbreviation;
            EXPECT_NE(ch, 'Q') << row.abbreviation;
        }
    }
    EXPECT_EQ(rowsWhere([](const Row& row) { return row.abbreviation.size() == 2; }).size(), 9u);
    EXPECT_EQ(rowsWhere([](const Row& row) { return row.abbreviation.size() == 8; }),
              (std::vector<int>{109}));
    EXPECT_EQ(rowsWhere([](const Row& row) { return contains(row.abbreviation, "."); }),
              (std::vector<int>{57, 59}));
    EXPECT_EQ(rowsWhere([](const Row& row) { return contains(row.abbreviation, "&"); }),
              (std::vector<int>{170}));
}

TEST(InternationalTable, ElaborationLengthsRunFrom11To77) {
    std::size_t shortest = 1000;
    std::size_t longest = 0;
    for (const Row& row : internationalRows()) {
        shortest = std::min(shortest, row.elaboration.size());
        longest = std::max(longest, row.elaboration.size());
    }
    EXPECT_EQ(shortest, 11u);
    EXPECT_EQ(longest, 77u);
    EXPECT_EQ(rowsWhere([](const Row& row) { return row.elaboration.size() == 11; }),
              (std::vector<int>{219}));
    EXPECT_EQ(rowsWhere([](const Row& row) { return row.elaboration.size() == 77; }),
              (std::vector<int>{3}));
}

TEST(InternationalTable, ElaborationRepertoireAndBlanks) {
    const std::string_view signs = " '(),-./";
    for (const Row& row : internationalRows()) {
        const std::string_view text = row.elaboration;
        for (char ch : text) {
            const auto byte = static_cast<unsigned char>(ch);
            EXPECT_TRUE(byte < 0x80 && (std::isalpha(byte) || signs.find(ch) != signs.npos))
                << row.abbreviation << ": " << text;
        }
        EXPECT_NE(text.front(), ' ') << row.abbreviation;
        EXPECT_NE(text.back(), ' ') << row.abbreviation;
    }
    EXPECT_EQ(rowsWhere([](const Row& row) { return contains(row.elaboration, "'"); }),
              (std::vector<int>{20}));
    EXPECT_EQ(rowsWhere([](const Row& row) { return contains(row.elaboration, "  "); }),
              (std::vector<int>{182}));
    EXPECT_EQ(internationalRows()[182].elaboration.find("As  you"), 5u);
}

TEST(InternationalTable, EndingsOfTheTexts) {
    EXPECT_EQ(rowsWhere([](const Row& row) { return row.elaboration.back() == ')'; }),
              (std::vector<int>{3, 29, 37, 76}));
    EXPECT_EQ(rowsWhere([](const Row& row) {
                  return std::isalpha(static_cast<unsigned char>(row.elaboration.back()));
              }),
              (std::vector<int>{10, 71}));
    EXPECT_EQ(rowsWhere([](const Row& row) { return row.elaboration.ends_with(".."); }),
              (std::vector<int>{50}));
    EXPECT_EQ(rowsWhere([](const Row& row) { return row.elaboration.ends_with("."); }).size(),
              220u);
}

TEST(InternationalTable, LettersReadTheAbbreviationOutsideTheFixedRows) {
    const auto rows = internationalRows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (isFixedWordForWord(static_cast<int>(r))) {
            continue;
        }
        const std::string_view text = rows[r].elaboration;
        EXPECT_TRUE(readsAbbreviation(rows[r].abbreviation, text)) << "row " << r << ": " << text;
        EXPECT_TRUE(text.ends_with(".") && !text.ends_with("..")) << "row " << r << ": " << text;
        EXPECT_FALSE(contains(text, "(")) << "row " << r << ": " << text;
    }
}

TEST(InternationalTable, EraDesignationsAreWritten) {
    const auto rows = internationalRows();
    ASSERT_EQ(rows.size(), kRowCount);
    for (int r : {7, 30}) {
        EXPECT_TRUE(readsAbbreviation(rows[r].abbreviation, rows[r].elaboration)) << "row " << r;
        EXPECT_GT(rows[r].elaboration.size(), 11u) << "row " << r;
    }
    EXPECT_TRUE(contains(rows[30].elaboration, "Christ")) << rows[30].elaboration;
}

TEST(InternationalTable, HabitsOfTheColumn) {
    EXPECT_EQ(rowsWithWord("Organisation").size(), 10u);
    EXPECT_EQ(rowsWithWord("Organization").size(), 16u);
    EXPECT_EQ(rowsWithWord("Organizations").size(), 1u);
    EXPECT_FALSE(rowsWithWord("Centre").empty());
    EXPECT_FALSE(rowsWithWord("Center").empty());
    EXPECT_EQ(rowsWithWord("Ballastic"), (std::vector<int>{6, 101, 103, 133}));
    EXPECT_TRUE(rowsWithWord("Ballistic").empty());
    EXPECT_EQ(rowsWithWord("Un"), (std::vector<int>{200, 201, 204, 205, 206, 207, 210}));
    EXPECT_EQ(rowsWhere([](const Row& row) {
                  return std::islower(static_cast<unsigned char>(row.elaboration.front()));
              }),
              (std::vector<int>{3}));
}

}  // namespace
