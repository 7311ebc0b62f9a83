// The grid's mouse and keyboard handling.
#include <algorithm>

#include "platform/grid/control/GridControl.h"
#include "platform/ui/Application.h"

namespace grid {

unsigned GridControl::getDlgCode() const {
    // Arrows and characters move and type inside the grid; Tab moves between cells (a
    // dialog that wants Tab to leave the grid asks Tvl_Spread::tabExit first). While a
    // cell is edited the grid keeps Enter and Escape too.
    unsigned code = ui::DLGC_WANTARROWS | ui::DLGC_WANTCHARS | ui::DLGC_WANTTAB;
    if (m_editing || comboListOpen())
        code |= ui::DLGC_WANTALLKEYS;
    return code;
}

void GridControl::onKillFocus(ui::Window* /*newFocus*/) {
    closeComboList();
    // Leaving the grid commits the cell being edited, as leaving an edit control does.
    if (m_editing && !endEdit(true))
        endEdit(false);
}

void GridControl::moveActive(int col, int row, bool extend) {
    if (maxCols() < 1 || maxRows() < 1)
        return;
    col = std::clamp(col, 1, maxCols());
    row = std::clamp(row, 1, maxRows());
    if (extend) {
        if (!m_selection) {
            m_anchorCol = m_activeCol >= 1 ? m_activeCol : col;
            m_anchorRow = m_activeRow >= 1 ? m_activeRow : row;
        }
        m_selection = CellRange{m_anchorCol, m_anchorRow, col, row};
    } else {
        m_selection.reset();
        m_anchorCol = col;
        m_anchorRow = row;
    }
    setActiveCell(col, row);
    commandToParent(kCodeClick);
}

void GridControl::onMouseDown(ui::MouseButton button, unsigned flags, ui::Point client) {
    setFocus();
    if (comboListPress(client))
        return;
    if (button == ui::MouseButton::Left && scrollBarPress(client))
        return;
    int col = 0, row = 0;
    if (!cellFromPoint(client, col, row))
        return;
    if (button == ui::MouseButton::Right) {
        if (col >= 1 && row >= 1) {
            bool inBlock = m_selection && normalisedSelection().contains(col, row);
            if (!m_selection || !inBlock) {
                m_selection.reset();
                setActiveCell(col, row);
            }
            sendToParent(kMsgRightClick, col, row);
            notifyGrid(kNotifyRightClick, col, row);
        }
        return;
    }
    if (row == 0 && col >= 1) {
        // Column header: select the whole column.
        notifyGrid(kNotifyHeaderClicked, col, 0);
        if (maxRows() >= 1) {
            setActiveCell(col, std::max(m_topRow, 1));
            m_selection = CellRange{col, -1, col, -1};
            invalidate();
        }
        return;
    }
    if (col == 0 && row >= 1) {
        notifyGrid(kNotifyHeaderClicked, 0, row);
        if (maxCols() >= 1) {
            setActiveCell(std::max(m_leftCol, 1), row);
            m_selection = CellRange{-1, row, -1, row};
            invalidate();
        }
        return;
    }
    if (col < 1 || row < 1)
        return;
    const bool shift = (flags & ui::MK_SHIFT) != 0;
    moveActive(col, row, shift);
    if (m_activeCol != col || m_activeRow != row)
        return; // the parent refused or moved elsewhere
    notifyGrid(kNotifyCellClicked, col, row);
    m_dragging = !shift;
    CellType t = m_sheet.cellType(col, row);
    if (t.code == CellTypeCode::CheckBox) {
        toggleCheck(col, row);
    } else if (t.code == CellTypeCode::Button) {
        pressButtonCell(col, row);
    } else if (t.code == CellTypeCode::ComboBox) {
        // A press on the drop button opens the list of items to choose from.
        ui::Rect r = cellRect(col, row);
        if (client.x >= r.right - 16 && !m_sheet.isLocked(col, row)) {
            m_dragging = false;
            openComboList();
        }
    }
}

void GridControl::onMouseUp(ui::MouseButton, unsigned, ui::Point client) {
    if (m_thumbDrag != 0)
        dragThumb(client);
    m_thumbDrag = 0;
    m_dragging = false;
}

void GridControl::onMouseMove(unsigned /*flags*/, ui::Point client) {
    if (m_thumbDrag != 0) {
        dragThumb(client);
        return;
    }
    if (comboListOpen()) {
        const int item = comboListItemAt(client);
        if (item >= 0 && item != m_dropHot) {
            m_dropHot = item;
            invalidate();
        }
        return;
    }
    if (m_dragging) {
        int col = 0, row = 0;
        if (cellFromPoint(client, col, row) && col >= 1 && row >= 1 &&
            (col != m_anchorCol || row != m_anchorRow)) {
            m_selection = CellRange{m_anchorCol, m_anchorRow, col, row};
            invalidate();
        }
        return;
    }
    updateTip(client);
}

void GridControl::updateTip(ui::Point p) {
    std::wstring tip;
    int col = 0, row = 0;
    if (m_tipMode != 0 && cellFromPoint(p, col, row)) {
        std::wstring n = note(col, row);
        if (!n.empty()) {
            tip = n;
        } else {
            std::wstring t = data(col, row);
            ui::Rect r = cellRect(col, row);
            if (!t.empty() && textWidthPx(cellFont(col, row), t) > r.width())
                tip = t;
        }
    }
    setTooltip(tip);
}

void GridControl::onDoubleClick(ui::MouseButton button, unsigned flags, ui::Point client) {
    if (button != ui::MouseButton::Left)
        return;
    int col = 0, row = 0;
    if (!cellFromPoint(client, col, row) || col < 1 || row < 1)
        return;
    if (m_activeCol != col || m_activeRow != row)
        onMouseDown(button, flags, client);
    if (startEdit())
        setEditSel(static_cast<int>(m_editText.size()), static_cast<int>(m_editText.size()));
}

void GridControl::onKeyDown(int vk, unsigned /*repeat*/) {
    const bool shift = ui::getKeyState(ui::VK_SHIFT) < 0;
    const bool ctrl = ui::getKeyState(ui::VK_CONTROL) < 0;
    const bool alt = ui::getKeyState(ui::VK_MENU) < 0;
    if (comboListKey(vk))
        return;
    // F4 or Alt+Down opens the list of the active combo cell.
    if ((vk == ui::VK_F4 || (alt && vk == ui::VK_DOWN)) && m_activeCol >= 1 &&
        m_sheet.cellType(m_activeCol, m_activeRow).code == CellTypeCode::ComboBox) {
        openComboList();
        return;
    }
    if (m_editing) {
        editKey(vk, shift);
        return;
    }
    if (maxCols() < 1 || maxRows() < 1)
        return;
    int col = m_activeCol, row = m_activeRow;
    if (col < 1 || row < 1) {
        col = row = 1;
    }
    switch (vk) {
    case ui::VK_LEFT:
        moveActive(col - 1, row, shift);
        break;
    case ui::VK_RIGHT:
        moveActive(col + 1, row, shift);
        break;
    case ui::VK_UP:
        moveActive(col, row - 1, shift);
        break;
    case ui::VK_DOWN:
        moveActive(col, row + 1, shift);
        break;
    case ui::VK_PRIOR:
        moveActive(col, row - visibleRows(), shift);
        break;
    case ui::VK_NEXT:
        moveActive(col, row + visibleRows(), shift);
        break;
    case ui::VK_HOME:
        moveActive(1, ctrl ? 1 : row, shift);
        break;
    case ui::VK_END:
        moveActive(maxCols(), ctrl ? maxRows() : row, shift);
        break;
    case ui::VK_TAB:
        if (shift) {
            if (col > 1)
                moveActive(col - 1, row, false);
            else if (row > 1)
                moveActive(maxCols(), row - 1, false);
        } else {
            if (col < maxCols())
                moveActive(col + 1, row, false);
            else if (row < maxRows())
                moveActive(1, row + 1, false);
        }
        break;
    case ui::VK_F2:
        if (m_activeCol < 1)
            setActiveCell(col, row);
        // F2 edits the current text with the caret at its end.
        if (startEdit())
            setEditSel(static_cast<int>(m_editText.size()), static_cast<int>(m_editText.size()));
        break;
    case ui::VK_SPACE:
        if (m_activeCol >= 1 && m_sheet.cellType(col, row).code == CellTypeCode::CheckBox)
            toggleCheck(col, row);
        else if (m_activeCol >= 1 && m_sheet.cellType(col, row).code == CellTypeCode::Button)
            pressButtonCell(col, row);
        break;
    case ui::VK_DELETE:
        if (m_activeCol >= 1 && editableCell(col, row) && !m_sheet.displayText(col, row).empty()) {
            m_sheet.clearContents(col, row);
            userChanged(col, row);
            invalidate();
        }
        break;
    case 'C':
        if (ctrl)
            clipboardCopy();
        break;
    case 'V':
        if (ctrl)
            clipboardPaste();
        break;
    default:
        break;
    }
}

void GridControl::editKey(int vk, bool shift) {
    int n = static_cast<int>(m_editText.size());
    auto moveCaret = [&](int to) {
        to = std::clamp(to, 0, n);
        if (!shift)
            m_selStart = to;
        m_caret = to;
        invalidate();
    };
    int lo = std::min(m_selStart, m_caret), hi = std::max(m_selStart, m_caret);
    switch (vk) {
    case ui::VK_LEFT:
        moveCaret(lo != hi && !shift ? lo : m_caret - 1);
        break;
    case ui::VK_RIGHT:
        moveCaret(lo != hi && !shift ? hi : m_caret + 1);
        break;
    case ui::VK_HOME:
        moveCaret(0);
        break;
    case ui::VK_END:
        moveCaret(n);
        break;
    case ui::VK_DELETE:
        if (lo != hi)
            typeIntoEdit(L"");
        else if (m_caret < n) {
            m_selStart = m_caret;
            m_caret = m_caret + 1;
            typeIntoEdit(L"");
        }
        break;
    case ui::VK_BACK:
        if (lo != hi)
            typeIntoEdit(L"");
        else if (m_caret > 0) {
            m_selStart = m_caret - 1;
            typeIntoEdit(L"");
        }
        break;
    case ui::VK_RETURN:
        endEdit(true);
        break;
    case ui::VK_ESCAPE:
        endEdit(false);
        break;
    case ui::VK_TAB: {
        int col = m_activeCol, row = m_activeRow;
        if (!endEdit(true))
            break;
        if (shift) {
            if (col > 1)
                moveActive(col - 1, row, false);
            else if (row > 1)
                moveActive(maxCols(), row - 1, false);
        } else {
            if (col < maxCols())
                moveActive(col + 1, row, false);
            else if (row < maxRows())
                moveActive(1, row + 1, false);
        }
        break;
    }
    case ui::VK_UP:
    case ui::VK_DOWN: {
        int col = m_activeCol, row = m_activeRow;
        if (endEdit(true))
            moveActive(col, vk == ui::VK_UP ? row - 1 : row + 1, false);
        break;
    }
    default:
        break;
    }
}

void GridControl::typeIntoEdit(std::wstring_view text) {
    int lo = std::min(m_selStart, m_caret), hi = std::max(m_selStart, m_caret);
    lo = std::clamp(lo, 0, static_cast<int>(m_editText.size()));
    hi = std::clamp(hi, 0, static_cast<int>(m_editText.size()));
    std::wstring next = m_editText.substr(0, lo) + std::wstring(text) + m_editText.substr(hi);
    CellType t = m_sheet.cellType(m_activeCol, m_activeRow);
    if (t.code == CellTypeCode::Edit && t.maxLength > 0 &&
        static_cast<int>(next.size()) > t.maxLength)
        return; // the cell takes no more characters
    m_editText = std::move(next);
    m_selStart = m_caret = lo + static_cast<int>(text.size());
    invalidate();
    sendToParent(kMsgEditChange, m_activeCol, m_activeRow);
}

void GridControl::onChar(wchar_t ch, unsigned /*repeat*/) {
    if (ch < 32 || ch == 127)
        return; // control characters were handled as keys
    if (!m_editing) {
        if (m_activeCol < 1 && maxCols() >= 1 && maxRows() >= 1)
            setActiveCell(1, 1);
        if (m_sheet.cellType(m_activeCol, m_activeRow).code == CellTypeCode::CheckBox)
            return;
        if (!startEdit())
            return;
        // Typing into a cell that is not being edited replaces its text.
        m_selStart = 0;
        m_caret = static_cast<int>(m_editText.size());
    }
    typeIntoEdit(std::wstring(1, ch));
}

} // namespace grid
