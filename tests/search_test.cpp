#include <gtest/gtest.h>

#include <QTest>
#include <ostream>
#include <string>

#include "dictionaries/dictionary.h"
#include "program_fixture.h"

namespace {

using shell::DictionaryWindow;

// The row the list has selected and what the two boxes show of it.
void expectShows(DictionaryWindow& w, int row, const char* abbreviation, const char* elaboration) {
    EXPECT_EQ(w.abbreviationList.listIndex(), row);
    EXPECT_EQ(w.selectedBox.text(), QString::fromUtf8(abbreviation));
    EXPECT_EQ(w.elaborationBox.text(), QString::fromUtf8(elaboration));
}

// One search through the window's real search box and list. Among rows that
// begin alike the first from the top wins, so most cases have a later row that
// also matches.
struct SearchCase {
    int window;
    const char* typed;  // typed one key at a time
    int row;            // the row selected afterwards, -1 for none
    const char* selectedText;
    const char* elaboration;  // what the elaboration box shows
};

void PrintTo(const SearchCase& c, std::ostream* os) {
    *os << "Form" << c.window << " \"" << c.typed << "\"";
}

class Search : public ProgramTest, public ::testing::WithParamInterface<SearchCase> {};

TEST_P(Search, SelectsTheFirstRowThatBeginsWithTheText) {
    const SearchCase& c = GetParam();
    SCOPED_TRACE("typed \"" + std::string(c.typed) + "\" into the search box of Form" +
                 std::to_string(c.window));
    DictionaryWindow& w = c.window == 1 ? program.oxfordWindow().get() : open(c.window);
    if (c.window == 1) ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, QString::fromUtf8(c.typed));
    EXPECT_EQ(w.searchBox.text(), QString::fromUtf8(c.typed)) << "the search leaves its text alone";
    EXPECT_EQ(w.abbreviationList.listIndex(), c.row)
        << "the first row from the top that begins with it";
    EXPECT_EQ(w.selectedBox.text(), QString::fromUtf8(c.selectedText))
        << "the selected-abbreviation box";
    EXPECT_EQ(w.elaborationBox.text(), QString::fromUtf8(c.elaboration)) << "the elaboration box";
}

const SearchCase kOxfordSearches[] = {
    {1, "a", 0, "AA", "Automibile Association, Alcholics Anonymous."},
    {1, "TB", 377, "TBA", "to be announced; to be arranged"},
    {1, "TA", 378, "TA", "Territorial Army; teaching assistant"},
    {1, "MB", 215, "MB, mb", "megabyte(s); millibar(s)"},
    {1, "MB, ", 215, "MB, mb", "megabyte(s); millibar(s)"},
    {1, "ARR", 27, "arr", "annual percentage rate"},
    {1, "arr", 27, "arr", "annual percentage rate"},
    {1, "AC", 8, "AC", "air conditioning"},
    {1, "ac", 8, "AC", "air conditioning"},
    {1, "ESOL", 118, "ESOL", "English for Speakers of other languages"},
    {1, "PT", 311, "PT", "physical training; physical therapy"},
    {1, "PT,", 312, "PT, P/T", "part-time"},
    {1, "TM", 388, "TM", "trademark"},
    {1, "TM,", 389, "TM, T.M.", "transcendental meditation"},
    {1, "RIP", 321, "RIP", "rest in peace (from Latin 'requiescat in pace')"},
    {1, "RA", 322, "RAC", "Royal Automobile Club"},
    {1, "AE", 54, "AE", "Certificate in Advanced English"},
    {1, "FBI", 129, "FBI", "Federal Bureau of Investigation "},
    {1, "ABTAX", -1, "", ""},
    {1, " A", -1, "", ""},
    {1, "ZZ", -1, "", ""},
    {1, "YWCA", 439, "YWCA", "Young Women's Christian Association"},
    {1, "R & D", 319, "R & D", "research and development"},
    {1, "p.and", 284, "p.and h. , p & h", "postage and handling"},
    {1, "p.and h", 284, "p.and h. , p & h", "postage and handling"},
};

INSTANTIATE_TEST_SUITE_P(Oxford, Search, ::testing::ValuesIn(kOxfordSearches));

