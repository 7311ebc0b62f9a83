// The bolt pattern dialog: opened from the bolt tab's grid, every change handed back to
// the model while it is open, its modes and options, and what it refuses.

#include "tests/kw/macrobolt/MacroBoltTestSupport.h"

#include "kw/macro/CDlgMacroPattern.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

class Pattern : public MacroBoltTest {
protected:
    const MacroPatternProps& modelRows() {
        return modelTab()->m_patterns[0]; // "Rows"
    }
};

bool enabled(ui::Dialog& d, int id) {
    return d.getDlgItem(id)->isWindowEnabled();
}

const mb::PatternPanelIds& first = mb::kPanels[0];
const mb::PatternPanelIds& second = mb::kPanels[1];

TEST_F(Pattern, ACountTypedInTheDialogChangesTheModelWhileItIsOpen) {
    CDlgMacro* dlg = openBolts();
    ASSERT_NE(dlg, nullptr);
    const int row = gridRowOf(dlg, L"Rows");
    ASSERT_GT(row, 0);
    ui::ScriptedDriver driver;
    driver.onDialog(mb::kDlgPattern, [&](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), L"Bolt pattern");
        EXPECT_EQ(d.getDlgItemText(ui::IDOK), L"Close");
        EXPECT_EQ(d.getDlgItemText(first.count), L"4");
        EXPECT_EQ(d.getDlgItemText(second.count), L"2");
        EXPECT_EQ(d.getDlgItemText(first.distance), L"70");
        // One bolt row fewer: the model has it at once, and the page shows it.
        ui::typeText(d, first.count, L"3");
        EXPECT_EQ(modelRows().m_count1, L"3");
        EXPECT_EQ(modelValue(L"EP1", L"Bolts", L"BoltCount"), L"6");
        EXPECT_EQ(general(dlg, kBoltTab)->grid().data(CMacroTabGeneral::kColValue, row), L"3");
        // Rows more than fit on the plate are refused by the model, and the dialog shows
        // the model's count again.
        ui::typeText(d, first.count, L"5");
        EXPECT_EQ(modelRows().m_count1, L"3");
        EXPECT_EQ(d.getDlgItemText(first.count), L"3");
        // The distribution of the second direction.
        ui::selectItem(d, second.distribution, L"Centred");
        EXPECT_EQ(modelRows().m_directions[1].m_listSelection, 3);
        ui::typeText(d, first.count, L"4");
        ui::click(d, ui::IDCANCEL);
    });
    ASSERT_TRUE(pressGridButton(dlg, row));
    EXPECT_TRUE(driver.done());
    // Cancel hands nothing further back; what was handed back stays.
    EXPECT_EQ(modelRows().m_count1, L"4");
    EXPECT_EQ(modelRows().m_directions[1].m_listSelection, 3);
    EXPECT_NE(printed().find(L"Refused: End plate EP1, Bolts: the bolt rows do not fit"),
              std::wstring::npos)
        << printed();
    EXPECT_TRUE(general(dlg, kBoltTab)->isActive());
}

