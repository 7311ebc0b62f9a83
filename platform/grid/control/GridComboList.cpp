// The list a combo cell opens to choose from: where it lies, what a press or a key does
// while it is open, and how it looks.
#include <algorithm>

#include "platform/grid/control/GridControl.h"
#include "platform/ui/draw/Canvas.h"

namespace grid {

namespace {

constexpr int kMaxShown = 8;  // items shown at once; the rest scroll
constexpr int kMinWidth = 60; // a narrow column still gets a usable list

} // namespace

std::vector<std::wstring> GridControl::comboItems(int col, int row) const {
    std::vector<std::wstring> items;
    const CellType t = m_sheet.cellType(col, row);
    if (t.code != CellTypeCode::ComboBox || t.items.empty())
        return items;
    size_t start = 0;
    for (;;) {
        const size_t tab = t.items.find('\t', start);
        items.push_back(widen(std::string_view(t.items).substr(start, tab - start)));
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
    return items;
}

bool GridControl::openComboList() {
    const int col = m_activeCol, row = m_activeRow;
    if (col < 1 || row < 1 || m_sheet.isLocked(col, row) || comboItems(col, row).empty())
        return false;
    if (m_editing)
        endEdit(true);
    m_dropCol = col;
    m_dropRow = row;
    const std::string v = m_sheet.valueText(col, row);
    m_dropHot = v.empty() ? 0 : std::max(0, std::atoi(v.c_str()));
    const int count = static_cast<int>(comboItems(col, row).size());
    m_dropHot = std::min(m_dropHot, count - 1);
    m_dropTop = std::clamp(m_dropHot - kMaxShown + 1, 0, std::max(0, count - kMaxShown));
    invalidate();
    return true;
}

void GridControl::closeComboList() {
    if (!comboListOpen())
        return;
    m_dropCol = m_dropRow = 0;
    m_dropHot = -1;
    m_dropTop = 0;
    invalidate();
}

ui::Rect GridControl::comboListRect() const {
    if (!comboListOpen())
        return {};
    const ui::Rect cell = cellRect(m_dropCol, m_dropRow);
    if (cell.width() <= 0)
        return {};
    const int count = static_cast<int>(comboItems(m_dropCol, m_dropRow).size());
    const int shown = std::min(count, kMaxShown);
    const int itemHeight = rowHeightPx(m_dropRow);
    const int height = shown * itemHeight + 2; // with its border
    const ui::Rect area = getClientRect();
    ui::Rect r{cell.left, cell.bottom, std::max(cell.right, cell.left + kMinWidth),
               cell.bottom + height};
    if (r.bottom > area.bottom && cell.top - height >= area.top) {
        r.top = cell.top - height; // no room below: above the cell
        r.bottom = cell.top;
    }
    if (r.right > area.right) {
        const int w = r.width();
        r.right = area.right;
        r.left = std::max(area.left, area.right - w);
    }
    return r;
}

int GridControl::comboListItemAt(ui::Point p) const {
    const ui::Rect r = comboListRect();
    if (r.width() <= 0 || !r.contains(p))
        return -1;
    ui::ListBoxState st;
    st.topIndex = m_dropTop;
    st.itemHeight = rowHeightPx(m_dropRow);
    const int count = static_cast<int>(comboItems(m_dropCol, m_dropRow).size());
    return ui::listItemFromPoint(r, count, st, p, toUiFont(cellFont(m_dropCol, m_dropRow)));
}

bool GridControl::comboListPress(ui::Point p) {
    if (!comboListOpen())
        return false;
    const ui::Rect list = comboListRect();
    if (list.contains(p)) {
        const int item = comboListItemAt(p);
        const int col = m_dropCol, row = m_dropRow;
        closeComboList();
        if (item >= 0 && m_activeCol == col && m_activeRow == row)
            chooseComboItem(item);
        return true;
    }
    // A press elsewhere closes the list; a press on the cell's own drop button only that.
    const ui::Rect cell = cellRect(m_dropCol, m_dropRow);
    const bool onButton = cell.contains(p) && p.x >= cell.right - 16;
    closeComboList();
    return onButton;
}

bool GridControl::comboListKey(int vk) {
    if (!comboListOpen())
        return false;
    const int count = static_cast<int>(comboItems(m_dropCol, m_dropRow).size());
    if (count == 0) { // the cell is no combo any more
        closeComboList();
        return false;
    }
    auto hot = [&](int i) {
        m_dropHot = std::clamp(i, 0, count - 1);
        if (m_dropHot < m_dropTop)
            m_dropTop = m_dropHot;
        if (m_dropHot >= m_dropTop + kMaxShown)
            m_dropTop = m_dropHot - kMaxShown + 1;
        invalidate();
    };
    switch (vk) {
    case ui::VK_UP:
        hot(m_dropHot - 1);
        return true;
    case ui::VK_DOWN:
        hot(m_dropHot + 1);
        return true;
    case ui::VK_PRIOR:
        hot(m_dropHot - kMaxShown);
        return true;
    case ui::VK_NEXT:
        hot(m_dropHot + kMaxShown);
        return true;
    case ui::VK_HOME:
        hot(0);
        return true;
    case ui::VK_END:
        hot(count - 1);
        return true;
    case ui::VK_RETURN: {
        const int item = m_dropHot;
        closeComboList();
        chooseComboItem(item);
        return true;
    }
    case ui::VK_ESCAPE:
    case ui::VK_F4:
        closeComboList();
        return true;
    default:
        closeComboList(); // any other key closes the list and does what it does
        return false;
    }
}

void GridControl::paintComboList(ui::Canvas& canvas) {
    const ui::Rect r = comboListRect();
    if (r.width() <= 0)
        return;
    const std::vector<std::wstring> texts = comboItems(m_dropCol, m_dropRow);
    std::vector<ui::ListItem> items;
    for (size_t i = 0; i < texts.size(); ++i) {
        ui::ListItem item;
        item.text = texts[i];
        item.selected = static_cast<int>(i) == m_dropHot;
        items.push_back(std::move(item));
    }
    ui::ListBoxState st;
    st.topIndex = m_dropTop;
    st.caretIndex = m_dropHot;
    st.itemHeight = rowHeightPx(m_dropRow);
    st.focused = true;
    ui::paintListBox(canvas, r, items, st, toUiFont(cellFont(m_dropCol, m_dropRow)));
}

} // namespace grid
