// Opening the macro dialog's sub-dialogs on the sample end plate's bolt tab: the
// advanced bolt dialog, the bolt pattern dialog and the array dialog, each built,
// filled from its record, painted once and closed (target: under 5 ms each).

#include "core/MacroTabData.h"
#include "core/Tvl_Settings.h"
#include "core/model/SampleModel.h"
#include "kw/frame/ModuleState.h"
#include "kw/macro/CDlgArray.h"
#include "kw/macro/CDlgMacroBoltAdv.h"
#include "kw/macro/CDlgMacroPattern.h"
#include "kw/macro/MacroBoltIds.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/draw/CairoCanvas.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

MacroTabData boltTab() {
    static const bool done = [] {
        setenv("TVL_LANG_DIR", TVL_SOURCE_DIR "/resources/lang", 1);
        setenv("TVL_LANGUAGE", "EN", 1);
        setenv("TVL_DIR", TVL_SOURCE_DIR "/resources/install/", 1);
        setenv("TVL_LIB_DIR", TVL_SOURCE_DIR "/resources/install/tvllib/", 1);
        gSettings.reload();
        kw::attachModule();
        return true;
    }();
    (void)done;
    model::sampleModel().reset();
    host::commandLine().clear();
    MacroData data;
    AcArray<AcDbObjectId> ids;
    ids.append(model::sampleModel().instanceByName(L"EP1")->m_id);
    model::sampleModel().fillRecord(ids, data);
    return *data.tabOfModule(L"Bolts");
}

// Runs `dlg` once: the user sees it painted, then cancels it.
void openAndClose(ui::Dialog& dlg, int templateId, benchmark::State& state) {
    ui::ScriptedDriver driver;
    driver.onDialog(templateId, [](ui::Dialog& d) {
        auto canvas = ui::CairoCanvas::createImage(d.getClientRect().size());
        d.paintTree(*canvas);
        benchmark::DoNotOptimize(canvas.get());
        ui::click(d, ui::IDCANCEL);
    });
    if (dlg.doModal() != ui::IDCANCEL || !driver.done())
        state.SkipWithError("the dialog did not open and close");
}

void BM_OpenBoltAdvanced(benchmark::State& state) {
    const MacroTabData tab = boltTab();
    for (auto _ : state) {
        CDlgMacroBoltAdv dlg;
        dlg.m_bolt = tab.m_bolt;
        tab.GetMergedDiameters(dlg.m_diameters);
        openAndClose(dlg, kw::macro::bolt::kDlgBoltAdv, state);
    }
}
BENCHMARK(BM_OpenBoltAdvanced)->Unit(benchmark::kMillisecond);

void BM_OpenPattern(benchmark::State& state) {
    const MacroTabData tab = boltTab();
    MacroPatternProps rows = tab.m_patterns[0];
    rows.m_directions[0].m_mode = true;
    for (int i = 1; i < 10; ++i)
        rows.m_directions[0].m_rows.append(Tvl_StringArray{Tvl_String(i), L"70", L"0", L"1"});
    for (auto _ : state) {
        CDlgMacroPattern dlg(nullptr, 0, rows);
        openAndClose(dlg, kw::macro::bolt::kDlgPattern, state);
    }
}
BENCHMARK(BM_OpenPattern)->Unit(benchmark::kMillisecond);

// The array at the top of its range: 100 entries in the list.
void BM_OpenArray100Entries(benchmark::State& state) {
    const MacroTabData tab = boltTab();
    DynArrayData ribs = tab.m_arrays[0];
    ribs.m_entryColumns.clear();
    ribs.m_entries.clear();
    for (int i = 1; i <= CDlgArray::kMaxEntries; ++i)
        ribs.m_entries.append(L"Rib " + Tvl_String(i));
    for (auto _ : state) {
        CDlgArray dlg;
        dlg.m_data = ribs;
        dlg.m_module = tab.m_module;
        openAndClose(dlg, kw::macro::bolt::kDlgArray, state);
    }
}
BENCHMARK(BM_OpenArray100Entries)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
