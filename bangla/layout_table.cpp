#include "bangla/layout_table.h"

#include <array>
#include <cstddef>
#include <utility>

namespace bangla::detail {

namespace {

// When toLayout writes a glyph for the Unicode it stands for.
enum class Use : std::uint8_t {
    Always,       // wherever no variant below fits
    After,        // after one of the glyphs in `after`
    AtWordStart,  // at the start of a word
    NotChosen,    // never for its Unicode; at most inside a spelling below
};

struct Choice {
    Use use = Use::Always;
    std::u16string_view after;
};

struct Entry {
    char16_t code;
    Glyph glyph;
    Choice choice = {};
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

constexpr Choice after(std::u16string_view glyphs) {
    return {Use::After, glyphs};
}
constexpr Choice kAtWordStart{Use::AtWordStart, {}};
constexpr Choice kNotChosen{Use::NotChosen, {}};

// The glyphs after which ু and ূ take one of their other shapes: the glyphs
// that end in ra, and those listed for the second shape.
constexpr std::u16string_view kEndsInRa = u"iªÖ«Îµå";
constexpr std::u16string_view kTakesSecondU = u"KPQSUVWXZdf¶Áþ¾°¼Ü×ä©‹÷ù";

// Every character the font draws as Bengali, and the one place where what a
// glyph stands for, and when toLayout writes it, is set down; every other
// table of the converter is derived from this one. Where the font has several
// glyphs for one sign (ে, ু, ্র, ্ব ...) all of them are here.
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
    {u'z', postVowel(u"ু"), after(kTakesSecondU)},
    {u'~', postVowel(u"ূ")},
    {u'&', {Kind::Hasanta, u"্", {}}},
    {u'^', fola(u"্ব"), after(u"Y")},
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
    {u'¢', fola(u"্ভ"), kNotChosen},
    {u'£', fola(u"্ভ্র"), kNotChosen},
    {u'¤', half(u"ম্")},
    {u'¥', fola(u"্ম")},
    {u'¦', fola(u"্ব"), after(u"jkaen")},
    {u'§', fola(u"্ম"), kNotChosen},
    {u'¨', fola(u"্য")},
    {u'©', {Kind::Reph, u"র্", {}}},
    {u'ª', fola(u"্র")},
    {u'«', fola(u"্র"), after(u"d")},
    {u'¬', fola(u"্ল"), after(u"Kdn")},
    {u'\u00AD', fola(u"্ল"), kNotChosen},
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
    {u'¿', fola(u"্ত্র"), kNotChosen},
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
    {u'Í', fola(u"্ত"), kNotChosen},
    {u'Î', consonant(u"ত্র")},
    {u'Ï', consonant(u"দ্দ")},
    {u'Ð', consonant(u"ণ্ড"), kNotChosen},
    {u'Ñ', symbol(u"—")},
    {u'Ò', symbol(u"“")},
    {u'Ó', symbol(u"”")},
    {u'Ô', symbol(u"‘")},
    {u'Õ', symbol(u"’")},
    {u'Ö', fola(u"্র"), after(u"Mckm")},
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
    {u'æ', postVowel(u"ু"), after(kEndsInRa)},
    {u'ç', consonant(u"ম্ফ")},
    {u'è', fola(u"্ণ"), after(u"n¶")},
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
    {u'ú', fola(u"্প"), kNotChosen},
    {u'û', consonant(u"হ", u"ু")},
    {u'ü', consonant(u"হ", u"ৃ")},
    {u'ý', consonant(u"হ্ন")},
    {u'þ', consonant(u"হ্ম")},
    {u'ÿ', consonant(u"ক্ষ"), kNotChosen},

