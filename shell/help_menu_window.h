#pragma once

#include "shell/info_window.h"

namespace shell {

// The help menu: leads to the contact, copyright and about windows.
class HelpMenuWindow : public InfoWindow {
    Q_OBJECT

public:
    explicit HelpMenuWindow(Program& program);

    forms::Label helpButton;  // opens the contact window
    forms::Label copyrightButton;
    forms::Label aboutButton;

private:
    // Each closes the menu, then shows its window.
    void showContact();
    void showCopyright();
    void showAbout();
};

}  // namespace shell
