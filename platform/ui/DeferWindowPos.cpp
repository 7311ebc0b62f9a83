#include "platform/ui/DeferWindowPos.h"

namespace ui {

void DeferWindowPos::defer(Window* window, Window* insertAfter, int x, int y, int cx, int cy,
                           unsigned flags) {
    if (!window)
        return;
    Rect r = window->rect();
    if (!(flags & SWP_NOMOVE))
        r = Rect::fromSize(x, y, r.width(), r.height());
    if (!(flags & SWP_NOSIZE))
        r = Rect::fromSize(r.left, r.top, cx, cy);
    m_moves.push_back(Move{window, insertAfter, r, flags});
}

bool DeferWindowPos::apply() {
    // Two phases: every rectangle (and z-order) first, without notifications, then the
    // size notifications, so that no handler sees a half-moved layout.
    struct Pending {
        WindowRef<Window> w;
        Size oldClient;
        unsigned flags;
    };
    std::vector<Pending> pending;
    for (auto& m : m_moves) {
        Window* w = m.window.get();
        if (!w || !w->isWindow())
            continue;
        if (!(m.flags & SWP_NOZORDER))
            w->setWindowPos(m.insertAfter.get(), 0, 0, 0, 0,
                            SWP_NOMOVE | SWP_NOSIZE | SWP_NOREDRAW);
        pending.push_back({w, w->getClientRect().size(), m.flags});
        w->m_rect = m.rect;
        w->m_maximized = false;
    }
    m_moves.clear();
    for (auto& p : pending) {
        Window* w = p.w.get();
        if (!w || !w->isWindow())
            continue;
        Size now = w->getClientRect().size();
        if (now != p.oldClient)
            w->sendMessage(WM_SIZE, SIZE_RESTORED, makeLParam(now.cx, now.cy));
        if (!p.w)
            continue;
        if (p.flags & SWP_SHOWWINDOW)
            w->showWindow(SW_SHOWNA);
        else if (p.flags & SWP_HIDEWINDOW)
            w->showWindow(SW_HIDE);
        if (p.w)
            w->invalidate();
    }
    return true;
}

} // namespace ui
