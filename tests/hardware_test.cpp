#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <ostream>
#include <set>

#include "bangla/bangla.h"
#include "dictionaries/dictionary.h"
#include "dictionaries/hardware_rules.h"
#include "forms/fonts.h"
#include "forms/list_box.h"
#include "program_fixture.h"
#include "text/windows_1252.h"

namespace {

const dictionaries::Dictionary& hardware() {
    return dictionaries::dictionary(3);
}

QString elaboration(int row) {
    return hardware().elaboration(row);
}

namespace rules = dictionaries::hardware_rules;

std::string codePoint(char16_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

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
    const std::set<int> leadingBlank(rules::kRowsWithLeadingBlank.begin(),
                                     rules::kRowsWithLeadingBlank.end());
    const std::set<int> trailingBlank(rules::kRowsWithTrailingBlank.begin(),
                                      rules::kRowsWithTrailingBlank.end());
    std::set<int> blankRuns;
    for (const rules::BlankRuns& entry : rules::kRowsWithBlankRuns) blankRuns.insert(entry.row);
    ASSERT_EQ(leadingBlank.size(), 2u);
    ASSERT_EQ(trailingBlank.size(), 11u);
    ASSERT_EQ(blankRuns.size(), 26u);
    std::map<QString, std::vector<int>> texts;
    qsizetype total = 0;
    for (int row = 0; row < 764; ++row) {
        const QString t = elaboration(row);
        total += t.size();
        texts[t].push_back(row);
        EXPECT_GE(t.size(), 10) << row;
        EXPECT_LE(t.size(), 355) << row;
        EXPECT_TRUE(text::isWindows1252(t)) << row;
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
    // The column holds some 88,600 characters, about 116 a row. Texts cut short or doubled all
    // through the table would keep within each row's bounds but fall outside this band.
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
        {531,
         "‡cv‡U©ej KgwcDUvi                      (G wc.wm.Gg.wm.AvB.G) KvW© emv‡bvi møU _v‡K|"},
        {454, "cwigv‡ci GKwU GKK  hv GK wgUv‡ii GK wgwjqb fv‡Mi GK fvM †K eySvq|"},
    };
    for (const auto& [row, text] : known)
        EXPECT_EQ(elaboration(row), QString::fromUtf8(text)) << row;
    EXPECT_NE(elaboration(443), elaboration(444));
    EXPECT_NE(elaboration(650), elaboration(651));
    EXPECT_TRUE(elaboration(0).startsWith("Wm, DB‡ÛvR"));
    EXPECT_TRUE(elaboration(763).startsWith("(†RU.AvB.Gd)"));
    EXPECT_TRUE(elaboration(99).startsWith(" (Kbmvj"));
    for (int row : {-32768, -2, -1, 764, 32767}) EXPECT_TRUE(elaboration(row).isEmpty()) << row;
}

// The character set of the elaborations: printable ASCII but the double quote
// and the apostrophe, Latin-1 from U+00A1, and seventeen characters that reach
// the font as other Windows-1252 bytes. The rest of Windows-1252 is not in it.
TEST(HardwareTable, TextFormCharacterSet) {
    const char16_t beyondLatin1[] = {0x0152, 0x0153, 0x0160, 0x0161, 0x02C6, 0x2018,
                                     0x2019, 0x201A, 0x201D, 0x201E, 0x2020, 0x2021,
                                     0x2026, 0x2030, 0x2039, 0x203A, 0x2122};
    int ascii = 0;
    int latin1 = 0;
    int beyond = 0;
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        if (!rules::isTextFormCharacter(static_cast<char16_t>(c))) continue;
        if (c < 0x80) {
            ++ascii;
        } else if (c <= 0xFF) {
            ++latin1;
        } else {
            ++beyond;
        }
    }
    EXPECT_EQ(ascii, 95 - 2);
    EXPECT_EQ(latin1, 0xFF - 0xA1 + 1);
    EXPECT_EQ(beyond, 17);
    for (char16_t c : beyondLatin1) EXPECT_TRUE(rules::isTextFormCharacter(c)) << codePoint(c);
    // U+0192 is what the layout writes for the vowel sign of রূ.
    for (char16_t c :
         {u'"', u'\'', u'\t', u'\n', u'\x7F', u'\u00A0', u'\u0192', u'\u20AC', u'\u017D', u'\u017E',
          u'\u0178', u'\u201C', u'\u2022', u'\u2013', u'\u2014', u'\u02DC'}) {
        EXPECT_FALSE(rules::isTextFormCharacter(c)) << codePoint(c);
    }
}

