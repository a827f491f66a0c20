#pragma once

#include "shell/info_window.h"

namespace shell {

// Who made the program, and its version.
class AboutWindow : public InfoWindow {
    Q_OBJECT

public:
    AboutWindow();

    forms::Label creditLine;
    forms::Label authorLine;
    forms::Label ownerHeading;
    forms::Label makerLine;
    forms::Label makerYearsLine;
    forms::Label copyrightYearsLine;
    forms::Label copyrightHolderLine;
    forms::Label rightsLine;
    forms::Label versionLine;
    forms::Label productIdLine;
};

}  // namespace shell
