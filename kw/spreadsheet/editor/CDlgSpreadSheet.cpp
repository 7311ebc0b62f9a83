#include "kw/spreadsheet/editor/CDlgSpreadSheet.h"

#include <algorithm>
#include <cwctype>

#include "kw/frame/DialogHelpers.h"
#include "kw/frame/HostCalls.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "kw/frame/WindowPlacement.h"
#include "kw/spreadsheet/editor/EditorClipboard.h"
#include "kw/spreadsheet/eval/EvaluatorEntry.h"
#include "kw/spreadsheet/format/CellFormatDialogs.h"
#include "platform/ui/Application.h"
#include "platform/ui/Menu.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/Messages.h"
#include "platform/ui/controls/Toolbar.h"

namespace {

constexpr const wchar_t* kPlacement = L"DLG_SPREADSHEET";
constexpr const wchar_t* kCaptionPrefix = L"Spreadsheet Editor - ";
constexpr int kMinWidth = 400;
constexpr int kMinHeight = 300;

using D = CDlgSpreadSheet;

struct MenuText {
    int id;
    const wchar_t* text;
};
constexpr MenuText kMenuTexts[] = {
    {D::kCmdNew, L"Nieuw"},
    {D::kCmdOpen, L"Openen..."},
    {D::kCmdSave, L"Bewaren"},
    {D::kCmdSaveAs, L"Bewaren als..."},
    {D::kCmdExport, L"Exporteren..."},
    {D::kCmdPrint, L"Afdrukken"},
    {D::kCmdPreview, L"Afdruk Voorbeeld"},
    {D::kCmdPrintSetup, L"Afdruk Instellingen"},
    {D::kCmdCut, L"Knippen"},
    {D::kCmdCopy, L"Kopi\u00EBren"},
    {D::kCmdPaste, L"Plakken"},
    {D::kCmdInsertRow, L"Rij invoegen"},
    {D::kCmdDeleteRow, L"Rij verwijderen"},
    {D::kCmdInsertCol, L"Kolom invoegen"},
    {D::kCmdDeleteCol, L"Kolom verwijderen"},
    {D::kCmdNote, L"Nota..."},
    {D::kCmdFont, L"Lettertype en kleuren..."},
    {D::kCmdBorders, L"Kader..."},
    {D::kCmdCellType, L"Type wijzigen..."},
    {D::kCmdRecalc, L"Herberekenen"},
    {D::kCmdTableOptions, L"Tabel Instellingen"},
    {D::kCmdAutoCalc, L"Automatisch berekenen"},
};
constexpr const wchar_t* kPopupTexts[4] = {L"Bestand", L"Editeren", L"Veld", L"Instellingen"};

bool sameIgnoringCase(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [](wchar_t x, wchar_t y) { return std::towlower(x) == std::towlower(y); });
}

} // namespace

