#pragma once
// GridControl: the grid's window (class "fpUSpread70") over one grid::Sheet.
//
// The window keeps what is about looking and acting on the sheet: the active cell (or
// none), the selection block, cell edit mode with its text, caret and text selection,
// the first visible row and column, text tips, the note indicator, colours, and the
// pictures of check-box cells. Everything the user does goes through the window's
// mouse and key handlers and is reported to the parent (GridMessages.h).
//
// Cell edit mode is kept inside this window (no separate editor window), so the focused
// window while editing is still the grid and its class name is "fpUSpread70".
//
// Texts at this interface are wide; the sheet keeps UTF-8.

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "platform/grid/control/GridCellLook.h"
#include "platform/grid/control/GridMessages.h"
#include "platform/grid/control/GridPrint.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/ui/Image.h"
#include "platform/ui/Window.h"
#include "platform/ui/draw/Theme.h"

#include <vector>

namespace ui {
struct Font;
}

namespace grid {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view text);

// Registers the class "fpUSpread70" with the windowing layer (idempotent). Called by
// GridControl's constructor too, so any program that makes a grid has the class.
void registerGridClass();

// Width of one line of text in a cell font (the drawing part's fixed metrics).
int textWidthPx(const Font& f, std::wstring_view text);
ui::Font toUiFont(const Font& f);

class GridControl : public ui::Window {
public:
    GridControl();
    ~GridControl() override;

    Sheet& sheet() { return m_sheet; }
    const Sheet& sheet() const { return m_sheet; }

    // ---- size and contents --------------------------------------------------------
    int maxCols() const { return m_sheet.maxCols(); }
    int maxRows() const { return m_sheet.maxRows(); }
    bool setMaxCols(int n);
    bool setMaxRows(int n);
    // Display text (numbers with their decimals, formula results); setting it parses as
    // typed text would.
    std::wstring data(int col, int row) const;
    bool setData(int col, int row, std::wstring_view text);
    // Unformatted value (combo: item index; check box "1"/"0"). Setting never starts a
    // formula.
    std::wstring value(int col, int row) const;
    bool setValue(int col, int row, std::wstring_view text);
    std::wstring formula(int col, int row) const;
    bool setFormula(int col, int row, std::wstring_view text);
    std::wstring tag(int col, int row) const;
    bool setTag(int col, int row, std::wstring_view text);
    std::wstring note(int col, int row) const;
    bool setNote(int col, int row, std::wstring_view text);

    // ---- options and settings -----------------------------------------------------
    bool option(int number) const { return m_sheet.option(number); }
    void setOption(int number, bool on);
    // Settings the product passes by number whose meaning is the control's: stored.
    void setSetting(int key, int value) { m_settings[key] = value; }
    int setting(int key, int fallback = 0) const;
    void setAppearance(int a) { m_appearance = a; }
    int appearance() const { return m_appearance; }
    void setActionKey(int action, bool enabled) { m_actionKeys[action] = enabled; }
    bool actionKey(int action) const;
    void setSelColors(uint32_t back, uint32_t text) {
        m_selBack = back;
        m_selText = text;
    }
    void setGrayAreaColors(uint32_t back, uint32_t fore) {
        m_grayBack = back;
        m_grayFore = fore;
    }
    void setLockColors(uint32_t back, uint32_t fore) {
        m_lockBack = back;
        m_lockFore = fore;
    }
    // How a cell's own back colour and the grid lines meet: kBackOverGrid, the colour
    // covers the cell's grid lines; kBackUnderGrid, the lines are drawn over it;
    // kBackOverHorzGrid / kBackOverVertGrid, the colour covers only the horizontal /
    // vertical line. Cells without a back colour of their own always show their lines.
    enum BackColorStyle : int {
        kBackOverGrid = 0,
        kBackUnderGrid = 1,
        kBackOverHorzGrid = 2,
        kBackOverVertGrid = 3
    };
    // False (style unchanged) for a style outside 0..3.
    bool setBackColorStyle(int style);
    int backColorStyle() const { return m_backColorStyle; }
    uint32_t selBackColor() const { return m_selBack; }
    uint32_t lockBackColor() const { return m_lockBack; }
    // Text tips: mode 0 off, 1 fixed, 2 floating (shown while the mouse rests), delay ms.
    void setTextTip(int mode, int delay) {
        m_tipMode = mode;
        m_tipDelay = delay;
    }
    int textTipMode() const { return m_tipMode; }
    int textTipDelay() const { return m_tipDelay; }
    void setTextTipFont(const Font& f) { m_tipFont = f; }
    const Font& textTipFont() const { return m_tipFont; }
    void setNoteIndicator(bool on) { m_noteIndicator = on; }
    bool noteIndicator() const { return m_noteIndicator; }
    // The pictures of check-box cells whose type names `key` in pictureOn / pictureOff.
    void setPicture(const std::string& key, const ui::Image& image) { m_pictures[key] = image; }

