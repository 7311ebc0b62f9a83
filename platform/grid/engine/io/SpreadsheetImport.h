#pragma once
// Reading the first worksheet of an Excel (.xlsx) or OpenDocument (.ods) file into a
// sheet: numbers, texts, booleans, dates (as serial numbers), errors and formulas.
// Formats, sizes and the other worksheets are not read.
//
// Formulas are translated to the engine's A1 style (FormulaTranslation.h); the sheet
// takes that style and calculates them. A formula the engine cannot take (another
// sheet, an unknown function, a defined name, an array formula) keeps the result the
// file holds, as a plain value, and is counted in the report.
//
// The file is read into a fresh sheet that replaces the caller's only on success: a
// damaged, truncated, foreign, over-large or absurdly dimensioned file gives
// NotADocument, Damaged or TooLarge with a message for people and leaves `sheet` as
// it was. No exception leaves these functions.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/grid/engine/io/IoStatus.h"

namespace grid {

class Sheet;

enum class SpreadsheetFormat { Xlsx, Ods };

struct SpreadsheetImportReport {
    int sheets = 0;           // worksheets in the file; only the first is read
    std::string sheetName;    // the first worksheet's name
    int64_t cells = 0;        // cells read (values and formulas)
    int64_t formulas = 0;     // formulas in the first worksheet
    int64_t untranslated = 0; // of those, kept as their stored results
};

// What the readers take at most: larger inputs are refused as TooLarge.
struct SpreadsheetImportLimits {
    static constexpr uint64_t kMaxFileBytes = 64u << 20;
    static constexpr uint64_t kMaxEntryBytes = 256u << 20; // one unpacked part
    static constexpr uint64_t kMaxUnpackedBytes = 512u << 20;
    static constexpr int64_t kMaxCells = 2'000'000;
    // Cells the sheet stores densely: per column, every row up to its last used one.
    static constexpr int64_t kMaxColumnSlots = 8'000'000;
};

IoStatus importSpreadsheetFile(Sheet& sheet, const std::string& path, SpreadsheetFormat format,
                               SpreadsheetImportReport* report = nullptr);
IoStatus importSpreadsheet(Sheet& sheet, std::string_view bytes, SpreadsheetFormat format,
                           SpreadsheetImportReport* report = nullptr);

// ".xlsx" or ".ods" at the end of `path` (any case); false for anything else.
bool spreadsheetFormatOf(const std::string& path, SpreadsheetFormat& format);

} // namespace grid
