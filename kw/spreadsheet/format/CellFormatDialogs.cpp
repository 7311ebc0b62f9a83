#include "kw/spreadsheet/format/CellFormatDialogs.h"

#include <algorithm>

#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/format/AppearanceFont.h"
#include "kw/spreadsheet/format/CDlgKWAppear.h"
#include "kw/spreadsheet/format/CDlgKWBorders.h"
#include "kw/spreadsheet/format/CDlgKWOptions.h"
#include "kw/spreadsheet/format/CDlgKWType.h"
#include "kw/spreadsheet/format/CellTypeRecord.h"
#include "platform/grid/engine/Sheet.h"

namespace kw {

bool formatBlock(const Tvl_Spread& grid, grid::CellRange& block) {
    grid::CellRange sel;
    if (grid.selection(sel)) {
        // Unset edges stand for every column or row.
        if (sel.col1 < 1 || sel.col2 < 1)
            sel.col1 = 1, sel.col2 = grid.maxCols();
        if (sel.row1 < 1 || sel.row2 < 1)
            sel.row1 = 1, sel.row2 = grid.maxRows();
        block = {std::min(sel.col1, sel.col2), std::min(sel.row1, sel.row2),
                 std::max(sel.col1, sel.col2), std::max(sel.row1, sel.row2)};
        return block.col1 >= 1 && block.row1 >= 1;
    }
    int col = 0, row = 0;
    if (!grid.activeCell(col, row))
        return false;
    block = {col, row, col, row};
    return true;
}

bool editCellType(ui::Window* parent, Tvl_Spread& grid) {
    grid::CellRange block;
    if (!formatBlock(grid, block))
        return false;
    CDlgKWType dlg(parent);
    dlg.m_record = readCellType(grid.sheet(), block.col1, block.row1);
    if (dlg.doModal() != ui::IDOK)
        return false;
    return applyCellType(grid.sheet(), block, dlg.m_record);
}

bool editBorders(ui::Window* parent, Tvl_Spread& grid) {
    grid::CellRange block;
    if (!formatBlock(grid, block))
        return false;
    CDlgKWBorders dlg(parent);
    dlg.m_record = grid.sheet().format(block.col1, block.row1).border;
    if (dlg.doModal() != ui::IDOK)
        return false;
    return grid.sheet().setBorder(block, dlg.m_record);
}

bool editFontAndColours(ui::Window* parent, Tvl_Spread& grid) {
    grid::CellRange block;
    if (!formatBlock(grid, block))
        return false;
    const grid::CellFormat first = grid.sheet().format(block.col1, block.row1);
    const grid::Font firstFont = grid.cellFont(block.col1, block.row1);
    CDlgKWAppear dlg(parent);
    dlg.m_font = toLogFont(firstFont);
    dlg.m_back = first.back;
    dlg.m_text = first.fore;
    if (dlg.doModal() != ui::IDOK)
        return false;
    grid::Sheet& s = grid.sheet();
    return s.setFont(block, fromLogFont(dlg.m_font, firstFont)) &&
           s.setColors(block, dlg.m_back, dlg.m_text);
}

bool editTableOptions(ui::Window* parent, Tvl_Spread& grid) {
    CDlgKWOptions dlg(parent);
    dlg.m_colCount = grid.colCount();
    dlg.m_rowCount = grid.rowCount();
    dlg.m_headerRowHeight = grid.rowHeightPx(0);
    dlg.m_headerColWidth = grid.colWidthPx(0);
    grid.getRowTexts(Tvl_Spread::kHeader, dlg.m_colTexts);
    grid.getColumnTexts(Tvl_Spread::kHeader, dlg.m_rowTexts);
    if (dlg.doModal() != ui::IDOK)
        return false;
    grid.setColCount(dlg.m_colCount, false);
    grid.setRowCount(dlg.m_rowCount);
    grid.sheet().setColumnWidthPx(0, dlg.m_headerColWidth);
    grid.sheet().setRowHeightPx(0, dlg.m_headerRowHeight);
    grid.setRowHeaderTexts(dlg.m_rowTexts);
    grid.setColHeaderTexts(dlg.m_colTexts);
    grid.sheet().setChanged(true);
    grid.invalidate();
    return true;
}

} // namespace kw
