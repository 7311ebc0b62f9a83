#include "kw/spreadsheet/format/FormatPreview.h"

#include "kw/spreadsheet/Tvl_Spread.h"

namespace kw {

namespace {
constexpr int kOptionHorzScroll = 10;
constexpr int kOptionVertScroll = 11;
} // namespace

bool setupPreview(Tvl_Spread& grid, ui::Window* dialog, int controlId,
                  const std::array<int, 4>& widths, const std::array<int, 4>& heights) {
    if (!grid.attach(dialog, controlId, true))
        return false;
    grid.setColCount(3);
    grid.setRowCount(3);
    grid.setOption(kOptionHorzScroll, false);
    grid.setOption(kOptionVertScroll, false);
    for (int i = 0; i < 4; ++i) {
        grid.sheet().setColumnWidthPx(i, widths[static_cast<size_t>(i)]);
        grid.sheet().setRowHeightPx(i, heights[static_cast<size_t>(i)]);
    }
    grid.sheet().setChanged(false);
    return true;
}

} // namespace kw
