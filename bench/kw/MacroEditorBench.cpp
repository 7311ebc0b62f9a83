// The macro editor on a synthetic macro of 50 modules with 10 variables each (500 in
// all) and 500 constraints on its first module: opening the modeless editor, switching
// module, and storing the variables tab (lists rebuilt and sent with UpdateVarsEqs).

#include "core/CorePrint.h"
#include "core/Tvl_Settings.h"
#include "core/macroedit/EditorData.h"
#include "core/macroedit/MacroEditCallBacks.h"
#include "core/model/SampleModel.h"
#include "kw/frame/ConstraintsEditorSlot.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/ModuleState.h"
#include "kw/macroedit/CDlgEditMacro.h"
#include "kw/macroedit/CTabEditVars.h"
#include "kw/macroedit/MacroEditIds.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

AcDbObjectId setUp() {
    static const bool done = [] {
        setenv("TVL_LANG_DIR", TVL_SOURCE_DIR "/resources/lang", 1);
        setenv("TVL_LANGUAGE", "EN", 1);
        gSettings.reload();
        kw::attachModule();
        setCorePrintSink([](const std::wstring&) {}); // highlights are printed per row
        return true;
    }();
    (void)done;
    model::sampleModel().reset();
    host::commandLine().clear();
    const AcDbObjectId id = model::sampleModel().addSyntheticMacro(50, 10);
    model::MacroInstance* instance = model::sampleModel().instance(id);
    auto& definition = const_cast<model::MacroDefinition&>(*instance->m_definition);
    model::EditorData& data = model::editorData(definition);
    model::EditorModule& first = data.modules[L"M0"];
    for (int i = 0; i < 500; ++i) {
        model::EditorConstraint c;
        c.id = data.nextConstraintId++;
        c.name = L"Constraint " + Tvl_String(i);
        c.type = L"Distance";
        c.object1 = L"A";
        c.object2 = L"B";
        c.properties.append(EditConstrData::kPropValue);
        c.value = L"10";
        first.constraints.push_back(c);
    }
    return id;
}

CDlgEditMacro* open(AcDbObjectId id) {
    EditConstrData record;
    fillEditRecord(id, L"M0", record);
    StartDlgEditConstraints(record);
    return dynamic_cast<CDlgEditMacro*>(kw::ConstraintsEditorSlot::instance().editor());
}

void BM_OpenEditor(benchmark::State& state) {
    const AcDbObjectId id = setUp();
    for (auto _ : state) {
        benchmark::DoNotOptimize(open(id));
        state.PauseTiming();
        EndDlgEditConstraints();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenEditor)->Unit(benchmark::kMillisecond);

void BM_SwitchModule(benchmark::State& state) {
    const AcDbObjectId id = setUp();
    CDlgEditMacro* dlg = open(id);
    int module = 1;
    for (auto _ : state) {
        ui::selectItem(*dlg, kw::macroedit::kModules, module);
        module = module == 1 ? 2 : 1;
    }
    EndDlgEditConstraints();
}
BENCHMARK(BM_SwitchModule)->Unit(benchmark::kMillisecond);

void BM_StoreVariables(benchmark::State& state) {
    const AcDbObjectId id = setUp();
    CDlgEditMacro* dlg = open(id);
    ui::selectItem(*dlg, kw::macroedit::kTabs, CDlgEditMacro::kTabVariables);
    for (auto _ : state)
        benchmark::DoNotOptimize(dlg->variablesPage()->store());
    EndDlgEditConstraints();
}
BENCHMARK(BM_StoreVariables)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    EndDlgEditConstraints();
    kw::detachModule();
    return 0;
}
