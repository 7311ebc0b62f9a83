#include "kw/macroedit/CTabGeometries.h"

#include "core/LanguageTexts.h"
#include "core/macroedit/MacroEditCallBacks.h"
#include "kw/frame/HostCalls.h"
#include "kw/macroedit/CDlgEditMacro.h"
#include "kw/macroedit/MacroEditIds.h"
#include "platform/host/AcEd.h"

using namespace kw::macroedit;

namespace {
constexpr int kGridOptionRowHeaders = 4;
constexpr int kCheckColumnWidth = 20;
} // namespace

CTabGeometries::CTabGeometries(CDlgEditMacro& owner, EditConstrData* data)
    : ui::Dialog(kPageGeometries), m_owner(owner), m_data(data) {}

bool CTabGeometries::createPage(ui::Window* tabControl) {
    return create(kPageGeometries, tabControl);
}

bool CTabGeometries::onInitDialog() {
    if (m_grid.attach(this, kGeomGrid, true)) {
        m_grid.SSSetAppearance(1);
        m_grid.sheet().setOption(kGridOptionRowHeaders, false);
    }
    m_layout.attach(this);
    m_layout.setMode(kGeomGrid, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layoutReady = true;
    m_initialized = true;
    load();
    return false;
}

void CTabGeometries::load() {
    if (!m_initialized || !m_grid.isAttached())
        return;
    const int count = m_data->geometryCount();
    m_grid.clearActiveCell();
    m_grid.setRowCount(0);
    m_grid.setColCount(count > 0 ? 4 : 0);
    m_grid.setRowCount(count);
    if (count > 0) {
        Tvl_StringArray headers;
        for (int text : {889, 890, 891, 892})
            headers.append(dialString(text));
        m_grid.setColHeaderTexts(headers);
        Tvl_StringArray choices;
        for (int text : {893, 894, 895})
            choices.append(dialString(text));
        for (int r = 0; r < count; ++r) {
            const Tvl_StringArray& texts = m_data->m_geomDescriptions[r];
            for (int c = 0; c < 3 && c < texts.length(); ++c)
                m_grid.setData(c + 1, r + 1, texts[c].str());
            m_grid.setRowFont(r + 1);
        }
        m_grid.sheet().setLocked(grid::CellRange{1, 1, 2, count}, true);
        m_grid.setColumnComboBox(3, choices, false);
        for (int r = 0; r < count; ++r) {
            if (r < m_data->m_geomFlexibility.length())
                m_grid.setValue(3, r + 1, std::to_wstring(m_data->m_geomFlexibility[r]));
            const int fixed = r < m_data->m_geomFixed.length() ? m_data->m_geomFixed[r] : -1;
            if (fixed == 0 || fixed == 1) {
                m_grid.setCellCheckBox(4, r + 1);
                m_grid.setValue(4, r + 1, fixed ? L"1" : L"0");
            } else {
                m_grid.sheet().setLocked(grid::CellRange{4, r + 1, 4, r + 1}, true);
            }
        }
    }
    m_grid.setFitMode(4, 4, kCheckColumnWidth);
    m_grid.applyFitMode();
}

void CTabGeometries::refresh() {
    GetGeomFlexibility(m_data);
    const int row = m_highlighted;
    m_highlighted = -1;
    load();
    if (row >= 0 && row < m_data->geometryCount()) {
        highlightRow(row);
        m_grid.setActiveCell(1, row + 1);
    }
}

void CTabGeometries::removeHighlight() {
    if (m_highlighted >= 0 && m_highlighted < m_data->m_geomIds.length()) {
        UnHighlightObject(m_data->m_geomIds[m_highlighted]);
        acedUpdateDisplay();
    }
}

void CTabGeometries::highlightRow(int row) {
    if (row < 0 || row >= m_data->m_geomIds.length())
        return;
    removeHighlight();
    m_highlighted = row;
    HighlightObject(m_data->m_geomIds[row]);
    acedUpdateDisplay();
}

bool CTabGeometries::onNotify(ui::NotifyHeader& header, ui::LRESULT& result) {
    if (header.idFrom != kGeomGrid)
        return ui::Dialog::onNotify(header, result);
    const auto& n = reinterpret_cast<const grid::NotifyGrid&>(header);
    result = 0;
    switch (header.code) {
    case grid::kNotifyRowChanged:
        if (n.newRow - 1 != m_highlighted)
            highlightRow(n.newRow - 1);
        return true;
    case grid::kNotifyCellClicked:
        if (n.row - 1 != m_highlighted)
            highlightRow(n.row - 1);
        return true;
    case grid::kNotifyComboChanged: {
        const int r = n.row - 1;
        if (n.col != 3 || r < 0 || r >= m_data->m_geomIds.length() ||
            r >= m_data->m_geomFlexValues.length())
            return true;
        AcDbObjectId id = m_data->m_geomIds[r];
        long flexValue = m_data->m_geomFlexValues[r];
        int newValue = Tvl_String(m_grid.value(3, n.row)).toInt() + 1;
        if (UpdateGeomFlexibility(m_data, id, flexValue, newValue)) {
            load();
            m_grid.setActiveCell(3, n.row);
        }
        return true;
    }
    case grid::kNotifyCheckChanged: {
        const int r = n.row - 1;
        if (n.col != 4 || r < 0 || r >= m_data->m_geomFixed.length())
            return true;
        const int fixed = m_data->m_geomFixed[r];
        const bool now = m_grid.value(4, n.row) == L"1";
        if ((fixed != 0 && fixed != 1) || now == (fixed == 1))
            return true;
        AcDbObjectId id = m_data->m_geomIds[r];
        if (UpdateConstrGeom(m_data, id, now))
            load();
        return true;
    }
    default:
        return ui::Dialog::onNotify(header, result);
    }
}

void CTabGeometries::onOK() {
    m_owner.closeEditor(ui::IDOK);
}

void CTabGeometries::onCancel() {
    // Escape on this page is the editor's OK.
    m_owner.closeEditor(ui::IDOK);
}

void CTabGeometries::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_layoutReady)
        m_layout.relayout();
    if (m_grid.isAttached())
        m_grid.applyFitMode();
}

void CTabGeometries::onDestroy() {
    removeHighlight();
    m_layoutReady = false;
}
