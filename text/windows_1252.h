#pragma once

#include <QStringView>
#include <algorithm>
#include <array>

namespace text {

// The characters Windows-1252 puts at 0x80 to 0x9F, where Latin-1 has control
// characters; five of those bytes are unassigned.
inline constexpr std::array<char16_t, 27> kWindows1252Upper = {
    u'€', u'‚', u'ƒ', u'„', u'…', u'†', u'‡', u'ˆ', u'‰', u'Š', u'‹', u'Œ', u'Ž', u'‘',
    u'’', u'“', u'”', u'•', u'–', u'—', u'˜', u'™', u'š', u'›', u'œ', u'ž', u'Ÿ',
};

// Whether a character has a place in the Windows-1252 code page. The SutonnyMJ
// layout stores its Bengali in these characters, and the platform's list
// search compares only text the code page can hold.
constexpr bool isWindows1252(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
    return std::find(kWindows1252Upper.begin(), kWindows1252Upper.end(), c) !=
           kWindows1252Upper.end();
}

inline bool isWindows1252(QStringView text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return isWindows1252(c.unicode()); });
}

}  // namespace text
