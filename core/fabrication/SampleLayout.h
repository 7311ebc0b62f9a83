#pragma once
// The layout part of the sample model that the layout commands work on: its building
// grid, its levels, its members (for look-ups) and its cutting-stock jobs. It lives in
// memory for the session, like the rest of the sample model.

#include "core/Tvl_StringArray.h"
#include "core/cuttingstock/DlgCSP2Data.h"
#include "core/fabrication/BmLevelsDlgData.h"

#include <vector>

namespace sample {

struct GridDirection {
    int count = 0;
    Tvl_String distance; // "5000", "3*6000 4500": blank-separated, each "[n*]d"
    Tvl_String label;    // of the first line: letters or a number, counted up
};

struct BuildingGrid {
    GridDirection first{4, L"5000", L"A"};
    GridDirection second{3, L"5000", L"1"};
    bool dimensioned = false;
};

struct Member {
    Tvl_String name;
    Tvl_String section;
    Tvl_String material;
    double length = 0;
};

BuildingGrid& buildingGrid();
BmLevelsDlgData& levels();
std::vector<Member>& members();
DlgCSP2Data& cuttingStockJobs();
// Back to the values the session started with.
void resetLayout();

// The lines of one direction: labels and positions from 0. False, with `why`, when the
// count is below 1 or above 200, or a distance is not a number above 0 and at most
// 100000 mm; then nothing is given.
bool gridLines(const GridDirection& d, Tvl_StringArray& labels, std::vector<double>& positions,
               Tvl_String& why);
// "A" -> "B", "Z" -> "AA", "9" -> "10", "A9" -> "A10"; anything else gets "1" appended.
Tvl_String nextLabel(const Tvl_String& label);

} // namespace sample
