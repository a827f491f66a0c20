#include "shell/about_window.h"

#include <QCoreApplication>

#include "shell/styles.h"
#include "shell/texts.h"

namespace shell {

namespace {

// Left, top, width, height (twips) of every control.
constexpr struct {
    InfoFrame frame;
    Place creditLine, authorLine, ownerHeading, makerLine, makerYearsLine, copyrightYearsLine,
        copyrightHolderLine, rightsLine, versionLine, productIdLine;
} kLayout{
    .frame = {.caption = "About",
              .picture = ":/backgrounds/form9.jpg",
              .icon = kIconD,
              .closeLabel = {4130, 60, 375, 255},
              .minimizeLabel = {3770, 30, 255, 330}},
    .creditLine = {720, 720, 3015, 735},
    .authorLine = {960, 1560, 2535, 375},
    .ownerHeading = {1440, 1920, 1575, 375},
    .makerLine = {1540, 2280, 1335, 375},
    .makerYearsLine = {1560, 2640, 1575, 375},
    .copyrightYearsLine = {360, 3480, 2775, 375},
    .copyrightHolderLine = {360, 3840, 855, 375},
    .rightsLine = {360, 4200, 2295, 375},
    .versionLine = {360, 4520, 1695, 255},
    .productIdLine = {2160, 4800, 2055, 375},
};

}  // namespace

AboutWindow::AboutWindow()
    : InfoWindow(kLayout.frame),
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
    place(creditLine, kLayout.creditLine);
    place(authorLine, kLayout.authorLine);
    place(ownerHeading, kLayout.ownerHeading);
    place(makerLine, kLayout.makerLine);
    place(makerYearsLine, kLayout.makerYearsLine);
    place(copyrightYearsLine, kLayout.copyrightYearsLine);
    place(copyrightHolderLine, kLayout.copyrightHolderLine);
    place(rightsLine, kLayout.rightsLine);
    place(versionLine, kLayout.versionLine);
    place(productIdLine, kLayout.productIdLine);
    creditLine.setText(texts::kAuthorCredit);
    authorLine.setText(texts::kAuthor);
    ownerHeading.setText(texts::kOwnerHeading);
    makerLine.setText(texts::kMaker);
    makerYearsLine.setText(texts::kMakerYears);
    copyrightYearsLine.setText(texts::kCopyrightYears);
    copyrightHolderLine.setText(texts::kCopyrightHolder);
    rightsLine.setText(texts::kRights);
    versionLine.setText("Version: " + QCoreApplication::applicationVersion());
    productIdLine.setText(texts::kProductId);
    for (forms::Label* line : {&creditLine, &authorLine, &ownerHeading, &makerLine}) {
        line->setLabelStyle(plainText(12, forms::Alignment::Centre));
    }
    for (forms::Label* line :
         {&makerYearsLine, &copyrightYearsLine, &copyrightHolderLine, &rightsLine, &versionLine}) {
        line->setLabelStyle(plainText(12));
    }
    productIdLine.setLabelStyle(plainText(9.75));
}

}  // namespace shell
