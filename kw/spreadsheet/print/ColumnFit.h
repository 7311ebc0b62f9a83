#pragma once
// Fitting a document's columns to the printable width of the paper, and putting the
// widths back after the print.

#include <map>

namespace grid {
class GridControl;
}

namespace kw {

struct PageFit {
    double clipWidthInches = 0; // what the printer can print on, across
    double marginLeftMm = 0;
    double marginRightMm = 0;
    double offsetXMm = 0; // the printer's unprintable edge
};

// A document margin (mm) as the print options take it: inches beyond the printer's
// unprintable edge, 0 when the margin is smaller than the edge.
double printMarginInches(int mm, double edgeMm);

// The width the columns (and the header column) get, in twips: the clip width less the
// margins (each at least the printer's edge) and 0.08 inch.
double printableTwips(const PageFit& fit);

// Columns 1..count share the printable width in the proportion of their widths, less
// the header column's; they shrink when too wide and, with `grow`, widen when narrower.
// Nothing changes when the widths sum to 0 or the width left for them is not positive.
// True when the widths were changed.
bool fitColumnsToPage(grid::GridControl& grid, const PageFit& fit, bool grow);

// The column widths in pixels (header column included), to put back afterwards.
class ColumnWidthsKeeper {
public:
    explicit ColumnWidthsKeeper(grid::GridControl& grid);
    ~ColumnWidthsKeeper();
    ColumnWidthsKeeper(const ColumnWidthsKeeper&) = delete;
    ColumnWidthsKeeper& operator=(const ColumnWidthsKeeper&) = delete;

private:
    grid::GridControl& m_grid;
    std::map<int, int> m_widths;
    bool m_changed;
};

} // namespace kw
