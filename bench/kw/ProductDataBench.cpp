// Reading and writing the product's data files: a 100,000-row profile values table and
// a design of 100 controls (file only, and drawn at run time with its tab order).

#include "core/Tvl_Settings.h"
#include "kw/designer/Tvl_DlgDesignerData.h"
#include "kw/library/Tvl_ProfValuesTable.h"
#include "platform/base/Paths.h"
#include "platform/ui/Application.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

namespace {

std::filesystem::path scratch() {
    static const std::filesystem::path dir = [] {
        auto d = std::filesystem::temp_directory_path() /
                 ("kw_product_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(d / "prof");
        setenv("TVL_LIB_DIR", (d.string() + "/").c_str(), 1);
        gSettings.reload();
        std::filesystem::create_directories(base::toNative(getDesignerRootFolder().str()));
        return d;
    }();
    return dir;
}

Tvl_ProfValuesTable bigTable(int rows) {
    Tvl_ProfValuesTable t;
    t.sectionType = L"I";
    for (const wchar_t* c :
         {L"SysName", L"I/O", L"EN", L"NL", L"DE", L"FR", L"h", L"b", L"tw", L"tf", L"r", L"A"})
        t.columnNames.append(c);
    for (int i = 0; i < rows; ++i) {
        Tvl_StringArray row;
        row.append(Tvl_String(i));
        row.append(i % 7 ? L"1" : L"0");
        for (int k = 0; k < 4; ++k)
            row.append(Tvl_String(L"HEA ") + Tvl_String(i));
        for (int k = 0; k < 6; ++k)
            row.append(Tvl_String(i * 0.37 + k, 2));
        t.rows.append(row);
    }
    return t;
}

void BM_ValuesTableWrite(benchmark::State& state) {
    scratch();
    const Tvl_ProfValuesTable t = bigTable(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(t.writeToFile(L"HEA.pr"));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ValuesTableWrite)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ValuesTableRead(benchmark::State& state) {
    scratch();
    bigTable(static_cast<int>(state.range(0))).writeToFile(L"HEA.pr");
    for (auto _ : state) {
        Tvl_ProfValuesTable t;
        if (!t.readFromFile(L"HEA.pr"))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(t.rows.length());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ValuesTableRead)->Arg(100000)->Unit(benchmark::kMillisecond);

void fillDesign(Tvl_DlgDesignerData& d, int n) {
    for (int i = 0; i < n; ++i) {
        Tvl_DesignerControl c;
        c.type = (i % 5 == 0) ? tvlCtrlStatic : (i % 5 == 1 ? tvlCtrlCheck : tvlCtrlEdit);
        c.topLeftX = (i % 10) * 0.1;
        c.topLeftY = (i / 10) * 0.1;
        c.bottomRightX = c.topLeftX + 0.08;
        c.bottomRightY = c.topLeftY + 0.05;
        c.contents = Tvl_String(L"var") + Tvl_String(i);
        c.comboList = L"1";
        d.append(c);
    }
}

void BM_DesignWrite(benchmark::State& state) {
    scratch();
    Tvl_DlgDesignerData d;
    fillDesign(d, static_cast<int>(state.range(0)));
    const Tvl_String path = getDesignerRootFolder() + L"bench.txt";
    for (auto _ : state)
        benchmark::DoNotOptimize(d.writeToFile(path));
}
BENCHMARK(BM_DesignWrite)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_DesignRead(benchmark::State& state) {
    scratch();
    const Tvl_String path = getDesignerRootFolder() + L"bench.txt";
    {
        Tvl_DlgDesignerData d;
        fillDesign(d, static_cast<int>(state.range(0)));
        d.writeToFile(path);
    }
    for (auto _ : state) {
        Tvl_DlgDesignerData d;
        if (!d.readFromFile(path, false))
            state.SkipWithError("read failed");
        benchmark::DoNotOptimize(d.getNrControls());
    }
}
BENCHMARK(BM_DesignRead)->Arg(100)->Unit(benchmark::kMicrosecond);

void BM_DesignDrawRunTime(benchmark::State& state) {
    scratch();
    ui::DialogTemplate t;
    t.id = 9902;
    t.style = ui::WS_POPUP | ui::WS_CAPTION;
    t.rect = ui::dlu(0, 0, 300, 200);
    ui::Dialog host(t);
    host.create();
    Tvl_DlgDesignerData d;
    d.initialize(&host, 33000, 33099, 0, 0, 0, 0, 0, false);
    fillDesign(d, static_cast<int>(state.range(0)));
    for (auto _ : state)
        d.redrawAllControls(); // tab order, destroy and create 100 windows
    d.removeAllDrawnCtrls();
    host.destroyWindow();
}
BENCHMARK(BM_DesignDrawRunTime)->Arg(100)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    std::filesystem::remove_all(scratch(), ec);
    return 0;
}
