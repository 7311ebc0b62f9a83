#pragma once
// CDesignSurface: the designer window's drawing area, a window without a look of its own
// that lies under every other control of the dialog and covers its client area. The
// drawn controls are disabled in design mode, so a press on one of them, or on the bare
// picture, reaches the surface; the surface hands the mouse to the dialog in the
// dialog's client coordinates, where the control tracker takes it. Scripts name it to
// click and drag on the design (`drag 1320 X1 Y1 X2 Y2`).

#include "platform/ui/Window.h"

class CDesignSurface : public ui::Window {
public:
    static constexpr const wchar_t* kClassName = L"TvlDesignSurface";
    // Registers the window class (once).
    static void registerClass();

protected:
    void onMouseDown(ui::MouseButton button, unsigned flags, ui::Point client) override;
    void onMouseUp(ui::MouseButton button, unsigned flags, ui::Point client) override;
    void onMouseMove(unsigned flags, ui::Point client) override;
    void onDoubleClick(ui::MouseButton button, unsigned flags, ui::Point client) override;
    bool onEraseBkgnd(ui::Canvas&) override { return true; } // the dialog paints the design
    void onPaint(ui::Canvas&) override {}

private:
    void forward(unsigned message, unsigned flags, ui::Point client);
};
