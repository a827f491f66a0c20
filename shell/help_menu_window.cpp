#include "shell/help_menu_window.h"

#include "shell/program.h"
#include "shell/styles.h"

namespace shell {

namespace {

// Left, top, width, height (twips) and tab index of every control.
constexpr struct {
    InfoFrame frame;
    Place helpButton, copyrightButton, aboutButton;
} kLayout{
    .frame = {.caption = "Orvanta Help",
              .picture = ":/backgrounds/form6.jpg",
              .icon = kIconB,
              .closeLabel = {4140, 60, 375, 255},
              .minimizeLabel = {3780, 30, 255, 330}},
    .helpButton = {1320, 1320, 1935, 405, 2},
    .copyrightButton = {1320, 2280, 1935, 400, 3},
    .aboutButton = {1320, 3240, 1935, 400, 4},
};

}  // namespace

HelpMenuWindow::HelpMenuWindow(Program& program)
    : InfoWindow(program, kLayout.frame),
      helpButton(this, "Label1"),
      copyrightButton(this, "Label2"),
      aboutButton(this, "Label3") {
    setObjectName("Form6");
    place(helpButton, kLayout.helpButton);
    place(copyrightButton, kLayout.copyrightButton);
    place(aboutButton, kLayout.aboutButton);
    helpButton.setText("Help");
    copyrightButton.setText("Copyright");
    aboutButton.setText("About");
    for (forms::Label* button : {&helpButton, &copyrightButton, &aboutButton}) {
        button->setLabelStyle(redButton(14.25));
    }
    connect(&helpButton, &forms::Label::clicked, this, &HelpMenuWindow::showContact);
    connect(&copyrightButton, &forms::Label::clicked, this, &HelpMenuWindow::showCopyright);
    connect(&aboutButton, &forms::Label::clicked, this, &HelpMenuWindow::showAbout);
}

// Each menu button closes the menu first, then shows its page, creating it
// only when it does not exist.
void HelpMenuWindow::showContact() {
    unload();
    m_program.contactWindow.show();
}

void HelpMenuWindow::showCopyright() {
    unload();
    m_program.copyrightWindow.show();
}

void HelpMenuWindow::showAbout() {
    unload();
    m_program.aboutWindow.show();
}

}  // namespace shell
