#pragma once

// The glyphs of the SutonnyMJ layout and the Unicode Bengali they stand for,
// and, derived from them, how Unicode is written in the layout. Private to
// bangla/.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace bangla::detail {

inline constexpr char16_t kHasanta = u'\u09CD';

// আ has no glyph: the layout types it as অ followed by the sign া.
inline constexpr char16_t kLetterA = u'অ';
inline constexpr char16_t kLetterAa = u'আ';
inline constexpr char16_t kSignAa = u'া';

enum class Kind : std::uint8_t {
    Other,        // no glyph of the layout: kept as it is
    Symbol,       // digit, danda, quotation mark, dash: one for one
    VowelLetter,  // independent vowel
    Consonant,    // consonant, or conjunct drawn as one full glyph
    HalfForm,     // consonant with hasanta, drawn joined to the glyph after it
    Fola,         // subjoined form, hasanta + consonant (ya-, ra-, ba-fola ...)
    Hasanta,
    PreVowel,  // vowel sign drawn, and so typed, before its cluster
    PostVowel,
    Reph,
    Mark,  // anusvara, visarga, chandrabindu
};

struct Glyph {
    Kind kind = Kind::Other;
    std::u16string_view text;  // the Unicode it stands for
    // The vowel sign drawn into the glyph (গু, শু, হু, হৃ, ্তু).
    std::u16string_view vowel;
};

// The glyph that a layout character is; Kind::Other for a character the
// layout does not use.
const Glyph& glyphOf(char16_t layoutChar);

// Appends a piece of a cluster's Unicode. A half form ends in hasanta and a
// fola begins with one; joined they share it.
template <typename Text>
constexpr void appendJoined(Text& text, std::u16string_view piece) {
    if (!text.empty() && text.back() == kHasanta && piece.starts_with(kHasanta)) {
        piece.remove_prefix(1);
    }
    for (char16_t c : piece) text.append(c);
}

// How toLayout writes one character of Unicode, or one consonant as a fola:
// `glyph`, unless a variant fits the glyph written before it or the start of
// a word. 0 where the layout has no glyph for it.
struct Writing {
    struct Variant {
        char16_t glyph = 0;
        std::u16string_view after;  // the glyphs it is written after
    };

    Kind kind = Kind::Other;
    char16_t glyph = 0;
    char16_t atWordStart = 0;
    std::array<Variant, 2> variants{};

    constexpr char16_t choose(char16_t previous = 0, bool wordStart = false) const {
        if (wordStart && atWordStart != 0) return atWordStart;
        for (const Variant& v : variants) {
            if (v.after.find(previous) != v.after.npos) return v.glyph;
        }
        return glyph;
    }
};

// A letter, sign, mark or symbol written on its own.
const Writing& writingOf(char16_t unicodeChar);

// `consonant` written as a fola: Writing::glyph 0, and no variant that fits,
// where it must be joined with hasanta instead.
const Writing& folaWriting(char16_t consonant);

// The glyph of `kind` that draws `text` with the vowel sign `sign` in it; 0
// for none.
char16_t glyphWithSign(Kind kind, std::u16string_view text, char16_t sign);

char16_t rephGlyph();

// A consonant cluster that the layout writes other than as one glyph per
// consonant joined by fola or hasanta: its own glyph, or a half form with
// what follows.
struct Conjunct {
    std::u16string_view unicode;  // consonants joined by U+09CD
    std::u16string_view layout;
};

// All of them, longer clusters before the clusters they begin with.
std::span<const Conjunct> conjuncts();

// Layout of one consonant (ক..হ, ড় ঢ় য় ৎ) or independent vowel; empty if none.
std::u16string_view letterLayout(char16_t letter);

}  // namespace bangla::detail
