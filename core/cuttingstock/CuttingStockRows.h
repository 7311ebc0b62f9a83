#pragma once
// The rows of the three cutting-stock tables: Profile, Length (mm), Count. The rules
// every reader and the optimisation apply (docs/cutting-stock.md):
// - a row whose fields are all blank is no row (skipped);
// - the length is a decimal number above 0 and at most kLargestLength;
// - the count is a whole number from 0 to kLargestCount; in the purchase table an
//   empty count means "as many as needed";
// - more than three fields, or control characters in a field, make the row damaged.

#include "core/Tvl_StringArray.h"

namespace cutstock {

inline constexpr double kLargestLength = 100000.0; // 100 m
inline constexpr int kLargestCount = 100000;
inline constexpr int kLargestRowCount = 10000;

bool isBlankRow(const Tvl_StringArray& row);
// True when the row is usable in `table` (DlgCSP2Data::Table); otherwise `why` says
// what is wrong, in words for the user.
bool checkRow(int table, const Tvl_StringArray& row, Tvl_String& why);
// The values of a checked row. `count` is -1 for "as many as needed".
void rowValues(const Tvl_StringArray& row, Tvl_String& profile, double& length, int& count);

} // namespace cutstock
