// Template 222 of the bolt pattern dialog: a panel per direction side by side
// (distribution, fixed distances, staggered, count and distance, the distances' grid),
// the pattern's four options below them.

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
    ui::DialogTemplate t;
    t.id = kDlgPattern;
    t.caption = L"Boutpatroon";
    t.rect = dlu(0, 0, 340, 226);
    for (int d = 0; d < 2; ++d) {
        const PatternPanelIds& p = kPanels[d];
        const int x = 6 + d * 168;
        t.controls.push_back({p.distributionLabel, L"Static", L"Verdeling", 0, dlu(x, 8, 58, 8)});
        t.controls.push_back({p.distribution, L"ComboBox", L"",
                              ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL, dlu(x + 62, 6, 98, 60)});
        t.controls.push_back({p.fixed, L"Button", L"Vaste afstanden", check, dlu(x, 24, 160, 10)});
        t.controls.push_back({p.staggered, L"Button", L"Verspringend", check, dlu(x, 38, 160, 10)});
        t.controls.push_back({p.count, L"Edit", L"", edit, dlu(x, 54, 30, 12)});
        t.controls.push_back({p.distanceLabel, L"Static", L"Afstand", 0, dlu(x + 36, 56, 50, 8)});
        t.controls.push_back({p.distance, L"Edit", L"", edit, dlu(x + 90, 54, 70, 12)});
        t.controls.push_back({p.grid, L"Static", L"", ui::SS_BLACKFRAME, dlu(x, 72, 160, 90)});
    }
    t.controls.push_back({kMirror, L"Button", L"Spiegelen", three, dlu(6, 170, 160, 10)});
    t.controls.push_back({kUseEdge, L"Button", L"Randafstand", three, dlu(174, 170, 160, 10)});
    t.controls.push_back({kCentre, L"Button", L"Centreren", three, dlu(6, 184, 160, 10)});
    t.controls.push_back({kNumbers, L"Button", L"Nummers", three, dlu(174, 184, 160, 10)});
    t.controls.push_back({ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, dlu(224, 204, 52, 14)});
    t.controls.push_back({ui::IDCANCEL, L"Button", L"Annuleren", 0, dlu(282, 204, 52, 14)});
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace
