// Fill a grid through setColumnTexts, fit every column, and find the text that only
// the last cell holds: each should grow linearly with the number of cells.
#include <benchmark/benchmark.h>

#include <memory>

#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Application.h"

namespace {

constexpr int kCols = 10;

struct Host {
    std::unique_ptr<ui::Window> parent = std::make_unique<ui::Window>();
    std::unique_ptr<Tvl_Spread> grid = std::make_unique<Tvl_Spread>();
    explicit Host(int rows) {
        parent->create(L"BenchParent", L"", ui::WS_OVERLAPPED, ui::Rect{0, 0, 800, 600}, nullptr,
                       0);
        ui::Window::createChild(L"Static", L"", ui::WS_CHILD | ui::WS_VISIBLE, 0,
                                ui::Rect{10, 30, 790, 590}, parent.get(), 1196);
        grid->attach(parent.get(), 1196);
        grid->setColCount(kCols);
        grid->setRowCount(rows);
    }
    ~Host() {
        grid.reset();
        parent->destroyWindow();
    }
    void fill(int rows) {
        Tvl_StringArray texts;
        for (int r = 0; r < rows; ++r)
            texts.append(Tvl_String::format(L"cell %d", r));
        for (int c = 1; c <= kCols; ++c)
            grid->setColumnTexts(c, texts);
    }
};

void BM_FillThroughSetColumnTexts(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto host = std::make_unique<Host>(rows);
        state.ResumeTiming();
        host->fill(rows);
        state.PauseTiming();
        host.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * rows * kCols);
}

void BM_FitAllColumns(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    Host host(rows);
    host.fill(rows);
    for (auto _ : state) {
        for (int c = 1; c <= kCols; ++c)
            host.grid->fitColumn(c);
    }
    state.SetItemsProcessed(state.iterations() * rows * kCols);
}

void BM_FindNextToTheLastCell(benchmark::State& state) {
    const int rows = static_cast<int>(state.range(0));
    Host host(rows);
    host.fill(rows);
    host.grid->setData(kCols, rows, L"needle");
    for (auto _ : state) {
        int col = 1, row = 1;
        bool found = host.grid->findNext(L"needle", col, row);
        benchmark::DoNotOptimize(found);
        if (!found || col != kCols || row != rows)
            state.SkipWithError("the last cell was not found");
    }
    state.SetItemsProcessed(state.iterations() * rows * kCols);
}

BENCHMARK(BM_FillThroughSetColumnTexts)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_FitAllColumns)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_FindNextToTheLastCell)
    ->Arg(10000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

} // namespace

BENCHMARK_MAIN();
