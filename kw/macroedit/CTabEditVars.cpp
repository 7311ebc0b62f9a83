#include "kw/macroedit/CTabEditVars.h"

#include "core/LanguageTexts.h"
#include "core/macroedit/MacroEditCallBacks.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/macroedit/CDlgEditMacro.h"
#include "kw/macroedit/MacroEditIds.h"
#include "platform/ui/controls/Edit.h"

#include <charconv>
#include <limits>

using namespace kw::macroedit;

namespace {
constexpr int kGridOptionRowHeaders = 4;
constexpr int kEditReserve = 30000; // room left for typing beyond the equations shown
} // namespace

CTabEditVars::CTabEditVars(CDlgEditMacro& owner, EditConstrData* data)
    : ui::Dialog(kPageVariables), m_owner(owner), m_data(data) {}

bool CTabEditVars::createPage(ui::Window* tabControl) {
    return create(kPageVariables, tabControl);
}

Tvl_String CTabEditVars::exactNumber(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return Tvl_String(std::wstring(buffer, result.ptr));
}

bool CTabEditVars::onInitDialog() {
    for (Tvl_Spread* grid : {&m_vars, &m_dims}) {
        if (grid->attach(this, grid == &m_vars ? kVarGrid : kDimGrid, true))
            grid->sheet().setOption(kGridOptionRowHeaders, false);
    }
    setupIconButton(this, m_add, kAddVariable, kIconAdd, dialString(896));
    setupIconButton(this, m_delete, kDeleteVariable, kIconDelete, dialString(897));
    setDlgItemText(kVarGroup, dialString(875).str());
    setDlgItemText(kDimGroup, dialString(898).str());
    setDlgItemText(kEquationGroup, dialString(899).str());
    m_layout.attach(this);
    for (int id : {kVarGrid, kVarGroup})
        m_layout.setMode(id, DlgResizeLayout::kStretch, DlgResizeLayout::kKeepNear);
    for (int id : {kAddVariable, kDeleteVariable})
        m_layout.setMode(id, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    for (int id : {kDimGrid, kDimGroup})
        m_layout.setMode(id, DlgResizeLayout::kStretch, DlgResizeLayout::kFollowFar);
    for (int id : {kEquations, kEquationGroup})
        m_layout.setMode(id, DlgResizeLayout::kStretch, DlgResizeLayout::kMoveFar);
    m_layoutReady = true;
    m_initialized = true;
    load();
    return false;
}

void CTabEditVars::giveRowCells(int row, double value, int type) {
    m_vars.SSSetTypeNumber(grid::CellRange{2, row, 2, row}, 2, -std::numeric_limits<double>::max(),
                           std::numeric_limits<double>::max());
    m_vars.setValue(2, row, exactNumber(value).str());
    Tvl_StringArray types;
    for (int text : {900, 895, 893, 901, 902, 1325, 1326, 1327})
        types.append(dialString(text));
    std::wstring joined;
    for (int i = 0; i < types.length(); ++i)
        joined += (i ? L"\t" : L"") + types[i].str();
    m_vars.sheet().setCellType(grid::CellRange{3, row, 3, row},
                               grid::CellType::comboBox(grid::narrow(joined)));
    if (type >= 0 && type < kTypeCount)
        m_vars.setValue(3, row, std::to_wstring(type));
}

void CTabEditVars::load() {
    if (!m_initialized || !m_vars.isAttached() || !m_dims.isAttached())
        return;
    const int count = m_data->m_varNames.length();
    m_vars.clearActiveCell();
    m_vars.setRowCount(0);
    m_vars.setColCount(3);
    m_vars.setRowCount(count);
    Tvl_StringArray headers;
    for (int text : {87, 86, 101})
        headers.append(dialString(text));
    m_vars.setColHeaderTexts(headers);
    for (int r = 0; r < count; ++r) {
        m_vars.setData(1, r + 1, m_data->m_varNames[r].str());
        giveRowCells(r + 1, r < m_data->m_varValues.length() ? m_data->m_varValues[r] : 0,
                     r < m_data->m_varTypes.length() ? m_data->m_varTypes[r] : -1);
        m_vars.setRowFont(r + 1);
    }

    const int dims = m_data->m_dimNames.length();
    m_dims.clearActiveCell();
    m_dims.setRowCount(0);
    m_dims.setColCount(2);
    m_dims.setRowCount(dims);
    Tvl_StringArray dimHeaders;
    for (int text : {87, 86})
        dimHeaders.append(dialString(text));
    m_dims.setColHeaderTexts(dimHeaders);
    for (int r = 0; r < dims; ++r) {
        m_dims.setData(1, r + 1, m_data->m_dimNames[r].str());
        if (r < m_data->m_dimValues.length())
            m_dims.setData(2, r + 1, m_data->m_dimValues[r].str());
        m_dims.setRowFont(r + 1);
    }
    // Never read back: the dimensions are shown only.
    if (dims > 0)
        m_dims.sheet().setLocked(grid::CellRange{1, 1, 2, dims}, true);

    std::wstring text;
    for (const Tvl_String& line : m_data->m_equations)
        text += line.str() + L"\r\n";
    if (auto* edit = dynamic_cast<ui::Edit*>(getDlgItem(kEquations))) {
        // Long equation lists are shown whole, never cut at the edit's limit.
        edit->setLimitText(
            std::max(edit->getLimitText(), static_cast<int>(text.size()) + kEditReserve));
        edit->setWindowText(text);
    }
    fitColumns();
}

bool CTabEditVars::store() {
    if (!m_initialized || !isWindow() || !m_vars.isAttached())
        return false;
    m_vars.endEdit(true);
    Tvl_StringArray names;
    AcArray<double> values;
    AcArray<short> types;
    for (int r = 1; r <= m_vars.rowCount(); ++r) {
        const Tvl_String name = Tvl_String(m_vars.data(1, r)).trimmed();
        if (name.isEmpty())
            continue; // a row left without a name is no variable
        double value = 0;
        Tvl_String(m_vars.value(2, r)).toDouble(value);
        const Tvl_String typeText(m_vars.value(3, r));
        int type = typeText.trimmed().isEmpty() ? -1 : typeText.toInt();
        if (type < 0 || type >= kTypeCount) {
            // A type the list cannot show keeps the record's.
            int old = -1;
            type = m_data->m_varNames.find(name, old) && old < m_data->m_varTypes.length()
                       ? m_data->m_varTypes[old]
                       : 0;
        }
        names.append(name);
        values.append(value);
        types.append(static_cast<short>(type));
    }
    Tvl_StringArray equations;
    const std::wstring text = getDlgItemText(kEquations);
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = text.substr(start, end - start);
        line.erase(std::remove(line.begin(), line.end(), L'\r'), line.end());
        if (!Tvl_String(line).trimmed().isEmpty())
            equations.append(Tvl_String(line));
        start = end + 1;
    }
    m_data->m_varNames = names;
    m_data->m_varValues = values;
    m_data->m_varTypes = types;
    m_data->m_equations = equations;
    return UpdateVarsEqs(m_data);
}

