#pragma once

#include <QColor>
#include <QPalette>
#include <cstdint>

namespace forms {

// Colours as the layouts store them: 0x00BBGGRR for a fixed colour, or
// 0x800000NN for system colour NN, which comes from the palette.
using StoredColour = std::uint32_t;

inline constexpr StoredColour kDarkRed = 0x00000080;
inline constexpr StoredColour kBlack = 0x00000000;
inline constexpr StoredColour kHighlightText = 0x8000000E;
inline constexpr StoredColour kButtonFace = 0x8000000F;
inline constexpr StoredColour kButtonText = 0x80000012;

QColor toQColor(StoredColour colour, const QPalette& palette);

}  // namespace forms
