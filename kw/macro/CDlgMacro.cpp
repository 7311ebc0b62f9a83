#include "kw/macro/CDlgMacro.h"

#include <algorithm>

#include "core/LanguageTexts.h"
#include "core/MacroCallBacks.h"
#include "core/MacroTabData.h"
#include "kw/frame/CDlgOpenSave.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/frame/HostCalls.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/ModuleState.h"
#include "kw/frame/WindowPlacement.h"
#include "kw/macro/CMacroTabGeneral.h"
#include "kw/macro/MacroIds.h"
#include "kw/macro/MacroProfPages.h"
#include "kw/macro/PropertySetName.h"
#include "platform/host/AcEd.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/TabControl.h"

using namespace kw::macro;
using kw::macro::isPlainSetName;

namespace {

constexpr int kStartMinWidth = 280;
constexpr int kStartMinHeight = 300;
constexpr int kExtraWidth = 47;
constexpr int kExtraHeight = 160;
constexpr int kLeastWidth = 395;

// Characters the host's profile cannot keep in a key become "_", and so do blanks at
// either end, so that the same record always finds its placement again.
Tvl_String profileSafe(Tvl_String key) {
    for (int i = 0; i < key.length(); ++i) {
        const wchar_t c = key[i];
        if (c == L'=' || c == L'[' || c == L']' || c == L'\n' || c == L'\r' || c == 0)
            key.setAt(i, L'_');
    }
    for (int i = 0; i < key.length() && key[i] == L' '; ++i)
        key.setAt(i, L'_');
    for (int i = key.length() - 1; i >= 0 && key[i] == L' '; --i)
        key.setAt(i, L'_');
    return key;
}

void fillCombo(ui::Window* dialog, int id, const Tvl_StringArray& entries, int selection) {
    auto* combo = dynamic_cast<ui::ComboBox*>(dialog->getDlgItem(id));
    if (combo == nullptr)
        return;
    combo->resetContent();
    for (int i = 0; i < entries.length(); ++i)
        combo->addString(entries[i].str());
    combo->setCurSel(selection);
}

} // namespace

CDlgMacro::CDlgMacro(ui::Window* parent) : MacroDialogBase(parent) {}

CDlgMacro::~CDlgMacro() {
    destroyPages();
}

Tvl_String CDlgMacro::placementKeyOf(const MacroData& macro) {
    Tvl_String name = L"EDITVARS_";
    if (macro.m_objects.length() == 1) {
        if (macro.m_names.length() > 0)
            name += macro.m_names[0];
    } else if (macro.m_firstSelection >= 0 && macro.m_firstSelection < macro.m_groupKeys.length()) {
        name += L"GROUP_";
        name += macro.m_groupKeys[macro.m_firstSelection];
    } else {
        name += Tvl_String(macro.m_objects.length());
        name += L"_MACROS";
    }
    return profileSafe(Tvl_String(L"DLG_MACRO_") + name);
}

MacroTabData* CDlgMacro::tabData(int index) {
    return m_macroData.tab(index);
}

void CDlgMacro::getObjects(AcArray<AcDbObjectId>& objects) const {
    objects = m_macroData.m_objects;
}

CMacroTabPage* CDlgMacro::page(int index) const {
    if (index < 0 || index >= pageCount())
        return nullptr;
    return m_pages[static_cast<size_t>(index)].get();
}

ui::TabControl* CDlgMacro::tabControl() const {
    return dynamic_cast<ui::TabControl*>(getDlgItem(kTab));
}

// ---- Initialisation ------------------------------------------------------------------

bool CDlgMacro::onInitDialog() {
    setUpButtons();
    setUpResizer();
    buildPages(false);

    int start = -1;
    if (!m_macroData.findTab(m_macroData.m_startTab, start))
        start = 0;
    if (ui::TabControl* tabs = tabControl(); tabs != nullptr && pageCount() > 0)
        tabs->setCurSel(std::clamp(start, 0, pageCount() - 1));
    showCurrentTab();

    fillCaptionAndLists();
    m_placementKey = placementKeyOf(m_macroData);
    restoreWindowPlacement(this, m_placementKey, false, 0, 0);
    resizeToPages();

    clashInitDlgStarted(m_tableIndex);
    clashResetInfo(m_macroData.m_objects);
    m_clash.SetCheck(clashGetStatus() ? ui::BST_CHECKED : ui::BST_UNCHECKED);
    if (m_macroData.m_openAdvanced)
        openAdvancedProfiles(*this);
    return false;
}

