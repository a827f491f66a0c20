#pragma once

#include "forms/image.h"
#include "shell/info_window.h"

namespace shell {

// The copyright notice, as a picture in one of three languages.
class CopyrightWindow : public InfoWindow {
    Q_OBJECT

public:
    CopyrightWindow();

    forms::Label copyrightLine;
    forms::Image englishPicture;
    forms::Image chinesePicture;
    forms::Image bengaliPicture;
    forms::Label languageCaption;
    forms::Label englishButton;
    forms::Label chineseButton;
    forms::Label bengaliButton;

protected:
    void initializeForm() override;

private:
    enum Language { kEnglish, kChinese, kBengali };

    // Shows the notice in one language and hides the other two.
    void showPicture(Language language);
};

}  // namespace shell
