// The profile page of the sample base plate BP1: the grid of the tab's cells above the
// fixed panel, grid edits and panel edits reaching the model together, and the page of a
// tab whose every group has its own advanced button, drawn in the tab's design.

#include "tests/kw/macro/MacroTestSupport.h"

#include "kw/designer/Tvl_ControlType.h"
#include "kw/macro/CMacroTabProf.h"
#include "kw/macro/MacroProfIds.h"

#include <fstream>

using namespace kw::macro::prof;

namespace {

class ProfPage : public MacroTest {
protected:
    // Opens the dialog on `data` with its profile tab chosen.
    CMacroTabProf* openProfiles(const MacroData& data) {
        CDlgMacro* dlg = open(data);
        if (dlg == nullptr)
            return nullptr;
        m_dlg = dlg;
        if (!dlg->macroData().findTab(L"Profiles", m_tab))
            return nullptr;
        EXPECT_TRUE(ui::selectItem(*dlg, kw::macro::kTab, m_tab));
        return dynamic_cast<CMacroTabProf*>(dlg->page(m_tab));
    }
    int gridRowOf(const wchar_t* cell) {
        const MacroCell* c = m_dlg->tabData(m_tab)->cellWithName(cell);
        return c && c->m_reference < 0 ? -c->m_reference : 0;
    }
    static MacroProfData modelGroup(const wchar_t* group) {
        MacroProfData props;
        const MacroTabData* tab = model::sampleModel().instanceByName(L"BP1")->module(L"Profiles");
        EXPECT_TRUE(tab && tab->getMergedPropsOfGroup(group, props));
        return props;
    }
    // A design for the profile tab on the base plate's picture: an edit for BraceAngle
    // and an advanced button for the group Braces.
    Tvl_String writeDesign() {
        const auto folder = m_lib / "Dialog Templates" / "Dialog Design" / "Connections";
        std::filesystem::copy_file(folder / "BasePlate.bmp", folder / "Profiles.bmp");
        std::ofstream out(folder / "Profiles.txt", std::ios::binary);
        out << "TVLPROPERTIES 1\ni nrOfControls=2\n";
        const struct {
            int type;
            const char* contents;
            double top;
        } controls[] = {{tvlCtrlEdit, "BraceAngle", 0.1}, {tvlCtrlProfButton2, "Braces", 0.3}};
        int n = 0;
        for (const auto& c : controls) {
            out << "i type" << n << "=" << c.type << "\nr topLeftX" << n << "=0.6\nr topLeftY" << n
                << "=" << c.top << "\nr bottomRightX" << n << "=0.95\nr bottomRightY" << n << "="
                << c.top + 0.08 << "\ns contents" << n << "=" << c.contents << "\ns comboList" << n
                << "=\n";
            ++n;
        }
        out << "END 15\n";
        return L"Connections\\Profiles";
    }
    CDlgMacro* m_dlg = nullptr;
    int m_tab = -1;
};

} // namespace

TEST_F(ProfPage, TheGridShowsTheCellsAboveThePanelAndBothReachTheModel) {
    CMacroTabProf* page = openProfiles(record(L"BP1"));
    ASSERT_NE(page, nullptr);
    ASSERT_TRUE(page->gridShown());
    EXPECT_EQ(page->gridRows(), 2);
    const int angle = gridRowOf(L"BraceAngle");
    ASSERT_GT(angle, 0);
    EXPECT_EQ(page->grid().data(CMacroTabGeneral::kColName, angle), L"BraceAngle");
    EXPECT_EQ(page->grid().data(CMacroTabGeneral::kColValue, angle), L"45");
    EXPECT_GT(gridRowOf(L"BraceConnection"), 0);

    // The grid, the panel and the segmented button lie one below the other, all inside
    // the page.
    EXPECT_TRUE(page->grid().isWindowVisible());
    EXPECT_TRUE(page->panelShown());
    const ui::Rect client = page->getClientRect();
    const ui::Rect grid = page->grid().rect();
    const ui::Rect panel = page->getDlgItem(kPanelFrame)->rect();
    const ui::Rect segmented = page->getDlgItem(kSegmented)->rect();
    EXPECT_GT(grid.bottom - grid.top, 20);
    EXPECT_LE(grid.bottom, panel.top);
    EXPECT_LE(panel.bottom, segmented.top);
    EXPECT_LE(segmented.bottom, client.bottom);

    // A value typed into the grid and confirmed goes to the model at once.
    page->grid().setFocus();
    page->grid().setActiveCell(CMacroTabGeneral::kColValue, angle);
    ASSERT_TRUE(ui::typeText(L"60"));
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 1);
    EXPECT_EQ(modelValue(L"BP1", L"Profiles", L"BraceAngle"), L"60");
    EXPECT_EQ(page->grid().data(CMacroTabGeneral::kColValue, angle), L"60");

    // A panel edit afterwards sends the group and keeps the grid's value.
    ASSERT_TRUE(ui::selectItem(*page, kGroup, L"Braces"));
    ASSERT_TRUE(ui::selectItem(*page, kOffsetType, 2));
    EXPECT_EQ(modelGroup(L"Braces").m_offsetType, 2);
    EXPECT_EQ(modelValue(L"BP1", L"Profiles", L"BraceAngle"), L"60");
    EXPECT_EQ(page->grid().data(CMacroTabGeneral::kColValue, angle), L"60");

    // A grid edit sends the panel as it stands, without changing the group again.
    page->grid().setFocus();
    page->grid().setActiveCell(CMacroTabGeneral::kColValue, angle);
    ASSERT_TRUE(ui::typeText(L"35"));
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_EQ(modelValue(L"BP1", L"Profiles", L"BraceAngle"), L"35");
    const MacroProfData braces = modelGroup(L"Braces");
    EXPECT_EQ(braces.m_offsetType, 2);
    EXPECT_EQ(braces.m_section, L"L-60x6");
    EXPECT_EQ(braces.m_rotation, MacroProfData::kRot90);
}