CDlgSpreadSheet::CDlgSpreadSheet(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

CDlgSpreadSheet::~CDlgSpreadSheet() = default;

// ---- Set-up --------------------------------------------------------------------------------

bool CDlgSpreadSheet::onInitDialog() {
    createToolbar();
    if (!m_grid.attach(this, kGridId, true))
        return false;
    relabelMenu();
    m_layout.attach(this);
    m_layout.setMode(kGridId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layout.setMode(kEqualsId, DlgResizeLayout::kStay, DlgResizeLayout::kMoveFar);
    m_layout.setMode(kCellTextId, DlgResizeLayout::kStretch, DlgResizeLayout::kMoveFar);
    m_layout.setMode(kStatusId, DlgResizeLayout::kStretch, DlgResizeLayout::kMoveFar);
    for (int id : {kFormulaLabelId, kFormulaId, kVariableLabelId, kVariableId})
        m_layout.setMode(id, DlgResizeLayout::kMoveFar, DlgResizeLayout::kMoveFar);
    setDlgItemText(kFormulaLabelId, L"Formule:");
    setDlgItemText(kVariableLabelId, L"Variabele:");

    kw::registerFromTable(m_grid);
    // The clipboard's blocks of earlier windows name cells of other documents.
    kw::EditorClipboard::instance().clear();
    m_document = kw::EditorClipboard::newDocumentNumber();
    bool isNew = true;
    if (!m_path.isEmpty()) {
        const Tvl_String wanted = m_path;
        m_path = Tvl_String();
        isNew = !loadDocument(wanted);
    }
    if (isNew) {
        setCaption();
        afterLoad(true);
    }
    m_ready = true;
    restoreWindowPlacement(this, kPlacement);
    m_layout.relayout();
    updateCommandStates();
    refreshEditBar();
    return true;
}

void CDlgSpreadSheet::createToolbar() {
    m_toolbar = static_cast<ui::Toolbar*>(
        ui::Window::createChild(L"ToolbarWindow32", L"", ui::WS_VISIBLE, 0,
                                ui::Rect::fromSize(0, 0, 10, 10), this, kToolbarId));
    if (!m_toolbar)
        return;
    m_toolbar->loadBitmapStrip(kToolbarBitmapId, {16, 15});
    m_toolbar->setButtons({kCmdNew, kCmdOpen, kCmdSave, 0, kCmdCut, kCmdCopy, kCmdPaste, 0,
                           kCmdExport, 0, kCmdPreview, kCmdPrint, kCmdPrintSetup});
    const std::pair<int, const wchar_t*> tips[] = {
        {kCmdNew, L"Nieuw"},          {kCmdOpen, L"Openen"},
        {kCmdSave, L"Bewaren"},       {kCmdCut, L"Knippen"},
        {kCmdCopy, L"Kopi\u00EBren"}, {kCmdPaste, L"Plakken"},
        {kCmdExport, L"Exporteren"},  {kCmdPreview, L"Afdruk Voorbeeld"},
        {kCmdPrint, L"Afdrukken"},    {kCmdPrintSetup, L"Afdruk Instellingen"}};
    for (const auto& [id, text] : tips)
        m_toolbar->setTooltip(id, text);
    // The bar takes the top of the client area: everything else moves down under it and
    // the window grows by the bar's height.
    const int h = m_toolbar->preferredHeight();
    const ui::Rect client = getClientRect();
    m_toolbar->moveWindow(ui::Rect::fromSize(0, 0, client.width(), h));
    for (ui::Window* child : children()) {
        if (child == m_toolbar)
            continue;
        const ui::Rect r = child->rect();
        child->moveWindow(r.offset(0, h));
    }
    const ui::Rect win = getWindowRect();
    moveWindow(ui::Rect{win.left, win.top, win.right, win.bottom + h});
}

void CDlgSpreadSheet::relabelMenu() {
    ui::Menu* menu = getMenu();
    if (!menu)
        return;
    for (int i = 0; i < 4 && i < menu->itemCount(); ++i)
        menu->modifyMenu(i, ui::MF_BYPOSITION, 0, kPopupTexts[i]);
    for (const MenuText& t : kMenuTexts)
        menu->modifyMenu(t.id, ui::MF_BYCOMMAND, t.id, t.text);
    drawMenuBar();
}

void CDlgSpreadSheet::updateCommandStates() {
    ui::Menu* menu = getMenu();
    if (menu)
        menu->checkMenuItem(kCmdAutoCalc, ui::MF_BYCOMMAND | (m_grid.option(grid::kOptionAutoCalc)
                                                                  ? ui::MF_CHECKED
                                                                  : ui::MF_UNCHECKED));
}

void CDlgSpreadSheet::setCaption() {
    setWindowText(std::wstring(kCaptionPrefix) +
                  (m_path.isEmpty() ? std::wstring(L"Naamloos") : m_path.str()));
}

void CDlgSpreadSheet::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (!m_ready)
        return;
    if (m_toolbar)
        m_toolbar->moveWindow(ui::Rect::fromSize(0, 0, cx, m_toolbar->preferredHeight()));
    m_layout.relayout();
}

void CDlgSpreadSheet::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    info.minTrackSize = {kMinWidth, kMinHeight};
}

void CDlgSpreadSheet::onDestroy() {
    if (m_ready)
        saveWindowPlacement(this, kPlacement);
    m_ready = false;
}

// ---- Leaving -------------------------------------------------------------------------------

bool CDlgSpreadSheet::savePrompt() {
    if (!changed())
        return true;
    const int answer =
        ui::messageBox(this, L"Wilt u de wijzigingen van het huidige document bewaren?",
                       L"Document gewijzigd", ui::MB_YESNOCANCEL | ui::MB_ICONQUESTION);
    if (answer == ui::IDYES)
        return save();
    return answer == ui::IDNO;
}

void CDlgSpreadSheet::onCancel() {
    if (savePrompt())
        endDialog(ui::IDCANCEL);
}

void CDlgSpreadSheet::onClose() {
    onCancel();
}

void CDlgSpreadSheet::message(const std::wstring& text, unsigned icon) {
    ui::messageBox(this, text, L"Spreadsheet Editor", ui::MB_OK | icon);
}

// ---- Keys and the grid's messages ----------------------------------------------------------

