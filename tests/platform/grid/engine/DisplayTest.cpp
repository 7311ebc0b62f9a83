// Display texts and values by cell type, and what typing into a typed cell does.

#include <gtest/gtest.h>

#include "platform/grid/engine/Sheet.h"

using namespace grid;

TEST(DisplayTest, NumberCellsShowTheirDecimalsAndKeepThePlainValue) {
    Sheet s;
    s.setCellType({1, 1, 2, 3}, CellType::numberType(2, -9999, 9999));
    ASSERT_TRUE(s.setData(1, 1, "3.14159"));
    EXPECT_EQ(s.displayText(1, 1), "3.14");
    EXPECT_EQ(s.valueText(1, 1), "3.14159");
    EXPECT_EQ(s.value(1, 1), Value::number(3.14159));
    EXPECT_FALSE(s.setData(1, 2, "abc"));
    EXPECT_FALSE(s.setData(1, 2, "10000"));
    EXPECT_TRUE(s.value(1, 2).isEmpty());
    ASSERT_TRUE(s.setData(1, 2, "-0.001"));
    EXPECT_EQ(s.displayText(1, 2), "0.00");
    // A formula in a number cell shows its result with the decimals.
    ASSERT_TRUE(s.setData(2, 1, "=A1*2"));
    EXPECT_EQ(s.displayText(2, 1), "6.28");
    s.setCellType(2, 2, CellType::numberType(0, 1, -1));
    s.setData(2, 2, "2.5");
    EXPECT_EQ(s.displayText(2, 2), "3"); // halves round away from zero
}

TEST(DisplayTest, CheckBoxComboButtonAndPictureCells) {
    Sheet s;
    s.setCellType(1, 1, CellType::checkBox(768));
    EXPECT_EQ(s.displayText(1, 1), "0");
    ASSERT_TRUE(s.setData(1, 1, "1"));
    EXPECT_EQ(s.valueText(1, 1), "1");
    EXPECT_FALSE(s.setData(1, 1, "maybe"));

    s.setCellType(2, 1, CellType::comboBox("red\tgreen\tblue", 0x100000));
    ASSERT_TRUE(s.setData(2, 1, "green"));
    EXPECT_EQ(s.valueText(2, 1), "1");
    EXPECT_EQ(s.displayText(2, 1), "green");
    ASSERT_TRUE(s.setData(2, 1, "2"));
    EXPECT_EQ(s.displayText(2, 1), "blue");
    EXPECT_FALSE(s.setData(2, 1, "purple"));
    s.setCellType(2, 2, CellType::comboBox("a\tb", 0x100000 + kStyleComboEditable));
    EXPECT_TRUE(s.setData(2, 2, "free text"));
    EXPECT_EQ(s.displayText(2, 2), "free text");

    s.setCellType(3, 1, CellType::button("Press"));
    EXPECT_EQ(s.displayText(3, 1), "Press");
    s.setCellType(3, 2, CellType::pictureType("pic.bmp", 38));
    s.setText(3, 2, "ignored");
    EXPECT_EQ(s.displayText(3, 2), "");
    EXPECT_EQ(s.cellType(3, 2).picture, "pic.bmp");
}

TEST(DisplayTest, EditCellsLimitTheirLengthAndPlainCellsTakeNumbers) {
    Sheet s;
    s.setCellType(1, 1, CellType::edit(5));
    ASSERT_TRUE(s.setData(1, 1, "abcdefgh"));
    EXPECT_EQ(s.value(1, 1), Value::text("abcde"));
    ASSERT_TRUE(s.setData(1, 1, "ééééééé"));
    EXPECT_EQ(s.value(1, 1), Value::text("ééééé"));
    ASSERT_TRUE(s.setData(1, 1, "12"));
    EXPECT_EQ(s.value(1, 1), Value::number(12));
    ASSERT_TRUE(s.setData(2, 1, "1e3"));
    EXPECT_EQ(s.value(2, 1), Value::number(1000));
    ASSERT_TRUE(s.setData(2, 1, "1,5"));
    EXPECT_EQ(s.value(2, 1), Value::text("1,5"));
    ASSERT_TRUE(s.setData(2, 1, ""));
    EXPECT_TRUE(s.value(2, 1).isEmpty());
    EXPECT_EQ(s.displayText(2, 1), "");
}

TEST(DisplayTest, WidthsAndHeightsFollowTheUnitType) {
    Sheet s;
    EXPECT_EQ(s.columnWidth(1), Sheet::kDefaultColumnWidthPx);
    s.setColumnWidth(2, 100);
    s.setUnitType(UnitType::Twips);
    EXPECT_EQ(s.columnWidth(2), 1500);
    s.setRowHeight(0, 300);
    s.setUnitType(UnitType::Pixels);
    EXPECT_EQ(s.rowHeight(0), 20);
    EXPECT_FALSE(s.setColumnWidth(-1, 5));
}
