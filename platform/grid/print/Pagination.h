#pragma once
// Pagination: cuts the printed part of a sheet into pages. Everything is measured in
// points (1/72 inch) on the paper; cell sizes come from the sheet's pixel sizes at 96
// pixels per inch. The bands of columns and of rows are computed once; a page is then
// found from its number in constant time, so showing any page of a long document is
// cheap.
//
// Rules (docs/printing.md):
// - The printed cells are the selection block (kPrintSelection) or the sheet from A1 to
//   the last column and row that hold a value or formula (at least A1).
// - Margins below 0 count as 0; when the margins of a side pair leave less than a
//   quarter of the paper they are shrunk in proportion until a quarter is left.
// - Header and footer bands (heights from the caller) take at most half of what the
//   margins leave; larger requests are shrunk in proportion.
// - Columns fill a page while their widths sum to no more than the width left for
//   them (a column exactly filling it still fits); a column wider than a page gets a
//   page of its own and is cut at the edge. Rows likewise with the height.
// - smartPrint: when the columns do not fit across and landscape gives more width,
//   the page turns; when they still do not fit, the table is scaled down (not below
//   kMinScale) so that they do.

#include <cstdint>
#include <vector>

#include "platform/grid/print/PrintOptions.h"

namespace grid {

class Sheet;

struct PrintRect {
    double left = 0, top = 0, right = 0, bottom = 0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

// A run of columns or rows printed on the same pages.
struct PrintBand {
    int32_t first = 0;
    int32_t last = 0;
};

// One page: its number (from 1), which band of columns and rows it shows.
struct PrintPage {
    int number = 0;
    int colBand = 0; // index into columnBands()
    int rowBand = 0; // index into rowBands()
    int32_t col1 = 0, col2 = 0, row1 = 0, row2 = 0;
};

// Heights of the header and footer bands in points (what the page call-back answers).
struct BandHeights {
    double header = 0;
    double footer = 0;
};

class Pagination {
public:
    static constexpr double kMinScale = 0.25;

    Pagination() = default;
    Pagination(const Sheet& sheet, const PrintOptions& options, const PaperSize& paper,
               BandHeights bands = {});

    // Every page of the job, and the pages a page range leaves (1-based, inclusive;
    // firstPrinted() > lastPrinted() when the range holds no page).
    int pageCount() const;
    int firstPrinted() const { return m_firstPrinted; }
    int lastPrinted() const { return m_lastPrinted; }
    int printedCount() const {
        return m_lastPrinted >= m_firstPrinted ? m_lastPrinted - m_firstPrinted + 1 : 0;
    }
    // Page `number` (1..pageCount); number 0 when out of range.
    PrintPage page(int number) const;

    bool landscape() const { return m_landscape; }
    double scale() const { return m_scale; }
    // The paper as printed (turned when landscape), points.
    double pageWidth() const { return m_pageWidth; }
    double pageHeight() const { return m_pageHeight; }
    // Inside the (bounded) margins; the header band at its top, the footer band at its
    // bottom, the table in between.
    PrintRect printable() const { return m_printable; }
    PrintRect headerBand() const;
    PrintRect footerBand() const;
    PrintRect tableArea() const;
    // The cells printed.
    CellRange area() const { return m_area; }
    const std::vector<PrintBand>& columnBands() const { return m_colBands; }
    const std::vector<PrintBand>& rowBands() const { return m_rowBands; }
    // Sizes as printed (scaled), points. Header column / row are 0 when not printed.
    double columnWidth(int32_t col) const;
    double rowHeight(int32_t row) const;
    double rowHeaderWidth() const { return m_rowHeaderWidth; }
    double colHeaderHeight() const { return m_colHeaderHeight; }
    const PrintOptions& options() const { return m_options; }

private:
    void bands(const std::vector<double>& sizes, double room, int32_t first,
               std::vector<PrintBand>& out) const;

    PrintOptions m_options;
    CellRange m_area{1, 1, 1, 1};
    bool m_landscape = false;
    double m_scale = 1;
    double m_pageWidth = 0;
    double m_pageHeight = 0;
    PrintRect m_printable;
    BandHeights m_bands;
    double m_rowHeaderWidth = 0;
    double m_colHeaderHeight = 0;
    std::vector<double> m_colWidths; // per column of the area, scaled points
    std::vector<double> m_rowHeights;
    std::vector<PrintBand> m_colBands;
    std::vector<PrintBand> m_rowBands;
    int m_firstPrinted = 1;
    int m_lastPrinted = 0;
};

// Points per pixel of the sheet's sizes (96 pixels per inch).
constexpr double kPointsPerPixel = 0.75;
constexpr double kPointsPerMm = 72.0 / 25.4;

} // namespace grid
