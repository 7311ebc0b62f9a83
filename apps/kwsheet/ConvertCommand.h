#pragma once

#include <string>

#include "platform/grid/engine/io/IoStatus.h"

namespace grid {
class Sheet;
}

namespace kwsheet {

// File kinds by extension (case-insensitive).
enum class FileKind { Unknown, Document, Csv, Text, Html, Xls, Xlsx, Ods };
FileKind fileKindOf(const std::string& path);

// Reads a .kws, .csv, .xlsx or .ods file into `sheet`; other kinds give BadArgument.
// For .xlsx and .ods, what the reader could not take as it was (worksheets after the
// first, formulas kept as their stored results) is told in `notes`, one line each.
grid::IoStatus readSheetFile(grid::Sheet& sheet, const std::string& path,
                             std::string* notes = nullptr);

} // namespace kwsheet

// `kwsheet convert IN OUT`: reads a .kws, .csv, .xlsx or .ods file and writes it as
// .kws, .csv, .txt, .htm/.html, .xls or .xlsx, chosen by the extensions. `argv` holds
// the arguments after the sub-command. Returns 0 on success, printing the reader's
// and writer's notes (see readSheetFile) on standard output; otherwise prints one
// line to standard error and returns 1 (failed) or 2 (bad usage).
int runConvert(int argc, char** argv);
