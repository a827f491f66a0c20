#include "bangla/bangla.h"

#include <gtest/gtest.h>

#include <QString>
#include <random>
#include <string>
#include <vector>

#include "text/windows_1252.h"

namespace {

QString u8(const char* s) {
    return QString::fromUtf8(s);
}
QString q(const char16_t* s) {
    return QString::fromUtf16(s);
}
std::string u8(const QString& s) {
    return s.toStdString();
}

bool isAsciiLetter(QChar c) {
    return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z');
}

bool isBengaliConsonant(char16_t c) {
    return (c >= u'ক' && c <= u'হ') || c == u'\u09DC' || c == u'\u09DD' || c == u'\u09DF';
}

// Windows-1252 holds the only characters the layout can store.
bool inWindows1252(QChar c) {
    return text::isWindows1252(c.unicode());
}

// ---------------------------------------------------------------------------
// Texts whose Unicode is fixed: both directions.

struct Pair {
    const char* layout;
    const char* unicode;
};

void PrintTo(const Pair& pair, std::ostream* os) {
    *os << pair.layout;
}

class KnownPair : public testing::TestWithParam<Pair> {};

TEST_P(KnownPair, ConvertsBothWays) {
    EXPECT_EQ(u8(bangla::toUnicode(u8(GetParam().layout))), GetParam().unicode);
    EXPECT_EQ(u8(bangla::toLayout(u8(GetParam().unicode))), GetParam().layout);
}

INSTANTIATE_TEST_SUITE_P(
    Bangla, KnownPair,
    testing::Values(Pair{"GK wewjqb|", "এক বিলিয়ন।"}, Pair{"1024 evBU|", "১০২৪ বাইট।"},
                    Pair{"cÖwZ †m‡K‡Û GK wgwjqb mvB‡Kj|", "প্রতি সেকেন্ডে এক মিলিয়ন সাইকেল।"},
                    Pair{"wb‡`©kK", "নির্দেশক"}, Pair{"Kvh©vjq", "কার্যালয়"},
                    Pair{"Kgy¨wb‡Kkb", "কম্যুনিকেশন"}, Pair{"i¨ve", "র\u200D্যাব"},
                    Pair{"¸Y ïiæ ûeû ü`q ¯‘c", "গুণ শুরু হুবহু হৃদয় স্তুপ"}, Pair{"†hŠ_ †KŠkj", "যৌথ কৌশল"},
                    Pair{"A¨vWfvÝW G¨v‡m¤^wj", "অ্যাডভান্সড এ্যাসেম্বলি"},
                    Pair{"Pvu` †cuPv `ytL", "চাঁদ পেঁচা দুঃখ"}, Pair{"evwo Mvp bq", "বাড়ি গাঢ় নয়"}));

// Elaborations as the Hardware table stores them, and what a reader of the
// font sees in them.
const Pair kStoredRows[] = {
    {"Wm, DB‡ÛvR Ges Acv‡iwUs wm‡÷g (I.Gm/2) †Z cÖ_g d¬wc WªvB‡fi wb‡`©kK wn‡m‡e KvR K‡i|",
     "ডস, উইন্ডোজ এবং অপারেটিং সিস্টেম (ও.এস/২) তে প্রথম ফ্লপি ড্রাইভের নির্দেশক হিসেবে কাজ "
     "করে।"},
    {"(†RU.AvB.Gd) wRd K_vwU wR‡iv Bbmvikb †dvm© †_‡K G‡m‡Q| GKwU we‡klfv‡e wbwg©Z Pxc ev "
     "(AvB.wm) -i m‡KU †hLv‡b Lye mn‡R (AvB.wm) e`jv‡bv hvq| †cbwUqvg gv`vi‡evW© G cÖ‡mmi Gi "
     "Rb¨ wRd m‡KU i‡q‡Q|",
     "(জেট.আই.এফ) জিফ কথাটি জিরো ইনসারশন ফোর্স থেকে এসেছে। একটি বিশেষভাবে নির্মিত চীপ বা "
     "(আই.সি) -র সকেট যেখানে খুব সহজে (আই.সি) বদলানো যায়। পেনটিয়াম মাদারবোর্ড এ প্রসেসর এর "
     "জন্য জিফ সকেট রয়েছে।"},
    {"GKwU Kgy¨wb‡Kkb †cÖv‡UvKj hvi Dci wfwË K‡i B›Uvi‡bU P‡j|",
     "একটি কম্যুনিকেশন প্রোটোকল যার উপর ভিত্তি করে ইন্টারনেট চলে।"},
    {"‡g‡gvwi-i GKwU wbw`©ó¨ Ask †hLv‡b GKwU wbw`©ó¨ WvUv A_ev †cÖvMÖvg BÝUªvKkb †K Rgv K‡i |",
     "মেমোরি-র একটি নির্দিষ্ট্য অংশ যেখানে একটি নির্দিষ্ট্য ডাটা অথবা প্রোগ্রাম ইন্সট্রাকশন কে "
     "জমা করে ।"},
    {"GKwU wcÖ‡›UW mvwK©U †evW© (wc.wm.we) †hLv‡b †g‡gvwi wPc (AvB.wm) emv‡bv _v‡K|",
     "একটি প্রিন্টেড সার্কিট বোর্ড (পি.সি.বি) যেখানে মেমোরি চিপ (আই.সি) বসানো থাকে।"},
    {"GKwU wW¯‹ ,dvBj A_ev WKz‡g›U †hLvb †_‡K Z_¨ gyf A_ev Kwc Kiv n‡q‡Q|",
     "একটি ডিস্ক ,ফাইল অথবা ডকুমেন্ট যেখান থেকে তথ্য মুভ অথবা কপি করা হয়েছে।"},
    {"GKwU †cÖvMÖvg Gi IiwRb¨vj fvm©b hv †Kvb †j½y‡qR G †jLv BDRvi Gi Rb¨ wiW¨vej Ges hv "
     "K¤úvBj Kiv nq bvB|",
     "একটি প্রোগ্রাম এর ওরজিন্যাল ভার্সন যা কোন লেঙ্গুয়েজ এ লেখা ইউজার এর জন্য রিড্যাবল এবং "
     "যা কম্পাইল করা হয় নাই।"},
    {"nvW©wW¯‹ WªvB‡fi Ask we‡kl †hLv‡b ‡WUv †÷vi Kivi Rb¨ e¨envi Kiv nq|",
     "হার্ডডিস্ক ড্রাইভের অংশ বিশেষ যেখানে ডেটা স্টোর করার জন্য ব্যবহার করা হয়।"},
    {" (Kbmvj‡UwUf KwgwU Ib B›Uvib¨vkbvj †Uwj‡dvb GÛ †UwjMÖvd) GKwU †R‡bfv wfwËK cÖwZôvb hviv "
     "Iqvì-IqvBW †WUv Kgy¨wb‡Kkb ÷¨vÛvW© †WUv Kgy¨wb‡Kkb ÷¨ÛvW© ‰Zix K‡ib|",
     " (কনসালটেটিভ কমিটি ওন ইন্টারন্যাশনাল টেলিফোন এন্ড টেলিগ্রাফ) একটি জেনেভা ভিত্তিক "
     "প্রতিষ্ঠান যারা ওয়াল্ড-ওয়াইড ডেটা কম্যুনিকেশন স্ট্যান্ডার্ড ডেটা কম্যুনিকেশন স্ট্যন্ডার্ড "
     "তৈরী করেন।"},
    {"GKwU †cªv‡mmi hv wbw`©ó msL¨K G¨v‡m¤^wj †j½y‡qR wPwýZ Ki‡Z cv‡i| ",
     "একটি প্রোসেসর যা নির্দিষ্ট সংখ্যক এ্যাসেম্বলি লেঙ্গুয়েজ চিহ্নিত করতে পারে। "},
    {"‡cv‡U©ej KgwcDUvi                      (G wc.wm.Gg.wm.AvB.G) KvW© emv‡bvi møU _v‡K|",
     "পোর্টেবল কমপিউটার                      (এ পি.সি.এম.সি.আই.এ) কার্ড বসানোর স্লট থাকে।"},
    {"cwigv‡ci GKwU GKK  hv GK wgUv‡ii GK wgwjqb fv‡Mi GK fvM †K eySvq|",
     "পরিমাপের একটি একক  যা এক মিটারের এক মিলিয়ন ভাগের এক ভাগ কে বুঝায়।"},
    {"GK wewjqb|", "এক বিলিয়ন।"},
    {"1024 evBU|", "১০২৪ বাইট।"},
    {"cÖwZ †m‡K‡Û GK wgwjqb mvB‡Kj|", "প্রতি সেকেন্ডে এক মিলিয়ন সাইকেল।"},
    {"‡cÖvMÖvg Kivi †hvM¨Zv†K eySvq|", "প্রোগ্রাম করার যোগ্যতাকে বুঝায়।"},
};

class StoredRow : public testing::TestWithParam<Pair> {};

TEST_P(StoredRow, ReadsAsBengali) {
    EXPECT_EQ(u8(bangla::toUnicode(u8(GetParam().layout))), GetParam().unicode);
}

TEST_P(StoredRow, LeavesNoLatinLetterAndOrdersVowelSignsLogically) {
    const QString layout = u8(GetParam().layout);
    const QString text = bangla::toUnicode(layout);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        EXPECT_FALSE(isAsciiLetter(text[i])) << "at " << i << " of " << u8(text);
        if (c == u'ি' || c == u'ে' || c == u'ৈ') {
            EXPECT_TRUE(i > 0 && isBengaliConsonant(text[i - 1].unicode()))
                << "vowel sign at " << i << " not after its cluster in " << u8(text);
        }
    }
    // Blanks are no part of any glyph: the same runs in the same places.
    EXPECT_EQ(layout.count(u' '), text.count(u' '));
    EXPECT_EQ(layout.startsWith(u' '), text.startsWith(u' '));
    EXPECT_EQ(layout.endsWith(u' '), text.endsWith(u' '));
    EXPECT_EQ(layout.count(QStringLiteral("  ")), text.count(QStringLiteral("  ")));
}

