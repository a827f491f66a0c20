#include <gtest/gtest.h>

#include "program_fixture.h"

// What moves the abbreviation list's selection: a left click on a row, a key
// that moves it, the search. Nothing the user does clears it; right and middle
// clicks leave it alone.

namespace {

using shell::DictionaryWindow;

// Oxford rows near the top, with what the two boxes show for each.
struct Shown {
    int row;
    const char* abbreviation;
    const char* elaboration;
};
constexpr Shown kNone{-1, "", ""};
constexpr Shown kAirConditioning{8, "AC", "air conditioning"};
constexpr Shown kAlternatingCurrent{9, "AC", "alternating current"};
constexpr Shown kAccount{10, "a/c", "account; air conditioning"};
constexpr Shown kAttentionDeficit{12, "ADD", "attention deficit disorder"};

void expectShows(DictionaryWindow& w, const Shown& s, const char* when) {
    EXPECT_EQ(w.abbreviationList.listIndex(), s.row) << when;
    EXPECT_EQ(w.elaborationBox.text().toStdString(), s.elaboration) << when;
    EXPECT_EQ(w.selectedBox.text().toStdString(), s.abbreviation) << when;
}

// A click with any button and modifiers on a row, through the window.
void clickRow(forms::ListBox& list, int row, Qt::MouseButton button,
              Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseClick(list.window()->windowHandle(), button, modifiers, ui::rowInWindow(list, row));
    ui::settle();
}

void press(forms::ListBox& list, Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    QTest::keyClick(&list, key, modifiers);
    ui::settle();
}

enum class Act { CtrlClick, CtrlSpace, RightClick, MiddleClick };

struct SelectionCase {
    const char* name;
    Shown before;  // selected by a left click, or nothing selected
    Act act;
    int on;  // the row clicked
    Shown after;
};

struct OxfordList : ProgramTest {
    DictionaryWindow& oxford() {
        ui::click(program.oxfordWindow().get().dictionaryButton(1));
        ui::settle();
        return program.oxfordWindow().get();
    }
};

class ListSelection : public OxfordList, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(ListSelection, OnlyALeftClickOrAMovingKeyChangesIt) {
    const SelectionCase& c = GetParam();
    DictionaryWindow& w = oxford();
    if (c.before.row >= 0) clickRow(w.abbreviationList, c.before.row, Qt::LeftButton);
    expectShows(w, c.before, "before");

    switch (c.act) {
        case Act::CtrlClick:
            clickRow(w.abbreviationList, c.on, Qt::LeftButton, Qt::ControlModifier);
            break;
        case Act::CtrlSpace:  // on the row with the keyboard focus
            w.abbreviationList.setFocus(Qt::TabFocusReason);
            press(w.abbreviationList, Qt::Key_Space, Qt::ControlModifier);
            break;
        case Act::RightClick:
            clickRow(w.abbreviationList, c.on, Qt::RightButton);
            break;
        case Act::MiddleClick:
            clickRow(w.abbreviationList, c.on, Qt::MiddleButton);
            break;
    }
    expectShows(w, c.after, "after");

