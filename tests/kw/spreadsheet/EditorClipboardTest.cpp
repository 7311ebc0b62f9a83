// The editors' internal clipboard: blocks copied and cut in one editor window and pasted
// in the same or in another one, with Ctrl+C, Ctrl+X, Ctrl+V and the menu.

#include "EditorTestSupport.h"

namespace {

using namespace editortest;

class EditorClipboard : public EditorTest {
protected:
    // A saved document with a number in A1 and "A1+1" in B1.
    std::filesystem::path savedDocument(ui::ScriptedDriver& driver, const char* name) {
        const auto file = m_tmp / name;
        driver.answerFile(product(file).str());
        runEditor(driver, Tvl_String(), [&](D& e) {
            typeInto(e, 1, 1, D::kCellTextId, L"100");
            typeInto(e, 2, 1, D::kFormulaId, L"A1+1");
            ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdSaveAs));
        });
        return file;
    }
};

TEST_F(EditorClipboard, ABlockCopiedInOneWindowPastesIntoTheNextWithItsFormulasShifted) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"4");
        typeInto(e, 1, 1, D::kVariableId, L"width");
        typeInto(e, 2, 1, D::kFormulaId, L"A1+$A$1");
        clickCell(e, 1, 1);
        clickCell(e, 2, 1, ui::kModShift);
        ASSERT_TRUE(ui::key('C', ui::kModCtrl));
    });
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"10");
        clickCell(e, 1, 3);
        ASSERT_TRUE(ui::key('V', ui::kModCtrl));
        Tvl_Spread& g = e.grid();
        EXPECT_EQ(g.value(1, 3), L"4");
        EXPECT_EQ(g.tag(1, 3), L"width");
        EXPECT_EQ(g.formula(2, 3), L"A3+$A$1");
        EXPECT_EQ(g.data(2, 3), L"14"); // 4 + this document's A1
        EXPECT_TRUE(e.changed());
        // The copy stays for further pastes.
        clickCell(e, 4, 5);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPaste));
        EXPECT_EQ(g.formula(5, 5), L"D5+$A$1");
    });
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorClipboard, AfterOpenTheOldBlockKeepsItsCellsAndNeverTakesTheNewDocumentsOnes) {
    ui::ScriptedDriver driver;
    const auto file = savedDocument(driver, "other.kws");
    driver.answerFile(product(file).str());
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"7");
        clickCell(e, 1, 1);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdCopy));
        driver.answerMessageBox(ui::IDNO); // the changed new document is not kept
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdOpen));
        ASSERT_NE(e.getWindowText().find(L"other.kws"), std::wstring::npos);
        clickCell(e, 3, 3);
        ASSERT_TRUE(ui::key('V', ui::kModCtrl));
        EXPECT_EQ(e.grid().value(3, 3), L"7"); // not the opened document's 100
        EXPECT_EQ(e.grid().value(1, 1), L"100");
    });
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorClipboard, ACutMovesCellsBetweenTwoOpenWindowsAndEndsWithItsDocument) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& first) {
        typeInto(first, 1, 1, D::kCellTextId, L"7");
        typeInto(first, 1, 2, D::kCellTextId, L"8");
        clickCell(first, 1, 1);
        ASSERT_TRUE(ui::key('X', ui::kModCtrl));
        // A second editor while the first is still open.
        runEditor(driver, Tvl_String(), [&](D& second) {
            clickCell(second, 3, 2);
            ASSERT_TRUE(ui::key('V', ui::kModCtrl));
            EXPECT_EQ(second.grid().value(3, 2), L"7");
        });
        EXPECT_EQ(first.grid().value(1, 1), L""); // taken out of the first
        EXPECT_TRUE(first.changed());
        // A cut from a window that has closed takes nothing: Ctrl+V then pastes what the
        // system clipboard holds.
        runEditor(driver, Tvl_String(), [&](D& second) {
            clickCell(second, 1, 1);
            ASSERT_TRUE(ui::key('X', ui::kModCtrl));
        });
        ui::setClipboardText(L"from elsewhere");
        clickCell(first, 2, 2);
        ASSERT_TRUE(ui::key('V', ui::kModCtrl));
        EXPECT_EQ(first.grid().value(2, 2), L"from elsewhere");
    });
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorClipboard, CutThenPasteTwiceMovesOnceAndThenFallsBackToTheGridsClipboard) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        Tvl_Spread& g = e.grid();
        typeInto(e, 1, 1, D::kCellTextId, L"1");
        typeInto(e, 2, 1, D::kFormulaId, L"A1*5");
        clickCell(e, 1, 1);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdCut));
        EXPECT_EQ(g.value(1, 1), L"1"); // nothing moves before the paste
        clickCell(e, 1, 4);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPaste));
        EXPECT_EQ(g.value(1, 1), L"");
        EXPECT_EQ(g.value(1, 4), L"1");
        EXPECT_EQ(g.formula(2, 1), L"A4*5"); // the reference followed the cell
        ui::setClipboardText(L"x\ty");
        clickCell(e, 1, 6);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPaste));
        EXPECT_EQ(g.value(1, 6), L"x");
        EXPECT_EQ(g.value(2, 6), L"y");
        EXPECT_EQ(g.value(1, 4), L"1");
    });
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorClipboard, WhileACellIsEditedTheKeysAreTheCellsOwn) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"5");
        clickCell(e, 1, 1);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdCopy));
        clickCell(e, 2, 2);
        ASSERT_TRUE(e.grid().startEdit());
        ASSERT_TRUE(ui::key('V', ui::kModCtrl));
        EXPECT_TRUE(e.grid().isEditing());
        EXPECT_EQ(e.grid().value(2, 2), L""); // no block pasted under the edit
        e.grid().endEdit(false);
    });
    EXPECT_TRUE(driver.done());
}

} // namespace
