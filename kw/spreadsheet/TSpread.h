#pragma once
// TSpread: the grid window with the control's named functions as methods. It holds
// nothing but its window; each method forwards to the grid control.

#include <string>
#include <utility>

#include "platform/grid/control/GridControl.h"
#include "platform/grid/engine/io/TextExport.h"

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
    // The block (edges below 1: every column / row) as text, written to `file` (a native
    // path); flags as grid::TextExportFlags. False when the file cannot be written or a
    // flag is unknown.
    bool SSExportToTextFile(int col1, int row1, int col2, int row2, const std::string& file,
                            const std::string& cellDelimiter, const std::string& columnDelimiter,
                            const std::string& rowDelimiter, unsigned flags,
                            const std::string& logFile) const {
        grid::TextExportOptions o;
        o.cellDelimiter = cellDelimiter;
        o.columnDelimiter = columnDelimiter;
        o.rowDelimiter = rowDelimiter;
        o.flags = flags;
        o.logFile = logFile;
        return grid::exportTextFile(sheet(), grid::CellRange{col1, row1, col2, row2}, file, o).ok();
    }
    bool SSSetBackColorStyle(int style) { return setBackColorStyle(style); }
    // A function formulas can call by name (a function of the same name is replaced);
    // false for an empty name or bounds that do not fit.
    bool SSAddCustomFunctionExt(const std::string& name, int minArgs, int maxArgs,
                                grid::CustomFunctionHandler handler, unsigned flags) {
        grid::CustomFunction fn;
        fn.name = name;
        fn.minArgs = minArgs;
        fn.maxArgs = maxArgs;
        fn.flags = flags;
        fn.handler = std::move(handler);
        return sheet().addCustomFunction(std::move(fn));
    }
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
    // Printing (docs/printing.md): options with the page call-back, page count.
    void SSGetPrintOptions(grid::SpreadPrintOptions& options) const { options = printOptions(); }
    void SSSetPrintOptions(const grid::SpreadPrintOptions& options, grid::PageCallback callback) {
        setPrintOptions(options, std::move(callback));
    }
    int SSGetPrintPageCount() const { return printPageCount(); }
    bool SSSetTypeNumber(const grid::CellRange& block, int decimals, double min, double max) {
        return sheet().setCellType(block, grid::CellType::numberType(decimals, min, max));
    }
};
