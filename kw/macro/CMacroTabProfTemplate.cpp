// Template 219 of the profile page: the place of the grid and the fixed panel below it
// (group, profile, section, offset type, rotation, base plane and the buttons).

#include "kw/frame/ModuleResources.h"
#include "kw/macro/MacroProfIds.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using namespace kw::macro::prof;

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    const unsigned list = ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL;
    ui::DialogTemplate t;
    t.id = kPageProf;
    t.caption = L"";
    t.style = ui::WS_CHILD | ui::WS_CLIPCHILDREN;
    t.rect = dlu(0, 0, 250, 150);
    t.controls = {
        {kGrid, L"Static", L"", ui::SS_BLACKFRAME, dlu(2, 2, 246, 20), 0, true},
        {kPanelFrame, L"Button", L"Profielgroep", ui::BS_GROUPBOX, dlu(2, 24, 246, 104)},
        {kGroup, L"ComboBox", L"", list, dlu(8, 36, 116, 100)},
        {kProfile, L"ComboBox", L"", list, dlu(128, 36, 114, 100)},
        {kSectionLabel, L"Static", L"Profiel", 0, dlu(8, 54, 60, 8)},
        {kSection, L"ComboBox", L"", list, dlu(70, 52, 150, 100)},
        {kChooseSection, L"Button", L"...", 0, dlu(224, 52, 18, 12)},
        {kOffsetLabel, L"Static", L"Invoegpunt", 0, dlu(8, 70, 60, 8)},
        {kOffsetType, L"ComboBox", L"", list, dlu(70, 68, 172, 100)},
        {kRotationLabel, L"Static", L"Rotatie", 0, dlu(8, 86, 60, 8)},
        {kRotation, L"ComboBox", L"", ui::CBS_DROPDOWN | ui::WS_VSCROLL, dlu(70, 84, 60, 100)},
        {kPlaneLabel, L"Static", L"Basisvlak", 0, dlu(8, 102, 60, 8)},
        {kBasePlane, L"ComboBox", L"", list, dlu(70, 100, 110, 100)},
        {kPickPlane, L"Button", L"Vlak kiezen", 0, dlu(184, 99, 58, 14)},
        {kAdvanced, L"Button", L"Geavanceerd...", 0, dlu(138, 83, 104, 14)},
        {kSegmented, L"Button", L"Gesegmenteerd...", 0, dlu(2, 132, 90, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace
