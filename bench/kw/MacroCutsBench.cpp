// Opening the macro cuts dialog, the macro gallery and the profile dialogs through their
// exports. Each iteration's time runs from the call until the dialog is up and painted
// (the close is left out). The gallery opens on 500 macro drawings with their pictures
// (96 x 96 as the core makes them, and 256 x 256; both are scaled down to the gallery's
// cell), first with an empty picture cache, then
// with the pictures cached from the opening before.

#include "core/Tvl_PropertiesList.h"
#include "core/Tvl_Settings.h"
#include "core/macrocuts/DlgMacroCutsData.h"
#include "core/macrocuts/PictureCache.h"
#include "core/model/SampleModel.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/ModuleState.h"
#include "kw/macro/CDlgMacroProfSegm.h"
#include "kw/macro/MacroCutsIds.h"
#include "kw/macro/MacroProfIds.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/CairoCanvas.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

namespace {

using Clock = std::chrono::steady_clock;

const std::filesystem::path& library() {
    static const std::filesystem::path lib = [] {
        const std::filesystem::path root =
            std::filesystem::temp_directory_path() / "kw_macrocuts_bench";
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
        std::filesystem::copy(TVL_SOURCE_DIR "/resources/install/tvllib", root / "tvllib",
                              std::filesystem::copy_options::recursive);
        for (int side : {96, 256}) {
            const std::filesystem::path many =
                root / "tvllib" / "Macros" / ("Many" + std::to_string(side));
            std::filesystem::create_directories(many);
            for (int i = 0; i < 500; ++i) {
                const std::string name = "Macro " + std::to_string(1000 + i);
                Tvl_PropertiesList drawing;
                drawing.setProperty(L"caption", Tvl_String::fromUtf8(name));
                drawing.setProperty(L"modules", i % 2 ? L"EndPlate;Bolts" : L"BasePlate");
                drawing.setProperty(L"props.EndPlate", L"Stiffeners");
                std::string product = (many / (name + ".dwg")).string();
                for (char& c : product)
                    if (c == '/')
                        c = '\\';
                drawing.writeToFile(Tvl_String::fromUtf8(product));
                ui::Bitmap picture(side, side, 0xFFFFFFFFu);
                for (int y = 0; y < side; ++y)
                    for (int x = (i + y) % 7; x < side; x += 7)
                        picture.set(x, y,
                                    0xFF000000u |
                                        static_cast<std::uint32_t>(i * 2654435761u & 0xFFFFFF));
                ui::writeBmpFile((many / (name + ".bmp")).string(), picture);
            }
        }
        return root;
    }();
    return lib;
}

void setUp() {
    static const bool done = [] {
        setenv("TVL_LANG_DIR", TVL_SOURCE_DIR "/resources/lang", 1);
        setenv("TVL_LANGUAGE", "EN", 1);
        setenv("TVL_LIB_DIR", (library().string() + "/tvllib/").c_str(), 1);
        setenv("TVL_DIR", TVL_SOURCE_DIR "/resources/install/", 1);
        gSettings.reload();
        kw::attachModule();
        return true;
    }();
    (void)done;
    model::sampleModel().reset();
    host::commandLine().clear();
}

// Runs `open` once per iteration; the iteration's time ends when template `id` is up
// and painted.
template <class Open>
void timeOpening(benchmark::State& state, int id, Open open, bool clearCache = false) {
    for (auto _ : state) {
        if (clearCache)
            picture_cache::clear();
        ui::ScriptedDriver driver;
        Clock::time_point start, shown;
        driver.onDialog(id, [&](ui::Dialog& d) {
            auto canvas = ui::CairoCanvas::createImage(d.getClientRect().size());
            d.paintTree(*canvas);
            shown = Clock::now();
            ui::closeBox(d);
        });
        start = Clock::now();
        open();
        if (!driver.done()) {
            state.SkipWithError("the dialog did not open");
            break;
        }
        state.SetIterationTime(std::chrono::duration<double>(shown - start).count());
        host::commandLine().clear();
    }
}

void openGallery(const wchar_t* folder) {
    const Tvl_StringArray folders{folder};
    AcArray<bool> flags;
    flags.append(true);
    const int any = 0;
    Tvl_String chosen;
    bool pick = false;
    StartDlgSelectMacro(L"", folders, flags, any, any, chosen, pick, true);
}

// The argument is the pictures' side in pixels: 96 as the previews the core makes, 256.
const wchar_t* manyFolder(benchmark::State& state) {
    return state.range(0) == 96 ? L"Many96" : L"Many256";
}

void BM_OpenGallery500MacrosEmptyCache(benchmark::State& state) {
    setUp();
    const wchar_t* folder = manyFolder(state);
    timeOpening(
        state, kw::macro::cuts::kDlgSelectMacro, [&] { openGallery(folder); }, true);
}
BENCHMARK(BM_OpenGallery500MacrosEmptyCache)
    ->Arg(96)
    ->Arg(256)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_OpenGallery500MacrosCached(benchmark::State& state) {
    setUp();
    const wchar_t* folder = manyFolder(state);
    {
        ui::ScriptedDriver driver; // fills the cache
        driver.onDialog(kw::macro::cuts::kDlgSelectMacro, [](ui::Dialog& d) { ui::closeBox(d); });
        openGallery(folder);
    }
    timeOpening(state, kw::macro::cuts::kDlgSelectMacro, [&] { openGallery(folder); });
}
BENCHMARK(BM_OpenGallery500MacrosCached)
    ->Arg(96)
    ->Arg(256)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

void BM_OpenCutsDialog(benchmark::State& state) {
    setUp();
    DlgMacroCutsData data;
    data.fillFromModel(model::sampleModel().instanceByName(L"EP1")->m_id, L"Corner");
    timeOpening(state, kw::macro::cuts::kDlgCuts, [&] {
        DlgMacroCutsData copy = data;
        bool escaped = false;
        StartDlgMacroCuts(copy, escaped);
    });
}
BENCHMARK(BM_OpenCutsDialog)->UseManualTime()->Unit(benchmark::kMillisecond);

MacroData basePlate() {
    MacroData data;
    AcArray<AcDbObjectId> ids;
    ids.append(model::sampleModel().instanceByName(L"BP1")->m_id);
    model::sampleModel().fillRecord(ids, data);
    return data;
}

void BM_OpenAdvancedProfileDialog(benchmark::State& state) {
    setUp();
    const MacroData data = basePlate();
    timeOpening(state, kw::macro::prof::kDlgProfAdv, [&] {
        MacroData copy = data;
        StartDlgMacroProfAdv(copy, L"Profiles", L"Braces", true);
    });
}
BENCHMARK(BM_OpenAdvancedProfileDialog)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_OpenSegmentedProfileDialog(benchmark::State& state) {
    setUp();
    const MacroData data = basePlate();
    const MacroTabData* tab = data.tabOfModule(L"Profiles");
    timeOpening(state, kw::macro::prof::kDlgProfSegm, [&] {
        CDlgMacroProfSegm dlg;
        dlg.m_profiles = tab->m_segmented;
        dlg.doModal();
    });
}
BENCHMARK(BM_OpenSegmentedProfileDialog)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
