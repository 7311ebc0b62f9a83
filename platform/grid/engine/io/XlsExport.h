#pragma once

#include <string>

#include "platform/grid/engine/io/IoStatus.h"
#include "platform/grid/engine/io/XlsBook.h"

namespace grid {

class Sheet;

struct XlsExportOptions {
    std::string sheetName = "Sheet1";
    std::string logFile; // when not empty, one line per export is appended to it
};

// How the sheet's formulas went into the file.
struct XlsFormulaCounts {
    int asFormulas = 0; // FORMULA records with the cached result
    int asValues = 0;   // formulas the format cannot express (see XlsFormula.h)
};

// The used part of the sheet from row 1 / column 1 (headers are left out) as an
// Excel 97-2003 worksheet: values; formulas with their current results, or as
// those results alone where the format cannot express them (XlsFormula.h);
// combo, button and static-text cells as their display text; number formats
// from number types, fonts, colours, borders, alignment, lock, column widths,
// row heights and spans as merged cells. `counts`, when given, says how the
// formulas went in.
IoStatus buildXlsBook(const Sheet& sheet, const XlsExportOptions& options, xls::Book& book,
                      XlsFormulaCounts* counts = nullptr);

// Writes the .xls file atomically. TooLarge when the used part exceeds 65536 rows
// or 256 columns (nothing is written then).
IoStatus exportXlsFile(const Sheet& sheet, const std::string& path, const XlsExportOptions& options,
                       XlsFormulaCounts* counts = nullptr);

} // namespace grid
