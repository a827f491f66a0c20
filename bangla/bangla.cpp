#include "bangla/bangla.h"

#include <QVarLengthArray>

#include "bangla/layout_table.h"

namespace bangla {

namespace {

using detail::appendJoined;
using detail::Glyph;
using detail::glyphOf;
using detail::kHasanta;
using detail::Kind;
using detail::kSignAa;
using detail::writingOf;

constexpr char16_t kNukta = u'\u09BC';
constexpr char16_t kZwj = u'\u200D';
constexpr char16_t kRa = u'র';
constexpr char16_t kYa = u'য';
constexpr char16_t kSignE = u'ে';
constexpr char16_t kSignAu = u'ৗ';
constexpr char16_t kSignU = u'ু';
constexpr char16_t kSignUu = u'ূ';
constexpr char16_t kSignO = u'ো';
constexpr char16_t kSignOu = u'ৌ';

// Text of one syllable. Syllables are short, so it stays on the stack; only
// a freak run of signs makes it grow.
using Syllable = QVarLengthArray<char16_t, 64>;

// Unit by unit: for the few units of a glyph this is quicker than the range
// append, which copies through memcpy.
Q_ALWAYS_INLINE void append(Syllable& buf, std::u16string_view s) {
    for (char16_t c : s) buf.append(c);
}

std::u16string_view view(const Syllable& buf, qsizetype from = 0) {
    return {buf.constData() + from, size_t(buf.size() - from)};
}

void append(QString& out, const Syllable& buf) {
    out.append(reinterpret_cast<const QChar*>(buf.constData()), buf.size());
}

void append(QString& out, std::u16string_view s) {
    out.append(reinterpret_cast<const QChar*>(s.data()), qsizetype(s.size()));
}

bool contains(std::u16string_view set, char16_t c) {
    return set.find(c) != set.npos;
}

// ো and ৌ are written in two parts: ে before the cluster, and া or ৗ after
// it. The two-part sign of ে and `post`, or 0.
char16_t twoPartSign(char16_t post) {
    return post == kSignAa ? kSignO : post == kSignAu ? kSignOu : 0;
}

// The part of `sign` written after the cluster: া or ৗ of a two-part sign,
// else the sign itself.
char16_t postPart(char16_t sign) {
    return sign == kSignO ? kSignAa : sign == kSignOu ? kSignAu : sign;
}

// The part of `sign` written before the cluster: ে of a two-part sign, else
// the sign itself.
char16_t prePart(char16_t sign) {
    return sign == kSignO || sign == kSignOu ? kSignE : sign;
}

// ---------------------------------------------------------------------------
// Layout -> Unicode

const Glyph& glyphAt(QStringView text, qsizetype i) {
    return glyphOf(text[i].unicode());
}

bool standsFor(const Glyph& g, char16_t c) {
    return g.text.size() == 1 && g.text[0] == c;
}

Kind kindAt(QStringView text, qsizetype i) {
    return i < text.size() ? glyphAt(text, i).kind : Kind::Other;
}

void appendFola(Syllable& cluster, const Glyph& g) {
    // Ya-fola on a bare ra is র‍্য; without the joiner Unicode would read
    // it as reph on ya.
    if (cluster.size() == 1 && cluster[0] == kRa && g.text == u"্য") cluster.append(kZwj);
    appendJoined(cluster, g.text);
}

// One glyph, or half forms ending in a glyph: where a cluster, or the part of
// it after a hasanta, begins. Returns where it ends, or `i` when there is none.
qsizetype readCore(QStringView text, qsizetype i, Syllable& cluster, Syllable& vowels) {
    qsizetype j = i;
    while (kindAt(text, j) == Kind::HalfForm) ++j;
    const Kind last = kindAt(text, j);
    if (last != Kind::Consonant && !(last == Kind::Fola && j > i)) return i;
    for (qsizetype k = i; k <= j; ++k) {
        const Glyph& g = glyphAt(text, k);
        appendJoined(cluster, g.text);
        append(vowels, g.vowel);
    }
    return j + 1;
}

bool startsCluster(QStringView text, qsizetype i) {
    qsizetype j = i;
    while (kindAt(text, j) == Kind::HalfForm) ++j;
    const Kind last = kindAt(text, j);
    return last == Kind::Consonant || (last == Kind::Fola && j > i);
}

// Converts the syllable whose pre-base vowel signs stand at [preBegin, i) and
// whose cluster or vowel letter starts at i. Returns where it ends.
qsizetype convertSyllable(QStringView text, qsizetype preBegin, qsizetype i, QString& out) {
    Syllable cluster;
    Syllable vowels;
    Syllable marks;
    bool reph = false;
    const qsizetype clusterBegin = i;
    const bool vowelLetter = glyphAt(text, i).kind == Kind::VowelLetter;

    if (vowelLetter) {
        const Glyph& g = glyphAt(text, i);
        if (standsFor(g, detail::kLetterA) && i + 1 < text.size() &&
            standsFor(glyphAt(text, i + 1), kSignAa)) {
            cluster.append(detail::kLetterAa);
            i += 2;
        } else {
            append(cluster, g.text);
            i += 1;
        }
    } else {
        i = readCore(text, i, cluster, vowels);
    }

    // The rest of the cluster: folas, and hasanta with the consonant after it.
    for (;;) {
        const Kind k = kindAt(text, i);
        if (k == Kind::Fola) {
            const Glyph& g = glyphAt(text, i);
            appendFola(cluster, g);
            append(vowels, g.vowel);
            ++i;
        } else if (k == Kind::Hasanta && !vowelLetter) {
            cluster.append(kHasanta);
            ++i;
            i = readCore(text, i, cluster, vowels);
        } else {
            break;
        }
    }

    // What the layout types after the cluster: vowel signs, a ya-fola typed
    // after ু, the reph that crowns the syllable, and the marks.
    for (;;) {
        const Kind k = kindAt(text, i);
        const Glyph& g = i < text.size() ? glyphAt(text, i) : glyphOf(0);
        if (k == Kind::PostVowel) {
            append(vowels, g.text);
        } else if (k == Kind::Fola) {
            appendFola(cluster, g);
            append(vowels, g.vowel);
        } else if (k == Kind::Reph && !vowelLetter) {
            reph = true;
        } else if (k == Kind::Mark) {
            append(marks, g.text);
        } else {
            break;
        }
        ++i;
    }

    Syllable syllable;
    if (reph) append(syllable, glyphOf(detail::rephGlyph()).text);
    append(syllable, view(cluster));

    // Pre-base sign first: it follows the cluster in logical order. ে with
    // া or ৗ after the cluster is the two-part ো or ৌ.
    qsizetype v = 0;
    const bool onlyE = clusterBegin - preBegin == 1 && standsFor(glyphAt(text, preBegin), kSignE);
    const char16_t twoPart = onlyE && !vowels.isEmpty() ? twoPartSign(vowels[0]) : 0;
    if (twoPart != 0) {
        syllable.append(twoPart);
        v = 1;
    } else {
        for (qsizetype p = preBegin; p < clusterBegin; ++p) append(syllable, glyphAt(text, p).text);
    }
    append(syllable, view(vowels, v));
    append(syllable, view(marks));
    append(out, syllable);
    return i;
}

// ---------------------------------------------------------------------------
// Unicode -> layout

bool isConsonant(char16_t c) {
    return (c >= u'ক' && c <= u'হ' && !detail::letterLayout(c).empty()) || c == u'\u09DC' ||
           c == u'\u09DD' || c == u'\u09DF';
}

bool isVowelLetter(char16_t c) {
    return c >= u'অ' && c <= u'ঔ' && !detail::letterLayout(c).empty();
}

// A letter, vowel sign or mark of the Bengali block, or a joiner: something
// that keeps a word going.
bool isInWord(char16_t c) {
    return (c >= 0x0981 && c <= 0x09E3) || c == kZwj || c == 0x200C;
}

// The consonant at i, with ড ঢ য + nukta read as the precomposed letter.
// Returns 0 when there is none; `length` is the number of code units.
char16_t consonantAt(QStringView text, qsizetype i, qsizetype& length) {
    if (i >= text.size()) return 0;
    const char16_t c = text[i].unicode();
    if (!isConsonant(c)) return 0;
    length = 1;
    if (i + 1 < text.size() && text[i + 1].unicode() == kNukta) {
        switch (c) {
            case u'ড':
                length = 2;
                return u'\u09DC';
            case u'ঢ':
                length = 2;
                return u'\u09DD';
            case u'য':
                length = 2;
                return u'\u09DF';
            default:
                break;
        }
    }
    return c;
}

// The glyph written for `c` on its own, where nothing before it chooses
// another; 0 for none.
char16_t glyphFor(char16_t c) {
    return writingOf(c).choose();
}

// Writes the consonants of one cluster: the longest known conjunct at each
// start, then folas, then hasanta and a new start for what no fola writes.
void encodeCluster(const QVarLengthArray<char16_t, 8>& cons, Syllable& out) {
    // The cluster as Unicode, consonant k at 2k, to match conjuncts against.
    QVarLengthArray<char16_t, 16> joined;
    for (qsizetype k = 0; k < cons.size(); ++k) {
        if (k > 0) joined.append(kHasanta);
        joined.append(cons[k]);
    }
    const std::u16string_view all(joined.constData(), size_t(joined.size()));

    qsizetype k = 0;
    bool atStart = true;
    while (k < cons.size()) {
        if (atStart) {
            std::u16string_view layout = detail::letterLayout(cons[k]);
            qsizetype used = 1;
            // A conjunct joins two consonants at least.
            if (k + 1 < cons.size()) {
                const std::u16string_view rest = all.substr(size_t(2 * k));
                for (const detail::Conjunct& c : detail::conjuncts()) {
                    if (rest.starts_with(c.unicode) &&
                        (rest.size() == c.unicode.size() || rest[c.unicode.size()] == kHasanta)) {
                        used = qsizetype(c.unicode.size() + 1) / 2;
                        layout = c.layout;
                        break;
                    }
                }
            }
            append(out, layout);
            k += used;
            atStart = false;
            continue;
        }
        // The font has several shapes of some folas, each fitting certain glyphs
        // before it, and none of some.
        const char16_t fola = detail::folaWriting(cons[k]).choose(out.back());
        if (fola != 0) {
            out.append(fola);
            ++k;
        } else {
            out.append(glyphFor(kHasanta));
            atStart = true;
        }
    }
}

// The post-base glyph of a vowel sign (0 for none), chosen by the glyph that
// it follows.
char16_t postGlyph(char16_t sign, char16_t prev) {
    const detail::Writing& post = writingOf(postPart(sign));
    return post.kind == Kind::PostVowel ? post.choose(prev) : 0;
}

char16_t markGlyph(char16_t c) {
    const detail::Writing& mark = writingOf(c);
    return mark.kind == Kind::Mark ? mark.glyph : 0;
}

bool isVowelSign(char16_t c) {
    return contains(u"ািীুূৃেৈোৌৗ", c);
}

// The vowel sign at i, with ে and া or ৗ after it read as the one sign ো or
// ৌ. `length` is the number of code units.
char16_t vowelSignAt(QStringView text, qsizetype i, qsizetype& length) {
    const char16_t c = text[i].unicode();
    length = 1;
    if (c == kSignE && i + 1 < text.size()) {
        if (const char16_t twoPart = twoPartSign(text[i + 1].unicode()); twoPart != 0) {
            length = 2;
            return twoPart;
        }
    }
    return c;
}

// Converts the syllable starting at i with a consonant, a reph or a vowel
// letter. Returns where it ends.
qsizetype encodeSyllable(QStringView text, qsizetype i, QString& out) {
    const bool wordStart = i == 0 || !isInWord(text[i - 1].unicode());
    qsizetype len = 0;

    bool reph = false;
    if (text[i].unicode() == kRa && i + 2 < text.size() && text[i + 1].unicode() == kHasanta &&
        consonantAt(text, i + 2, len) != 0) {
        reph = true;
        i += 2;
    }

    QVarLengthArray<char16_t, 8> cons;
    if (isVowelLetter(text[i].unicode())) {
        cons.append(text[i].unicode());
        ++i;
    } else {
        cons.append(consonantAt(text, i, len));
        i += len;
    }
    bool hasanta = false;
    while (i < text.size()) {
        const char16_t c = text[i].unicode();
        if (c == kHasanta) {
            const char16_t next = consonantAt(text, i + 1, len);
            if (next == 0) {
                hasanta = true;
                ++i;
                break;
            }
            cons.append(next);
            i += 1 + len;
        } else if (c == kZwj && cons.back() == kRa && i + 2 < text.size() &&
                   text[i + 1].unicode() == kHasanta && text[i + 2].unicode() == kYa) {
            cons.append(kYa);
            i += 3;
        } else {
            break;
        }
    }

    char16_t sign = 0;
    if (!hasanta && i < text.size() && isVowelSign(text[i].unicode())) {
        sign = vowelSignAt(text, i, len);
        i += len;
    }

    Syllable glyphs;
    if (const detail::Writing& pre = writingOf(prePart(sign)); pre.kind == Kind::PreVowel) {
        glyphs.append(pre.choose(0, wordStart));
    }

    Syllable cluster;
    encodeCluster(cons, cluster);
    // Letters and folas the font draws with their vowel sign in one glyph.
    if (cons.size() == 1 && sign != 0) {
        const std::u16string_view letter(&cons[0], 1);
        if (const char16_t whole = detail::glyphWithSign(Kind::Consonant, letter, sign)) {
            cluster[0] = whole;
            sign = 0;
        }
    }
    if (sign != 0) {
        const Glyph& last = glyphOf(cluster.back());
        const char16_t whole =
            last.kind == Kind::Fola ? detail::glyphWithSign(Kind::Fola, last.text, sign) : 0;
        if (whole != 0) {
            cluster.back() = whole;
            sign = 0;
        }
    }

    // Ya-fola is typed after ু and ূ, which the font draws under the letter.
    const char16_t yaFola = detail::folaWriting(kYa).choose();
    const bool yaLast =
        (sign == kSignU || sign == kSignUu) && cluster.size() > 1 && cluster.back() == yaFola;
    if (yaLast) cluster.resize(cluster.size() - 1);
    append(glyphs, view(cluster));
    if (hasanta) glyphs.append(glyphFor(kHasanta));
    if (reph) glyphs.append(detail::rephGlyph());
    if (const char16_t post = postGlyph(sign, glyphs.back()); post != 0) glyphs.append(post);
    if (yaLast) glyphs.append(yaFola);

    while (i < text.size()) {
        const char16_t m = markGlyph(text[i].unicode());
        if (m == 0) break;
        glyphs.append(m);
        ++i;
    }
    append(out, glyphs);
    return i;
}

}  // namespace

QString toUnicode(QStringView layoutText) {
    QString out;
    out.reserve(layoutText.size() + layoutText.size() / 4 + 8);
    qsizetype i = 0;
    while (i < layoutText.size()) {
        const Glyph& g = glyphAt(layoutText, i);
        switch (g.kind) {
            case Kind::PreVowel: {
                qsizetype j = i;
                while (kindAt(layoutText, j) == Kind::PreVowel) ++j;
                if (startsCluster(layoutText, j)) {
                    i = convertSyllable(layoutText, i, j, out);
                } else {
                    for (; i < j; ++i) append(out, glyphAt(layoutText, i).text);
                }
                break;
            }
            case Kind::VowelLetter:
                i = convertSyllable(layoutText, i, i, out);
                break;
            case Kind::Consonant:
            case Kind::HalfForm:
                if (startsCluster(layoutText, i)) {
                    i = convertSyllable(layoutText, i, i, out);
                } else {
                    append(out, g.text);
                    ++i;
                }
                break;
            case Kind::Other:
                out.append(layoutText[i++]);
                break;
            default:
                append(out, g.text);
                append(out, g.vowel);
                ++i;
                break;
        }
    }
    return out;
}

QString toLayout(QStringView unicodeText) {
    QString out;
    out.reserve(unicodeText.size() + unicodeText.size() / 2 + 8);
    qsizetype i = 0;
    qsizetype len = 0;
    while (i < unicodeText.size()) {
        const char16_t c = unicodeText[i].unicode();
        if (consonantAt(unicodeText, i, len) != 0 || isVowelLetter(c)) {
            i = encodeSyllable(unicodeText, i, out);
            continue;
        }
        // A two-part sign with no cluster before it: both its parts.
        if (const char16_t sign = vowelSignAt(unicodeText, i, len);
            sign == kSignO || sign == kSignOu) {
            out.append(QChar(glyphFor(prePart(sign))));
            out.append(QChar(glyphFor(postPart(sign))));
            i += len;
            continue;
        }
        const char16_t g = glyphFor(c);
        out.append(QChar(g != 0 ? g : c));
        ++i;
    }
    return out;
}

}  // namespace bangla
