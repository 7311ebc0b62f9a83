#include "kw/macroedit/filters/CTabMacroVariables.h"

#include "core/LanguageTexts.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/macroedit/filters/FilterPageHelpers.h"
#include "kw/macroedit/filters/MacroFilterIds.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::filters;

namespace {

ui::ComboBox* combo(ui::Window* page, int id) {
    return dynamic_cast<ui::ComboBox*>(page->getDlgItem(id));
}

// A unit list: three texts and two empty entries, so that every stored index 0 to 4 has
// an entry to show.
void fillUnits(ui::Window* page, int id, int first, int selected) {
    ui::ComboBox* list = combo(page, id);
    if (!list)
        return;
    list->resetContent();
    for (int text = first; text < first + 3; ++text)
        list->addString(dialString(text).str());
    list->addString(L"");
    list->addString(L"");
    list->setCurSel(selected);
}

// The stored index of a unit list; the record's when the list shows no selection.
int unitIndex(ui::Window* page, int id, int old) {
    ui::ComboBox* list = combo(page, id);
    const int at = list ? list->getCurSel() : -1;
    return at >= 0 ? at : old;
}

} // namespace

CTabMacroVariables::CTabMacroVariables(MacroVariableSettings* settings)
    : ui::Dialog(kPageVariables), m_settings(settings) {}

bool CTabMacroVariables::createPage(ui::Window* tabControl) {
    return create(kPageVariables, tabControl);
}

bool CTabMacroVariables::onInitDialog() {
    setDlgItemText(kExplanation, dialString(942).str() + L".\n" + dialString(943).str() + L".");
    setDlgItemText(kLengthUnitLabel, dialString(1388).str());
    setDlgItemText(kAngleUnitLabel, dialString(1392).str());
    setDlgItemText(kDecimalsLabel, dialString(1407).str());
    setupIconButton(this, m_add, kAddRow, kIconAdd, dialString(896));
    setupIconButton(this, m_delete, kDeleteRow, kIconDelete, dialString(897));
    const bool grid = attachGrid(m_grid, this, kGrid);
    if (grid) {
        m_grid.setColCount(2);
        m_grid.setRowCount(0);
        Tvl_StringArray headers;
        headers.append(dialString(87));
        headers.append(dialString(86));
        m_grid.setColHeaderTexts(headers);
        m_grid.setFitMode(1);
    }
    if (!m_settings) {
        for (int id : {kLengthUnit, kAngleUnit, kDecimals, kGrid, kAddRow, kDeleteRow})
            enableDlgItem(this, id, false);
        return false;
    }
    fillUnits(this, kLengthUnit, 1385, m_settings->m_lengthUnit);
    fillUnits(this, kAngleUnit, 1389, m_settings->m_angleUnit);
    if (ui::ComboBox* decimals = combo(this, kDecimals)) {
        decimals->resetContent();
        for (const wchar_t* entry : {L"0", L"1", L"2", L"3", L""})
            decimals->addString(entry);
        decimals->setWindowText(std::to_wstring(m_settings->m_decimals));
    }
    if (grid) {
        const int rows = m_settings->m_names.length();
        m_grid.setRowCount(rows);
        for (int r = 1; r <= rows; ++r) {
            m_grid.setData(1, r, m_settings->m_names[r - 1].str());
            setNumberCell(m_grid, 2, r,
                          r - 1 < m_settings->m_values.length() ? m_settings->m_values[r - 1] : 0);
            m_grid.setRowFont(r);
        }
        m_grid.applyFitMode();
    }
    return false;
}

void CTabMacroVariables::store() {
    if (!m_settings || !isWindow())
        return;
    m_settings->m_lengthUnit = unitIndex(this, kLengthUnit, m_settings->m_lengthUnit);
    m_settings->m_angleUnit = unitIndex(this, kAngleUnit, m_settings->m_angleUnit);
    m_settings->m_decimals = Tvl_String(getDlgItemText(kDecimals)).trimmed().toInt();
    if (!m_grid.isAttached())
        return;
    m_grid.endEdit(true);
    Tvl_StringArray names;
    AcArray<double> values;
    for (int r = 1; r <= m_grid.rowCount(); ++r) {
        const Tvl_String name = cellText(m_grid, 1, r);
        if (name.isEmpty())
            continue; // a row left without a name is no variable
        names.append(name);
        values.append(numberCell(m_grid, 2, r));
    }
    m_settings->m_names = names;
    m_settings->m_values = values;
}

bool CTabMacroVariables::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::BN_CLICKED && id == kAddRow) {
        const int row = appendGridRow(m_grid);
        if (row > 0) {
            setNumberCell(m_grid, 2, row, 0);
            m_grid.applyFitMode();
        }
        return true;
    }
    if (from != nullptr && code == ui::BN_CLICKED && id == kDeleteRow) {
        deleteActiveRow(m_grid);
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CTabMacroVariables::onDestroy() {
    if (!m_stored) {
        m_stored = true;
        store();
    }
    ui::Dialog::onDestroy();
}
