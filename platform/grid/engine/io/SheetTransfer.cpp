#include "platform/grid/engine/io/SheetTransfer.h"

#include <algorithm>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/SheetData.h"

namespace grid {

namespace {

// The loaded sheet's storage changes places with the target's in constant time;
// the custom functions are swapped back so that they stay with the target.
void swapStorage(Sheet& loaded, Sheet& target) {
    std::swap(loaded.data(), target.data());
    std::swap(loaded.data().customFunctions, target.data().customFunctions);
}

} // namespace

void transferSheet(Sheet& loaded, Sheet& target) {
    swapStorage(loaded, target);
}

bool isCalculating(const Sheet& sheet) {
    return sheet.data().calculating > 0;
}

UsedExtent usedExtent(const Sheet& sheet) {
    UsedExtent e;
    auto use = [&](int32_t col, int32_t row) {
        e.cols = std::max(e.cols, static_cast<int>(col));
        e.rows = std::max(e.rows, static_cast<int>(row));
    };
    sheet.forEachCell(use);
    sheet.forEachAttributed(
        [&](int32_t col, int32_t row, const CellAttributes&) { use(col, row); });
    for (const Span& s : sheet.spans())
        use(s.col + s.cols - 1, s.row + s.rows - 1);
    return e;
}

} // namespace grid
