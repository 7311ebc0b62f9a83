// Calculation: automatic and manual recalculation, what an edit touches,
// circular references and very deep chains.

#include <gtest/gtest.h>

#include "platform/grid/engine/Sheet.h"
#include "tests/platform/grid/engine/SizedSheet.h"

using namespace grid;

TEST(CalcTest, AutomaticCalculationFollowsEveryChange) {
    Sheet s;
    sized(s, 5, 5);
    ASSERT_TRUE(s.autoCalc());
    s.setNumber(1, 1, 2);
    s.setFormula(2, 1, "A1*10");
    s.setFormula(3, 1, "B1+A1");
    EXPECT_EQ(s.value(3, 1), Value::number(22));
    s.setNumber(1, 1, 3);
    EXPECT_EQ(s.value(2, 1), Value::number(30));
    EXPECT_EQ(s.value(3, 1), Value::number(33));
    s.clearContents(1, 1);
    EXPECT_EQ(s.value(3, 1), Value::number(0));
    s.setText(1, 1, "x");
    EXPECT_EQ(s.value(3, 1), Value::error(ErrorCode::Value));
    // Replacing a formula by a value updates its dependents too.
    s.setNumber(2, 1, 1);
    s.setNumber(1, 1, 1);
    EXPECT_EQ(s.value(3, 1), Value::number(2));
}

TEST(CalcTest, WithAutomaticCalculationOffOnlyExplicitRecalculationChangesValues) {
    Sheet s;
    sized(s, 5, 5);
    s.setAutoCalc(false);
    s.setNumber(1, 1, 1);
    s.setFormula(2, 1, "A1+1");
    s.setFormula(3, 1, "B1+1");
    s.setFormula(4, 1, "A1*100");
    EXPECT_TRUE(s.value(3, 1).isEmpty());
    // One cell: its out-of-date precedents are calculated with it, nothing else.
    s.recalcCell(3, 1);
    EXPECT_EQ(s.value(3, 1), Value::number(3));
    EXPECT_EQ(s.value(2, 1), Value::number(2));
    EXPECT_TRUE(s.value(4, 1).isEmpty());
    s.setNumber(1, 1, 10);
    EXPECT_EQ(s.value(3, 1), Value::number(3));
    s.recalcAll();
    EXPECT_EQ(s.value(3, 1), Value::number(12));
    EXPECT_EQ(s.value(4, 1), Value::number(1000));
    // Switching automatic calculation on brings pending changes in.
    s.setNumber(1, 1, 20);
    s.setAutoCalc(true);
    EXPECT_EQ(s.value(3, 1), Value::number(22));
}

TEST(CalcTest, AnEditCalculatesOnlyTheDependentsOfTheEditedCell) {
    Sheet s;
    sized(s, 4, 1000);
    s.setAutoCalc(false);
    for (int r = 1; r <= 1000; ++r) {
        s.setNumber(1, r, r);
        s.setFormula(2, r, "A" + std::to_string(r) + "*2");
    }
    s.setFormula(3, 1, "SUM(B1:B10)");
    s.setFormula(3, 2, "SUM(A500:A600)");
    s.recalcAll();
    EXPECT_EQ(s.evaluationCount(), 1002u);
    s.setAutoCalc(true);
    uint64_t before = s.evaluationCount();
    s.setNumber(1, 5, 100); // B5 and C1
    EXPECT_EQ(s.evaluationCount() - before, 2u);
    EXPECT_EQ(s.value(3, 1), Value::number(2 * (55 - 5 + 100)));
    before = s.evaluationCount();
    s.setNumber(1, 550, 0); // B550 and C2
    EXPECT_EQ(s.evaluationCount() - before, 2u);
    before = s.evaluationCount();
    s.setNumber(4, 1, 1); // nothing depends on D1
    EXPECT_EQ(s.evaluationCount() - before, 0u);
}