    // The keys go on from the selected row, wherever the click was.
    if (c.after.row >= 0) {
        press(w.abbreviationList, Qt::Key_Down);
        EXPECT_EQ(w.abbreviationList.listIndex(), c.after.row + 1) << "Down after";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Oxford, ListSelection,
    ::testing::Values(
        SelectionCase{"CtrlClickOnTheSelectedRow", kAlternatingCurrent, Act::CtrlClick, 9,
                      kAlternatingCurrent},
        SelectionCase{"CtrlClickOnAnotherRow", kAlternatingCurrent, Act::CtrlClick, 12,
                      kAttentionDeficit},
        SelectionCase{"CtrlClickWithNothingSelected", kNone, Act::CtrlClick, 8, kAirConditioning},
        SelectionCase{"CtrlSpaceOnTheSelectedRow", kAlternatingCurrent, Act::CtrlSpace, 9,
                      kAlternatingCurrent},
        SelectionCase{"CtrlSpaceWithNothingSelected", kNone, Act::CtrlSpace, 0, kNone},
        SelectionCase{"RightClickOnTheSelectedRow", kAlternatingCurrent, Act::RightClick, 9,
                      kAlternatingCurrent},
        SelectionCase{"RightClickOnAnotherRow", kAlternatingCurrent, Act::RightClick, 12,
                      kAlternatingCurrent},
        SelectionCase{"RightClickWithNothingSelected", kNone, Act::RightClick, 12, kNone},
        SelectionCase{"MiddleClickOnTheSelectedRow", kAccount, Act::MiddleClick, 10, kAccount},
        SelectionCase{"MiddleClickOnAnotherRow", kAccount, Act::MiddleClick, 8, kAccount},
        SelectionCase{"MiddleClickWithNothingSelected", kNone, Act::MiddleClick, 8, kNone}),
    [](const auto& info) { return std::string(info.param.name); });

// Every key that moves the current row selects the row it reaches, with Ctrl
// held as without; Space, with Ctrl or without, keeps the selection.
TEST_F(OxfordList, KeysThatMoveSelectAndSpaceKeeps) {
    constexpr Shown kYouthHostels{437, "YHA", "Youth Hostels Association"};
    constexpr Shown kFirst{0, "AA", "Automibile Association, Alcholics Anonymous."};
    constexpr Shown kSecond{1, "AAA",
                            "Amateur Athletic Association; American Automobile Association"};
    DictionaryWindow& w = oxford();
    clickRow(w.abbreviationList, 9, Qt::LeftButton);
    press(w.abbreviationList, Qt::Key_Y);
    expectShows(w, kYouthHostels, "typing Y in the list");
    press(w.abbreviationList, Qt::Key_Home, Qt::ControlModifier);
    expectShows(w, kFirst, "Ctrl+Home");
    press(w.abbreviationList, Qt::Key_Down, Qt::ControlModifier);
    expectShows(w, kSecond, "Ctrl+Down");
    press(w.abbreviationList, Qt::Key_Space, Qt::ControlModifier);
    expectShows(w, kSecond, "Ctrl+Space");
    press(w.abbreviationList, Qt::Key_Space);
    expectShows(w, kSecond, "Space");
    press(w.abbreviationList, Qt::Key_Up, Qt::ControlModifier);
    expectShows(w, kFirst, "Ctrl+Up");
}

// The search may clear the selection; a Ctrl+Space or a right click does not
// bring a row back, and the next left click selects as usual.
TEST_F(OxfordList, AfterTheSearchFoundNothingOnlyALeftClickSelects) {
    DictionaryWindow& w = oxford();
    clickRow(w.abbreviationList, 12, Qt::LeftButton);
    ui::type(w.searchBox, "ABTAX");
    expectShows(w, kNone, "search without a match");
    press(w.abbreviationList, Qt::Key_Space, Qt::ControlModifier);
    clickRow(w.abbreviationList, 9, Qt::RightButton);
    clickRow(w.abbreviationList, 9, Qt::MiddleButton);
    expectShows(w, kNone, "after Ctrl+Space, right and middle clicks");
    EXPECT_EQ(w.searchBox.text().toStdString(), "ABTAX");
    clickRow(w.abbreviationList, 9, Qt::LeftButton);
    expectShows(w, kAlternatingCurrent, "left click");
}

// The list and the text boxes take the presses of other buttons for
// themselves: a drag that starts on one of them moves neither the window nor
// the selection. (The right button on a text box opens the box's own menu.)
TEST_F(OxfordList, OtherButtonsOnTheBoxesMoveNoWindow) {
    DictionaryWindow& w = oxford();
    clickRow(w.abbreviationList, 9, Qt::LeftButton);
    const QPoint start = w.pos();
    const std::pair<const QWidget*, Qt::MouseButton> presses[] = {
        {&w.abbreviationList, Qt::RightButton},
        {&w.abbreviationList, Qt::MiddleButton},
        {&w.searchBox, Qt::MiddleButton},
        {&w.elaborationBox, Qt::MiddleButton},
        {&w.selectedBox, Qt::MiddleButton}};
    for (const auto& [box, button] : presses) {
        ui::drag(&w, ui::centreInWindow(*box), {30, 20}, button);
        EXPECT_EQ(w.pos(), start) << qPrintable(box->objectName()) << " button " << button;
    }
    expectShows(w, kAlternatingCurrent, "after the drags");
}

}  // namespace
