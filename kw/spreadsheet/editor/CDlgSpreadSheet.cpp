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
#include "platform/grid/engine/io/SheetTransfer.h"
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
    {D::kCmdRefStyleA1, L"A1-verwijzingen"},
};
constexpr const wchar_t* kPopupTexts[4] = {L"Bestand", L"Editeren", L"Veld", L"Instellingen"};
// The print commands (menu items and toolbar buttons); whether they can be chosen is
// decided in one place, printCommandsAvailable().
constexpr int kPrintCommands[3] = {D::kCmdPrint, D::kCmdPreview, D::kCmdPrintSetup};

// "A", "B", ... "Z", "AA", ...
std::wstring columnName(int col) {
    std::wstring s;
    for (; col > 0; col = (col - 1) / 26)
        s.insert(s.begin(), static_cast<wchar_t>(L'A' + (col - 1) % 26));
    return s;
}

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

bool CDlgSpreadSheet::printCommandsAvailable() const {
    return true; // printing: kw/spreadsheet/print
}

void CDlgSpreadSheet::updateCommandStates() {
    ui::Menu* menu = getMenu();
    const bool print = printCommandsAvailable();
    for (int id : kPrintCommands) {
        if (menu)
            menu->enableMenuItem(id, ui::MF_BYCOMMAND | (print ? ui::MF_ENABLED : ui::MF_GRAYED));
        if (m_toolbar)
            m_toolbar->enableButton(id, print);
    }
    if (!menu)
        return;
    const auto check = [&](int id, bool on) {
        menu->checkMenuItem(id, ui::MF_BYCOMMAND | (on ? ui::MF_CHECKED : ui::MF_UNCHECKED));
    };
    check(kCmdAutoCalc, m_grid.option(grid::kOptionAutoCalc));
    check(kCmdRefStyleA1, m_grid.sheet().refStyle() == grid::RefStyle::A1);
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
    // A cut from this document can no longer take its cells out.
    kw::EditorClipboard::instance().forget(m_document);
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
    case kCmdRefStyleA1:
        setReferenceStyleA1(m_grid.sheet().refStyle() != grid::RefStyle::A1);
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

void CDlgSpreadSheet::refreshEditBar(int except) {
    grid::CellRange b;
    std::wstring texts[3];
    if (targetBlock(b)) {
        const auto text = [&](int k, int c, int r) {
            return k == 0 ? m_grid.data(c, r) : k == 1 ? m_grid.formula(c, r) : m_grid.tag(c, r);
        };
        // Beyond the sheet's used part every cell is empty: only the used part is read,
        // and a block reaching past it holds an empty text too.
        const grid::UsedExtent used = grid::usedExtent(m_grid.sheet());
        const int lastCol = std::min(b.col2, used.cols), lastRow = std::min(b.row2, used.rows);
        const bool reachesEmpty = b.col2 > lastCol || b.row2 > lastRow;
        bool same[3] = {true, true, true};
        for (int k = 0; k < 3; ++k) {
            texts[k] = text(k, b.col1, b.row1);
            if (reachesEmpty && !texts[k].empty())
                same[k] = false;
            // Row by row, each kind only until one cell differs.
            for (int r = b.row1; same[k] && r <= lastRow; ++r)
                for (int c = b.col1; same[k] && c <= lastCol; ++c)
                    same[k] = text(k, c, r) == texts[k];
            if (!same[k])
                texts[k] = m_mixedText;
        }
    }
    const int ids[3] = {kCellTextId, kFormulaId, kVariableId};
    for (int k = 0; k < 3; ++k)
        if (ids[k] != except)
            setField(ids[k], texts[k]);
    if (except == 0)
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
        if (m_grid.sheet().autoCalc())
            m_grid.sheet().recalcAll(); // a new variable name may be what a formula waits for
        if (id == kVariableId)
            checkVariableName(text, b);
        else
            setDlgItemText(kStatusId, L"");
    }
    m_grid.invalidate();
    markChanged();
    // The other two fields follow: a formula typed shows its result, a text its formula.
    refreshEditBar(id);
}

void CDlgSpreadSheet::checkVariableName(const std::wstring& name, const grid::CellRange& block) {
    std::wstring other;
    if (!name.empty()) {
        int bestCol = 0, bestRow = 0;
        m_grid.sheet().forEachAttributed([&](int c, int r, const grid::CellAttributes& a) {
            if (c < 1 || r < 1 || block.contains(c, r) || a.tag.empty() ||
                !sameIgnoringCase(grid::widen(a.tag), name))
                return;
            if (bestRow == 0 || r < bestRow || (r == bestRow && c < bestCol))
                bestCol = c, bestRow = r;
        });
        if (bestRow > 0)
            other = columnName(bestCol) + std::to_wstring(bestRow);
    }
    // Formulas read a name from the first cell that has it (row by row).
    setDlgItemText(kStatusId, other.empty() ? std::wstring()
                                            : L"De variabele " + name + L" is ook de naam van " +
                                                  other + L"; formules lezen de eerste cel.");
}

