#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>
#include <span>

#include "dictionaries/row.h"

namespace dictionaries {

// What the windows know of a dictionary: its rows, in the order its list
// shows them, and the elaboration of each.
class Dictionary {
public:
    using Rows = std::span<const Row> (*)();

    constexpr explicit Dictionary(Rows rows) : m_rows(rows) {}

    int rowCount() const { return static_cast<int>(m_rows().size()); }

    // The abbreviations in row order, as the list shows them.
    QStringList abbreviations() const;

    // The elaboration of a row; the empty text for every number outside the
    // table, -1 (no selection) included.
    QString elaboration(int row) const;

    QString abbreviation(int row) const;

private:
    Rows m_rows;
};

// Dictionaries are numbered 1 Oxford, 2 Computer, 3 Hardware, 4 Bangladesh and
// 5 International: the digit of each one's window and buttons.
inline constexpr int kDictionaryCount = 5;

// The place of dictionary `number` in a table by dictionary number. Every such
// table is read through this, so that a number outside 1 to kDictionaryCount,
// which no window and no button has, stops the program here with a message
// instead of reading beside a table.
std::size_t dictionaryIndex(int number);

const Dictionary& dictionary(int number);

}  // namespace dictionaries
