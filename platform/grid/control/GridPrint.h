#pragma once
// What the grid window adds to the pagination for printing: the "printer device
// context" a job draws on (here: a PDF file and its paper), the page call-back through
// which the program sizes and draws its header and footer bands, and the drawing of
// one page. GridControl keeps the options and the call-back (printOptions,
// setPrintOptions), counts pages (printPageCount) and prints (print); the page view
// (GridPageView.h) shows the same pages. docs/printing.md has the whole picture.

#include <functional>
#include <string>

#include "platform/grid/print/Pagination.h"
#include "platform/ui/Geometry.h"

namespace ui {
class Canvas;
}

namespace grid {

class GridControl;

// The printer a job goes to: the PDF file it writes and its paper. A default DC has no
// output and prints nothing.
struct PrinterDC {
    std::string outputPath; // native path of the PDF
    PaperSize paper;        // portrait; the options' orientation turns it
    int pixelsPerInch = 300;
    // The edge the printer cannot print on, from the paper's edge (0 for a PDF).
    double offsetXMm = 0;
    double offsetYMm = 0;
    bool valid() const { return !outputPath.empty(); }
    friend bool operator==(const PrinterDC&, const PrinterDC&) = default;
};

// The print options as the program reads and sets them: the pagination's, plus the DC.
struct SpreadPrintOptions : PrintOptions {
    PrinterDC dc;
    friend bool operator==(const SpreadPrintOptions&, const SpreadPrintOptions&) = default;
};

// Events of the page call-back.
enum PageEventCode : int {
    kPageHeaderHeight = 0, // answer the header band's height in pixels of the page
    kPageFooterHeight = 1,
    kPageDrawHeader = 2, // draw into `band` on `canvas`; the answer is ignored
    kPageDrawFooter = 3,
};

struct PageEvent {
    int event = 0;
    int page = 1;
    int pageCount = 1;
    // The page as drawn: pixels per inch (the preview's zoom is included) and its size.
    int pixelsPerInch = 96;
    ui::Size pageSize;
    // Left and right edge of the printable width (where the margins leave off), pixels.
    int printableLeft = 0;
    int printableRight = 0;
    // Drawing events only: the canvas (origin at the page's top-left) and the band.
    ui::Canvas* canvas = nullptr;
    ui::Rect band;
};
using PageCallback = std::function<int(const PageEvent&)>;

// Header and footer heights for `pagination`'s paper, asked of the call-back (points).
BandHeights askBandHeights(const PageCallback& callback, const Pagination& unbanded,
                           int pixelsPerInch);

// Draws page `number` of `p` on `canvas` with its top-left at the canvas origin, at
// `pixelsPerInch` (96 x zoom for a preview, the printer's for a job).
void paintPrintPage(const GridControl& grid, const Pagination& p, int number, ui::Canvas& canvas,
                    int pixelsPerInch, const PageCallback& callback);

struct PrintResult {
    bool ok = false;
    int pages = 0;     // pages written
    std::string error; // why not, for people
};

} // namespace grid
