// The macro settings dialog on the sample end plate, used as a person would: opened from
// the macro editor's settings button or its entry, its five pages clicked, typed and
// chosen, OK writing the settings into the model and Cancel leaving them.

#include "tests/kw/frame/FrameTestSupport.h"

#include "core/CButtonST.h"
#include "core/Tvl_Settings.h"
#include "core/macroedit/MacroEditCallBacks.h"
#include "core/macrosettings/MacroSettingsCallBacks.h"
#include "core/model/SampleModel.h"
#include "kw/frame/ConstraintsEditorSlot.h"
#include "kw/frame/KWExports.h"
#include "kw/macro/CDlgMacroSettings.h"
#include "kw/macro/MacroSettingsEntry.h"
#include "kw/macroedit/CDlgEditMacro.h"
#include "kw/macroedit/MacroEditIds.h"
#include "kw/macroedit/filters/CTabMacroFilter.h"
#include "kw/macroedit/filters/CTabMacroFilter2.h"
#include "kw/macroedit/filters/CTabMacroFilterProps.h"
#include "kw/macroedit/filters/CTabMacroGroups.h"
#include "kw/macroedit/filters/CTabMacroVariables.h"
#include "kw/macroedit/filters/FilterPictures.h"
#include "kw/macroedit/filters/MacroFilterIds.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/TabControl.h"
#include "platform/ui/draw/Bmp.h"

#include <fstream>
#include <iterator>

using namespace kw::filters;

namespace {

const AcDbObjectId kEP1 = AcDbObjectId::fromOldId(201);

class MacroSettingsDialog : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        setenv("TVL_DIR", (m_tmp.string() + "/").c_str(), 1);
        setenv("TVL_LIB_DIR", TVL_SOURCE_DIR "/resources/install/tvllib/", 1);
        std::filesystem::copy(TVL_SOURCE_DIR "/resources/install/icons", m_tmp / "icons");
        gSettings.reload();
        model::sampleModel().reset();
    }
    void TearDown() override {
        EndDlgEditConstraints();
        FrameTest::TearDown();
        unsetenv("TVL_DIR");
        unsetenv("TVL_LIB_DIR");
        gSettings.reload();
        model::sampleModel().reset();
    }
    // Runs the dialog on EP1's settings; `work` acts on it (and ends it).
    bool run(const std::function<void(CDlgMacroSettings&)>& work) {
        ui::ScriptedDriver driver;
        bool seen = false;
        driver.onDialog(CDlgMacroSettings::kTemplateId, [&](ui::Dialog& d) {
            seen = true;
            work(dynamic_cast<CDlgMacroSettings&>(d));
        });
        const bool written = kw::editMacroSettings(nullptr, kEP1);
        EXPECT_TRUE(seen);
        EXPECT_TRUE(driver.done());
        return written;
    }
    static MacroSettingsData stored() {
        MacroSettingsData s;
        EXPECT_TRUE(GetMacroSettings(kEP1, s));
        return s;
    }
    static void clickCell(Tvl_Spread& grid, int col, int row) {
        const ui::Rect r = grid.cellRect(col, row);
        ASSERT_FALSE(r.isEmpty()) << "cell " << col << "," << row << " not in view";
        ui::mouseDown(grid, {r.left + 3, r.top + 3});
        ui::mouseUp(grid, {r.left + 3, r.top + 3});
    }
    static void typeCell(Tvl_Spread& grid, int col, int row, const wchar_t* text) {
        clickCell(grid, col, row);
        ASSERT_TRUE(ui::typeText(text));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
    }
    static ui::ComboBox* combo(ui::Window* page, int id) {
        return dynamic_cast<ui::ComboBox*>(page->getDlgItem(id));
    }
};

