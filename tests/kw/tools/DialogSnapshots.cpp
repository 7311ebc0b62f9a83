// Writes a PNG snapshot of each shared dialog of the module into a folder, taken while
// the dialog runs its modal loop, as a person would see it.
//
//   kw_dialog_snapshots <folder>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/LanguageTexts.h"
#include "core/Tvl_Settings.h"
#include "core/fabrication/SampleLayout.h"
#include "kw/designer/CControlTracker.h"
#include "kw/designer/CDlgDesigner.h"
#include "kw/fabrication/CDlgEditDstvPoints.h"
#include "kw/fabrication/CDlgGrid.h"
#include "kw/fabrication/CDlgLevels.h"
#include "kw/fabrication/CDlgLookup.h"
#include "kw/fabrication/Tvl_DlgCSP2.h"
#include "kw/frame/CDlgOpenSave.h"
#include "kw/frame/CDlgStringArray.h"
#include "kw/frame/ModuleState.h"
#include "kw/frame/Tvl_DlgPromptString.h"
#include "kw/library/CDlgEditLibSections.h"
#include "kw/library/CDlgEditLibSimple.h"
#include "kw/library/CDlgEditProfCuts.h"
#include "kw/library/CDlgProfFeatures.h"
#include "kw/library/CTabEditLibValues.h"
// ---- macro dialog ----
#include "core/Tvl_Settings.h"
#include "core/model/SampleModel.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/MacroDialogTable.h"
#include "kw/macro/CDlgMacro.h"
#include "kw/macro/MacroIds.h"
#include "kw/spreadsheet/eval/CFormula.h"
// ---- end macro dialog ----
#include "kw/spreadsheet/editor/CDlgSpreadSheet.h"
// ---- macro editor ----
#include "core/macroedit/MacroEditCallBacks.h"
#include "kw/frame/ConstraintsEditorSlot.h"
#include "kw/macroedit/CDlgEditMacro.h"
#include "kw/macroedit/CTabEditConstraints.h"
#include "kw/macroedit/MacroEditIds.h"
// ---- end macro editor ----
// ---- macro settings ----
#include "kw/macro/CDlgMacroSettings.h"
#include "kw/macro/MacroSettingsEntry.h"
// ---- end macro settings ----
// ---- bolt, pattern and array dialogs ----
#include "kw/macro/CDlgArray.h"
#include "kw/macro/CDlgMacroBoltAdv.h"
#include "kw/macro/CDlgMacroPattern.h"
#include "kw/macro/MacroBoltIds.h"
// ---- end bolt, pattern and array dialogs ----
// ---- macro cuts, gallery and profile dialogs ----
#include "core/macrocuts/DlgMacroCutsData.h"
#include "kw/macro/CMacroTabPage.h"
#include "kw/macro/MacroCutsIds.h"
#include "kw/macro/MacroProfIds.h"
// ---- end macro cuts, gallery and profile dialogs ----
// ---- printing ----
#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/print/CDlgKWPrintPreview.h"
#include "kw/spreadsheet/print/CDlgKWPrintSetup.h"
#include "kw/spreadsheet/print/PrintState.h"
#include "platform/base/Paths.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "platform/ui/draw/Bmp.h"
// ---- end printing ----
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/Snapshot.h"

