#pragma once

#include <cstdint>
#include <string>

#include "platform/grid/engine/CellFormat.h"
#include "platform/grid/engine/CellType.h"

namespace grid {

// What the exporters need to know about a cell's look, worked out once from its
// format and type; shared by the HTML and .xls exporters.

// A system colour (0x800000nn) as the usual desktop default, other colours as they are.
Color resolveColor(Color color);

// Horizontal alignment from the format, else from the type's style flags.
HAlign effectiveHAlign(const CellFormat& format, const CellType& type);
VAlign effectiveVAlign(const CellFormat& format, const CellType& type);

// The product's border line styles as drawn by the exporters.
enum class LineKind { None, Solid, Dashed, Dotted, DashDot, DashDotDot, Double };
struct LineLook {
    LineKind kind = LineKind::None;
    int widthPx = 1;
};
LineLook lineLook(int productLineStyle);

// An Excel number format for a number-like cell type ("0.00", "0.00;[Red]-0.00");
// empty for General.
std::string numberFormatFor(const CellType& type);

} // namespace grid
