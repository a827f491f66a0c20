#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>

#include "dictionaries/dictionary.h"
#include "program_fixture.h"

namespace {

using shell::DictionaryWindow;

struct OpenTestBase : ProgramTest {
    // Puts the program in dictionary window `from`, in its working state.
    DictionaryWindow& reach(int from) {
        if (from == 1) {
            ui::click(program.oxfordWindow().get().dictionaryButton(1));
            return program.oxfordWindow().get();
        }
        return open(from);
    }

    void expectFreshWorkingWindow(int n) {
        ASSERT_EQ(dictionaryWindows(), std::vector<int>{n});
        DictionaryWindow& w = window(n);
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(w.frameGeometry().center(),
                  QGuiApplication::primaryScreen()->availableGeometry().center());
        const auto& dictionary = dictionaries::dictionary(n);
        ASSERT_EQ(w.abbreviationList.listCount(), dictionary.rowCount());
        for (int row : {0, dictionary.rowCount() / 2, dictionary.rowCount() - 1}) {
            if (row >= 0) {
                EXPECT_EQ(w.abbreviationList.list(row), dictionary.abbreviation(row));
            }
        }
        EXPECT_EQ(w.abbreviationList.listIndex(), -1);
        EXPECT_TRUE(w.searchBox.text().isEmpty());
        EXPECT_TRUE(w.elaborationBox.text().isEmpty());
        EXPECT_TRUE(w.selectedBox.text().isEmpty());
        const QWidget* working[] = {&w.abbreviationList, &w.searchBox,        &w.elaborationBox,
                                    &w.selectedBox,      &w.selectionCaption, &w.selectionMarker};
        for (const QWidget* c : working) {
            EXPECT_TRUE(c->isVisible()) << qPrintable(c->objectName());
        }
        if (w.titleLabel) {
            EXPECT_FALSE(w.titleLabel->isVisible());
        }
        EXPECT_EQ(endings, 0);
    }
};

struct Pair {
    int from;
    int button;
};

class OpenDictionary : public OpenTestBase, public ::testing::WithParamInterface<Pair> {};

TEST_P(OpenDictionary, ReplacesTheWindowByAFreshOneOfTheTarget) {
    const auto [from, button] = GetParam();
    DictionaryWindow& current = reach(from);
    ui::type(current.searchBox, "S");
    ui::drag(&current, {100, 480}, {-60, -40}, Qt::LeftButton);  // dragged off centre
    ui::click(current.dictionaryButton(button));
    ui::settle();
    expectFreshWorkingWindow(button);
}

std::vector<Pair> commandTable() {
    std::vector<Pair> pairs;
    for (int from = 1; from <= 5; ++from) {
        for (int button = 1; button <= 5; ++button) {
            if (from != button) pairs.push_back({from, button});
        }
    }
    return pairs;
}

INSTANTIATE_TEST_SUITE_P(Shell, OpenDictionary, ::testing::ValuesIn(commandTable()),
                         [](const auto& info) {
                             return "Form" + std::to_string(info.param.from) + "Label" +
                                    std::to_string(info.param.button);
                         });

TEST_F(OpenTestBase, HomeScreenButtonsOpenTheirDictionariesAtOnce) {
    for (int n = 2; n <= 5; ++n) {
        ui::click(program.oxfordWindow().get().dictionaryButton(n));
        ui::settle();
        expectFreshWorkingWindow(n);
        ui::click(window(n).lockLabel);  // lock, then unlock to the home screen
        ui::click(program.lockWindow.get().unlockButton);
        ui::settle();
    }
}

class OwnButton : public OpenTestBase, public ::testing::WithParamInterface<int> {};

TEST_P(OwnButton, DoesNothing) {
    const int n = GetParam();
    DictionaryWindow& w = open(n);
    ui::type(w.searchBox, "C");
    const auto index = w.abbreviationList.listIndex();
    const QString elaboration = w.elaborationBox.text();
    ui::click(w.dictionaryButton(n));
    ui::settle();
    EXPECT_EQ(dictionaryWindows(), std::vector<int>{n});
    EXPECT_EQ(&window(n), &w);
    EXPECT_EQ(w.abbreviationList.listCount(), dictionaries::dictionary(n).rowCount());
    EXPECT_EQ(w.searchBox.text(), "C");
    EXPECT_EQ(w.abbreviationList.listIndex(), index);
    EXPECT_EQ(w.elaborationBox.text(), elaboration);
}

INSTANTIATE_TEST_SUITE_P(Shell, OwnButton, ::testing::Values(2, 3, 4, 5));

TEST_F(OpenTestBase, ReopeningGivesTheRowsOnceAndAnEmptySearchBox) {
    ui::click(program.oxfordWindow().get().dictionaryButton(1));
    ui::type(program.oxfordWindow().get().searchBox, "TB");
    ui::click(program.oxfordWindow().get().dictionaryButton(2));
    ui::click(window(2).dictionaryButton(1));
    ui::settle();
    expectFreshWorkingWindow(1);
    ui::click(
        program.oxfordWindow().get().dictionaryButton(1));  // Form1's own button adds nothing now
    EXPECT_EQ(program.oxfordWindow().get().abbreviationList.listCount(),
              dictionaries::dictionary(1).rowCount());
    ui::click(program.oxfordWindow().get().dictionaryButton(2));
    ui::click(window(2).dictionaryButton(3));
    ui::click(window(3).dictionaryButton(2));
    ui::settle();
    expectFreshWorkingWindow(2);
}

TEST_F(OpenTestBase, OpenInfoWindowsStayAsTheyAre) {
    ui::click(program.oxfordWindow().get().helpButton);
    forms::Form* menu = program.helpMenu.peek();
    ui::click(program.oxfordWindow().get().dictionaryButton(3));
    ui::settle();
    EXPECT_EQ(program.helpMenu.peek(), menu);
    EXPECT_TRUE(menu->isVisible());
}

}  // namespace
