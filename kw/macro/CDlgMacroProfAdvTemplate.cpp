// Template 220 of the advanced profile dialog: sections and values at the top, the
// insertion point with its offsets, rotation and plane, the segment and the check boxes.

#include "kw/frame/ModuleResources.h"
#include "kw/macro/MacroProfIds.h"
#include "platform/ui/DialogTemplate.h"

namespace {

using namespace kw::macro::prof;

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    const unsigned radio = ui::BS_AUTORADIOBUTTON;
    const unsigned check = ui::BS_AUTOCHECKBOX;
    const unsigned list = ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL;
    ui::DialogTemplate t;
    t.id = kDlgProfAdv;
    t.caption = L"Profiel geavanceerd";
    t.rect = dlu(0, 0, 330, 262);
    t.controls = {
        {kAdvGroupLabel, L"Static", L"Groep", 0, dlu(6, 8, 60, 8)},
        {kAdvGroupName, L"Static", L"", 0, dlu(70, 8, 180, 8)},
        {kAdvSectionLabel, L"Static", L"Profiel", 0, dlu(6, 24, 60, 8)},
        {kAdvSection, L"Edit", L"", ui::ES_AUTOHSCROLL, dlu(70, 22, 100, 12)},
        {kAdvChooseSection, L"Button", L"...", 0, dlu(172, 22, 16, 12)},
        {kAdvSection2Label, L"Static", L"Profiel 2", 0, dlu(6, 40, 60, 8)},
        {kAdvSection2, L"Edit", L"", ui::ES_AUTOHSCROLL, dlu(70, 38, 100, 12)},
        {kAdvChooseSection2, L"Button", L"...", 0, dlu(172, 38, 16, 12)},
        {kAdvValue1Label, L"Static", L"Waarde 1", 0, dlu(196, 24, 50, 8)},
        {kAdvValue1, L"Edit", L"", ui::ES_AUTOHSCROLL, dlu(250, 22, 74, 12)},
        {kAdvValue2Label, L"Static", L"Waarde 2", 0, dlu(196, 40, 50, 8)},
        {kAdvValue2, L"Edit", L"", ui::ES_AUTOHSCROLL, dlu(250, 38, 74, 12)},
        {kAdvOffsetFrame, L"Button", L"Invoegpunt", ui::BS_GROUPBOX, dlu(6, 56, 156, 100)},
        {kAdvOffsetType, L"ComboBox", L"", list, dlu(12, 68, 144, 80)},
        {kAdvPoints[0], L"Button", L"1", 0, dlu(12, 86, 14, 12)},
        {kAdvPoints[1], L"Button", L"2", 0, dlu(28, 86, 14, 12)},
        {kAdvPoints[2], L"Button", L"3", 0, dlu(44, 86, 14, 12)},
        {kAdvPoints[3], L"Button", L"4", 0, dlu(12, 100, 14, 12)},
        {kAdvPoints[4], L"Button", L"5", 0, dlu(28, 100, 14, 12)},
        {kAdvPoints[5], L"Button", L"6", 0, dlu(44, 100, 14, 12)},
        {kAdvPoints[6], L"Button", L"7", 0, dlu(12, 114, 14, 12)},
        {kAdvPoints[7], L"Button", L"8", 0, dlu(28, 114, 14, 12)},
        {kAdvPoints[8], L"Button", L"9", 0, dlu(44, 114, 14, 12)},
        {kAdvPickPoint, L"Button", L"Punt kiezen", 0, dlu(64, 86, 92, 14)},
        {kAdvOffsetXLabel, L"Static", L"Verschuiving X", 0, dlu(12, 132, 60, 8)},
        {kAdvOffsetX, L"Edit", L"", ui::ES_AUTOHSCROLL, dlu(74, 130, 40, 12)},
        {kAdvOffsetYLabel, L"Static", L"Verschuiving Y", 0, dlu(12, 144, 60, 8)},
        {kAdvOffsetY, L"Edit", L"", ui::ES_AUTOHSCROLL, dlu(74, 142, 40, 12)},
        {kAdvRotationFrame, L"Button", L"Rotatie", ui::BS_GROUPBOX, dlu(168, 56, 156, 100)},
        {kAdvRot0, L"Button", L"0\u00b0", radio | ui::WS_GROUP, dlu(174, 68, 40, 10)},
        {kAdvRot90, L"Button", L"90\u00b0", radio, dlu(174, 80, 40, 10)},
        {kAdvRot180, L"Button", L"180\u00b0", radio, dlu(174, 92, 40, 10)},
        {kAdvRot270, L"Button", L"270\u00b0", radio, dlu(174, 104, 40, 10)},
        {kAdvRotVaries, L"Button", L"*Varieert*", radio, dlu(174, 116, 70, 10)},
        {kAdvRotOther, L"Button", L"Andere hoek", radio, dlu(174, 128, 70, 10)},
        {kAdvAngle, L"Edit", L"", ui::ES_AUTOHSCROLL | ui::WS_GROUP, dlu(250, 127, 50, 12)},
        {kAdvPlaneFrame, L"Button", L"Vlak", ui::BS_GROUPBOX, dlu(6, 160, 318, 56)},
        {kAdvPlaneWcs, L"Button", L"WCS", radio | ui::WS_GROUP, dlu(12, 172, 60, 10)},
        {kAdvPlaneNewCs, L"Button", L"Nieuw GCS", radio, dlu(12, 184, 60, 10)},
        {kAdvPlaneVaries, L"Button", L"*Varieert*", radio, dlu(12, 196, 60, 10)},
        {kAdvPlaneExistingCs, L"Button", L"Bestaand GCS", radio, dlu(80, 172, 70, 10)},
        {kAdvPlanePicked, L"Button", L"Vlak kiezen", radio, dlu(80, 184, 70, 10)},
        {kAdvPlanePick, L"Button", L"Kiezen...", ui::WS_GROUP, dlu(160, 170, 70, 14)},
        {kAdvList1, L"ComboBox", L"", list, dlu(236, 170, 82, 60)},
        {kAdvList2, L"ComboBox", L"", list, dlu(236, 186, 82, 60)},
        {kAdvList3, L"ComboBox", L"", list, dlu(236, 202, 82, 60)},
        {kAdvOnSegment, L"Button", L"Op een segment", check, dlu(6, 222, 90, 10)},
        {kAdvSegmentLabel, L"Static", L"Segmentnummer", 0, dlu(100, 223, 60, 8)},
        {kAdvSegment, L"Edit", L"", ui::ES_AUTOHSCROLL, dlu(162, 221, 30, 12)},
        {kAdvMirrored, L"Button", L"Gespiegeld", ui::BS_AUTO3STATE, dlu(200, 222, 70, 10)},
        {kAdvRemember, L"Button", L"Onthouden", check, dlu(6, 244, 120, 10)},
        {kAdvZoom, L"Button", L"Zoom", 0, dlu(160, 242, 50, 14)},
        {ui::IDOK, L"Button", L"Sluiten", ui::BS_DEFPUSHBUTTON, dlu(270, 242, 54, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace
