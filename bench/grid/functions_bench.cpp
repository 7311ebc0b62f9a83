// Conditional aggregates and the kwsheet calc command end to end.
//
//   SUMIFS: A1:A100000 = i mod 1000, B1:B100000 = i, C1:C1000 =
//           SUMIFS(B:B, A:A, "=" & (row-1)) - a thousand different criteria over
//           100,000 rows; timed: one full recalculation.
//   CountIfsOrdering: the same columns, C1:C1000 = COUNTIFS(A:A, ">" & (990 - row mod 10),
//           B:B, "<=50000") - numeric orderings that pick few rows; one recalculation.
//   CalcCommand/N: `kwsheet calc` on N rows of A=i, B=A*2+1, C=B-A read from memory
//           (parse 3N input lines, calculate, print every cell); run one size per
//           process to read its peak memory.
//
// Times are process CPU time, medians of 5.

#include <benchmark/benchmark.h>

#include <ctime>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "apps/kwsheet/CalcCommand.h"
#include "platform/grid/engine/Sheet.h"

namespace {

double cpuSeconds() {
    timespec ts;
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec * 1e-9;
}

double peakMiB() {
    std::ifstream f("/proc/self/status");
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

// A1:A100000 = i mod 1000, B1:B100000 = i, and `formula` in C1:C1000; each iteration
// one full recalculation.
std::unique_ptr<grid::Sheet> criteriaSheet(const char* formula) {
    auto s = std::make_unique<grid::Sheet>();
    s->setAutoCalc(false);
    s->setRefStyle(grid::RefStyle::A1);
    s->setMaxCols(10);
    s->setMaxRows(100000);
    for (int r = 1; r <= 100000; ++r) {
        s->setNumber(1, r, r % 1000);
        s->setNumber(2, r, r);
    }
    for (int r = 1; r <= 1000; ++r)
        s->setFormula(3, r, formula);
    return s;
}

void timeRecalculations(benchmark::State& state, grid::Sheet& s) {
    for (auto _ : state) {
        double t0 = cpuSeconds();
        s.recalcAll();
        state.SetIterationTime(cpuSeconds() - t0);
    }
}

void SumIfs(benchmark::State& state) {
    auto s = criteriaSheet("SUMIFS($B:$B,$A:$A,\"=\"&(ROW()-1))");
    timeRecalculations(state, *s);
    // Criterion "=1" picks rows 1, 1001, ..., 99001: their sum.
    if (s->value(3, 2).asNumber() != 100 * 1 + 1000.0 * (99 * 100 / 2))
        state.SkipWithError("wrong result");
}

// COUNTIFS over the same column with orderings that pick the values above 990 ...
// 999 - row: a thousand formulas, each matching at most 900 of the 100,000 rows.
void CountIfsOrdering(benchmark::State& state) {
    auto s = criteriaSheet("COUNTIFS($A:$A,\">\"&(990-MOD(ROW(),10)),$B:$B,\"<=50000\")");
    timeRecalculations(state, *s);
    // Row 10: values above 990 (991..999) in rows 1..50000: 9 in each thousand.
    if (s->value(3, 10).asNumber() != 9 * 50)
        state.SkipWithError("wrong result");
}

void CalcCommand(benchmark::State& state) {
    const int64_t n = state.range(0);
    std::string input;
    input.reserve(static_cast<size_t>(n) * 40);
    for (int64_t i = 1; i <= n; ++i) {
        std::string r = std::to_string(i);
        input += "A" + r + "\t" + r + "\nB" + r + "\t=A" + r + "*2+1\nC" + r + "\t=B" + r + "-A" +
                 r + "\n";
    }
    std::string out;
    for (auto _ : state) {
        double t0 = cpuSeconds();
        std::istringstream in(input);
        std::ostringstream o, err;
        char style[] = "--style=a1";
        char* argv[] = {style};
        int rc = runCalc(1, argv, in, o, err);
        state.SetIterationTime(cpuSeconds() - t0);
        if (rc != 0)
            state.SkipWithError(err.str().c_str());
        out = o.str();
    }
    state.counters["peak_MiB"] = peakMiB();
    state.counters["output_MB"] = static_cast<double>(out.size()) / 1e6;
}

} // namespace

BENCHMARK(SumIfs)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(CountIfsOrdering)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK(CalcCommand)
    ->Arg(100000)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

BENCHMARK_MAIN();
