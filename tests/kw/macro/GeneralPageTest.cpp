// The general page on the sample end plate: drawn controls bound to their items, the grid
// of the rest, edits applied to the model at once, refused values, keys, flexible
// buttons, and designs, pictures and list files that are missing or damaged.

#include "tests/kw/macro/MacroTestSupport.h"

#include "kw/frame/Tvl_DlgPromptString.h"
#include "platform/host/CommandLine.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"

#include <fstream>

using namespace kw::macro;

namespace {

class GeneralPage : public MacroTest {
protected:
    std::filesystem::path designs() const {
        return m_lib / "Dialog Templates" / "Dialog Design" / "Connections";
    }
    // Types into a drawn edit and moves the focus on, as a person leaving the field.
    void typeAndLeave(CDlgMacro* dlg, const wchar_t* cell, const wchar_t* text) {
        ui::Window* edit = drawnCell(dlg, 0, cell);
        ASSERT_NE(edit, nullptr) << Tvl_String(cell).toUtf8();
        ASSERT_TRUE(ui::typeText(*edit->parent(), edit->id(), text));
        ui::Window* other = drawnCell(
            dlg, 0, std::wstring(cell) == L"PlateWidth" ? L"PlateThickness" : L"PlateWidth");
        ASSERT_TRUE(ui::click(*other));
    }
    int gridRowOf(CDlgMacro* dlg, int tab, const wchar_t* cell) {
        const MacroCell* c = dlg->tabData(tab)->cellWithName(cell);
        return c && c->m_reference < 0 ? -c->m_reference : 0;
    }
    int flexButton(CDlgMacro* dlg, int type, int nth = 0) {
        Tvl_DlgDesignerData& design = general(dlg, 0)->design();
        for (int i = 0; i < design.getNrControls(); ++i) {
            const Tvl_DesignerControl* c = design.getControl(i);
            if (c->type == type && nth-- == 0)
                return c->resourceId;
        }
        return 0;
    }
};

} // namespace

TEST_F(GeneralPage, DrawnControlsAreBoundAndTheRestIsInTheGrid) {
    // The design's list file offers one grade more than the cell's own list.
    std::ofstream(m_lib / "Dialog Templates" / "Lists" / "Grades.txt", std::ios::binary)
        << "S235\nS275\nS355\nS460\n";
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    CMacroTabGeneral* page = general(dlg, 0);
    ASSERT_NE(page, nullptr);
    ui::Window* thickness = drawnCell(dlg, 0, L"PlateThickness");
    ASSERT_NE(thickness, nullptr);
    EXPECT_EQ(thickness->text(), L"15");
    EXPECT_GE(thickness->id(), kFirstDrawnId);
    // A read-only cell cannot be edited in its control.
    ui::Window* height = drawnCell(dlg, 0, L"PlateHeight");
    ASSERT_NE(height, nullptr);
    EXPECT_FALSE(height->isWindowEnabled());
    EXPECT_TRUE(thickness->isWindowEnabled());
    // Cells no control shows are grid rows, in the tab's order.
    EXPECT_TRUE(page->gridShown());
    const int beam = gridRowOf(dlg, 0, L"BeamHeight");
    const int coating = gridRowOf(dlg, 0, L"Coating");
    EXPECT_EQ(beam, 1);
    EXPECT_GT(coating, beam);
    EXPECT_EQ(page->grid().data(CMacroTabGeneral::kColName, coating), L"Coating");
    EXPECT_EQ(page->grid().data(CMacroTabGeneral::kColValue, coating), L"None");
    EXPECT_TRUE(page->grid().isWindowVisible());
    // The grade combo offers the list file's grades (four), not the cell's three.
    ui::Window* grade = drawnCell(dlg, 0, L"Grade");
    ASSERT_NE(grade, nullptr);
    EXPECT_EQ(dynamic_cast<ui::ComboBox*>(grade)->getCount(), 4);
    // The end plate tab is no bolt tab: its bolt controls are hidden.
    EXPECT_FALSE(page->getDlgItem(kAssembly)->isWindowVisible());
}

