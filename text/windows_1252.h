#pragma once

#include <QStringView>

namespace text {

// Whether a character has a place in the Windows-1252 code page: ASCII,
// Latin-1 from U+00A0, and the 27 characters the code page puts at 0x80-0x9F.
// The SutonnyMJ layout stores its Bengali in these characters, and the
// platform's list search compares only text the code page can hold.
constexpr bool isWindows1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
    switch (c) {
        case 0x20AC: case 0x201A: case 0x0192: case 0x201E: case 0x2026: case 0x2020:
        case 0x2021: case 0x02C6: case 0x2030: case 0x0160: case 0x2039: case 0x0152:
        case 0x017D: case 0x2018: case 0x2019: case 0x201C: case 0x201D: case 0x2022:
        case 0x2013: case 0x2014: case 0x02DC: case 0x2122: case 0x0161: case 0x203A:
        case 0x0153: case 0x017E: case 0x0178:
            return true;
        default:
            return false;
    }
}

inline bool isWindows1252(QStringView text) {
    for (QChar c : text) {
        if (!isWindows1252(c.unicode())) return false;
    }
    return true;
}

}  // namespace text
