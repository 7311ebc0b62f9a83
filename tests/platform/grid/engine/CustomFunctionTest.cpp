// Custom functions: value records in and out, and a call-back that loads and
// calculates another sheet (and writes into the calling one) mid-calculation.

#include <gtest/gtest.h>

#include <memory>

#include "platform/grid/engine/Sheet.h"

using namespace grid;

TEST(CustomFunctionTest, ArgumentsArriveAsTypedRecordsAndReferencesStayReferences) {
    Sheet s;
    s.setMaxCols(5);
    s.setMaxRows(5);
    s.setRefStyle(RefStyle::A1);
    std::vector<ValueRecord> seen;
    s.addCustomFunction(
        {"probe", 1, 6, 1, [&](Sheet&, ValueRecord& r, const ValueRecord* a, int n) {
             seen.assign(a, a + n);
             r.status = RecordStatus::Ok;
             r.type = RecordType::Text;
             r.text = "done";
             return true;
         }});
    s.setNumber(2, 3, 99);
    ASSERT_TRUE(s.setFormula(1, 1, "PROBE(\"file.kws\",B3,3,2.5,C4:D5,TRUE)").ok);
    EXPECT_EQ(s.value(1, 1), Value::text("done"));
    ASSERT_EQ(seen.size(), 6u);
    EXPECT_EQ(seen[0].type, RecordType::Text);
    EXPECT_EQ(seen[0].text, "file.kws");
    EXPECT_EQ(seen[1].type, RecordType::CellReference);
    EXPECT_EQ(seen[1].cell, (CellRef{2, 3}));
    EXPECT_EQ(seen[2].type, RecordType::Long);
    EXPECT_EQ(seen[2].longValue, 3);
    EXPECT_EQ(seen[3].type, RecordType::Double);
    EXPECT_EQ(seen[3].doubleValue, 2.5);
    EXPECT_EQ(seen[4].type, RecordType::Range);
    EXPECT_EQ(seen[4].range, (CellRange{3, 4, 4, 5}));
    EXPECT_EQ(seen[5].type, RecordType::Long);
    for (const auto& rec : seen)
        EXPECT_EQ(rec.status, RecordStatus::Ok);
}

TEST(CustomFunctionTest, ResultRecordsBecomeCellValues) {
    Sheet s;
    s.setRefStyle(RefStyle::A1);
    RecordStatus status = RecordStatus::Ok;
    RecordType type = RecordType::Double;
    bool ok = true;
    s.addCustomFunction({"F", 0, 4, 0, [&](Sheet&, ValueRecord& r, const ValueRecord*, int) {
                             r.status = status;
                             r.type = type;
                             r.longValue = 7;
                             r.doubleValue = 1.25;
                             r.text = "t";
                             return ok;
                         }});
    s.setFormula(1, 1, "F()");
    EXPECT_EQ(s.value(1, 1), Value::number(1.25));
    type = RecordType::Long;
    s.recalcAll();
    EXPECT_EQ(s.value(1, 1), Value::number(7));
    status = RecordStatus::NoResult;
    s.recalcAll();
    EXPECT_TRUE(s.value(1, 1).isEmpty());
    // No result with an error: the cell shows the error.
    ErrorCode error = ErrorCode::Circular;
    s.addCustomFunction({"E", 0, 0, 0, [&](Sheet&, ValueRecord& r, const ValueRecord*, int) {
                             r.status = RecordStatus::NoResult;
                             r.error = error;
                             return true;
                         }});
    s.setFormula(2, 1, "E()");
    EXPECT_EQ(s.value(2, 1), Value::error(ErrorCode::Circular));
    status = RecordStatus::CannotRead;
    s.recalcAll();
    EXPECT_EQ(s.value(1, 1), Value::error(ErrorCode::NA));
    ok = false;
    s.recalcAll();
    EXPECT_EQ(s.value(1, 1), Value::error(ErrorCode::Value));
    // Argument counts outside the registered bounds: #VALUE!.
    ok = true;
    status = RecordStatus::Ok;
    s.setFormula(1, 2, "F(1,2,3,4,5)");
    EXPECT_EQ(s.value(1, 2), Value::error(ErrorCode::Value));
    EXPECT_FALSE(s.addCustomFunction({"", 0, 1, 0, nullptr}));
    EXPECT_FALSE(s.addCustomFunction({"G", 3, 2, 0, nullptr}));
}

TEST(CustomFunctionTest, NestedEvaluationOfAnotherSheetIsSafe) {
    // FROMTABLE-like: the call-back builds another sheet that itself uses the
    // function, calculates a cell there, writes into the calling sheet, and
    // tries to recalculate the calling sheet while it is calculating.
    int depth = 0, maxDepth = 0;
    CustomFunction fromTable;
    fromTable.name = "FROMTABLE";
    fromTable.minArgs = 2;
    fromTable.maxArgs = 4;
    fromTable.flags = 1;
    fromTable.handler = [&](Sheet& caller, ValueRecord& r, const ValueRecord* a, int n) {
        ++depth;
        maxDepth = std::max(maxDepth, depth);
        auto other = std::make_unique<Sheet>();
        other->addCustomFunction(fromTable);
        other->setRefStyle(RefStyle::A1);
        other->setAutoCalc(false);
        int level = static_cast<int>(a[0].longValue);
        other->setNumber(1, 1, level * 100);
        if (level > 0)
            other->setFormula(2, 2, "FROMTABLE(" + std::to_string(level - 1) + ",A1)+A1");
        else
            other->setFormula(2, 2, "A1+1");
        other->recalcCell(2, 2);
        caller.recalcAll(); // refused while the caller calculates
        if (n == 3 && a[2].type == RecordType::CellReference)
            caller.setData(a[2].cell.col, a[2].cell.row, other->displayText(2, 2));
        r.status = n == 3 ? RecordStatus::NoResult : RecordStatus::Ok;
        r.type = RecordType::Double;
        r.doubleValue = other->value(2, 2).asNumber();
        --depth;
        return true;
    };
    Sheet s;
    s.setMaxCols(5);
    s.setMaxRows(5);
    s.setRefStyle(RefStyle::A1);
    s.addCustomFunction(fromTable);
    s.setFormula(3, 1, "D1*2");
    ASSERT_TRUE(s.setFormula(1, 1, "FROMTABLE(3,B2)").ok);
    // level 0: 1; level 1: 1+100; level 2: 101+200; level 3: 301+300
    EXPECT_EQ(s.value(1, 1), Value::number(601));
    EXPECT_EQ(maxDepth, 4);
    ASSERT_TRUE(s.setFormula(1, 2, "FROMTABLE(0,B2,D1)").ok);
    EXPECT_TRUE(s.value(1, 2).isEmpty());
    EXPECT_EQ(s.value(4, 1), Value::number(1));
    EXPECT_EQ(s.value(3, 1), Value::number(2));
    // A call-back that replaces its own formula mid-calculation does no harm.
    s.addCustomFunction(
        {"SELFKILL", 0, 0, 0, [](Sheet& caller, ValueRecord& r, const ValueRecord*, int) {
             caller.setNumber(5, 5, 3);
             r.status = RecordStatus::Ok;
             r.type = RecordType::Long;
             r.longValue = 1;
             return true;
         }});
    s.setFormula(5, 5, "SELFKILL()");
    EXPECT_EQ(s.value(5, 5), Value::number(3));
    EXPECT_FALSE(s.hasFormula(5, 5));
}