TEST_P(StoredRow, RoundTripsThroughUnicode) {
    const QString unicode = u8(GetParam().unicode);
    EXPECT_EQ(u8(bangla::toUnicode(bangla::toLayout(unicode))), GetParam().unicode);
}

INSTANTIATE_TEST_SUITE_P(Bangla, StoredRow, testing::ValuesIn(kStoredRows));

// ---------------------------------------------------------------------------
// The layout's alternative glyphs for one sign all read the same.

class GlyphVariant : public testing::TestWithParam<Pair> {};

TEST_P(GlyphVariant, ReadsAsTheSameUnicode) {
    EXPECT_EQ(u8(bangla::toUnicode(u8(GetParam().layout))), GetParam().unicode);
}

INSTANTIATE_TEST_SUITE_P(
    Bangla, GlyphVariant,
    testing::Values(Pair{"†K", "কে"}, Pair{"‡K", "কে"}, Pair{"ˆK", "কৈ"}, Pair{"‰K", "কৈ"},
                    Pair{"Ky", "কু"}, Pair{"Kz", "কু"}, Pair{"Kæ", "কু"}, Pair{"K“", "কু"},
                    Pair{"K~", "কূ"}, Pair{"K‚", "কূ"}, Pair{"Kƒ", "কূ"}, Pair{"K…", "কৃ"},
                    Pair{"K„", "কৃ"}, Pair{"cª", "প্র"}, Pair{"cÖ", "প্র"}, Pair{"c«", "প্র"},
                    Pair{"K¡", "ক্ব"}, Pair{"K¦", "ক্ব"}, Pair{"KŸ", "ক্ব"}, Pair{"K^", "ক্ব"},
                    Pair{"K¬", "ক্ল"}, Pair{"Kø", "ক্ল"}, Pair{"K\u00AD", "ক্ল"}, Pair{"K¥", "ক্ম"},
                    Pair{"K§", "ক্ম"}, Pair{"´", "ক্ম"}, Pair{"¶", "ক্ষ"}, Pair{"ÿ", "ক্ষ"},
                    Pair{"Ê", "ণ্ড"}, Pair{"Ð", "ণ্ড"}, Pair{"šÍ", "ন্ত"}, Pair{"š—", "ন্ত"},
                    Pair{"›`", "ন্দ"}, Pair{"Ø", "দ্ব"}, Pair{"˜¡", "দ্ব"}, Pair{"K&K", "ক্ক"},
                    Pair{"K&ª", "ক্র"},
                    // Chandrabindu typed before or after the vowel sign it sits over.
                    Pair{"Pvu`", "চাঁদ"}, Pair{"Puv`", "চাঁদ"},
                    // Reph typed after the cluster, or after its vowel sign too.
                    Pair{"K©v", "র্কা"}, Pair{"Kv©", "র্কা"}, Pair{"wK©", "র্কি"}, Pair{"‡K©v", "র্কো"},
                    // Ya-fola typed before or after ু.
                    Pair{"Kgy¨", "কম্যু"}, Pair{"Kg¨y", "কম্যু"},
                    // Reph on ya, and ya-fola on ra.
                    Pair{"h©", "র্য"}, Pair{"i¨", "র\u200D্য"},
                    Pair{"Ò‡KvUÓ Ô‡KvUÕ 1|2\\ GÑI", "“কোট” ‘কোট’ ১।২॥ এ—ও"}));