TEST_F(GeneralPage, BoltTabWithoutDesignListsEverythingAndOffersTheBolts) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::selectItem(*dlg, kTab, 1));
    CMacroTabGeneral* page = general(dlg, 1);
    const MacroTabData* tab = dlg->tabData(1);
    // Cells, then the patterns, then the array: every one a grid row.
    EXPECT_EQ(page->gridRows(),
              tab->m_cells.length() + tab->m_patterns.length() + tab->m_arrays.length());
    const MacroPatternProps& rows = tab->m_patterns[0];
    EXPECT_EQ(rows.m_refCount1, -(tab->m_cells.length() + 1));
    EXPECT_EQ(rows.m_refButton, rows.m_refCount1);
    EXPECT_EQ(page->grid().data(CMacroTabGeneral::kColValue, -rows.m_refCount1), L"4");
    EXPECT_EQ(page->grid().data(CMacroTabGeneral::kColSecond, -rows.m_refCount1), L"2");
    EXPECT_EQ(tab->m_arrays[0].m_reference, -page->gridRows());
    EXPECT_TRUE(page->getDlgItem(kAssembly)->isWindowVisible());
    EXPECT_EQ(page->getDlgItemText(kAssembly), L"Hex 8.8");
    EXPECT_EQ(page->getDlgItemText(kDiameter), L"M20");
}

TEST_F(GeneralPage, AnEditGoesToTheModelAndTheDependentValueFollows) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    const int prompts = host::commandLine().promptCount();
    typeAndLeave(dlg, L"PlateThickness", L"20");
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"PlateThickness"), L"20");
    // The weld size is computed from the thickness: the dialog shows the model's value.
    EXPECT_EQ(drawnCell(dlg, 0, L"WeldSize")->text(), L"10");
    EXPECT_EQ(current().tab(0)->cellWithName(L"WeldSize")->m_value, L"10");
    EXPECT_EQ(host::commandLine().promptCount(), prompts + 1);
}

TEST_F(GeneralPage, ARefusedValueDisappearsAgain) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    typeAndLeave(dlg, L"PlateThickness", L"0");
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"PlateThickness"), L"15");
    EXPECT_EQ(drawnCell(dlg, 0, L"PlateThickness")->text(), L"15");
    EXPECT_EQ(cellValue(dlg, 0, L"PlateThickness"), L"15");
    EXPECT_NE(printed().find(L"greater than 0"), std::wstring::npos)
        << Tvl_String(printed()).toUtf8();
}

TEST_F(GeneralPage, UntouchedCellsAreNeitherRoundedNorSentAgain) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    CMacroTabGeneral* page = general(dlg, 0);
    const MacroTabData before = *dlg->tabData(0);
    page->store();
    Tvl_StringArray names;
    Tvl_Array<int> codes, indices;
    EXPECT_FALSE(dlg->tabData(0)->differences(before, names, codes, indices));
    EXPECT_EQ(cellValue(dlg, 0, L"WeldSize"), L"7.5"); // not "7.50"
    // Leaving a field unchanged sends nothing either.
    const int prompts = host::commandLine().promptCount();
    ASSERT_TRUE(ui::click(*drawnCell(dlg, 0, L"PlateThickness")));
    ASSERT_TRUE(ui::click(*drawnCell(dlg, 0, L"PlateWidth")));
    EXPECT_EQ(host::commandLine().promptCount(), prompts);
}

TEST_F(GeneralPage, EnterAppliesAndKeepsTheDialogOpen) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::typeText(*general(dlg, 0), drawnCell(dlg, 0, L"PlateWidth")->id(), L"170"));
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 1);
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"PlateWidth"), L"170");
}

TEST_F(GeneralPage, GridEditsCheckBoxesAndCombosApply) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    CMacroTabGeneral* page = general(dlg, 0);
    // A grid cell typed and confirmed with Enter.
    const int remark = gridRowOf(dlg, 0, L"Remark");
    ASSERT_GT(remark, 0);
    page->grid().setFocus();
    page->grid().setActiveCell(CMacroTabGeneral::kColValue, remark);
    ASSERT_TRUE(ui::typeText(L"shop primer"));
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"Remark"), L"shop primer");

    // The drawn check box.
    ASSERT_TRUE(ui::click(*drawnCell(dlg, 0, L"Stiffeners")));
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"Stiffeners"), L"1");

    // The drawn combo: the chosen entry, not the text shown before the choice.
    ASSERT_TRUE(ui::selectItem(*page, drawnCell(dlg, 0, L"Grade")->id(), L"S275"));
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"Grade"), L"S275");

    // The drawn cut combo stores the index of the chosen kind.
    MacroCutData* corner = dlg->tabData(0)->cutWithName(L"Corner");
    ASSERT_NE(corner, nullptr);
    ASSERT_GT(corner->m_reference, 0);
    ASSERT_TRUE(ui::selectItem(*page, corner->m_reference, 3));
    EXPECT_EQ(dlg->tabData(0)->cutWithName(L"Corner")->m_value, 3);
    MacroTabData* inModel = model::sampleModel().instanceByName(L"EP1")->module(L"EndPlate");
    EXPECT_EQ(inModel->cutWithName(L"Corner")->m_value, 3);
}

