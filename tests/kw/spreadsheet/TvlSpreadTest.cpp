#include "SpreadTestSupport.h"

#include "kw/frame/Tvl_DlgPromptString.h"
#include "platform/base/Files.h"
#include "platform/grid/control/GridMessages.h"

#include <cstdlib>
#include <filesystem>

namespace spreadtest {
namespace {

TEST_F(SpreadTest, AttachReplacesThePlaceholderAndNothingWorksBefore) {
    auto other = std::make_unique<GridHostDialog>();
    other->attachOnInit = false;
    ASSERT_TRUE(other->create());
    Tvl_Spread& loose = other->grid;
    EXPECT_EQ(loose.rowCount(), -1);
    EXPECT_EQ(loose.colCount(), -1);
    Tvl_StringArray texts;
    texts.append(L"x");
    EXPECT_FALSE(loose.setColumnTexts(1, texts));
    EXPECT_FALSE(loose.getColumnTexts(1, texts));
    EXPECT_TRUE(texts.isEmpty());
    EXPECT_FALSE(loose.attach(other.get(), 4242)) << "no such item";
    EXPECT_FALSE(loose.isWindow()) << "a failed attach creates nothing";
    other->destroyWindow();

    ui::Window* placeholderGone = dlg->getDlgItem(kPlaceholderId);
    ASSERT_EQ(placeholderGone, &g()) << "the grid took the placeholder's identifier";
    EXPECT_EQ(g().className(), L"fpUSpread70");
    EXPECT_EQ(g().rowCount(), 0);
    EXPECT_EQ(g().colCount(), 0);
    EXPECT_EQ(g().appearance(), 1);
    for (int k = 0; k <= 2; ++k)
        EXPECT_FALSE(g().actionKey(k));
    // The grid keeps the placeholder's place in the tab order (after the edit).
    EXPECT_EQ(dlg->nextDlgTabItem(dlg->getDlgItem(kEditId), false), &g());
    // The rectangle: relative to the dialog's window rectangle, moved 5 left and 20 up.
    auto third = std::make_unique<GridHostDialog>();
    third->attachOnInit = false;
    ASSERT_TRUE(third->create());
    ui::Rect item = third->getDlgItem(kPlaceholderId)->getWindowRect();
    ui::Rect win = third->getWindowRect();
    ASSERT_TRUE(third->grid.attach(third.get(), kPlaceholderId));
    EXPECT_EQ(third->grid.rect(),
              (ui::Rect{item.left - win.left - 5, item.top - win.top - 20,
                        item.right - win.left - 5, item.bottom - win.top - 20}));
    third->destroyWindow();
}

TEST_F(SpreadTest, RowCountGrowthCopiesFormatsNotContentsAndShrinkingTruncates) {
    fill(3, 2);
    g().sheet().setCellType(2, 2, grid::CellType::checkBox(768));
    g().setRowCount(5);
    EXPECT_EQ(g().rowCount(), 5);
    EXPECT_EQ(g().sheet().cellType(2, 5).code, grid::CellTypeCode::CheckBox)
        << "formats of the last old row";
    EXPECT_EQ(g().data(1, 5), L"") << "new rows stay empty";
    EXPECT_EQ(g().cellFont(0, 5).weight, 700) << "row headers bold";
    EXPECT_EQ(g().cellFont(1, 5).name, "Tahoma");
    EXPECT_EQ(g().cellFont(1, 5).weight, 400);
    EXPECT_EQ(g().cellFont(2, 0).weight, 700) << "column headers bold";
    g().setRowCount(1);
    EXPECT_EQ(g().rowCount(), 1);
    EXPECT_EQ(g().data(1, 1), L"r1c1");
    g().setRowCount(2);
    EXPECT_EQ(g().data(1, 2), L"") << "truncated rows do not come back";
    g().setColCount(4, false);
    EXPECT_EQ(g().colCount(), 4);
    EXPECT_EQ(g().sheet().cellType(4, 1).code, grid::CellTypeCode::General);
}

TEST_F(SpreadTest, TypedColumnAndRowTransfers) {
    g().setColCount(3);
    g().setRowCount(3);
    Tvl_StringArray texts;
    for (const wchar_t* t : {L"a", L"b", L"c", L"d-beyond"})
        texts.append(t);
    EXPECT_TRUE(g().setColumnTexts(1, texts));
    EXPECT_FALSE(g().setColumnTexts(4, texts)) << "beyond the column count";
    Tvl_StringArray back;
    ASSERT_TRUE(g().getColumnTexts(1, back));
    ASSERT_EQ(back.length(), 3);
    EXPECT_EQ(back[2], Tvl_String(L"c"));

    Tvl_Array<double> reals{1.0, 2.345};
    EXPECT_TRUE(g().setColumnTexts(2, reals));
    EXPECT_EQ(g().value(2, 2), L"2.35") << "written with two decimals";
    Tvl_Array<double> realsBack;
    ASSERT_TRUE(g().getColumnTexts(2, realsBack));
    EXPECT_DOUBLE_EQ(realsBack[1], 2.35);

    std::vector<bool> flags{true, false, true};
    EXPECT_TRUE(g().setColumnTexts(3, flags));
    std::vector<bool> flagsBack;
    ASSERT_TRUE(g().getColumnTexts(3, flagsBack));
    EXPECT_EQ(flagsBack, flags);

    Tvl_Array<int> ints{2, 7, -1};
    EXPECT_TRUE(g().setColumnTexts(2, ints));
    Tvl_Array<int> intsBack;
    ASSERT_TRUE(g().getColumnTexts(2, intsBack));
    EXPECT_EQ(intsBack[0], 2);
    EXPECT_EQ(intsBack[1], 0) << "outside 0..row count written as 0";
    EXPECT_EQ(intsBack[2], 0);

    Tvl_StringArray heads;
    heads.append(L"Name");
    heads.append(L"Value");
    EXPECT_TRUE(g().setColHeaderTexts(heads));
    Tvl_StringArray headsBack;
    ASSERT_TRUE(g().getColHeaderTexts(headsBack));
    EXPECT_EQ(headsBack[0], Tvl_String(L"Name"));
    Tvl_StringArray rowHeads;
    rowHeads.append(L"first");
    EXPECT_TRUE(g().setRowHeaderTexts(rowHeads));
    Tvl_String text;
    EXPECT_TRUE(g().getCellText(Tvl_Spread::kHeader, 1, 0, text));
    EXPECT_EQ(text, Tvl_String(L"first"));
    g().setTag(1, 1, L"length");
    EXPECT_TRUE(g().getCellText(1, 1, 2, text));
    EXPECT_EQ(text, Tvl_String(L"length"));
    EXPECT_FALSE(g().getCellText(1, 3, 1, text)) << "no formula";
    EXPECT_TRUE(text.isEmpty());

    EXPECT_TRUE(g().setCellReal(1, 3, 12.5));
    double v = 0;
    EXPECT_TRUE(g().getCellReal(1, 3, v));
    EXPECT_DOUBLE_EQ(v, 12.5);

    Tvl_Array<Tvl_StringArray> rows;
    ASSERT_TRUE(g().getAllRows(rows));
    ASSERT_EQ(rows.length(), 3);
    EXPECT_EQ(rows[0][0], Tvl_String(L"a"));
    EXPECT_EQ(rows[2][0], Tvl_String(L"12.5"));
}

TEST_F(SpreadTest, FitModesFollowTheWindowSize) {
    fill(4, 2);
    const int W = g().getClientRect().width();
    g().setFitMode(1);
    EXPECT_EQ(g().colWidthPx(1), W / 5) << "row headers shown: five columns share";
    EXPECT_EQ(g().colWidthPx(0), W / 5);

    // A resize applies the mode again.
    ui::Rect r = g().rect();
    g().moveWindow(ui::Rect{r.left, r.top, r.left + 402, r.bottom});
    const int W2 = g().getClientRect().width();
    EXPECT_NE(W2, W);
    EXPECT_EQ(g().colWidthPx(3), W2 / 5);

    // Share: the last two columns get 50% between them.
    g().setFitMode(3, -2, 50);
    const int shared = W2 * 50 / 100 / 2;
    EXPECT_EQ(g().colWidthPx(3), shared);
    EXPECT_EQ(g().colWidthPx(4), shared);
    EXPECT_EQ(g().colWidthPx(1), (W2 - shared * 2) / 3);
    EXPECT_EQ(g().colWidthPx(0), (W2 - shared * 2) / 3);

    // One fixed column.
    g().setFitMode(4, 2, 100);
    EXPECT_EQ(g().colWidthPx(2), 100);
    EXPECT_EQ(g().colWidthPx(1), (W2 - 100) / 4);

    // Several fixed; the pair beyond the shorter list is ignored.
    Tvl_Array<int> cols{1, Tvl_Spread::kHeader, 3};
    Tvl_Array<int> widths{50, 30};
    g().setFitMode(cols, widths);
    EXPECT_EQ(g().colWidthPx(1), 50);
    EXPECT_EQ(g().colWidthPx(0), 30);
    EXPECT_EQ(g().colWidthPx(3), (W2 - 80) / 3);

    // Contents: every column as wide as its widest text.
    g().setData(2, 1, L"a much longer text than the others");
    g().setFitMode(2);
    EXPECT_GT(g().colWidthPx(2), g().colWidthPx(1));
    EXPECT_EQ(g().sheet().cellType(1, 0).style, 140u);
}

TEST_F(SpreadTest, CheckBoxColumnsButtonsAndCheckPairsRespondToClicks) {
    fill(3, 3);
    ASSERT_TRUE(g().setColumnCheckBox(1, true, true));
    ASSERT_TRUE(g().setColumnCheckBox(2));
    auto span = g().sheet().spanAt(2, 0);
    ASSERT_TRUE(span.has_value()) << "the header spans this and the next column";
    EXPECT_EQ(span->col, 1);
    EXPECT_EQ(g().sheet().format(1, 2).border.lineStyle, 6);
    ASSERT_TRUE(g().setCheckPair(1, 2));
    EXPECT_FALSE(g().setCheckPair(1, 9));
    for (int r = 1; r <= 3; ++r)
        EXPECT_EQ(g().value(2, r), L"1") << "targets start as the inverse of the sources";

    clickCell(1, 2);
    EXPECT_EQ(g().value(1, 2), L"1");
    EXPECT_EQ(g().value(2, 2), L"0");
    int col = 0, row = 0;
    ASSERT_TRUE(g().activeCell(col, row));
    EXPECT_EQ(col, 2) << "the active cell moves to the target column";
    EXPECT_TRUE(g().option(30));

    ASSERT_TRUE(g().setCellButton(3, 1, L"Pick"));
    ui::ScriptedDriver driver;
    clickCell(3, 1);
    ASSERT_TRUE(g().activeCell(col, row));
    EXPECT_EQ(col, 3);
}

TEST_F(SpreadTest, RightButtonMenuInsertsACopyOfTheClickedRow) {
    fill(2, 3);
    Tvl_Array<int> kinds{Tvl_Spread::kMenuSeparator, Tvl_Spread::kMenuInsertRow,
                         Tvl_Spread::kMenuDeleteRow};
    g().setMenuItems(kinds);
    ui::ScriptedDriver driver;
    driver.choosePopupItem(32811); // the first item that is not a separator
    activate(1, 1);
    ASSERT_TRUE(ui::rightClick(*dlg, at(1, 2)));
    ASSERT_EQ(driver.popupMenus().size(), 1u);
    EXPECT_NE(driver.popupMenus()[0].find("Insert row"), std::string::npos)
        << driver.popupMenus()[0];
    EXPECT_NE(driver.popupMenus()[0].find("Delete row"), std::string::npos);
    EXPECT_EQ(g().rowCount(), 4);
    EXPECT_EQ(g().data(1, 2), L"r2c1") << "a copy of the row that was clicked";
    EXPECT_EQ(g().data(1, 3), L"r2c1");
    EXPECT_EQ(g().data(1, 4), L"r3c1");
    EXPECT_TRUE(g().option(30));

    driver.choosePopupItem(32812);
    ASSERT_TRUE(ui::rightClick(*dlg, at(1, 4)));
    EXPECT_EQ(g().rowCount(), 3);
    EXPECT_EQ(g().data(1, 3), L"r2c1");
    EXPECT_TRUE(driver.done());
}

TEST_F(SpreadTest, MenuCopyPasteChecksAndColumnsWithTheTitlePrompt) {
    fill(2, 2);
    g().setColumnCheckBox(2);
    Tvl_Array<int> kinds{Tvl_Spread::kMenuCopy,      Tvl_Spread::kMenuPaste,
                         Tvl_Spread::kMenuSeparator, Tvl_Spread::kMenuInsertCol,
                         Tvl_Spread::kMenuDeleteCol, Tvl_Spread::kMenuSeparator,
                         Tvl_Spread::kMenuCheckAll,  Tvl_Spread::kMenuUncheckAll};
    g().setMenuItems(kinds);
    ui::ScriptedDriver driver;
    driver.choosePopupItem(32818); // check all: the fifth command
    ASSERT_TRUE(ui::rightClick(*dlg, at(1, 1)));
    EXPECT_EQ(g().value(2, 1), L"1");
    EXPECT_EQ(g().value(2, 2), L"1");
    EXPECT_EQ(g().data(1, 1), L"r1c1") << "only check-box cells change";
    driver.choosePopupItem(32800);
    ASSERT_TRUE(ui::rightClick(*dlg, at(1, 1)));
    EXPECT_EQ(g().value(2, 2), L"0");

    driver.choosePopupItem(32811); // copy r1c1
    ASSERT_TRUE(ui::rightClick(*dlg, at(1, 1)));
    driver.choosePopupItem(32812); // paste into (1,2)
    ASSERT_TRUE(ui::rightClick(*dlg, at(1, 2)));
    EXPECT_EQ(g().data(1, 2), L"r1c1");

    // Insert column asks for the title.
    driver.choosePopupItem(32816);
    driver.onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), L"Insert");
        EXPECT_EQ(d.getDlgItemText(Tvl_DlgPromptString::kPromptId),
                  L"Enter the title of the new column:");
        EXPECT_EQ(d.getDlgItemText(Tvl_DlgPromptString::kValueId), L"New");
        EXPECT_EQ(d.getDlgItemText(ui::IDOK), L"Ok");
        ASSERT_TRUE(ui::typeText(d, Tvl_DlgPromptString::kValueId, L"Weight"));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(ui::rightClick(*dlg, at(1, 1)));
    EXPECT_EQ(g().colCount(), 3);
    EXPECT_EQ(g().data(1, 0), L"Weight");
    EXPECT_EQ(g().data(1, 1), L"r1c1") << "a copy of the displaced column";
    EXPECT_EQ(g().data(2, 1), L"r1c1");
    EXPECT_TRUE(driver.done());
}

