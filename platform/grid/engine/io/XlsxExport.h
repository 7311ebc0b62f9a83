#pragma once

#include <cstdint>
#include <string>

#include "platform/grid/engine/io/IoStatus.h"

namespace grid {

class Sheet;

struct XlsxExportOptions {
    std::string sheetName = "Sheet1";
};

struct XlsxExportReport {
    int64_t formulas = 0; // formulas in the sheet
    int64_t asValues = 0; // of those, written as their current values only
};

// Writes the used part of the sheet from row 1 / column 1 (headers left out) as an
// Excel workbook of one worksheet, atomically: numbers, texts, booleans, errors, and
// formulas in Excel's syntax with their current results (calculate first). A formula
// the Excel syntax cannot hold (a reference the A1 style cannot write) is written as
// its value and counted. Cell tags become workbook names of their cells, so that
// formulas that use them keep working. TooLarge when the used part exceeds 1048576
// rows or 16384 columns or a text exceeds 32767 characters (nothing is written then).
IoStatus exportXlsxFile(const Sheet& sheet, const std::string& path,
                        const XlsxExportOptions& options, XlsxExportReport* report = nullptr);

} // namespace grid
