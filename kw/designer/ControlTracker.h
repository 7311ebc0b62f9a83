#pragma once
// What the design data needs of the designer window's control tracker. In design mode
// every drawn control is handed to the tracker, which owns the selection, draws the
// selection frames and moves and sizes the controls with the mouse. The designer window
// supplies the implementation; the design data only talks to this interface.

#include "platform/ui/Geometry.h"
#include "platform/ui/Window.h"

#include <vector>

namespace ui {
class Canvas;
}

namespace kw::designer {

class ControlTracker {
public:
    virtual ~ControlTracker() = default;

    // The window the trackers draw in.
    virtual void bind(ui::Window* dialog) = 0;
    // A drawn control was created (the window is the control's, owned by the dialog).
    virtual void add(ui::Window* control) = 0;
    // Clears the selection and forgets the control with that window id.
    virtual void remove(int id) = 0;
    // The window id of the only selected control; -1 when none or several are selected.
    virtual int currentId() const = 0;
    // Optionally clears the selection, then selects the control with that id (an
    // unknown id does nothing).
    virtual void select(int id, bool clearFirst) = 0;
    // Window ids of the selection, in selection order.
    virtual void selectedIds(std::vector<int>& ids) const = 0;
    // Marks all unselected and empties the selection; returns how many were selected.
    virtual int clearSelection() = 0;
    // Draws the frames and handles of the selection.
    virtual void paint(ui::Canvas& canvas) = 0;
    // True when a control's tracker set the cursor for the point.
    virtual bool setCursor(ui::Window* window, int hitTest) = 0;
    // Left button pressed in the dialog (client point).
    virtual void leftButtonDown(ui::Point point, unsigned flags, bool allowRubberBand) = 0;
};

// Creates the tracker used in design mode. The designer window installs its factory;
// without one, design mode works with a simple selection-only tracker.
using ControlTrackerFactory = ControlTracker* (*)();
void setControlTrackerFactory(ControlTrackerFactory factory);
ControlTracker* createControlTracker();

} // namespace kw::designer
