#include "platform/ui/draw/ThemeDetail.h"

#include "platform/ui/draw/TextMetrics.h"

#include <algorithm>

namespace ui {

using namespace detail;

namespace {
constexpr int kTooltipPadX = 4;
constexpr int kTooltipPadY = 2;
constexpr Color kFrameInactive{170, 170, 170};
constexpr Color kProgressTrack{230, 230, 230};
constexpr Color kProgressBorder{188, 188, 188};
constexpr Color kProgressFill{6, 176, 37};
constexpr Color kTooltipBorder{118, 118, 118};

int borderWidth(const FrameState& s) {
    if (!s.border)
        return 0;
    return s.resizable ? 4 : 1;
}
} // namespace

Font defaultGuiFont() {
    Font f;
    f.face = L"MS Sans Serif";
    f.height = -11;
    return f;
}

void paintEdge(Canvas& c, const Rect& r, EdgeKind kind) {
    if (r.isEmpty())
        return;
    auto ring = [&](const Rect& q, Color topLeft, Color bottomRight) {
        hline(c, q.left, q.right - 1, q.top, topLeft);
        vline(c, q.left, q.top, q.bottom - 1, topLeft);
        hline(c, q.left, q.right, q.bottom - 1, bottomRight);
        vline(c, q.right - 1, q.top, q.bottom - 1, bottomRight);
    };
    const Rect inner = r.inflate(-1, -1);
    switch (kind) {
    case EdgeKind::Raised:
        ring(r, theme::kLight, theme::kDarkShadow);
        ring(inner, Color{227, 227, 227}, theme::kShadow);
        break;
    case EdgeKind::Sunken:
        ring(r, theme::kShadow, theme::kLight);
        ring(inner, theme::kDarkShadow, Color{227, 227, 227});
        break;
    case EdgeKind::Etched:
        frame(c, {r.left, r.top, r.right - 1, r.bottom - 1}, theme::kShadow);
        frame(c, {r.left + 1, r.top + 1, r.right, r.bottom}, theme::kLight);
        break;
    case EdgeKind::Flat:
        frame(c, r, theme::kBorder);
        break;
    }
}

void paintFocusRect(Canvas& c, const Rect& r) {
    if (!r.isEmpty())
        c.frameRect(r, Pen{theme::kText, 1, PenStyle::Dot});
}

void paintCheckMark(Canvas& c, const Rect& r, Color color) {
    const int s = std::min(r.width(), r.height());
    if (s < 5)
        return;
    const int x = r.left + (r.width() - s) / 2;
    const int y = r.top + (r.height() - s) / 2;
    const Point pts[] = {{x + s * 2 / 10, y + s / 2},
                         {x + s * 4 / 10, y + s * 7 / 10},
                         {x + s * 8 / 10, y + s * 2 / 10}};
    c.polyline(pts, pen(color, s >= 11 ? 2 : 1));
}

void paintArrow(Canvas& c, const Rect& r, ArrowDirection dir, Color color) {
    const int s = std::max(2, std::min(r.width(), r.height()) / 4);
    const int cx = r.left + r.width() / 2;
    const int cy = r.top + r.height() / 2;
    Point pts[3];
    switch (dir) {
    case ArrowDirection::Down:
        pts[0] = {cx - s, cy - s / 2};
        pts[1] = {cx + s, cy - s / 2};
        pts[2] = {cx, cy + s / 2 + 1};
        break;
    case ArrowDirection::Up:
        pts[0] = {cx - s, cy + s / 2};
        pts[1] = {cx + s, cy + s / 2};
        pts[2] = {cx, cy - s / 2 - 1};
        break;
    case ArrowDirection::Right:
        pts[0] = {cx - s / 2, cy - s};
        pts[1] = {cx - s / 2, cy + s};
        pts[2] = {cx + s / 2 + 1, cy};
        break;
    case ArrowDirection::Left:
        pts[0] = {cx + s / 2, cy - s};
        pts[1] = {cx + s / 2, cy + s};
        pts[2] = {cx - s / 2 - 1, cy};
        break;
    }
    c.polygon(pts, Pen{color, 1, PenStyle::None}, color);
}

Rect frameClientRect(const Rect& window, const FrameState& state) {
    const int b = borderWidth(state);
    Rect r = window.inflate(-b, -b);
    if (state.caption)
        r.top = std::min(r.bottom, r.top + theme::kCaptionHeight);
    return r.normalized();
}

Rect frameCloseBoxRect(const Rect& window, const FrameState& state) {
    if (!state.caption || !state.closeBox)
        return {};
    const int b = borderWidth(state);
    const int w = theme::kCaptionHeight + 8;
    return {window.right - b - w, window.top + b, window.right - b,
            window.top + b + theme::kCaptionHeight};
}

void paintDialogFrame(Canvas& c, const Rect& window, std::wstring_view title,
                      const FrameState& state, const Font& font) {
    const int b = borderWidth(state);
    const Color edge = state.active ? theme::kCaption : kFrameInactive;
    c.fillRect(window, state.face);
    if (b > 0) {
        frame(c, window, edge);
        for (int i = 1; i < b; ++i)
            frame(c, window.inflate(-i, -i), state.active ? theme::kInactiveCaption : theme::kFace);
    }
    if (!state.caption)
        return;
    const Rect bar{window.left + b, window.top + b, window.right - b,
                   window.top + b + theme::kCaptionHeight};
    c.fillRect(bar, state.active ? theme::kCaption : theme::kInactiveCaption);
    const Color fg = state.active ? theme::kCaptionText : theme::kText;

    const Rect close = frameCloseBoxRect(window, state);
    Rect textRect{bar.left + 8, bar.top, (close.isEmpty() ? bar.right : close.left) - 4,
                  bar.bottom};
    Font titleFont = font;
    titleFont.height = -std::max(12, font.charHeight() + 1);
    c.drawText(textRect, title, titleFont, fg,
               kOneLine | TextFlags::NoPrefix | TextFlags::EndEllipsis);
    if (!close.isEmpty()) {
        const int cx = close.left + close.width() / 2;
        const int cy = close.top + close.height() / 2;
        const int s = 5;
        c.line({cx - s, cy - s}, {cx + s, cy + s}, pen(fg));
        c.line({cx - s, cy + s}, {cx + s, cy - s}, pen(fg));
    }
}

Size tooltipSize(std::wstring_view text, const Font& font) {
    const Size block = fixedTextExtent(font, L"");
    int width = 0;
    int lines = 0;
    size_t start = 0;
    while (true) {
        const size_t nl = text.find(L'\n', start);
        std::wstring_view line =
            text.substr(start, nl == std::wstring_view::npos ? text.npos : nl - start);
        if (!line.empty() && line.back() == L'\r')
            line.remove_suffix(1);
        width = std::max(width, fixedTextExtent(font, line).cx);
        ++lines;
        if (nl == std::wstring_view::npos)
            break;
        start = nl + 1;
    }
    return {width + 2 * kTooltipPadX + 2, lines * block.cy + 2 * kTooltipPadY + 2};
}

void paintTooltip(Canvas& c, const Rect& r, std::wstring_view text, const Font& font) {
    c.fillRect(r, theme::kTooltip);
    frame(c, r, kTooltipBorder);
    c.drawText(r.inflate(-(kTooltipPadX + 1), -(kTooltipPadY + 1)), text, font, theme::kText,
               TextFlags::NoPrefix);
}

void paintProgress(Canvas& c, const Rect& r, int low, int high, int pos) {
    c.fillRect(r, kProgressTrack);
    frame(c, r, kProgressBorder);
    if (high <= low)
        return;
    pos = std::clamp(pos, low, high);
    const Rect inner = r.inflate(-1, -1);
    const long long done = static_cast<long long>(pos) - low,
                    range = static_cast<long long>(high) - low;
    const int w = static_cast<int>(inner.width() * done / range);
    c.fillRect({inner.left, inner.top, inner.left + w, inner.bottom}, kProgressFill);
}

} // namespace ui
