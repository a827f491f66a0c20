#include "shell/copyright_window.h"

#include "shell/styles.h"
#include "shell/texts.h"

namespace shell {

namespace {

// Left, top, width, height (twips) of every control.
constexpr struct {
    InfoFrame frame;
    Place copyrightLine, englishPicture, chinesePicture, bengaliPicture, languageCaption,
        englishButton, chineseButton, bengaliButton;
} kLayout{
    .frame = {.caption = "Copyright",
              .picture = ":/backgrounds/form8.jpg",
              .icon = kIconC,
              .closeLabel = {4120, 80, 375, 255},
              .minimizeLabel = {3770, 40, 255, 330}},
    .copyrightLine = {720, 840, 2895, 375},
    .englishPicture = {360, 1680, 3690, 1635},
    .chinesePicture = {360, 1680, 3690, 1635},
    .bengaliPicture = {480, 1680, 3690, 1635},
    .languageCaption = {480, 3840, 975, 255},
    .englishButton = {480, 4200, 975, 255},
    .chineseButton = {1800, 4200, 855, 255},
    .bengaliButton = {3000, 4200, 855, 255},
};

}  // namespace

CopyrightWindow::CopyrightWindow()
    : InfoWindow(kLayout.frame),
      copyrightLine(this, "Label1"),
      englishPicture(this, "Image1"),
      chinesePicture(this, "Image2"),
      bengaliPicture(this, "Image3"),
      languageCaption(this, "Label2"),
      englishButton(this, "Label3"),
      chineseButton(this, "Label4"),
      bengaliButton(this, "Label5") {
    setObjectName("Form8");
    place(copyrightLine, kLayout.copyrightLine);
    place(englishPicture, kLayout.englishPicture);
    place(chinesePicture, kLayout.chinesePicture);
    place(bengaliPicture, kLayout.bengaliPicture);
    place(languageCaption, kLayout.languageCaption);
    place(englishButton, kLayout.englishButton);
    place(chineseButton, kLayout.chineseButton);
    place(bengaliButton, kLayout.bengaliButton);

    copyrightLine.setText(texts::kCopyrightLine);
    copyrightLine.setLabelStyle(plainText(12, forms::Alignment::Centre));
    englishPicture.loadPicture(":/copyright/english.jpg");
    chinesePicture.loadPicture(":/copyright/chinese.jpg");
    bengaliPicture.loadPicture(":/copyright/bengali.jpg");
    languageCaption.setText("Language");
    languageCaption.setLabelStyle(plainText(9.75));
    englishButton.setText("English");
    chineseButton.setText("Chinese");
    bengaliButton.setText("Bengali");
    for (forms::Label* button : {&englishButton, &chineseButton, &bengaliButton}) {
        button->setLabelStyle(redButton(9.75));
    }

    connect(&englishButton, &forms::Label::clicked, this, [this] { showPicture(kEnglish); });
    connect(&chineseButton, &forms::Label::clicked, this, [this] { showPicture(kChinese); });
    connect(&bengaliButton, &forms::Label::clicked, this, [this] { showPicture(kBengali); });
}

void CopyrightWindow::initializeForm() {
    showPicture(kEnglish);
}

void CopyrightWindow::showPicture(Language language) {
    englishPicture.setVisible(language == kEnglish);
    chinesePicture.setVisible(language == kChinese);
    bengaliPicture.setVisible(language == kBengali);
}

}  // namespace shell
