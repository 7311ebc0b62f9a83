// Printing a long document: its pagination (100,000 rows), the PDF of its 2,000 pages,
// and the page view drawing any one page of it.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>

#include "platform/grid/control/GridControl.h"
#include "platform/grid/control/GridPageView.h"
#include "platform/grid/print/Pagination.h"
#include "platform/ui/Application.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/draw/CairoCanvas.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 6;

// 100,000 rows of six cells (a position, a section, three numbers and a formula), with
// the column headers on every page: 50 rows a page on A4, 2,000 pages.
grid::GridControl& document() {
    static std::unique_ptr<grid::GridControl> g = [] {
        auto grid = std::make_unique<grid::GridControl>();
        grid::Sheet& s = grid->sheet();
        s.setMaxCols(kCols);
        s.setMaxRows(kRows);
        for (int r = 1; r <= kRows; ++r) {
            s.setNumber(1, r, r);
            s.setText(2, r, r % 2 ? "HEA200" : "IPE300");
            s.setNumber(3, r, 6.0 + r % 7);
            s.setNumber(4, r, 1 + r % 5);
            s.setNumber(5, r, 42.3);
            s.setFormula(6, r,
                         "C" + std::to_string(r) + "*D" + std::to_string(r) + "*E" +
                             std::to_string(r));
        }
        s.recalcAll();
        grid::SpreadPrintOptions o;
        o.rowHeaders = false;
        o.dc.outputPath = (std::filesystem::temp_directory_path() / "print_bench.pdf").string();
        grid->setPrintOptions(o);
        return grid;
    }();
    return *g;
}

void BM_Paginate100000Rows(benchmark::State& state) {
    grid::GridControl& g = document();
    int pages = 0;
    for (auto _ : state) {
        const grid::Pagination p = g.paginate(300);
        pages = p.pageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_Paginate100000Rows)->Unit(benchmark::kMillisecond);

void BM_WritePdfOf2000Pages(benchmark::State& state) {
    grid::GridControl& g = document();
    int pages = 0;
    for (auto _ : state) {
        const grid::PrintResult r = g.print(L"bench");
        if (!r.ok)
            state.SkipWithError(r.error.c_str());
        pages = r.pages;
    }
    state.counters["pages"] = pages;
    std::filesystem::remove(g.printOptions().dc.outputPath);
}
BENCHMARK(BM_WritePdfOf2000Pages)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);

void BM_PreviewShowsAnyPage(benchmark::State& state) {
    grid::GridControl& g = document();
    grid::GridPageView view;
    view.create(grid::kPageViewClassName, L"", ui::WS_VISIBLE | ui::WS_OVERLAPPED,
                ui::Rect{0, 0, 900, 1200}, nullptr, 1038);
    view.setSpread(&g);
    view.setPageViewType(2);
    view.setPageViewPercentage(100);
    auto canvas = ui::CairoCanvas::createImage({900, 1200});
    std::mt19937 random(7);
    std::uniform_int_distribution<int> page(1, view.pageCount());
    for (auto _ : state) {
        view.setPageCurrent(page(random));
        ui::paintWindow(*canvas, view);
    }
    state.counters["pages"] = view.pageCount();
    view.destroyWindow();
}
BENCHMARK(BM_PreviewShowsAnyPage)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
