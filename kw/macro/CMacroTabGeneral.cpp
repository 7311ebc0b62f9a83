#include "kw/macro/CMacroTabGeneral.h"

#include <algorithm>

#include "core/LanguageTexts.h"
#include "core/MacroCallBacks.h"
#include "core/MacroTabData.h"
#include "kw/frame/HostCalls.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/ModuleState.h"
#include "kw/macro/CDlgMacro.h"
#include "kw/macro/CDlgMacroBoltAdv.h"
#include "kw/macro/CDlgMacroPattern.h"
#include "kw/macro/MacroIds.h"
#include "platform/grid/control/GridMessages.h"
#include "platform/ui/Application.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::macro;

namespace {

// Posted after a drawn combo box changed its selection: the combo takes the chosen
// text only after it notified, so the page applies once the selection is complete.
constexpr unsigned kMsgApplyLater = ui::WM_APP + 0x41;

constexpr int kMinWidth = 310;
constexpr int kGridExtra = 31;
constexpr int kBoltExtra = 47;
constexpr int kGridRowsShown = 6;

bool isShiftDown() {
    return ui::getKeyState(ui::VK_SHIFT) < 0;
}

bool isPushButton(const ui::Window* w) {
    if (w == nullptr || w->className() != L"Button")
        return false;
    const unsigned kind = w->style() & ui::BS_TYPEMASK;
    return (kind == ui::BS_PUSHBUTTON || kind == ui::BS_DEFPUSHBUTTON) &&
           (w->style() & ui::BS_PUSHLIKE) == 0;
}

} // namespace

CMacroTabGeneral::CMacroTabGeneral() : CMacroTabGeneral(kPageGeneral, kGrid) {}

CMacroTabGeneral::CMacroTabGeneral(int templateId, int gridId)
    : CMacroTabPage(templateId), m_templateId(templateId), m_gridId(gridId) {}

CMacroTabGeneral::~CMacroTabGeneral() {
    if (isWindow())
        destroyWindow();
}

bool CMacroTabGeneral::createPage(ui::Window* tabControl) {
    return create(m_templateId, tabControl);
}

CDlgMacro* CMacroTabGeneral::frame() {
    return getDlgOwner(this);
}

MacroTabData* CMacroTabGeneral::tab() {
    CDlgMacro* owner = frame();
    return owner ? owner->tabData(m_tabIndex) : nullptr;
}

bool CMacroTabGeneral::boltControlsShown() {
    const MacroTabData* t = tab();
    return t != nullptr && t->isBoltTab() && !m_designBoltControls;
}

// ---- Initialisation ------------------------------------------------------------------

bool CMacroTabGeneral::onInitDialog() {
    setDlgItemText(kAssemblyLabel, dialString(kTextAssembly).str());
    setDlgItemText(kDiameterLabel, dialString(kTextDiameter).str());
    setDlgItemText(kBoltAdvanced, dialString(kTextAdvanced).str());
    m_gridMade = m_grid.attach(this, m_gridId, true);
    MacroTabData* t = tab();
    if (t != nullptr) {
        m_fixedControls = {kAssembly, kDiameter, kBoltAdvanced};
        if (t->isBoltTab() && m_resizer.Init(this)) {
            using Side = CResizer::Side;
            using Rule = CResizer::Rule;
            for (int id : {kAssemblyLabel, kAssembly, kDiameterLabel, kDiameter, kBoltAdvanced}) {
                m_resizer.SetRule(id, Side::Top, Rule::Parent, 0, Side::Bottom);
                m_resizer.KeepSize(id, Side::Bottom);
            }
            m_resizerUsed = true;
        }
        if (m_gridMade) {
            m_grid.setColCount(4);
            m_grid.sheet().setColumnWidthPx(kColValue, 53);
            // Locked cells light grey (230, 230, 230) with the system's window text.
            m_grid.setLockColors(0xE6E6E6, 0x8000000B);
            Tvl_StringArray headers;
            headers.append(dialString(kTextName));
            headers.append(L" ");
            headers.append(dialString(kTextValue));
            headers.append(L" ");
            m_grid.setColHeaderTexts(headers);
        }
        bind();
        fillBoltControls();
        setFlexButtonStates();
    }
    const bool bolts = boltControlsShown();
    for (int id : {kAssemblyLabel, kDiameterLabel, kAssembly, kDiameter, kBoltAdvanced}) {
        if (ui::Window* w = getDlgItem(id))
            w->showWindow(bolts ? ui::SW_SHOW : ui::SW_HIDE);
    }
    layout();
    m_active = true;
    return false;
}

