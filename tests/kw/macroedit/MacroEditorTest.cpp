// The macro editor on the core's sample model, used as a person would: the module bar,
// the four pages, the commands, closing modal and modeless.

#include "tests/kw/frame/FrameTestSupport.h"

#include "core/Tvl_Settings.h"
#include "core/macroedit/MacroEditCallBacks.h"
#include "core/model/SampleModel.h"
#include "kw/frame/ConstraintsEditorSlot.h"
#include "kw/frame/KWExports.h"
#include "kw/macroedit/CDlgEditMacro.h"
#include "kw/macroedit/CTabEditConstraints.h"
#include "kw/macroedit/CTabEditVars.h"
#include "kw/macroedit/CTabGeometries.h"
#include "kw/macroedit/CTabMacroCommands.h"
#include "kw/macroedit/MacroEditIds.h"
#include "kw/macroedit/MacroEditPictures.h"
#include "platform/host/PickQueue.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/TabControl.h"
#include "platform/ui/draw/Bmp.h"

#include <fstream>
#include <iterator>

using namespace kw::macroedit;

namespace {

const AcDbObjectId kEP1 = AcDbObjectId::fromOldId(201);

class MacroEditor : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        // The installation's pictures, as the sample installation has them.
        setenv("TVL_DIR", (m_tmp.string() + "/").c_str(), 1);
        std::filesystem::copy(TVL_SOURCE_DIR "/resources/install/icons", m_tmp / "icons");
        gSettings.reload();
        model::sampleModel().reset();
    }
    void TearDown() override {
        EndDlgEditConstraints();
        FrameTest::TearDown();
        unsetenv("TVL_DIR");
        gSettings.reload();
        model::sampleModel().reset();
    }
    CDlgEditMacro* open() {
        EditConstrData record;
        EXPECT_TRUE(fillEditRecord(kEP1, L"EndPlate", record));
        EXPECT_TRUE(StartDlgEditConstraints(record));
        return dynamic_cast<CDlgEditMacro*>(kw::ConstraintsEditorSlot::instance().editor());
    }
    static Tvl_String modelValue(const wchar_t* module, const wchar_t* cell) {
        const MacroTabData* tab = model::sampleModel().instanceByName(L"EP1")->module(module);
        const MacroCell* c = tab ? tab->cellWithName(cell) : nullptr;
        return c ? c->m_value : Tvl_String(L"<missing>");
    }
    // Clicks a cell of a grid as the user does.
    static void clickCell(Tvl_Spread& grid, int col, int row) {
        const ui::Rect r = grid.cellRect(col, row);
        ASSERT_FALSE(r.isEmpty()) << "cell " << col << "," << row << " not in view";
        ui::mouseDown(grid, {r.left + 3, r.top + 3});
        ui::mouseUp(grid, {r.left + 3, r.top + 3});
    }
};

TEST_F(MacroEditor, OpensOnTheConstraintsOfTheModuleAndOnlyOnce) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->text(), L"Macro editor");
    auto* modules = dynamic_cast<ui::ComboBox*>(dlg->getDlgItem(kModules));
    ASSERT_EQ(modules->getCount(), 3);
    EXPECT_EQ(modules->getCurSel(), 0);
    EXPECT_EQ(dlg->tabControl()->getItemText(2), L"Variables");
    EXPECT_EQ(dlg->currentTab(), 0);
    CTabEditConstraints* page = dlg->constraintsPage();
    EXPECT_TRUE(page->isWindowVisible());
    EXPECT_EQ(page->grid().rowCount(), 5);
    EXPECT_EQ(page->grid().data(1, 1), L"Plate on flange");
    EXPECT_EQ(page->grid().data(4, 0), L"Object 2");
    EXPECT_EQ(page->currentRow(), 0);
    EXPECT_NE(printed().find(L"Highlight constraint 1 (Plate on flange)"), std::wstring::npos);

    // A second start keeps the first editor and its record.
    EditConstrData other;
    ASSERT_TRUE(fillEditRecord(kEP1, L"Bolts", other));
    EXPECT_TRUE(StartDlgEditConstraints(other));
    EXPECT_EQ(kw::ConstraintsEditorSlot::instance().editor(), dlg);
    EXPECT_EQ(dlg->data().m_currentModule, L"EndPlate");
}

