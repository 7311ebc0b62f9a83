#include "SpreadTestSupport.h"

#include "kw/spreadsheet/CDlgFindReplace.h"

namespace spreadtest {
namespace {

class FindReplaceTest : public SpreadTest {
protected:
    // Opens the dialog with F3 in the grid and enters the texts.
    CDlgFindReplace& open(const wchar_t* find, const wchar_t* replace = L"") {
        g().setFocus();
        EXPECT_TRUE(ui::key(ui::VK_F3));
        CDlgFindReplace* fr = g().findReplaceDialog();
        EXPECT_NE(fr, nullptr);
        ui::typeText(*fr, CDlgFindReplace::kFindId, find);
        ui::typeText(*fr, CDlgFindReplace::kReplaceId, replace);
        return *fr;
    }
    void expectActive(int col, int row) {
        int c = 0, r = 0;
        ASSERT_TRUE(g().activeCell(c, r));
        EXPECT_EQ(c, col);
        EXPECT_EQ(r, row);
    }
};

TEST_F(FindReplaceTest, FirstF3OnlyOpensTheDialogTheNextFindsTheNextOccurrence) {
    fill(3, 3);
    g().setStandardLook(0);
    ASSERT_FALSE(g().option(13));
    g().setOption(20, true);
    CDlgFindReplace& fr = open(L"c2");
    EXPECT_TRUE(fr.isWindowVisible());
    EXPECT_EQ(fr.getWindowText(), L"Find and replace");
    EXPECT_EQ(fr.getDlgItemText(ui::IDCANCEL), L"Close");
    EXPECT_EQ(fr.gridControlId(), kPlaceholderId);
    EXPECT_TRUE(g().option(13));
    EXPECT_FALSE(g().option(20));
    int c = 0, r = 0;
    EXPECT_FALSE(g().activeCell(c, r)) << "opening searched nothing";

    g().setFocus();
    ASSERT_TRUE(ui::key(ui::VK_F3));
    expectActive(2, 1);
    ASSERT_TRUE(g().isEditing());
    int s = 0, e = 0;
    g().editSel(s, e);
    EXPECT_EQ(g().editText().substr(s, e - s), L"c2") << "the found text is selected in the cell";
    ASSERT_TRUE(ui::key(ui::VK_F3));
    expectActive(2, 2);
    // F3 in the dialog searches as well.
    ASSERT_TRUE(ui::click(fr, ui::IDOK));
    expectActive(2, 3);

    // Closing puts option 13 back and the grid deletes the dialog.
    ASSERT_TRUE(ui::click(fr, ui::IDCANCEL));
    EXPECT_EQ(g().findReplaceDialog(), nullptr);
    EXPECT_FALSE(g().option(13));
    EXPECT_FALSE(g().option(20)) << "option 20 is not put back";
}

TEST_F(FindReplaceTest, AtTheEndTheUserChoosesWhetherToGoOnFromTheStart) {
    fill(3, 3);
    CDlgFindReplace& fr = open(L"r1");
    ASSERT_TRUE(g().setActiveCell(3, 3));
    ui::ScriptedDriver driver;
    driver.answerMessageBox(ui::IDNO, L"end of the sheet");
    ASSERT_TRUE(ui::click(fr, ui::IDOK));
    expectActive(3, 3);
    driver.answerMessageBox(ui::IDYES, L"end of the sheet");
    ASSERT_TRUE(ui::click(fr, ui::IDOK));
    expectActive(1, 1);
    ASSERT_EQ(driver.messageBoxes().size(), 2u);
    EXPECT_EQ(
        driver.messageBoxes()[0].text,
        L"The end of the sheet has been reached.\nDo you want to continue from the beginning?");
    EXPECT_EQ(driver.messageBoxes()[0].caption, L"Find");
    EXPECT_EQ(driver.messageBoxes()[0].buttons(), ui::MB_YESNO);

    // A text that is nowhere: after Yes the user is told so.
    ui::typeText(fr, CDlgFindReplace::kFindId, L"nowhere");
    driver.answerMessageBox(ui::IDYES, L"end of the sheet");
    driver.answerMessageBox(ui::IDOK, L"not found");
    ASSERT_TRUE(ui::click(fr, ui::IDOK));
    ASSERT_EQ(driver.messageBoxes().size(), 4u);
    EXPECT_EQ(driver.messageBoxes()[3].text, L"The text was not found.");
    EXPECT_EQ(driver.messageBoxes()[3].caption, L"Find");
    EXPECT_TRUE(driver.done());
}

TEST_F(FindReplaceTest, ReplaceChangesTheActiveCellAndGoesOn) {
    fill(3, 3);
    CDlgFindReplace& fr = open(L"c2", L"X");
    ASSERT_TRUE(g().setActiveCell(2, 1));
    ASSERT_TRUE(ui::click(fr, CDlgFindReplace::kReplaceButtonId));
    EXPECT_EQ(g().value(2, 1), L"r1X");
    EXPECT_TRUE(g().option(30));
    expectActive(2, 2);
    // F5 in the grid replaces too.
    g().setFocus();
    ASSERT_TRUE(ui::key(ui::VK_F5));
    EXPECT_EQ(g().value(2, 2), L"r2X");
    expectActive(2, 3);
    // A cell without the text is not changed; the search goes on.
    ASSERT_TRUE(g().setActiveCell(1, 1));
    ASSERT_TRUE(ui::click(fr, CDlgFindReplace::kReplaceButtonId));
    EXPECT_EQ(g().value(1, 1), L"r1c1");
    expectActive(2, 3);
}

TEST_F(FindReplaceTest, ReplaceAllCountsTheCellsAndEndsWhenTheNewTextHoldsTheOld) {
    fill(3, 3);
    CDlgFindReplace& fr = open(L"c2", L"X");
    ui::ScriptedDriver driver;
    driver.answerMessageBox(ui::IDOK);
    ASSERT_TRUE(ui::click(fr, CDlgFindReplace::kReplaceAllButtonId));
    EXPECT_EQ(g().value(2, 3), L"r3X");
    ASSERT_EQ(driver.messageBoxes().size(), 1u);
    EXPECT_EQ(driver.messageBoxes()[0].text, L"The text was replaced in 3 cells.");
    EXPECT_EQ(driver.messageBoxes()[0].caption, L"Replace all");
    EXPECT_TRUE(g().option(30));

    driver.answerMessageBox(ui::IDOK);
    ASSERT_TRUE(ui::click(fr, CDlgFindReplace::kReplaceAllButtonId));
    EXPECT_EQ(driver.messageBoxes()[1].text, L"The text was replaced in 0 cells.");

    // "c" -> "cc": every cell once, no endless loop.
    ui::typeText(fr, CDlgFindReplace::kFindId, L"c");
    ui::typeText(fr, CDlgFindReplace::kReplaceId, L"cc");
    driver.answerMessageBox(ui::IDOK);
    EXPECT_EQ(fr.replaceAll(), 6);
    EXPECT_EQ(g().value(1, 1), L"r1cc1");
    EXPECT_TRUE(driver.done());
}

TEST_F(FindReplaceTest, TheCellBeingEditedIsSearchedAfterTheCaretFirst) {
    fill(2, 2);
    g().setData(1, 1, L"abc abc");
    CDlgFindReplace& fr = open(L"abc");
    ASSERT_TRUE(g().setActiveCell(1, 1));
    ASSERT_TRUE(g().startEdit());
    g().setEditSel(1, 1);
    ASSERT_TRUE(fr.findNext(false));
    int s = 0, e = 0;
    g().editSel(s, e);
    EXPECT_EQ(s, 4);
    EXPECT_EQ(e, 7);
    expectActive(1, 1);
    // Without the question, nothing found means nothing happens.
    ui::typeText(fr, CDlgFindReplace::kFindId, L"zzz");
    EXPECT_FALSE(fr.findNext(false));
}

TEST_F(FindReplaceTest, FindNextStartsAtTheCellTheUserChose) {
    fill(3, 3);
    CDlgFindReplace& fr = open(L"r2c");
    // The user clicks a cell that holds the text: that cell is found first.
    const ui::Rect cell = g().cellRect(2, 2);
    const ui::Point middle{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ASSERT_TRUE(ui::mouseDown(g(), middle));
    ASSERT_TRUE(ui::mouseUp(g(), middle));
    expectActive(2, 2);
    ASSERT_FALSE(g().isEditing());
    ASSERT_TRUE(fr.findNext(false));
    expectActive(2, 2);
    // From there on each find goes to the next cell, up to the last column.
    ASSERT_TRUE(fr.findNext(false));
    expectActive(3, 2);
    EXPECT_FALSE(fr.findNext(false)) << "nothing after the last column of the last hit row";
    expectActive(3, 2);
    // Ending the edit does not make the last hit searchable again.
    g().endEdit(false);
    ASSERT_TRUE(g().setActiveCell(1, 2));
    ASSERT_TRUE(fr.findNext(false));
    expectActive(1, 2);
}

TEST_F(FindReplaceTest, FirstF5AlsoOnlyOpensTheDialog) {
    fill(2, 2);
    activate(1, 1);
    ASSERT_TRUE(ui::key(ui::VK_F5));
    ASSERT_NE(g().findReplaceDialog(), nullptr);
    EXPECT_EQ(g().value(1, 1), L"r1c1");
    expectActive(1, 1);
    // Closing with the close box goes the same way as the Close button.
    ASSERT_TRUE(ui::closeBox(*g().findReplaceDialog()));
    EXPECT_EQ(g().findReplaceDialog(), nullptr);
}

TEST_F(FindReplaceTest, AGridThatIsGoneTakesItsDialogAlong) {
    fill(2, 2);
    open(L"r1");
    ui::WindowRef<ui::Window> fr(g().findReplaceDialog());
    ASSERT_TRUE(fr);
    dlg->destroyWindow();
    dlg.reset();
    EXPECT_FALSE(fr) << "destroying the grid deleted its find/replace dialog";
}

} // namespace
} // namespace spreadtest