// ---------------------------------------------------------------------------
// Round trips: toUnicode(toLayout(u)) == u for well-formed Bengali.

// Every cluster the layout writes with a glyph, a half form or a fola.
const char* const kConjuncts[] = {
    "ক্ক", "ক্ট",  "ক্ত",  "ক্ম",  "ক্র",  "ক্ষ",  "ক্স",  "ক্ষ্ম", "ক্ব",  "ক্ল",  "ক্ষ্ণ", "গ্ধ",  "গ্ন", "গ্ম",
    "গ্র", "গ্ল",  "ঘ্ন",  "ঙ্ক",  "ঙ্খ",  "ঙ্গ",  "ঙ্ঘ",  "ঙ্ক্ষ", "চ্চ",  "চ্ছ",  "চ্ঞ",  "চ্ছ্ব", "জ্জ", "জ্ঝ",
    "জ্ঞ", "জ্ব",  "জ্জ্ব", "ঞ্চ",  "ঞ্ছ",  "ঞ্জ",  "ঞ্ঝ",  "ট্ট",  "ট্ব",  "ট্ম",  "ট্র",  "ড্ড",  "ড্র", "ণ্ট",
    "ণ্ঠ", "ণ্ড",  "ণ্ব",  "ত্ত",  "ত্থ",  "ত্র",  "ত্ত্ব", "ত্ন",  "ত্ম",  "ত্ব",  "থ্ব",  "দ্গ",  "দ্ঘ", "দ্দ",
    "দ্ধ", "দ্ব",  "দ্ভ",  "দ্ম",  "দ্র",  "দ্ভ্র", "ধ্ব",  "ধ্ম",  "ন্ট",  "ন্ঠ",  "ন্ড",  "ন্ত",  "ন্থ", "ন্দ",
    "ন্ধ", "ন্ন",  "ন্ব",  "ন্ম",  "ন্স",  "ন্ত্র", "ন্ত্ব", "ন্দ্ব", "ন্দ্র", "ন্ড্র", "প্ট",  "প্ত",  "প্ন", "প্প",
    "প্ল", "প্স",  "প্র",  "ফ্ল",  "ফ্র",  "ব্জ",  "ব্দ",  "ব্ধ",  "ব্ব",  "ব্ল",  "ব্র",  "ভ্র",  "ম্ন", "ম্প",
    "ম্ফ", "ম্ব",  "ম্ভ",  "ম্ম",  "ম্ল",  "ম্প্র", "ম্ভ্র", "ল্ক",  "ল্গ",  "ল্ট",  "ল্ড",  "ল্প",  "ল্ফ", "ল্ব",
    "ল্ম", "ল্ল",  "শ্চ",  "শ্ছ",  "শ্ন",  "শ্ব",  "শ্ম",  "শ্ল",  "শ্র",  "ষ্ক",  "ষ্ণ",  "ষ্ট",  "ষ্ঠ", "ষ্প",
    "ষ্ফ", "ষ্ম",  "ষ্ক্র", "ষ্ট্র", "স্ক",  "স্খ",  "স্ট",  "স্ত",  "স্থ",  "স্ন",  "স্প",  "স্ফ",  "স্ব", "স্ম",
    "স্ল", "স্র",  "স্ক্র", "স্ত্র", "হ্ন",  "হ্ম",  "হ্ণ",  "হ্ব",  "হ্ল",  "হ্র",  "ক্য",  "ত্য",  "দ্য", "ন্য",
    "ব্য", "স্থ্য", "ক্ষ্য", "ন্ত্য", "ত্র্য",
};

