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

InfoWindow::InfoWindow(Program& program, const char* caption, const char* picture, const char* icon,
                       TwipsRect closeAt, TwipsRect minimizeAt)
    : forms::Form({caption, 4560, 5370, picture, icon, true}),
      closeLabel(this, "Label8"),
      minimizeLabel(this, "Label9"),
      m_program(program) {
    closeLabel.setGeometry(closeAt);
    minimizeLabel.setGeometry(minimizeAt);
    setTitleBarLabel(closeLabel, "X", "Close");
    setTitleBarLabel(minimizeLabel, "_", "Minimize");
    closeLabel.Click = [this] { unload(); };
    minimizeLabel.Click = [this] { minimize(); };
}

HelpMenuWindow::HelpMenuWindow(Program& program)
    : InfoWindow(program, "Orvanta Help", ":/backgrounds/form6.jpg", kIconB, {4140, 60, 375, 255},
                 {3780, 30, 255, 330}),
      helpButton(this, "Label1"),
      copyrightButton(this, "Label2"),
      aboutButton(this, "Label3") {
    setObjectName("Form6");
    place(helpButton, {1320, 1320, 1935, 405}, 2, "Help", redButton(14.25));
    place(copyrightButton, {1320, 2280, 1935, 400}, 3, "Copyright", redButton(14.25));
    place(aboutButton, {1320, 3240, 1935, 400}, 4, "About", redButton(14.25));
    helpButton.Click = [this] { showContact(); };
    copyrightButton.Click = [this] { showCopyright(); };
    aboutButton.Click = [this] { showAbout(); };
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

ContactWindow::ContactWindow(Program& program)
    : InfoWindow(program, "Help", ":/backgrounds/form7.jpg", kIconB, {4120, 80, 375, 255},
                 {3770, 40, 255, 330}),
      problemText(this, "Label1"),
      phoneLine(this, "Label2"),
      emailLine(this, "Label3"),
      secondEmailLine(this, "Label4"),
      thanksLine(this, "Label5") {
    setObjectName("Form7");
    place(problemText, {390, 960, 3855, 975}, 2,
          "If you face any problem of this Orvanta Abbreviation dictionary please contact the "
          "following number and email:",
          plainText(12));
    place(phoneLine, {405, 2040, 3495, 375}, 3, QString("Phone Number: ") + texts::kPhone,
          plainText(12));
    place(emailLine, {405, 2520, 3135, 255}, 4, QString("Email: ") + texts::kEmail, plainText(12));
    place(secondEmailLine, {1065, 3000, 2895, 375}, 5, texts::kSecondEmail, plainText(12));
    place(thanksLine, {520, 4320, 3495, 495}, 6,
          "Thank you for using Orvanta Abbreviation Dictionary",
          plainText(9.75, Alignment::Centre));
}

AboutWindow::AboutWindow(Program& program)
    : InfoWindow(program, "About", ":/backgrounds/form9.jpg", kIconD, {4130, 60, 375, 255},
                 {3770, 30, 255, 330}),
      creditLine(this, "Label1"),
      authorLine(this, "Label2"),
      ownerHeading(this, "Label3"),
      makerLine(this, "Label4"),
      makerYearsLine(this, "Label5"),
      copyrightYearsLine(this, "Label6"),
      copyrightHolderLine(this, "Label7"),
      rightsLine(this, "Label10"),
      versionLine(this, "Label11"),
      productIdLine(this, "Label12") {
    setObjectName("Form9");
    const auto centred = plainText(12, Alignment::Centre);
    const auto left = plainText(12);
    place(creditLine, {720, 720, 3015, 735}, 2, texts::kAuthorCredit, centred);
    place(authorLine, {960, 1560, 2535, 375}, 3, texts::kAuthor, centred);
    place(ownerHeading, {1440, 1920, 1575, 375}, 4, texts::kOwnerHeading, centred);
    place(makerLine, {1540, 2280, 1335, 375}, 5, texts::kMaker, centred);
    place(makerYearsLine, {1560, 2640, 1575, 375}, 6, texts::kMakerYears, left);
    place(copyrightYearsLine, {360, 3480, 2775, 375}, 7, texts::kCopyrightYears, left);
    place(copyrightHolderLine, {360, 3840, 855, 375}, 8, texts::kCopyrightHolder, left);
    place(rightsLine, {360, 4200, 2295, 375}, 9, texts::kRights, left);
    place(versionLine, {360, 4520, 1695, 255}, 10, "Version: 2.0.0", left);
    place(productIdLine, {2160, 4800, 2055, 375}, 11, texts::kProductId, plainText(9.75));
}

}  // namespace shell
