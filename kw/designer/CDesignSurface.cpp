#include "kw/designer/CDesignSurface.h"

#include "platform/ui/Messages.h"
#include "platform/ui/WindowClassRegistry.h"

#include <memory>

void CDesignSurface::registerClass() {
    static const bool registered = [] {
        ui::registerWindowClass(kClassName, [] { return std::make_unique<CDesignSurface>(); });
        return true;
    }();
    (void)registered;
}

void CDesignSurface::forward(unsigned message, unsigned flags, ui::Point client) {
    ui::Window* dialog = parent();
    if (!dialog)
        return;
    const ui::Point p = dialog->screenToClient(clientToScreen(client));
    dialog->sendMessage(message, flags, ui::makeLParam(p.x, p.y));
}

void CDesignSurface::onMouseDown(ui::MouseButton button, unsigned flags, ui::Point client) {
    forward(button == ui::MouseButton::Left ? ui::WM_LBUTTONDOWN : ui::WM_RBUTTONDOWN, flags,
            client);
}

void CDesignSurface::onMouseUp(ui::MouseButton button, unsigned flags, ui::Point client) {
    forward(button == ui::MouseButton::Left ? ui::WM_LBUTTONUP : ui::WM_RBUTTONUP, flags, client);
}

void CDesignSurface::onMouseMove(unsigned flags, ui::Point client) {
    forward(ui::WM_MOUSEMOVE, flags, client);
}

void CDesignSurface::onDoubleClick(ui::MouseButton button, unsigned flags, ui::Point client) {
    onMouseDown(button, flags, client);
}
