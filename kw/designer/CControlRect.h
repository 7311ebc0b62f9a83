#pragma once
// CControlRect: the tracker rectangle of one drawn control of a design, bound to the
// control's window. The rectangle is the window's rectangle in the dialog's client
// coordinates; setting it moves the window. Solid frame, eight handles of 5 pixels
// outside the rectangle.

#include "platform/ui/Geometry.h"
#include "platform/ui/Window.h"
#include "platform/ui/draw/Tracker.h"

class CControlRect {
public:
    static constexpr int kHandleSize = 5;

    explicit CControlRect(ui::Window* control);

    ui::Window* window() const { return m_window.get(); }
    // The window id of the control; 0 when its window is gone.
    int id() const;

    const ui::Rect& rect() const { return m_rect; }
    // Sets the tracker rectangle and moves the window to it, repainting.
    void setRect(int left, int top, int right, int bottom);
    void setRect(const ui::Rect& r) { setRect(r.left, r.top, r.right, r.bottom); }
    // Sets the tracker rectangle only (while the mouse is tracking it).
    void setTrackRect(const ui::Rect& r) { m_rect = r; }

    // Every handle is offered.
    static unsigned GetHandleMask() { return 255; }
    static const ui::TrackerStyle& style();

    // Handles count only for a selected rectangle (they are drawn only then).
    ui::TrackerHit hitTest(ui::Point p) const;

    bool selected = false;

private:
    ui::WindowRef<> m_window;
    ui::Rect m_rect;
};
