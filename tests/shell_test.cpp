#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <functional>

#include "dictionaries/dictionary.h"
#include "program_fixture.h"

namespace {

using shell::DictionaryWindow;

std::vector<const QWidget*> workingControls(DictionaryWindow& w) {
    std::vector<const QWidget*> controls;
    for (const QString& name : dictionaryControls(w.number()).working) {
        controls.push_back(w.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly));
    }
    return controls;
}

bool onScreen(const QWidget& c) {
    return c.isVisible();
}

// The next control that Tab reaches, skipping the parts of a composite widget.
QWidget* nextByTab(QWidget* from) {
    QWidget* next = from->nextInFocusChain();
    while (next != from && (next->focusPolicy() == Qt::NoFocus || from->isAncestorOf(next))) {
        next = next->nextInFocusChain();
    }
    return next;
}

// --- start-up and the home screen --------------------------------------------------

TEST_F(ProgramTest, StartsOnTheHomeScreenAlone) {
    EXPECT_EQ(dictionaryWindows(), std::vector<int>{1});
    for (auto* slot : std::initializer_list<forms::FormSlotBase*>{
             &program.helpMenu, &program.contactWindow, &program.copyrightWindow,
             &program.aboutWindow, &program.lockWindow}) {
        EXPECT_FALSE(slot->exists());
    }
    DictionaryWindow& home = *program.oxfordWindow().peek();
    EXPECT_TRUE(home.isVisible());
    EXPECT_EQ(home.windowTitle(), "Orvanta Abbreviation Dictionary");
    for (auto* c : workingControls(home))
        EXPECT_FALSE(c->isVisible()) << qPrintable(c->objectName());
    ASSERT_TRUE(home.titleLabel);
    EXPECT_TRUE(onScreen(*home.titleLabel));
    EXPECT_EQ(home.titleLabel->text(), "Orvanta Abbreviation Dictionary");
    for (int n = 1; n <= 5; ++n) EXPECT_TRUE(onScreen(home.dictionaryButton(n)));
    for (auto* c : {&home.changeHeading, &home.helpButton, &home.closeLabel, &home.minimizeLabel,
                    &home.lockLabel}) {
        EXPECT_TRUE(onScreen(*c)) << qPrintable(c->objectName());
    }
    EXPECT_EQ(home.helpButton.objectName(), "Label7");
    EXPECT_EQ(home.selectionCaption.objectName(), "Label16");
}

TEST_F(ProgramTest, OxfordButtonTurnsTheHomeScreenIntoTheOxfordWindow) {
    DictionaryWindow& w = program.oxfordWindow().get();
    const QPoint where = w.pos();
    ui::click(w.dictionaryButton(1));
    EXPECT_EQ(dictionaryWindows(), std::vector<int>{1});
    EXPECT_EQ(program.oxfordWindow().peek(), &w) << "the same window, in place";
    EXPECT_EQ(w.pos(), where);
    for (auto* c : workingControls(w)) EXPECT_TRUE(c->isVisible()) << qPrintable(c->objectName());
    EXPECT_FALSE(onScreen(*w.titleLabel));
    const int rows = dictionaries::dictionary(1).rowCount();
    EXPECT_EQ(w.abbreviationList.listCount(), rows);
    EXPECT_EQ(w.abbreviationList.listIndex(), -1);
    EXPECT_TRUE(w.searchBox.text().isEmpty());
    EXPECT_TRUE(w.elaborationBox.text().isEmpty());
    EXPECT_TRUE(w.selectedBox.text().isEmpty());

    // Again, in the working state, with a search in place: nothing changes.
    ui::type(w.searchBox, "AC");
    const auto index = w.abbreviationList.listIndex();
    const QString shown = w.elaborationBox.text();
    ui::click(w.dictionaryButton(1));
    EXPECT_EQ(w.abbreviationList.listCount(), rows);
    EXPECT_EQ(w.searchBox.text(), "AC");
    EXPECT_EQ(w.abbreviationList.listIndex(), index);
    EXPECT_EQ(w.elaborationBox.text(), shown);
}

TEST_F(ProgramTest, CloseLabelOfADictionaryWindowEndsTheProgram) {
    ui::click(program.oxfordWindow().get().helpButton);
    ui::click(program.oxfordWindow().get().closeLabel);
    ui::settle();
    EXPECT_EQ(endings, 1);
    EXPECT_TRUE(program.hasEnded());
    EXPECT_TRUE(dictionaryWindows().empty());
    EXPECT_FALSE(program.helpMenu.exists()) << "every window goes with it";
}

