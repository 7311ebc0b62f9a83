#include "kw/macro/CDlgArray.h"

#include "core/LanguageTexts.h"
#include "core/macrobolt/ArrayKinds.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/macro/MacroBoltIds.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::macro::bolt;

namespace {

constexpr const wchar_t* kInvalidCaption = L"Ongeldige waarde";
constexpr int kDimIds[4] = {kDim1, kDim2, kDim3, kDim4};
constexpr int kValueIds[3] = {kValue1, kValue2, kValue3};
constexpr int kActionTexts[5] = {695, 1074, 1073, 1072, 1071};
constexpr int kActionKeep = 1;
constexpr const wchar_t* kMarked = L"x";

} // namespace

CDlgArray::CDlgArray(ui::Window* parent) : ui::Dialog(kDlgArray, parent) {}

Tvl_String CDlgArray::itemText(int id) const {
    const ui::Window* w = getDlgItem(id);
    return w ? Tvl_String(w->getWindowText()) : Tvl_String();
}

bool CDlgArray::onInitDialog() {
    const auto text = [this](int id, int number) { setDlgItemText(id, dialString(number).str()); };
    setWindowText((dialString(1056) + L" \"" + m_data.m_name + L"\"").str());
    text(kDim1Label, 1057);
    text(kKindLabel, 228);
    text(kDim2Label, 1058);
    text(kDim3Label, 1059);
    text(kValue1Label, 1060);
    text(kDim4Label, 1061);
    text(kFromLabel, 1062);
    text(kToLabel, 1063);
    text(kValue2Label, 1064);
    text(kValue3Label, 1065);
    text(kOption, 1066);
    text(kEntriesFrame, 1067);
    text(kNewEntry, 171);
    text(kRemoveEntry, 172);
    text(kMarkEntry, 1068);
    text(ui::IDOK, 1);
    text(ui::IDCANCEL, 2);
    for (int number : kActionTexts)
        m_actions.append(dialString(number));

    m_gridMade = m_grid.attach(this, kEntries, true);
    if (m_gridMade) {
        m_grid.setColCount(5);
        Tvl_StringArray headers;
        headers.append(L" ");
        headers.append(L" ");
        headers.append(dialString(1070));
        headers.append(L" ");
        headers.append(dialString(1069));
        m_grid.setColHeaderTexts(headers);
        m_grid.sheet().setColumnWidthPx(kColNumber, 28);
        m_grid.sheet().setColumnWidthPx(kColFlag, 24);
        m_grid.sheet().setColumnWidthPx(kColMark, 20);
    }
    if (auto* kinds = dynamic_cast<ui::ComboBox*>(getDlgItem(kKind)))
        for (const Tvl_String& name : getArrayKindNames())
            kinds->addString(name.str());
    fillForKind();
    showValues();
    showEntries();
    return true;
}

// The kind's own controls: the dimension names it may use, and for kind 1 the typed
// value in place of the fourth name.
void CDlgArray::fillForKind() {
    m_shownKind = m_data.m_kind;
    if (auto* kinds = dynamic_cast<ui::ComboBox*>(getDlgItem(kKind)))
        kinds->setCurSel(m_data.m_kind);
    Tvl_StringArray names;
    DynArrayData::getValidDimNames(m_objects, m_module, m_data.m_kind, names);
    for (int i = 0; i < 4; ++i) {
        auto* combo = dynamic_cast<ui::ComboBox*>(getDlgItem(kDimIds[i]));
        if (combo == nullptr)
            continue;
        combo->resetContent();
        for (const Tvl_String& name : names)
            combo->addString(name.str());
        combo->setCurSel(combo->findStringExact(-1, m_data.m_dimNames[i].str()));
        combo->setWindowText(m_data.m_dimNames[i].str());
    }
    const bool typed = m_data.m_kind == 1;
    if (ui::Window* w = getDlgItem(kDim4))
        w->showWindow(typed ? ui::SW_HIDE : ui::SW_SHOW);
    if (ui::Window* w = getDlgItem(kKind1Value))
        w->showWindow(typed ? ui::SW_SHOW : ui::SW_HIDE);
    setDlgItemText(kKind1Value, m_data.m_kind1Value.str());
}