void CDlgMacro::setUpButtons() {
    setDlgItemText(ui::IDOK, dialString(kTextClose).str());
    setupIconButton(this, m_selectOther, kSelectOther, kIconSelectOther,
                    dialString(kTextSelectOther));
    const int viewIds[4] = {kView3, kView0, kView1, kView2};
    const int viewIcons[4] = {kIconView3, kIconView0, kIconView1, kIconView2};
    const int viewTips[4] = {kTextView3, kTextView0, kTextView1, kTextView2};
    for (int i = 0; i < 4; ++i)
        setupIconButton(this, m_views[i], viewIds[i], viewIcons[i], dialString(viewTips[i]));
    setupIconButton(this, m_load, kLoadProps, kIconLoad, dialString(kTextLoad));
    setupIconButton(this, m_save, kSaveProps, kIconSave, dialString(kTextSave));
    if (m_clash.SubclassDlgItem(kClash, this)) {
        m_clash.SetCheckBox(true);
        m_clash.SetIcon(kIconClash);
        m_clash.SetAlign(CButtonST::Align::Horizontal);
        m_clash.setWindowText(dialString(kTextClash).str());
    }
    setDlgItemText(kFirstListFrame, dialString(kTextGroups).str());
    setDlgItemText(kSecondListFrame, dialString(kTextMacros).str());
    setDlgItemText(kReApply, dialString(kTextReApply).str());
}

void CDlgMacro::setUpResizer() {
    using Side = CResizer::Side;
    using Rule = CResizer::Rule;
    if (!m_resizer.Init(this))
        return;
    m_resizer.AnchorAll(kTab);
    // Everything else keeps its size and moves with the bottom edge.
    auto bottom = [this](int id) {
        m_resizer.SetRule(id, Side::Top, Rule::Parent, 0, Side::Bottom);
        m_resizer.KeepSize(id, Side::Bottom);
    };
    for (int id : {kSelectOther, kView3, kView0, kView1, kView2, kClash, kReApply})
        bottom(id);
    for (int id : {kLoadProps, kSaveProps, static_cast<int>(ui::IDOK)}) {
        bottom(id);
        m_resizer.KeepToParent(id, Side::Right);
        m_resizer.KeepSize(id, Side::Left);
    }
    bottom(kFirstListFrame);
    m_resizer.Proportional(kFirstListFrame, Side::Right);
    bottom(kSecondListFrame);
    m_resizer.KeepToControl(kSecondListFrame, Side::Left, kFirstListFrame, Side::Right);
    m_resizer.KeepToParent(kSecondListFrame, Side::Right);
    bottom(kFirstList);
    m_resizer.KeepToControl(kFirstList, Side::Left, kFirstListFrame, Side::Left);
    m_resizer.KeepToControl(kFirstList, Side::Right, kFirstListFrame, Side::Right);
    bottom(kSecondList);
    m_resizer.KeepToControl(kSecondList, Side::Left, kSecondListFrame, Side::Left);
    m_resizer.KeepToControl(kSecondList, Side::Right, kSecondListFrame, Side::Right);
    m_resizerReady = true;
}

// ---- Pages ---------------------------------------------------------------------------

void CDlgMacro::destroyPages() {
    for (auto& page : m_pages) {
        if (page && page->isWindow())
            page->destroyWindow();
    }
    m_pages.clear();
    m_kinds.clear();
    if (ui::TabControl* tabs = tabControl())
        tabs->deleteAllItems();
    m_current = -1;
}

void CDlgMacro::buildPages(bool show) {
    ui::TabControl* tabs = tabControl();
    if (tabs == nullptr)
        return;
    const int remembered = std::max(tabs->getCurSel(), 0);
    destroyPages();
    const int count = m_macroData.tabCount();
    m_pages.resize(static_cast<size_t>(count));
    m_kinds.resize(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) {
        const MacroTabData* tab = m_macroData.tab(i);
        m_kinds[static_cast<size_t>(i)] = tab->m_kind;
        std::unique_ptr<CMacroTabPage> page;
        if (tab->hasGeneralPage())
            page = std::make_unique<CMacroTabGeneral>();
        else if (tab->m_kind == MacroTabData::kProfiles)
            page = makeProfilePage(m_macroData);
        if (page)
            page->setTabIndex(i);
        tabs->insertItem(i, tab->m_caption.str());
        if (page && !page->createPage(tabs))
            page.reset();
        m_pages[static_cast<size_t>(i)] = std::move(page);
    }
    layoutPages();
    // After a rebuild there may be fewer tabs than before, or none.
    if (count > 0)
        tabs->setCurSel(std::min(remembered, count - 1));
    if (show)
        showCurrentTab();
    const bool allowed = m_macroData.propListAllowed();
    enableDlgItem(this, kLoadProps, allowed);
    enableDlgItem(this, kSaveProps, allowed);
}

