// The module's pictures, drawn here rather than stored: the two check-box cells of the
// macro pages' grids and the small icons that the shared dialogs put on buttons.

#include "kw/frame/ModuleIds.h"
#include "kw/frame/ModuleResources.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kFrame = 0xFF404040u;
constexpr std::uint32_t kMark = 0xFF000000u;
constexpr std::uint32_t kKey = 0xFFC0C0C0u; // transparent key colour of button icons
constexpr std::uint32_t kRed = 0xFFC02020u;
constexpr std::uint32_t kGreen = 0xFF208020u;

ui::Bitmap checkBox(bool checked) {
    ui::Bitmap b(13, 13, kWhite);
    for (int i = 0; i < 13; ++i) {
        b.set(i, 0, kFrame);
        b.set(i, 12, kFrame);
        b.set(0, i, kFrame);
        b.set(12, i, kFrame);
    }
    if (checked) {
        // A tick: down from (3,6) to (5,8), then up to (9,4), two pixels thick.
        const int pts[][2] = {{3, 6}, {4, 7}, {5, 8}, {6, 7}, {7, 6}, {8, 5}, {9, 4}};
        for (const auto& p : pts) {
            b.set(p[0], p[1], kMark);
            b.set(p[0], p[1] + 1, kMark);
        }
    }
    return b;
}

ui::Bitmap crossIcon() {
    ui::Bitmap b(16, 16, kKey);
    for (int i = 3; i < 13; ++i) {
        b.set(i, i, kRed);
        b.set(i + 1 < 16 ? i + 1 : i, i, kRed);
        b.set(15 - i, i, kRed);
        b.set(15 - i - 1 >= 0 ? 15 - i - 1 : 15 - i, i, kRed);
    }
    return b;
}

ui::Bitmap plusIcon() {
    ui::Bitmap b(16, 16, kKey);
    for (int i = 3; i < 13; ++i) {
        for (int t = 7; t <= 8; ++t) {
            b.set(i, t, kGreen);
            b.set(t, i, kGreen);
        }
    }
    return b;
}

void addBitmaps(ui::ResourceModule& module) {
    module.addBitmap(kw::kBitmapCheckOn, ui::encodeBmp24(checkBox(true)));
    module.addBitmap(kw::kBitmapCheckOff, ui::encodeBmp24(checkBox(false)));
    module.addIcon(kw::kIconDelete, ui::encodeBmp24(crossIcon()));
    module.addIcon(kw::kIconAdd, ui::encodeBmp24(plusIcon()));
}

const kw::ResourceRegistrar registrar(addBitmaps);

} // namespace
