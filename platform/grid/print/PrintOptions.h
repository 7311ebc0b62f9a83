#pragma once
// What a print job of the grid looks like: orientation, which cells, margins and what
// is drawn besides the cells. Plain data; the grid window keeps one per sheet and the
// pagination (Pagination.h) turns it into pages.

#include <cstdint>

#include "platform/grid/engine/CellRef.h"

namespace grid {

// Option flags as the product passes them.
enum PrintFlags : unsigned {
    kPrintSelection = 2, // print `block` only
    kPrintPageRange = 4, // print pages pageFrom..pageTo only
    kPrintAlways = 8,    // set on every job the product makes
};

// In which order pages cut from a wide and long sheet are numbered.
enum class PageOrder : int32_t {
    DownThenOver = 0, // every page of the first columns, then the next columns
    OverThenDown = 1, // every column band of the first rows, then the next rows
};

struct PrintOptions {
    int orientation = 1; // 1 portrait, 2 landscape
    unsigned flags = kPrintAlways;
    int pageFrom = 1;
    int pageTo = 1;
    // With kPrintSelection: the block; edges below 1 mean every column / row.
    CellRange block{1, 1, 0, 0};
    // Margins in inches, measured from the paper's edges.
    double marginLeft = 0.5;
    double marginRight = 0.5;
    double marginTop = 0.5;
    double marginBottom = 0.5;
    // Landscape when that fits more columns, and the table scaled down to the width.
    bool smartPrint = false;
    bool colors = true;     // cell colours; off: black on white
    bool colHeaders = true; // the column header row on every page
    bool rowHeaders = true; // the row header column on every page
    bool gridLines = true;  // lines between the cells
    bool border = true;     // a frame round the table
    PageOrder pageOrder = PageOrder::DownThenOver;

    friend bool operator==(const PrintOptions&, const PrintOptions&) = default;
};

// The paper as the printer has it, portrait, in millimetres.
struct PaperSize {
    double widthMm = 210;
    double heightMm = 297;
    friend bool operator==(const PaperSize&, const PaperSize&) = default;
};

} // namespace grid
