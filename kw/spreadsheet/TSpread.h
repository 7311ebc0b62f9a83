#pragma once
// TSpread: the grid window with the control's named functions as methods. It holds
// nothing but its window; each method forwards to the grid control.

#include <string>

#include "platform/grid/control/GridControl.h"

class TSpread : public grid::GridControl {
public:
    bool SSSetCellNote(int col, int row, const std::wstring& note) {
        return setNote(col, row, note);
    }
    std::wstring SSGetCellNote(int col, int row) const { return note(col, row); }
    void SSSetCellNoteIndicator(bool on) { setNoteIndicator(on); }
    void SSSetTextTip(int mode, int delay, const grid::Font& font) {
        setTextTip(mode, delay);
        setTextTipFont(font);
    }
    void SSGetTextTip(int& mode, int& delay, grid::Font& font) const {
        mode = textTipMode();
        delay = textTipDelay();
        font = textTipFont();
    }
    void SSReset() {
        sheet().reset();
        clearActiveCell();
        clearSelection();
    }
    void SSSetAppearance(int appearance) { setAppearance(appearance); }
    bool SSAddCellSpan(int col, int row, int cols, int rows) {
        return sheet().addSpan(grid::Span{col, row, cols, rows});
    }
    bool SSRemoveCellSpan(int col, int row) { return sheet().removeSpan(col, row); }
    // True when the cell lies in a span; gives the anchor and size.
    bool SSGetCellSpan(int col, int row, int& anchorCol, int& anchorRow, int& cols,
                       int& rows) const {
        auto s = sheet().spanAt(col, row);
        if (!s)
            return false;
        anchorCol = s->col;
        anchorRow = s->row;
        cols = s->cols;
        rows = s->rows;
        return true;
    }
    std::wstring SSGetCellTag(int col, int row) const { return tag(col, row); }
    bool SSSetCellTag(int col, int row, const std::wstring& text) { return setTag(col, row, text); }
    void SSSetSelColor(unsigned back, unsigned text) { setSelColors(back, text); }
    void SSSetActionKey(int action, bool enabled) { setActionKey(action, enabled); }
    void SSSetRefStyle(int style) { sheet().setRefStyle(static_cast<grid::RefStyle>(style)); }
    void SSReCalcCell(int col, int row) { sheet().recalcCell(col, row); }
    bool SSSetTypeNumber(const grid::CellRange& block, int decimals, double min, double max) {
        return sheet().setCellType(block, grid::CellType::numberType(decimals, min, max));
    }
};
