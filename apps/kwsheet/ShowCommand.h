#pragma once

// `kwsheet show FILE [REF...]`: loads a .kws or .csv file, recalculates, and
// prints `REF<TAB>DISPLAY` lines (with a third field `=FORMULA` for formula
// cells): the given cells in the given order, or every non-empty cell of the
// sheet in row-major order. `argv` holds the arguments after the sub-command.
// Returns 0; on failure one line on standard error and 1 (failed) or 2 (bad usage).
int runShow(int argc, char** argv);
