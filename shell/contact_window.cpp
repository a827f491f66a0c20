#include "shell/contact_window.h"

#include "shell/styles.h"
#include "shell/texts.h"

namespace shell {

namespace {

// Left, top, width, height (twips) of every control.
constexpr struct {
    InfoFrame frame;
    Place problemText, phoneLine, emailLine, secondEmailLine, thanksLine;
} kLayout{
    .frame = {.caption = "Help",
              .picture = ":/backgrounds/form7.jpg",
              .icon = kIconB,
              .closeLabel = {4120, 80, 375, 255},
              .minimizeLabel = {3770, 40, 255, 330}},
    .problemText = {390, 960, 3855, 975},
    .phoneLine = {405, 2040, 3495, 375},
    .emailLine = {405, 2520, 3135, 255},
    .secondEmailLine = {1065, 3000, 2895, 375},
    .thanksLine = {520, 4320, 3495, 495},
};

}  // namespace

ContactWindow::ContactWindow()
    : InfoWindow(kLayout.frame),
      problemText(this, "Label1"),
      phoneLine(this, "Label2"),
      emailLine(this, "Label3"),
      secondEmailLine(this, "Label4"),
      thanksLine(this, "Label5") {
    setObjectName("Form7");
    place(problemText, kLayout.problemText);
    place(phoneLine, kLayout.phoneLine);
    place(emailLine, kLayout.emailLine);
    place(secondEmailLine, kLayout.secondEmailLine);
    place(thanksLine, kLayout.thanksLine);
    problemText.setText(
        "If you face any problem of this Orvanta Abbreviation dictionary please contact the "
        "following number and email:");
    phoneLine.setText(QString("Phone Number: ") + texts::kPhone);
    emailLine.setText(QString("Email: ") + texts::kEmail);
    secondEmailLine.setText(texts::kSecondEmail);
    thanksLine.setText("Thank you for using Orvanta Abbreviation Dictionary");
    for (forms::Label* line : {&problemText, &phoneLine, &emailLine, &secondEmailLine}) {
        line->setLabelStyle(plainText(12));
    }
    thanksLine.setLabelStyle(plainText(9.75, forms::Alignment::Centre));
}

}  // namespace shell