TEST_F(MacroSettingsDialog, OpensFromTheEditorOnTheFirstTabAndOkWithoutEditsKeepsTheValues) {
    EditConstrData record;
    ASSERT_TRUE(fillEditRecord(kEP1, L"EndPlate", record));
    ASSERT_TRUE(StartDlgEditConstraints(record));
    ui::Window* editor = kw::ConstraintsEditorSlot::instance().editor();
    ASSERT_NE(editor, nullptr);
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgMacroSettings::kTemplateId, [](ui::Dialog& d) {
        auto& dlg = dynamic_cast<CDlgMacroSettings&>(d);
        EXPECT_EQ(dlg.text(), L"Macro settings");
        EXPECT_EQ(dlg.getDlgItemText(ui::IDCANCEL), L"Cancel");
        ui::TabControl* tabs = dlg.tabControl();
        ASSERT_EQ(tabs->getItemCount(), 5);
        EXPECT_EQ(tabs->getItemText(0), L"Filter");
        EXPECT_EQ(tabs->getItemText(3), L"Variables");
        EXPECT_EQ(tabs->getItemText(4), L"Groups");
        EXPECT_EQ(tabs->getCurSel(), 0);
        EXPECT_TRUE(dlg.filterPage()->isWindowVisible());
        EXPECT_FALSE(dlg.groupsPage()->isWindowVisible());
        // The pages lie in the tab control's display area.
        const ui::Rect page = dlg.filterPage()->getWindowRect();
        const ui::Rect area = tabs->getWindowRect();
        EXPECT_GT(page.top, area.top);
        EXPECT_LE(page.right, area.right - 3);
        ASSERT_TRUE(ui::selectItem(dlg, CDlgMacroSettings::kTabs, 4));
        EXPECT_TRUE(dlg.groupsPage()->isWindowVisible());
        EXPECT_FALSE(dlg.filterPage()->isWindowVisible());
        ui::click(dlg, ui::IDOK);
    });
    ASSERT_TRUE(ui::click(*editor, kw::macroedit::kSettings));
    EXPECT_TRUE(driver.done());
    // Nothing typed: 87.125 is not rounded to the 87.12 the edit showed; only the unused
    // section-angle pair 0/0 is left out on storing.
    EXPECT_NE(printed().find(L"Macro settings of End plate: section-angle filter Web to flange: "
                             L"on, 0/0, 0/5, 85/95 -> on, 0/5, 85/95.\n"),
              std::wstring::npos)
        << printed();
    EXPECT_EQ(printed().find(L"axis-angle"), std::wstring::npos);
    EXPECT_EQ(stored().m_filters.m_axisMin[0], 87.125);
}

