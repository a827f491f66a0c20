#pragma once

#include "forms/form.h"
#include "forms/label.h"

namespace shell {

class Program;

// The frame the four info windows share: 4560 x 5370 twips, "X" closes the
// window alone, "_" minimizes it.
class InfoWindow : public forms::Form {
public:
    forms::Label closeLabel;
    forms::Label minimizeLabel;

protected:
    InfoWindow(Program& program, const char* caption, const char* picture, const char* icon,
               forms::TwipsRect closeAt, forms::TwipsRect minimizeAt);

    Program& m_program;
};

// The help menu: leads to the contact, copyright and about windows.
class HelpMenuWindow : public InfoWindow {
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

// How to reach us.
class ContactWindow : public InfoWindow {
public:
    explicit ContactWindow(Program& program);

    forms::Label problemText;
    forms::Label phoneLine;
    forms::Label emailLine;
    forms::Label secondEmailLine;
    forms::Label thanksLine;
};

// Who made the program.
class AboutWindow : public InfoWindow {
public:
    explicit AboutWindow(Program& program);

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
