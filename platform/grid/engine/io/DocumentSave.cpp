#include <map>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/AtomicFile.h"
#include "platform/grid/engine/io/DocumentChecksum.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "platform/grid/engine/io/DocumentSchema.h"
#include "platform/grid/engine/io/RowCodec.h"
#include "platform/grid/engine/io/SqliteDb.h"

namespace grid {

namespace {

class Saver {
public:
    Saver(const Sheet& sheet, SqliteDb& db, DocumentFile::Content content)
        : m_sheet(sheet), m_db(db), m_content(content) {}

    bool run() {
        if (!m_db.exec(kws::kCreateTables))
            return false;
        return writeCells() && writeAttributes() && writeSheetSettings() && writeDocumentKeys();
    }

private:
    bool writeCells() {
        SqliteStatement rowStmt = m_db.prepare("INSERT INTO cell_rows (row, cells) VALUES (?, ?)");
        SqliteStatement formulaStmt =
            m_db.prepare("INSERT INTO formulas (row, col, formula) VALUES (?, ?, ?)");
        if (!rowStmt.valid() || !formulaStmt.valid())
            return false;
        RowEncoder encoder;
        int32_t currentRow = -1;
        bool ok = true;
        auto flushRow = [&] {
            if (currentRow >= 0 && !encoder.empty()) {
                ok = ok && rowStmt.bindInt(1, currentRow) &&
                     rowStmt.bindBlob(2, encoder.bytes().data(), encoder.bytes().size()) &&
                     rowStmt.run();
                kws::RowHash h(kws::kSumCellRows);
                h.addInt(currentRow);
                h.addBytes(encoder.bytes());
                m_sum += h.value();
            }
            encoder.clear();
        };
        m_sheet.forEachCellByRow([&](int32_t col, int32_t row) {
            if (!ok)
                return;
            if (row != currentRow) {
                flushRow();
                currentRow = row;
            }
            Value v = m_sheet.value(col, row);
            if (!v.isEmpty()) {
                encoder.add(col, v);
                ++m_cells;
            }
            if (m_sheet.hasFormula(col, row)) {
                std::string formula = m_sheet.formula(col, row, RefStyle::R1C1);
                ok = ok && formulaStmt.bindInt(1, row) && formulaStmt.bindInt(2, col) &&
                     formulaStmt.bindText(3, formula) && formulaStmt.run();
                kws::RowHash h(kws::kSumFormulas);
                h.addInt(row);
                h.addInt(col);
                h.addBytes(formula);
                m_sum += h.value();
                ++m_formulas;
            }
        });
        flushRow();
        return ok;
    }

    int64_t formatId(const CellFormat& f, SqliteStatement& stmt, bool& ok) {
        for (size_t i = 0; i < m_formats.size(); ++i)
            if (m_formats[i] == f)
                return static_cast<int64_t>(i + 1);
        m_formats.push_back(f);
        int64_t id = static_cast<int64_t>(m_formats.size());
        int k = 1;
        ok = ok && stmt.bindInt(k++, id) && stmt.bindInt(k++, f.hasFont) &&
             stmt.bindText(k++, f.font.name) && stmt.bindInt(k++, f.font.height) &&
             stmt.bindInt(k++, f.font.weight) && stmt.bindInt(k++, f.font.italic) &&
             stmt.bindInt(k++, f.font.underline) && stmt.bindInt(k++, f.font.strikeout) &&
             stmt.bindInt(k++, f.back) && stmt.bindInt(k++, f.fore) &&
             stmt.bindInt(k++, f.border.sides) && stmt.bindInt(k++, f.border.lineStyle) &&
             stmt.bindInt(k++, f.border.color) && stmt.bindInt(k++, static_cast<int>(f.hAlign)) &&
             stmt.bindInt(k++, static_cast<int>(f.vAlign)) && stmt.bindInt(k++, f.locked) &&
             stmt.run();
        kws::RowHash h(kws::kSumFormats);
        h.addInt(id);
        h.addInt(f.hasFont);
        h.addBytes(f.font.name);
        for (int64_t v :
             {int64_t(f.font.height), int64_t(f.font.weight), int64_t(f.font.italic),
              int64_t(f.font.underline), int64_t(f.font.strikeout), int64_t(f.back),
              int64_t(f.fore), int64_t(f.border.sides), int64_t(f.border.lineStyle),
              int64_t(f.border.color), int64_t(f.hAlign), int64_t(f.vAlign), int64_t(f.locked)})
            h.addInt(v);
        m_sum += h.value();
        return id;
    }

