// Inserting and deleting rows and columns, copying, moving and clearing blocks,
// sheet size changes, spans: contents, formats and references stay consistent.

#include <gtest/gtest.h>

#include "platform/grid/engine/Sheet.h"

using namespace grid;

namespace {

void fill(Sheet& s, int cols, int rows) {
    s.setMaxCols(cols);
    s.setMaxRows(rows);
    s.setRefStyle(RefStyle::A1);
}

} // namespace

TEST(EditTest, InsertedRowsShiftCellsAndReferences) {
    Sheet s;
    fill(s, 5, 20);
    for (int r = 1; r <= 5; ++r)
        s.setNumber(1, r, r);
    s.setFormula(2, 1, "SUM(A1:A5)");
    s.setFormula(3, 1, "A3*$A$4");
    s.setTag(1, 3, "three");
    s.setNote(1, 4, "four");
    s.setRowHeight(4, 33);
    ASSERT_TRUE(s.insertRows(3, 2));
    EXPECT_TRUE(s.value(1, 3).isEmpty());
    EXPECT_EQ(s.value(1, 5), Value::number(3));
    EXPECT_EQ(s.formula(2, 1), "SUM(A1:A7)");
    EXPECT_EQ(s.formula(3, 1), "A5*$A$6");
    EXPECT_EQ(s.value(3, 1), Value::number(12));
    EXPECT_EQ(s.tag(1, 5), "three");
    EXPECT_EQ(s.note(1, 6), "four");
    EXPECT_EQ(s.rowHeight(6), 33);
    // Formulas that move keep pointing at the same cells.
    s.setFormula(4, 8, "A7+1");
    s.insertRows(1);
    EXPECT_EQ(s.formula(4, 9), "A8+1");
    EXPECT_EQ(s.value(4, 9), Value::number(6));
}

TEST(EditTest, DeletedRowsTurnReferencesIntoRefErrors) {
    Sheet s;
    fill(s, 5, 20);
    for (int r = 1; r <= 6; ++r)
        s.setNumber(1, r, r);
    s.setFormula(2, 1, "A3");
    s.setFormula(3, 1, "SUM(A2:A5)");
    s.setFormula(4, 1, "SUM(A3:A4)");
    s.setFormula(5, 1, "A6");
    ASSERT_TRUE(s.deleteRows(3, 2));
    EXPECT_EQ(s.formula(2, 1), "#REF!");
    EXPECT_EQ(s.value(2, 1), Value::error(ErrorCode::Ref));
    EXPECT_EQ(s.formula(3, 1), "SUM(A2:A3)");
    EXPECT_EQ(s.value(3, 1), Value::number(2 + 5));
    EXPECT_EQ(s.formula(4, 1), "SUM(#REF!)");
    EXPECT_EQ(s.formula(5, 1), "A4");
    EXPECT_EQ(s.value(5, 1), Value::number(6));
    EXPECT_FALSE(s.deleteRows(0));
    EXPECT_FALSE(s.deleteRows(21));
}

TEST(EditTest, RowsPushedBeyondTheMaximumFallOff) {
    Sheet s;
    fill(s, 3, 5);
    s.setNumber(1, 5, 7);
    s.setFormula(2, 1, "A5");
    s.setFormula(2, 5, "A1");
    s.insertRows(1);
    EXPECT_EQ(s.maxRows(), 5);
    EXPECT_TRUE(s.value(1, 5).isEmpty());
    EXPECT_FALSE(s.hasFormula(2, 5));
    EXPECT_EQ(s.formula(2, 2), "#REF!");
}

TEST(EditTest, ColumnsInsertAndDeleteLikeRows) {
    Sheet s;
    fill(s, 10, 5);
    for (int c = 1; c <= 4; ++c)
        s.setNumber(c, 1, c * 10);
    s.setFormula(1, 2, "SUM(A1:D1)+C1");
    s.setColumnWidth(3, 99);
    s.insertCols(2);
    EXPECT_EQ(s.formula(1, 2), "SUM(A1:E1)+D1");
    EXPECT_EQ(s.value(4, 1), Value::number(30));
    EXPECT_EQ(s.columnWidth(4), 99);
    s.deleteCols(4);
    EXPECT_EQ(s.formula(1, 2), "SUM(A1:D1)+#REF!");
    EXPECT_EQ(s.value(1, 2), Value::error(ErrorCode::Ref));
    s.setFormula(1, 3, "SUM(A1:D1)");
    EXPECT_EQ(s.value(1, 3), Value::number(70));
}

