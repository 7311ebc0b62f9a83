#pragma once
// One cutting-stock problem: pieces of one profile to be cut from bars of that profile,
// some on hand (limited counts), some to be bought. Lengths are in millimetres.

#include <string>
#include <vector>

namespace cutstock {

struct Piece {
    std::wstring label;
    double length = 0;
    int count = 0;
};

struct BarType {
    std::wstring label;
    double length = 0;
    // How many bars there are (on hand) or may be bought; -1: as many as needed.
    int count = -1;
    bool onHand = false; // stock already held: used before anything is bought
};

struct Problem {
    std::wstring profile;
    std::vector<Piece> pieces;
    std::vector<BarType> bars;
    double sawCut = 0; // width lost at every cut between two pieces
};

} // namespace cutstock