    // Windows-1252 characters outside Latin-1, in code point order.
    {u'Œ', fola(u"্ক্র"), kNotChosen},
    {u'œ', fola(u"্ন")},
    {u'Š', postVowel(u"ৗ")},
    {u'š', half(u"ন্")},
    {u'Ÿ', fola(u"্ব"), kNotChosen},
    {u'ƒ', postVowel(u"ূ"), after(kEndsInRa)},
    {u'ˆ', preVowel(u"ৈ"), kNotChosen},
    {u'˜', half(u"দ্")},
    {u'–', postVowel(u"ু"), kNotChosen},
    {u'—', fola(u"্ত"), kNotChosen},
    {u'‘', fola(u"্ত", u"ু")},
    {u'’', fola(u"্থ"), kNotChosen},
    {u'‚', postVowel(u"ূ"), after(kTakesSecondU)},
    {u'“', postVowel(u"ু"), kNotChosen},
    {u'”', half(u"চ্")},
    {u'„', postVowel(u"ৃ"), after(u"cNgekLMmlR_`abjhY§¥")},
    {u'†', preVowel(u"ে"), kAtWordStart},
    {u'‡', preVowel(u"ে")},
    {u'•', half(u"ঙ্")},
    {u'…', postVowel(u"ৃ")},
    {u'‰', preVowel(u"ৈ")},
    {u'‹', fola(u"্ক"), kNotChosen},
    {u'›', half(u"ন্")},
    {u'™', half(u"দ্")},
};

// Clusters that the layout writes as a half form joined to what follows it,
// rather than with hasanta; grouped by half form. What they stand for is
// read from the glyphs above.
constexpr std::u16string_view kHalfFormSpellings[] = {
    u"•¶",  u"•L", u"•N",                                     // ঙ্
    u"”P",  u"”Q", u"”T",                                     // চ্
    u"˜M",  u"˜N",                                            // দ্
    u"™£",  u"™¢",                                            // দ্
    u"š¿",  u"šÍ", u"š’", u"š^",                              // ন্
    u"›Ø",  u"›U", u"›`",                                     // ন্
    u"¤cÖ", u"¤£", u"¤ú", u"¤^", u"¤¢", u"¤§",                // ম্
    u"®Œ",  u"®‹", u"®ú", u"®§",                              // ষ্
    u"¯Œ",  u"¯¿", u"¯‹", u"¯Í", u"¯’", u"¯ú", u"¯^", u"¯§",  // স্
};

// ---------------------------------------------------------------------------
// Layout -> Unicode: the glyph of each character.

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
constexpr char16_t kPunctuationSize = 0x30;

constexpr bool inPunctuation(char16_t c) {
    return c >= kPunctuationBase && c < kPunctuationBase + kPunctuationSize;
}

constexpr std::array<Glyph, kPunctuationSize> punctuationGlyphs() {
    std::array<Glyph, kPunctuationSize> table{};
    for (const Entry& e : kEntries) {
        if (inPunctuation(e.code)) table[e.code - kPunctuationBase] = e.glyph;
    }
    return table;
}

constexpr auto kPunctuation = punctuationGlyphs();

constexpr const Glyph& findGlyph(char16_t layoutChar) {
    if (layoutChar < 256) return kLatin[layoutChar];
    if (inPunctuation(layoutChar)) return kPunctuation[layoutChar - kPunctuationBase];
    for (const Entry& e : kEntries) {
        if (e.code == layoutChar) return e.glyph;
    }
    return kNoGlyph;
}

// ---------------------------------------------------------------------------
// Unicode -> layout, derived from the entries at compile time. A table that
// contradicts itself (two glyphs always written for one sign, variants that
// both fit one glyph) fails the build here.

// The Bengali block, and before it the dandas that Bengali shares with
// Devanagari.
constexpr char16_t kBengaliBase = 0x0960;
constexpr char16_t kBengaliSize = 0xA0;

constexpr bool inBengali(char16_t c) {
    return c >= kBengaliBase && c < kBengaliBase + kBengaliSize;
}

constexpr void require(bool holds, const char* what) {
    if (!holds) throw what;
}

constexpr void addChoice(Writing& w, const Entry& e) {
    require(w.kind == Kind::Other || w.kind == e.glyph.kind, "one sign, glyphs of two kinds");
    w.kind = e.glyph.kind;
    switch (e.choice.use) {
        case Use::Always:
            require(w.glyph == 0, "two glyphs always written for one sign");
            w.glyph = e.code;
            break;
        case Use::AtWordStart:
            require(w.atWordStart == 0, "two glyphs written at the start of a word");
            w.atWordStart = e.code;
            break;
        case Use::After: {
            Writing::Variant* free = nullptr;
            for (Writing::Variant& v : w.variants) {
                for (char16_t c : e.choice.after) {
                    require(v.after.find(c) == v.after.npos, "two variants fit one glyph");
                }
                if (v.glyph == 0 && free == nullptr) free = &v;
            }
            require(free != nullptr, "more variants than Writing holds");
            *free = {e.code, e.choice.after};
            break;
        }
        case Use::NotChosen:
            break;
    }
}

struct Writings {
    std::array<Writing, kBengaliSize> bengali{};
    std::array<Writing, kPunctuationSize> punctuation{};
    std::array<Writing, kBengaliSize> folas{};  // by the consonant after hasanta
};

constexpr Writings writings() {
    Writings w;
    for (const Entry& e : kEntries) {
        const Glyph& g = e.glyph;
        const std::u16string_view t = g.text;
        // Glyphs drawn with a vowel sign and conjunct glyphs have tables of their
        // own, half forms are written only in spellings, and the reph is one glyph.
        if (!g.vowel.empty() || g.kind == Kind::HalfForm || g.kind == Kind::Reph ||
            (g.kind == Kind::Consonant && t.size() > 1)) {
            continue;
        }
        if (g.kind == Kind::Fola) {
            if (t.size() == 2 && inBengali(t[1])) {
                addChoice(w.folas[t[1] - kBengaliBase], e);
            } else {
                require(e.choice.use == Use::NotChosen,
                        "a fola of more than one consonant is written only in spellings");
            }
        } else if (t.size() == 1 && inBengali(t[0])) {
            addChoice(w.bengali[t[0] - kBengaliBase], e);
        } else if (t.size() == 1 && inPunctuation(t[0])) {
            addChoice(w.punctuation[t[0] - kPunctuationBase], e);
        } else {
            require(false, "a glyph for text that no table holds");
        }
    }
    return w;
}

constexpr Writings kWritings = writings();
constexpr Writing kNoWriting{};

constexpr const Writing& findWriting(char16_t c) {
    if (inBengali(c)) return kWritings.bengali[c - kBengaliBase];
    if (inPunctuation(c)) return kWritings.punctuation[c - kPunctuationBase];
    return kNoWriting;
}

// A glyph drawn with a vowel sign in it.
struct SignedGlyph {
    char16_t sign = 0;
    Kind kind = Kind::Other;
    std::u16string_view text;
    char16_t code = 0;
};

constexpr std::size_t countWithSign() {
    std::size_t n = 0;
    for (const Entry& e : kEntries) n += e.glyph.vowel.empty() ? 0 : 1;
    return n;
}

constexpr std::array<SignedGlyph, countWithSign()> withSign() {
    std::array<SignedGlyph, countWithSign()> table{};
    std::size_t n = 0;
    for (const Entry& e : kEntries) {
        if (e.glyph.vowel.empty()) continue;
        require(e.glyph.vowel.size() == 1, "a glyph drawn with more than one sign");
        table[n++] = {e.glyph.vowel[0], e.glyph.kind, e.glyph.text, e.code};
    }
    return table;
}

constexpr auto kWithSign = withSign();

constexpr char16_t findReph() {
    char16_t reph = 0;
    for (const Entry& e : kEntries) {
        if (e.glyph.kind != Kind::Reph) continue;
        require(reph == 0, "two reph glyphs");
        reph = e.code;
    }
    return reph;
}

constexpr char16_t kReph = findReph();

// Unicode of a conjunct or a short layout spelling, kept inline.
struct ShortText {
    std::array<char16_t, 8> units{};
    std::size_t length = 0;

