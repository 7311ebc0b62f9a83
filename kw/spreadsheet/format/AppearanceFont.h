#pragma once
// The font of the font and colours dialog (a LOGFONT) and the grid's cell font: heights
// are character heights in pixels, negative in the LOGFONT. Converting there and back
// keeps face, height, weight, italic and underline; strike-out is the cell's own.

#include "platform/grid/engine/CellFormat.h"
#include "platform/ui/CommonDialogs.h"

namespace kw {

ui::LogFont toLogFont(const grid::Font& font);
// `base` gives what a LOGFONT does not carry here (strike-out).
grid::Font fromLogFont(const ui::LogFont& font, const grid::Font& base);

} // namespace kw