// Closed by the window manager, the last window ends the program, also after
// other windows have come and gone.
TEST_F(ProgramTest, ClosingTheLastWindowEndsTheProgramAfterOthersHaveGone) {
    DictionaryWindow& computer = open(2);  // in place of the home screen
    ui::click(computer.helpButton);
    ASSERT_TRUE(program.helpMenu.exists());
    program.helpMenu.peek()->close();
    ui::settle();
    EXPECT_FALSE(program.helpMenu.exists());
    EXPECT_EQ(endings, 0) << "the Computer window is open";
    computer.close();
    ui::settle();
    EXPECT_EQ(endings, 1);
    EXPECT_TRUE(program.hasEnded());
}

TEST_F(ProgramTest, MinimizeLabelMinimizesItsWindowAlone) {
    ui::click(program.oxfordWindow().get().dictionaryButton(1));
    ui::type(program.oxfordWindow().get().searchBox, "TB");
    ui::click(program.oxfordWindow().get().helpButton);
    ui::click(program.oxfordWindow().get().minimizeLabel);
    EXPECT_TRUE(program.oxfordWindow().get().isMinimized());
    EXPECT_FALSE(program.helpMenu.get().isMinimized());
    program.oxfordWindow().get().showForm();
    EXPECT_EQ(program.oxfordWindow().get().searchBox.text(), "TB");
    EXPECT_EQ(program.oxfordWindow().get().selectedBox.text(),
              program.oxfordWindow().get().abbreviationList.text());
    EXPECT_EQ(endings, 0);
}

TEST_F(ProgramTest, HomeScreenDragsWhereTheHiddenListLies) {
    DictionaryWindow& w = program.oxfordWindow().get();
    const QPoint before = w.pos();
    // Over the hidden list, away from the title label.
    ui::drag(&w, {60, 200}, {33, 21}, Qt::RightButton);
    EXPECT_EQ(w.pos(), before + QPoint(33, 21));
    ui::drag(&w, ui::centreInWindow(*w.titleLabel), {33, 21}, Qt::LeftButton);
    EXPECT_EQ(w.pos(), before + QPoint(33, 21)) << "not from the title label";
}

// Dragged from the background with several moves of the pointer, a window
// keeps under the pointer all along and stays where the pointer let it go.
TEST_F(ProgramTest, WindowsFollowThePointerThroughADrag) {
    ui::click(program.oxfordWindow().get().dictionaryButton(3));
    ui::settle();
    ui::click(window(3).helpButton);
    ui::settle();
    struct Drag {
        forms::Form* window;
        QPoint from;
    };
    for (const Drag& d : {Drag{&window(3), {60, 480}}, Drag{program.helpMenu.peek(), {30, 320}}}) {
        ASSERT_NE(d.window, nullptr);
        ASSERT_EQ(d.window->childAt(d.from), nullptr) << "a press on the background";
        const QPoint before = d.window->pos();
        const std::vector<QPoint> path{{12, -4}, {30, -10}, {55, 8}, {70, 26}};
        std::vector<QPoint> expected;
        for (const QPoint& offset : path) expected.push_back(before + offset);
        EXPECT_EQ(ui::dragAlong(d.window, d.from, path, Qt::LeftButton), expected)
            << qPrintable(d.window->objectName());
        EXPECT_EQ(d.window->pos(), before + path.back()) << qPrintable(d.window->objectName());
    }
}

// --- the layout ---------------------------------------------------------------------

struct GeometryCase {
    int window;
    const char* control;
    forms::TwipsRect rect;
};

class Layout : public ProgramTest, public ::testing::WithParamInterface<GeometryCase> {};

TEST_P(Layout, ControlsStandWhereTheLayoutPutsThem) {
    const GeometryCase& c = GetParam();
    DictionaryWindow& w = c.window == 1 ? program.oxfordWindow().get() : open(c.window);
    auto* widget = w.findChild<QWidget*>(c.control);
    ASSERT_NE(widget, nullptr) << c.control;
    EXPECT_EQ(widget->geometry(), c.rect.toPixels()) << c.control;
}

INSTANTIATE_TEST_SUITE_P(Shell, Layout,
                         ::testing::Values(GeometryCase{1, "Label1", {6720, 1680, 1215, 495}},
                                           GeometryCase{1, "Label11", {240, 3360, 6135, 855}},
                                           GeometryCase{1, "Label16", {360, 6240, 4455, 375}},
                                           GeometryCase{1, "Label17", {6360, 1800, 255, 255}},
                                           GeometryCase{1, "Label8", {7850, 75, 375, 255}},
                                           GeometryCase{2, "Label16", {6720, 5760, 1215, 555}},
                                           GeometryCase{2, "Label11", {360, 6240, 5655, 375}},
                                           GeometryCase{3, "Label10", {7500, 60, 255, 375}},
                                           GeometryCase{3, "Text2", {3120, 2400, 3015, 1725}},
                                           GeometryCase{3, "List1", {360, 2400, 2175, 2595}},
                                           GeometryCase{4, "Label3", {6720, 3285, 1215, 495}},
                                           GeometryCase{4, "Label17", {6360, 4250, 255, 255}},
                                           GeometryCase{5, "Label8", {7840, 60, 375, 255}},
                                           GeometryCase{5, "Text3", {3000, 3840, 3015, 405}}));