TEST_F(SpreadTest, InsertRowWithTitlePromptAndCancel) {
    fill(2, 2);
    ui::ScriptedDriver driver;
    driver.onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog& d) {
        EXPECT_EQ(d.getDlgItemText(Tvl_DlgPromptString::kPromptId),
                  L"Enter the title of the new row:");
        ASSERT_TRUE(ui::typeText(d, Tvl_DlgPromptString::kValueId, L"Extra"));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(g().insertRowAt(3, true, false));
    EXPECT_EQ(g().rowCount(), 3);
    EXPECT_EQ(g().data(0, 3), L"Extra");
    EXPECT_EQ(g().cellFont(0, 3).weight, 700);
    driver.onDialog(Tvl_DlgPromptString::kTemplateId,
                    [](ui::Dialog& d) { ui::click(d, ui::IDCANCEL); });
    ASSERT_TRUE(g().insertRowAt(1, true, false));
    EXPECT_EQ(g().data(0, 1), L"");
    EXPECT_EQ(g().data(1, 2), L"r1c1");
    EXPECT_FALSE(g().insertRowAt(6, false, false)) << "at most one past the last row";
    EXPECT_TRUE(driver.done());
}

TEST_F(SpreadTest, MoveAndDeleteRowsAndColumns) {
    fill(2, 3);
    activate(1, 2);
    EXPECT_TRUE(g().moveRow(true));
    EXPECT_EQ(g().data(1, 1), L"r2c1");
    EXPECT_EQ(g().data(2, 2), L"r1c2");
    int col = 0, row = 0;
    g().activeCell(col, row);
    EXPECT_EQ(row, 1);
    EXPECT_FALSE(g().moveRow(true)) << "already at the top";
    EXPECT_TRUE(g().deleteColAt(1));
    EXPECT_EQ(g().colCount(), 1);
    EXPECT_EQ(g().data(1, 1), L"r2c2");
    EXPECT_TRUE(g().deleteRowAt(3));
    EXPECT_EQ(g().rowCount(), 2);
    EXPECT_FALSE(g().deleteRowAt(3));
}

