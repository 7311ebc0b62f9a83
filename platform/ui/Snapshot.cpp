#include "platform/ui/Snapshot.h"

#include "platform/ui/Menu.h"
#include "platform/ui/PaintHelpers.h"
#include "platform/ui/Window.h"
#include "platform/ui/draw/CairoCanvas.h"
#include "platform/ui/draw/TextMetrics.h"

namespace ui {

using namespace paint;

namespace {

// The frame, caption bar and menu bar of a top-level window, in window coordinates.
void paintNonClient(Canvas& c, const Window& w) {
    Rect r{0, 0, w.rect().width(), w.rect().height()};
    Rect in = w.nonClientInsets();
    c.fillRect(r, kFace);
    if (in.left > 0) {
        raised(c, r);
        if (in.left > 1)
            raised(c, r.inflate(-1, -1));
    }
    int top = in.left;
    if ((w.style() & WS_CAPTION) == WS_CAPTION) {
        int h = (w.exStyle() & WS_EX_TOOLWINDOW) ? 15 : 18;
        Rect bar{in.left, top, r.right - in.right, top + h};
        c.fillRect(bar, kCaption);
        Font f = toFont(w.font()).withWeight(700);
        int right = bar.right;
        if (w.style() & WS_SYSMENU) {
            Rect box{bar.right - h + 2, bar.top + 2, bar.right - 2, bar.bottom - 2};
            c.fillRect(box, kFace);
            raised(c, box);
            c.line({box.left + 4, box.top + 4}, {box.right - 5, box.bottom - 5}, Pen{kText});
            c.line({box.right - 5, box.top + 4}, {box.left + 4, box.bottom - 5}, Pen{kText});
            right = box.left - 2;
        }
        int iconW = 0;
        Bitmap icon = decode(w.icon());
        if (!icon.empty()) {
            c.drawBitmap(icon, Rect::fromSize(bar.left + 2, bar.top + 1, h - 2, h - 2),
                         icon.bounds(), BlitMode::Alpha);
            iconW = h;
        }
        std::wstring caption = w.getWindowText();
        for (auto& ch : caption)
            if (ch == L'\n' || ch == L'\r')
                ch = L' ';
        c.drawText(Rect{bar.left + 4 + iconW, bar.top, right, bar.bottom}, caption, f, kHighlight,
                   TextFlags::SingleLine | TextFlags::VCenter | TextFlags::NoPrefix |
                       TextFlags::EndEllipsis);
        top = bar.bottom;
    }
    if (Menu* m = w.getMenu(); m && !w.isChildWindow()) {
        Rect bar{in.left, top, r.right - in.right, top + 19};
        Font f = toFont(w.font());
        const std::vector<Rect> items = menuBarItemRects(w);
        for (int i = 0; i < m->itemCount() && i < static_cast<int>(items.size()); ++i) {
            const MenuItem* it = m->item(i);
            c.drawText(items[static_cast<size_t>(i)], it->text, f,
                       it->isEnabled() ? kText : kGrayText,
                       TextFlags::SingleLine | TextFlags::VCenter);
        }
        c.line({bar.left, bar.bottom - 1}, {bar.right, bar.bottom - 1}, Pen{kShadow});
    }
}

} // namespace

std::vector<Rect> menuBarItemRects(const Window& w) {
    std::vector<Rect> out;
    Menu* m = w.getMenu();
    if (!m || w.isChildWindow())
        return out;
    const Rect in = w.nonClientInsets();
    int top = in.left;
    if ((w.style() & WS_CAPTION) == WS_CAPTION)
        top += (w.exStyle() & WS_EX_TOOLWINDOW) ? 15 : 18;
    Font f = toFont(w.font());
    int x = in.left + 6;
    for (int i = 0; i < m->itemCount(); ++i) {
        const int tw = fixedTextExtent(f, m->item(i)->text).cx;
        out.push_back(Rect{x, top, x + tw + 4, top + 19});
        x += tw + 14;
    }
    return out;
}

void paintWindow(Canvas& canvas, Window& w) {
    paintNonClient(canvas, w);
    Rect in = w.nonClientInsets();
    OriginScope origin(canvas, {in.left, in.top});
    ClipScope clip(canvas, w.getClientRect());
    w.paintTree(canvas);
}

bool writePng(const Window& window, const std::string& nativePath) {
    Window& w = const_cast<Window&>(window); // painting sends messages; the tree is not changed
    Size size = w.rect().size();
    if (size.cx <= 0 || size.cy <= 0 || size.cx > 8000 || size.cy > 8000)
        return false;
    auto canvas = CairoCanvas::createImage(size, kFace);
    if (!canvas)
        return false;
    paintWindow(*canvas, w);
    return canvas->writePng(nativePath);
}

} // namespace ui
