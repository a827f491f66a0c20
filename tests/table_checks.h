#pragma once

// What the table tests ask of any abbreviation table.

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <map>
#include <ostream>
#include <set>
#include <span>
#include <string_view>
#include <vector>

#include "dictionaries/row.h"

namespace table_checks {

using dictionaries::Row;

// A row whose texts are known and fixed word for word.
struct KnownRow {
    int row;
    std::string_view abbreviation;
    std::string_view elaboration;
};

inline void PrintTo(const KnownRow& known, std::ostream* os) {
    *os << "row " << known.row;
}

// The row numbers of the rows that satisfy the predicate.
template <typename Predicate>
std::vector<int> rowsWhere(std::span<const Row> rows, Predicate predicate) {
    std::vector<int> result;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (predicate(rows[r])) result.push_back(static_cast<int>(r));
    }
    return result;
}

inline bool contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// One of the row's texts.
using Column = std::string_view Row::*;

// Row numbers grouped by one of the row's texts.
inline std::map<std::string_view, std::vector<int>> rowsBy(std::span<const Row> rows,
                                                           Column column) {
    std::map<std::string_view, std::vector<int>> groups;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        groups[rows[r].*column].push_back(static_cast<int>(r));
    }
    return groups;
}

// Only the groups that hold more than one row.
inline std::map<std::string_view, std::vector<int>> repeated(
    const std::map<std::string_view, std::vector<int>>& groups) {
    std::map<std::string_view, std::vector<int>> result;
    for (const auto& [text, group] : groups) {
        if (group.size() > 1) result.emplace(text, group);
    }
    return result;
}

// FNV-1a over every abbreviation followed by a line feed, in row order. The
// list shows these texts exactly, so any changed, lost, added or reordered
// abbreviation changes the value.
inline std::uint64_t abbreviationFingerprint(std::span<const Row> rows) {
    std::uint64_t hash = 0xcbf29ce484222325u;
    for (const Row& row : rows) {
        for (char c : row.abbreviation)
            hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
        hash = (hash ^ static_cast<unsigned char>('\n')) * 0x100000001b3u;
    }
    return hash;
}

// The row holds exactly the texts the known row gives. `Known` is a KnownRow
// or a table's own row type with the same three members.
template <typename Known>
void expectKnownRow(std::span<const Row> rows, const Known& known) {
    ASSERT_LT(static_cast<std::size_t>(known.row), rows.size());
    EXPECT_EQ(rows[known.row].abbreviation, known.abbreviation);
    EXPECT_EQ(rows[known.row].elaboration, known.elaboration);
}

// Each row named holds the abbreviation given for it.
inline void expectAbbreviationsAt(std::span<const Row> rows,
                                  const std::map<int, std::string_view>& expected) {
    for (const auto& [row, abbreviation] : expected) {
        ASSERT_LT(static_cast<std::size_t>(row), rows.size());
        EXPECT_EQ(rows[row].abbreviation, abbreviation) << "row " << row;
    }
}

// The rows from `first` to `last` whose abbreviations begin with `letter`.
struct LetterGroup {
    char letter;
    int first;
    int last;
};

// The groups follow one another from the first row to the last, with no row
// between them, and every abbreviation of a group begins with its letter.
inline void expectLetterGroups(std::span<const Row> rows, std::span<const LetterGroup> groups) {
    int next = 0;
    for (const LetterGroup& group : groups) {
        EXPECT_EQ(group.first, next) << group.letter;
        ASSERT_LT(group.last, static_cast<int>(rows.size())) << group.letter;
        for (int r = group.first; r <= group.last; ++r) {
            EXPECT_EQ(rows[r].abbreviation.front(), group.letter) << "row " << r;
        }
        next = group.last + 1;
    }
    EXPECT_EQ(next, static_cast<int>(rows.size()));
}

// The table holds `distinct` different elaborations, and exactly the groups of
// rows given share one.
inline void expectSharedElaborations(std::span<const Row> rows, std::size_t distinct,
                                     const std::set<std::vector<int>>& expected) {
    const auto rowsByText = rowsBy(rows, &Row::elaboration);
    EXPECT_EQ(rowsByText.size(), distinct);
    std::set<std::vector<int>> shared;
    for (const auto& [text, group] : repeated(rowsByText)) shared.insert(group);
    EXPECT_EQ(shared, expected);
}

// The table holds `distinct` different abbreviations; exactly those given
// stand in more than one row, in the rows given, and of these only the ones in
// `sameText` have the same elaboration in all their rows.
inline void expectRepeatedAbbreviations(
    std::span<const Row> rows, std::size_t distinct,
    const std::map<std::string_view, std::vector<int>>& expected,
    const std::set<std::string_view>& sameText) {
    const auto rowsByAbbreviation = rowsBy(rows, &Row::abbreviation);
    EXPECT_EQ(rowsByAbbreviation.size(), distinct);
    EXPECT_EQ(repeated(rowsByAbbreviation), expected);
    for (const auto& [abbreviation, group] : expected) {
        bool same = true;
        for (int r : group) same = same && rows[r].elaboration == rows[group.front()].elaboration;
        EXPECT_EQ(same, sameText.count(abbreviation) > 0) << abbreviation;
    }
}

}  // namespace table_checks
