#include <gtest/gtest.h>

#include <QLabel>

#include "program_fixture.h"

namespace {

using shell::CopyrightWindow;

// Which copyright pictures are set to show.
std::vector<int> picturesShown(CopyrightWindow& w) {
    std::vector<int> shown;
    if (w.englishPicture.isVisibleTo(&w)) shown.push_back(1);
    if (w.chinesePicture.isVisibleTo(&w)) shown.push_back(2);
    if (w.bengaliPicture.isVisibleTo(&w)) shown.push_back(3);
    return shown;
}

struct HelpTest : ProgramTest {
    forms::Label& help() { return program.oxfordWindow().get().helpButton; }
    void openInfo(forms::Label& (*button)(shell::HelpMenuWindow&)) {
        ui::click(help());
        ui::click(button(program.helpMenu.get()));
        ui::settle();
    }
    static forms::Label& contact(shell::HelpMenuWindow& m) { return m.helpButton; }
    static forms::Label& copyright(shell::HelpMenuWindow& m) { return m.copyrightButton; }
    static forms::Label& about(shell::HelpMenuWindow& m) { return m.aboutButton; }
};

TEST_F(HelpTest, HelpTwiceGivesOneMenuAndLeavesTheDictionaryAlone) {
    shell::DictionaryWindow& w = program.oxfordWindow().get();
    ui::click(w.dictionaryButton(1));
    ui::type(w.searchBox, "MB");
    ui::click(help());
    forms::Form* menu = program.helpMenu.peek();
    ASSERT_NE(menu, nullptr);
    ui::click(help());
    EXPECT_EQ(program.helpMenu.peek(), menu);
    EXPECT_TRUE(menu->isVisible());
    EXPECT_EQ(w.abbreviationList.listIndex(), 215);
    EXPECT_EQ(w.searchBox.text(), "MB");
    EXPECT_TRUE(w.isVisible());
}

TEST_F(HelpTest, EveryDictionaryWindowsHelpButtonOpensTheMenu) {
    for (int n = 2; n <= 5; ++n) {
        shell::DictionaryWindow& w = n == 2 ? open(2) : window(n);
        ui::click(w.helpButton);
        EXPECT_TRUE(program.helpMenu.exists()) << n;
        program.helpMenu.unload();
        if (n < 5) ui::click(w.dictionaryButton(n + 1));
        ui::settle();
    }
}

TEST_F(HelpTest, MenuButtonsCloseTheMenuAndOpenTheirPage) {
    openInfo(contact);
    EXPECT_FALSE(program.helpMenu.exists());
    ASSERT_TRUE(program.contactWindow.exists());
    EXPECT_TRUE(program.contactWindow.get().isVisible());
    EXPECT_EQ(program.contactWindow.get().windowTitle(), "Help");
    openInfo(about);
    EXPECT_TRUE(program.aboutWindow.get().isVisible());
    EXPECT_EQ(program.aboutWindow.get().versionLine.text(), "Version: 2.0.0");
    openInfo(copyright);
    EXPECT_TRUE(program.copyrightWindow.get().isVisible());
    ui::click(help());
    // All four together, each once.
    for (forms::FormSlotBase* s : std::initializer_list<forms::FormSlotBase*>{
             &program.helpMenu, &program.contactWindow, &program.copyrightWindow,
             &program.aboutWindow}) {
        EXPECT_TRUE(s->exists());
    }
}

TEST_F(HelpTest, InfoWindowsSurviveSwitchingLockingAndUnlocking) {
    openInfo(contact);
    openInfo(copyright);
    ui::click(program.copyrightWindow.get().chineseButton);  // Chinese
    openInfo(about);
    ui::click(help());
    forms::Form* before[] = {program.helpMenu.peek(), program.contactWindow.peek(),
                             program.copyrightWindow.peek(), program.aboutWindow.peek()};
    ui::click(program.oxfordWindow().get().dictionaryButton(3));
    ui::click(window(3).lockLabel);
    ui::click(program.lockWindow.get().unlockButton);
    ui::settle();
    forms::Form* after[] = {program.helpMenu.peek(), program.contactWindow.peek(),
                            program.copyrightWindow.peek(), program.aboutWindow.peek()};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(after[i], before[i]);
        EXPECT_TRUE(after[i]->isVisible());
    }
    EXPECT_EQ(picturesShown(program.copyrightWindow.get()), std::vector<int>{2});
}