const SearchCase kComputerSearches[] = {
    {2, "A", 0, "ABC", "Atanasoff Berry Computer "},
    {2, "AS", 6, "ASII", "American Standard Code for information Interchange"},
    {2, "ASC", -1, "", ""},
    {2, "B", 9, "B2C", "Business to Consumer e-commerce"},
    {2, "BA", 10, "BASIC", "Beginner's All-Purpose Symbolic Instruction Code"},
    {2, "I", 36, "IBM", "International Business Machines"},
    {2, "i", 36, "IBM", "International Business Machines"},
    {2, "IC", 37, "IC", "Integrated Circuit"},
    {2, "ICT", 38, "ICT", "Information & Communication Technology"},
    {2, "IP", 40, "IP", "Internet Protocol"},
    {2, "IPS", 41, "IPS", "Instant Power Supply"},
    {2, "PC", 67, "PC", "Personal Computer"},
    {2, "pci", 68, "PCI", "Peripharal Component Interconnect"},
    {2, "V", 85, "VDU", "Visual Display Unit"},
    {2, "www", 95, "WWW", "World Wide Web"},
    {2, "Q", -1, "", ""},
    {2, "X", -1, "", ""},
    {2, "y", -1, "", ""},
    {2, "Z", -1, "", ""},
    {2, "0", -1, "", ""},
    {2, "2", -1, "", ""},
    {2, "7", -1, "", ""},
    {2, "9", -1, "", ""},
};

INSTANTIATE_TEST_SUITE_P(Computer, Search, ::testing::ValuesIn(kComputerSearches));

const SearchCase kBangladeshSearches[] = {
    {4, "KPM", 208, "KPM", "Karnaphuli Paper Mills."},
    {4, "BCIC", 9, "BCIC", "Bangladesh Chemical Industries Corporation."},
    {4, "BFDC", 10, "BFDC", "Bangladesh Film Development Corporation."},
    {4, "BAU", 12, "BAU", "Bangladesh Agriculture University."},
    {4, "BMA", 22, "BMA", "Bangladesh Medical Association."},
    {4, "bmA", 22, "BMA", "Bangladesh Medical Association."},
    {4, "BSC", 57, "BSC", "Bangladesh Shipping Corporation."},
    {4, "DMP", 130, "DMP", "Dhaka Matropoliton Police."},
    {4, "FRI", 166, "FRI", "Foreign Research Institute."},
    {4, "NSI", 224, "NSI", "National Security Intelligence (of Bangladesh)"},
    {4, "BAR", 33, "BARD", "Bangladesh Academy for Rural Development."},
    {4, "BARC", 40, "BARC", "Bangladesh Agricultural Research Institute."},
    {4, "C&", 110, "C&AG", "Comptroller and Auditor General."},
    {4, "C-", 117, "C-IN-C", "Commander in Chief."},
    {4, "Q", -1, "", ""},
    {4, "ZZ", -1, "", ""},
};

INSTANTIATE_TEST_SUITE_P(Bangladesh, Search, ::testing::ValuesIn(kBangladeshSearches));

const SearchCase kInternationalSearches[] = {
    {5, "FRCP", 78, "FRCP", "Fellow of the Royal College of Physicians."},
    {5, "frcp", 78, "FRCP", "Fellow of the Royal College of Physicians."},
    {5, "ICAO", 94, "ICAO", "Internation Civil Aviation Organization."},
    {5, "ICC", 107, "ICC", "International Cricket Committee."},
    {5, "PUK", 166, "PUK", "Patriotic Union of Jurdistan."},
    {5, "SAPTA", 178, "SAPTA", "South Asian Preferential Trade Arrangement."},
    {5, "EFTA", 63, "EFTA", "European Free Trade Association."},
    {5, "WPC", 217, "WPC", "World Peace Council."},
    {5, "CI", 34, "CIDA", "Canadian International Development Agency."},
    {5, "AID", 1, "AIDS", "Acquired Immune Deficiency Syndrome."},
    {5, "D.", 57, "D.LIT", "Doctor of Literature."},
    {5, "R&", 170, "R&D", "Research and Development."},
    {5, "Q", -1, "", ""},
    {5, "ZZ", -1, "", ""},
};

INSTANTIATE_TEST_SUITE_P(International, Search, ::testing::ValuesIn(kInternationalSearches));

// Letters that fold to an ASCII letter but have no place in Windows-1252, which
// the list search compares in: KELVIN SIGN folds to "k", LATIN SMALL LETTER
// LONG S to "s". Typed alone or within a word they find nothing, though the
// plain letter finds its row.
const SearchCase kOutsideTheCodePage[] = {
    {1, "K", 194, "K", "one thousand; kelvin(s); kilobyte(s)"},
    {1, "\u212A", -1, "", ""},
    {1, "S", 351, "SAD", "seasonal affective disorder"},
    {1, "\u017F", -1, "", ""},
    {1, "\u017FAD", -1, "", ""},
    {2, "\u212AWS", -1, "", ""},
    {2, "SC\u017F", -1, "", ""},
    {5, "\u212A\u212A\u212A", -1, "", ""},
};

