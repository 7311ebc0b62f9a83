// Writes a PNG snapshot of each shared dialog of the module into a folder, taken while
// the dialog runs its modal loop, as a person would see it.
//
//   kw_dialog_snapshots <folder>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>

#include "core/LanguageTexts.h"
#include "core/fabrication/SampleLayout.h"
#include "kw/fabrication/CDlgEditDstvPoints.h"
#include "kw/fabrication/CDlgGrid.h"
#include "kw/fabrication/CDlgLevels.h"
#include "kw/fabrication/CDlgLookup.h"
#include "kw/fabrication/Tvl_DlgCSP2.h"
#include "kw/frame/CDlgOpenSave.h"
#include "kw/frame/CDlgStringArray.h"
#include "kw/frame/ModuleState.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/Snapshot.h"

namespace {

bool g_ok = true;

void snapshotWhileRunning(ui::Dialog& dialog, int templateId, const std::filesystem::path& file,
                          const std::function<void(ui::Dialog&)>& prepare = {}) {
    ui::ScriptedDriver driver;
    driver.onDialog(templateId, [&](ui::Dialog& d) {
        if (prepare)
            prepare(d);
        if (ui::writePng(d, file.string())) {
            std::printf("%s\n", file.string().c_str());
        } else {
            std::fprintf(stderr, "kw_dialog_snapshots: cannot write %s\n", file.string().c_str());
            g_ok = false;
        }
        ui::click(d, ui::IDCANCEL);
    });
    dialog.doModal();
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: kw_dialog_snapshots <folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (std::getenv("TVL_LANG_DIR") == nullptr)
        setenv("TVL_LANG_DIR", TVL_SOURCE_DIR "/resources/lang", 1);
    kw::attachModule();

    Tvl_DlgPromptString prompt;
    prompt.m_caption = dialString(90);
    prompt.m_prompt = dialString(825);
    prompt.m_value = L"30";
    prompt.m_okLabel = dialString(1);
    prompt.m_cancelLabel = dialString(2);
    snapshotWhileRunning(prompt, Tvl_DlgPromptString::kTemplateId, folder / "prompt.png");

    CDlgOpenSave openSave;
    openSave.m_saveMode = true;
    for (const wchar_t* name :
         {L"HEA 200 standard", L"IPE 300 heavy", L"Column base 4 bolts", L"Moment end plate"})
        openSave.m_names.append(name);
    openSave.m_namesChecked = openSave.m_names;
    openSave.m_folder = L"c:\\trevlon\\sets\\";
    openSave.m_extension = L".set";
    snapshotWhileRunning(openSave, CDlgOpenSave::kTemplateId, folder / "named-set.png",
                         [](ui::Dialog& d) { ui::selectItem(d, CDlgOpenSave::kListId, 1); });

    CDlgStringArray table;
    table.m_caption = L"Plate thicknesses";
    table.m_placementName = L"DLG_KW_STRINGARRAY";
    for (const wchar_t* h : {L"Name", L"Thickness", L"Steel grade"})
        table.m_columnHeaders.append(h);
    const wchar_t* rows[][3] = {{L"Base plate", L"20.00", L"S235"},
                                {L"End plate", L"15.00", L"S355"},
                                {L"Stiffener", L"10.00", L"S235"},
                                {L"Cap plate", L"12.00", L"S275"}};
    for (const auto& r : rows) {
        Tvl_StringArray row;
        for (const wchar_t* cell : r)
            row.append(cell);
        table.m_data.append(row);
        table.m_rowHeaders.append(Tvl_String(table.m_data.length()));
    }
    snapshotWhileRunning(table, CDlgStringArray::kTemplateId, folder / "string-grid.png",
                         [](ui::Dialog& d) {
                             auto& g = static_cast<CDlgStringArray&>(d).grid();
                             g.setFitMode(3, 1, 40);
                             g.setFocus();
                             g.setActiveCell(2, 2);
                         });

    // ---- Fabrication and layout ----
    CDlgGrid gridDialog;
    snapshotWhileRunning(gridDialog, CDlgGrid::kTemplateId, folder / "grid.png");

    CDlgLevels levelsDialog;
    levelsDialog.m_data = sample::levels();
    snapshotWhileRunning(levelsDialog, CDlgLevels::kTemplateId, folder / "levels.png",
                         [](ui::Dialog& d) { ui::selectItem(d, CDlgLevels::kLevelsId, 2); });

    CDlgLookup lookUp;
    for (const sample::Member& m : sample::members()) {
        lookUp.m_data.m_names.append(m.name);
        if (!lookUp.m_data.m_secondValues.contains(m.section))
            lookUp.m_data.m_secondValues.append(m.section);
    }
    lookUp.m_data.m_second = L"IPE 300";
    snapshotWhileRunning(lookUp, CDlgLookup::kTemplateId, folder / "look-up.png");

    Tvl_DlgCSP2 cuttingStock;
    cuttingStock.m_data = sample::cuttingStockJobs();
    snapshotWhileRunning(cuttingStock, Tvl_DlgCSP2::kTemplateId, folder / "cutting-stock.png");

    CDlgEditDstvPoints dstvPoints;
    Tvl_DstvPointInfo corner(L"Plate corner");
    Tvl_DstvPointInfo drilled(L"Drilled mark");
    drilled.setSelectIntersGeom(true, false, kDstvSide2);
    drilled.setSelectGeomExtent(false, kDstvSide0, kDstvSide2);
    drilled.setDrillFullHole(true, true, 0.5);
    dstvPoints.m_points.append(corner);
    dstvPoints.m_points.append(drilled);
    snapshotWhileRunning(
        dstvPoints, CDlgEditDstvPoints::kTemplateId, folder / "dstv-points.png",
        [](ui::Dialog& d) { ui::selectItem(d, CDlgEditDstvPoints::kPointsId, 1); });

    kw::detachModule();
    return g_ok ? 0 : 1;
}
