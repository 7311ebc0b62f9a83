#include "platform/ui/draw/Bitmap.h"

namespace ui {

Bitmap::Bitmap(int w, int h, std::uint32_t fill)
    : width(w > 0 ? w : 0), height(h > 0 ? h : 0),
      pixels(static_cast<size_t>(width) * height, fill) {}

Bitmap Bitmap::crop(const Rect& r) const {
    const Rect c = r.intersect(bounds());
    if (c.isEmpty() || pixels.size() != static_cast<size_t>(width) * height)
        return {};
    Bitmap out(c.width(), c.height());
    for (int y = 0; y < c.height(); ++y)
        for (int x = 0; x < c.width(); ++x)
            out.set(x, y, at(c.left + x, c.top + y));
    return out;
}

} // namespace ui
