// Equality criteria answered from a column index: the same results as a scan for
// every kind of cell and criterion, and no stale answer after any kind of edit.
// Also the calculation's memory of clean rows in long ranges (SheetData::Column).

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/grid/engine/Sheet.h"
#include "tests/platform/grid/engine/SizedSheet.h"

using namespace grid;

namespace {

double bits(std::initializer_list<int> rows) {
    double v = 0;
    for (int r : rows)
        v += std::ldexp(1.0, r);
    return v;
}

} // namespace

// Column A holds one of each kind of cell; C holds 2^row, so a sum names the rows
// that matched. Each criterion is answered three ways: COUNTIF and SUMIFS on column A
// (the index, after the first search of the column), and over the two-column blocks
// A:B and C:D, which are always scanned (B and D are empty).
TEST(CriteriaIndexTest, IndexedEqualityAgreesWithTheScanForEveryKindOfCell) {
    Sheet s;
    sized(s, 12, 200);
    s.setAutoCalc(false);
    s.setNumber(1, 1, 1);
    s.setText(1, 2, "1");
    s.setValue(1, 3, Value::boolean(true));
    s.setText(1, 4, "Bolt");
    s.setText(1, 5, "bolt");
    s.setText(1, 6, "BOLT");
    // row 7 empty
    s.setFormula(1, 8, "=1/0");
    s.setNumber(1, 9, -0.0);
    s.setFormula(1, 10, "=\"\"");
    s.setText(1, 11,
              "Stra\xC3\x9F"
              "e");
    s.setText(1, 12, "STRASSE");
    s.setNumber(1, 13, 2.5);
    s.setText(1, 14, "b?lt");
    s.setText(1, 15, "1.0");
    s.setNumber(1, 16, 1);
    s.setText(1, 17,
              "stra\xC3\x9F"
              "e");
    s.setFormula(1, 18, "=A16*1");
    s.setText(1, 19, "x y");
    s.setValue(1, 20, Value::boolean(false));
    for (int r = 1; r <= 20; ++r)
        s.setNumber(3, r, std::ldexp(1.0, r));

    const std::vector<std::string> criteria = {"1",
                                               "\"1\"",
                                               "\"=1\"",
                                               "\"=1.0\"",
                                               "TRUE",
                                               "\"TRUE\"",
                                               "\"true\"",
                                               "FALSE",
                                               "0",
                                               "\"0\"",
                                               "\"bolt\"",
                                               "\"=BOLT\"",
                                               "\"bol\"",
                                               "\"b?lt\"",
                                               "\"b~?lt\"",
                                               "\"b*\"",
                                               "\"stra\xC3\x9F"
                                               "e\"",
                                               "\"STRASSE\"",
                                               "\"\"",
                                               "\"=\"",
                                               "\"<>\"",
                                               "\"<>1\"",
                                               "\">1\"",
                                               "\"=2.5\"",
                                               "\"x y\"",
                                               "\"x\"",
                                               "\"#DIV/0!\"",
                                               "\"= 1\"",
                                               "A16",
                                               "A7"};
    for (size_t i = 0; i < criteria.size(); ++i) {
        const int32_t r = static_cast<int32_t>(i) + 1;
        const std::string& c = criteria[i];
        s.setFormula(6, r, "=COUNTIF(A1:A20," + c + ")");
        s.setFormula(7, r, "=COUNTIF(A1:B20," + c + ")-COUNTIF(B1:B20," + c + ")");
        s.setFormula(8, r, "=SUMIFS(C1:C20,A1:A20," + c + ")");
        s.setFormula(9, r, "=SUMIFS(C1:D20,A1:B20," + c + ")");
    }
    s.recalcAll();
    for (size_t i = 0; i < criteria.size(); ++i) {
        const int32_t r = static_cast<int32_t>(i) + 1;
        SCOPED_TRACE(criteria[i]);
        EXPECT_EQ(s.value(6, r), s.value(7, r));
        EXPECT_EQ(s.value(8, r), s.value(9, r));
    }
    // The rules themselves, on a few of them.
    auto rowsOf = [&](const char* c) {
        for (size_t i = 0; i < criteria.size(); ++i)
            if (criteria[i] == c)
                return s.value(8, static_cast<int32_t>(i) + 1);
        return Value{};
    };
    EXPECT_EQ(rowsOf("1"), Value::number(bits({1, 3, 16, 18})));
    EXPECT_EQ(rowsOf("\"=1\""), Value::number(bits({1, 2, 3, 16, 18})));
    EXPECT_EQ(rowsOf("0"), Value::number(bits({9, 20})));
    EXPECT_EQ(rowsOf("\"bolt\""), Value::number(bits({4, 5, 6})));
    EXPECT_EQ(rowsOf("\"b?lt\""), Value::number(bits({4, 5, 6, 14})));
    EXPECT_EQ(rowsOf("\"b~?lt\""), Value::number(bits({14})));
    EXPECT_EQ(rowsOf("\"STRASSE\""), Value::number(bits({11, 12, 17})));
    EXPECT_EQ(rowsOf("\"=\""), Value::number(bits({7, 10})));
    EXPECT_EQ(rowsOf("\"x\""), Value::number(0));
}

// Orderings of numbers come from the index when they pick few rows (an eighth of the
// column at most) and from the scan otherwise; both agree with the scan of A:B.
TEST(CriteriaIndexTest, NumericOrderingsAgreeWithTheScan) {
    Sheet s;
    sized(s, 12, 3000);
    s.setAutoCalc(false);
    for (int r = 1; r <= 2000; ++r) {
        if (r % 50 == 0)
            s.setText(1, r, "2");
        else if (r % 77 == 0)
            s.setValue(1, r, Value::boolean(r % 2 == 0));
        else if (r % 91 != 0) // some cells stay empty
            s.setNumber(1, r, (r % 100) - 3 + (r % 7 == 0 ? 0.5 : 0));
        s.setNumber(3, r, r);
    }
    const char* const kCriteria[] = {"\"<-2\"",  "\"<=-2\"",  "\">=96\"",  "\">96.5\"",
                                     "\"<1\"",   "\"<=0\"",   "\">1000\"", "\"<-100\"",
                                     "\">=-0\"", "\"<TRUE\"", "\">50\"",   "\"<2\""};
    int32_t r = 1;
    for (const char* c : kCriteria) {
        std::string k(c);
        s.setFormula(6, r, "=SUMIFS(C1:C2000,A1:A2000," + k + ")");
        s.setFormula(7, r, "=SUMIFS(C1:D2000,A1:B2000," + k + ")");
        s.setFormula(8, r, "=COUNTIFS(A1:A2000," + k + ",C1:C2000,\"<1000\")");
        s.setFormula(9, r, "=COUNTIFS(A1:B2000," + k + ",C1:D2000,\"<1000\")");
        ++r;
    }
    s.recalcAll();
    for (int32_t i = 1; i < r; ++i) {
        SCOPED_TRACE(kCriteria[i - 1]);
        EXPECT_EQ(s.value(6, i), s.value(7, i));
        EXPECT_EQ(s.value(8, i), s.value(9, i));
    }
    // Nothing is below -2 (the lowest number is -2 itself); 96 and more end each hundred.
    EXPECT_EQ(s.value(6, 1), Value::number(0));
    EXPECT_GT(s.value(6, 3).asNumber(), 0);
    // After a change the index answers anew.
    s.setAutoCalc(true);
    s.setNumber(1, 1999, -50);
    EXPECT_EQ(s.value(6, 1), Value::number(1999));
    EXPECT_EQ(s.value(6, 2), s.value(7, 2));
}

// Every edit that can change column A, made after the index of A exists (the
// formulas search A many times), shows in the results. The formulas and the cells
// they read besides A and B sit in row 1, which no edit below moves.
TEST(CriteriaIndexTest, EveryKindOfEditReachesIndexedResults) {
    Sheet s;
    sized(s, 10, 50);
    for (int r = 1; r <= 10; ++r) {
        s.setText(1, r, r % 2 ? "x" : "y");
        s.setNumber(2, r, r);
    }
    s.setFormula(6, 1, "=COUNTIF(A1:A20,\"x\")");
    s.setFormula(7, 1, "=SUMIFS(B1:B20,A1:A20,\"x\")");
    s.setFormula(8, 1, "=COUNTIFS(A1:A20,\"x\",B1:B20,\">4\")");
    s.setFormula(9, 1, "=MAXIFS(B1:B20,A1:A20,\"X\")");
    s.setFormula(10, 1, "=AVERAGEIF(A1:A20,\"y\",B1:B20)");
    auto expect = [&](double count, double sum, double countBig, double max, double avgY) {
        EXPECT_EQ(s.value(6, 1), Value::number(count));
        EXPECT_EQ(s.value(7, 1), Value::number(sum));
        EXPECT_EQ(s.value(8, 1), Value::number(countBig));
        EXPECT_EQ(s.value(9, 1), Value::number(max));
        EXPECT_EQ(s.value(10, 1), Value::number(avgY));
    };
    expect(5, 25, 3, 9, 6);
    {
        SCOPED_TRACE("a constant");
        s.setText(1, 2, "X");
        expect(6, 27, 3, 9, 7);
    }
    {
        SCOPED_TRACE("cleared");
        s.clearContents(1, 1);
        expect(5, 26, 3, 9, 7);
    }
    {
        SCOPED_TRACE("a formula, then what it reads");
        s.setFormula(1, 12, "=IF(D1>0,\"x\",\"y\")");
        s.setNumber(2, 12, 100);
        expect(5, 26, 3, 9, 25.6);
        s.setNumber(4, 1, 1);
        expect(6, 126, 4, 100, 7);
    }
    {
        SCOPED_TRACE("a volatile formula");
        s.setFormula(1, 14, "=INDIRECT(\"E1\")");
        s.setNumber(2, 14, 1000);
        s.setText(5, 1, "x");
        expect(7, 1126, 5, 1000, 7);
    }
    {
        SCOPED_TRACE("rows inserted and deleted");
        s.insertRows(5, 2); // rows 5.. move down two, the ranges grow to row 22
        expect(7, 1126, 5, 1000, 7);
        s.setText(1, 5, "x");
        s.setNumber(2, 5, 10000);
        expect(8, 11126, 6, 10000, 7);
        s.deleteRows(2, 4); // X 2, x 3, y 4 and the x 10000 go
        expect(5, 1121, 5, 1000, 8);
    }
    {
        SCOPED_TRACE("a block cleared, moved and copied");
        s.clear({1, 3, 1, 4}, kClearData); // x 5, y 6
        expect(4, 1116, 4, 1000, 9);
        s.moveBlock({1, 5, 1, 6}, 3, 5); // x 7, y 8 leave column A
        expect(3, 1109, 3, 1000, 10);
        s.copyBlock({3, 5, 3, 6}, 1, 3); // and come back to rows 3 and 4
        expect(4, 1114, 4, 1000, 8);
    }
    {
        SCOPED_TRACE("without automatic calculation");
        s.setAutoCalc(false);
        s.setText(1, 3, "y");
        s.recalcAll();
        expect(3, 1109, 3, 1000, 7);
    }
    {
        SCOPED_TRACE("fewer rows");
        s.setAutoCalc(true);
        s.setMaxRows(8);
        EXPECT_EQ(s.value(6, 1), Value::number(1));
    }
}

// Two searches of a 100,000-row column: the second from the index, with equal
// results; then every 1000th cell changes.
TEST(CriteriaIndexTest, LongColumnsStayRightAsCellsChange) {
    Sheet s;
    sized(s, 5, 100000);
    s.setAutoCalc(false);
    for (int r = 1; r <= 100000; ++r) {
        s.setNumber(1, r, r % 7);
        s.setNumber(2, r, 1);
    }
    for (int r = 1; r <= 7; ++r)
        s.setFormula(3, r, "=SUMIFS($B:$B,$A:$A,ROW()-1)");
    s.recalcAll();
    EXPECT_EQ(s.value(3, 1), Value::number(14285)); // 7, 14, ..., 99995
    EXPECT_EQ(s.value(3, 2), Value::number(14286));
    s.setAutoCalc(true);
    for (int r = 1000; r <= 100000; r += 1000)
        s.setText(1, r, "none");
    double total = 0;
    for (int r = 1; r <= 7; ++r)
        total += s.value(3, r).asNumber();
    EXPECT_EQ(total, 100000 - 100);
}

// The search for a formula's precedents remembers which rows of a long range held no
// formula to calculate; formulas added or made dirty there are still found.
TEST(CriteriaIndexTest, FormulasInsideLongRangesAreCalculatedFirst) {
    Sheet s;
    sized(s, 6, 5000);
    s.setAutoCalc(false);
    // The sums come first, so a full recalculation meets them before the formulas
    // they read.
    s.setFormula(3, 1, "=SUM(A:A)");
    s.setFormula(3, 2, "=SUM(A:A)*2");
    s.setFormula(3, 3, "=SUM(A1:A2500)");
    for (int r = 1; r <= 4000; ++r)
        s.setNumber(1, r, 1);
    s.setFormula(1, 3000, "=D1*100");
    s.setNumber(4, 1, 2);
    s.recalcAll();
    EXPECT_EQ(s.value(3, 1), Value::number(3999 + 200));
    EXPECT_EQ(s.value(3, 2), Value::number(2 * (3999 + 200)));
    EXPECT_EQ(s.value(3, 3), Value::number(2500));
    s.setAutoCalc(true);
    s.setNumber(4, 1, 3);
    EXPECT_EQ(s.value(3, 2), Value::number(2 * (3999 + 300)));
    // A formula in a range found clean before.
    s.setFormula(1, 100, "=D1");
    EXPECT_EQ(s.value(3, 1), Value::number(3998 + 300 + 3));
    EXPECT_EQ(s.value(3, 3), Value::number(2502));
    // One that closes a circle through the sums.
    s.setFormula(1, 200, "=C3");
    EXPECT_EQ(s.value(3, 3), Value::error(ErrorCode::Circular));
    s.setNumber(1, 200, 1);
    EXPECT_EQ(s.value(3, 3), Value::number(2502));
    EXPECT_EQ(s.value(3, 1), Value::number(3998 + 300 + 3));
}