TEST_F(SpreadTest, TabLeavesTheGridOnlyAtItsEdgeCells) {
    fill(2, 2);
    g().sheet().setLocked({2, 2, 2, 2}, true); // the last cell cannot be edited
    dlg->getDlgItem(kEditId)->setFocus();
    ASSERT_TRUE(ui::tab());
    EXPECT_TRUE(g().hasFocus());
    int col = 0, row = 0;
    // No active cell yet: Tab makes (1,1) active and moves on inside the grid.
    ASSERT_TRUE(ui::tab());
    ASSERT_TRUE(g().activeCell(col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 1);
    ASSERT_TRUE(ui::tab());
    ASSERT_TRUE(g().activeCell(col, row));
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 2);
    // (1,2) is the last editable cell: Tab leaves forwards, also from cell edit mode.
    ASSERT_TRUE(ui::typeText(L"x"));
    EXPECT_TRUE(g().isEditing());
    ASSERT_TRUE(ui::tab());
    EXPECT_TRUE(dlg->getDlgItem(ui::IDOK)->hasFocus());
    EXPECT_EQ(g().data(1, 2), L"x") << "leaving committed the edit";
    // Back in with Shift+Tab, then to the first cell and out backwards.
    ASSERT_TRUE(ui::tab(true));
    EXPECT_TRUE(g().hasFocus());
    ASSERT_TRUE(g().setActiveCell(1, 1));
    ASSERT_TRUE(ui::tab(true));
    EXPECT_TRUE(dlg->getDlgItem(kEditId)->hasFocus());
    // tabExit answers only for Tab and while the grid holds the focus.
    EXPECT_EQ(g().tabExit(ui::VK_TAB), Tvl_Spread::kTabStay);
    g().setFocus();
    EXPECT_EQ(g().tabExit(ui::VK_RETURN), Tvl_Spread::kTabStay);
    EXPECT_TRUE(g().focusEdgeCell(true));
    g().activeCell(col, row);
    EXPECT_EQ(col, 1);
    EXPECT_EQ(row, 2);
}

