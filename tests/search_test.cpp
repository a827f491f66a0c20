#include <gtest/gtest.h>

#include <QTest>
#include <ostream>
#include <string>

#include "dictionaries/dictionary.h"
#include "program_fixture.h"

namespace {

using shell::DictionaryWindow;

// The boxes show exactly what the selected row says.
void expectShowsSelection(DictionaryWindow& w) {
    const auto row = w.abbreviationList.listIndex();
    EXPECT_EQ(w.elaborationBox.text(), w.dictionaryShown().elaboration(row));
    EXPECT_EQ(w.selectedBox.text(), row < 0 ? QString() : w.abbreviationList.list(row));
}

// One search through the window's real search box and list. Among rows that
// begin alike the first from the top wins, so most cases have a later row that
// also matches.
struct SearchCase {
    int window;
    const char* typed;  // typed one key at a time
    int row;            // the row selected afterwards, -1 for none
    const char* selectedText;
};

void PrintTo(const SearchCase& c, std::ostream* os) {
    *os << "Form" << c.window << " \"" << c.typed << "\"";
}

class Search : public ProgramTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(Search, SelectsTheFirstRowThatBeginsWithTheText) {
    const SearchCase& c = GetParam();
    SCOPED_TRACE("typed \"" + std::string(c.typed) + "\" into the search box of Form" +
                 std::to_string(c.window));
    DictionaryWindow& w = c.window == 1 ? *program.oxfordWindow() : open(c.window);
    if (c.window == 1) ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, QString::fromUtf8(c.typed));
    EXPECT_EQ(w.searchBox.text(), QString::fromUtf8(c.typed)) << "the search leaves its text alone";
    EXPECT_EQ(w.abbreviationList.listIndex(), c.row)
        << "the first row from the top that begins with it";
    EXPECT_EQ(w.selectedBox.text(), QString::fromUtf8(c.selectedText))
        << "the selected-abbreviation box";
    expectShowsSelection(w);
    if (c.row >= 0) {
        EXPECT_FALSE(w.elaborationBox.text().isEmpty());
    }
}

const SearchCase kOxfordSearches[] = {
    {1, "a", 0, "AA"},
    {1, "TB", 377, "TBA"},
    {1, "TA", 378, "TA"},
    {1, "MB", 215, "MB, mb"},
    {1, "MB, ", 215, "MB, mb"},
    {1, "ARR", 27, "arr"},
    {1, "arr", 27, "arr"},
    {1, "AC", 8, "AC"},
    {1, "ac", 8, "AC"},
    {1, "ESOL", 118, "ESOL"},
    {1, "PT", 311, "PT"},
    {1, "PT,", 312, "PT, P/T"},
    {1, "TM", 388, "TM"},
    {1, "TM,", 389, "TM, T.M."},
    {1, "RIP", 321, "RIP"},
    {1, "RA", 322, "RAC"},
    {1, "AE", 54, "AE"},
    {1, "FBI", 129, "FBI"},
    {1, "ABTAX", -1, ""},
    {1, " A", -1, ""},
    {1, "ZZ", -1, ""},
    {1, "YWCA", 439, "YWCA"},
    {1, "R & D", 319, "R & D"},
    {1, "p.and", 284, "p.and h. , p & h"},
    {1, "p.and h", 284, "p.and h. , p & h"},
};

INSTANTIATE_TEST_SUITE_P(Oxford, Search, ::testing::ValuesIn(kOxfordSearches));

const SearchCase kComputerSearches[] = {
    {2, "A", 0, "ABC"},     {2, "AS", 6, "ASII"}, {2, "ASC", -1, ""},    {2, "B", 9, "B2C"},
    {2, "BA", 10, "BASIC"}, {2, "I", 36, "IBM"},  {2, "i", 36, "IBM"},   {2, "IC", 37, "IC"},
    {2, "ICT", 38, "ICT"},  {2, "IP", 40, "IP"},  {2, "IPS", 41, "IPS"}, {2, "PC", 67, "PC"},
    {2, "pci", 68, "PCI"},  {2, "V", 85, "VDU"},  {2, "www", 95, "WWW"}, {2, "Q", -1, ""},
    {2, "X", -1, ""},       {2, "y", -1, ""},     {2, "Z", -1, ""},      {2, "0", -1, ""},
    {2, "2", -1, ""},       {2, "7", -1, ""},     {2, "9", -1, ""},
};

INSTANTIATE_TEST_SUITE_P(Computer, Search, ::testing::ValuesIn(kComputerSearches));

