#include "kw/macro/CMacroTabProf.h"

#include <algorithm>

#include "core/LanguageTexts.h"
#include "core/MacroTabData.h"
#include "core/library/DlgSelectProfData.h"
#include "core/macroprof/DlgSelectProf.h"
#include "core/macroprof/ProfileCallBacks.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/ModuleState.h"
#include "kw/macro/CDlgMacro.h"
#include "kw/macro/CDlgMacroProfAdv.h"
#include "kw/macro/CDlgMacroProfSegm.h"
#include "kw/macro/MacroProfIds.h"
#include "platform/ui/Application.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::macro::prof;

namespace {

constexpr int kMinWidth = 380;
constexpr int kPanelHeight = 162;
constexpr int kSegmentedHeight = 20;
constexpr const wchar_t* kRotations[4] = {L"0\u00b0", L"90\u00b0", L"180\u00b0", L"270\u00b0"};
constexpr int kPanelIds[] = {kPanelFrame,    kGroup,       kProfile,    kSectionLabel,  kSection,
                             kChooseSection, kOffsetLabel, kOffsetType, kRotationLabel, kRotation,
                             kPlaneLabel,    kBasePlane,   kPickPlane,  kAdvanced};

ui::ComboBox* comboOf(ui::Window* w, int id) {
    return dynamic_cast<ui::ComboBox*>(w->getDlgItem(id));
}

Tvl_String selectedText(ui::Window* w, int id) {
    ui::ComboBox* combo = comboOf(w, id);
    const int sel = combo ? combo->getCurSel() : -1;
    return sel >= 0 ? Tvl_String(combo->getLBText(sel)) : Tvl_String();
}

} // namespace

CMacroTabProf::CMacroTabProf() : CMacroTabGeneral(kPageProf, kGrid) {}

CMacroTabProf::~CMacroTabProf() {
    if (isWindow())
        destroyWindow();
}

bool CMacroTabProf::onInitDialog() {
    // The lists first: binding the design refreshes the page, which fills the panel.
    if (ui::ComboBox* offsets = comboOf(this, kOffsetType))
        for (const Tvl_String& s : getOffsetTypeStrings(false))
            offsets->addString(s.str());
    if (ui::ComboBox* rotation = comboOf(this, kRotation)) {
        for (const wchar_t* r : kRotations)
            rotation->addString(r);
        rotation->addString(dialString(695).str());
    }
    if (ui::ComboBox* planes = comboOf(this, kBasePlane))
        for (const Tvl_String& s : getBasePlaneStrings(false))
            planes->addString(s.str());
    CMacroTabGeneral::onInitDialog();
    setDlgItemText(kPanelFrame, dialString(1002).str());
    setDlgItemText(kSectionLabel, dialString(1003).str());
    setDlgItemText(kChooseSection, dialString(969).str());
    setDlgItemText(kOffsetLabel, dialString(1004).str());
    setDlgItemText(kRotationLabel, (dialString(1005) + L" (\u00b0):").str());
    setDlgItemText(kPlaneLabel, dialString(1006).str());
    setDlgItemText(kPickPlane, dialString(1008).str());
    setDlgItemText(kAdvanced, dialString(1007).str());
    setDlgItemText(kSegmented, dialString(1009).str());
    const MacroTabData* t = tab();
    const bool panel = t != nullptr && !t->advBtnForEveryGroup();
    for (int id : kPanelIds)
        if (ui::Window* w = getDlgItem(id))
            w->showWindow(panel ? ui::SW_SHOW : ui::SW_HIDE);
    if (ui::Window* segmented = getDlgItem(kSegmented))
        segmented->showWindow(t != nullptr && t->hasSegmentedProfs() ? ui::SW_SHOW : ui::SW_HIDE);
    m_fixedControls = {kGroup,    kProfile,  kSection,   kChooseSection, kOffsetType,
                       kAdvanced, kRotation, kBasePlane, kPickPlane,     kSegmented};
    // The panel and the segmented button keep their distance to the bottom; the grid
    // takes what the design leaves above them.
    if (t != nullptr && (m_resizerUsed || m_resizer.Init(this))) {
        using Side = CResizer::Side;
        using Rule = CResizer::Rule;
        for (int id : kPanelIds) {
            m_resizer.SetRule(id, Side::Top, Rule::Parent, 0, Side::Bottom);
            m_resizer.KeepSize(id, Side::Bottom);
        }
        m_resizer.SetRule(kSegmented, Side::Top, Rule::Parent, 0, Side::Bottom);
        m_resizer.KeepSize(kSegmented, Side::Bottom);
        m_resizerUsed = true;
    }
    fillLists();
    layout();
    return false;
}