TEST(CalcTest, CircularReferencesGiveAnErrorAndRecover) {
    Sheet s;
    sized(s, 5, 5);
    s.setFormula(1, 1, "B1+1");
    s.setFormula(2, 1, "A1+1");
    EXPECT_EQ(s.value(1, 1), Value::error(ErrorCode::Circular));
    EXPECT_EQ(s.value(2, 1), Value::error(ErrorCode::Circular));
    s.setFormula(3, 3, "C3");
    EXPECT_EQ(s.value(3, 3), Value::error(ErrorCode::Circular));
    s.setFormula(4, 2, "SUM(D1:D3)");
    EXPECT_EQ(s.value(4, 2), Value::error(ErrorCode::Circular));
    // Cells that merely read a circle see its error.
    s.setFormula(5, 5, "A1*2");
    EXPECT_EQ(s.value(5, 5), Value::error(ErrorCode::Circular));
    // Breaking the circle brings real values back.
    s.setNumber(2, 1, 5);
    EXPECT_EQ(s.value(1, 1), Value::number(6));
    EXPECT_EQ(s.value(5, 5), Value::number(12));
    s.recalcAll();
    EXPECT_EQ(s.value(3, 3), Value::error(ErrorCode::Circular));
}

TEST(CalcTest, ChainsHundredsOfThousandsDeepNeedNoMachineStack) {
    // Each formula reads the one below it, so calculating the top one first has
    // to walk the whole chain; a recursive walk would overflow the stack.
    const int n = 300000;
    Sheet s;
    sized(s, 2, n);
    s.setAutoCalc(false);
    s.setNumber(1, n, 1);
    s.setFormula(2, n, "A" + std::to_string(n));
    for (int r = n - 1; r >= 1; --r)
        s.setFormula(2, r, "B" + std::to_string(r + 1) + "+1");
    s.recalcCell(2, 1);
    EXPECT_EQ(s.value(2, 1), Value::number(n));
    s.setAutoCalc(true);
    s.setNumber(1, n, 11);
    EXPECT_EQ(s.value(2, 1), Value::number(n + 10));
    // A circle closing over the whole chain is found without recursion as well.
    s.setFormula(1, n, "B1");
    EXPECT_EQ(s.value(2, 1), Value::error(ErrorCode::Circular));
}

TEST(CalcTest, RangesSeeFormulaResultsInsideThem) {
    Sheet s;
    sized(s, 3, 10);
    s.setAutoCalc(false);
    s.setFormula(1, 10, "SUM(A1:A9)");
    for (int r = 1; r <= 9; ++r)
        s.setFormula(1, r, "B" + std::to_string(r) + "+1");
    s.setNumber(2, 3, 10);
    s.recalcAll();
    EXPECT_EQ(s.value(1, 10), Value::number(19));
    s.setAutoCalc(true);
    s.setNumber(2, 9, 1);
    EXPECT_EQ(s.value(1, 10), Value::number(20));
}

TEST(CalcTest, ChangedFlagIsSetByEveryEdit) {
    Sheet s;
    sized(s, 3, 3);
    s.setChanged(false);
    s.setNumber(1, 1, 1);
    EXPECT_TRUE(s.changed());
    s.setChanged(false);
    s.setNote(1, 1, "n");
    EXPECT_TRUE(s.option(kOptionChanged));
    s.setChanged(false);
    s.insertRows(1);
    EXPECT_TRUE(s.changed());
    s.setChanged(false);
    EXPECT_FALSE(s.changed());
    // Options by number are stored even when the engine gives them no meaning.
    s.setOption(13, true);
    s.setOption(1234, true);
    EXPECT_TRUE(s.option(13));
    EXPECT_TRUE(s.option(1234));
    EXPECT_FALSE(s.option(12));
    EXPECT_EQ(s.options().at(1234), true);
}

TEST(CalcTest, IfWithTheConditionAloneGivesItsTruth) {
    // Found by the formula fuzz target: IF(2) read a value argument it was not given.
    Sheet s;
    sized(s, 3, 3);
    s.setFormula(1, 1, "IF(2)&\"x\"");
    s.setFormula(1, 2, "IF(0)");
    EXPECT_EQ(s.value(1, 1), Value::text("1x"));
    EXPECT_EQ(s.value(1, 2), Value::boolean(false));
}
