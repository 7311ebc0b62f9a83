#include "kw/library/CTabEditLibTypes.h"

#include "core/LanguageTexts.h"
#include "core/MacroLangs.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/ModuleResources.h"
#include "kw/library/LibNamesGrid.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

using T = CTabEditLibTypes;

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = T::kTemplateId;
    t.caption = L"Types";
    t.style = ui::WS_CHILD | ui::DS_CONTROL;
    t.rect = ui::dlu(0, 0, 316, 200);
    t.controls = {
        {T::kTypesId, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(6, 6, 196, 120)},
        {T::kNewId, L"Button", L"Nieuw", 0, ui::dlu(208, 5, 50, 14)},
        {T::kDeleteId, L"Button", L"Verwijder", 0, ui::dlu(262, 5, 50, 14)},
        {T::kFrameId, L"Button", L"Eigenschappen", ui::BS_GROUPBOX, ui::dlu(6, 24, 306, 172)},
        {T::kEnabledId, L"Button", L"Actief", ui::BS_AUTOCHECKBOX, ui::dlu(14, 36, 120, 10)},
        {T::kPictureLabelId, L"Static", L"Plaatje", 0, ui::dlu(14, 52, 54, 8)},
        {T::kPictureId, L"ComboBox", L"", ui::CBS_DROPDOWN | ui::WS_VSCROLL,
         ui::dlu(70, 50, 150, 100)},
        {T::kGroupLabelId, L"Static", L"Groep", 0, ui::dlu(14, 68, 54, 8)},
        {T::kGroupId, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(70, 66, 150, 100)},
        {T::kTableLabelId, L"Static", L"Tabel", 0, ui::dlu(14, 84, 54, 8)},
        {T::kTableId, L"ComboBox", L"", ui::CBS_DROPDOWN | ui::WS_VSCROLL,
         ui::dlu(70, 82, 150, 100)},
        {T::kNamesFrameId, L"Button", L"Namen", ui::BS_GROUPBOX, ui::dlu(14, 100, 290, 90)},
        {T::kNamesId, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(22, 112, 274, 72)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

const int kPropertyControls[] = {T::kEnabledId, T::kPictureLabelId, T::kPictureId, T::kGroupLabelId,
                                 T::kGroupId,   T::kTableLabelId,   T::kTableId,   T::kNamesFrameId,
                                 T::kNamesId,   T::kDeleteId};

ui::ComboBox* combo(ui::Window* page, int id) {
    return dynamic_cast<ui::ComboBox*>(page->getDlgItem(id));
}

} // namespace

bool CTabEditLibTypes::onInitDialog() {
    setDlgItemText(kNewId, dialString(764).str());
    setDlgItemText(kDeleteId, dialString(765).str());
    setDlgItemText(kFrameId, dialString(760).str());
    setDlgItemText(kEnabledId, dialString(761).str());
    setDlgItemText(kPictureLabelId, dialString(762).str());
    setDlgItemText(kGroupLabelId, dialString(769).str());
    setDlgItemText(kTableLabelId, dialString(770).str());
    setDlgItemText(kNamesFrameId, dialString(771).str());
    libnames::setUp(m_names, this, kNamesId);
    if (auto* pictures = combo(this, kPictureId))
        for (const Tvl_String& p : m_data->pictureNames)
            pictures->addString(p.str());
    fillTables(m_data->tableNames);
    m_layout.attach(this);
    m_layout.setMode(kTypesId, DlgResizeLayout::kStretch, DlgResizeLayout::kStay);
    m_layout.setMode(kNewId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kDeleteId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kFrameId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layout.setMode(kEnabledId, DlgResizeLayout::kStretch, DlgResizeLayout::kStay);
    m_layout.setMode(kNamesFrameId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layout.setMode(kNamesId, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    m_layout.setMode(kPictureLabelId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kPictureId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kGroupLabelId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kGroupId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kTableLabelId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kTableId, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layoutReady = true;
    fill();
    return true;
}

void CTabEditLibTypes::fillGroups(long selectedId) {
    auto* groups = combo(this, kGroupId);
    if (!groups)
        return;
    groups->resetContent();
    Tvl_StringArray names;
    m_data->groups.namesOfAllGroups(names);
    for (int i = 0; i < names.length(); ++i) {
        groups->addString(names[i].str());
        groups->setItemData(i, m_data->groups[i].id);
    }
    groups->setCurSel(m_data->groups.indexOfId(selectedId));
}

void CTabEditLibTypes::fillTables(const Tvl_StringArray& tableNames) {
    auto* tables = combo(this, kTableId);
    if (!tables)
        return;
    const std::wstring typed = tables->getWindowText();
    tables->resetContent();
    for (const Tvl_String& t : tableNames)
        tables->addString(t.str());
    tables->setWindowText(typed);
}

long CTabEditLibTypes::selectedGroupId() const {
    auto* groups = dynamic_cast<ui::ComboBox*>(getDlgItem(kGroupId));
    if (!groups)
        return -1;
    const int sel = groups->getCurSel();
    if (sel < 0 || sel >= groups->getCount())
        return -1;
    const long id = static_cast<long>(groups->getItemData(sel));
    return m_data->groups.indexOfId(id) >= 0 ? id : -1;
}

void CTabEditLibTypes::refresh(const Tvl_StringArray& tableNames) {
    // The shown type's group by identifier: positions move when groups come and go.
    long shownId = -1;
    if (m_index >= 0 && m_index < m_data->types.length())
        shownId = selectedGroupId();
    fillGroups(shownId);
    fillTables(tableNames);
}

void CTabEditLibTypes::fill() {
    auto* list = combo(this, kTypesId);
    if (!list)
        return;
    list->resetContent();
    const Tvl_Array<SectionType>& types = m_data->types;
    for (int i = 0; i < types.length(); ++i) {
        list->addString(types[i].getName().str());
        list->setItemCheck(i, types[i].enabled);
    }
    const bool valid = m_index >= 0 && m_index < types.length();
    list->setCurSel(valid ? m_index : -1);
    for (int id : kPropertyControls)
        enableDlgItem(this, id, valid);
    if (!valid) {
        checkDlgButton(kEnabledId, ui::BST_UNCHECKED);
        setDlgItemText(kPictureId, L"");
        fillGroups(-1);
        setDlgItemText(kTableId, L"");
        libnames::show(m_names, Tvl_StringArray());
        return;
    }
    const SectionType& t = types[m_index];
    checkDlgButton(kEnabledId, t.enabled ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    setDlgItemText(kPictureId, t.picture.str());
    fillGroups(t.groupId);
    setDlgItemText(kTableId, t.tableName.str());
    libnames::show(m_names, t.names);
}

void CTabEditLibTypes::storeCurrent() {
    if (m_index < 0 || m_index >= m_data->types.length())
        return;
    SectionType& t = m_data->types[m_index];
    t.enabled = isDlgButtonChecked(kEnabledId) == ui::BST_CHECKED;
    t.picture = Tvl_String(getDlgItemText(kPictureId));
    t.groupId = selectedGroupId();
    t.tableName = Tvl_String(getDlgItemText(kTableId));
    t.names = libnames::take(m_names);
}

bool CTabEditLibTypes::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && id == kTypesId && code == ui::CBN_SELCHANGE) {
        storeCurrent();
        m_index = static_cast<ui::ComboBox*>(from)->getCurSel();
        fill();
        return true;
    }
    if (from != nullptr && code == ui::BN_CLICKED) {
        switch (id) {
        case kNewId: {
            storeCurrent();
            // The names of a new type go to their languages by code.
            const std::pair<const wchar_t*, const wchar_t*> defaults[] = {{L"NL", L"Nieuw type"},
                                                                          {L"EN", L"New type"},
                                                                          {L"FR", L"Nouveau type"},
                                                                          {L"DE", L"New type"}};
            Tvl_StringArray codes;
            gMacroLangs.GetAllLanguages(codes);
            SectionType t;
            t.names.setLogicalLength(codes.length());
            for (const auto& [code, name] : defaults) {
                int index = -1;
                if (codes.find(code, index))
                    t.names[index] = name;
            }
            m_index = m_data->types.append(t);
            fill();
            return true;
        }
        case kDeleteId:
            if (m_index >= 0 && m_index < m_data->types.length()) {
                m_data->types.removeAt(m_index);
                if (m_index >= m_data->types.length())
                    m_index = m_data->types.length() - 1;
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

void CTabEditLibTypes::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_layoutReady)
        m_layout.relayout();
}
