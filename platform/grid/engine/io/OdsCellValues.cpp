// What the .ods reader of liborcus passes over: boolean cells, percentage and currency
// cells, the text and boolean results of formulas, and repeated rows (it reads the
// first of them only). A second, light pass over the first table of content.xml finds
// them by position (rows and cells repeated as the format repeats them) and adds them
// to what the library collected.

#include <unordered_map>
#include <vector>

#include <orcus/sax_parser.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include "platform/grid/engine/io/ImportedBook.h"

namespace grid {

namespace {

struct FoundValue {
    int32_t col = 0; // from 1
    int32_t row = 0; // from 1
    Value value;
    bool formula = false;
};

int64_t repeatOf(std::string_view s) {
    int64_t n = 0;
    for (char c : s) {
        if (c < '0' || c > '9' || n > 100'000'000)
            return 1;
        n = n * 10 + (c - '0');
    }
    return n < 1 ? 1 : n;
}

// Rows from `row` (from 1) that the file repeats `count` times in all.
struct RepeatedRow {
    int32_t row = 0;
    int64_t count = 1;
};

class ContentScan : public orcus::sax_handler {
public:
    std::vector<FoundValue> found;
    std::vector<RepeatedRow> repeats;

    void attribute(const orcus::sax::parser_attribute& a) {
        if (a.ns == "table" &&
            (a.name == "number-rows-repeated" || a.name == "number-columns-repeated"))
            m_repeat = repeatOf(a.value);
        else if (a.ns == "table" && a.name == "formula")
            m_formula = true;
        else if (a.ns == "office" && a.name == "value-type")
            m_type = std::string(a.value);
        else if (a.ns == "office" &&
                 (a.name == "value" || a.name == "boolean-value" || a.name == "string-value"))
            m_attrs[std::string(a.name)] = std::string(a.value);
    }

    void start_element(const orcus::sax::parser_element& e) {
        if (e.ns == "table" && e.name == "table")
            ++m_tables;
        if (m_tables == 1 && e.ns == "table") {
            if (e.name == "table-row") {
                m_rowRepeat = m_repeat;
                m_col = 0;
            } else if (e.name == "table-cell" || e.name == "covered-table-cell") {
                m_colRepeat = m_repeat;
                cell();
            }
        }
        clearAttributes();
    }

    void end_element(const orcus::sax::parser_element& e) {
        if (m_tables != 1 || e.ns != "table")
            return;
        if (e.name == "table-row") {
            if (m_rowRepeat > 1 && m_row < 1048576)
                repeats.push_back({static_cast<int32_t>(m_row + 1), m_rowRepeat});
            m_row += m_rowRepeat;
        } else if (e.name == "table-cell" || e.name == "covered-table-cell")
            m_col += m_colRepeat;
        else if (e.name == "table")
            m_tables = 2; // only the first table is read
    }

private:
    void clearAttributes() {
        m_repeat = 1;
        m_formula = false;
        m_type.clear();
        m_attrs.clear();
    }

    void cell() {
        Value v;
        auto attr = [&](const char* name) -> const std::string* {
            auto it = m_attrs.find(name);
            return it == m_attrs.end() ? nullptr : &it->second;
        };
        double x;
        if (m_type == "boolean" && attr("boolean-value"))
            v = Value::boolean(*attr("boolean-value") == "true");
        else if ((m_type == "percentage" || m_type == "currency") && attr("value") &&
                 parseNumber(*attr("value"), x))
            v = Value::number(x);
        else if (m_type == "string" && m_formula && attr("string-value"))
            v = Value::text(*attr("string-value"));
        else
            return;
        for (int64_t r = 0; r < m_rowRepeat; ++r)
            for (int64_t c = 0; c < m_colRepeat; ++c) {
                if (static_cast<int64_t>(found.size()) >= SpreadsheetImportLimits::kMaxCells)
                    throw ImportLimitError("the worksheet has more than " +
                                           std::to_string(SpreadsheetImportLimits::kMaxCells) +
                                           " cells");
                int64_t row = m_row + r + 1, col = m_col + c + 1;
                if (row > 1048576 || col > 16384)
                    return;
                found.push_back(
                    {static_cast<int32_t>(col), static_cast<int32_t>(row), v, m_formula});
            }
    }

    int m_tables = 0;
    int64_t m_row = 0, m_col = 0, m_rowRepeat = 1, m_colRepeat = 1;
    int64_t m_repeat = 1;
    bool m_formula = false;
    std::string m_type;
    std::unordered_map<std::string, std::string> m_attrs;
};

// The first row of each repeat, copied into the rows after it that liborcus left
// empty; formulas move down with their rows.
template <typename Key>
void repeatRows(ImportedBook& book, const std::vector<RepeatedRow>& repeats,
                std::unordered_map<uint64_t, size_t>& at, Key key) {
    std::unordered_map<int32_t, std::vector<size_t>> byRow;
    for (size_t i = 0; i < book.cells.size(); ++i)
        byRow[book.cells[i].row].push_back(i);
    for (const RepeatedRow& rep : repeats) {
        std::vector<ImportedCell> first;
        for (size_t i : byRow[rep.row])
            first.push_back(book.cells[i]);
        for (int64_t k = 1; k < rep.count && rep.row + k <= 1048576 && !first.empty(); ++k) {
            const int32_t row = static_cast<int32_t>(rep.row + k);
            for (const ImportedCell& c : first) {
                if (at.count(key(c.col, row)))
                    continue;
                if (static_cast<int64_t>(book.cells.size()) >= SpreadsheetImportLimits::kMaxCells)
                    throw ImportLimitError("the worksheet has more than " +
                                           std::to_string(SpreadsheetImportLimits::kMaxCells) +
                                           " cells");
                ImportedCell copy = c;
                copy.row = row;
                if (!c.formula.empty()) {
                    std::optional<std::string> moved =
                        movedFormula(c.formula, c.col, c.row, c.col, row);
                    copy.formula = moved.value_or("");
                    copy.untranslated = !moved;
                }
                at[key(c.col, row)] = book.cells.size();
                book.cells.push_back(std::move(copy));
            }
        }
    }
}

} // namespace

void addOdsCellValues(std::string_view bytes, ImportedBook& book) {
    orcus::zip_archive_stream_blob stream(reinterpret_cast<const uint8_t*>(bytes.data()),
                                          bytes.size());
    orcus::zip_archive archive(&stream);
    archive.load();
    std::vector<unsigned char> content;
    if (!archive.read_file_entry("content.xml", content))
        return;
    ContentScan scan;
    orcus::sax_parser<ContentScan> parser(reinterpret_cast<const char*>(content.data()),
                                          content.size(), scan);
    parser.parse();

    std::unordered_map<uint64_t, size_t> at;
    auto key = [](int32_t col, int32_t row) {
        return static_cast<uint64_t>(static_cast<uint32_t>(col)) << 32 | static_cast<uint32_t>(row);
    };
    for (size_t i = 0; i < book.cells.size(); ++i)
        at[key(book.cells[i].col, book.cells[i].row)] = i;
    repeatRows(book, scan.repeats, at, key);
    for (FoundValue& f : scan.found) {
        auto it = at.find(key(f.col, f.row));
        if (it != at.end()) {
            ImportedCell& cell = book.cells[it->second];
            if (f.formula && (cell.untranslated || !cell.formula.empty()))
                cell.value = std::move(f.value);
            continue;
        }
        if (f.formula ||
            static_cast<int64_t>(book.cells.size()) >= SpreadsheetImportLimits::kMaxCells)
            continue;
        ImportedCell& cell = book.cells.emplace_back();
        cell.col = f.col;
        cell.row = f.row;
        cell.value = std::move(f.value);
    }
}

} // namespace grid
