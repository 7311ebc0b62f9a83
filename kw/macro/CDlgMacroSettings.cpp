#include "kw/macro/CDlgMacroSettings.h"

#include "core/LanguageTexts.h"
#include "kw/frame/DialogHelpers.h"
#include "kw/macroedit/filters/CTabMacroFilter.h"
#include "kw/macroedit/filters/CTabMacroFilter2.h"
#include "kw/macroedit/filters/CTabMacroFilterProps.h"
#include "kw/macroedit/filters/CTabMacroGroups.h"
#include "kw/macroedit/filters/CTabMacroVariables.h"
#include "platform/ui/controls/TabControl.h"

CDlgMacroSettings::CDlgMacroSettings(ui::Window* parent) : ui::Dialog(kTemplateId, parent) {}

CDlgMacroSettings::~CDlgMacroSettings() = default;

ui::TabControl* CDlgMacroSettings::tabControl() const {
    return dynamic_cast<ui::TabControl*>(getDlgItem(kTabs));
}

ui::Dialog* CDlgMacroSettings::page(int tab) const {
    switch (tab) {
    case kTabFilter:
        return m_filter.get();
    case kTabFilter2:
        return m_filter2.get();
    case kTabProps:
        return m_props.get();
    case kTabVariables:
        return m_variables.get();
    case kTabGroups:
        return m_groups.get();
    default:
        return nullptr;
    }
}

bool CDlgMacroSettings::onInitDialog() {
    setWindowText(dialString(916).str());
    setDlgItemText(ui::IDOK, dialString(1).str());
    setDlgItemText(ui::IDCANCEL, dialString(2).str());
    // The pages edit the record in place; the properties page gets copies of its lists.
    m_filter = std::make_unique<CTabMacroFilter>(&m_settings.m_filters);
    m_filter2 = std::make_unique<CTabMacroFilter2>(&m_settings.m_filters2);
    m_props = std::make_unique<CTabMacroFilterProps>();
    m_props->setLists(m_settings.m_propNames, m_settings.m_propValues, m_settings.m_propDesigns);
    m_variables = std::make_unique<CTabMacroVariables>(&m_settings.m_variables);
    m_groups = std::make_unique<CTabMacroGroups>(&m_settings.m_groups);

    ui::TabControl* tabs = tabControl();
    if (!tabs)
        return true;
    static constexpr int kCaptions[kTabCount] = {917, 918, 919, 875, 755};
    for (int tab = 0; tab < kTabCount; ++tab)
        tabs->insertItem(tab, dialString(kCaptions[tab]).str());
    m_filter->createPage(tabs);
    m_filter2->createPage(tabs);
    m_props->createPage(tabs);
    m_variables->createPage(tabs);
    m_groups->createPage(tabs);
    layoutPages();
    tabs->setCurSel(kTabFilter);
    showTab(kTabFilter);
    return true;
}

void CDlgMacroSettings::layoutPages() {
    ui::TabControl* tabs = tabControl();
    if (!tabs)
        return;
    const ui::Rect area = tabPageRect(*tabs);
    for (int tab = 0; tab < kTabCount; ++tab)
        if (ui::Dialog* p = page(tab); p && p->isWindow())
            p->moveWindow(area);
}

void CDlgMacroSettings::showTab(int tab) {
    for (int t = 0; t < kTabCount; ++t)
        if (ui::Dialog* p = page(t); p && p->isWindow())
            p->showWindow(ui::SW_HIDE);
    if (ui::Dialog* p = page(tab); p && p->isWindow())
        p->showWindow(ui::SW_SHOW);
}

bool CDlgMacroSettings::onNotify(ui::NotifyHeader& header, ui::LRESULT& result) {
    if (header.idFrom == kTabs && header.code == ui::TCN_SELCHANGE) {
        ui::TabControl* tabs = tabControl();
        showTab(tabs ? tabs->getCurSel() : -1);
        result = 0;
        return true;
    }
    return ui::Dialog::onNotify(header, result);
}

void CDlgMacroSettings::onOK() {
    if (m_props && m_props->isWindow())
        m_props->takeLists(m_settings.m_propNames, m_settings.m_propValues,
                           m_settings.m_propDesigns);
    ui::Dialog::onOK();
}
