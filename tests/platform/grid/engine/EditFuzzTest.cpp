// Random editing sequences with automatic calculation on: after every batch the
// values the incremental calculation produced must equal a full recalculation
// of a fresh sheet rebuilt from the same formulas.

#include <gtest/gtest.h>

#include <random>

#include "platform/grid/engine/Sheet.h"

using namespace grid;

namespace {

constexpr int kCols = 6, kRows = 12;

std::string randomFormula(std::mt19937& rng) {
    std::uniform_int_distribution<int> col(1, kCols), row(1, kRows), kind(0, 5);
    auto ref = [&] { return columnLetters(col(rng)) + std::to_string(row(rng)); };
    switch (kind(rng)) {
    case 0:
        return ref() + "+1";
    case 1:
        return ref() + "*" + ref();
    case 2: {
        std::string a = ref(), b = ref();
        return "SUM(" + a + ":" + b + ")";
    }
    case 3:
        return "IF(" + ref() + ">2," + ref() + ",3)";
    case 4:
        return "MAX(" + ref() + "," + ref() + ")-$A$1";
    default:
        return "COUNT(" + ref() + ":" + ref() + ")+name";
    }
}

void rebuildAndCompare(Sheet& s) {
    Sheet fresh;
    fresh.setMaxCols(kCols);
    fresh.setMaxRows(kRows);
    fresh.setAutoCalc(false);
    s.forEachAttributed(
        [&](int32_t c, int32_t r, const CellAttributes& a) { fresh.setTag(c, r, a.tag); });
    s.forEachCell([&](int32_t c, int32_t r) {
        if (s.hasFormula(c, r)) {
            std::string f = s.formula(c, r, RefStyle::R1C1);
            ASSERT_TRUE(fresh.setFormula(c, r, f, RefStyle::R1C1).ok) << f;
        } else {
            fresh.setValue(c, r, s.value(c, r));
        }
    });
    fresh.recalcAll();
    for (int c = 1; c <= kCols; ++c)
        for (int r = 1; r <= kRows; ++r)
            ASSERT_EQ(s.value(c, r), fresh.value(c, r))
                << columnLetters(c) << r << " =" << s.formula(c, r, RefStyle::A1);
}

} // namespace

TEST(EditFuzzTest, IncrementalCalculationMatchesFullRecalculation) {
    std::mt19937 rng(4242);
    std::uniform_int_distribution<int> col(1, kCols), row(1, kRows), op(0, 11), small(1, 3),
        num(-5, 5);
    for (int round = 0; round < 300; ++round) {
        Sheet s;
        s.setMaxCols(kCols);
        s.setMaxRows(kRows);
        s.setRefStyle(RefStyle::A1);
        for (int step = 0; step < 40; ++step) {
            int c = col(rng), r = row(rng);
            switch (op(rng)) {
            case 0:
            case 1:
            case 2:
                s.setNumber(c, r, num(rng));
                break;
            case 3:
            case 4:
            case 5:
                s.setFormula(c, r, randomFormula(rng));
                break;
            case 6:
                s.clearContents(c, r);
                break;
            case 7:
                s.insertRows(r, small(rng));
                break;
            case 8:
                s.deleteRows(r, small(rng));
                break;
            case 9:
                rng() % 2 ? s.insertCols(c) : s.deleteCols(c);
                break;
            case 10: {
                int c2 = std::min(kCols, c + small(rng) - 1),
                    r2 = std::min(kRows, r + small(rng) - 1);
                int dc = col(rng), dr = row(rng);
                if (rng() % 2)
                    s.copyBlock({c, r, c2, r2}, dc, dr);
                else
                    s.moveBlock({c, r, c2, r2}, dc, dr);
                break;
            }
            default:
                s.setTag(c, r, rng() % 3 ? "" : "name");
                break;
            }
        }
        rebuildAndCompare(s);
        if (HasFailure())
            FAIL() << "round " << round;
    }
}
