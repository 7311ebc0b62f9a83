// Template 8131 of the macro dialog: the tab control over most of the dialog, below it the
// select-other button and the two selection lists in their frames, and a row of view,
// clash, re-apply, property-set and close buttons along the bottom.

#include "kw/frame/ModuleResources.h"
#include "kw/macro/MacroIds.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using namespace kw::macro;

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = kDlgMacro;
    t.caption = L"Macro";
    t.style =
        ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU | ui::WS_THICKFRAME | ui::WS_CLIPCHILDREN;
    t.rect = ui::dlu(0, 0, 270, 262);
    const unsigned flat = ui::WS_TABSTOP | ui::BS_ICON;
    t.controls = {
        {kTab, L"SysTabControl32", L"", ui::WS_TABSTOP | ui::TCS_TABS, ui::dlu(3, 3, 264, 196)},
        {kSelectOther, L"Button", L"", flat, ui::dlu(3, 212, 18, 16)},
        {kFirstListFrame, L"Button", L"Groepen", ui::BS_GROUPBOX, ui::dlu(24, 202, 118, 28)},
        {kFirstList, L"ComboBox", L"", ui::WS_TABSTOP | ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(30, 212, 106, 100)},
        {kSecondListFrame, L"Button", L"Macro's", ui::BS_GROUPBOX, ui::dlu(146, 202, 121, 28)},
        {kSecondList, L"ComboBox", L"", ui::WS_TABSTOP | ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(152, 212, 109, 100)},
        {kView3, L"Button", L"", flat, ui::dlu(3, 240, 18, 16)},
        {kView0, L"Button", L"", flat, ui::dlu(22, 240, 18, 16)},
        {kView1, L"Button", L"", flat, ui::dlu(41, 240, 18, 16)},
        {kView2, L"Button", L"", flat, ui::dlu(60, 240, 18, 16)},
        {kClash, L"Button", L"Botsing", ui::WS_TABSTOP, ui::dlu(82, 240, 60, 16)},
        {kReApply, L"Button", L"Opnieuw", ui::WS_TABSTOP, ui::dlu(145, 240, 42, 16)},
        {kLoadProps, L"Button", L"", flat, ui::dlu(190, 240, 18, 16)},
        {kSaveProps, L"Button", L"", flat, ui::dlu(209, 240, 18, 16)},
        {ui::IDOK, L"Button", L"Sluiten", ui::WS_TABSTOP, ui::dlu(230, 240, 37, 16)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace
