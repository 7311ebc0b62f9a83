#include "kw/macro/CDlgMacroProfAdv.h"

#include "core/LanguageTexts.h"
#include "core/macroprof/DlgSelectProf.h"
#include "core/macroprof/ProfileCallBacks.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/WindowPlacement.h"
#include "kw/macro/MacroProfIds.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::macro::prof;

namespace {

constexpr const wchar_t* kPlacement = L"DLG_MACRO_PROFADVANCED";
constexpr int kRotationIds[6] = {kAdvRot0,   kAdvRot90,     kAdvRot180,
                                 kAdvRot270, kAdvRotVaries, kAdvRotOther};
// Plane radio buttons in the order of MacroProfData::Plane.
constexpr int kPlaneIds[5] = {kAdvPlaneWcs, kAdvPlaneNewCs, kAdvPlaneVaries, kAdvPlaneExistingCs,
                              kAdvPlanePicked};
constexpr int kListIds[3] = {kAdvList1, kAdvList2, kAdvList3};

template <size_t N> int indexOf(const int (&ids)[N], int id) {
    for (size_t i = 0; i < N; ++i)
        if (ids[i] == id)
            return static_cast<int>(i);
    return -1;
}

} // namespace

CDlgMacroProfAdv::CDlgMacroProfAdv(ui::Window* parent) : CAcUiDialog(kDlgProfAdv, parent) {}

bool CDlgMacroProfAdv::onInitDialog() {
    const auto text = [this](int id, int number, const wchar_t* suffix = L"") {
        setDlgItemText(id, (dialString(number) + suffix).str());
    };
    setWindowText(dialString(1007).str());
    text(kAdvGroupLabel, 705);
    text(kAdvSectionLabel, 1012);
    text(kAdvChooseSection, 969);
    text(kAdvChooseSection2, 969);
    text(kAdvSection2Label, 1409);
    text(kAdvValue1Label, 1410);
    text(kAdvValue2Label, 1411);
    text(kAdvOffsetFrame, 1013);
    text(kAdvPickPoint, 1014);
    text(kAdvOffsetXLabel, 1015);
    text(kAdvOffsetYLabel, 1016);
    text(kAdvRotationFrame, 1005);
    text(kAdvRotVaries, 695);
    text(kAdvRotOther, 1017);
    text(kAdvPlaneFrame, 460);
    text(kAdvPlaneNewCs, 462);
    text(kAdvPlaneVaries, 695);
    text(kAdvPlanePicked, 1018);
    text(kAdvPlaneExistingCs, 1019);
    text(kAdvMirrored, 1343);
    text(kAdvOnSegment, 1020);
    text(kAdvSegmentLabel, 1021);
    text(ui::IDOK, 285);
    text(kAdvRemember, 1497);
    if (ui::Window* remember = getDlgItem(kAdvRemember))
        remember->showWindow(m_offerRemember ? ui::SW_SHOW : ui::SW_HIDE);
    checkDlgButton(kAdvRemember, (m_remember) ? ui::BST_CHECKED : ui::BST_UNCHECKED);

    if (auto* offsets = dynamic_cast<ui::ComboBox*>(getDlgItem(kAdvOffsetType)))
        for (const Tvl_String& s : getOffsetTypeStrings(true))
            offsets->addString(s.str());
    // The further lists: the plane's axis, the profile's direction and its end.
    const wchar_t* const lists[3][3] = {
        {L"X", L"Y", L"Z"}, {L"+", L"-", L"\u00b1"}, {L"1", L"2", L"3"}};
    for (int l = 0; l < 3; ++l)
        if (auto* combo = dynamic_cast<ui::ComboBox*>(getDlgItem(kListIds[l])))
            for (const wchar_t* entry : lists[l])
                combo->addString(entry);

    restoreWindowPlacement(this, kPlacement, true, 0, 0);
    call(kBmMACallBackGet);
    showRecord();
    return true;
}