    int64_t typeId(const CellType& t, SqliteStatement& stmt, bool& ok) {
        for (size_t i = 0; i < m_types.size(); ++i)
            if (m_types[i] == t)
                return static_cast<int64_t>(i + 1);
        m_types.push_back(t);
        int64_t id = static_cast<int64_t>(m_types.size());
        int k = 1;
        ok = ok && stmt.bindInt(k++, id) && stmt.bindInt(k++, static_cast<int32_t>(t.code)) &&
             stmt.bindInt(k++, t.style) && stmt.bindInt(k++, t.maxLength) &&
             stmt.bindInt(k++, t.decimals) && stmt.bindDouble(k++, t.minValue) &&
             stmt.bindDouble(k++, t.maxValue) && stmt.bindText(k++, t.items) &&
             stmt.bindText(k++, t.text) && stmt.bindText(k++, t.picture) &&
             stmt.bindText(k++, t.pictureOn) && stmt.bindText(k++, t.pictureOff) && stmt.run();
        kws::RowHash h(kws::kSumCellTypes);
        for (int64_t v :
             {id, int64_t(t.code), int64_t(t.style), int64_t(t.maxLength), int64_t(t.decimals)})
            h.addInt(v);
        h.addDouble(t.minValue);
        h.addDouble(t.maxValue);
        for (const std::string* text : {&t.items, &t.text, &t.picture, &t.pictureOn, &t.pictureOff})
            h.addBytes(*text);
        m_sum += h.value();
        return id;
    }

