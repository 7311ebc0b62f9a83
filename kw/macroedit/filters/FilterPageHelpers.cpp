#include "kw/macroedit/filters/FilterPageHelpers.h"

#include "core/CButtonST.h"
#include "core/Tvl_Settings.h"
#include "core/macrosettings/MacroSettingsData.h"
#include "kw/macroedit/MacroEditPictures.h"
#include "kw/spreadsheet/Tvl_Spread.h"

#include <cmath>
#include <cwchar>
#include <limits>

namespace kw::filters {

namespace {
constexpr int kGridOptionRowHeaders = 4;
const ui::Color kGrey{192, 192, 192};
} // namespace

void setUpPictureFrame(ui::Window* page, CButtonST& frame, int id, const wchar_t* file) {
    if (!page || !frame.SubclassDlgItem(id, page))
        return;
    frame.DrawBorder(false, false);
    if (!frame.SetBitmaps(gSettings.tvlDir() + L"icons\\" + file, kGrey))
        frame.SetBitmaps(kw::macroedit::placeholderPicture(32, kGrey), kGrey);
    frame.enableWindow(false);
}

std::wstring twoDecimals(double value) {
    wchar_t buffer[400];
    std::swprintf(buffer, sizeof buffer / sizeof buffer[0], L"%.2f", value);
    return buffer;
}

double readNumber(const std::wstring& text) {
    const wchar_t* start = text.c_str();
    wchar_t* end = nullptr;
    const double value = std::wcstod(start, &end);
    if (end == start || !std::isfinite(value))
        return 0;
    return value;
}

bool attachGrid(Tvl_Spread& grid, ui::Window* page, int id) {
    if (!grid.attach(page, id, true)) // a page has no frame to allow for
        return false;
    grid.sheet().setOption(kGridOptionRowHeaders, false);
    return true;
}

void setNumberCell(Tvl_Spread& grid, int col, int row, double value) {
    grid.SSSetTypeNumber(grid::CellRange{col, row, col, row}, 2,
                         -std::numeric_limits<double>::max(), std::numeric_limits<double>::max());
    grid.setValue(col, row, exactSettingsNumber(value));
}

double numberCell(const Tvl_Spread& grid, int col, int row) {
    return readNumber(grid.value(col, row));
}

Tvl_String cellText(const Tvl_Spread& grid, int col, int row) {
    return Tvl_String(grid.data(col, row)).trimmed();
}

int appendGridRow(Tvl_Spread& grid) {
    const int at = grid.rowCount() + 1;
    if (!grid.insertRowAt(at, false, false))
        return -1;
    grid.setRowFont(at);
    grid.setActiveCell(1, at);
    return at;
}

bool deleteActiveRow(Tvl_Spread& grid) {
    int col = 0, row = 0;
    if (!grid.activeCell(col, row) || row < 1 || row > grid.rowCount())
        return false;
    grid.endEdit(false);
    return grid.deleteRowAt(row);
}

} // namespace kw::filters
