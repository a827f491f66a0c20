#include "bangla/layout_table.h"

#include <array>

namespace bangla::detail {

namespace {

struct Entry {
    char16_t code;
    Glyph glyph;
};

constexpr Glyph vowelLetter(std::u16string_view t) {
    return {Kind::VowelLetter, t, {}};
}
constexpr Glyph consonant(std::u16string_view t, std::u16string_view v = {}) {
    return {Kind::Consonant, t, v};
}
constexpr Glyph half(std::u16string_view t) {
    return {Kind::HalfForm, t, {}};
}
constexpr Glyph fola(std::u16string_view t, std::u16string_view v = {}) {
    return {Kind::Fola, t, v};
}
constexpr Glyph preVowel(std::u16string_view t) {
    return {Kind::PreVowel, t, {}};
}
constexpr Glyph postVowel(std::u16string_view t) {
    return {Kind::PostVowel, t, {}};
}
constexpr Glyph mark(std::u16string_view t) {
    return {Kind::Mark, t, {}};
}
constexpr Glyph symbol(std::u16string_view t) {
    return {Kind::Symbol, t, {}};
}

// Every character the font draws as Bengali. Where the font has several
// glyphs for one sign (ে, ু, ্র, ্ব ...) all of them are here; toLayout
// chooses among them.
constexpr Entry kEntries[] = {
    {u'A', vowelLetter(u"অ")},
    {u'B', vowelLetter(u"ই")},
    {u'C', vowelLetter(u"ঈ")},
    {u'D', vowelLetter(u"উ")},
    {u'E', vowelLetter(u"ঊ")},
    {u'F', vowelLetter(u"ঋ")},
    {u'G', vowelLetter(u"এ")},
    {u'H', vowelLetter(u"ঐ")},
    {u'I', vowelLetter(u"ও")},
    {u'J', vowelLetter(u"ঔ")},

    {u'K', consonant(u"ক")},
    {u'L', consonant(u"খ")},
    {u'M', consonant(u"গ")},
    {u'N', consonant(u"ঘ")},
    {u'O', consonant(u"ঙ")},
    {u'P', consonant(u"চ")},
    {u'Q', consonant(u"ছ")},
    {u'R', consonant(u"জ")},
    {u'S', consonant(u"ঝ")},
    {u'T', consonant(u"ঞ")},
    {u'U', consonant(u"ট")},
    {u'V', consonant(u"ঠ")},
    {u'W', consonant(u"ড")},
    {u'X', consonant(u"ঢ")},
    {u'Y', consonant(u"ণ")},
    {u'Z', consonant(u"ত")},
    {u'_', consonant(u"থ")},
    {u'`', consonant(u"দ")},
    {u'a', consonant(u"ধ")},
    {u'b', consonant(u"ন")},
    {u'c', consonant(u"প")},
    {u'd', consonant(u"ফ")},
    {u'e', consonant(u"ব")},
    {u'f', consonant(u"ভ")},
    {u'g', consonant(u"ম")},
    {u'h', consonant(u"য")},
    {u'i', consonant(u"র")},
    {u'j', consonant(u"ল")},
    {u'k', consonant(u"শ")},
    {u'l', consonant(u"ষ")},
    {u'm', consonant(u"স")},
    {u'n', consonant(u"হ")},
    {u'o', consonant(u"\u09DC")},  // ড়
    {u'p', consonant(u"\u09DD")},  // ঢ়
    {u'q', consonant(u"\u09DF")},  // য়
    {u'r', consonant(u"ৎ")},

    {u's', mark(u"ং")},
    {u't', mark(u"ঃ")},
    {u'u', mark(u"ঁ")},

    {u'v', postVowel(u"া")},
    {u'w', preVowel(u"ি")},
    {u'x', postVowel(u"ী")},
    {u'y', postVowel(u"ু")},
    {u'z', postVowel(u"ু")},
    {u'~', postVowel(u"ূ")},
    {u'&', {Kind::Hasanta, u"্", {}}},
    {u'^', fola(u"্ব")},
    {u'|', symbol(u"।")},
    {u'\\', symbol(u"॥")},
    {u'0', symbol(u"০")},
    {u'1', symbol(u"১")},
    {u'2', symbol(u"২")},
    {u'3', symbol(u"৩")},
    {u'4', symbol(u"৪")},
    {u'5', symbol(u"৫")},
    {u'6', symbol(u"৬")},
    {u'7', symbol(u"৭")},
    {u'8', symbol(u"৮")},
    {u'9', symbol(u"৯")},

    {u'¡', fola(u"্ব")},
    {u'¢', fola(u"্ভ")},
    {u'£', fola(u"্ভ্র")},
    {u'¤', half(u"ম্")},
    {u'¥', fola(u"্ম")},
    {u'¦', fola(u"্ব")},
    {u'§', fola(u"্ম")},
    {u'¨', fola(u"্য")},
    {u'©', {Kind::Reph, u"র্", {}}},
    {u'ª', fola(u"্র")},
    {u'«', fola(u"্র")},
    {u'¬', fola(u"্ল")},
    {u'\u00AD', fola(u"্ল")},
    {u'®', half(u"ষ্")},
    {u'¯', half(u"স্")},
    {u'°', consonant(u"ক্ক")},
    {u'±', consonant(u"ক্ট")},
    {u'²', consonant(u"ক্ষ্ম")},
    {u'³', consonant(u"ক্ত")},
    {u'´', consonant(u"ক্ম")},
    {u'µ', consonant(u"ক্র")},
    {u'¶', consonant(u"ক্ষ")},
    {u'·', consonant(u"ক্স")},
    {u'¸', consonant(u"গ", u"ু")},
    {u'»', consonant(u"গ্ধ")},
    {u'¼', consonant(u"ঙ্ক")},
    {u'½', consonant(u"ঙ্গ")},
    {u'¾', consonant(u"জ্জ")},
    {u'¿', fola(u"্ত্র")},
    {u'À', consonant(u"জ্ঝ")},
    {u'Á', consonant(u"জ্ঞ")},
    {u'Â', consonant(u"ঞ্চ")},
    {u'Ã', consonant(u"ঞ্ছ")},
    {u'Ä', consonant(u"ঞ্জ")},
    {u'Å', consonant(u"ঞ্ঝ")},
    {u'Æ', consonant(u"ট্ট")},
    {u'Ç', consonant(u"ড্ড")},
    {u'È', consonant(u"ণ্ট")},
    {u'É', consonant(u"ণ্ঠ")},
    {u'Ê', consonant(u"ণ্ড")},
    {u'Ë', consonant(u"ত্ত")},
    {u'Ì', consonant(u"ত্থ")},
    {u'Í', fola(u"্ত")},
    {u'Î', consonant(u"ত্র")},
    {u'Ï', consonant(u"দ্দ")},
    {u'Ð', consonant(u"ণ্ড")},
    {u'Ñ', symbol(u"—")},
    {u'Ò', symbol(u"“")},
    {u'Ó', symbol(u"”")},
    {u'Ô', symbol(u"‘")},
    {u'Õ', symbol(u"’")},
    {u'Ö', fola(u"্র")},
    {u'×', consonant(u"দ্ধ")},
    {u'Ø', consonant(u"দ্ব")},
    {u'Ù', consonant(u"দ্ম")},
    {u'Ú', consonant(u"ন্ঠ")},
    {u'Û', consonant(u"ন্ড")},
    {u'Ü', consonant(u"ন্ধ")},
    {u'Ý', consonant(u"ন্স")},
    {u'Þ', consonant(u"প্ট")},
    {u'ß', consonant(u"প্ত")},
    {u'à', consonant(u"প্প")},
    {u'á', consonant(u"প্স")},
    {u'â', consonant(u"ব্জ")},
    {u'ã', consonant(u"ব্দ")},
    {u'ä', consonant(u"ব্ধ")},
    {u'å', consonant(u"ভ্র")},
    {u'æ', postVowel(u"ু")},
    {u'ç', consonant(u"ম্ফ")},
    {u'è', fola(u"্ণ")},
    {u'é', consonant(u"ল্ক")},
    {u'ê', consonant(u"ল্গ")},
    {u'ë', consonant(u"ল্ট")},
    {u'ì', consonant(u"ল্ড")},
    {u'í', consonant(u"ল্প")},
    {u'î', consonant(u"ল্ফ")},
    {u'ï', consonant(u"শ", u"ু")},
    {u'ð', consonant(u"শ্চ")},
    {u'ñ', consonant(u"শ্ছ")},
    {u'ò', consonant(u"ষ্ণ")},
    {u'ó', consonant(u"ষ্ট")},
    {u'ô', consonant(u"ষ্ঠ")},
    {u'õ', consonant(u"ষ্ফ")},
    {u'ö', consonant(u"স্খ")},
    {u'÷', consonant(u"স্ট")},
    {u'ø', fola(u"্ল")},
    {u'ù', consonant(u"স্ফ")},
    {u'ú', fola(u"্প")},
    {u'û', consonant(u"হ", u"ু")},
    {u'ü', consonant(u"হ", u"ৃ")},
    {u'ý', consonant(u"হ্ন")},
    {u'þ', consonant(u"হ্ম")},
    {u'ÿ', consonant(u"ক্ষ")},

    // Windows-1252 characters outside Latin-1, in code point order.
    {u'Œ', fola(u"্ক্র")},
    {u'œ', fola(u"্ন")},
    {u'Š', postVowel(u"ৗ")},
    {u'š', half(u"ন্")},
    {u'Ÿ', fola(u"্ব")},
    {u'ƒ', postVowel(u"ূ")},
    {u'ˆ', preVowel(u"ৈ")},
    {u'˜', half(u"দ্")},
    {u'–', postVowel(u"ু")},
    {u'—', fola(u"্ত")},
    {u'‘', fola(u"্ত", u"ু")},
    {u'’', fola(u"্থ")},
    {u'‚', postVowel(u"ূ")},
    {u'“', postVowel(u"ু")},
    {u'”', half(u"চ্")},
    {u'„', postVowel(u"ৃ")},
    {u'†', preVowel(u"ে")},
    {u'‡', preVowel(u"ে")},
    {u'•', half(u"ঙ্")},
    {u'…', postVowel(u"ৃ")},
    {u'‰', preVowel(u"ৈ")},
    {u'‹', fola(u"্ক")},
    {u'›', half(u"ন্")},
    {u'™', half(u"দ্")},
};

constexpr std::array<Glyph, 256> latinGlyphs() {
    std::array<Glyph, 256> table{};
    for (const Entry& e : kEntries) {
        if (e.code < 256) table[e.code] = e.glyph;
    }
    return table;
}

constexpr std::array<Glyph, 256> kLatin = latinGlyphs();
constexpr Glyph kNoGlyph{};

// The glyphs beyond Latin-1: most lie in U+2010..U+203F, looked up directly;
// the few others one by one.
constexpr char16_t kPunctuationBase = 0x2010;
constexpr std::array<Glyph, 0x30> punctuationGlyphs() {
    std::array<Glyph, 0x30> table{};
    for (const Entry& e : kEntries) {
        if (e.code >= kPunctuationBase && e.code < kPunctuationBase + 0x30) {
            table[e.code - kPunctuationBase] = e.glyph;
        }
    }
    return table;
}

constexpr auto kPunctuation = punctuationGlyphs();

// Clusters written with a glyph of their own or a half form. Longer entries
// come before the shorter ones they begin with, so the first match is the
// longest.
constexpr Conjunct kConjuncts[] = {
    {u"ক্ষ্ম", u"²"},  {u"ঙ্ক্ষ", u"•¶"}, {u"ম্প্র", u"¤cÖ"}, {u"ম্ভ্র", u"¤£"}, {u"দ্ভ্র", u"™£"},
    {u"ন্ত্র", u"š¿"}, {u"ন্দ্ব", u"›Ø"}, {u"স্ক্র", u"¯Œ"},  {u"স্ত্র", u"¯¿"}, {u"ষ্ক্র", u"®Œ"},

    {u"ক্ক", u"°"},   {u"ক্ট", u"±"},   {u"ক্ত", u"³"},    {u"ক্ম", u"´"},   {u"ক্র", u"µ"},
    {u"ক্ষ", u"¶"},   {u"ক্স", u"·"},   {u"গ্ধ", u"»"},    {u"ঙ্ক", u"¼"},   {u"ঙ্খ", u"•L"},
    {u"ঙ্গ", u"½"},   {u"ঙ্ঘ", u"•N"},  {u"চ্চ", u"”P"},   {u"চ্ছ", u"”Q"},  {u"চ্ঞ", u"”T"},
    {u"জ্জ", u"¾"},   {u"জ্ঝ", u"À"},   {u"জ্ঞ", u"Á"},    {u"ঞ্চ", u"Â"},   {u"ঞ্ছ", u"Ã"},
    {u"ঞ্জ", u"Ä"},   {u"ঞ্ঝ", u"Å"},   {u"ট্ট", u"Æ"},    {u"ড্ড", u"Ç"},   {u"ণ্ট", u"È"},
    {u"ণ্ঠ", u"É"},   {u"ণ্ড", u"Ê"},   {u"ত্ত", u"Ë"},    {u"ত্থ", u"Ì"},   {u"ত্র", u"Î"},
    {u"দ্গ", u"˜M"},  {u"দ্ঘ", u"˜N"},  {u"দ্দ", u"Ï"},    {u"দ্ধ", u"×"},   {u"দ্ব", u"Ø"},
    {u"দ্ভ", u"™¢"},  {u"দ্ম", u"Ù"},   {u"ন্ট", u"›U"},   {u"ন্ঠ", u"Ú"},   {u"ন্ড", u"Û"},
    {u"ন্ত", u"šÍ"},  {u"ন্থ", u"š’"},  {u"ন্দ", u"›`"},   {u"ন্ধ", u"Ü"},   {u"ন্ব", u"š^"},
    {u"ন্স", u"Ý"},   {u"প্ট", u"Þ"},   {u"প্ত", u"ß"},    {u"প্প", u"à"},   {u"প্স", u"á"},
    {u"ব্জ", u"â"},   {u"ব্দ", u"ã"},   {u"ব্ধ", u"ä"},    {u"ভ্র", u"å"},   {u"ম্প", u"¤ú"},
    {u"ম্ফ", u"ç"},   {u"ম্ব", u"¤^"},  {u"ম্ভ", u"¤¢"},   {u"ম্ম", u"¤§"},  {u"ল্ক", u"é"},
    {u"ল্গ", u"ê"},   {u"ল্ট", u"ë"},   {u"ল্ড", u"ì"},    {u"ল্প", u"í"},   {u"ল্ফ", u"î"},
    {u"শ্চ", u"ð"},   {u"শ্ছ", u"ñ"},   {u"ষ্ক", u"®‹"},   {u"ষ্ণ", u"ò"},   {u"ষ্ট", u"ó"},
    {u"ষ্ঠ", u"ô"},   {u"ষ্প", u"®ú"},  {u"ষ্ফ", u"õ"},    {u"ষ্ম", u"®§"},  {u"স্ক", u"¯‹"},
    {u"স্খ", u"ö"},   {u"স্ট", u"÷"},   {u"স্ত", u"¯Í"},   {u"স্থ", u"¯’"},  {u"স্প", u"¯ú"},
    {u"স্ফ", u"ù"},   {u"স্ব", u"¯^"},  {u"স্ম", u"¯§"},   {u"হ্ন", u"ý"},   {u"হ্ম", u"þ"},
};

constexpr std::u16string_view kLetters[] = {
    // U+0985 অ .. U+0994 ঔ
    u"A",
    u"Av",
    u"B",
    u"C",
    u"D",
    u"E",
    u"F",
    {},
    {},
    {},
    u"G",
    u"H",
    {},
    {},
    u"I",
    u"J",
    // U+0995 ক .. U+09B9 হ
    u"K",
    u"L",
    u"M",
    u"N",
    u"O",
    u"P",
    u"Q",
    u"R",
    u"S",
    u"T",
    u"U",
    u"V",
    u"W",
    u"X",
    u"Y",
    u"Z",
    u"_",
    u"`",
    u"a",
    u"b",
    {},
    u"c",
    u"d",
    u"e",
    u"f",
    u"g",
    u"h",
    u"i",
    {},
    u"j",
    {},
    {},
    {},
    u"k",
    u"l",
    u"m",
    u"n",
};

}  // namespace

const Glyph& glyphOf(char16_t layoutChar) {
    if (layoutChar < 256) return kLatin[layoutChar];
    if (layoutChar >= kPunctuationBase && layoutChar < kPunctuationBase + 0x30) {
        return kPunctuation[layoutChar - kPunctuationBase];
    }
    for (const Entry& e : kEntries) {
        if (e.code == layoutChar) return e.glyph;
    }
    return kNoGlyph;
}

std::span<const Conjunct> conjuncts() {
    return kConjuncts;
}

std::u16string_view letterLayout(char16_t letter) {
    switch (letter) {
        case u'\u09DC':
            return u"o";
        case u'\u09DD':
            return u"p";
        case u'\u09DF':
            return u"q";
        default:
            break;
    }
    if (letter < 0x0985 || letter > 0x09B9) return {};
    return kLetters[letter - 0x0985];
}

}  // namespace bangla::detail
