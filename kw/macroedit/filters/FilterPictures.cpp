#include "kw/macroedit/filters/FilterPictures.h"

#include "kw/frame/IconDrawing.h"
#include "kw/macroedit/filters/MacroFilterIds.h"

#include <cmath>
#include <cstdint>

namespace kw::filters {

namespace {

using kw::icon::fill;
using kw::icon::frame;
using kw::icon::line;

constexpr std::uint32_t kGreyKey = 0xFFC0C0C0u;
constexpr std::uint32_t kInk = 0xFF202020u;
constexpr std::uint32_t kBlue = 0xFF2050C0u;
constexpr std::uint32_t kRed = 0xFFC02020u;

void arc(ui::Bitmap& b, int cx, int cy, int r, int fromDeg, int toDeg, std::uint32_t c) {
    for (int a = fromDeg; a <= toDeg; ++a) {
        const double t = a * 3.14159265358979 / 180.0;
        const int x = cx + static_cast<int>(std::lround(r * std::cos(t)));
        const int y = cy - static_cast<int>(std::lround(r * std::sin(t)));
        if (x >= 0 && y >= 0 && x < b.width && y < b.height)
            b.set(x, y, c);
    }
}

// A member seen from the side: a filled bar between two points (horizontal or vertical).
void bar(ui::Bitmap& b, int x0, int y0, int x1, int y1) {
    fill(b, x0, y0, x1, y1, kBlue);
    frame(b, x0, y0, x1, y1, kInk);
}

// An I-section: flanges `w` wide, `h` high, centred at (cx, cy).
void section(ui::Bitmap& b, int cx, int cy, int w, int h) {
    fill(b, cx - w / 2, cy - h / 2, cx + w / 2, cy - h / 2 + 3, kBlue);
    fill(b, cx - w / 2, cy + h / 2 - 3, cx + w / 2, cy + h / 2, kBlue);
    fill(b, cx - 1, cy - h / 2, cx + 1, cy + h / 2, kBlue);
}

void arrowsH(ui::Bitmap& b, int x0, int x1, int y) {
    line(b, x0, y, x1, y, kRed);
    line(b, x0, y, x0 + 3, y - 3, kRed);
    line(b, x0, y, x0 + 3, y + 3, kRed);
    line(b, x1, y, x1 - 3, y - 3, kRed);
    line(b, x1, y, x1 - 3, y + 3, kRed);
}

void arrowsV(ui::Bitmap& b, int x, int y0, int y1) {
    line(b, x, y0, x, y1, kRed);
    line(b, x, y0, x - 3, y0 + 3, kRed);
    line(b, x, y0, x + 3, y0 + 3, kRed);
    line(b, x, y1, x - 3, y1 - 3, kRed);
    line(b, x, y1, x + 3, y1 - 3, kRed);
}

ui::Bitmap angle90() {
    ui::Bitmap b(36, 36, kGreyKey);
    bar(b, 4, 4, 9, 31);    // column
    bar(b, 10, 14, 31, 18); // beam
    arc(b, 10, 18, 9, 0, 90, kRed);
    return b;
}

ui::Bitmap angle180() {
    ui::Bitmap b(36, 36, kGreyKey);
    bar(b, 2, 15, 16, 19);
    bar(b, 19, 15, 33, 19);
    arc(b, 18, 17, 9, 0, 180, kRed);
    return b;
}

ui::Bitmap sectionAngle() {
    ui::Bitmap b(64, 64, kGreyKey);
    section(b, 20, 40, 20, 28);
    // The second section turned: its web along a slope.
    line(b, 36, 12, 58, 34, kBlue);
    line(b, 37, 12, 59, 34, kBlue);
    line(b, 32, 20, 44, 8, kBlue);
    line(b, 52, 40, 63, 29, kBlue);
    arc(b, 20, 40, 16, 0, 45, kRed);
    return b;
}

ui::Bitmap pathDistance() {
    ui::Bitmap b(64, 64, kGreyKey);
    bar(b, 4, 30, 59, 34); // the path
    fill(b, 14, 24, 17, 29, kInk);
    fill(b, 46, 24, 49, 29, kInk);
    arrowsH(b, 15, 48, 18);
    return b;
}

ui::Bitmap sectionSize() {
    ui::Bitmap b(64, 64, kGreyKey);
    section(b, 28, 34, 30, 40);
    arrowsV(b, 52, 14, 54); // height
    arrowsH(b, 13, 43, 6);  // width
    return b;
}

} // namespace

std::vector<FilterPicture> filterPictures() {
    return {{kBitmapAngle90, angle90()},
            {kBitmapAngle180, angle180()},
            {kBitmapSectionAngle, sectionAngle()},
            {kBitmapPathDistance, pathDistance()},
            {kBitmapSectionSize, sectionSize()}};
}

} // namespace kw::filters
