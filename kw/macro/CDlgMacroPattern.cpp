#include "kw/macro/CDlgMacroPattern.h"

#include "core/LanguageTexts.h"
#include "core/MacroTabData.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/macro/CDlgMacro.h"
#include "kw/macro/CMacroTabGeneral.h"
#include "kw/macro/MacroBoltIds.h"
#include "kw/macro/ThreeStateBox.h"
#include "platform/grid/control/GridMessages.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::macro;
using namespace kw::macro::bolt;

namespace {

constexpr int kVaries = -1;
constexpr int kOptionIds[4] = {kMirror, kUseEdge, kCentre, kNumbers};
constexpr int kDistributionTexts[4] = {695, 996, 1055, 994};
constexpr const wchar_t* kInvalidCaption = L"Ongeldige waarde";

bool isOption(int id) {
    for (int o : kOptionIds)
        if (o == id)
            return true;
    return false;
}

bool wholeCount(const Tvl_String& text) {
    int n = 0;
    return text.toInt(n) && n >= 0;
}

bool numberOrEmpty(const Tvl_String& text) {
    double v = 0;
    return text.trimmed().isEmpty() || text.toDouble(v);
}

} // namespace

CDlgMacroPattern::CDlgMacroPattern(CMacroTabGeneral* owner, int index,
                                   const MacroPatternProps& pattern, ui::Window* parent)
    : ui::Dialog(kDlgPattern, parent), m_pattern(pattern), m_owner(owner), m_index(index) {
    for (int i = 0; i < 4; ++i)
        m_options[i] = pattern.m_options[i];
}

Tvl_String CDlgMacroPattern::itemText(int id) const {
    const ui::Window* w = getDlgItem(id);
    return w ? Tvl_String(w->getWindowText()) : Tvl_String();
}

bool CDlgMacroPattern::twoDirections() const {
    return !m_pattern.m_count2.trimmed().isEmpty();
}

