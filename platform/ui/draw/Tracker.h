#pragma once
// The rectangle tracker's look and hit testing (the designer's control frames): a solid
// frame, eight square handles outside the rectangle and the hit codes of the platform's
// tracker. Mouse tracking itself belongs to the window that owns the tracker.

#include "platform/ui/draw/Canvas.h"

#include <array>

namespace ui {

enum class TrackerHit {
    Nothing = -1,
    TopLeft = 0,
    TopRight = 1,
    BottomRight = 2,
    BottomLeft = 3,
    Top = 4,
    Right = 5,
    Bottom = 6,
    Left = 7,
    Middle = 8,
};

struct TrackerStyle {
    int handleSize = 5;  // handles sit just outside the rectangle
    bool handles = true; // resizable: draw and hit-test the handles
    Color color{0, 0, 0};
    PenStyle frame = PenStyle::Solid;
};

// Handle rectangles indexed by the hit codes TopLeft..Left.
std::array<Rect, 8> trackerHandleRects(const Rect& r, const TrackerStyle& style = {});
// Handles first (a handle wins over the middle), then the rectangle itself.
TrackerHit trackerHitTest(const Rect& r, Point p, const TrackerStyle& style = {});
void paintTracker(Canvas& c, const Rect& r, const TrackerStyle& style = {});
// The rectangle after dragging handle `hit` by (dx, dy); Middle moves it. The result is
// normalised, so dragging a handle past the opposite side turns the rectangle over.
Rect trackerResize(const Rect& r, TrackerHit hit, int dx, int dy);

} // namespace ui