bool CDlgSpreadSheet::preTranslateMessage(ui::Message& msg) {
    const bool editing = m_grid.isEditing();
    const bool key =
        msg.message == ui::WM_KEYDOWN || msg.message == ui::WM_KEYUP || msg.message == ui::WM_CHAR;
    if (!editing) {
        // Neither Enter nor Escape ever closes the editor.
        if (msg.message == ui::WM_KEYDOWN && msg.wParam == static_cast<ui::WPARAM>(ui::VK_RETURN))
            return true;
        if (key && msg.wParam == static_cast<ui::WPARAM>(ui::VK_ESCAPE))
            return true;
    }
    const bool inGrid = msg.target == &m_grid || m_grid.isChild(msg.target);
    if (msg.message == ui::WM_KEYDOWN && inGrid && ui::getKeyState(ui::VK_CONTROL) < 0) {
        const wchar_t c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(msg.wParam)));
        if (c == L'C' || c == L'X' || c == L'V') {
            if (c == L'C')
                copy();
            else if (c == L'X')
                cut();
            else
                paste();
            // Outside cell editing the grid would paste (or copy) a second time, with
            // its own clipboard of display texts: the key ends here.
            if (!editing)
                return true;
        }
    }
    if (m_selectionMoved) {
        const int vk = static_cast<int>(msg.wParam);
        const bool navigation = vk == ui::VK_LEFT || vk == ui::VK_RIGHT || vk == ui::VK_UP ||
                                vk == ui::VK_DOWN || vk == ui::VK_TAB;
        if (!(msg.message == ui::WM_KEYUP && !navigation)) {
            m_selectionMoved = false;
            refreshEditBar();
        }
    }
    return ui::Dialog::preTranslateMessage(msg);
}

bool CDlgSpreadSheet::onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                                ui::LRESULT& result) {
    if (msg == grid::kMsgRightClick || msg == grid::kMsgEditChange || msg == grid::kMsgLeaveCell) {
        result = 0;
        if (msg == grid::kMsgLeaveCell) {
            m_selectionMoved = true;
        } else if (msg == grid::kMsgEditChange) {
            refreshEditBar();
        } else {
            const auto* ev = reinterpret_cast<const grid::GridCellEvent*>(lParam);
            if (!m_grid.hasSelection() && ev) {
                m_grid.setFocus();
                m_grid.setActiveCell(ev->col, ev->row);
                refreshEditBar();
            }
            showContextMenu();
        }
        return true;
    }
    return ui::Dialog::onMessage(msg, wParam, lParam, result);
}

void CDlgSpreadSheet::showContextMenu() {
    m_popup = ui::Menu::load(kPopupMenuId);
    if (!m_popup || !m_popup->getSubMenu(0))
        return;
    const ui::Point at = ui::getCursorPos();
    m_popup->getSubMenu(0)->trackPopupMenu(ui::TPM_LEFTALIGN | ui::TPM_RIGHTBUTTON, at.x, at.y,
                                           this);
}

bool CDlgSpreadSheet::onCommand(int id, int code, ui::Window* from) {
    if (id == kGridId && from != nullptr) {
        kw::hostPrint(L"Message from Spread! Code:" + std::to_wstring(code) + L"\n");
        if (code == grid::kCodeClick)
            refreshEditBar();
        return true;
    }
    if (code == ui::EN_CHANGE && (id == kCellTextId || id == kFormulaId || id == kVariableId)) {
        applyField(id);
        return true;
    }
    if (from != nullptr && from != m_toolbar && id != kEqualsId)
        return ui::Dialog::onCommand(id, code, from);
    bool changedGrid = false;
    // Printing (kw/spreadsheet/print): print, preview and print settings.
    if (kw::SheetPrinting::handles(id)) {
        if (m_printing.run(id, this, m_grid, m_path))
            markChanged();
        return true;
    }
    switch (id) {
    case kEqualsId:
        focusControl(this, kFormulaId);
        return true;
    case kCmdNew:
        kw::showSampleReport(this);
        return true;
    case kCmdOpen:
        openDocument();
        return true;
    case kCmdSave:
        save();
        return true;
    case kCmdSaveAs:
        saveAs();
        return true;
    case kCmdExport:
        exportDocument();
        return true;
    case kCmdCut:
        cut();
        return true;
    case kCmdCopy:
        copy();
        return true;
    case kCmdPaste:
        paste();
        return true;
    case kCmdNote:
        editNote();
        return true;
    case kCmdInsertRow:
    case kCmdDeleteRow:
    case kCmdInsertCol:
    case kCmdDeleteCol:
        insertOrDelete(id);
        return true;
    case kCmdRecalc:
        m_grid.sheet().recalcAll();
        m_grid.invalidate();
        refreshEditBar();
        return true;
    case kCmdAutoCalc:
        m_grid.setOption(grid::kOptionAutoCalc, !m_grid.option(grid::kOptionAutoCalc));
        if (m_grid.option(grid::kOptionAutoCalc))
            m_grid.sheet().recalcAll();
        m_grid.invalidate();
        updateCommandStates();
        return true;
    case kCmdCellType:
        changedGrid = kw::editCellType(this, m_grid);
        break;
    case kCmdBorders:
        changedGrid = kw::editBorders(this, m_grid);
        break;
    case kCmdFont:
        changedGrid = kw::editFontAndColours(this, m_grid);
        break;
    case kCmdTableOptions:
        changedGrid = kw::editTableOptions(this, m_grid);
        break;
    default:
        return ui::Dialog::onCommand(id, code, from);
    }
    if (changedGrid) {
        markChanged();
        m_grid.invalidate();
        refreshEditBar();
    }
    return true;
}