// ---- What the frame asks of the page ---------------------------------------------------

void CMacroTabGeneral::firstEntry() {
    if (m_design.setFocusToCtrl(true))
        return;
    if (gridShown() && m_grid.focusEdgeCell(false))
        return;
    for (int id : m_fixedControls) {
        ui::Window* w = getDlgItem(id);
        if (w && w->isWindowVisible() && w->isWindowEnabled()) {
            w->setFocus();
            return;
        }
    }
}

void CMacroTabGeneral::leave() {
    CDlgMacro* owner = frame();
    MacroTabData* t = tab();
    if (owner == nullptr || t == nullptr)
        return;
    ui::Window* focus = ui::Window::getFocus();
    if (focus == nullptr || (focus != this && !isChild(focus)))
        return;
    owner->focusRegistry().save(t->m_module, this, focus, &m_design);
}

void CMacroTabGeneral::reEntry() {
    CDlgMacro* owner = frame();
    MacroTabData* t = tab();
    if (owner == nullptr || t == nullptr)
        return;
    owner->focusRegistry().restore(t->m_module, this, gridShown() ? &m_grid : nullptr, &m_design);
}

void CMacroTabGeneral::commitEdits() {
    if (m_gridMade && m_grid.isEditing())
        m_grid.endEdit(true);
}

void CMacroTabGeneral::pageSize(int& width, int& height) const {
    // The whole picture, and below it a grid that shows a few rows at once.
    width = std::max(m_pictureWidth + 6, kMinWidth);
    height = m_pictureHeight + 4;
    if (gridShown())
        height += gridHeight();
    height += reservedBottom();
}

int CMacroTabGeneral::reservedBottom() const {
    return const_cast<CMacroTabGeneral*>(this)->boltControlsShown() ? kBoltExtra : 0;
}

int CMacroTabGeneral::gridHeight() const {
    if (!m_gridMade || m_gridRows <= 0)
        return 0;
    const int rows = std::min(m_gridRows, kGridRowsShown);
    int height = m_grid.rowHeightPx(0) + 4;
    for (int r = 1; r <= rows; ++r)
        height += m_grid.rowHeightPx(r);
    return std::max(height, kGridExtra);
}

// ---- Applying ------------------------------------------------------------------------

void CMacroTabGeneral::applyAgainst(const MacroTabData& before) {
    CDlgMacro* owner = frame();
    if (owner == nullptr)
        return;
    m_active = false;
    owner->applyTab(m_tabIndex, before);
    m_active = true;
}

void CMacroTabGeneral::applyPage() {
    MacroTabData* t = tab();
    if (t == nullptr)
        return;
    m_active = false;
    const MacroTabData before = *t;
    store();
    applyAgainst(before);
}

bool CMacroTabGeneral::patternChanged(int index, const MacroPatternProps& pattern) {
    MacroTabData* t = tab();
    if (t == nullptr || index < 0 || index >= t->m_patterns.length())
        return false;
    // Called while the pattern dialog runs: the page stays inactive until it ends.
    const bool wasActive = m_active;
    m_active = false;
    const MacroTabData before = *t;
    t->m_patterns[index] = pattern;
    applyAgainst(before);
    m_active = wasActive;
    return true;
}

