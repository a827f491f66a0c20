#pragma once

#include <QString>
#include <QStringView>

namespace bangla {

// Text typed in the 8-bit SutonnyMJ layout (each character a Windows-1252
// character, in visual order) to Unicode Bengali in logical order.
QString toUnicode(QStringView layoutText);

// Unicode Bengali to the SutonnyMJ layout.
QString toLayout(QStringView unicodeText);

}  // namespace bangla
