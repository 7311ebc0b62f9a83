#pragma once

#include <string>

#include "platform/grid/engine/io/IoStatus.h"

namespace grid {
class Sheet;
}

namespace kwsheet {

// File kinds by extension (case-insensitive).
enum class FileKind { Unknown, Document, Csv, Text, Html, Xls };
FileKind fileKindOf(const std::string& path);

// Reads a .kws or .csv file into `sheet`; other kinds give BadArgument.
grid::IoStatus readSheetFile(grid::Sheet& sheet, const std::string& path);

} // namespace kwsheet

// `kwsheet convert IN OUT`: reads a .kws or .csv file and writes it as .kws,
// .csv, .txt, .htm/.html or .xls, chosen by the extensions. `argv` holds the
// arguments after the sub-command. Returns 0 on success; otherwise prints one
// line to standard error and returns 1 (failed) or 2 (bad usage).
int runConvert(int argc, char** argv);
