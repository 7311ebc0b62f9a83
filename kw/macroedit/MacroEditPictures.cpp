#include "kw/macroedit/MacroEditPictures.h"

#include "kw/frame/IconDrawing.h"
#include "kw/frame/ModuleResources.h"
#include "kw/macroedit/MacroEditIds.h"
#include "platform/ui/draw/Bmp.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <memory>

namespace kw::macroedit {

namespace {

using kw::icon::fill;
using kw::icon::frame;
using kw::icon::line;

constexpr std::uint32_t kGreyKey = 0xFFC0C0C0u; // command bitmaps
constexpr std::uint32_t kMagenta = 0xFFFF00FFu; // constraint pictures
constexpr std::uint32_t kInk = 0xFF202020u;
constexpr std::uint32_t kBlue = 0xFF2050C0u;
constexpr std::uint32_t kRed = 0xFFC02020u;
constexpr std::uint32_t kGreen = 0xFF208040u;
constexpr std::uint32_t kGrey = 0xFF808080u;

void thick(ui::Bitmap& b, int x0, int y0, int x1, int y1, std::uint32_t c) {
    line(b, x0, y0, x1, y1, c);
    line(b, x0 + 1, y0, x1 + 1, y1, c);
    line(b, x0, y0 + 1, x1, y1 + 1, c);
}

void circle(ui::Bitmap& b, int cx, int cy, int r, std::uint32_t c) {
    for (int a = 0; a < 360; a += 2) {
        const double t = a * 3.14159265358979 / 180.0;
        b.set(cx + static_cast<int>(std::lround(r * std::cos(t))),
              cy + static_cast<int>(std::lround(r * std::sin(t))), c);
    }
}

void arrowHeads(ui::Bitmap& b, int x0, int x1, int y, std::uint32_t c) {
    line(b, x0, y, x0 + 3, y - 3, c);
    line(b, x0, y, x0 + 3, y + 3, c);
    line(b, x1, y, x1 - 3, y - 3, c);
    line(b, x1, y, x1 - 3, y + 3, c);
}

ui::Bitmap command(int code) {
    ui::Bitmap b(32, 32, kGreyKey);
    switch (code) {
    case 0: // parallel
        thick(b, 6, 24, 22, 6, kBlue);
        thick(b, 11, 27, 27, 9, kBlue);
        break;
    case 1: // perpendicular
        thick(b, 5, 26, 27, 26, kBlue);
        thick(b, 15, 26, 15, 4, kBlue);
        frame(b, 15, 20, 21, 26, kRed);
        break;
    case 2: // coincident
        thick(b, 4, 26, 16, 14, kBlue);
        thick(b, 16, 14, 28, 22, kBlue);
        fill(b, 14, 12, 18, 16, kRed);
        break;
    case 3: // symmetric
        line(b, 16, 2, 16, 30, kRed);
        fill(b, 5, 12, 11, 18, kBlue);
        fill(b, 21, 12, 27, 18, kBlue);
        break;
    case 4: // tangent
        circle(b, 14, 18, 9, kBlue);
        thick(b, 2, 27, 30, 27, kInk);
        break;
    case 5: // concentric
        circle(b, 16, 16, 12, kBlue);
        circle(b, 16, 16, 6, kBlue);
        fill(b, 15, 15, 17, 17, kRed);
        break;
    case 6: // equal radius
        circle(b, 9, 16, 6, kBlue);
        circle(b, 23, 16, 6, kBlue);
        line(b, 9, 16, 15, 16, kRed);
        line(b, 23, 16, 29, 16, kRed);
        break;
    case 7: // distance
        line(b, 4, 8, 4, 24, kInk);
        line(b, 28, 8, 28, 24, kInk);
        line(b, 4, 16, 28, 16, kBlue);
        arrowHeads(b, 4, 28, 16, kBlue);
        break;
    case 8: // angle
        thick(b, 4, 27, 28, 27, kInk);
        thick(b, 4, 27, 24, 7, kInk);
        for (int a = 0; a <= 45; a += 3) {
            const double t = a * 3.14159265358979 / 180.0;
            b.set(4 + static_cast<int>(std::lround(14 * std::cos(t))),
                  27 - static_cast<int>(std::lround(14 * std::sin(t))), kBlue);
        }
        break;
    case 9: // radius
        circle(b, 16, 16, 12, kInk);
        line(b, 16, 16, 25, 7, kBlue);
        fill(b, 15, 15, 17, 17, kRed);
        break;
    case 11: // add module
        frame(b, 4, 6, 22, 24, kInk);
        thick(b, 20, 20, 28, 20, kGreen);
        thick(b, 24, 16, 24, 24, kGreen);
        break;
    case 12: // bolt pattern
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 2; ++c)
                circle(b, 10 + c * 12, 7 + r * 9, 3, kInk);
        break;
    case 13: // coordinate system
        thick(b, 6, 26, 28, 26, kRed);
        thick(b, 6, 26, 6, 4, kGreen);
        line(b, 6, 26, 18, 14, kBlue);
        break;
    default:
        break;
    }
    return b;
}

// A constraint picture: a plate (the grey bar) with the measured edge marked.
ui::Bitmap constraintPicture(int which) {
    ui::Bitmap b(24, 24, kMagenta);
    switch (which) {
    case 0: // inside
        fill(b, 8, 3, 15, 20, kGrey);
        line(b, 8, 12, 15, 12, kRed);
        break;
    case 1: // outside
        fill(b, 8, 3, 15, 20, kGrey);
        line(b, 2, 12, 21, 12, kRed);
        break;
    case 2: // measured from above
        fill(b, 3, 8, 20, 15, kGrey);
        line(b, 12, 2, 12, 8, kRed);
        break;
    case 3: // measured from below
        fill(b, 3, 8, 20, 15, kGrey);
        line(b, 12, 15, 12, 21, kRed);
        break;
    case 4: // angle to the left
        line(b, 2, 20, 21, 20, kInk);
        line(b, 21, 20, 6, 4, kBlue);
        break;
    default: // angle to the right
        line(b, 2, 20, 21, 20, kInk);
        line(b, 2, 20, 17, 4, kBlue);
        break;
    }
    return b;
}

ui::Bitmap zoomIcon() { // a magnifier
    ui::Bitmap b(16, 16, kGreyKey);
    circle(b, 6, 6, 4, kInk);
    thick(b, 9, 9, 14, 14, kInk);
    return b;
}

void addIcons(ui::ResourceModule& module) {
    module.addIcon(kIconZoom, ui::encodeBmp24(zoomIcon()));
}

const kw::ResourceRegistrar registrar(addIcons);

} // namespace

