// A full repaint of the largest dialog built so far, as the live backend makes it: the
// string grid dialog at its own size (and dragged to a large size) painted whole into
// the window's image canvas, frame and caption included (ui::paintWindow).

#include "kw/frame/CDlgStringArray.h"
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

} // namespace
