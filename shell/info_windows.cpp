#include "shell/info_window.h"
#include "shell/program.h"
#include "shell/styles.h"
#include "shell/texts.h"

namespace shell {

namespace {

using forms::Alignment;
using forms::TwipsRect;

void place(forms::Label& label, TwipsRect at, int tab, const QString& caption,
           const forms::LabelStyle& style) {
    label.setGeometry(at);
    label.setTabIndex(tab);
    label.setCaption(caption);
    label.setStyle(style);
}

}  // namespace

InfoWindow::InfoWindow(Program& program, const char* caption, const char* picture,
                       const char* icon, TwipsRect closeAt, TwipsRect minimizeAt)
    : forms::Form({caption, 4560, 5370, picture, icon, true}),
      Label8(this, "Label8"),
      Label9(this, "Label9"),
      m_program(program) {
    Label8.setGeometry(closeAt);
    Label9.setGeometry(minimizeAt);
    setTitleBarLabel(Label8, "X", "Close");
    setTitleBarLabel(Label9, "_", "Minimize");
    Label8.Click = [this] { unload(); };
    Label9.Click = [this] { minimize(); };
}

HelpMenuWindow::HelpMenuWindow(Program& program)
    : InfoWindow(program, "Orvanta Help", ":/backgrounds/form6.jpg", kIconB,
                 {4140, 60, 375, 255}, {3780, 30, 255, 330}),
      Label1(this, "Label1"),
      Label2(this, "Label2"),
      Label3(this, "Label3") {
    setObjectName("Form6");
    place(Label1, {1320, 1320, 1935, 405}, 2, "Help", redButton(14.25));
    place(Label2, {1320, 2280, 1935, 400}, 3, "Copyright", redButton(14.25));
    place(Label3, {1320, 3240, 1935, 400}, 4, "About", redButton(14.25));
    Label1.Click = [this] { Label1_Click(); };
    Label2.Click = [this] { Label2_Click(); };
    Label3.Click = [this] { Label3_Click(); };
}

// Each menu button closes the menu first, then shows its page, creating it
// only when it does not exist.
void HelpMenuWindow::Label1_Click() {
    unload();
    m_program.Form7.show();
}

void HelpMenuWindow::Label2_Click() {
    unload();
    m_program.Form8.show();
}

void HelpMenuWindow::Label3_Click() {
    unload();
    m_program.Form9.show();
}

ContactWindow::ContactWindow(Program& program)
    : InfoWindow(program, "Help", ":/backgrounds/form7.jpg", kIconB, {4120, 80, 375, 255},
                 {3770, 40, 255, 330}),
      Label1(this, "Label1"),
      Label2(this, "Label2"),
      Label3(this, "Label3"),
      Label4(this, "Label4"),
      Label5(this, "Label5") {
    setObjectName("Form7");
    place(Label1, {390, 960, 3855, 975}, 2,
          "If you face any problem of this Orvanta Abbreviation dictionary please contact the "
          "following number and email:",
          plainText(12));
    place(Label2, {405, 2040, 3495, 375}, 3, QString("Phone Number: ") + texts::kPhone,
          plainText(12));
    place(Label3, {405, 2520, 3135, 255}, 4, QString("Email: ") + texts::kEmail, plainText(12));
    place(Label4, {1065, 3000, 2895, 375}, 5, texts::kSecondEmail, plainText(12));
    place(Label5, {520, 4320, 3495, 495}, 6, "Thank you for using Orvanta Abbreviation Dictionary",
          plainText(9.75, Alignment::Centre));
}

AboutWindow::AboutWindow(Program& program)
    : InfoWindow(program, "About", ":/backgrounds/form9.jpg", kIconD, {4130, 60, 375, 255},
                 {3770, 30, 255, 330}),
      Label1(this, "Label1"),
      Label2(this, "Label2"),
      Label3(this, "Label3"),
      Label4(this, "Label4"),
      Label5(this, "Label5"),
      Label6(this, "Label6"),
      Label7(this, "Label7"),
      Label10(this, "Label10"),
      Label11(this, "Label11"),
      Label12(this, "Label12") {
    setObjectName("Form9");
    const auto centred = plainText(12, Alignment::Centre);
    const auto left = plainText(12);
    place(Label1, {720, 720, 3015, 735}, 2, texts::kAuthorCredit, centred);
    place(Label2, {960, 1560, 2535, 375}, 3, texts::kAuthor, centred);
    place(Label3, {1440, 1920, 1575, 375}, 4, texts::kOwnerHeading, centred);
    place(Label4, {1540, 2280, 1335, 375}, 5, texts::kMaker, centred);
    place(Label5, {1560, 2640, 1575, 375}, 6, texts::kMakerYears, left);
    place(Label6, {360, 3480, 2775, 375}, 7, texts::kCopyrightYears, left);
    place(Label7, {360, 3840, 855, 375}, 8, texts::kCopyrightHolder, left);
    place(Label10, {360, 4200, 2295, 375}, 9, texts::kRights, left);
    place(Label11, {360, 4520, 1695, 255}, 10, "Version: 2.0.0", left);
    place(Label12, {2160, 4800, 2055, 375}, 11, texts::kProductId, plainText(9.75));
}

}  // namespace shell