void CDlgArray::showValues() {
    for (int i = 0; i < 3; ++i)
        setDlgItemText(kValueIds[i], m_data.m_values[i].str());
    setDlgItemText(kFrom, m_data.m_valuePair[0].str());
    setDlgItemText(kTo, m_data.m_valuePair[1].str());
    checkDlgButton(kOption, m_data.m_option ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

void CDlgArray::storeValues(int kind) {
    for (int i = 0; i < 3; ++i)
        m_data.m_dimNames[i] = itemText(kDimIds[i]).trimmed();
    if (kind == 1)
        m_data.m_kind1Value = itemText(kKind1Value).trimmed();
    else
        m_data.m_dimNames[3] = itemText(kDim4).trimmed();
    for (int i = 0; i < 3; ++i)
        m_data.m_values[i] = itemText(kValueIds[i]).trimmed();
    m_data.m_valuePair[0] = itemText(kFrom).trimmed();
    m_data.m_valuePair[1] = itemText(kTo).trimmed();
    m_data.m_option = isDlgButtonChecked(kOption) == ui::BST_CHECKED;
}

// ---- Entries -----------------------------------------------------------------------------

void CDlgArray::setEntryRow(int row, const DynArrayEntryColumn& column, int action) {
    Tvl_StringArray texts;
    texts.append(Tvl_String(row));
    texts.append(column.m_flag ? L"1" : L"0");
    const int kind = column.m_kind >= 0 && column.m_kind < m_actions.length() ? column.m_kind : 0;
    texts.append(m_actions[kind]);
    texts.append(action == 1 ? kMarked : L"");
    texts.append(column.m_name);
    m_grid.setRowTexts(row, texts);
}

// Cell types and locks hold for existing rows only: set again after rows change.
void CDlgArray::formatEntryRows() {
    const int rows = m_grid.rowCount();
    if (rows < 1)
        return;
    m_grid.setColumnCheckBox(kColFlag);
    m_grid.setColumnComboBox(kColAction, m_actions, false);
    for (int col : {kColNumber, kColMark})
        m_grid.sheet().setLocked(grid::CellRange{col, 1, col, rows}, true);
    for (int r = 1; r <= rows; ++r)
        m_grid.setData(kColNumber, r, Tvl_String(r).str());
}

void CDlgArray::showEntries() {
    if (!m_gridMade)
        return;
    // One row per entry; an entry without a column record of its own keeps its name.
    Tvl_Array<DynArrayEntryColumn> columns;
    m_data.getEntryColumns(columns);
    const int rows = std::min(std::max(m_data.m_entries.length(), columns.length()), kMaxEntries);
    m_grid.setRowCount(rows);
    for (int r = 0; r < rows; ++r) {
        DynArrayEntryColumn column = r < columns.length() ? columns[r] : DynArrayEntryColumn{};
        if (r >= columns.length()) {
            column.m_kind = kActionKeep;
            column.m_name = m_data.getEntry(r);
        }
        const int action = r < m_data.m_entryActions.length() ? m_data.m_entryActions[r] : 0;
        setEntryRow(r + 1, column, action);
    }
    formatEntryRows();
    enableEntryButtons();
}

void CDlgArray::storeEntries() {
    if (!m_gridMade)
        return;
    if (m_grid.isEditing())
        m_grid.endEdit(true);
    Tvl_Array<DynArrayEntryColumn> columns;
    Tvl_StringArray names;
    Tvl_Array<int> actions;
    for (int r = 1; r <= m_grid.rowCount(); ++r) {
        Tvl_StringArray row;
        m_grid.getRowTexts(r, row);
        while (row.length() < 5)
            row.append(L"");
        DynArrayEntryColumn column;
        column.m_flag = row[kColFlag - 1] == L"1";
        int kind = 0;
        // The action as its list shows it.
        column.m_kind = m_actions.find(Tvl_String(m_grid.data(kColAction, r)), kind) ? kind : 0;
        column.m_name = row[kColName - 1].trimmed();
        columns.append(column);
        names.append(column.m_name);
        actions.append(row[kColMark - 1] == kMarked ? 1 : 0);
    }
    m_data.setEntryColumns(columns);
    m_data.m_entries = names;
    m_data.m_entryActions = actions;
    m_data.m_count = Tvl_String(names.length());
}

void CDlgArray::addEntry() {
    if (!m_gridMade || m_grid.rowCount() >= kMaxEntries)
        return;
    if (m_grid.isEditing())
        m_grid.endEdit(true);
    const int row = m_grid.rowCount() + 1;
    m_grid.setRowCount(row);
    DynArrayEntryColumn column;
    column.m_kind = kActionKeep;
    column.m_name = m_data.m_name + L" " + Tvl_String(row);
    setEntryRow(row, column, 0);
    formatEntryRows();
    m_grid.setActiveCell(kColName, row);
    enableEntryButtons();
}

void CDlgArray::removeEntry() {
    int col = 0, row = 0;
    if (!m_gridMade || m_grid.rowCount() < 1)
        return;
    if (m_grid.isEditing())
        m_grid.endEdit(true);
    if (!m_grid.activeCell(col, row) || row < 1 || row > m_grid.rowCount())
        row = m_grid.rowCount();
    m_grid.deleteRowAt(row);
    formatEntryRows();
    enableEntryButtons();
}

void CDlgArray::markEntry() {
    int col = 0, row = 0;
    if (!m_gridMade || !m_grid.activeCell(col, row) || row < 1 || row > m_grid.rowCount())
        return;
    // The entry of the active row gets the entry action 1 (marked in the drawing).
    storeEntries();
    if (m_data.setEntryAction(row - 1, 1))
        m_grid.setData(kColMark, row, kMarked);
}

void CDlgArray::enableEntryButtons() {
    const int rows = m_gridMade ? m_grid.rowCount() : 0;
    enableDlgItem(this, kNewEntry, m_gridMade && rows < kMaxEntries);
    enableDlgItem(this, kRemoveEntry, rows > 0);
    enableDlgItem(this, kMarkEntry, rows > 0);
}

// ---- Commands ----------------------------------------------------------------------------

bool CDlgArray::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr) {
        if (id == kKind && code == ui::CBN_SELCHANGE) {
            auto* kinds = dynamic_cast<ui::ComboBox*>(getDlgItem(kKind));
            const int chosen = kinds ? kinds->getCurSel() : -1;
            if (chosen < 0 || chosen == m_shownKind)
                return true;
            // What was typed belongs to the kind it was typed for (the value in 1011 only
            // exists for kind 1): store under that kind, then show the new one.
            storeValues(m_shownKind);
            m_data.m_kind = chosen;
            fillForKind();
            return true;
        }
        if (id == kNewEntry && code == ui::BN_CLICKED) {
            addEntry();
            return true;
        }
        if (id == kRemoveEntry && code == ui::BN_CLICKED) {
            removeEntry();
            return true;
        }
        if (id == kMarkEntry && code == ui::BN_CLICKED) {
            markEntry();
            return true;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}

bool CDlgArray::findRefused(Tvl_String& text) const {
    std::vector<int> ids = {kValue1, kValue2, kValue3, kFrom, kTo};
    if (m_shownKind == 1)
        ids.insert(ids.begin(), kKind1Value);
    for (int id : ids) {
        const Tvl_String value = itemText(id).trimmed();
        double v = 0;
        if (!value.isEmpty() && !value.toDouble(v)) {
            text = value;
            return true;
        }
    }
    return false;
}

void CDlgArray::onOK() {
    Tvl_String refused;
    if (findRefused(refused)) {
        messageBox((dialString(1560) + L" \"" + refused + L"\"\n\n" + dialString(888) + L".").str(),
                   kInvalidCaption, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    if (auto* kinds = dynamic_cast<ui::ComboBox*>(getDlgItem(kKind)))
        if (kinds->getCurSel() >= 0)
            m_data.m_kind = kinds->getCurSel();
    storeValues(m_shownKind);
    storeEntries();
    ui::Dialog::onOK();
}
