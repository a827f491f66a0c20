#include <gtest/gtest.h>

#include <QApplication>
#include <string>
#include <vector>

#include "program_fixture.h"

namespace {

// Where the keyboard focus is, by the name of the control that holds it: the
// focus may sit on a part of it.
std::string focusedControl() {
    QWidget* focus = QApplication::focusWidget();
    if (focus == nullptr) return "nothing";
    while (focus->parentWidget() != nullptr && !focus->parentWidget()->isWindow()) {
        focus = focus->parentWidget();
    }
    return focus->objectName().toStdString();
}

// Presses `key` on whatever has the focus, `times` times, and names each
// control the focus goes to.
std::string press(Qt::Key key, int times) {
    std::string visited;
    for (int i = 0; i < times; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (focus == nullptr) break;
        QTest::keyClick(focus, key);
        visited += (visited.empty() ? "" : " ") + focusedControl();
    }
    return visited;
}

// A dictionary window as a user opens it, the control that has the focus
// first, and where Tab and Shift+Tab take it from there, round to that control
// again. The window opens with the focus in the search box, or in the list
// where the list comes before the search box in the window's tab order.
struct FirstFocus {
    const char* route;
    std::vector<int> buttons;  // the dictionary buttons clicked, from the home screen on
    const char* first;
    const char* byTab;
    const char* byShiftTab;
};

void PrintTo(const FirstFocus& row, std::ostream* out) {
    *out << row.route;
}

class OpenedWindow : public ProgramTest, public ::testing::WithParamInterface<FirstFocus> {};

TEST_P(OpenedWindow, FocusesFirstTheSearchBoxOrListAndTabGoesRoundInOrder) {
    const FirstFocus& row = GetParam();
    int number = 1;
    for (int button : row.buttons) {
        ui::click(window(number).dictionaryButton(button));
        ui::settle();
        number = button;
    }
    ASSERT_TRUE(window(number).isActiveWindow());
    EXPECT_EQ(focusedControl(), row.first);
    EXPECT_EQ(press(Qt::Key_Tab, 4), row.byTab);
    EXPECT_EQ(press(Qt::Key_Backtab, 4), row.byShiftTab);
}

INSTANTIATE_TEST_SUITE_P(
    Shell, OpenedWindow,
    ::testing::Values(
        FirstFocus{"Form1", {1}, "List1", "Text1 Text2 Text3 List1", "Text3 Text2 Text1 List1"},
        FirstFocus{"Form2", {2}, "Text1", "List1 Text3 Text2 Text1", "Text2 Text3 List1 Text1"},
        FirstFocus{"Form3", {3}, "List1", "Text1 Text2 Text3 List1", "Text3 Text2 Text1 List1"},
        FirstFocus{"Form4", {4}, "Text1", "List1 Text2 Text3 Text1", "Text3 Text2 List1 Text1"},
        FirstFocus{"Form5", {5}, "Text1", "List1 Text3 Text2 Text1", "Text2 Text3 List1 Text1"},
        FirstFocus{"Form1AfterForm2",
                   {2, 1},
                   "List1",
                   "Text1 Text2 Text3 List1",
                   "Text3 Text2 Text1 List1"},
        FirstFocus{"Form2AfterForm4",
                   {4, 2},
                   "Text1",
                   "List1 Text3 Text2 Text1",
                   "Text2 Text3 List1 Text1"}),
    [](const ::testing::TestParamInfo<FirstFocus>& info) { return std::string(info.param.route); });

}  // namespace
