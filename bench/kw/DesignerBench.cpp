// The dialog designer on a design of 500 controls over an 800 x 600 picture: opening it
// with its first paint, dragging a selection of 50 controls (one mouse move and the
// repaint it causes), and aligning the bottoms of the selection. Paints go into a cairo
// image of the dialog's client size, as the snapshots do.

#include "core/Tvl_Settings.h"
#include "kw/designer/CControlTracker.h"
#include "kw/designer/CDlgDesigner.h"
#include "kw/frame/ModuleState.h"
#include "platform/base/Paths.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/CairoCanvas.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>

namespace {

constexpr int kControls = 500;

// A scratch library with the design "big": 500 edits and texts in a grid of 20 x 25.
Tvl_String bigDesign() {
    static const Tvl_String path = [] {
        const auto dir = std::filesystem::temp_directory_path() /
                         ("kw_designer_bench_" + std::to_string(::getpid()));
        setenv("TVL_LIB_DIR", (dir.string() + "/").c_str(), 1);
        gSettings.reload();
        const Tvl_String root = getDesignerRootFolder();
        std::filesystem::create_directories(base::toNative(root.str()));
        ui::writeBmpFile(base::toNative((root + L"big.bmp").str()).string(),
                         ui::Bitmap(800, 600, 0xFFFFFFFFu));
        Tvl_DlgDesignerData design;
        for (int i = 0; i < kControls; ++i) {
            Tvl_DesignerControl c;
            c.type = i % 2 ? tvlCtrlEdit : tvlCtrlStatic;
            c.topLeftX = (i % 20) * 0.05;
            c.topLeftY = (i / 20) * 0.04;
            c.bottomRightX = c.topLeftX + 0.04;
            c.bottomRightY = c.topLeftY + 0.03;
            c.contents = Tvl_String(L"v") + Tvl_String(i);
            design.append(c);
        }
        design.writeToFile(root + L"big.txt");
        return root + L"big.txt";
    }();
    return path;
}

void paint(ui::Dialog& d) {
    auto canvas = ui::CairoCanvas::createImage(d.getClientRect().size());
    d.paintTree(*canvas);
    benchmark::DoNotOptimize(canvas.get());
}

// Runs the designer on the big design; `inside` runs in its modal loop.
void withDesigner(const std::function<void(CDlgDesigner&)>& inside) {
    CDlgDesigner designer;
    designer.m_startPath = bigDesign();
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgDesigner::kTemplateId, [&](ui::Dialog& d) {
        auto& dd = static_cast<CDlgDesigner&>(d);
        inside(dd);
        dd.design().getSizeFromAllControls();
        ui::app().releaseCapture();
        ui::resize(d, 1000, 800);
        d.endDialog(ui::IDCANCEL); // leave without the save question
    });
    designer.doModal();
}

void setUp() {
    static const bool once = [] {
        kw::attachModule();
        return true;
    }();
    (void)once;
    bigDesign();
}

void BM_DesignerOpenAndFirstPaint(benchmark::State& state) {
    setUp();
    for (auto _ : state) {
        CDlgDesigner designer;
        designer.m_startPath = bigDesign();
        ui::ScriptedDriver driver;
        driver.onDialog(CDlgDesigner::kTemplateId, [&](ui::Dialog& d) {
            paint(d);
            d.endDialog(ui::IDCANCEL);
        });
        designer.doModal();
    }
}
BENCHMARK(BM_DesignerOpenAndFirstPaint)->Unit(benchmark::kMillisecond);

void BM_DesignerDragOf50(benchmark::State& state) {
    setUp();
    withDesigner([&](CDlgDesigner& d) {
        CControlTracker* t = d.tracker();
        for (int i = 0; i < 100; i += 2) // 50 of the first 100 (the ids 33000..33099)
            t->select(d.design().getControl(i)->resourceId, false);
        const ui::Rect r = d.design().drawnWindow(0)->rect();
        const ui::Point from{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        t->leftButtonDown(from, 0, true);
        // Each move repaints what it invalidates: the selection's frames before and after
        // (with their handles), as the window's update region would hold them.
        auto canvas = ui::CairoCanvas::createImage(d.getClientRect().size());
        auto framesBox = [&] {
            ui::Rect box{};
            bool first = true;
            for (const auto& r : t->all())
                if (r->selected) {
                    const ui::Rect f = r->rect().inflate(CControlRect::kHandleSize + 1,
                                                         CControlRect::kHandleSize + 1);
                    box = first ? f
                                : ui::Rect{std::min(box.left, f.left), std::min(box.top, f.top),
                                           std::max(box.right, f.right),
                                           std::max(box.bottom, f.bottom)};
                    first = false;
                }
            return box;
        };
        int step = 0;
        for (auto _ : state) {
            ++step;
            const ui::Rect before = framesBox();
            t->mouseMove({from.x + step % 40, from.y + step % 30});
            const ui::Rect after = framesBox();
            canvas->pushClip(ui::Rect{
                std::min(before.left, after.left), std::min(before.top, after.top),
                std::max(before.right, after.right), std::max(before.bottom, after.bottom)});
            d.paintTree(*canvas);
            canvas->popClip();
        }
        t->mouseUp({from.x + 5, from.y + 5});
    });
}
BENCHMARK(BM_DesignerDragOf50)->Unit(benchmark::kMillisecond);

void BM_DesignerAlignBottoms(benchmark::State& state) {
    setUp();
    withDesigner([&](CDlgDesigner& d) {
        // Every control that has an id (100 of 500) is selected; all 500 are redrawn.
        for (int i = 0; i < kControls; ++i)
            d.tracker()->select(d.design().getControl(i)->resourceId, false);
        for (auto _ : state)
            benchmark::DoNotOptimize(d.design().outlineCurCtrls());
    });
}
BENCHMARK(BM_DesignerAlignBottoms)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
