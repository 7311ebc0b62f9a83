// The liborcus side of the .xlsx and .ods readers: an import factory that collects the
// first worksheet's cells into an ImportedBook. Formats, views and the other
// worksheets are passed over.

#include <cctype>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>

#include <orcus/orcus_ods.hpp>
#include <orcus/orcus_xlsx.hpp>
#include <orcus/spreadsheet/import_interface.hpp>
#include <orcus/zip_archive.hpp>
#include <orcus/zip_archive_stream.hpp>

#include "platform/grid/engine/DateSerial.h"
#include "platform/grid/engine/FormulaParser.h"
#include "platform/grid/engine/io/FormulaTranslation.h"
#include "platform/grid/engine/io/ImportedBook.h"
#include "platform/grid/engine/io/OrcusIgnoredStyles.h"
#include "platform/grid/engine/io/OrcusReferenceResolver.h"
#include "platform/grid/engine/io/XmlCheck.h"

namespace grid {

namespace {

namespace ss = orcus::spreadsheet;

constexpr ss::row_t kFileRows = kOrcusFileRows;
constexpr ss::col_t kFileCols = kOrcusFileCols;

class StringPool final : public ss::iface::import_shared_strings {
public:
    const std::string* find(size_t id) const {
        return id < m_strings.size() ? &m_strings[id] : nullptr;
    }

    size_t append(std::string_view s) override {
        m_strings.emplace_back(s);
        return m_strings.size() - 1;
    }
    size_t add(std::string_view s) override {
        auto it = m_index.find(std::string(s));
        if (it != m_index.end())
            return it->second;
        size_t id = append(s);
        m_index.emplace(m_strings.back(), id);
        return id;
    }
    void set_segment_font(size_t) override {}
    void set_segment_bold(bool) override {}
    void set_segment_italic(bool) override {}
    void set_segment_font_name(std::string_view) override {}
    void set_segment_font_size(double) override {}
    void set_segment_font_color(ss::color_elem_t, ss::color_elem_t, ss::color_elem_t,
                                ss::color_elem_t) override {}
    void append_segment(std::string_view s) override { m_segments.append(s); }
    size_t commit_segments() override {
        size_t id = append(m_segments);
        m_segments.clear();
        return id;
    }

private:
    std::vector<std::string> m_strings;
    std::unordered_map<std::string, size_t> m_index;
    std::string m_segments;
};

// The first worksheet's cells, within the limits of SpreadsheetImportLimits.
class Collector {
public:
    Collector(ImportedBook& book, SpreadsheetFormat format) : m_book(book), m_format(format) {}

    ImportedBook& book() { return m_book; }

    ImportedCell& add(ss::row_t row, ss::col_t col) {
        if (row < 0 || col < 0 || row >= kFileRows || col >= kFileCols)
            throw std::runtime_error("a cell lies outside the sheet");
        if (static_cast<int64_t>(m_book.cells.size()) >= SpreadsheetImportLimits::kMaxCells)
            throw ImportLimitError("the worksheet has more than " +
                                   std::to_string(SpreadsheetImportLimits::kMaxCells) + " cells");
        int32_t& last = m_lastRow[col];
        if (row + 1 > last) {
            m_slots += row + 1 - last;
            last = row + 1;
            if (m_slots > SpreadsheetImportLimits::kMaxColumnSlots)
                throw ImportLimitError("the worksheet's cells are spread over too many rows "
                                       "and columns");
        }
        m_at[key(row, col)] = m_book.cells.size();
        ImportedCell& c = m_book.cells.emplace_back();
        c.col = col + 1;
        c.row = row + 1;
        return c;
    }

    // The cell stored at the position, if any (the latest when there are several).
    const ImportedCell* find(ss::row_t row, ss::col_t col) const {
        auto it = m_at.find(key(row, col));
        return it == m_at.end() ? nullptr : &m_book.cells[it->second];
    }

    std::optional<std::string> translate(ss::formula_grammar_t grammar,
                                         std::string_view text) const {
        bool openFormula =
            grammar == ss::formula_grammar_t::ods ||
            (grammar == ss::formula_grammar_t::unknown && m_format == SpreadsheetFormat::Ods);
        return openFormula ? openFormulaToEngine(text, m_book.sheetName)
                           : excelToEngine(text, m_book.sheetName);
    }

private:
    ImportedBook& m_book;
    SpreadsheetFormat m_format;
    static uint64_t key(ss::row_t row, ss::col_t col) {
        return static_cast<uint64_t>(static_cast<uint32_t>(col)) << 32 | static_cast<uint32_t>(row);
    }

    std::unordered_map<ss::col_t, int32_t> m_lastRow;
    std::unordered_map<uint64_t, size_t> m_at;
    int64_t m_slots = 0;
};

// A formula's stored result.
class Result {
public:
    void clear() { m_value = Value(); }
    void set(Value v) { m_value = std::move(v); }
    const Value& value() const { return m_value; }

    // A text result that spells an error is the error (the files keep errors as text).
    static Value fromText(std::string_view s) {
        ErrorCode e = parseErrorText(s);
        return e != ErrorCode::None ? Value::error(e) : Value::text(std::string(s));
    }

private:
    Value m_value;
};

class FormulaImport final : public ss::iface::import_formula {
public:
    explicit FormulaImport(Collector& c) : m_c(c) {}

    void set_position(ss::row_t row, ss::col_t col) override {
        m_row = row;
        m_col = col;
        m_text.reset();
        m_hasText = false;
        m_shared.reset();
        m_result.clear();
    }
    void set_formula(ss::formula_grammar_t grammar, std::string_view formula) override {
        m_hasText = true;
        m_text = m_c.translate(grammar, formula);
    }
    void set_shared_formula_index(size_t index) override { m_shared = index; }
    void set_result_string(std::string_view value) override {
        m_result.set(Result::fromText(value));
    }
    void set_result_value(double value) override { m_result.set(Value::number(value)); }
    void set_result_bool(bool value) override { m_result.set(Value::boolean(value)); }
    void set_result_empty() override { m_result.clear(); }

    void commit() override {
        std::optional<std::string> text = m_text;
        if (m_shared && m_hasText) {
            m_sharedMasters[*m_shared] = Master{m_text, m_col, m_row};
        } else if (m_shared) {
            text = shifted(*m_shared);
        }
        ImportedCell& cell = m_c.add(m_row, m_col);
        cell.value = m_result.value();
        if (text && !text->empty())
            cell.formula = std::move(*text);
        else
            cell.untranslated = true;
    }

private:
    struct Master {
        std::optional<std::string> text;
        ss::col_t col;
        ss::row_t row;
    };

    // The shared formula as it reads in this cell: relative references move with it.
    std::optional<std::string> shifted(size_t index) const {
        auto it = m_sharedMasters.find(index);
        if (it == m_sharedMasters.end() || !it->second.text)
            return std::nullopt;
        const Master& m = it->second;
        return movedFormula(*m.text, m.col + 1, m.row + 1, m_col + 1, m_row + 1);
    }

    Collector& m_c;
    ss::row_t m_row = 0;
    ss::col_t m_col = 0;
    std::optional<std::string> m_text;
    bool m_hasText = false;
    std::optional<size_t> m_shared;
    Result m_result;
    std::map<size_t, Master> m_sharedMasters;
};

// Array formulas have no engine form: their cells keep the stored results.
class ArrayFormulaImport final : public ss::iface::import_array_formula {
public:
    explicit ArrayFormulaImport(Collector& c) : m_c(c) {}

    void set_range(const ss::range_t& range) override {
        m_range = range;
        m_results.clear();
    }
    void set_formula(ss::formula_grammar_t, std::string_view) override {}
    void set_result_string(ss::row_t row, ss::col_t col, std::string_view value) override {
        m_results[{row, col}] = Result::fromText(value);
    }
    void set_result_value(ss::row_t row, ss::col_t col, double value) override {
        m_results[{row, col}] = Value::number(value);
    }
    void set_result_bool(ss::row_t row, ss::col_t col, bool value) override {
        m_results[{row, col}] = Value::boolean(value);
    }
    void set_result_empty(ss::row_t row, ss::col_t col) override {
        m_results[{row, col}] = Value();
    }
    void commit() override {
        // Results are given relative to the range's first cell.
        for (const auto& [pos, value] : m_results) {
            ImportedCell& cell =
                m_c.add(m_range.first.row + pos.first, m_range.first.column + pos.second);
            cell.value = value;
            cell.untranslated = true;
        }
        m_results.clear();
    }

private:
    Collector& m_c;
    ss::range_t m_range{};
    std::map<std::pair<ss::row_t, ss::col_t>, Value> m_results;
};

class SheetImport final : public ss::iface::import_sheet {
public:
    SheetImport(Collector& c, const StringPool& strings)
        : m_c(c), m_strings(strings), m_formula(c), m_array(c) {}

    ss::iface::import_formula* get_formula() override { return &m_formula; }
    ss::iface::import_array_formula* get_array_formula() override { return &m_array; }

    void set_auto(ss::row_t row, ss::col_t col, std::string_view s) override {
        double v;
        std::string text(s);
        if (parseNumber(text, v))
            set_value(row, col, v);
        else if (!text.empty())
            m_c.add(row, col).value = Value::text(std::move(text));
    }
    void set_string(ss::row_t row, ss::col_t col, ss::string_id_t id) override {
        const std::string* s = m_strings.find(id);
        if (!s)
            throw std::runtime_error("a cell refers to a text the file does not hold");
        if (!s->empty())
            m_c.add(row, col).value = Value::text(*s);
    }
    void set_value(ss::row_t row, ss::col_t col, double value) override {
        m_c.add(row, col).value = Value::number(value);
    }
    void set_bool(ss::row_t row, ss::col_t col, bool value) override {
        m_c.add(row, col).value = Value::boolean(value);
    }
    void set_date_time(ss::row_t row, ss::col_t col, int year, int month, int day, int hour,
                       int minute, double second) override {
        if (month < 1 || month > 12 || day < 1 || day > 31 || year < date::kMinYear ||
            year > date::kMaxYear)
            throw std::runtime_error("a cell holds an impossible date");
        double serial = static_cast<double>(date::serialFromYmd(year, month, day)) +
                        (hour * 3600.0 + minute * 60.0 + second) / 86400.0;
        m_c.add(row, col).value = Value::number(serial);
    }
    void set_format(ss::row_t, ss::col_t, size_t) override {}
    void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, size_t) override {}
    void fill_down_cells(ss::row_t row, ss::col_t col, ss::row_t count) override {
        const ImportedCell* source = m_c.find(row, col);
        if (!source)
            return;
        // Copies, as add() may move the cells.
        const Value value = source->value;
        const std::string formula = source->formula;
        const bool untranslated = source->untranslated;
        for (ss::row_t i = 1; i <= count; ++i) {
            std::optional<std::string> moved;
            if (!formula.empty())
                moved = movedFormula(formula, col + 1, row + 1, col + 1, row + i + 1);
            ImportedCell& cell = m_c.add(row + i, col);
            cell.value = value;
            cell.untranslated = untranslated || (!formula.empty() && !moved);
            if (moved)
                cell.formula = std::move(*moved);
        }
    }
    ss::range_size_t get_sheet_size() const override { return {kFileRows, kFileCols}; }

private:
    Collector& m_c;
    const StringPool& m_strings;
    FormulaImport m_formula;
    ArrayFormulaImport m_array;
};

// The worksheets after the first: counted, not read. The library asks them for formula
// interfaces too and does not check for missing ones.
class IgnoredFormula final : public ss::iface::import_formula {
public:
    void set_position(ss::row_t, ss::col_t) override {}
    void set_formula(ss::formula_grammar_t, std::string_view) override {}
    void set_shared_formula_index(size_t) override {}
    void set_result_string(std::string_view) override {}
    void set_result_value(double) override {}
    void set_result_bool(bool) override {}
    void set_result_empty() override {}
    void commit() override {}
};

class IgnoredArrayFormula final : public ss::iface::import_array_formula {
public:
    void set_range(const ss::range_t&) override {}
    void set_formula(ss::formula_grammar_t, std::string_view) override {}
    void set_result_string(ss::row_t, ss::col_t, std::string_view) override {}
    void set_result_value(ss::row_t, ss::col_t, double) override {}
    void set_result_bool(ss::row_t, ss::col_t, bool) override {}
    void set_result_empty(ss::row_t, ss::col_t) override {}
    void commit() override {}
};

class IgnoredSheet final : public ss::iface::import_sheet {
public:
    ss::iface::import_formula* get_formula() override { return &m_formula; }
    ss::iface::import_array_formula* get_array_formula() override { return &m_array; }

    void set_auto(ss::row_t, ss::col_t, std::string_view) override {}
    void set_string(ss::row_t, ss::col_t, ss::string_id_t) override {}
    void set_value(ss::row_t, ss::col_t, double) override {}
    void set_bool(ss::row_t, ss::col_t, bool) override {}
    void set_date_time(ss::row_t, ss::col_t, int, int, int, int, int, double) override {}
    void set_format(ss::row_t, ss::col_t, size_t) override {}
    void set_format(ss::row_t, ss::col_t, ss::row_t, ss::col_t, size_t) override {}
    void fill_down_cells(ss::row_t, ss::col_t, ss::row_t) override {}
    ss::range_size_t get_sheet_size() const override { return {kFileRows, kFileCols}; }

private:
    IgnoredFormula m_formula;
    IgnoredArrayFormula m_array;
};

class GlobalSettings final : public ss::iface::import_global_settings {
public:
    void set_origin_date(int, int, int) override {}
    void set_default_formula_grammar(ss::formula_grammar_t g) override { m_grammar = g; }
    ss::formula_grammar_t get_default_formula_grammar() const override { return m_grammar; }
    void set_character_set(orcus::character_set_t) override {}

private:
    ss::formula_grammar_t m_grammar = ss::formula_grammar_t::unknown;
};

// Workbook names; those of a single cell become tags when the sheet is filled.
class NamedExpressions final : public ss::iface::import_named_expression {
public:
    explicit NamedExpressions(Collector& c) : m_c(c) {}

    void set_base_position(const ss::src_address_t&) override {}
    void set_named_expression(std::string_view name, std::string_view expression) override {
        m_name = std::string(name);
        m_target = m_c.translate(ss::formula_grammar_t::unknown, expression);
    }
    void set_named_range(std::string_view name, std::string_view range) override {
        m_name = std::string(name);
        m_target = openFormulaToEngine("[" + std::string(range) + "]", m_c.book().sheetName);
    }
    void commit() override {
        if (m_target && !m_name.empty() && m_c.book().names.size() < kMaxNames)
            m_c.book().names.push_back({m_name, *m_target});
        m_name.clear();
        m_target.reset();
    }

private:
    static constexpr size_t kMaxNames = 100000;
    Collector& m_c;
    std::string m_name;
    std::optional<std::string> m_target;
};

class Factory final : public ss::iface::import_factory {
public:
    Factory(ImportedBook& book, SpreadsheetFormat format)
        : m_collector(book, format), m_names(m_collector), m_first(m_collector, m_strings) {}

    ss::iface::import_global_settings* get_global_settings() override { return &m_settings; }
    ss::iface::import_shared_strings* get_shared_strings() override { return &m_strings; }
    ss::iface::import_styles* get_styles() override { return &m_styles; }
    ss::iface::import_named_expression* get_named_expression() override { return &m_names; }
    ss::iface::import_reference_resolver*
    get_reference_resolver(ss::formula_ref_context_t) override {
        return &m_resolver;
    }

    ss::iface::import_sheet* append_sheet(ss::sheet_t index, std::string_view name) override {
        ImportedBook& book = m_collector.book();
        ++book.sheets;
        if (index == 0 && book.sheets == 1) {
            book.sheetName = std::string(name);
            return &m_first;
        }
        return &m_ignored;
    }
    ss::iface::import_sheet* get_sheet(std::string_view name) override {
        return name == m_collector.book().sheetName
                   ? static_cast<ss::iface::import_sheet*>(&m_first)
                   : &m_ignored;
    }
    ss::iface::import_sheet* get_sheet(ss::sheet_t index) override {
        return index == 0 ? static_cast<ss::iface::import_sheet*>(&m_first) : &m_ignored;
    }
    void finalize() override {}

private:
    GlobalSettings m_settings;
    ReferenceResolver m_resolver;
    IgnoredStyles m_styles;
    StringPool m_strings;
    Collector m_collector;
    NamedExpressions m_names;
    SheetImport m_first;
    IgnoredSheet m_ignored;
};

} // namespace

std::optional<std::string> movedFormula(const std::string& text, int32_t fromCol, int32_t fromRow,
                                        int32_t toCol, int32_t toRow) {
    FormulaCode code;
    if (!FormulaParser().parse(text, RefStyle::A1, fromCol, fromRow, code).ok)
        return std::nullopt;
    std::string moved = writeFormula(code, RefStyle::A1, toCol, toRow);
    if (moved.find('?') != std::string::npos)
        return std::nullopt;
    return moved;
}

// Every XML part must be well-formed before the library parses it (XmlCheck.h).
void checkXmlParts(std::string_view bytes) {
    orcus::zip_archive_stream_blob stream(reinterpret_cast<const uint8_t*>(bytes.data()),
                                          bytes.size());
    orcus::zip_archive archive(&stream);
    archive.load();
    std::vector<unsigned char> part;
    for (size_t i = 0; i < archive.get_file_entry_count(); ++i) {
        const std::string name(archive.get_file_entry_name(i));
        std::string lower = name;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        const bool xml = (lower.size() > 4 && lower.compare(lower.size() - 4, 4, ".xml") == 0) ||
                         (lower.size() > 5 && lower.compare(lower.size() - 5, 5, ".rels") == 0);
        if (!xml)
            continue;
        if (!archive.read_file_entry(name, part))
            throw std::runtime_error("the part '" + name + "' cannot be unpacked");
        // The archive ends what it unpacks with a NUL of its own.
        size_t size = part.size();
        while (size > 0 && part[size - 1] == 0)
            --size;
        std::string why;
        if (!isWellFormedXml({reinterpret_cast<const char*>(part.data()), size}, why))
            throw std::runtime_error("the part '" + name + "' is not well-formed XML: " + why);
    }
}

void readWithOrcus(std::string_view bytes, SpreadsheetFormat format, ImportedBook& book) {
    checkXmlParts(bytes);
    Factory factory(book, format);
    if (format == SpreadsheetFormat::Xlsx) {
        orcus::orcus_xlsx filter(&factory);
        filter.read_stream(bytes);
    } else {
        orcus::orcus_ods filter(&factory);
        filter.read_stream(bytes);
        addOdsCellValues(bytes, book);
    }
}

} // namespace grid
