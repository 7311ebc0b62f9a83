#include "kw/macro/CDlgMacroProfSegm.h"

#include "core/LanguageTexts.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/WindowPlacement.h"
#include "kw/macro/MacroProfIds.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::macro::prof;

namespace {

constexpr const wchar_t* kPlacement = L"DLG_MACRO_PROFSEGMENTED";
constexpr int kIconAdd = 212;
constexpr int kIconRemove = 206;

void addTemplate(ui::ResourceModule& module) {
    using ui::dlu;
    ui::DialogTemplate t;
    t.id = kDlgProfSegm;
    t.caption = L"Gesegmenteerde profielen";
    t.style |= ui::WS_THICKFRAME;
    t.rect = dlu(0, 0, 240, 200);
    t.controls = {
        {kSegmListLabel, L"Static", L"Profiel", 0, dlu(6, 8, 40, 8)},
        {kSegmList, L"ComboBox", L"", ui::CBS_DROPDOWNLIST | ui::WS_VSCROLL, dlu(50, 6, 184, 100)},
        {kSegmFrame, L"Button", L"Eigenschappen", ui::BS_GROUPBOX, dlu(6, 24, 228, 110)},
        {kGrid, L"Static", L"", ui::SS_BLACKFRAME, dlu(12, 36, 196, 92)},
        {kSegmAdd, L"Button", L"", 0, dlu(212, 36, 16, 14)},
        {kSegmRemove, L"Button", L"", 0, dlu(212, 52, 16, 14)},
        {kSegmNameLabel, L"Static", L"Naam", 0, dlu(6, 142, 50, 8)},
        {kSegmName, L"Edit", L"", ui::ES_AUTOHSCROLL, dlu(60, 140, 100, 12)},
        {kSegmClearanceLabel, L"Static", L"Speling", 0, dlu(6, 158, 50, 8)},
        {kSegmClearance, L"Edit", L"", ui::ES_AUTOHSCROLL, dlu(60, 156, 40, 12)},
        {kSegmBreak, L"Button", L"Breken", ui::BS_AUTOCHECKBOX, dlu(110, 157, 124, 10)},
        {kSegmRefresh, L"Button", L"Verversen", 0, dlu(6, 180, 60, 14)},
        {ui::IDOK, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, dlu(124, 180, 52, 14)},
        {ui::IDCANCEL, L"Button", L"Annuleren", 0, dlu(182, 180, 52, 14)},
    };
    module.addDialog(std::move(t));
}

const kw::ResourceRegistrar registrar(addTemplate);

} // namespace

CDlgMacroProfSegm::CDlgMacroProfSegm(ui::Window* parent) : ui::Dialog(kDlgProfSegm, parent) {}

