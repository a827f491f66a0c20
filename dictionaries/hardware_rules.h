#pragma once

// What every row of the Hardware table keeps. tools/make_hardware_table refuses
// rows that break these rules before it writes dictionaries/hardware.cpp, and
// the Hardware table tests hold the built table to the same rules.
//
// Elaborations are checked as UTF-16 text in the SutonnyMJ layout, as the
// elaboration box receives them; abbreviations as the ASCII the list shows.

#include <algorithm>
#include <array>
#include <cctype>
#include <cstddef>
#include <cstdio>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace dictionaries::hardware_rules {

inline constexpr int kRowCount = 764;
inline constexpr std::size_t kMinTextLength = 10;
inline constexpr std::size_t kMaxTextLength = 355;
inline constexpr std::size_t kMaxAbbreviationLength = 60;

inline constexpr std::array<int, 2> kRowsWithLeadingBlank = {99, 199};
inline constexpr std::array<int, 11> kRowsWithTrailingBlank = {34,  63,  153, 175, 402, 592,
                                                               596, 662, 715, 751, 761};
// Every other elaboration ends with the danda "|" (before its trailing blank).
inline constexpr std::array<int, 2> kRowsWithoutDanda = {101, 131};
// The one pair of rows that share an elaboration.
inline constexpr std::array<int, 2> kRowsSharingAText = {382, 383};
// Abbreviations that stand twice, each time with its own elaboration.
inline constexpr std::array<std::array<int, 2>, 2> kRepeatedAbbreviations = {
    {{443, 444}, {650, 651}}};
// The only abbreviation with a blank at an edge: one trailing blank.
inline constexpr int kAbbreviationWithTrailingBlank = 320;

// Rows holding runs of two or more blanks inside the text, with the lengths of
// the runs in reading order.
struct BlankRuns {
    int row;
    std::array<int, 2> runs;  // 0 where a row has only one run
};
inline constexpr std::array<BlankRuns, 26> kRowsWithBlankRuns = {{
    {4, {7, 0}},   {10, {2, 0}},  {16, {2, 0}},  {49, {11, 0}}, {55, {2, 0}},  {90, {5, 0}},
    {108, {2, 0}}, {128, {2, 0}}, {178, {2, 0}}, {182, {2, 0}}, {183, {2, 2}}, {186, {2, 0}},
    {218, {2, 0}}, {262, {2, 0}}, {391, {2, 0}}, {451, {2, 0}}, {453, {2, 2}}, {454, {2, 0}},
    {455, {2, 0}}, {458, {2, 0}}, {502, {2, 0}}, {511, {2, 0}}, {516, {2, 0}}, {531, {22, 0}},
    {549, {2, 0}}, {734, {2, 0}},
}};

// The characters of the text form beyond Latin-1. Each reaches the font as a
// Windows-1252 byte other than its code point. The rest of Windows-1252 (the
// florin sign, the euro sign, the dashes, ...) is not part of the text form.
inline constexpr std::array<char16_t, 17> kCharactersBeyondLatin1 = {
    u'\u0152', u'\u0153', u'\u0160', u'\u0161', u'\u02C6', u'\u2018',
    u'\u2019', u'\u201A', u'\u201D', u'\u201E', u'\u2020', u'\u2021',
    u'\u2026', u'\u2030', u'\u2039', u'\u203A', u'\u2122',
};

// The character set of the elaborations: printable ASCII but for the double
// quote and the apostrophe, Latin-1 from U+00A1 (U+00A0 is not a blank the box
// may break at), and the seventeen characters above. No control character.
constexpr bool isTextFormCharacter(char16_t c) {
    if (c >= 0x20 && c <= 0x7E) return c != u'"' && c != u'\'';
    if (c >= 0xA1 && c <= 0xFF) return true;
    return std::find(kCharactersBeyondLatin1.begin(), kCharactersBeyondLatin1.end(), c) !=
           kCharactersBeyondLatin1.end();
}

struct Problem {
    int row;
    std::string rule;
    std::string detail;
};

// One row as the checks see it.
struct RowText {
    int row;
    std::string_view abbreviation;
    std::u16string_view text;
};

namespace detail {

template <std::size_t N>
constexpr bool listed(const std::array<int, N>& rows, int row) {
    return std::find(rows.begin(), rows.end(), row) != rows.end();
}

inline std::string codePoint(char16_t c) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "U+%04X", static_cast<unsigned>(c));
    return buffer;
}

inline std::string joined(const std::vector<int>& numbers) {
    if (numbers.empty()) return "none";
    std::string out;
    for (int n : numbers) out += (out.empty() ? "" : ", ") + std::to_string(n);
    return out;
}

