#pragma once
// The grid's data model and calculation: cells with values and formulas, sparse
// per-cell attributes, row and column sizes, options, custom functions, and the
// editing operations. One Sheet per grid; sheets are independent, so a custom
// function may load and calculate another Sheet while this one is calculating.
//
// Addressing: columns and rows count from 1; row 0 is the column-header row,
// column 0 the row-header column, (0,0) the corner cell. A cell outside
// 0..maxCols() x 0..maxRows() cannot be set (the setter returns false) and reads
// as empty.

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/grid/engine/CellFormat.h"
#include "platform/grid/engine/CellRef.h"
#include "platform/grid/engine/CellType.h"
#include "platform/grid/engine/CustomFunction.h"
#include "platform/grid/engine/Value.h"

namespace grid {

enum class RefStyle : int32_t { Default = 0, A1 = 1, R1C1 = 2 };

// Unit type of widths and heights: 1 = pixels (the default unit), 2 = twips
// (1/1440 inch; 15 twips per pixel at 96 dpi). Stored as the product passes it.
enum class UnitType : int32_t { Normal = 0, Pixels = 1, Twips = 2 };

// Boolean option numbers with an effect in the engine (docs/grid-options.md).
constexpr int kOptionAutoCalc = 7;
constexpr int kOptionChanged = 30;

// Sparse attributes of one cell. Absent fields are defaults.
struct CellAttributes {
    std::string tag;
    std::string note;
    std::optional<CellType> type;
    CellFormat format;
    bool isDefault() const { return tag.empty() && note.empty() && !type && format.isDefault(); }
};

// Result of setting a formula.
struct FormulaStatus {
    bool ok = true;
    std::string message; // one line, for people
    int position = 0;    // character offset of the fault in the formula text
};

// What clearing and copying touch.
enum ClearWhat : uint32_t { kClearData = 1, kClearFormats = 2, kClearAll = 3 };

struct SheetData;

class Sheet {
public:
    Sheet();
    ~Sheet();
    Sheet(const Sheet&) = delete;
    Sheet& operator=(const Sheet&) = delete;

    // --- size ---------------------------------------------------------------
    int32_t maxCols() const;
    int32_t maxRows() const;
    // Shrinking drops the cells, attributes and spans beyond; growing adds empty ones.
    bool setMaxCols(int32_t n);
    bool setMaxRows(int32_t n);
    static constexpr int32_t kLimitCols = 32767;
    static constexpr int32_t kLimitRows = 16777216;

    // --- contents -----------------------------------------------------------
    // Plain values (drop any formula of the cell).
    bool setValue(int32_t col, int32_t row, const Value& v);
    bool setNumber(int32_t col, int32_t row, double v);
    bool setText(int32_t col, int32_t row, std::string_view text);
    // A formula in the current reference style, with or without a leading '='.
    // On a syntax fault the cell is left unchanged and the status says why.
    // An empty text removes the cell's formula.
    FormulaStatus setFormula(int32_t col, int32_t row, std::string_view text);
    FormulaStatus setFormula(int32_t col, int32_t row, std::string_view text, RefStyle style);
    // As a person types into the cell: '=' starts a formula; a number-typed cell
    // parses its number (false when it does not parse or is out of range);
    // a combo cell takes an item text or index; otherwise numbers that parse
    // completely become numbers and everything else text. Empty text clears.
    bool setData(int32_t col, int32_t row, std::string_view text);
    // Removes value and formula (attributes stay).
    bool clearContents(int32_t col, int32_t row);

    Value value(int32_t col, int32_t row) const;
    bool hasFormula(int32_t col, int32_t row) const;
    // Formula text without '=' in the current (or given) reference style; empty
    // when none. References the style cannot write come out as '?'.
    std::string formula(int32_t col, int32_t row) const;
    std::string formula(int32_t col, int32_t row, RefStyle style) const;
    // Display text by cell type (number decimals, check box "1"/"0", combo item ...).
    std::string displayText(int32_t col, int32_t row) const;
    // Unformatted value text (combo: the item index; numbers as in Value::toString).
    std::string valueText(int32_t col, int32_t row) const;

