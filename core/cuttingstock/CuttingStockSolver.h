#pragma once
// Solves one cutting-stock problem (docs/cutting-stock.md): the linear relaxation by
// column generation with GLPK's simplex, then an integer plan by rounding down the
// relaxation, re-solving what is left, and first-fit decreasing for the rest.
//
// The plan is always feasible: every pattern fits its bar (lengths are rounded to
// 0.1 mm against the plan: pieces up, bars down), no bar type is used more often than
// its count, and no piece is cut more often than asked. Pieces that cannot be cut (longer
// than every bar, or not enough bars) are listed as uncut, never silently dropped.

#include "core/cuttingstock/CuttingPlan.h"
#include "core/cuttingstock/CuttingStockProblem.h"

namespace cutstock {

// The cost of one bar of `type` in the objective: its length for bought bars, a
// thousandth of it for bars on hand (so stock is used first, and of the stock as little).
double barCost(const BarType& type);

struct SolverOptions {
    int maxPricingRounds = 5000;
    int residualRounds = 2; // re-solves of the relaxation after the first rounding
};

Plan solve(const Problem& problem, const SolverOptions& options = {});

} // namespace cutstock
