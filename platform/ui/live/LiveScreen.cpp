#include "platform/ui/PaintHelpers.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/live/LiveInternals.h"

#include <gdk/gdkx.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>

namespace ui::live {

namespace {

// Changes when anything in the tree was invalidated, shown, hidden, moved or resized.
void addDamage(Window& w, std::uint64_t& sig) {
    auto mix = [&](std::uint64_t v) { sig = (sig ^ v) * 1099511628211ull; };
    mix(w.handle().value);
    mix(static_cast<std::uint64_t>(w.invalidateCount()));
    mix(w.isShown() ? 1 : 2);
    const Rect& r = w.rect();
    mix(static_cast<std::uint64_t>(r.left) << 32 ^ static_cast<std::uint32_t>(r.top));
    mix(static_cast<std::uint64_t>(r.right) << 32 ^ static_cast<std::uint32_t>(r.bottom));
    for (Window* c : w.children())
        addDamage(*c, sig);
}

gboolean onDraw(GtkWidget*, cairo_t* cr, gpointer data) {
    auto* rw = static_cast<RealWindow*>(data);
    if (!rw->canvas)
        return TRUE;
    int stride = 0;
    const unsigned char* px = rw->canvas->imagePixels(stride);
    const Size s = rw->canvas->size();
    cairo_surface_t* surface = cairo_image_surface_create_for_data(
        const_cast<unsigned char*>(px), CAIRO_FORMAT_ARGB32, s.cx, s.cy, stride);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_set_source_surface(cr, surface, 0, 0);
    cairo_paint(cr);
    cairo_surface_destroy(surface);
    rw->drawn = rw->paints;
    return TRUE;
}

gboolean onMap(GtkWidget*, GdkEvent*, gpointer data) {
    static_cast<RealWindow*>(data)->mapped = true;
    return FALSE;
}

std::string quoted(std::wstring_view text) {
    std::string out = "\"";
    for (char c : utf8(text)) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (c == '\n')
            out += "\\n";
        else if (c != '\r')
            out += c;
    }
    return out + "\"";
}

void describeTree(std::ostream& out, Window& w) {
    for (Window* c : w.children()) {
        if (!c->isWindowVisible())
            continue;
        const Rect r = c->getWindowRect();
        out << "control " << c->handle().value << " " << c->id() << " " << utf8(c->className())
            << " " << r.left << " " << r.top << " " << r.width() << " " << r.height() << " "
            << (c->isWindowEnabled() ? 1 : 0) << " " << quoted(c->getWindowText()) << "\n";
        describeTree(out, *c);
    }
}

} // namespace

Screen& screen() {
    static Screen s;
    return s;
}

RealWindow* Screen::find(Window* w) {
    if (!w)
        return nullptr;
    auto it = m_windows.find(w->topLevel()->handle().value);
    return it == m_windows.end() ? nullptr : it->second.get();
}

GtkWindow* Screen::gtkWindowFor(Window* w) {
    RealWindow* rw = find(w);
    return rw ? GTK_WINDOW(rw->widget) : nullptr;
}

void Screen::markAllDirty() {
    for (auto& [h, rw] : m_windows)
        rw->dirty = true;
}

void Screen::create(RealWindow& rw, Window& w) {
    rw.handle = w.handle();
    rw.widget = gtk_window_new(GTK_WINDOW_TOPLEVEL);
    GtkWindow* win = GTK_WINDOW(rw.widget);
    // The model paints its own frame and caption, as the snapshots show them.
    gtk_window_set_decorated(win, FALSE);
    gtk_widget_set_app_paintable(rw.widget, TRUE);
    gtk_widget_add_events(
        rw.widget, GDK_BUTTON_PRESS_MASK | GDK_BUTTON_RELEASE_MASK | GDK_POINTER_MOTION_MASK |
                       GDK_SCROLL_MASK | GDK_KEY_PRESS_MASK | GDK_KEY_RELEASE_MASK |
                       GDK_LEAVE_NOTIFY_MASK | GDK_FOCUS_CHANGE_MASK | GDK_STRUCTURE_MASK);
    g_signal_connect(rw.widget, "draw", G_CALLBACK(onDraw), &rw);
    g_signal_connect(rw.widget, "map-event", G_CALLBACK(onMap), &rw);
    if (Window* owner = w.owner())
        if (RealWindow* o = find(owner))
            gtk_window_set_transient_for(win, GTK_WINDOW(o->widget));
    connectInput(rw);
    rw.rect = w.getWindowRect();
    gtk_window_set_default_size(win, rw.rect.width(), rw.rect.height());
    gtk_widget_set_size_request(rw.widget, rw.rect.width(), rw.rect.height());
    gtk_window_move(win, rw.rect.left, rw.rect.top);
    rw.caption = w.getWindowText();
    gtk_window_set_title(win, utf8(rw.caption).c_str());
    gtk_widget_realize(rw.widget);
    gtk_im_context_set_client_window(rw.im, gtk_widget_get_window(rw.widget));
    gtk_widget_show(rw.widget);
    gtk_window_present(win);
}