TEST_F(MacroSettingsDialog, AxisEntriesKeepTheirEditsAcrossEntryChangesAndToggles) {
    const bool written = run([](CDlgMacroSettings& dlg) {
        CTabMacroFilter* page = dlg.filterPage();
        EXPECT_EQ(page->getDlgItemText(kAxisEnabled), L"Enabled");
        EXPECT_EQ(page->isDlgButtonChecked(kFiltersOn), 1);
        EXPECT_EQ(page->getDlgItemText(kAxisMin), L"87.12"); // 87.125 shown with two decimals
        EXPECT_EQ(page->isDlgButtonChecked(kAxisModeInside), 1);
        ASSERT_TRUE(ui::typeText(*page, kAxisMax, L"95"));
        // Entry 1 is off: its fields are disabled, the combo shows no check mark.
        ASSERT_TRUE(ui::selectItem(*page, kAxisList, 1));
        EXPECT_EQ(page->getDlgItemText(kAxisMax), L"45.00");
        EXPECT_FALSE(page->getDlgItem(kAxisMin)->isWindowEnabled());
        EXPECT_FALSE(page->getDlgItem(kAxisModeInside)->isWindowEnabled());
        EXPECT_EQ(page->isDlgButtonChecked(kAxisModeOutside), 1);
        EXPECT_FALSE(page->axes().combo().GetCheck(1));
        ASSERT_TRUE(ui::click(*page, kAxisEnabled));
        EXPECT_TRUE(page->axes().combo().GetCheck(1));
        EXPECT_TRUE(page->getDlgItem(kAxisMin)->isWindowEnabled());
        ASSERT_TRUE(ui::typeText(*page, kAxisMin, L"30abc")); // read as far as it is a number
        ASSERT_TRUE(ui::click(*page, kAxisModeInside));
        ASSERT_TRUE(ui::selectItem(*page, kAxisList, 0));
        EXPECT_EQ(page->getDlgItemText(kAxisMax), L"95.00");
        ASSERT_TRUE(ui::typeText(*page, kAxisMax, L"nonsense"));
        ASSERT_TRUE(ui::click(*page, kFiltersOn));
        ui::click(dlg, ui::IDOK);
    });
    EXPECT_TRUE(written);
    const MacroSettingsData s = stored();
    EXPECT_FALSE(s.m_filters.m_filtersOn);
    EXPECT_EQ(s.m_filters.m_axisMin[0], 87.125);
    EXPECT_EQ(s.m_filters.m_axisMax[0], 0); // no number: 0
    EXPECT_EQ(s.m_filters.m_axisEnabled[1], 1);
    EXPECT_EQ(s.m_filters.m_axisMode[1], 0);
    EXPECT_EQ(s.m_filters.m_axisMin[1], 30);
    EXPECT_NE(printed().find(L"axis-angle filter Sloping beam: off, outside 0 to 45 -> on, inside "
                             L"30 to 45."),
              std::wstring::npos);
}

TEST_F(MacroSettingsDialog, SectionAnglePairsDropOnlyRowsOfTwoZeros) {
    run([this](CDlgMacroSettings& dlg) {
        CTabMacroFilter* page = dlg.filterPage();
        Tvl_Spread& pairs = page->pairs();
        ASSERT_EQ(pairs.rowCount(), 3);
        EXPECT_EQ(pairs.data(2, 2), L"5.00");
        ASSERT_TRUE(ui::click(*page, kAddPair));
        ASSERT_EQ(pairs.rowCount(), 4);
        typeCell(pairs, 1, 4, L"170");
        typeCell(pairs, 2, 4, L"190.125");
        ASSERT_TRUE(ui::click(*page, kAddPair)); // left 0 / 0
        clickCell(pairs, 1, 3);
        ASSERT_TRUE(ui::click(*page, kDeletePair)); // 85 / 95 goes
        EXPECT_EQ(pairs.rowCount(), 4);
        ui::click(dlg, ui::IDOK);
    });
    const MacroSettingsData s = stored();
    const AcArray<double>& values = s.m_filters.m_sectionAnglePairs[0];
    ASSERT_EQ(values.length(), 4);
    EXPECT_EQ(values[0], 0);
    EXPECT_EQ(values[1], 5);
    EXPECT_EQ(values[2], 170);
    EXPECT_EQ(values[3], 190.125);
}

TEST_F(MacroSettingsDialog, EmptyPathListIsDisabledAndSizeLimitsAreStored) {
    run([](CDlgMacroSettings& dlg) {
        ASSERT_TRUE(ui::selectItem(dlg, CDlgMacroSettings::kTabs, 1));
        CTabMacroFilter2* page = dlg.filter2Page();
        EXPECT_EQ(page->getDlgItemText(kSecondFiltersOn), L"Use these filters");
        for (int id : {kPathList, kPathEnabled, kPathGroup, kPathMin, kPathMax})
            EXPECT_FALSE(page->getDlgItem(id)->isWindowEnabled()) << id;
        EXPECT_TRUE(page->getDlgItem(kSizeList)->isWindowEnabled());
        EXPECT_EQ(page->getDlgItemText(kMaxHeight), L"600.00");
        ASSERT_TRUE(ui::typeText(*page, kMaxHeight, L"750"));
        ASSERT_TRUE(ui::click(*page, kSecondFiltersOn));
        ASSERT_TRUE(ui::selectItem(*page, kSizeList, L"Column"));
        EXPECT_FALSE(page->getDlgItem(kMinWidth)->isWindowEnabled());
        ui::click(dlg, ui::IDOK);
    });
    const MacroSettingsData s = stored();
    EXPECT_TRUE(s.m_filters2.m_secondFiltersOn);
    EXPECT_EQ(s.m_filters2.m_sizeMaxHeight[0], 750);
    EXPECT_EQ(s.m_filters2.m_sizeMinHeight[1], 160);
}

