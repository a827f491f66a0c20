#include <gtest/gtest.h>

#include <QFontInfo>
#include <QMouseEvent>

#include "dictionaries/dictionary.h"
#include "program_fixture.h"

namespace {

void postClick(QWidget& control) {
    QWidget* target = &control;
    const QPointF at = target->rect().center();
    const QPointF global = target->mapToGlobal(at);
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, at, global,
                                                        Qt::LeftButton, Qt::LeftButton, {}));
    QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, at, global,
                                                        Qt::LeftButton, Qt::NoButton, {}));
}

// Thousands of clicks queued before any is handled, as a user hammering the
// dictionary buttons can produce: the first one replaces the window, and the
// rest, queued for a window that is gone, go nowhere.
TEST_F(ProgramTest, ClickStormOnTheDictionaryButtons) {
    ui::click(program.oxfordWindow().get().dictionaryButton(1));
    shell::DictionaryWindow& w = program.oxfordWindow().get();
    for (int i = 0; i < 3000; ++i) {
        postClick(w.dictionaryButton(2 + i % 4));
    }
    ui::settle();
    EXPECT_EQ(dictionaryWindows(), std::vector<int>{2}) << "only the first click counted";
    EXPECT_EQ(window(2).abbreviationList.listCount(), dictionaries::dictionary(2).rowCount());
    EXPECT_EQ(endings, 0);
}

// "L", then, queued behind it, a dictionary button and keys for the window
// that "L" unloads: they must not bring a dictionary window back.
TEST_F(ProgramTest, InputQueuedForAnUnloadedWindowIsDropped) {
    shell::DictionaryWindow& w = open(2);
    postClick(w.lockLabel);
    postClick(w.dictionaryButton(3));
    QCoreApplication::postEvent(&w.searchBox, new QKeyEvent(QEvent::KeyPress, Qt::Key_A, {}, "A"));
    ui::settle();
    EXPECT_TRUE(dictionaryWindows().empty());
    EXPECT_TRUE(program.lockWindow.exists());
}

TEST_F(ProgramTest, RapidLockAndUnlockLeavesOneWindow) {
    for (int i = 0; i < 200; ++i) {
        ui::click(program.oxfordWindow().get().lockLabel);
        ui::click(program.lockWindow.get().unlockButton);
    }
    ui::settle();
    EXPECT_EQ(dictionaryWindows(), std::vector<int>{1});
    EXPECT_FALSE(program.lockWindow.exists());
    EXPECT_EQ(endings, 0);
}

// Every font the windows ask for resolves to a real font that can draw the
// texts, installed or stand-in, never to boxes.
TEST_F(ProgramTest, EveryFontResolvesToOneThatDrawsItsText) {
    ui::click(program.oxfordWindow().get().dictionaryButton(1));
    for (QWidget* widget : program.oxfordWindow().get().findChildren<QWidget*>()) {
        const QFontInfo info(widget->font());
        EXPECT_FALSE(info.family().isEmpty()) << qPrintable(widget->objectName());
        EXPECT_TRUE(QFontMetrics(widget->font()).inFont(QLatin1Char('A')))
            << qPrintable(widget->objectName());
    }
    const QFont bengali = forms::resolveFont({"SutonnyMJ", 14.25}).font;
    EXPECT_TRUE(QFontMetrics(bengali).inFontUcs4(0x0995)) << "ka";
}

}  // namespace
