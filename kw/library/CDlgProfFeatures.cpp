#include "kw/library/CDlgProfFeatures.h"

#include "core/LanguageTexts.h"
#include "core/Tvl_Settings.h"
#include "kw/frame/ModuleResources.h"
#include "kw/library/CDlgSelectProf.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

using F = CDlgProfFeatures;

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = F::kTemplateId;
    t.caption = L"Profiel";
    t.rect = ui::dlu(0, 0, 220, 132);
    t.controls = {
        {F::kProfileLabelId, L"Static", L"Profiel", 0, ui::dlu(6, 8, 70, 8)},
        {F::kProfileId, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(80, 6, 112, 120)},
        {F::kChooseId, L"Button", L"...", 0, ui::dlu(196, 6, 18, 13)},
        {F::kLabel1Id, L"Static", L"", 0, ui::dlu(6, 26, 70, 8)},
        {F::kValue1Id, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(80, 24, 134, 100)},
        {F::kLabel2Id, L"Static", L"", 0, ui::dlu(6, 44, 70, 8)},
        {F::kValue2Id, L"Edit", L"", ui::WS_BORDER | ui::ES_AUTOHSCROLL, ui::dlu(80, 42, 134, 12)},
        {F::kLabel3Id, L"Static", L"", 0, ui::dlu(6, 62, 70, 8)},
        {F::kValue3Id, L"Edit", L"", ui::WS_BORDER | ui::ES_AUTOHSCROLL, ui::dlu(80, 60, 134, 12)},
        {F::kValue3ListId, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(80, 60, 134, 100)},
        {F::kLabel4Id, L"Static", L"", 0, ui::dlu(6, 80, 70, 8)},
        {F::kValue4Id, L"Edit", L"", ui::WS_BORDER | ui::ES_AUTOHSCROLL, ui::dlu(80, 78, 134, 12)},
        {F::kOptionId, L"Button", L"", ui::BS_AUTOCHECKBOX, ui::dlu(6, 96, 208, 10)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, ui::dlu(108, 114, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", 0, ui::dlu(164, 114, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

void show(ui::Window* dialog, int id, bool visible) {
    if (ui::Window* w = dialog->getDlgItem(id))
        w->showWindow(visible ? ui::SW_SHOW : ui::SW_HIDE);
}

} // namespace

Tvl_String CDlgProfFeatures::fieldText(int id) const {
    if (auto* c = dynamic_cast<ui::ComboBox*>(getDlgItem(id)))
        return c->getCurSel() < 0 ? Tvl_String() : Tvl_String(c->getLBText(c->getCurSel()));
    return Tvl_String(getDlgItemText(id));
}

void CDlgProfFeatures::setFieldText(int id, const Tvl_String& text) {
    if (auto* c = dynamic_cast<ui::ComboBox*>(getDlgItem(id))) {
        // A listed value is selected only when an entry equals it exactly.
        int found = -1;
        for (int i = 0; i < c->getCount() && found < 0; ++i)
            if (c->getLBText(i) == text.str())
                found = i;
        c->setCurSel(found);
        return;
    }
    setDlgItemText(id, text.str());
}

bool CDlgProfFeatures::onInitDialog() {
    setWindowText(m_data.caption.str());
    setDlgItemText(kProfileLabelId, dialString(1003).str());
    setDlgItemText(kChooseId, dialString(969).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    if (auto* profiles = dynamic_cast<ui::ComboBox*>(getDlgItem(kProfileId)))
        FillCombo(*profiles, m_data.profileName, m_profiles);
    for (int id : {kValue1Id, kValue3ListId})
        if (auto* list = dynamic_cast<ui::ComboBox*>(getDlgItem(id)))
            for (const Tvl_String& entry : m_data.list)
                list->addString(entry.str());
    show(this, m_data.row3FromList ? kValue3Id : kValue3ListId, false);

    const std::pair<int, const Tvl_String*> captions[] = {{kLabel1Id, &m_data.caption1},
                                                          {kLabel2Id, &m_data.caption2},
                                                          {kLabel3Id, &m_data.caption3},
                                                          {kLabel4Id, &m_data.caption4}};
    const int fields[] = {kValue1Id, kValue2Id, row3Field(), kValue4Id};
    const Tvl_String* values[] = {&m_data.value1, &m_data.value2, &m_data.value3, &m_data.value4};
    for (int r = 0; r < 4; ++r) {
        const bool shown = !captions[r].second->isEmpty();
        show(this, captions[r].first, shown);
        show(this, fields[r], shown);
        if (shown) {
            setDlgItemText(captions[r].first, captions[r].second->str());
            setFieldText(fields[r], *values[r]);
        }
    }
    m_value3 = m_data.value3;
    m_altValue3 = m_data.altValue3;
    m_optionShown = false;
    if (m_data.optionCaption.isEmpty()) {
        show(this, kOptionId, false);
    } else {
        setDlgItemText(kOptionId, m_data.optionCaption.str());
        checkDlgButton(kOptionId, m_data.option ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    }
    applyOption();
    return true;
}

void CDlgProfFeatures::applyOption() {
    const bool checked =
        !m_data.optionCaption.isEmpty() && isDlgButtonChecked(kOptionId) == ui::BST_CHECKED;
    if (!m_data.altCaption3.isEmpty())
        setDlgItemText(kLabel3Id, (checked ? m_data.altCaption3 : m_data.caption3).str());
    if (!m_data.altValue3.isEmpty() && checked != m_optionShown) {
        // Keep what was typed for the state being left, then show the other one's value.
        (m_optionShown ? m_altValue3 : m_value3) = fieldText(row3Field());
        setFieldText(row3Field(), checked ? m_altValue3 : m_value3);
        m_optionShown = checked;
    }
}

void CDlgProfFeatures::chooseProfile() {
    CDlgSelectProf select(this);
    select.m_data.profileName = m_profiles.length() > 0 ? m_data.profileName : Tvl_String();
    if (auto* profiles = dynamic_cast<ui::ComboBox*>(getDlgItem(kProfileId));
        profiles && profiles->getCurSel() >= 0 && profiles->getCurSel() < m_profiles.length())
        select.m_data.profileName = m_profiles[profiles->getCurSel()];
    if (select.doModal() != ui::IDOK)
        return;
    Tvl_String chosen = select.m_data.profileName;
    const Tvl_String lib = gSettings.libDir();
    if (chosen.startsWith(lib, true))
        chosen = chosen.getSubStringAt(lib.length());
    if (auto* profiles = dynamic_cast<ui::ComboBox*>(getDlgItem(kProfileId)))
        FillCombo(*profiles, chosen, m_profiles);
}

bool CDlgProfFeatures::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::BN_CLICKED) {
        if (id == kOptionId) {
            applyOption();
            return true;
        }
        if (id == kChooseId) {
            chooseProfile();
            return true;
        }
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CDlgProfFeatures::onOK() {
    if (auto* profiles = dynamic_cast<ui::ComboBox*>(getDlgItem(kProfileId));
        profiles && profiles->getCurSel() >= 0 && profiles->getCurSel() < m_profiles.length())
        m_data.profileName = m_profiles[profiles->getCurSel()];
    const bool checked = isDlgButtonChecked(kOptionId) == ui::BST_CHECKED;
    if (!m_data.optionCaption.isEmpty())
        m_data.option = checked;
    if (!m_data.caption1.isEmpty())
        m_data.value1 = fieldText(kValue1Id);
    if (!m_data.caption2.isEmpty())
        m_data.value2 = fieldText(kValue2Id);
    if (!m_data.caption3.isEmpty()) {
        const bool alternative = checked && !m_data.optionCaption.isEmpty();
        (alternative ? m_data.altValue3 : m_data.value3) = fieldText(row3Field());
    }
    if (!m_data.caption4.isEmpty())
        m_data.value4 = fieldText(kValue4Id);
    endDialog(ui::IDOK);
}