// Lengths of the runs of two or more blanks between the first and the last
// character that is not a blank.
inline std::vector<int> innerBlankRuns(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(u' ');
    std::vector<int> runs;
    int run = 0;
    for (std::size_t i = first; i <= last; ++i) {
        if (text[i] == u' ') {
            ++run;
        } else {
            if (run >= 2) runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

inline std::vector<int> expectedBlankRuns(int row) {
    for (const BlankRuns& entry : kRowsWithBlankRuns) {
        if (entry.row != row) continue;
        std::vector<int> runs;
        for (int run : entry.runs) {
            if (run > 0) runs.push_back(run);
        }
        return runs;
    }
    return {};
}

}  // namespace detail

inline bool hasLeadingBlank(int row) {
    return detail::listed(kRowsWithLeadingBlank, row);
}
inline bool hasTrailingBlank(int row) {
    return detail::listed(kRowsWithTrailingBlank, row);
}
inline bool endsWithDanda(int row) {
    return !detail::listed(kRowsWithoutDanda, row);
}
inline std::vector<int> blankRunsOf(int row) {
    return detail::expectedBlankRuns(row);
}

// The problems of one row on its own: lengths, characters, blanks, ending.
inline std::vector<Problem> checkRow(const RowText& r) {
    std::vector<Problem> problems;
    const auto problem = [&](std::string rule, std::string detail) {
        problems.push_back({r.row, std::move(rule), std::move(detail)});
    };

    const std::string_view a = r.abbreviation;
    if (a.empty() || a.size() > kMaxAbbreviationLength) {
        problem("abbreviation length", std::to_string(a.size()) + " characters, not 1-60");
    }
    for (char c : a) {
        const bool allowed = std::isalnum(static_cast<unsigned char>(c)) ||
                             std::string_view(" '(),-./:").find(c) != std::string_view::npos;
        if (!allowed || static_cast<unsigned char>(c) >= 0x80) {
            problem("abbreviation character",
                    "byte " + std::to_string(static_cast<unsigned char>(c)));
            break;
        }
    }
    const bool edgeBlank = !a.empty() && (a.front() == ' ' || a.back() == ' ');
    if (r.row == kAbbreviationWithTrailingBlank) {
        if (a.size() < 2 || a.front() == ' ' || a.back() != ' ' || a[a.size() - 2] == ' ') {
            problem("abbreviation blanks", "must end with exactly one blank and begin with none");
        }
    } else if (edgeBlank) {
        problem("abbreviation blanks", "begins or ends with a blank");
    }
    if (a.find("  ") != std::string_view::npos) {
        problem("abbreviation blanks", "holds two blanks in a row");
    }

    const std::u16string_view t = r.text;
    if (t.size() < kMinTextLength || t.size() > kMaxTextLength) {
        problem("length", std::to_string(t.size()) + " characters, not 10-355");
    }
    std::vector<char16_t> outside;
    for (char16_t c : t) {
        if (!isTextFormCharacter(c) &&
            std::find(outside.begin(), outside.end(), c) == outside.end()) {
            outside.push_back(c);
        }
    }
    for (char16_t c : outside) {
        problem("character outside the text form", detail::codePoint(c));
    }

    const bool leading = !t.empty() && t.front() == u' ';
    if (leading != hasLeadingBlank(r.row)) {
        problem("leading blank", leading ? "has one, must not" : "must begin with a blank");
    }
    const bool trailing = !t.empty() && t.back() == u' ';
    if (trailing != hasTrailingBlank(r.row)) {
        problem("trailing blank", trailing ? "has one, must not" : "must end with a blank");
    }
    const std::u16string_view body = trailing ? t.substr(0, t.size() - 1) : t;
    if (trailing && !body.empty() && body.back() == u' ') {
        problem("trailing blank", "ends with more than one blank");
    }
    const bool danda = !body.empty() && body.back() == u'|';
    if (danda != endsWithDanda(r.row)) {
        problem("ending", danda ? "must not end with \"|\""
                                : (trailing ? "must end with \"| \"" : "must end with \"|\""));
    }

    const std::vector<int> runs = detail::innerBlankRuns(t);
    const std::vector<int> wanted = blankRunsOf(r.row);
    if (runs != wanted) {
        problem("runs of blanks",
                "has " + detail::joined(runs) + ", must have " + detail::joined(wanted));
    }
    return problems;
}

// The problems between rows: texts and abbreviations that repeat where they
// must not, and the one shared text that must be shared.
inline std::vector<Problem> checkTable(std::span<const RowText> rows) {
    std::vector<Problem> problems;
    std::map<std::u16string_view, int> firstWithText;
    std::map<std::string, int> firstWithAbbreviation;
    for (const RowText& r : rows) {
        const auto [text, fresh] = firstWithText.emplace(r.text, r.row);
        if (!fresh && !(detail::listed(kRowsSharingAText, r.row) &&
                        detail::listed(kRowsSharingAText, text->second))) {
            problems.push_back(
                {r.row, "distinct texts", "same text as row " + std::to_string(text->second)});
        }
        std::string lower(r.abbreviation);
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const auto [abbreviation, unique] = firstWithAbbreviation.emplace(lower, r.row);
        const std::array<int, 2> pair = {abbreviation->second, r.row};
        if (!unique && std::find(kRepeatedAbbreviations.begin(), kRepeatedAbbreviations.end(),
                                 pair) == kRepeatedAbbreviations.end()) {
            problems.push_back(
                {r.row, "distinct abbreviations",
                 "same abbreviation as row " + std::to_string(abbreviation->second)});
        }
    }
    const auto rowText = [&](int row) -> const RowText* {
        for (const RowText& r : rows) {
            if (r.row == row) return &r;
        }
        return nullptr;
    };
    const RowText* first = rowText(kRowsSharingAText[0]);
    const RowText* second = rowText(kRowsSharingAText[1]);
    if (first && second && first->text != second->text) {
        problems.push_back({second->row, "shared text",
                            "must be the same text as row " + std::to_string(first->row)});
    }
    return problems;
}

}  // namespace dictionaries::hardware_rules
