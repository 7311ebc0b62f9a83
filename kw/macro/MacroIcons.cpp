// The macro dialog's button icons, drawn here rather than stored: select other macros,
// the four views, load and save a property set, and the clash check.

#include "kw/frame/IconDrawing.h"
#include "kw/frame/ModuleResources.h"
#include "kw/macro/MacroIds.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

#include <cstdint>
#include <cstdlib>

namespace {

using kw::icon::fill;
using kw::icon::frame;
using kw::icon::line;

constexpr std::uint32_t kKey = 0xFFC0C0C0u; // transparent key colour of button icons
constexpr std::uint32_t kInk = 0xFF202020u;
constexpr std::uint32_t kBlue = 0xFF2050C0u;
constexpr std::uint32_t kRed = 0xFFC02020u;
constexpr std::uint32_t kYellow = 0xFFE0C040u;
constexpr std::uint32_t kGrey = 0xFF808080u;

ui::Bitmap selectIcon() { // a pointer over a frame
    ui::Bitmap b(16, 16, kKey);
    frame(b, 1, 5, 10, 14, kGrey);
    for (int i = 0; i < 8; ++i)
        line(b, 6, 2 + i, 6 + i, 2 + i, kInk);
    line(b, 9, 9, 13, 14, kInk);
    return b;
}

ui::Bitmap isoIcon() { // a box seen from above and aside
    ui::Bitmap b(16, 16, kKey);
    frame(b, 2, 6, 10, 14, kBlue);
    line(b, 2, 6, 6, 2, kBlue);
    line(b, 10, 6, 14, 2, kBlue);
    line(b, 6, 2, 14, 2, kBlue);
    line(b, 14, 2, 14, 10, kBlue);
    line(b, 10, 14, 14, 10, kBlue);
    return b;
}

// A plan view: the outline with one marked edge (0 front = bottom, 1 top = all, 2 side =
// right).
ui::Bitmap planIcon(int which) {
    ui::Bitmap b(16, 16, kKey);
    frame(b, 2, 2, 13, 13, kBlue);
    if (which == 0)
        fill(b, 2, 11, 13, 13, kBlue);
    else if (which == 1)
        fill(b, 5, 5, 10, 10, kBlue);
    else
        fill(b, 11, 2, 13, 13, kBlue);
    return b;
}

ui::Bitmap folderIcon() {
    ui::Bitmap b(16, 16, kKey);
    fill(b, 1, 5, 14, 13, kYellow);
    fill(b, 1, 3, 6, 4, kYellow);
    frame(b, 1, 5, 14, 13, kInk);
    return b;
}

ui::Bitmap diskIcon() {
    ui::Bitmap b(16, 16, kKey);
    fill(b, 2, 2, 13, 13, kBlue);
    fill(b, 4, 2, 11, 6, 0xFFFFFFFFu);
    fill(b, 5, 9, 10, 13, kGrey);
    frame(b, 2, 2, 13, 13, kInk);
    return b;
}

ui::Bitmap clashIcon() { // two overlapping parts, the overlap marked
    ui::Bitmap b(16, 16, kKey);
    frame(b, 1, 1, 9, 9, kInk);
    frame(b, 6, 6, 14, 14, kInk);
    fill(b, 7, 7, 8, 8, kRed);
    return b;
}

void addIcons(ui::ResourceModule& module) {
    using namespace kw::macro;
    module.addIcon(kIconSelectOther, ui::encodeBmp24(selectIcon()));
    module.addIcon(kIconView3, ui::encodeBmp24(isoIcon()));
    module.addIcon(kIconView0, ui::encodeBmp24(planIcon(0)));
    module.addIcon(kIconView1, ui::encodeBmp24(planIcon(1)));
    module.addIcon(kIconView2, ui::encodeBmp24(planIcon(2)));
    module.addIcon(kIconLoad, ui::encodeBmp24(folderIcon()));
    module.addIcon(kIconSave, ui::encodeBmp24(diskIcon()));
    module.addIcon(kIconClash, ui::encodeBmp24(clashIcon()));
}

const kw::ResourceRegistrar registrar(addIcons);

} // namespace
