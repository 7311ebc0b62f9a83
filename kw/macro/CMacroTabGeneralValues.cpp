// Values of the general page: the tab data written into the drawn controls and grid rows
// (refresh), and read back from them (store).

#include "kw/macro/CMacroTabGeneral.h"

#include "core/MacroCallBacks.h"
#include "core/MacroTabData.h"
#include "kw/macro/MacroIds.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::macro;

namespace {

void showInCombo(ui::ComboBox* combo, const Tvl_StringArray& entries, const Tvl_String& current) {
    if (combo == nullptr)
        return;
    combo->resetContent();
    for (int i = 0; i < entries.length(); ++i)
        combo->addString(entries[i].str());
    // The current text is offered even when the list does not hold it.
    int at = combo->findStringExact(-1, current.str());
    if (at < 0 && !current.isEmpty())
        at = combo->addString(current.str());
    if (at >= 0)
        combo->setCurSel(at);
    else
        combo->setWindowText(current.str());
}

} // namespace

Tvl_String CMacroTabGeneral::gridText(int col, int row) const {
    if (!m_gridMade)
        return Tvl_String();
    // A check box's value is "1" or "0"; everything else is read as shown.
    if (m_grid.sheet().cellType(col, row).code == grid::CellTypeCode::CheckBox)
        return Tvl_String(m_grid.value(col, row));
    return Tvl_String(m_grid.data(col, row));
}

void CMacroTabGeneral::setGridText(int col, int row, const Tvl_String& text) {
    if (!m_gridMade || row < 1 || row > m_grid.rowCount())
        return;
    if (m_grid.sheet().cellType(col, row).code == grid::CellTypeCode::CheckBox)
        m_grid.setValue(col, row, text.trimmed() == L"1" ? L"1" : L"0");
    else
        m_grid.setValue(col, row, text.str());
}

void CMacroTabGeneral::fillBoltControls() {
    MacroTabData* t = tab();
    if (t == nullptr || !t->isBoltTab())
        return;
    Tvl_StringArray assemblies, diameters;
    GetAssemblies(assemblies);
    // A design's own assembly control (type 7) is a drop-down list: without the
    // assemblies in it, it would show none and store an empty assembly.
    const int drawn = t->m_bolt.reference(MacroBoltData::kAssembly);
    if (drawn > 0)
        showInCombo(dynamic_cast<ui::ComboBox*>(getDlgItem(drawn)), assemblies,
                    t->m_bolt.m_assembly);
    if (!boltControlsShown())
        return;
    t->GetMergedDiameters(diameters);
    showInCombo(dynamic_cast<ui::ComboBox*>(getDlgItem(kAssembly)), assemblies,
                t->m_bolt.m_assembly);
    showInCombo(dynamic_cast<ui::ComboBox*>(getDlgItem(kDiameter)), diameters,
                t->m_bolt.m_diameter);
}

void CMacroTabGeneral::setFlexButtonStates() {
    const MacroTabData* t = tab();
    if (t == nullptr || !m_design.isInitialized())
        return;
    for (int g = 0; g < t->m_flexGroups.length(); ++g) {
        const MacroFlexFixGroup& group = t->m_flexGroups[g];
        for (int i = 0; i < group.m_names.length(); ++i)
            m_design.setFlexBtnStatus(group.m_group, group.m_names[i],
                                      group.status(group.m_names[i]));
    }
}