void CDlgMacro::layoutPages() {
    ui::TabControl* tabs = tabControl();
    if (tabs == nullptr)
        return;
    const ui::Rect area = tabPageRect(*tabs);
    for (auto& page : m_pages) {
        if (page && page->isWindow())
            page->moveWindow(area);
    }
}

void CDlgMacro::showCurrentTab() {
    ui::TabControl* tabs = tabControl();
    if (tabs == nullptr)
        return;
    if (CMacroTabPage* old = page(m_current)) {
        old->leave();
        old->store();
    }
    for (auto& page : m_pages) {
        if (page && page->isWindow())
            page->showWindow(ui::SW_HIDE);
    }
    const int selected = tabs->getCurSel();
    m_current = selected >= 0 && selected < pageCount() ? selected : -1;
    CMacroTabPage* shown = page(m_current);
    if (shown == nullptr)
        return;
    shown->showWindow(ui::SW_SHOW);
    shown->setFocus();
    if (!m_pagesEntered) {
        m_pagesEntered = true;
        shown->firstEntry();
    } else {
        shown->reEntry();
    }
}

void CDlgMacro::refreshPages() {
    CMacroTabPage* current = page(m_current);
    if (current)
        current->leave();
    for (auto& page : m_pages) {
        if (page)
            page->refresh();
    }
    if (current)
        current->reEntry();
    m_clash.SetCheck(clashGetStatus() ? ui::BST_CHECKED : ui::BST_UNCHECKED);
}

void CDlgMacro::pageExtents(int& width, int& height) const {
    width = 0;
    height = 0;
    for (const auto& page : m_pages) {
        if (!page)
            continue;
        int w = 0, h = 0;
        page->pageSize(w, h);
        width = std::max(width, w);
        height = std::max(height, h);
    }
}

void CDlgMacro::minimumSize(int& width, int& height) const {
    if (!m_sized) {
        width = kStartMinWidth;
        height = kStartMinHeight;
        return;
    }
    int w = 0, h = 0;
    pageExtents(w, h);
    width = std::max(w + kExtraWidth, kLeastWidth);
    height = h + kExtraHeight;
}

void CDlgMacro::resizeToPages() {
    if (!m_sized)
        return;
    int width = 0, height = 0;
    minimumSize(width, height);
    // A larger size the user gave the dialog (restored from the placement) stays.
    const ui::Rect r = rect();
    width = std::max(width, r.width());
    height = std::max(height, r.height());
    if (width != r.width() || height != r.height())
        moveWindow(r.left, r.top, width, height);
}

void CDlgMacro::fillCaptionAndLists() {
    setWindowText(m_macroData.m_title.str());
    fillCombo(this, kFirstList, m_macroData.m_firstList, m_macroData.m_firstSelection);
    fillCombo(this, kSecondList, m_macroData.m_secondList, m_macroData.m_secondSelection);
}

void CDlgMacro::afterRecordChanged() {
    buildPages(true);
    fillCaptionAndLists();
    resizeToPages();
}

// ---- Applying ------------------------------------------------------------------------

bool CDlgMacro::sendTab(int index, const MacroTabData& before) {
    const MacroTabData* now = tabData(index);
    if (now == nullptr)
        return false;
    Tvl_StringArray names;
    Tvl_Array<int> codes, indices;
    now->differences(before, names, codes, indices);
    if (codes.length() == 0 && indices.length() == 0)
        return false;
    const Tvl_String module = now->m_module;
    if (!UpdateModule(module, m_macroData, codes, indices))
        return false;
    clashcheck(m_tableIndex, m_macroData.m_objects);
    return true;
}

