#pragma once
// DrawText layout shared by every canvas: "&" prefix processing, line splitting,
// word breaking, end ellipsis and alignment. Widths come from a caller-supplied
// measure function, so the same rules hold for the fixed metric model and for
// real font metrics.

#include "platform/ui/Geometry.h"
#include "platform/ui/draw/Canvas.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

struct TextLine {
    std::wstring text; // what is drawn (prefixes removed, ellipsis added)
    Point at;          // top-left of the line
    int width = 0;
    size_t underline = std::wstring::npos; // index in `text` of the accelerator character
};

struct TextLayout {
    std::vector<TextLine> lines;
    int width = 0;  // widest line
    int height = 0; // lines * line height
};

// Removes "&" prefixes: "&&" becomes "&", "&x" becomes "x" and marks it; a trailing
// lone "&" is dropped. `underline` gets the index of the last marked character (npos
// when none), as the platform underlines one accelerator.
std::wstring stripPrefixes(std::wstring_view text, size_t* underline = nullptr);

using MeasureWidth = std::function<int(std::wstring_view)>;

// Lays out `text` in `r`. Lines that do not fit the width get "..." with EndEllipsis;
// with WordBreak, lines wrap at spaces (a word wider than the rectangle keeps a line of
// its own and is clipped, as on the platform). With EndEllipsis and more lines than the
// rectangle's height holds, the last line that fits ends in "..." and the rest is dropped.
// A rectangle of zero width or height does not limit that dimension (DT_CALCRECT).
TextLayout layoutText(const Rect& r, std::wstring_view text, TextFlags flags, int lineHeight,
                      const MeasureWidth& widthOf);

} // namespace ui