TEST_F(MacroEditor, SwitchingModuleLoadsItsPagesAndResetsTheSort) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::selectItem(*dlg, kModules, L"Bolts"));
    EXPECT_EQ(dlg->data().m_currentModule, L"Bolts");
    EXPECT_EQ(dlg->constraintsPage()->grid().rowCount(), 2);
    EXPECT_EQ(dlg->constraintsPage()->grid().data(1, 1), L"Bolt rows");
    EXPECT_EQ(dlg->constraintsPage()->sortColumn(), -1);
}

TEST_F(MacroEditor, DetailPanelShowsTheFieldsOfTheConstraint) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    CTabEditConstraints* page = dlg->constraintsPage();
    // Constraint 1: options only.
    EXPECT_FALSE(page->getDlgItem(kValueEdit)->isWindowVisible());
    EXPECT_TRUE(page->getDlgItem(kOption1)->isWindowVisible());
    EXPECT_TRUE(page->getDlgItem(kOption2)->isWindowEnabled()); // option 1 is checked
    EXPECT_FALSE(page->getDlgItem(kCut)->isWindowVisible());
    // Constraint 2: everything, two radio groups of two pictures.
    clickCell(page->grid(), 2, 2);
    EXPECT_EQ(page->currentRow(), 1);
    EXPECT_EQ(page->getDlgItemText(kValueEdit), L"15");
    EXPECT_EQ(page->getDlgItemText(kNameEdit), L"PlateThickness");
    EXPECT_EQ(dynamic_cast<ui::ComboBox*>(page->getDlgItem(kChoiceCombo))->getCurSel(), 1);
    EXPECT_EQ(page->picturesInUse(), 4);
    EXPECT_EQ(page->secondGroupStart(), 3);
    EXPECT_EQ(page->picture(1).GetCheck(), ui::BST_CHECKED);
    EXPECT_EQ(page->picture(3).GetCheck(), ui::BST_CHECKED);
    EXPECT_TRUE(page->picture(1).HasPicture());
    EXPECT_FALSE(page->picture(5).isWindowEnabled());
    // Clicking 4 clears 3 but not 1.
    ASSERT_TRUE(ui::click(*page, kPictures[3]));
    EXPECT_EQ(page->picture(4).GetCheck(), ui::BST_CHECKED);
    EXPECT_EQ(page->picture(3).GetCheck(), ui::BST_UNCHECKED);
    EXPECT_EQ(page->picture(1).GetCheck(), ui::BST_CHECKED);
    ASSERT_TRUE(ui::click(*page, kPictures[1]));
    EXPECT_EQ(page->picture(1).GetCheck(), ui::BST_UNCHECKED);
    // Unchecking option 1 disables option 2.
    ASSERT_TRUE(ui::click(*page, kOption1));
    EXPECT_FALSE(page->getDlgItem(kOption2)->isWindowEnabled());
    // Another row stores the panel: element 0 = 2, element 1 = 4.
    host::commandLine().clear();
    clickCell(page->grid(), 1, 3);
    EXPECT_NE(printed().find(L"Constraint Plate thickness updated."), std::wstring::npos);
    const int at = dlg->data().constraintIndex(2);
    ASSERT_GE(at, 0);
    EXPECT_EQ(dlg->data().m_constrRadios[at][0], 2);
    EXPECT_EQ(dlg->data().m_constrRadios[at][1], 4);
    EXPECT_EQ(dlg->data().m_constrOption1[at], 0);
    // Constraint 3 is a cut: the cut button, and the core edits the cut.
    EXPECT_TRUE(page->getDlgItem(kCut)->isWindowVisible());
    host::commandLine().clear();
    ASSERT_TRUE(ui::click(*page, kCut));
    EXPECT_NE(printed().find(L"Cut Corner of EP1: kind 1 -> 2."), std::wstring::npos);
}

