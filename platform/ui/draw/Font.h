#pragma once
// A font as the product's drawing code creates it: face name, height in logical units
// (negative = character height, positive = cell height including internal leading,
// 0 = the default 8-point dialog font), weight 400 normal / 700 bold, italic, underline.
// A plain value; backends map faces to what the machine has (see docs/drawing.md).

#include <string>

namespace ui {

struct Font {
    std::wstring face = L"MS Sans Serif";
    int height = 0;
    int weight = 400;
    bool italic = false;
    bool underline = false;

    // Height for `points` at `pixelsPerInch` (MulDiv(pt, ppi, 72), negative), as the
    // product does for its point-size fonts.
    static Font fromPointSize(std::wstring face, int points, int weight = 400,
                              int pixelsPerInch = 96);

    // The character (em) height in pixels: |height| when negative, about 86% of the cell
    // when positive (the internal leading of the usual dialog faces), 11 when 0.
    int charHeight() const;
    bool bold() const { return weight >= 600; }

    Font withWeight(int w) const {
        Font f = *this;
        f.weight = w;
        return f;
    }
    Font withUnderline(bool u) const {
        Font f = *this;
        f.underline = u;
        return f;
    }

    friend bool operator==(const Font&, const Font&) = default;
};

} // namespace ui