TEST_F(MacroSettingsDialog, VariablesPageReadsTheDecimalsAsTextAndKeepsEmptyUnitEntries) {
    MacroSettingsData start = stored();
    start.m_variables.m_angleUnit = 4; // one of the two empty entries
    ASSERT_TRUE(SetMacroSettings(kEP1, start));
    run([this](CDlgMacroSettings& dlg) {
        ASSERT_TRUE(ui::selectItem(dlg, CDlgMacroSettings::kTabs, 3));
        CTabMacroVariables* page = dlg.variablesPage();
        EXPECT_EQ(page->getDlgItemText(kExplanation),
                  L"These variables belong to the macro and can be used in its equations.\n"
                  L"Their values are saved with the macro.");
        ASSERT_EQ(combo(page, kLengthUnit)->getCount(), 5);
        EXPECT_EQ(combo(page, kAngleUnit)->getCurSel(), 4);
        EXPECT_EQ(page->getDlgItemText(kDecimals), L"2");
        ASSERT_TRUE(ui::selectItem(*page, kLengthUnit, L"Metres"));
        ASSERT_TRUE(ui::selectItem(*page, kDecimals, L"3"));
        // A new variable, and a row left without a name.
        Tvl_Spread& grid = page->grid();
        EXPECT_EQ(grid.data(2, 2), L"0.70");
        ASSERT_TRUE(ui::click(*page, kAddRow));
        typeCell(grid, 1, 3, L"Gap");
        typeCell(grid, 2, 3, L"2.5");
        ASSERT_TRUE(ui::click(*page, kAddRow));
        ui::click(dlg, ui::IDOK);
    });
    MacroSettingsData s = stored();
    EXPECT_EQ(s.m_variables.m_lengthUnit, 2);
    EXPECT_EQ(s.m_variables.m_angleUnit, 4);
    EXPECT_EQ(s.m_variables.m_decimals, 3);
    ASSERT_EQ(s.m_variables.m_names.length(), 3);
    EXPECT_EQ(s.m_variables.m_names[2], L"Gap");
    EXPECT_EQ(s.m_variables.m_values[2], 2.5);
    EXPECT_EQ(s.m_variables.m_values[1], 0.7);

    // An emptied decimals text is 0.
    run([](CDlgMacroSettings& dlg) {
        ASSERT_TRUE(ui::selectItem(dlg, CDlgMacroSettings::kTabs, 3));
        ASSERT_TRUE(ui::typeText(*dlg.variablesPage(), kDecimals, L"")); // all selected
        ASSERT_TRUE(ui::key(ui::VK_DELETE));
        EXPECT_EQ(dlg.variablesPage()->getDlgItemText(kDecimals), L"");
        ui::click(dlg, ui::IDOK);
    });
    EXPECT_EQ(stored().m_variables.m_decimals, 0);
}