TEST_F(MacroEditor, MissingPicturesGetAPlaceholderAndButtonsStillWork) {
    std::filesystem::remove_all(m_tmp / "icons");
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    CTabEditConstraints* page = dlg->constraintsPage();
    clickCell(page->grid(), 1, 2);
    EXPECT_TRUE(page->picture(2).HasPicture()); // the placeholder
    ASSERT_TRUE(ui::click(*page, kPictures[1]));
    EXPECT_EQ(page->picture(2).GetCheck(), ui::BST_CHECKED);
    EXPECT_TRUE(dlg->commandsPage()->button(0).HasPicture());
}

TEST_F(MacroEditor, RefusedVariableNameIsReportedAndPutBack) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    CTabEditConstraints* page = dlg->constraintsPage();
    clickCell(page->grid(), 1, 2);
    ui::ScriptedDriver driver;
    driver.answerMessageBox(ui::IDOK, L"The name ends with an operator");
    ASSERT_TRUE(ui::typeText(*page, kNameEdit, L"Plate/"));
    clickCell(page->grid(), 1, 1); // the edit loses the focus, the row changes
    EXPECT_TRUE(driver.done());
    ASSERT_FALSE(driver.messageBoxes().empty());
    EXPECT_EQ(driver.messageBoxes().back().caption, L"Invalid name");
    EXPECT_EQ(model::sampleModel().instanceByName(L"EP1")->module(L"EndPlate") != nullptr, true);
    const int at = dlg->data().constraintIndex(2);
    EXPECT_EQ(dlg->data().m_constrNames[at], L"PlateThickness");

    clickCell(page->grid(), 1, 2);
    driver.answerMessageBox(ui::IDOK, L"This name is already in use");
    ASSERT_TRUE(ui::typeText(*page, kNameEdit, L"TopExtension"));
    clickCell(page->grid(), 1, 1);
    EXPECT_TRUE(driver.done());
    driver.answerMessageBox(ui::IDOK, L"The name starts with a digit");
    clickCell(page->grid(), 1, 2);
    ASSERT_TRUE(ui::typeText(*page, kNameEdit, L"2nd"));
    clickCell(page->grid(), 1, 1);
    EXPECT_TRUE(driver.done());
}

TEST_F(MacroEditor, HeaderClickSortsOnceAndDeleteShowsThePreviousRow) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    CTabEditConstraints* page = dlg->constraintsPage();
    host::commandLine().clear();
    clickCell(page->grid(), 1, 0);
    EXPECT_NE(printed().find(L"sorted by column 1"), std::wstring::npos);
    EXPECT_EQ(page->grid().data(1, 1), L"Beam square");
    EXPECT_EQ(page->sortColumn(), 1);
    host::commandLine().clear();
    clickCell(page->grid(), 1, 0); // the current sort column: nothing
    EXPECT_EQ(printed().find(L"sorted"), std::wstring::npos);
    // Delete the first row: row 0 is shown again.
    clickCell(page->grid(), 1, 1);
    ASSERT_TRUE(ui::click(*page, kDeleteConstraint));
    EXPECT_EQ(page->grid().rowCount(), 4);
    EXPECT_EQ(page->currentRow(), 0);
    EXPECT_EQ(page->grid().data(1, 1), L"Corner cut");
    // Delete the third: the second is shown.
    clickCell(page->grid(), 1, 3);
    ASSERT_TRUE(ui::click(*page, kDeleteConstraint));
    EXPECT_EQ(page->currentRow(), 1);
}

