#pragma once

#include <string>

#include "platform/grid/engine/io/IoStatus.h"
#include "platform/grid/engine/io/XlsBook.h"

namespace grid::xls {

// Writes a Book as a BIFF8 workbook stream and wraps it in a compound file.
// Fails (TooLarge) when a sheet has a cell or merge outside 65536 rows x 256
// columns, rather than leaving part of the sheet out.
class XlsWriter {
public:
    // The "Workbook" stream alone.
    static IoStatus workbookStream(const Book& book, std::string& out);
    // A complete .xls file's bytes.
    static IoStatus fileBytes(const Book& book, std::string& out);
};

} // namespace grid::xls
