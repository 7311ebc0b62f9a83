// Template 8717 of the select-macro dialog: the gallery over most of the dialog, the
// filter's table below it, the hint and the buttons at the bottom.

#include "kw/frame/ModuleResources.h"
#include "kw/macro/MacroCutsIds.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using namespace kw::macro::cuts;

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    ui::DialogTemplate t;
    t.id = kDlgSelectMacro;
    t.caption = L"Macro kiezen";
    t.style |= ui::WS_THICKFRAME;
    t.rect = dlu(0, 0, 280, 270);
    t.controls = {
        {kGalleryLabel, L"Static", L"Macro's", 0, dlu(6, 6, 268, 8)},
        {kGallery, L"SysListView32", L"", ui::LVS_ICON | ui::LVS_SINGLESEL | ui::WS_BORDER,
         dlu(6, 16, 268, 130)},
        {kShowProps, L"Button", L"Eigenschappen", ui::BS_AUTOCHECKBOX, dlu(6, 150, 120, 10)},
        {kProps, L"Static", L"", ui::SS_BLACKFRAME, dlu(6, 162, 268, 60)},
        {kHint, L"Static", L"", 0, dlu(6, 226, 268, 18)},
        {kPick, L"Button", L"Kies in tekening", 0, dlu(6, 250, 80, 14)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, dlu(164, 250, 52, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", 0, dlu(222, 250, 52, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace
