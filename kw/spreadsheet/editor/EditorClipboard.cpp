#include "kw/spreadsheet/editor/EditorClipboard.h"

#include <algorithm>

#include "platform/grid/control/GridControl.h"
#include "platform/grid/engine/io/SheetTransfer.h"

namespace kw {

EditorClipboard& EditorClipboard::instance() {
    static EditorClipboard clipboard;
    return clipboard;
}

long long EditorClipboard::newDocumentNumber() {
    static long long last = 0;
    return ++last;
}

void EditorClipboard::take(grid::GridControl& grid, const grid::CellRange& block,
                           long long document, bool cut) {
    clear();
    const grid::Sheet& sheet = grid.sheet();
    (cut ? cutSource : copySource) = {block.col1, block.row1, block.col2, block.row2, document};
    if (cut)
        cutGrid = &grid;
    cols = block.col2 - block.col1 + 1;
    rows = block.row2 - block.row1 + 1;
    // Only the used part can hold anything: a whole column of a large sheet costs what
    // its cells cost.
    const grid::UsedExtent used = grid::usedExtent(sheet);
    const int lastCol = std::min(block.col2, used.cols);
    const int lastRow = std::min(block.row2, used.rows);
    for (int r = block.row1; r <= lastRow; ++r)
        for (int c = block.col1; c <= lastCol; ++c) {
            ClipboardCell cell;
            cell.dc = c - block.col1;
            cell.dr = r - block.row1;
            cell.value = sheet.value(c, r);
            if (sheet.hasFormula(c, r))
                cell.formula = sheet.formula(c, r, grid::RefStyle::R1C1);
            if (const grid::CellAttributes* a = sheet.attributes(c, r))
                cell.attributes = *a;
            if (cell.value.isEmpty() && cell.formula.empty() && cell.attributes.isDefault())
                continue;
            cells.push_back(std::move(cell));
        }
}

void EditorClipboard::forget(long long document) {
    if (cutSource.isSet() && cutSource.document == document)
        clear();
}

bool EditorClipboard::placeInto(grid::Sheet& target, int col, int row) {
    if (cols <= 0 || rows <= 0 || col < 1 || row < 1)
        return false;
    const long long lastCol = static_cast<long long>(col) + cols - 1;
    const long long lastRow = static_cast<long long>(row) + rows - 1;
    if (lastCol > grid::Sheet::kLimitCols || lastRow > grid::Sheet::kLimitRows)
        return false;
    if (lastCol > target.maxCols())
        target.setMaxCols(static_cast<int>(lastCol));
    if (lastRow > target.maxRows())
        target.setMaxRows(static_cast<int>(lastRow));
    // As a copy inside one sheet: target cells the block leaves empty are emptied too.
    target.clear(grid::CellRange{col, row, static_cast<int>(lastCol), static_cast<int>(lastRow)},
                 grid::kClearAll);
    for (const ClipboardCell& cell : cells) {
        const int c = col + cell.dc, r = row + cell.dr;
        if (!cell.attributes.isDefault())
            target.setAttributes(c, r, cell.attributes);
        // A reference that would point off the sheet from the new place does not parse:
        // the cell shows the error a spreadsheet gives for it.
        if (!cell.formula.empty() &&
            !target.setFormula(c, r, cell.formula, grid::RefStyle::R1C1).ok)
            target.setValue(c, r, grid::Value::error(grid::ErrorCode::Ref));
        else if (cell.formula.empty())
            target.setValue(c, r, cell.value);
    }
    if (cutSource.isSet()) {
        if (cutGrid) {
            cutGrid->sheet().clear(cutSource.range(), grid::kClearAll);
            cutGrid->invalidate();
        }
        clear();
    }
    return true;
}

} // namespace kw
