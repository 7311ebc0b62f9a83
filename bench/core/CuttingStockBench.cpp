// The cutting-stock optimisation on generated instances: one bought bar length of
// 12 000 mm, 10 to 200 piece types of 300 to 6 000 mm with 1 to 30 pieces each, a 3 mm
// saw cut. Reports the solve time and, as counters, the plan's bar count, the lower
// bound of the linear relaxation (bars, rounded up) and the gap between them.

#include "core/cuttingstock/CuttingStockSolver.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>

namespace {

cutstock::Problem generated(int types, unsigned seed) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> length(300, 6000), count(1, 30);
    cutstock::Problem p;
    p.profile = L"HEA 200";
    p.sawCut = 3;
    p.bars.push_back({L"HEA 200", 12000, -1, false});
    for (int i = 0; i < types; ++i)
        p.pieces.push_back({L"HEA 200", static_cast<double>(length(random)), count(random)});
    return p;
}

void BM_CuttingStock(benchmark::State& state) {
    const int types = static_cast<int>(state.range(0));
    // A few different instances per size, taken in turn.
    std::vector<cutstock::Problem> problems;
    for (unsigned seed = 1; seed <= 5; ++seed)
        problems.push_back(generated(types, seed * 7919u + static_cast<unsigned>(types)));
    size_t next = 0;
    double bars = 0, bound = 0, gap = 0, worstGap = 0, runs = 0;
    for (auto _ : state) {
        const cutstock::Problem& p = problems[next++ % problems.size()];
        const cutstock::Plan plan = cutstock::solve(p);
        benchmark::DoNotOptimize(plan.patterns.data());
        const double lb = std::ceil(plan.lowerBound / 12000.0 - 1e-9);
        bars += plan.barsUsed();
        bound += lb;
        gap += plan.barsUsed() - lb;
        worstGap = std::max(worstGap, plan.barsUsed() - lb);
        ++runs;
    }
    state.counters["bars"] = bars / runs;
    state.counters["lp_bound"] = bound / runs;
    state.counters["gap_bars"] = gap / runs;
    state.counters["worst_gap"] = worstGap;
}

BENCHMARK(BM_CuttingStock)
    ->Arg(10)
    ->Arg(25)
    ->Arg(50)
    ->Arg(100)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond);

} // namespace
