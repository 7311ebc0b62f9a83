#include "kw/frame/Tvl_RestoreFocus.h"

#include "kw/designer/Tvl_DesignerControl.h"
#include "kw/designer/Tvl_DlgDesignerData.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/grid/control/GridControl.h"
#include "platform/ui/controls/Edit.h"

const Tvl_RestoreFocusTab* Tvl_RestoreFocus::find(const Tvl_String& tabName) const {
    for (int i = 0; i < m_tabs.length(); ++i) {
        if (m_tabs[i].tabName.equal(tabName))
            return &m_tabs[i];
    }
    return nullptr;
}

Tvl_RestoreFocusTab* Tvl_RestoreFocus::findWrite(const Tvl_String& tabName) {
    return const_cast<Tvl_RestoreFocusTab*>(find(tabName));
}

void Tvl_RestoreFocus::save(const Tvl_String& tabName, ui::Window* parent, ui::Window* focus,
                            const Tvl_DlgDesignerData* designer) {
    Tvl_RestoreFocusTab* record = findWrite(tabName);
    if (record == nullptr) {
        Tvl_RestoreFocusTab fresh;
        fresh.tabName = tabName;
        m_tabs.append(fresh);
        record = &m_tabs[m_tabs.length() - 1];
    }
    if (parent == nullptr)
        return;
    if (auto* grid = dynamic_cast<grid::GridControl*>(focus)) {
        int col = 0, row = 0;
        grid->activeCell(col, row);
        record->kind = kFocusGridCell;
        record->gridColumn = col;
        record->gridRow = row;
        return;
    }
    const int id = focusedControlId();
    if (id == 0)
        return;
    record->controlId = id;
    if (designer != nullptr && designer->isADynControl(id) && designer->isTypeBoltCount(id)) {
        const Tvl_DesignerControl* control = designer->getControlFromRes(id);
        if (ui::Edit* edit = control ? control->getEditPtr(parent) : nullptr) {
            record->kind = kFocusDesignedEdit;
            edit->getSel(record->selStart, record->selEnd);
            return;
        }
    }
    record->kind = kFocusControl;
}

void Tvl_RestoreFocus::restore(const Tvl_String& tabName, ui::Window* parent, Tvl_Spread* grid,
                               const Tvl_DlgDesignerData* designer) {
    const Tvl_RestoreFocusTab* record = find(tabName);
    if (record == nullptr || parent == nullptr || record->kind == kFocusNothing)
        return;
    switch (record->kind) {
    case kFocusGridCell:
        if (grid != nullptr) {
            grid->setFocus();
            grid->setActiveCell(record->gridColumn, record->gridRow);
        }
        break;
    case kFocusDesignedEdit: {
        const Tvl_DesignerControl* control =
            designer ? designer->getControlFromRes(record->controlId) : nullptr;
        if (ui::Edit* edit = control ? control->getEditPtr(parent) : nullptr) {
            edit->setFocus();
            edit->setSel(record->selStart, record->selEnd);
        }
        break;
    }
    case kFocusControl:
        focusControl(parent, record->controlId);
        break;
    default:
        break;
    }
}
