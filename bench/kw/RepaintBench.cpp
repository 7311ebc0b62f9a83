// A full repaint of the largest dialogs built so far, as the live backend makes it: the
// window painted whole into its image canvas, frame and caption included
// (ui::paintWindow). The string grid dialog at its own size and dragged to a large
// size; the macro dialog of the sample end plate (the largest of the product's dialogs)
// at its own size.

#include "core/Tvl_Settings.h"
#include "core/model/SampleModel.h"
#include "kw/frame/CDlgStringArray.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/MacroDialogBase.h"
#include "kw/frame/MacroDialogTable.h"
#include "kw/frame/ModuleState.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/PaintHelpers.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/draw/CairoCanvas.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

Tvl_StringArray row(std::initializer_list<const wchar_t*> texts) {
    Tvl_StringArray r;
    for (const wchar_t* t : texts)
        r.append(t);
    return r;
}

void repaint(benchmark::State& state, int width, int height) {
    setenv("TVL_LANG_DIR", TVL_SOURCE_DIR "/resources/lang", 1);
    setenv("TVL_LANGUAGE", "EN", 1);
    kw::attachModule();
    CDlgStringArray dlg;
    dlg.m_caption = L"Sample table";
    dlg.m_columnHeaders = row({L"Profile", L"Steel", L"Length"});
    for (int i = 0; i < 40; ++i)
        dlg.m_data.append(row({L"HEA 200", L"S235", L"4500"}));
    if (!dlg.create(CDlgStringArray::kTemplateId)) {
        state.SkipWithError("the dialog could not be created");
        return;
    }
    dlg.showWindow(ui::SW_SHOW);
    if (width > 0)
        ui::resize(dlg, width, height);
    const ui::Size size = dlg.rect().size();
    auto canvas = ui::CairoCanvas::createImage(size, ui::paint::kFace);
    for (auto _ : state) {
        ui::paintWindow(*canvas, dlg);
        int stride = 0;
        benchmark::DoNotOptimize(canvas->imagePixels(stride));
    }
    state.counters["width"] = size.cx;
    state.counters["height"] = size.cy;
    dlg.destroyWindow();
}

void BM_RepaintStringGridAtItsSize(benchmark::State& state) {
    repaint(state, 0, 0);
}
BENCHMARK(BM_RepaintStringGridAtItsSize)->Unit(benchmark::kMillisecond);

void BM_RepaintStringGridLarge(benchmark::State& state) {
    repaint(state, 1200, 900);
}
BENCHMARK(BM_RepaintStringGridLarge)->Unit(benchmark::kMillisecond);

void BM_RepaintSampleMacroDialog(benchmark::State& state) {
    setenv("TVL_LANG_DIR", TVL_SOURCE_DIR "/resources/lang", 1);
    setenv("TVL_LANGUAGE", "EN", 1);
    setenv("TVL_LIB_DIR", TVL_SOURCE_DIR "/resources/install/tvllib/", 1);
    gSettings.reload();
    kw::attachModule();
    model::sampleModel().reset();
    MacroData data;
    AcArray<AcDbObjectId> ids;
    ids.append(model::sampleModel().instanceByName(L"EP1")->m_id);
    model::sampleModel().fillRecord(ids, data);
    int index = -1;
    if (!StartDlgMacroModeless(true, data, index)) {
        state.SkipWithError("the macro dialog did not open");
        return;
    }
    ui::Window* dlg = kw::MacroDialogTable::instance().at(index);
    const ui::Size size = dlg->rect().size();
    auto canvas = ui::CairoCanvas::createImage(size, ui::paint::kFace);
    for (auto _ : state) {
        ui::paintWindow(*canvas, *dlg);
        int stride = 0;
        benchmark::DoNotOptimize(canvas->imagePixels(stride));
    }
    state.counters["width"] = size.cx;
    state.counters["height"] = size.cy;
    EndDlgMacroModeless(index);
}
BENCHMARK(BM_RepaintSampleMacroDialog)->Unit(benchmark::kMillisecond);

} // namespace
