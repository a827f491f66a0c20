#include "dictionaries/dictionary.h"

#include <array>

namespace dictionaries {

namespace {

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr std::array<Dictionary, kDictionaryCount> kDictionaries{{
    Dictionary(oxfordRows),
    Dictionary(computerRows),
    Dictionary(hardwareRows),
    Dictionary(bangladeshRows),
    Dictionary(internationalRows),
}};

}  // namespace

QStringList Dictionary::abbreviations() const {
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(m_rows().size()));
    for (const Row& row : m_rows()) texts.append(fromUtf8(row.abbreviation));
    return texts;
}

QString Dictionary::elaboration(std::int16_t row) const {
    const auto rows = m_rows();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return {};
    return fromUtf8(rows[static_cast<std::size_t>(row)].elaboration);
}

QString Dictionary::abbreviation(int row) const {
    const auto rows = m_rows();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return {};
    return fromUtf8(rows[static_cast<std::size_t>(row)].abbreviation);
}

const Dictionary& dictionary(int number) {
    static constexpr Dictionary none([] { return std::span<const Row>{}; });
    if (number < 1 || number > kDictionaryCount) return none;
    return kDictionaries[static_cast<std::size_t>(number - 1)];
}

}  // namespace dictionaries
