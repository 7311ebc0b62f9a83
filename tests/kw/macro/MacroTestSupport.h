#pragma once
// Set-up of the macro dialog tests: the module frame's test state, the sample library of
// the source tree (its dialog designs and lists), the core's sample model in its starting
// state, and helpers to open the dialog on a sample macro as the core's command does.

#include "tests/kw/frame/FrameTestSupport.h"

#include "core/MacroData.h"
#include "core/MacroTabData.h"
#include "core/Tvl_Settings.h"
#include "core/model/SampleModel.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/MacroDialogTable.h"
#include "kw/macro/CDlgMacro.h"
#include "kw/macro/CMacroTabGeneral.h"
#include "kw/macro/MacroIds.h"
#include "platform/base/Paths.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/controls/TabControl.h"

#include <filesystem>

class MacroTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        // A private copy of the sample library, so tests may damage files freely.
        m_lib = m_tmp / "tvllib";
        std::filesystem::copy(TVL_SOURCE_DIR "/resources/install/tvllib", m_lib,
                              std::filesystem::copy_options::recursive);
        setenv("TVL_LIB_DIR", (m_lib.string() + "/").c_str(), 1);
        gSettings.reload();
        model::sampleModel().reset();
    }
    void TearDown() override {
        DestroyAllMacroDlgs();
        kw::MacroDialogTable::instance().closePendingNow();
        EXPECT_EQ(kw::MacroDialogTable::instance().length(), 0);
        FrameTest::TearDown();
    }

    // The record of the sample macro named `name` ("EP1", ...), as the core fills it.
    MacroData record(const wchar_t* name = L"EP1") {
        MacroData data;
        model::MacroInstance* instance = model::sampleModel().instanceByName(name);
        EXPECT_NE(instance, nullptr) << "no sample macro " << Tvl_String(name).toUtf8();
        if (instance == nullptr)
            return data;
        AcArray<AcDbObjectId> ids;
        ids.append(instance->m_id);
        EXPECT_TRUE(model::sampleModel().fillRecord(ids, data));
        return data;
    }

    // Opens the modeless dialog on `data`; null on failure.
    CDlgMacro* open(const MacroData& data) {
        MacroData copy = data;
        m_index = -1;
        if (!StartDlgMacroModeless(true, copy, m_index))
            return nullptr;
        return dynamic_cast<CDlgMacro*>(kw::MacroDialogTable::instance().at(m_index));
    }
    CDlgMacro* openSample(const wchar_t* name = L"EP1") { return open(record(name)); }

    CMacroTabGeneral* general(CDlgMacro* dlg, int tab) {
        return dynamic_cast<CMacroTabGeneral*>(dlg->page(tab));
    }
    // The drawn control showing cell `name` of tab `tab`; null when the cell is not drawn.
    ui::Window* drawnCell(CDlgMacro* dlg, int tab, const wchar_t* name) {
        const MacroCell* cell = dlg->tabData(tab)->cellWithName(name);
        if (cell == nullptr || cell->m_reference <= 0)
            return nullptr;
        return general(dlg, tab)->getDlgItem(cell->m_reference);
    }
    Tvl_String cellValue(CDlgMacro* dlg, int tab, const wchar_t* name) {
        const MacroCell* cell = dlg->tabData(tab)->cellWithName(name);
        return cell ? cell->m_value : Tvl_String(L"<missing>");
    }
    // The record the core reads from the open dialog.
    MacroData current() {
        MacroData data;
        EXPECT_TRUE(GetDlgMacroData(m_index, data));
        return data;
    }
    // The model's value of a cell of a sample macro.
    Tvl_String modelValue(const wchar_t* macro, const wchar_t* module, const wchar_t* cell) {
        model::MacroInstance* instance = model::sampleModel().instanceByName(macro);
        const MacroTabData* tab = instance ? instance->module(module) : nullptr;
        const MacroCell* c = tab ? tab->cellWithName(cell) : nullptr;
        return c ? c->m_value : Tvl_String(L"<missing>");
    }
    std::filesystem::path m_lib;
    int m_index = -1;
};
