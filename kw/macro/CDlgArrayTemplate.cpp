// Template 236 of the array dialog (283 x 303 dialog units): the kind and four dimension
// names, three values and a pair, the option, and the entry list with its buttons.

#include "kw/frame/ModuleResources.h"
#include "kw/macro/MacroBoltIds.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using namespace kw::macro::bolt;

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    const unsigned list = ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL;
    const unsigned names = ui::CBS_DROPDOWN | ui::WS_VSCROLL;
    const unsigned edit = ui::ES_AUTOHSCROLL;
    ui::DialogTemplate t;
    t.id = kDlgArray;
    t.caption = L"Reeks";
    t.rect = dlu(0, 0, 283, 303);
    t.controls = {
        {kKindLabel, L"Static", L"Soort", 0, dlu(7, 9, 70, 8)},
        {kKind, L"ComboBox", L"", list, dlu(80, 7, 130, 60)},
        {kDim1Label, L"Static", L"Maat 1", 0, dlu(7, 25, 70, 8)},
        {kDim1, L"ComboBox", L"", names, dlu(80, 23, 130, 60)},
        {kDim2Label, L"Static", L"Maat 2", 0, dlu(7, 41, 70, 8)},
        {kDim2, L"ComboBox", L"", names, dlu(80, 39, 130, 60)},
        {kDim3Label, L"Static", L"Maat 3", 0, dlu(7, 57, 70, 8)},
        {kDim3, L"ComboBox", L"", names, dlu(80, 55, 130, 60)},
        {kDim4Label, L"Static", L"Maat 4", 0, dlu(7, 73, 70, 8)},
        {kDim4, L"ComboBox", L"", names, dlu(80, 71, 130, 60)},
        {kKind1Value, L"Edit", L"", edit, dlu(80, 71, 60, 12), 0, true},
        {kValue1Label, L"Static", L"Waarde 1", 0, dlu(7, 88, 70, 8)},
        {kValue1, L"Edit", L"", edit, dlu(80, 86, 60, 12)},
        {kValue2Label, L"Static", L"Waarde 2", 0, dlu(7, 103, 70, 8)},
        {kValue2, L"Edit", L"", edit, dlu(80, 101, 60, 12)},
        {kValue3Label, L"Static", L"Waarde 3", 0, dlu(7, 119, 70, 8)},
        {kValue3, L"Edit", L"", edit, dlu(80, 117, 60, 12)},
        {kFromLabel, L"Static", L"Van", 0, dlu(7, 135, 70, 8)},
        {kFrom, L"Edit", L"", edit, dlu(80, 133, 60, 12)},
        {kToLabel, L"Static", L"Tot", 0, dlu(148, 135, 20, 8)},
        {kTo, L"Edit", L"", edit, dlu(172, 133, 60, 12)},
        {kOption, L"Button", L"Totale lengte", ui::BS_AUTOCHECKBOX, dlu(7, 149, 220, 10)},
        {kEntriesFrame, L"Button", L"Elementen", ui::BS_GROUPBOX, dlu(7, 163, 269, 112)},
        {kEntries, L"Static", L"", ui::SS_BLACKFRAME, dlu(13, 175, 200, 94)},
        {kMarkEntry, L"Button", L"Markeren", 0, dlu(219, 175, 51, 14)},
        {kNewEntry, L"Button", L"Nieuw", 0, dlu(219, 193, 51, 14)},
        {kRemoveEntry, L"Button", L"Verwijderen", 0, dlu(219, 211, 51, 14)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, dlu(165, 283, 52, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", 0, dlu(224, 283, 52, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace
