#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/SheetData.h"
#include "platform/grid/engine/io/DocumentChecksum.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "platform/grid/engine/io/DocumentSchema.h"
#include "platform/grid/engine/io/RowCodec.h"
#include "platform/grid/engine/io/SheetTransfer.h"
#include "platform/grid/engine/io/SqliteDb.h"

namespace grid {

namespace {

using Type = SqliteStatement::Type;

// Reads every table into a fresh sheet, checking each value as it goes; the
// first fault ends the load with a message naming what was wrong.
class Loader {
public:
    Loader(SqliteDb& db, Sheet& sheet, const std::string& path)
        : m_db(db), m_sheet(sheet), m_path(path) {}

    IoStatus run() {
        if (!readDocumentKeys() || !readOptions() || !readFormulas() || !readCells() ||
            !readTypes() || !readFormats() || !readAttributes() || !readSpans() || !readSizes())
            return failure();
        if (m_cells != m_expectCells || m_formulas != m_expectFormulas ||
            m_attributes != m_expectAttributes)
            return damaged("the cell counts do not match the stored totals");
        if (m_sum != m_expectSum)
            return damaged("the contents do not match their checksum");
        return {};
    }

private:
    IoStatus damaged(std::string why) const {
        return {IoResult::Damaged, "'" + m_path + "' is damaged: " + why};
    }
    IoStatus failure() const {
        if (!m_fault.empty())
            return damaged(m_fault);
        return damaged(m_db.lastError());
    }
    bool fail(std::string why) {
        if (m_fault.empty())
            m_fault = std::move(why);
        return false;
    }

    // A query that must run to its end; `row` is called per row and may refuse.
    template <class Row> bool each(const char* sql, Row&& row) {
        SqliteStatement stmt = m_db.prepare(sql);
        if (!stmt.valid())
            return false;
        for (;;) {
            switch (stmt.step()) {
            case SqliteStatement::Step::Row:
                if (!row(stmt))
                    return false;
                break;
            case SqliteStatement::Step::Done:
                return true;
            case SqliteStatement::Step::Error:
                return false;
            }
        }
    }

    void addSum(uint64_t table, std::initializer_list<int64_t> fields) {
        kws::RowHash h(table);
        for (int64_t f : fields)
            h.addInt(f);
        m_sum += h.value();
    }

    bool intIn(const SqliteStatement& s, int column, int64_t lo, int64_t hi, int64_t& out,
               const char* what) {
        if (s.columnType(column) != Type::Integer)
            return fail(std::string(what) + " is not a whole number");
        out = s.columnInt(column);
        if (out < lo || out > hi)
            return fail(std::string(what) + " " + std::to_string(out) + " is out of range");
        return true;
    }
    bool text(const SqliteStatement& s, int column, std::string& out, const char* what) {
        if (s.columnType(column) != Type::Text)
            return fail(std::string(what) + " is not text");
        out = s.columnText(column);
        return true;
    }
    bool cellAt(const SqliteStatement& s, int rowColumn, int colColumn, int32_t& row,
                int32_t& col) {
        int64_t r, c;
        if (!intIn(s, rowColumn, 0, m_sheet.maxRows(), r, "a row number") ||
            !intIn(s, colColumn, 0, m_sheet.maxCols(), c, "a column number"))
            return false;
        row = static_cast<int32_t>(r);
        col = static_cast<int32_t>(c);
        return true;
    }

    bool readDocumentKeys() {
        std::map<std::string, int64_t> ints;
        std::string format, formulaStyle;
        bool haveSum = false;
        bool ok = each("SELECT key, value FROM document", [&](SqliteStatement& s) {
            std::string key = s.columnText(0);
            kws::RowHash h(kws::kSumDocument);
            h.addBytes(key);
            if (key == kws::kKeyChecksum) {
                if (s.columnType(1) != Type::Integer)
                    return fail("the checksum is not a number");
                m_expectSum = static_cast<uint64_t>(s.columnInt(1));
                haveSum = true;
                return true;
            }
            if (key == kws::kKeyFormat || key == kws::kKeyFormulaStyle) {
                std::string& out = key == kws::kKeyFormat ? format : formulaStyle;
                if (!text(s, 1, out, key.c_str()))
                    return false;
                h.addBytes(out);
                m_sum += h.value();
                return true;
            }
            int64_t v;
            if (!intIn(s, 1, INT32_MIN, INT32_MAX, v, key.c_str()))
                return false;
            ints[key] = v;
            h.addInt(v);
            m_sum += h.value();
            return true;
        });
        if (!ok)
            return false;
        if (format != kws::kFormatName)
            return fail("unknown format name '" + format + "'");
        if (!haveSum)
            return fail("the checksum is missing");
        if (formulaStyle != "R1C1")
            return fail("unknown formula style '" + formulaStyle + "'");
        auto need = [&](const char* key, int64_t lo, int64_t hi, int64_t& out) {
            auto it = ints.find(key);
            if (it == ints.end())
                return fail(std::string("the key '") + key + "' is missing");
            if (it->second < lo || it->second > hi)
                return fail(std::string("the key '") + key + "' is out of range");
            out = it->second;
            return true;
        };
        int64_t cols, rows, refStyle, unitType;
        if (!need(kws::kKeyMaxCols, 0, Sheet::kLimitCols, cols) ||
            !need(kws::kKeyMaxRows, 0, Sheet::kLimitRows, rows) ||
            !need(kws::kKeyRefStyle, 0, 2, refStyle) || !need(kws::kKeyUnitType, 0, 2, unitType) ||
            !need(kws::kKeyCellCount, 0, INT32_MAX, m_expectCells) ||
            !need(kws::kKeyFormulaCount, 0, INT32_MAX, m_expectFormulas) ||
            !need(kws::kKeyAttributeCount, 0, INT32_MAX, m_expectAttributes))
            return false;
        if (!m_sheet.setMaxCols(static_cast<int32_t>(cols)) ||
            !m_sheet.setMaxRows(static_cast<int32_t>(rows)))
            return fail("the sheet size is not allowed");
        m_refStyle = static_cast<RefStyle>(refStyle);
        m_unitType = static_cast<UnitType>(unitType);
        return true;
    }

    bool readOptions() {
        return each("SELECT number, value FROM options", [&](SqliteStatement& s) {
            int64_t number, value;
            if (!intIn(s, 0, INT32_MIN, INT32_MAX, number, "an option number") ||
                !intIn(s, 1, 0, 1, value, "an option value"))
                return false;
            m_options[static_cast<int>(number)] = value != 0;
            addSum(kws::kSumOptions, {number, value});
            return true;
        });
    }

    bool readCells() {
        const int32_t maxCol = m_sheet.maxCols();
        return each("SELECT row, cells FROM cell_rows", [&](SqliteStatement& s) {
            int64_t row;
            if (!intIn(s, 0, 0, m_sheet.maxRows(), row, "a row number"))
                return false;
            if (s.columnType(1) != Type::Blob)
                return fail("the cells of row " + std::to_string(row) + " are not a blob");
            kws::RowHash h(kws::kSumCellRows);
            h.addInt(row);
            h.addBytes(s.columnBlob(1));
            m_sum += h.value();
            bool ok = decodeRow(s.columnBlob(1), maxCol, [&](int32_t col, Value&& v) {
                // A formula cell gets its stored result back without being calculated,
                // so a sheet without automatic recalculation shows what was saved.
                if (m_sheet.hasFormula(col, static_cast<int32_t>(row)))
                    m_sheet.data().storeValue(
                        m_sheet.data().slotRef(col, static_cast<int32_t>(row)), v);
                else
                    m_sheet.setValue(col, static_cast<int32_t>(row), v);
                ++m_cells;
            });
            return ok || fail("the cells of row " + std::to_string(row) + " are not valid");
        });
    }

    bool readFormulas() {
        return each("SELECT row, col, formula FROM formulas", [&](SqliteStatement& s) {
            int32_t row, col;
            std::string formula;
            if (!cellAt(s, 0, 1, row, col) || !text(s, 2, formula, "a formula"))
                return false;
            kws::RowHash h(kws::kSumFormulas);
            h.addInt(row);
            h.addInt(col);
            h.addBytes(formula);
            m_sum += h.value();
            FormulaStatus st = m_sheet.setFormula(col, row, formula, RefStyle::R1C1);
            if (!st.ok)
                return fail("the formula of " + columnLetters(col) + std::to_string(row) +
                            " does not parse: " + st.message);
            ++m_formulas;
            return true;
        });
    }

    bool readTypes() {
        return each(
            "SELECT id, code, style, max_length, decimals, min_value, max_value, items, text, "
            "picture,"
            " picture_on, picture_off FROM cell_types",
            [&](SqliteStatement& s) {
                int64_t id, code, style, maxLength, decimals;
                CellType t;
                if (!intIn(s, 0, 1, INT32_MAX, id, "a type id") ||
                    !intIn(s, 1, 0, 16, code, "a type code") ||
                    !intIn(s, 2, 0, UINT32_MAX, style, "a type style") ||
                    !intIn(s, 3, 0, INT32_MAX, maxLength, "a maximum length") ||
                    !intIn(s, 4, -1, 15, decimals, "a number of decimals"))
                    return false;
                if (s.columnType(5) == Type::Text || s.columnType(6) == Type::Text ||
                    s.columnType(5) == Type::Null || s.columnType(6) == Type::Null)
                    return fail("a type's range is not numeric");
                t.code = static_cast<CellTypeCode>(code);
                t.style = static_cast<uint32_t>(style);
                t.maxLength = static_cast<int>(maxLength);
                t.decimals = static_cast<int>(decimals);
                t.minValue = s.columnDouble(5);
                t.maxValue = s.columnDouble(6);
                if (!text(s, 7, t.items, "type items") || !text(s, 8, t.text, "a type text") ||
                    !text(s, 9, t.picture, "a picture") || !text(s, 10, t.pictureOn, "a picture") ||
                    !text(s, 11, t.pictureOff, "a picture"))
                    return false;
                kws::RowHash h(kws::kSumCellTypes);
                for (int64_t v : {id, code, style, maxLength, decimals})
                    h.addInt(v);
                h.addDouble(t.minValue);
                h.addDouble(t.maxValue);
                for (const std::string* x :
                     {&t.items, &t.text, &t.picture, &t.pictureOn, &t.pictureOff})
                    h.addBytes(*x);
                m_sum += h.value();
                m_types[id] = std::move(t);
                return true;
            });
    }

    bool readFormats() {
        return each(
            "SELECT id, has_font, font_name, font_height, font_weight, italic, underline, "
            "strikeout, back, fore,"
            " border_sides, border_style, border_color, h_align, v_align, locked FROM formats",
            [&](SqliteStatement& s) {
                int64_t v[16];
                CellFormat f;
                static const int64_t lo[16] = {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, -1};
                static const int64_t hi[16] = {INT32_MAX,  1, 0,          10000,      1000, 1,
                                               1,          1, UINT32_MAX, UINT32_MAX, 15,   255,
                                               UINT32_MAX, 3, 3,          1};
                for (int k = 0; k < 16; ++k)
                    if (k != 2 && !intIn(s, k, lo[k], hi[k], v[k], "a format field"))
                        return false;
                if (!text(s, 2, f.font.name, "a font name"))
                    return false;
                f.hasFont = v[1] != 0;
                f.font.height = static_cast<int>(v[3]);
                f.font.weight = static_cast<int>(v[4]);
                f.font.italic = v[5] != 0;
                f.font.underline = v[6] != 0;
                f.font.strikeout = v[7] != 0;
                f.back = static_cast<Color>(v[8]);
                f.fore = static_cast<Color>(v[9]);
                f.border.sides = static_cast<uint8_t>(v[10]);
                f.border.lineStyle = static_cast<int>(v[11]);
                f.border.color = static_cast<Color>(v[12]);
                f.hAlign = static_cast<HAlign>(v[13]);
                f.vAlign = static_cast<VAlign>(v[14]);
                f.locked = static_cast<int8_t>(v[15]);
                kws::RowHash h(kws::kSumFormats);
                for (int k = 0; k < 16; ++k)
                    k == 2 ? h.addBytes(f.font.name) : h.addInt(v[k]);
                m_sum += h.value();
                m_formats[v[0]] = f;
                return true;
            });
    }

    bool readAttributes() {
        return each("SELECT row, col, tag, note, type_id, format_id FROM cell_attributes",
                    [&](SqliteStatement& s) {
                        int32_t row, col;
                        if (!cellAt(s, 0, 1, row, col))
                            return false;
                        CellAttributes a;
                        if ((s.columnType(2) != Type::Null && !text(s, 2, a.tag, "a tag")) ||
                            (s.columnType(3) != Type::Null && !text(s, 3, a.note, "a note")))
                            return false;
                        int64_t id;
                        if (s.columnType(4) != Type::Null) {
                            if (!intIn(s, 4, 1, INT32_MAX, id, "a type id"))
                                return false;
                            auto it = m_types.find(id);
                            if (it == m_types.end())
                                return fail("a cell names a type that does not exist");
                            a.type = it->second;
                        }
                        if (s.columnType(5) != Type::Null) {
                            if (!intIn(s, 5, 1, INT32_MAX, id, "a format id"))
                                return false;
                            auto it = m_formats.find(id);
                            if (it == m_formats.end())
                                return fail("a cell names a format that does not exist");
                            a.format = it->second;
                        }
                        kws::RowHash h(kws::kSumAttributes);
                        h.addInt(row);
                        h.addInt(col);
                        for (int k : {2, 3})
                            s.columnType(k) == Type::Null ? h.addNull()
                                                          : h.addBytes(s.columnTextView(k));
                        for (int k : {4, 5})
                            s.columnType(k) == Type::Null ? h.addNull() : h.addInt(s.columnInt(k));
                        m_sum += h.value();
                        if (!m_sheet.setAttributes(col, row, a))
                            return fail("the attributes of a cell were refused");
                        ++m_attributes;
                        return true;
                    });
    }

    bool readSpans() {
        return each("SELECT col, row, cols, rows FROM spans", [&](SqliteStatement& s) {
            int32_t row, col;
            int64_t cols, rows;
            if (!cellAt(s, 1, 0, row, col) ||
                !intIn(s, 2, 1, Sheet::kLimitCols, cols, "a span width") ||
                !intIn(s, 3, 1, Sheet::kLimitRows, rows, "a span height"))
                return false;
            addSum(kws::kSumSpans, {col, row, cols, rows});
            return m_sheet.addSpan(
                       Span{col, row, static_cast<int32_t>(cols), static_cast<int32_t>(rows)}) ||
                   fail("a span lies outside the sheet or overlaps another");
        });
    }

    bool readSizes() {
        bool ok = each("SELECT col, width_px FROM column_widths", [&](SqliteStatement& s) {
            int64_t col, px;
            if (!intIn(s, 0, 0, m_sheet.maxCols(), col, "a column number") ||
                !intIn(s, 1, 0, 1000000, px, "a column width"))
                return false;
            addSum(kws::kSumWidths, {col, px});
            m_sheet.setColumnWidthPx(static_cast<int32_t>(col), static_cast<int32_t>(px));
            return true;
        });
        return ok && each("SELECT row, height_px FROM row_heights", [&](SqliteStatement& s) {
                   int64_t row, px;
                   if (!intIn(s, 0, 0, m_sheet.maxRows(), row, "a row number") ||
                       !intIn(s, 1, 0, 1000000, px, "a row height"))
                       return false;
                   addSum(kws::kSumHeights, {row, px});
                   m_sheet.setRowHeightPx(static_cast<int32_t>(row), static_cast<int32_t>(px));
                   return true;
               });
    }

public:
    // Settings applied last, so that loading calculates nothing on the way.
    void applySettings(Sheet& sheet) const {
        for (auto [number, on] : m_options)
            sheet.setOption(number, on);
        sheet.setRefStyle(m_refStyle);
        sheet.setUnitType(m_unitType);
    }

private:
    SqliteDb& m_db;
    Sheet& m_sheet;
    std::string m_path;
    std::string m_fault;
    std::map<int, bool> m_options;
    std::map<int64_t, CellType> m_types;
    std::map<int64_t, CellFormat> m_formats;
    RefStyle m_refStyle = RefStyle::Default;
    UnitType m_unitType = UnitType::Pixels;
    int64_t m_expectCells = 0, m_expectFormulas = 0, m_expectAttributes = 0;
    int64_t m_cells = 0, m_formulas = 0, m_attributes = 0;
    uint64_t m_sum = 0, m_expectSum = 0;
};

IoStatus checkSignature(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {IoResult::CannotOpen, "cannot open '" + path + "'"};
    char head[16] = {};
    in.read(head, sizeof head);
    if (in.gcount() < static_cast<std::streamsize>(sizeof head) ||
        std::string_view(head, 16) != std::string_view("SQLite format 3\0", 16))
        return {IoResult::NotADocument, "'" + path + "' is not a grid document"};
    return {};
}

} // namespace

IoStatus DocumentFile::load(Sheet& sheet, const std::string& path) {
    IoStatus status = checkSignature(path);
    if (!status.ok())
        return status;
    SqliteDb db;
    if (!db.open(path, SqliteDb::Mode::ReadOnly))
        return {IoResult::CannotOpen, "cannot open '" + path + "': " + db.lastError()};
    int64_t appId = 0, version = 0;
    if (!db.queryInt("PRAGMA application_id", appId) ||
        !db.queryInt("PRAGMA user_version", version))
        return {IoResult::Damaged, "'" + path + "' is damaged: " + db.lastError()};
    if (static_cast<uint32_t>(appId) != kApplicationId)
        return {IoResult::NotADocument, "'" + path + "' is a database but not a grid document"};
    if (version > kSchemaVersion)
        return {IoResult::UnsupportedVersion, "'" + path +
                                                  "' was written by a newer version (schema " +
                                                  std::to_string(version) + ")"};
    if (version < 1)
        return {IoResult::Damaged, "'" + path + "' is damaged: no schema version"};
    // SQLite reads missing pages at the end of a cut-off file as zeros; the page
    // count in the header tells how long the file must be.
    int64_t pages = 0, pageSize = 0;
    std::error_code ec;
    auto fileSize = std::filesystem::file_size(path, ec);
    if (!db.queryInt("PRAGMA page_count", pages) || !db.queryInt("PRAGMA page_size", pageSize) ||
        ec)
        return {IoResult::Damaged, "'" + path + "' is damaged: " + db.lastError()};
    if (static_cast<uint64_t>(pages) * static_cast<uint64_t>(pageSize) > fileSize)
        return {IoResult::Damaged, "'" + path + "' is damaged: the file is cut off"};

    if (isCalculating(sheet))
        return {IoResult::BadArgument,
                "cannot load '" + path + "' into a sheet that is calculating"};

    Sheet loaded;
    if (loaded.autoCalc())
        loaded.setAutoCalc(false); // nothing is calculated while the cells arrive
    Loader loader(db, loaded, path);
    {
        SqliteTransaction readTx(db); // one consistent snapshot
        status = loader.run();
    }
    if (!status.ok())
        return status;
    db.close();
    loader.applySettings(loaded);
    transferSheet(loaded, sheet);
    sheet.setChanged(false);
    if (sheet.autoCalc())
        sheet.recalcAll();
    return {};
}

} // namespace grid