namespace {

bool g_ok = true;

// The sample installation's folder (and, when given, a library folder) as the program's
// own for one block of snapshots: the settings read again and the sample model fresh on
// the way in and on the way out, the environment as it was afterwards.
class SampleInstallationScope {
public:
    explicit SampleInstallationScope(const std::string& libDir = {}) {
        set("TVL_DIR", TVL_SOURCE_DIR "/resources/install/");
        if (!libDir.empty())
            set("TVL_LIB_DIR", libDir);
        gSettings.reload();
        model::sampleModel().reset();
    }
    ~SampleInstallationScope() {
        for (const auto& [name, old] : m_saved) {
            if (old)
                setenv(name.c_str(), old->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
        gSettings.reload();
        model::sampleModel().reset();
    }
    SampleInstallationScope(const SampleInstallationScope&) = delete;
    SampleInstallationScope& operator=(const SampleInstallationScope&) = delete;

private:
    void set(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        setenv(name.c_str(), value.c_str(), 1);
    }
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

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

// ---- macro dialog ----
// Each page of the sample macros' dialogs, opened as the core's TVLMACRO command does.
void snapshotMacroDialogs(const std::filesystem::path& folder) {
    struct Shot {
        const wchar_t* macro;
        int tab;
        const char* file;
    };
    const Shot shots[] = {{L"EP1", 0, "macro-end-plate.png"},
                          {L"EP1", 1, "macro-bolts.png"},
                          {L"EP1", 2, "macro-notes.png"},
                          {L"BP1", 0, "macro-base-plate.png"}};
    model::sampleModel().reset();
    for (const Shot& shot : shots) {
        model::MacroInstance* instance = model::sampleModel().instanceByName(shot.macro);
        MacroData data;
        AcArray<AcDbObjectId> ids;
        int index = -1;
        if (instance != nullptr)
            ids.append(instance->m_id);
        if (instance == nullptr || !model::sampleModel().fillRecord(ids, data) ||
            !StartDlgMacroModeless(true, data, index)) {
            std::fprintf(stderr, "kw_dialog_snapshots: cannot open the dialog of %s\n", shot.file);
            g_ok = false;
            continue;
        }
        ui::Window* dlg = kw::MacroDialogTable::instance().at(index);
        ui::selectItem(*dlg, kw::macro::kTab, shot.tab);
        const std::filesystem::path file = folder / shot.file;
        if (ui::writePng(*dlg, file.string())) {
            std::printf("%s\n", file.string().c_str());
        } else {
            std::fprintf(stderr, "kw_dialog_snapshots: cannot write %s\n", file.string().c_str());
            g_ok = false;
        }
        EndDlgMacroModeless(index);
    }
}
// ---- end macro dialog ----

// ---- macro editor ----
// Each tab of the macro editor on the sample end plate, with the installation's pictures.
void snapshotMacroEditor(const std::filesystem::path& folder) {
    const SampleInstallationScope installation;
    EditConstrData data;
    if (!fillEditRecord(AcDbObjectId::fromOldId(201), L"EndPlate", data) ||
        !StartDlgEditConstraints(data) || !kw::ConstraintsEditorSlot::instance().editor()) {
        std::fprintf(stderr, "kw_dialog_snapshots: cannot open the macro editor\n");
        g_ok = false;
    } else {
        ui::Window* dlg = kw::ConstraintsEditorSlot::instance().editor();
        ui::resize(*dlg, 520, 560);
        const char* files[] = {"macro-editor-constraints.png", "macro-editor-geometries.png",
                               "macro-editor-variables.png", "macro-editor-commands.png"};
        for (int tab = 0; tab < 4; ++tab) {
            ui::selectItem(*dlg, kw::macroedit::kTabs, tab);
            if (tab == 0) // the constraint with two picture groups
                if (auto* page = dynamic_cast<CDlgEditMacro*>(dlg)->constraintsPage())
                    page->showConstraint(1);
            const std::filesystem::path file = folder / files[tab];
            if (ui::writePng(*dlg, file.string())) {
                std::printf("%s\n", file.string().c_str());
            } else {
                std::fprintf(stderr, "kw_dialog_snapshots: cannot write %s\n",
                             file.string().c_str());
                g_ok = false;
            }
        }
        EndDlgEditConstraints();
    }
}
// ---- end macro editor ----

// ---- macro settings ----
// The macro settings dialog of the sample end plate, one picture per page.
void snapshotMacroSettings(const std::filesystem::path& folder) {
    const SampleInstallationScope installation;
    const char* files[] = {"macro-settings-filter.png", "macro-settings-filter2.png",
                           "macro-settings-properties.png", "macro-settings-variables.png",
                           "macro-settings-groups.png"};
    ui::ScriptedDriver driver;
    bool seen = false;
    driver.onDialog(CDlgMacroSettings::kTemplateId, [&](ui::Dialog& d) {
        seen = true;
        for (int tab = 0; tab < CDlgMacroSettings::kTabCount; ++tab) {
            ui::selectItem(d, CDlgMacroSettings::kTabs, tab);
            const std::filesystem::path file = folder / files[tab];
            if (ui::writePng(d, file.string())) {
                std::printf("%s\n", file.string().c_str());
            } else {
                std::fprintf(stderr, "kw_dialog_snapshots: cannot write %s\n",
                             file.string().c_str());
                g_ok = false;
            }
        }
        ui::click(d, ui::IDCANCEL);
    });
    kw::editMacroSettings(nullptr, AcDbObjectId::fromOldId(201));
    if (!seen) {
        std::fprintf(stderr, "kw_dialog_snapshots: cannot open the macro settings\n");
        g_ok = false;
    }
}
// ---- end macro settings ----

// ---- bolt, pattern and array dialogs ----
// The sub-dialogs of the sample end plate's bolt tab, with the installation's picture:
// the advanced bolt dialog on its second slotted hole, the pattern Rows with fixed
// distances, the array Ribs.
void snapshotBoltDialogs(const std::filesystem::path& folder) {
    const SampleInstallationScope installation;
    MacroData data;
    AcArray<AcDbObjectId> ids;
    ids.append(model::sampleModel().instanceByName(L"EP1")->m_id);
    model::sampleModel().fillRecord(ids, data);
    const MacroTabData* tab = data.tabOfModule(L"Bolts");
    if (tab == nullptr) {
        std::fprintf(stderr, "kw_dialog_snapshots: the sample has no bolt tab\n");
        g_ok = false;
        return;
    }
    namespace mb = kw::macro::bolt;
    CDlgMacroBoltAdv bolt;
    bolt.m_bolt = tab->m_bolt;
    tab->GetMergedDiameters(bolt.m_diameters);
    snapshotWhileRunning(bolt, mb::kDlgBoltAdv, folder / "macro-bolt-advanced.png",
                         [](ui::Dialog& d) { ui::selectItem(d, mb::kSlotList, 1); });
    MacroPatternProps rows = tab->m_patterns[0];
    rows.m_directions[0].m_mode = true;
    for (int i = 1; i < rows.getCount(1); ++i)
        rows.m_directions[0].m_rows.append(Tvl_StringArray{Tvl_String(i), L"70", L"0", L"1"});
    CDlgMacroPattern pattern(nullptr, 0, rows);
    snapshotWhileRunning(pattern, mb::kDlgPattern, folder / "macro-bolt-pattern.png");
    CDlgArray array;
    array.m_data = tab->m_arrays[0];
    array.m_objects = ids;
    array.m_module = tab->m_module;
    snapshotWhileRunning(array, mb::kDlgArray, folder / "macro-array.png");
}
// ---- end bolt, pattern and array dialogs ----

// ---- macro cuts, gallery and profile dialogs ----
// The cuts dialog, the gallery and the profile dialogs through their exports, as the core's
// commands open them. The gallery writes the preview it misses, so it works on a copy of
// the sample library.
void shootAndClose(ui::Dialog& d, const std::filesystem::path& file) {
    if (ui::writePng(d, file.string())) {
        std::printf("%s\n", file.string().c_str());
    } else {
        std::fprintf(stderr, "kw_dialog_snapshots: cannot write %s\n", file.string().c_str());
        g_ok = false;
    }
    ui::closeBox(d);
}

void snapshotMacroCuts(const std::filesystem::path& folder) {
    const std::filesystem::path lib = std::filesystem::temp_directory_path() / "kw_snapshots_lib";
    std::error_code ec;
    std::filesystem::remove_all(lib, ec);
    std::filesystem::copy(TVL_SOURCE_DIR "/resources/install/tvllib", lib,
                          std::filesystem::copy_options::recursive, ec);
    {
        const SampleInstallationScope installation(lib.string() + "/");
        using namespace kw::macro;
        ui::ScriptedDriver driver;

        DlgMacroCutsData cut;
        bool escaped = false;
        if (cut.fillFromModel(AcDbObjectId::fromOldId(201), L"Corner")) {
            driver.onDialog(cuts::kDlgCuts, [&](ui::Dialog& d) {
                ui::click(d, cuts::kCutBoth);
                ui::typeText(d, cuts::kDistance, L"3");
                shootAndClose(d, folder / "macro-cuts.png");
            });
            StartDlgMacroCuts(cut, escaped);
        }

        const Tvl_StringArray folders{L"Connections", L"Base plates"};
        AcArray<bool> flags;
        flags.append(true);
        flags.append(true);
        const int any = 0;
        Tvl_String chosen;
        bool pick = true;
        driver.onDialog(cuts::kDlgSelectMacro, [&](ui::Dialog& d) {
            ui::selectItem(d, cuts::kGallery, 1);
            shootAndClose(d, folder / "select-macro.png");
        });
        StartDlgSelectMacro(L"", folders, flags, any, any, chosen, pick, true);

        MacroData record;
        AcArray<AcDbObjectId> ids;
        ids.append(AcDbObjectId::fromOldId(203));
        if (model::sampleModel().fillRecord(ids, record)) {
            driver.onDialog(prof::kDlgProfAdv, [&](ui::Dialog& d) {
                shootAndClose(d, folder / "profile-advanced.png");
            });
            StartDlgMacroProfAdv(record, L"Profiles", L"Braces", true);
            int index = -1;
            if (StartDlgMacroModeless(true, record, index)) {
                ui::Window* dlg = kw::MacroDialogTable::instance().at(index);
                int tab = -1;
                record.findTab(L"Profiles", tab);
                ui::selectItem(*dlg, kw::macro::kTab, tab);
                const std::filesystem::path file = folder / "macro-profiles.png";
                if (ui::writePng(*dlg, file.string()))
                    std::printf("%s\n", file.string().c_str());
                else
                    g_ok = false;
                driver.onDialog(prof::kDlgProfSegm, [&](ui::Dialog& d) {
                    shootAndClose(d, folder / "profile-segmented.png");
                });
                if (CMacroTabPage* page = static_cast<CDlgMacro*>(dlg)->page(tab))
                    ui::click(*page, prof::kSegmented);
                EndDlgMacroModeless(index);
            }
        }
        if (!driver.done()) {
            std::fprintf(stderr, "kw_dialog_snapshots: a cuts or profile dialog did not open\n");
            g_ok = false;
        }
    }
    std::filesystem::remove_all(lib, ec);
}
// ---- end macro cuts, gallery and profile dialogs ----

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

    // ---- Dialog designer: the tour's sample design, two controls selected (frames and
    // handles), then a rubber band half drawn.
    {
        setenv("TVL_LIB_DIR", TVL_SOURCE_DIR "/resources/install/tvllib/", 1);
        gSettings.reload();
        CDlgDesigner designer;
        designer.m_startPath = getDesignerRootFolder() + L"tour.txt";
        ui::ScriptedDriver driver;
        auto shoot = [&](ui::Dialog& d, const char* name) {
            const std::filesystem::path file = folder / name;
            if (ui::writePng(d, file.string())) {
                std::printf("%s\n", file.string().c_str());
            } else {
                std::fprintf(stderr, "kw_dialog_snapshots: cannot write %s\n",
                             file.string().c_str());
                g_ok = false;
            }
        };
        driver.onDialog(CDlgDesigner::kTemplateId, [&](ui::Dialog& d) {
            auto& dd = static_cast<CDlgDesigner&>(d);
            dd.tracker()->select(dd.design().getControl(1)->resourceId, true);
            dd.tracker()->select(dd.design().getControl(3)->resourceId, false);
            dd.design().updatePropsOfCurSel();
            shoot(d, "designer.png");
            dd.tracker()->clearSelection();
            dd.tracker()->leftButtonDown({150, 10}, 0, true);
            dd.tracker()->mouseMove({290, 60});
            shoot(d, "designer-band.png");
            dd.tracker()->mouseUp({290, 60});
            ui::closeBox(d);
        });
        designer.doModal();
    }
    // ---- Section library: the editors on the sample library (read only: all cancelled) ----
    if (std::getenv("TVL_LIB_DIR") == nullptr)
        setenv("TVL_LIB_DIR", TVL_SOURCE_DIR "/resources/install/tvllib/", 1);
    gSettings.reload();
    for (const auto& [tab, file] :
         {std::pair<const wchar_t*, const char*>{L"Groups", "section-groups.png"},
          {L"Types", "section-types.png"},
          {L"Tables", "section-values.png"}}) {
        CDlgEditLibSections sections;
        Tvl_String problem;
        sections.m_data.readLibrary(problem);
        sections.m_name = L"HEA-200";
        const std::wstring page = tab;
        snapshotWhileRunning(
            sections, CDlgEditLibSections::kTemplateId, folder / file, [page](ui::Dialog& d) {
                ui::selectItem(d, CDlgEditLibSections::kTabId, page);
                if (page == L"Tables") {
                    auto& g = static_cast<CDlgEditLibSections&>(d).valuesPage()->grid();
                    g.setFocus();
                    g.setActiveCell(7, 6);
                }
            });
    }
    CDlgEditLibSimple simple;
    simple.m_table.typeName = L"RHS";
    simple.m_table.readFromFile(L"RHS.pr");
    simple.m_sysName = L"100x50x4";
    snapshotWhileRunning(simple, CDlgEditLibSimple::kTemplateId, folder / "section-new.png",
                         [](ui::Dialog& d) { ui::typeText(d, 1300, L"120"); });

    CDlgProfFeatures features;
    features.m_data.caption = L"Purlin P3";
    features.m_data.profileName = L"IPE-200";
    features.m_data.caption1 = L"Steel grade";
    features.m_data.value1 = L"S355";
    features.m_data.list = Tvl_StringArray{L"S235", L"S275", L"S355"};
    features.m_data.caption2 = L"Length";
    features.m_data.value2 = L"6000";
    features.m_data.caption3 = L"End gap";
    features.m_data.value3 = L"10";
    features.m_data.optionCaption = L"Slotted holes";
    snapshotWhileRunning(features, CDlgProfFeatures::kTemplateId, folder / "profile-features.png");
    DlgProfCutsData cuts;
    CDlgEditProfCuts cutsDialog(cuts);
    snapshotWhileRunning(cutsDialog, CDlgEditProfCuts::kTemplateId, folder / "profile-cuts.png");
    // ---- macro dialog ----
    if (std::getenv("TVL_LIB_DIR") == nullptr) {
        setenv("TVL_LIB_DIR", TVL_SOURCE_DIR "/resources/install/tvllib/", 1);
        gSettings.reload();
    }
    snapshotMacroDialogs(folder);
    // ---- end macro dialog ----
    // ---- macro editor ----
    snapshotMacroEditor(folder);
    // ---- end macro editor ----
    // ---- macro settings ----
    snapshotMacroSettings(folder);
    // ---- end macro settings ----
    // ---- bolt, pattern and array dialogs ----
    snapshotBoltDialogs(folder);
    // ---- end bolt, pattern and array dialogs ----
    // ---- macro cuts, gallery and profile dialogs ----
    snapshotMacroCuts(folder);
    // ---- end macro cuts, gallery and profile dialogs ----
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

    // ---- Evaluator: the sample bill of materials, evaluated at its first cell ----
    // The spreadsheet pictures below use a copy of the sample library: the editor finds
    // the header's picture beside the document and rewrites the header file to name it.
    const std::filesystem::path sheets =
        std::filesystem::temp_directory_path() / "kw_snapshots_sheets";
    {
        std::error_code ec;
        std::filesystem::remove_all(sheets, ec);
        std::filesystem::copy(TVL_SOURCE_DIR "/resources/install/tvllib", sheets,
                              std::filesystem::copy_options::recursive, ec);
    }
    {
        setenv("TVL_LIB_DIR", (sheets.string() + "/").c_str(), 1);
        gSettings.reload();
        CFormula evaluator(CFormula::kEvaluateCell);
        evaluator.m_path = gSettings.libDir() + L"Spreadsheets\\bill-of-materials.kws";
        snapshotWhileRunning(evaluator, CFormula::kTemplateId, folder / "evaluator.png",
                             [](ui::Dialog& d) {
                                 auto& g = static_cast<CFormula&>(d).m_grid;
                                 g.setFocus();
                                 g.setActiveCell(6, 6);
                             });
    }

    // ---- Spreadsheet editor: the sample bill of materials, its total selected ----
    {
        CDlgSpreadSheet editor;
        editor.m_path = gSettings.libDir() + L"Spreadsheets\\bill-of-materials.kws";
        snapshotWhileRunning(editor, CDlgSpreadSheet::kTemplateId,
                             folder / "spreadsheet-editor.png", [](ui::Dialog& d) {
                                 auto& e = static_cast<CDlgSpreadSheet&>(d);
                                 e.grid().setFocus();
                                 e.grid().setActiveCell(6, 6);
                                 e.refreshEditBar();
                             });
    }

    // ---- printing: the settings and the preview of the sample bill of materials ----
    {
        const std::wstring folderOf = gSettings.libDir().str() + L"Spreadsheets\\";
        Tvl_Spread grid;
        grid::DocumentFile::load(grid.sheet(),
                                 base::toNative(folderOf + L"bill-of-materials.kws").string());
        CDlgKWPrintSetup setup;
        setup.m_properties = Tvl_String(grid.tag(0, 0));
        snapshotWhileRunning(setup, CDlgKWPrintSetup::kTemplateId, folder / "print-setup.png");

        kw::PrintState& state = kw::printState();
        state.begin(Tvl_String(grid.tag(0, 0)), true);
        // The document names its header without a folder: it lies beside the document.
        state.header.load(Tvl_String(folderOf + L"header.kwh"));
        if (ui::readBmpFile(base::toNative(folderOf + L"header.bmp").string(),
                            state.header.picture) == ui::BmpStatus::Ok)
            state.header.status = kw::PrintBandFile::Status::Ok;
        grid::SpreadPrintOptions o;
        o.marginLeft = state.props.marginLeft / 25.4;
        o.marginRight = state.props.marginRight / 25.4;
        o.marginTop = state.props.marginTop / 25.4;
        o.marginBottom = state.props.marginBottom / 25.4;
        o.colHeaders = state.props.colHeader;
        o.rowHeaders = state.props.rowHeader;
        o.gridLines = state.props.cellSeperators;
        o.colors = state.props.colors;
        o.border = state.props.border;
        grid.setPrintOptions(o, kw::printPageCallback);
        state.pageCount = grid.printPageCount();
        CDlgKWPrintPreview preview(&grid);
        snapshotWhileRunning(preview, CDlgKWPrintPreview::kTemplateId,
                             folder / "print-preview.png");
    }

    kw::detachModule();
    return g_ok ? 0 : 1;
}