TEST(HardwareTable, EveryElaborationUsesOnlyTheTextFormCharacters) {
    for (int row = 0; row < 764; ++row) {
        for (QChar c : elaboration(row)) {
            if (!rules::isTextFormCharacter(c.unicode())) {
                ADD_FAILURE() << "row " << row << " (" << hardware().abbreviation(row).toStdString()
                              << ") holds " << codePoint(c.unicode())
                              << ", which is not in the text form";
            }
        }
    }
}

// The rules the generator holds the row files to, over the table as built.
TEST(HardwareTable, EveryRowKeepsTheRowRules) {
    const auto table = dictionaries::hardwareRows();
    ASSERT_EQ(static_cast<int>(table.size()), rules::kRowCount);
    std::vector<QString> texts;
    for (int row = 0; row < rules::kRowCount; ++row) texts.push_back(elaboration(row));
    std::vector<rules::RowText> rows;
    for (int row = 0; row < rules::kRowCount; ++row) {
        const QStringView text(texts[row]);
        rows.push_back({row, table[row].abbreviation,
                        std::u16string_view(text.utf16(), static_cast<std::size_t>(text.size()))});
    }
    std::vector<rules::Problem> problems = rules::checkTable(rows);
    for (const rules::RowText& row : rows) {
        for (rules::Problem& p : rules::checkRow(row)) problems.push_back(std::move(p));
    }
    for (const rules::Problem& p : problems) {
        ADD_FAILURE() << "row " << p.row << ": " << p.rule << ": " << p.detail;
    }
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

// dictionaries/hardware.cpp is made by tools/make_hardware_table from the row
// files in tools/hardware_source/; nobody edits it by hand.
const QString kSourceDir = QStringLiteral(ORVANTA_SOURCE_DIR);

struct GeneratorRun {
    int exitCode;
    std::string errors;
};

GeneratorRun runGenerator(const QStringList& arguments) {
    QProcess generator;
    generator.start(QStringLiteral(ORVANTA_MAKE_HARDWARE_TABLE), arguments);
    generator.waitForFinished(-1);
    const int exitCode = generator.exitStatus() == QProcess::NormalExit ? generator.exitCode() : -1;
    return {exitCode, generator.readAllStandardError().toStdString()};
}

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A unified diff of the two files, or the first line where they part.
std::string difference(const QString& stored, const QString& made) {
    QProcess diff;
    diff.start(QStringLiteral("diff"), {QStringLiteral("-u"), stored, made});
    diff.waitForFinished(-1);
    const QByteArray out = diff.readAllStandardOutput();
    if (!out.isEmpty()) return out.left(20000).toStdString();
    const QList<QByteArray> a = contents(stored).split('\n');
    const QList<QByteArray> b = contents(made).split('\n');
    for (qsizetype i = 0; i < std::max(a.size(), b.size()); ++i) {
        const QByteArray left = i < a.size() ? a[i] : QByteArray("(end of file)");
        const QByteArray right = i < b.size() ? b[i] : QByteArray("(end of file)");
        if (left != right) {
            return "first difference at line " + std::to_string(i + 1) + ":\n- " +
                   left.toStdString() + "\n+ " + right.toStdString() + "\n";
        }
    }
    return {};
}

TEST(HardwareTable, IsGeneratedFromItsRowFiles) {
    const QString made = QStringLiteral(ORVANTA_GENERATED_DIR "/hardware.cpp");
    ASSERT_TRUE(QDir().mkpath(QStringLiteral(ORVANTA_GENERATED_DIR)));
    QFile::remove(made);
    const GeneratorRun run =
        runGenerator({QStringLiteral("--root"), kSourceDir, QStringLiteral("--output"), made});
    ASSERT_EQ(run.exitCode, 0) << "make_hardware_table refuses the row files in "
                                  "tools/hardware_source:\n"
                               << run.errors;
    const QString stored = kSourceDir + QStringLiteral("/dictionaries/hardware.cpp");
    if (contents(stored) != contents(made)) {
        FAIL() << "dictionaries/hardware.cpp is not what make_hardware_table makes of "
                  "tools/hardware_source. Change rows in the row files, never in the "
                  "generated file, then regenerate it in the source tree with\n    "
               << ORVANTA_MAKE_HARDWARE_TABLE << " --root " << kSourceDir.toStdString()
               << "\n(repository file first, generated file second)\n"
               << difference(stored, made);
    }
}

// The generator applies the row rules: a row with a character outside the text
// form is named, and the table is left as it is.
TEST(HardwareTable, GeneratorRefusesARowThatBreaksTheRules) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QDir source(kSourceDir + QStringLiteral("/tools/hardware_source"));
    const QString copy = root.filePath(QStringLiteral("tools/hardware_source"));
    ASSERT_TRUE(QDir().mkpath(copy));
    ASSERT_TRUE(QDir().mkpath(root.filePath(QStringLiteral("dictionaries"))));
    bool broken = false;
    for (const QString& name : source.entryList({QStringLiteral("rows_*.tsv")}, QDir::Files)) {
        QByteArray rows = contents(source.filePath(name));
        // Row 14 in Unicode Bengali, its text now beginning with the word রূপ.
        const QByteArray row14 = "\n14\tAlternating Current(AC)\t";
        const qsizetype at = rows.indexOf(row14);
        if (at >= 0) {
            rows.insert(at + row14.size(), QStringLiteral(u"রূপ ").toUtf8());
            broken = true;
        }
        QFile out(QDir(copy).filePath(name));
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(rows);
    }
    ASSERT_TRUE(broken);
    const GeneratorRun run = runGenerator({QStringLiteral("--root"), root.path()});
    EXPECT_EQ(run.exitCode, 1) << run.errors;
    EXPECT_NE(run.errors.find("row 14: character outside the text form: U+0192"), std::string::npos)
        << run.errors;
    EXPECT_FALSE(QFile::exists(root.filePath(QStringLiteral("dictionaries/hardware.cpp"))));
}

