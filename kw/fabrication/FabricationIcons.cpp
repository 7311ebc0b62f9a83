// The load and store icons of the cutting-stock dialog, drawn here: an open folder and a
// floppy disk on the transparent key colour of button icons.

#include "kw/fabrication/Tvl_DlgCSP2.h"
#include "kw/frame/ModuleResources.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

namespace {

constexpr std::uint32_t kKey = 0xFFC0C0C0u;
constexpr std::uint32_t kOutline = 0xFF404040u;
constexpr std::uint32_t kFolder = 0xFFE0B040u;
constexpr std::uint32_t kDisk = 0xFF3050A0u;
constexpr std::uint32_t kLabel = 0xFFFFFFFFu;

void fill(ui::Bitmap& b, int x0, int y0, int x1, int y1, std::uint32_t c) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            b.set(x, y, c);
}

void frame(ui::Bitmap& b, int x0, int y0, int x1, int y1) {
    for (int x = x0; x <= x1; ++x) {
        b.set(x, y0, kOutline);
        b.set(x, y1, kOutline);
    }
    for (int y = y0; y <= y1; ++y) {
        b.set(x0, y, kOutline);
        b.set(x1, y, kOutline);
    }
}

ui::Bitmap folderIcon() {
    ui::Bitmap b(16, 16, kKey);
    fill(b, 1, 4, 6, 5, kFolder);
    fill(b, 1, 6, 14, 13, kFolder);
    frame(b, 1, 6, 14, 13);
    return b;
}

ui::Bitmap diskIcon() {
    ui::Bitmap b(16, 16, kKey);
    fill(b, 2, 2, 13, 13, kDisk);
    frame(b, 2, 2, 13, 13);
    fill(b, 5, 3, 10, 6, kLabel);
    fill(b, 5, 9, 10, 12, kOutline);
    return b;
}

void addIcons(ui::ResourceModule& module) {
    module.addIcon(Tvl_DlgCSP2::kIconLoad, ui::encodeBmp24(folderIcon()));
    module.addIcon(Tvl_DlgCSP2::kIconStore, ui::encodeBmp24(diskIcon()));
}

const kw::ResourceRegistrar registrar(addIcons);

} // namespace
