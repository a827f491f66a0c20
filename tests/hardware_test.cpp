#include <gtest/gtest.h>

#include <QFontInfo>
#include <QPlainTextEdit>
#include <set>

#include "bangla/bangla.h"
#include "dictionaries/dictionary.h"
#include "forms/fonts.h"
#include "forms/list_box.h"
#include "program_fixture.h"

namespace {

const dictionaries::Dictionary& hardware() { return dictionaries::dictionary(3); }

QString elaboration(int row) { return hardware().elaboration(static_cast<std::int16_t>(row)); }

TEST(HardwareTable, AbbreviationColumn) {
    ASSERT_EQ(hardware().rowCount(), 764);
    EXPECT_EQ(hardware().abbreviation(0), "A:");
    EXPECT_EQ(hardware().abbreviation(42), "A20");
    EXPECT_EQ(hardware().abbreviation(320), "Hard Disk ");
    EXPECT_EQ(hardware().abbreviation(763), "ZIF Socket");
    std::map<QString, std::vector<int>> seen;
    for (int row = 0; row < 764; ++row) {
        const QString a = hardware().abbreviation(row);
        EXPECT_GE(a.size(), 1);
        EXPECT_LE(a.size(), 60);
        for (QChar c : a) EXPECT_TRUE(c >= QChar(0x20) && c < QChar(0x7F)) << row;
        EXPECT_FALSE(a.contains("  ")) << row;
        if (row != 320) {
            EXPECT_EQ(a, a.trimmed()) << row;
        }
        seen[a.toLower()].push_back(row);
    }
    std::vector<std::vector<int>> repeats;
    for (const auto& [text, rows] : seen) {
        if (rows.size() > 1) repeats.push_back(rows);
    }
    EXPECT_EQ(repeats, (std::vector<std::vector<int>>{{443, 444}, {650, 651}}));
}

TEST(HardwareTable, ElaborationColumnRules) {
    const std::set<int> leadingBlank{99, 199};
    const std::set<int> trailingBlank{34, 63, 153, 175, 402, 592, 596, 662, 715, 751, 761};
    const std::set<int> blankRuns{4,   10,  16,  49,  55,  90,  108, 128, 178,
                                  182, 183, 186, 218, 262, 391, 451, 453, 454,
                                  455, 458, 502, 511, 516, 531, 549, 734};
    std::map<QString, std::vector<int>> texts;
    qsizetype total = 0;
    for (int row = 0; row < 764; ++row) {
        const QString t = elaboration(row);
        total += t.size();
        texts[t].push_back(row);
        EXPECT_GE(t.size(), 10) << row;
        EXPECT_LE(t.size(), 355) << row;
        EXPECT_TRUE(forms::isWindows1252(t)) << row;
        for (QChar c : t) {
            EXPECT_FALSE(c < QChar(0x20) || c == QChar(0x7F) || c == QChar('"') ||
                         c == QChar('\'') || c == QChar(0xA0))
                << row;
        }
        EXPECT_EQ(t.startsWith(' '), leadingBlank.count(row) == 1) << row;
        EXPECT_EQ(t.endsWith(' '), trailingBlank.count(row) == 1) << row;
        if (t.endsWith(' ')) {
            EXPECT_FALSE(t.endsWith("  ")) << row;
        }
        EXPECT_EQ(t.trimmed().contains("  "), blankRuns.count(row) == 1) << row;
        const bool danda = t.trimmed().endsWith('|');
        EXPECT_EQ(danda, row != 101 && row != 131) << row;
    }
    EXPECT_EQ(texts.size(), 763u);
    EXPECT_EQ(texts[elaboration(382)], (std::vector<int>{382, 383}));
    EXPECT_EQ(elaboration(531).count(QString(22, ' ')), 1);
    EXPECT_EQ(elaboration(49).count(QString(11, ' ')), 1);
    EXPECT_EQ(elaboration(4).count(QString(7, ' ')), 1);
    EXPECT_EQ(elaboration(90).count(QString(5, ' ')), 1);
    // Near the 90,422 characters of the table it replaces.
    EXPECT_GT(total, 80000);
    EXPECT_LT(total, 100000);
}

TEST(HardwareTable, KnownRowsAreExact) {
    const std::pair<int, const char*> known[] = {
        {309, "GK wewjqb|"},
        {400, "1024 evBU|"},
        {440, "cÖwZ †m‡K‡Û GK wgwjqb mvB‡Kj|"},
        {570, "‡cÖvMÖvg Kivi †hvM¨Zv†K eySvq|"},
        {382, "GKwU Kgy¨wb‡Kkb †cÖv‡UvKj hvi Dci wfwË K‡i B›Uvi‡bU P‡j|"},
        {383, "GKwU Kgy¨wb‡Kkb †cÖv‡UvKj hvi Dci wfwË K‡i B›Uvi‡bU P‡j|"},
        {650, "GKwU wW¯‹ ,dvBj A_ev WKz‡g›U †hLvb †_‡K Z_¨ gyf A_ev Kwc Kiv n‡q‡Q|"},
        {320, "nvW©wW¯‹ WªvB‡fi Ask we‡kl †hLv‡b ‡WUv †÷vi Kivi Rb¨ e¨envi Kiv nq|"},
        {592, "GKwU †cªv‡mmi hv wbw`©ó msL¨K G¨v‡m¤^wj †j½y‡qR wPwýZ Ki‡Z cv‡i| "},
        {531, "‡cv‡U©ej KgwcDUvi                      (G wc.wm.Gg.wm.AvB.G) KvW© emv‡bvi møU _v‡K|"},
        {454, "cwigv‡ci GKwU GKK  hv GK wgUv‡ii GK wgwjqb fv‡Mi GK fvM †K eySvq|"},
    };
    for (const auto& [row, text] : known) EXPECT_EQ(elaboration(row), QString::fromUtf8(text)) << row;
    EXPECT_NE(elaboration(443), elaboration(444));
    EXPECT_NE(elaboration(650), elaboration(651));
    EXPECT_TRUE(elaboration(0).startsWith("Wm, DB‡ÛvR"));
    EXPECT_TRUE(elaboration(763).startsWith("(†RU.AvB.Gd)"));
    EXPECT_TRUE(elaboration(99).startsWith(" (Kbmvj"));
    for (int row : {-32768, -2, -1, 764, 32767}) EXPECT_TRUE(elaboration(row).isEmpty()) << row;
}

// What the box shows of every row is Bengali: no Latin letter or layout
// symbol is left.
TEST(HardwareTable, EveryElaborationReadsAsBengali) {
    for (int row = 0; row < 764; ++row) {
        const QString shown = bangla::toUnicode(elaboration(row));
        for (QChar c : shown) {
            const char16_t u = c.unicode();
            const bool bengali = u >= 0x0980 && u <= 0x09FF;
            const bool joiner = u == 0x200C || u == 0x200D;
            const bool danda = u == 0x0964 || u == 0x0965;
            const bool plain = u == ' ' || QStringLiteral("(),.-/:;?!").contains(c);
            EXPECT_TRUE(bengali || joiner || danda || plain)
                << "row " << row << ": U+" << std::hex << static_cast<int>(u) << " in "
                << shown.toStdString();
        }
    }
}

struct HardwareSearch {
    const char* typed;
    int row;
};

class HardwareWindowSearch : public ProgramTest,
                             public ::testing::WithParamInterface<HardwareSearch> {};

TEST_P(HardwareWindowSearch, FindsTheFirstRow) {
    shell::DictionaryWindow& w = open(3);
    ui::type(w.Text1, GetParam().typed);
    EXPECT_EQ(w.List1.listIndex(), GetParam().row);
    EXPECT_EQ(w.Text3.text(), hardware().abbreviation(GetParam().row));
    EXPECT_EQ(w.Text2.text(), elaboration(GetParam().row));
}

INSTANTIATE_TEST_SUITE_P(
    Shell, HardwareWindowSearch,
    ::testing::Values(HardwareSearch{"Memory board", 443}, HardwareSearch{"Source", 650},
                      HardwareSearch{"Baud", 53}, HardwareSearch{"Expansion", 258},
                      HardwareSearch{"Hard Disk", 320}, HardwareSearch{"hard disk c", 321},
                      HardwareSearch{"Warm", 73}, HardwareSearch{"Warm ", 742},
                      HardwareSearch{"zif", 763}));

TEST_F(ProgramTest, HardwareOpensWithAllItsRowsFromEveryWindow) {
    for (int from : {1, 2, 4, 5}) {
        shell::DictionaryWindow& w = from == 1 ? *program.Form1 : open(from);
        if (from == 1) ui::click(w.Label1);
        ui::click(w.Label3);
        ui::settle();
        ASSERT_EQ(dictionaryWindows(), std::vector<int>{3});
        EXPECT_EQ(window(3).List1.listCount(), 764);
        EXPECT_EQ(window(3).List1.list(443), "Memory board");
        ui::click(window(3).Label10);  // back to the home screen
        ui::click(program.Form10->Label3);
        ui::settle();
    }
}

// The elaboration box keeps the text exactly as the lookup gave it, and shows
// it as Unicode Bengali where the legacy font is missing.
TEST_F(ProgramTest, ElaborationBoxHoldsTheLayoutAndShowsBengali) {
    shell::DictionaryWindow& w = open(3);
    ui::type(w.Text1, "Megahertz");
    ASSERT_EQ(w.List1.listIndex(), 440);
    EXPECT_EQ(w.Text2.text(), QString::fromUtf8("cÖwZ †m‡K‡Û GK wgwjqb mvB‡Kj|"));
    if (forms::isInstalled("SutonnyMJ")) {
        EXPECT_EQ(w.Text2.displayedText(), w.Text2.text());
        return;
    }
    EXPECT_TRUE(w.Text2.convertsForDisplay());
    EXPECT_EQ(w.Text2.displayedText(),
              QString::fromUtf8("প্রতি সেকেন্ডে এক মিলি\u09DFন সাইকেল।"));
    const QFontInfo font(w.Text2.widget()->font());
    EXPECT_TRUE(font.family().contains("Bengali")) << qPrintable(font.family());
    EXPECT_DOUBLE_EQ(w.Text2.widget()->font().pointSizeF(), 14.25);
    // The other boxes of the window stay plain.
    EXPECT_FALSE(w.Text3.convertsForDisplay());
    EXPECT_EQ(w.Text3.displayedText(), "Megahertz (MHz)");
}

TEST_F(ProgramTest, TextTypedIntoTheHardwareBoxBecomesLayoutText) {
    shell::DictionaryWindow& w = open(3);
    ui::type(w.Text1, "Bit");
    auto* box = static_cast<QPlainTextEdit*>(w.Text2.widget());
    box->moveCursor(QTextCursor::End);
    ui::type(w.Text2, "x");
    EXPECT_EQ(w.Text2.text(), bangla::toLayout(w.Text2.displayedText()));
    // The next display replaces it with the row's text, exactly.
    ui::type(w.Text1, " ");
    EXPECT_EQ(w.Text2.text(), elaboration(w.List1.listIndex()));
}

}  // namespace