struct HardwareSearch {
    const char* typed;
    int row;
    const char* abbreviation;
    const char* elaboration;  // in the layout, as the table has it
};

void PrintTo(const HardwareSearch& c, std::ostream* os) {
    *os << '"' << c.typed << '"';
}

class HardwareWindowSearch : public ProgramTest,
                             public ::testing::WithParamInterface<HardwareSearch> {};

TEST_P(HardwareWindowSearch, FindsTheFirstRow) {
    shell::DictionaryWindow& w = open(3);
    ui::type(w.searchBox, GetParam().typed);
    EXPECT_EQ(w.abbreviationList.listIndex(), GetParam().row);
    EXPECT_EQ(w.selectedBox.text(), QString::fromUtf8(GetParam().abbreviation));
    EXPECT_EQ(w.elaborationBox.text(), QString::fromUtf8(GetParam().elaboration));
}

INSTANTIATE_TEST_SUITE_P(
    Shell, HardwareWindowSearch,
    ::testing::Values(
        HardwareSearch{"Memory board", 443, "Memory board",
                       "‡g‡gvwi-i GKwU wbw`©ó¨ Ask †hLv‡b GKwU wbw`©ó¨ WvUv A_ev †cÖvMÖvg BÝUªvKkb "
                       "†K Rgv K‡i |"},
        HardwareSearch{"Source", 650, "Source",
                       "GKwU wW¯‹ ,dvBj A_ev WKz‡g›U †hLvb †_‡K Z_¨ gyf A_ev Kwc Kiv n‡q‡Q|"},
        HardwareSearch{"Baud", 53, "Baudwidth",
                       "†Kvb †hvMv‡hvM P¨v‡bj †h K¤úv‡¼i cwim‡i ms‡KZ enb Ki‡Z cv‡i Zvi we¯Ívi, hv "
                       "nv‡R© gvcv nq| mvaviYfv‡e P¨v‡b‡ji †WUv en‡bi ¶gZv‡KI e¨vÛDBW_ e‡j|"},
        HardwareSearch{"Expansion", 258, "Expansion bus",
                       "gv`vi‡ev‡W©i GKwU evm hv G·c¨vbkb mø‡U emv‡bv KvW©¸‡jv‡K cÖ‡mmi I †g‡gvwii "
                       "mv‡_ ms‡hvM †`q, †hgb (AvB.Gm.G) ev (wc.wm.AvB) evm|"},
        HardwareSearch{"Hard Disk", 320, "Hard Disk ",
                       "nvW©wW¯‹ WªvB‡fi Ask we‡kl †hLv‡b ‡WUv †÷vi Kivi Rb¨ e¨envi Kiv nq|"},
        HardwareSearch{"hard disk c", 321, "Hard Disk Controller",
                       "GKwU mvwK©U hv Kw¤úDUvi I nvW©wW‡¯‹i g‡a¨ †WUv Av`vb-cÖ`vb wbqš¿Y K‡i Ges "
                       "†nW‡K mwVK Uª¨vK I †m±‡i wb‡q hvq|"},
        HardwareSearch{"Warm", 73, "Warmboot",
                       "we`y¨r eÜ bv K‡iB Kw¤úDUvi bZzb K‡i Pvjy Kiv, †hgb K‡›Uªvj, Aë I wWwjU Kx "
                       "GKmv‡_ †P‡c| G‡Z †g‡gvwi cix¶vi gZ wKQz avc ev` c‡o|"},
        HardwareSearch{"Warm ", 742, "Warm Boot",
                       "we`y¨r eÜ bv K‡i Kx-†ev‡W© K‡›Uªvj, Aë I wWwjU Kx GKmv‡_ †P‡c Kw¤úDUvi‡K "
                       "bZzb K‡i Pvjy Kiv‡K Iqvg© eyU e‡j|"},
        HardwareSearch{"zif", 763, "ZIF Socket",
                       "(†RU.AvB.Gd) wRd K_vwU wR‡iv Bbmvikb †dvm© †_‡K G‡m‡Q| GKwU we‡klfv‡e "
                       "wbwg©Z Pxc ev (AvB.wm) -i m‡KU †hLv‡b Lye mn‡R (AvB.wm) e`jv‡bv hvq| "
                       "†cbwUqvg gv`vi‡evW© G cÖ‡mmi Gi Rb¨ wRd m‡KU i‡q‡Q|"}));

