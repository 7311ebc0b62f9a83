#pragma once
// Internal storage of a Sheet. Values are dense per column (a Slot per row up to
// the last used row of that column); attributes are sparse, in a hash map.
// Formulas live in a table of FormulaCell entries that point into a pool of
// shared, position-independent compiled codes.

#include <array>
#include <climits>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/grid/engine/ColumnIndex.h"
#include "platform/grid/engine/Formula.h"
#include "platform/grid/engine/Sheet.h"

namespace grid {

class Evaluator;
// Runs a formula (Evaluator.cpp).
Value runFormula(Evaluator& ev, const FormulaCode& code, int32_t col, int32_t row);

struct Slot {
    double num = 0;
    uint32_t aux = 0;     // Text: text pool index; Error: ErrorCode
    uint32_t formula = 0; // formula id + 1, 0 = none
    uint32_t depHead = 0; // first dependency edge + 1, 0 = none
    ValueType type = ValueType::Empty;
    uint8_t pad = 0;
};

struct Column {
    std::vector<Slot> slots;
    // Changes with every write to a slot (SheetData::slotRef); what was built from the
    // column's values (ColumnIndex) holds while it stays the same.
    uint64_t version = 0;
    // Changes whenever one of the column's formulas becomes dirty (or is added).
    uint64_t dirtyMark = 0;
    // Rows cleanFrom..cleanTo held no dirty or busy formula when dirtyMark was
    // cleanMark: while it still is, the calculation's search for precedents skips them.
    uint64_t cleanMark = 0;
    int32_t cleanFrom = 1, cleanTo = 0;
};

enum class FState : uint8_t { Clean, Dirty, Busy, Dead };

struct FormulaCell {
    int32_t col = 0;
    int32_t row = 0;
    uint32_t code = 0;
    FState state = FState::Dirty;
};

// "Formula `formula` reads the cell that holds this edge in its list."
struct DepEdge {
    uint32_t formula = 0;
    uint32_t next = 0; // next edge + 1
};

struct RangeDep {
    CellRange range;
    uint32_t formula = 0;
};

// The last formula text parsed for a column, to recognise the next one filled down.
struct FormulaMemo {
    int32_t col = -1;
    int32_t row = 0;
    RefStyle style = RefStyle::Default;
    std::string text;
    FormulaCode code;
};

// One formula on the calculation stack and where its scan of precedents stands.
struct CalcFrame {
    uint32_t fid;
    uint32_t tok;
    int32_t c;
    int32_t r;
};

inline uint64_t cellKey(int32_t col, int32_t row) {
    return (static_cast<uint64_t>(static_cast<uint32_t>(col)) << 32) | static_cast<uint32_t>(row);
}

struct SheetData {
    int32_t maxCols = 26;
    int32_t maxRows = 100;
    std::vector<Column> cols;
    uint64_t versionClock = 0; // the last version given to a column
    ColumnIndexes columnIndexes;

    // text pool
    std::vector<std::string> texts;
    std::vector<uint32_t> freeTexts;

    // formulas
    std::vector<FormulaCell> formulas;
    std::vector<uint32_t> freeFormulas;
    std::vector<uint32_t> deadFormulas; // freed while calculating; recycled afterwards
    std::vector<std::unique_ptr<FormulaCode>> codes;
    std::vector<uint32_t> codeRefs;
    std::vector<uint32_t> freeCodes;
    std::unordered_multimap<uint64_t, uint32_t> codeIndex;
    FormulaCode scratch;
    std::array<FormulaMemo, 4> formulaMemos; // one per column, the oldest replaced
    size_t nextMemo = 0;
    std::array<uint32_t, 4> recentCodes{UINT32_MAX, UINT32_MAX, UINT32_MAX, UINT32_MAX};
    size_t nextRecent = 0;

    // dependencies
    std::vector<DepEdge> edges;
    std::vector<uint32_t> freeEdges;
    std::vector<RangeDep> rangeDeps;
    std::vector<uint32_t> freeRangeDeps;
    std::vector<std::vector<uint32_t>> rangesByCol;                  // range dep ids per column
    std::unordered_map<uint32_t, std::vector<uint32_t>> rangeDepsOf; // formula -> range dep ids
    std::unordered_map<uint32_t, std::vector<CellRef>> nameDepsOf; // formula -> cells of its names
    std::vector<uint32_t> dirty;            // formulas marked dirty and not yet calculated
    std::unordered_set<uint32_t> volatiles; // formulas with volatile functions
    std::vector<uint32_t> pendingCodeReleases;
    int calculating = 0;
    uint64_t evaluations = 0;

