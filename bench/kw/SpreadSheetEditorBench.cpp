// The spreadsheet editor on a document of 100,000 rows and 10 columns: opening it (load,
// the after-load step, the first paint of the whole window) and moving the active cell
// one row with the arrow key, the window painted again, at the top and deep down; the
// edit bar over the whole sheet selected.

#include "kw/frame/ModuleState.h"
#include "kw/spreadsheet/editor/CDlgSpreadSheet.h"
#include "platform/base/Paths.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/PaintHelpers.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/draw/CairoCanvas.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

constexpr int kRows = 100000;
constexpr int kCols = 10;

// A bill of materials of kRows members: texts, numbers and a formula per row.
const std::filesystem::path& bigDocument() {
    static const std::filesystem::path file = [] {
        setenv("TVL_LANG_DIR", TVL_SOURCE_DIR "/resources/lang", 1);
        setenv("TVL_LANGUAGE", "EN", 1);
        kw::attachModule();
        const auto dir = std::filesystem::temp_directory_path() /
                         ("kw_editor_bench_" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        grid::Sheet s;
        s.setMaxCols(kCols);
        s.setMaxRows(kRows);
        for (int r = 1; r <= kRows; ++r) {
            s.setNumber(1, r, r);
            s.setText(2, r, "HEA" + std::to_string(100 + r % 900));
            for (int c = 3; c < kCols; ++c)
                s.setNumber(c, r, r * 0.5 + c);
            s.setFormula(kCols, r, "C#*D#", grid::RefStyle::Default);
        }
        s.setOption(grid::kOptionAutoCalc, true);
        grid::DocumentFile::save(s, (dir / "big.kws").string());
        return dir / "big.kws";
    }();
    return file;
}

void paint(ui::Window& w, ui::CairoCanvas& canvas) {
    ui::paintWindow(canvas, w);
    int stride = 0;
    benchmark::DoNotOptimize(canvas.imagePixels(stride));
}

void BM_OpenEditorOnALargeDocument(benchmark::State& state) {
    const Tvl_String path(base::toProduct(bigDocument()));
    for (auto _ : state) {
        CDlgSpreadSheet editor;
        editor.m_path = path;
        ui::ScriptedDriver driver;
        driver.onDialog(CDlgSpreadSheet::kTemplateId, [&](ui::Dialog& d) {
            auto canvas = ui::CairoCanvas::createImage(d.rect().size(), ui::paint::kFace);
            paint(d, *canvas);
            if (d.getWindowText().find(L"big.kws") == std::wstring::npos)
                state.SkipWithError("the document did not open");
            ui::closeBox(d);
        });
        editor.doModal();
    }
}
BENCHMARK(BM_OpenEditorOnALargeDocument)->Unit(benchmark::kMillisecond)->Iterations(5);

// The arrow key moves the active cell; the edit bar follows; the window is painted.
void BM_MoveActiveCellAndRepaint(benchmark::State& state) {
    const Tvl_String path(base::toProduct(bigDocument()));
    const int startRow = static_cast<int>(state.range(0));
    CDlgSpreadSheet editor;
    editor.m_path = path;
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgSpreadSheet::kTemplateId, [&](ui::Dialog& d) {
        auto& e = static_cast<CDlgSpreadSheet&>(d);
        auto canvas = ui::CairoCanvas::createImage(d.rect().size(), ui::paint::kFace);
        e.grid().setFocus();
        e.grid().setActiveCell(kCols, startRow);
        e.grid().showCell(kCols, startRow);
        bool down = true;
        for (auto _ : state) {
            ui::key(down ? ui::VK_DOWN : ui::VK_UP);
            down = !down;
            paint(d, *canvas);
        }
        ui::closeBox(d);
    });
    editor.doModal();
}
BENCHMARK(BM_MoveActiveCellAndRepaint)->Arg(1)->Arg(kRows / 2)->Unit(benchmark::kMicrosecond);

// The whole sheet selected: the edit bar compares the three texts of every used cell
// (the variable names of all 1,000,000 cells are equal, so that kind reads them all).
void BM_SelectAllAndShowTheEditBar(benchmark::State& state) {
    const Tvl_String path(base::toProduct(bigDocument()));
    CDlgSpreadSheet editor;
    editor.m_path = path;
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgSpreadSheet::kTemplateId, [&](ui::Dialog& d) {
        auto& e = static_cast<CDlgSpreadSheet&>(d);
        e.grid().setSelection({-1, -1, -1, -1});
        for (auto _ : state)
            e.refreshEditBar();
        if (e.getDlgItemText(CDlgSpreadSheet::kFormulaId) != L"*VARIEERT*")
            state.SkipWithError("the formulas of the sheet are not all equal");
        ui::closeBox(d);
    });
    editor.doModal();
}
BENCHMARK(BM_SelectAllAndShowTheEditBar)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
