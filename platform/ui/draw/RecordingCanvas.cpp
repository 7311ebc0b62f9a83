#include "platform/ui/draw/RecordingCanvas.h"
#include "platform/base/Encoding.h"

#include "platform/ui/draw/TextLayout.h"
#include "platform/ui/draw/TextMetrics.h"

#include <algorithm>
#include <cstdio>

namespace ui {

namespace {

Rect boundsOf(const std::vector<Point>& pts) {
    if (pts.empty())
        return {};
    Rect r{pts[0].x, pts[0].y, pts[0].x, pts[0].y};
    for (Point p : pts) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x + 1);
        r.bottom = std::max(r.bottom, p.y + 1);
    }
    return r;
}

} // namespace

const char* toString(DrawKind kind) {
    switch (kind) {
    case DrawKind::FillRect:
        return "fillRect";
    case DrawKind::FrameRect:
        return "frameRect";
    case DrawKind::Line:
        return "line";
    case DrawKind::Polyline:
        return "polyline";
    case DrawKind::Ellipse:
        return "ellipse";
    case DrawKind::Polygon:
        return "polygon";
    case DrawKind::Text:
        return "text";
    case DrawKind::Bitmap:
        return "bitmap";
    case DrawKind::NewPage:
        return "newPage";
    }
    return "?";
}

RecordingCanvas::RecordingCanvas(Size size, Size ppi) : m_size(size), m_ppi(ppi) {}

Rect RecordingCanvas::currentClip() const {
    return m_clips.empty() ? Rect{0, 0, m_size.cx, m_size.cy} : m_clips.back();
}

DrawItem& RecordingCanvas::add(DrawKind kind, const Rect& localRect) {
    DrawItem item;
    item.kind = kind;
    item.rect = localRect.offset(origin().x, origin().y);
    item.clip = currentClip();
    item.page = m_page;
    m_items.push_back(std::move(item));
    return m_items.back();
}

void RecordingCanvas::fillRect(const Rect& r, Color c) {
    add(DrawKind::FillRect, r).color = c;
}

void RecordingCanvas::frameRect(const Rect& r, const Pen& pen) {
    DrawItem& item = add(DrawKind::FrameRect, r);
    item.pen = pen;
    item.color = pen.color;
}

void RecordingCanvas::line(Point from, Point to, const Pen& pen) {
    const Point pts[] = {from, to};
    polyline(pts, pen);
    m_items.back().kind = DrawKind::Line;
}

void RecordingCanvas::polyline(std::span<const Point> points, const Pen& pen) {
    std::vector<Point> abs;
    for (Point p : points)
        abs.push_back({p.x + origin().x, p.y + origin().y});
    DrawItem& item = add(DrawKind::Polyline, {});
    item.rect = boundsOf(abs);
    item.points = std::move(abs);
    item.pen = pen;
    item.color = pen.color;
}

void RecordingCanvas::ellipse(const Rect& r, const Pen& pen, std::optional<Color> fill) {
    DrawItem& item = add(DrawKind::Ellipse, r);
    item.pen = pen;
    item.fill = fill;
    item.color = fill ? *fill : pen.color;
}

void RecordingCanvas::polygon(std::span<const Point> points, const Pen& pen,
                              std::optional<Color> fill) {
    polyline(points, pen);
    DrawItem& item = m_items.back();
    item.kind = DrawKind::Polygon;
    item.fill = fill;
    if (fill)
        item.color = *fill;
}

int RecordingCanvas::drawText(const Rect& r, std::wstring_view text, const Font& font, Color color,
                              TextFlags flags) {
    const int lineHeight = fixedFontMetrics(font).lineHeight;
    TextLayout layout = layoutText(r, text, flags, lineHeight, [&](std::wstring_view s) {
        return fixedTextExtent(font, s).cx;
    });
    DrawItem& item = add(DrawKind::Text, r);
    item.text = std::wstring(text);
    item.color = color;
    item.font = font;
    item.flags = flags;
    for (const TextLine& line : layout.lines)
        item.lines.push_back(line.text);
    return layout.height;
}

void RecordingCanvas::drawTextRun(Point, std::wstring_view, const Font&, Color, size_t) {}

Size RecordingCanvas::measureText(const Font& font, std::wstring_view text) const {
    return fixedTextExtent(font, text);
}

void RecordingCanvas::blit(const Bitmap& bitmap, const Rect& dest, const Rect& src, BlitMode mode,
                           Color key) {
    DrawItem& item = add(DrawKind::Bitmap, dest);
    item.bitmapSize = bitmap.size();
    item.source = src;
    item.mode = mode;
    item.key = key;
}

void RecordingCanvas::pushClip(const Rect& r) {
    m_clips.push_back(currentClip().intersect(r.offset(origin().x, origin().y)));
}

void RecordingCanvas::popClip() {
    if (!m_clips.empty())
        m_clips.pop_back();
}

void RecordingCanvas::pushOrigin(Point offset) {
    m_origins.push_back({origin().x + offset.x, origin().y + offset.y});
}

void RecordingCanvas::popOrigin() {
    if (!m_origins.empty())
        m_origins.pop_back();
}

Rect RecordingCanvas::clipBox() const {
    return currentClip().offset(-origin().x, -origin().y);
}

void RecordingCanvas::newPage() {
    add(DrawKind::NewPage, {});
    ++m_page;
}

std::vector<std::wstring> RecordingCanvas::texts() const {
    std::vector<std::wstring> out;
    for (const DrawItem& item : m_items) {
        if (item.kind != DrawKind::Text)
            continue;
        std::wstring joined;
        for (size_t i = 0; i < item.lines.size(); ++i)
            joined += (i ? L"\n" : L"") + item.lines[i];
        out.push_back(std::move(joined));
    }
    return out;
}

const DrawItem* RecordingCanvas::findText(std::wstring_view needle) const {
    for (const DrawItem& item : m_items) {
        if (item.kind != DrawKind::Text)
            continue;
        for (const std::wstring& line : item.lines)
            if (line.find(needle) != std::wstring::npos)
                return &item;
    }
    return nullptr;
}

std::vector<const DrawItem*> RecordingCanvas::itemsOfKind(DrawKind kind) const {
    std::vector<const DrawItem*> out;
    for (const DrawItem& item : m_items)
        if (item.kind == kind)
            out.push_back(&item);
    return out;
}

std::string RecordingCanvas::dump() const {
    std::string out;
    char buf[160];
    for (const DrawItem& item : m_items) {
        std::snprintf(buf, sizeof buf, "%s (%d,%d)-(%d,%d) #%02X%02X%02X", toString(item.kind),
                      item.rect.left, item.rect.top, item.rect.right, item.rect.bottom,
                      item.color.r, item.color.g, item.color.b);
        out += buf;
        if (item.kind == DrawKind::Text) {
            out += " \"";
            for (size_t i = 0; i < item.lines.size(); ++i) {
                if (i)
                    out += "\\n";
                out += base::toUtf8(item.lines[i]);
            }
            out += '"';
        } else if (item.kind == DrawKind::Bitmap) {
            std::snprintf(buf, sizeof buf, " %dx%d", item.bitmapSize.cx, item.bitmapSize.cy);
            out += buf;
        }
        out += '\n';
    }
    return out;
}

} // namespace ui
