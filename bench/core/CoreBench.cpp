// Costs the dialogs meet often: reading a language file at start-up, looking texts up,
// reading and writing a dialog design's property file, and string editing.

#include "core/LanguageTable.h"
#include "core/StringHelpers.h"
#include "core/Tvl_PropertiesList.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

std::string englishTable() {
    std::ifstream in(std::filesystem::path(TVL_SOURCE_DIR) / "resources" / "lang" / "EN.lang",
                     std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

Tvl_PropertiesList designWith(int controls) {
    Tvl_PropertiesList p;
    p.setProperty(L"nrOfControls", controls);
    for (int i = 0; i < controls; ++i) {
        Tvl_String n(i);
        p.setProperty(L"type" + n, i % 30);
        p.setProperty(L"topLeftX" + n, i * 0.0123456789);
        p.setProperty(L"topLeftY" + n, i * 0.0234567891);
        p.setProperty(L"bottomRightX" + n, i * 0.0345678912);
        p.setProperty(L"bottomRightY" + n, i * 0.0456789123);
        p.setProperty(L"text" + n, L"Caption; \"quoted\" " + n);
    }
    return p;
}

void LanguageTableLoad(benchmark::State& state) {
    std::string bytes = englishTable();
    for (auto _ : state) {
        LanguageTable t;
        benchmark::DoNotOptimize(t.loadFromText(bytes));
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(LanguageTableLoad);

void LanguageTableLookup(benchmark::State& state) {
    LanguageTable t;
    t.loadFromText(englishTable());
    int n = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(t.find(LanguageTable::Table::Dialog, 1 + (n++ % 1600)));
    }
}
BENCHMARK(LanguageTableLookup);

void PropertiesWriteRead(benchmark::State& state) {
    Tvl_PropertiesList p = designWith(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        Tvl_PropertiesList q;
        benchmark::DoNotOptimize(q.readFromText(p.writeToText()));
    }
}
BENCHMARK(PropertiesWriteRead)->Arg(100)->Arg(1000);

void FindNonExisting(benchmark::State& state) {
    Tvl_StringArray names;
    for (int i = 0; i < 500; ++i)
        names.append(L"HEA " + Tvl_String(i));
    for (auto _ : state)
        benchmark::DoNotOptimize(findNonExistingString(names, L"HEA 0"));
}
BENCHMARK(FindNonExisting);

} // namespace
