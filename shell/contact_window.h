#pragma once

#include "shell/info_window.h"

namespace shell {

// How to reach us.
class ContactWindow : public InfoWindow {
    Q_OBJECT

public:
    ContactWindow();

    forms::Label problemText;
    forms::Label phoneLine;
    forms::Label emailLine;
    forms::Label secondEmailLine;
    forms::Label thanksLine;
};

}  // namespace shell