    constexpr bool empty() const { return length == 0; }
    constexpr std::size_t size() const { return length; }
    constexpr char16_t back() const { return units[length - 1]; }
    constexpr void append(char16_t c) {
        require(length < units.size(), "a conjunct longer than ShortText holds");
        units[length++] = c;
    }
    constexpr void append(std::u16string_view s) {
        for (char16_t c : s) append(c);
    }
    constexpr std::u16string_view view() const { return {units.data(), length}; }
};

struct ConjunctText {
    ShortText unicode;
    ShortText layout;
};

constexpr bool isOwnConjunctGlyph(const Entry& e) {
    return e.glyph.kind == Kind::Consonant && e.glyph.text.size() > 1 && e.glyph.vowel.empty() &&
           e.choice.use != Use::NotChosen;
}

constexpr std::size_t countConjuncts() {
    std::size_t n = std::size(kHalfFormSpellings);
    for (const Entry& e : kEntries) n += isOwnConjunctGlyph(e) ? 1 : 0;
    return n;
}

constexpr std::size_t kConjunctCount = countConjuncts();

constexpr std::array<ConjunctText, kConjunctCount> conjunctTexts() {
    std::array<ConjunctText, kConjunctCount> table{};
    std::size_t n = 0;
    for (const Entry& e : kEntries) {
        if (!isOwnConjunctGlyph(e)) continue;
        require(e.choice.use == Use::Always, "a conjunct glyph is written always or not at all");
        table[n].unicode.append(e.glyph.text);
        table[n].layout.append(e.code);
        ++n;
    }
    for (std::u16string_view spelling : kHalfFormSpellings) {
        require(findGlyph(spelling[0]).kind == Kind::HalfForm,
                "a spelling not begun by a half form");
        for (char16_t c : spelling) {
            const Glyph& g = findGlyph(c);
            require(g.kind != Kind::Other && g.vowel.empty(), "a spelling of no cluster");
            appendJoined(table[n].unicode, g.text);
        }
        table[n].layout.append(spelling);
        ++n;
    }
    for (const ConjunctText& c : table) {
        require(c.unicode.size() >= 3 && c.unicode.view()[1] == kHasanta,
                "a conjunct of one consonant");
    }
    // Longest first, so that the first match is the longest.
    for (std::size_t i = 1; i < table.size(); ++i) {
        for (std::size_t j = i; j > 0 && table[j - 1].unicode.size() < table[j].unicode.size();
             --j) {
            std::swap(table[j - 1], table[j]);
        }
    }
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            require(table[i].unicode.view() != table[j].unicode.view(),
                    "two spellings of one cluster");
        }
    }
    return table;
}