// ---- Commands ------------------------------------------------------------------------

bool CMacroTabGeneral::onCommand(int id, int code, ui::Window* from) {
    if (!m_active || tab() == nullptr)
        return CMacroTabPage::onCommand(id, code, from);
    int type = -1;
    const bool drawn = m_design.getDynControlType(id, type);
    if (drawn) {
        if (code == ui::BN_CLICKED) {
            onDrawnClicked(id, type);
            return true;
        }
        if (code == ui::CBN_SELCHANGE) {
            if (type == tvlCtrlBlock)
                onBlockChosen(id);
            else
                postMessage(kMsgApplyLater);
            return true;
        }
        if (code == ui::EN_KILLFOCUS || code == ui::CBN_KILLFOCUS) {
            applyPage();
            return true;
        }
        return CMacroTabPage::onCommand(id, code, from);
    }
    if (id == m_gridId && code == grid::kCodeCheckOffOrButton) {
        onGridButton();
        return true;
    }
    if (id == kBoltAdvanced && code == ui::BN_CLICKED) {
        onBoltAdvanced();
        return true;
    }
    if (id == kAssembly && code == ui::CBN_SELCHANGE) {
        onAssemblyChanged();
        return true;
    }
    if ((id == kAssembly || id == kDiameter) &&
        (code == ui::CBN_SELCHANGE || code == ui::CBN_KILLFOCUS || code == ui::EN_KILLFOCUS)) {
        if (code == ui::CBN_SELCHANGE)
            postMessage(kMsgApplyLater);
        else
            applyPage();
        return true;
    }
    return CMacroTabPage::onCommand(id, code, from);
}

bool CMacroTabGeneral::onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                                 ui::LRESULT& result) {
    switch (msg) {
    case kMsgApplyLater:
        if (m_active)
            applyPage();
        result = 0;
        return true;
    case grid::kMsgCellChanged:
        if (m_active)
            applyPage();
        result = 0;
        return true;
    case grid::kMsgEditModeOn:
    case grid::kMsgEditModeOff:
    case grid::kMsgLeaveCell:
    case grid::kMsgComboSelChange:
        result = 0;
        return true;
    default:
        return CMacroTabPage::onMessage(msg, wParam, lParam, result);
    }
}

void CMacroTabGeneral::onDrawnClicked(int id, int type) {
    switch (type) {
    case tvlCtrlArrayButton: {
        const MacroTabData* t = tab();
        for (int i = 0; t && i < t->m_arrays.length(); ++i) {
            if (t->m_arrays[i].m_buttonRef == id) {
                onArrayButton(i);
                return;
            }
        }
        return;
    }
    case tvlCtrlPatternButton: {
        const MacroTabData* t = tab();
        for (int i = 0; t && i < t->m_patterns.length(); ++i) {
            if (t->m_patterns[i].m_refButton == id) {
                onPatternButton(i);
                return;
            }
        }
        return;
    }
    case tvlCtrlBoltButton:
        onBoltAdvanced();
        return;
    case tvlCtrlCheck:
        applyPage();
        return;
    case tvlCtrlFlexDim:
    case tvlCtrlFlexDim2:
        onFlexDimension(id, type);
        return;
    case tvlCtrlFlexButton:
        onFlexFix(id);
        return;
    default:
        onOtherDrawnClicked(id, type);
        return;
    }
}

Tvl_String CMacroTabGeneral::drawnGroup(int id) const {
    const auto it = m_drawnGroups.find(id);
    return it == m_drawnGroups.end() ? Tvl_String() : it->second;
}

