#pragma once
// The spreadsheet editors' internal clipboard: the block last copied and the block last
// cut, shared by every editor window of the process.
//
// Each editor names its current document with a number of its own (a new number at
// start and after every load). A block remembers the document it was taken from and,
// with it, the cells it held then:
// - pasted into the same document, the sheet copies (or moves) the block as it is now;
// - pasted into another document (another window, or after Open), the cells taken are
//   placed, formulas with their relative references shifted to the new place; a cut
//   also takes the cells out of its source, which it can do only while that document
//   is open, so a cut ends when its document is closed or replaced.
// docs/spreadsheet-editor.md describes the rules.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/grid/engine/CellRef.h"
#include "platform/grid/engine/Sheet.h"

namespace grid {
class GridControl;
}

namespace kw {

struct ClipboardBlock {
    static constexpr int kUnset = -2;
    int col1 = kUnset, row1 = kUnset, col2 = kUnset, row2 = kUnset;
    long long document = 0; // the document the block was taken from
    // Set when all four edges are at least -1.
    bool isSet() const { return col1 >= -1 && row1 >= -1 && col2 >= -1 && row2 >= -1; }
    grid::CellRange range() const { return {col1, row1, col2, row2}; }
};

// One cell of a taken block, placed by its offset from the block's top left corner.
struct ClipboardCell {
    int dc = 0, dr = 0;
    grid::Value value;
    std::string formula; // in R1C1 style (relative references as offsets); empty: none
    grid::CellAttributes attributes;
};

struct EditorClipboard {
    ClipboardBlock copySource;
    ClipboardBlock cutSource;
    // What the block of the source that is set held when it was taken.
    std::vector<ClipboardCell> cells;
    int cols = 0, rows = 0;
    // The grid showing the cut block's document, while that document is open.
    grid::GridControl* cutGrid = nullptr;

    void clear() {
        copySource = {};
        cutSource = {};
        cells.clear();
        cols = rows = 0;
        cutGrid = nullptr;
    }
    // Remembers `block` (its edges within the sheet) of `grid`'s document as copied or
    // cut, with the cells it holds.
    void take(grid::GridControl& grid, const grid::CellRange& block, long long document, bool cut);
    // The document is closed or replaced: a cut from it ends.
    void forget(long long document);
    // Places the taken cells at (col, row) of `target`, growing it when they do not fit;
    // a cut's source cells are cleared. False when nothing was taken or the cells do not
    // fit within the sheet's limits.
    bool placeInto(grid::Sheet& target, int col, int row);

    // The module's one clipboard.
    static EditorClipboard& instance();
    // A number no document had before (for a new or newly loaded document).
    static long long newDocumentNumber();
};

} // namespace kw
