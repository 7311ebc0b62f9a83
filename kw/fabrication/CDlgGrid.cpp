#include "kw/fabrication/CDlgGrid.h"

#include "core/LanguageTexts.h"
#include "kw/frame/ModuleResources.h"

#include <climits>

namespace {

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    const unsigned edit = ui::WS_TABSTOP | ui::WS_BORDER | ui::ES_AUTOHSCROLL;
    ui::DialogTemplate t;
    t.id = CDlgGrid::kTemplateId;
    t.caption = L"Stramien";
    t.rect = dlu(0, 0, 230, 136);
    t.controls = {
        {1372, L"Button", L"Richting 1", ui::BS_GROUPBOX, dlu(7, 5, 106, 84)},
        {1366, L"Static", L"Aantal", 0, dlu(14, 21, 44, 8)},
        {CDlgGrid::kFirstCountId, L"Edit", L"", edit, dlu(60, 19, 46, 12)},
        {1368, L"Static", L"Afstand", 0, dlu(14, 41, 44, 8)},
        {CDlgGrid::kFirstDistanceId, L"Edit", L"", edit, dlu(60, 39, 46, 12)},
        {1370, L"Static", L"Label", 0, dlu(14, 61, 44, 8)},
        {CDlgGrid::kFirstLabelId, L"Edit", L"", edit, dlu(60, 59, 46, 12)},
        {1375, L"Button", L"Richting 2", ui::BS_GROUPBOX, dlu(117, 5, 106, 84)},
        {1373, L"Static", L"Aantal", 0, dlu(124, 21, 44, 8)},
        {CDlgGrid::kSecondCountId, L"Edit", L"", edit, dlu(170, 19, 46, 12)},
        {1376, L"Static", L"Afstand", 0, dlu(124, 41, 44, 8)},
        {CDlgGrid::kSecondDistanceId, L"Edit", L"", edit, dlu(170, 39, 46, 12)},
        {1378, L"Static", L"Label", 0, dlu(124, 61, 44, 8)},
        {CDlgGrid::kSecondLabelId, L"Edit", L"", edit, dlu(170, 59, 46, 12)},
        {CDlgGrid::kOptionId, L"Button", L"Maatvoering", ui::WS_TABSTOP | ui::BS_AUTOCHECKBOX,
         dlu(9, 96, 150, 10)},
        {ui::IDOK, L"Button", L"OK", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON, dlu(117, 115, 50, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", ui::WS_TABSTOP, dlu(173, 115, 50, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

// The product reads counts with the C runtime's conversion: the leading number, 0 when
// there is none; here it saturates at the int range instead of wrapping.
int readCount(const std::wstring& text) {
    return Tvl_String(text).toInt();
}

} // namespace

CDlgGrid::CDlgGrid(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

bool CDlgGrid::onInitDialog() {
    setWindowText(dialString(1463).str());
    setDlgItemText(1372, dialString(1464).str());
    setDlgItemText(1375, dialString(1465).str());
    for (int id : {1366, 1373})
        setDlgItemText(id, dialString(1466).str());
    for (int id : {1368, 1376})
        setDlgItemText(id, dialString(1467).str());
    for (int id : {1370, 1378})
        setDlgItemText(id, dialString(1468).str());
    setDlgItemText(kOptionId, dialString(1469).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    setDlgItemText(kFirstCountId, Tvl_String(m_data.m_firstCount).str());
    setDlgItemText(kFirstDistanceId, m_data.m_firstDistance.str());
    setDlgItemText(kFirstLabelId, m_data.m_firstLabel.str());
    setDlgItemText(kSecondCountId, Tvl_String(m_data.m_secondCount).str());
    setDlgItemText(kSecondDistanceId, m_data.m_secondDistance.str());
    setDlgItemText(kSecondLabelId, m_data.m_secondLabel.str());
    checkDlgButton(kOptionId, m_data.m_option ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    return true;
}

void CDlgGrid::onOK() {
    m_data.m_firstCount = readCount(getDlgItemText(kFirstCountId));
    m_data.m_firstDistance = Tvl_String(getDlgItemText(kFirstDistanceId));
    m_data.m_firstLabel = Tvl_String(getDlgItemText(kFirstLabelId));
    m_data.m_secondCount = readCount(getDlgItemText(kSecondCountId));
    m_data.m_secondDistance = Tvl_String(getDlgItemText(kSecondDistanceId));
    m_data.m_secondLabel = Tvl_String(getDlgItemText(kSecondLabelId));
    m_data.m_option = isDlgButtonChecked(kOptionId) == ui::BST_CHECKED;
    endDialog(ui::IDOK);
}