TEST_F(ProgramTest, HardwareOpensWithAllItsRowsFromEveryWindow) {
    for (int from : {1, 2, 4, 5}) {
        shell::DictionaryWindow& w = from == 1 ? program.oxfordWindow().get() : open(from);
        if (from == 1) ui::click(w.dictionaryButton(1));
        ui::click(w.dictionaryButton(3));
        ui::settle();
        ASSERT_EQ(dictionaryWindows(), std::vector<int>{3});
        EXPECT_EQ(window(3).abbreviationList.listCount(), 764);
        EXPECT_EQ(window(3).abbreviationList.list(443), "Memory board");
        ui::click(window(3).lockLabel);  // back to the home screen
        ui::click(program.lockWindow.get().unlockButton);
        ui::settle();
    }
}

// The elaboration box keeps the text exactly as the lookup gave it, and shows
// it as Unicode Bengali where the legacy font is missing.
TEST_F(ProgramTest, ElaborationBoxHoldsTheLayoutAndShowsBengali) {
    shell::DictionaryWindow& w = open(3);
    ui::type(w.searchBox, "Megahertz");
    ASSERT_EQ(w.abbreviationList.listIndex(), 440);
    EXPECT_EQ(w.elaborationBox.text(), QString::fromUtf8("cÖwZ †m‡K‡Û GK wgwjqb mvB‡Kj|"));
    if (forms::isInstalled("SutonnyMJ")) {
        EXPECT_EQ(w.elaborationBox.toPlainText(), w.elaborationBox.text());
        return;
    }
    EXPECT_TRUE(w.elaborationBox.convertsForDisplay());
    EXPECT_EQ(w.elaborationBox.toPlainText(),
              QString::fromUtf8("প্রতি সেকেন্ডে এক মিলি\u09DFন সাইকেল।"));
    const QFontInfo font(w.elaborationBox.font());
    EXPECT_TRUE(font.family().contains("Bengali")) << qPrintable(font.family());
    EXPECT_DOUBLE_EQ(w.elaborationBox.font().pointSizeF(), 14.25);
    // The other boxes of the window stay plain.
    EXPECT_EQ(w.selectedBox.text(), "Megahertz (MHz)");
    EXPECT_EQ(w.selectedBox.displayText(), "Megahertz (MHz)");
}

TEST_F(ProgramTest, TextTypedIntoTheHardwareBoxBecomesLayoutText) {
    shell::DictionaryWindow& w = open(3);
    if (forms::isInstalled("SutonnyMJ")) GTEST_SKIP() << "the box shows the layout itself";
    ui::type(w.searchBox, "Bit");
    w.elaborationBox.moveCursor(QTextCursor::End);
    // A word typed in Bengali at the end: কত is "KZ" in the layout.
    ui::type(w.elaborationBox, QString::fromUtf8(" কত"));
    EXPECT_EQ(w.elaborationBox.text(),
              QString::fromUtf8("(evBbvwi wWwRU) Kw¤úDUv‡i Z‡_¨i me‡P‡q †QvU GKK, hvi gvb 0 A_ev 1 "
                                "n‡Z cv‡i| KZ"));
    // The next display replaces it with the next row's text, exactly.
    ui::type(w.searchBox, " ");
    ASSERT_EQ(w.abbreviationList.listIndex(), 68);
    EXPECT_EQ(
        w.elaborationBox.text(),
        QString::fromUtf8("(weU cvi BwÂ) wW‡¯‹i Uª¨vK ev †U‡ci cÖwZ BwÂ‡Z KZ¸‡jv weU ivLv hvq "
                          "Zvi cwigvc, hv †WUv msi¶‡Yi NbZ¡ wb‡`©k K‡i|"));
}

}  // namespace
