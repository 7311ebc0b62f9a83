#include "platform/ui/controls/Static.h"

namespace ui {

LRESULT Static::windowProc(unsigned msg, WPARAM w, LPARAM l) {
    LRESULT r = 0;
    if (onMessage(msg, w, l, r))
        return r;
    switch (msg) {
    case WM_LBUTTONUP:
        if (style() & SS_NOTIFY)
            notifyParent(STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (style() & SS_NOTIFY)
            notifyParent(STN_DBLCLK);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    default:
        return defWindowProc(msg, w, l);
    }
}

void Static::adoptState(Window& from) {
    Window::adoptState(from);
    if (auto* s = dynamic_cast<Static*>(&from))
        m_image = s->m_image;
}

} // namespace ui