TEST_F(MacroSettingsDialog, GroupsPageShowsItsExplanationsAndStoresTextsAndPositions) {
    run([](CDlgMacroSettings& dlg) {
        ASSERT_TRUE(ui::selectItem(dlg, CDlgMacroSettings::kTabs, 4));
        CTabMacroGroups* page = dlg.groupsPage();
        EXPECT_EQ(page->getDlgItemText(kNameExplanation),
                  L"The name of the assembly that the macro creates.\nVariables can be used "
                  L"between % signs. Example: \"Frame %NR%\"");
        EXPECT_EQ(page->getDlgItemText(kGroupName), L"End plate %NR%");
        Tvl_Spread& grid = page->grid();
        EXPECT_EQ(grid.colCount(), 3);
        EXPECT_EQ(grid.data(3, 0), L"Position");
        EXPECT_EQ(grid.data(3, 2), L"None");
        ASSERT_TRUE(ui::typeText(*page, kGroupDescription, L"Joint %TYPE%"));
        grid.setActiveCell(CTabMacroGroups::kColPosition, 2);
        ASSERT_TRUE(grid.chooseComboItem(2));
        ui::click(dlg, ui::IDOK);
    });
    const MacroSettingsData s = stored();
    EXPECT_EQ(s.m_groups.m_description, L"Joint %TYPE%");
    EXPECT_EQ(s.m_groups.m_positions[0], 1);
    EXPECT_EQ(s.m_groups.m_positions[1], 2);
    EXPECT_NE(printed().find(L"group part Bolts: \"Bolt group\", no position -> \"Bolt group\", "
                             L"position 2."),
              std::wstring::npos);
}

TEST_F(MacroSettingsDialog, PropertiesPageStoresTheShownPropertyWhenAnotherIsChosen) {
    run([this](CDlgMacroSettings& dlg) {
        ASSERT_TRUE(ui::selectItem(dlg, CDlgMacroSettings::kTabs, 2));
        CTabMacroFilterProps* page = dlg.propsPage();
        EXPECT_EQ(combo(page, kPropList)->getCount(), 2);
        EXPECT_GE(combo(page, kDesignList)->findStringExact(-1, L"Connections\\EndPlate"), 0);
        EXPECT_EQ(page->getDlgItemText(kDesignList), L"Connections\\EndPlate");
        Tvl_Spread& grid = page->grid();
        ASSERT_EQ(grid.rowCount(), 3);
        typeCell(grid, 1, 3, L"Primed");
        ASSERT_TRUE(ui::selectItem(*page, kPropList, L"Weld"));
        EXPECT_EQ(grid.rowCount(), 2);
        EXPECT_EQ(page->getDlgItemText(kDesignList), L"");
        ASSERT_TRUE(ui::click(*page, kAddRow));
        typeCell(grid, 1, 3, L"Plug");
        ASSERT_TRUE(ui::click(*page, kAddRow)); // left empty: no value
        ASSERT_TRUE(ui::selectItem(*page, kDesignList, L"Connections\\BasePlate"));
        ASSERT_TRUE(ui::selectItem(*page, kPropList, L"Finish"));
        EXPECT_EQ(grid.data(1, 3), L"Primed");
        ui::click(dlg, ui::IDOK);
    });
    const MacroSettingsData s = stored();
    EXPECT_EQ(s.m_propValues[0][2], L"Primed");
    ASSERT_EQ(s.m_propValues[1].length(), 3);
    EXPECT_EQ(s.m_propValues[1][2], L"Plug");
    EXPECT_EQ(s.m_propDesigns[1], L"Connections\\BasePlate");
}

TEST_F(MacroSettingsDialog, CancelLeavesTheModelAsItWas) {
    const bool written = run([](CDlgMacroSettings& dlg) {
        ASSERT_TRUE(ui::click(*dlg.filterPage(), kFiltersOn));
        ASSERT_TRUE(ui::selectItem(dlg, CDlgMacroSettings::kTabs, 4));
        ASSERT_TRUE(ui::typeText(*dlg.groupsPage(), kGroupName, L"Changed"));
        ui::click(dlg, ui::IDCANCEL);
    });
    EXPECT_FALSE(written);
    EXPECT_TRUE(stored().m_filters.m_filtersOn);
    EXPECT_EQ(stored().m_groups.m_name, L"End plate %NR%");
    EXPECT_EQ(printed().find(L"Macro settings of"), std::wstring::npos);
    // No macro: no dialog.
    ui::ScriptedDriver driver;
    EXPECT_FALSE(kw::editMacroSettings(nullptr, AcDbObjectId::fromOldId(101)));
    EXPECT_NE(printed().find(L"Object 101 is no macro."), std::wstring::npos);
}

