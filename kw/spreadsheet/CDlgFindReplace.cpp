#include "kw/spreadsheet/CDlgFindReplace.h"

#include "core/LanguageTexts.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/WindowPlacement.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Application.h"
#include "platform/ui/MessageBox.h"

namespace {

constexpr const wchar_t* kPlacement = L"DLG_FINDREPLACE";
constexpr int kOptKeepSelection = 13;
constexpr int kOpt20 = 20;

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = CDlgFindReplace::kTemplateId;
    t.caption = L"Zoeken en vervangen";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU;
    t.rect = ui::dlu(0, 0, 250, 62);
    t.controls = {
        {CDlgFindReplace::kFindLabelId, L"Static", L"Zoeken naar:", 0, ui::dlu(7, 9, 60, 8)},
        {CDlgFindReplace::kFindId, L"Edit", L"",
         ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL, ui::dlu(70, 7, 110, 12)},
        {CDlgFindReplace::kReplaceLabelId, L"Static", L"Vervangen door:", 0, ui::dlu(7, 27, 60, 8)},
        {CDlgFindReplace::kReplaceId, L"Edit", L"",
         ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL, ui::dlu(70, 25, 110, 12)},
        {ui::IDOK, L"Button", L"Volgende", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON,
         ui::dlu(188, 6, 55, 14)},
        {CDlgFindReplace::kReplaceButtonId, L"Button", L"Vervangen", ui::WS_TABSTOP,
         ui::dlu(188, 23, 55, 14)},
        {CDlgFindReplace::kReplaceAllButtonId, L"Button", L"Alles vervangen", ui::WS_TABSTOP,
         ui::dlu(188, 40, 55, 14)},
        {ui::IDCANCEL, L"Button", L"Sluiten", ui::WS_TABSTOP, ui::dlu(120, 42, 60, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace

CDlgFindReplace::CDlgFindReplace(Tvl_Spread* grid)
    : ui::Dialog(kTemplateId, nullptr), m_grid(grid), m_gridId(grid ? grid->controlId() : 0) {}

Tvl_Spread* CDlgFindReplace::grid() const {
    return static_cast<Tvl_Spread*>(m_grid.get());
}

bool CDlgFindReplace::onInitDialog() {
    setWindowText(dialString(1136).str());
    setDlgItemText(kFindLabelId, dialString(1137).str());
    setDlgItemText(kReplaceLabelId, dialString(1138).str());
    setDlgItemText(ui::IDOK, dialString(1139).str());
    setDlgItemText(kReplaceButtonId, dialString(1140).str());
    setDlgItemText(kReplaceAllButtonId, dialString(1141).str());
    setDlgItemText(ui::IDCANCEL, dialString(285).str());
    if (Tvl_Spread* g = grid()) {
        m_savedOption13 = g->option(kOptKeepSelection);
        g->setOption(kOptKeepSelection, true);
        g->setOption(kOpt20, false);
    }
    restoreWindowPlacement(this, kPlacement, true);
    return true;
}

bool CDlgFindReplace::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::BN_CLICKED) {
        switch (id) {
        case ui::IDOK:
            findNext(true);
            return true;
        case kReplaceButtonId:
            replace();
            return true;
        case kReplaceAllButtonId:
            replaceAll();
            return true;
        default:
            break;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}

bool CDlgFindReplace::preTranslateMessage(ui::Message& msg) {
    if (msg.message == ui::WM_KEYDOWN && (msg.target == this || isChild(msg.target))) {
        if (msg.wParam == ui::VK_F3) {
            findNext(true);
            return true;
        }
        if (msg.wParam == ui::VK_F5) {
            replace();
            return true;
        }
    }
    return ui::Dialog::preTranslateMessage(msg);
}

void CDlgFindReplace::onCancel() {
    saveWindowPlacement(this, kPlacement);
    Tvl_Spread* g = grid();
    if (!g) {
        destroyWindow();
        return;
    }
    g->setOption(kOptKeepSelection, m_savedOption13);
    // The grid owns this dialog: it destroys the window and deletes the object.
    g->deleteFindReplace();
}

bool CDlgFindReplace::findFrom(int col, int row) {
    Tvl_Spread* g = grid();
    const Tvl_String text(getDlgItemText(kFindId));
    if (!g || text.isEmpty())
        return false;
    if (!g->findNext(text, col, row))
        return false;
    g->setActiveCell(col, row);
    m_lastHit = std::make_pair(col, row);
    // The found text selected inside the cell.
    if (g->startEdit()) {
        size_t at = g->editText().find(text.str());
        if (at != std::wstring::npos)
            g->setEditSel(static_cast<int>(at), static_cast<int>(at) + text.length());
    }
    return true;
}

bool CDlgFindReplace::findNext(bool askWrap) {
    Tvl_Spread* g = grid();
    const Tvl_String text(getDlgItemText(kFindId));
    if (!g || text.isEmpty())
        return false;
    int col = 0, row = 0;
    const bool editing = g->isEditing();
    if (editing && g->activeCell(col, row)) {
        // The rest of the cell being edited, after the caret, comes first.
        int start = 0, caret = 0;
        g->editSel(start, caret);
        size_t at = g->editText().find(text.str(), static_cast<size_t>(std::max(start, caret)));
        if (at != std::wstring::npos) {
            g->setEditSel(static_cast<int>(at), static_cast<int>(at) + text.length());
            return true;
        }
    }
    // The search starts at the active cell itself, so a cell the user has just chosen is
    // searched too. After a hit (the cell found is still the active one) or from a cell
    // being edited it goes on after it: otherwise find next would find the same cell for
    // ever.
    if (g->activeCell(col, row)) {
        if (editing || (m_lastHit && m_lastHit->first == col && m_lastHit->second == row))
            ++col;
    } else {
        col = row = 1;
    }
    if (findFrom(col, row))
        return true;
    if (!askWrap)
        return false;
    Tvl_String question = dialString(1142);
    question += L"\n";
    question += dialString(1143);
    if (ui::messageBox(this, question.str(), dialString(1144).str(),
                       ui::MB_YESNO | ui::MB_ICONQUESTION) != ui::IDYES)
        return false;
    if (!grid())
        return false;
    if (findFrom(1, 1))
        return true;
    ui::messageBox(this, dialString(1146).str(), dialString(1145).str(),
                   ui::MB_OK | ui::MB_ICONINFORMATION);
    return false;
}

void CDlgFindReplace::replace() {
    Tvl_Spread* g = grid();
    const Tvl_String text(getDlgItemText(kFindId));
    const Tvl_String with(getDlgItemText(kReplaceId));
    if (!g || text.isEmpty())
        return;
    int col = 0, row = 0;
    if (g->activeCell(col, row) && Tvl_String(g->value(col, row)).contains(text)) {
        g->endEdit(true);
        if (g->replaceInCell(col, row, text, with) && g->startEdit()) {
            size_t at = g->editText().find(with.str());
            if (at != std::wstring::npos)
                g->setEditSel(static_cast<int>(at), static_cast<int>(at) + with.length());
        }
    }
    findNext(true);
}

int CDlgFindReplace::replaceAll() {
    Tvl_Spread* g = grid();
    const Tvl_String text(getDlgItemText(kFindId));
    const Tvl_String with(getDlgItemText(kReplaceId));
    if (!g)
        return 0;
    g->endEdit(true);
    int count = 0;
    int col = 1, row = 1;
    // Each cell is visited once: the search goes on after the cell just replaced, so a
    // replacement that contains the find text cannot make the loop run for ever.
    while (!text.isEmpty() && g->findNext(text, col, row)) {
        if (g->replaceInCell(col, row, text, with))
            ++count;
        ++col;
    }
    Tvl_String message = dialString(1147);
    message += L" ";
    message += Tvl_String(count);
    message += L" ";
    message += dialString(1148);
    ui::messageBox(this, message.str(), dialString(1149).str(), ui::MB_OK | ui::MB_ICONINFORMATION);
    if (grid())
        g->sheet().setOption(30, true);
    return count;
}