    // ---- active cell and selection ------------------------------------------------
    // False when there is no active cell.
    bool activeCell(int& col, int& row) const;
    // Moves the active cell (clamped to the sheet); ends cell edit mode first. Sends
    // kMsgLeaveCell when it moves. False for a cell outside 1..max.
    bool setActiveCell(int col, int row);
    void clearActiveCell();
    bool hasSelection() const { return m_selection.has_value(); }
    // The selected block; edges below 1 mean "all columns" / "all rows".
    bool selection(CellRange& block) const;
    void setSelection(const CellRange& block) {
        m_selection = block;
        invalidate();
    }
    void clearSelection() {
        m_selection.reset();
        invalidate();
    }

    // ---- cell edit mode ----------------------------------------------------------
    bool isEditing() const { return m_editing; }
    // Starts editing the active cell with its current text (false: no active cell,
    // locked cell, or a check-box / button / picture cell).
    bool startEdit();
    // Ends editing, writing the text into the cell when `commit`. False when the cell
    // refused the text (a number cell with no number); editing then goes on.
    bool endEdit(bool commit = true);
    const std::wstring& editText() const { return m_editText; }
    void setEditText(std::wstring_view text);
    // Selection inside the edited cell, in characters; the caret is at `end`.
    void setEditSel(int start, int end);
    void editSel(int& start, int& end) const {
        start = m_selStart;
        end = m_caret;
    }

    // ---- user actions a dialog can also call -------------------------------------
    // Chooses item `index` of the active cell's combo box, as the user does from its list.
    bool chooseComboItem(int index);
    // Copies the selection (else the active cell) to the clipboard (ui/Clipboard.h) as
    // rows ending in "\r\n" of cells separated by TAB; pastes the clipboard
    // at the active cell (top-left of the selection). Both false when there is nothing.
    bool clipboardCopy();
    bool clipboardPaste();

    // ---- geometry ----------------------------------------------------------------
    int colWidthPx(int col) const;
    int rowHeightPx(int row) const;
    bool showColHeaders() const { return option(3); }
    bool showRowHeaders() const { return option(4); }
    // The rectangle of a cell (header cells too) in client coordinates; empty when not
    // in view.
    ui::Rect cellRect(int col, int row) const;
    // The cell under a client point: false outside every cell. Headers give 0.
    bool cellFromPoint(ui::Point p, int& col, int& row) const;
    int topRow() const { return m_topRow; }
    int leftCol() const { return m_leftCol; }
    void setTopLeft(int col, int row);
    // Scrolls so the cell is in view.
    void showCell(int col, int row);
    // The widest text of a column (header and every cell), the tallest of a row, in pixels.
    int maxTextWidth(int col) const;
    int maxTextHeight(int row) const;
    // The font a cell is drawn with.
    Font cellFont(int col, int row) const;

    // ---- scroll bars (GridScroll.cpp) ------------------------------------------------
    // Option 11 gives a vertical bar at the right, option 10 a horizontal one at the
    // bottom, each shown while the cells do not all fit. Arrows scroll by one row
    // (column), a press beside the thumb by a page, the thumb drags, the mouse wheel
    // (kMsgMouseWheel) scrolls three rows.
    bool vScrollBarShown() const;
    bool hScrollBarShown() const;
    ui::Rect vScrollBarRect() const; // empty when not shown
    ui::Rect hScrollBarRect() const;
    // The client area without the scroll bars: where the cells are.
    ui::Rect dataArea() const;
    // The largest first row (column) that still shows the last row (column).
    int lastTopRow() const;
    int lastLeftCol() const;

    // ---- combo cells' lists (GridComboList.cpp) ----------------------------------------
    // A press on a combo cell's drop button, Alt+Down or F4 opens the list of its items
    // below the cell (above when there is no room); a click on an item, or Enter on the
    // highlighted one, chooses it; Escape or a click elsewhere closes it.
    bool openComboList();
    void closeComboList();
    bool comboListOpen() const { return m_dropCol >= 1; }
    ui::Rect comboListRect() const; // empty when closed
    int comboListHot() const { return m_dropHot; }
    // The item at a client point of the open list; -1 for none.
    int comboListItemAt(ui::Point p) const;

