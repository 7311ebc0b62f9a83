#include "FabricationTestSupport.h"

#include "core/fabrication/DlgDstvPoints.h"
#include "kw/fabrication/CDlgEditDstvPoints.h"
#include "kw/fabrication/CDlgSelectDstvPointsFile.h"
#include "kw/fabrication/FabricationControls.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/Tvl_DlgPromptString.h"

using kw::fabrication::combo;

namespace {

using G = CDlgSelectDstvPointsFile;
using E = CDlgEditDstvPoints;

class DstvPointsDialogTest : public FabricationTest {
protected:
    void SetUp() override {
        FabricationTest::SetUp();
        Tvl_Array<Tvl_DstvPointInfo> points;
        points.append(Tvl_DstvPointInfo(L"First"));
        Tvl_DstvPointInfo second(L"Second");
        second.setSelectIntersGeom(true, true, kDstvSide1);
        second.setSelectGeomExtent(false, kDstvSide0, kDstvSide2);
        points.append(second);
        ASSERT_TRUE(m_groups.writeToFile(L"Beams", points));
        ASSERT_TRUE(m_groups.writeToFile(L"Plates", Tvl_Array<Tvl_DstvPointInfo>()));
        ASSERT_TRUE(m_groups.setStandardDstvPointsFile(L"Plates"));
    }
    void answerPrompt(ui::ScriptedDriver& driver, const wchar_t* text) {
        driver.onDialog(Tvl_DlgPromptString::kTemplateId, [text](ui::Dialog& p) {
            ASSERT_TRUE(ui::typeText(p, Tvl_DlgPromptString::kValueId, text));
            ASSERT_TRUE(ui::click(p, ui::IDOK));
        });
    }
    static int checkedCount(ui::Dialog& d) {
        int n = 0;
        for (int i = 0; i < combo(&d, G::kGroupsId)->getCount(); ++i)
            n += combo(&d, G::kGroupsId)->getItemCheck(i);
        return n;
    }
    DlgDstvPoints m_groups;
};

TEST_F(DstvPointsDialogTest, GroupsAreListedWithOnlyTheStandardOneChecked) {
    ui::ScriptedDriver driver;
    driver.onDialog(G::kTemplateId, [&](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), L"DSTV point groups");
        ui::ComboBox* groups = combo(&d, G::kGroupsId);
        ASSERT_EQ(groups->getCount(), 2);
        EXPECT_EQ(groups->getCurSel(), 0);
        EXPECT_FALSE(groups->getItemCheck(0));
        EXPECT_TRUE(groups->getItemCheck(1)) << "Plates";
        // A new group under a new name is listed unchecked; the selection stays.
        answerPrompt(driver, L"Columns");
        ASSERT_TRUE(ui::click(d, G::kNewId));
        ASSERT_EQ(groups->getCount(), 3);
        EXPECT_EQ(groups->getLBText(1), L"Columns");
        EXPECT_EQ(checkedCount(d), 1);
        // The same name in other letters, and names with path characters, are refused.
        answerPrompt(driver, L"BEAMS");
        driver.answerMessageBox(ui::IDOK, L"This name is already in use");
        ASSERT_TRUE(ui::click(d, G::kNewId));
        answerPrompt(driver, L"..\\escape");
        driver.answerMessageBox(ui::IDOK, L"may not hold");
        ASSERT_TRUE(ui::click(d, G::kNewId));
        EXPECT_EQ(groups->getCount(), 3);
        // Standard: exactly one checked, and it is stored.
        ASSERT_TRUE(ui::selectItem(d, G::kGroupsId, L"Columns"));
        ASSERT_TRUE(ui::click(d, G::kStandardId));
        EXPECT_EQ(checkedCount(d), 1);
        EXPECT_TRUE(groups->getItemCheck(1));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    StartDSTVPointsDlg();
    EXPECT_EQ(m_groups.getStandardDstvPointsFile(), L"Columns.dat");
    EXPECT_EQ(readLibFile("DSTV Points/Beams.dat").substr(0, 13), "DSTV points 1")
        << "the existing group was not replaced";
    EXPECT_FALSE(std::filesystem::exists(m_lib / "escape.dat"));
    EXPECT_TRUE(driver.done());
}

TEST_F(DstvPointsDialogTest, DeletingTheLastGroupSelectsTheOneBeforeAndNothingActsOnNoName) {
    ui::ScriptedDriver driver;
    driver.onDialog(G::kTemplateId, [&](ui::Dialog& d) {
        ui::ComboBox* groups = combo(&d, G::kGroupsId);
        ASSERT_TRUE(ui::selectItem(d, G::kGroupsId, L"Plates"));
        ASSERT_TRUE(ui::click(d, G::kDeleteId));
        ASSERT_EQ(groups->getCount(), 1);
        EXPECT_EQ(groups->getCurSel(), 0);
        ASSERT_TRUE(ui::click(d, G::kDeleteId));
        EXPECT_EQ(groups->getCount(), 0);
        EXPECT_EQ(groups->getCurSel(), -1);
        // No group: edit, standard and delete do nothing (no editor, no file "<folder>.dat").
        ASSERT_TRUE(ui::click(d, G::kEditId));
        ASSERT_TRUE(ui::click(d, G::kStandardId));
        ASSERT_TRUE(ui::click(d, G::kDeleteId));
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    StartDSTVPointsDlg();
    EXPECT_FALSE(std::filesystem::exists(m_lib / "DSTV Points.dat"));
    EXPECT_EQ(m_groups.getStandardDstvPointsFile(), L"Plates.dat") << "not made \"\"";
    EXPECT_TRUE(driver.done());
}

TEST_F(DstvPointsDialogTest, AnUnreadableGroupIsNotOpenedAndKeepsItsFile) {
    const std::string damaged = "DSTV points 1\nbroken line\n";
    writeLibFile("DSTV Points/Broken.dat", damaged);
    ui::ScriptedDriver driver;
    driver.onDialog(G::kTemplateId, [&](ui::Dialog& d) {
        ASSERT_TRUE(ui::selectItem(d, G::kGroupsId, L"Broken"));
        driver.answerMessageBox(ui::IDOK, L"line 2 is damaged");
        ASSERT_TRUE(ui::click(d, G::kEditId));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    StartDSTVPointsDlg();
    EXPECT_EQ(readLibFile("DSTV Points/Broken.dat"), damaged);
    EXPECT_TRUE(driver.done());
}

TEST_F(DstvPointsDialogTest, EditorShowsPointsAppliesTheRulesAndSavesOnOk) {
    ui::ScriptedDriver driver;
    driver.onDialog(G::kTemplateId, [&](ui::Dialog& d) {
        driver.onDialog(E::kTemplateId, [&](ui::Dialog& e) {
            EXPECT_EQ(e.getWindowText(), L"DSTV points");
            EXPECT_EQ(e.getDlgItemText(E::kNameId), L"First");
            EXPECT_EQ(e.getDlgItemText(E::kMinDistId), L"50.000");
            EXPECT_EQ(e.getDlgItemText(E::kHoleSizeId), L"16.000");
            EXPECT_EQ(e.getDlgItemText(E::kHoleSizeLabelId), L"Hole diameter");
            EXPECT_EQ(combo(&e, E::kPlateId)->getLBText(3), L"View 3 (Bottom)");
            EXPECT_TRUE(e.getDlgItem(E::kSide1Id)->isWindowEnabled());
            EXPECT_FALSE(e.getDlgItem(E::kStartDirId)->isWindowEnabled());
            EXPECT_FALSE(e.getDlgItem(E::kHoleSizeId)->isWindowEnabled());
            // Side pairing: 1 against 0 moves the second to 2; 3 against 2 moves it to 0.
            ASSERT_TRUE(ui::selectItem(e, E::kSide2Id, 0));
            EXPECT_EQ(combo(&e, E::kSide1Id)->getCurSel(), 2);
            ASSERT_TRUE(ui::selectItem(e, E::kSide1Id, 1));
            EXPECT_EQ(combo(&e, E::kSide2Id)->getCurSel(), 2);
            ASSERT_TRUE(ui::selectItem(e, E::kSide1Id, 3));
            EXPECT_EQ(combo(&e, E::kSide2Id)->getCurSel(), 0);
            // A full hole with extent selection: the thickness box stays disabled.
            ASSERT_TRUE(ui::click(e, E::kFullHoleId));
            EXPECT_TRUE(e.getDlgItem(E::kHoleSizeId)->isWindowEnabled());
            EXPECT_FALSE(e.getDlgItem(E::kThicknessId)->isWindowEnabled());
            ASSERT_TRUE(ui::click(e, E::kIntersId));
            EXPECT_TRUE(e.getDlgItem(E::kThicknessId)->isWindowEnabled());
            EXPECT_FALSE(e.getDlgItem(E::kSide1Id)->isWindowEnabled());
            ASSERT_TRUE(ui::click(e, E::kThicknessId));
            EXPECT_EQ(e.getDlgItemText(E::kHoleSizeLabelId), L"Hole size factor");
            ASSERT_TRUE(ui::typeText(e, E::kHoleSizeId, L"1.25"));
            ASSERT_TRUE(ui::typeText(e, E::kMinDistId, L"twenty"));
            ASSERT_TRUE(ui::typeText(e, E::kNameId, L"Renamed"));
            // A new point goes before the one shown, with the defaults.
            answerPrompt(driver, L"Inserted");
            ASSERT_TRUE(ui::click(e, E::kNewId));
            EXPECT_EQ(static_cast<E&>(e).shownIndex(), 0);
            EXPECT_EQ(combo(&e, E::kPointsId)->getLBText(1), L"Renamed") << "list follows";
            // Deleting the last point leaves none shown; the fields are disabled.
            ASSERT_TRUE(ui::selectItem(e, E::kPointsId, 2));
            ASSERT_TRUE(ui::click(e, E::kDeleteId));
            EXPECT_EQ(static_cast<E&>(e).shownIndex(), -1);
            EXPECT_FALSE(e.getDlgItem(E::kNameId)->isWindowEnabled());
            ASSERT_TRUE(ui::click(e, ui::IDOK));
        });
        ASSERT_TRUE(ui::click(d, G::kEditId));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    StartDSTVPointsDlg();
    Tvl_Array<Tvl_DstvPointInfo> saved;
    ASSERT_TRUE(m_groups.readFromFile(L"Beams", saved));
    ASSERT_EQ(saved.length(), 2);
    EXPECT_EQ(saved[0].name(), L"Inserted");
    EXPECT_TRUE(saved[0] == Tvl_DstvPointInfo(L"Inserted")) << "the defaults";
    const Tvl_DstvPointInfo& p = saved[1];
    EXPECT_EQ(p.name(), L"Renamed");
    EXPECT_TRUE(p.selectIntersGeom());
    EXPECT_FALSE(p.selectGeomExtent());
    EXPECT_EQ(p.sideSelection1(), kDstvSide3);
    EXPECT_EQ(p.sideSelection2(), kDstvSide0);
    EXPECT_TRUE(p.drillFullHole());
    EXPECT_TRUE(p.radiusThicknessBased());
    EXPECT_DOUBLE_EQ(p.drillRadius(), 1.25);
    EXPECT_DOUBLE_EQ(p.minPlateSideDist(), 0) << "not a number reads as 0";
    EXPECT_TRUE(driver.done());
}

TEST_F(DstvPointsDialogTest, CancelInTheEditorWritesNothing) {
    const std::string before = readLibFile("DSTV Points/Beams.dat");
    ui::ScriptedDriver driver;
    driver.onDialog(G::kTemplateId, [&](ui::Dialog& d) {
        driver.onDialog(E::kTemplateId, [&](ui::Dialog& e) {
            ASSERT_TRUE(ui::click(e, E::kDeleteId));
            ASSERT_TRUE(ui::click(e, ui::IDCANCEL));
        });
        ASSERT_TRUE(ui::click(d, G::kEditId));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    StartDSTVPointsDlg();
    EXPECT_EQ(readLibFile("DSTV Points/Beams.dat"), before);
    EXPECT_TRUE(driver.done());
}

} // namespace