TEST(EditTest, CopiedFormulasShiftTheirRelativeReferences) {
    Sheet s;
    fill(s, 6, 10);
    s.setNumber(1, 1, 1);
    s.setNumber(1, 2, 2);
    s.setFormula(2, 1, "A1*10+$A$1");
    s.setFormat(2, 1,
                CellFormat{true, Font{"Arial", 12, 700}, 0xFF, 0x00, Border{}, HAlign::Right});
    s.setTag(2, 1, "tagged");
    ASSERT_TRUE(s.copyBlock({2, 1, 2, 1}, 2, 2));
    EXPECT_EQ(s.formula(2, 2), "A2*10+$A$1");
    EXPECT_EQ(s.value(2, 2), Value::number(21));
    EXPECT_EQ(s.format(2, 2).font.name, "Arial");
    EXPECT_EQ(s.format(2, 2).hAlign, HAlign::Right);
    // Formats only: the target keeps its contents.
    s.setNumber(3, 5, 9);
    ASSERT_TRUE(s.copyBlock({2, 1, 2, 1}, 3, 5, kClearFormats));
    EXPECT_EQ(s.value(3, 5), Value::number(9));
    EXPECT_EQ(s.format(3, 5).back, 0xFFu);
    // Overlapping copy down by one row.
    s.setNumber(5, 1, 1);
    s.setNumber(5, 2, 2);
    s.setNumber(5, 3, 3);
    ASSERT_TRUE(s.copyBlock({5, 1, 5, 3}, 5, 2));
    EXPECT_EQ(s.value(5, 2), Value::number(1));
    EXPECT_EQ(s.value(5, 3), Value::number(2));
    EXPECT_EQ(s.value(5, 4), Value::number(3));
    EXPECT_FALSE(s.copyBlock({1, 1, 2, 2}, 6, 10));
}

TEST(EditTest, MovedCellsTakeTheirReferencesAlong) {
    Sheet s;
    fill(s, 6, 10);
    s.setNumber(1, 1, 4);
    s.setNumber(1, 2, 5);
    s.setFormula(1, 3, "A1+A2");
    s.setFormula(3, 1, "SUM(A1:A2)*A3");
    s.setNote(1, 1, "moved note");
    ASSERT_TRUE(s.moveBlock({1, 1, 1, 3}, 4, 2));
    EXPECT_TRUE(s.value(1, 1).isEmpty());
    EXPECT_TRUE(s.note(1, 1).empty());
    EXPECT_EQ(s.note(4, 2), "moved note");
    EXPECT_EQ(s.formula(4, 4), "D2+D3");
    EXPECT_EQ(s.formula(3, 1), "SUM(D2:D3)*D4");
    EXPECT_EQ(s.value(3, 1), Value::number(81));
    s.setNumber(4, 2, 1);
    EXPECT_EQ(s.value(3, 1), Value::number(36));
    // Moving one row down over itself (the wrapper's moveRow).
    s.setNumber(6, 1, 1);
    s.setNumber(6, 2, 2);
    ASSERT_TRUE(s.moveBlock({6, 1, 6, 1}, 6, 3));
    EXPECT_EQ(s.value(6, 3), Value::number(1));
    EXPECT_TRUE(s.value(6, 1).isEmpty());
}

TEST(EditTest, ClearAndSizeChanges) {
    Sheet s;
    fill(s, 5, 10);
    for (int r = 1; r <= 10; ++r)
        s.setNumber(1, r, r);
    s.setFormula(2, 1, "SUM(A1:A10)");
    s.setNote(1, 2, "n");
    s.setCellType(1, 2, CellType::numberType(1, 0, 100));
    ASSERT_TRUE(s.clear({1, 1, 1, 3}, kClearData));
    EXPECT_TRUE(s.value(1, 2).isEmpty());
    EXPECT_EQ(s.cellType(1, 2).code, CellTypeCode::Number);
    EXPECT_EQ(s.value(2, 1), Value::number(49));
    ASSERT_TRUE(s.clear({1, 1, 1, 3}, kClearAll));
    EXPECT_EQ(s.attributes(1, 2), nullptr);
    // Shrinking drops what lies beyond; growing brings back nothing.
    ASSERT_TRUE(s.setMaxRows(5));
    EXPECT_EQ(s.value(2, 1), Value::number(4 + 5));
    ASSERT_TRUE(s.setMaxRows(10));
    EXPECT_TRUE(s.value(1, 8).isEmpty());
    EXPECT_FALSE(s.setNumber(1, 11, 1));
    EXPECT_FALSE(s.setNumber(6, 1, 1));
    EXPECT_FALSE(s.setMaxRows(-1));
}

TEST(EditTest, SpansAreAnchoredDoNotOverlapAndFollowRows) {
    Sheet s;
    fill(s, 6, 10);
    ASSERT_TRUE(s.addSpan({2, 2, 2, 3}));
    EXPECT_FALSE(s.addSpan({3, 3, 2, 2}));
    EXPECT_FALSE(s.addSpan({5, 9, 3, 1}));
    EXPECT_TRUE(s.addSpan({1, 0, 2, 1})); // a header span
    auto sp = s.spanAt(3, 4);
    ASSERT_TRUE(sp);
    EXPECT_EQ(sp->col, 2);
    EXPECT_EQ(sp->row, 2);
    EXPECT_FALSE(s.spanAt(4, 4));
    s.insertRows(1);
    ASSERT_TRUE(s.spanAt(2, 3));
    EXPECT_EQ(s.spanAt(2, 3)->row, 3);
    EXPECT_TRUE(s.spanAt(2, 0));
    s.insertRows(4); // inside the span: it grows
    EXPECT_EQ(s.spanAt(2, 3)->rows, 4);
    EXPECT_TRUE(s.removeSpan(2, 3));
    EXPECT_FALSE(s.removeSpan(2, 3));
}
