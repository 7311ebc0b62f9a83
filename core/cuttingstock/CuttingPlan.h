#pragma once
// The answer to a cutting-stock problem: which bars are cut, how, what remains, what to buy.

#include <string>
#include <vector>

namespace cutstock {

// Bars cut the same way, `count` times.
struct CutPattern {
    int barType = 0;         // index into Problem::bars
    std::vector<int> pieces; // piece indices, longest first, one entry per piece cut
    int count = 0;
    double waste = 0; // per bar: its length minus the pieces and saw cuts
};

struct Plan {
    std::vector<CutPattern> patterns;
    // Pieces left uncut, per piece index: longer than every bar, or not enough bars.
    std::vector<int> uncut;
    std::vector<int> tooLong; // piece indices longer than every bar
    double cost = 0;          // objective of the plan (see docs/cutting-stock.md)
    double lowerBound = 0;    // proven lower bound of any plan's cost (0 when not proven)
    bool boundProven = false;
    int columns = 0;    // patterns generated for the linear relaxation
    int iterations = 0; // pricing rounds of the column generation

    int barsUsed() const;
    int barsUsed(int barType) const;
    double totalWaste() const;
    int uncutCount() const;
};

} // namespace cutstock
