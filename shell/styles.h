#pragma once

#include "forms/label.h"

namespace shell {

inline constexpr const char* kIconA = ":/icons/a.ico";  // dictionary and lock windows
inline constexpr const char* kIconB = ":/icons/b.ico";  // help menu and contact
inline constexpr const char* kIconC = ":/icons/c.ico";  // copyright
inline constexpr const char* kIconD = ":/icons/d.ico";  // about

// The dark red buttons: centred text in the highlight-text colour.
inline forms::LabelStyle redButton(double points, bool bold = false) {
    return {{"Calibri", points, bold, false},
            false,
            forms::kDarkRed,
            forms::kHighlightText,
            forms::Alignment::Centre};
}

// Text over the background picture in the default text colour.
inline forms::LabelStyle plainText(double points,
                                   forms::Alignment alignment = forms::Alignment::Left) {
    return {{"Calibri", points}, true, forms::kButtonFace, forms::kButtonText, alignment};
}

inline forms::LabelStyle fieldCaption() {
    return plainText(12);
}

// "X", "_" and "L" in the top right corner.
inline void setTitleBarLabel(forms::Label& label, const char* caption, const char* toolTip) {
    label.setText(caption);
    label.setToolTip(toolTip);
    label.setLabelStyle({{"MS Sans Serif", 12},
                         true,
                         forms::kButtonFace,
                         forms::kHighlightText,
                         forms::Alignment::Left});
}

}  // namespace shell
