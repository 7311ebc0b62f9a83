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
    bool unbounded = false;  // the fallback ran: counts may exceed the bounds
};

// The most valuable filling of `capacity`. Branch and bound over the items by value per
// unit of weight, within the bounds; when that takes more than `nodeLimit` nodes,
// dynamic programming over the capacity (exact, O(items x capacity)) without the bounds.
// Such a filling may hold more copies of an item than its bound; it is still a valid
// column of the relaxation (the classic one of Gilmore and Gomory), and its value proves
// that no bounded filling is worth more.
KnapsackResult solveKnapsack(const std::vector<KnapsackItem>& items, int capacity,
                             long nodeLimit = 200000);

// Up to `most` fillings, the best first: the optimum of solveKnapsack, and when the
// dynamic programme ran, for further items the best filling that holds that item (all
// read from the one table, so they cost almost nothing more). Fillings worth no more than
// `worthAbove` are left out, except the first.
std::vector<KnapsackResult> solveKnapsackColumns(const std::vector<KnapsackItem>& items,
                                                 int capacity, long nodeLimit, int most,
                                                 double worthAbove);

} // namespace cutstock