TEST_F(ProfPage, TabMovesFromThePanelIntoTheGrid) {
    CMacroTabProf* page = openProfiles(record(L"BP1"));
    ASSERT_NE(page, nullptr);
    // The segmented button is the page's last fixed control: Tab goes on to the grid.
    page->getDlgItem(kSegmented)->setFocus();
    ASSERT_TRUE(ui::key(ui::VK_TAB));
    ui::Window* focus = ui::Window::getFocus();
    ASSERT_NE(focus, nullptr);
    EXPECT_TRUE(focus == &page->grid() || page->grid().isChild(focus));
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 1);
}

TEST_F(ProfPage, GroupsWithTheirOwnButtonsLeaveThePageToTheGrid) {
    MacroData data = record(L"BP1");
    int tab = -1;
    ASSERT_TRUE(data.findTab(L"Profiles", tab));
    data.tab(tab)->m_advBtnForEveryGroup = true;
    CMacroTabProf* page = openProfiles(data);
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->panelShown());
    EXPECT_FALSE(page->getDlgItem(kAdvanced)->isWindowVisible());
    ASSERT_TRUE(page->getDlgItem(kSegmented)->isWindowVisible());
    ASSERT_TRUE(page->gridShown());
    const ui::Rect grid = page->grid().rect();
    const ui::Rect segmented = page->getDlgItem(kSegmented)->rect();
    EXPECT_LE(grid.bottom, segmented.top);
    EXPECT_LE(segmented.bottom, page->getClientRect().bottom);

    // Without the panel the page needs only the grid and the segmented button.
    int width = 0, height = 0;
    page->pageSize(width, height);
    EXPECT_GT(height, 20);
    int withPanel = 0;
    m_dlg->tabData(m_tab)->m_advBtnForEveryGroup = false;
    page->pageSize(width, withPanel);
    EXPECT_LT(height, withPanel);
}

TEST_F(ProfPage, ADrawnAdvancedButtonOpensTheDialogOnItsGroup) {
    MacroData data = record(L"BP1");
    int tab = -1;
    ASSERT_TRUE(data.findTab(L"Profiles", tab));
    data.tab(tab)->m_designFile = writeDesign();
    data.tab(tab)->m_advBtnForEveryGroup = true;
    CMacroTabProf* page = openProfiles(data);
    ASSERT_NE(page, nullptr);
    EXPECT_FALSE(page->panelShown());
    // The drawn cell leaves the grid; the other stays there.
    const MacroCell* angle = m_dlg->tabData(m_tab)->cellWithName(L"BraceAngle");
    ASSERT_GT(angle->m_reference, 0);
    EXPECT_EQ(page->getDlgItem(angle->m_reference)->text(), L"45");
    EXPECT_EQ(page->gridRows(), 1);
    EXPECT_GT(gridRowOf(L"BraceConnection"), 0);
    int button = 0;
    for (int i = 0; i < page->design().getNrControls(); ++i)
        if (page->design().getControl(i)->type == tvlCtrlProfButton2)
            button = page->design().getControl(i)->resourceId;
    ASSERT_NE(button, 0);

    // The drawn edit applies like a general page's.
    ASSERT_TRUE(ui::typeText(*page, angle->m_reference, L"50"));
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_EQ(modelValue(L"BP1", L"Profiles", L"BraceAngle"), L"50");

    // The button runs the advanced dialog on the group it names, and its changes go to
    // the model through the page.
    ui::ScriptedDriver driver;
    Tvl_String shown;
    driver.onDialog(kDlgProfAdv, [&](ui::Dialog& d) {
        shown = Tvl_String(d.getDlgItemText(kAdvGroupName));
        ui::click(d, kAdvRot180);
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(ui::click(*page->getDlgItem(button)));
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(shown, L"Braces");
    EXPECT_EQ(modelGroup(L"Braces").m_rotation, MacroProfData::kRot180);
    EXPECT_EQ(modelValue(L"BP1", L"Profiles", L"BraceAngle"), L"50");
}