TEST_F(HelpTest, MenuButtonOfAnOpenPageKeepsItAndItsPicture) {
    openInfo(copyright);
    CopyrightWindow* w = program.copyrightWindow.peek();
    ui::click(w->bengaliButton);  // Bengali
    openInfo(copyright);
    EXPECT_EQ(program.copyrightWindow.peek(), w);
    EXPECT_EQ(picturesShown(*w), std::vector<int>{3});
    EXPECT_FALSE(program.helpMenu.exists());
}

TEST_F(HelpTest, CopyrightShowsExactlyOnePicture) {
    openInfo(copyright);
    CopyrightWindow& w = program.copyrightWindow.get();
    EXPECT_EQ(picturesShown(w), std::vector<int>{1});
    struct Step {
        int button;
        int shown;
    };
    for (const Step s : {Step{3, 1}, Step{4, 2}, Step{5, 3}, Step{5, 3}, Step{3, 1}}) {
        forms::Label& button = s.button == 3   ? w.englishButton
                               : s.button == 4 ? w.chineseButton
                                               : w.bengaliButton;
        ui::click(button);
        EXPECT_EQ(picturesShown(w), std::vector<int>{s.shown});
    }
    // The Bengali picture stands 120 twips (8 px) right of the other two.
    EXPECT_EQ(w.englishPicture.geometry().left(), forms::pixels(360));
    EXPECT_EQ(w.chinesePicture.geometry().left(), forms::pixels(360));
    EXPECT_EQ(w.bengaliPicture.geometry().left(), forms::pixels(480));
    EXPECT_EQ(w.bengaliPicture.geometry().top(), w.englishPicture.geometry().top());
    EXPECT_EQ(w.englishPicture.geometry().width(), forms::pixels(3690));
    EXPECT_EQ(w.englishPicture.geometry().height(), forms::pixels(1635));

    ui::click(w.chineseButton);
    ui::click(w.closeLabel);
    ui::settle();
    EXPECT_FALSE(program.copyrightWindow.exists());
    openInfo(copyright);
    EXPECT_EQ(picturesShown(program.copyrightWindow.get()), std::vector<int>{1})
        << "a new window starts English";
}

TEST_F(HelpTest, CloseLabelOfAnInfoWindowClosesItAlone) {
    openInfo(about);
    ui::click(help());
    ui::click(program.aboutWindow.get().closeLabel);
    ui::settle();
    EXPECT_FALSE(program.aboutWindow.exists());
    EXPECT_TRUE(program.helpMenu.exists());
    EXPECT_TRUE(program.oxfordWindow().exists());
    EXPECT_EQ(endings, 0);
    ui::click(program.helpMenu.get().minimizeLabel);
    EXPECT_TRUE(program.helpMenu.get().isMinimized());
    EXPECT_FALSE(program.oxfordWindow().get().isMinimized());
}

TEST_F(HelpTest, TextLinesAndPicturesDoNothing) {
    openInfo(contact);
    openInfo(about);
    openInfo(copyright);
    auto& contactWindow = program.contactWindow.get();
    auto& aboutWindow = program.aboutWindow.get();
    auto& copyrightWindow = program.copyrightWindow.get();
    const QPoint places[] = {contactWindow.pos(), aboutWindow.pos(), copyrightWindow.pos()};
    for (auto* l :
         {&contactWindow.problemText, &contactWindow.phoneLine, &contactWindow.thanksLine}) {
        ui::click(*l);
        ui::drag(&contactWindow, ui::centreInWindow(*l), {20, 20}, Qt::LeftButton);
    }
    for (auto* l :
         {&aboutWindow.creditLine, &aboutWindow.copyrightYearsLine, &aboutWindow.productIdLine}) {
        ui::click(*l);
        ui::drag(&aboutWindow, ui::centreInWindow(*l), {20, 20}, Qt::LeftButton);
    }
    ui::click(copyrightWindow.englishPicture);
    ui::click(copyrightWindow.copyrightLine);
    ui::click(copyrightWindow.languageCaption);
    ui::drag(&copyrightWindow, ui::centreInWindow(copyrightWindow.englishPicture), {20, 20},
             Qt::LeftButton);
    ui::settle();
    EXPECT_EQ(contactWindow.pos(), places[0]);
    EXPECT_EQ(aboutWindow.pos(), places[1]);
    EXPECT_EQ(copyrightWindow.pos(), places[2]);
    EXPECT_EQ(picturesShown(copyrightWindow), std::vector<int>{1});
    EXPECT_TRUE(program.contactWindow.exists() && program.copyrightWindow.exists() &&
                program.aboutWindow.exists());
    // The background still drags.
    ui::drag(&copyrightWindow, {150, 340}, {20, 20}, Qt::RightButton);
    EXPECT_EQ(copyrightWindow.pos(), places[2] + QPoint(20, 20));
}

}  // namespace
