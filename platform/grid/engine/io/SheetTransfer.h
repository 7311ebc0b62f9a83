#pragma once

namespace grid {

class Sheet;

// Makes `target` hold what `loaded` holds (contents, attributes, spans, sizes,
// options), keeping the target's custom functions; `loaded` gets the target's old
// contents. Used by the readers, which fill a fresh sheet first so that a failed
// read leaves the caller's sheet untouched. Precondition: `target` is not
// calculating (see isCalculating).
void transferSheet(Sheet& loaded, Sheet& target);

// The last row and column holding a value, formula, attributes or a span anchor
// (0 when none), for exporters that write the used part of a sheet only.
// True while the sheet is in the middle of a calculation (a custom function's
// call-back is running); its contents must not be replaced then.
bool isCalculating(const Sheet& sheet);

struct UsedExtent {
    int cols = 0;
    int rows = 0;
};
UsedExtent usedExtent(const Sheet& sheet);

} // namespace grid