void CTabEditVars::refresh() {
    store();
    load();
}

void CTabEditVars::onAdd() {
    int col = 0, row = 0;
    if (!m_vars.activeCell(col, row))
        row = 0; // an empty grid, or none active: the new row comes first
    const int at = std::min(row + 1, m_vars.rowCount() + 1);
    if (!m_vars.insertRowAt(at, false, false))
        return;
    m_vars.setRowFont(at);
    giveRowCells(at, 0, 0);
    m_vars.setActiveCell(1, at);
}

void CTabEditVars::onDelete() {
    int col = 0, row = 0;
    if (m_vars.activeCell(col, row) && row >= 1 && row <= m_vars.rowCount())
        m_vars.deleteRowAt(row);
}

bool CTabEditVars::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::BN_CLICKED && id == kAddVariable) {
        onAdd();
        return true;
    }
    if (from != nullptr && code == ui::BN_CLICKED && id == kDeleteVariable) {
        onDelete();
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CTabEditVars::fitColumns() {
    for (Tvl_Spread* grid : {&m_vars, &m_dims}) {
        grid->setFitMode(1);
        grid->applyFitMode();
    }
}

void CTabEditVars::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_layoutReady)
        m_layout.relayout();
    if (m_vars.isAttached() && m_dims.isAttached())
        fitColumns();
}
