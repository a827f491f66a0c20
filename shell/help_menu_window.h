#pragma once

#include "shell/info_window.h"

namespace shell {

// The help menu: leads to the contact, copyright and about windows.
class HelpMenuWindow : public InfoWindow {
    Q_OBJECT

public:
    HelpMenuWindow();

    forms::Label helpButton;  // asks for the contact window
    forms::Label copyrightButton;
    forms::Label aboutButton;

signals:
    void contactRequested();
    void copyrightRequested();
    void aboutRequested();
};

}  // namespace shell