// Vowel signs and marks that follow a cluster, in their Unicode order.
const char* const kSyllableEnds[] = {"", "া", "ি", "ী", "ু", "ূ", "ৃ", "ে", "ৈ", "ো", "ৌ", "ং", "োঁ"};

TEST(BanglaRoundTrip, EveryConjunctWithEveryVowelSign) {
    for (const char* conjunct : kConjuncts) {
        for (const char* end : kSyllableEnds) {
            for (const char* before : {"", "অ", "কা", "র্"}) {
                const QString word = u8(before) + u8(conjunct) + u8(end);
                const QString layout = bangla::toLayout(word);
                EXPECT_EQ(u8(bangla::toUnicode(layout)), u8(word)) << "layout " << u8(layout);
                EXPECT_FALSE(layout.contains(u'&')) << u8(word) << " -> " << u8(layout);
                for (QChar c : layout) EXPECT_TRUE(inWindows1252(c)) << u8(word);
            }
        }
    }
}

TEST(BanglaRoundTrip, Words) {
    const char* const words[] = {
        "কম্পিউটার",   "প্রোগ্রাম",   "ইন্টারনেট",     "স্ট্যান্ডার্ড",  "ব্যবহার",    "মাদারবোর্ড",
        "বাংলাদেশ",   "রাষ্ট্র",     "স্বাস্থ্য",       "উজ্জ্বল",      "সান্ত্বনা",   "কৃষ্ণ",
        "লক্ষ্মী",      "যক্ষ্মা",     "আকাঙ্ক্ষা",      "সম্প্রতি",     "সম্ভ্রম",     "উদ্ভ্রান্ত",
        "মন্ত্র",       "স্ক্রিন",     "নিষ্ক্রিয়",      "দ্বন্দ্ব",      "শৃঙ্খল",      "সঙ্ঘ",
        "বিজ্ঞান",     "উচ্চ",       "ইচ্ছা",         "যাচ্ঞা",      "অঞ্চল",      "বাঞ্ছা",
        "ব্যঞ্জন",      "ঝঞ্ঝা",      "চট্টগ্রাম",      "ঘণ্টা",       "কণ্ঠ",       "ঠাণ্ডা",
        "উত্তর",       "উত্থান",     "ত্রিশ",         "উদ্দেশ্য",     "বুদ্ধি",      "বিদ্বান",
        "পদ্ম",        "কান্না",     "ধ্বনি",         "শ্বাস",       "প্লাস্টিক",   "ফ্লপি",
        "ক্লাস",       "ব্লক",       "স্লট",          "শ্লোক",       "আহ্লাদ",     "ব্রহ্ম",
        "চিহ্ন",       "অপরাহ্ণ",    "তীক্ষ্ণ",        "আত্মা",       "সূর্য",       "কার্যালয়",
        "পূর্ব",        "নির্দেশ",    "ধর্ম",          "বর্ণ",        "কর্ম",       "তর্ক",
        "শর্ত",        "দুর্গ",       "সার্কিট",       "ঊর্ধ্ব",       "হ্যাঁ",       "বাড়ি",
        "গাঢ়",        "ভবিষ্যৎ",    "সত্ত্ব",         "জ্যোতি",      "দ্রুত",       "গ্রুপ",
        "প্রুফ",        "ক্রুশ",       "রূপ",           "রুপি",        "ত্রুটি",      "শ্রুতি",
        "স্তূপ",        "কুকুর",       "ফুল",           "পৃথিবী",      "মৃত্যু",       "দৃশ্য",
        "গৃহ",         "হৃৎপিণ্ড",    "বৈদ্যুতিক",      "ঐক্য",        "ঔষধ",       "ঋণ",
        "ঈদ",         "উৎস",       "অংশ",          "দুঃখ",        "পেঁচা",      "চাঁদ",
        "র\u200D্যাম", "অ্যাডভান্সড", "এ্যাসেম্বলি",    "কম্যুনিকেশন",  "গুণ",        "শুরু",
        "হুবহু",        "হৃদয়",       "যৌথ",          "কৌশল",       "গ্রাফিক্স",   "স্ক্যানার",
        "ডিস্ক",       "ড্রাইভ",     "মডেম",         "র্যাক",       "অক্ষর",      "পক্ষে",
        "রক্ষা",       "শিক্ষা",     "পরীক্ষা",       "লক্ষ্য",       "সংখ্যা",     "ব্যান্ডউইথ",
        "ট্রানজিস্টর",  "ইলেকট্রনিক", "মাইক্রোপ্রসেসর", "ফ্রিকোয়েন্সি", "কন্ট্রোলার",  "স্ট্রিমিং",
        "অ্যাড্রেস",    "ইন্সট্রাকশন", "প্রিন্টার",      "সফ্টওয়্যার",   "হার্ডওয়্যার", "নেটওয়ার্ক",
        "ক্যাশ",       "মেমোরি",    "ভোল্টেজ",       "বৈশিষ্ট্য",    "যন্ত্র",      "যান্ত্রিক",
        "স্থান",       "গ্রহণ",      "প্রক্রিয়া",      "উন্নত",       "সম্পূর্ণ",     "বিদ্যুৎ",
        "আন্তর্জাতিক",  "ইঞ্চি",      "স্প্রেড",        "চন্দ্রবিন্দু",   "স্পষ্ট",      "দৃষ্টি",
        "সৃষ্টি",       "কষ্ট",       "শ্রেণি",        "ক্ষেত্রে",     "দ্বারা",     "স্মৃতি",
        "বিস্ফোরণ",    "পুষ্প",       "নিষ্ফল",        "স্খলন",       "ভস্ম",       "উষ্ণ",
        "হস্ত",        "সংস্থা",
    };
    for (const char* word : words) {
        const QString layout = bangla::toLayout(u8(word));
        EXPECT_EQ(u8(bangla::toUnicode(layout)), word) << "layout " << u8(layout);
        for (QChar c : layout) EXPECT_TRUE(inWindows1252(c)) << word;
    }
}

