#include "bangla/bangla.h"

#include <QVarLengthArray>

#include "bangla/layout_table.h"

namespace bangla {

namespace {

using detail::Glyph;
using detail::glyphOf;
using detail::Kind;

constexpr char16_t kHasanta = u'\u09CD';
constexpr char16_t kNukta = u'\u09BC';
constexpr char16_t kZwj = u'\u200D';
constexpr char16_t kRa = u'র';
constexpr char16_t kYa = u'য';
constexpr char16_t kSignE = u'ে';
constexpr char16_t kSignAa = u'া';
constexpr char16_t kSignAu = u'ৗ';
constexpr char16_t kSignU = u'ু';
constexpr char16_t kSignUu = u'ূ';
constexpr char16_t kSignR = u'ৃ';

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

// ---------------------------------------------------------------------------
// Layout -> Unicode

const Glyph& glyphAt(QStringView text, qsizetype i) {
    return glyphOf(text[i].unicode());
}

Kind kindAt(QStringView text, qsizetype i) {
    return i < text.size() ? glyphAt(text, i).kind : Kind::Other;
}

// Appends a piece of a cluster. A half form ends in hasanta and a fola begins
// with one; joined they share it.
void appendJoined(Syllable& cluster, std::u16string_view piece) {
    if (!cluster.isEmpty() && cluster.back() == kHasanta && !piece.empty() &&
        piece.front() == kHasanta) {
        piece.remove_prefix(1);
    }
    append(cluster, piece);
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
        if (g.text == u"অ" && i + 1 < text.size() && text[i + 1] == u'v') {
            append(cluster, u"আ");
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
    if (reph) append(syllable, u"র্");
    append(syllable, view(cluster));

    // Pre-base sign first: it follows the cluster in logical order. ে with
    // া or ৗ after the cluster is the two-part ো or ৌ.
    qsizetype v = 0;
    const bool twoPart = clusterBegin - preBegin == 1 &&
                         glyphAt(text, preBegin).text.front() == kSignE && !vowels.isEmpty() &&
                         (vowels[0] == kSignAa || vowels[0] == kSignAu);
    if (twoPart) {
        syllable.append(vowels[0] == kSignAa ? u'ো' : u'ৌ');
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

// The fola that writes `c` after the glyph `prev`, or 0 when `c` must be
// joined with hasanta instead. The font has several shapes of some folas;
// each fits certain letters.
char16_t folaFor(char16_t c, char16_t prev) {
    switch (c) {
        case u'য':
            return u'¨';
        case u'র':
            if (contains(u"Mckm", prev)) return u'Ö';
            return prev == u'd' ? u'«' : u'ª';
        case u'ব':
            if (contains(u"jkaen", prev)) return u'¦';
            return prev == u'Y' ? u'^' : u'¡';
        case u'ম':
            return u'¥';
        case u'ল':
            return contains(u"Kdn", prev) ? u'¬' : u'ø';
        case u'ন':
            return u'œ';
        case u'ণ':
            return contains(u"n¶", prev) ? u'è' : 0;
        default:
            return 0;
    }
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
            const std::u16string_view rest = all.substr(size_t(2 * k));
            qsizetype used = 1;
            std::u16string_view layout = detail::letterLayout(cons[k]);
            for (const detail::Conjunct& c : detail::conjuncts()) {
                if (rest.starts_with(c.unicode) &&
                    (rest.size() == c.unicode.size() || rest[c.unicode.size()] == kHasanta)) {
                    used = qsizetype(c.unicode.size() + 1) / 2;
                    layout = c.layout;
                    break;
                }
            }
            append(out, layout);
            k += used;
            atStart = false;
            continue;
        }
        const char16_t fola = folaFor(cons[k], out.back());
        if (fola != 0) {
            out.append(fola);
            ++k;
        } else {
            out.append(u'&');
            atStart = true;
        }
    }
}

char16_t uGlyph(char16_t prev) {
    if (contains(u"iªÖ«Îµå", prev)) return u'æ';
    return contains(u"KPQSUVWXZdf¶Áþ¾°¼Ü×ä©‹÷ù", prev) ? u'z' : u'y';
}

char16_t uuGlyph(char16_t prev) {
    if (contains(u"iªÖ«Îµå", prev)) return u'ƒ';
    return contains(u"KPQSUVWXZdf¶Áþ¾°¼Ü×ä©‹÷ù", prev) ? u'‚' : u'~';
}

char16_t rGlyph(char16_t prev) {
    return contains(u"cNgekLMmlR_`abjhY§¥", prev) ? u'„' : u'…';
}

// The post-base glyph of a vowel sign (0 for none), chosen by the glyph that
// it follows.
char16_t postGlyph(char16_t sign, char16_t prev) {
    switch (sign) {
        case u'া':
        case u'ো':
            return u'v';
        case u'ী':
            return u'x';
        case u'ু':
            return uGlyph(prev);
        case u'ূ':
            return uuGlyph(prev);
        case u'ৃ':
            return rGlyph(prev);
        case u'ৌ':
        case u'ৗ':
            return u'Š';
        default:
            return 0;
    }
}

char16_t markGlyph(char16_t c) {
    switch (c) {
        case u'ং':
            return u's';
        case u'ঃ':
            return u't';
        case u'ঁ':
            return u'u';
        default:
            return 0;
    }
}

bool isVowelSign(char16_t c) {
    return contains(u"ািীুূৃেৈোৌৗ", c);
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
        sign = text[i].unicode();
        ++i;
        if (sign == kSignE && i < text.size() &&
            (text[i].unicode() == kSignAa || text[i].unicode() == kSignAu)) {
            sign = text[i].unicode() == kSignAa ? u'ো' : u'ৌ';
            ++i;
        }
    }

    Syllable glyphs;
    switch (sign) {
        case u'ি':
            glyphs.append(u'w');
            break;
        case u'ে':
        case u'ো':
        case u'ৌ':
            glyphs.append(wordStart ? u'†' : u'‡');
            break;
        case u'ৈ':
            glyphs.append(u'‰');
            break;
        default:
            break;
    }

    Syllable cluster;
    encodeCluster(cons, cluster);
    if (cons.size() == 1 && (sign == kSignU || sign == kSignR)) {
        // Letters the font draws with their u- or r-sign in one glyph.
        const char16_t whole = sign == kSignR    ? (cons[0] == u'হ' ? u'ü' : 0)
                               : cons[0] == u'গ' ? u'¸'
                               : cons[0] == u'শ' ? u'ï'
                               : cons[0] == u'হ' ? u'û'
                                                 : 0;
        if (whole != 0) {
            cluster[0] = whole;
            sign = 0;
        }
    }
    if (sign == kSignU && cluster.back() == u'Í') {
        cluster.back() = u'‘';
        sign = 0;
    }

    // Ya-fola is typed after ু and ূ, which the font draws under the letter.
    const bool yaLast =
        cluster.size() > 1 && cluster.back() == u'¨' && (sign == kSignU || sign == kSignUu);
    if (yaLast) cluster.resize(cluster.size() - 1);
    append(glyphs, view(cluster));
    if (hasanta) glyphs.append(u'&');
    if (reph) glyphs.append(u'©');
    if (const char16_t post = postGlyph(sign, glyphs.back()); post != 0) glyphs.append(post);
    if (yaLast) glyphs.append(u'¨');

    while (i < text.size()) {
        const char16_t m = markGlyph(text[i].unicode());
        if (m == 0) break;
        glyphs.append(m);
        ++i;
    }
    append(out, glyphs);
    return i;
}

// A character met outside a syllable.
char16_t loneGlyph(char16_t c) {
    if (c >= u'০' && c <= u'৯') return char16_t(u'0' + (c - u'০'));
    switch (c) {
        case u'।':
            return u'|';
        case u'॥':
            return u'\\';
        case u'“':
            return u'Ò';
        case u'”':
            return u'Ó';
        case u'‘':
            return u'Ô';
        case u'’':
            return u'Õ';
        case u'—':
            return u'Ñ';
        case u'ৎ':
            return u'r';
        case kHasanta:
            return u'&';
        case u'ি':
            return u'w';
        case u'ে':
            return u'‡';
        case u'ৈ':
            return u'‰';
        default:
            break;
    }
    if (const char16_t m = markGlyph(c); m != 0) return m;
    return postGlyph(c, 0);
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
        if (c == kSignE && i + 1 < unicodeText.size() &&
            (unicodeText[i + 1].unicode() == kSignAa || unicodeText[i + 1].unicode() == kSignAu)) {
            out.append(QChar(u'‡'));
            out.append(QChar(unicodeText[i + 1].unicode() == kSignAa ? u'v' : u'Š'));
            i += 2;
            continue;
        }
        if (c == u'ো' || c == u'ৌ') {
            out.append(QChar(u'‡'));
            out.append(QChar(c == u'ো' ? u'v' : u'Š'));
            ++i;
            continue;
        }
        const char16_t g = loneGlyph(c);
        out.append(QChar(g != 0 ? g : c));
        ++i;
    }
    return out;
}

}  // namespace bangla