    // ---- printing (GridPrint.cpp) --------------------------------------------------------
    // The options and the page call-back the next page count, print and page view use.
    const SpreadPrintOptions& printOptions() const { return m_printOptions; }
    void setPrintOptions(const SpreadPrintOptions& options, PageCallback callback = {});
    const PageCallback& pageCallback() const { return m_pageCallback; }
    // The pages under the current options, the bands sized by the call-back.
    Pagination paginate(int pixelsPerInch) const;
    int printPageCount() const;
    // Writes the pages (all, or the options' page range) to the DC's PDF file.
    PrintResult print(const std::wstring& jobName) const;

protected:
    bool onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                   ui::LRESULT& result) override;
    void onPaint(ui::Canvas& canvas) override;
    bool onEraseBkgnd(ui::Canvas& canvas) override;
    void onMouseDown(ui::MouseButton button, unsigned flags, ui::Point client) override;
    void onMouseUp(ui::MouseButton button, unsigned flags, ui::Point client) override;
    void onMouseMove(unsigned flags, ui::Point client) override;
    void onDoubleClick(ui::MouseButton button, unsigned flags, ui::Point client) override;
    void onKeyDown(int vk, unsigned repeat) override;
    void onChar(wchar_t ch, unsigned repeat) override;
    void onKillFocus(ui::Window* newFocus) override;
    unsigned getDlgCode() const override;

    // Reports to the parent.
    ui::LRESULT sendToParent(unsigned msg, int col, int row, int newCol = 0, int newRow = 0);
    virtual void commandToParent(int code);
    void notifyGrid(int code, int col, int row, int newCol = 0, int newRow = 0);
    // After the user changed a cell: the changed flag, kMsgCellChanged, kMsgChangeMade.
    void userChanged(int col, int row);

private:
    // Scroll bars: the bar's state, a press on it (true when it was on a bar), a drag.
    ui::ScrollBarState scrollState(bool vertical) const;
    bool scrollBarPress(ui::Point p);
    void dragThumb(ui::Point p);
    void scrollTo(bool vertical, int first);
    void paintScrollBars(ui::Canvas& canvas);
    // Combo lists.
    std::vector<std::wstring> comboItems(int col, int row) const;
    bool comboListPress(ui::Point p); // true when the press was for the list
    bool comboListKey(int vk);        // true when the open list took the key
    void paintComboList(ui::Canvas& canvas);

    void moveActive(int col, int row, bool extend);
    void toggleCheck(int col, int row);
    void pressButtonCell(int col, int row);
    void typeIntoEdit(std::wstring_view text);
    void editKey(int vk, bool shift);
    bool editableCell(int col, int row) const;
    int visibleRows() const;
    int visibleCols() const;
    void paintCell(ui::Canvas& c, int col, int row, const ui::Rect& r);
    void updateTip(ui::Point p);
    CellRange normalisedSelection() const;

    Sheet m_sheet;
    int m_activeCol = 0; // 0 = no active cell
    int m_activeRow = 0;
    std::optional<CellRange> m_selection;
    int m_anchorCol = 0;
    int m_anchorRow = 0;
    bool m_dragging = false;
    bool m_editing = false;
    std::wstring m_editText;
    int m_selStart = 0;
    int m_caret = 0;
    int m_topRow = 1;
    int m_leftCol = 1;
    int m_appearance = 0;
    std::map<int, bool> m_actionKeys;
    std::map<int, int> m_settings;
    uint32_t m_selBack = 0xD77800; // BGR of the default highlight
    uint32_t m_selText = 0xFFFFFF;
    uint32_t m_grayBack = 0xF0F0F0;
    uint32_t m_grayFore = 0;
    uint32_t m_lockBack = kNoColor;
    uint32_t m_lockFore = kNoColor;
    int m_backColorStyle = kBackUnderGrid;
    int m_tipMode = 0;
    int m_tipDelay = 0;
    Font m_tipFont;
    bool m_noteIndicator = true;
    std::map<std::string, ui::Image> m_pictures;
    PictureFiles m_pictureFiles; // pictures of picture cells, by file
    int m_thumbDrag = 0;         // 1 vertical, 2 horizontal thumb being dragged
    int m_thumbGrab = 0;         // where in the thumb it was grabbed
    int m_dropCol = 0;           // the cell whose combo list is open (0: none)
    int m_dropRow = 0;
    int m_dropHot = -1; // the highlighted item
    int m_dropTop = 0;  // the first item shown
    SpreadPrintOptions m_printOptions;
    PageCallback m_pageCallback;
};

} // namespace grid
