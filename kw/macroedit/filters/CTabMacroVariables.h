#pragma once
// CTabMacroVariables: the macro's own variables in the macro settings: the length and
// angle units, the number of decimals, and a grid of variables (name, value). It edits
// the record's variables part through a pointer and stores into it when destroyed.

#include "core/CButtonST.h"
#include "core/macrosettings/MacroVariableSettings.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"

class CTabMacroVariables : public ui::Dialog {
public:
    // `settings` may be null: the page then shows its texts only.
    explicit CTabMacroVariables(MacroVariableSettings* settings);

    bool createPage(ui::Window* tabControl);
    Tvl_Spread& grid() { return m_grid; }

    // What the page shows into the record (also on destroy).
    void store();

protected:
    bool onInitDialog() override;
    bool onCommand(int id, int code, ui::Window* from) override;
    void onDestroy() override;

private:
    MacroVariableSettings* m_settings;
    Tvl_Spread m_grid;
    CButtonST m_add;
    CButtonST m_delete;
    bool m_stored = false;
};