    // attributes
    std::unordered_map<uint64_t, CellAttributes> attrs;
    std::unordered_map<std::string, CellRef> tagIndex; // lower-case tag -> first cell (row-major)
    bool tagIndexValid = false;
    std::vector<Span> spans;

    // sizes (pixels)
    std::map<int32_t, int32_t> colWidths;
    std::map<int32_t, int32_t> rowHeights;

    // options
    std::array<int8_t, 64> smallOptions{}; // -1 off, 1 on, 0 never set
    std::map<int, bool> bigOptions;
    mutable std::map<int, bool> optionsView;
    RefStyle refStyle = RefStyle::Default;
    UnitType unitType = UnitType::Pixels;

    std::vector<CustomFunction> customFunctions;

    // --- slots ---
    const Slot* slot(int32_t col, int32_t row) const {
        if (col < 0 || row < 0 || static_cast<size_t>(col) >= cols.size())
            return nullptr;
        const auto& s = cols[col].slots;
        return static_cast<size_t>(row) < s.size() ? &s[row] : nullptr;
    }
    Slot& slotRef(int32_t col, int32_t row) {
        if (static_cast<size_t>(col) >= cols.size())
            cols.resize(col + 1);
        cols[col].version = ++versionClock;
        auto& s = cols[col].slots;
        if (static_cast<size_t>(row) >= s.size())
            s.resize(row + 1);
        return s[row];
    }
    // For edits that move or wipe slots without slotRef: no column index survives them.
    void slotsRewritten() { columnIndexes.clear(); }
    bool inSheet(int32_t col, int32_t row) const {
        return col >= 0 && row >= 0 && col <= maxCols && row <= maxRows;
    }

    uint32_t addText(std::string_view s);
    void freeText(uint32_t id);
    // Drops the slot's value (text freed); formula link untouched.
    void clearValue(Slot& s);
    Value slotValue(const Slot& s) const;
    void storeValue(Slot& s, const Value& v);

    // --- formulas ---
    uint32_t internCode(const FormulaCode& code);
    void releaseCode(uint32_t id);
    void rememberCode(uint32_t id);
    // Creates a formula for the cell from `code` (interned); returns its id.
    uint32_t addFormula(int32_t col, int32_t row, uint32_t codeId);
    // Unlinks and frees the formula of the cell, if any.
    void removeFormula(int32_t col, int32_t row);

    void registerDeps(uint32_t fid);
    void unregisterDeps(uint32_t fid);
    void rebuildAllDeps();
    void addEdge(int32_t col, int32_t row, uint32_t fid);
    void removeEdge(int32_t col, int32_t row, uint32_t fid);

    // Marks the formulas depending on (col,row), transitively, dirty.
    void markDependentsDirty(int32_t col, int32_t row);
    void markDirty(uint32_t fid);
    // Every formula that becomes dirty goes through here.
    void setDirty(FormulaCell& f) {
        f.state = FState::Dirty;
        cols[f.col].dirtyMark = ++versionClock;
    }
    // Calculates every dirty formula.
    void calculateDirty(Sheet& sheet);
    // Calculates one formula after its dirty precedents (explicit stack).
    void calculate(Sheet& sheet, uint32_t fid);
    void calculate(Sheet& sheet, uint32_t fid, Evaluator& ev, std::vector<CalcFrame>& stack);
    // Runs the formula and stores its result; false (nothing stored) when it read a
    // computed reference to a formula that needs calculating first (ev.pending()).
    bool evaluate(Sheet& sheet, Evaluator& ev, uint32_t fid);
    // Marks the volatile formulas and their dependents dirty.
    void markVolatilesDirty();
    // Recycles what was freed while calculating.
    void finishCalculation();

    // --- tags ---
    const CellRef* findTag(std::string_view name);
    // Re-links the formulas that use names after a tag was set or removed.
    void tagsChanged();

    // --- options ---
    bool option(int n) const;
    void setOption(int n, bool on);
};

} // namespace grid
