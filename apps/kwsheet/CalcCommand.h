#pragma once

#include <iosfwd>

// `kwsheet calc [--style default|a1|r1c1]`: reads `REF<TAB>CONTENT` lines,
// calculates, and writes `REF<TAB>DISPLAY` for every non-empty cell in
// row-major order. Returns 0; on bad input one line on `err` and 1 (bad data)
// or 2 (bad usage).
int runCalc(int argc, char** argv);
int runCalc(int argc, char** argv, std::istream& in, std::ostream& out, std::ostream& err);