const SearchCase kBangladeshSearches[] = {
    {4, "KPM", 208, "KPM"}, {4, "BCIC", 9, "BCIC"},   {4, "BFDC", 10, "BFDC"},
    {4, "BAU", 12, "BAU"},  {4, "BMA", 22, "BMA"},    {4, "bmA", 22, "BMA"},
    {4, "BSC", 57, "BSC"},  {4, "DMP", 130, "DMP"},   {4, "FRI", 166, "FRI"},
    {4, "NSI", 224, "NSI"}, {4, "BAR", 33, "BARD"},   {4, "BARC", 40, "BARC"},
    {4, "C&", 110, "C&AG"}, {4, "C-", 117, "C-IN-C"}, {4, "Q", -1, ""},
    {4, "ZZ", -1, ""},
};

INSTANTIATE_TEST_SUITE_P(Bangladesh, Search, ::testing::ValuesIn(kBangladeshSearches));

const SearchCase kInternationalSearches[] = {
    {5, "FRCP", 78, "FRCP"}, {5, "frcp", 78, "FRCP"}, {5, "ICAO", 94, "ICAO"},
    {5, "ICC", 107, "ICC"},  {5, "PUK", 166, "PUK"},  {5, "SAPTA", 178, "SAPTA"},
    {5, "EFTA", 63, "EFTA"}, {5, "WPC", 217, "WPC"},  {5, "CI", 34, "CIDA"},
    {5, "AID", 1, "AIDS"},   {5, "D.", 57, "D.LIT"},  {5, "R&", 170, "R&D"},
    {5, "Q", -1, ""},        {5, "ZZ", -1, ""},
};

INSTANTIATE_TEST_SUITE_P(International, Search, ::testing::ValuesIn(kInternationalSearches));

// The Computer rows ascend without repeats, and an abbreviation that begins a
// longer one stands before it, so every whole abbreviation finds its own row.
TEST_F(ProgramTest, EveryComputerAbbreviationTypedInEitherCaseSelectsItsOwnRow) {
    DictionaryWindow& w = open(2);
    ASSERT_EQ(w.abbreviationList.listCount(), 96);
    for (int row = 0; row < w.abbreviationList.listCount(); ++row) {
        const QString abbreviation = w.abbreviationList.list(row);
        for (const QString& typed : {abbreviation, abbreviation.toLower()}) {
            QTest::keyClick((&w.searchBox), Qt::Key_A, Qt::ControlModifier);
            ui::type(w.searchBox, typed);
            ASSERT_EQ(w.searchBox.text(), typed);
            EXPECT_EQ(w.abbreviationList.listIndex(), row)
                << "typed \"" << typed.toStdString() << "\"";
            EXPECT_EQ(w.selectedBox.text(), abbreviation)
                << "typed \"" << typed.toStdString() << "\"";
        }
    }
}

TEST_F(ProgramTest, TheSecondOfTwoEqualRowsShowsItsOwnElaboration) {
    DictionaryWindow& w = *program.oxfordWindow();
    ui::click(w.dictionaryButton(1));
    ui::clickRow(w.abbreviationList, 9);
    EXPECT_EQ(w.elaborationBox.text(), "alternating current");
    EXPECT_EQ(w.selectedBox.text(), "AC");
    ui::key(w.abbreviationList, Qt::Key_Up);
    EXPECT_EQ(w.elaborationBox.text(), "air conditioning");
}

TEST_F(ProgramTest, DeletingTheLetterThatMatchedNothingFindsTheRowAgain) {
    DictionaryWindow& w = *program.oxfordWindow();
    ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, "ABTAX");
    EXPECT_EQ(w.abbreviationList.listIndex(), -1);
    EXPECT_TRUE(w.elaborationBox.text().isEmpty());
    EXPECT_TRUE(w.selectedBox.text().isEmpty());
    ui::backspace(w.searchBox);
    EXPECT_EQ(w.abbreviationList.listIndex(), 7);
    EXPECT_EQ(w.selectedBox.text(), "ABTA");
    expectShowsSelection(w);
}

TEST_F(ProgramTest, EmptyingTheSearchBoxClearsTheSelection) {
    DictionaryWindow& w = *program.oxfordWindow();
    ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, "F");
    ASSERT_GE(w.abbreviationList.listIndex(), 0);
    ui::backspace(w.searchBox);
    EXPECT_EQ(w.abbreviationList.listIndex(), -1);
    EXPECT_TRUE(w.elaborationBox.text().isEmpty());
    EXPECT_TRUE(w.selectedBox.text().isEmpty());
}

TEST_F(ProgramTest, TrailingBlanksReachTheBoxes) {
    DictionaryWindow& w = *program.oxfordWindow();
    ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, "FBI");
    EXPECT_EQ(w.elaborationBox.text(), "Federal Bureau of Investigation ");
}