TEST_F(GeneralPage, FlexibleDimensionSharesTheNewHeight) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    const int button = flexButton(dlg, tvlCtrlFlexDim);
    ASSERT_NE(button, 0);
    ui::ScriptedDriver driver;
    Tvl_String offered;
    driver.onDialog(Tvl_DlgPromptString::kTemplateId, [&](ui::Dialog& d) {
        offered = Tvl_String(d.getDlgItemText(Tvl_DlgPromptString::kValueId));
        ui::typeText(d, Tvl_DlgPromptString::kValueId, L"380");
        ui::click(d, ui::IDOK);
    });
    // Enter on the focused button presses it (it does not apply or close).
    general(dlg, 0)->getDlgItem(button)->setFocus();
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(offered, L"340.00000"); // 300 + 20 + 20
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"TopExtension"), L"40");
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"BottomExtension"), L"40");
    EXPECT_EQ(drawnCell(dlg, 0, L"PlateHeight")->text(), L"380");
}

TEST_F(GeneralPage, FlexibleDimensionRefusesTextThatIsNoNumber) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    const int button = flexButton(dlg, tvlCtrlFlexDim2);
    ASSERT_NE(button, 0);
    for (const wchar_t* bad : {L"abc", L"12,5"}) {
        ui::ScriptedDriver driver;
        driver.onDialog(Tvl_DlgPromptString::kTemplateId, [&](ui::Dialog& d) {
            ui::typeText(d, Tvl_DlgPromptString::kValueId, bad);
            ui::click(d, ui::IDOK);
        });
        driver.answerMessageBox(ui::IDOK, L"decimal separator");
        ASSERT_TRUE(ui::click(*general(dlg, 0), button));
        EXPECT_TRUE(driver.done()) << Tvl_String(bad).toUtf8();
        EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"TopExtension"), L"20");
        EXPECT_EQ(drawnCell(dlg, 0, L"TopExtension")->text(), L"20");
    }
}

TEST_F(GeneralPage, FlexibleDimensionWithoutFactorDoesNothing) {
    // The same design with an empty factor field.
    const auto file = designs() / "EndPlate.txt";
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), {});
    in.close();
    const std::string from = "BeamHeight;TopExtension;BottomExtension;0.5;";
    const auto at = text.find(from);
    ASSERT_NE(at, std::string::npos);
    text.replace(at, from.size(), "BeamHeight;TopExtension;BottomExtension;;");
    std::ofstream(file, std::ios::binary) << text;

    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    const int button = flexButton(dlg, tvlCtrlFlexDim);
    ASSERT_NE(button, 0);
    ui::ScriptedDriver driver; // no prompt may come
    ASSERT_TRUE(ui::click(*general(dlg, 0), button));
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(drawnCell(dlg, 0, L"TopExtension")->text(), L"20");
}

TEST_F(GeneralPage, FlexFixButtonsSwitchTheFlexibleMember) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    const MacroFlexFixGroup& group = dlg->tabData(0)->m_flexGroups[0];
    ASSERT_EQ(group.status(L"PlateHeight"), 1);
    const int bottom = flexButton(dlg, tvlCtrlFlexButton, 1); // the BottomExtension member
    auto* button = dynamic_cast<ui::Button*>(general(dlg, 0)->getDlgItem(bottom));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->getCheck(), ui::BST_UNCHECKED);
    ASSERT_TRUE(ui::click(*button));
    const MacroFlexFixGroup& after = dlg->tabData(0)->m_flexGroups[0];
    EXPECT_EQ(after.status(L"BottomExtension"), 1);
    EXPECT_EQ(after.status(L"PlateHeight"), 0);
    EXPECT_EQ(button->getCheck(), ui::BST_CHECKED);
    // Clicking the flexible member changes nothing: its button stays pressed.
    ASSERT_TRUE(ui::click(*button));
    EXPECT_EQ(button->getCheck(), ui::BST_CHECKED);
}