TEST(BanglaRoundTrip, SentencesWithDigitsPunctuationAndBlanks) {
    const char* const texts[] = {
        "  এটি ৩.৫ ইঞ্চি ডিস্ক, যা ১.৪৪ মেগাবাইট ধরে।  ",
        "(আই.বি.এম পি.সি/এক্স.টি) - প্রথম সংস্করণ; দাম?  কম!",
        "“উদ্ধৃতি” আর ‘একক’ — ড্যাশ।।",
        "শেষে এক ফাঁকা ",
    };
    for (const char* text : texts) {
        const QString layout = bangla::toLayout(u8(text));
        EXPECT_EQ(u8(bangla::toUnicode(layout)), text) << "layout " << u8(layout);
        for (QChar c : layout) EXPECT_TRUE(inWindows1252(c)) << text;
    }
}

// ---------------------------------------------------------------------------
// Forms the output fixes, and forms toLayout accepts besides them.

TEST(BanglaForms, NuktaLettersComeOutPrecomposedAndGoInEitherForm) {
    EXPECT_EQ(bangla::toUnicode(u"o p q"), q(u"\u09DC \u09DD \u09DF"));
    EXPECT_EQ(bangla::toLayout(u"\u09A1\u09BC\u09BF \u09A2\u09BC \u09AF\u09BC"),
              bangla::toLayout(u"\u09DC\u09BF \u09DD \u09DF"));
    EXPECT_EQ(bangla::toLayout(u"\u09DC\u09BF \u09DD \u09DF"), q(u"wo p q"));
}

