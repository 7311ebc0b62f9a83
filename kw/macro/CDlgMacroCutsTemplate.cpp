// Template 223 of the macro cuts dialog: the kind picker and the name at the top, the
// variables grid, then the clearance, the object cut, the finish and the options.

#include "kw/frame/ModuleResources.h"
#include "kw/macro/MacroCutsIds.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using namespace kw::macro::cuts;

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    const unsigned radio = ui::BS_AUTORADIOBUTTON;
    const unsigned check = ui::BS_AUTOCHECKBOX;
    ui::DialogTemplate t;
    t.id = kDlgCuts;
    t.caption = L"Snede";
    t.rect = dlu(0, 0, 320, 250);
    t.controls = {
        {kKind, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL, dlu(6, 6, 308, 120)},
        {kNameLabel, L"Static", L"Naam snede", 0, dlu(6, 26, 60, 8)},
        {kName, L"ComboBox", L"", ui::CBS_DROPDOWN | ui::WS_VSCROLL, dlu(70, 24, 120, 80)},
        {kSelectMacros, L"Button", L"Macro's kiezen", 0, dlu(216, 23, 98, 14)},
        {kMacrosShown, L"Static", L"", 0, dlu(70, 40, 244, 8)},
        {kVariables, L"Static", L"", ui::SS_BLACKFRAME, dlu(6, 52, 308, 70)},
        {kUseValue, L"Button", L"Waarde", radio | ui::WS_GROUP, dlu(6, 128, 90, 10)},
        {kUseVariable, L"Button", L"Variabele", radio, dlu(6, 140, 90, 10)},
        {kClearanceLabel, L"Static", L"Waarde", 0, dlu(100, 134, 40, 8)},
        {kClearance, L"Edit", L"", ui::ES_AUTOHSCROLL | ui::WS_GROUP, dlu(144, 132, 60, 12)},
        {kCutFirst, L"Button", L"Eerste", radio | ui::WS_GROUP, dlu(6, 156, 140, 10)},
        {kCutSecond, L"Button", L"Tweede", radio, dlu(6, 168, 140, 10)},
        {kCutBoth, L"Button", L"Beide", radio, dlu(6, 180, 140, 10)},
        {kDistance, L"Edit", L"", ui::ES_AUTOHSCROLL | ui::WS_GROUP, dlu(150, 179, 54, 12)},
        {kFinishLabel, L"Static", L"Afwerking", 0, dlu(6, 198, 60, 8)},
        {kFinish, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL, dlu(70, 196, 134, 80)},
        {kWebOnly, L"Button", L"Alleen lijf", check, dlu(214, 132, 100, 10)},
        {kFlanges, L"Button", L"Flenzen", check, dlu(214, 146, 100, 10)},
        {kRoundCorners, L"Button", L"Hoeken", check, dlu(214, 160, 100, 10)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, dlu(204, 230, 52, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", 0, dlu(262, 230, 52, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace
