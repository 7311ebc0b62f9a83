// Volatile functions and computed references: what recalculates, in which order,
// and what a computed reference may not do.

#include <gtest/gtest.h>

#include "platform/grid/engine/DateSerial.h"
#include "platform/grid/engine/Sheet.h"
#include "tests/platform/grid/engine/SizedSheet.h"

using namespace grid;

TEST(VolatileTest, VolatileFormulasRecalculateOnEveryChangeOthersStayIncremental) {
    Sheet s;
    sized(s, 10, 50);
    for (int r = 1; r <= 20; ++r)
        s.setFormula(2, r, "A" + std::to_string(r) + "*2");
    s.setFormula(3, 1, "RAND()");
    s.setFormula(4, 1, "C1+1"); // depends on a volatile cell
    double first = s.value(3, 1).asNumber();
    uint64_t before = s.evaluationCount();
    s.setNumber(1, 5, 7);
    // B5, and the volatile cell with its dependent: three evaluations, not 22.
    EXPECT_EQ(s.evaluationCount() - before, 3u);
    EXPECT_EQ(s.value(2, 5), Value::number(14));
    double second = s.value(3, 1).asNumber();
    EXPECT_NE(first, second);
    EXPECT_EQ(s.value(4, 1), Value::number(second + 1));
    // A full recalculation draws again too.
    s.recalcAll();
    EXPECT_NE(s.value(3, 1).asNumber(), second);
}

TEST(VolatileTest, RemovedVolatileFormulasNoLongerRecalculate) {
    Sheet s;
    sized(s, 5, 5);
    s.setFormula(1, 1, "NOW()");
    s.setNumber(1, 1, 3); // the formula is gone
    uint64_t before = s.evaluationCount();
    s.setNumber(2, 2, 1);
    EXPECT_EQ(s.evaluationCount(), before);
    // Inserting rows rebuilds the bookkeeping: a volatile formula moved down still counts.
    s.setFormula(3, 1, "RANDBETWEEN(1,1000000000)");
    s.insertRows(1, 1);
    double v = s.value(3, 2).asNumber();
    s.setNumber(2, 4, 2);
    EXPECT_NE(s.value(3, 2).asNumber(), v);
}

TEST(VolatileTest, TodayAndNowFollowTheClock) {
    Sheet s;
    sized(s, 5, 5);
    date::setFixedNow(45366.75); // 2024-03-15 18:00
    s.setFormula(1, 1, "NOW()");
    s.setFormula(2, 1, "TODAY()");
    s.setFormula(3, 1, "HOUR(NOW())");
    EXPECT_EQ(s.value(1, 1), Value::number(45366.75));
    EXPECT_EQ(s.value(2, 1), Value::number(45366));
    EXPECT_EQ(s.value(3, 1), Value::number(18));
    date::setFixedNow(45367.25);
    s.recalcAll();
    EXPECT_EQ(s.value(2, 1), Value::number(45367));
    EXPECT_EQ(s.value(3, 1), Value::number(6));
    date::setFixedNow(-1);
}

TEST(VolatileTest, ComputedReferencesSeeCurrentValuesWhateverTheOrder) {
    Sheet s;
    sized(s, 10, 50);
    s.setAutoCalc(false);
    // The formulas read cells whose formulas come later in every order the sheet
    // might take: the calculation must do those first.
    s.setFormula(1, 1, "SUM(INDIRECT(\"B1:B3\"))");
    s.setFormula(1, 2, "OFFSET(A1,0,2)*10");
    s.setFormula(2, 1, "C1+1");
    s.setFormula(2, 2, "C1+2");
    s.setFormula(2, 3, "C1+3");
    s.setNumber(3, 1, 100);
    s.recalcAll();
    EXPECT_EQ(s.value(1, 1), Value::number(306));
    EXPECT_EQ(s.value(1, 2), Value::number(1000));
    // A change reaches them on the next recalculation, being volatile.
    s.setAutoCalc(true);
    s.setNumber(3, 1, 1);
    EXPECT_EQ(s.value(1, 1), Value::number(9));
    EXPECT_EQ(s.value(1, 2), Value::number(10));
    // The address itself may come from a cell.
    s.setText(4, 1, "C1");
    s.setFormula(5, 1, "INDIRECT(D1)*3");
    EXPECT_EQ(s.value(5, 1), Value::number(3));
    s.setText(4, 1, "B3");
    EXPECT_EQ(s.value(5, 1), Value::number(12));
}

TEST(VolatileTest, AComputedReferenceToItselfIsACircle) {
    Sheet s;
    sized(s, 10, 10);
    s.setFormula(1, 1, "INDIRECT(\"A1\")+1");
    EXPECT_EQ(s.value(1, 1), Value::error(ErrorCode::Circular));
    s.setFormula(2, 1, "SUM(OFFSET(B1,0,0,3,1))");
    EXPECT_EQ(s.value(2, 1), Value::error(ErrorCode::Circular));
    // Through another formula.
    s.setFormula(3, 1, "D1");
    s.setFormula(4, 1, "INDIRECT(\"C1\")");
    EXPECT_EQ(s.value(3, 1), Value::error(ErrorCode::Circular));
    EXPECT_EQ(s.value(4, 1), Value::error(ErrorCode::Circular));
    // Breaking the circle calculates again.
    s.setNumber(3, 1, 5);
    EXPECT_EQ(s.value(4, 1), Value::number(5));
}

