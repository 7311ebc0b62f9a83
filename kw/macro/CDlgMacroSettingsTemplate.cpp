// Template of the macro settings dialog (8141): the tab control and OK and Cancel.

#include "kw/frame/ModuleResources.h"
#include "kw/macro/CDlgMacroSettings.h"
#include "platform/ui/DialogTemplate.h"

namespace {

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = CDlgMacroSettings::kTemplateId;
    t.caption = L"Macro instellingen";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_CLIPCHILDREN;
    t.rect = ui::dlu(0, 0, 250, 214);
    t.controls = {
        {CDlgMacroSettings::kTabs, L"SysTabControl32", L"", ui::WS_TABSTOP | ui::TCS_TABS,
         ui::dlu(3, 3, 244, 190)},
        {ui::IDOK, L"Button", L"OK", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON,
         ui::dlu(148, 197, 48, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", ui::WS_TABSTOP, ui::dlu(199, 197, 48, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace
