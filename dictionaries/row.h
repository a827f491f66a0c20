#pragma once

#include <span>
#include <string_view>

namespace dictionaries {

// One row of an abbreviation table: the text the list shows and the text the
// elaboration box shows. Both are UTF-8, character for character as the table
// has them (blanks, typos and punctuation included).
struct Row {
    std::string_view abbreviation;
    std::string_view elaboration;
};

// The five tables, each in row order.
std::span<const Row> oxfordRows();
std::span<const Row> computerRows();
std::span<const Row> hardwareRows();
std::span<const Row> bangladeshRows();
std::span<const Row> internationalRows();

}  // namespace dictionaries
