#include "shell/copyright_window.h"

#include "shell/styles.h"
#include "shell/texts.h"

namespace shell {

CopyrightWindow::CopyrightWindow(Program& program)
    : InfoWindow(program, "Copyright", ":/backgrounds/form8.jpg", kIconC, {4120, 80, 375, 255},
                 {3770, 40, 255, 330}),
      copyrightLine(this, "Label1"),
      englishPicture(this, "Image1"),
      chinesePicture(this, "Image2"),
      bengaliPicture(this, "Image3"),
      languageCaption(this, "Label2"),
      englishButton(this, "Label3"),
      chineseButton(this, "Label4"),
      bengaliButton(this, "Label5") {
    setObjectName("Form8");
    copyrightLine.setGeometry({720, 840, 2895, 375});
    copyrightLine.setCaption(texts::kCopyrightLine);
    copyrightLine.setStyle(plainText(12, forms::Alignment::Centre));

    englishPicture.setGeometry({360, 1680, 3690, 1635});
    englishPicture.setPicture(":/copyright/english.jpg");
    chinesePicture.setGeometry({360, 1680, 3690, 1635});
    chinesePicture.setPicture(":/copyright/chinese.jpg");
    bengaliPicture.setGeometry({480, 1680, 3690, 1635});
    bengaliPicture.setPicture(":/copyright/bengali.jpg");

    languageCaption.setGeometry({480, 3840, 975, 255});
    languageCaption.setCaption("Language");
    languageCaption.setStyle(plainText(9.75));
    englishButton.setGeometry({480, 4200, 975, 255});
    englishButton.setCaption("English");
    chineseButton.setGeometry({1800, 4200, 855, 255});
    chineseButton.setCaption("Chinese");
    bengaliButton.setGeometry({3000, 4200, 855, 255});
    bengaliButton.setCaption("Bengali");
    for (forms::Label* button : {&englishButton, &chineseButton, &bengaliButton})
        button->setStyle(redButton(9.75));

    englishButton.Click = [this] { showPicture(kEnglish); };
    chineseButton.Click = [this] { showPicture(kChinese); };
    bengaliButton.Click = [this] { showPicture(kBengali); };
}

void CopyrightWindow::Form_Load() {
    showPicture(kEnglish);
}

void CopyrightWindow::showPicture(Language language) {
    englishPicture.setVisible(language == kEnglish);
    chinesePicture.setVisible(language == kChinese);
    bengaliPicture.setVisible(language == kBengali);
}

}  // namespace shell
