#pragma once
// The sheet most engine tests start from: a given size, A1 reference style.

#include "platform/grid/engine/Sheet.h"

namespace grid {

inline Sheet& sized(Sheet& s, int cols, int rows) {
    s.setMaxCols(cols);
    s.setMaxRows(rows);
    s.setRefStyle(RefStyle::A1);
    return s;
}

} // namespace grid