TEST_F(ProgramTest, WindowFramesMatchTheirDictionaries) {
    struct Frame {
        int window;
        const char* caption;
        QSize size;
    };
    for (const Frame& f : {Frame{2, "Orvanta Computer Abbreviation", {550, 511}},
                           Frame{3, "Orvanta Hardware Abbreviation", {549, 511}},
                           Frame{4, "Bangladesh Abbreviation", {549, 511}},
                           Frame{5, "International Abbreviation", {549, 511}}}) {
        DictionaryWindow& w = window(f.window);
        EXPECT_EQ(w.windowTitle(), f.caption);
        EXPECT_EQ(w.size(), f.size);
        program.dictionaryWindow(f.window).unload();
    }
}

TEST_F(ProgramTest, DictionaryButtonsShowTheirCaptionsOnTwoLines) {
    DictionaryWindow& w = program.oxfordWindow().get();
    for (int n = 1; n <= 5; ++n) {
        auto* label = &w.dictionaryButton(n);
        EXPECT_EQ(label->toolTip(), label->text());
        EXPECT_GE(label->heightForWidth(label->width()), 2 * label->fontMetrics().height())
            << qPrintable(label->text());
    }
}

TEST_F(ProgramTest, OnlyTheListAndTheBoxesTakeTheFocus) {
    DictionaryWindow& w = open(2);
    for (QWidget* child : w.findChildren<QLabel*>()) {
        EXPECT_EQ(child->focusPolicy(), Qt::NoFocus) << qPrintable(child->objectName());
    }
    // Tab order of the Computer window: Text3, Text2, Text1, List1.
    EXPECT_EQ(nextByTab(&w.selectedBox), (&w.elaborationBox));
    EXPECT_EQ(nextByTab(&w.elaborationBox), (&w.searchBox));
    EXPECT_EQ(nextByTab(&w.searchBox), (&w.abbreviationList));
}

