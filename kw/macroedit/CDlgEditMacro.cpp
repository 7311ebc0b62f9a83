#include "kw/macroedit/CDlgEditMacro.h"

#include "core/LanguageTexts.h"
#include "core/macroedit/MacroEditCallBacks.h"
#include "kw/frame/ConstraintsEditorSlot.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/HostCalls.h"
#include "kw/frame/ModuleState.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "kw/frame/WindowPlacement.h"
#include "kw/macro/MacroSettingsEntry.h"
#include "kw/macroedit/CTabEditConstraints.h"
#include "kw/macroedit/CTabEditVars.h"
#include "kw/macroedit/CTabGeometries.h"
#include "kw/macroedit/CTabMacroCommands.h"
#include "kw/macroedit/MacroEditIds.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/TabControl.h"

#include <algorithm>
#include <array>

using namespace kw::macroedit;

namespace {

// Posted to the modeless editor by its own OK, Cancel and close handlers: the editor is
// destroyed from this message, after those handlers have returned.
constexpr unsigned kMsgEndEditor = 0x8000 + 0x715;

constexpr int kMinWidth = 300;
constexpr int kMinHeight = 380;

ui::ComboBox* combo(const ui::Window* dialog, int id) {
    return dynamic_cast<ui::ComboBox*>(dialog->getDlgItem(id));
}

} // namespace

CDlgEditMacro::CDlgEditMacro(ui::Window* parent) : CAcUiTabMainDialog(kDlgEditMacro, parent) {}

CDlgEditMacro::~CDlgEditMacro() = default;

ui::TabControl* CDlgEditMacro::tabControl() const {
    return dynamic_cast<ui::TabControl*>(getDlgItem(kTabs));
}

bool CDlgEditMacro::onInitDialog() {
    setupIconButton(this, m_select, kSelectMacro, kIconSelect, dialString(865));
    setupIconButton(this, m_add, kAddModule, kIconAdd, dialString(866));
    setupIconButton(this, m_remove, kRemoveModule, kIconDelete, dialString(867));
    setupIconButton(this, m_zoom, kZoom, kIconZoom, dialString(868));
    m_select.SetAlign(CButtonST::Align::Horizontal);
    setWindowText(dialString(869).str());
    setDlgItemText(ui::IDOK, dialString(285).str());
    setDlgItemText(kSelectMacro, dialString(870).str());
    setDlgItemText(kRenameModule, dialString(871).str());
    setDlgItemText(kSettings, dialString(872).str());

    m_layout.attach(this);
    m_layout.setMode(kSelectMacro, DlgResizeLayout::kStay, DlgResizeLayout::kStay);
    m_layout.setMode(kModules, DlgResizeLayout::kStretch, DlgResizeLayout::kStay);
    for (int id : {kAddModule, kRenameModule, kRemoveModule})
        m_layout.setMode(id, DlgResizeLayout::kMoveFar, DlgResizeLayout::kStay);
    m_layout.setMode(kTabs, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch);
    for (int id : {kSettings, kZoom})
        m_layout.setMode(id, DlgResizeLayout::kStay, DlgResizeLayout::kMoveFar);
    m_layout.setMode(ui::IDOK, DlgResizeLayout::kMoveFar, DlgResizeLayout::kMoveFar);
    m_layoutReady = true;

    fillModules();
    ui::TabControl* tabs = tabControl();
    m_constraints = std::make_unique<CTabEditConstraints>(*this, &m_data);
    m_geometries = std::make_unique<CTabGeometries>(*this, &m_data);
    m_variables = std::make_unique<CTabEditVars>(*this, &m_data);
    m_commands = std::make_unique<CTabMacroCommands>(*this);
    if (tabs) {
        tabs->insertItem(kTabConstraints, dialString(873).str());
        tabs->insertItem(kTabGeometries, dialString(874).str());
        tabs->insertItem(kTabVariables, dialString(875).str());
        tabs->insertItem(kTabCommands, dialString(876).str());
        m_constraints->createPage(tabs);
        m_geometries->createPage(tabs);
        m_variables->createPage(tabs);
        m_commands->createPage(tabs);
        layoutPages();
        for (ui::Window* page : {static_cast<ui::Window*>(m_constraints.get()),
                                 static_cast<ui::Window*>(m_geometries.get()),
                                 static_cast<ui::Window*>(m_variables.get()),
                                 static_cast<ui::Window*>(m_commands.get())})
            if (page->isWindow())
                page->showWindow(ui::SW_HIDE);
        tabs->setCurSel(kTabConstraints);
        m_currentTab = kTabConstraints;
        m_constraints->showWindow(ui::SW_SHOW);
    }
    restoreWindowPlacement(this, kPlacement);
    layoutPages();
    return true;
}

