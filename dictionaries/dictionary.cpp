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

QString Dictionary::elaboration(int row) const {
    const auto rows = m_rows();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return {};
    return fromUtf8(rows[static_cast<std::size_t>(row)].elaboration);
}

QString Dictionary::abbreviation(int row) const {
    const auto rows = m_rows();
    if (row < 0 || static_cast<std::size_t>(row) >= rows.size()) return {};
    return fromUtf8(rows[static_cast<std::size_t>(row)].abbreviation);
}

std::size_t dictionaryIndex(int number) {
    if (number < 1 || number > kDictionaryCount) qFatal("there is no dictionary %d", number);
    return static_cast<std::size_t>(number - 1);
}

const Dictionary& dictionary(int number) {
    return kDictionaries[dictionaryIndex(number)];
}

}  // namespace dictionaries