TEST_F(GeneralPage, EscapeClosesTheModelessDialog) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    drawnCell(dlg, 0, L"PlateWidth")->setFocus();
    ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 0);
}

TEST_F(GeneralPage, F12OpensTheDesignerOnTheTabsDesign) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    drawnCell(dlg, 0, L"PlateWidth")->setFocus();
    // The designer is a modal window: closed again at once.
    ui::ScriptedDriver driver;
    Tvl_String caption;
    driver.onAnyDialog([&](ui::Dialog& d) {
        caption = Tvl_String(d.text());
        ui::closeBox(d);
    });
    host::commandLine().clear();
    ASSERT_TRUE(ui::key(ui::VK_F12));
    EXPECT_TRUE(caption.contains(L"EndPlate"))
        << caption.toUtf8() << Tvl_String(printed()).toUtf8();
    // The key went nowhere else: the dialog and its page are as they were.
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 1);
    EXPECT_TRUE(general(dlg, 0)->isActive());
}

TEST_F(GeneralPage, TabLeavesTheDrawnControlsForTheGridAndShiftTabComesBack) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    CMacroTabGeneral* page = general(dlg, 0);
    ASSERT_TRUE(page->design().setFocusToCtrl(false)); // the last drawn control
    ASSERT_TRUE(ui::tab());
    ui::Window* focus = ui::Window::getFocus();
    EXPECT_TRUE(focus == &page->grid() || page->grid().isChild(focus));
    int col = 0, row = 0;
    ASSERT_TRUE(page->grid().activeCell(col, row));
    int firstCol = 0, firstRow = 0;
    ASSERT_TRUE(page->grid().firstEditableCell(firstCol, firstRow));
    EXPECT_EQ(col, firstCol);
    EXPECT_EQ(row, firstRow);
    ASSERT_TRUE(ui::tab(true));
    int id = 0;
    EXPECT_TRUE(page->design().getFocusedDynControl(id));
}

TEST_F(GeneralPage, ShiftTabOnTheFirstBoltControlGoesToTheLastGridCell) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::selectItem(*dlg, kTab, 1));
    CMacroTabGeneral* page = general(dlg, 1);
    page->getDlgItem(kAssembly)->setFocus();
    ASSERT_TRUE(ui::tab(true));
    int col = 0, row = 0, lastCol = 0, lastRow = 0;
    ASSERT_TRUE(page->grid().activeCell(col, row));
    ASSERT_TRUE(page->grid().lastEditableCell(lastCol, lastRow));
    EXPECT_EQ(col, lastCol);
    EXPECT_EQ(row, lastRow);
    // And forward from the last bolt control round to the grid's first cell (no design).
    page->getDlgItem(kBoltAdvanced)->setFocus();
    ASSERT_TRUE(ui::tab());
    ASSERT_TRUE(page->grid().activeCell(col, row));
    int firstCol = 0, firstRow = 0;
    ASSERT_TRUE(page->grid().firstEditableCell(firstCol, firstRow));
    EXPECT_EQ(row, firstRow);
}

TEST_F(GeneralPage, BoltAssemblyAndDiameterGoToTheModel) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::selectItem(*dlg, kTab, 1));
    CMacroTabGeneral* page = general(dlg, 1);
    auto* diameter = dynamic_cast<ui::ComboBox*>(page->getDlgItem(kDiameter));
    ASSERT_GT(diameter->getCount(), 1);
    ASSERT_TRUE(ui::selectItem(*page, kDiameter, L"M16"));
    EXPECT_EQ(dlg->tabData(1)->m_bolt.m_diameter, L"M16");
    // The hole diameter follows the bolt: d + 2.
    EXPECT_EQ(cellValue(dlg, 1, L"HoleDiameter"), L"18");
}

TEST_F(GeneralPage, BlockComboSwapsTheDrawing) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    const int block = flexButton(dlg, tvlCtrlBlock);
    ASSERT_NE(block, 0);
    auto* combo = dynamic_cast<ui::ComboBox*>(general(dlg, 0)->getDlgItem(block));
    ASSERT_EQ(combo->getCount(), 3);
    host::commandLine().clear();
    ASSERT_TRUE(ui::selectItem(*general(dlg, 0), block, L"Label B"));
    EXPECT_NE(printed().find(L"Label B"), std::wstring::npos) << Tvl_String(printed()).toUtf8();
}

