#pragma once
// What the readers of other programs' files collect from the first worksheet before a
// sheet is filled (SpreadsheetImport.cpp): the cells in file order, with formulas
// already translated to the engine's A1 style.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/grid/engine/Value.h"
#include "platform/grid/engine/io/SpreadsheetImport.h"

namespace grid {

struct ImportedCell {
    int32_t col = 0;           // from 1
    int32_t row = 0;           // from 1
    Value value;               // a formula's stored result
    std::string formula;       // engine A1 text; empty for a plain value
    bool untranslated = false; // a formula kept as its stored result
};

// A workbook name of one cell of the first worksheet; the sheet takes it as the cell's
// tag, which formulas use as a name.
struct ImportedName {
    std::string name;
    std::string target; // engine A1 text, "$B$1"
};

struct ImportedBook {
    int sheets = 0;
    std::string sheetName;
    std::vector<ImportedCell> cells;
    std::vector<ImportedName> names;
};

// An engine A1 formula of the cell (fromCol, fromRow) as it reads in (toCol, toRow),
// columns and rows from 1: relative references move with it. Nullopt when it does
// not parse or a reference would leave the sheet.
std::optional<std::string> movedFormula(const std::string& text, int32_t fromCol, int32_t fromRow,
                                        int32_t toCol, int32_t toRow);

// Thrown by the collector to stop the library's parse when a limit is passed.
class ImportLimitError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Runs liborcus over the whole file in memory (OrcusImport.cpp). Throws whatever the
// library throws for a malformed file, and ImportLimitError.
void readWithOrcus(std::string_view bytes, SpreadsheetFormat format, ImportedBook& book);

// Adds to `book` what liborcus does not pass on of the .ods file's first table
// (OdsCellValues.cpp): boolean, percentage and currency cells, the text and boolean
// results of formulas, and the rows after the first of a repeated row. Throws as
// readWithOrcus does.
void addOdsCellValues(std::string_view bytes, ImportedBook& book);

} // namespace grid
