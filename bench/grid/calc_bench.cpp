// Calculation workloads W1-W3. Each is timed in three parts: entering the cells
// (dependencies included; automatic calculation off), a full recalculation, and
// the recalculation after one edit. Figures are medians of 5 repetitions.
//
//   W1: N rows; A{i} = i, B{i} = A{i}*2+1, C{i} = B{i}-A{i}     (N = 100,000 and 1,000,000)
//   W2: A{i} constants, B1 = A1, B{i} = B{i-1}+A{i}             (N = 100,000 and 1,000,000); edit
//   A1 W3: A1..A11000 constants, B{i} = SUM(A{i}:A{i+999}) for i = 1..10,000; edit A5000
//
// Formulas are entered in A1 notation, as written above. Run one workload per
// process (--benchmark_filter) to read its peak memory from the peak_MiB counter.

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>

#include "platform/grid/engine/Sheet.h"

namespace {

// The reported time is the process's CPU time (user + system), which on a busy
// shared machine is far steadier than the wall clock; the wall clock is given
// as the wall_ms counter of the last repetition.
struct Clock {
    struct time_point {
        double cpu;
        std::chrono::steady_clock::time_point wall;
    };
    static time_point now() {
        timespec ts;
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
        return {ts.tv_sec + ts.tv_nsec * 1e-9, std::chrono::steady_clock::now()};
    }
};

double seconds(Clock::time_point a, Clock::time_point b) {
    return b.cpu - a.cpu;
}
double wallMs(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::milli>(b.wall - a.wall).count();
}

double peakMiB() {
    std::ifstream f("/proc/self/status");
    std::string line;
    while (std::getline(f, line))
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6)) / 1024.0;
    return 0;
}

enum class Part { Enter, Recalc, Edit };

std::unique_ptr<grid::Sheet> newSheet(int32_t cols, int32_t rows) {
    auto s = std::make_unique<grid::Sheet>();
    s->setAutoCalc(false);
    s->setRefStyle(grid::RefStyle::A1);
    s->setMaxCols(cols);
    s->setMaxRows(rows);
    return s;
}

void enterW1(grid::Sheet& s, int32_t n) {
    std::string f;
    for (int32_t i = 1; i <= n; ++i) {
        std::string row = std::to_string(i);
        s.setNumber(1, i, i);
        f.assign("=A").append(row).append("*2+1");
        s.setFormula(2, i, f);
        f.assign("=B").append(row).append("-A").append(row);
        s.setFormula(3, i, f);
    }
}

void enterW2(grid::Sheet& s, int32_t n) {
    std::string f;
    for (int32_t i = 1; i <= n; ++i) {
        s.setNumber(1, i, i % 100);
        if (i == 1)
            f = "=A1";
        else
            f.assign("=B").append(std::to_string(i - 1)).append("+A").append(std::to_string(i));
        s.setFormula(2, i, f);
    }
}

void enterW3(grid::Sheet& s) {
    for (int32_t i = 1; i <= 11000; ++i)
        s.setNumber(1, i, i);
    for (int32_t i = 1; i <= 10000; ++i)
        s.setFormula(2, i,
                     std::string("=SUM(A")
                         .append(std::to_string(i))
                         .append(":A")
                         .append(std::to_string(i + 999))
                         .append(")"));
}

template <class Enter, class Edit>
void run(benchmark::State& state, Part part, int32_t cols, int32_t rows, Enter enter, Edit edit) {
    for (auto _ : state) {
        auto s = newSheet(cols, rows);
        double t = 0, wall = 0;
        auto t0 = Clock::now();
        enter(*s);
        auto t1 = Clock::now();
        if (part == Part::Enter) {
            t = seconds(t0, t1);
            wall = wallMs(t0, t1);
        }
        if (part != Part::Enter) {
            auto t2 = Clock::now();
            s->recalcAll();
            auto t3 = Clock::now();
            if (part == Part::Recalc) {
                t = seconds(t2, t3);
                wall = wallMs(t2, t3);
            }
        }
        if (part == Part::Edit) {
            uint64_t before = s->evaluationCount();
            s->setAutoCalc(true);
            auto t4 = Clock::now();
            edit(*s);
            auto t5 = Clock::now();
            t = seconds(t4, t5);
            wall = wallMs(t4, t5);
            state.counters["evaluated"] = static_cast<double>(s->evaluationCount() - before);
        }
        state.SetIterationTime(t);
        state.counters["wall_ms"] = wall;
        s.reset();
    }
    state.counters["peak_MiB"] = peakMiB();
}

void W1(benchmark::State& state, Part part) {
    int32_t n = static_cast<int32_t>(state.range(0));
    run(
        state, part, 3, n, [n](grid::Sheet& s) { enterW1(s, n); },
        [](grid::Sheet& s) { s.setNumber(1, 1, 42); });
}
void W2(benchmark::State& state, Part part) {
    int32_t n = static_cast<int32_t>(state.range(0));
    run(
        state, part, 2, n, [n](grid::Sheet& s) { enterW2(s, n); },
        [](grid::Sheet& s) { s.setNumber(1, 1, 42); });
}
void W3(benchmark::State& state, Part part) {
    run(
        state, part, 2, 11000, [](grid::Sheet& s) { enterW3(s); },
        [](grid::Sheet& s) { s.setNumber(1, 5000, 42); });
}

#define GRID_BENCH(fn, part, ...)                                                                  \
    BENCHMARK_CAPTURE(fn, part, Part::part)                                                        \
    __VA_ARGS__->Unit(benchmark::kMillisecond)                                                     \
        ->UseManualTime()                                                                          \
        ->Iterations(1)                                                                            \
        ->Repetitions(5)                                                                           \
        ->ReportAggregatesOnly(true)

GRID_BENCH(W1, Enter, ->Arg(100000)->Arg(1000000));
GRID_BENCH(W1, Recalc, ->Arg(100000)->Arg(1000000));
GRID_BENCH(W1, Edit, ->Arg(100000)->Arg(1000000));
GRID_BENCH(W2, Enter, ->Arg(100000)->Arg(1000000));
GRID_BENCH(W2, Recalc, ->Arg(100000)->Arg(1000000));
GRID_BENCH(W2, Edit, ->Arg(100000)->Arg(1000000));
GRID_BENCH(W3, Enter, );
GRID_BENCH(W3, Recalc, );
GRID_BENCH(W3, Edit, );

} // namespace

BENCHMARK_MAIN();
