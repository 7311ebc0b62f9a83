// Template 8137 of the general page: the place of the grid, and the bolt controls along
// the bottom (assembly, diameter, advanced settings), which other tabs hide.

#include "kw/frame/ModuleResources.h"
#include "kw/macro/MacroIds.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using namespace kw::macro;

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = kPageGeneral;
    t.caption = L"";
    t.style = ui::WS_CHILD | ui::WS_CLIPCHILDREN;
    t.rect = ui::dlu(0, 0, 250, 170);
    t.controls = {
        {kGrid, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(2, 2, 246, 130)},
        {kAssemblyLabel, L"Static", L"Boutgarnituur", 0, ui::dlu(2, 152, 48, 9)},
        {kAssembly, L"ComboBox", L"", ui::WS_TABSTOP | ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(52, 150, 70, 100)},
        {kDiameterLabel, L"Static", L"Diameter", 0, ui::dlu(128, 152, 34, 9)},
        {kDiameter, L"ComboBox", L"", ui::WS_TABSTOP | ui::CBS_DROPDOWN | ui::WS_VSCROLL,
         ui::dlu(164, 150, 40, 100)},
        {kBoltAdvanced, L"Button", L"Geavanceerd...", ui::WS_TABSTOP, ui::dlu(208, 149, 40, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace
