#pragma once
// The pricing problem of the column generation: a bounded integer knapsack. Weights and
// the capacity are whole units; values are the dual prices of the pieces.

#include <vector>

namespace cutstock {

struct KnapsackItem {
    int weight = 1;   // > 0
    double value = 0; // > 0
    int bound = 0;    // at most this many copies
};

struct KnapsackResult {
    double value = 0;
    std::vector<int> counts; // per item, in the order given
    // No filling of the bounded problem is worth more than this (equal to `value` when the
    // branch and bound finished; the unbounded optimum when the fallback ran).
    double upper = 0;
};

// The most valuable filling of `capacity`. Branch and bound over the items by value per
// unit of weight; when that takes more than `nodeLimit` nodes, dynamic programming over
// the capacity (exact, O(items x capacity)) with the bounds relaxed to what fits, which
// is still a valid pattern set for the relaxation.
KnapsackResult solveKnapsack(const std::vector<KnapsackItem>& items, int capacity,
                             long nodeLimit = 200000);

} // namespace cutstock