constexpr auto kConjunctTexts = conjunctTexts();

constexpr std::array<Conjunct, kConjunctCount> conjunctViews() {
    std::array<Conjunct, kConjunctCount> table{};
    for (std::size_t i = 0; i < kConjunctCount; ++i) {
        table[i] = {kConjunctTexts[i].unicode.view(), kConjunctTexts[i].layout.view()};
    }
    return table;
}

constexpr auto kConjuncts = conjunctViews();

// আ, typed as অ with া.
constexpr std::array<char16_t, 2> kAaLayout = {findWriting(kLetterA).glyph,
                                               findWriting(kSignAa).glyph};

}  // namespace

const Glyph& glyphOf(char16_t layoutChar) {
    return findGlyph(layoutChar);
}

const Writing& writingOf(char16_t unicodeChar) {
    return findWriting(unicodeChar);
}

const Writing& folaWriting(char16_t consonant) {
    return inBengali(consonant) ? kWritings.folas[consonant - kBengaliBase] : kNoWriting;
}

char16_t glyphWithSign(Kind kind, std::u16string_view text, char16_t sign) {
    for (const SignedGlyph& g : kWithSign) {
        if (g.sign == sign && g.kind == kind && g.text == text) return g.code;
    }
    return 0;
}

char16_t rephGlyph() {
    return kReph;
}

std::span<const Conjunct> conjuncts() {
    return kConjuncts;
}

std::u16string_view letterLayout(char16_t letter) {
    if (letter == kLetterAa) return {kAaLayout.data(), kAaLayout.size()};
    const Writing& w = findWriting(letter);
    if (w.kind != Kind::Consonant && w.kind != Kind::VowelLetter) return {};
    return {&w.glyph, 1};
}

}  // namespace bangla::detail
