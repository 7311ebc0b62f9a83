#include "kw/library/CTabEditLibGroups.h"

#include "core/LanguageTexts.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/ModuleResources.h"
#include "kw/library/LibNamesGrid.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

using T = CTabEditLibGroups;

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = T::kTemplateId;
    t.caption = L"Groepen";
    t.style = ui::WS_CHILD | ui::DS_CONTROL;
    t.rect = ui::dlu(0, 0, 316, 200);
    t.controls = {
        {T::kGroupsId, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(6, 6, 196, 120)},
        {T::kNewId, L"Button", L"Nieuw", 0, ui::dlu(208, 5, 50, 14)},
        {T::kDeleteId, L"Button", L"Verwijder", 0, ui::dlu(262, 5, 50, 14)},
        {T::kFrameId, L"Button", L"Eigenschappen", ui::BS_GROUPBOX, ui::dlu(6, 24, 306, 172)},
        {T::kEnabledId, L"Button", L"Actief", ui::BS_AUTOCHECKBOX, ui::dlu(14, 37, 120, 10)},
        {T::kPictureLabelId, L"Static", L"Plaatje", 0, ui::dlu(14, 54, 50, 8)},
        {T::kPictureId, L"ComboBox", L"", ui::CBS_DROPDOWN | ui::WS_VSCROLL,
         ui::dlu(70, 52, 150, 100)},
        {T::kNamesFrameId, L"Button", L"Namen", ui::BS_GROUPBOX, ui::dlu(14, 72, 290, 118)},
        {T::kNamesId, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(22, 84, 274, 98)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

const int kPropertyControls[] = {T::kEnabledId,    T::kPictureLabelId, T::kPictureId,
                                 T::kNamesFrameId, T::kNamesId,        T::kDeleteId};

} // namespace

bool CTabEditLibGroups::onInitDialog() {
    setDlgItemText(kNewId, dialString(758).str());
    setDlgItemText(kDeleteId, dialString(759).str());
    setDlgItemText(kFrameId, dialString(760).str());
    setDlgItemText(kEnabledId, dialString(761).str());
    setDlgItemText(kPictureLabelId, dialString(762).str());
    setDlgItemText(kNamesFrameId, dialString(763).str());
    libnames::setUp(m_names, this, kNamesId);
    if (auto* pictures = dynamic_cast<ui::ComboBox*>(getDlgItem(kPictureId)))
        for (const Tvl_String& p : m_data->pictureNames)
            pictures->addString(p.str());
    m_layout.attach(this);
    m_layout.setMode(kGroupsId, DlgResizeLayout::kStretch, DlgResizeLayout::kStay);
    m_layout.setMode(kNewId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kDeleteId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kFrameId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layout.setMode(kEnabledId, DlgResizeLayout::kStay, DlgResizeLayout::kStay);
    m_layout.setMode(kNamesFrameId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layout.setMode(kNamesId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layout.setMode(kPictureLabelId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kPictureId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layoutReady = true;
    fill();
    return true;
}

void CTabEditLibGroups::fill() {
    auto* combo = dynamic_cast<ui::ComboBox*>(getDlgItem(kGroupsId));
    if (!combo)
        return;
    combo->resetContent();
    const SectionGroupArray& groups = m_data->groups;
    for (int i = 0; i < groups.length(); ++i) {
        combo->addString(groups[i].displayName().str());
        combo->setItemCheck(i, groups[i].enabled);
    }
    const bool valid = m_index >= 0 && m_index < groups.length();
    combo->setCurSel(valid ? m_index : -1);
    for (int id : kPropertyControls)
        enableDlgItem(this, id, valid);
    if (!valid) {
        checkDlgButton(kEnabledId, ui::BST_UNCHECKED);
        setDlgItemText(kPictureId, L"");
        libnames::show(m_names, Tvl_StringArray());
        return;
    }
    const SectionGroup& g = groups[m_index];
    checkDlgButton(kEnabledId, g.enabled ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    setDlgItemText(kPictureId, g.picture.str());
    libnames::show(m_names, g.names);
}

void CTabEditLibGroups::storeCurrent() {
    if (m_index < 0 || m_index >= m_data->groups.length())
        return;
    SectionGroup& g = m_data->groups[m_index];
    g.enabled = isDlgButtonChecked(kEnabledId) == ui::BST_CHECKED;
    g.picture = Tvl_String(getDlgItemText(kPictureId));
    g.names = libnames::take(m_names);
}

bool CTabEditLibGroups::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && id == kGroupsId && code == ui::CBN_SELCHANGE) {
        storeCurrent();
        m_index = static_cast<ui::ComboBox*>(from)->getCurSel();
        fill();
        return true;
    }
    if (from != nullptr && code == ui::BN_CLICKED) {
        switch (id) {
        case kNewId:
            storeCurrent();
            m_index = m_data->groups.appendNewGrp();
            fill();
            return true;
        case kDeleteId:
            if (m_index >= 0 && m_index < m_data->groups.length()) {
                m_data->groups.removeAt(m_index);
                if (m_index >= m_data->groups.length())
                    m_index = m_data->groups.length() - 1;
                fill();
            }
            return true;
        case kEnabledId:
            storeCurrent();
            fill();
            return true;
        default:
            break;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CTabEditLibGroups::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_layoutReady)
        m_layout.relayout();
}
