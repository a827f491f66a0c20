// Generates dictionaries/hardware.cpp, the Hardware table, from the row files
// tools/hardware_source/rows_*.tsv.
//
// Each line of a row file is one table row:
//     <row number> TAB <abbreviation> TAB <text>
// where <text> is the elaboration in Unicode Bengali, converted here to the
// SutonnyMJ layout, or "=" followed by the elaboration already in the layout.
// Blanks in the fields are part of them.
//
//   make_hardware_table [--root DIR] [--partial-to FILE]
//
// DIR is the source tree (default: the current directory). The table is
// written to DIR/dictionaries/hardware.cpp only when all 764 rows are there;
// --partial-to writes whatever rows there are to FILE instead, with empty
// rows standing in for the missing ones. Every problem found goes to stderr
// as "row N: rule: detail". Exit status: 0 no problem, 1 problems found, 2 a
// file could not be read or written.

#include <QSaveFile>
#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "bangla/bangla.h"

namespace {

namespace fs = std::filesystem;

constexpr int kRowCount = 764;
constexpr qsizetype kMinLength = 10;
constexpr qsizetype kMaxLength = 355;
constexpr long kTargetTotal = 90422;

const std::set<int> kLeadingBlank = {99, 199};
const std::set<int> kTrailingBlank = {34, 63, 153, 175, 402, 592, 596, 662, 715, 751, 761};
const std::set<int> kNoDanda = {101, 131};
const std::set<int> kSharedText = {382, 383};
// Rows holding runs of blanks inside the text, with the lengths of the runs.
const std::map<int, std::vector<int>> kBlankRuns = {
    {4, {7}},   {10, {2}},  {16, {2}},     {49, {11}},    {55, {2}},  {90, {5}},  {108, {2}},
    {128, {2}}, {178, {2}}, {182, {2}},    {183, {2, 2}}, {186, {2}}, {218, {2}}, {262, {2}},
    {391, {2}}, {451, {2}}, {453, {2, 2}}, {454, {2}},    {455, {2}}, {458, {2}}, {502, {2}},
    {511, {2}}, {516, {2}}, {531, {22}},   {549, {2}},    {734, {2}},
};
// Abbreviations that stand twice, the second time with its own elaboration.
const std::set<std::pair<int, int>> kRepeatedAbbreviations = {{443, 444}, {650, 651}};
constexpr int kAbbreviationWithBlank = 320;

struct Row {
    int number = -1;
    std::string abbreviation;
    QString layout;
    std::string where;  // file:line
};

class Report {
public:
    void problem(int row, const std::string& rule, const std::string& detail) {
        lines_.emplace(row, rule + (detail.empty() ? "" : ": " + detail));
    }
    void general(const std::string& line) { general_.push_back(line); }
    bool empty() const { return lines_.empty() && general_.empty(); }
    void print() const {
        for (const std::string& line : general_) std::fprintf(stderr, "%s\n", line.c_str());
        for (const auto& [row, line] : lines_) {
            std::fprintf(stderr, "row %d: %s\n", row, line.c_str());
        }
    }

private:
    std::multimap<int, std::string> lines_;
    std::vector<std::string> general_;
};

std::string utf8(const QString& s) {
    return s.toStdString();
}

std::string codePoint(char16_t c) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "U+%04X", unsigned(c));
    return buf;
}

bool inWindows1252(char16_t c) {
    static const std::u16string upper = u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ";
    return c < 0x80 || (c >= 0xA0 && c <= 0xFF) || upper.find(c) != std::u16string::npos;
}

// The spellings toLayout accepts besides the one toUnicode writes: nukta
// letters in two code points and the two-part vowel signs in two.
QString canonical(const QString& s) {
    QString out = s;
    out.replace(QString::fromUtf16(u"\u09A1\u09BC"), QString::fromUtf16(u"\u09DC"));
    out.replace(QString::fromUtf16(u"\u09A2\u09BC"), QString::fromUtf16(u"\u09DD"));
    out.replace(QString::fromUtf16(u"\u09AF\u09BC"), QString::fromUtf16(u"\u09DF"));
    out.replace(QString::fromUtf16(u"\u09C7\u09BE"), QString::fromUtf16(u"\u09CB"));
    out.replace(QString::fromUtf16(u"\u09C7\u09D7"), QString::fromUtf16(u"\u09CC"));
    return out;
}

// Lengths of the runs of two or more blanks between the first and the last
// character that is not a blank.
std::vector<int> innerBlankRuns(const QString& s) {
    std::vector<int> runs;
    qsizetype first = 0;
    qsizetype last = s.size();
    while (first < last && s[first] == u' ') ++first;
    while (last > first && s[last - 1] == u' ') --last;
    int run = 0;
    for (qsizetype i = first; i < last; ++i) {
        if (s[i] == u' ') {
            ++run;
        } else {
            if (run >= 2) runs.push_back(run);
            run = 0;
        }
    }
    return runs;
}

std::string joinRuns(const std::vector<int>& runs) {
    if (runs.empty()) return "none";
    std::string out;
    for (int r : runs) out += (out.empty() ? "" : ", ") + std::to_string(r);
    return out;
}

std::string ranges(const std::vector<int>& numbers) {
    std::string out;
    for (size_t i = 0; i < numbers.size();) {
        size_t j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1) ++j;
        out += (out.empty() ? "" : ", ") + std::to_string(numbers[i]);
        if (j > i) out += "-" + std::to_string(numbers[j]);
        i = j + 1;
    }
    return out;
}

// Reads one row file; false when it cannot be read at all.
bool readRowFile(const fs::path& path, std::map<int, Row>& rows, Report& report) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    const std::string name = path.filename().string();
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        const std::string where = name + ":" + std::to_string(lineNumber);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.empty()) continue;

        const size_t tab1 = line.find('\t');
        const size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        const std::string numberField = line.substr(0, tab1);
        int number = -1;
        const bool numeric = !numberField.empty() && numberField.size() <= 4 &&
                             std::all_of(numberField.begin(), numberField.end(),
                                         [](char c) { return c >= '0' && c <= '9'; });
        if (numeric) number = std::stoi(numberField);
        if (tab2 == std::string::npos || line.find('\t', tab2 + 1) != std::string::npos) {
            report.problem(number, "format", where + " does not have exactly three fields");
            continue;
        }
        if (!numeric || number >= kRowCount) {
            report.general(where + ": row number \"" + numberField + "\" is not one of 0-763");
            continue;
        }

        QStringDecoder decode(QStringDecoder::Utf8);
        const std::string textField = line.substr(tab2 + 1);
        const QString text = decode(QByteArrayView(textField.data(), qsizetype(textField.size())));
        if (decode.hasError()) {
            report.problem(number, "format", where + " is not valid UTF-8");
            continue;
        }

        Row row;
        row.number = number;
        row.abbreviation = line.substr(tab1 + 1, tab2 - tab1 - 1);
        row.where = where;
        if (text.startsWith(u'=')) {
            row.layout = text.mid(1);
        } else {
            row.layout = bangla::toLayout(text);
            const QString back = bangla::toUnicode(row.layout);
            if (back != canonical(text)) {
                report.problem(number, "round trip",
                               "toLayout gives \"" + utf8(row.layout) + "\", which reads \"" +
                                   utf8(back) + "\"");
            }
        }
        if (auto [it, added] = rows.emplace(number, row); !added) {
            report.problem(number, "duplicate", where + " repeats " + it->second.where);
        }
    }
    return true;
}

void checkAbbreviation(const Row& row, Report& report) {
    const std::string& a = row.abbreviation;
    if (a.empty() || a.size() > 60) {
        report.problem(row.number, "abbreviation length",
                       std::to_string(a.size()) + " characters, not 1-60");
    }
    for (char c : a) {
        const bool allowed = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') ||
                             (c >= '0' && c <= '9') ||
                             std::string_view(" '(),-./:").find(c) != std::string_view::npos;
        if (!allowed) {
            report.problem(row.number, "abbreviation character",
                           "byte " + std::to_string(static_cast<unsigned char>(c)));
            break;
        }
    }
    const bool edgeBlank = !a.empty() && (a.front() == ' ' || a.back() == ' ');
    const bool expected = row.number == kAbbreviationWithBlank;
    if (edgeBlank != expected ||
        (expected && (a.front() == ' ' || a.size() < 2 || a[a.size() - 2] == ' '))) {
        report.problem(row.number, "abbreviation blanks",
                       expected ? "must end with exactly one blank and begin with none"
                                : "begins or ends with a blank");
    }
    if (a.find("  ") != std::string::npos) {
        report.problem(row.number, "abbreviation blanks", "holds two blanks in a row");
    }
}

void checkLayout(const Row& row, Report& report) {
    const QString& t = row.layout;
    const int n = row.number;
    if (t.size() < kMinLength || t.size() > kMaxLength) {
        report.problem(n, "length", std::to_string(t.size()) + " characters, not 10-355");
    }

    std::set<char16_t> outside, forbidden;
    for (QChar qc : t) {
        const char16_t c = qc.unicode();
        if (!inWindows1252(c)) outside.insert(c);
        if (c < 0x20 || c == 0x7F || c == u'"' || c == u'\'' || c == 0xA0) forbidden.insert(c);
    }
    for (char16_t c : outside) {
        report.problem(n, "not in Windows-1252",
                       codePoint(c) + " \"" + utf8(QString(QChar(c))) + "\"");
    }
    for (char16_t c : forbidden) {
        report.problem(n, "forbidden character", codePoint(c));
    }

    const bool leading = t.startsWith(u' ');
    if (leading != kLeadingBlank.contains(n)) {
        report.problem(n, "leading blank",
                       leading ? "has one, must not" : "must begin with a blank");
    }
    const bool trailing = t.endsWith(u' ');
    if (trailing != kTrailingBlank.contains(n)) {
        report.problem(n, "trailing blank",
                       trailing ? "has one, must not" : "must end with a blank");
    }
    const QString body = trailing ? t.chopped(1) : t;
    if (trailing && body.endsWith(u' ')) {
        report.problem(n, "trailing blank", "ends with more than one blank");
    }
    if (kNoDanda.contains(n)) {
        if (body.endsWith(u'|')) report.problem(n, "ending", "must not end with \"|\"");
    } else if (!body.endsWith(u'|')) {
        report.problem(n, "ending", trailing ? "must end with \"| \"" : "must end with \"|\"");
    }

    const std::vector<int> runs = innerBlankRuns(t);
    const auto expected = kBlankRuns.find(n);
    const std::vector<int> wanted =
        expected == kBlankRuns.end() ? std::vector<int>{} : expected->second;
    if (runs != wanted) {
        report.problem(n, "runs of blanks",
                       "has " + joinRuns(runs) + ", must have " + joinRuns(wanted));
    }
}

void checkTable(const std::map<int, Row>& rows, Report& report) {
    std::map<QString, int> firstWithText;
    std::map<std::string, int> firstWithAbbreviation;
    for (const auto& [n, row] : rows) {
        checkAbbreviation(row, report);
        checkLayout(row, report);

        const auto [it, added] = firstWithText.emplace(row.layout, n);
        if (!added && !(kSharedText.contains(n) && kSharedText.contains(it->second))) {
            report.problem(n, "distinct texts", "same text as row " + std::to_string(it->second));
        }
        std::string lower = row.abbreviation;
        std::transform(lower.begin(), lower.end(), lower.begin(),
                       [](unsigned char c) { return char(std::tolower(c)); });
        const auto [at, fresh] = firstWithAbbreviation.emplace(lower, n);
        if (!fresh && !kRepeatedAbbreviations.contains({at->second, n})) {
            report.problem(n, "distinct abbreviations",
                           "same abbreviation as row " + std::to_string(at->second));
        }
    }
    const auto a = rows.find(382);
    const auto b = rows.find(383);
    if (a != rows.end() && b != rows.end() && a->second.layout != b->second.layout) {
        report.problem(383, "shared text", "must be the same text as row 382");
    }
}

