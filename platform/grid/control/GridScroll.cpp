// The grid's scroll bars: where they are, how they look, and what a press, a thumb drag
// and the mouse wheel do.
#include <algorithm>

#include "platform/grid/control/GridControl.h"
#include "platform/ui/draw/Canvas.h"

namespace grid {

namespace {

constexpr int kBar = ui::theme::kScrollBarSize;
constexpr int kWheelRows = 3;

int along(const ui::Rect& r, bool vertical) {
    return vertical ? r.height() : r.width();
}

struct BarsShown {
    bool v = false;
    bool h = false;
};

// Whether each bar is needed depends on the other (each takes room from the cells), so
// both are worked out together: a bar is shown when its option is on and the cells
// beyond the headers do not fit in the room the other bar leaves.
BarsShown barsFor(const GridControl& g) {
    const ui::Rect client = g.getClientRect();
    int rowsHeight = 0, colsWidth = 0;
    const int y0 = g.showColHeaders() ? g.rowHeightPx(0) : 0;
    const int x0 = g.showRowHeaders() ? g.colWidthPx(0) : 0;
    // Enough to know that they do not fit: stop once past the window.
    for (int r = 1; r <= g.maxRows() && rowsHeight <= client.height(); ++r)
        rowsHeight += g.rowHeightPx(r);
    for (int c = 1; c <= g.maxCols() && colsWidth <= client.width(); ++c)
        colsWidth += g.colWidthPx(c);
    BarsShown b;
    const bool vOption = g.option(11), hOption = g.option(10);
    for (int pass = 0; pass < 2; ++pass) {
        b.v = vOption && rowsHeight > client.height() - y0 - (b.h ? kBar : 0);
        b.h = hOption && colsWidth > client.width() - x0 - (b.v ? kBar : 0);
    }
    return b;
}

} // namespace

bool GridControl::vScrollBarShown() const {
    return barsFor(*this).v;
}

bool GridControl::hScrollBarShown() const {
    return barsFor(*this).h;
}

ui::Rect GridControl::vScrollBarRect() const {
    const BarsShown b = barsFor(*this);
    if (!b.v)
        return {};
    const ui::Rect c = getClientRect();
    return {c.right - kBar, c.top, c.right, c.bottom - (b.h ? kBar : 0)};
}

ui::Rect GridControl::hScrollBarRect() const {
    const BarsShown b = barsFor(*this);
    if (!b.h)
        return {};
    const ui::Rect c = getClientRect();
    return {c.left, c.bottom - kBar, c.right - (b.v ? kBar : 0), c.bottom};
}

ui::Rect GridControl::dataArea() const {
    const BarsShown b = barsFor(*this);
    ui::Rect c = getClientRect();
    if (b.v)
        c.right = std::max(c.left, c.right - kBar);
    if (b.h)
        c.bottom = std::max(c.top, c.bottom - kBar);
    return c;
}

int GridControl::lastTopRow() const {
    const ui::Rect area = dataArea();
    int avail = area.height() - (showColHeaders() ? rowHeightPx(0) : 0);
    int r = maxRows();
    while (r > 1 && avail - rowHeightPx(r) >= rowHeightPx(r - 1)) {
        avail -= rowHeightPx(r);
        --r;
    }
    return std::max(r, 1);
}

int GridControl::visibleCols() const {
    int w = dataArea().width() - (showRowHeaders() ? colWidthPx(0) : 0);
    int n = 0;
    for (int c = m_leftCol; c <= maxCols() && w > 0; ++c, ++n)
        w -= colWidthPx(c);
    return std::max(n, 1);
}

int GridControl::lastLeftCol() const {
    const ui::Rect area = dataArea();
    int avail = area.width() - (showRowHeaders() ? colWidthPx(0) : 0);
    int c = maxCols();
    while (c > 1 && avail - colWidthPx(c) >= colWidthPx(c - 1)) {
        avail -= colWidthPx(c);
        --c;
    }
    return std::max(c, 1);
}

ui::ScrollBarState GridControl::scrollState(bool vertical) const {
    ui::ScrollBarState s;
    s.vertical = vertical;
    s.min = 1;
    const int last = vertical ? lastTopRow() : lastLeftCol();
    const int count = vertical ? maxRows() : maxCols();
    // The page is what the last position shows, so the thumb reaches the end exactly there.
    s.page = std::max(1, count - last + 1);
    s.max = std::max(count, 1);
    s.pos = vertical ? m_topRow : m_leftCol;
    return s;
}

void GridControl::scrollTo(bool vertical, int first) {
    if (vertical) {
        const int top = std::clamp(first, 1, lastTopRow());
        if (top != m_topRow) {
            m_topRow = top;
            invalidate();
        }
    } else {
        const int left = std::clamp(first, 1, lastLeftCol());
        if (left != m_leftCol) {
            m_leftCol = left;
            invalidate();
        }
    }
}

bool GridControl::scrollBarPress(ui::Point p) {
    for (const bool vertical : {true, false}) {
        const ui::Rect bar = vertical ? vScrollBarRect() : hScrollBarRect();
        if (bar.width() <= 0 || !bar.contains(p))
            continue;
        const ui::ScrollBarParts parts = ui::scrollBarParts(bar, scrollState(vertical));
        const int first = vertical ? m_topRow : m_leftCol;
        const int page = std::max(1, vertical ? visibleRows() - 1 : visibleCols() - 1);
        if (parts.lineUp.contains(p))
            scrollTo(vertical, first - 1);
        else if (parts.lineDown.contains(p))
            scrollTo(vertical, first + 1);
        else if (parts.thumb.width() > 0 && parts.thumb.contains(p)) {
            m_thumbDrag = vertical ? 1 : 2;
            m_thumbGrab = vertical ? p.y - parts.thumb.top : p.x - parts.thumb.left;
        } else if (parts.pageUp.contains(p))
            scrollTo(vertical, first - page);
        else if (parts.pageDown.contains(p))
            scrollTo(vertical, first + page);
        return true;
    }
    // The corner between the two bars does nothing.
    const ui::Rect area = dataArea();
    return !area.contains(p) && getClientRect().contains(p);
}

void GridControl::dragThumb(ui::Point p) {
    const bool vertical = m_thumbDrag == 1;
    const ui::Rect bar = vertical ? vScrollBarRect() : hScrollBarRect();
    if (bar.width() <= 0)
        return;
    const ui::ScrollBarState s = scrollState(vertical);
    const ui::ScrollBarParts parts = ui::scrollBarParts(bar, s);
    const int thumb = along(parts.thumb, vertical);
    const int trackStart = vertical ? parts.lineUp.bottom : parts.lineUp.right;
    const int track = along(parts.pageUp, vertical) + thumb + along(parts.pageDown, vertical);
    const int last = vertical ? lastTopRow() : lastLeftCol();
    if (track - thumb <= 0 || last <= 1)
        return;
    const int offset = (vertical ? p.y : p.x) - trackStart - m_thumbGrab;
    const long long span = track - thumb;
    // The nearest position, so that the thumb comes back where it was dropped.
    const long long pos =
        1 + (std::clamp<long long>(offset, 0, span) * (last - 1) * 2 + span) / (2 * span);
    scrollTo(vertical, static_cast<int>(pos));
}

void GridControl::paintScrollBars(ui::Canvas& canvas) {
    for (const bool vertical : {true, false}) {
        const ui::Rect bar = vertical ? vScrollBarRect() : hScrollBarRect();
        if (bar.width() > 0)
            ui::paintScrollBar(canvas, bar, scrollState(vertical));
    }
    const ui::Rect v = vScrollBarRect(), h = hScrollBarRect();
    if (v.width() > 0 && h.width() > 0)
        canvas.fillRect({v.left, h.top, v.right, h.bottom}, ui::theme::kFace);
}

bool GridControl::onMessage(unsigned msg, ui::WPARAM wParam, ui::LPARAM lParam,
                            ui::LRESULT& result) {
    if (msg == kMsgMouseWheel) {
        const int delta = static_cast<short>((wParam >> 16) & 0xFFFF);
        const int notches = delta / kWheelDelta;
        if (comboListOpen()) {
            const int count = static_cast<int>(comboItems(m_dropCol, m_dropRow).size());
            m_dropTop = std::clamp(m_dropTop - notches, 0, std::max(0, count - 1));
            invalidate();
        } else if (notches != 0) {
            scrollTo(true, m_topRow - notches * kWheelRows);
        }
        result = 0;
        return true;
    }
    return ui::Window::onMessage(msg, wParam, lParam, result);
}

} // namespace grid
