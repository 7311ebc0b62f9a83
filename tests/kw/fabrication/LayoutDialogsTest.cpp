#include "FabricationTestSupport.h"

#include "kw/fabrication/CDlgGrid.h"
#include "kw/fabrication/CDlgLookup.h"
#include "kw/frame/KWExports.h"

namespace {

class LayoutDialogsTest : public FabricationTest {};

TEST_F(LayoutDialogsTest, GridShowsANewRecordAndReadsCountsAsTheRuntimeDoes) {
    ui::ScriptedDriver driver;
    BmGridDlgData data;
    driver.onDialog(CDlgGrid::kTemplateId, [](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), L"Grid");
        EXPECT_EQ(d.getDlgItemText(CDlgGrid::kFirstCountId), L"4");
        EXPECT_EQ(d.getDlgItemText(CDlgGrid::kFirstDistanceId), L"5000");
        EXPECT_EQ(d.getDlgItemText(CDlgGrid::kFirstLabelId), L"A");
        EXPECT_EQ(d.getDlgItemText(CDlgGrid::kSecondCountId), L"3");
        EXPECT_EQ(d.getDlgItemText(CDlgGrid::kSecondDistanceId), L"5000");
        EXPECT_EQ(d.getDlgItemText(CDlgGrid::kSecondLabelId), L"1");
        EXPECT_EQ(d.isDlgButtonChecked(CDlgGrid::kOptionId), ui::BST_UNCHECKED);
        ASSERT_TRUE(ui::typeText(d, CDlgGrid::kFirstCountId, L"six"));
        ASSERT_TRUE(ui::typeText(d, CDlgGrid::kSecondCountId, L"99999999999"));
        ASSERT_TRUE(ui::typeText(d, CDlgGrid::kFirstDistanceId, L"2*6000 4500"));
        ASSERT_TRUE(ui::click(d, CDlgGrid::kOptionId));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgGrid(data));
    EXPECT_EQ(data.m_firstCount, 0) << "not a number";
    EXPECT_EQ(data.m_secondCount, 2147483647) << "saturated, not wrapped";
    EXPECT_EQ(data.m_firstDistance, L"2*6000 4500");
    EXPECT_TRUE(data.m_option);
    // Cancel leaves the caller's record alone.
    driver.onDialog(CDlgGrid::kTemplateId, [](ui::Dialog& d) {
        ASSERT_TRUE(ui::typeText(d, CDlgGrid::kFirstLabelId, L"X"));
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    EXPECT_FALSE(StartDlgGrid(data));
    EXPECT_EQ(data.m_firstLabel, L"A");
    EXPECT_TRUE(driver.done());
}

BmLookUpDlgData lookUpRecord() {
    BmLookUpDlgData data;
    data.m_names = Tvl_StringArray{Tvl_String(L"C1"), Tvl_String(L"B1")};
    data.m_secondValues = Tvl_StringArray{Tvl_String(L"HEA 200"), Tvl_String(L"IPE 300")};
    data.m_second = L"IPE 300";
    data.m_fourthValues = Tvl_StringArray{Tvl_String(L"Length")};
    data.m_scope = 1;
    data.m_endMode = 7;
    return data;
}

TEST_F(LayoutDialogsTest, LookUpOkAndShowAllBothConfirmAndTellTheirEndMode) {
    ui::ScriptedDriver driver;
    BmLookUpDlgData data = lookUpRecord();
    driver.onDialog(CDlgLookup::kTemplateId, [](ui::Dialog& d) {
        EXPECT_EQ(d.getDlgItemText(CDlgLookup::kSecondId), L"IPE 300");
        EXPECT_EQ(d.getDlgItemText(CDlgLookup::kComparisonId), L"Contains") << "2 by default";
        EXPECT_EQ(d.getDlgItemText(CDlgLookup::kScopeId), L"Current selection");
        EXPECT_EQ(d.getDlgItemText(CDlgLookup::kShowAllId), L"Show all");
        ASSERT_TRUE(ui::selectItem(d, CDlgLookup::kFourthId, L"Length"));
        ASSERT_TRUE(ui::selectItem(d, CDlgLookup::kComparisonId, 0));
        ASSERT_TRUE(ui::typeText(d, CDlgLookup::kValueId, L"5000"));
        ASSERT_TRUE(ui::selectItem(d, CDlgLookup::kScopeId, 2));
        ASSERT_TRUE(ui::click(d, CDlgLookup::kOptionId));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgLookUp(data));
    EXPECT_EQ(data.m_fourth, L"Length");
    EXPECT_EQ(data.m_comparison, 0);
    EXPECT_EQ(data.m_value, L"5000");
    EXPECT_EQ(data.m_scope, 2);
    EXPECT_TRUE(data.m_option);
    EXPECT_EQ(data.m_endMode, 0);
    driver.onDialog(CDlgLookup::kTemplateId,
                    [](ui::Dialog& d) { ASSERT_TRUE(ui::click(d, CDlgLookup::kShowAllId)); });
    ASSERT_TRUE(StartDlgLookUp(data));
    EXPECT_EQ(data.m_endMode, 2);
    // Cancel: the record as it was, end mode included.
    data.m_endMode = 5;
    driver.onDialog(CDlgLookup::kTemplateId, [](ui::Dialog& d) {
        ASSERT_TRUE(ui::typeText(d, CDlgLookup::kNameId, L"changed"));
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    EXPECT_FALSE(StartDlgLookUp(data));
    EXPECT_EQ(data.m_endMode, 5);
    EXPECT_EQ(data.m_name, L"");
    EXPECT_TRUE(driver.done());
}

TEST_F(LayoutDialogsTest, LookUpKeepsAComparisonItCannotShow) {
    ui::ScriptedDriver driver;
    BmLookUpDlgData data = lookUpRecord();
    data.m_comparison = 9; // no such entry: nothing is selected
    driver.onDialog(CDlgLookup::kTemplateId, [](ui::Dialog& d) {
        EXPECT_EQ(d.getDlgItemText(CDlgLookup::kComparisonId), L"");
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgLookUp(data));
    EXPECT_EQ(data.m_comparison, 9);
    EXPECT_EQ(data.m_scope, 1);
    EXPECT_TRUE(driver.done());
}

} // namespace
