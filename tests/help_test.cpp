#include <gtest/gtest.h>

#include <QLabel>

#include "program_fixture.h"

namespace {

using shell::CopyrightWindow;

// Which copyright pictures are set to show.
std::vector<int> picturesShown(CopyrightWindow& w) {
    std::vector<int> shown;
    if (w.Image1.visible()) shown.push_back(1);
    if (w.Image2.visible()) shown.push_back(2);
    if (w.Image3.visible()) shown.push_back(3);
    return shown;
}

struct HelpTest : ProgramTest {
    forms::Label& help() { return program.Form1->helpButton; }
    void openInfo(forms::Label& (*button)(shell::HelpMenuWindow&)) {
        ui::click(help());
        ui::click(button(*program.Form6));
        ui::settle();
    }
    static forms::Label& contact(shell::HelpMenuWindow& m) { return m.Label1; }
    static forms::Label& copyright(shell::HelpMenuWindow& m) { return m.Label2; }
    static forms::Label& about(shell::HelpMenuWindow& m) { return m.Label3; }
};

TEST_F(HelpTest, HelpTwiceGivesOneMenuAndLeavesTheDictionaryAlone) {
    shell::DictionaryWindow& w = *program.Form1;
    ui::click(w.Label1);
    ui::type(w.Text1, "MB");
    ui::click(help());
    forms::Form* menu = program.Form6.peek();
    ASSERT_NE(menu, nullptr);
    ui::click(help());
    EXPECT_EQ(program.Form6.peek(), menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(w.List1.listIndex(), 215);
    EXPECT_EQ(w.Text1.text(), "MB");
    EXPECT_TRUE(w.isVisible());
}

TEST_F(HelpTest, EveryDictionaryWindowsHelpButtonOpensTheMenu) {
    for (int n = 2; n <= 5; ++n) {
        shell::DictionaryWindow& w = n == 2 ? open(2) : window(n);
        ui::click(w.helpButton);
        EXPECT_TRUE(program.Form6.exists()) << n;
        program.Form6.unload();
        if (n < 5) ui::click(w.dictionaryButton(n + 1));
        ui::settle();
    }
}

TEST_F(HelpTest, MenuButtonsCloseTheMenuAndOpenTheirPage) {
    openInfo(contact);
    EXPECT_FALSE(program.Form6.exists());
    ASSERT_TRUE(program.Form7.exists());
    EXPECT_TRUE(program.Form7->isVisible());
    EXPECT_EQ(program.Form7->windowTitle(), "Help");
    openInfo(about);
    EXPECT_TRUE(program.Form9->isVisible());
    EXPECT_EQ(program.Form9->Label11.caption(), "Version: 2.0.0");
    openInfo(copyright);
    EXPECT_TRUE(program.Form8->isVisible());
    ui::click(help());
    // All four together, each once.
    for (forms::FormSlotBase* s : std::initializer_list<forms::FormSlotBase*>{
             &program.Form6, &program.Form7, &program.Form8, &program.Form9}) {
        EXPECT_TRUE(s->exists());
    }
}

TEST_F(HelpTest, InfoWindowsSurviveSwitchingLockingAndUnlocking) {
    openInfo(contact);
    openInfo(copyright);
    ui::click(program.Form8->Label4);  // Chinese
    openInfo(about);
    ui::click(help());
    forms::Form* before[] = {program.Form6.peek(), program.Form7.peek(), program.Form8.peek(),
                             program.Form9.peek()};
    ui::click(program.Form1->Label3);
    ui::click(window(3).Label10);
    ui::click(program.Form10->Label3);
    ui::settle();
    forms::Form* after[] = {program.Form6.peek(), program.Form7.peek(), program.Form8.peek(),
                            program.Form9.peek()};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(after[i], before[i]);
        EXPECT_TRUE(after[i]->isVisible());
    }
    EXPECT_EQ(picturesShown(*program.Form8), std::vector<int>{2});
}

TEST_F(HelpTest, MenuButtonOfAnOpenPageKeepsItAndItsPicture) {
    openInfo(copyright);
    CopyrightWindow* w = program.Form8.peek();
    ui::click(w->Label5);  // Bengali
    openInfo(copyright);
    EXPECT_EQ(program.Form8.peek(), w);
    EXPECT_EQ(picturesShown(*w), std::vector<int>{3});
    EXPECT_FALSE(program.Form6.exists());
}

TEST_F(HelpTest, CopyrightShowsExactlyOnePicture) {
    openInfo(copyright);
    CopyrightWindow& w = *program.Form8;
    EXPECT_EQ(picturesShown(w), std::vector<int>{1});
    struct Step {
        int button;
        int shown;
    };
    for (const Step s : {Step{3, 1}, Step{4, 2}, Step{5, 3}, Step{5, 3}, Step{3, 1}}) {
        forms::Label& button = s.button == 3 ? w.Label3 : s.button == 4 ? w.Label4 : w.Label5;
        ui::click(button);
        EXPECT_EQ(picturesShown(w), std::vector<int>{s.shown});
    }
    // The Bengali picture stands 120 twips right of the other two.
    EXPECT_EQ(w.Image1.geometry().left, 360);
    EXPECT_EQ(w.Image2.geometry().left, 360);
    EXPECT_EQ(w.Image3.geometry().left, 480);
    EXPECT_EQ(w.Image3.geometry().top, w.Image1.geometry().top);
    EXPECT_EQ(w.Image1.geometry().width, 3690);
    EXPECT_EQ(w.Image1.geometry().height, 1635);

    ui::click(w.Label4);
    ui::click(w.Label8);
    ui::settle();
    EXPECT_FALSE(program.Form8.exists());
    openInfo(copyright);
    EXPECT_EQ(picturesShown(*program.Form8), std::vector<int>{1}) << "a new window starts English";
}

TEST_F(HelpTest, CloseLabelOfAnInfoWindowClosesItAlone) {
    openInfo(about);
    ui::click(help());
    ui::click(program.Form9->Label8);
    ui::settle();
    EXPECT_FALSE(program.Form9.exists());
    EXPECT_TRUE(program.Form6.exists());
    EXPECT_TRUE(program.Form1.exists());
    EXPECT_EQ(endings, 0);
    ui::click(program.Form6->Label9);
    EXPECT_TRUE(program.Form6->isMinimized());
    EXPECT_FALSE(program.Form1->isMinimized());
}

TEST_F(HelpTest, TextLinesAndPicturesDoNothing) {
    openInfo(contact);
    openInfo(about);
    openInfo(copyright);
    auto& contactWindow = *program.Form7;
    auto& aboutWindow = *program.Form9;
    auto& copyrightWindow = *program.Form8;
    const QPoint places[] = {contactWindow.pos(), aboutWindow.pos(), copyrightWindow.pos()};
    for (auto* l : {&contactWindow.Label1, &contactWindow.Label2, &contactWindow.Label5}) {
        ui::click(*l);
        ui::drag(&contactWindow, ui::centreInWindow(*l), {20, 20}, Qt::LeftButton);
    }
    for (auto* l : {&aboutWindow.Label1, &aboutWindow.Label6, &aboutWindow.Label12}) {
        ui::click(*l);
        ui::drag(&aboutWindow, ui::centreInWindow(*l), {20, 20}, Qt::LeftButton);
    }
    ui::click(copyrightWindow.Image1);
    ui::click(copyrightWindow.Label1);
    ui::click(copyrightWindow.Label2);
    ui::drag(&copyrightWindow, ui::centreInWindow(copyrightWindow.Image1), {20, 20},
             Qt::LeftButton);
    ui::settle();
    EXPECT_EQ(contactWindow.pos(), places[0]);
    EXPECT_EQ(aboutWindow.pos(), places[1]);
    EXPECT_EQ(copyrightWindow.pos(), places[2]);
    EXPECT_EQ(picturesShown(copyrightWindow), std::vector<int>{1});
    EXPECT_TRUE(program.Form7.exists() && program.Form8.exists() && program.Form9.exists());
    // The background still drags.
    ui::drag(&copyrightWindow, {150, 340}, {20, 20}, Qt::RightButton);
    EXPECT_EQ(copyrightWindow.pos(), places[2] + QPoint(20, 20));
}

}  // namespace
