#include "kw/frame/CDlgStringArray.h"

#include <algorithm>
#include <optional>

#include "core/LanguageTexts.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/WindowPlacement.h"

namespace {

constexpr int kTextOk = 1;
constexpr int kTextCancel = 2;
constexpr int kTextAdd = 606;
constexpr int kTextRemove = 607;
constexpr int kMinWidth = 300;
constexpr int kMinHeight = 150;

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = CDlgStringArray::kTemplateId;
    t.caption = L"Tabel";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_THICKFRAME;
    t.rect = ui::dlu(0, 0, 299, 132);
    t.controls = {
        {CDlgStringArray::kGridId, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(3, 4, 293, 105)},
        {ui::IDOK, L"Button", L"OK", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON,
         ui::dlu(186, 113, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", ui::WS_TABSTOP, ui::dlu(242, 113, 50, 14)},
        {CDlgStringArray::kAddId, L"Button", L"Toevoegen", ui::WS_TABSTOP, ui::dlu(7, 113, 50, 14)},
        {CDlgStringArray::kRemoveId, L"Button", L"Verwijderen", ui::WS_TABSTOP,
         ui::dlu(63, 113, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace

CDlgStringArray::CDlgStringArray(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

bool CDlgStringArray::onInitDialog() {
    setWindowText(m_caption.str());
    setDlgItemText(ui::IDOK, dialString(kTextOk).str());
    setDlgItemText(ui::IDCANCEL, dialString(kTextCancel).str());
    setDlgItemText(kAddId, dialString(kTextAdd).str());
    setDlgItemText(kRemoveId, dialString(kTextRemove).str());
    if (!m_rowsEditable) {
        if (ui::Window* w = getDlgItem(kAddId))
            w->showWindow(ui::SW_HIDE);
        if (ui::Window* w = getDlgItem(kRemoveId))
            w->showWindow(ui::SW_HIDE);
    }
    if (m_grid.attach(this, kGridId)) {
        m_grid.setColCount(m_columnHeaders.length());
        m_grid.setRowCount(m_data.length());
        m_grid.setColHeaderTexts(m_columnHeaders);
        m_grid.setRowHeaderTexts(m_rowHeaders);
        for (int r = 0; r < m_data.length(); ++r)
            m_grid.setRowTexts(r + 1, m_data[r]);
        m_grid.sheet().setChanged(false);
    }
    // The grid grows with the dialog; OK and Cancel keep to the right edge and Add and
    // Remove to the left one, all of them to the bottom. (Giving OK and Cancel "stay"
    // and Add and Remove "move with the far edge" would swap the two pairs over as the
    // dialog grows, and lay them over each other.)
    m_layout.attach(this);
    m_layout.setMode(kGridId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layout.setMode(ui::IDOK, DlgResizeLayout::kMoveFar, DlgResizeLayout::kMoveFar);
    m_layout.setMode(ui::IDCANCEL, DlgResizeLayout::kMoveFar, DlgResizeLayout::kMoveFar);
    m_layout.setMode(kAddId, DlgResizeLayout::kStay, DlgResizeLayout::kMoveFar);
    m_layout.setMode(kRemoveId, DlgResizeLayout::kStay, DlgResizeLayout::kMoveFar);
    m_minimum = minimumSize();
    m_layoutReady = true;
    // The placement is restored after the layout knows the template's rectangles, so
    // that a restored size lays the controls out like any other.
    restoreWindowPlacement(this, m_placementName);
    const ui::Rect now = getWindowRect();
    if (now.width() < m_minimum.cx || now.height() < m_minimum.cy)
        setWindowPos(nullptr, 0, 0, std::max(now.width(), m_minimum.cx),
                     std::max(now.height(), m_minimum.cy), ui::SWP_NOMOVE | ui::SWP_NOZORDER);
    return true;
}

ui::Size CDlgStringArray::minimumSize() const {
    const ui::Rect window = getWindowRect();
    ui::Size size{kMinWidth, kMinHeight};
    auto rectOf = [&](int id) {
        const ui::Window* w = getDlgItem(id);
        return w ? std::optional<ui::Rect>(w->rect()) : std::nullopt;
    };
    const auto ok = rectOf(ui::IDOK), cancel = rectOf(ui::IDCANCEL);
    const auto add = rectOf(kAddId), remove = rectOf(kRemoveId), grid = rectOf(kGridId);
    if (ok && cancel && add && remove) {
        // OK moves left with the right edge; it may come no closer to what stays at the
        // left (Remove, or with the row buttons hidden, their place) than OK is to Cancel.
        const int gap = std::max(0, cancel->left - ok->right);
        const int leftEnd = m_rowsEditable ? remove->right + gap : add->left;
        size.cx = std::max(size.cx, window.width() - (ok->left - leftEnd));
    }
    if (grid) // the grid keeps at least one pixel of height
        size.cy = std::max(size.cy, window.height() - grid->height() + 1);
    return size;
}

bool CDlgStringArray::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::BN_CLICKED) {
        if (id == kAddId) {
            onAdd();
            return true;
        }
        if (id == kRemoveId) {
            onRemove();
            return true;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CDlgStringArray::onAdd() {
    if (!m_grid.isAttached())
        return;
    int col = 0, row = 0;
    if (!m_grid.activeCell(col, row)) {
        col = 1;
        row = m_grid.rowCount();
    }
    const int newRow = row + 1;
    m_grid.setRowCount(m_grid.rowCount() + 1);
    m_grid.sheet().insertRows(newRow);
    m_grid.setRowFont(newRow);
    m_grid.setFocus();
    if (m_grid.colCount() >= 1)
        m_grid.setActiveCell(std::clamp(col, 1, m_grid.colCount()), newRow);
}

void CDlgStringArray::onRemove() {
    if (!m_grid.isAttached() || m_grid.rowCount() < 1)
        return;
    int col = 0, row = 0;
    if (!m_grid.activeCell(col, row))
        return;
    m_grid.endEdit(false);
    m_grid.sheet().deleteRows(row);
    m_grid.setMaxRows(m_grid.rowCount() - 1);
    m_grid.setFocus();
    const int rows = m_grid.rowCount();
    if (rows < 1)
        return;
    // The active cell keeps its place (the last row when the removed row was the last).
    m_grid.setActiveCell(col, std::min(row, rows));
    if (m_grid.startEdit())
        m_grid.setEditSel(0, -1);
}

void CDlgStringArray::onOK() {
    m_grid.endEdit(true);
    m_data.clear();
    for (int r = 1; r <= m_grid.rowCount(); ++r) {
        Tvl_StringArray row;
        for (int c = 1; c <= m_grid.colCount(); ++c)
            row.append(Tvl_String(m_grid.data(c, r)));
        m_data.append(row);
    }
    endDialog(ui::IDOK);
}

void CDlgStringArray::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_layoutReady)
        m_layout.relayout();
}

void CDlgStringArray::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    info.minTrackSize = m_layoutReady ? m_minimum : ui::Size{kMinWidth, kMinHeight};
}

void CDlgStringArray::onDestroy() {
    saveWindowPlacement(this, m_placementName);
    m_layoutReady = false;
}
