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
    const auto row = w.List1.listIndex();
    EXPECT_EQ(w.Text2.text(), w.dictionaryShown().elaboration(row));
    EXPECT_EQ(w.Text3.text(), row < 0 ? QString() : w.List1.list(row));
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
    DictionaryWindow& w = c.window == 1 ? *program.Form1 : open(c.window);
    if (c.window == 1) ui::click(w.Label1);
    ui::type(w.Text1, QString::fromUtf8(c.typed));
    EXPECT_EQ(w.Text1.text(), QString::fromUtf8(c.typed)) << "the search leaves its text alone";
    EXPECT_EQ(w.List1.listIndex(), c.row) << "the first row from the top that begins with it";
    EXPECT_EQ(w.Text3.text(), QString::fromUtf8(c.selectedText)) << "the selected-abbreviation box";
    expectShowsSelection(w);
    if (c.row >= 0) {
        EXPECT_FALSE(w.Text2.text().isEmpty());
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
    ASSERT_EQ(w.List1.listCount(), 96);
    for (int row = 0; row < w.List1.listCount(); ++row) {
        const QString abbreviation = w.List1.list(row);
        for (const QString& typed : {abbreviation, abbreviation.toLower()}) {
            QTest::keyClick(w.Text1.widget(), Qt::Key_A, Qt::ControlModifier);
            ui::type(w.Text1, typed);
            ASSERT_EQ(w.Text1.text(), typed);
            EXPECT_EQ(w.List1.listIndex(), row) << "typed \"" << typed.toStdString() << "\"";
            EXPECT_EQ(w.Text3.text(), abbreviation) << "typed \"" << typed.toStdString() << "\"";
        }
    }
}

TEST_F(ProgramTest, TheSecondOfTwoEqualRowsShowsItsOwnElaboration) {
    DictionaryWindow& w = *program.Form1;
    ui::click(w.Label1);
    ui::clickRow(w.List1, 9);
    EXPECT_EQ(w.Text2.text(), "alternating current");
    EXPECT_EQ(w.Text3.text(), "AC");
    ui::key(w.List1, Qt::Key_Up);
    EXPECT_EQ(w.Text2.text(), "air conditioning");
}

TEST_F(ProgramTest, DeletingTheLetterThatMatchedNothingFindsTheRowAgain) {
    DictionaryWindow& w = *program.Form1;
    ui::click(w.Label1);
    ui::type(w.Text1, "ABTAX");
    EXPECT_EQ(w.List1.listIndex(), -1);
    EXPECT_TRUE(w.Text2.text().isEmpty());
    EXPECT_TRUE(w.Text3.text().isEmpty());
    ui::backspace(w.Text1);
    EXPECT_EQ(w.List1.listIndex(), 7);
    EXPECT_EQ(w.Text3.text(), "ABTA");
    expectShowsSelection(w);
}

TEST_F(ProgramTest, EmptyingTheSearchBoxClearsTheSelection) {
    DictionaryWindow& w = *program.Form1;
    ui::click(w.Label1);
    ui::type(w.Text1, "F");
    ASSERT_GE(w.List1.listIndex(), 0);
    ui::backspace(w.Text1);
    EXPECT_EQ(w.List1.listIndex(), -1);
    EXPECT_TRUE(w.Text2.text().isEmpty());
    EXPECT_TRUE(w.Text3.text().isEmpty());
}

TEST_F(ProgramTest, TrailingBlanksReachTheBoxes) {
    DictionaryWindow& w = *program.Form1;
    ui::click(w.Label1);
    ui::type(w.Text1, "FBI");
    EXPECT_EQ(w.Text2.text(), "Federal Bureau of Investigation ");
}

TEST_F(ProgramTest, TextTypedIntoTheBoxesIsReplacedByTheNextDisplay) {
    DictionaryWindow& w = *program.Form1;
    ui::click(w.Label1);
    ui::type(w.Text1, "AB");
    const QString shown = w.Text2.text();
    ui::type(w.Text2, "scribble");
    ui::type(w.Text3, "scribble");
    // The next letter lands on the same row; both boxes show it again.
    ui::type(w.Text1, "T");
    ASSERT_EQ(w.List1.listIndex(), 7);
    EXPECT_EQ(w.Text3.text(), "ABTA");
    expectShowsSelection(w);
}

TEST_F(ProgramTest, AListClickShowsTheRowAndTheSearchBoxKeepsItsText) {
    DictionaryWindow& w = open(2);
    ui::type(w.Text1, "PC");
    ui::clickRow(w.List1, 95);
    EXPECT_EQ(w.Text1.text(), "PC");
    EXPECT_EQ(w.Text2.text(), "World Wide Web");
    EXPECT_EQ(w.Text3.text(), "WWW");
}

TEST_F(ProgramTest, OneLookupFromStartToEndInTheBangladeshWindow) {
    ui::click(program.Form1->Label4);
    ui::settle();
    DictionaryWindow& w = window(4);
    ASSERT_EQ(w.List1.listCount(), 275);
    const struct {
        const char* key;
        int row;
    } steps[] = {{"K", 207}, {"P", 208}, {"M", 208}};
    for (const auto& step : steps) {
        ui::type(w.Text1, step.key);
        EXPECT_EQ(w.List1.listIndex(), step.row) << step.key;
        expectShowsSelection(w);
    }
    EXPECT_EQ(w.Text1.text(), "KPM");
    EXPECT_EQ(w.Text2.text(), "Karnaphuli Paper Mills.");
    EXPECT_EQ(w.Text3.text(), "KPM");
    ui::clickRow(w.List1, 209);
    EXPECT_EQ(w.Text2.text(), "Khulna Newsprint Mills.");
    EXPECT_EQ(w.Text3.text(), "KPM");
}

TEST_F(ProgramTest, ARepeatedInternationalAbbreviationFindsItsFirstRow) {
    DictionaryWindow& w = open(5);
    ASSERT_EQ(w.List1.listCount(), 226);
    struct Pair {
        const char* abbreviation;
        int first;
        int second;
    };
    for (const Pair& p : {Pair{"ICC", 107, 119}, Pair{"SAPTA", 178, 187}, Pair{"PUK", 166, 168}}) {
        w.Text1.setText({});
        ui::type(w.Text1, p.abbreviation);
        EXPECT_EQ(w.List1.listIndex(), p.first) << p.abbreviation;
        const QString first = w.Text2.text();
        ui::clickRow(w.List1, p.second);
        EXPECT_EQ(w.Text3.text(), p.abbreviation);
        EXPECT_NE(w.Text2.text(), first) << "the second row has its own text";
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
    DictionaryWindow& w = *program.Form1;
    ui::click(w.Label1);
    ui::type(w.Text1, "Z");  // something selected first, so clearing shows
    ui::backspace(w.Text1);
    ui::type(w.Text1, "A");
    ASSERT_EQ(w.List1.listIndex(), 0);
    ui::paste(w.Text1, GetParam().text);
    EXPECT_EQ(w.List1.listIndex(), -1);
    EXPECT_TRUE(w.Text2.text().isEmpty());
    EXPECT_TRUE(w.Text3.text().isEmpty());
    // Still answers.
    w.Text1.setText({});
    ui::type(w.Text1, "Y");
    EXPECT_EQ(w.Text3.text(), "YHA");
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