bool CDlgMacroPattern::onInitDialog() {
    setWindowText(dialString(1034).str());
    setDlgItemText(ui::IDOK, dialString(285).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    setDlgItemText(kMirror, dialString(1051).str());
    setDlgItemText(kUseEdge, dialString(1052).str());
    setDlgItemText(kCentre, dialString(1053).str());
    setDlgItemText(kNumbers, dialString(1054).str());
    setUpDirection(0);
    setUpDirection(1);
    showDirection(0);
    showDirection(1);
    for (int i = 0; i < 4; ++i)
        showThreeState(*this, kOptionIds[i], m_options[i], kVaries);
    enableControls();
    m_initialised = true;
    return true;
}

void CDlgMacroPattern::setUpDirection(int d) {
    const PatternPanelIds& p = kPanels[d];
    setDlgItemText(p.distributionLabel, dialString(1042).str());
    setDlgItemText(p.fixed, dialString(1043).str());
    setDlgItemText(p.staggered, dialString(1402).str());
    setDlgItemText(p.distanceLabel, dialString(1360).str());
    if (auto* combo = dynamic_cast<ui::ComboBox*>(getDlgItem(p.distribution)))
        for (int text : kDistributionTexts)
            combo->addString(dialString(text).str());
    Tvl_Spread& g = m_grids[d];
    m_gridMade[d] = g.attach(this, p.grid, true);
    if (!m_gridMade[d])
        return;
    g.setColCount(4);
    g.sheet().setColumnWidthPx(kColNumber, 32);
    g.sheet().setColumnWidthPx(kColDistance, 62);
    g.sheet().setColumnWidthPx(kColOffset, 62);
    g.sheet().setColumnWidthPx(kColActive, 30);
    Tvl_StringArray headers;
    headers.append(L"Nr.");
    headers.append(dialString(1360));
    headers.append(dialString(1402));
    headers.append(dialString(761));
    g.setColHeaderTexts(headers);
    Tvl_Array<int> menu;
    menu.append(Tvl_Spread::kMenuInsertRow);
    menu.append(Tvl_Spread::kMenuDeleteRow);
    g.setMenuItems(menu);
}

void CDlgMacroPattern::showDirection(int d) {
    const PatternPanelIds& p = kPanels[d];
    const MacroPatternDirection& dir = m_pattern.m_directions[d];
    if (auto* combo = dynamic_cast<ui::ComboBox*>(getDlgItem(p.distribution)))
        combo->setCurSel(dir.m_listSelection);
    checkDlgButton(p.fixed, dir.m_mode ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    checkDlgButton(p.staggered, dir.m_option > 0 ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    setDlgItemText(p.count, m_pattern.countText(d + 1).str());
    setDlgItemText(p.distance, dir.m_distance.str());
    if (!m_gridMade[d])
        return;
    Tvl_Spread& g = m_grids[d];
    g.setRowCount(dir.m_rows.length());
    for (int r = 0; r < dir.m_rows.length(); ++r)
        g.setRowTexts(r + 1, dir.m_rows[r]);
    g.setColumnCheckBox(kColActive);
    g.sheet().setLocked(grid::CellRange{kColNumber, 1, kColNumber, g.rowCount()}, true);
}

// Fixed distances: one row per gap between two bolts. A count typed in the panel adds
// rows (at the panel's distance) or drops the last ones.
void CDlgMacroPattern::fitRowsToCount(int d) {
    int count = 0;
    if (!m_gridMade[d] || !itemText(kPanels[d].count).toInt(count) || count < 0 || count > 1000)
        return;
    Tvl_Spread& g = m_grids[d];
    const int rows = std::max(count - 1, 0);
    const int had = g.rowCount();
    if (rows == had)
        return;
    g.setRowCount(rows);
    for (int r = had + 1; r <= rows; ++r) {
        Tvl_StringArray texts;
        texts.append(Tvl_String(r));
        texts.append(itemText(kPanels[d].distance));
        texts.append(L"0");
        texts.append(L"1");
        g.setRowTexts(r, texts);
    }
    g.setColumnCheckBox(kColActive);
    if (rows > 0)
        g.sheet().setLocked(grid::CellRange{kColNumber, 1, kColNumber, rows}, true);
}

void CDlgMacroPattern::storeDirection(int d) {
    const PatternPanelIds& p = kPanels[d];
    MacroPatternDirection& dir = m_pattern.m_directions[d];
    if (auto* combo = dynamic_cast<ui::ComboBox*>(getDlgItem(p.distribution)))
        if (combo->getCurSel() >= 0)
            dir.m_listSelection = combo->getCurSel();
    dir.m_mode = isDlgButtonChecked(p.fixed) == ui::BST_CHECKED;
    dir.m_option = isDlgButtonChecked(p.staggered) == ui::BST_CHECKED ? 1 : 0;
    if (d == 0 || twoDirections())
        m_pattern.setCountText(d + 1, itemText(p.count).trimmed());
    dir.m_distance = itemText(p.distance).trimmed();
    if (!m_gridMade[d])
        return;
    Tvl_Spread& g = m_grids[d];
    if (g.isEditing())
        g.endEdit(true);
    dir.m_rows.clear();
    for (int r = 1; r <= g.rowCount(); ++r) {
        Tvl_StringArray row;
        g.getRowTexts(r, row);
        while (row.length() < 4)
            row.append(L"");
        row.setLogicalLength(4);
        dir.m_rows.append(row);
    }
}

void CDlgMacroPattern::store() {
    storeDirection(0);
    storeDirection(1);
    for (int i = 0; i < 4; ++i) {
        m_options[i] = readThreeState(*this, kOptionIds[i], kVaries);
        m_pattern.m_options[i] = m_options[i];
    }
}

void CDlgMacroPattern::enableControls() {
    // A pattern placed at the edge distance has no distribution of its own.
    const bool distribution = isDlgButtonChecked(kUseEdge) != ui::BST_CHECKED;
    for (int d = 0; d < 2; ++d) {
        const PatternPanelIds& p = kPanels[d];
        const bool panel = d == 0 || twoDirections();
        const bool fixed = isDlgButtonChecked(p.fixed) == ui::BST_CHECKED;
        enableDlgItem(this, p.distributionLabel, panel && distribution);
        enableDlgItem(this, p.distribution, panel && distribution);
        for (int id : {p.fixed, p.staggered, p.count})
            enableDlgItem(this, id, panel);
        enableDlgItem(this, p.distanceLabel, panel && !fixed);
        enableDlgItem(this, p.distance, panel && !fixed);
        if (m_gridMade[d])
            m_grids[d].enableWindow(panel && fixed);
    }
}

bool CDlgMacroPattern::findRefused(Tvl_String& text) const {
    for (int d = 0; d < 2; ++d) {
        if (d == 1 && !twoDirections())
            continue;
        const Tvl_String count = itemText(kPanels[d].count).trimmed();
        if (!wholeCount(count)) {
            text = count;
            return true;
        }
        const Tvl_String distance = itemText(kPanels[d].distance);
        if (!numberOrEmpty(distance)) {
            text = distance;
            return true;
        }
    }
    return false;
}

void CDlgMacroPattern::changed() {
    if (!m_initialised || m_showing)
        return;
    Tvl_String refused;
    if (findRefused(refused))
        return; // still being typed: OK says what is wrong
    store();
    CMacroTabGeneral* owner = m_owner.get();
    if (owner == nullptr)
        return;
    ++m_handBacks;
    if (!owner->patternChanged(m_index, m_pattern))
        return;
    // The tab now holds what the model kept: a refused value disappears from the dialog
    // as it does from the page, instead of being handed back with every later change.
    CDlgMacro* frame = getDlgOwner(owner);
    const MacroTabData* tab = frame ? frame->tabData(owner->tabIndex()) : nullptr;
    if (tab == nullptr || m_index >= tab->m_patterns.length() ||
        tab->m_patterns[m_index].sameValue(m_pattern))
        return;
    m_pattern = tab->m_patterns[m_index];
    m_showing = true;
    for (int d = 0; d < 2; ++d) {
        // Only what differs is written, so the edit being typed in keeps its caret.
        const PatternPanelIds& p = kPanels[d];
        if (itemText(p.count).trimmed() != m_pattern.countText(d + 1))
            setDlgItemText(p.count, m_pattern.countText(d + 1).str());
        if (itemText(p.distance).trimmed() != m_pattern.m_directions[d].m_distance)
            setDlgItemText(p.distance, m_pattern.m_directions[d].m_distance.str());
    }
    m_showing = false;
}

bool CDlgMacroPattern::onCommand(int id, int code, ui::Window* from) {
    if (from == nullptr || !m_initialised)
        return ui::Dialog::onCommand(id, code, from);
    for (int d = 0; d < 2; ++d) {
        const PatternPanelIds& p = kPanels[d];
        if ((id == p.count || id == p.distance) && code == ui::EN_CHANGE) {
            if (id == p.count)
                fitRowsToCount(d);
            changed();
            return true;
        }
        if (id == p.distribution && code == ui::CBN_SELCHANGE) {
            changed();
            return true;
        }
        if ((id == p.fixed || id == p.staggered) && code == ui::BN_CLICKED) {
            if (id == p.fixed)
                enableControls(); // the mode decides between the distance and the grid
            changed();
            return true;
        }
    }
    if (isOption(id) && code == ui::BN_CLICKED) {
        makeTwoState(*this, id);
        if (id == kUseEdge)
            enableControls();
        changed();
        return true;
    }
    return ui::Dialog::onCommand(id, code, from);
}

bool CDlgMacroPattern::onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                                 ui::LRESULT& result) {
    if (msg == grid::kMsgChangeMade || msg == grid::kMsgComboSelChange) {
        changed();
        result = 0;
        return true;
    }
    return ui::Dialog::onMessage(msg, wParam, lParam, result);
}

void CDlgMacroPattern::onOK() {
    Tvl_String refused;
    if (findRefused(refused)) {
        messageBox((dialString(1560) + L" \"" + refused + L"\"\n\n" + dialString(888) + L".").str(),
                   kInvalidCaption, ui::MB_OK | ui::MB_ICONEXCLAMATION);
        return;
    }
    changed();
    ui::Dialog::onOK();
}
