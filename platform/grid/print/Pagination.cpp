#include "platform/grid/print/Pagination.h"

#include <algorithm>
#include <cmath>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/SheetData.h"

namespace grid {

namespace {

// Sizes of two sums (for example a pair of margins) that may take at most `limit`.
void bound(double& a, double& b, double limit) {
    a = std::max(0.0, std::isfinite(a) ? a : 0.0);
    b = std::max(0.0, std::isfinite(b) ? b : 0.0);
    const double sum = a + b;
    if (sum > limit && sum > 0) {
        a *= limit / sum;
        b *= limit / sum;
    }
}

// The last column and row that hold a value or a formula (0 when the sheet is empty).
void usedExtent(const Sheet& sheet, int32_t& lastCol, int32_t& lastRow) {
    lastCol = 0;
    lastRow = 0;
    const SheetData& d = sheet.data();
    const int32_t cols = std::min<int32_t>(static_cast<int32_t>(d.cols.size()) - 1, d.maxCols);
    for (int32_t c = 1; c <= cols; ++c) {
        const auto& slots = d.cols[c].slots;
        int32_t r = std::min<int32_t>(static_cast<int32_t>(slots.size()) - 1, d.maxRows);
        while (r >= 1 && slots[r].type == ValueType::Empty && slots[r].formula == 0)
            --r;
        if (r >= 1) {
            lastCol = c;
            lastRow = std::max(lastRow, r);
        }
    }
}

double pixelSize(const std::map<int32_t, int32_t>& sizes, int32_t index, int32_t fallback) {
    auto it = sizes.find(index);
    return (it == sizes.end() ? fallback : it->second) * kPointsPerPixel;
}

} // namespace

Pagination::Pagination(const Sheet& sheet, const PrintOptions& options, const PaperSize& paper,
                       BandHeights bands)
    : m_options(options) {
    // The cells.
    if (options.flags & kPrintSelection) {
        const CellRange& b = options.block;
        m_area.col1 = b.col1 < 1 ? 1 : std::min(b.col1, sheet.maxCols());
        m_area.col2 = b.col2 < 1 ? sheet.maxCols() : std::min(b.col2, sheet.maxCols());
        m_area.row1 = b.row1 < 1 ? 1 : std::min(b.row1, sheet.maxRows());
        m_area.row2 = b.row2 < 1 ? sheet.maxRows() : std::min(b.row2, sheet.maxRows());
        if (m_area.col2 < m_area.col1)
            std::swap(m_area.col1, m_area.col2);
        if (m_area.row2 < m_area.row1)
            std::swap(m_area.row1, m_area.row2);
    } else {
        int32_t lastCol = 0, lastRow = 0;
        usedExtent(sheet, lastCol, lastRow);
        m_area = {1, 1, std::max(1, lastCol), std::max(1, lastRow)};
    }
    m_area.col1 = std::max(1, m_area.col1);
    m_area.row1 = std::max(1, m_area.row1);
    m_area.col2 = std::max(m_area.col1, m_area.col2);
    m_area.row2 = std::max(m_area.row1, m_area.row2);

    // Sizes in points, unscaled.
    const auto& widths = sheet.columnWidthsPx();
    const auto& heights = sheet.rowHeightsPx();
    m_colWidths.reserve(m_area.col2 - m_area.col1 + 1);
    double tableWidth = 0;
    for (int32_t c = m_area.col1; c <= m_area.col2; ++c) {
        m_colWidths.push_back(pixelSize(widths, c, Sheet::kDefaultColumnWidthPx));
        tableWidth += m_colWidths.back();
    }
    m_rowHeights.reserve(m_area.row2 - m_area.row1 + 1);
    for (int32_t r = m_area.row1; r <= m_area.row2; ++r)
        m_rowHeights.push_back(pixelSize(heights, r, Sheet::kDefaultRowHeightPx));
    double rowHeader = options.rowHeaders ? pixelSize(widths, 0, Sheet::kDefaultColumnWidthPx) : 0;
    double colHeader = options.colHeaders ? pixelSize(heights, 0, Sheet::kDefaultRowHeightPx) : 0;

    // The paper and the margins.
    const double paperW = std::max(1.0, paper.widthMm) * kPointsPerMm;
    const double paperH = std::max(1.0, paper.heightMm) * kPointsPerMm;
    auto layout = [&](bool landscape) {
        m_landscape = landscape;
        m_pageWidth = landscape ? std::max(paperW, paperH) : std::min(paperW, paperH);
        m_pageHeight = landscape ? std::min(paperW, paperH) : std::max(paperW, paperH);
        double l = options.marginLeft * 72, r = options.marginRight * 72;
        double t = options.marginTop * 72, b = options.marginBottom * 72;
        bound(l, r, m_pageWidth * 0.75);
        bound(t, b, m_pageHeight * 0.75);
        m_printable = {l, t, m_pageWidth - r, m_pageHeight - b};
    };
    layout(options.orientation == 2);
    if (options.smartPrint) {
        const bool fits = tableWidth + rowHeader <= m_printable.width() + 1e-9;
        if (!fits && !m_landscape) {
            const PrintRect portrait = m_printable;
            layout(true);
            if (m_printable.width() <= portrait.width())
                layout(false);
        }
        const double need = tableWidth + rowHeader;
        if (need > m_printable.width() && need > 0)
            m_scale = std::max(kMinScale, m_printable.width() / need);
    }
    m_bands = bands;
    bound(m_bands.header, m_bands.footer, m_printable.height() * 0.5);

    for (double& w : m_colWidths)
        w *= m_scale;
    for (double& h : m_rowHeights)
        h *= m_scale;
    m_rowHeaderWidth = rowHeader * m_scale;
    m_colHeaderHeight = colHeader * m_scale;

    const PrintRect table = tableArea();
    this->bands(m_colWidths, table.width() - m_rowHeaderWidth, m_area.col1, m_colBands);
    this->bands(m_rowHeights, table.height() - m_colHeaderHeight, m_area.row1, m_rowBands);

    const int count = pageCount();
    m_firstPrinted = 1;
    m_lastPrinted = count;
    if (options.flags & kPrintPageRange) {
        m_firstPrinted = std::max(1, options.pageFrom);
        m_lastPrinted = std::min(count, options.pageTo);
    }
}

void Pagination::bands(const std::vector<double>& sizes, double room, int32_t first,
                       std::vector<PrintBand>& out) const {
    // A little tolerance, so that a column meant to fill the width exactly is not pushed
    // to the next page by rounding.
    const double limit = room + 1e-6;
    size_t i = 0;
    while (i < sizes.size()) {
        size_t j = i;
        double used = sizes[i];
        while (j + 1 < sizes.size() && used + sizes[j + 1] <= limit) {
            ++j;
            used += sizes[j];
        }
        out.push_back({first + static_cast<int32_t>(i), first + static_cast<int32_t>(j)});
        i = j + 1;
    }
    if (out.empty())
        out.push_back({first, first});
}

int Pagination::pageCount() const {
    return static_cast<int>(m_colBands.size() * m_rowBands.size());
}

PrintPage Pagination::page(int number) const {
    PrintPage p;
    if (number < 1 || number > pageCount())
        return p;
    const int rows = static_cast<int>(m_rowBands.size());
    const int cols = static_cast<int>(m_colBands.size());
    const int i = number - 1;
    if (m_options.pageOrder == PageOrder::OverThenDown) {
        p.rowBand = i / cols;
        p.colBand = i % cols;
    } else {
        p.colBand = i / rows;
        p.rowBand = i % rows;
    }
    p.number = number;
    p.col1 = m_colBands[p.colBand].first;
    p.col2 = m_colBands[p.colBand].last;
    p.row1 = m_rowBands[p.rowBand].first;
    p.row2 = m_rowBands[p.rowBand].last;
    return p;
}

PrintRect Pagination::headerBand() const {
    return {m_printable.left, m_printable.top, m_printable.right, m_printable.top + m_bands.header};
}

PrintRect Pagination::footerBand() const {
    return {m_printable.left, m_printable.bottom - m_bands.footer, m_printable.right,
            m_printable.bottom};
}

PrintRect Pagination::tableArea() const {
    return {m_printable.left, m_printable.top + m_bands.header, m_printable.right,
            m_printable.bottom - m_bands.footer};
}

double Pagination::columnWidth(int32_t col) const {
    if (col == 0)
        return m_rowHeaderWidth;
    if (col < m_area.col1 || col > m_area.col2)
        return 0;
    return m_colWidths[col - m_area.col1];
}

double Pagination::rowHeight(int32_t row) const {
    if (row == 0)
        return m_colHeaderHeight;
    if (row < m_area.row1 || row > m_area.row2)
        return 0;
    return m_rowHeights[row - m_area.row1];
}

} // namespace grid
