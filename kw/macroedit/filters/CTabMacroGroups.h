#pragma once
// CTabMacroGroups: the assembly a macro creates, in the macro settings: its name and
// description, and a grid of its parts (part, description, position). It edits the
// record's groups part through a pointer and stores into it when destroyed.

#include "core/macrosettings/MacroGroupSettings.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CTabMacroGroups : public ui::Dialog {
public:
    static constexpr int kColPart = 1;
    static constexpr int kColDescription = 2;
    static constexpr int kColPosition = 3;

    // `settings` may be null: the page then shows its texts only.
    explicit CTabMacroGroups(MacroGroupSettings* settings);

    bool createPage(ui::Window* tabControl);
    Tvl_Spread& grid() { return m_grid; }
    void store();

protected:
    bool onInitDialog() override;
    void onDestroy() override;

private:
    MacroGroupSettings* m_settings;
    Tvl_Spread m_grid;
    bool m_stored = false;
};