// ---- Module bar ------------------------------------------------------------------------

void CDlgEditMacro::fillModules() {
    ui::ComboBox* list = combo(this, kModules);
    if (!list)
        return;
    list->resetContent();
    Tvl_StringArray names;
    if (MacroGetModules(&m_data, names))
        m_data.m_modules = names;
    for (const Tvl_String& name : m_data.m_modules)
        list->addString(name.str());
    int at = -1;
    m_data.m_modules.find(m_data.m_currentModule, at);
    list->setCurSel(at);
}

void CDlgEditMacro::storeEdits() {
    if (m_constraints)
        m_constraints->storeCurrent();
    if (m_variables)
        m_variables->store();
}

void CDlgEditMacro::reloadPages() {
    if (m_constraints)
        m_constraints->load();
    if (m_geometries)
        m_geometries->load();
    if (m_variables)
        m_variables->load();
}

void CDlgEditMacro::removeHighlights(int tab) {
    if (tab == kTabConstraints && m_constraints)
        m_constraints->removeHighlights();
    else if (tab == kTabGeometries && m_geometries)
        m_geometries->removeHighlight();
}

void CDlgEditMacro::takeModuleFromList() {
    ui::ComboBox* list = combo(this, kModules);
    const int at = list ? list->getCurSel() : -1;
    if (at < 0)
        return;
    m_data.m_currentModule = Tvl_String(list->getLBText(at));
    SetCurrentModule(&m_data, m_data.m_currentModule);
    if (m_constraints)
        m_constraints->resetSort();
    reloadPages();
}

bool CDlgEditMacro::runEditorCommand(const std::function<bool()>& work) {
    BeginEditorCommand();
    const bool result = work();
    CompleteEditorCommand();
    if (isWindow())
        showWindow(ui::SW_SHOW);
    return result;
}

void CDlgEditMacro::onSelectMacro() {
    // What the user typed belongs to this macro: stored before another one is loaded.
    removeHighlights(m_currentTab);
    storeEdits();
    if (!runEditorCommand([this] { return SelectOtherMacro(&m_data); }))
        return;
    fillModules();
    if (m_constraints)
        m_constraints->resetSort();
    reloadPages();
}

void CDlgEditMacro::onModuleChanged() {
    removeHighlights(m_currentTab);
    storeEdits();
    takeModuleFromList();
}

void CDlgEditMacro::onRenameModule() {
    Tvl_DlgPromptString prompt(this);
    prompt.m_caption = dialString(877);
    prompt.m_prompt = dialString(878);
    prompt.m_value = m_data.m_currentModule;
    prompt.m_okLabel = dialString(1);
    prompt.m_cancelLabel = dialString(2);
    int result = 0;
    {
        kw::ResourceSwitchScope on;
        result = prompt.doModal();
    }
    if (result != ui::IDOK)
        return;
    storeEdits();
    ui::ComboBox* list = combo(this, kModules);
    const int at = list ? list->getCurSel() : -1;
    if (!RenameModule(&m_data, prompt.m_value.trimmed()))
        return;
    fillModules();
    if (list && list->getCurSel() < 0)
        list->setCurSel(at);
    takeModuleFromList();
}

void CDlgEditMacro::onRemoveModule() {
    ui::ComboBox* list = combo(this, kModules);
    const int at = list ? list->getCurSel() : -1;
    if (at < 0)
        return;
    removeHighlights(m_currentTab);
    storeEdits();
    if (!RemoveModule(&m_data, Tvl_String(list->getLBText(at))))
        return;
    fillModules();
    const int count = list->getCount();
    list->setCurSel(std::min(at, count - 1));
    takeModuleFromList();
}

void CDlgEditMacro::onZoom() {
    if (m_zoomRunning)
        return;
    m_zoomRunning = true; // the zoom keeps the window shown
    ZoomCommand();
    m_zoomRunning = false;
}

void CDlgEditMacro::runMacroCommand(int code) {
    // Edits typed on the pages go to the model before the command reloads them.
    removeHighlights(m_currentTab);
    storeEdits();
    if (!runEditorCommand([this, code] { return StartMacroCommand(&m_data, code); }))
        return;
    if (code <= 10) {
        if (ui::TabControl* tabs = tabControl())
            tabs->setCurSel(kTabConstraints);
        showTab(kTabConstraints);
        fillModules();
        reloadPages();
    } else if (code == 11) {
        fillModules();
        if (ui::ComboBox* list = combo(this, kModules))
            list->setCurSel(list->getCount() - 1);
        takeModuleFromList();
    }
}