TEST_F(MacroEditor, ContextMenuRunsTheFirstSixActionsOnly) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    CTabEditConstraints* page = dlg->constraintsPage();
    ui::ScriptedDriver driver;
    driver.choosePopupItem(32818); // the fifth command: move down
    const ui::Rect cell = page->grid().cellRect(1, 1);
    ASSERT_TRUE(ui::rightClick(page->grid(), {cell.left + 3, cell.top + 3}));
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(page->grid().data(1, 2), L"Plate on flange");
    // The seventh (properties) does nothing here.
    host::commandLine().clear();
    driver.choosePopupItem(32801);
    ASSERT_TRUE(ui::rightClick(page->grid(), {cell.left + 3, cell.top + 3}));
    EXPECT_EQ(printed().find(L"Constraint 2:"), std::wstring::npos);
    ASSERT_FALSE(driver.popupMenus().empty());
}

TEST_F(MacroEditor, VariablesTabStoresEquationsAndValuesAtFullPrecision) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 2));
    CTabEditVars* vars = dlg->variablesPage();
    EXPECT_EQ(vars->variables().colCount(), 3);
    EXPECT_EQ(vars->dimensions().rowCount(), 2);
    auto* equations = dynamic_cast<ui::Edit*>(vars->getDlgItem(kEquations));
    const std::wstring text = equations->getWindowText();
    EXPECT_NE(text.find(L"WeldSize = round(0.5 * PlateThickness, 1)\r\n"), std::wstring::npos);
    // An edited equation reaches the model; an empty line is skipped.
    std::wstring changed = text;
    changed.replace(changed.find(L"0.5 *"), 5, L"0.7 *");
    equations->setWindowText(changed + L"\r\n\r\n");
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 0));
    EXPECT_EQ(modelValue(L"EndPlate", L"WeldSize"), L"10.5");
    EXPECT_EQ(dlg->data().m_equations.length(), 2);

    // A value with more than two decimals is sent as it is, not rounded by the grid.
    EXPECT_EQ(CTabEditVars::exactNumber(0.0625), L"0.0625");
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 2));
    host::commandLine().clear();
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 3)); // store without a change: nothing printed
    EXPECT_EQ(printed().find(L"->"), std::wstring::npos);

    // An added row has its number and type cells; left without a name it is no variable.
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 2));
    const int rows = vars->variables().rowCount();
    ASSERT_TRUE(ui::click(*vars, kAddVariable));
    EXPECT_EQ(vars->variables().rowCount(), rows + 1);
    EXPECT_EQ(vars->variables().sheet().cellType(3, 1).code, grid::CellTypeCode::ComboBox);
    EXPECT_EQ(vars->variables().sheet().cellType(2, 1).code, grid::CellTypeCode::Number);
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 0));
    EXPECT_EQ(dlg->data().m_varNames.length(), rows);
}

TEST_F(MacroEditor, BadEquationIsRefusedAndTheTextStays) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 2));
    auto* equations = dynamic_cast<ui::Edit*>(dlg->variablesPage()->getDlgItem(kEquations));
    equations->setWindowText(equations->getWindowText() + L"PlateWidth = (3\r\n");
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 3));
    EXPECT_NE(printed().find(L"Equation line 3"), std::wstring::npos);
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 2));
    EXPECT_NE(equations->getWindowText().find(L"PlateWidth = (3"), std::wstring::npos);
    EXPECT_EQ(modelValue(L"EndPlate", L"PlateWidth"), L"160");
}

TEST_F(MacroEditor, HugeEquationTextIsShownWhole) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    const std::wstring line = L"Remark = " + std::wstring(40000, L'1');
    dlg->data().m_equations.append(Tvl_String(line));
    dlg->variablesPage()->load();
    auto* equations = dynamic_cast<ui::Edit*>(dlg->variablesPage()->getDlgItem(kEquations));
    EXPECT_NE(equations->getWindowText().find(line + L"\r\n"), std::wstring::npos);
}

TEST_F(MacroEditor, GeometriesChangeFlexibilityAndFixedState) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 1));
    CTabGeometries* page = dlg->geometriesPage();
    EXPECT_EQ(page->grid().colCount(), 4);
    EXPECT_EQ(page->grid().value(4, 1), L"0");
    EXPECT_EQ(page->grid().sheet().cellType(4, 3).code != grid::CellTypeCode::CheckBox, true);
    host::commandLine().clear();
    clickCell(page->grid(), 1, 2);
    EXPECT_NE(printed().find(L"Highlight object 101"), std::wstring::npos);
    clickCell(page->grid(), 4, 1);
    EXPECT_NE(printed().find(L"Geometry Plate is fixed."), std::wstring::npos);
    EXPECT_EQ(dlg->data().m_geomFixed[0], 1);
    page->grid().setActiveCell(3, 1);
    ASSERT_TRUE(page->grid().chooseComboItem(2));
    EXPECT_NE(printed().find(L"Geometry Plate: flexible -> free."), std::wstring::npos);
    EXPECT_EQ(page->grid().value(3, 1), L"2");
}

TEST_F(MacroEditor, CommandsHideTheWindowAndAddModuleSelectsTheNewOne) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 3));
    CTabMacroCommands* page = dlg->commandsPage();
    EXPECT_EQ(page->button(0).text(), L"Parallel");
    EXPECT_TRUE(page->button(0).HasPicture());
    // A distance between two picked objects: the constraints tab shows it.
    host::picks().queueEntities(
        std::vector<AcDbObjectId>{AcDbObjectId::fromOldId(101), AcDbObjectId::fromOldId(102)});
    ASSERT_TRUE(ui::click(*page, kFirstCommand + 7));
    EXPECT_TRUE(dlg->isWindowVisible());
    EXPECT_EQ(dlg->currentTab(), 0);
    EXPECT_EQ(dlg->constraintsPage()->grid().rowCount(), 6);
    EXPECT_NE(printed().find(L"Constraint Distance 8 added: C1, B1."), std::wstring::npos);
    // A cancelled pick changes nothing and leaves the tab.
    ASSERT_TRUE(ui::selectItem(*dlg, kTabs, 3));
    host::picks().queueEntities(std::nullopt);
    ASSERT_TRUE(ui::click(*page, kFirstCommand));
    EXPECT_EQ(dlg->currentTab(), 3);
    // A bolt pattern: the tab stays.
    ASSERT_TRUE(ui::click(*page, kFirstCommand + 12));
    EXPECT_EQ(dlg->currentTab(), 3);
    // Add a module from the bar: the new last entry is current.
    ASSERT_TRUE(ui::click(*dlg, kAddModule));
    auto* modules = dynamic_cast<ui::ComboBox*>(dlg->getDlgItem(kModules));
    EXPECT_EQ(modules->getCount(), 4);
    EXPECT_EQ(modules->getCurSel(), 3);
    EXPECT_EQ(dlg->data().m_currentModule, L"Module1");
}