bool CDlgMacro::applyTab(int index, const MacroTabData& before) {
    const MacroTabData* now = tabData(index);
    if (now == nullptr)
        return false;
    Tvl_StringArray names;
    Tvl_Array<int> codes, indices;
    now->differences(before, names, codes, indices);
    if (codes.length() == 0 && indices.length() == 0)
        return false;
    const bool accepted = sendTab(index, before);
    // Refused or not, the record holds the model's values: every page shows them.
    refreshPages();
    kw::hostPostCommandPrompt();
    return accepted;
}

void CDlgMacro::applyEveryPage() {
    for (int i = 0; i < pageCount(); ++i) {
        CMacroTabPage* p = page(i);
        if (p == nullptr || tabData(i) == nullptr)
            continue;
        const MacroTabData before = *tabData(i);
        p->commitEdits();
        p->store();
        // What the model made of this tab may change what later pages show: they show
        // it before they are stored, so that they never send back stale values.
        if (sendTab(i, before))
            refreshPages();
    }
    clashcheck(m_tableIndex, m_macroData.m_objects);
}

// ---- Commands ------------------------------------------------------------------------

const Tvl_String* CDlgMacro::currentModule() {
    const MacroTabData* tab = tabData(m_current);
    return tab ? &tab->m_module : nullptr;
}

bool CDlgMacro::onCommand(int id, int code, ui::Window* from) {
    if (from != nullptr && code == ui::BN_CLICKED) {
        switch (id) {
        case kSelectOther:
            onSelectOther();
            return true;
        case kView3:
            onView(3);
            return true;
        case kView0:
            onView(0);
            return true;
        case kView1:
            onView(1);
            return true;
        case kView2:
            onView(2);
            return true;
        case kClash:
            clashSetStatus(m_clash.GetCheck() == ui::BST_CHECKED);
            return true;
        case kLoadProps:
            onLoadProps();
            return true;
        case kSaveProps:
            onSaveProps();
            return true;
        case kReApply:
            onReApply();
            return true;
        default:
            break;
        }
    }
    if (from != nullptr && code == ui::CBN_SELCHANGE && (id == kFirstList || id == kSecondList)) {
        onListChanged(id == kFirstList);
        return true;
    }
    return MacroDialogBase::onCommand(id, code, from);
}

bool CDlgMacro::onNotify(ui::NotifyHeader& header, ui::LRESULT& result) {
    if (header.idFrom == kTab && header.code == ui::TCN_SELCHANGE) {
        showCurrentTab();
        result = 0;
        return true;
    }
    return MacroDialogBase::onNotify(header, result);
}

bool CDlgMacro::onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam, ui::LRESULT& result) {
    if (msg == WM_ACAD_KEEPFOCUS) {
        result = 1;
        return true;
    }
    return MacroDialogBase::onMessage(msg, wParam, lParam, result);
}

void CDlgMacro::onSelectOther() {
    showWindow(ui::SW_HIDE);
    const bool picked = SelectOtherMacros(m_macroData);
    showWindow(ui::SW_SHOW);
    if (!picked)
        return;
    afterRecordChanged();
    clashResetInfo(m_macroData.m_objects);
}

void CDlgMacro::onView(int view) {
    if (const Tvl_String* module = currentModule())
        m_macroData.changeView(*module, view);
}

void CDlgMacro::onListChanged(bool first) {
    if (auto* combo = dynamic_cast<ui::ComboBox*>(getDlgItem(kFirstList)))
        m_macroData.m_firstSelection = combo->getCurSel();
    if (auto* combo = dynamic_cast<ui::ComboBox*>(getDlgItem(kSecondList)))
        m_macroData.m_secondSelection = combo->getCurSel();
    UpdateAllFilterModified(m_macroData, first);
    afterRecordChanged();
}

