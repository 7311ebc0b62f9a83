// The macro dialog on the core's sample model: opening the sample end plate's dialog
// (every page built, the first page painted) and one applied edit on a macro of 10 tabs
// with 100 cells each (UpdateModule, clash check, refresh of every page).

#include "core/Tvl_Settings.h"
#include "core/model/SampleModel.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/MacroDialogTable.h"
#include "kw/frame/ModuleState.h"
#include "kw/macro/CDlgMacro.h"
#include "kw/macro/CMacroTabGeneral.h"
#include "kw/macro/MacroIds.h"
#include "platform/grid/control/GridMessages.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/Application.h"
#include "platform/ui/draw/CairoCanvas.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

void setUp() {
    static const bool done = [] {
        setenv("TVL_LANG_DIR", TVL_SOURCE_DIR "/resources/lang", 1);
        setenv("TVL_LANGUAGE", "EN", 1);
        setenv("TVL_LIB_DIR", TVL_SOURCE_DIR "/resources/install/tvllib/", 1);
        gSettings.reload();
        kw::attachModule();
        return true;
    }();
    (void)done;
    model::sampleModel().reset();
    host::commandLine().clear();
}

MacroData recordOf(AcDbObjectId id) {
    MacroData data;
    AcArray<AcDbObjectId> ids;
    ids.append(id);
    model::sampleModel().fillRecord(ids, data);
    return data;
}

void BM_OpenSampleMacroDialog(benchmark::State& state) {
    setUp();
    const MacroData data = recordOf(model::sampleModel().instanceByName(L"EP1")->m_id);
    for (auto _ : state) {
        MacroData copy = data;
        int index = -1;
        if (!StartDlgMacroModeless(true, copy, index)) {
            state.SkipWithError("the dialog did not open");
            break;
        }
        auto* dlg = static_cast<CDlgMacro*>(kw::MacroDialogTable::instance().at(index));
        CMacroTabPage* first = dlg->page(dlg->currentPage());
        auto canvas = ui::CairoCanvas::createImage(first->getClientRect().size());
        first->paintTree(*canvas);
        benchmark::DoNotOptimize(canvas.get());
        state.PauseTiming();
        EndDlgMacroModeless(index);
        host::commandLine().clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenSampleMacroDialog)->Unit(benchmark::kMillisecond);

void BM_AppliedEdit10Tabs100Cells(benchmark::State& state) {
    setUp();
    const AcDbObjectId id = model::sampleModel().addSyntheticMacro(10, 100);
    MacroData data = recordOf(id);
    int index = -1;
    if (data.tabCount() != 10 || !StartDlgMacroModeless(true, data, index)) {
        state.SkipWithError("the synthetic macro did not open");
        return;
    }
    auto* dlg = static_cast<CDlgMacro*>(kw::MacroDialogTable::instance().at(index));
    auto* page = dynamic_cast<CMacroTabGeneral*>(dlg->page(0));
    // The first input cell of the first tab, typed as the user would, then confirmed.
    int row = 0;
    for (int i = 0; i < dlg->tabData(0)->m_cells.length() && row == 0; ++i) {
        const MacroCell& cell = dlg->tabData(0)->m_cells[i];
        if (!cell.m_readOnly && cell.m_reference < 0)
            row = -cell.m_reference;
    }
    if (page == nullptr || row == 0) {
        state.SkipWithError("no input cell");
        EndDlgMacroModeless(index);
        return;
    }
    int n = 0;
    for (auto _ : state) {
        const std::wstring value = std::to_wstring(10 + (n++ % 50));
        page->grid().setValue(CMacroTabGeneral::kColValue, row, value);
        page->sendMessage(grid::kMsgCellChanged, kw::macro::kGrid, 0);
        state.PauseTiming();
        host::commandLine().clear();
        state.ResumeTiming();
    }
    EndDlgMacroModeless(index);
}
BENCHMARK(BM_AppliedEdit10Tabs100Cells)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
