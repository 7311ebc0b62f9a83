#pragma once
// CTabMacroFilter: the first filter page of the macro settings: whether the filters
// apply, the axis-angle entries (enabled, inside or outside two limits) and the
// section-angle entries (enabled, a grid of angle pairs). It edits the record's filter
// part through a pointer and stores into it on entry changes and when it is destroyed.

#include "core/CButtonST.h"
#include "core/macrosettings/MacroFilterSettings.h"
#include "kw/macroedit/filters/FilterEntryList.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CTabMacroFilter : public ui::Dialog {
public:
    // `settings` may be null: the page then shows its texts only.
    explicit CTabMacroFilter(MacroFilterSettings* settings);

    bool createPage(ui::Window* tabControl);
    FilterEntryList& axes() { return m_axes; }
    FilterEntryList& sectionAngles() { return m_sections; }
    Tvl_Spread& pairs() { return m_pairs; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onDestroy() override;

private:
    void showPairs(int index);
    void storePairs(int index);

    MacroFilterSettings* m_settings;
    FilterEntryList m_axes;
    FilterEntryList m_sections;
    Tvl_Spread m_pairs;
    CButtonST m_addPair;
    CButtonST m_deletePair;
    CButtonST m_picture90;
    CButtonST m_picture180;
    CButtonST m_pictureSection;
    bool m_stored = false;
};