TEST_F(GeneralPage, MissingOrDamagedDesignSendsEveryCellToTheGrid) {
    for (int damage = 0; damage < 3; ++damage) {
        model::sampleModel().reset();
        const auto file = designs() / "EndPlate.txt";
        if (damage == 0) {
            std::filesystem::remove(file);
        } else if (damage == 1) {
            std::ofstream(file, std::ios::binary) << "TVLPROPERTIES 1\ni nrOfControls=3\n\x01\xff";
        } else {
            // The description is sound but its picture is gone.
            std::filesystem::copy_file(TVL_SOURCE_DIR "/resources/install/tvllib/Dialog Templates/"
                                                      "Dialog Design/Connections/EndPlate.txt",
                                       file, std::filesystem::copy_options::overwrite_existing);
            std::filesystem::remove(designs() / "EndPlate.bmp");
        }
        CDlgMacro* dlg = openSample();
        ASSERT_NE(dlg, nullptr);
        CMacroTabGeneral* page = general(dlg, 0);
        EXPECT_EQ(page->design().getNrControls(), 0) << damage;
        EXPECT_EQ(page->gridRows(), dlg->tabData(0)->m_cells.length()) << damage;
        // The dialog still works: a grid edit reaches the model.
        const int width = gridRowOf(dlg, 0, L"PlateWidth");
        page->grid().setFocus();
        page->grid().setActiveCell(CMacroTabGeneral::kColValue, width);
        ASSERT_TRUE(ui::typeText(L"180"));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
        EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"PlateWidth"), L"180") << damage;
        ASSERT_TRUE(EndDlgMacroModeless(m_index));
    }
}

TEST_F(GeneralPage, MissingListFileOffersTheCellsOwnEntries) {
    std::filesystem::remove(m_lib / "Dialog Templates" / "Lists" / "Grades.txt");
    MacroData data = record();
    MacroCell* cell = data.tab(0)->cellWithName(L"Grade");
    cell->m_list.clear();
    cell->m_list.append(L"S275");
    cell->m_list.append(L"S355");
    CDlgMacro* dlg = open(data);
    ASSERT_NE(dlg, nullptr);
    auto* grade = dynamic_cast<ui::ComboBox*>(drawnCell(dlg, 0, L"Grade"));
    ASSERT_NE(grade, nullptr);
    EXPECT_EQ(grade->getCount(), 2);
    EXPECT_EQ(grade->getLBText(0), L"S275");
    EXPECT_EQ(grade->getWindowText(), L"S355");
}

TEST_F(GeneralPage, ADrawnControlOfAMissingItemIsDropped) {
    CDlgMacro* dlg = openSample(L"EP1");
    ASSERT_NE(dlg, nullptr);
    const int drawn = general(dlg, 0)->design().getNrControls();
    ASSERT_TRUE(EndDlgMacroModeless(m_index));
    MacroData data = record();
    int at = -1;
    ASSERT_TRUE(data.tab(0)->findCellWithName(L"PlateWidth", at));
    data.tab(0)->m_cells.removeAt(at);
    dlg = open(data);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(general(dlg, 0)->design().getNrControls(), drawn - 1);
}

TEST_F(GeneralPage, WithEveryCellDrawnTheGridIsHidden) {
    MacroData data = record(L"BP1");
    MacroTabData* tab = data.tab(0);
    for (const wchar_t* name : {L"ColumnDepth", L"ColumnWidth", L"Grout"}) {
        int at = -1;
        ASSERT_TRUE(tab->findCellWithName(name, at)) << Tvl_String(name).toUtf8();
        tab->m_cells.removeAt(at);
    }
    CDlgMacro* dlg = open(data);
    ASSERT_NE(dlg, nullptr);
    CMacroTabGeneral* page = general(dlg, 0);
    EXPECT_FALSE(page->gridShown());
    EXPECT_FALSE(page->grid().isWindowVisible());
    for (int i = 0; i < dlg->tabData(0)->m_cells.length(); ++i)
        EXPECT_GT(dlg->tabData(0)->m_cells[i].m_reference, 0);
    // The page asks for no more than its picture then.
    int width = 0, height = 0;
    page->pageSize(width, height);
    int pictureWidth = 0, pictureHeight = 0;
    page->design().getImageSize(pictureWidth, pictureHeight);
    EXPECT_EQ(height, pictureHeight + 4);
}