void CMacroTabGeneral::refresh() {
    MacroTabData* t = tab();
    if (t == nullptr)
        return;
    const bool wasActive = m_active;
    m_active = false; // what the page writes itself is no user's change
    setFlexButtonStates();
    for (int i = 0; i < t->m_cells.length(); ++i) {
        const MacroCell& cell = t->m_cells[i];
        if (cell.m_reference > 0) {
            m_design.setCtrlValue(cell.m_reference, cell.m_value);
            m_design.setCtrlReadOnly(cell.m_reference, cell.m_readOnly);
        } else if (cell.m_reference < 0) {
            setGridText(kColValue, -cell.m_reference, cell.m_value);
            if (m_gridMade)
                m_grid.sheet().setLocked(
                    grid::CellRange{kColValue, -cell.m_reference, kColValue, -cell.m_reference},
                    cell.m_readOnly);
        }
    }
    for (int i = 0; i < t->m_cuts.length(); ++i) {
        if (t->m_cuts[i].m_reference > 0)
            m_design.setCtrlValue(t->m_cuts[i].m_reference, Tvl_String(t->m_cuts[i].m_value));
    }
    for (int i = 0; i < t->m_patterns.length(); ++i) {
        const MacroPatternProps& p = t->m_patterns[i];
        if (p.m_refCount1 > 0)
            m_design.setCtrlValue(p.m_refCount1, p.m_count1);
        else if (p.m_refCount1 < 0)
            setGridText(kColValue, -p.m_refCount1, p.m_count1);
        if (p.m_refCount2 > 0)
            m_design.setCtrlValue(p.m_refCount2, p.m_count2);
        else if (p.m_refCount2 < 0)
            setGridText(kColSecond, -p.m_refCount2, p.m_count2);
    }
    for (int f = 0; f < MacroBoltData::kFieldCount; ++f) {
        if (t->m_bolt.reference(f) > 0)
            m_design.setCtrlValue(t->m_bolt.reference(f), t->m_bolt.field(f));
    }
    fillBoltControls();
    for (int i = 0; i < t->m_arrays.length(); ++i) {
        const DynArrayData& a = t->m_arrays[i];
        if (a.m_reference > 0)
            m_design.setCtrlValue(a.m_reference, a.m_count);
        else if (a.m_reference < 0)
            setGridText(kColValue, -a.m_reference, a.m_count);
        for (int k = 0; k < 4; ++k) {
            if (a.m_valueRefs[k] > 0)
                m_design.setCtrlValue(a.m_valueRefs[k], a.m_furtherValues[k]);
        }
        if (a.m_entriesRef > 0)
            m_design.setCtrlValue(a.m_entriesRef, a.entriesText());
    }
    if (m_gridMade)
        m_grid.sheet().setChanged(false);
    m_active = wasActive;
}

void CMacroTabGeneral::store() {
    MacroTabData* t = tab();
    if (t == nullptr)
        return;
    Tvl_String value;
    // Cells keep the text as the user typed it (or as the model last wrote it), so an
    // untouched cell is never rounded and sent again.
    for (int i = 0; i < t->m_cells.length(); ++i) {
        MacroCell& cell = t->m_cells[i];
        if (cell.m_reference < 0) {
            cell.m_value = gridText(kColValue, -cell.m_reference);
        } else if (cell.m_reference > 0 && m_design.getCtrlValue(cell.m_reference, value)) {
            cell.m_value = value;
        }
    }
    for (int i = 0; i < t->m_cuts.length(); ++i) {
        MacroCutData& cut = t->m_cuts[i];
        if (cut.m_reference > 0 && m_design.getCtrlValue(cut.m_reference, value) &&
            value.toInt() >= 0)
            cut.m_value = value.toInt();
    }
    for (int i = 0; i < t->m_patterns.length(); ++i) {
        MacroPatternProps& p = t->m_patterns[i];
        if (p.m_refCount1 > 0 && m_design.getCtrlValue(p.m_refCount1, value))
            p.setCountText(1, value);
        else if (p.m_refCount1 < 0)
            p.setCountText(1, gridText(kColValue, -p.m_refCount1));
        if (p.getCount(2) != -1) {
            if (p.m_refCount2 > 0 && m_design.getCtrlValue(p.m_refCount2, value))
                p.setCountText(2, value);
            else if (p.m_refCount2 < 0)
                p.setCountText(2, gridText(kColSecond, -p.m_refCount2));
        }
    }
    for (int f = 0; f < MacroBoltData::kFieldCount; ++f) {
        if (t->m_bolt.reference(f) > 0 && m_design.getCtrlValue(t->m_bolt.reference(f), value))
            t->m_bolt.setField(f, value);
    }
    for (int i = 0; i < t->m_arrays.length(); ++i) {
        DynArrayData& a = t->m_arrays[i];
        if (a.m_reference > 0 && m_design.getCtrlValue(a.m_reference, value))
            a.m_count = value;
        else if (a.m_reference < 0)
            a.m_count = gridText(kColValue, -a.m_reference);
        for (int k = 0; k < 4; ++k) {
            if (a.m_valueRefs[k] > 0 && m_design.getCtrlValue(a.m_valueRefs[k], value))
                a.m_furtherValues[k] = value;
        }
        if (a.m_entriesRef > 0 && m_design.getCtrlValue(a.m_entriesRef, value))
            a.setEntriesText(value);
    }
    if (boltControlsShown()) {
        t->m_bolt.m_assembly = Tvl_String(getDlgItemText(kAssembly));
        t->m_bolt.m_diameter = Tvl_String(getDlgItemText(kDiameter));
    }
}
