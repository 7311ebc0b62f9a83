#pragma once
// Formula text -> FormulaCode, in one of the three reference styles.
//   Default: A1 is absolute; '#' stands for the formula's own column or row,
//            with an offset as in A#-1 (row above) or #+1# (column right).
//   A1:      relative unless marked with '$'.
//   R1C1:    R2C3 absolute, R[-1]C[2] relative, R / C alone = own row / column.
// Parsing never recurses more than kMaxDepth levels; deeper input is refused.

#include <string>
#include <string_view>

#include "platform/grid/engine/Formula.h"
#include "platform/grid/engine/Sheet.h"

namespace grid {

struct ParseResult {
    bool ok = true;
    std::string message;
    int position = 0;
};

class FormulaParser {
public:
    static constexpr int kMaxDepth = 200;
    static constexpr size_t kMaxLength = 8192;

    // Parses `text` (an optional leading '=' is skipped) for the cell (col,row).
    ParseResult parse(std::string_view text, RefStyle style, int32_t col, int32_t row,
                      FormulaCode& out);

    // Whether `text` for the cell (col,row) surely gives the code that `parsed` gave
    // (it parsed) for the cell (col,parsedRow) of the same column: a formula filled
    // down reads the same without being parsed again. In A1 style the two may differ
    // only in the row numbers of relative cell references, by the distance of the rows;
    // in the other styles the code does not depend on the cell and the texts must be
    // equal. False when unsure (whole rows or columns, ranges).
    static bool sameCode(std::string_view parsed, int32_t parsedRow, std::string_view text,
                         int32_t row, RefStyle style);
};

// FormulaCode -> text without '=' for the cell (col,row) in the given style.
std::string writeFormula(const FormulaCode& code, RefStyle style, int32_t col, int32_t row);

} // namespace grid