TEST_F(MacroEditor, RenameKeepsContentAndRemoveSelectsTheNewLastEntry) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    ui::ScriptedDriver driver;
    driver.onDialog(8069, [](ui::Dialog& d) {
        ui::typeText(d, 8003, L"Plate");
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(ui::click(*dlg, kRenameModule));
    auto* modules = dynamic_cast<ui::ComboBox*>(dlg->getDlgItem(kModules));
    EXPECT_EQ(modules->getLBText(0), L"Plate");
    EXPECT_EQ(modules->getCurSel(), 0);
    EXPECT_EQ(dlg->constraintsPage()->grid().rowCount(), 5);
    // A refused name leaves everything as it was.
    driver.onDialog(8069, [](ui::Dialog& d) {
        ui::typeText(d, 8003, L"Bolts");
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(ui::click(*dlg, kRenameModule));
    EXPECT_EQ(modules->getLBText(0), L"Plate");
    EXPECT_TRUE(driver.done());
    // Removing the last entry selects the one before it.
    ASSERT_TRUE(ui::selectItem(*dlg, kModules, 2));
    ASSERT_TRUE(ui::click(*dlg, kRemoveModule));
    EXPECT_EQ(modules->getCount(), 2);
    EXPECT_EQ(modules->getCurSel(), 1);
    EXPECT_EQ(dlg->data().m_currentModule, L"Bolts");
}

TEST_F(MacroEditor, ModelessClosesAfterItsHandlerAndModalReportsOK) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    ui::WindowRef<CDlgEditMacro> ref(dlg);
    ASSERT_TRUE(ui::click(*dlg, ui::IDOK));
    EXPECT_FALSE(ref);
    EXPECT_EQ(kw::ConstraintsEditorSlot::instance().editor(), nullptr);
    // Escape on the constraints page is the editor's OK.
    dlg = open();
    ASSERT_NE(dlg, nullptr);
    dlg->constraintsPage()->grid().setFocus();
    ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
    EXPECT_EQ(kw::ConstraintsEditorSlot::instance().editor(), nullptr);

    ui::ScriptedDriver driver;
    driver.onDialog(kDlgEditMacro, [](ui::Dialog& d) { ui::click(d, ui::IDOK); });
    EditConstrData record;
    ASSERT_TRUE(fillEditRecord(kEP1, L"EndPlate", record));
    EXPECT_TRUE(StartDlgEditConstrModal(record));
    driver.onDialog(kDlgEditMacro, [](ui::Dialog& d) { ui::closeBox(d); });
    EXPECT_FALSE(StartDlgEditConstrModal(record));
    EXPECT_TRUE(driver.done());
}

TEST_F(MacroEditor, SettingsButtonOpensTheSettingsDialog) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    ui::ScriptedDriver driver;
    // The settings dialog comes up and is cancelled here (its own tests drive its pages).
    driver.onDialog(8141, [](ui::Dialog& d) { ui::click(d, ui::IDCANCEL); });
    ASSERT_TRUE(ui::click(*dlg, kSettings));
    EXPECT_TRUE(driver.allConsumed());
    EXPECT_EQ(printed().find(L"Macro settings of"), std::wstring::npos); // cancelled
}

// The sample installation's pictures are the ones this module draws. With
// TVL_WRITE_ICONS=1 the test writes them into the source tree instead.
TEST(MacroEditPictures, InstalledFilesAreOurDrawings) {
    const std::filesystem::path folder = TVL_SOURCE_DIR "/resources/install/icons";
    const bool write = std::getenv("TVL_WRITE_ICONS") != nullptr;
    const auto pictures = samplePictures();
    EXPECT_EQ(pictures.size(), 19u);
    for (const SamplePicture& picture : pictures) {
        const std::vector<std::uint8_t> bytes = ui::encodeBmp24(picture.bitmap);
        const std::filesystem::path path = folder / picture.name;
        if (write) {
            std::filesystem::create_directories(folder);
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

TEST_F(MacroEditor, EveryPageAndItsControlsLieBelowTheTabStrip) {
    CDlgEditMacro* dlg = open();
    ASSERT_NE(dlg, nullptr);
    ui::TabControl* tabs = dlg->tabControl();
    const ui::Rect control = tabs->getWindowRect();
    for (int tab = 0; tab < tabs->getItemCount(); ++tab) {
        ASSERT_TRUE(ui::selectItem(*dlg, kTabs, tab));
        ui::Rect item;
        ASSERT_TRUE(tabs->getItemRect(tab, item));
        int shown = 0;
        for (ui::Window* child : tabs->children()) {
            if (!child->isWindowVisible())
                continue;
            ++shown;
            const ui::Rect r = child->getWindowRect();
            // Each control of the page lies inside the page (a grid placed with the
            // top-level dialogs' frame allowance would stick out above it).
            for (ui::Window* control : child->children()) {
                const ui::Rect c = control->getWindowRect();
                EXPECT_GE(c.top, r.top) << "tab " << tab << " control " << control->id();
                EXPECT_GE(c.left, r.left) << "tab " << tab << " control " << control->id();
            }
            EXPECT_GE(r.top, control.top + item.bottom) << "tab " << tab;
            EXPECT_LE(r.bottom, control.bottom) << "tab " << tab;
            EXPECT_GE(r.left, control.left) << "tab " << tab;
            EXPECT_LE(r.right, control.right) << "tab " << tab;
        }
        EXPECT_EQ(shown, 1) << "tab " << tab;
    }
}
