// W4: 1,000,000 numeric constants (100,000 rows x 10 columns) saved as a .kws
// document and loaded back, each timed on its own. Medians over repetitions.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <unistd.h>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/DocumentFile.h"

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

std::string benchPath() {
    return (std::filesystem::temp_directory_path() /
            ("tvl-w4-" + std::to_string(::getpid()) + ".kws"))
        .string();
}

// Fractions, so every value is stored as a full 8-byte double.
std::unique_ptr<grid::Sheet> makeSheet() {
    auto s = std::make_unique<grid::Sheet>();
    s->setAutoCalc(false);
    s->setMaxCols(kCols);
    s->setMaxRows(kRows);
    for (int c = 1; c <= kCols; ++c)
        for (int r = 1; r <= kRows; ++r)
            s->setNumber(c, r, r + c * 0.1);
    return s;
}

void W4_Save(benchmark::State& state) {
    auto sheet = makeSheet();
    std::string path = benchPath();
    for (auto _ : state) {
        grid::IoStatus st = grid::DocumentFile::save(*sheet, path);
        if (!st.ok())
            state.SkipWithError(st.message().c_str());
    }
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    std::filesystem::remove(path);
}

void W4_Load(benchmark::State& state) {
    std::string path = benchPath();
    {
        auto sheet = makeSheet();
        if (!grid::DocumentFile::save(*sheet, path).ok()) {
            state.SkipWithError("cannot save the document to load");
            return;
        }
    }
    for (auto _ : state) {
        grid::Sheet loaded;
        grid::IoStatus st = grid::DocumentFile::load(loaded, path);
        if (!st.ok() || loaded.value(kCols, kRows).asNumber() != kRows + kCols * 0.1)
            state.SkipWithError("load failed");
    }
    std::filesystem::remove(path);
}

} // namespace

BENCHMARK(W4_Save)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(W4_Load)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