void CDlgSpreadSheet::markChanged() {
    m_grid.setOption(grid::kOptionChanged, true);
}

// ---- Selection and edit bar ----------------------------------------------------------------

bool CDlgSpreadSheet::targetBlock(grid::CellRange& block) const {
    grid::CellRange sel;
    if (m_grid.selection(sel)) {
        if (sel.col1 < 1 || sel.col2 < 1) {
            sel.col1 = 1;
            sel.col2 = m_grid.maxCols();
        }
        if (sel.row1 < 1 || sel.row2 < 1) {
            sel.row1 = 1;
            sel.row2 = m_grid.maxRows();
        }
        block = {std::min(sel.col1, sel.col2), std::min(sel.row1, sel.row2),
                 std::max(sel.col1, sel.col2), std::max(sel.row1, sel.row2)};
        return block.col2 >= 1 && block.row2 >= 1;
    }
    int col = 0, row = 0;
    if (!m_grid.activeCell(col, row))
        return false;
    block = {col, row, col, row};
    return true;
}

void CDlgSpreadSheet::setField(int id, const std::wstring& text) {
    if (getDlgItemText(id) == text)
        return;
    // The change notification of this write comes at once and is not the user's.
    (id == kCellTextId  ? m_wroteCellText
     : id == kFormulaId ? m_wroteFormula
                        : m_wroteVariable) = true;
    setDlgItemText(id, text);
    (id == kCellTextId  ? m_wroteCellText
     : id == kFormulaId ? m_wroteFormula
                        : m_wroteVariable) = false;
}

void CDlgSpreadSheet::refreshEditBar() {
    grid::CellRange b;
    std::wstring texts[3];
    if (targetBlock(b)) {
        bool same[3] = {true, true, true};
        for (int r = b.row1; r <= b.row2; ++r)
            for (int c = b.col1; c <= b.col2; ++c) {
                const std::wstring cell[3] = {m_grid.data(c, r), m_grid.formula(c, r),
                                              m_grid.tag(c, r)};
                for (int k = 0; k < 3; ++k) {
                    if (r == b.row1 && c == b.col1)
                        texts[k] = cell[k];
                    else if (same[k] && cell[k] != texts[k])
                        same[k] = false;
                }
                if (!same[0] && !same[1] && !same[2])
                    r = b.row2 + 1, c = b.col2 + 1; // nothing more to learn
            }
        for (int k = 0; k < 3; ++k)
            if (!same[k])
                texts[k] = m_mixedText;
    }
    setField(kCellTextId, texts[0]);
    setField(kFormulaId, texts[1]);
    setField(kVariableId, texts[2]);
    setDlgItemText(kStatusId, L"");
}

void CDlgSpreadSheet::applyField(int id) {
    bool& wrote = id == kCellTextId  ? m_wroteCellText
                  : id == kFormulaId ? m_wroteFormula
                                     : m_wroteVariable;
    if (wrote) {
        wrote = false;
        return;
    }
    const std::wstring text = getDlgItemText(id);
    if (sameIgnoringCase(text, m_mixedText))
        return;
    grid::CellRange b;
    if (!targetBlock(b))
        return;
    if (id == kFormulaId) {
        // A formula that does not parse changes no cell: the field keeps what was typed
        // and the line above the edit bar says why.
        grid::Sheet& sheet = m_grid.sheet();
        grid::FormulaStatus status = sheet.setFormula(b.col1, b.row1, grid::narrow(text));
        if (!status.ok) {
            setDlgItemText(kStatusId, L"Formule niet geldig: " + grid::widen(status.message));
            return;
        }
        for (int r = b.row1; r <= b.row2; ++r)
            for (int c = b.col1; c <= b.col2; ++c)
                if (c != b.col1 || r != b.row1)
                    sheet.setFormula(c, r, grid::narrow(text));
        if (sheet.autoCalc())
            sheet.recalcAll();
        setDlgItemText(kStatusId, L"");
    } else {
        for (int r = b.row1; r <= b.row2; ++r)
            for (int c = b.col1; c <= b.col2; ++c) {
                if (id == kCellTextId)
                    m_grid.setData(c, r, text);
                else
                    m_grid.setTag(c, r, text);
            }
        if (id == kCellTextId && m_grid.sheet().autoCalc())
            m_grid.sheet().recalcAll();
    }
    m_grid.invalidate();
    markChanged();
}