void CMacroTabGeneral::onFlexFix(int id) {
    MacroTabData* t = tab();
    if (t == nullptr)
        return;
    Tvl_String group, name;
    int index = -1, status = 0;
    if (!m_design.getFlexBtnGroupName(id, group, name) ||
        !m_design.findFlexButton(group, name, index) || !m_design.getFlexBtnStatus(index, status))
        return;
    // The click has already toggled the button: the status the user saw is the other.
    const MacroTabData before = *t;
    if (t->flexFixBtnClicked(group, name, status == 0))
        applyAgainst(before);
    else
        setFlexButtonStates();
}

void CMacroTabGeneral::onArrayButton(int arrayIndex) {
    MacroTabData* t = tab();
    CDlgMacro* owner = frame();
    if (t == nullptr || owner == nullptr || arrayIndex < 0 || arrayIndex >= t->m_arrays.length())
        return;
    m_active = false;
    store();
    const MacroTabData before = *t;
    DynArrayData array = t->m_arrays[arrayIndex];
    AcArray<AcDbObjectId> objects;
    owner->getObjects(objects);
    const Tvl_String module = t->m_module;
    const bool ok = StartArrayDlg(array, objects, module);
    t = tab();
    if (ok && t != nullptr && arrayIndex < t->m_arrays.length()) {
        t->m_arrays[arrayIndex] = array;
        applyAgainst(before);
    }
    m_active = true;
}

void CMacroTabGeneral::onPatternButton(int patternIndex) {
    MacroTabData* t = tab();
    if (t == nullptr || patternIndex < 0 || patternIndex >= t->m_patterns.length())
        return;
    // The dialog hands each change back through patternChanged while it runs.
    m_active = false;
    {
        kw::ResourceSwitchScope on;
        CDlgMacroPattern dlg(this, patternIndex, t->m_patterns[patternIndex]);
        dlg.doModal();
    }
    m_active = true;
}

void CMacroTabGeneral::onDesigner() {
    const MacroTabData* t = tab();
    if (t == nullptr)
        return;
    const Tvl_String file = designPath(t->m_designFile);
    m_active = false;
    StartDlgDesigner(file);
    m_active = true;
}

// Reached from button 1114 and from a drawn bolt button (type 12), which stands in for
// 1114 when the design brings its own bolt controls and 1114 is hidden.
void CMacroTabGeneral::onBoltAdvanced() {
    MacroTabData* t = tab();
    if (t == nullptr)
        return;
    m_active = false;
    // The copy is taken before the page stores, so that whatever the page still held
    // goes to the model together with the dialog's changes.
    const MacroTabData before = *t;
    store();
    bool ok = false;
    MacroBoltData bolt;
    {
        kw::ResourceSwitchScope on;
        CDlgMacroBoltAdv dlg;
        dlg.m_bolt = t->m_bolt;
        t->GetMergedDiameters(dlg.m_diameters);
        ok = dlg.doModal() == ui::IDOK;
        bolt = dlg.m_bolt;
    }
    t = tab();
    if (t != nullptr) {
        if (ok)
            t->m_bolt = bolt;
        applyAgainst(before); // nothing is sent when nothing changed
    }
    m_active = true;
}

void CMacroTabGeneral::onGridButton() {
    MacroTabData* t = tab();
    int col = 0, row = 0;
    if (t == nullptr || !m_grid.activeCell(col, row) || row < 1)
        return;
    for (int i = 0; i < t->m_arrays.length(); ++i) {
        if (t->m_arrays[i].m_reference == -row) {
            onArrayButton(i);
            return;
        }
    }
    for (int i = 0; i < t->m_patterns.length(); ++i) {
        if (t->m_patterns[i].m_refButton == -row) {
            onPatternButton(i);
            return;
        }
    }
}

void CMacroTabGeneral::onAssemblyChanged() {
    auto* assembly = dynamic_cast<ui::ComboBox*>(getDlgItem(kAssembly));
    auto* diameter = dynamic_cast<ui::ComboBox*>(getDlgItem(kDiameter));
    if (assembly == nullptr || diameter == nullptr || assembly->getCurSel() < 0)
        return;
    const std::wstring typed = diameter->getWindowText();
    Tvl_StringArray diameters;
    GetDiameters(Tvl_String(assembly->getLBText(assembly->getCurSel())), diameters);
    diameter->resetContent();
    for (int i = 0; i < diameters.length(); ++i)
        diameter->addString(diameters[i].str());
    diameter->setWindowText(typed);
    postMessage(kMsgApplyLater);
}

