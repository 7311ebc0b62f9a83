#pragma once
// Set-up of the bolt, pattern and array dialog tests: the macro dialog's test state
// (sample library, sample model) and helpers to reach the sample end plate's bolt tab as
// a user does.

#include "tests/kw/macro/MacroTestSupport.h"

#include "kw/macro/MacroBoltIds.h"

namespace mb = kw::macro::bolt;

class MacroBoltTest : public MacroTest {
protected:
    static constexpr int kBoltTab = 1;

    // EP1's macro dialog with its bolt tab shown; null on failure.
    CDlgMacro* openBolts(const MacroData& data) {
        CDlgMacro* dlg = open(data);
        if (dlg != nullptr) {
            EXPECT_TRUE(ui::selectItem(*dlg, kw::macro::kTab, kBoltTab));
        }
        return dlg;
    }
    CDlgMacro* openBolts() { return openBolts(record()); }

    // The grid row of the bolt tab that shows pattern or array `name`.
    int gridRowOf(CDlgMacro* dlg, const wchar_t* name) {
        const MacroTabData* tab = dlg->tabData(kBoltTab);
        for (const MacroPatternProps& p : tab->m_patterns)
            if (p.m_name == name)
                return -p.m_refButton;
        for (const DynArrayData& a : tab->m_arrays)
            if (a.m_name == name)
                return -a.m_reference;
        return 0;
    }
    // Presses the button cell of grid row `row` with the keyboard.
    bool pressGridButton(CDlgMacro* dlg, int row) {
        CMacroTabGeneral* page = general(dlg, kBoltTab);
        page->grid().setFocus();
        page->grid().setActiveCell(CMacroTabGeneral::kColButton, row);
        return ui::key(ui::VK_SPACE);
    }
    // The model's bolt tab of a sample macro.
    MacroTabData* modelTab(const wchar_t* macro = L"EP1", const wchar_t* module = L"Bolts") {
        model::MacroInstance* instance = model::sampleModel().instanceByName(macro);
        return instance ? instance->module(module) : nullptr;
    }
};
