#include "kw/library/CTabEditLibValues.h"

#include "core/FileHelpers.h"
#include "core/LanguageTexts.h"
#include "core/MacroLangs.h"
#include "core/StringHelpers.h"
#include "core/library/SectionShapes.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/HostCalls.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "kw/spreadsheet/format/CellFormatDialogs.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

using T = CTabEditLibValues;

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = T::kTemplateId;
    t.caption = L"Tabellen";
    t.style = ui::WS_CHILD | ui::DS_CONTROL;
    t.rect = ui::dlu(0, 0, 316, 200);
    t.controls = {
        {T::kTablesId, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(6, 6, 168, 120)},
        {T::kNewId, L"Button", L"Nieuw", 0, ui::dlu(178, 5, 44, 14)},
        {T::kDeleteId, L"Button", L"Verwijder", 0, ui::dlu(224, 5, 44, 14)},
        {T::kOptionsId, L"Button", L"Opties", 0, ui::dlu(270, 5, 42, 14)},
        {T::kRenameId, L"Button", L"Hernoem", 0, ui::dlu(6, 23, 42, 14)},
        {T::kCopyId, L"Button", L"", 0, ui::dlu(52, 23, 36, 14)},
        {T::kPasteId, L"Button", L"", 0, ui::dlu(89, 23, 36, 14)},
        {T::kInsertRowId, L"Button", L"", 0, ui::dlu(126, 23, 36, 14)},
        {T::kDeleteRowId, L"Button", L"", 0, ui::dlu(163, 23, 36, 14)},
        {T::kRowUpId, L"Button", L"", 0, ui::dlu(200, 23, 36, 14)},
        {T::kRowDownId, L"Button", L"", 0, ui::dlu(237, 23, 36, 14)},
        {T::kFindId, L"Button", L"", 0, ui::dlu(274, 23, 36, 14)},
        {T::kShapeFrameId, L"Button", L"Doorsnede", ui::BS_GROUPBOX, ui::dlu(6, 40, 306, 30)},
        {T::kShapeId, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(12, 51, 200, 160)},
        {T::kGridId, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(6, 76, 306, 120)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

struct IconButton {
    int id;
    int icon;
    int tooltip;
};
const IconButton kIconButtons[7] = {
    {T::kCopyId, 223, 772},      {T::kPasteId, 224, 773}, {T::kInsertRowId, 225, 774},
    {T::kDeleteRowId, 226, 775}, {T::kRowUpId, 227, 776}, {T::kRowDownId, 228, 777},
    {T::kFindId, 238, 778},
};

ui::ComboBox* combo(ui::Window* page, int id) {
    return dynamic_cast<ui::ComboBox*>(page->getDlgItem(id));
}

Tvl_String fileOf(const Tvl_String& table) {
    return table + L".pr";
}

// The columns every table starts with: system name, active flag, one name per language.
Tvl_StringArray leadingColumns() {
    Tvl_StringArray columns{L"SysName", L"I/O"};
    Tvl_StringArray codes;
    gMacroLangs.GetAllLanguages(codes);
    columns.append(codes);
    return columns;
}

} // namespace

CTabEditLibValues::~CTabEditLibValues() = default;

void CTabEditLibValues::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_layoutReady)
        m_layout.relayout();
}

int CTabEditLibValues::initialTable(const Tvl_StringArray& tables, const Tvl_String& name) {
    int best = -1;
    for (int i = 0; i < tables.length(); ++i) {
        const Tvl_String& t = tables[i];
        const bool fits = name.equal(t, true) || name.startsWith(t + L"-", true);
        if (fits && (best < 0 || t.length() > tables[best].length()))
            best = i;
    }
    return best >= 0 ? best : (tables.length() > 0 ? 0 : -1);
}

bool CTabEditLibValues::isValidTableName(const Tvl_String& name) {
    const Tvl_String trimmed = name.trimmed();
    if (trimmed.isEmpty() || !(trimmed == name))
        return false;
    if (name.findOneOf(L"\\/:*?\"<>|") >= 0)
        return false;
    for (int i = 0; i < name.length(); ++i)
        if (name[i] < 32)
            return false;
    return !name.startsWith(L".");
}

Tvl_String CTabEditLibValues::currentTableName() const {
    if (m_tableIndex < 0 || m_tableIndex >= m_data->tableNames.length())
        return Tvl_String();
    return m_data->tableNames[m_tableIndex];
}

