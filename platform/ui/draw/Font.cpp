#include "platform/ui/draw/Font.h"

#include <cstdlib>

namespace ui {

namespace {
// The 8-point dialog font at 96 pixels per inch.
constexpr int kDefaultCharHeight = 11;
// Ascent + descent of the faces we draw with, per 1000 em (see TextMetrics).
constexpr int kCellPerMille = 1164;
} // namespace

Font Font::fromPointSize(std::wstring face, int points, int weight, int pixelsPerInch) {
    Font f;
    f.face = std::move(face);
    // MulDiv rounds half away from zero.
    const long num = static_cast<long>(points) * pixelsPerInch;
    f.height = -static_cast<int>((num + 36) / 72);
    f.weight = weight;
    return f;
}

int Font::charHeight() const {
    if (height < 0)
        return -height;
    if (height == 0)
        return kDefaultCharHeight;
    const int em = (height * 1000 + kCellPerMille / 2) / kCellPerMille;
    return em > 0 ? em : 1;
}

} // namespace ui
