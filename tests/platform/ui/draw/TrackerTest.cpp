#include "platform/ui/draw/Tracker.h"
#include "platform/ui/draw/RecordingCanvas.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

TEST(Tracker, HandlesSitOutsideAndWinOverTheMiddle) {
    const Rect r{10, 10, 50, 30};
    const auto h = trackerHandleRects(r);
    EXPECT_EQ(h[0], (Rect{5, 5, 10, 10}));
    EXPECT_EQ(h[2], (Rect{50, 30, 55, 35}));
    EXPECT_EQ(h[4], (Rect{27, 5, 32, 10}));
    EXPECT_EQ(h[7], (Rect{5, 17, 10, 22}));
    struct Case {
        Point p;
        TrackerHit hit;
    };
    const Case cases[] = {
        {{7, 7}, TrackerHit::TopLeft},       {{52, 7}, TrackerHit::TopRight},
        {{52, 32}, TrackerHit::BottomRight}, {{7, 32}, TrackerHit::BottomLeft},
        {{29, 7}, TrackerHit::Top},          {{52, 19}, TrackerHit::Right},
        {{29, 32}, TrackerHit::Bottom},      {{7, 19}, TrackerHit::Left},
        {{20, 20}, TrackerHit::Middle},      {{10, 10}, TrackerHit::Middle},
        {{50, 20}, TrackerHit::Right},       {{60, 60}, TrackerHit::Nothing},
        {{40, 7}, TrackerHit::Nothing},
    };
    for (const Case& c : cases)
        EXPECT_EQ(trackerHitTest(r, c.p), c.hit) << c.p.x << "," << c.p.y;
    TrackerStyle moveOnly;
    moveOnly.handles = false;
    EXPECT_EQ(trackerHitTest(r, {7, 7}, moveOnly), TrackerHit::Nothing);

    RecordingCanvas canvas;
    paintTracker(canvas, r);
    EXPECT_EQ(canvas.itemsOfKind(DrawKind::FrameRect).size(), 1u);
    EXPECT_EQ(canvas.itemsOfKind(DrawKind::FillRect).size(), 8u);
}

TEST(Tracker, ResizeMovesTheDraggedSidesAndNormalises) {
    const Rect r{10, 10, 50, 30};
    EXPECT_EQ(trackerResize(r, TrackerHit::BottomRight, 5, 6), (Rect{10, 10, 55, 36}));
    EXPECT_EQ(trackerResize(r, TrackerHit::Top, 5, -4), (Rect{10, 6, 50, 30}));
    EXPECT_EQ(trackerResize(r, TrackerHit::Middle, 5, -4), (Rect{15, 6, 55, 26}));
    // Dragging the left side past the right one turns the rectangle over.
    EXPECT_EQ(trackerResize(r, TrackerHit::Left, 60, 0), (Rect{50, 10, 70, 30}));
    EXPECT_EQ(trackerResize(r, TrackerHit::Nothing, 5, 5), r);
}

} // namespace
