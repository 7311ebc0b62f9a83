#pragma once
// CDlgMacroSettings: the general settings of one macro on five pages (filters, more
// filters, properties, variables, groups). The dialog holds the record; four pages edit
// their part of it through pointers and store into it when they are destroyed (doModal
// destroys the window before it returns), the properties page works on copies of the
// record's three property lists and hands them back on OK. The caller writes the record
// back only when doModal returned IDOK.

#include "core/macrosettings/MacroSettingsData.h"
#include "platform/ui/Dialog.h"

#include <array>
#include <memory>

class CTabMacroFilter;
class CTabMacroFilter2;
class CTabMacroFilterProps;
class CTabMacroVariables;
class CTabMacroGroups;
namespace ui {
class TabControl;
}

class CDlgMacroSettings : public ui::Dialog {
public:
    static constexpr int kTemplateId = 8141;
    static constexpr int kTabs = 8097;
    enum Tab : int { kTabFilter, kTabFilter2, kTabProps, kTabVariables, kTabGroups, kTabCount };

    explicit CDlgMacroSettings(ui::Window* parent = nullptr);
    ~CDlgMacroSettings() override;

    MacroSettingsData m_settings;

    ui::TabControl* tabControl() const;
    CTabMacroFilter* filterPage() const { return m_filter.get(); }
    CTabMacroFilter2* filter2Page() const { return m_filter2.get(); }
    CTabMacroFilterProps* propsPage() const { return m_props.get(); }
    CTabMacroVariables* variablesPage() const { return m_variables.get(); }
    CTabMacroGroups* groupsPage() const { return m_groups.get(); }
    // The page of a tab (null outside 0 to 4).
    ui::Dialog* page(int tab) const;

protected:
    bool onInitDialog() override;
    void onOK() override;
    bool onNotify(ui::NotifyHeader& header, ui::LRESULT& result) override;

private:
    void layoutPages();
    void showTab(int tab);

    std::unique_ptr<CTabMacroFilter> m_filter;
    std::unique_ptr<CTabMacroFilter2> m_filter2;
    std::unique_ptr<CTabMacroFilterProps> m_props;
    std::unique_ptr<CTabMacroVariables> m_variables;
    std::unique_ptr<CTabMacroGroups> m_groups;
};
