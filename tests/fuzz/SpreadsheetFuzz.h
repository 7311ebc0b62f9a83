#pragma once
// What the .xlsx and .ods fuzz targets check of the reader they are given.

#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/SpreadsheetImport.h"
#include "platform/grid/engine/io/XlsxExport.h"
#include "tests/fuzz/FuzzSupport.h"

namespace fuzz {

// Formulas of every cell in A1 style, row by row.
inline std::string formulasOf(const grid::Sheet& s) {
    std::string out;
    s.forEachCellByRow([&](int32_t col, int32_t row) {
        if (s.hasFormula(col, row))
            out += std::to_string(col) + "," + std::to_string(row) + "=" +
                   s.formula(col, row, grid::RefStyle::A1) + "\n";
    });
    return out;
}

inline void checkSpreadsheetReader(std::string_view bytes, grid::SpreadsheetFormat format) {
    grid::Sheet sheet;
    sheet.setMaxCols(3);
    sheet.setMaxRows(3);
    sheet.setText(1, 1, "before");
    if (!grid::importSpreadsheet(sheet, bytes, format).ok()) {
        if (sheet.value(1, 1).toString() != "before" || sheet.maxRows() != 3)
            std::abort();
        return;
    }
    const std::string path = scratchDir() + "/again.xlsx";
    grid::XlsxExportReport written;
    if (!grid::exportXlsxFile(sheet, path, grid::XlsxExportOptions{}, &written).ok())
        return; // more than an Excel worksheet holds (a text over 32767 characters)
    grid::Sheet back;
    if (!grid::importSpreadsheetFile(back, path, grid::SpreadsheetFormat::Xlsx).ok())
        std::abort();
    if (written.asValues == 0 && formulasOf(back) != formulasOf(sheet))
        std::abort();
}

} // namespace fuzz
