// The section library editors on the whole sample library, and a values table of 10,000
// sizes shown in the grid, filtered, saved from the grid and searched.

#include "core/Tvl_Settings.h"
#include "kw/frame/ModuleState.h"
#include "kw/library/CDlgEditLibSections.h"
#include "kw/library/CDlgEditLibSimple.h"
#include "kw/library/Tvl_ProfValuesTable.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

// A private copy of the sample library as the library folder.
std::filesystem::path library() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() /
                 ("kw_section_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        std::filesystem::copy(std::filesystem::path(TVL_SOURCE_DIR) /
                                  "resources/install/tvllib/prof",
                              d / "prof", std::filesystem::copy_options::recursive);
        setenv("TVL_LIB_DIR", (d.string() + "/").c_str(), 1);
        if (std::getenv("TVL_LANG_DIR") == nullptr)
            setenv("TVL_LANG_DIR", TVL_SOURCE_DIR "/resources/lang", 1);
        gSettings.reload();
        kw::attachModule();
        return d;
    }();
    return dir;
}

Tvl_ProfValuesTable bigTable(int rows) {
    Tvl_ProfValuesTable t;
    t.typeName = L"BIG";
    t.sectionType = L"10";
    for (const wchar_t* c :
         {L"SysName", L"I/O", L"EN", L"NL", L"DE", L"FR", L"h", L"b", L"t", L"r", L"G"})
        t.columnNames.append(c);
    for (int i = 0; i < rows; ++i) {
        const Tvl_String size = Tvl_String(100 + i) + L"x50x4";
        Tvl_StringArray row{size, i % 7 ? L"1" : L"0"};
        for (const wchar_t* prefix : {L"RHS ", L"Koker ", L"RR ", L"TR "})
            row.append(prefix + size);
        for (double v : {100.0 + i, 50.0, 4.0, 8.0, 8.59 + i * 0.03})
            row.append(Tvl_String(v, 2));
        t.rows.append(row);
    }
    return t;
}

// A dialog that holds one values grid.
struct GridHost {
    GridHost() : dialog(makeTemplate()) {
        dialog.create();
        grid.attach(&dialog, 100);
    }
    ~GridHost() { dialog.destroyWindow(); }
    static ui::DialogTemplate makeTemplate() {
        ui::DialogTemplate t;
        t.id = 9911;
        t.style = ui::WS_POPUP | ui::WS_CAPTION;
        t.rect = ui::dlu(0, 0, 400, 300);
        t.controls = {{100, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(4, 4, 392, 292)}};
        return t;
    }
    ui::Dialog dialog;
    Tvl_Spread grid;
};

void BM_OpenSectionEditor(benchmark::State& state) {
    library();
    for (auto _ : state) {
        ui::ScriptedDriver driver;
        driver.onDialog(CDlgEditLibSections::kTemplateId,
                        [](ui::Dialog& d) { ui::click(d, ui::IDCANCEL); });
        CDlgEditLibSections editor;
        Tvl_String problem;
        editor.m_data.readLibrary(problem);
        editor.m_name = L"CHS-48.3x3.2"; // the largest table of the sample
        benchmark::DoNotOptimize(editor.doModal());
    }
}
BENCHMARK(BM_OpenSectionEditor)->Unit(benchmark::kMillisecond);

void BM_OpenSimpleEditor(benchmark::State& state) {
    library();
    Tvl_ProfValuesTable rhs;
    rhs.readFromFile(L"RHS.pr");
    for (auto _ : state) {
        ui::ScriptedDriver driver;
        driver.onDialog(CDlgEditLibSimple::kTemplateId,
                        [](ui::Dialog& d) { ui::click(d, ui::IDCANCEL); });
        CDlgEditLibSimple simple;
        simple.m_table = rhs;
        simple.m_sysName = L"100x50x4";
        benchmark::DoNotOptimize(simple.doModal());
    }
}
BENCHMARK(BM_OpenSimpleEditor)->Unit(benchmark::kMillisecond);

void BM_ValuesShow(benchmark::State& state) {
    library();
    GridHost host;
    const Tvl_ProfValuesTable t = bigTable(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(t.setToKW(host.grid));
}
BENCHMARK(BM_ValuesShow)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ValuesFilter(benchmark::State& state) {
    library();
    const Tvl_ProfValuesTable t = bigTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Tvl_StringArray active;
        t.getFilteredSysNames(active);
        benchmark::DoNotOptimize(active.length());
    }
}
BENCHMARK(BM_ValuesFilter)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_ValuesSaveFromGrid(benchmark::State& state) {
    library();
    GridHost host;
    Tvl_ProfValuesTable t = bigTable(static_cast<int>(state.range(0)));
    t.setToKW(host.grid);
    for (auto _ : state) {
        Tvl_ProfValuesTable stored = t;
        stored.getFromKW(host.grid);
        if (!stored.writeToFile(L"BIG.pr"))
            state.SkipWithError("write failed");
    }
}
BENCHMARK(BM_ValuesSaveFromGrid)->Arg(10000)->Unit(benchmark::kMillisecond);

void BM_FindNext(benchmark::State& state) {
    library();
    GridHost host;
    const int rows = static_cast<int>(state.range(0));
    bigTable(rows).setToKW(host.grid);
    const Tvl_String wanted = L"TR " + Tvl_String(100 + rows - 1) + L"x50x4"; // the last row
    for (auto _ : state) {
        int col = 1, row = 1;
        if (!host.grid.findNext(wanted, col, row))
            state.SkipWithError("not found");
        benchmark::DoNotOptimize(row);
    }
}
BENCHMARK(BM_FindNext)->Arg(10000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    kw::detachModule();
    std::error_code ec;
    std::filesystem::remove_all(library(), ec);
    return 0;
}
