#pragma once

// The four window icons, also drawn small as the emblem in the window backgrounds' title bands.

#include <QByteArray>
#include <QImage>

namespace make_assets {

enum class IconKind { Dictionary, Help, Copyright, About };

// The icon of that kind, size by size pixels, in ARGB32.
QImage renderIcon(IconKind kind, int size);

// An ICO with one 64x64 image of 256 colours: BITMAPINFOHEADER, 256-entry palette, 8-bit XOR
// pixels and a 1-bit AND mask, both bottom-up. 22 + 40 + 1024 + 4096 + 512 = 5694 bytes.
QByteArray encodeIco(const QImage& argb);

}  // namespace make_assets