TEST_F(MacroSettingsDialog, EmptyRecordDisablesTheListsAndPagesWithoutOneShowTextsOnly) {
    // An empty record: every list is disabled, OK stores nothing into it.
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgMacroSettings::kTemplateId, [](ui::Dialog& d) {
        auto& dlg = dynamic_cast<CDlgMacroSettings&>(d);
        EXPECT_FALSE(dlg.filterPage()->getDlgItem(kAxisList)->isWindowEnabled());
        EXPECT_FALSE(dlg.filterPage()->getDlgItem(kAddPair)->isWindowEnabled());
        EXPECT_FALSE(dlg.propsPage()->getDlgItem(kPropList)->isWindowEnabled());
        EXPECT_TRUE(dlg.variablesPage()->getDlgItem(kAddRow)->isWindowEnabled());
        ui::click(d, ui::IDOK);
    });
    CDlgMacroSettings empty;
    ASSERT_EQ(empty.doModal(), ui::IDOK);
    EXPECT_EQ(empty.m_settings.describe().size(), MacroSettingsData().describe().size());
    // Pages without a record, in a plain window.
    CTabMacroFilter filter(nullptr);
    CTabMacroVariables variables(nullptr);
    CTabMacroGroups groups(nullptr);
    ui::Dialog parent(CDlgMacroSettings::kTemplateId);
    ASSERT_TRUE(parent.create());
    ASSERT_TRUE(filter.createPage(&parent));
    ASSERT_TRUE(variables.createPage(&parent));
    ASSERT_TRUE(groups.createPage(&parent));
    EXPECT_EQ(filter.getDlgItemText(kAxisGroup), L"Axis angle");
    EXPECT_FALSE(filter.getDlgItem(kAxisList)->isWindowEnabled());
    EXPECT_FALSE(filter.getDlgItem(kFiltersOn)->isWindowEnabled());
    EXPECT_EQ(filter.pairs().rowCount(), 0);
    EXPECT_FALSE(variables.getDlgItem(kLengthUnit)->isWindowEnabled());
    EXPECT_EQ(groups.grid().rowCount(), 0);
    parent.destroyWindow(); // destroying stores nothing anywhere
}