TEST(BanglaForms, TwoPartVowelSignsGoInEitherForm) {
    const QString composed = q(u"\u0995\u09CB \u0995\u09CC");
    const QString decomposed = q(u"\u0995\u09C7\u09BE \u0995\u09C7\u09D7");
    EXPECT_EQ(bangla::toLayout(decomposed), bangla::toLayout(composed));
    EXPECT_EQ(bangla::toLayout(composed), q(u"†Kv †KŠ"));
    EXPECT_EQ(bangla::toUnicode(bangla::toLayout(decomposed)), composed);
}

TEST(BanglaForms, ToLayoutWritesOnlyWindows1252) {
    const QString layout = bangla::toLayout(
        u8("একটি প্রিন্টেড সার্কিট বোর্ড (পি.সি.বি) যেখানে মেমোরি চিপ বসানো থাকে। ১০২৪ “ক” ‘খ’ —"));
    for (QChar c : layout) EXPECT_TRUE(inWindows1252(c)) << "U+" << std::hex << int(c.unicode());
}

// ---------------------------------------------------------------------------
// Blanks, punctuation and characters the layout does not know.

TEST(BanglaPassThrough, BlanksAndPunctuationStayAsTheyAre) {
    const QString blanks = QStringLiteral("K") + QString(22, u' ') + QStringLiteral("K  ");
    EXPECT_EQ(bangla::toUnicode(blanks), u8("ক") + QString(22, u' ') + u8("ক  "));
    EXPECT_EQ(bangla::toUnicode(u" , . - ( ) / : ; ? ! + = % "), q(u" , . - ( ) / : ; ? ! + = % "));
    EXPECT_EQ(bangla::toLayout(u8("  ক,খ.  ")), q(u"  K,L.  "));
}

