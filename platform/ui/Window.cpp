#include "platform/ui/Window.h"

#include "platform/ui/Application.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Driver.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/WindowClassRegistry.h"

#include <algorithm>

namespace ui {

namespace {
constexpr int kCaptionHeight = 18;
constexpr int kToolCaptionHeight = 15;
constexpr int kMenuBarHeight = 19;
} // namespace

Window::Window() : m_life(std::make_shared<Window*>(this)) {}

Window::~Window() {
    if (m_created) {
        // The derived parts are gone already; only the layer's own clean-up runs here.
        m_destroyFailAllowed = false;
        destroyWindow();
    }
    if (m_parent) {
        auto owned = m_parent->unlinkChild(this);
        owned.release(); // we are being deleted by someone else
    }
    *m_life = nullptr;
}

bool Window::create(std::wstring_view className, std::wstring_view text, unsigned style,
                    const Rect& rect, Window* parent, int id, unsigned exStyle) {
    if (m_created)
        return false;
    if ((style & WS_CHILD) && (!parent || !parent->isWindow()))
        return false;
    std::wstring canonical = canonicalClassName(className);
    m_className = canonical.empty() ? std::wstring(className) : canonical;
    m_text = text;
    m_style = style;
    m_exStyle = exStyle;
    m_id = id;
    m_rect = rect;
    m_created = true;
    m_sized = false;
    app().registerWindow(this);
    if (style & WS_CHILD) {
        m_font = parent->m_font;
        parent->linkChild(this, nullptr);
    } else {
        m_owner = parent ? parent->topLevel() : nullptr;
    }
    WindowRef<Window> self(this);
    sendMessage(WM_CREATE);
    if (!self || !m_created)
        return false;
    applyRect(m_rect, true);
    if (self && m_created && !(m_style & WS_CHILD) && (m_style & WS_VISIBLE)) {
        if (Driver* d = app().driver())
            d->windowShown(*this);
    }
    return self && m_created;
}

Window* Window::createChild(std::wstring_view className, std::wstring_view text, unsigned style,
                            unsigned exStyle, const Rect& rect, Window* parent, int id) {
    if (!parent || !parent->isWindow())
        return nullptr;
    std::unique_ptr<Window> w = makeWindowOfClass(className);
    if (!w)
        w = std::make_unique<Window>();
    Window* raw = w.get();
    if (!raw->create(className, text, style | WS_CHILD, rect, parent, id, exStyle))
        return nullptr;
    parent->m_ownedChildren.push_back(std::move(w));
    return raw;
}

void Window::linkChild(Window* child, std::unique_ptr<Window> owned, Window* after) {
    child->m_parent = this;
    child->m_owner = nullptr;
    auto pos = m_children.end();
    if (after) {
        auto it = std::find(m_children.begin(), m_children.end(), after);
        if (it != m_children.end())
            pos = it + 1;
    }
    m_children.insert(pos, child);
    if (owned)
        m_ownedChildren.push_back(std::move(owned));
}

std::unique_ptr<Window> Window::unlinkChild(Window* child) {
    m_children.erase(std::remove(m_children.begin(), m_children.end(), child), m_children.end());
    for (auto it = m_ownedChildren.begin(); it != m_ownedChildren.end(); ++it) {
        if (it->get() == child) {
            std::unique_ptr<Window> out = std::move(*it);
            m_ownedChildren.erase(it);
            return out;
        }
    }
    return nullptr;
}

bool Window::destroyWindow() {
    if (!m_created || m_destroying)
        return false;
    Application& a = app();
    if (m_destroyFailAllowed && a.destroyRefused(*this))
        return false;
    m_destroying = true;
    WindowRef<Window> self(this);

    // Owned top-level windows go first, as on the platform.
    if (!m_parent) // only top-level windows own others
        for (Window* w : a.topLevelWindows())
            if (w->m_owner == this)
                w->destroyWindow();
    if (!self)
        return true;

    Window* f = a.focus();
    if (f && (f == this || isChild(f)))
        a.m_focus = Hwnd{};
    Window* c = a.capture();
    if (c && (c == this || isChild(c)))
        a.m_capture = Hwnd{};

    sendMessage(WM_DESTROY);
    if (!self)
        return true;
    destroyChildren();
    a.removeTimersOf(this);
    sendMessage(WM_NCDESTROY);
    if (!self)
        return true;

    m_created = false;
    m_destroying = false;
    a.unregisterWindow(this);
    a.windowDestroyed(this);
    if (m_parent) {
        Window* parent = m_parent;
        m_parent = nullptr;
        std::unique_ptr<Window> owned = parent->unlinkChild(this);
        owned.reset(); // owned children die with their window; nothing touches `this` after
    }
    return true;
}

void Window::destroyChildren() {
    std::vector<WindowRef<Window>> kids(m_children.begin(), m_children.end());
    for (auto& k : kids)
        if (Window* w = k.get())
            w->destroyWindow();
}

bool Window::subclassDlgItem(int id, Window* parent) {
    if (m_created || !parent)
        return false;
    Window* old = parent->getDlgItem(id);
    if (!old || old == this)
        return false;
    Application& a = app();
    adoptState(*old);
    m_handle = old->m_handle;
    m_created = true;
    m_sized = old->m_sized;
    a.m_windows[m_handle.value] = this;
    for (auto& [tid, t] : a.m_timers)
        (void)tid, (void)t; // timers are kept by handle and follow automatically

    // Children of the old object (an editable combo's edit) move over.
    m_children = std::move(old->m_children);
    m_ownedChildren = std::move(old->m_ownedChildren);
    for (Window* c : m_children)
        c->m_parent = this;
    old->m_children.clear();
    old->m_ownedChildren.clear();

    m_parent = parent;
    auto it = std::find(parent->m_children.begin(), parent->m_children.end(), old);
    *it = this;
    std::unique_ptr<Window> oldOwned;
    for (auto o = parent->m_ownedChildren.begin(); o != parent->m_ownedChildren.end(); ++o) {
        if (o->get() == old) {
            oldOwned = std::move(*o);
            parent->m_ownedChildren.erase(o);
            break;
        }
    }
    old->m_created = false;
    old->m_parent = nullptr;
    old->m_handle = Hwnd{};
    return true;
}

void Window::adoptState(Window& from) {
    m_className = from.m_className;
    m_text = from.m_text;
    m_id = from.m_id;
    m_style = from.m_style;
    m_exStyle = from.m_exStyle;
    m_rect = from.m_rect;
    m_font = from.m_font;
    if (m_icon.empty())
        m_icon = from.m_icon;
    if (m_tooltip.empty())
        m_tooltip = from.m_tooltip;
}

// ---- Text and style ---------------------------------------------------------------

std::wstring Window::getWindowText() const {
    return m_text;
}

void Window::setWindowText(std::wstring_view text) {
    if (m_text == text)
        return;
    m_text = text;
    invalidate();
}

bool Window::modifyStyle(unsigned remove, unsigned add) {
    unsigned old = m_style;
    m_style = (m_style & ~remove) | add;
    if (old != m_style)
        invalidate();
    return old != m_style;
}

bool Window::modifyStyleEx(unsigned remove, unsigned add) {
    unsigned old = m_exStyle;
    m_exStyle = (m_exStyle & ~remove) | add;
    return old != m_exStyle;
}

// ---- Geometry -----------------------------------------------------------------------

Rect Window::nonClientInsets() const {
    int b = 0;
    if (m_style & WS_THICKFRAME)
        b = 4;
    else if (m_style & WS_DLGFRAME)
        b = 3;
    else if (m_style & WS_BORDER)
        b = 1;
    if (m_exStyle & WS_EX_CLIENTEDGE)
        b += 2;
    else if (m_exStyle & WS_EX_STATICEDGE)
        b += 1;
    Rect r{b, b, b, b};
    if ((m_style & WS_CAPTION) == WS_CAPTION)
        r.top += (m_exStyle & WS_EX_TOOLWINDOW) ? kToolCaptionHeight : kCaptionHeight;
    if (m_menu && !(m_style & WS_CHILD))
        r.top += kMenuBarHeight;
    return r;
}

Rect Window::getWindowRect() const {
    if (m_parent)
        return m_parent->clientToScreen(m_rect);
    return m_rect;
}

Rect Window::getClientRect() const {
    Rect in = nonClientInsets();
    int w = std::max(0, m_rect.width() - in.left - in.right);
    int h = std::max(0, m_rect.height() - in.top - in.bottom);
    return {0, 0, w, h};
}

Point Window::clientToScreen(Point p) const {
    Rect wr = getWindowRect();
    Rect in = nonClientInsets();
    return {p.x + wr.left + in.left, p.y + wr.top + in.top};
}

Point Window::screenToClient(Point p) const {
    Point o = clientToScreen(Point{0, 0});
    return {p.x - o.x, p.y - o.y};
}

Rect Window::clientToScreen(const Rect& r) const {
    Point o = clientToScreen(Point{0, 0});
    return r.offset(o.x, o.y);
}

Rect Window::screenToClient(const Rect& r) const {
    Point o = clientToScreen(Point{0, 0});
    return r.offset(-o.x, -o.y);
}

Rect Window::mapWindowPoints(const Window* to, const Rect& r) const {
    Rect s = clientToScreen(r);
    return to ? to->screenToClient(s) : s;
}

void Window::applyRect(const Rect& r, bool forceSize) {
    Rect oldClient = getClientRect();
    m_rect = r;
    Rect newClient = getClientRect();
    if (!m_created)
        return;
    if (forceSize || !m_sized || oldClient.size() != newClient.size()) {
        m_sized = true;
        sendMessage(WM_SIZE, m_maximized ? SIZE_MAXIMIZED : SIZE_RESTORED,
                    makeLParam(newClient.width(), newClient.height()));
    }
}

void Window::moveWindow(const Rect& r, bool repaint) {
    if (!m_created) {
        m_rect = r;
        return;
    }
    m_maximized = false;
    applyRect(r, false);
    if (repaint)
        invalidate();
}

bool Window::setWindowPos(Window* insertAfter, int x, int y, int cx, int cy, unsigned flags) {
    if (!m_created)
        return false;
    WindowRef<Window> self(this);
    if (!(flags & SWP_NOZORDER) && m_parent && insertAfter != this) {
        Window* parent = m_parent;
        auto& kids = parent->m_children;
        kids.erase(std::remove(kids.begin(), kids.end(), this), kids.end());
        auto pos = kids.begin();
        if (insertAfter) {
            auto it = std::find(kids.begin(), kids.end(), insertAfter);
            pos = it == kids.end() ? kids.end() : it + 1;
        }
        kids.insert(pos, this);
    }
    Rect r = m_rect;
    if (!(flags & SWP_NOMOVE))
        r = Rect::fromSize(x, y, r.width(), r.height());
    if (!(flags & SWP_NOSIZE))
        r = Rect::fromSize(r.left, r.top, cx, cy);
    if (r != m_rect) {
        m_maximized = false;
        applyRect(r, false);
    }
    if (!self)
        return true;
    if (flags & SWP_SHOWWINDOW)
        showWindow(SW_SHOWNA);
    else if (flags & SWP_HIDEWINDOW)
        showWindow(SW_HIDE);
    if (self && !(flags & SWP_NOREDRAW))
        invalidate();
    return true;
}

// ---- Visibility and state -----------------------------------------------------------

bool Window::showWindow(int cmd) {
    bool was = isShown();
    if (!m_created)
        return was;
    WindowRef<Window> self(this);
    Application& a = app();
    if (cmd == SW_HIDE) {
        if (!was)
            return false;
        m_style &= ~WS_VISIBLE;
        Window* f = a.focus();
        if (f && (f == this || isChild(f)))
            a.m_focus = Hwnd{};
        sendMessage(WM_SHOWWINDOW, 0);
        if (self && m_parent)
            m_parent->invalidate();
        return was;
    }
    if (cmd == SW_MAXIMIZE) {
        if (!m_maximized)
            m_restoreRect = m_rect;
        m_style |= WS_VISIBLE;
        m_maximized = true;
        Rect area = m_parent ? m_parent->getClientRect() : a.workArea();
        applyRect(area, true);
    } else if (cmd == SW_RESTORE && m_maximized) {
        m_maximized = false;
        m_style |= WS_VISIBLE;
        applyRect(m_restoreRect, true);
    } else {
        m_style |= WS_VISIBLE;
    }
    if (!self)
        return was;
    if (!was) {
        sendMessage(WM_SHOWWINDOW, 1);
        if (self && !m_parent && !(m_style & WS_CHILD)) {
            if (Driver* d = a.driver())
                d->windowShown(*this);
        }
    }
    if (self)
        invalidate();
    return was;
}

bool Window::isWindowVisible() const {
    for (const Window* w = this; w; w = w->m_parent)
        if (!w->m_created || !(w->m_style & WS_VISIBLE))
            return false;
    return true;
}

bool Window::enableWindow(bool enable) {
    bool wasDisabled = !isWindowEnabled();
    if (enable == !wasDisabled)
        return wasDisabled;
    if (enable)
        m_style &= ~WS_DISABLED;
    else
        m_style |= WS_DISABLED;
    if (!enable) {
        Window* f = app().focus();
        if (f && (f == this || isChild(f)))
            app().m_focus = Hwnd{};
    }
    if (m_created) {
        sendMessage(WM_ENABLE, enable ? 1 : 0);
        invalidate();
    }
    return wasDisabled;
}

// ---- Tree -------------------------------------------------------------------------

Window* Window::topLevel() {
    Window* w = this;
    while (w->m_parent)
        w = w->m_parent;
    return w;
}

Window* Window::getDlgItem(int id) const {
    for (Window* c : m_children)
        if (c->m_id == id)
            return c;
    return nullptr;
}

Window* Window::findDescendant(int id) const {
    for (Window* c : m_children)
        if (c->m_id == id)
            return c;
    for (Window* c : m_children)
        if (Window* d = c->findDescendant(id))
            return d;
    return nullptr;
}

bool Window::isChild(const Window* w) const {
    for (const Window* p = w ? w->m_parent : nullptr; p; p = p->m_parent)
        if (p == this)
            return true;
    return false;
}

Dialog* Window::owningDialog() {
    for (Window* w = this; w; w = w->m_parent)
        if (auto* d = dynamic_cast<Dialog*>(w))
            return d;
    return nullptr;
}

Window* Window::childFromPoint(Point client) {
    for (auto it = m_children.rbegin(); it != m_children.rend(); ++it) {
        Window* c = *it;
        if (!c->isShown() || !c->m_rect.contains(client))
            continue;
        if (!c->isWindowEnabled() || c->hitTransparent())
            continue;
        Rect in = c->nonClientInsets();
        Point inner{client.x - c->m_rect.left - in.left, client.y - c->m_rect.top - in.top};
        return c->childFromPoint(inner);
    }
    return this;
}

// ---- Focus ------------------------------------------------------------------------

Window* Window::setFocus() {
    return app().setFocus(this);
}
bool Window::hasFocus() const {
    return app().focus() == this;
}
Window* Window::getFocus() {
    return app().focus();
}

// ---- Timers and appearance ------------------------------------------------------------

unsigned Window::setTimer(unsigned id, unsigned elapseMs) {
    if (!m_created)
        return 0;
    app().addTimer(this, id, elapseMs, {});
    return id;
}

bool Window::killTimer(unsigned id) {
    return app().removeWindowTimer(this, id);
}

void Window::setFont(const FontSpec& font, bool redraw) {
    m_font = font;
    if (redraw)
        invalidate();
}

void Window::setMenu(Menu* menu) {
    m_menu = menu;
    if (m_created)
        applyRect(m_rect, false);
}

void Window::invalidate(bool) {
    if (!m_redrawSuspended)
        ++m_invalidateCount;
}

void Window::setRedraw(bool redraw) {
    m_redrawSuspended = !redraw;
    if (redraw)
        invalidate();
}

// ---- Dialog-item helpers ----------------------------------------------------------------

bool Window::setDlgItemText(int id, std::wstring_view text) {
    Window* w = getDlgItem(id);
    if (!w)
        return false;
    w->setWindowText(text);
    return true;
}

std::wstring Window::getDlgItemText(int id) const {
    Window* w = getDlgItem(id);
    return w ? w->getWindowText() : std::wstring();
}

bool Window::checkDlgButton(int id, int check) {
    Window* w = getDlgItem(id);
    if (!w)
        return false;
    w->sendMessage(BM_SETCHECK, static_cast<WPARAM>(check));
    return true;
}

int Window::isDlgButtonChecked(int id) const {
    Window* w = getDlgItem(id);
    return w ? static_cast<int>(w->sendMessage(BM_GETCHECK)) : 0;
}

bool Window::checkRadioButton(int first, int last, int idCheck) {
    bool found = false;
    for (Window* c : std::vector<Window*>(m_children)) {
        if (c->m_id < first || c->m_id > last)
            continue;
        c->sendMessage(BM_SETCHECK, c->m_id == idCheck ? BST_CHECKED : BST_UNCHECKED);
        found = found || c->m_id == idCheck;
    }
    return found;
}

LRESULT Window::sendDlgItemMessage(int id, unsigned msg, WPARAM w, LPARAM l) {
    Window* c = getDlgItem(id);
    return c ? c->sendMessage(msg, w, l) : 0;
}

int Window::messageBox(std::wstring_view text, std::wstring_view caption, unsigned type) {
    return ui::messageBox(this, text, caption, type);
}

} // namespace ui
