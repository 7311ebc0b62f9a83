// Conditional aggregates on a sheet: ranges far larger than the data, criteria and
// values that change, blocks at different places of one size.

#include <gtest/gtest.h>

#include "platform/grid/engine/Sheet.h"

using namespace grid;

TEST(ConditionalTest, WholeSheetRangesCountTheEmptyCellsWithoutVisitingThem) {
    Sheet s;
    s.setMaxCols(Sheet::kLimitCols);
    s.setMaxRows(Sheet::kLimitRows);
    s.setRefStyle(RefStyle::A1);
    s.setNumber(1, 1, 5);
    s.setText(2, 3, "x");
    // The formulas sit in the last column, outside the blocks they count.
    const int32_t f = Sheet::kLimitCols;
    s.setFormula(f, 1, "COUNTIF(A1:AVLF16777216,\"\")");
    s.setFormula(f, 2, "COUNTBLANK(A1:AVLF16777216)");
    s.setFormula(f, 3, "COUNTIFS(A1:A16777216,\"<>5\",B1:B16777216,\"<>x\")");
    s.setFormula(f, 4, "SUMPRODUCT(A1:AVLF16777216,A1:AVLF16777216)");
    const double cells = 32766.0 * 16777216.0;
    EXPECT_EQ(s.value(f, 1), Value::number(cells - 2));
    EXPECT_EQ(s.value(f, 2), Value::number(cells - 2));
    EXPECT_EQ(s.value(f, 3), Value::number(16777216.0 - 2));
    EXPECT_EQ(s.value(f, 4), Value::number(25));
}

TEST(ConditionalTest, ChangedCriteriaAndValuesRecalculate) {
    Sheet s;
    s.setMaxCols(6);
    s.setMaxRows(10);
    s.setRefStyle(RefStyle::A1);
    for (int r = 1; r <= 5; ++r) {
        s.setText(1, r, r % 2 ? "bolt" : "plate");
        s.setNumber(2, r, r * 10);
    }
    s.setText(4, 1, "bolt");
    s.setFormula(5, 1, "SUMIF(A1:A5,D1,B1:B5)");
    s.setFormula(5, 2, "COUNTIF(A1:A5,\"<>\"&D1)");
    s.setFormula(5, 3, "AVERAGEIFS(B1:B5,A1:A5,D1,B1:B5,\">10\")");
    EXPECT_EQ(s.value(5, 1), Value::number(90));
    EXPECT_EQ(s.value(5, 2), Value::number(2));
    EXPECT_EQ(s.value(5, 3), Value::number(40));
    s.setText(4, 1, "PLATE"); // criteria ignore case
    EXPECT_EQ(s.value(5, 1), Value::number(60));
    EXPECT_EQ(s.value(5, 2), Value::number(3));
    EXPECT_EQ(s.value(5, 3), Value::number(30));
    s.setNumber(2, 4, 1); // a value inside the summed block
    EXPECT_EQ(s.value(5, 1), Value::number(21));
    EXPECT_EQ(s.value(5, 3), Value::number(20));
}

TEST(ConditionalTest, BlocksOfOneSizeMayLieAnywhere) {
    Sheet s;
    s.setMaxCols(8);
    s.setMaxRows(20);
    s.setRefStyle(RefStyle::A1);
    // Criteria in A1:A3, values three rows lower in another column.
    for (int r = 1; r <= 3; ++r) {
        s.setNumber(1, r, r);
        s.setNumber(3, r + 3, r * 100);
    }
    s.setFormula(5, 1, "SUMIFS(C4:C6,A1:A3,\">=2\")");
    s.setFormula(5, 2, "SUMIF(A1:A3,\">=2\",C4)"); // the sum block grows from C4
    s.setFormula(5, 3, "SUMIFS(C4:C6,A1:A4,\">=2\")");
    s.setFormula(5, 4, "COUNTIF(A1:A3,\">=\"&A2)");
    EXPECT_EQ(s.value(5, 1), Value::number(500));
    EXPECT_EQ(s.value(5, 2), Value::number(500));
    EXPECT_EQ(s.value(5, 3), Value::error(ErrorCode::Value));
    EXPECT_EQ(s.value(5, 4), Value::number(2));
}
