// The spreadsheet editor's edit bar, rows and columns, notes, calculation, layout and
// commands, driven as a person would: clicks on cells, typing into the edit bar, the
// menu bar and the toolbar.

#include "EditorTestSupport.h"

#include "kw/spreadsheet/eval/CFormula.h"

namespace {

using namespace editortest;

class EditorEditBar : public EditorTest {};

TEST_F(EditorEditBar, AFormulaShowsItsResultAndANamedCellServesFormulas) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"21");
        typeInto(e, 2, 1, D::kFormulaId, L"A1*2");
        EXPECT_EQ(e.getDlgItemText(D::kCellTextId), L"42"); // the result, at once
        typeInto(e, 1, 1, D::kVariableId, L"price");
        EXPECT_EQ(e.grid().tag(1, 1), L"price");
        typeInto(e, 3, 1, D::kFormulaId, L"price+1");
        EXPECT_EQ(e.getDlgItemText(D::kCellTextId), L"22");
        // A new price: both formulas follow.
        typeInto(e, 1, 1, D::kCellTextId, L"5");
        EXPECT_EQ(e.grid().data(2, 1), L"10");
        EXPECT_EQ(e.grid().data(3, 1), L"6");
        // Clicking back shows the cell's three texts.
        clickCell(e, 3, 1);
        EXPECT_EQ(e.getDlgItemText(D::kFormulaId), L"price+1");
        EXPECT_EQ(e.getDlgItemText(D::kCellTextId), L"6");
        EXPECT_EQ(e.getDlgItemText(D::kVariableId), L"");
        // A second cell of the same name is written, and the status line says which
        // cell formulas keep reading.
        typeInto(e, 1, 4, D::kVariableId, L"Price");
        EXPECT_EQ(e.grid().tag(1, 4), L"Price");
        EXPECT_NE(e.getDlgItemText(D::kStatusId).find(L"A1"), std::wstring::npos);
    });
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorEditBar, AMixedSelectionShowsVarieertAndTypingOneFieldWritesOnlyThatIntoAll) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"3");
        typeInto(e, 2, 1, D::kFormulaId, L"A1*2");
        typeInto(e, 2, 2, D::kFormulaId, L"A1*3");
        typeInto(e, 2, 2, D::kVariableId, L"n");
        clickCell(e, 2, 1);
        clickCell(e, 2, 2, ui::kModShift);
        EXPECT_EQ(e.getDlgItemText(D::kFormulaId), L"*VARIEERT*");
        EXPECT_EQ(e.getDlgItemText(D::kCellTextId), L"*VARIEERT*");
        EXPECT_EQ(e.getDlgItemText(D::kVariableId), L"*VARIEERT*");
        // Typing the marker itself (in any case) writes nothing.
        ASSERT_TRUE(ui::typeText(e, D::kFormulaId, L"*varieert*"));
        EXPECT_EQ(e.grid().formula(2, 1), L"A1*2");
        ASSERT_TRUE(ui::typeText(e, D::kCellTextId, L"7"));
        for (int row : {1, 2}) {
            EXPECT_EQ(e.grid().value(2, row), L"7");
            EXPECT_EQ(e.grid().formula(2, row), L"");
        }
        EXPECT_EQ(e.grid().tag(2, 1), L""); // the variable field was not written
        EXPECT_EQ(e.grid().tag(2, 2), L"n");
        EXPECT_EQ(e.getDlgItemText(D::kFormulaId), L""); // now the same for both
    });
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorEditBar, WithoutAutomaticCalculationFormulasWaitForRecalculate) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"2");
        typeInto(e, 2, 1, D::kFormulaId, L"A1*10");
        ui::Menu* menu = e.getMenu();
        ASSERT_TRUE(menu->findCommand(D::kCmdAutoCalc)->isChecked());
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdAutoCalc));
        EXPECT_FALSE(menu->findCommand(D::kCmdAutoCalc)->isChecked());
        typeInto(e, 1, 1, D::kCellTextId, L"3");
        EXPECT_EQ(e.grid().data(2, 1), L"20");
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdRecalc));
        EXPECT_EQ(e.grid().data(2, 1), L"30");
        // Switching it on again catches up.
        typeInto(e, 1, 1, D::kCellTextId, L"4");
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdAutoCalc));
        EXPECT_EQ(e.grid().data(2, 1), L"40");
    });
    EXPECT_TRUE(driver.done());
}

class EditorRowsAndColumns : public EditorTest {};

TEST_F(EditorRowsAndColumns, InsertAndDeleteAtTheLastRowAndColumnKeepReferencesRight) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        Tvl_Spread& g = e.grid();
        ASSERT_EQ(g.maxRows(), 11);
        ASSERT_EQ(g.maxCols(), 6);
        g.showCell(1, 11);
        typeInto(e, 1, 11, D::kCellTextId, L"5");
        g.showCell(2, 1);
        typeInto(e, 2, 1, D::kFormulaId, L"A11*2");
        g.showCell(1, 11);
        clickCell(e, 1, 11);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdInsertRow));
        EXPECT_EQ(g.maxRows(), 12);
        EXPECT_EQ(g.value(1, 12), L"5");
        EXPECT_EQ(g.value(1, 11), L"");
        EXPECT_EQ(g.formula(2, 1), L"A12*2");
        EXPECT_EQ(g.data(2, 1), L"10");
        // The new row has the cells' type of the row it pushed aside.
        EXPECT_TRUE(g.sheet().cellType(1, 11) == g.sheet().cellType(1, 12));
        g.showCell(1, 12);
        clickCell(e, 1, 12);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdDeleteRow));
        EXPECT_EQ(g.maxRows(), 11);
        EXPECT_EQ(g.data(2, 1), L"#REF!");

        g.showCell(6, 1);
        typeInto(e, 6, 1, D::kCellTextId, L"last");
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdInsertCol));
        EXPECT_EQ(g.maxCols(), 7);
        EXPECT_EQ(g.value(7, 1), L"last");
        g.showCell(7, 1);
        clickCell(e, 7, 1);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdDeleteCol));
        EXPECT_EQ(g.maxCols(), 6);
        EXPECT_EQ(g.value(6, 1), L"");
    });
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorRowsAndColumns, ASelectionInsertsAndDeletesAsManyAndOneRowAlwaysStays) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        Tvl_Spread& g = e.grid();
        clickCell(e, 1, 2);
        clickCell(e, 1, 4, ui::kModShift);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdInsertRow));
        EXPECT_EQ(g.maxRows(), 14);
        // A whole column selected inserts one row, not as many as the sheet has.
        g.setSelection({1, -1, 1, -1});
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdInsertRow));
        EXPECT_EQ(g.maxRows(), 15);
        // Every row selected: all but one go.
        g.setSelection({1, -1, 1, -1});
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdDeleteRow));
        EXPECT_EQ(g.maxRows(), 1);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdDeleteRow));
        EXPECT_EQ(g.maxRows(), 1);
        int col = 0, row = 0;
        EXPECT_TRUE(g.activeCell(col, row));
    });
    EXPECT_TRUE(driver.done());
}

class EditorCells : public EditorTest {};

TEST_F(EditorCells, ANoteIsWrittenThroughThePromptAndABlankNoteRemovesIt) {
    ui::ScriptedDriver driver;
    for (const wchar_t* text : {L"Checked by the workshop", L"  "}) {
        driver.onDialog(Tvl_DlgPromptString::kTemplateId, [text](ui::Dialog& d) {
            EXPECT_EQ(d.getWindowText(), L"Nota wijzigen");
            ASSERT_TRUE(ui::typeText(d, Tvl_DlgPromptString::kValueId, text));
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        });
    }
    runEditor(driver, Tvl_String(), [&](D& e) {
        clickCell(e, 2, 3);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdNote));
        EXPECT_EQ(e.grid().note(2, 3), L"Checked by the workshop");
        EXPECT_TRUE(e.changed());
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdNote));
        EXPECT_EQ(e.grid().note(2, 3), L"");
    });
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorCells, CopiedFormulasShiftRelativeReferencesAndKeepAbsoluteOnes) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"2");
        typeInto(e, 1, 2, D::kCellTextId, L"3");
        typeInto(e, 2, 1, D::kFormulaId, L"A1*$A$1");
        clickCell(e, 2, 1);
        ASSERT_TRUE(ui::key('C', ui::kModCtrl));
        // Ctrl+V pastes once: the grid does not paste its own clipboard over the block.
        ui::setClipboardText(L"stale");
        clickCell(e, 2, 2);
        ASSERT_TRUE(ui::key('V', ui::kModCtrl));
        EXPECT_EQ(e.grid().formula(2, 2), L"A2*$A$1");
        EXPECT_EQ(e.grid().data(2, 2), L"6");
        // The grid's own style writes the same formulas its way; back to A1 again.
        ASSERT_TRUE(e.getMenu()->findCommand(D::kCmdRefStyleA1)->isChecked());
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdRefStyleA1));
        EXPECT_EQ(e.getDlgItemText(D::kFormulaId), L"#-1#*A1");
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdRefStyleA1));
        EXPECT_EQ(e.getDlgItemText(D::kFormulaId), L"A2*$A$1");
    });
    EXPECT_TRUE(driver.done());
}

class EditorWindowLayout : public EditorTest {};

TEST_F(EditorWindowLayout, TheGridGrowsWithTheWindowAndTheEditBarStaysUnderIt) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        const ui::Rect win = e.getWindowRect();
        const ui::Rect grid0 = e.grid().rect();
        const ui::Rect text0 = e.getDlgItem(D::kCellTextId)->rect();
        const ui::Rect formula0 = e.getDlgItem(D::kFormulaId)->rect();
        const ui::Rect equals0 = e.getDlgItem(D::kEqualsId)->rect();
        ASSERT_TRUE(ui::resize(e, win.width() + 120, win.height() + 80));
        const ui::Rect grid1 = e.grid().rect();
        EXPECT_EQ(grid1.width(), grid0.width() + 120);
        EXPECT_EQ(grid1.height(), grid0.height() + 80);
        const ui::Rect text1 = e.getDlgItem(D::kCellTextId)->rect();
        EXPECT_EQ(text1.width(), text0.width() + 120);
        EXPECT_EQ(text1.top, text0.top + 80);
        const ui::Rect formula1 = e.getDlgItem(D::kFormulaId)->rect();
        EXPECT_EQ(formula1.left, formula0.left + 120);
        EXPECT_EQ(formula1.top, formula0.top + 80);
        EXPECT_EQ(formula1.width(), formula0.width());
        const ui::Rect equals1 = e.getDlgItem(D::kEqualsId)->rect();
        EXPECT_EQ(equals1.left, equals0.left);
        EXPECT_EQ(equals1.top, equals0.top + 80);
        // Never smaller than 400 x 300.
        ASSERT_TRUE(ui::resize(e, 100, 100));
        EXPECT_EQ(e.getWindowRect().width(), 400);
        EXPECT_EQ(e.getWindowRect().height(), 300);
    });
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorWindowLayout, EnterAndEscapeNeverCloseTheEditorButTheyEndACellEdit) {
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        clickCell(e, 1, 1);
        ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
        EXPECT_TRUE(e.isWindow());
        ASSERT_TRUE(e.grid().startEdit());
        ASSERT_TRUE(ui::typeText(L"9"));
        ASSERT_TRUE(ui::key(ui::VK_RETURN)); // the grid takes it and writes the cell
        EXPECT_FALSE(e.grid().isEditing());
        EXPECT_EQ(e.grid().value(1, 1), L"9");
        EXPECT_TRUE(e.isWindow());
    });
    EXPECT_TRUE(driver.done());
}

// The right button on a cell with no block selected makes it the active cell, then the
// cell menu's commands act on it.
TEST_F(EditorWindowLayout, TheCellMenuActsOnTheCellClicked) {
    ui::ScriptedDriver driver;
    driver.onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog& d) {
        ASSERT_TRUE(ui::typeText(d, Tvl_DlgPromptString::kValueId, L"weld here"));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 2, 2, D::kCellTextId, L"x");
        const ui::Rect r = e.grid().cellRect(3, 4);
        driver.choosePopupItem(D::kCmdNote);
        ASSERT_TRUE(ui::rightClick(e.grid(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2}));
        EXPECT_EQ(e.grid().note(3, 4), L"weld here");
        int col = 0, row = 0;
        ASSERT_TRUE(e.grid().activeCell(col, row));
        EXPECT_EQ(col, 3);
        EXPECT_EQ(row, 4);
        EXPECT_EQ(e.getDlgItemText(D::kCellTextId), L"");
    });
    ASSERT_FALSE(driver.popupMenus().empty());
    EXPECT_NE(driver.popupMenus().back().find("Nota wijzigen"), std::string::npos);
    EXPECT_TRUE(driver.done());
}

// "Nieuw" is the template report's test: the evaluator shows over the editor (its sample
// record stops at the first check, so its grid stays empty) and the document stays.
TEST_F(EditorWindowLayout, TheNewButtonShowsTheSampleReportAndLeavesTheDocument) {
    ui::ScriptedDriver driver;
    driver.onDialog(CFormula::kTemplateId, [](ui::Dialog& d) {
        EXPECT_EQ(static_cast<CFormula&>(d).m_grid.rowCount(), 0);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"kept");
        ASSERT_TRUE(e.toolbar()->clickCommand(D::kCmdNew));
        EXPECT_EQ(e.grid().value(1, 1), L"kept");
        EXPECT_EQ(e.getWindowText(), L"Spreadsheet Editor - Naamloos");
    });
    EXPECT_TRUE(driver.done());
}

// Printing itself is tested in PrintDialogsTest.cpp; here: the editor's menu and toolbar
// reach it.
TEST_F(EditorWindowLayout, PrintCommandsCanBeChosenFromTheMenuAndTheToolbar) {
    ui::ScriptedDriver driver;
    driver.onDialog(184, [](ui::Dialog& d) { ASSERT_TRUE(ui::click(d, ui::IDCANCEL)); });
    runEditor(driver, Tvl_String(), [&](D& e) {
        for (int id : {D::kCmdPrint, D::kCmdPreview, D::kCmdPrintSetup}) {
            ui::MenuItem* item = e.getMenu()->findCommand(id);
            ASSERT_NE(item, nullptr);
            EXPECT_TRUE(item->isEnabled());
        }
        EXPECT_TRUE(e.toolbar()->clickCommand(D::kCmdPrintSetup)); // the settings, cancelled
        driver.answerPrint(std::nullopt);
        EXPECT_TRUE(ui::chooseMenuCommand(e, D::kCmdPrint)); // the print dialog, cancelled
        EXPECT_EQ(e.getMenu()->findCommand(D::kCmdOpen)->text, L"Openen...");
    });
    EXPECT_TRUE(driver.done());
}

} // namespace