// The elaboration box, Text2, is a box of many lines in every window. Only the
// Hardware window's breaks its lines at its width, under a vertical scroll
// bar; the others run a line on to the right, above a horizontal one.
TEST_F(ProgramTest, ElaborationBoxWrapsOnlyInTheHardwareWindow) {
    int shown = 1;
    for (int n = 1; n <= dictionaries::kDictionaryCount; ++n) {
        SCOPED_TRACE(n);
        ui::click(window(shown).dictionaryButton(n));
        ui::settle();
        shown = n;
        const auto* box = window(n).findChild<const QPlainTextEdit*>("Text2");
        ASSERT_NE(box, nullptr) << "no multi-line Text2";
        const bool wraps = n == 3;
        EXPECT_EQ(box->lineWrapMode(),
                  wraps ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        EXPECT_EQ(box->verticalScrollBarPolicy(),
                  wraps ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        EXPECT_EQ(box->horizontalScrollBarPolicy(),
                  wraps ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    }
}

// --- the selected abbreviation, as the user reads a long one -------------------------

// The abbreviation shown first on the left, whether the row was chosen by a
// click, a search or an arrow key; its end is out of view.
TEST_F(ProgramTest, ALongSelectedAbbreviationShowsFromItsStart) {
    DictionaryWindow& w = open(3);
    forms::TextBox& box = w.selectedBox;
    const dictionaries::Dictionary& d = dictionaries::dictionary(3);
    auto width = [&box](const QString& s) { return box.fontMetrics().horizontalAdvance(s); };
    // Not the first row, so that the Down key can come to it from the row above.
    int widest = 1;
    for (int row = 2; row < d.rowCount(); ++row) {
        if (width(d.abbreviation(row)) > width(d.abbreviation(widest))) widest = row;
    }
    const QString searched = d.abbreviation(widest).left(9);

    struct Way {
        const char* name;
        std::function<void()> select;
    };
    const Way ways[] = {
        {"a click", [&] { ui::clickRow(w.abbreviationList, widest); }},
        {"a search", [&] { ui::type(w.searchBox, searched); }},
        {"the Down key",
         [&] {
             ui::clickRow(w.abbreviationList, widest - 1);
             ui::key(w.abbreviationList, Qt::Key_Down);
         }},
    };
    for (const Way& way : ways) {
        QTest::keyClick(&w.searchBox, Qt::Key_A, Qt::ControlModifier);  // the last search goes
        ui::backspace(w.searchBox);
        way.select();
        ui::settle();
        const QString shown = box.text();
        ASSERT_GT(width(shown), box.width()) << way.name << ": " << qPrintable(shown);
        box.grab();  // as it is painted
        const QRect inside = box.contentsRect();
        EXPECT_EQ(box.cursorPosition(), 0) << way.name;
        EXPECT_EQ(box.cursorPositionAt({inside.left() + 1, inside.center().y()}), 0)
            << way.name << ": the first character is the leftmost";
        EXPECT_LT(box.cursorPositionAt({inside.right() - 1, inside.center().y()}), shown.size() - 5)
            << way.name << ": the end is out of view";
    }
}

// --- the elaboration box, as the user reads a long elaboration ----------------------

struct ElaborationCase {
    int window;
    bool wraps;  // at the box's width, between words; else one line with a scroll bar under it
};

void PrintTo(const ElaborationCase& c, std::ostream* os) {
    *os << "Form" << c.window;
}

class ElaborationBox : public ProgramTest, public ::testing::WithParamInterface<ElaborationCase> {
protected:
    // The window in its working state, the row with the longest elaboration
    // chosen by a click in its list.
    DictionaryWindow& showLongestElaboration() {
        const int n = GetParam().window;
        DictionaryWindow& w = n == 1 ? program.oxfordWindow().get() : open(n);
        if (n == 1) ui::click(w.dictionaryButton(1));
        const dictionaries::Dictionary& d = dictionaries::dictionary(n);
        int longest = 0;
        for (int row = 1; row < d.rowCount(); ++row) {
            if (d.elaboration(row).size() > d.elaboration(longest).size()) longest = row;
        }
        ui::clickRow(w.abbreviationList, longest);
        ui::settle();
        return w;
    }
};

// The lines of the box's text as it lays them out and paints them.
std::vector<QTextLine> shownLines(QPlainTextEdit& box) {
    box.grab();
    const QTextBlock block = box.document()->firstBlock();
    box.document()->documentLayout()->blockBoundingRect(block);
    std::vector<QTextLine> lines;
    for (int i = 0; i < block.layout()->lineCount(); ++i) {
        lines.push_back(block.layout()->lineAt(i));
    }
    return lines;
}

TEST_P(ElaborationBox, ShowsALongElaborationAsLaidOut) {
    DictionaryWindow& w = showLongestElaboration();
    QPlainTextEdit& box = w.elaborationBox;
    const QString shown = box.toPlainText();
    ASSERT_FALSE(shown.isEmpty());
    ASSERT_EQ(box.document()->blockCount(), 1) << "an elaboration is one paragraph";
    const std::vector<QTextLine> lines = shownLines(box);
    ASSERT_FALSE(lines.empty());
    const int visibleWidth = box.viewport()->width();
    if (!GetParam().wraps) {
        EXPECT_EQ(lines.size(), 1u) << "the elaboration runs on to the right on one line";
        EXPECT_GT(lines.front().naturalTextWidth(), visibleWidth) << "it is wider than the box";
        EXPECT_TRUE(box.horizontalScrollBar()->isVisible());
        EXPECT_GT(box.horizontalScrollBar()->maximum(), 0) << "the rest of the line is scrolled to";
        EXPECT_FALSE(box.verticalScrollBar()->isVisible());
        return;
    }
    EXPECT_GE(lines.size(), 3u) << "the elaboration is broken into lines";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QTextLine& line = lines[i];
        const QString text = shown.mid(line.textStart(), line.textLength());
        EXPECT_LE(line.naturalTextWidth(), visibleWidth)
            << "line " << i << " runs out of the box: " << qPrintable(text);
        if (i + 1 < lines.size()) {
            EXPECT_TRUE(text.endsWith(QLatin1Char(' ')))
                << "line " << i << " cuts a word: " << qPrintable(text) << "|"
                << qPrintable(shown.mid(line.textStart() + line.textLength(), 8));
        }
    }
    EXPECT_FALSE(box.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(box.verticalScrollBar()->isVisible());
    EXPECT_GT(box.verticalScrollBar()->maximum(), 0) << "the lines below are scrolled to";
}

INSTANTIATE_TEST_SUITE_P(Shell, ElaborationBox,
                         ::testing::Values(ElaborationCase{1, false}, ElaborationCase{2, false},
                                           ElaborationCase{3, true}, ElaborationCase{4, false},
                                           ElaborationCase{5, false}),
                         [](const auto& info) {
                             return "Form" + std::to_string(info.param.window);
                         });

}  // namespace
