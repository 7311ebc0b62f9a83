#pragma once

#include <cstdint>
#include <string>

#include "platform/grid/engine/Formula.h"
#include "platform/grid/engine/io/XlsBook.h"

namespace grid {
class Sheet;
}

namespace grid::xls {

// The longest token array written; longer formulas are written as their values.
constexpr size_t kMaxFormulaBytes = 1800;
// The EXTERNSHEET entry of the add-in SUPBOOK, which every ptgNameX names.
constexpr uint16_t kAddInExternSheet = 0;

enum class FormulaFit : uint8_t {
    Written,
    Reference, // a cell beyond 65536 rows x 256 columns
    Function,  // no BIFF8 form of the function, or not with this many arguments
    Name,      // a cell tag used as a name, or a custom function
    Literal,   // a text over 255 characters, or an error constant other than #N/A
    TooLong,   // over kMaxFormulaBytes
    Malformed, // the token list does not form one expression
};

// Converts the engine's compiled formula of the cell (col,row) (from 1) into
// the parsed tokens of a BIFF8 FORMULA record: references absolute on the sheet
// with relative flags, operators in the same postfix order, functions by number
// (IF with its jump tokens, a volatile formula led by tAttrVolatile), newer and
// add-in functions by name. On Written, `out` holds the tokens and the names it
// calls are in `book`; otherwise neither is touched and the cell is to be written
// as its value.
FormulaFit encodeFormula(const FormulaCode& code, int32_t col, int32_t row, Book& book,
                         std::string& out);

// The compiled formula of the sheet's cell; null when it holds none.
const FormulaCode* cellFormula(const grid::Sheet& sheet, int32_t col, int32_t row);

} // namespace grid::xls