    // --- attributes ---------------------------------------------------------
    bool setTag(int32_t col, int32_t row, std::string_view tag);
    std::string tag(int32_t col, int32_t row) const;
    bool setNote(int32_t col, int32_t row, std::string_view note);
    std::string note(int32_t col, int32_t row) const;
    bool setCellType(int32_t col, int32_t row, const CellType& type);
    bool setCellType(const CellRange& block, const CellType& type);
    bool clearCellType(int32_t col, int32_t row);
    // General when none is set.
    CellType cellType(int32_t col, int32_t row) const;
    bool setFormat(int32_t col, int32_t row, const CellFormat& format);
    CellFormat format(int32_t col, int32_t row) const;
    bool setFont(const CellRange& block, const Font& font);
    bool setColors(const CellRange& block, Color back, Color fore);
    bool setBorder(const CellRange& block, const Border& border);
    bool setLocked(const CellRange& block, bool locked);
    bool isLocked(int32_t col, int32_t row) const;
    // Null when the cell has no attributes.
    const CellAttributes* attributes(int32_t col, int32_t row) const;
    bool setAttributes(int32_t col, int32_t row, const CellAttributes& attrs);

    // --- spans --------------------------------------------------------------
    // Fails when the span leaves the sheet or overlaps another span.
    bool addSpan(const Span& span);
    bool removeSpan(int32_t anchorCol, int32_t anchorRow);
    // The span covering the cell, if any.
    std::optional<Span> spanAt(int32_t col, int32_t row) const;
    const std::vector<Span>& spans() const;

    // --- sizes (in the current unit type) ------------------------------------
    // Column 0 / row 0 are the header column / row. Unset sizes read as the defaults.
    double columnWidth(int32_t col) const;
    bool setColumnWidth(int32_t col, double width);
    double rowHeight(int32_t row) const;
    bool setRowHeight(int32_t row, double height);
    // Sizes that were set, in pixels, by index (for saving).
    const std::map<int32_t, int32_t>& columnWidthsPx() const;
    const std::map<int32_t, int32_t>& rowHeightsPx() const;
    void setColumnWidthPx(int32_t col, int32_t px);
    void setRowHeightPx(int32_t row, int32_t px);
    static constexpr int32_t kDefaultColumnWidthPx = 64;
    static constexpr int32_t kDefaultRowHeightPx = 20;

    // --- options ------------------------------------------------------------
    // Any number is stored; 7 = automatic recalculation, 30 = changed flag.
    bool option(int number) const;
    void setOption(int number, bool on);
    // All options that were ever set (for saving).
    const std::map<int, bool>& options() const;
    bool autoCalc() const { return option(kOptionAutoCalc); }
    void setAutoCalc(bool on) { setOption(kOptionAutoCalc, on); }
    bool changed() const { return option(kOptionChanged); }
    void setChanged(bool on) { setOption(kOptionChanged, on); }
    RefStyle refStyle() const;
    void setRefStyle(RefStyle style);
    UnitType unitType() const;
    void setUnitType(UnitType unit);

    // --- calculation --------------------------------------------------------
    // Calculates every formula.
    void recalcAll();
    // Calculates one cell and the formulas it depends on that are out of date.
    void recalcCell(int32_t col, int32_t row);
    // Number of formula evaluations since the sheet was made (for tests/benchmarks).
    uint64_t evaluationCount() const;

    // --- custom functions ---------------------------------------------------
    // Replaces a function of the same name. False for an empty name or bad bounds.
    bool addCustomFunction(CustomFunction fn);
    const CustomFunction* customFunction(std::string_view name) const;

    // --- editing ------------------------------------------------------------
    // Rows/columns at `at` move down/right; those pushed beyond the maximum fall off.
    // References adjust; references into deleted cells become #REF!.
    bool insertRows(int32_t at, int32_t count = 1);
    bool deleteRows(int32_t at, int32_t count = 1);
    bool insertCols(int32_t at, int32_t count = 1);
    bool deleteCols(int32_t at, int32_t count = 1);
    // Copies contents and/or formats of the block to (destCol, destRow);
    // relative references in copied formulas shift with the copy.
    bool copyBlock(const CellRange& source, int32_t destCol, int32_t destRow,
                   uint32_t what = kClearAll);
    // Moves the block (contents and formats) and clears the source; references to
    // the moved cells follow them.
    bool moveBlock(const CellRange& source, int32_t destCol, int32_t destRow);
    bool clear(const CellRange& block, uint32_t what = kClearAll);
    // Empties the whole sheet and resets sizes, options and spans; keeps custom functions.
    void reset();

    // --- iteration ----------------------------------------------------------
    // Every cell with a value or formula, column by column, rows ascending.
    void forEachCell(const std::function<void(int32_t col, int32_t row)>& fn) const;
    // Same, row-major (rows ascending, then columns).
    void forEachCellByRow(const std::function<void(int32_t col, int32_t row)>& fn) const;
    // Every cell with attributes, in no particular order.
    void forEachAttributed(
        const std::function<void(int32_t col, int32_t row, const CellAttributes&)>& fn) const;

    SheetData& data() { return *m_d; }
    const SheetData& data() const { return *m_d; }

private:
    std::unique_ptr<SheetData> m_d;
};

} // namespace grid