void CMacroTabGeneral::onBlockChosen(int id) {
    const Tvl_DesignerControl* control = m_design.getControlFromRes(id);
    auto* combo = control ? control->getComboPtr(this) : nullptr;
    CDlgMacro* owner = frame();
    MacroTabData* t = tab();
    if (owner == nullptr || t == nullptr)
        return;
    auto* list = dynamic_cast<ui::ComboBox*>(getDlgItem(id));
    if (combo == nullptr)
        combo = list;
    if (combo == nullptr || combo->getCurSel() < 0)
        return;
    Tvl_String path = resolveListFile(control->comboList);
    if (!path.isEmpty() && !path.endsWith(L"\\"))
        path += L"\\";
    path += Tvl_String(combo->getLBText(combo->getCurSel())) + L".dwg";
    const Tvl_String module = t->m_module;
    swapBlockRefs(owner->macroData(), module, path);
}

// ---- Keys ----------------------------------------------------------------------------

int CMacroTabGeneral::focusedArea() const {
    int id = 0;
    if (m_design.getFocusedDynControl(id))
        return 1;
    ui::Window* focus = ui::Window::getFocus();
    if (focus == nullptr)
        return 0;
    if (m_gridMade && (focus == &m_grid || m_grid.isChild(focus)))
        return 2;
    for (int fixed : m_fixedControls) {
        ui::Window* w = getDlgItem(fixed);
        if (w != nullptr && (w == focus || w->isChild(focus)))
            return 3;
    }
    return 0;
}

bool CMacroTabGeneral::focusArea(int area, bool last) {
    switch (area) {
    case 1:
        return m_design.setFocusToCtrl(!last);
    case 2:
        return gridShown() && m_grid.isWindowVisible() && m_grid.focusEdgeCell(last);
    case 3: {
        std::vector<int> ids = m_fixedControls;
        if (last)
            std::reverse(ids.begin(), ids.end());
        for (int id : ids) {
            ui::Window* w = getDlgItem(id);
            if (w && w->isWindowVisible() && w->isWindowEnabled()) {
                w->setFocus();
                return true;
            }
        }
        return false;
    }
    default:
        return false;
    }
}

bool CMacroTabGeneral::onTabKey(bool backward) {
    int area = focusedArea();
    bool leaves = false;
    if (area == 1) {
        Tvl_TabMsgHandle result = tvlTabNotHandled;
        if (!m_design.handleTabKey(ui::VK_TAB, result) || result == tvlTabNotHandled)
            return false;
        if (result == tvlTabHandled)
            return true;
        leaves = true;
    } else if (area == 2) {
        leaves = m_grid.tabExit(ui::VK_TAB) != Tvl_Spread::kTabStay;
        if (!leaves)
            return false; // the grid moves to its next cell itself
    } else if (area == 3) {
        std::vector<int> ids;
        for (int id : m_fixedControls) {
            ui::Window* w = getDlgItem(id);
            if (w && w->isWindowVisible() && w->isWindowEnabled())
                ids.push_back(id);
        }
        ui::Window* focus = ui::Window::getFocus();
        int at = -1;
        for (size_t i = 0; i < ids.size(); ++i) {
            ui::Window* w = getDlgItem(ids[i]);
            if (w == focus || w->isChild(focus))
                at = static_cast<int>(i);
        }
        const int next = at + (backward ? -1 : 1);
        if (at >= 0 && next >= 0 && next < static_cast<int>(ids.size())) {
            getDlgItem(ids[static_cast<size_t>(next)])->setFocus();
            return true;
        }
        leaves = true;
    } else {
        return false;
    }
    if (!leaves)
        return true;
    // On to the next area in the direction of travel; one that cannot take the focus
    // is skipped, at most three times.
    for (int tries = 0; tries < 3; ++tries) {
        area = backward ? (area + 1) % 3 + 1 : area % 3 + 1;
        if (focusArea(area, backward))
            return true;
    }
    return true;
}

