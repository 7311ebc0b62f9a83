#include "platform/ui/Input.h"

#include "platform/ui/Application.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Menu.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/ListView.h"
#include "platform/ui/controls/TabControl.h"

#include <cwctype>

namespace ui {

namespace {

// A person can reach the window: it exists, is shown, and neither it nor an ancestor
// (the top-level window included, which modal loops disable) is disabled.
bool reachable(const Window* w) {
    if (!w || !w->isWindow() || !w->isWindowVisible())
        return false;
    for (const Window* p = w; p; p = p->parent())
        if (!p->isWindowEnabled())
            return false;
    return true;
}

// Holds modifier keys down for the duration of one simulated action.
class Modifiers {
public:
    explicit Modifiers(unsigned mods) : m_mods(mods) { set(true); }
    ~Modifiers() { set(false); }

private:
    void set(bool down) {
        if (m_mods & kModShift)
            app().setKeyDown(VK_SHIFT, down);
        if (m_mods & kModCtrl)
            app().setKeyDown(VK_CONTROL, down);
        if (m_mods & kModAlt)
            app().setKeyDown(VK_MENU, down);
    }
    unsigned m_mods;
};

unsigned mouseFlags(unsigned mods) {
    unsigned f = 0;
    if (mods & kModShift)
        f |= MK_SHIFT;
    if (mods & kModCtrl)
        f |= MK_CONTROL;
    return f;
}

Window* keyTarget() {
    Application& a = app();
    if (Window* f = a.focus())
        return f;
    if (Dialog* d = a.activeModal())
        return d;
    return a.foregroundWindow();
}

// Sends one mouse message to `target` (client point of `target`), capture respected.
bool deliverMouse(Window* target, unsigned msg, Point client, unsigned wParamFlags) {
    Application& a = app();
    Point screen = target->clientToScreen(client);
    if (Window* cap = a.capture(); cap && cap != target) {
        target = cap;
        client = cap->screenToClient(screen);
    } else if (!reachable(target)) {
        return false;
    }
    a.setCursorPos(screen);
    WindowRef<Window> t(target);
    if (msg == WM_MOUSEMOVE || msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN)
        target->sendMessage(WM_SETCURSOR, target->handle().value,
                            makeLParam(HTCLIENT, static_cast<int>(msg)));
    if (!t)
        return true;
    if (msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN)
        a.setForegroundWindow(target);
    a.dispatchInput(Message{target, msg, wParamFlags, makeLParam(client.x, client.y)});
    a.pumpMessages();
    return true;
}

// The deepest window under a client point of `window`, and the point in its coordinates.
Window* hit(Window& window, Point client, Point& local) {
    Window* target = window.childFromPoint(client);
    local = target->screenToClient(window.clientToScreen(client));
    return target;
}

wchar_t charFor(int vk, unsigned mods) {
    if (mods & kModAlt)
        return 0;
    if (vk >= 'A' && vk <= 'Z') {
        if (mods & kModCtrl)
            return static_cast<wchar_t>(vk - 'A' + 1);
        return static_cast<wchar_t>((mods & kModShift) ? vk : vk + 32);
    }
    if (mods & kModCtrl)
        return 0;
    if (vk >= '0' && vk <= '9')
        return static_cast<wchar_t>(vk);
    switch (vk) {
    case VK_RETURN:
        return L'\r';
    case VK_ESCAPE:
        return 27;
    case VK_TAB:
        return L'\t';
    case VK_BACK:
        return 8;
    case VK_SPACE:
        return L' ';
    default:
        return 0;
    }
}

int vkFor(wchar_t ch) {
    if (ch >= L'a' && ch <= L'z')
        return ch - 32;
    if ((ch >= L'A' && ch <= L'Z') || (ch >= L'0' && ch <= L'9') || ch == L' ')
        return ch;
    return 0;
}

Window* findControl(Window& dialog, int id) {
    Window* c = dialog.findDescendant(id);
    return c;
}

} // namespace

bool click(Window& dialog, int id, unsigned modifiers) {
    Window* c = findControl(dialog, id);
    return c && click(*c, modifiers);
}

bool click(Window& control, unsigned modifiers) {
    if (!reachable(&control))
        return false;
    Modifiers held(modifiers);
    Rect cr = control.getClientRect();
    Point mid{cr.width() / 2, cr.height() / 2};
    WindowRef<Window> c(&control);
    unsigned f = mouseFlags(modifiers);
    deliverMouse(&control, WM_LBUTTONDOWN, mid, f | MK_LBUTTON);
    if (c)
        deliverMouse(c.get(), WM_LBUTTONUP, mid, f);
    return true;
}

bool doubleClick(Window& dialog, int id) {
    Window* c = findControl(dialog, id);
    if (!c || !reachable(c))
        return false;
    Rect cr = c->getClientRect();
    return doubleClickAt(*c, {cr.width() / 2, cr.height() / 2});
}

bool typeText(Window& dialog, int id, std::wstring_view text, TypeMode mode) {
    Window* c = findControl(dialog, id);
    if (auto* combo = dynamic_cast<ComboBox*>(c))
        c = combo->edit();
    auto* edit = dynamic_cast<Edit*>(c);
    if (!edit || !reachable(edit))
        return false;
    WindowRef<Edit> e(edit);
    if (!edit->hasFocus())
        app().setFocus(edit);
    if (!e || !e->hasFocus())
        return false;
    if (mode == TypeMode::Replace)
        e->setSel(0, -1);
    else
        e->setSel(e->getWindowTextLength(), e->getWindowTextLength());
    return typeText(text);
}

bool typeText(std::wstring_view text) {
    for (wchar_t ch : text) {
        Window* target = keyTarget();
        if (!target || !reachable(target))
            return false;
        unsigned mods = (ch >= L'A' && ch <= L'Z') ? kModShift : 0;
        Modifiers held(mods);
        int vk = vkFor(ch);
        Application& a = app();
        WindowRef<Window> t(target);
        bool consumed =
            vk && a.dispatchInput(Message{target, WM_KEYDOWN, static_cast<WPARAM>(vk), 1});
        if (!consumed && t)
            a.dispatchInput(Message{t.get(), WM_CHAR, static_cast<WPARAM>(ch), 1});
        if (vk)
            if (Window* up = keyTarget())
                a.dispatchInput(Message{up, WM_KEYUP, static_cast<WPARAM>(vk), 1});
        a.pumpMessages();
    }
    return true;
}

bool keyDown(int vk, unsigned modifiers) {
    Window* target = keyTarget();
    if (!target || !reachable(target))
        return false;
    Modifiers held(modifiers);
    Application& a = app();
    WindowRef<Window> t(target);
    bool consumed = a.dispatchInput(Message{target, WM_KEYDOWN, static_cast<WPARAM>(vk), 1});
    wchar_t ch = charFor(vk, modifiers);
    if (!consumed && ch && t)
        a.dispatchInput(Message{t.get(), WM_CHAR, static_cast<WPARAM>(ch), 1});
    a.pumpMessages();
    return true;
}

bool keyUp(int vk, unsigned modifiers) {
    Window* target = keyTarget();
    if (!target || !reachable(target))
        return false;
    Modifiers held(modifiers);
    app().dispatchInput(
        Message{target, WM_KEYUP, static_cast<WPARAM>(vk), static_cast<LPARAM>(0xC0000001u)});
    app().pumpMessages();
    return true;
}

bool key(int vk, unsigned modifiers) {
    if (!keyDown(vk, modifiers))
        return false;
    keyUp(vk, modifiers); // the focus may have gone (dialog closed): a lost key-up is fine
    return true;
}

bool charInput(wchar_t ch) {
    Window* target = keyTarget();
    if (!target || !reachable(target))
        return false;
    app().dispatchInput(Message{target, WM_CHAR, static_cast<WPARAM>(ch), 1});
    app().pumpMessages();
    return true;
}

bool selectItem(Window& dialog, int id, int index) {
    Window* c = findControl(dialog, id);
    if (!c || !reachable(c))
        return false;
    WindowRef<Window> ref(c);
    if (auto* combo = dynamic_cast<ComboBox*>(c)) {
        if (index < -1 || index >= combo->getCount())
            return false;
        if (!combo->hasFocus() && !(combo->edit() && combo->edit()->hasFocus()))
            app().setFocus(combo);
        if (auto* cb = dynamic_cast<ComboBox*>(ref.get()))
            cb->userSelect(index);
    } else if (auto* list = dynamic_cast<ListBox*>(c)) {
        if (index < -1 || index >= list->getCount())
            return false;
        app().setFocus(list);
        if (auto* lb = dynamic_cast<ListBox*>(ref.get()))
            lb->userSelect(index);
    } else if (auto* tab = dynamic_cast<TabControl*>(c)) {
        if (index < 0 || index >= tab->getItemCount())
            return false;
        tab->userSelect(index);
    } else if (auto* lv = dynamic_cast<ListView*>(c)) {
        if (index < -1 || index >= lv->getItemCount())
            return false;
        app().setFocus(lv);
        if (auto* l = dynamic_cast<ListView*>(ref.get()))
            l->userSelect(index);
    } else {
        return false;
    }
    app().pumpMessages();
    return true;
}

namespace {
bool sameText(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::towlower(a[i]) != std::towlower(b[i]))
            return false;
    return true;
}
} // namespace

