#include "kw/macro/MacroCutsPictures.h"

#include "kw/frame/IconDrawing.h"

namespace kw::macro {

namespace {

using kw::icon::fill;
using kw::icon::frame;
using kw::icon::line;

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kInk = 0xFF202020u;
constexpr std::uint32_t kSteel = 0xFF7090B0u;
constexpr std::uint32_t kPlate = 0xFFB0B0B0u;
constexpr std::uint32_t kCut = 0xFFD03030u;
constexpr std::uint32_t kBolt = 0xFF303030u;
constexpr std::uint32_t kConcrete = 0xFFC8C0A8u;

// An I-section seen from the side, between x0 and x1, flanges at y0 and y1.
void beamSide(ui::Bitmap& b, int x0, int y0, int x1, int y1) {
    fill(b, x0, y0, x1, y1, kSteel);
    frame(b, x0, y0, x1, y1, kInk);
    line(b, x0, y0 + 3, x1, y0 + 3, kInk);
    line(b, x0, y1 - 3, x1, y1 - 3, kInk);
}

// A column seen from the side (vertical I-section).
void columnSide(ui::Bitmap& b, int x0, int y0, int x1, int y1) {
    fill(b, x0, y0, x1, y1, kSteel);
    frame(b, x0, y0, x1, y1, kInk);
    line(b, x0 + 3, y0, x0 + 3, y1, kInk);
    line(b, x1 - 3, y0, x1 - 3, y1, kInk);
}

void bolt(ui::Bitmap& b, int x, int y) {
    fill(b, x - 1, y - 1, x + 1, y + 1, kBolt);
}

ui::Bitmap cutKind(int kind) {
    ui::Bitmap b(48, 32, kWhite);
    switch (kind) {
    case 0: // profile against a plate
        fill(b, 30, 2, 34, 29, kPlate);
        frame(b, 30, 2, 34, 29, kInk);
        beamSide(b, 4, 10, 29, 21);
        line(b, 29, 8, 29, 23, kCut);
        break;
    case 1: // profile against profile
        columnSide(b, 30, 2, 42, 29);
        beamSide(b, 4, 10, 29, 21);
        line(b, 29, 8, 29, 23, kCut);
        break;
    case 2: // profile in profile
        columnSide(b, 18, 2, 30, 29);
        beamSide(b, 4, 11, 44, 20);
        frame(b, 17, 10, 31, 21, kCut);
        break;
    case 3: // profile against profile in three segments
        columnSide(b, 32, 2, 44, 29);
        beamSide(b, 4, 10, 31, 21);
        line(b, 31, 8, 27, 12, kCut);
        line(b, 27, 12, 27, 19, kCut);
        line(b, 27, 19, 31, 23, kCut);
        break;
    case 4: // chamfer
        fill(b, 6, 6, 41, 25, kPlate);
        frame(b, 6, 6, 41, 25, kInk);
        for (int i = 0; i < 10; ++i)
            line(b, 32 + i, 6, 41, 15 - i, kWhite);
        line(b, 32, 6, 41, 15, kCut);
        break;
    default: // fillet
        fill(b, 6, 6, 41, 25, kPlate);
        frame(b, 6, 6, 41, 25, kInk);
        for (int y = 6; y < 16; ++y)
            for (int x = 32; x <= 41; ++x) {
                const int dx = x - 31, dy = 16 - y;
                if (dx * dx + dy * dy > 100)
                    b.set(x, y, kWhite);
            }
        for (int a = 0; a <= 10; ++a)
            for (int x = 31; x <= 41; ++x) {
                const int dx = x - 31, dy = 16 - (6 + a);
                const int d = dx * dx + dy * dy;
                if (d >= 90 && d <= 110)
                    b.set(x, 6 + a, kCut);
            }
        break;
    }
    return b;
}

// Previews are 96 x 96: a column at the left with what the macro joins to it.
ui::Bitmap endPlate(bool extended, bool haunch) {
    ui::Bitmap b(96, 96, kWhite);
    columnSide(b, 8, 4, 24, 91);
    const int top = extended ? 18 : 28, bottom = extended ? 74 : 64;
    fill(b, 25, top, 29, bottom, kPlate);
    frame(b, 25, top, 29, bottom, kInk);
    beamSide(b, 30, 30, 90, 62);
    if (haunch) {
        for (int i = 0; i < 16; ++i)
            line(b, 30, 62 + i, 30 + (16 - i) * 2, 62, kSteel);
        line(b, 30, 78, 62, 62, kInk);
    }
    for (int y = top + 6; y <= bottom - 6; y += 12)
        bolt(b, 27, y);
    return b;
}

ui::Bitmap basePlate(bool stiffeners) {
    ui::Bitmap b(96, 96, kWhite);
    fill(b, 4, 78, 91, 91, kConcrete);
    frame(b, 4, 78, 91, 91, kInk);
    fill(b, 16, 72, 79, 77, kPlate);
    frame(b, 16, 72, 79, 77, kInk);
    columnSide(b, 36, 4, 59, 71);
    if (stiffeners) {
        for (int i = 0; i < 14; ++i) {
            line(b, 22 + i, 71, 35, 57 + i, kSteel);
            line(b, 73 - i, 71, 60, 57 + i, kSteel);
        }
        line(b, 22, 71, 35, 57, kInk);
        line(b, 73, 71, 60, 57, kInk);
    }
    for (int x : {22, 73})
        line(b, x, 68, x, 90, kBolt);
    return b;
}

} // namespace

std::vector<DrawnPicture> cutKindPictures() {
    static const wchar_t* const kNames[6] = {L"CutProfvsPlate.bmp", L"CutProfvsProf.bmp",
                                             L"CutProfinProf.bmp",  L"CutProfvsProf3Segments.bmp",
                                             L"CutChamfer.bmp",     L"CutFillet.bmp"};
    std::vector<DrawnPicture> out;
    for (int kind = 0; kind < 6; ++kind)
        out.push_back({std::wstring(L"icons/") + kNames[kind], cutKind(kind)});
    return out;
}

std::vector<DrawnPicture> galleryPictures() {
    const std::wstring connections = L"tvllib/Macros/Connections/";
    const std::wstring bases = L"tvllib/Macros/Base plates/";
    // "Fin plate" has no preview: the gallery draws it when it opens.
    return {{connections + L"End plate.bmp", endPlate(false, false)},
            {connections + L"Extended end plate.bmp", endPlate(true, false)},
            {connections + L"Haunched end plate.bmp", endPlate(true, true)},
            {bases + L"Base plate.bmp", basePlate(false)},
            {bases + L"Stiffened base plate.bmp", basePlate(true)}};
}

} // namespace kw::macro