std::string literal(const std::string& s) {
    std::string out = "\"";
    for (char c : s) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string tableSource(const std::map<int, Row>& rows) {
    std::ostringstream out;
    out << "#include \"dictionaries/row.h\"\n"
           "\n"
           "namespace dictionaries {\n"
           "\n"
           "namespace {\n"
           "\n"
           "// Elaborations are Bengali in the 8-bit SutonnyMJ layout; see bangla/.\n"
           "constexpr Row kRows[] = {\n";
    for (int n = 0; n < kRowCount; ++n) {
        const auto it = rows.find(n);
        if (it == rows.end()) {
            out << "    {\"\", \"\"},\n";
        } else {
            out << "    {" << literal(it->second.abbreviation) << ", "
                << literal(utf8(it->second.layout)) << "},\n";
        }
    }
    out << "};\n"
           "\n"
           "}  // namespace\n"
           "\n"
           "std::span<const Row> hardwareRows() { return kRows; }\n"
           "\n"
           "}  // namespace dictionaries\n";
    return out.str();
}

bool writeFile(const fs::path& path, const std::string& content) {
    QSaveFile file(QString::fromStdString(path.string()));
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write(content.data(), qint64(content.size()));
    return file.commit();
}

int usage(const char* program) {
    std::fprintf(stderr, "usage: %s [--root DIR] [--partial-to FILE]\n", program);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path root = ".";
    fs::path partialTo;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if ((arg == "--root" || arg == "--partial-to") && i + 1 < argc) {
            (arg == "--root" ? root : partialTo) = argv[++i];
        } else {
            return usage(argv[0]);
        }
    }

    const fs::path sourceDir = root / "tools" / "hardware_source";
    std::vector<fs::path> files;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(sourceDir, error)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.starts_with("rows_") && name.ends_with(".tsv")) {
            files.push_back(entry.path());
        }
    }
    if (error) {
        std::fprintf(stderr, "cannot read %s: %s\n", sourceDir.c_str(), error.message().c_str());
        return 2;
    }
    std::sort(files.begin(), files.end());

    Report report;
    std::map<int, Row> rows;
    for (const fs::path& file : files) {
        if (!readRowFile(file, rows, report)) {
            std::fprintf(stderr, "cannot read %s\n", file.c_str());
            return 2;
        }
    }

    std::vector<int> missing;
    for (int n = 0; n < kRowCount; ++n) {
        if (!rows.contains(n)) missing.push_back(n);
    }
    if (!missing.empty()) {
        report.general("missing rows (" + std::to_string(missing.size()) + "): " + ranges(missing));
    }
    checkTable(rows, report);
    report.print();

    long total = 0;
    for (const auto& [n, row] : rows) total += long(row.layout.size());
    std::fprintf(stderr, "%zu rows from %zu files, %ld characters in all (target %ld)\n",
                 rows.size(), files.size(), total, kTargetTotal);

    fs::path target = partialTo;
    if (target.empty()) {
        if (!missing.empty()) {
            std::fprintf(stderr, "not all rows there: dictionaries/hardware.cpp left as it is\n");
            return 1;
        }
        target = root / "dictionaries" / "hardware.cpp";
    }
    if (!writeFile(target, tableSource(rows))) {
        std::fprintf(stderr, "cannot write %s\n", target.c_str());
        return 2;
    }
    std::fprintf(stderr, "wrote %s\n", target.c_str());
    return report.empty() ? 0 : 1;
}