TEST_F(ProgramTest, TextTypedIntoTheBoxesIsReplacedByTheNextDisplay) {
    DictionaryWindow& w = *program.oxfordWindow();
    ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, "AB");
    const QString shown = w.elaborationBox.text();
    ui::type(w.elaborationBox, "scribble");
    ui::type(w.selectedBox, "scribble");
    // The next letter lands on the same row; both boxes show it again.
    ui::type(w.searchBox, "T");
    ASSERT_EQ(w.abbreviationList.listIndex(), 7);
    EXPECT_EQ(w.selectedBox.text(), "ABTA");
    expectShowsSelection(w);
}

TEST_F(ProgramTest, AListClickShowsTheRowAndTheSearchBoxKeepsItsText) {
    DictionaryWindow& w = open(2);
    ui::type(w.searchBox, "PC");
    ui::clickRow(w.abbreviationList, 95);
    EXPECT_EQ(w.searchBox.text(), "PC");
    EXPECT_EQ(w.elaborationBox.text(), "World Wide Web");
    EXPECT_EQ(w.selectedBox.text(), "WWW");
}

TEST_F(ProgramTest, OneLookupFromStartToEndInTheBangladeshWindow) {
    ui::click(program.oxfordWindow()->dictionaryButton(4));
    ui::settle();
    DictionaryWindow& w = window(4);
    ASSERT_EQ(w.abbreviationList.listCount(), 275);
    const struct {
        const char* key;
        int row;
    } steps[] = {{"K", 207}, {"P", 208}, {"M", 208}};
    for (const auto& step : steps) {
        ui::type(w.searchBox, step.key);
        EXPECT_EQ(w.abbreviationList.listIndex(), step.row) << step.key;
        expectShowsSelection(w);
    }
    EXPECT_EQ(w.searchBox.text(), "KPM");
    EXPECT_EQ(w.elaborationBox.text(), "Karnaphuli Paper Mills.");
    EXPECT_EQ(w.selectedBox.text(), "KPM");
    ui::clickRow(w.abbreviationList, 209);
    EXPECT_EQ(w.elaborationBox.text(), "Khulna Newsprint Mills.");
    EXPECT_EQ(w.selectedBox.text(), "KPM");
}

TEST_F(ProgramTest, ARepeatedInternationalAbbreviationFindsItsFirstRow) {
    DictionaryWindow& w = open(5);
    ASSERT_EQ(w.abbreviationList.listCount(), 226);
    struct Pair {
        const char* abbreviation;
        int first;
        int second;
    };
    for (const Pair& p : {Pair{"ICC", 107, 119}, Pair{"SAPTA", 178, 187}, Pair{"PUK", 166, 168}}) {
        w.searchBox.setText({});
        ui::type(w.searchBox, p.abbreviation);
        EXPECT_EQ(w.abbreviationList.listIndex(), p.first) << p.abbreviation;
        const QString first = w.elaborationBox.text();
        ui::clickRow(w.abbreviationList, p.second);
        EXPECT_EQ(w.selectedBox.text(), p.abbreviation);
        EXPECT_NE(w.elaborationBox.text(), first) << "the second row has its own text";
        expectShowsSelection(w);
    }
}

// --- what a user can put into the search box ---------------------------------------

struct BadInput {
    const char* name;
    QString text;
};

class SearchBadInput : public ProgramTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(SearchBadInput, MatchesNothingAndLeavesTheWindowWorking) {
    DictionaryWindow& w = *program.oxfordWindow();
    ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, "Z");  // something selected first, so clearing shows
    ui::backspace(w.searchBox);
    ui::type(w.searchBox, "A");
    ASSERT_EQ(w.abbreviationList.listIndex(), 0);
    ui::paste(w.searchBox, GetParam().text);
    EXPECT_EQ(w.abbreviationList.listIndex(), -1);
    EXPECT_TRUE(w.elaborationBox.text().isEmpty());
    EXPECT_TRUE(w.selectedBox.text().isEmpty());
    // Still answers.
    w.searchBox.setText({});
    ui::type(w.searchBox, "Y");
    EXPECT_EQ(w.selectedBox.text(), "YHA");
}

INSTANTIATE_TEST_SUITE_P(
    Shell, SearchBadInput,
    ::testing::Values(BadInput{"Megabyte", QString(1 << 20, QLatin1Char('A'))},
                      BadInput{"Emoji", QString::fromUtf8("A\xF0\x9F\x98\x80")},
                      BadInput{"RightToLeftMark", QString::fromUtf8("\xE2\x80\x8F")},
                      BadInput{"Hebrew", QString::fromUtf8("\xD7\x90\xD7\x91")},
                      BadInput{"Nul", QString(QChar(0)) + "A"},
                      BadInput{"ControlCharacters", QStringLiteral("\x01\x1B\x7F")},
                      BadInput{"Newline", QStringLiteral("\nQQ")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
