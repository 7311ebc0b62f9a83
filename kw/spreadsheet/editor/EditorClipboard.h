#pragma once
// The spreadsheet editors' internal clipboard: the block last copied and the block last
// cut, as cell coordinates, shared by every editor window of the process. A block is
// only good for the document it was taken from: each editor names its current document
// with a number of its own (a new number at start and after every load), and a source of
// another document counts as unset. docs/spreadsheet-editor.md describes the rules.

#include "platform/grid/engine/CellRef.h"

namespace kw {

struct ClipboardBlock {
    static constexpr int kUnset = -2;
    int col1 = kUnset, row1 = kUnset, col2 = kUnset, row2 = kUnset;
    long long document = 0; // the document the block was taken from
    // Set when all four edges are at least -1.
    bool isSet() const { return col1 >= -1 && row1 >= -1 && col2 >= -1 && row2 >= -1; }
    grid::CellRange range() const { return {col1, row1, col2, row2}; }
};

struct EditorClipboard {
    ClipboardBlock copySource;
    ClipboardBlock cutSource;

    void clear() {
        copySource = {};
        cutSource = {};
    }
    // The module's one clipboard.
    static EditorClipboard& instance();
    // A number no document had before (for a new or newly loaded document).
    static long long newDocumentNumber();
};

} // namespace kw
