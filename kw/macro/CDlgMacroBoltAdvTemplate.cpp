// Template 8140 of the advanced bolt dialog: the bolt's texts on the left with its
// options on the right, the hole columns and the slotted holes below, and the nuts and
// washers around the bolt's picture at the bottom.

#include "kw/frame/ModuleResources.h"
#include "kw/macro/MacroBoltIds.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using namespace kw::macro::bolt;

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    const unsigned three = ui::BS_AUTO3STATE;
    const unsigned check = ui::BS_AUTOCHECKBOX;
    const unsigned edit = ui::ES_AUTOHSCROLL;
    const unsigned combo = ui::CBS_DROPDOWN | ui::WS_VSCROLL;
    ui::DialogTemplate t;
    t.id = kDlgBoltAdv;
    t.caption = L"Bouten geavanceerd";
    t.rect = dlu(0, 0, 320, 268);
    t.controls = {
        {kAssemblyLabel, L"Static", L"Boutgarnituur", 0, dlu(6, 8, 72, 8)},
        {kAssembly, L"ComboBox", L"", combo, dlu(80, 6, 90, 80)},
        {kDiameterLabel, L"Static", L"Diameter", 0, dlu(6, 24, 72, 8)},
        {kDiameter, L"ComboBox", L"", combo, dlu(80, 22, 90, 80)},
        {kPenetrationLabel, L"Static", L"Indringlengte", 0, dlu(6, 40, 72, 8)},
        {kPenetration, L"Edit", L"", edit, dlu(80, 38, 90, 12)},
        {kAddedLabel, L"Static", L"Extra lengte", 0, dlu(6, 56, 72, 8)},
        {kAdded, L"Edit", L"", edit, dlu(80, 54, 90, 12)},
        {kToleranceLabel, L"Static", L"Gatspeling", 0, dlu(6, 72, 72, 8)},
        {kTolerance, L"Edit", L"", edit, dlu(80, 70, 90, 12)},
        {kTapped, L"Button", L"Getapt", three, dlu(180, 6, 134, 10)},
        {kReversed, L"Button", L"Omgekeerd", three, dlu(180, 19, 134, 10)},
        {kCountersunk, L"Button", L"Verzonken", three, dlu(180, 32, 134, 10)},
        {kWorkshop, L"Button", L"In werkplaats", three, dlu(180, 45, 134, 10)},
        {kCountOption, L"Button", L"Vast aantal", check, dlu(180, 60, 134, 10)},
        {kCountText, L"Static", L"", 0, dlu(192, 73, 122, 8)},
        {kOptionsFrame, L"Button", L"Opties", ui::BS_GROUPBOX, dlu(6, 88, 168, 92)},
        {kHoleColumns, L"Static", L"", ui::SS_BLACKFRAME, dlu(12, 100, 156, 74)},
        {kSlotFrame, L"Button", L"Slobgaten", ui::BS_GROUPBOX, dlu(180, 88, 134, 126)},
        {kSlotList, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         dlu(186, 100, 122, 80)},
        {kSlotActive, L"Button", L"Actief", three, dlu(186, 116, 122, 10)},
        {kRadiusLabel, L"Static", L"Straal", 0, dlu(186, 132, 56, 8)},
        {kRadius, L"Edit", L"", edit, dlu(246, 130, 62, 12)},
        {kLengthLabel, L"Static", L"Lengte", 0, dlu(186, 148, 56, 8)},
        {kLength, L"Edit", L"", edit, dlu(246, 146, 62, 12)},
        {kAngleLabel, L"Static", L"Hoek", 0, dlu(186, 164, 56, 8)},
        {kAngle, L"Edit", L"", edit, dlu(246, 162, 62, 12)},
        {kFurtherLabel, L"Static", L"Extra", 0, dlu(186, 180, 56, 8)},
        {kFurther, L"Edit", L"", edit, dlu(246, 178, 62, 12)},
        {kSlotKindLabel, L"Static", L"Soort", 0, dlu(186, 196, 56, 8)},
        {kSlotKind, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL, dlu(246, 194, 62, 60)},
        {kNut1Label, L"Static", L"Moer", 0, dlu(6, 190, 34, 8)},
        {kNut1, L"Button", L"", three, dlu(42, 189, 12, 10)},
        {kWasher1Label, L"Static", L"Ring", 0, dlu(6, 204, 34, 8)},
        {kWasher1, L"Button", L"", three, dlu(42, 203, 12, 10)},
        {kPicture, L"Button", L"", 0, dlu(58, 184, 64, 34)},
        {kWasher2, L"Button", L"", three, dlu(126, 203, 12, 10)},
        {kWasher2Label, L"Static", L"Ring", 0, dlu(140, 204, 34, 8)},
        {kNut2, L"Button", L"", three, dlu(126, 189, 12, 10)},
        {kNut2Label, L"Static", L"Moer", 0, dlu(140, 190, 34, 8)},
        {kWashersLabel, L"Static", L"Ringen", 0, dlu(6, 224, 34, 8)},
        {kWashers, L"Button", L"", three, dlu(42, 223, 12, 10)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, dlu(204, 246, 52, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", 0, dlu(262, 246, 52, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace
