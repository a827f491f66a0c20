#include "forms/colours.h"

namespace forms {

QColor toQColor(StoredColour colour, const QPalette& palette) {
    if ((colour & 0x80000000u) == 0) {
        return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    }
    switch (colour & 0xFF) {
        case 0x0E:
            return palette.color(QPalette::Active, QPalette::HighlightedText);
        case 0x0F:
            return palette.color(QPalette::Active, QPalette::Button);
        case 0x12:
            return palette.color(QPalette::Active, QPalette::ButtonText);
        default:
            return palette.color(QPalette::Active, QPalette::WindowText);
    }
}

}  // namespace forms
