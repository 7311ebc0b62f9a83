// The core's share of one applied edit in a macro dialog: the before-copy of the record,
// the differences, UpdateModule (equations in dependency order, rules, the record
// refreshed from the model) and the clash check, on a macro of 10 tabs x 100 cells and
// on the sample end plate.

#include "core/CorePrint.h"
#include "core/MacroCallBacks.h"
#include "core/model/SampleModel.h"

#include <benchmark/benchmark.h>

namespace {

struct Quiet {
    Quiet() {
        setCorePrintSink([](const std::wstring&) {});
    }
    ~Quiet() { setCorePrintSink({}); }
};

MacroData recordOf(AcDbObjectId id) {
    AcArray<AcDbObjectId> ids;
    ids.append(id);
    MacroData record;
    model::sampleModel().fillRecord(ids, record);
    return record;
}

// One edit as the frame applies it: copy, change, differences, update, clash check.
void applyEdit(MacroData& record, const wchar_t* module, const wchar_t* cell,
               const wchar_t* value) {
    MacroTabData* tab = record.tabOfModule(module);
    const MacroTabData before = *tab;
    tab->cellWithName(cell)->m_value = value;
    Tvl_StringArray names;
    Tvl_Array<int> codes, indices;
    tab->differences(before, names, codes, indices);
    if (UpdateModule(module, record, codes, indices))
        clashcheck(-1, record.m_objects);
}

void BM_ApplyEdit_10Tabs100Cells(benchmark::State& state) {
    Quiet quiet;
    model::sampleModel().reset();
    MacroData record = recordOf(model::sampleModel().addSyntheticMacro(10, 100));
    bool flip = false;
    for (auto _ : state) {
        applyEdit(record, L"M5", L"C10", flip ? L"2" : L"3");
        flip = !flip;
    }
    benchmark::DoNotOptimize(record.tab(5)->m_cells[99].m_value);
}
BENCHMARK(BM_ApplyEdit_10Tabs100Cells)->Unit(benchmark::kMicrosecond);

void BM_ApplyEdit_SampleEndPlate(benchmark::State& state) {
    Quiet quiet;
    model::sampleModel().reset();
    MacroData record = recordOf(AcDbObjectId::fromOldId(201));
    bool flip = false;
    for (auto _ : state) {
        applyEdit(record, L"EndPlate", L"PlateThickness", flip ? L"15" : L"20");
        flip = !flip;
    }
}
BENCHMARK(BM_ApplyEdit_SampleEndPlate)->Unit(benchmark::kMicrosecond);

void BM_RecordCopy_10Tabs100Cells(benchmark::State& state) {
    model::sampleModel().reset();
    const MacroData record = recordOf(model::sampleModel().addSyntheticMacro(10, 100));
    for (auto _ : state) {
        MacroData copy(record);
        benchmark::DoNotOptimize(copy.tabCount());
    }
}
BENCHMARK(BM_RecordCopy_10Tabs100Cells)->Unit(benchmark::kMicrosecond);

void BM_ClashCheck_SampleEndPlate(benchmark::State& state) {
    Quiet quiet;
    model::sampleModel().reset();
    const MacroData record = recordOf(AcDbObjectId::fromOldId(201));
    for (auto _ : state)
        benchmark::DoNotOptimize(clashcheck(-1, record.m_objects));
}
BENCHMARK(BM_ClashCheck_SampleEndPlate)->Unit(benchmark::kMicrosecond);

} // namespace

namespace {

void BM_Evaluate_10Tabs100Cells(benchmark::State& state) {
    model::sampleModel().reset();
    model::MacroInstance* instance =
        model::sampleModel().instance(model::sampleModel().addSyntheticMacro(10, 100));
    Tvl_String error;
    for (auto _ : state)
        benchmark::DoNotOptimize(model::evaluateInstance(*instance, error));
}
BENCHMARK(BM_Evaluate_10Tabs100Cells)->Unit(benchmark::kMicrosecond);

void BM_ClashCheck_10Tabs100Cells(benchmark::State& state) {
    Quiet quiet;
    model::sampleModel().reset();
    const MacroData record = recordOf(model::sampleModel().addSyntheticMacro(10, 100));
    for (auto _ : state)
        benchmark::DoNotOptimize(clashcheck(-1, record.m_objects));
}
BENCHMARK(BM_ClashCheck_10Tabs100Cells)->Unit(benchmark::kMicrosecond);

} // namespace