bool selectItem(Window& dialog, int id, std::wstring_view text) {
    Window* c = findControl(dialog, id);
    int index = -1;
    if (auto* combo = dynamic_cast<ComboBox*>(c))
        index = combo->findStringExact(-1, text);
    else if (auto* list = dynamic_cast<ListBox*>(c))
        index = list->findStringExact(-1, text);
    else if (auto* tab = dynamic_cast<TabControl*>(c)) {
        for (int i = 0; i < tab->getItemCount(); ++i)
            if (sameText(tab->getItemText(i), text))
                index = i;
    } else if (auto* lv = dynamic_cast<ListView*>(c)) {
        for (int i = 0; i < lv->getItemCount() && index < 0; ++i)
            if (sameText(lv->getItemText(i, 0), text))
                index = i;
    }
    return index >= 0 && selectItem(dialog, id, index);
}

bool checkListItem(Window& dialog, int id, int index, bool checked) {
    auto* lv = dynamic_cast<ListView*>(findControl(dialog, id));
    if (!lv || !reachable(lv) || index < 0 || index >= lv->getItemCount())
        return false;
    if (lv->getCheck(index) != checked)
        lv->userToggleCheck(index);
    app().pumpMessages();
    return true;
}

bool chooseMenuCommand(Window& window, int commandId) {
    if (!reachable(&window) || !window.getMenu())
        return false;
    MenuItem* item = window.getMenu()->findCommand(commandId);
    if (!item || !item->isEnabled())
        return false;
    app().transcript().add("menu command " + std::to_string(commandId));
    window.postMessage(WM_COMMAND, makeWParam(static_cast<unsigned>(commandId), 0), 0);
    app().pumpMessages();
    return true;
}