    bool writeAttributes() {
        SqliteStatement attrStmt = m_db.prepare("INSERT INTO cell_attributes (row, col, tag, note, "
                                                "type_id, format_id) VALUES (?, ?, ?, ?, ?, ?)");
        SqliteStatement formatStmt =
            m_db.prepare("INSERT INTO formats VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        SqliteStatement typeStmt =
            m_db.prepare("INSERT INTO cell_types VALUES (?,?,?,?,?,?,?,?,?,?,?,?)");
        if (!attrStmt.valid() || !formatStmt.valid() || !typeStmt.valid())
            return false;
        const bool dataOnly = m_content == DocumentFile::Content::DataOnly;
        bool ok = true;
        m_sheet.forEachAttributed([&](int32_t col, int32_t row, const CellAttributes& a) {
            if (!ok)
                return;
            bool hasType = a.type && !dataOnly;
            bool hasFormat = !a.format.isDefault() && !dataOnly;
            if (a.tag.empty() && a.note.empty() && !hasType && !hasFormat)
                return;
            int64_t type = hasType ? typeId(*a.type, typeStmt, ok) : 0;
            int64_t format = hasFormat ? formatId(a.format, formatStmt, ok) : 0;
            ok = ok && attrStmt.bindInt(1, row) && attrStmt.bindInt(2, col) &&
                 (a.tag.empty() ? attrStmt.bindNull(3) : attrStmt.bindText(3, a.tag)) &&
                 (a.note.empty() ? attrStmt.bindNull(4) : attrStmt.bindText(4, a.note)) &&
                 (hasType ? attrStmt.bindInt(5, type) : attrStmt.bindNull(5)) &&
                 (hasFormat ? attrStmt.bindInt(6, format) : attrStmt.bindNull(6)) && attrStmt.run();
            kws::RowHash h(kws::kSumAttributes);
            h.addInt(row);
            h.addInt(col);
            a.tag.empty() ? h.addNull() : h.addBytes(a.tag);
            a.note.empty() ? h.addNull() : h.addBytes(a.note);
            hasType ? h.addInt(type) : h.addNull();
            hasFormat ? h.addInt(format) : h.addNull();
            m_sum += h.value();
            ++m_attributes;
        });
        return ok;
    }

    bool writeSheetSettings() {
        SqliteStatement opt = m_db.prepare("INSERT INTO options (number, value) VALUES (?, ?)");
        if (!opt.valid())
            return false;
        for (auto [number, on] : m_sheet.options()) {
            if (number == kOptionChanged)
                continue; // editing state, not part of the document
            if (!opt.bindInt(1, number) || !opt.bindInt(2, on) || !opt.run())
                return false;
            addSum(kws::kSumOptions, {number, on});
        }
        if (m_content == DocumentFile::Content::DataOnly)
            return true;
        SqliteStatement span =
            m_db.prepare("INSERT INTO spans (col, row, cols, rows) VALUES (?, ?, ?, ?)");
        SqliteStatement width =
            m_db.prepare("INSERT INTO column_widths (col, width_px) VALUES (?, ?)");
        SqliteStatement height =
            m_db.prepare("INSERT INTO row_heights (row, height_px) VALUES (?, ?)");
        if (!span.valid() || !width.valid() || !height.valid())
            return false;
        for (const Span& s : m_sheet.spans())
            if (!span.bindInt(1, s.col) || !span.bindInt(2, s.row) || !span.bindInt(3, s.cols) ||
                !span.bindInt(4, s.rows) || !span.run())
                return false;
            else
                addSum(kws::kSumSpans, {s.col, s.row, s.cols, s.rows});
        for (auto [col, px] : m_sheet.columnWidthsPx())
            if (!width.bindInt(1, col) || !width.bindInt(2, px) || !width.run())
                return false;
            else
                addSum(kws::kSumWidths, {col, px});
        for (auto [row, px] : m_sheet.rowHeightsPx())
            if (!height.bindInt(1, row) || !height.bindInt(2, px) || !height.run())
                return false;
            else
                addSum(kws::kSumHeights, {row, px});
        return true;
    }

    bool writeDocumentKeys() {
        SqliteStatement stmt = m_db.prepare("INSERT INTO document (key, value) VALUES (?, ?)");
        if (!stmt.valid())
            return false;
        auto putInt = [&](const char* key, int64_t value) {
            kws::RowHash h(kws::kSumDocument);
            h.addBytes(key);
            h.addInt(value);
            m_sum += h.value();
            return stmt.bindText(1, key) && stmt.bindInt(2, value) && stmt.run();
        };
        auto putText = [&](const char* key, std::string_view value) {
            kws::RowHash h(kws::kSumDocument);
            h.addBytes(key);
            h.addBytes(value);
            m_sum += h.value();
            return stmt.bindText(1, key) && stmt.bindText(2, value) && stmt.run();
        };
        // The checksum goes in last and is not part of itself.
        return putText(kws::kKeyFormat, kws::kFormatName) &&
               putText(kws::kKeyFormulaStyle, "R1C1") &&
               putInt(kws::kKeyMaxCols, m_sheet.maxCols()) &&
               putInt(kws::kKeyMaxRows, m_sheet.maxRows()) &&
               putInt(kws::kKeyRefStyle, static_cast<int32_t>(m_sheet.refStyle())) &&
               putInt(kws::kKeyUnitType, static_cast<int32_t>(m_sheet.unitType())) &&
               putInt(kws::kKeyCellCount, m_cells) && putInt(kws::kKeyFormulaCount, m_formulas) &&
               putInt(kws::kKeyAttributeCount, m_attributes) &&
               stmt.bindText(1, kws::kKeyChecksum) &&
               stmt.bindInt(2, static_cast<int64_t>(m_sum)) && stmt.run();
    }

    void addSum(uint64_t table, std::initializer_list<int64_t> fields) {
        kws::RowHash h(table);
        for (int64_t f : fields)
            h.addInt(f);
        m_sum += h.value();
    }

    const Sheet& m_sheet;
    SqliteDb& m_db;
    DocumentFile::Content m_content;
    std::vector<CellFormat> m_formats;
    std::vector<CellType> m_types;
    int64_t m_cells = 0;
    int64_t m_formulas = 0;
    int64_t m_attributes = 0;
    uint64_t m_sum = 0;
};

} // namespace

IoStatus DocumentFile::save(const Sheet& sheet, const std::string& path, Content content) {
    AtomicFile file(path);
    IoStatus status = file.create();
    if (!status.ok())
        return status;
    {
        SqliteDb db;
        if (!db.open(file.tempPath(), SqliteDb::Mode::ReadWriteCreate))
            return {IoResult::WriteFailed,
                    "cannot create '" + file.tempPath() + "': " + db.lastError()};
        // The temporary file is thrown away on any failure and synced before the
        // rename, so SQLite's own journal and syncing would only cost time.
        std::string pragmas =
            "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA page_size=8192;"
            "PRAGMA application_id=" +
            std::to_string(kApplicationId) +
            "; PRAGMA user_version=" + std::to_string(kSchemaVersion) + ";";
        if (!db.exec(pragmas))
            return {IoResult::WriteFailed, "cannot write '" + path + "': " + db.lastError()};
        SqliteTransaction tx(db);
        Saver saver(sheet, db, content);
        if (!tx.begun() || !saver.run() || AtomicFile::injected(AtomicFile::Stage::Write))
            return {IoResult::WriteFailed, "cannot write '" + path + "': " + db.lastError()};
        if (!tx.commit())
            return {IoResult::WriteFailed, "cannot write '" + path + "': " + db.lastError()};
        db.close();
    }
    return file.commit();
}

} // namespace grid
