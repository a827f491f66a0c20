#pragma once

#include <QString>
#include <cstdint>
#include <span>

#include "dictionaries/row.h"

namespace forms {
class ListBox;
}

namespace dictionaries {

// What the windows know of a dictionary: its number, its list filling and its
// elaboration lookup.
class Dictionary {
public:
    using Rows = std::span<const Row> (*)();

    constexpr Dictionary(int number, Rows rows) : m_number(number), m_rows(rows) {}

    int number() const { return m_number; }
    int rowCount() const { return static_cast<int>(m_rows().size()); }

    // Appends every abbreviation, in row order, after the rows the list holds.
    // Clears nothing and selects nothing.
    void fill(forms::ListBox& list) const;

    // The elaboration of a row; the empty text for every number outside the
    // table, -1 (no selection) included.
    QString elaboration(std::int16_t row) const;

    QString abbreviation(int row) const;

private:
    int m_number;
    Rows m_rows;
};

// 1 Oxford, 2 Computer, 3 Hardware, 4 Bangladesh, 5 International.
const Dictionary& dictionary(int number);

inline constexpr int kDictionaryCount = 5;

}  // namespace dictionaries
