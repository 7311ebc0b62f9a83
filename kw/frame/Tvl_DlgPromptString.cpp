#include "kw/frame/Tvl_DlgPromptString.h"

#include "kw/frame/ModuleResources.h"
#include "platform/ui/controls/Edit.h"

namespace {

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = Tvl_DlgPromptString::kTemplateId;
    t.caption = L"Invoer";
    t.rect = ui::dlu(0, 0, 173, 98);
    t.controls = {
        {Tvl_DlgPromptString::kPromptId, L"Static", L"Tekst", 0, ui::dlu(7, 7, 159, 69)},
        {Tvl_DlgPromptString::kValueId, L"Edit", L"",
         ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL, ui::dlu(17, 57, 135, 12)},
        {ui::IDOK, L"Button", L"OK", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON,
         ui::dlu(17, 77, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", ui::WS_TABSTOP, ui::dlu(103, 77, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace

Tvl_DlgPromptString::Tvl_DlgPromptString(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

bool Tvl_DlgPromptString::onInitDialog() {
    setWindowText(m_caption.str());
    setDlgItemText(kPromptId, m_prompt.str());
    setDlgItemText(kValueId, m_value.str());
    setDlgItemText(ui::IDOK, m_okLabel.str());
    setDlgItemText(ui::IDCANCEL, m_cancelLabel.str());
    ui::Window* edit = getDlgItem(kValueId);
    if (edit == nullptr)
        return true;
    if (!m_inputWanted)
        edit->showWindow(ui::SW_HIDE);
    edit->setFocus();
    if (auto* e = dynamic_cast<ui::Edit*>(edit))
        e->setSel(0, -1);
    return false;
}

void Tvl_DlgPromptString::onOK() {
    const Tvl_String typed(getDlgItemText(kValueId));
    if (m_inputWanted && typed.isEmpty())
        return; // a required value is missing: stay open, without a message
    m_value = typed;
    m_confirmed = true;
    endDialog(ui::IDOK);
}
