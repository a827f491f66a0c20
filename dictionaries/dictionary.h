#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
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
    QString elaboration(std::int16_t row) const;

    QString abbreviation(int row) const;

private:
    Rows m_rows;
};

// 1 Oxford, 2 Computer, 3 Hardware, 4 Bangladesh, 5 International.
const Dictionary& dictionary(int number);

inline constexpr int kDictionaryCount = 5;

}  // namespace dictionaries