bool CTabEditLibValues::onInitDialog() {
    if (m_data == nullptr)
        return true;
    setDlgItemText(kNewId, dialString(779).str());
    setDlgItemText(kDeleteId, dialString(780).str());
    setDlgItemText(kOptionsId, dialString(781).str());
    setDlgItemText(kRenameId, dialString(782).str());
    setDlgItemText(kShapeFrameId, dialString(783).str());
    for (int i = 0; i < 7; ++i) {
        const IconButton& b = kIconButtons[i];
        setupIconButton(this, m_buttons[i], b.id, b.icon, dialString(b.tooltip));
        if (!m_buttons[i].HasPicture())
            m_buttons[i].setWindowText(dialString(b.tooltip).str());
    }
    if (m_grid.attach(this, kGridId, true)) {
        m_grid.setColCount(1);
        m_grid.setRowCount(4);
        m_grid.setMenuItems(Tvl_Array<int>{2, 3, 1, 4, 5, 1, 6, 7, 1, 8, 9});
        m_grid.setOption(25, true);
    }
    if (auto* shapes = combo(this, kShapeId)) {
        for (int n = 1; n <= sectionshapes::kCount; ++n)
            shapes->addString(sectionshapes::bracketedText(n).str());
        for (const Tvl_String& d : m_data->userSectionNames)
            shapes->addString(d.str());
    }
    m_layout.attach(this);
    for (int id : {kTablesId})
        m_layout.setMode(id, DlgResizeLayout::kStretch, DlgResizeLayout::kStay);
    for (int id : {kNewId, kDeleteId, kOptionsId})
        m_layout.setMode(id, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    for (int id :
         {kRenameId, kCopyId, kPasteId, kInsertRowId, kDeleteRowId, kRowUpId, kRowDownId, kFindId})
        m_layout.setMode(id, DlgResizeLayout::kStay, DlgResizeLayout::kStay);
    for (int id : {kShapeFrameId, kShapeId})
        m_layout.setMode(id, DlgResizeLayout::kStretch, DlgResizeLayout::kStay);
    m_layout.setMode(kGridId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layoutReady = true;

    m_tableIndex = initialTable(m_data->tableNames, m_name);
    fillTables();
    loadTable(m_tableIndex);
    return true;
}

void CTabEditLibValues::fillTables() {
    auto* tables = combo(this, kTablesId);
    if (!tables)
        return;
    tables->resetContent();
    for (const Tvl_String& t : m_data->tableNames)
        tables->addString(t.str());
    tables->setCurSel(m_tableIndex);
}

void CTabEditLibValues::showShape(const Tvl_String& code) {
    auto* shapes = combo(this, kShapeId);
    if (!shapes)
        return;
    const Tvl_String shown = sectionshapes::displayText(code);
    int index = shapes->findStringExact(-1, shown.str());
    if (index < 0 && sectionshapes::isDrawingName(code))
        index = shapes->addString(shown.str()); // a drawing that is not in the folder
    shapes->setCurSel(index);
}

void CTabEditLibValues::loadTable(int index) {
    m_table = Tvl_ProfValuesTable();
    m_damaged = false;
    m_unwritten = false;
    const Tvl_String name = index >= 0 && index < m_data->tableNames.length()
                                ? m_data->tableNames[index]
                                : Tvl_String();
    if (!name.isEmpty() && !m_table.readFromFile(fileOf(name))) {
        m_damaged = true;
        m_table = Tvl_ProfValuesTable();
        kw::hostPrint(L"*Error* The values table " + name.str() +
                      L" cannot be read; it is shown empty and is not written over.\n");
    }
    if (!m_table.setToKW(m_grid)) {
        // No rows: an empty grid that nothing asks to store.
        m_grid.setRowCount(0);
        m_grid.setColCount(0);
    }
    m_grid.sheet().setChanged(false);
    showShape(m_table.sectionType);
}

bool CTabEditLibValues::storeTable(const Tvl_String& name) {
    if (name.isEmpty())
        return false;
    if (m_damaged) {
        kw::hostPrint(L"*Error* The values table " + currentTableName().str() +
                      L" could not be read, so it is not written.\n");
        return false;
    }
    m_grid.endEdit(true);
    Tvl_ProfValuesTable stored = m_table;
    if (!stored.getFromKW(m_grid)) {
        stored.rows.clear();
        m_grid.getColHeaderTexts(stored.columnNames);
    }
    if (auto* shapes = combo(this, kShapeId); shapes && shapes->getCurSel() >= 0)
        stored.sectionType =
            sectionshapes::codeFromDisplay(Tvl_String(shapes->getLBText(shapes->getCurSel())));
    if (!stored.writeToFile(fileOf(name))) {
        kw::hostPrint(L"*Error* The values table " + name.str() + L" could not be written.\n");
        return false;
    }
    m_table = stored;
    m_unwritten = false;
    m_grid.sheet().setChanged(false);
    return true;
}

void CTabEditLibValues::dropUnsavedNew() {
    // A new table declined before it was ever written leaves no name behind.
    if (!m_unwritten || m_tableIndex < 0 || m_tableIndex >= m_data->tableNames.length())
        return;
    m_data->tableNames.removeAt(m_tableIndex);
    m_unwritten = false;
    m_tableIndex = -1;
}

bool CTabEditLibValues::leaveTable() {
    if (m_tableIndex < 0 || !m_grid.sheet().changed())
        return true;
    const Tvl_String name = currentTableName();
    const int answer =
        ui::messageBox(this, (dialString(785) + L" <" + name + L"> " + dialString(786)).str(),
                       dialString(784).str(), ui::MB_YESNOCANCEL | ui::MB_ICONQUESTION);
    if (answer == ui::IDYES)
        return storeTable(name);
    if (answer == ui::IDNO) {
        m_grid.sheet().setChanged(false);
        dropUnsavedNew();
        return true;
    }
    return false;
}

void CTabEditLibValues::selectTable(int index) {
    const Tvl_String wanted = index >= 0 && index < m_data->tableNames.length()
                                  ? m_data->tableNames[index]
                                  : Tvl_String();
    if (!leaveTable()) {
        fillTables(); // the old table stays chosen
        return;
    }
    // Leaving may have dropped a new table, which moves the later names up.
    int found = -1;
    m_data->tableNames.find(wanted, found);
    m_tableIndex = found;
    fillTables();
    loadTable(m_tableIndex);
}

void CTabEditLibValues::newTable() {
    if (!leaveTable()) {
        fillTables();
        return;
    }
    const Tvl_String name = findNonExistingString(m_data->tableNames, dialString(779));
    m_tableIndex = m_data->tableNames.append(name);
    m_table = Tvl_ProfValuesTable();
    m_damaged = false;
    m_table.typeName = name;
    m_table.sectionType = L"-1";
    m_table.columnNames = leadingColumns();
    m_table.columnNames.append(append(dialString(86), 1));
    m_table.columnNames.append(append(dialString(86), 2));
    Tvl_StringArray row{L"", L"1"};
    for (int i = 2; i < m_table.columnNames.length() - 2; ++i)
        row.append(Tvl_String());
    row.append(L"0");
    row.append(L"0");
    m_table.rows.append(row);
    m_table.setToKW(m_grid);
    showShape(m_table.sectionType);
    m_unwritten = true;
    m_grid.sheet().setChanged(true); // leaving it offers to store it
    fillTables();
}

void CTabEditLibValues::deleteTable() {
    const Tvl_String name = currentTableName();
    if (name.isEmpty())
        return;
    const int answer =
        ui::messageBox(this, (dialString(788) + L" <" + name + L"> " + dialString(789)).str(),
                       dialString(787).str(), ui::MB_YESNO | ui::MB_ICONEXCLAMATION);
    if (answer != ui::IDYES)
        return;
    m_data->tableNames.removeAt(m_tableIndex);
    if (!m_unwritten)
        deleteFile(Tvl_ProfValuesTable::profileFolder() + fileOf(name));
    // The first table becomes current; with none left there is no current table.
    m_tableIndex = m_data->tableNames.length() > 0 ? 0 : -1;
    fillTables();
    loadTable(m_tableIndex);
}

void CTabEditLibValues::renameTable() {
    const Tvl_String oldName = currentTableName();
    if (oldName.isEmpty())
        return;
    Tvl_DlgPromptString prompt(this);
    prompt.m_caption = dialString(790);
    prompt.m_prompt = dialString(791);
    prompt.m_value = oldName;
    prompt.m_okLabel = dialString(1);
    prompt.m_cancelLabel = dialString(2);
    if (prompt.doModal() != ui::IDOK || !prompt.m_confirmed)
        return;
    const Tvl_String newName = prompt.m_value;
    if (newName == oldName)
        return;
    if (!isValidTableName(newName)) {
        ui::messageBox(this, (dialString(888) + L".").str(), dialString(1098).str(),
                       ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    // Another table of that name (file names ignore case) would be written over.
    for (int i = 0; i < m_data->tableNames.length(); ++i) {
        if (i != m_tableIndex && m_data->tableNames[i].equal(newName, true)) {
            ui::messageBox(this, (dialString(857) + L".\n" + dialString(858) + L".").str(),
                           dialString(856).str(), ui::MB_OK | ui::MB_ICONEXCLAMATION);
            return;
        }
    }
    const bool hadFile = !m_unwritten;
    // The new file first; the old one goes only once the new one is there.
    if (!storeTable(newName))
        return;
    if (hadFile && !oldName.equal(newName, true))
        deleteFile(Tvl_ProfValuesTable::profileFolder() + fileOf(oldName));
    m_data->tableNames[m_tableIndex] = newName;
    fillTables();
    loadTable(m_tableIndex);
}

void CTabEditLibValues::applyShape(bool fromUser) {
    auto* shapes = combo(this, kShapeId);
    if (!shapes || shapes->getCurSel() < 0)
        return;
    const Tvl_String shown(shapes->getLBText(shapes->getCurSel()));
    const int shape = sectionshapes::shapeNumber(sectionshapes::codeFromDisplay(shown));
    Tvl_StringArray headers = leadingColumns();
    Tvl_StringArray values;
    sectionshapes::valueNames(shape, values);
    headers.append(values);
    const int wanted = headers.length();
    if (m_grid.colCount() < wanted) {
        m_grid.setColCount(wanted);
    } else if (m_grid.colCount() > wanted && fromUser) {
        const Tvl_String text =
            dialString(793) + L" " + shown + L" " + dialString(794) + L"\n" + dialString(795);
        if (ui::messageBox(this, text.str(), dialString(792).str(),
                           ui::MB_YESNO | ui::MB_ICONQUESTION) == ui::IDYES)
            m_grid.setColCount(wanted);
    }
    // Columns beyond the shape's keep their own headers.
    Tvl_StringArray current;
    m_grid.getColHeaderTexts(current);
    for (int c = wanted; c < m_grid.colCount() && c < current.length(); ++c)
        headers.append(current[c]);
    m_grid.setColHeaderTexts(headers);
    m_grid.fitAll();
    m_grid.sheet().setChanged(true);
}

void CTabEditLibValues::gridOptions() {
    if (!kw::editTableOptions(this, m_grid))
        return;
    // Every row is labelled with the table's name and the columns are headed by the
    // shape's names again, whatever the dialog did to the header texts.
    Tvl_StringArray labels;
    for (int i = 0; i < m_grid.rowCount(); ++i)
        labels.append(m_table.typeName);
    m_grid.setRowHeaderTexts(labels);
    applyShape(false);
}

void CTabEditLibValues::gridCommand(int id) {
    int col = 0, row = 0;
    const bool active = m_grid.activeCell(col, row);
    switch (id) {
    case kCopyId:
        m_grid.clipboardCopy();
        break;
    case kPasteId:
        m_grid.clipboardPaste();
        break;
    case kInsertRowId:
        if (m_grid.insertRowAt(active ? row + 1 : m_grid.rowCount() + 1, false, false)) {
            const int added = active ? row + 1 : m_grid.rowCount();
            m_grid.setData(0, added, m_table.typeName.str());
            m_grid.setActiveCell(active ? col : 1, added);
        }
        break;
    case kDeleteRowId:
        if (active)
            m_grid.deleteRowAt(row);
        break;
    case kRowUpId:
        m_grid.moveRow(true);
        break;
    case kRowDownId:
        m_grid.moveRow(false);
        break;
    case kFindId:
        m_grid.findKey();
        break;
    default:
        break;
    }
}

bool CTabEditLibValues::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::CBN_SELCHANGE) {
        if (id == kTablesId) {
            selectTable(static_cast<ui::ComboBox*>(from)->getCurSel());
            return true;
        }
        if (id == kShapeId) {
            applyShape(true);
            return true;
        }
    }
    if (from != nullptr && code == ui::BN_CLICKED) {
        switch (id) {
        case kNewId:
            newTable();
            return true;
        case kDeleteId:
            deleteTable();
            return true;
        case kRenameId:
            renameTable();
            return true;
        case kOptionsId:
            gridOptions();
            return true;
        case kCopyId:
        case kPasteId:
        case kInsertRowId:
        case kDeleteRowId:
        case kRowUpId:
        case kRowDownId:
        case kFindId:
            gridCommand(id);
            return true;
        default:
            break;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}