// ---- Tabs ------------------------------------------------------------------------------

std::array<ui::Window*, 4> CDlgEditMacro::pages() const {
    return {m_constraints.get(), m_geometries.get(), m_variables.get(), m_commands.get()};
}

void CDlgEditMacro::layoutPages() {
    ui::TabControl* tabs = tabControl();
    if (!tabs)
        return;
    const ui::Rect area = tabPageRect(*tabs);
    for (ui::Window* page : pages())
        if (page && page->isWindow())
            page->moveWindow(area);
}

void CDlgEditMacro::showTab(int tab) {
    for (ui::Window* page : pages())
        if (page && page->isWindow())
            page->showWindow(ui::SW_HIDE);
    removeHighlights(m_currentTab);
    // The page left keeps nothing unsent: a later command or module change reloads it.
    if (m_currentTab == kTabVariables && tab != kTabVariables)
        m_variables->store();
    else if (m_currentTab == kTabConstraints && tab != kTabConstraints)
        m_constraints->storeCurrent();
    m_currentTab = tab;
    switch (tab) {
    case kTabConstraints:
        m_constraints->refresh();
        m_constraints->showWindow(ui::SW_SHOW);
        break;
    case kTabGeometries:
        m_geometries->refresh();
        m_geometries->showWindow(ui::SW_SHOW);
        break;
    case kTabVariables:
        m_variables->refresh();
        m_variables->showWindow(ui::SW_SHOW);
        break;
    case kTabCommands:
        m_commands->showWindow(ui::SW_SHOW);
        break;
    default:
        break;
    }
}

// ---- Messages --------------------------------------------------------------------------

bool CDlgEditMacro::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && id == kModules && code == ui::CBN_SELCHANGE) {
        onModuleChanged();
        return true;
    }
    if (from != nullptr && code == ui::BN_CLICKED) {
        switch (id) {
        case kSelectMacro:
            onSelectMacro();
            return true;
        case kAddModule:
            runMacroCommand(11);
            return true;
        case kRenameModule:
            onRenameModule();
            return true;
        case kRemoveModule:
            onRemoveModule();
            return true;
        case kSettings:
            kw::editMacroSettings(this, m_data.m_macroId);
            return true;
        case kZoom:
            onZoom();
            return true;
        default:
            break;
        }
    }
    return CAcUiTabMainDialog::onCommand(id, code, from);
}

bool CDlgEditMacro::onNotify(ui::NotifyHeader& header, ui::LRESULT& result) {
    if (header.idFrom == kTabs && header.code == ui::TCN_SELCHANGE) {
        ui::TabControl* tabs = tabControl();
        showTab(tabs ? tabs->getCurSel() : -1);
        result = 0;
        return true;
    }
    return CAcUiTabMainDialog::onNotify(header, result);
}

bool CDlgEditMacro::onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                              ui::LRESULT& result) {
    if (msg == kMsgEndEditor) {
        // Nothing of this object is touched after the slot has deleted it.
        if (kw::ConstraintsEditorSlot::instance().editor() == this)
            kw::ConstraintsEditorSlot::instance().close();
        result = 0;
        return true;
    }
    return CAcUiTabMainDialog::onMessage(msg, wParam, lParam, result);
}

void CDlgEditMacro::closeEditor(int result) {
    if (!m_modeless) {
        endDialog(result);
        return;
    }
    if (m_closePosted)
        return;
    m_closePosted = true;
    postMessage(kMsgEndEditor);
}

void CDlgEditMacro::onOK() {
    closeEditor(ui::IDOK);
}

void CDlgEditMacro::onCancel() {
    closeEditor(ui::IDCANCEL);
}

void CDlgEditMacro::onClose() {
    closeEditor(ui::IDCANCEL);
}

void CDlgEditMacro::onSize(unsigned type, int cx, int cy) {
    CAcUiTabMainDialog::onSize(type, cx, cy);
    if (m_layoutReady)
        m_layout.relayout();
    layoutPages();
}

void CDlgEditMacro::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    info.minTrackSize = {kMinWidth, kMinHeight};
}

void CDlgEditMacro::onDestroy() {
    if (m_destroyed)
        return;
    m_destroyed = true;
    if (m_constraints)
        m_constraints->storeCurrent();
    removeHighlights(m_currentTab);
    storeEdits();
    saveWindowPlacement(this, kPlacement);
    m_layoutReady = false;
}
