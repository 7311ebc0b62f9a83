#include "kw/macroedit/CTabEditConstraints.h"

#include "core/DialogHelpers.h"
#include "core/LanguageTexts.h"
#include "core/StringHelpers.h"
#include "core/macroedit/MacroEditCallBacks.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/HostCalls.h"
#include "kw/macroedit/CDlgEditMacro.h"
#include "kw/macroedit/MacroEditPictures.h"
#include "platform/host/AcEd.h"
#include "platform/ui/Application.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"

using namespace kw::macroedit;

namespace {

constexpr int kGridOptionRowHeaders = 4;
const ui::Color kPictureKey = ui::Color::fromRgb(255, 0, 255);

void show(ui::Window* page, int id, bool visible) {
    if (ui::Window* item = page->getDlgItem(id))
        item->showWindow(visible ? ui::SW_SHOW : ui::SW_HIDE);
}

ui::Edit* edit(const ui::Window* page, int id) {
    return dynamic_cast<ui::Edit*>(page->getDlgItem(id));
}

ui::ComboBox* comboOf(const ui::Window* page, int id) {
    return dynamic_cast<ui::ComboBox*>(page->getDlgItem(id));
}

bool checked(const ui::Window* page, int id) {
    const auto* button = dynamic_cast<const ui::Button*>(page->getDlgItem(id));
    return button && button->getCheck() == ui::BST_CHECKED;
}

void setChecked(ui::Window* page, int id, bool on) {
    if (auto* button = dynamic_cast<ui::Button*>(page->getDlgItem(id)))
        button->setCheck(on ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

} // namespace

CTabEditConstraints::CTabEditConstraints(CDlgEditMacro& owner, EditConstrData* data)
    : ui::Dialog(kPageConstraints), m_owner(owner), m_data(data) {}

bool CTabEditConstraints::createPage(ui::Window* tabControl) {
    return create(kPageConstraints, tabControl);
}

bool CTabEditConstraints::onInitDialog() {
    setWindowText(L"Regels editeren");
    setDlgItemText(kDetailGroup, dialString(879).str());
    setDlgItemText(kValueLabel, dialString(880).str());
    setDlgItemText(kNameLabel, dialString(221).str());
    setDlgItemText(kChoiceLabel, dialString(228).str());
    setDlgItemText(kOption1, dialString(881).str());
    setDlgItemText(kOption2, dialString(1328).str());
    setDlgItemText(kCut, dialString(862).str());
    setupIconButton(this, m_delete, kDeleteConstraint, kIconDelete, dialString(882));
    for (int i = 0; i < kPictureCount; ++i) {
        CButtonST& button = m_pictures[i];
        if (!button.SubclassDlgItem(kPictures[i], this))
            continue;
        button.SetTooltipText(L"Enum " + Tvl_String(i + 1));
        button.OffsetColor(30);
        button.SetFlatFocus(true);
    }
    if (m_grid.attach(this, kConstrGrid, true)) {
        m_grid.setStandardLook(0);
        m_grid.sheet().setOption(kGridOptionRowHeaders, false);
    }
    m_layout.attach(this);
    m_layout.setMode(kConstrGrid, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    for (int id : {kDetailGroup, kNameEdit, kChoiceCombo})
        m_layout.setMode(id, DlgResizeLayout::kStretch, DlgResizeLayout::kMoveFar);
    for (int id : {kNameLabel, kChoiceLabel})
        m_layout.setMode(id, DlgResizeLayout::kStay, DlgResizeLayout::kMoveFar);
    for (int id : {kValueLabel, kValueEdit, kOption1, kOption2, kDeleteConstraint, kCut})
        m_layout.setMode(id, DlgResizeLayout::kMoveFar, DlgResizeLayout::kMoveFar);
    for (int id : kPictures)
        m_layout.setMode(id, DlgResizeLayout::kStay, DlgResizeLayout::kMoveFar);
    m_layoutReady = true;
    m_initialized = true;
    load();
    return false;
}

// ---- Loading and showing ----------------------------------------------------------------

void CTabEditConstraints::fitColumns() {
    m_grid.setFitMode(1);
    m_grid.applyFitMode();
}

void CTabEditConstraints::load(bool keepSort) {
    if (!m_initialized || !m_grid.isAttached())
        return;
    const int count = m_data->constraintCount();
    const int columns = count > 0 ? m_data->m_constrDescriptions[0].length() : 0;
    m_grid.clearActiveCell();
    m_grid.setRowCount(0);
    m_grid.setColCount(columns);
    m_grid.setRowCount(count);
    m_grid.m_headerFace = L"Tahoma";
    Tvl_StringArray headers;
    headers.append(dialString(87));
    headers.append(dialString(883));
    headers.append(append(string(2333), 1));
    headers.append(append(string(2333), 2));
    headers.setLogicalLength(std::min(columns, 4));
    m_grid.setColHeaderTexts(headers);
    for (int r = 0; r < count; ++r) {
        const Tvl_StringArray& row = m_data->m_constrDescriptions[r];
        for (int c = 0; c < columns && c < row.length(); ++c)
            m_grid.setData(c + 1, r + 1, row[c].str());
        m_grid.setRowFont(r + 1);
    }
    if (count > 0 && columns > 0)
        m_grid.sheet().setLocked(grid::CellRange{1, 1, columns, count}, true);
    if (!keepSort)
        m_sortColumn = -1;
    m_current = -1;
    int start = m_data->constraintIndex(m_data->m_currentConstrId);
    if (start < 0)
        start = 0;
    showConstraint(start);
    fitColumns();
}

void CTabEditConstraints::refresh() {
    storeCurrent();
    load(true);
}

void CTabEditConstraints::showConstraint(int row) {
    if (row == m_current && row >= 0)
        return;
    // Column 1 again from the record (a name the user typed is the model's now).
    for (int r = 0; r < m_data->constraintCount() && r < m_grid.rowCount(); ++r)
        if (m_data->m_constrDescriptions[r].length() > 0)
            m_grid.setData(1, r + 1, m_data->m_constrDescriptions[r][0].str());
    for (CButtonST& button : m_pictures) {
        button.SetCheck(ui::BST_UNCHECKED);
        button.ClearPicture();
        button.enableWindow(false);
    }
    m_picturesInUse = 0;
    m_secondGroup = kPictureCount + 1;
    for (int id : {kValueEdit, kValueLabel, kNameEdit, kNameLabel, kChoiceCombo, kChoiceLabel,
                   kOption1, kOption2, kCut})
        show(this, id, false);
    show(this, kDeleteConstraint, m_data->constraintCount() > 0);
    if (!m_data->isConsistent(row)) {
        m_current = -1;
        return;
    }
    show(this, kCut, m_data->m_constrKinds[row] == EditConstrData::kKindCut);
    const bool hasValue = m_data->hasProperty(row, EditConstrData::kPropValue);
    show(this, kValueEdit, hasValue);
    show(this, kValueLabel, hasValue);
    setDlgItemText(kValueEdit, hasValue ? m_data->m_constrValues[row].str() : L"");
    const bool hasName = m_data->hasProperty(row, EditConstrData::kPropName);
    show(this, kNameEdit, hasName);
    show(this, kNameLabel, hasName);
    setDlgItemText(kNameEdit, hasName ? m_data->m_constrNames[row].str() : L"");
    const bool hasOptions = m_data->hasProperty(row, EditConstrData::kPropOptions);
    show(this, kOption1, hasOptions);
    show(this, kOption2, hasOptions);
    setChecked(this, kOption1, hasOptions && m_data->m_constrOption1[row] != 0);
    setChecked(this, kOption2, hasOptions && hasName && m_data->m_constrOption2[row] != 0);
    const bool hasChoice = m_data->hasProperty(row, EditConstrData::kPropChoice);
    show(this, kChoiceCombo, hasChoice);
    show(this, kChoiceLabel, hasChoice);
    if (ui::ComboBox* choice = comboOf(this, kChoiceCombo)) {
        choice->resetContent();
        if (hasChoice) {
            for (const Tvl_String& entry : m_data->m_constrChoices[row])
                choice->addString(entry.str());
            choice->setCurSel(m_data->m_constrChoice[row]);
        }
    }

    // Picture buttons in up to two radio groups, each closed by "%radioBreak%".
    const Tvl_StringArray& pictures = m_data->m_constrPictures[row];
    const AcArray<int>& radios = m_data->m_constrRadios[row];
    int group = 0;
    int groupStart = 1;
    const auto closeGroup = [&](int end) {
        const int selected = group < radios.length() ? radios[group] : 0;
        for (int n = groupStart; n < end; ++n)
            m_pictures[n - 1].SetCheck(n == selected ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    };
    for (const Tvl_String& entry : pictures) {
        if (entry == EditConstrData::kRadioBreak) {
            closeGroup(m_picturesInUse + 1);
            ++group;
            groupStart = m_picturesInUse + 1;
            if (group == 1)
                m_secondGroup = groupStart;
            if (group >= 2)
                break;
            continue;
        }
        if (m_picturesInUse >= kPictureCount)
            continue; // more pictures than buttons
        CButtonST& button = m_pictures[m_picturesInUse++];
        if (!button.SetBitmaps(entry, kPictureKey))
            button.SetBitmaps(placeholderPicture(20, kPictureKey)); // a missing picture
    }
    for (int n = 1; n <= m_picturesInUse; ++n)
        m_pictures[n - 1].enableWindow(true);
    enableOption2();

    m_current = row;
    if (row < m_data->m_constrIds.length())
        m_data->m_currentConstrId = m_data->m_constrIds[row];
    int index = row;
    HighlightConstraint(m_data, index);
    acedUpdateDisplay();
    selectGridRow(row);
}

void CTabEditConstraints::selectGridRow(int row) {
    if (row < 0 || row >= m_grid.rowCount() || m_grid.colCount() < 1)
        return;
    m_selecting = true;
    m_grid.setActiveCell(1, row + 1);
    m_selecting = false;
}

void CTabEditConstraints::enableOption2() {
    enableDlgItem(this, kOption2, checked(this, kOption1));
}

void CTabEditConstraints::removeHighlights() {
    UnHighlightConstraints();
    acedUpdateDisplay();
}

// ---- Storing -----------------------------------------------------------------------------

AcArray<int> CTabEditConstraints::radioSelections() const {
    AcArray<int> out;
    const auto checkedIn = [this](int from, int to) {
        for (int n = from; n <= to; ++n)
            if (m_pictures[n - 1].GetCheck() == ui::BST_CHECKED)
                return n;
        return 0;
    };
    const int firstEnd = std::min(m_secondGroup - 1, m_picturesInUse);
    if (firstEnd >= 1)
        out.append(checkedIn(1, firstEnd));
    if (m_secondGroup <= m_picturesInUse)
        out.append(checkedIn(m_secondGroup, m_picturesInUse));
    return out;
}

void CTabEditConstraints::storeCurrent() {
    if (!m_initialized || !isWindow() || m_data->constraintCount() == 0 ||
        !m_data->isConsistent(m_current))
        return;
    const int row = m_current;
    const Tvl_String value(getDlgItemText(kValueEdit));
    const Tvl_String name(getDlgItemText(kNameEdit));
    const bool option1 = checked(this, kOption1);
    const bool option2 = checked(this, kOption2);
    const ui::ComboBox* choice = comboOf(this, kChoiceCombo);
    // A choice list whose entry is empty shows no selection: the record's index stays.
    int choiceIndex = choice ? choice->getCurSel() : -1;
    if (m_data->hasProperty(row, EditConstrData::kPropChoice) && choiceIndex < 0)
        choiceIndex = m_data->m_constrChoice[row];
    const AcArray<int> radios = radioSelections();

    bool differs = false;
    if (m_data->hasProperty(row, EditConstrData::kPropValue))
        differs = differs || value != m_data->m_constrValues[row];
    if (m_data->hasProperty(row, EditConstrData::kPropName))
        differs = differs || name != m_data->m_constrNames[row];
    if (m_data->hasProperty(row, EditConstrData::kPropOptions))
        differs = differs || option1 != (m_data->m_constrOption1[row] != 0) ||
                  option2 != (m_data->m_constrOption2[row] != 0);
    if (m_data->hasProperty(row, EditConstrData::kPropChoice))
        differs = differs || choiceIndex != m_data->m_constrChoice[row];
    const AcArray<int>& stored = m_data->m_constrRadios[row];
    if (stored.length() != radios.length()) {
        kw::hostPrint(L"*Error* Array size mismatch.\n");
    } else {
        for (int i = 0; i < radios.length(); ++i)
            differs = differs || radios[i] != stored[i];
    }
    if (!differs)
        return;
    if (m_data->hasProperty(row, EditConstrData::kPropValue))
        m_data->m_constrValues[row] = value;
    if (m_data->hasProperty(row, EditConstrData::kPropName)) {
        m_data->m_constrNames[row] = name;
        m_data->m_constrOption2[row] = option2 ? 1 : 0;
    }
    if (m_data->hasProperty(row, EditConstrData::kPropOptions)) {
        m_data->m_constrOption1[row] = option1 ? 1 : 0;
        if (row < m_data->m_constrOption2.length())
            m_data->m_constrOption2[row] = option2 ? 1 : 0;
    }
    if (m_data->hasProperty(row, EditConstrData::kPropChoice))
        m_data->m_constrChoice[row] = choiceIndex;
    if (stored.length() == radios.length())
        m_data->m_constrRadios[row] = radios;
    int index = row;
    UpdateConstraint(m_data, index);
}

// ---- Checks and clicks ------------------------------------------------------------------

void CTabEditConstraints::checkName() {
    const int row = m_current;
    if (!m_data->isConsistent(row) || !m_data->hasProperty(row, EditConstrData::kPropName))
        return;
    const Tvl_String name(getDlgItemText(kNameEdit));
    if (name == m_data->m_constrNames[row])
        return;
    bool inUse = false;
    Tvl_String text = L"\"" + name + L"\"\n";
    Tvl_String title;
    if (VarNameInUse(m_data, name, inUse) && inUse) {
        text += dialString(857) + L".\n" + dialString(858) + L".";
        title = dialString(856);
    } else if (!name.isEmpty() && Tvl_String(L"+-*/").find(name[name.length() - 1]) >= 0) {
        text += dialString(1455) + L".\n" + dialString(1456) + L".\n\n" + dialString(888) + L".";
        title = dialString(884);
    } else if (startsWithNumber(name)) {
        text += dialString(885) + L".\n" + dialString(886) + L".\n" + dialString(887) + L".\n\n" +
                dialString(888) + L".";
        title = dialString(884);
    } else {
        return;
    }
    // The refused name is not stored by the row change that follows: the stored one comes
    // back, and the user corrects it from there.
    setDlgItemText(kNameEdit, m_data->m_constrNames[row].str());
    messageBox(text.str(), title.str(), ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void CTabEditConstraints::clickPicture(int n) {
    if (n < 1 || n > m_picturesInUse)
        return;
    const bool first = n < m_secondGroup;
    const int from = first ? 1 : m_secondGroup;
    const int to = first ? std::min(m_secondGroup - 1, m_picturesInUse) : m_picturesInUse;
    for (int k = from; k <= to; ++k)
        m_pictures[k - 1].SetCheck(k == n ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

void CTabEditConstraints::onDelete() {
    if (m_current < 0 && m_data->constraintCount() == 0)
        return;
    int index = m_current;
    if (!DeleteConstraint(m_data, index))
        return;
    const int before = index - 1;
    if (before >= 0 && before < m_data->m_constrIds.length())
        m_data->m_currentConstrId = m_data->m_constrIds[before];
    else if (!m_data->m_constrIds.isEmpty())
        m_data->m_currentConstrId = m_data->m_constrIds[0];
    load(true);
}

void CTabEditConstraints::onCut() {
    if (m_current < 0)
        return;
    if (StartEditMacroCutDlg(m_data->m_macroId, m_data->m_name, m_data->m_currentConstrId,
                             m_escapeHandled))
        SetCurrentModule(m_data, m_data->m_currentModule);
}

void CTabEditConstraints::onHeaderClick(int column) {
    if (column < 1 || column > 4 || column == m_sortColumn)
        return;
    storeCurrent();
    const int previous = m_sortColumn >= 0 ? m_sortColumn : (column == 4 ? 1 : column + 1);
    if (!SortConstraints(m_data, column, previous))
        return;
    m_sortColumn = column;
    load(true); // the sort column survives the reload the sort makes
}

void CTabEditConstraints::onRightClick(int col, int row) {
    if (col < 1 || col > 3 || row < 1)
        return;
    const int index = row - 1;
    if (index != m_current) {
        storeCurrent();
        showConstraint(index);
    }
    Tvl_StringArray texts;
    AcArray<int> actions, checkedItems;
    if (!ConstrContextMenu(m_data, index, texts, actions, checkedItems))
        return;
    Tvl_Array<DynMenuItem> items;
    Tvl_Array<int> levels;
    for (int i = 0; i < texts.length(); ++i) {
        DynMenuItem item;
        item.text = texts[i];
        item.kind = texts[i] == L"%BREAK%"     ? kMenuSeparator
                    : checkedItems.contains(i) ? kMenuChecked
                                               : kMenuCommand;
        items.append(item);
        levels.append(1);
    }
    m_menuActions = actions;
    const ui::Point at = ui::app().cursorPos();
    const int command =
        m_menu.show(ui::TPM_RIGHTALIGN | ui::TPM_RETURNCMD, at.x, at.y, this, levels, items);
    const int k = dynMenu::commandOrdinal(command);
    if (k < 0 || k > 5 || k >= m_menuActions.length())
        return; // only the first six commands have actions here
    int actionId = m_menuActions[k];
    int current = m_current;
    if (m_owner.runEditorCommand([&] { return ContextMenuAction(m_data, current, actionId); }))
        load(true);
}

bool CTabEditConstraints::onCommand(int id, int code, ui::Window* from) {
    if (from == nullptr)
        return ui::Dialog::onCommand(id, code, from);
    if (id == kNameEdit && code == ui::EN_KILLFOCUS) {
        checkName();
        return true;
    }
    if (code == ui::BN_CLICKED) {
        for (int n = 1; n <= kPictureCount; ++n) {
            if (id == kPictures[n - 1]) {
                clickPicture(n);
                return true;
            }
        }
        switch (id) {
        case kOption1:
            enableOption2();
            return true;
        case kDeleteConstraint:
            onDelete();
            return true;
        case kCut:
            onCut();
            return true;
        default:
            break;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}

bool CTabEditConstraints::onNotify(ui::NotifyHeader& header, ui::LRESULT& result) {
    if (header.idFrom != kConstrGrid)
        return ui::Dialog::onNotify(header, result);
    const auto& n = reinterpret_cast<const grid::NotifyGrid&>(header);
    result = 0;
    switch (header.code) {
    case grid::kNotifyRowChanged: {
        const int row = n.newRow - 1;
        if (m_selecting || row == m_current || row < 0)
            return true;
        storeCurrent();
        showConstraint(row);
        m_grid.setFocus();
        return true;
    }
    case grid::kNotifyHeaderClicked:
        if (n.row == 0)
            onHeaderClick(n.col);
        return true;
    case grid::kNotifyRightClick:
        onRightClick(n.col, n.row);
        return true;
    default:
        return ui::Dialog::onNotify(header, result);
    }
}

bool CTabEditConstraints::preTranslateMessage(ui::Message& msg) {
    if (msg.message == ui::WM_KEYDOWN && msg.wParam == ui::VK_ESCAPE && isWindowVisible()) {
        if (m_escapeHandled) {
            m_escapeHandled = false;
            return ui::Dialog::preTranslateMessage(msg);
        }
        m_owner.closeEditor(ui::IDOK);
        return true;
    }
    return ui::Dialog::preTranslateMessage(msg);
}

void CTabEditConstraints::onOK() {
    kw::hostPrint(L"Ok\n");
}

void CTabEditConstraints::onCancel() {
    kw::hostPrint(L"cancel\n");
}

void CTabEditConstraints::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_layoutReady)
        m_layout.relayout();
    if (m_grid.isAttached())
        fitColumns();
}

void CTabEditConstraints::onDestroy() {
    UnHighlightConstraints();
    m_layoutReady = false;
}
