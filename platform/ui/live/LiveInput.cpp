// A person's input on a real window, handed to the model's input functions.
#include "platform/ui/Dialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/live/LiveInternals.h"

#include <gdk/gdkkeysyms.h>

namespace ui::live {

namespace {

Window* modelOf(RealWindow* rw) {
    return app().fromHandle(rw->handle);
}

unsigned modifiersOf(guint state) {
    unsigned m = 0;
    if (state & GDK_SHIFT_MASK)
        m |= kModShift;
    if (state & GDK_CONTROL_MASK)
        m |= kModCtrl;
    if (state & GDK_MOD1_MASK)
        m |= kModAlt;
    return m;
}

// Keys that produce no text (or whose text the dialog manager handles itself).
int commandKey(guint keyval) {
    switch (keyval) {
    case GDK_KEY_Return:
    case GDK_KEY_KP_Enter:
    case GDK_KEY_ISO_Enter:
        return VK_RETURN;
    case GDK_KEY_Escape:
        return VK_ESCAPE;
    case GDK_KEY_Tab:
    case GDK_KEY_ISO_Left_Tab:
    case GDK_KEY_KP_Tab:
        return VK_TAB;
    case GDK_KEY_BackSpace:
        return VK_BACK;
    case GDK_KEY_Delete:
    case GDK_KEY_KP_Delete:
        return VK_DELETE;
    case GDK_KEY_Insert:
    case GDK_KEY_KP_Insert:
        return VK_INSERT;
    case GDK_KEY_Home:
    case GDK_KEY_KP_Home:
        return VK_HOME;
    case GDK_KEY_End:
    case GDK_KEY_KP_End:
        return VK_END;
    case GDK_KEY_Page_Up:
    case GDK_KEY_KP_Page_Up:
        return VK_PRIOR;
    case GDK_KEY_Page_Down:
    case GDK_KEY_KP_Page_Down:
        return VK_NEXT;
    case GDK_KEY_Left:
    case GDK_KEY_KP_Left:
        return VK_LEFT;
    case GDK_KEY_Right:
    case GDK_KEY_KP_Right:
        return VK_RIGHT;
    case GDK_KEY_Up:
    case GDK_KEY_KP_Up:
        return VK_UP;
    case GDK_KEY_Down:
    case GDK_KEY_KP_Down:
        return VK_DOWN;
    default:
        break;
    }
    if (keyval >= GDK_KEY_F1 && keyval <= GDK_KEY_F12)
        return VK_F1 + static_cast<int>(keyval - GDK_KEY_F1);
    return 0;
}

// The virtual key of a letter or digit key (for Ctrl and Alt combinations).
int letterKey(guint keyval) {
    const guint k = gdk_keyval_to_upper(keyval);
    if ((k >= 'A' && k <= 'Z') || (k >= '0' && k <= '9'))
        return static_cast<int>(k);
    return 0;
}

bool isModifierKey(guint keyval) {
    switch (keyval) {
    case GDK_KEY_Shift_L:
    case GDK_KEY_Shift_R:
    case GDK_KEY_Control_L:
    case GDK_KEY_Control_R:
    case GDK_KEY_Alt_L:
    case GDK_KEY_Alt_R:
    case GDK_KEY_Meta_L:
    case GDK_KEY_Meta_R:
    case GDK_KEY_Super_L:
    case GDK_KEY_Super_R:
    case GDK_KEY_ISO_Level3_Shift:
    case GDK_KEY_Caps_Lock:
    case GDK_KEY_Num_Lock:
        return true;
    default:
        return false;
    }
}

// Keyboard input goes to the window the person typed in: the focus comes back to the
// control that last had it there, else the first tab stop.
void focusInto(RealWindow& rw, Window& w) {
    app().setForegroundWindow(&w);
    Window* f = app().focus();
    if (f && f->topLevel() == &w)
        return;
    Window* target = rw.lastFocus.get();
    if (!target || !target->isWindow() || !target->isWindowVisible())
        if (auto* d = dynamic_cast<Dialog*>(&w))
            target = d->nextDlgTabItem(nullptr, false);
    if (target && target->isWindowEnabled())
        app().setFocus(target);
}

struct Caption {
    Rect bar;
    Rect closeBox; // empty without WS_SYSMENU
};

// Where the model paints the caption bar and close box (see Snapshot.cpp).
Caption captionOf(Window& w) {
    Caption c;
    if ((w.style() & WS_CAPTION) != WS_CAPTION)
        return c;
    Rect r{0, 0, w.rect().width(), w.rect().height()};
    Rect in = w.nonClientInsets();
    int h = (w.exStyle() & WS_EX_TOOLWINDOW) ? 15 : 18;
    c.bar = Rect{in.left, in.left, r.right - in.right, in.left + h};
    if (w.style() & WS_SYSMENU)
        c.closeBox = Rect{c.bar.right - h + 2, c.bar.top + 2, c.bar.right - 2, c.bar.bottom - 2};
    return c;
}

void afterInput(RealWindow& rw) {
    rw.dirty = true;
    if (Window* w = modelOf(&rw); w && w->isWindow())
        if (Window* f = app().focus(); f && f->topLevel() == w)
            rw.lastFocus = WindowRef<Window>(f);
    setCursorFor(rw);
}

// A drop-list combo box has no list window in the model: its items are offered in a
// menu below it, and the choice is made as a person's selection.
void dropDown(RealWindow& rw, Window& top, ComboBox& combo) {
    if (combo.edit() || combo.getCount() == 0)
        return;
    Window* parent = combo.parent();
    if (!parent)
        return;
    WindowRef<ComboBox> ref(&combo);
    WindowRef<Window> parentRef(parent);
    std::vector<std::wstring> labels;
    for (int i = 0; i < combo.getCount(); ++i)
        labels.push_back(combo.getLBText(i));
    const Rect screenRect = combo.getWindowRect();
    const Rect topRect = top.getWindowRect();
    const Rect anchor = Rect::fromSize(screenRect.left - topRect.left, screenRect.top - topRect.top,
                                       screenRect.width(), screenRect.height());
    const int chosen = runChoiceMenu(GTK_WINDOW(rw.widget), anchor, labels);
    if (chosen >= 0 && ref && parentRef)
        selectItem(*parentRef, ref->id(), chosen);
}

gboolean onButtonPress(GtkWidget*, GdkEventButton* ev, gpointer data) {
    HandlerScope scope;
    auto* rw = static_cast<RealWindow*>(data);
    Window* w = modelOf(rw);
    if (!w || (ev->button != 1 && ev->button != 3))
        return TRUE;
    WindowRef<Window> top(w);
    const unsigned mods = modifiersOf(ev->state);
    const Point p{static_cast<int>(ev->x), static_cast<int>(ev->y)};
    const Rect in = w->nonClientInsets();
    const Point client{p.x - in.left, p.y - in.top};
    const bool inClient = w->getClientRect().contains(client);
    const MouseButton button = ev->button == 1 ? MouseButton::Left : MouseButton::Right;
    if (ev->type == GDK_2BUTTON_PRESS) {
        if (inClient && button == MouseButton::Left)
            mouseDoubleClick(*w, client, mods);
        afterInput(*rw);
        return TRUE;
    }
    if (ev->type != GDK_BUTTON_PRESS)
        return TRUE;
    if (inClient) {
        WindowRef<Window> hit(w->childFromPoint(client));
        mouseDown(*w, client, mods, button);
        if (top)
            afterInput(*rw);
        if (button == MouseButton::Left && top && hit)
            if (auto* combo = dynamic_cast<ComboBox*>(hit.get()))
                dropDown(*rw, *top, *combo);
        return TRUE;
    }
    if (button != MouseButton::Left || !w->isWindowEnabled())
        return TRUE;
    const Caption cap = captionOf(*w);
    if (!cap.closeBox.isEmpty() && cap.closeBox.contains(p)) {
        closeBox(*w);
        return TRUE;
    }
    const std::vector<Rect> menuItems = menuBarItemRects(*w);
    for (size_t i = 0; i < menuItems.size(); ++i)
        if (menuItems[i].contains(p)) {
            focusInto(*rw, *w);
            runMenuBarMenu(*rw, *w, static_cast<int>(i));
            if (top)
                afterInput(*rw);
            return TRUE;
        }
    rw->startRoot = {static_cast<int>(ev->x_root), static_cast<int>(ev->y_root)};
    rw->startRect = w->getWindowRect();
    if (cap.bar.contains(p)) {
        rw->drag = RealWindow::Drag::Move;
        return TRUE;
    }
    if (w->style() & WS_THICKFRAME) {
        const int frame = std::max(in.left, 4);
        unsigned edges = 0;
        if (p.x < frame)
            edges |= kLeft;
        if (p.x >= w->rect().width() - frame)
            edges |= kRight;
        if (p.y < frame)
            edges |= kTop;
        if (p.y >= w->rect().height() - frame)
            edges |= kBottom;
        if (edges) {
            rw->drag = RealWindow::Drag::Resize;
            rw->edges = edges;
        }
    }
    return TRUE;
}

gboolean onButtonRelease(GtkWidget*, GdkEventButton* ev, gpointer data) {
    HandlerScope scope;
    auto* rw = static_cast<RealWindow*>(data);
    Window* w = modelOf(rw);
    if (rw->drag != RealWindow::Drag::None) {
        rw->drag = RealWindow::Drag::None;
        return TRUE;
    }
    if (!w || (ev->button != 1 && ev->button != 3))
        return TRUE;
    const Rect in = w->nonClientInsets();
    const Point client{static_cast<int>(ev->x) - in.left, static_cast<int>(ev->y) - in.top};
    mouseUp(*w, client, modifiersOf(ev->state),
            ev->button == 1 ? MouseButton::Left : MouseButton::Right);
    afterInput(*rw);
    return TRUE;
}

gboolean onMotion(GtkWidget*, GdkEventMotion* ev, gpointer data) {
    HandlerScope scope;
    auto* rw = static_cast<RealWindow*>(data);
    Window* w = modelOf(rw);
    if (!w)
        return TRUE;
    const Point root{static_cast<int>(ev->x_root), static_cast<int>(ev->y_root)};
    const int dx = root.x - rw->startRoot.x;
    const int dy = root.y - rw->startRoot.y;
    const Rect s = rw->startRect;
    if (rw->drag == RealWindow::Drag::Move) {
        w->moveWindow(Rect::fromSize(s.left + dx, s.top + dy, s.width(), s.height()), false);
        screen().sync();
        return TRUE;
    }
    if (rw->drag == RealWindow::Drag::Resize) {
        int width = s.width() + ((rw->edges & kRight) ? dx : (rw->edges & kLeft) ? -dx : 0);
        int height = s.height() + ((rw->edges & kBottom) ? dy : (rw->edges & kTop) ? -dy : 0);
        WindowRef<Window> ref(w);
        resize(*w, std::max(width, 1), std::max(height, 1));
        if (ref && (rw->edges & (kLeft | kTop))) {
            const Rect now = ref->getWindowRect();
            const int left = (rw->edges & kLeft) ? s.right - now.width() : s.left;
            const int topY = (rw->edges & kTop) ? s.bottom - now.height() : s.top;
            ref->moveWindow(Rect::fromSize(left, topY, now.width(), now.height()), true);
        }
        rw->dirty = true;
        screen().sync();
        return TRUE;
    }
    const Rect in = w->nonClientInsets();
    const Point client{static_cast<int>(ev->x) - in.left, static_cast<int>(ev->y) - in.top};
    if (w->getClientRect().contains(client) || app().capture()) {
        mouseMove(*w, client, modifiersOf(ev->state));
        afterInput(*rw);
    }
    return TRUE;
}

// The wheel, at the point under the pointer: one notch a WHEEL_DELTA, fine-grained
// (touchpad) scrolling in proportion.
gboolean onScroll(GtkWidget*, GdkEventScroll* ev, gpointer data) {
    HandlerScope scope;
    auto* rw = static_cast<RealWindow*>(data);
    Window* w = modelOf(rw);
    if (!w)
        return TRUE;
    int delta = 0;
    switch (ev->direction) {
    case GDK_SCROLL_UP:
        delta = WHEEL_DELTA;
        break;
    case GDK_SCROLL_DOWN:
        delta = -WHEEL_DELTA;
        break;
    case GDK_SCROLL_SMOOTH:
        delta = static_cast<int>(-ev->delta_y * WHEEL_DELTA);
        break;
    default:
        return TRUE; // sideways: the model has no horizontal wheel
    }
    const Rect in = w->nonClientInsets();
    const Point client{static_cast<int>(ev->x) - in.left, static_cast<int>(ev->y) - in.top};
    if (delta != 0 && w->getClientRect().contains(client)) {
        mouseWheel(*w, client, delta, modifiersOf(ev->state));
        afterInput(*rw);
    }
    return TRUE;
}

// GTK asks when the mouse has rested: the tooltip of the control under it.
gboolean onQueryTooltip(GtkWidget*, gint x, gint y, gboolean keyboard, GtkTooltip* tip,
                        gpointer data) {
    HandlerScope scope;
    auto* rw = static_cast<RealWindow*>(data);
    Window* w = modelOf(rw);
    std::wstring text;
    if (w && !keyboard) {
        const Rect in = w->nonClientInsets();
        const Point client{x - in.left, y - in.top};
        if (w->getClientRect().contains(client))
            text = tooltipAt(*w, client);
    }
    shownTooltip() = utf8(text);
    if (text.empty())
        return FALSE;
    gtk_tooltip_set_text(tip, shownTooltip().c_str());
    return TRUE;
}

gboolean onLeave(GtkWidget*, GdkEventCrossing*, gpointer) {
    shownTooltip().clear();
    return FALSE;
}

gboolean onKeyPress(GtkWidget*, GdkEventKey* ev, gpointer data) {
    HandlerScope scope;
    auto* rw = static_cast<RealWindow*>(data);
    Window* w = modelOf(rw);
    if (!w || isModifierKey(ev->keyval))
        return TRUE;
    focusInto(*rw, *w);
    const unsigned mods = modifiersOf(ev->state);
    // The keyboard way into a menu bar: F10 opens its first menu, Alt and a letter the
    // menu whose title marks that letter with '&'.
    int barIndex = -1;
    if (ev->keyval == GDK_KEY_F10 && mods == 0)
        barIndex = w->getMenu() ? 0 : -1;
    else if (mods == kModAlt)
        barIndex = menuBarIndexOf(*w, static_cast<wchar_t>(gdk_keyval_to_unicode(ev->keyval)));
    if (barIndex >= 0) {
        WindowRef<Window> top(w);
        runMenuBarMenu(*rw, *w, barIndex);
        if (top)
            afterInput(*rw);
        return TRUE;
    }
    int vk = commandKey(ev->keyval);
    if (!vk && (mods & (kModCtrl | kModAlt)))
        vk = letterKey(ev->keyval);
    if (vk) {
        keyDown(vk, mods);
    } else if (!gtk_im_context_filter_keypress(rw->im, ev)) {
        if (gunichar u = gdk_keyval_to_unicode(ev->keyval))
            typeText(std::wstring(1, static_cast<wchar_t>(u)));
    }
    afterInput(*rw);
    return TRUE;
}

gboolean onKeyRelease(GtkWidget*, GdkEventKey* ev, gpointer data) {
    HandlerScope scope;
    auto* rw = static_cast<RealWindow*>(data);
    Window* w = modelOf(rw);
    if (!w || isModifierKey(ev->keyval))
        return TRUE;
    const unsigned mods = modifiersOf(ev->state);
    int vk = commandKey(ev->keyval);
    if (!vk && (mods & (kModCtrl | kModAlt)))
        vk = letterKey(ev->keyval);
    if (vk)
        keyUp(vk, mods);
    else
        gtk_im_context_filter_keypress(rw->im, ev);
    afterInput(*rw);
    return TRUE;
}

// Text from the input method: letters, dead-key and compose results, pasted text.
void onCommit(GtkIMContext*, const gchar* text, gpointer data) {
    HandlerScope scope;
    auto* rw = static_cast<RealWindow*>(data);
    if (!modelOf(rw))
        return;
    typeText(wide(text));
    afterInput(*rw);
}

gboolean onFocusIn(GtkWidget*, GdkEventFocus*, gpointer data) {
    auto* rw = static_cast<RealWindow*>(data);
    gtk_im_context_focus_in(rw->im);
    if (Window* w = modelOf(rw); w && w->isWindowEnabled())
        focusInto(*rw, *w);
    rw->dirty = true;
    return FALSE;
}

gboolean onFocusOut(GtkWidget*, GdkEventFocus*, gpointer data) {
    auto* rw = static_cast<RealWindow*>(data);
    gtk_im_context_focus_out(rw->im);
    return FALSE;
}

gboolean onDelete(GtkWidget*, GdkEvent*, gpointer data) {
    HandlerScope scope;
    auto* rw = static_cast<RealWindow*>(data);
    if (Window* w = modelOf(rw))
        closeBox(*w);
    return TRUE; // the model decides whether the window goes
}

const char* cursorName(CursorKind k) {
    switch (k) {
    case CursorKind::IBeam:
        return "text";
    case CursorKind::Wait:
        return "wait";
    case CursorKind::Cross:
        return "crosshair";
    case CursorKind::SizeAll:
        return "move";
    case CursorKind::SizeNWSE:
        return "nwse-resize";
    case CursorKind::SizeNESW:
        return "nesw-resize";
    case CursorKind::SizeWE:
        return "ew-resize";
    case CursorKind::SizeNS:
        return "ns-resize";
    case CursorKind::Hand:
        return "pointer";
    case CursorKind::Arrow:
        break;
    }
    return "default";
}

} // namespace

void setCursorFor(RealWindow& rw) {
    GdkWindow* gw = gtk_widget_get_window(rw.widget);
    if (!gw)
        return;
    static std::map<CursorKind, GdkCursor*> cache;
    const CursorKind kind = app().cursor();
    GdkCursor*& c = cache[kind];
    if (!c)
        c = gdk_cursor_new_from_name(gdk_window_get_display(gw), cursorName(kind));
    gdk_window_set_cursor(gw, c);
    shownCursor() = cursorName(kind);
}

std::string& shownTooltip() {
    static std::string t;
    return t;
}

std::string& shownCursor() {
    static std::string c = "default";
    return c;
}

void connectInput(RealWindow& rw) {
    rw.im = gtk_im_multicontext_new();
    g_signal_connect(rw.im, "commit", G_CALLBACK(onCommit), &rw);
    g_signal_connect(rw.widget, "button-press-event", G_CALLBACK(onButtonPress), &rw);
    g_signal_connect(rw.widget, "button-release-event", G_CALLBACK(onButtonRelease), &rw);
    g_signal_connect(rw.widget, "motion-notify-event", G_CALLBACK(onMotion), &rw);
    g_signal_connect(rw.widget, "key-press-event", G_CALLBACK(onKeyPress), &rw);
    g_signal_connect(rw.widget, "key-release-event", G_CALLBACK(onKeyRelease), &rw);
    g_signal_connect(rw.widget, "focus-in-event", G_CALLBACK(onFocusIn), &rw);
    g_signal_connect(rw.widget, "focus-out-event", G_CALLBACK(onFocusOut), &rw);
    g_signal_connect(rw.widget, "delete-event", G_CALLBACK(onDelete), &rw);
    g_signal_connect(rw.widget, "scroll-event", G_CALLBACK(onScroll), &rw);
    g_signal_connect(rw.widget, "leave-notify-event", G_CALLBACK(onLeave), &rw);
    gtk_widget_set_has_tooltip(rw.widget, TRUE);
    g_signal_connect(rw.widget, "query-tooltip", G_CALLBACK(onQueryTooltip), &rw);
}

} // namespace ui::live
