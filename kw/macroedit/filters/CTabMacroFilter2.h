#pragma once
// CTabMacroFilter2: the second filter page of the macro settings: whether these filters
// apply, the path-distance entries (two limits) and the section-size entries (height and
// width ranges). It edits the record's second filter part through a pointer.

#include "core/CButtonST.h"
#include "core/macrosettings/MacroFilter2Settings.h"
#include "kw/macroedit/filters/FilterEntryList.h"
#include "platform/ui/Dialog.h"

class CTabMacroFilter2 : public ui::Dialog {
public:
    // `settings` may be null: the page then shows its texts only.
    explicit CTabMacroFilter2(MacroFilter2Settings* settings);

    bool createPage(ui::Window* tabControl);
    FilterEntryList& paths() { return m_paths; }
    FilterEntryList& sizes() { return m_sizes; }

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onDestroy() override;

private:
    MacroFilter2Settings* m_settings;
    FilterEntryList m_paths;
    FilterEntryList m_sizes;
    CButtonST m_picturePath;
    CButtonST m_pictureSize;
    bool m_stored = false;
};
