#include "kw/spreadsheet/print/ColumnFit.h"

#include <vector>

#include "platform/grid/control/GridControl.h"

namespace kw {

double printMarginInches(int mm, double edgeMm) {
    return mm >= edgeMm ? (mm - edgeMm) / 25.4 : 0.0;
}

double printableTwips(const PageFit& fit) {
    auto margin = [&](double mm) {
        const double inches = mm / 25.4;
        const double edge = fit.offsetXMm / 25.4;
        return inches > edge ? inches - edge : edge;
    };
    return (fit.clipWidthInches - margin(fit.marginLeftMm) - margin(fit.marginRightMm) - 0.08) *
           1440.0;
}

bool fitColumnsToPage(grid::GridControl& grid, const PageFit& fit, bool grow) {
    grid::Sheet& sheet = grid.sheet();
    sheet.setUnitType(grid::UnitType::Twips);
    const int count = sheet.maxCols();
    std::vector<double> widths(count + 1, 0.0);
    double sum = 0;
    for (int c = 1; c <= count; ++c) {
        widths[c] = sheet.columnWidth(c);
        sum += widths[c];
    }
    const double header = sheet.columnWidth(0);
    const double available = printableTwips(fit);
    bool changed = false;
    if (sum > 0 && available - header > 0) {
        const double total = sum + header;
        if (available < total || (available > total && grow)) {
            for (int c = 1; c <= count; ++c)
                sheet.setColumnWidth(c, (available - header) * (widths[c] / sum));
            changed = true;
        }
    }
    sheet.setUnitType(grid::UnitType::Pixels);
    return changed;
}

ColumnWidthsKeeper::ColumnWidthsKeeper(grid::GridControl& grid)
    : m_grid(grid),
      m_widths(grid.sheet().columnWidthsPx().begin(), grid.sheet().columnWidthsPx().end()),
      m_changed(grid.sheet().changed()) {}

ColumnWidthsKeeper::~ColumnWidthsKeeper() {
    grid::Sheet& sheet = m_grid.sheet();
    for (int c = 0; c <= sheet.maxCols(); ++c) {
        auto it = m_widths.find(c);
        sheet.setColumnWidthPx(c, it == m_widths.end() ? grid::Sheet::kDefaultColumnWidthPx
                                                       : it->second);
    }
    sheet.setChanged(m_changed);
    m_grid.invalidate();
}

} // namespace kw
