#include "kw/macro/BoltPicture.h"

#include "kw/frame/IconDrawing.h"

namespace kw::macro {

namespace {

constexpr std::uint32_t kInk = 0xFF202020u;
constexpr std::uint32_t kSteel = 0xFF9AA6B2u;
constexpr std::uint32_t kPlate = 0xFFD8C8A0u;
constexpr std::uint32_t kHatch = 0xFF8C7850u;

void part(ui::Bitmap& b, int x0, int y0, int x1, int y1, std::uint32_t face) {
    icon::fill(b, x0, y0, x1, y1, face);
    icon::frame(b, x0, y0, x1, y1, kInk);
}

} // namespace

ui::Bitmap boltPicture() {
    ui::Bitmap b(96, 48, kBoltPictureKey);
    // The two plates, hatched as a section.
    for (int x0 : {26, 48}) {
        part(b, x0, 2, x0 + 21, 45, kPlate);
        for (int k = 0; k < 64; k += 6)
            for (int y = 3; y <= 44; ++y) {
                const int x = x0 + 1 + k - (y - 3);
                if (x > x0 && x < x0 + 21)
                    b.set(x, y, kHatch);
            }
    }
    // Shank through both plates, with its thread beyond the nut.
    part(b, 10, 20, 88, 27, kSteel);
    for (int x = 80; x < 88; x += 2)
        icon::line(b, x, 20, x, 27, kInk);
    // Nut 1 and washer 1 on the left, washer 2 and nut 2 on the right.
    part(b, 4, 10, 15, 37, kSteel);
    part(b, 17, 7, 23, 40, kSteel);
    part(b, 71, 7, 77, 40, kSteel);
    part(b, 79, 10, 90, 37, kSteel);
    icon::line(b, 4, 18, 15, 18, kInk);
    icon::line(b, 4, 29, 15, 29, kInk);
    icon::line(b, 79, 18, 90, 18, kInk);
    icon::line(b, 79, 29, 90, 29, kInk);
    return b;
}

} // namespace kw::macro
