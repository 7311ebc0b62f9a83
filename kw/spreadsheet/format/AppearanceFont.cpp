#include "kw/spreadsheet/format/AppearanceFont.h"

#include <cstdlib>

#include "platform/base/Encoding.h"

namespace kw {

ui::LogFont toLogFont(const grid::Font& font) {
    ui::LogFont f;
    f.faceName = base::fromUtf8(font.name);
    f.height = -std::abs(font.height);
    f.weight = font.weight;
    f.italic = font.italic;
    f.underline = font.underline;
    return f;
}

grid::Font fromLogFont(const ui::LogFont& font, const grid::Font& base) {
    grid::Font f = base;
    if (!font.faceName.empty())
        f.name = base::toUtf8(font.faceName);
    // A cell height (positive) is taken as the character height: the grid has no other.
    if (font.height != 0)
        f.height = std::abs(font.height);
    f.weight = font.weight > 0 ? font.weight : 400;
    f.italic = font.italic;
    f.underline = font.underline;
    return f;
}

} // namespace kw