TEST_F(SpreadTest, F8TogglesOption13WhenAllowedAndPassesTheKeyOn) {
    fill(1, 1);
    activate(1, 1);
    const bool before = g().option(13);
    dlg->keysSeen.clear();
    ASSERT_TRUE(ui::key(ui::VK_F8));
    EXPECT_NE(g().option(13), before);
    EXPECT_EQ(dlg->keysSeen, std::vector<int>{ui::VK_F8}) << "F8 goes on to the dialog";
    g().m_f8ToggleAllowed = false;
    ASSERT_TRUE(ui::key(ui::VK_F8));
    EXPECT_NE(g().option(13), before);
    EXPECT_EQ(dlg->keysSeen.size(), 2u);
    // F3 and F5 are the grid's own: the dialog never sees them.
    ASSERT_TRUE(ui::key(ui::VK_F3));
    ASSERT_TRUE(ui::key(ui::VK_F5));
    EXPECT_EQ(dlg->keysSeen.size(), 2u);
    g().deleteFindReplace();
}

TEST_F(SpreadTest, InsertedCopiesAndMovedRowsTakeTheirHeaderCellsAlong) {
    fill(2, 3);
    g().setRowHeaderTexts([] {
        Tvl_StringArray t;
        t.append(L"first");
        t.append(L"second");
        t.append(L"third");
        return t;
    }());
    // A copy of the displaced row, its title included.
    ASSERT_TRUE(g().insertRowAt(2, false, true));
    EXPECT_EQ(g().data(0, 2), L"second");
    EXPECT_EQ(g().data(2, 2), L"r2c2") << "the last column is copied too";
    EXPECT_EQ(g().data(0, 3), L"second");
    // Moving a row moves its title with it.
    activate(1, 4);
    ASSERT_TRUE(g().moveRow(true));
    EXPECT_EQ(g().data(0, 3), L"third");
    EXPECT_EQ(g().data(2, 3), L"r3c2");
    EXPECT_EQ(g().data(0, 4), L"second");
    // Columns likewise, with the header row.
    g().setColHeaderTexts([] {
        Tvl_StringArray t;
        t.append(L"A-title");
        t.append(L"B-title");
        return t;
    }());
    ASSERT_TRUE(g().insertColAt(1, false, true));
    EXPECT_EQ(g().data(1, 0), L"A-title");
    EXPECT_EQ(g().data(1, 4), L"r2c1") << "the last row is copied too";
}

TEST_F(SpreadTest, BlockFontsSetTheTipFontButNotTheTipModeOrDelay) {
    fill(2, 2);
    g().setTextTip(1, 250);
    g().setBlockFont(0, 0, 2, 0, true, true);
    EXPECT_EQ(g().textTipMode(), 1);
    EXPECT_EQ(g().textTipDelay(), 250);
    EXPECT_EQ(g().textTipFont().weight, 700);
    EXPECT_EQ(g().textTipFont().name, "Tahoma");
    g().setRowCount(4); // the header fonts of new rows, with text tips
    EXPECT_EQ(g().textTipMode(), 1);
    EXPECT_EQ(g().textTipDelay(), 250);
}

TEST_F(SpreadTest, ColumnTextsFromAPlainArrayOfTexts) {
    fill(2, 2);
    Tvl_Array<Tvl_String> texts;
    texts.append(Tvl_String(L"x"));
    texts.append(Tvl_String(L"y"));
    texts.append(Tvl_String(L"beyond the last row"));
    EXPECT_TRUE(g().setColumnTexts(2, texts));
    EXPECT_EQ(g().data(2, 1), L"x");
    EXPECT_EQ(g().data(2, 2), L"y");
    EXPECT_EQ(g().rowCount(), 2);
    EXPECT_FALSE(g().setColumnTexts(3, texts)) << "beyond the last column";
    EXPECT_TRUE(g().setColumnTexts(Tvl_Spread::kHeader, texts));
    EXPECT_EQ(g().data(0, 1), L"x");
}