TEST_F(MacroSettingsDialog, ListsOfDifferentLengthsShowWhatTheyHoldAndNothingOutside) {
    // A record as a caller might hand it over, without the core's normalizing.
    CDlgMacroSettings dlg;
    MacroSettingsData& s = dlg.m_settings;
    s.m_filters.m_axisNames.append(L"Full");
    s.m_filters.m_axisNames.append(L"Short");
    s.m_filters.m_axisEnabled.append(1);
    s.m_filters.m_axisMin.append(10);
    s.m_filters.m_axisMax.append(20); // no modes at all
    s.m_filters.m_sectionAngleNames.append(L"No pairs");
    s.m_filters.m_sectionAngleEnabled.append(1);
    s.m_variables.m_names.append(L"X"); // no value
    s.m_groups.m_parts.append(L"P");    // no description, no position
    s.m_propNames.append(L"Q");         // no values, no design
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgMacroSettings::kTemplateId, [](ui::Dialog& d) {
        auto& dlg = dynamic_cast<CDlgMacroSettings&>(d);
        CTabMacroFilter* page = dlg.filterPage();
        EXPECT_EQ(page->isDlgButtonChecked(kAxisModeInside), 1);
        ASSERT_TRUE(ui::selectItem(*page, kAxisList, 1)); // not shown: its lists end early
        EXPECT_EQ(page->axes().current(), -1);
        EXPECT_FALSE(page->getDlgItem(kAxisMin)->isWindowEnabled());
        EXPECT_EQ(page->pairs().rowCount(), 0);
        ASSERT_TRUE(ui::click(*page, kAddPair));
        ASSERT_TRUE(ui::selectItem(dlg, CDlgMacroSettings::kTabs, 3));
        EXPECT_EQ(dlg.variablesPage()->grid().data(2, 1), L"0.00");
        ASSERT_TRUE(ui::selectItem(dlg, CDlgMacroSettings::kTabs, 2));
        EXPECT_EQ(dlg.propsPage()->grid().rowCount(), 0);
        ui::click(dlg, ui::IDOK);
    });
    ASSERT_EQ(dlg.doModal(), ui::IDOK);
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(s.m_filters.m_axisEnabled.length(), 1);
    EXPECT_EQ(s.m_filters.m_axisMode.length(), 0);
    EXPECT_EQ(s.m_filters.m_sectionAnglePairs.length(), 0);
    ASSERT_EQ(s.m_variables.m_values.length(), 1);
    EXPECT_EQ(s.m_variables.m_values[0], 0);
    ASSERT_EQ(s.m_groups.m_positions.length(), 1);
    EXPECT_EQ(s.m_groups.m_positions[0], 0);
    EXPECT_EQ(s.m_propValues.length(), 1);
    EXPECT_EQ(s.m_propDesigns.length(), 1);
}

TEST_F(MacroSettingsDialog, EnterInAPageConfirmsTheDialogAndEscapeCancelsIt) {
    EXPECT_TRUE(run([](CDlgMacroSettings& dlg) {
        ASSERT_TRUE(ui::selectItem(dlg, CDlgMacroSettings::kTabs, 1));
        ASSERT_TRUE(ui::typeText(*dlg.filter2Page(), kMinWidth, L"120"));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
    }));
    EXPECT_EQ(stored().m_filters2.m_sizeMinWidth[0], 120);
    EXPECT_FALSE(run([](CDlgMacroSettings& dlg) {
        ASSERT_TRUE(ui::typeText(*dlg.filterPage(), kAxisMax, L"1"));
        ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
    }));
    EXPECT_EQ(stored().m_filters.m_axisMax[0], 92.875);
}

TEST_F(MacroSettingsDialog, MissingPicturesGetAPlaceholder) {
    std::filesystem::remove_all(m_tmp / "icons");
    run([](CDlgMacroSettings& dlg) {
        auto* frame = dynamic_cast<CButtonST*>(dlg.filterPage()->getDlgItem(kPictureAngle90));
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->HasPicture());
        EXPECT_FALSE(frame->isWindowEnabled());
        ui::click(dlg, ui::IDCANCEL);
    });
}

// The sample installation's filter pictures are the ones this module draws. With
// TVL_WRITE_ICONS=1 the test writes them into the source tree instead.
TEST(MacroFilterPictures, InstalledFilesAreOurDrawings) {
    const std::filesystem::path folder = TVL_SOURCE_DIR "/resources/install/icons";
    const bool write = std::getenv("TVL_WRITE_ICONS") != nullptr;
    const auto pictures = filterPictures();
    EXPECT_EQ(pictures.size(), 5u);
    for (const FilterPicture& picture : pictures) {
        const std::vector<std::uint8_t> bytes = ui::encodeBmp24(picture.bitmap);
        const std::filesystem::path path = folder / picture.name;
        if (write) {
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
            continue;
        }
        std::ifstream in(path, std::ios::binary);
        const std::vector<std::uint8_t> stored((std::istreambuf_iterator<char>(in)),
                                               std::istreambuf_iterator<char>());
        EXPECT_EQ(stored, bytes) << path;
    }
}

} // namespace
