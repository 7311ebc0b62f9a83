#include "kw/fabrication/CDlgLookup.h"

#include "core/LanguageTexts.h"
#include "kw/fabrication/FabricationControls.h"
#include "kw/frame/ModuleResources.h"

using namespace kw::fabrication;

namespace {

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    const unsigned editCombo =
        ui::WS_TABSTOP | ui::CBS_DROPDOWN | ui::CBS_AUTOHSCROLL | ui::WS_VSCROLL;
    const unsigned listCombo = ui::WS_TABSTOP | ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL;
    ui::DialogTemplate t;
    t.id = CDlgLookup::kTemplateId;
    t.caption = L"Opzoeken";
    t.rect = dlu(0, 0, 250, 180);
    t.controls = {
        {1395, L"Button", L"Criteria", ui::BS_GROUPBOX, dlu(7, 5, 236, 118)},
        {1123, L"Static", L"Naam", 0, dlu(14, 20, 70, 8)},
        {CDlgLookup::kNameId, L"ComboBox", L"", editCombo, dlu(90, 18, 146, 80)},
        {1385, L"Static", L"Profiel", 0, dlu(14, 37, 70, 8)},
        {CDlgLookup::kSecondId, L"ComboBox", L"", editCombo, dlu(90, 35, 146, 80)},
        {1124, L"Static", L"Materiaal", 0, dlu(14, 54, 70, 8)},
        {CDlgLookup::kThirdId, L"ComboBox", L"", editCombo, dlu(90, 52, 146, 80)},
        {1388, L"Static", L"Eigenschap", 0, dlu(14, 71, 70, 8)},
        {CDlgLookup::kFourthId, L"ComboBox", L"", editCombo, dlu(90, 69, 146, 80)},
        {CDlgLookup::kComparisonId, L"ComboBox", L"", listCombo, dlu(90, 86, 146, 60)},
        {1390, L"Static", L"Waarde", 0, dlu(14, 105, 70, 8)},
        {CDlgLookup::kValueId, L"ComboBox", L"", editCombo, dlu(90, 103, 146, 80)},
        {1392, L"Static", L"Zoeken in", 0, dlu(14, 131, 70, 8)},
        {CDlgLookup::kScopeId, L"ComboBox", L"", listCombo, dlu(90, 129, 146, 60)},
        {CDlgLookup::kOptionId, L"Button", L"Selecteren", ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX,
         dlu(14, 146, 150, 10)},
        {CDlgLookup::kShowAllId, L"Button", L"Show All", ui::WS_TABSTOP, dlu(7, 160, 60, 14)},
        {ui::IDOK, L"Button", L"OK", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON, dlu(137, 160, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", ui::WS_TABSTOP, dlu(193, 160, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

void fillWithText(ui::Window* d, int id, const Tvl_StringArray& items, const Tvl_String& text) {
    fillCombo(d, id, items);
    d->setDlgItemText(id, text.str());
}

} // namespace

CDlgLookup::CDlgLookup(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

bool CDlgLookup::onInitDialog() {
    setWindowText(dialString(1499).str());
    setDlgItemText(1395, dialString(1500).str());
    setDlgItemText(1123, dialString(87).str());
    setDlgItemText(1385, string(2262).str());
    setDlgItemText(1124, string(2263).str());
    setDlgItemText(1388, dialString(95).str());
    setDlgItemText(1390, dialString(96).str());
    setDlgItemText(1392, dialString(1501).str());
    setDlgItemText(kOptionId, dialString(1502).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    setDlgItemText(kShowAllId, dialString(1503).str());
    fillWithText(this, kNameId, m_data.m_names, m_data.m_name);
    fillWithText(this, kSecondId, m_data.m_secondValues, m_data.m_second);
    fillWithText(this, kThirdId, m_data.m_thirdValues, m_data.m_third);
    fillWithText(this, kFourthId, m_data.m_fourthValues, m_data.m_fourth);
    fillCombo(this, kComparisonId,
              Tvl_StringArray{dialString(88), dialString(89), dialString(1511)});
    fillWithText(this, kValueId, m_data.m_values, m_data.m_value);
    fillCombo(this, kScopeId,
              Tvl_StringArray{dialString(1504), dialString(1505), dialString(1506)});
    selectCombo(this, kComparisonId, m_data.m_comparison);
    selectCombo(this, kScopeId, m_data.m_scope);
    checkDlgButton(kOptionId, m_data.m_option ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    return true;
}

void CDlgLookup::finish(int endMode) {
    m_data.m_name = itemText(this, kNameId);
    m_data.m_second = itemText(this, kSecondId);
    m_data.m_third = itemText(this, kThirdId);
    m_data.m_fourth = itemText(this, kFourthId);
    m_data.m_value = itemText(this, kValueId);
    // With nothing selected (a record whose number was out of range) the record keeps its
    // value rather than taking -1.
    if (const int scope = comboSelection(this, kScopeId); scope >= 0)
        m_data.m_scope = scope;
    if (const int comparison = comboSelection(this, kComparisonId); comparison >= 0)
        m_data.m_comparison = comparison;
    m_data.m_option = isDlgButtonChecked(kOptionId) == ui::BST_CHECKED;
    m_data.m_endMode = endMode;
    endDialog(ui::IDOK);
}

void CDlgLookup::onOK() {
    finish(BmLookUpDlgData::kEndOk);
}

bool CDlgLookup::onCommand(int id, int code, ui::Window* from) {
    if (id == kShowAllId && code == ui::BN_CLICKED && from != nullptr) {
        finish(BmLookUpDlgData::kEndShowAll);
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}