// A fifth bolt row fits once the pitch in the tab's grid is smaller.
TEST_F(Pattern, ABoltRowIsAddedOnceThePitchLetsItFit) {
    CDlgMacro* dlg = openBolts();
    ASSERT_NE(dlg, nullptr);
    CMacroTabGeneral* page = general(dlg, kBoltTab);
    const int pitch = -dlg->tabData(kBoltTab)->cellWithName(L"Pitch")->m_reference;
    ASSERT_GT(pitch, 0);
    page->grid().setFocus();
    page->grid().setActiveCell(CMacroTabGeneral::kColValue, pitch);
    ASSERT_TRUE(ui::typeText(L"60"));
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    ASSERT_EQ(modelValue(L"EP1", L"Bolts", L"Pitch"), L"60");
    ui::ScriptedDriver driver;
    driver.onDialog(mb::kDlgPattern, [&](ui::Dialog& d) {
        ui::typeText(d, first.count, L"5");
        EXPECT_EQ(d.getDlgItemText(first.count), L"5");
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(pressGridButton(dlg, gridRowOf(dlg, L"Rows")));
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(modelRows().m_count1, L"5");
    EXPECT_EQ(modelValue(L"EP1", L"Bolts", L"BoltCount"), L"10");
}

TEST_F(Pattern, FixedDistancesKeepOneRowPerGapAndTheModeSwitchesTheControls) {
    CDlgMacro* dlg = openBolts();
    ASSERT_NE(dlg, nullptr);
    ui::ScriptedDriver driver;
    driver.onDialog(mb::kDlgPattern, [&](ui::Dialog& d) {
        auto& self = static_cast<CDlgMacroPattern&>(d);
        EXPECT_TRUE(enabled(d, first.distance));
        EXPECT_FALSE(self.grid(0).isWindowEnabled());
        ui::click(d, first.fixed);
        EXPECT_FALSE(enabled(d, first.distance));
        EXPECT_TRUE(self.grid(0).isWindowEnabled());
        ui::typeText(d, first.count, L"3");
        ASSERT_EQ(self.grid(0).rowCount(), 2);
        EXPECT_EQ(self.grid(0).data(CDlgMacroPattern::kColDistance, 2), L"70");
        // A distance typed into the grid goes back like any other change.
        self.grid(0).setFocus();
        self.grid(0).setActiveCell(CDlgMacroPattern::kColDistance, 2);
        ui::typeText(L"80");
        ui::key(ui::VK_RETURN);
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(pressGridButton(dlg, gridRowOf(dlg, L"Rows")));
    EXPECT_TRUE(driver.done());
    const MacroPatternDirection& rows = modelRows().m_directions[0];
    EXPECT_TRUE(rows.m_mode);
    ASSERT_EQ(rows.m_rows.length(), 2);
    EXPECT_EQ(rows.m_rows[1][CDlgMacroPattern::kColDistance - 1], L"80");
    EXPECT_EQ(rows.m_rows[0][CDlgMacroPattern::kColNumber - 1], L"1");
}

TEST_F(Pattern, OptionsAreThreeStateAndTheEdgeDistanceTakesTheDistribution) {
    MacroPatternProps pattern(L"Rows", L"4", L"2");
    pattern.m_options[0] = -1;
    pattern.m_options[2] = 1;
    CDlgMacroPattern dlg(nullptr, 0, pattern);
    ui::ScriptedDriver driver;
    driver.onDialog(mb::kDlgPattern, [](ui::Dialog& d) {
        EXPECT_EQ(d.isDlgButtonChecked(mb::kMirror), ui::BST_INDETERMINATE);
        EXPECT_EQ(d.isDlgButtonChecked(mb::kCentre), ui::BST_CHECKED);
        EXPECT_TRUE(enabled(d, first.distribution));
        ui::click(d, mb::kUseEdge);
        EXPECT_FALSE(enabled(d, first.distribution));
        EXPECT_FALSE(enabled(d, second.distribution));
        ui::click(d, mb::kNumbers);
        ui::click(d, mb::kNumbers); // two-state: back to unchecked, never indeterminate
        ui::click(d, ui::IDOK);
    });
    dlg.doModal();
    EXPECT_TRUE(driver.done());
    // Without an owner nothing is handed back, and nothing breaks.
    EXPECT_EQ(dlg.handBacks(), 0);
    EXPECT_EQ(dlg.m_options[0], -1);
    EXPECT_EQ(dlg.m_options[1], 1);
    EXPECT_EQ(dlg.m_options[2], 1);
    EXPECT_EQ(dlg.m_options[3], 0);
}

TEST_F(Pattern, CountsThatAreNoWholeNumbersAreNotHandedBackAndRefusedAtOk) {
    CDlgMacro* dlg = openBolts();
    ASSERT_NE(dlg, nullptr);
    ui::ScriptedDriver driver;
    driver.answerMessageBox(ui::IDOK, L"This is not a number: \"2.5\"");
    driver.onDialog(mb::kDlgPattern, [&](ui::Dialog& d) {
        auto& self = static_cast<CDlgMacroPattern&>(d);
        ui::typeText(d, first.count, L"2.5");
        EXPECT_EQ(modelRows().m_count1, L"2"); // "2" went, "2." and "2.5" did not
        const int handed = self.handBacks();
        ui::click(d, ui::IDOK); // refused: stays open
        EXPECT_EQ(self.handBacks(), handed);
        ui::typeText(d, first.count, L"3");
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(pressGridButton(dlg, gridRowOf(dlg, L"Rows")));
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(modelRows().m_count1, L"3");
}

// A pattern of one direction: its second panel is off and its empty count stays empty.
TEST_F(Pattern, OneDirectionPatternKeepsItsSecondPanelOff) {
    MacroPatternProps extra(L"Extra", L"0", L"");
    CDlgMacroPattern dlg(nullptr, 1, extra);
    ui::ScriptedDriver driver;
    driver.onDialog(mb::kDlgPattern, [](ui::Dialog& d) {
        EXPECT_FALSE(enabled(d, second.count));
        EXPECT_FALSE(enabled(d, second.distribution));
        ui::typeText(d, first.count, L"2");
        ui::click(d, ui::IDOK);
    });
    dlg.doModal();
    EXPECT_TRUE(driver.done());
    EXPECT_EQ(dlg.m_pattern.m_count1, L"2");
    EXPECT_TRUE(dlg.m_pattern.m_count2.isEmpty());
}

} // namespace
