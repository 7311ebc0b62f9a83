#pragma once
// Runs one compiled formula on a value stack (no recursion). Function
// implementations use the conversion helpers here, which follow the usual
// spreadsheet rules: empty is 0 or "", booleans are 1/0 in arithmetic, text
// converts to a number only when it parses completely, errors propagate.

#include <string>
#include <utility>
#include <vector>

#include "platform/grid/engine/Formula.h"
#include "platform/grid/engine/SheetData.h"

namespace grid {

struct EvalValue {
    // Transposed: the block `range` read with rows and columns swapped (TRANSPOSE of
    // a range); only the functions that say so take it (see docs/formula-engine.md).
    enum Kind : uint8_t { Empty, Number, Text, Bool, Error, Ref, Missing, Transposed };
    Kind kind = Empty;
    ErrorCode err = ErrorCode::None;
    double num = 0;
    CellRange range{};
    std::string text;

    static EvalValue number(double v) {
        EvalValue e;
        e.kind = Number;
        e.num = v;
        return e;
    }
    static EvalValue boolean(bool b) {
        EvalValue e;
        e.kind = Bool;
        e.num = b ? 1 : 0;
        return e;
    }
    static EvalValue error(ErrorCode c) {
        EvalValue e;
        e.kind = Error;
        e.err = c;
        return e;
    }
    static EvalValue textValue(std::string s) {
        EvalValue e;
        e.kind = Text;
        e.text = std::move(s);
        return e;
    }
    bool isRef() const { return kind == Ref; }
    bool isSingleCell() const {
        return kind == Ref && range.col1 == range.col2 && range.row1 == range.row2;
    }
    int32_t width() const { return range.col2 - range.col1 + 1; }
    int32_t height() const { return range.row2 - range.row1 + 1; }
    // Width and height as the value reads, a transposed block swapped.
    int64_t columns() const { return kind == Transposed ? height() : width(); }
    int64_t rows() const { return kind == Transposed ? width() : height(); }
    // The cell of a Ref or Transposed block at (dx, dy) of the value.
    CellRef at(int64_t dx, int64_t dy) const {
        if (kind == Transposed)
            std::swap(dx, dy);
        return {range.col1 + static_cast<int32_t>(dx), range.row1 + static_cast<int32_t>(dy)};
    }
};

class Evaluator {
public:
    explicit Evaluator(Sheet& sheet) : m_sheet(sheet), m_d(sheet.data()) {}

    // Evaluates `code` as the formula of cell (col,row).
    Value run(const FormulaCode& code, int32_t col, int32_t row);

    Sheet& sheet() { return m_sheet; }
    SheetData& data() { return m_d; }
    int32_t col() const { return m_col; }
    int32_t row() const { return m_row; }

    // The value of a cell as a scalar (Empty, Number, Text, Bool or Error).
    EvalValue cellValue(int32_t col, int32_t row) const;
    // A single-cell reference becomes its value; a larger one #VALUE!.
    EvalValue scalar(const EvalValue& v) const;
    // Conversions of a scalar argument; on failure `err` holds the error.
    // Booleans are 1/0, also as text ("x"&TRUE is "x1").
    bool toNumber(const EvalValue& v, double& out, ErrorCode& err) const;
    bool toText(const EvalValue& v, std::string& out, ErrorCode& err) const;
    bool toBool(const EvalValue& v, bool& out, ErrorCode& err) const;

    // A reference a function computed (OFFSET, INDIRECT, ...): false when it leaves
    // the sheet. When a formula inside it still needs calculating, that formula is
    // remembered (pending()) and the calculation does it first and runs this formula
    // again, so computed references see current values like written ones.
    bool computedReference(const CellRange& range);
    static constexpr uint32_t kNoFormula = UINT32_MAX;
    uint32_t pending() const { return m_pending; }

private:
    void binary(Op op);
    void compare(Op op);
    void callCustom(const FormulaCode& code, const Token& t);

    Sheet& m_sheet;
    SheetData& m_d;
    int32_t m_col = 0, m_row = 0;
    std::vector<EvalValue> m_stack;
    uint32_t m_pending = kNoFormula;
};

// Ordering of comparisons and look-ups: <0, 0, >0. Numbers (booleans among them)
// come before text; text orders alphabetically regardless of case, and only a
// case-sensitive comparison then tells "a" from "A" (lower case first).
int compareValues(const EvalValue& a, const EvalValue& b, bool caseSensitive);
double approxAdd(double a, double b);
double approxSub(double a, double b);
// x^y with the spreadsheet's rules (0^0 = 1, odd roots of negatives); err set on failure.
double power(double x, double y, ErrorCode& err);
std::string toUpperAscii(std::string s);

} // namespace grid