bool mouseDown(Window& window, Point client, unsigned modifiers, MouseButton button) {
    if (!reachable(&window))
        return false;
    Modifiers held(modifiers);
    Point local;
    Window* target = app().capture() ? &window : hit(window, client, local);
    if (app().capture())
        local = client;
    unsigned f = mouseFlags(modifiers) | (button == MouseButton::Left ? MK_LBUTTON : MK_RBUTTON);
    return deliverMouse(target, button == MouseButton::Left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN,
                        local, f);
}

bool mouseMove(Window& window, Point client, unsigned modifiers) {
    if (!window.isWindow())
        return false;
    Modifiers held(modifiers);
    Point local = client;
    Window* target = app().capture() ? &window : hit(window, client, local);
    return deliverMouse(target, WM_MOUSEMOVE, local, mouseFlags(modifiers));
}

bool mouseUp(Window& window, Point client, unsigned modifiers, MouseButton button) {
    if (!window.isWindow())
        return false;
    Modifiers held(modifiers);
    Point local = client;
    Window* target = app().capture() ? &window : hit(window, client, local);
    return deliverMouse(target, button == MouseButton::Left ? WM_LBUTTONUP : WM_RBUTTONUP, local,
                        mouseFlags(modifiers));
}

bool rightClick(Window& window, Point client, unsigned modifiers) {
    WindowRef<Window> w(&window);
    if (!mouseDown(window, client, modifiers, MouseButton::Right))
        return false;
    if (w)
        mouseUp(*w, client, modifiers, MouseButton::Right);
    return true;
}

bool doubleClickAt(Window& window, Point client, unsigned modifiers) {
    if (!reachable(&window))
        return false;
    Modifiers held(modifiers);
    WindowRef<Window> w(&window);
    Point local;
    Window* target = hit(window, client, local);
    WindowRef<Window> t(target);
    unsigned f = mouseFlags(modifiers);
    deliverMouse(target, WM_LBUTTONDOWN, local, f | MK_LBUTTON);
    if (t)
        deliverMouse(t.get(), WM_LBUTTONUP, local, f);
    if (t)
        deliverMouse(t.get(), WM_LBUTTONDBLCLK, local, f | MK_LBUTTON);
    if (t)
        deliverMouse(t.get(), WM_LBUTTONUP, local, f);
    return true;
}