INSTANTIATE_TEST_SUITE_P(OutsideTheCodePage, Search, ::testing::ValuesIn(kOutsideTheCodePage));

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
    DictionaryWindow& w = program.oxfordWindow().get();
    ui::click(w.dictionaryButton(1));
    ui::clickRow(w.abbreviationList, 9);
    EXPECT_EQ(w.elaborationBox.text(), "alternating current");
    EXPECT_EQ(w.selectedBox.text(), "AC");
    ui::key(w.abbreviationList, Qt::Key_Up);
    EXPECT_EQ(w.elaborationBox.text(), "air conditioning");
}

TEST_F(ProgramTest, DeletingTheLetterThatMatchedNothingFindsTheRowAgain) {
    DictionaryWindow& w = program.oxfordWindow().get();
    ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, "ABTAX");
    EXPECT_EQ(w.abbreviationList.listIndex(), -1);
    EXPECT_TRUE(w.elaborationBox.text().isEmpty());
    EXPECT_TRUE(w.selectedBox.text().isEmpty());
    ui::backspace(w.searchBox);
    expectShows(w, 7, "ABTA", "Association of British Travel Agents");
}

TEST_F(ProgramTest, EmptyingTheSearchBoxClearsTheSelection) {
    DictionaryWindow& w = program.oxfordWindow().get();
    ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, "F");
    ASSERT_GE(w.abbreviationList.listIndex(), 0);
    ui::backspace(w.searchBox);
    EXPECT_EQ(w.abbreviationList.listIndex(), -1);
    EXPECT_TRUE(w.elaborationBox.text().isEmpty());
    EXPECT_TRUE(w.selectedBox.text().isEmpty());
}

TEST_F(ProgramTest, TrailingBlanksReachTheBoxes) {
    DictionaryWindow& w = program.oxfordWindow().get();
    ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, "FBI");
    EXPECT_EQ(w.elaborationBox.text(), "Federal Bureau of Investigation ");
}

TEST_F(ProgramTest, TextTypedIntoTheBoxesIsReplacedByTheNextDisplay) {
    DictionaryWindow& w = program.oxfordWindow().get();
    ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, "AB");
    ui::type(w.elaborationBox, "scribble");
    ui::type(w.selectedBox, "scribble");
    // The next letter lands on the same row; both boxes show it again.
    ui::type(w.searchBox, "T");
    expectShows(w, 7, "ABTA", "Association of British Travel Agents");
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
    ui::click(program.oxfordWindow().get().dictionaryButton(4));
    ui::settle();
    DictionaryWindow& w = window(4);
    ASSERT_EQ(w.abbreviationList.listCount(), 275);
    const struct {
        const char* key;
        int row;
        const char* abbreviation;
        const char* elaboration;
    } steps[] = {{"K", 207, "KDA", "Khulna Development Authority."},
                 {"P", 208, "KPM", "Karnaphuli Paper Mills."},
                 {"M", 208, "KPM", "Karnaphuli Paper Mills."}};
    for (const auto& step : steps) {
        SCOPED_TRACE(step.key);
        ui::type(w.searchBox, step.key);
        expectShows(w, step.row, step.abbreviation, step.elaboration);
    }
    EXPECT_EQ(w.searchBox.text(), "KPM");
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
        const char* firstElaboration;
        int second;
        const char* secondElaboration;
    };
    for (const Pair& p : {
             Pair{"ICC", 107, "International Cricket Committee.", 119,
                  "International Conference Centre."},
             Pair{"SAPTA", 178, "South Asian Preferential Trade Arrangement.", 187,
                  "South Asain Preferential Trae Arragement."},
             Pair{"PUK", 166, "Patriotic Union of Jurdistan.", 168, "Personal Unlocking Key."},
         }) {
        SCOPED_TRACE(p.abbreviation);
        w.searchBox.showText({});
        ui::type(w.searchBox, p.abbreviation);
        expectShows(w, p.first, p.abbreviation, p.firstElaboration);
        ui::clickRow(w.abbreviationList, p.second);
        expectShows(w, p.second, p.abbreviation, p.secondElaboration);
    }
}

// --- what a user can put into the search box ---------------------------------------

struct BadInput {
    const char* name;
    QString text;
};

class SearchBadInput : public ProgramTest, public ::testing::WithParamInterface<BadInput> {};

TEST_P(SearchBadInput, MatchesNothingAndLeavesTheWindowWorking) {
    DictionaryWindow& w = program.oxfordWindow().get();
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
    w.searchBox.showText({});
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