bool CDlgMacroProfAdv::call(BmMACallBackType type) {
    if (m_callBack == nullptr)
        return false;
    // A refusing call-back must not leave half its work in the record.
    MacroProfData answer = m_prof;
    if (!m_callBack(type, m_data, answer)) {
        if (type == kBmMACallBackSet) {
            // Nothing was written: show what the owner holds, or else what was shown
            // before the change, never the refused change itself.
            MacroProfData owner = m_lastShown;
            m_prof = m_callBack(kBmMACallBackGet, m_data, owner) ? owner : m_lastShown;
        }
        return false;
    }
    m_prof = answer;
    return true;
}

Tvl_String CDlgMacroProfAdv::itemText(int id) const {
    const ui::Window* w = getDlgItem(id);
    return w ? Tvl_String(w->text()) : Tvl_String();
}

void CDlgMacroProfAdv::showRecord() {
    m_showing = true;
    m_lastShown = m_prof;
    setDlgItemText(kAdvGroupName,
                   m_prof.m_group.isEmpty() ? m_data.m_group.str() : m_prof.m_group.str());
    setDlgItemText(kAdvSection, m_prof.m_section.str());
    setDlgItemText(kAdvSection2, m_prof.m_section2.str());
    setDlgItemText(kAdvValue1, m_prof.m_value1.str());
    setDlgItemText(kAdvValue2, m_prof.m_value2.str());
    if (auto* offsets = dynamic_cast<ui::ComboBox*>(getDlgItem(kAdvOffsetType)))
        offsets->setCurSel(getDlgOffsetType(m_prof, true));
    setDlgItemText(kAdvOffsetX, m_prof.m_offsetX.str());
    setDlgItemText(kAdvOffsetY, m_prof.m_offsetY.str());
    for (int i = 0; i < 9; ++i)
        setDlgItemText(
            kAdvPoints[i],
            (i + 1 == m_prof.m_insertionPoint ? L"[" + Tvl_String(i + 1) + L"]" : Tvl_String(i + 1))
                .str());
    for (int i = 0; i < 6; ++i)
        checkDlgButton(kRotationIds[i],
                       (m_prof.m_rotation == i) ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    setDlgItemText(kAdvAngle, m_prof.m_angle.str());
    for (int i = 0; i < 5; ++i)
        checkDlgButton(kPlaneIds[i],
                       (m_prof.m_planeMode == i) ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    for (int l = 0; l < 3; ++l)
        if (auto* combo = dynamic_cast<ui::ComboBox*>(getDlgItem(kListIds[l])))
            combo->setCurSel(m_prof.m_listSelections[l]);
    checkDlgButton(kAdvOnSegment, (m_prof.m_onSegment) ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    setDlgItemText(kAdvSegment, Tvl_String(m_prof.m_segment).str());
    if (auto* mirrored = dynamic_cast<ui::Button*>(getDlgItem(kAdvMirrored)))
        mirrored->setCheck(m_prof.m_option == 2   ? ui::BST_INDETERMINATE
                           : m_prof.m_option == 1 ? ui::BST_CHECKED
                                                  : ui::BST_UNCHECKED);
    enableControls();
    m_showing = false;
}

void CDlgMacroProfAdv::enableControls() {
    const auto checked = [this](int id) { return isDlgButtonChecked(id) == ui::BST_CHECKED; };
    auto* offsets = dynamic_cast<ui::ComboBox*>(getDlgItem(kAdvOffsetType));
    // Entry 0 is "varies": the first offset type is entry 1.
    const bool firstOffset = offsets && offsets->getCurSel() == 1;
    enableDlgItem(this, kAdvOffsetX, firstOffset);
    enableDlgItem(this, kAdvOffsetY, firstOffset);
    enableDlgItem(this, kAdvAngle, checked(kAdvRotOther));
    const bool existing = checked(kAdvPlaneExistingCs);
    enableDlgItem(this, kAdvPlanePick, checked(kAdvPlanePicked) || existing);
    enableDlgItem(this, kAdvList2, existing);
    enableDlgItem(this, kAdvList1, checked(kAdvPlaneNewCs) || existing);
    setDlgItemText(kAdvPlanePick, (dialString(existing ? 1368 : 1230) + L"...").str());
    enableDlgItem(this, kAdvSegment, checked(kAdvOnSegment));
}

void CDlgMacroProfAdv::refuse(int text, const Tvl_String& value) {
    messageBox((dialString(text) + L" \"" + value + L"\"").str(), dialString(1007).str(),
               ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

bool CDlgMacroProfAdv::readControls() {
    MacroProfData next = m_prof;
    next.m_section = itemText(kAdvSection).trimmed();
    next.m_section2 = itemText(kAdvSection2).trimmed();
    for (const Tvl_String* section : {&next.m_section, &next.m_section2}) {
        const bool unchanged = *section == m_prof.m_section || *section == m_prof.m_section2;
        if (!section->isEmpty() && !unchanged && !sectionKnown(*section)) {
            refuse(kTextUnknownSection, *section);
            showRecord();
            return false;
        }
    }
    next.m_value1 = itemText(kAdvValue1);
    next.m_value2 = itemText(kAdvValue2);
    if (auto* offsets = dynamic_cast<ui::ComboBox*>(getDlgItem(kAdvOffsetType))) {
        const int sel = offsets->getCurSel();
        if (sel > 0)
            next.m_offsetType = sel - 1;
    }
    double number = 0;
    for (auto [id, field] :
         {std::pair{kAdvOffsetX, &next.m_offsetX}, std::pair{kAdvOffsetY, &next.m_offsetY},
          std::pair{kAdvAngle, &next.m_angle}}) {
        const Tvl_String typed = itemText(id).trimmed();
        if (!typed.isEmpty() && !typed.toDouble(number)) {
            refuse(kTextNotANumber, typed);
            showRecord();
            return false;
        }
        *field = typed;
    }
    for (int i = 0; i < 6; ++i)
        if (isDlgButtonChecked(kRotationIds[i]) == ui::BST_CHECKED)
            next.m_rotation = i;
    for (int i = 0; i < 5; ++i)
        if (isDlgButtonChecked(kPlaneIds[i]) == ui::BST_CHECKED)
            next.m_planeMode = i;
    for (int l = 0; l < 3; ++l)
        if (auto* combo = dynamic_cast<ui::ComboBox*>(getDlgItem(kListIds[l])))
            next.m_listSelections[l] = combo->getCurSel();
    next.m_onSegment = isDlgButtonChecked(kAdvOnSegment) == ui::BST_CHECKED;
    const Tvl_String segment = itemText(kAdvSegment).trimmed();
    int whole = 0;
    if (next.m_onSegment && (!segment.toInt(whole) || whole < 1)) {
        refuse(kTextNotASegment, segment);
        showRecord();
        return false;
    }
    if (segment.toInt(whole))
        next.m_segment = whole;
    const int mirrored = isDlgButtonChecked(kAdvMirrored);
    next.m_option = mirrored == ui::BST_INDETERMINATE ? 2 : (mirrored == ui::BST_CHECKED ? 1 : 0);
    m_prof = next;
    return true;
}

void CDlgMacroProfAdv::apply() {
    if (!readControls())
        return;
    call(kBmMACallBackSet);
    showRecord();
}

bool CDlgMacroProfAdv::onCommand(int id, int code, ui::Window* from) {
    if (from == nullptr || m_showing)
        return CAcUiDialog::onCommand(id, code, from);
    if (indexOf(kAdvPoints, id) >= 0 && code == ui::BN_CLICKED) {
        if (readControls()) {
            m_prof.m_insertionPoint = indexOf(kAdvPoints, id) + 1;
            call(kBmMACallBackSet);
            showRecord();
        }
        return true;
    }
    switch (id) {
    case kAdvChooseSection:
    case kAdvChooseSection2:
        if (code == ui::BN_CLICKED)
            chooseSection(id == kAdvChooseSection2);
        return true;
    case kAdvSection:
    case kAdvSection2:
    case kAdvValue1:
    case kAdvValue2:
    case kAdvOffsetX:
    case kAdvOffsetY:
    case kAdvAngle:
    case kAdvSegment:
        if (code == ui::EN_KILLFOCUS)
            apply();
        return true;
    case kAdvOffsetType:
    case kAdvList1:
    case kAdvList2:
    case kAdvList3:
        if (code == ui::CBN_SELCHANGE)
            apply();
        return true;
    case kAdvRotOther:
        // Only enables the angle: the angle applies when it is typed.
        if (code == ui::BN_CLICKED)
            enableControls();
        return true;
    case kAdvOnSegment:
        if (code == ui::BN_CLICKED) {
            // Switched on without a segment number yet: the edit opens for it, and the
            // placement applies once a number is typed there.
            int segment = 0;
            const bool on = isDlgButtonChecked(kAdvOnSegment) == ui::BST_CHECKED;
            if (on && !(itemText(kAdvSegment).trimmed().toInt(segment) && segment >= 1))
                enableControls();
            else
                apply();
        }
        return true;
    case kAdvRot0:
    case kAdvRot90:
    case kAdvRot180:
    case kAdvRot270:
    case kAdvRotVaries:
    case kAdvPlaneWcs:
    case kAdvPlanePicked:
    case kAdvPlaneExistingCs:
    case kAdvPlaneVaries:
    case kAdvMirrored:
        if (code == ui::BN_CLICKED)
            apply();
        return true;
    case kAdvPlaneNewCs:
        if (code == ui::BN_CLICKED) {
            if (m_prof.m_planeMode != MacroProfData::kPlaneNewCs && m_createdCs.isNull()) {
                hideForPick();
                AcDbObjectId id;
                const bool made = createCoordSys(id);
                showAfterPick();
                if (!made) {
                    showRecord(); // cancelled: the plane stays as it was
                    return true;
                }
                m_createdCs = id;
                m_prof.m_planeId = id;
            }
            apply();
        }
        return true;
    case kAdvPlanePick:
        if (code == ui::BN_CLICKED)
            pickPlane();
        return true;
    case kAdvPickPoint:
        if (code == ui::BN_CLICKED)
            pickPoint();
        return true;
    case kAdvZoom:
        if (code == ui::BN_CLICKED)
            zoom();
        return true;
    default:
        return CAcUiDialog::onCommand(id, code, from);
    }
}

void CDlgMacroProfAdv::chooseSection(bool second) {
    if (!readControls())
        return;
    DlgSelectProfData select;
    select.profileName = second ? m_prof.m_section2 : m_prof.m_section;
    if (!DlgSelectProf(select, true))
        return;
    (second ? m_prof.m_section2 : m_prof.m_section) = withoutLibDir(select.profileName);
    call(kBmMACallBackSet);
    showRecord();
}

void CDlgMacroProfAdv::hideForPick() {
    BeginEditorCommand();
    showWindow(ui::SW_HIDE);
    call(kBmMACallBackHideOwner);
}

void CDlgMacroProfAdv::showAfterPick() {
    call(kBmMACallBackShowOwner);
    showWindow(ui::SW_SHOW);
    CompleteEditorCommand();
}

void CDlgMacroProfAdv::pickPoint() {
    if (!readControls())
        return;
    hideForPick();
    int point = 0;
    const bool picked = UserChooseSectionPoint(m_prof.m_section, m_prof.m_angle.toDouble(), point);
    showAfterPick();
    if (!picked)
        return;
    m_prof.m_insertionPoint = point;
    m_prof.m_pointChosen = true;
    call(kBmMACallBackSet);
    showRecord();
}

void CDlgMacroProfAdv::pickPlane() {
    if (!readControls())
        return;
    const bool byObject = isDlgButtonChecked(kAdvPlanePicked) == ui::BST_CHECKED;
    hideForPick();
    AcDbObjectId id;
    Tvl_String name;
    const bool picked = byObject ? UserSelectPlane(id, name) : selectCoordSys(id);
    showAfterPick();
    if (!picked)
        return;
    m_prof.m_planeId = id;
    if (byObject)
        m_prof.m_planeName = name;
    call(kBmMACallBackSet);
    showRecord();
}

void CDlgMacroProfAdv::zoom() {
    if (m_zooming)
        return;
    m_zooming = true;
    hideForPick();
    ZoomCommand();
    showAfterPick();
    m_zooming = false;
}

void CDlgMacroProfAdv::onOK() {
    if (m_offerRemember)
        m_remember = isDlgButtonChecked(kAdvRemember) == ui::BST_CHECKED;
    if (!readControls())
        return; // the refused text is shown; the dialog stays open
    call(kBmMACallBackSet);
    saveWindowPlacement(this, kPlacement);
    CAcUiDialog::onOK();
}