TEST_F(SpreadTest, TheGridsNamedFunctionsExportBackColourAndCustomFunctions) {
    fill(3, 2);
    const char* tmp = std::getenv("TVL_TEST_TMP");
    const std::filesystem::path dir = std::filesystem::path(tmp ? tmp : "/tmp") / "tspread";
    std::filesystem::create_directories(dir);
    const std::string file = (dir / "export.txt").string();
    ASSERT_TRUE(g().SSExportToTextFile(-1, -1, -1, -1, file, "", "|", "", 0x19, ""));
    EXPECT_EQ(base::readFile(file).value_or(""), "r1c1|r1c2|r1c3\r\nr2c1|r2c2|r2c3\r\n");
    ASSERT_TRUE(g().SSExportToTextFile(3, 2, 3, 2, file, "'", "|", ";", 0x01, ""));
    EXPECT_EQ(base::readFile(file).value_or(""), "'r2c3';\r\n") << "the last column alone";
    EXPECT_FALSE(g().SSExportToTextFile(1, 1, 1, 1, file, "", "", "", 0x400, ""))
        << "an unknown flag";
    EXPECT_FALSE(
        g().SSExportToTextFile(1, 1, 1, 1, (dir / "no" / "x.txt").string(), "", "", "", 0, ""));

    EXPECT_EQ(g().backColorStyle(), grid::GridControl::kBackUnderGrid);
    EXPECT_TRUE(g().SSSetBackColorStyle(grid::GridControl::kBackOverGrid));
    EXPECT_FALSE(g().SSSetBackColorStyle(4));
    EXPECT_EQ(g().backColorStyle(), grid::GridControl::kBackOverGrid);

    ASSERT_TRUE(g().SSAddCustomFunctionExt(
        "TWICE", 1, 1,
        [](grid::Sheet&, grid::ValueRecord& result, const grid::ValueRecord* args, int) {
            result.status = grid::RecordStatus::Ok;
            result.type = grid::RecordType::Double;
            result.doubleValue =
                2 * (args[0].type == grid::RecordType::Long ? static_cast<double>(args[0].longValue)
                                                            : args[0].doubleValue);
            return true;
        },
        1));
    EXPECT_FALSE(g().SSAddCustomFunctionExt("", 0, 0, nullptr, 1));
    EXPECT_FALSE(g().SSAddCustomFunctionExt("BAD", 3, 2, nullptr, 1));
    g().setOption(7, true);
    ASSERT_TRUE(g().setFormula(1, 1, L"TWICE(21)"));
    g().sheet().recalcAll();
    EXPECT_EQ(g().value(1, 1), L"42");
}

TEST_F(SpreadTest, StandardLookSetsTheOptionsOfItsVariant) {
    g().setStandardLook(1);
    EXPECT_TRUE(g().option(13));
    EXPECT_FALSE(g().option(10));
    EXPECT_FALSE(g().option(7)) << "automatic recalculation off";
    EXPECT_TRUE(g().option(8));
    EXPECT_TRUE(g().option(4));
    EXPECT_EQ(g().selBackColor(), 0x6A240Au);
    EXPECT_EQ(g().lockBackColor(), 0xE6E6E6u);
    EXPECT_EQ(g().setting(0), 0);
    g().setStandardLook(0);
    EXPECT_FALSE(g().option(13));
    EXPECT_TRUE(g().option(10));
    EXPECT_EQ(g().setting(0), 5);
}

} // namespace
} // namespace spreadtest
