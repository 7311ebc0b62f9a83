#pragma once
// FromTableLookup: one loaded document as FROMTABLE reads it. It finds the target cell
// of a call (a cell reference, or key column, result column and key) and reads the
// cell's typed value. Header and key look-ups go through indexes built the first time
// a column is searched, so many calls on one document cost one pass over it.

#include <string>
#include <unordered_map>

#include "platform/grid/engine/CustomFunction.h"

namespace grid {
class Sheet;
}

namespace kw {

class FromTableLookup {
public:
    explicit FromTableLookup(grid::Sheet& document) : m_sheet(document) {}

    grid::Sheet& sheet() { return m_sheet; }

    // Runs one call (2 to 5 arguments) on the document; `calling` is the sheet whose
    // formula made the call (cell-reference arguments read their display text there,
    // and the 3- and 5-argument forms write into it). The result gets status Ok with the
    // value, CannotRead, or NoResult (with an error for faults: wrong arguments give
    // #VALUE!; a key that is not found leaves the result empty). Also prints the typed
    // result on the command line as the evaluator does.
    void evaluate(grid::Sheet& calling, grid::ValueRecord& result, const grid::ValueRecord* args,
                  int count);

    // The first column (1..count) whose header text equals `text` ignoring case; -1.
    int findColumn(const std::string& text);
    // The first row (1..count) whose cell in `col` shows `text` ignoring case; -1.
    int findRow(int col, const std::string& text);
    // Forgets the indexes (after the document changed).
    void clearIndexes();

private:
    // An argument as the text it stands for: a long's decimal text, a real's shortest
    // exact text, a text, or a cell reference's display text in the calling sheet.
    static bool argumentText(const grid::ValueRecord& arg, const grid::Sheet& calling,
                             std::string& out);
    void readValue(int col, int row, grid::ValueRecord& result);

    grid::Sheet& m_sheet;
    bool m_headersIndexed = false;
    std::unordered_map<std::string, int> m_headers;
    std::unordered_map<int, std::unordered_map<std::string, int>> m_keys;
};

} // namespace kw
