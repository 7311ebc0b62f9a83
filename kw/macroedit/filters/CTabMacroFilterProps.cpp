#include "kw/macroedit/filters/CTabMacroFilterProps.h"

#include "core/LanguageTexts.h"
#include "kw/designer/Tvl_DlgDesignerData.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/macroedit/filters/FilterPageHelpers.h"
#include "kw/macroedit/filters/MacroFilterIds.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::filters;

CTabMacroFilterProps::CTabMacroFilterProps() : ui::Dialog(kPageProps) {}

void CTabMacroFilterProps::setLists(const Tvl_StringArray& names,
                                    const Tvl_Array<Tvl_StringArray>& values,
                                    const Tvl_StringArray& designs) {
    m_names = names;
    m_values = values;
    m_designs = designs;
    // One value list and one design per property.
    while (m_values.length() < m_names.length())
        m_values.append(Tvl_StringArray());
    while (m_designs.length() < m_names.length())
        m_designs.append(Tvl_String());
}

void CTabMacroFilterProps::takeLists(Tvl_StringArray& names, Tvl_Array<Tvl_StringArray>& values,
                                     Tvl_StringArray& designs) {
    store();
    names = m_names;
    values = m_values;
    designs = m_designs;
}

bool CTabMacroFilterProps::createPage(ui::Window* tabControl) {
    return create(kPageProps, tabControl);
}

bool CTabMacroFilterProps::onInitDialog() {
    setDlgItemText(kExplanation, dialString(957).str());
    setDlgItemText(kPropLabel, dialString(958).str());
    setDlgItemText(kValuesGroup, dialString(959).str());
    setDlgItemText(kDesignLabel, dialString(960).str());
    setupIconButton(this, m_add, kAddRow, kIconAdd, dialString(961));
    setupIconButton(this, m_delete, kDeleteRow, kIconDelete, dialString(962));
    if (attachGrid(m_grid, this, kGrid)) {
        m_grid.setColCount(1);
        m_grid.setRowCount(0);
        Tvl_StringArray headers;
        headers.append(dialString(85));
        m_grid.setColHeaderTexts(headers);
        m_grid.setFitMode(1);
        m_grid.applyFitMode();
    }
    if (auto* properties = dynamic_cast<ui::ComboBox*>(getDlgItem(kPropList))) {
        properties->resetContent();
        for (const Tvl_String& name : m_names)
            properties->addString(name.str());
    }
    if (auto* designs = dynamic_cast<ui::ComboBox*>(getDlgItem(kDesignList))) {
        designs->resetContent();
        Tvl_StringArray names;
        getModuleImages(names);
        for (const Tvl_String& name : names)
            designs->addString(name.str());
    }
    if (m_names.isEmpty()) {
        for (int id : {kPropList, kGrid, kAddRow, kDeleteRow, kDesignList})
            enableDlgItem(this, id, false);
        return false;
    }
    if (auto* properties = dynamic_cast<ui::ComboBox*>(getDlgItem(kPropList)))
        properties->setCurSel(0);
    show(0);
    return false;
}

void CTabMacroFilterProps::show(int index) {
    if (index < 0 || index >= m_names.length()) {
        m_current = -1;
        return;
    }
    m_current = index;
    if (m_grid.isAttached()) {
        m_grid.clearActiveCell();
        m_grid.setRowCount(0);
        const Tvl_StringArray& values = m_values[index];
        m_grid.setRowCount(values.length());
        for (int r = 1; r <= values.length(); ++r) {
            m_grid.setData(1, r, values[r - 1].str());
            m_grid.setRowFont(r);
        }
        m_grid.applyFitMode();
    }
    setDlgItemText(kDesignList, m_designs[index].str());
}

void CTabMacroFilterProps::store() {
    if (m_current < 0 || m_current >= m_names.length() || !isWindow())
        return;
    if (m_grid.isAttached()) {
        m_grid.endEdit(true);
        Tvl_StringArray values;
        for (int r = 1; r <= m_grid.rowCount(); ++r) {
            const Tvl_String value = cellText(m_grid, 1, r);
            if (!value.isEmpty()) // a row left empty is no value
                values.append(value);
        }
        m_values[m_current] = values;
    }
    m_designs[m_current] = Tvl_String(getDlgItemText(kDesignList)).trimmed();
}

bool CTabMacroFilterProps::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && id == kPropList && code == ui::CBN_SELCHANGE) {
        store();
        auto* properties = dynamic_cast<ui::ComboBox*>(getDlgItem(kPropList));
        show(properties ? properties->getCurSel() : -1);
        return true;
    }
    if (from != nullptr && code == ui::BN_CLICKED && id == kAddRow) {
        if (m_current >= 0)
            appendGridRow(m_grid);
        return true;
    }
    if (from != nullptr && code == ui::BN_CLICKED && id == kDeleteRow) {
        deleteActiveRow(m_grid);
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}
