#include "kw/library/CDlgSelectProf.h"

#include "core/LanguageTexts.h"
#include "core/library/DlgEditLibData.h"
#include "kw/frame/ModuleResources.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

void addTemplate(ui::ResourceModule& module) {
    ui::DialogTemplate t;
    t.id = CDlgSelectProf::kTemplateId;
    t.caption = L"Profiel kiezen";
    t.rect = ui::dlu(0, 0, 200, 62);
    t.controls = {
        {1403, L"Static", L"Tabel", 0, ui::dlu(6, 8, 50, 8)},
        {CDlgSelectProf::kTablesId, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(60, 6, 134, 120)},
        {1404, L"Static", L"Profiel", 0, ui::dlu(6, 26, 50, 8)},
        {CDlgSelectProf::kSizesId, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL,
         ui::dlu(60, 24, 134, 120)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, ui::dlu(88, 44, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", 0, ui::dlu(144, 44, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace

bool CDlgSelectProf::onInitDialog() {
    setWindowText(dialString(1003).str());
    setDlgItemText(1403, dialString(770).str());
    setDlgItemText(1404, dialString(1003).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    DlgEditLibData files;
    files.GetAvailableFiles();
    m_tables = files.tableNames;
    auto* tables = dynamic_cast<ui::ComboBox*>(getDlgItem(kTablesId));
    if (!tables)
        return true;
    for (const Tvl_String& t : m_tables)
        tables->addString(t.str());
    int index = -1;
    m_tables.find(tableOfProfile(m_tables, m_data.profileName), index);
    tables->setCurSel(index < 0 && m_tables.length() > 0 ? 0 : index);
    fillSizes(m_data.profileName);
    return true;
}

void CDlgSelectProf::fillSizes(const Tvl_String& selected) {
    auto* tables = dynamic_cast<ui::ComboBox*>(getDlgItem(kTablesId));
    auto* sizes = dynamic_cast<ui::ComboBox*>(getDlgItem(kSizesId));
    if (!tables || !sizes)
        return;
    const int t = tables->getCurSel();
    const Tvl_String table = t >= 0 && t < m_tables.length() ? m_tables[t] : Tvl_String();
    // The sizes of the table, by way of the shared profile combo filling.
    FillCombo(*sizes, selected.startsWith(table + L"-", true) ? selected : table + L"-",
              m_fullNames);
    if (sizes->getCurSel() < 0 && sizes->getCount() > 0)
        sizes->setCurSel(0);
    // The placeholder "TABLE-" is not a size.
    const int last = sizes->getCount() - 1;
    if (last >= 0 && m_fullNames[last] == table + L"-") {
        sizes->deleteString(last);
        m_fullNames.removeAt(last);
        if (sizes->getCurSel() < 0 && sizes->getCount() > 0)
            sizes->setCurSel(0);
    }
}

bool CDlgSelectProf::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && id == kTablesId && code == ui::CBN_SELCHANGE) {
        fillSizes(Tvl_String());
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CDlgSelectProf::onOK() {
    auto* sizes = dynamic_cast<ui::ComboBox*>(getDlgItem(kSizesId));
    const int s = sizes ? sizes->getCurSel() : -1;
    if (s < 0 || s >= m_fullNames.length())
        return; // nothing chosen: stay
    m_data.profileName = m_fullNames[s];
    endDialog(ui::IDOK);
}