// ---- What the frame asks of the page ---------------------------------------------------

void CMacroTabProf::refresh() {
    CMacroTabGeneral::refresh();
    fillLists();
}

int CMacroTabProf::reservedBottom() const {
    const MacroTabData* t = const_cast<CMacroTabProf*>(this)->tab();
    if (t == nullptr)
        return 0;
    if (!t->advBtnForEveryGroup())
        return kPanelHeight;
    return t->hasSegmentedProfs() ? kSegmentedHeight : 0;
}

void CMacroTabProf::pageSize(int& width, int& height) const {
    CMacroTabGeneral::pageSize(width, height);
    width = std::max(width, kMinWidth);
    // Without a picture or a grid the page is its panel alone.
    if (pictureHeight() > 0 || gridShown())
        return;
    height = reservedBottom();
}

Tvl_String CMacroTabProf::shownGroup() const {
    return selectedText(const_cast<CMacroTabProf*>(this), kGroup);
}

bool CMacroTabProf::panelShown() const {
    const ui::Window* w = getDlgItem(kGroup);
    return w != nullptr && w->isWindowVisible();
}

// ---- Showing ---------------------------------------------------------------------------

void CMacroTabProf::fillLists() {
    MacroTabData* t = tab();
    ui::ComboBox* groups = comboOf(this, kGroup);
    if (t == nullptr || groups == nullptr)
        return;
    m_showing = true;
    const Tvl_String before = shownGroup();
    Tvl_StringArray names;
    t->getProfGroups(names);
    groups->resetContent();
    for (const Tvl_String& n : names)
        groups->addString(n.str());
    int index = -1;
    names.find(before, index);
    groups->setCurSel(index >= 0 ? index : (names.length() > 0 ? 0 : -1));
    m_showing = false;
    showGroup();
}

void CMacroTabProf::showGroup() {
    MacroTabData* t = tab();
    if (t == nullptr)
        return;
    m_showing = true;
    const Tvl_String group = shownGroup();
    ui::ComboBox* profiles = comboOf(this, kProfile);
    const int profileBefore = profiles ? profiles->getCurSel() : -1;
    const AcDbObjectId idBefore = profileBefore > 0 && profileBefore <= m_profileIds.length()
                                      ? m_profileIds[profileBefore - 1]
                                      : AcDbObjectId();
    m_profileIds.removeAll();
    t->getProfIdsOfGroup(group, m_profileIds);
    if (profiles) {
        profiles->resetContent();
        profiles->addString(dialString(1010).str());
        int select = 0;
        for (int i = 0; i < m_profileIds.length(); ++i) {
            profiles->addString((group + L" " + Tvl_String(i + 1)).str());
            if (m_profileIds[i] == idBefore && !idBefore.isNull())
                select = i + 1;
        }
        profiles->setCurSel(select);
    }
    MacroProfData props;
    const bool known = t->getMergedPropsOfGroup(group, props);
    if (ui::ComboBox* section = comboOf(this, kSection)) {
        FillCombo(*section, known ? props.m_section : Tvl_String(), m_sectionNames);
    }
    if (ui::ComboBox* offsets = comboOf(this, kOffsetType))
        offsets->setCurSel(known ? getDlgOffsetType(props, false) : -1);
    if (ui::ComboBox* rotation = comboOf(this, kRotation)) {
        if (!known)
            rotation->setCurSel(-1);
        else if (props.m_rotation == MacroProfData::kRotOther) {
            rotation->setCurSel(-1);
            rotation->setWindowText(props.m_angle.str());
        } else
            rotation->setCurSel(props.m_rotation);
    }
    if (ui::ComboBox* planes = comboOf(this, kBasePlane))
        planes->setCurSel(known ? getDlgBasePlane(props, false) : -1);
    for (int id : kPanelIds)
        if (id != kPanelFrame && id != kGroup)
            enableDlgItem(this, id, known);
    m_showing = false;
}

// ---- Storing and applying --------------------------------------------------------------

bool CMacroTabProf::panelRecord(MacroProfData& props) {
    MacroTabData* t = tab();
    return t != nullptr && t->getMergedPropsOfGroup(shownGroup(), props);
}

