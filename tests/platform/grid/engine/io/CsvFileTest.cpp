#include <gtest/gtest.h>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/CsvFile.h"
#include "tests/platform/grid/engine/io/SheetDump.h"
#include "tests/platform/grid/engine/io/TestFiles.h"

namespace grid {
namespace {

TEST(CsvFile, ExportThenImportKeepsValuesExactly) {
    Sheet s;
    s.setMaxCols(5);
    s.setMaxRows(5);
    s.setNumber(1, 1, 0.1 + 0.2); // needs 17 digits to come back the same
    s.setNumber(2, 1, -1e-300);
    s.setText(3, 1, "a,b \"c\"\nd");
    s.setValue(4, 1, Value::boolean(false));
    s.setValue(5, 1, Value::error(ErrorCode::Div0));
    s.setText(1, 3, " padded ");
    s.setFormula(2, 3, "A1*10");
    s.recalcAll();
    std::string text = exportCsvString(s);
    EXPECT_EQ(text, "0.30000000000000004,-1e-300,\"a,b \"\"c\"\"\nd\",FALSE,#DIV/0!\r\n\r\n\" "
                    "padded \",3.0000000000000004\r\n");

    Sheet back;
    ASSERT_TRUE(importCsvString(back, text).ok());
    EXPECT_EQ(back.value(1, 1), Value::number(0.1 + 0.2));
    EXPECT_EQ(back.value(2, 1), Value::number(-1e-300));
    EXPECT_EQ(back.value(3, 1), Value::text("a,b \"c\"\nd"));
    EXPECT_EQ(back.value(4, 1), Value::boolean(false));
    EXPECT_EQ(back.value(5, 1), Value::error(ErrorCode::Div0));
    EXPECT_TRUE(back.value(1, 2).isEmpty());
    EXPECT_EQ(back.value(1, 3), Value::text(" padded "));
    EXPECT_EQ(back.value(2, 3), Value::number(3.0000000000000004));
    EXPECT_FALSE(back.hasFormula(2, 3));
}

TEST(CsvFile, ImportGrowsTheSheetKeepsItsSettingsAndFailsCleanly) {
    Sheet s;
    s.setMaxCols(2);
    s.setMaxRows(2);
    s.setOption(12, true);
    s.setRefStyle(RefStyle::R1C1);
    ASSERT_TRUE(importCsvString(s, "1,2,3,4\n=A1,x\n5\n6\n").ok());
    EXPECT_EQ(s.maxCols(), 4);
    EXPECT_EQ(s.maxRows(), 4);
    EXPECT_EQ(s.value(4, 1), Value::number(4));
    EXPECT_EQ(s.value(1, 2), Value::text("=A1"));
    EXPECT_TRUE(s.option(12));
    EXPECT_EQ(s.refStyle(), RefStyle::R1C1);

    const std::string before = test::dumpSheet(s);
    EXPECT_EQ(importCsvString(s, "1,\"open\n2,3").result(), IoResult::Damaged);
    EXPECT_EQ(importCsvFile(s, test::scratchDir("csv-missing") + "/none.csv").result(),
              IoResult::CannotOpen);
    EXPECT_EQ(test::dumpSheet(s), before);
}

} // namespace
} // namespace grid
