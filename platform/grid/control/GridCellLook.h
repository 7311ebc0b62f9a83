#pragma once
// The drawing of what a cell's type and format add to it, shared by the grid window and
// anything else that draws cells: borders in the product's line styles, aligned and
// multi-line text, and pictures placed by their style flags.

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/grid/engine/CellFormat.h"
#include "platform/grid/engine/io/ExportStyle.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Canvas.h"

namespace grid {

// On and off lengths in pixels along a line of that kind and width, starting with "on";
// empty for a solid (or double) line.
std::vector<int> dashPattern(LineKind kind, int width);

// The border's sides inside `cell` (right/bottom exclusive), each as a band of the line
// style's width on the cell's own edge: thin (1 px), medium (2 px), thick (3 px) and
// double (two 1-px lines, 3 px), solid or cut into dashes and dots. Style 0 and an empty
// set of sides draw nothing.
void paintBorder(ui::Canvas& c, const ui::Rect& cell, const Border& border, ui::Color color);

// DrawText's horizontal flag; numbers go right unless aligned otherwise.
ui::TextFlags horizontalFlags(HAlign align, bool number);

// A cell's text in `inner`: one line aligned both ways, or (multiLine) broken at words
// and blanks, placed top, centre or bottom as a block and cut at the cell's edges (the
// first line stays in view).
void paintCellText(ui::Canvas& c, const ui::Rect& inner, std::wstring_view text,
                   const ui::Font& font, ui::Color color, HAlign h, VAlign v, bool number,
                   bool multiLine);

// Where a picture of size `picture` goes in `cell`: stretched over it (style 2), as
// large as fits with its shape kept (2 + 4), or at its own size (neither); placed by the
// alignment (centre by default). Empty for an empty picture or cell.
ui::Rect pictureRect(const ui::Rect& cell, ui::Size picture, uint32_t style, HAlign h, VAlign v);

// Pictures of picture cells by product path, read again only when the file changed; a
// file that cannot be read is an empty picture.
class PictureFiles {
public:
    const ui::Bitmap& get(const std::string& productPath) const;
    void clear() { m_cache.clear(); }

private:
    struct Entry {
        ui::Bitmap bitmap;
        bool exists = false;
        std::filesystem::file_time_type stamp;
    };
    mutable std::map<std::string, Entry> m_cache;
};

} // namespace grid
