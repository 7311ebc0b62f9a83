#pragma once
// Set-up of the cuts dialog and gallery tests: the macro tests' state (sample library
// copy, sample model) plus a private installation folder with the sample icons, and
// helpers to act on grids as a user does.

#include "tests/kw/macro/MacroTestSupport.h"

#include "core/macrocuts/DlgMacroCutsData.h"
#include "core/macrocuts/PictureCache.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/host/PickQueue.h"

class MacroCutsTest : public MacroTest {
protected:
    void SetUp() override {
        MacroTest::SetUp();
        std::filesystem::copy(TVL_SOURCE_DIR "/resources/install/icons", m_tmp / "icons");
        setenv("TVL_DIR", (m_tmp.string() + "/").c_str(), 1);
        gSettings.reload();
        picture_cache::clear();
    }
    void TearDown() override {
        unsetenv("TVL_DIR");
        gSettings.reload();
        MacroTest::TearDown();
    }

    static AcDbObjectId macroId(const wchar_t* name) {
        const model::MacroInstance* instance = model::sampleModel().instanceByName(name);
        return instance ? instance->m_id : AcDbObjectId();
    }
    // The record as TVLMACROCUTS fills it: cut `cut` of EP1, or a new one.
    static DlgMacroCutsData cutRecord(const wchar_t* cut = L"") {
        DlgMacroCutsData data;
        EXPECT_TRUE(data.fillFromModel(macroId(L"EP1"), cut));
        return data;
    }
    // Types `text` into a cell of `grid` and confirms it with Enter, as a user does.
    static void typeCell(Tvl_Spread& grid, int col, int row, const wchar_t* text) {
        grid.setFocus();
        ASSERT_TRUE(grid.setActiveCell(col, row));
        ASSERT_TRUE(ui::typeText(text));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
    }
    static void clickCell(Tvl_Spread& grid, int col, int row) {
        const ui::Rect r = grid.cellRect(col, row);
        ASSERT_FALSE(r.isEmpty()) << "cell " << col << "," << row << " not in view";
        ui::mouseDown(grid, {r.left + r.width() / 2, r.top + r.height() / 2});
        ui::mouseUp(grid, {r.left + r.width() / 2, r.top + r.height() / 2});
    }
};