// ---- Clipboard, notes, rows and columns ----------------------------------------------------

// Copy and cut both remember the target block (and forget any earlier one); they differ
// only in which source the block becomes.
void CDlgSpreadSheet::rememberBlock(kw::ClipboardBlock kw::EditorClipboard::*source) {
    if (m_grid.isEditing())
        return;
    kw::EditorClipboard& clip = kw::EditorClipboard::instance();
    clip.clear();
    grid::CellRange b;
    if (targetBlock(b))
        clip.*source = {b.col1, b.row1, b.col2, b.row2, m_document};
}

void CDlgSpreadSheet::copy() {
    rememberBlock(&kw::EditorClipboard::copySource);
}

void CDlgSpreadSheet::cut() {
    rememberBlock(&kw::EditorClipboard::cutSource);
}

void CDlgSpreadSheet::paste() {
    if (m_grid.isEditing())
        return;
    int col = 0, row = 0;
    if (!m_grid.activeCell(col, row))
        return;
    kw::EditorClipboard& clip = kw::EditorClipboard::instance();
    grid::Sheet& sheet = m_grid.sheet();
    bool done = false;
    if (clip.copySource.isSet() && clip.copySource.document == m_document) {
        done = sheet.copyBlock(clip.copySource.range(), col, row);
    } else if (clip.cutSource.isSet() && clip.cutSource.document == m_document) {
        done = sheet.moveBlock(clip.cutSource.range(), col, row);
        clip.clear();
    } else {
        done = m_grid.clipboardPaste();
    }
    if (!done)
        return;
    if (sheet.autoCalc())
        sheet.recalcAll();
    markChanged();
    m_grid.invalidate();
    refreshEditBar();
}

void CDlgSpreadSheet::editNote() {
    grid::CellRange b;
    if (!targetBlock(b))
        return;
    Tvl_DlgPromptString dlg(this);
    dlg.m_caption = L"Nota wijzigen";
    dlg.m_prompt = L"Vul de nieuwe nota voor het geselecteerde veld in:";
    dlg.m_okLabel = L"Ok";
    dlg.m_cancelLabel = L"Annuleren";
    dlg.m_value = Tvl_String(m_grid.SSGetCellNote(b.col1, b.row1));
    if (dlg.doModal() != ui::IDOK || !dlg.m_confirmed)
        return;
    m_grid.SSSetCellNote(b.col1, b.row1, dlg.m_value.str());
    markChanged();
}

void CDlgSpreadSheet::insertOrDelete(int command) {
    grid::CellRange b;
    if (!targetBlock(b))
        return;
    grid::Sheet& sheet = m_grid.sheet();
    bool done = false;
    switch (command) {
    case kCmdInsertRow:
        done = m_grid.setMaxRows(m_grid.maxRows() + 1) && sheet.insertRows(b.row1, 1);
        break;
    case kCmdInsertCol:
        done = m_grid.setMaxCols(m_grid.maxCols() + 1) && sheet.insertCols(b.col1, 1);
        break;
    case kCmdDeleteRow:
        // The last row stays: a sheet without rows has no cell to go on from.
        done = m_grid.maxRows() > 1 && sheet.deleteRows(b.row1, 1) &&
               m_grid.setMaxRows(m_grid.maxRows() - 1);
        break;
    case kCmdDeleteCol:
        done = m_grid.maxCols() > 1 && sheet.deleteCols(b.col1, 1) &&
               m_grid.setMaxCols(m_grid.maxCols() - 1);
        break;
    default:
        break;
    }
    if (!done)
        return;
    m_grid.clearSelection();
    m_grid.setActiveCell(std::min(b.col1, m_grid.maxCols()), std::min(b.row1, m_grid.maxRows()));
    if (sheet.autoCalc())
        sheet.recalcAll();
    markChanged();
    m_grid.invalidate();
    refreshEditBar();
}