void CMacroTabProf::store() {
    CMacroTabGeneral::store();
    MacroTabData* t = tab();
    MacroProfData props;
    if (t == nullptr || !panelRecord(props))
        return;
    if (ui::ComboBox* section = comboOf(this, kSection)) {
        const int sel = section->getCurSel();
        if (sel >= 0 && sel < m_sectionNames.length())
            props.m_section = m_sectionNames[sel];
    }
    if (ui::ComboBox* offsets = comboOf(this, kOffsetType); offsets && offsets->getCurSel() >= 0)
        props.m_offsetType = offsets->getCurSel();
    if (ui::ComboBox* rotation = comboOf(this, kRotation)) {
        const int sel = rotation->getCurSel();
        double angle = 0;
        const Tvl_String typed = Tvl_String(rotation->getWindowText()).trimmed();
        if (sel >= 0 && sel <= MacroProfData::kRotVaries)
            props.m_rotation = sel;
        else if (typed.toDouble(angle)) {
            props.m_rotation = MacroProfData::kRotOther;
            props.m_angle = typed;
        }
    }
    if (ui::ComboBox* planes = comboOf(this, kBasePlane); planes && planes->getCurSel() >= 0)
        props.m_planeMode = planeModeOfDlgBasePlane(planes->getCurSel());
    t->setMergedPropsOfGroup(props.m_group, props);
}

void CMacroTabProf::writeRecord(const MacroProfData& props) {
    MacroTabData* t = tab();
    CDlgMacro* owner = frame();
    if (t == nullptr || owner == nullptr)
        return;
    m_active = false;
    const MacroTabData before = *t;
    t->setMergedPropsOfGroup(props.m_group, props);
    owner->applyTab(m_tabIndex, before);
    m_active = true;
}

void CMacroTabProf::applyPanel() {
    MacroTabData* t = tab();
    CDlgMacro* owner = frame();
    if (t == nullptr || owner == nullptr)
        return;
    m_active = false;
    const MacroTabData before = *t;
    store();
    if (!owner->applyTab(m_tabIndex, before))
        showGroup(); // nothing changed or refused: the panel shows the record again
    m_active = true;
}

// ---- Commands --------------------------------------------------------------------------

bool CMacroTabProf::onCommand(int id, int code, ui::Window* from) {
    if (from == nullptr || m_showing)
        return CMacroTabGeneral::onCommand(id, code, from);
    switch (id) {
    case kGroup:
    case kProfile:
        if (code == ui::CBN_SELCHANGE)
            showGroup();
        return true;
    case kSection:
    case kOffsetType:
    case kBasePlane:
        if (code == ui::CBN_SELCHANGE)
            applyPanel();
        return true;
    case kRotation:
        if (code == ui::CBN_SELCHANGE) {
            applyPanel();
        } else if (code == ui::CBN_KILLFOCUS) {
            rotationTyped();
        }
        return true;
    case kChooseSection:
        if (code == ui::BN_CLICKED)
            chooseSection();
        return true;
    case kPickPlane:
        if (code == ui::BN_CLICKED)
            pickPlane();
        return true;
    case kAdvanced:
        if (code == ui::BN_CLICKED)
            runAdvanced();
        return true;
    case kSegmented:
        if (code == ui::BN_CLICKED)
            runSegmented();
        return true;
    default:
        return CMacroTabGeneral::onCommand(id, code, from);
    }
}

void CMacroTabProf::rotationTyped() {
    ui::ComboBox* rotation = comboOf(this, kRotation);
    MacroProfData props;
    if (rotation == nullptr || !panelRecord(props))
        return;
    const Tvl_String typed = Tvl_String(rotation->getWindowText()).trimmed();
    // The text of a list entry is that entry.
    for (int i = 0; i < rotation->getCount(); ++i)
        if (typed == Tvl_String(rotation->getLBText(i)))
            return;
    double angle = 0;
    if (!typed.toDouble(angle)) {
        messageBox((dialString(kTextNotANumber) + L" \"" + typed + L"\"").str(),
                   dialString(1005).str(), ui::MB_OK | ui::MB_ICONEXCLAMATION);
        showGroup();
        return;
    }
    if (props.m_rotation == MacroProfData::kRotOther && props.m_angle == typed)
        return;
    props.m_rotation = MacroProfData::kRotOther;
    props.m_angle = typed;
    writeRecord(props);
}

