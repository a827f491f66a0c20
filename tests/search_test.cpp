#include <gtest/gtest.h>

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

struct SearchCase {
    int window;
    const char* typed;  // typed one key at a time
    int row;            // the row selected afterwards, -1 for none
    const char* selectedText;
};

class Search : public ProgramTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(Search, SelectsTheFirstRowThatBeginsWithTheText) {
    const SearchCase& c = GetParam();
    DictionaryWindow& w = c.window == 1 ? *program.Form1 : open(c.window);
    if (c.window == 1) ui::click(w.Label1);
    ui::type(w.Text1, QString::fromUtf8(c.typed));
    EXPECT_EQ(w.Text1.text(), QString::fromUtf8(c.typed)) << "the search leaves its text alone";
    EXPECT_EQ(w.List1.listIndex(), c.row);
    EXPECT_EQ(w.Text3.text(), QString::fromUtf8(c.selectedText));
    expectShowsSelection(w);
    if (c.row >= 0) {
        EXPECT_FALSE(w.Text2.text().isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Oxford, Search,
    ::testing::Values(SearchCase{1, "a", 0, "AA"}, SearchCase{1, "TB", 377, "TBA"},
                      SearchCase{1, "MB", 215, "MB, mb"}, SearchCase{1, "ARR", 27, "arr"},
                      SearchCase{1, "arr", 27, "arr"}, SearchCase{1, "AC", 8, "AC"},
                      SearchCase{1, "ABTAX", -1, ""}, SearchCase{1, " A", -1, ""},
                      SearchCase{1, "YWCA", 439, "YWCA"}, SearchCase{1, "R & D", 319, "R & D"},
                      SearchCase{1, "p.and h", 284, "p.and h. , p & h"}));

INSTANTIATE_TEST_SUITE_P(
    Computer, Search,
    ::testing::Values(SearchCase{2, "IP", 40, "IP"}, SearchCase{2, "IPS", 41, "IPS"},
                      SearchCase{2, "B", 9, "B2C"}, SearchCase{2, "BA", 10, "BASIC"},
                      SearchCase{2, "AS", 6, "ASII"}, SearchCase{2, "ASC", -1, ""},
                      SearchCase{2, "i", 36, "IBM"}, SearchCase{2, "Q", -1, ""},
                      SearchCase{2, "7", -1, ""}, SearchCase{2, "www", 95, "WWW"}));

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

TEST_F(ProgramTest, RoadOfOneRequestInTheBangladeshWindow) {
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
