#include "kw/frame/CDlgOpenSave.h"

#include "core/FileHelpers.h"
#include "core/LanguageTexts.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/WindowPlacement.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ListBox.h"

namespace {

constexpr const wchar_t* kPlacement = L"DLG_OPENSAVEFILTERED";
constexpr const wchar_t* kDeleteTooltip = L"Selectie verwijderen...";

enum Text : int {
    kTextCancel = 2,
    kTextOpen = 841,
    kTextSave = 842,
    kTextOpenTitle = 1126,
    kTextSaveTitle = 1127,
    kTextExists = 1128,
    kTextNotInList = 1129,
    kTextOverwrite = 1130,
    kTextOverwriteTitle = 1131,
    kTextDeleteAsk = 1132,
    kTextDeletePermanent = 1133,
    kTextDeleteNoUndo = 1134,
    kTextDeleteTitle = 1135,
    kTextShowAll = 1498,
};

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = CDlgOpenSave::kTemplateId;
    t.caption = L"Instellingen";
    t.style |= ui::WS_THICKFRAME;
    t.rect = ui::dlu(0, 0, 198, 183);
    t.controls = {
        {CDlgOpenSave::kListId, L"ListBox", L"",
         ui::WS_TABSTOP | ui::WS_BORDER | ui::WS_VSCROLL | ui::LBS_NOTIFY, ui::dlu(5, 5, 166, 114)},
        {CDlgOpenSave::kDeleteId, L"Button", L"", ui::WS_TABSTOP, ui::dlu(178, 5, 15, 15)},
        {CDlgOpenSave::kNameId, L"Edit", L"", ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL,
         ui::dlu(5, 130, 188, 12)},
        {CDlgOpenSave::kShowAllId, L"Button", L"Alle bestanden",
         ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX, ui::dlu(5, 148, 188, 10)},
        {ui::IDOK, L"Button", L"Openen", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON,
         ui::dlu(88, 164, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", ui::WS_TABSTOP, ui::dlu(143, 164, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace

CDlgOpenSave::CDlgOpenSave(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

Tvl_String CDlgOpenSave::pathOf(const Tvl_String& name) const {
    return m_folder + name + m_extension;
}

void CDlgOpenSave::FillList() {
    auto* list = dynamic_cast<ui::ListBox*>(getDlgItem(kListId));
    if (list == nullptr)
        return;
    list->resetContent();
    const bool all = isDlgButtonChecked(kShowAllId) == ui::BST_CHECKED;
    const Tvl_StringArray& names = all ? m_namesChecked : m_names;
    for (int i = 0; i < names.length(); ++i)
        list->addString(names[i].str());
}

bool CDlgOpenSave::onInitDialog() {
    setupIconButton(this, m_deleteButton, kDeleteId, kDeleteIcon, kDeleteTooltip);

    m_layout.attach(this);
    m_layout.setMode(kListId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layout.setMode(kNameId, DlgResizeLayout::kStretch, DlgResizeLayout::kMoveFar);
    m_layout.setMode(kShowAllId, DlgResizeLayout::kStretch, DlgResizeLayout::kMoveFar);
    m_layout.setMode(kDeleteId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(ui::IDOK, DlgResizeLayout::kMoveFar, DlgResizeLayout::kMoveFar);
    m_layout.setMode(ui::IDCANCEL, DlgResizeLayout::kMoveFar, DlgResizeLayout::kMoveFar);
    m_layoutReady = true;

    FillList();
    if (!m_saveMode)
        enableDlgItem(this, kNameId, false);
    setWindowText(dialString(m_saveMode ? kTextSaveTitle : kTextOpenTitle).str());
    setDlgItemText(kShowAllId, dialString(kTextShowAll).str());
    setDlgItemText(ui::IDOK, dialString(m_saveMode ? kTextSave : kTextOpen).str());
    setDlgItemText(ui::IDCANCEL, dialString(kTextCancel).str());
    restoreWindowPlacement(this, kPlacement);
    return true;
}

bool CDlgOpenSave::onCommand(int id, int code, ui::Window* from) {
    if (id == kListId && code == ui::LBN_SELCHANGE) {
        auto* list = dynamic_cast<ui::ListBox*>(getDlgItem(kListId));
        const int sel = list ? list->getCurSel() : -1;
        if (sel >= 0)
            setDlgItemText(kNameId, list->getText(sel));
        return true;
    }
    if (id == kShowAllId && code == ui::BN_CLICKED) {
        FillList();
        return true;
    }
    if (id == kDeleteId && code == ui::BN_CLICKED) {
        deleteSelected();
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CDlgOpenSave::onOK() {
    m_chosenName = Tvl_String(getDlgItemText(kNameId));
    if (m_chosenName.isEmpty())
        return;
    if (!m_saveMode || !fileExists(pathOf(m_chosenName))) {
        endDialog(ui::IDOK);
        return;
    }
    Tvl_String question = dialString(kTextExists) + L"\n";
    if (!m_names.contains(m_chosenName))
        question += dialString(kTextNotInList) + L"\n";
    question += L"\n" + dialString(kTextOverwrite) + L"\n";
    const int answer = messageBox(question.str(), dialString(kTextOverwriteTitle).str(),
                                  ui::MB_YESNOCANCEL | ui::MB_ICONEXCLAMATION);
    if (answer == ui::IDYES)
        endDialog(ui::IDOK);
}

void CDlgOpenSave::deleteSelected() {
    auto* list = dynamic_cast<ui::ListBox*>(getDlgItem(kListId));
    const int sel = list ? list->getCurSel() : -1;
    if (sel < 0)
        return;
    const Tvl_String name(list->getText(sel));
    if (name.isEmpty())
        return;
    const Tvl_String question = dialString(kTextDeleteAsk) + L" \"" + name + L"\" " +
                                dialString(kTextDeletePermanent) + L"\n" +
                                dialString(kTextDeleteNoUndo) + L"\n";
    const int answer = messageBox(question.str(), dialString(kTextDeleteTitle).str(),
                                  ui::MB_YESNO | ui::MB_ICONEXCLAMATION);
    if (answer != ui::IDYES)
        return;
    if (!deleteFile(pathOf(name)))
        return;
    int index = -1;
    if (m_names.find(name, index))
        m_names.removeAt(index);
    if (m_namesChecked.find(name, index))
        m_namesChecked.removeAt(index);
    FillList();
}

void CDlgOpenSave::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_layoutReady)
        m_layout.relayout();
}

void CDlgOpenSave::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    info.minTrackSize = {kMinWidth, kMinHeight};
}

void CDlgOpenSave::onDestroy() {
    saveWindowPlacement(this, kPlacement);
    m_layoutReady = false;
}
