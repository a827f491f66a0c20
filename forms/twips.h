#pragma once

#include <QRect>

namespace forms {

// Layouts are stored in twips: 15 to a pixel at 96 dpi. Qt's device-pixel
// ratio takes care of screens with more dots per inch.
inline constexpr int kTwipsPerPixel = 15;

constexpr int pixels(int twips) {
    return (twips + kTwipsPerPixel / 2) / kTwipsPerPixel;
}

// A rectangle given as left, top, width and height in twips.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    QRect toPixels() const { return {pixels(left), pixels(top), pixels(width), pixels(height)}; }
};

}  // namespace forms