void CDlgMacro::onLoadProps() {
    if (CMacroTabPage* current = page(m_current))
        current->leave();
    if (!m_macroData.propListAllowed())
        return;
    Tvl_String path;
    if (!choosePropertySet(false, path))
        return;
    const MacroData before = m_macroData;
    int count = 0;
    if (!m_macroData.readFromFile(path, count)) {
        // A missing or damaged set leaves the record as it was; the core said why.
        m_macroData = before;
        messageBox((dialString(kTextNotAllLoaded) + L".\n\n" + dialString(kTextCheckValues)).str(),
                   m_macroData.m_title.str(), ui::MB_OK | ui::MB_ICONINFORMATION);
        return;
    }
    Tvl_StringArray names;
    Tvl_Array<int> codes, tabs;
    m_macroData.differences(before, names, codes, tabs);
    if (count != 0) {
        const Tvl_String text = dialString(kTextNotAllLoaded) + L".\n" + dialString(kTextNotFound) +
                                L" " + Tvl_String(count) + L" " + dialString(kTextInTotal) +
                                L".\n\n" + dialString(kTextCheckValues);
        messageBox(text.str(), m_macroData.m_title.str(), ui::MB_OK | ui::MB_ICONINFORMATION);
    }
    // Record-only entries (the set's name) are not the model's business.
    for (int i = codes.length() - 1; i >= 0; --i) {
        if (codes[i] == kMacroItemRecordOnly) {
            codes.removeAt(i);
            names.removeAt(i);
            tabs.removeAt(i);
        }
    }
    m_macroData.setAllToMacro(names, codes, tabs);
    for (auto& p : m_pages) {
        if (p)
            p->refresh();
    }
    if (CMacroTabPage* current = page(m_current))
        current->reEntry();
    clashcheck(m_tableIndex, m_macroData.m_objects);
}

void CDlgMacro::onSaveProps() {
    applyEveryPage();
    if (!m_macroData.propListAllowed())
        return;
    Tvl_String path;
    if (!choosePropertySet(true, path))
        return;
    if (!m_macroData.writeToFile(path))
        messageBox((dialString(kTextSaveFailed) + L"\n" + path).str(), m_macroData.m_title.str(),
                   ui::MB_OK | ui::MB_ICONERROR);
}

bool CDlgMacro::choosePropertySet(bool saveMode, Tvl_String& path) {
    CDlgOpenSave dlg(this);
    Tvl_String folder, ext;
    m_macroData.getPropFiles(dlg.m_names, dlg.m_namesChecked, folder, ext);
    dlg.m_folder = folder;
    dlg.m_extension = ext;
    dlg.m_saveMode = saveMode;
    int result = 0;
    {
        kw::ResourceSwitchScope on;
        result = dlg.doModal();
    }
    if (result != ui::IDOK)
        return false;
    // A name is a set in the folder, never a path that leads out of it.
    if (!isPlainSetName(dlg.m_chosenName)) {
        messageBox(dlg.m_chosenName.str(), dialString(kTextInvalidName).str(), ui::MB_OK);
        return false;
    }
    path = folder + dlg.m_chosenName + ext;
    return true;
}

void CDlgMacro::onReApply() {
    if (m_macroData.reApply())
        closeDialog();
}

// ---- Closing -------------------------------------------------------------------------

void CDlgMacro::onOK() {
    closeDialog();
}

void CDlgMacro::onCancel() {
    closeDialog();
}

void CDlgMacro::onClose() {
    closeDialog();
}

void CDlgMacro::closeDialog() {
    if (m_closing)
        return;
    m_closing = true;
    if (const Tvl_String* module = currentModule())
        m_macroData.changeView(*module, 3);
    m_macroData.setClosed(true);
    if (m_tableIndex >= 0) {
        const int index = m_tableIndex;
        // The table destroys and deletes this dialog (or closes it later, while the
        // core is busy): nothing of it may be touched afterwards.
        if (!EndDlgMacroModeless(index))
            m_closing = false;
        return;
    }
    kw::hostPostCommandPrompt();
    endDialog(ui::IDOK);
}

// ---- Size and destruction ------------------------------------------------------------

void CDlgMacro::onSize(unsigned type, int cx, int cy) {
    MacroDialogBase::onSize(type, cx, cy);
    m_sized = true;
    if (m_resizerReady)
        m_resizer.Move();
    layoutPages();
}

void CDlgMacro::onGetMinMaxInfo(ui::MinMaxInfo& info) {
    int width = 0, height = 0;
    minimumSize(width, height);
    info.minTrackSize = {width, height};
}

void CDlgMacro::onDestroy() {
    saveWindowPlacement(this, m_placementKey);
    clashDlgClosed(m_tableIndex);
    destroyPages();
    m_resizerReady = false;
}

// ---- Owner look-up -------------------------------------------------------------------

CDlgMacro* getDlgOwner(ui::Window* window) {
    for (ui::Window* w = window; w != nullptr; w = w->getParent()) {
        if (auto* dialog = dynamic_cast<CDlgMacro*>(w))
            return dialog;
    }
    return nullptr;
}