bool CMacroTabGeneral::preTranslateMessage(ui::Message& msg) {
    const bool mine = msg.target == this || isChild(msg.target);
    if (!mine || tab() == nullptr)
        return CMacroTabPage::preTranslateMessage(msg);
    if (msg.message == ui::WM_KEYDOWN) {
        switch (static_cast<int>(msg.wParam)) {
        case ui::VK_ESCAPE:
            if (m_gridMade && m_grid.isEditing())
                break; // the grid drops its edit
            if (CDlgMacro* owner = frame())
                owner->closeDialog(); // last: the page may be gone afterwards
            return true;
        case ui::VK_F12:
            if (m_active)
                onDesigner();
            return true;
        case ui::VK_TAB:
            if (onTabKey(isShiftDown()))
                return true;
            break;
        case ui::VK_RETURN:
            // Enter presses a focused push button; otherwise it ends the grid's cell
            // edit (which applies), or applies the page. It never reaches the frame,
            // whose Enter would close the dialog.
            if (isPushButton(ui::Window::getFocus()))
                return CMacroTabPage::preTranslateMessage(msg);
            if (m_active) {
                int id = 0;
                if (!m_design.getFocusedDynControl(id) && focusedArea() == 2 && m_grid.isEditing())
                    m_grid.endEdit(true);
                else
                    applyPage();
            }
            return true;
        default:
            break;
        }
    } else if (msg.message == ui::WM_KEYUP && static_cast<int>(msg.wParam) == ui::VK_SPACE) {
        int id = 0, type = -1;
        if (m_active && m_design.getFocusedDynControl(id) && m_design.getDynControlType(id, type) &&
            (type == tvlCtrlBoltCount1 || type == tvlCtrlBoltCount2))
            applyPage();
    }
    return CMacroTabPage::preTranslateMessage(msg);
}

// ---- Painting and layout -------------------------------------------------------------

bool CMacroTabGeneral::onEraseBkgnd(ui::Canvas& canvas) {
    CMacroTabPage::onEraseBkgnd(canvas);
    if (m_design.isInitialized())
        m_design.OnEraseBkgnd(canvas);
    return true;
}

void CMacroTabGeneral::onPaint(ui::Canvas& canvas) {
    if (m_design.isInitialized())
        m_design.OnPaint(canvas);
}

bool CMacroTabGeneral::onCtlColor(ui::CtlColor& color) {
    int type = -1;
    if (color.control != nullptr && m_design.getDynControlType(color.control->id(), type) &&
        (type == tvlCtrlStatic || type == tvlCtrlGroupBox)) {
        color.transparentText = true;
        color.brush = ui::BrushKind::Hollow;
        return true;
    }
    return CMacroTabPage::onCtlColor(color);
}

void CMacroTabGeneral::onSize(unsigned type, int cx, int cy) {
    CMacroTabPage::onSize(type, cx, cy);
    layout();
}

void CMacroTabGeneral::layout() {
    if (!isWindow())
        return;
    const ui::Rect client = getClientRect();
    if (m_gridMade) {
        const int top = m_pictureHeight + 2;
        const int bottom = client.bottom - 4 - reservedBottom();
        m_grid.moveWindow(ui::Rect{3, top, std::max(client.right - 3, 3), std::max(bottom, top)});
        m_grid.showWindow(gridShown() ? ui::SW_SHOW : ui::SW_HIDE);
    }
    if (m_resizerUsed)
        m_resizer.Move();
}
