#pragma once
// Small helpers shared by the Theme*.cpp files; not part of the public drawing API.

#include "platform/ui/draw/Theme.h"

namespace ui::detail {

inline void hline(Canvas& c, int x0, int x1, int y, Color color) {
    if (x1 > x0)
        c.fillRect({x0, y, x1, y + 1}, color);
}
inline void vline(Canvas& c, int x, int y0, int y1, Color color) {
    if (y1 > y0)
        c.fillRect({x, y0, x + 1, y1}, color);
}
inline void frame(Canvas& c, const Rect& r, Color color) {
    if (!r.isEmpty())
        c.frameRect(r, Pen{color, 1, PenStyle::Solid});
}
inline Color textColor(bool disabled) {
    return disabled ? theme::kGrayText : theme::kText;
}
inline Pen pen(Color color, int width = 1) {
    return Pen{color, width, PenStyle::Solid};
}

// States come from controls as they are; sizes and offsets are kept to sane ranges
// before any arithmetic so that absurd values cannot overflow.
constexpr int kMaxExtent = 1 << 20;
inline int saneSize(int v, int lo = 1) {
    return v < lo ? lo : (v > kMaxExtent ? kMaxExtent : v);
}
inline int saneOffset(int v) {
    return v < 0 ? 0 : (v > kMaxExtent ? kMaxExtent : v);
}
inline int saneCoord(int v) {
    return v < -kMaxExtent ? -kMaxExtent : (v > kMaxExtent ? kMaxExtent : v);
}

constexpr TextFlags kOneLine = TextFlags::SingleLine | TextFlags::VCenter;

// A check box square (13 x 13) at `box` in the given state.
void paintCheckGlyph(Canvas& c, const Rect& box, CheckState check, bool disabled, bool pressed);

} // namespace ui::detail
