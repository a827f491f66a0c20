#pragma once

#include "forms/image.h"
#include "shell/info_window.h"

namespace shell {

// Form8: the copyright notice, as a picture in one of three languages.
class CopyrightWindow : public InfoWindow {
public:
    explicit CopyrightWindow(Program& program);

    void Form_Load() override;

    forms::Label Label1;  // copyright line
    forms::Image Image1;  // English
    forms::Image Image2;  // Chinese
    forms::Image Image3;  // Bengali
    forms::Label Label2;  // "Language"
    forms::Label Label3;  // "English"
    forms::Label Label4;  // "Chinese"
    forms::Label Label5;  // "Bengali"

private:
    enum Language { kEnglish, kChinese, kBengali };

    // Shows the notice in one language and hides the other two.
    void showPicture(Language language);
};

}  // namespace shell
