#include "FabricationTestSupport.h"

#include "core/fabrication/SampleLayout.h"
#include "kw/fabrication/CDlgLevels.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/Tvl_DlgPromptString.h"

namespace {

class LevelsDialogTest : public FabricationTest {
protected:
    void SetUp() override {
        FabricationTest::SetUp();
        sample::resetLayout();
        m_data = sample::levels(); // Ground 0, First 3000 on Ground, Roof 3500 on First
    }
    static CDlgLevels& levels(ui::Dialog& d) { return static_cast<CDlgLevels&>(d); }
    // Answers the name prompt with `name`.
    void answerName(ui::ScriptedDriver& driver, const wchar_t* name) {
        driver.onDialog(Tvl_DlgPromptString::kTemplateId, [name](ui::Dialog& p) {
            ASSERT_TRUE(ui::typeText(p, Tvl_DlgPromptString::kValueId, name));
            ASSERT_TRUE(ui::click(p, ui::IDOK));
        });
    }
    BmLevelsDlgData m_data;
};

TEST_F(LevelsDialogTest, ShowsLevelZeroAndStoresTheHeightOnOk) {
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgLevels::kTemplateId, [](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), L"Levels");
        EXPECT_EQ(d.getDlgItemText(CDlgLevels::kNameId), L"Ground");
        EXPECT_FALSE(d.getDlgItem(CDlgLevels::kNameId)->isWindowEnabled());
        EXPECT_FALSE(d.getDlgItem(CDlgLevels::kAbsoluteId)->isWindowEnabled());
        EXPECT_FALSE(d.getDlgItem(CDlgLevels::kReferenceId)->isWindowEnabled());
        ASSERT_TRUE(ui::selectItem(d, CDlgLevels::kLevelsId, L"Roof"));
        EXPECT_EQ(d.getDlgItemText(CDlgLevels::kHeightId), L"3500.000");
        EXPECT_EQ(d.getDlgItemText(CDlgLevels::kAbsoluteId), L"6500.000");
        EXPECT_EQ(d.getDlgItemText(CDlgLevels::kReferenceId), L"First");
        ASSERT_TRUE(ui::typeText(d, CDlgLevels::kHeightId, L"4000"));
        ASSERT_TRUE(ui::selectItem(d, CDlgLevels::kLevelsId, L"First"));
        ASSERT_TRUE(ui::typeText(d, CDlgLevels::kHeightId, L"not a height"));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgLevels(m_data));
    EXPECT_DOUBLE_EQ(m_data.levels()[2].height, 4000);
    EXPECT_DOUBLE_EQ(m_data.levels()[1].height, 0) << "text that is not a number reads as 0";
    EXPECT_TRUE(driver.done());
}

TEST_F(LevelsDialogTest, AnAddedLevelTakesItsReferenceOnceAndNamesInUseAreRefused) {
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgLevels::kTemplateId, [&](ui::Dialog& d) {
        answerName(driver, L"ROOF");
        driver.answerMessageBox(ui::IDOK, L"This name is already in use");
        answerName(driver, L"WCS");
        driver.answerMessageBox(ui::IDOK, L"This name is already in use");
        answerName(driver, L"Attic");
        ASSERT_TRUE(ui::click(d, CDlgLevels::kAddId));
        EXPECT_EQ(levels(d).shownIndex(), 3);
        EXPECT_EQ(d.getDlgItemText(CDlgLevels::kNameId), L"Attic");
        EXPECT_TRUE(d.getDlgItem(CDlgLevels::kReferenceId)->isWindowEnabled());
        ASSERT_TRUE(ui::selectItem(d, CDlgLevels::kReferenceId, L"Roof"));
        ASSERT_TRUE(ui::typeText(d, CDlgLevels::kHeightId, L"2500"));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgLevels(m_data));
    ASSERT_EQ(m_data.count(), 4);
    EXPECT_EQ(m_data.levels()[3].reference, L"Roof");
    EXPECT_DOUBLE_EQ(m_data.absoluteHeight(3), 9000);
    EXPECT_EQ(driver.messageBoxes().size(), 2u);
    EXPECT_TRUE(driver.done());
}

TEST_F(LevelsDialogTest, TheTwentiethRefusalGivesUpWithoutAddingTheName) {
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgLevels::kTemplateId, [&](ui::Dialog& d) {
        for (int i = 0; i < CDlgLevels::kMaxNameRefusals; ++i) {
            answerName(driver, L"ground");
            driver.answerMessageBox(ui::IDOK);
        }
        ASSERT_TRUE(ui::click(d, CDlgLevels::kAddId));
        EXPECT_EQ(levels(d).m_data.count(), 3);
        EXPECT_EQ(levels(d).shownIndex(), 0) << "the shown level stays";
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgLevels(m_data));
    EXPECT_EQ(m_data.count(), 3);
    EXPECT_EQ(driver.messageBoxes().size(), 20u);
    EXPECT_TRUE(driver.done());
}

TEST_F(LevelsDialogTest, DeletingLevelZeroShowsNothingAndWritesNothingIntoTheNewFirst) {
    ui::ScriptedDriver driver;
    driver.onDialog(CDlgLevels::kTemplateId, [&](ui::Dialog& d) {
        // The user changes Ground's height, then deletes it.
        ASSERT_TRUE(ui::typeText(d, CDlgLevels::kHeightId, L"777"));
        ASSERT_TRUE(ui::click(d, CDlgLevels::kDeleteId));
        EXPECT_EQ(levels(d).shownIndex(), -1);
        EXPECT_EQ(d.getDlgItemText(CDlgLevels::kNameId), L"");
        EXPECT_EQ(d.getDlgItemText(CDlgLevels::kHeightId), L"");
        EXPECT_FALSE(d.getDlgItem(CDlgLevels::kHeightId)->isWindowEnabled());
        // Delete with nothing shown does nothing.
        ASSERT_TRUE(ui::click(d, CDlgLevels::kDeleteId));
        EXPECT_EQ(levels(d).m_data.count(), 2);
        // Deleting a later level shows the one before it.
        ASSERT_TRUE(ui::selectItem(d, CDlgLevels::kLevelsId, L"Roof"));
        ASSERT_TRUE(ui::click(d, CDlgLevels::kDeleteId));
        EXPECT_EQ(levels(d).shownIndex(), 0);
        EXPECT_EQ(d.getDlgItemText(CDlgLevels::kNameId), L"First");
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgLevels(m_data));
    ASSERT_EQ(m_data.count(), 1);
    EXPECT_EQ(m_data.levels()[0].name, L"First");
    EXPECT_DOUBLE_EQ(m_data.absoluteHeight(0), 3000) << "not Ground's 777";
    EXPECT_TRUE(driver.done());
}

} // namespace
