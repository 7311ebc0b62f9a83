#pragma once
// DlgResizeLayout: re-lays a dialog's controls when the dialog is resized.
//
// attach() remembers the dialog's window rectangle and the rectangle of every child
// (client coordinates), except toolbars. Each control has a horizontal and a vertical
// mode, a bit set of kKeepSize, kKeepNear and kFollowFar; a control without a mode
// scales with the dialog. relayout() (call it from the dialog's size handler) moves all
// controls in one deferred batch. For each axis, with scale = new size / remembered
// size and delta = new size - remembered size:
//   near edge: unchanged with kKeepNear; near + delta with kKeepSize|kFollowFar;
//              otherwise near * scale;
//   far edge:  far + delta with kFollowFar; new near + remembered extent with kKeepSize;
//              otherwise far * scale.
// Scaled values are truncated toward zero.
//
// The layout keeps one entry per child window, not per control id: several controls
// may share an id (labels often all have -1), and each keeps its own rectangle.
// setMode(id) sets the modes of every control with that id.

#include <vector>

#include "platform/ui/Geometry.h"
#include "platform/ui/Window.h"

class DlgResizeLayout {
public:
    enum Mode : int {
        kKeepSize = 1,
        kKeepNear = 2,
        kFollowFar = 4,
        kStretch = kKeepNear | kFollowFar, // 6
        kMoveFar = kKeepSize | kFollowFar, // 5
        kStay = kKeepSize | kKeepNear,     // 3
    };

    // Remembers the dialog's and its children's current rectangles. False without a dialog.
    bool attach(ui::Window* dialog);
    // Sets the modes of every control `id`; false when none was there at attach.
    bool setMode(int id, int horizontal, int vertical);
    // Moves every remembered control for the dialog's current size.
    void relayout();

    // The arithmetic of one axis, for the rules above.
    static void layoutAxis(int mode, int near, int far, int oldSize, int newSize, int& newNear,
                           int& newFar);

private:
    struct Entry {
        ui::WindowRef<> window; // empty once the control is destroyed
        int id = 0;
        ui::Rect rect;
        int horizontal = 0;
        int vertical = 0;
    };
    ui::WindowRef<> m_dialog;
    ui::Rect m_dialogRect;
    std::vector<Entry> m_controls;
};
