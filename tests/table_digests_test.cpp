// Every row of the five tables, both columns, against digests kept in
// tests/table_digests/. The other table tests check rows whose text is known
// and fixed, and the rules every row follows; this one catches any other edit,
// swap, loss or addition of a row, and names the first row that differs.
//
// After an intended change of a table's texts, rewrite the digests and review
// the change with git diff tests/table_digests:
//   ORVANTA_UPDATE_DIGESTS=1 build/default/tests/table_test --gtest_filter='*TableDigests*'

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <optional>
#include <span>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "dictionaries/row.h"

namespace {

using dictionaries::Row;

constexpr std::size_t kBlockRows = 32;

// FNV-1a, 64 bits: small, stable across platforms and releases, and one
// changed byte changes the value.
class Fnv1a {
public:
    void add(std::string_view bytes) {
        for (char c : bytes) m_hash = (m_hash ^ static_cast<unsigned char>(c)) * 0x100000001b3u;
    }
    std::uint64_t value() const { return m_hash; }

private:
    std::uint64_t m_hash = 0xcbf29ce484222325u;
};

// No text of any table holds a tab or a line feed, so the two columns and the
// rows cannot run into each other.
std::uint64_t rowDigest(const Row& row) {
    Fnv1a hash;
    hash.add(row.abbreviation);
    hash.add("\t");
    hash.add(row.elaboration);
    return hash.value();
}

std::uint64_t abbreviationDigest(const Row& row) {
    Fnv1a hash;
    hash.add(row.abbreviation);
    return hash.value();
}

std::uint64_t blockDigest(std::span<const Row> rows) {
    Fnv1a hash;
    for (const Row& row : rows) {
        hash.add(row.abbreviation);
        hash.add("\t");
        hash.add(row.elaboration);
        hash.add("\n");
    }
    return hash.value();
}

std::string hex(std::uint64_t value) {
    std::ostringstream out;
    out << std::hex << std::setw(16) << std::setfill('0') << value;
    return out.str();
}

struct StoredBlock {
    std::size_t first = 0;
    std::uint64_t digest = 0;
};

struct StoredRow {
    std::uint64_t digest = 0;
    std::uint64_t abbreviation = 0;  // tells a changed abbreviation from a changed elaboration
};

struct Digests {
    std::size_t rowCount = 0;
    std::vector<StoredBlock> blocks;
    std::vector<StoredRow> rows;
};

// One line of a digest file: "rows <count>", "block <first>-<last> <digest>"
// or "<row> <digest> <abbreviation digest>", rows in order.
bool readLine(std::istringstream& fields, Digests& digests, bool& counted) {
    std::string first;
    fields >> first;
    if (first == "rows") {
        counted = true;
        return static_cast<bool>(fields >> digests.rowCount);
    }
    std::string digest;
    if (first == "block") {
        std::size_t from = 0;
        std::size_t to = 0;
        char dash = 0;
        if (!(fields >> from >> dash >> to >> digest) || dash != '-') return false;
        digests.blocks.push_back({from, std::stoull(digest, nullptr, 16)});
        return from == digests.rows.size();
    }
    std::string abbreviation;
    if (!(fields >> digest >> abbreviation) || std::stoul(first) != digests.rows.size()) {
        return false;
    }
    digests.rows.push_back(
        {std::stoull(digest, nullptr, 16), std::stoull(abbreviation, nullptr, 16)});
    return true;
}

// The digest file of a table; nothing when it is missing or not in this form.
std::optional<Digests> readDigests(const std::string& path, std::string& problem) {
    std::ifstream in(path);
    if (!in) {
        problem = "cannot read " + path;
        return std::nullopt;
    }
    Digests digests;
    bool counted = false;
    std::string line;
    for (int lineNumber = 1; std::getline(in, line); ++lineNumber) {
        if (line.empty() || line.front() == '#') continue;
        std::istringstream fields(line);
        bool ok = false;
        try {
            ok = readLine(fields, digests, counted);
        } catch (const std::logic_error&) {  // a number that is none
        }
        if (!ok) {
            problem = path + ":" + std::to_string(lineNumber) + " is not a digest line";
            return std::nullopt;
        }
    }
    if (!counted || digests.rows.size() != digests.rowCount) {
        problem = path + " does not hold one digest for each of its rows";
        return std::nullopt;
    }
    return digests;
}

void writeDigests(const std::string& path, std::string_view table, std::span<const Row> rows) {
    std::ofstream out(path, std::ios::trunc);
    out << "# " << table << " table: a digest of every block of " << kBlockRows
        << " rows, then of each of its rows.\n"
           "# FNV-1a 64 over the UTF-8 of the abbreviation, a tab and the elaboration; a block's\n"
           "# digest runs over its rows, each followed by a line feed. After a row's digest\n"
           "# stands that of its abbreviation alone. Written by tests/table_digests_test.cpp\n"
           "# when ORVANTA_UPDATE_DIGESTS=1 is set.\n";
    out << "rows " << rows.size() << "\n";
    for (std::size_t first = 0; first < rows.size(); first += kBlockRows) {
        const auto block = rows.subspan(first, std::min(kBlockRows, rows.size() - first));
        out << "block " << first << "-" << first + block.size() - 1 << " "
            << hex(blockDigest(block)) << "\n";
        for (std::size_t r = first; r < first + block.size(); ++r) {
            out << r << " " << hex(rowDigest(rows[r])) << " " << hex(abbreviationDigest(rows[r]))
                << "\n";
        }
    }
}

// What differs between the table and its stored digests, for a reader who
// has to find the row; empty when nothing does.
std::string differences(std::string_view table, std::span<const Row> rows, const Digests& stored) {
    std::ostringstream out;
    if (rows.size() != stored.rowCount) {
        out << table << " table: " << rows.size() << " rows, the digests hold " << stored.rowCount
            << "\n";
    }
    std::vector<std::size_t> changedBlocks;
    for (std::size_t first = 0; first < std::max(rows.size(), stored.rowCount);
         first += kBlockRows) {
        const std::size_t index = first / kBlockRows;
        const bool inTable = first < rows.size();
        const bool inStore = index < stored.blocks.size();
        if (inTable && inStore &&
            blockDigest(rows.subspan(first, std::min(kBlockRows, rows.size() - first))) ==
                stored.blocks[index].digest) {
            continue;
        }
        changedBlocks.push_back(index);
    }
    if (changedBlocks.empty()) return out.str();

    std::vector<std::size_t> changedRows;
    for (std::size_t block : changedBlocks) {
        const std::size_t first = block * kBlockRows;
        const std::size_t end =
            std::min(first + kBlockRows, std::max(rows.size(), stored.rowCount));
        for (std::size_t r = first; r < end; ++r) {
            const bool same = r < rows.size() && r < stored.rows.size() &&
                              rowDigest(rows[r]) == stored.rows[r].digest;
            if (!same) changedRows.push_back(r);
        }
    }
    const std::size_t block = changedBlocks.front();
    const std::size_t last =
        std::min((block + 1) * kBlockRows, std::max(rows.size(), stored.rowCount)) - 1;
    out << table << " table, block " << block << " (rows " << block * kBlockRows << " to " << last
        << ") differs from its digest";
    if (changedRows.empty()) {
        out << ", though each of its rows matches its own\n";
        return out.str();
    }
    const std::size_t r = changedRows.front();
    out << "; the first row that differs is row " << r << ":\n";
    if (r < rows.size()) {
        out << "  the table now holds \"" << rows[r].abbreviation << "\" / \""
            << rows[r].elaboration << "\"\n";
    } else {
        out << "  the table no longer has this row\n";
    }
    if (r < stored.rows.size()) {
        const bool sameAbbreviation =
            r < rows.size() && abbreviationDigest(rows[r]) == stored.rows[r].abbreviation;
        out << (sameAbbreviation ? "  its abbreviation is the one the digests were taken of; "
                                   "its elaboration is not\n"
                                 : "  its abbreviation is not the one the digests were taken of\n");
    } else {
        out << "  the digests have no such row\n";
    }
    out << "  " << changedRows.size() << " row(s) differ in all:";
    for (std::size_t k = 0; k < changedRows.size() && k < 20; ++k) out << " " << changedRows[k];
    if (changedRows.size() > 20) out << " ...";
    out << "\n";
    return out.str();
}

struct Table {
    const char* name;
    const char* file;
    std::span<const Row> (*rows)();
};

void PrintTo(const Table& table, std::ostream* os) {
    *os << table.name;
}

const Table kTables[] = {
    {"Oxford", "oxford.txt", dictionaries::oxfordRows},
    {"Computer", "computer.txt", dictionaries::computerRows},
    {"Hardware", "hardware.txt", dictionaries::hardwareRows},
    {"Bangladesh", "bangladesh.txt", dictionaries::bangladeshRows},
    {"International", "international.txt", dictionaries::internationalRows},
};

bool updating() {
    const char* value = std::getenv("ORVANTA_UPDATE_DIGESTS");
    return value != nullptr && std::string_view(value) == "1";
}

class TableDigests : public testing::TestWithParam<Table> {};

TEST_P(TableDigests, EveryRowKeepsBothItsTexts) {
    const Table& table = GetParam();
    const auto rows = table.rows();
    const std::string path = std::string(ORVANTA_TABLE_DIGESTS) + "/" + table.file;

    std::string problem;
    const std::optional<Digests> stored = readDigests(path, problem);
    const std::string changes = stored ? differences(table.name, rows, *stored) : problem + "\n";
    if (updating()) {
        writeDigests(path, table.name, rows);
        std::cout << (changes.empty() ? "unchanged: " : "rewritten: ") << path << "\n";
        if (!changes.empty()) std::cout << "what had changed:\n" << changes;
        return;
    }
    if (changes.empty()) return;
    ADD_FAILURE()
        << changes
        << "If the change is intended, rewrite the digests and review them with git diff:\n"
           "  ORVANTA_UPDATE_DIGESTS=1 <build>/tests/table_test --gtest_filter='*TableDigests*'";
}

INSTANTIATE_TEST_SUITE_P(AllTables, TableDigests, testing::ValuesIn(kTables),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
