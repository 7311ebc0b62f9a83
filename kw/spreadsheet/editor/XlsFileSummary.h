#pragma once
// Reads an Excel 97-2003 workbook back far enough to say what it holds: the compound
// file's directory, the "Workbook" stream, the names of its sheets and the used size of
// the first one. The editor reads every .xls it exports this way, so what it reports
// on the command line is what the file holds, not what it meant to write.
//
// Every offset and chain is checked against the file's size; a damaged, truncated or
// foreign file gives false with a reason, never a read out of bounds.

#include <string>
#include <vector>

namespace kw {

struct XlsSummary {
    std::vector<std::string> sheets; // the sheet names, in order
    int rows = 0;                    // used rows and columns of the first sheet
    int cols = 0;
};

// `bytes`: the whole file.
bool summariseXls(const std::string& bytes, XlsSummary& summary, std::string& why);

} // namespace kw