bool mouseDoubleClick(Window& window, Point client, unsigned modifiers) {
    if (!reachable(&window))
        return false;
    Modifiers held(modifiers);
    Point local = client;
    Window* target = app().capture() ? &window : hit(window, client, local);
    return deliverMouse(target, WM_LBUTTONDBLCLK, local, mouseFlags(modifiers) | MK_LBUTTON);
}

bool drag(Window& window, Point from, Point to, unsigned modifiers) {
    if (!reachable(&window))
        return false;
    Application& a = app();
    unsigned f = mouseFlags(modifiers);
    LPARAM toParam = makeLParam(to.x, to.y);
    a.queuePendingInput(Message{&window, WM_MOUSEMOVE, f | MK_LBUTTON, toParam});
    a.queuePendingInput(Message{&window, WM_LBUTTONUP, f, toParam});
    WindowRef<Window> w(&window);
    mouseDown(window, from, modifiers);
    // Whatever a capture loop did not take is delivered the ordinary way.
    while (auto m = a.takePendingInput()) {
        if (!w)
            continue;
        Point p{xFromLParam(m->lParam), yFromLParam(m->lParam)};
        if (m->message == WM_MOUSEMOVE)
            mouseMove(*w, p, modifiers);
        else
            mouseUp(*w, p, modifiers);
    }
    return true;
}

std::wstring tooltipAt(Window& window, Point client) {
    if (!window.isWindow() || !window.isWindowVisible())
        return {};
    // Disabled and transparent controls show their tips too, so search all shown ones.
    Window* w = &window;
    Point p = client;
    for (bool descended = true; descended;) {
        descended = false;
        const auto& kids = w->children();
        for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
            Window* c = *it;
            if (!c->isShown() || !c->rect().contains(p))
                continue;
            Rect in = c->nonClientInsets();
            p = {p.x - c->rect().left - in.left, p.y - c->rect().top - in.top};
            w = c;
            descended = true;
            break;
        }
    }
    for (Window* t = w; t && t != window.parent(); t = t->parent())
        if (!t->tooltip().empty())
            return t->tooltip();
    return {};
}

std::wstring hoverTooltip(Window& window, Point client) {
    if (!window.isWindow() || !window.isWindowVisible())
        return {};
    WindowRef<Window> w(&window);
    mouseMove(window, client);
    return w ? tooltipAt(*w, client) : std::wstring();
}

bool mouseWheel(Window& window, Point client, int delta, unsigned modifiers) {
    if (!reachable(&window))
        return false;
    Modifiers held(modifiers);
    Point local = client;
    Window* target = app().capture() ? app().capture() : hit(window, client, local);
    if (!reachable(target))
        return false;
    const Point screen = window.clientToScreen(client);
    const auto distance = static_cast<std::uint16_t>(static_cast<std::int16_t>(delta));
    const WPARAM w = (static_cast<WPARAM>(distance) << 16) | mouseFlags(modifiers);
    app().dispatchInput(Message{target, WM_MOUSEWHEEL, w, makeLParam(screen.x, screen.y)});
    app().pumpMessages();
    return true;
}

bool closeBox(Window& topLevel) {
    if (!reachable(&topLevel) || topLevel.isChildWindow())
        return false;
    topLevel.sendMessage(WM_SYSCOMMAND, SC_CLOSE);
    app().pumpMessages();
    return true;
}

bool resize(Window& topLevel, int width, int height) {
    if (!reachable(&topLevel) || !(topLevel.style() & WS_THICKFRAME))
        return false;
    MinMaxInfo info;
    topLevel.sendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    if (info.minTrackSize.cx > 0 && width < info.minTrackSize.cx)
        width = info.minTrackSize.cx;
    if (info.minTrackSize.cy > 0 && height < info.minTrackSize.cy)
        height = info.minTrackSize.cy;
    if (info.maxTrackSize.cx > 0 && width > info.maxTrackSize.cx)
        width = info.maxTrackSize.cx;
    if (info.maxTrackSize.cy > 0 && height > info.maxTrackSize.cy)
        height = info.maxTrackSize.cy;
    Rect r = topLevel.rect();
    topLevel.moveWindow(Rect::fromSize(r.left, r.top, width, height));
    app().pumpMessages();
    return true;
}

void advanceTime(std::uint64_t ms) {
    app().advanceTime(ms);
}

} // namespace ui