void Screen::update(RealWindow& rw, Window& w) {
    GtkWindow* win = GTK_WINDOW(rw.widget);
    const Rect r = w.getWindowRect();
    if (r != rw.rect) {
        if (r.size() != rw.rect.size()) {
            gtk_widget_set_size_request(rw.widget, r.width(), r.height());
            gtk_window_resize(win, r.width(), r.height());
        }
        gtk_window_move(win, r.left, r.top);
        rw.rect = r;
    }
    if (std::wstring caption = w.getWindowText(); caption != rw.caption) {
        rw.caption = caption;
        gtk_window_set_title(win, utf8(caption).c_str());
    }
    std::uint64_t sig = 14695981039346656037ull;
    addDamage(w, sig);
    const Size size = r.size();
    if (!rw.dirty && sig == rw.damage && rw.canvas && rw.canvas->size() == size)
        return;
    if (!rw.canvas || rw.canvas->size() != size)
        rw.canvas = CairoCanvas::createImage(size, paint::kFace);
    if (!rw.canvas)
        return;
    paintWindow(*rw.canvas, w);
    ++rw.paints;
    // Painting may invalidate (a control that lays itself out): take the signature after.
    sig = 14695981039346656037ull;
    addDamage(w, sig);
    rw.damage = sig;
    rw.dirty = false;
    gtk_widget_queue_draw(rw.widget);
}

void Screen::sync() {
    if (m_syncing)
        return;
    m_syncing = true;
    syncNow();
    m_syncing = false;
}

void Screen::syncNow() {
    std::set<std::uint32_t> shown;
    Window* main = app().mainWindow();
    for (Window* w : app().topLevelWindows()) {
        if (w == main || !w->isWindowVisible())
            continue;
        const std::uint32_t h = w->handle().value;
        shown.insert(h);
        auto& rw = m_windows[h];
        if (!rw) {
            rw = std::make_unique<RealWindow>();
            create(*rw, *w);
        }
        update(*rw, *w);
    }
    for (auto it = m_windows.begin(); it != m_windows.end();) {
        if (shown.count(it->first)) {
            ++it;
            continue;
        }
        bury(std::move(it->second));
        it = m_windows.erase(it);
    }
    if (HandlerScope::depth() == 0) {
        for (auto& rw : m_graveyard) {
            gtk_widget_destroy(rw->widget);
            g_object_unref(rw->im);
        }
        m_graveyard.clear();
    }
    writeLayout();
}

void Screen::bury(std::unique_ptr<RealWindow> rw) {
    gtk_widget_hide(rw->widget);
    rw->handle = Hwnd{}; // its events reach no model window any more
    m_graveyard.push_back(std::move(rw));
}

void Screen::closeAll() {
    for (auto& [h, rw] : m_windows)
        bury(std::move(rw));
    m_windows.clear();
    for (auto& rw : m_graveyard) {
        gtk_widget_destroy(rw->widget);
        g_object_unref(rw->im);
    }
    m_graveyard.clear();
}

// TVL_LIVE_LAYOUT names a file that describes the real windows and their controls (for
// tests that click by position). Rewritten whole, atomically, when it changes.
void Screen::writeLayout() {
    const char* path = std::getenv("TVL_LIVE_LAYOUT");
    if (!path || !*path)
        return;
    std::ostringstream out;
    for (auto& [h, rw] : m_windows) {
        Window* w = app().fromHandle(rw->handle);
        if (!w)
            continue;
        GdkWindow* gw = gtk_widget_get_window(rw->widget);
        const unsigned long xid = gw ? GDK_WINDOW_XID(gw) : 0;
        const bool current = rw->mapped && rw->drawn == rw->paints;
        out << "window " << h << " " << xid << " " << rw->rect.left << " " << rw->rect.top << " "
            << rw->rect.width() << " " << rw->rect.height() << " " << (current ? 1 : 0) << " "
            << rw->paints << " " << quoted(rw->caption) << "\n";
        Rect in = w->nonClientInsets();
        out << "client " << h << " " << rw->rect.left + in.left << " " << rw->rect.top + in.top
            << "\n";
        describeTree(out, *w);
    }
    Window* f = app().focus();
    out << "focus " << (f ? f->handle().value : 0) << " " << (f ? f->id() : 0) << "\n";
    out << "menus " << openMenus() << "\n";
    out << "tooltip " << quoted(wide(shownTooltip().c_str())) << "\n";
    out << "cursor " << shownCursor() << "\n";
    std::string text = out.str();
    if (text == m_lastLayout)
        return;
    m_lastLayout = text;
    const std::string tmp = std::string(path) + ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary | std::ios::trunc);
        f << text;
        if (!f)
            return;
    }
    std::rename(tmp.c_str(), path);
}

} // namespace ui::live