TEST(BanglaPassThrough, UnknownCharactersAreKept) {
    EXPECT_EQ(bangla::toUnicode(u"K€K¹ºŽž\t\nΩ😀"), u8("ক€ক¹ºŽž\t\nΩ😀"));
    EXPECT_EQ(bangla::toLayout(u8("RAM ক€\tΩ😀 ঌ ব়")), u8("RAM K€\tΩ😀 ঌ e\u09BC"));
    EXPECT_EQ(bangla::toUnicode(u""), QString());
    EXPECT_EQ(bangla::toLayout(u""), QString());
}

TEST(BanglaPassThrough, SignsWithoutALetterStayWhereTheyAre) {
    // A pre-base sign with nothing to stand before, a lone half form or fola.
    EXPECT_EQ(bangla::toUnicode(u"w ‡"), u8("ি ে"));
    EXPECT_EQ(bangla::toUnicode(u"¯ ¨ ©"), u8("স্ ্য র্"));
    EXPECT_EQ(bangla::toUnicode(u"K& i&"), u8("ক্ র্"));
    EXPECT_EQ(bangla::toUnicode(bangla::toLayout(u8("ক্ র্"))), u8("ক্ র্"));
}

// Arbitrary input, valid or not: no crash, every layout letter read as
// Bengali, and everything else kept.
TEST(BanglaPassThrough, ArbitraryInputIsConvertedWithoutLoss) {
    const std::u16string alphabet =
        u"ABGKMTabcmpvwxyz~&^|09 ,.()¡¤¨©ª¯°¸ÍÖÛßæï÷øÿŒœŠšƒˆ–—‘’‚“”„†‡•…‰‹›™€¹\tΩ";
    std::mt19937 random(1234);
    std::uniform_int_distribution<size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 2000; ++round) {
        QString text;
        for (int n = length(random); n > 0; --n) text.append(QChar(alphabet[pick(random)]));
        const QString unicode = bangla::toUnicode(text);
        for (QChar c : unicode) ASSERT_FALSE(isAsciiLetter(c)) << u8(text);
        EXPECT_EQ(unicode.count(u'€'), text.count(u'€'));
        EXPECT_EQ(unicode.count(u'\t'), text.count(u'\t'));
        EXPECT_EQ(unicode.count(u' '), text.count(u' '));
        const QString back = bangla::toLayout(unicode);
        EXPECT_EQ(back.count(u'Ω'), text.count(u'Ω'));
    }
}

}  // namespace