TEST(VolatileTest, AbsurdArgumentsGiveErrorsAtOnce) {
    Sheet s;
    sized(s, 10, 10);
    const std::pair<const char*, ErrorCode> cases[] = {
        {"OFFSET(A1,1E300,0)", ErrorCode::Ref},
        {"OFFSET(A1,-5,0)", ErrorCode::Ref},
        {"SUM(OFFSET(A1,0,0,1E9,1E9))", ErrorCode::Ref},
        {"INDIRECT(\"garbage((\")", ErrorCode::Ref},
        {"INDIRECT(REPT(\"A\",5000))", ErrorCode::Ref},
        {"INDIRECT(\"A1+A2\")", ErrorCode::Ref},
        {"DATE(1E10,1,1)", ErrorCode::Num},
        {"DATE(2024,1E10,1)", ErrorCode::Num},
        {"EDATE(1,1E15)", ErrorCode::Num},
        {"WORKDAY(1,1E15)", ErrorCode::Num},
        {"NETWORKDAYS(-1E9,1E9)", ErrorCode::Num},
        {"RANDBETWEEN(1E300,1E301)", ErrorCode::Num},
        {"FACT(1E300)", ErrorCode::Value},
        {"COMBIN(1E300,5E299)", ErrorCode::Num},
        {"RATE(1E9,1,1)", ErrorCode::Num},
    };
    for (const auto& [f, err] : cases) {
        ASSERT_TRUE(s.setFormula(10, 10, f).ok) << f;
        EXPECT_EQ(s.value(10, 10), Value::error(err)) << f;
    }
}

TEST(VolatileTest, WholeColumnsAndRowsCostWhatTheDataCosts) {
    Sheet s;
    sized(s, 100, 1000000);
    for (int r = 1; r <= 1000; ++r)
        s.setNumber(1, r, r);
    s.setFormula(2, 1, "SUM(A:A)");
    s.setFormula(2, 2, "COUNTIF(A:A,\">500\")");
    s.setFormula(2, 3, "SUM(OFFSET(A1,0,0,1000000,1))");
    s.setFormula(2, 4, "SUM(1000:1000)");
    s.setFormula(2, 5, "MATCH(1000,A:A,0)");
    EXPECT_EQ(s.value(2, 1), Value::number(500500));
    EXPECT_EQ(s.value(2, 2), Value::number(500));
    EXPECT_EQ(s.value(2, 3), Value::number(500500));
    EXPECT_EQ(s.value(2, 4), Value::number(1000));
    EXPECT_EQ(s.value(2, 5), Value::number(1000));
    s.setNumber(1, 1001, 1);
    EXPECT_EQ(s.value(2, 1), Value::number(500501));
    EXPECT_EQ(s.formula(2, 1), "SUM(A:A)");
    EXPECT_EQ(s.formula(2, 4), "SUM(1000:1000)");
    EXPECT_EQ(s.formula(2, 4, RefStyle::R1C1), "SUM(R[996])");
    EXPECT_EQ(s.formula(2, 1, RefStyle::R1C1), "SUM(C[-1])");
    // Inserting rows leaves whole columns whole.
    s.insertRows(1, 2);
    EXPECT_EQ(s.formula(2, 3), "SUM(A:A)");
    EXPECT_EQ(s.value(2, 3), Value::number(500501));
}

TEST(VolatileTest, ReferenceOperatorsTakeReferencesFunctionsReturn) {
    Sheet s;
    sized(s, 10, 20);
    for (int r = 1; r <= 5; ++r) {
        s.setNumber(1, r, r);
        s.setNumber(2, r, r * 10);
    }
    s.setFormula(4, 1, "SUM(A1:INDEX(A1:A5,3))");
    s.setFormula(4, 2, "SUM(OFFSET(A1,1,0):A4)");
    s.setFormula(4, 3, "SUM(A1:B5 B2:C3)");
    s.setFormula(4, 4, "A1:A2 B1:B2");
    s.setFormula(4, 5, "SUM((A1:A5) A3:B3)");
    s.setFormula(4, 6, "SUM(INDEX(A1:B5,2,0):INDEX(A1:B5,3,0))");
    EXPECT_EQ(s.value(4, 1), Value::number(6));
    EXPECT_EQ(s.value(4, 2), Value::number(9));
    EXPECT_EQ(s.value(4, 3), Value::number(50));
    EXPECT_EQ(s.value(4, 4), Value::error(ErrorCode::Null));
    EXPECT_EQ(s.value(4, 5), Value::number(3));
    EXPECT_EQ(s.value(4, 6), Value::number(55));
    // The cells between are read afresh: the spanned block is known only at run time.
    s.setNumber(1, 2, 100);
    EXPECT_EQ(s.value(4, 1), Value::number(104));
    // They read back as written, in every style.
    EXPECT_EQ(s.formula(4, 1), "SUM(A1:INDEX(A1:A5,3))");
    EXPECT_EQ(s.formula(4, 3), "SUM(A1:B5 B2:C3)");
    EXPECT_EQ(s.formula(4, 3, RefStyle::R1C1), "SUM(R[-2]C[-3]:R[2]C[-2] R[-1]C[-2]:RC[-1])");
    Sheet t;
    sized(t, 10, 20);
    ASSERT_TRUE(t.setFormula(4, 3, s.formula(4, 3, RefStyle::R1C1), RefStyle::R1C1).ok);
    EXPECT_EQ(t.formula(4, 3), "SUM(A1:B5 B2:C3)");
    // Not references: refused when run.
    s.setFormula(4, 7, "SUM(A1:(1+1))");
    EXPECT_EQ(s.value(4, 7), Value::error(ErrorCode::Value));
}
