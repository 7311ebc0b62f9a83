#pragma once

#include "platform/grid/engine/io/BiffStream.h"
#include "platform/grid/engine/io/XlsBook.h"

namespace grid::xls {

// The records of formula cells, for XlsWriter.

// A cell with a formula: the FORMULA record (`b` holds the cell's row, column
// and XF already) with the cached result, then a STRING record for a text result.
void writeFormulaCell(BiffStream& s, ByteWriter& b, const Cell& c);

// The functions the book's formulas call by name (workbook globals, after the
// BOUNDSHEET records); nothing when there are none.
void writeFunctionNames(BiffStream& s, const Book& book);

} // namespace grid::xls
