#include "shell/copyright_window.h"

#include "shell/styles.h"
#include "shell/texts.h"

namespace shell {

CopyrightWindow::CopyrightWindow(Program& program)
    : InfoWindow(program, "Copyright", ":/backgrounds/form8.jpg", kIconC, {4120, 80, 375, 255},
                 {3770, 40, 255, 330}),
      Label1(this, "Label1"),
      Image1(this, "Image1"),
      Image2(this, "Image2"),
      Image3(this, "Image3"),
      Label2(this, "Label2"),
      Label3(this, "Label3"),
      Label4(this, "Label4"),
      Label5(this, "Label5") {
    setObjectName("Form8");
    Label1.setGeometry({720, 840, 2895, 375});
    Label1.setCaption(texts::kCopyrightLine);
    Label1.setStyle(plainText(12, forms::Alignment::Centre));

    Image1.setGeometry({360, 1680, 3690, 1635});
    Image1.setPicture(":/copyright/english.jpg");
    Image2.setGeometry({360, 1680, 3690, 1635});
    Image2.setPicture(":/copyright/chinese.jpg");
    Image3.setGeometry({480, 1680, 3690, 1635});
    Image3.setPicture(":/copyright/bengali.jpg");

    Label2.setGeometry({480, 3840, 975, 255});
    Label2.setCaption("Language");
    Label2.setStyle(plainText(9.75));
    Label3.setGeometry({480, 4200, 975, 255});
    Label3.setCaption("English");
    Label4.setGeometry({1800, 4200, 855, 255});
    Label4.setCaption("Chinese");
    Label5.setGeometry({3000, 4200, 855, 255});
    Label5.setCaption("Bengali");
    for (forms::Label* button : {&Label3, &Label4, &Label5}) button->setStyle(redButton(9.75));

    Label3.Click = [this] { showPicture(kEnglish); };
    Label4.Click = [this] { showPicture(kChinese); };
    Label5.Click = [this] { showPicture(kBengali); };
}

void CopyrightWindow::Form_Load() { showPicture(kEnglish); }

void CopyrightWindow::showPicture(Language language) {
    Image1.setVisible(language == kEnglish);
    Image2.setVisible(language == kChinese);
    Image3.setVisible(language == kBengali);
}

}  // namespace shell
