#include "kw/library/CDlgEditProfCuts.h"

#include <algorithm>

#include "core/LanguageTexts.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/ModuleResources.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

using C = CDlgEditProfCuts;

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = C::kTemplateId;
    t.caption = L"Profielsneden";
    t.rect = ui::dlu(0, 0, 230, 66);
    t.controls = {
        {C::kCutsId, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(6, 6, 174, 100)},
        {C::kDeleteId, L"Button", L"", 0, ui::dlu(184, 5, 18, 14)},
        {C::kPickId, L"Button", L"Kies", 0, ui::dlu(206, 5, 18, 14)},
        {C::kKeepId, L"Button", L"", ui::BS_AUTOCHECKBOX, ui::dlu(6, 26, 218, 10)},
        {ui::IDOK, L"Button", L"Sluiten", ui::BS_DEFPUSHBUTTON, ui::dlu(118, 46, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", 0, ui::dlu(174, 46, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace

CDlgEditProfCuts::CDlgEditProfCuts(DlgProfCutsData& data, ui::Window* parent)
    : CAcUiDialog(kTemplateId, parent), m_data(data) {}

bool CDlgEditProfCuts::onInitDialog() {
    setWindowText(dialString(1123).str());
    setupIconButton(this, m_pick, kPickId, 217, dialString(1121));
    m_pick.setWindowText(dialString(1124).str());
    setupIconButton(this, m_delete, kDeleteId, 206, dialString(1122));
    if (!m_delete.HasPicture())
        m_delete.setWindowText(L"-");
    setDlgItemText(kKeepId, dialString(1125).str());
    setDlgItemText(ui::IDOK, dialString(285).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    checkDlgButton(kKeepId, ui::BST_UNCHECKED);
    m_removePreviews = true;
    fill();
    select(0);
    return true;
}

void CDlgEditProfCuts::fill() {
    auto* cuts = dynamic_cast<ui::ComboBox*>(getDlgItem(kCutsId));
    if (!cuts)
        return;
    cuts->resetContent();
    Tvl_StringArray descriptions;
    m_data.getCutDescs(descriptions);
    for (const Tvl_String& d : descriptions)
        cuts->addString(d.str());
}

void CDlgEditProfCuts::select(int index) {
    auto* cuts = dynamic_cast<ui::ComboBox*>(getDlgItem(kCutsId));
    const int count = cuts ? cuts->getCount() : 0;
    if (count == 0) {
        m_current = -1;
        return;
    }
    m_current = std::clamp(index, 0, count - 1);
    cuts->setCurSel(m_current);
    m_data.drawCutPreview(m_current);
}

bool CDlgEditProfCuts::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && id == kCutsId && code == ui::CBN_SELCHANGE) {
        if (m_removePreviews)
            m_data.removeCutPreview(m_current);
        select(static_cast<ui::ComboBox*>(from)->getCurSel());
        return true;
    }
    if (from != nullptr && code == ui::BN_CLICKED) {
        switch (id) {
        case kKeepId:
            m_removePreviews = isDlgButtonChecked(kKeepId) != ui::BST_CHECKED;
            return true;
        case kDeleteId:
            if (m_current < 0)
                return true; // no cut: nothing to delete
            // The deleted cut's preview goes in any case: it would show a cut that is gone.
            m_data.removeCutPreview(m_current);
            m_data.removeCut(m_current);
            fill();
            select(m_current);
            return true;
        case kPickId:
            if (m_removePreviews)
                m_data.removeAllCutPreviews();
            BeginEditorCommand();
            if (m_data.selectOtherProf()) {
                fill();
                select(m_current);
            }
            CompleteEditorCommand();
            return true;
        default:
            break;
        }
    }
    return CAcUiDialog::onCommand(id, code, from);
}

void CDlgEditProfCuts::onDestroy() {
    if (m_removePreviews)
        m_data.removeAllCutPreviews();
    CAcUiDialog::onDestroy();
}
