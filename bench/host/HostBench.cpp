// The host's hot paths: command-line formatting (modules print a lot while tables
// load), command lookup, script parsing and profile reads (every resizable dialog
// reads four keys when it opens).

#include "platform/host/AcEd.h"
#include "platform/host/AcEdCommandStack.h"
#include "platform/host/CommandLine.h"
#include "platform/host/CommandRegistry.h"
#include "platform/host/Printf.h"
#include "platform/host/Profile.h"
#include "platform/host/Script.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

namespace {

void BM_FormatPrintf(benchmark::State& state) {
    for (auto _ : state) {
        std::wstring s = host::formatPrintfV(L"Loading spreadsheet:%s row %i value %.2f\n",
                                             L"c:\\a\\t3.kws", 42, 3.14159);
        benchmark::DoNotOptimize(s);
    }
}
BENCHMARK(BM_FormatPrintf);

void BM_AcutPrintfIntoCommandLine(benchmark::State& state) {
    host::commandLine().clear();
    for (auto _ : state) {
        acutPrintf(L"*Error* Invalid index passed to insert.\n");
        if (host::commandLine().text().size() > (1u << 20))
            host::commandLine().clear();
    }
}
BENCHMARK(BM_AcutPrintfIntoCommandLine);

void noop() {}

void BM_CommandLookup(benchmark::State& state) {
    host::commands().clear();
    for (int i = 0; i < state.range(0); ++i) {
        const std::wstring name = L"CMD" + std::to_wstring(i);
        acedRegCmds->addCommand(L"BENCH", name.c_str(), name.c_str(), ACRX_CMD_MODAL, noop);
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(host::commands().find(L"cmd0")); // worst case: the oldest
    host::commands().clear();
}
BENCHMARK(BM_CommandLookup)->Arg(10)->Arg(200);

void BM_ParseScript(benchmark::State& state) {
    std::string script;
    for (int i = 0; i < 1000; ++i)
        script +=
            "type 8003 'value " + std::to_string(i) + "'\nexpect text 8003 \"value\"\nclick IDOK\n";
    for (auto _ : state) {
        auto parsed = host::parseScript(script);
        benchmark::DoNotOptimize(parsed);
    }
    state.SetItemsProcessed(state.iterations() * 3000);
}
BENCHMARK(BM_ParseScript);

void BM_ProfileGetInt(benchmark::State& state) {
    const auto file = std::filesystem::temp_directory_path() / "bench-host-profile.ini";
    std::filesystem::remove(file);
    host::profile().setPath(file);
    for (int i = 0; i < 64; ++i)
        host::profile().putInt(L"TREVLONV8", L"DLG_" + std::to_wstring(i) + L"_LEFT", i);
    for (auto _ : state)
        benchmark::DoNotOptimize(host::profile().getInt(L"TREVLONV8", L"DLG_63_LEFT", 0));
    host::profile().setPath({});
    std::filesystem::remove(file);
}
BENCHMARK(BM_ProfileGetInt);

} // namespace