void CMacroTabProf::chooseSection() {
    MacroProfData props;
    if (!panelRecord(props))
        return;
    store();
    panelRecord(props);
    DlgSelectProfData select;
    select.profileName = props.m_section;
    if (!DlgSelectProf(select, true))
        return;
    props.m_section = withoutLibDir(select.profileName);
    writeRecord(props);
}

void CMacroTabProf::pickPlane() {
    ui::ComboBox* planes = comboOf(this, kBasePlane);
    MacroProfData props;
    const int sel = planes ? planes->getCurSel() : -1;
    if ((sel != 0 && sel != 2) || !panelRecord(props))
        return;
    CDlgMacro* owner = frame();
    if (owner)
        owner->showWindow(ui::SW_HIDE);
    AcDbObjectId id;
    Tvl_String name = L"xp";
    const bool picked = sel == 0 ? UserSelectPlane(id, name) : selectCoordSys(id);
    if (owner)
        owner->showWindow(ui::SW_SHOW);
    if (!picked)
        return;
    props.m_planeMode = planeModeOfDlgBasePlane(sel);
    props.m_planeId = id;
    props.m_planeName = name;
    writeRecord(props);
}

void CMacroTabProf::onOtherDrawnClicked(int id, int type) {
    if (type != tvlCtrlProfButton2)
        return;
    const Tvl_String group = drawnGroup(id);
    if (!group.isEmpty())
        runAdvanced(group, true);
}

void CMacroTabProf::runAdvanced(const Tvl_String& group, bool fromDrawnButton) {
    MacroTabData* t = tab();
    if (t == nullptr)
        return;
    CDlgMacroProfAdv dlg(this);
    dlg.m_option = fromDrawnButton || m_preview;
    dlg.m_data.m_group = group.isEmpty() ? shownGroup() : group;
    dlg.m_data.m_tab = t->m_module;
    dlg.m_data.m_owner = handle().value;
    dlg.m_callBack = &CMacroTabProf::pageCallBack;
    dlg.doModal();
    fillLists();
    // The preview goes once: the flag and the object are forgotten with it.
    if (m_preview) {
        if (!m_previewObject.isNull())
            EraseObject(m_previewObject);
        m_preview = false;
        m_previewObject.setNull();
        if (CDlgMacro* owner = frame())
            owner->macroData().m_preview = false;
    }
}

bool CMacroTabProf::pageCallBack(BmMACallBackType type, const BmMACallBackData& data,
                                 MacroProfData& props) {
    auto* page = dynamic_cast<CMacroTabProf*>(ui::app().fromHandle(ui::Hwnd{data.m_owner}));
    if (page == nullptr)
        return false;
    CDlgMacro* owner = page->frame();
    MacroTabData* t = page->tab();
    if (owner == nullptr || t == nullptr)
        return false;
    switch (type) {
    case kBmMACallBackGet:
        return t->getMergedPropsOfGroup(data.m_group, props);
    case kBmMACallBackSet: {
        const Tvl_String group = data.m_group.isEmpty() ? page->shownGroup() : data.m_group;
        const MacroTabData before = *t;
        if (!t->setMergedPropsOfGroup(group, props))
            return false;
        page->m_active = false;
        owner->applyTab(page->m_tabIndex, before);
        page->m_active = true;
        // The frame may have rebuilt nothing, but the tab pointer is read again.
        MacroTabData* now = page->tab();
        return now != nullptr && now->getMergedPropsOfGroup(group, props);
    }
    case kBmMACallBackHideOwner:
        owner->showWindow(ui::SW_HIDE);
        return true;
    case kBmMACallBackShowOwner:
        owner->showWindow(ui::SW_SHOW);
        return true;
    }
    return false;
}

void CMacroTabProf::runSegmented() {
    MacroTabData* t = tab();
    CDlgMacro* owner = frame();
    if (t == nullptr || owner == nullptr)
        return;
    kw::ResourceSwitchScope on;
    CDlgMacroProfSegm dlg(this);
    dlg.m_profiles = t->m_segmented;
    if (dlg.doModal() != ui::IDOK)
        return;
    t = tab();
    if (t == nullptr)
        return;
    const MacroTabData before = *t;
    t->m_segmented = dlg.m_profiles;
    m_active = false;
    owner->applyTab(m_tabIndex, before);
    m_active = true;
}
