#include "dictionaries/dictionary.h"

#include <array>

#include "forms/list_box.h"

namespace dictionaries {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr std::array<Dictionary, kDictionaryCount> kDictionaries{{
    {1, oxfordRows},
    {2, computerRows},
    {3, hardwareRows},
    {4, bangladeshRows},
    {5, internationalRows},
}};

}  // namespace

void Dictionary::fill(forms::ListBox& list) const {
    for (const Row& row : m_rows()) list.addItem(fromUtf8(row.abbreviation));
}

QString Dictionary::elaboration(std::int16_t row) const {
    const auto rows = m_rows();
    // One unsigned test rejects the negative numbers and those past the end.
    if (static_cast<std::uint32_t>(static_cast<std::int32_t>(row)) >= rows.size()) return {};
    return fromUtf8(rows[static_cast<std::size_t>(row)].elaboration);
}

QString Dictionary::abbreviation(int row) const {
    const auto rows = m_rows();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return {};
    return fromUtf8(rows[static_cast<std::size_t>(row)].abbreviation);
}

const Dictionary& dictionary(int number) {
    static constexpr Dictionary none{0, [] { return std::span<const Row>{}; }};
    if (number < 1 || number > kDictionaryCount) return none;
    return kDictionaries[static_cast<std::size_t>(number - 1)];
}

}  // namespace dictionaries
