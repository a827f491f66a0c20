// Generates dictionaries/hardware.cpp, the Hardware table, from the row files
// tools/hardware_source/rows_*.tsv.
//
// Each line of a row file is one table row:
//     <row number> TAB <abbreviation> TAB <text>
// where <text> is the elaboration in Unicode Bengali, converted here to the
// SutonnyMJ layout, or "=" followed by the elaboration already in the layout.
// Blanks in the fields are part of them.
//
//   make_hardware_table [--root DIR] [--output FILE]
//
// DIR is the source tree (default: the current directory). The table is
// written to DIR/dictionaries/hardware.cpp, or to FILE with --output, only
// when all 764 rows are there and every row keeps the rules of
// dictionaries/hardware_rules.h. Every problem found goes to stderr as
// "row N: rule: detail". Exit status: 0 no problem, 1 problems found, 2 a
// file could not be read or written.

#include <QSaveFile>
#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "bangla/bangla.h"
#include "dictionaries/hardware_rules.h"

namespace {

namespace fs = std::filesystem;

namespace rules = dictionaries::hardware_rules;

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
        if (!numeric || number >= rules::kRowCount) {
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

std::u16string_view utf16(const QString& s) {
    return {QStringView(s).utf16(), static_cast<std::size_t>(s.size())};
}

void checkRows(const std::map<int, Row>& rows, Report& report) {
    std::vector<rules::RowText> texts;
    for (const auto& [n, row] : rows) texts.push_back({n, row.abbreviation, utf16(row.layout)});
    for (const rules::RowText& text : texts) {
        for (const rules::Problem& p : rules::checkRow(text))
            report.problem(p.row, p.rule, p.detail);
    }
    for (const rules::Problem& p : rules::checkTable(texts))
        report.problem(p.row, p.rule, p.detail);
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
    out << "// Generated file: do not edit. tools/make_hardware_table makes it from the\n"
           "// row files tools/hardware_source/rows_*.tsv. To change a row, edit its line\n"
           "// there and run, in the source tree (with the build directory you use):\n"
           "//     build/default/make_hardware_table --root .\n"
           "// The test HardwareTable.IsGeneratedFromItsRowFiles fails while this file\n"
           "// and the row files disagree; CONTRIBUTING.md has the whole procedure.\n"
           "\n"
           "#include \"dictionaries/row.h\"\n"
           "\n"
           "namespace dictionaries {\n"
           "\n"
           "namespace {\n"
           "\n"
           "// Elaborations are Bengali in the 8-bit SutonnyMJ layout; see bangla/.\n"
           "constexpr Row kRows[] = {\n";
    // Called only with every row there, so the map's order is the table's.
    for (const auto& [n, row] : rows)
        out << "    {" << literal(row.abbreviation) << ", " << literal(utf8(row.layout)) << "},\n";
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
    std::fprintf(stderr, "usage: %s [--root DIR] [--output FILE]\n", program);
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    fs::path root = ".";
    fs::path output;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--root" && i + 1 < argc) {
            root = argv[++i];
        } else if (arg == "--output" && i + 1 < argc) {
            output = argv[++i];
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
    for (int n = 0; n < rules::kRowCount; ++n) {
        if (!rows.contains(n)) missing.push_back(n);
    }
    if (!missing.empty()) {
        report.general("missing rows (" + std::to_string(missing.size()) + "): " + ranges(missing));
    }
    checkRows(rows, report);
    report.print();

    std::fprintf(stderr, "%zu rows from %zu files\n", rows.size(), files.size());

    const fs::path target = output.empty() ? root / "dictionaries" / "hardware.cpp" : output;
    if (!report.empty()) {
        std::fprintf(stderr, "problems found: %s left as it is\n", target.c_str());
        return 1;
    }
    if (!writeFile(target, tableSource(rows))) {
        std::fprintf(stderr, "cannot write %s\n", target.c_str());
        return 2;
    }
    std::fprintf(stderr, "wrote %s\n", target.c_str());
    return 0;
}
