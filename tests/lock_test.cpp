#include <gtest/gtest.h>

#include <QDateTime>

#include "dictionaries/dictionary.h"
#include "program_fixture.h"

namespace {

using shell::LockWindow;

void expectHomeScreen(shell::Program& program) {
    ASSERT_TRUE(program.Form1.exists());
    shell::DictionaryWindow& home = *program.Form1.peek();
    EXPECT_TRUE(home.isVisible());
    EXPECT_TRUE(home.titleLabel->widget()->isVisible());
    EXPECT_FALSE(home.List1.widget()->isVisible());
    EXPECT_EQ(home.List1.listCount(), 0);
    for (int n = 2; n <= 5; ++n) EXPECT_FALSE(program.dictionaryWindow(n).exists());
}

class LockFrom : public ProgramTest, public ::testing::WithParamInterface<int> {};

// 0 stands for the home screen.
TEST_P(LockFrom, UnlockAlwaysGivesAFreshHomeScreen) {
    const int n = GetParam();
    shell::DictionaryWindow& w = n == 0 ? *program.Form1 : open(n);
    if (n == 1) ui::click(w.Label1);
    ui::click(w.Label10);
    ui::settle();
    EXPECT_TRUE(dictionaryWindows().empty());
    ASSERT_TRUE(program.Form10.exists());
    EXPECT_TRUE(program.Form10->isVisible());
    EXPECT_EQ(endings, 0) << "the program does not end between the two steps";
    ui::click(program.Form10->Label3);
    ui::settle();
    EXPECT_FALSE(program.Form10.exists());
    expectHomeScreen(program);
    EXPECT_EQ(endings, 0);
    // The Oxford button fills the new, empty list once more.
    ui::click(program.Form1->Label1);
    EXPECT_EQ(program.Form1->List1.listCount(), dictionaries::dictionary(1).rowCount());
}

INSTANTIATE_TEST_SUITE_P(Shell, LockFrom, ::testing::Values(0, 1, 2, 3, 4, 5));

TEST_F(ProgramTest, ClockIsEmptyForOneIntervalThenShowsTimeAndDate) {
    ui::click(program.Form1->Label10);
    LockWindow& lock = *program.Form10;
    EXPECT_TRUE(lock.Label1.caption().isEmpty());
    EXPECT_TRUE(lock.Label2.caption().isEmpty());
    EXPECT_EQ(lock.Timer1.interval(), 100);
    const QTime before = QTime::currentTime();
    QTest::qWait(250);
    const QTime after = QTime::currentTime();
    EXPECT_TRUE(lock.Label1.caption() == LockWindow::timeText(before) ||
                lock.Label1.caption() == LockWindow::timeText(after))
        << qPrintable(lock.Label1.caption());
    EXPECT_EQ(lock.Label2.caption(), LockWindow::dateText(QDate::currentDate()));
    EXPECT_TRUE(lock.Label1.caption().contains(QString::number(after.second()).right(1)));
}

TEST(LockClock, TimeHasSecondsAndNoZone) {
    const QString text = LockWindow::timeText(QTime(13, 5, 9));
    EXPECT_TRUE(text.contains("05")) << qPrintable(text);
    EXPECT_TRUE(text.contains("09")) << qPrintable(text);
    EXPECT_FALSE(text.contains("UTC")) << qPrintable(text);
    EXPECT_FALSE(LockWindow::dateText(QDate(2026, 12, 10)).isEmpty());
}

TEST_F(ProgramTest, UnlockBeforeTheFirstTickAndNoTickAfterwards) {
    ui::click(program.Form1->Label10);
    ui::click(program.Form10->Label3);
    ui::settle();
    QTest::qWait(250);  // a tick of the gone window would touch freed labels
    expectHomeScreen(program);
    ui::click(program.Form1->Label10);
    EXPECT_TRUE(program.Form10->Label1.caption().isEmpty()) << "a new lock starts empty";
}

TEST_F(ProgramTest, LockWindowHasNoDragNoTitleBarLabelsAndNoKeys) {
    ui::click(program.Form1->Label10);
    LockWindow& lock = *program.Form10;
    EXPECT_EQ(lock.findChild<QWidget*>("Label8"), nullptr);
    EXPECT_EQ(lock.findChild<QWidget*>("Label9"), nullptr);
    EXPECT_EQ(lock.findChild<QWidget*>("Label10"), nullptr);
    const QPoint before = lock.pos();
    ui::drag(&lock, {30, 480}, {50, 50}, Qt::LeftButton);
    ui::drag(&lock, ui::centreInWindow(lock.Label1), {50, 50}, Qt::RightButton);
    EXPECT_EQ(lock.pos(), before);
    ui::click(lock.Label1);
    ui::click(lock.Label2);
    QTest::keyClick(&lock, Qt::Key_Escape);
    QTest::keyClick(&lock, Qt::Key_Return);
    ui::settle();
    EXPECT_TRUE(program.Form10.exists());
    EXPECT_FALSE(program.Form1.exists());
    EXPECT_EQ(lock.windowTitle(), "Orvanta Abbreviation Dictionary");
    EXPECT_EQ(lock.Label3.toolTip(), "Click here to unlock");
}

}  // namespace
