#pragma once

#include <cstdint>
#include <string>

#include "platform/grid/engine/CellRef.h"
#include "platform/grid/engine/io/IoStatus.h"

namespace grid {

class Sheet;

// Flag bits of the text export (SSExportToTextFile); docs/file-formats.md.
enum TextExportFlags : uint32_t {
    kTextLineBreak = 0x01,     // end every row with CR LF (after the row delimiter)
    kTextColumnHeaders = 0x02, // start with the header row (row 0)
    kTextRowHeaders = 0x04,    // start every row with its header cell (column 0)
    kTextFormatted = 0x08,     // cells as displayed (cell type formatting), else unformatted values
    kTextTrimEmpty = 0x10, // leave out empty cells at the end of a row and empty rows at the end
    kTextAppend = 0x20,    // append to the file instead of replacing it
    kTextKnownFlags = 0x3F,
};

struct TextExportOptions {
    std::string cellDelimiter;   // written before and after every cell's text
    std::string columnDelimiter; // written between the cells of a row
    std::string rowDelimiter;    // written after every row
    uint32_t flags = kTextLineBreak | kTextFormatted;
    std::string logFile; // when not empty, one line per export is appended to it
};

// The text of a block of cells. Edges below 1 mean all columns / all rows
// (1 .. the sheet's maximum). Cells covered by a span are empty.
std::string exportTextString(const Sheet& sheet, const CellRange& block,
                             const TextExportOptions& options);

// Writes the text (UTF-8) to `path`: atomically replacing the file, or appending
// with kTextAppend. Unknown flag bits are refused (BadArgument).
IoStatus exportTextFile(const Sheet& sheet, const CellRange& block, const std::string& path,
                        const TextExportOptions& options);

} // namespace grid
