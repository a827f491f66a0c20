#pragma once

// What the table tests ask of any abbreviation table.

#include <cstdint>
#include <map>
#include <ostream>
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

}  // namespace table_checks
