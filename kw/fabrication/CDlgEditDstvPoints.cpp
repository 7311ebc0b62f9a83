#include "kw/fabrication/CDlgEditDstvPoints.h"

#include "core/LanguageTexts.h"
#include "kw/fabrication/FabricationControls.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/Tvl_DlgPromptString.h"

using namespace kw::fabrication;

namespace {

using D = CDlgEditDstvPoints;

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    const unsigned edit = ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
    const unsigned list = ui::WS_TABSTOP | ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL;
    const unsigned check = ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX;
    ui::DialogTemplate t;
    t.id = D::kTemplateId;
    t.caption = L"DSTV punten";
    t.rect = dlu(0, 0, 250, 226);
    t.controls = {
        {1326, L"Static", L"Punten", 0, dlu(7, 9, 40, 8)},
        {D::kPointsId, L"ComboBox", L"", list, dlu(50, 7, 150, 100)},
        {D::kNewId, L"Button", L"+", ui::WS_TABSTOP, dlu(205, 6, 18, 14)},
        {D::kDeleteId, L"Button", L"-", ui::WS_TABSTOP, dlu(226, 6, 18, 14)},
        {1175, L"Button", L"Eigenschappen", ui::BS_GROUPBOX, dlu(7, 26, 237, 174)},
        {1123, L"Static", L"Naam", 0, dlu(14, 41, 80, 8)},
        {D::kNameId, L"Edit", L"", edit, dlu(110, 39, 126, 12)},
        {D::kExtentId, L"Button", L"Geometrie",
         ui::WS_TABSTOP | ui::WS_GROUP | ui::BS_AUTORADIOBUTTON, dlu(14, 58, 220, 10)},
        {D::kSide1Id, L"ComboBox", L"", list, dlu(24, 71, 100, 60)},
        {D::kSide2Id, L"ComboBox", L"", list, dlu(134, 71, 100, 60)},
        {D::kIntersId, L"Button", L"Snijding", ui::BS_AUTORADIOBUTTON, dlu(14, 90, 220, 10)},
        {D::kStartDirId, L"ComboBox", L"", list, dlu(24, 103, 100, 60)},
        {D::kMiddleId, L"Button", L"Midden", check, dlu(134, 104, 100, 10)},
        {1335, L"Static", L"Aanzicht", 0, dlu(14, 124, 90, 8)},
        {D::kPlateId, L"ComboBox", L"", list, dlu(110, 122, 126, 80)},
        {1124, L"Static", L"Min. afstand", 0, dlu(14, 142, 94, 8)},
        {D::kMinDistId, L"Edit", L"", edit, dlu(110, 140, 60, 12)},
        {D::kFullHoleId, L"Button", L"Gat", check, dlu(14, 158, 220, 10)},
        {D::kThicknessId, L"Button", L"Dikte", check, dlu(14, 170, 220, 10)},
        {D::kHoleSizeLabelId, L"Static", L"Diameter", 0, dlu(14, 185, 94, 8)},
        {D::kHoleSizeId, L"Edit", L"", edit, dlu(110, 183, 60, 12)},
        {ui::IDOK, L"Button", L"OK", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON, dlu(138, 206, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", ui::WS_TABSTOP, dlu(194, 206, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

BmDstvPointSideSelection sideOf(ui::Window* d, int id) {
    const int s = comboSelection(d, id);
    return static_cast<BmDstvPointSideSelection>(isDstvSide(s) ? s : 0);
}

bool checked(ui::Window* d, int id) {
    return d->isDlgButtonChecked(id) == ui::BST_CHECKED;
}
void setChecked(ui::Window* d, int id, bool on) {
    d->checkDlgButton(id, on ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

const int kPointFields[] = {D::kNameId,    D::kExtentId,   D::kSide1Id,     D::kSide2Id,
                            D::kIntersId,  D::kStartDirId, D::kMiddleId,    D::kPlateId,
                            D::kMinDistId, D::kFullHoleId, D::kThicknessId, D::kHoleSizeId};

} // namespace

CDlgEditDstvPoints::CDlgEditDstvPoints(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

bool CDlgEditDstvPoints::onInitDialog() {
    setWindowText(dialString(844).str());
    setDlgItemText(1326, dialString(845).str());
    setDlgItemText(1175, dialString(846).str());
    setDlgItemText(1123, dialString(221).str());
    setDlgItemText(kExtentId, dialString(847).str());
    setDlgItemText(kIntersId, dialString(848).str());
    setDlgItemText(kMiddleId, dialString(849).str());
    setDlgItemText(1335, dialString(850).str());
    setDlgItemText(1124, dialString(851).str());
    setDlgItemText(kFullHoleId, dialString(852).str());
    setDlgItemText(kThicknessId, dialString(853).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    const Tvl_StringArray sides{string(10046), string(10047), string(10048), string(10049)};
    for (int id : {kSide1Id, kSide2Id, kStartDirId})
        fillCombo(this, id, sides);
    const Tvl_String view = string(10157);
    fillCombo(this, kPlateId,
              Tvl_StringArray{dialString(854), view + L"1", view + L"2",
                              view + L"3 (" + dialString(1496) + L")", view + L"4"});
    fillPoints();
    showPoint(0);
    return true;
}

void CDlgEditDstvPoints::fillPoints() {
    Tvl_StringArray names;
    for (int i = 0; i < m_points.length(); ++i)
        names.append(m_points[i].name());
    fillCombo(this, kPointsId, names);
}

void CDlgEditDstvPoints::showPoint(int index) {
    if (index < 0 || index >= m_points.length()) {
        // No point shown: the fields are emptied and disabled, so nothing typed is lost
        // into a point that is not there.
        m_shown = -1;
        selectCombo(this, kPointsId, -1);
        for (int id : {kNameId, kMinDistId, kHoleSizeId})
            setDlgItemText(id, L"");
        for (int id : kPointFields)
            enableDlgItem(this, id, false);
        enableDlgItem(this, kHoleSizeLabelId, false);
        return;
    }
    m_shown = index;
    const Tvl_DstvPointInfo& p = m_points[index];
    selectCombo(this, kPointsId, index);
    setDlgItemText(kNameId, p.name().str());
    setChecked(this, kExtentId, p.selectGeomExtent());
    selectCombo(this, kSide1Id, p.sideSelection1());
    selectCombo(this, kSide2Id, p.sideSelection2());
    setChecked(this, kIntersId, p.selectIntersGeom());
    setChecked(this, kMiddleId, p.selectIntersMid());
    selectCombo(this, kStartDirId, p.intersStartDir());
    setDlgItemText(kMinDistId, Tvl_String(p.minPlateSideDist(), 3).str());
    setDlgItemText(kHoleSizeId, Tvl_String(p.drillRadius(), 3).str());
    selectCombo(this, kPlateId, p.plateSelection());
    setChecked(this, kFullHoleId, p.drillFullHole());
    setChecked(this, kThicknessId, p.radiusThicknessBased());
    for (int id : {kNameId, kExtentId, kIntersId, kPlateId, kMinDistId, kFullHoleId})
        enableDlgItem(this, id, true);
    applyEnabling();
}

void CDlgEditDstvPoints::applyEnabling() {
    if (m_shown < 0)
        return;
    const bool extent = checked(this, kExtentId);
    enableDlgItem(this, kSide1Id, extent);
    enableDlgItem(this, kSide2Id, extent);
    enableDlgItem(this, kStartDirId, !extent);
    enableDlgItem(this, kMiddleId, !extent);
    const bool fullHole = checked(this, kFullHoleId);
    enableDlgItem(this, kThicknessId, fullHole && checked(this, kIntersId));
    enableDlgItem(this, kHoleSizeLabelId, fullHole);
    enableDlgItem(this, kHoleSizeId, fullHole);
    setDlgItemText(kHoleSizeLabelId, dialString(checked(this, kThicknessId) ? 859 : 860).str());
}

void CDlgEditDstvPoints::storeShown() {
    if (m_shown < 0 || m_shown >= m_points.length())
        return;
    Tvl_DstvPointInfo& p = m_points[m_shown];
    const Tvl_String oldName = p.name();
    p.setName(itemText(this, kNameId));
    p.setSelectGeomExtent(checked(this, kExtentId), sideOf(this, kSide1Id), sideOf(this, kSide2Id));
    p.setSelectIntersGeom(checked(this, kIntersId), checked(this, kMiddleId),
                          sideOf(this, kStartDirId));
    const int plate = comboSelection(this, kPlateId);
    p.setPlateSelection(static_cast<short>(plate >= 0 ? plate : 0), itemNumber(this, kMinDistId));
    p.setDrillFullHole(checked(this, kFullHoleId), checked(this, kThicknessId),
                       itemNumber(this, kHoleSizeId));
    if (!(p.name() == oldName)) {
        // The list shows the new name at once.
        fillPoints();
        selectCombo(this, kPointsId, m_shown);
    }
}

void CDlgEditDstvPoints::pairSides(bool firstChanged) {
    const int changedId = firstChanged ? kSide1Id : kSide2Id;
    const int otherId = firstChanged ? kSide2Id : kSide1Id;
    const BmDstvPointSideSelection changed = sideOf(this, changedId);
    if (dstvSidePair(changed) == dstvSidePair(sideOf(this, otherId)))
        selectCombo(this, otherId, dstvSidePair(changed) == 0 ? kDstvSide2 : kDstvSide0);
}

bool CDlgEditDstvPoints::onCommand(int id, int code, ui::Window* from) {
    if (from == nullptr)
        return ui::Dialog::onCommand(id, code, from);
    if (code == ui::CBN_SELCHANGE) {
        switch (id) {
        case kPointsId: {
            const int chosen = comboSelection(this, kPointsId);
            storeShown();
            showPoint(chosen);
            return true;
        }
        case kSide1Id:
            pairSides(true);
            return true;
        case kSide2Id:
            pairSides(false);
            return true;
        default:
            break;
        }
    }
    if (code == ui::BN_CLICKED) {
        switch (id) {
        case kNewId:
            onNewPoint();
            return true;
        case kDeleteId:
            onDeletePoint();
            return true;
        case kExtentId:
        case kIntersId:
        case kFullHoleId:
        case kThicknessId:
            applyEnabling();
            return true;
        default:
            break;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CDlgEditDstvPoints::onNewPoint() {
    storeShown();
    Tvl_DlgPromptString prompt(this);
    prompt.m_caption = dialString(87);
    prompt.m_prompt = dialString(855);
    prompt.m_value = dialString(171);
    prompt.m_okLabel = dialString(1);
    prompt.m_cancelLabel = dialString(2);
    if (prompt.doModal() != ui::IDOK)
        return;
    const int at = m_shown >= 0 ? m_shown : 0;
    m_points.insertAt(at, Tvl_DstvPointInfo(prompt.m_value));
    fillPoints();
    showPoint(at);
}

void CDlgEditDstvPoints::onDeletePoint() {
    if (m_shown < 0)
        return;
    const int at = m_shown;
    m_points.removeAt(at);
    m_shown = -1;
    fillPoints();
    showPoint(at);
}

void CDlgEditDstvPoints::onOK() {
    storeShown();
    endDialog(ui::IDOK);
}
