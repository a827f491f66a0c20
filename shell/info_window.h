#pragma once

#include "forms/form.h"
#include "forms/label.h"

namespace shell {

class Program;

// The frame the four info windows share: 4560 x 5370 twips, "X" closes the
// window alone, "_" minimizes it.
class InfoWindow : public forms::Form {
public:
    forms::Label Label8;  // "X"
    forms::Label Label9;  // "_"

protected:
    InfoWindow(Program& program, const char* caption, const char* picture, const char* icon,
               forms::TwipsRect closeAt, forms::TwipsRect minimizeAt);

    Program& m_program;
};

// Form6: the help menu.
class HelpMenuWindow : public InfoWindow {
public:
    explicit HelpMenuWindow(Program& program);

    forms::Label Label1;  // "Help"
    forms::Label Label2;  // "Copyright"
    forms::Label Label3;  // "About"

private:
    void Label1_Click();
    void Label2_Click();
    void Label3_Click();
};

// Form7: how to reach us.
class ContactWindow : public InfoWindow {
public:
    explicit ContactWindow(Program& program);

    forms::Label Label1;
    forms::Label Label2;
    forms::Label Label3;
    forms::Label Label4;
    forms::Label Label5;
};

// Form9: who made the program.
class AboutWindow : public InfoWindow {
public:
    explicit AboutWindow(Program& program);

    forms::Label Label1;
    forms::Label Label2;
    forms::Label Label3;
    forms::Label Label4;
    forms::Label Label5;
    forms::Label Label6;
    forms::Label Label7;
    forms::Label Label10;
    forms::Label Label11;
    forms::Label Label12;
};

}  // namespace shell