bool CDlgMacroProfSegm::onInitDialog() {
    m_gridMade = m_grid.attach(this, kGrid, true);
    setupIconButton(this, m_add, kSegmAdd, kIconAdd, dialString(1025));
    setupIconButton(this, m_remove, kSegmRemove, kIconRemove, dialString(1026));
    setWindowText(dialString(1027).str());
    setDlgItemText(kSegmListLabel, dialString(1028).str());
    setDlgItemText(kSegmFrame, dialString(63).str());
    setDlgItemText(kSegmNameLabel, dialString(1029).str());
    setDlgItemText(kSegmClearanceLabel, dialString(266).str());
    setDlgItemText(kSegmBreak, dialString(1030).str());
    setDlgItemText(kSegmRefresh, dialString(1031).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    if (m_gridMade) {
        m_grid.setColCount(2);
        Tvl_StringArray headers;
        headers.append(dialString(1032) + L" nr.");
        headers.append(dialString(1033));
        m_grid.setColHeaderTexts(headers);
    }
    if (m_resizer.Init(this)) {
        using Side = CResizer::Side;
        using Rule = CResizer::Rule;
        m_resizer.KeepToParent(kSegmList, Side::Right);
        m_resizer.KeepToParent(kSegmFrame, Side::Right);
        m_resizer.KeepToParent(kSegmFrame, Side::Bottom);
        m_resizer.KeepToParent(kGrid, Side::Right);
        m_resizer.KeepToParent(kGrid, Side::Bottom);
        for (int id : {kSegmAdd, kSegmRemove}) {
            m_resizer.KeepToParent(id, Side::Right);
            m_resizer.KeepSize(id, Side::Left);
        }
        for (int id : {kSegmNameLabel, kSegmName, kSegmClearanceLabel, kSegmClearance, kSegmBreak,
                       kSegmRefresh, static_cast<int>(ui::IDOK), static_cast<int>(ui::IDCANCEL)}) {
            m_resizer.SetRule(id, Side::Top, Rule::Parent, 0, Side::Bottom);
            m_resizer.KeepSize(id, Side::Bottom);
        }
        m_resizerReady = true;
    }
    restoreWindowPlacement(this, kPlacement, false, 0, 0);
    if (auto* list = dynamic_cast<ui::ComboBox*>(getDlgItem(kSegmList)))
        for (const MacroProfSegmentedData& p : m_profiles)
            list->addString(p.listText().str());
    const bool any = m_profiles.length() > 0;
    for (int id : {kSegmList, kSegmName, kSegmClearance, kSegmBreak, kSegmAdd, kSegmRemove,
                   kSegmRefresh, kGrid})
        enableDlgItem(this, id, any);
    if (any)
        showProfile(0);
    return true;
}

void CDlgMacroProfSegm::onSize(unsigned type, int cx, int cy) {
    ui::Dialog::onSize(type, cx, cy);
    if (m_resizerReady)
        m_resizer.Move();
}

void CDlgMacroProfSegm::showProfile(int index) {
    if (index < 0 || index >= m_profiles.length())
        return;
    m_shown = index;
    const MacroProfSegmentedData& p = m_profiles[index];
    if (auto* list = dynamic_cast<ui::ComboBox*>(getDlgItem(kSegmList)))
        list->setCurSel(index);
    setDlgItemText(kSegmName, p.m_name.str());
    setDlgItemText(kSegmClearance, p.m_clearance.str());
    checkDlgButton(kSegmBreak, p.m_breakAtPoints ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    if (!m_gridMade)
        return;
    m_grid.setRowCount(p.m_points.length());
    for (int r = 0; r < p.m_points.length(); ++r)
        m_grid.setRowTexts(r + 1, p.m_points[r]);
}

bool CDlgMacroProfSegm::storeProfile() {
    if (m_shown < 0 || m_shown >= m_profiles.length())
        return true;
    MacroProfSegmentedData next = m_profiles[m_shown];
    next.m_name = Tvl_String(getDlgItemText(kSegmName));
    next.m_clearance = Tvl_String(getDlgItemText(kSegmClearance)).trimmed();
    next.m_breakAtPoints = isDlgButtonChecked(kSegmBreak) == ui::BST_CHECKED;
    // The clearance and the points' values are distances: numbers, the clearance not
    // below 0. Anything else is refused and the profile keeps what it had.
    double number = 0;
    if (!next.m_clearance.isEmpty() && (!next.m_clearance.toDouble(number) || number < 0)) {
        refuse(next.m_clearance);
        return false;
    }
    if (m_gridMade) {
        if (m_grid.isEditing())
            m_grid.endEdit(true);
        next.m_points.clear();
        for (int r = 1; r <= m_grid.rowCount(); ++r) {
            Tvl_StringArray row;
            m_grid.getRowTexts(r, row);
            while (row.length() < 2)
                row.append(L"");
            const Tvl_String value = row[1].trimmed();
            if (!value.isEmpty() && !value.toDouble(number)) {
                refuse(value);
                return false;
            }
            next.m_points.append(row);
        }
    }
    m_profiles[m_shown] = next;
    return true;
}

void CDlgMacroProfSegm::refuse(const Tvl_String& value) {
    messageBox((dialString(kTextNotANumber) + L" \"" + value + L"\"").str(), dialString(1027).str(),
               ui::MB_OK | ui::MB_ICONEXCLAMATION);
}

void CDlgMacroProfSegm::addRow() {
    if (!m_gridMade || m_shown < 0)
        return;
    const int row = m_grid.rowCount() + 1;
    m_grid.setRowCount(row);
    Tvl_StringArray texts;
    texts.append(Tvl_String(row));
    texts.append(L"0");
    m_grid.setRowTexts(row, texts);
}

void CDlgMacroProfSegm::removeRow() {
    int col = 0, row = 0;
    if (!m_gridMade || m_shown < 0 || !m_grid.activeCell(col, row) || row < 1 ||
        row > m_grid.rowCount())
        return;
    m_grid.deleteRowAt(row);
}

bool CDlgMacroProfSegm::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr) {
        if (id == kSegmList && code == ui::CBN_SELCHANGE) {
            auto* list = dynamic_cast<ui::ComboBox*>(getDlgItem(kSegmList));
            const int chosen = list ? list->getCurSel() : -1;
            if (!storeProfile()) {
                if (list)
                    list->setCurSel(m_shown); // the refused text stays to be corrected
                return true;
            }
            if (auto* l = list) {
                // The list shows the stored name.
                if (m_shown >= 0) {
                    l->deleteString(m_shown);
                    l->insertString(m_shown, m_profiles[m_shown].listText().str());
                }
            }
            showProfile(chosen);
            return true;
        }
        if (id == kSegmAdd && code == ui::BN_CLICKED) {
            addRow();
            return true;
        }
        if (id == kSegmRemove && code == ui::BN_CLICKED) {
            removeRow();
            return true;
        }
        if (id == kSegmRefresh)
            return true; // no action of its own
    }
    return ui::Dialog::onCommand(id, code, from);
}

void CDlgMacroProfSegm::onOK() {
    if (!storeProfile())
        return;
    saveWindowPlacement(this, kPlacement);
    ui::Dialog::onOK();
}