void CDlgSpreadSheet::setReferenceStyleA1(bool on) {
    m_grid.sheet().setRefStyle(on ? grid::RefStyle::A1 : grid::RefStyle::Default);
    markChanged();
    updateCommandStates();
    refreshEditBar();
}

// ---- Clipboard, notes, rows and columns ----------------------------------------------------

// Copy and cut both remember the target block (and forget any earlier one); they differ
// only in which source the block becomes.
void CDlgSpreadSheet::rememberBlock(bool cut) {
    if (m_grid.isEditing())
        return;
    kw::EditorClipboard& clip = kw::EditorClipboard::instance();
    clip.clear();
    grid::CellRange b;
    if (targetBlock(b))
        clip.take(m_grid, b, m_document, cut);
}

void CDlgSpreadSheet::copy() {
    rememberBlock(false);
}

void CDlgSpreadSheet::cut() {
    rememberBlock(true);
}

namespace {

// Grows the sheet so that `block` placed at (col, row) fits, within the sheet's limits.
bool makeRoom(Tvl_Spread& grid, const grid::CellRange& block, int col, int row) {
    const long long lastCol = static_cast<long long>(col) + block.col2 - block.col1;
    const long long lastRow = static_cast<long long>(row) + block.row2 - block.row1;
    if (lastCol > grid::Sheet::kLimitCols || lastRow > grid::Sheet::kLimitRows)
        return false;
    if (lastCol > grid.maxCols())
        grid.setMaxCols(static_cast<int>(lastCol));
    if (lastRow > grid.maxRows())
        grid.setMaxRows(static_cast<int>(lastRow));
    return true;
}

// The block with unset edges (whole columns or rows) made concrete.
grid::CellRange concrete(const grid::CellRange& b, const Tvl_Spread& grid) {
    grid::CellRange r = b;
    if (r.col1 < 1 || r.col2 < 1) {
        r.col1 = 1;
        r.col2 = grid.maxCols();
    }
    if (r.row1 < 1 || r.row2 < 1) {
        r.row1 = 1;
        r.row2 = grid.maxRows();
    }
    return r;
}

} // namespace

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
        const grid::CellRange source = concrete(clip.copySource.range(), m_grid);
        done = makeRoom(m_grid, source, col, row) && sheet.copyBlock(source, col, row);
    } else if (clip.cutSource.isSet() && clip.cutSource.document == m_document) {
        const grid::CellRange source = concrete(clip.cutSource.range(), m_grid);
        done = makeRoom(m_grid, source, col, row) && sheet.moveBlock(source, col, row);
        clip.clear();
    } else if (clip.copySource.isSet() || clip.cutSource.isSet()) {
        // Cells taken from another document.
        done = clip.placeInto(sheet, col, row);
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
    // The prompt takes no empty answer: a note of blanks only removes the note.
    std::wstring note = dlg.m_value.str();
    if (note.find_first_not_of(L" \t") == std::wstring::npos)
        note.clear();
    m_grid.SSSetCellNote(b.col1, b.row1, note);
    markChanged();
}

void CDlgSpreadSheet::insertOrDelete(int command) {
    grid::CellRange b;
    if (!targetBlock(b))
        return;
    grid::Sheet& sheet = m_grid.sheet();
    const bool rows = command == kCmdInsertRow || command == kCmdDeleteRow;
    const int max = rows ? m_grid.maxRows() : m_grid.maxCols();
    const int limit = rows ? grid::Sheet::kLimitRows : grid::Sheet::kLimitCols;
    // As many rows (columns) as the selection spans; whole columns (rows) selected insert
    // one row (column), at the active cell.
    int count = (rows ? b.row2 - b.row1 : b.col2 - b.col1) + 1;
    grid::CellRange sel;
    int activeCol = 0, activeRow = 0;
    const bool inserting = command == kCmdInsertRow || command == kCmdInsertCol;
    if (inserting && m_grid.selection(sel) && (rows ? sel.row1 < 1 : sel.col1 < 1) &&
        m_grid.activeCell(activeCol, activeRow)) {
        count = 1;
        (rows ? b.row1 : b.col1) = rows ? activeRow : activeCol;
    }
    const int first = rows ? b.row1 : b.col1;
    const auto resize = [&](int n) { return rows ? m_grid.setMaxRows(n) : m_grid.setMaxCols(n); };
    bool done = false;
    if (inserting) {
        count = std::min(count, limit - max);
        done = count > 0 && resize(max + count) &&
               (rows ? sheet.insertRows(first, count) : sheet.insertCols(first, count));
        if (done) {
            // The new ones look like the one they pushed aside.
            const int from = first + count;
            for (int i = first; i < from; ++i) {
                const grid::CellRange source =
                    rows ? grid::CellRange{1, from, m_grid.maxCols(), from}
                         : grid::CellRange{from, 1, from, m_grid.maxRows()};
                sheet.copyBlock(source, rows ? 1 : i, rows ? i : 1, grid::kClearFormats);
            }
        }
    } else {
        // One row (column) always stays: a sheet without any has no cell to go on from.
        count = std::min(count, max - 1);
        done = count > 0 &&
               (rows ? sheet.deleteRows(first, count) : sheet.deleteCols(first, count)) &&
               resize(max - count);
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
