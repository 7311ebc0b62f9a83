#include "platform/ui/controls/TabControl.h"

#include "platform/ui/PaintHelpers.h"
#include "platform/ui/draw/Theme.h"

namespace ui {

int TabControl::insertItem(int index, std::wstring_view caption) {
    if (index < 0 || index > getItemCount())
        index = getItemCount();
    m_items.insert(m_items.begin() + index, std::wstring(caption));
    if (m_cur < 0)
        m_cur = 0;
    else if (m_cur >= index && getItemCount() > 1)
        ++m_cur;
    invalidate();
    return index;
}

bool TabControl::deleteItem(int index) {
    if (index < 0 || index >= getItemCount())
        return false;
    m_items.erase(m_items.begin() + index);
    if (m_cur >= getItemCount())
        m_cur = getItemCount() - 1;
    invalidate();
    return true;
}

bool TabControl::deleteAllItems() {
    m_items.clear();
    m_cur = -1;
    invalidate();
    return true;
}

int TabControl::setCurSel(int index) {
    if (index < 0 || index >= getItemCount())
        return -1;
    int old = m_cur;
    m_cur = index;
    invalidate();
    return old;
}

std::wstring TabControl::getItemText(int index) const {
    return index >= 0 && index < getItemCount() ? m_items[static_cast<size_t>(index)]
                                                : std::wstring();
}

bool TabControl::setItemText(int index, std::wstring_view caption) {
    if (index < 0 || index >= getItemCount())
        return false;
    m_items[static_cast<size_t>(index)] = caption;
    invalidate();
    return true;
}

bool TabControl::getItemRect(int index, Rect& r) const {
    if (index < 0 || index >= getItemCount())
        return false;
    r = layoutTabs(getClientRect(), m_items, paint::toFont(font()))
            .items[static_cast<size_t>(index)];
    return true;
}

void TabControl::adjustRect(bool larger, Rect& r) const {
    // The page area's distance to each edge, as the theme lays the control out.
    Rect probe{0, 0, 1000, 1000};
    Rect page = layoutTabs(probe, m_items, paint::toFont(font())).page;
    int l = page.left, t = page.top, rr = probe.right - page.right, b = probe.bottom - page.bottom;
    if (larger)
        r = {r.left - l, r.top - t, r.right + rr, r.bottom + b};
    else
        r = {r.left + l, r.top + t, r.right - rr, r.bottom - b};
}

void TabControl::userSelect(int index) {
    if (index < 0 || index >= getItemCount() || index == m_cur)
        return;
    WindowRef<TabControl> self(this);
    NotifyHeader changing;
    changing.code = TCN_SELCHANGING;
    if (notifyParentEx(changing) != 0 || !self)
        return; // the parent refused the change
    setCurSel(index);
    NotifyHeader changed;
    changed.code = TCN_SELCHANGE;
    notifyParentEx(changed);
}

void TabControl::onMouseDown(MouseButton b, unsigned, Point p) {
    if (b != MouseButton::Left)
        return;
    for (int i = 0; i < getItemCount(); ++i) {
        Rect r;
        if (getItemRect(i, r) && r.contains(p)) {
            WindowRef<TabControl> self(this);
            setFocus();
            if (self)
                userSelect(i);
            return;
        }
    }
}

void TabControl::onKeyDown(int vk, unsigned) {
    if (vk == VK_RIGHT && m_cur + 1 < getItemCount())
        userSelect(m_cur + 1);
    else if (vk == VK_LEFT && m_cur > 0)
        userSelect(m_cur - 1);
}

LRESULT TabControl::windowProc(unsigned msg, WPARAM w, LPARAM l) {
    LRESULT r = 0;
    if (onMessage(msg, w, l, r))
        return r;
    switch (msg) {
    case TCM_GETITEMCOUNT:
        return getItemCount();
    case TCM_DELETEALLITEMS:
        return deleteAllItems() ? 1 : 0;
    case TCM_GETCURSEL:
        return getCurSel();
    case TCM_SETCURSEL:
        return setCurSel(static_cast<int>(w));
    case TCM_GETITEMRECT:
        return l && getItemRect(static_cast<int>(w), *reinterpret_cast<Rect*>(l)) ? 1 : 0;
    case TCM_ADJUSTRECT:
        if (l)
            adjustRect(w != 0, *reinterpret_cast<Rect*>(l));
        return 0;
    default:
        return defWindowProc(msg, w, l);
    }
}

void TabControl::adoptState(Window& from) {
    Window::adoptState(from);
    if (auto* t = dynamic_cast<TabControl*>(&from)) {
        m_items = t->m_items;
        m_cur = t->m_cur;
    }
}

} // namespace ui
