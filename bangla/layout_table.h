#pragma once

// The glyphs of the SutonnyMJ layout and the Unicode Bengali they stand for.
// Private to bangla/.

#include <cstdint>
#include <span>
#include <string_view>

namespace bangla::detail {

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
    std::u16string_view vowel;  // vowel sign drawn into the glyph (গু, শু, হু, হৃ, ্তু)
};

// The glyph that a layout character is; Kind::Other for a character the
// layout does not use.
const Glyph& glyphOf(char16_t layoutChar);

// A consonant cluster that the layout writes other than as one glyph per
// consonant joined by fola or hasanta: its own glyph, or a half form with
// what follows.
struct Conjunct {
    std::u16string_view unicode;  // consonants joined by U+09CD
    std::u16string_view layout;
};

// All of them, longer clusters before the clusters they begin with.
std::span<const Conjunct> conjuncts();

// Layout of one consonant (ক..হ, ড় ঢ় য়) or independent vowel; empty if none.
std::u16string_view letterLayout(char16_t letter);

}  // namespace bangla::detail