const wchar_t* commandBitmapName(int code) {
    static const wchar_t* const kNames[kCommandButtons] = {L"Parallel.bmp",
                                                           L"Perpendicular.bmp",
                                                           L"Coincident.bmp",
                                                           L"Symmetric.bmp",
                                                           L"Tangent.bmp",
                                                           L"Concentric.bmp",
                                                           L"EqualRadius.bmp",
                                                           L"Distance.bmp",
                                                           L"Angle.bmp",
                                                           L"Radius.bmp",
                                                           nullptr,
                                                           L"AddModule.bmp",
                                                           L"BoltPattern.bmp",
                                                           L"CoordSys.bmp"};
    return code >= 0 && code < kCommandButtons ? kNames[code] : nullptr;
}

std::vector<SamplePicture> samplePictures() {
    std::vector<SamplePicture> out;
    for (int code = 0; code < kCommandButtons; ++code)
        if (const wchar_t* name = commandBitmapName(code))
            out.push_back({name, command(code)});
    static const wchar_t* const kConstraintPictures[] = {L"DistInside.bmp", L"DistOutside.bmp",
                                                         L"DistAbove.bmp",  L"DistBelow.bmp",
                                                         L"AngleLeft.bmp",  L"AngleRight.bmp"};
    for (int i = 0; i < 6; ++i)
        out.push_back({kConstraintPictures[i], constraintPicture(i)});
    return out;
}

ui::Image placeholderPicture(int size, ui::Color key) {
    const std::uint32_t back = 0xFF000000u | (static_cast<std::uint32_t>(key.r) << 16) |
                               (static_cast<std::uint32_t>(key.g) << 8) |
                               static_cast<std::uint32_t>(key.b);
    ui::Bitmap b(size, size, back);
    frame(b, 1, 1, size - 2, size - 2, kGrey);
    const int m = size / 2;
    line(b, m - 3, m - 4, m + 3, m - 4, kGrey); // a question mark
    line(b, m + 3, m - 4, m + 3, m - 1, kGrey);
    line(b, m + 3, m - 1, m, m - 1, kGrey);
    line(b, m, m - 1, m, m + 2, kGrey);
    b.set(m, m + 4, kGrey);
    ui::Image image;
    image.bmp = std::make_shared<const std::vector<std::uint8_t>>(ui::encodeBmp24(b));
    image.transparent = key;
    return image;
}

} // namespace kw::macroedit
