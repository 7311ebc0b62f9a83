#include "kw/designer/CControlRect.h"

CControlRect::CControlRect(ui::Window* control) : m_window(control) {
    if (control)
        m_rect = control->rect();
}

int CControlRect::id() const {
    const ui::Window* w = m_window.get();
    return w && w->isWindow() ? w->id() : 0;
}

const ui::TrackerStyle& CControlRect::style() {
    static const ui::TrackerStyle s{kHandleSize, GetHandleMask() != 0, ui::Color{0, 0, 0},
                                    ui::PenStyle::Solid};
    return s;
}

void CControlRect::setRect(int left, int top, int right, int bottom) {
    m_rect = ui::Rect{left, top, right, bottom};
    if (ui::Window* w = m_window.get(); w && w->isWindow()) {
        w->moveWindow(m_rect, true);
    }
}

ui::TrackerHit CControlRect::hitTest(ui::Point p) const {
    if (selected)
        return ui::trackerHitTest(m_rect, p, style());
    return m_rect.normalized().contains(p) ? ui::TrackerHit::Middle : ui::TrackerHit::Nothing;
}
