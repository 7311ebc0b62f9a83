// Whole-sheet scenarios as the dialogs use the grid: a report with typed columns
// and totals, growing a table by copying the last row's formats, and names that
// survive structural edits.

#include <gtest/gtest.h>

#include "platform/grid/engine/Sheet.h"

using namespace grid;

TEST(ScenarioTest, ReportWithNumberColumnsAndTotals) {
    Sheet s;
    s.setAutoCalc(false);
    s.setMaxCols(3);
    s.setMaxRows(6);
    s.setText(1, 0, "Name");
    s.setText(2, 0, "Length");
    s.setCellType({2, 1, 2, 6}, CellType::numberType(2, -99999999999999.0, 99999999999999.0));
    const double lengths[] = {1200.5, 800.25, 99.125, 0};
    for (int r = 1; r <= 4; ++r) {
        s.setText(1, r, "P" + std::to_string(r));
        ASSERT_TRUE(s.setData(2, r, formatNumber(lengths[r - 1])));
    }
    // The report writes its total in the default style and recalculates that cell.
    ASSERT_TRUE(s.setFormula(2, 6, "sum(#1:#4)").ok);
    s.recalcCell(2, 6);
    EXPECT_EQ(s.displayText(2, 6), "2099.88");
    EXPECT_EQ(s.valueText(2, 6), "2099.875");
    EXPECT_EQ(s.displayText(2, 3), "99.13");
    // The document's properties live in the corner tag and must come back whole.
    std::string props = "headerFile\xC2\xA4"
                        "h.kwh\xC2\xA4marginLeft\xC2\xA4"
                        "9\xC2\xA4";
    props += std::string(5000, 'x');
    ASSERT_TRUE(s.setTag(0, 0, props));
    EXPECT_EQ(s.tag(0, 0), props);
    // Switching the style only changes how formulas read back.
    s.setRefStyle(RefStyle::A1);
    EXPECT_EQ(s.formula(2, 6), "SUM(B$1:B$4)");
    s.setRefStyle(RefStyle::R1C1);
    EXPECT_EQ(s.formula(2, 6), "SUM(R1C:R4C)");
}

TEST(ScenarioTest, GrowingATableCopiesTheLastRowsFormatsOnly) {
    // What the wrapper's setRowCount does: raise the maximum, then copy the last
    // old row's formats onto each new row, which stays empty.
    Sheet s;
    s.setMaxCols(3);
    s.setMaxRows(2);
    s.setCellType({1, 2, 3, 2}, CellType::checkBox(768));
    s.setBorder({1, 2, 3, 2}, Border{kBorderRight, 6, 0});
    s.setData(1, 2, "1");
    ASSERT_TRUE(s.setMaxRows(5));
    for (int r = 3; r <= 5; ++r)
        ASSERT_TRUE(s.copyBlock({0, 2, 3, 2}, 0, r, kClearFormats));
    EXPECT_EQ(s.cellType(1, 5).code, CellTypeCode::CheckBox);
    EXPECT_EQ(s.format(3, 4).border.lineStyle, 6);
    EXPECT_EQ(s.displayText(1, 5), "0");
    EXPECT_TRUE(s.value(1, 5).isEmpty());
    // Inserting a row with copy duplicates the displaced row's contents and formats.
    ASSERT_TRUE(s.insertRows(2));
    ASSERT_TRUE(s.copyBlock({0, 3, 3, 3}, 0, 2));
    EXPECT_EQ(s.valueText(1, 2), "1");
    EXPECT_EQ(s.cellType(1, 2).code, CellTypeCode::CheckBox);
}

TEST(ScenarioTest, NamesAndReferencesSurviveStructuralEdits) {
    Sheet s;
    s.setMaxCols(5);
    s.setMaxRows(10);
    s.setNumber(2, 2, 3);
    s.setTag(2, 2, "depth");
    s.setNumber(2, 3, 4);
    ASSERT_TRUE(s.setFormula(4, 5, "depth*B3").ok);
    EXPECT_EQ(s.value(4, 5), Value::number(12));
    s.insertRows(1);
    s.insertCols(1);
    EXPECT_EQ(s.tag(3, 3), "depth");
    EXPECT_EQ(s.formula(5, 6), "depth*C4");
    s.setNumber(3, 3, 10);
    EXPECT_EQ(s.value(5, 6), Value::number(40));
    s.deleteRows(3); // the tagged cell goes, the name with it
    EXPECT_EQ(s.value(5, 5), Value::error(ErrorCode::Name));
    // Copying a block with a tag makes a second cell with that name; the first
    // in row order is the one formulas read.
    s.setNumber(1, 1, 7);
    s.setTag(1, 1, "depth");
    EXPECT_EQ(s.formula(5, 5), "depth*C3");
    ASSERT_TRUE(s.setFormula(5, 7, "depth+1").ok);
    EXPECT_EQ(s.value(5, 7), Value::number(8));
    s.copyBlock({1, 1, 1, 1}, 1, 9);
    s.setNumber(1, 9, 100);
    EXPECT_EQ(s.value(5, 7), Value::number(8));
}

TEST(ScenarioTest, ResetEmptiesTheSheetButKeepsCustomFunctions) {
    Sheet s;
    s.addCustomFunction({"ONE", 0, 0, 1, [](Sheet&, ValueRecord& r, const ValueRecord*, int) {
                             r.status = RecordStatus::Ok;
                             r.type = RecordType::Long;
                             r.longValue = 1;
                             return true;
                         }});
    s.setNumber(1, 1, 5);
    s.setTag(1, 1, "t");
    s.addSpan({1, 1, 2, 2});
    s.setOption(13, true);
    s.reset();
    EXPECT_TRUE(s.value(1, 1).isEmpty());
    EXPECT_EQ(s.attributes(1, 1), nullptr);
    EXPECT_TRUE(s.spans().empty());
    EXPECT_FALSE(s.option(13));
    EXPECT_TRUE(s.autoCalc());
    ASSERT_TRUE(s.setFormula(1, 1, "ONE()+1").ok);
    EXPECT_EQ(s.value(1, 1), Value::number(2));
}
