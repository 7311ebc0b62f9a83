#include "TestSupport.h"

#include "core/cuttingstock/CuttingStockSolver.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace {

using cutstock::BarType;
using cutstock::Piece;
using cutstock::Plan;
using cutstock::Problem;

// Every promise of the solver's header, checked on the plan itself.
void expectSound(const Problem& p, const Plan& plan) {
    std::vector<int> cut(p.pieces.size(), 0);
    std::vector<int> bars(p.bars.size(), 0);
    for (const auto& pattern : plan.patterns) {
        ASSERT_GE(pattern.barType, 0);
        ASSERT_LT(pattern.barType, static_cast<int>(p.bars.size()));
        ASSERT_FALSE(pattern.pieces.empty());
        double used = p.sawCut * static_cast<double>(pattern.pieces.size() - 1);
        for (int i : pattern.pieces) {
            used += p.pieces[static_cast<size_t>(i)].length;
            cut[static_cast<size_t>(i)] += pattern.count;
        }
        EXPECT_LE(used, p.bars[static_cast<size_t>(pattern.barType)].length + 1e-9);
        bars[static_cast<size_t>(pattern.barType)] += pattern.count;
    }
    for (int i : plan.uncut)
        ++cut[static_cast<size_t>(i)];
    for (size_t i = 0; i < p.pieces.size(); ++i) {
        EXPECT_EQ(cut[i], std::max(0, p.pieces[i].count)) << "piece " << i;
    }
    for (size_t k = 0; k < p.bars.size(); ++k) {
        if (p.bars[k].count >= 0) {
            EXPECT_LE(bars[k], p.bars[k].count) << "bar type " << k;
        }
    }
    if (plan.boundProven) {
        EXPECT_GE(plan.cost, plan.lowerBound - 1e-6);
    }
}

TEST(CuttingStockSolver, ExactFitsUseEveryMillimetreAndMeetTheBound) {
    // 3 x 2000 fill a 6000 bar exactly without saw cut; 6 pieces need 2 bars.
    Problem p{L"HEA 200", {{L"a", 2000, 6}}, {{L"buy", 6000, -1, false}}, 0};
    Plan plan = cutstock::solve(p);
    expectSound(p, plan);
    EXPECT_EQ(plan.barsUsed(), 2);
    EXPECT_DOUBLE_EQ(plan.totalWaste(), 0);
    EXPECT_TRUE(plan.boundProven);
    EXPECT_DOUBLE_EQ(plan.cost, plan.lowerBound);
    // With a saw cut the third piece no longer fits: exactly the boundary.
    p.sawCut = 0.1;
    plan = cutstock::solve(p);
    expectSound(p, plan);
    EXPECT_EQ(plan.barsUsed(), 3);
    // A piece exactly as long as the bar fits; a tenth of a millimetre more does not.
    Problem edge{L"x", {{L"a", 6000, 1}, {L"b", 6000.1, 1}}, {{L"buy", 6000, -1, false}}, 3};
    plan = cutstock::solve(edge);
    expectSound(edge, plan);
    EXPECT_EQ(plan.barsUsed(), 1);
    ASSERT_EQ(plan.tooLong.size(), 1u);
    EXPECT_EQ(plan.tooLong[0], 1);
}

TEST(CuttingStockSolver, StockOnHandIsUsedFirstAndWhatIsMissingIsBought) {
    Problem p{L"IPE 300",
              {{L"a", 2900, 4}, {L"b", 1400, 3}},
              {{L"stock", 6000, 1, true}, {L"buy", 12000, -1, false}, {L"buy", 6000, -1, false}},
              3};
    const Plan plan = cutstock::solve(p);
    expectSound(p, plan);
    EXPECT_EQ(plan.barsUsed(0), 1) << "the bar on hand is cut";
    EXPECT_TRUE(plan.uncut.empty());
    // 4 x 2900 + 3 x 1400 = 15800 mm; one 6000 bar on hand leaves 9800 to buy: a 12000
    // bar holds it, or 2 x 6000; both cost 12000 mm of bought length.
    double bought = 0;
    for (const auto& pattern : plan.patterns)
        if (!p.bars[static_cast<size_t>(pattern.barType)].onHand)
            bought += p.bars[static_cast<size_t>(pattern.barType)].length * pattern.count;
    EXPECT_DOUBLE_EQ(bought, 12000);
}

TEST(CuttingStockSolver, WhatCannotBeCutIsListedNotDropped) {
    // Too long for every bar, and not enough stock with nothing to buy.
    Problem p{L"L 70x7", {{L"long", 7000, 2}, {L"a", 2500, 5}}, {{L"stock", 6000, 2, true}}, 3};
    const Plan plan = cutstock::solve(p);
    expectSound(p, plan);
    ASSERT_EQ(plan.tooLong.size(), 1u);
    EXPECT_EQ(plan.tooLong[0], 0);
    EXPECT_EQ(plan.barsUsed(), 2);
    EXPECT_EQ(plan.uncutCount(), 2 + 1) << "two too long, one 2500 left without a bar";
    EXPECT_FALSE(plan.boundProven);
    // No bars at all: everything is uncut, nothing crashes.
    Problem none{L"x", {{L"a", 100, 3}}, {}, 0};
    const Plan empty = cutstock::solve(none);
    EXPECT_EQ(empty.uncutCount(), 3);
    EXPECT_TRUE(empty.patterns.empty());
    // Zero counts and a bar type with count 0 take no part.
    Problem zero{L"x", {{L"a", 100, 0}}, {{L"s", 6000, 0, true}}, 0};
    EXPECT_TRUE(cutstock::solve(zero).patterns.empty());
}

TEST(CuttingStockSolver, DecimalLengthsArePlannedInTenthsAndStayFeasible) {
    Problem p{L"x", {{L"a", 1999.95, 3}}, {{L"buy", 6000, -1, false}}, 0};
    // 3 x 1999.95 = 5999.85 fits; each piece is counted as 2000.0 (rounded up), still 6000.
    const Plan plan = cutstock::solve(p);
    expectSound(p, plan);
    EXPECT_EQ(plan.barsUsed(), 1);
}

TEST(CuttingStockSolver, GeneratedInstancesAreSoundAndCloseToTheBound) {
    std::mt19937 random(42);
    for (int round = 0; round < 12; ++round) {
        std::uniform_int_distribution<int> types(1, 30), length(200, 7000), count(1, 12);
        Problem p;
        p.sawCut = round % 3;
        const int n = types(random);
        for (int i = 0; i < n; ++i)
            p.pieces.push_back({L"p", static_cast<double>(length(random)), count(random)});
        if (round % 2)
            p.bars.push_back({L"stock", 6000, 3, true});
        p.bars.push_back({L"buy", 6000, -1, false});
        p.bars.push_back({L"buy", 12000, -1, false});
        const Plan plan = cutstock::solve(p);
        SCOPED_TRACE(round);
        expectSound(p, plan);
        EXPECT_TRUE(plan.uncut.empty());
        ASSERT_TRUE(plan.boundProven);
        // Within one bar's cost (or 1 %) of the bound.
        EXPECT_LE(plan.cost - plan.lowerBound, std::max(12000.0, 0.01 * plan.lowerBound) + 1e-6);
    }
}

} // namespace
