#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMimeData>

#include "program_fixture.h"

namespace {

// What the clipboard holds when the user pastes.
enum class Clipboard { Empty, PictureOnly, Text };

struct PasteCase {
    const char* name;
    Clipboard clipboard;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

void PrintTo(const PasteCase& c, std::ostream* os) {
    *os << c.name;
}

void fill(Clipboard what) {
    auto* data = new QMimeData;
    if (what == Clipboard::PictureOnly) {
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        data->setImageData(picture);
    } else if (what == Clipboard::Text) {
        data->setText(QStringLiteral("OED"));
    }
    QApplication::clipboard()->setMimeData(data);
}

class Paste : public ProgramTest, public ::testing::WithParamInterface<PasteCase> {};

// A paste into any box of a dictionary window takes the clipboard's text and
// nothing else: from a clipboard with no text, nothing changes.
TEST_P(Paste, TakesTextOnlyInEveryBox) {
    const PasteCase& c = GetParam();
    shell::DictionaryWindow& w = open(1);
    ui::type(w.searchBox, "ox");
    const QString searched = w.searchBox.text();
    const int selected = w.abbreviationList.listIndex();
    const QString elaboration = w.elaborationBox.text();
    const QString abbreviation = w.selectedBox.text();

    fill(c.clipboard);
    for (QWidget* box :
         std::initializer_list<QWidget*>{&w.searchBox, &w.elaborationBox, &w.selectedBox}) {
        box->setFocus();
        QTest::keyClick(box, c.key, c.modifiers);
    }
    ui::settle();

    if (c.clipboard == Clipboard::Text) {
        EXPECT_TRUE(w.searchBox.text().contains("OED")) << qPrintable(w.searchBox.text());
        EXPECT_TRUE(w.elaborationBox.text().contains("OED"));
        EXPECT_TRUE(w.selectedBox.text().contains("OED"));
        return;
    }
    EXPECT_EQ(w.searchBox.text(), searched);
    EXPECT_EQ(w.abbreviationList.listIndex(), selected);
    EXPECT_EQ(w.elaborationBox.text(), elaboration);
    EXPECT_EQ(w.selectedBox.text(), abbreviation);
}

INSTANTIATE_TEST_SUITE_P(
    Shell, Paste,
    ::testing::Values(
        PasteCase{"CtrlVFromEmpty", Clipboard::Empty, Qt::Key_V, Qt::ControlModifier},
        PasteCase{"ShiftInsertFromEmpty", Clipboard::Empty, Qt::Key_Insert, Qt::ShiftModifier},
        PasteCase{"CtrlVOfAPicture", Clipboard::PictureOnly, Qt::Key_V, Qt::ControlModifier},
        PasteCase{"ShiftInsertOfAPicture", Clipboard::PictureOnly, Qt::Key_Insert,
                  Qt::ShiftModifier},
        PasteCase{"CtrlVOfText", Clipboard::Text, Qt::Key_V, Qt::ControlModifier},
        PasteCase{"ShiftInsertOfText", Clipboard::Text, Qt::Key_Insert, Qt::ShiftModifier}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
