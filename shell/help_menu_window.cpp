#include "shell/help_menu_window.h"

#include "shell/styles.h"

namespace shell {

namespace {

// Left, top, width, height (twips) of every control.
constexpr struct {
    InfoFrame frame;
    Place helpButton, copyrightButton, aboutButton;
} kLayout{
    .frame = {.caption = "Orvanta Help",
              .picture = ":/backgrounds/form6.jpg",
              .icon = kIconB,
              .closeLabel = {4140, 60, 375, 255},
              .minimizeLabel = {3780, 30, 255, 330}},
    .helpButton = {1320, 1320, 1935, 405},
    .copyrightButton = {1320, 2280, 1935, 400},
    .aboutButton = {1320, 3240, 1935, 400},
};

}  // namespace

HelpMenuWindow::HelpMenuWindow()
    : InfoWindow(kLayout.frame),
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
    connect(&helpButton, &forms::Label::clicked, this, &HelpMenuWindow::contactRequested);
    connect(&copyrightButton, &forms::Label::clicked, this, &HelpMenuWindow::copyrightRequested);
    connect(&aboutButton, &forms::Label::clicked, this, &HelpMenuWindow::aboutRequested);
}

}  // namespace shell
