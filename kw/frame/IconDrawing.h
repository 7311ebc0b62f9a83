#pragma once
// Pixel drawing for the module's own button icons and pictures (drawn in code, written
// into the sample installation as BMP files). Coordinates are inclusive.

#include <cstdint>

#include "platform/ui/draw/Bitmap.h"

namespace kw::icon {

// A one-pixel line from (x0,y0) to (x1,y1), both ends included.
void line(ui::Bitmap& b, int x0, int y0, int x1, int y1, std::uint32_t c);
// The outline of the rectangle with corners (x0,y0) and (x1,y1).
void frame(ui::Bitmap& b, int x0, int y0, int x1, int y1, std::uint32_t c);
// The filled rectangle with corners (x0,y0) and (x1,y1).
void fill(ui::Bitmap& b, int x0, int y0, int x1, int y1, std::uint32_t c);

// A 16 x 16 button icon from 16 rows of 16 characters: '#' ink, 'o' paper, 'y' yellow,
// anything else the transparent key colour of button icons.
ui::Bitmap fromRows(const char* const (&rows)[16]);

} // namespace kw::icon
