#include "platform/ui/draw/Tracker.h"

namespace ui {

std::array<Rect, 8> trackerHandleRects(const Rect& r, const TrackerStyle& style) {
    const int s = style.handleSize;
    const Rect n = r.normalized();
    const int cx = n.left + (n.width() - s) / 2;
    const int cy = n.top + (n.height() - s) / 2;
    const int left = n.left - s, right = n.right, top = n.top - s, bottom = n.bottom;
    return {
        Rect::fromSize(left, top, s, s),     Rect::fromSize(right, top, s, s),
        Rect::fromSize(right, bottom, s, s), Rect::fromSize(left, bottom, s, s),
        Rect::fromSize(cx, top, s, s),       Rect::fromSize(right, cy, s, s),
        Rect::fromSize(cx, bottom, s, s),    Rect::fromSize(left, cy, s, s),
    };
}

TrackerHit trackerHitTest(const Rect& r, Point p, const TrackerStyle& style) {
    if (style.handles) {
        const auto handles = trackerHandleRects(r, style);
        for (size_t i = 0; i < handles.size(); ++i)
            if (handles[i].contains(p))
                return static_cast<TrackerHit>(i);
    }
    return r.normalized().contains(p) ? TrackerHit::Middle : TrackerHit::Nothing;
}

void paintTracker(Canvas& c, const Rect& r, const TrackerStyle& style) {
    const Rect n = r.normalized();
    c.frameRect(n, Pen{style.color, 1, style.frame});
    if (!style.handles)
        return;
    for (const Rect& h : trackerHandleRects(n, style))
        c.fillRect(h, style.color);
}

Rect trackerResize(const Rect& r, TrackerHit hit, int dx, int dy) {
    Rect out = r;
    switch (hit) {
    case TrackerHit::Nothing:
        return r;
    case TrackerHit::Middle:
        return r.offset(dx, dy).normalized();
    case TrackerHit::TopLeft:
        out.left += dx;
        out.top += dy;
        break;
    case TrackerHit::TopRight:
        out.right += dx;
        out.top += dy;
        break;
    case TrackerHit::BottomRight:
        out.right += dx;
        out.bottom += dy;
        break;
    case TrackerHit::BottomLeft:
        out.left += dx;
        out.bottom += dy;
        break;
    case TrackerHit::Top:
        out.top += dy;
        break;
    case TrackerHit::Right:
        out.right += dx;
        break;
    case TrackerHit::Bottom:
        out.bottom += dy;
        break;
    case TrackerHit::Left:
        out.left += dx;
        break;
    }
    return out.normalized();
}

} // namespace ui
