#pragma once

#include <string>

#include "platform/grid/engine/io/IoStatus.h"

namespace grid {

class Sheet;

// Writes the used part of the sheet from row 1 / column 1 as CSV (RFC 4180,
// UTF-8, CR LF). Numbers are written exactly (the shortest text that reads back
// as the same double), booleans TRUE/FALSE, errors as their text, everything
// else (formulas' results included) as the cell's display text.
std::string exportCsvString(const Sheet& sheet);
IoStatus exportCsvFile(const Sheet& sheet, const std::string& path);

// Replaces the sheet's contents with the CSV file's records (row 1 up; column 1
// up). A field that is a number in the C locale becomes a number, TRUE/FALSE a
// boolean, an error text (#DIV/0! ...) an error value, an empty field nothing,
// anything else text; formulas are not evaluated ('=' starts plain text).
// The sheet grows to hold the data. On failure (unreadable file, malformed
// quoting, too many rows or columns) the sheet is unchanged.
IoStatus importCsvFile(Sheet& sheet, const std::string& path);
IoStatus importCsvString(Sheet& sheet, const std::string& text);

} // namespace grid
