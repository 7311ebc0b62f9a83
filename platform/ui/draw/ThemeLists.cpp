#include "platform/ui/draw/TextMetrics.h"
#include "platform/ui/draw/ThemeDetail.h"

#include <algorithm>

namespace ui {

using namespace detail;

namespace {
constexpr Color kUnselectedTab{225, 225, 225};
constexpr Color kHeaderDivider{229, 229, 229};
constexpr Color kGridLine{240, 240, 240};
constexpr Color kInactiveSelection{217, 217, 217};
constexpr int kTabPadX = 6;
constexpr int kTabMinWidth = 40;
constexpr int kCellPadX = 6;
constexpr int kPageInset = 4;

Rect glyphBoxAt(int left, const Rect& row) {
    const int top = row.top + (row.height() - theme::kCheckBoxSize) / 2;
    return {left, top, left + theme::kCheckBoxSize, top + theme::kCheckBoxSize};
}

int headerHeight(const Canvas& c, const Font& font) {
    return c.measureText(font, L"").cy + 8;
}
int fixedHeaderHeight(const Font& font) {
    return fixedFontMetrics(font).lineHeight + 8;
}

// The rows area of a list: inside the border, less the scroll bar when rows overflow.
Rect listBody(const Rect& inner, int count, int rowHeight) {
    Rect body = inner;
    const int visible = std::max(1, inner.height() / std::max(1, rowHeight));
    if (count > visible)
        body.right -= theme::kScrollBarSize;
    return body;
}
} // namespace

int listItemHeight(const ListBoxState& state, const Font& font) {
    if (state.itemHeight > 0)
        return saneSize(state.itemHeight);
    return fixedFontMetrics(font).lineHeight + 2;
}

void paintListBox(Canvas& c, const Rect& r, std::span<const ListItem> items, const ListBoxState& s,
                  const Font& font) {
    if (r.isEmpty())
        return;
    c.fillRect(r, s.disabled ? theme::kFace : theme::kWindow);
    Rect inner = r;
    if (s.border) {
        frame(c, r, theme::kBorder);
        inner = r.inflate(-1, -1);
    }
    const int itemH = std::max(1, listItemHeight(s, font));
    const int visible = std::max(1, inner.height() / itemH);
    const int count = static_cast<int>(items.size());
    if (count > visible) {
        const Rect bar{inner.right - theme::kScrollBarSize, inner.top, inner.right, inner.bottom};
        ScrollBarState sb;
        sb.max = count - 1;
        sb.page = visible;
        sb.pos = s.topIndex;
        sb.disabled = s.disabled;
        paintScrollBar(c, bar, sb);
        inner.right = bar.left;
    }
    ClipScope clip(c, inner);
    for (int i = std::max(0, s.topIndex); i < count; ++i) {
        const int y = inner.top + (i - std::max(0, s.topIndex)) * itemH;
        if (y >= inner.bottom)
            break;
        const ListItem& item = items[static_cast<size_t>(i)];
        const Rect row{inner.left, y, inner.right, y + itemH};
        Color fg = textColor(s.disabled);
        if (item.selected) {
            c.fillRect(row, s.disabled ? kInactiveSelection : theme::kHighlight);
            if (!s.disabled)
                fg = theme::kHighlightText;
        }
        int x = row.left + 2;
        if (s.checkBoxes) {
            paintCheckGlyph(c, glyphBoxAt(x, row),
                            item.checked ? CheckState::Checked : CheckState::Unchecked, s.disabled,
                            false);
            x += theme::kCheckBoxSize + 4;
        }
        if (item.image && !item.image->empty()) {
            c.drawBitmap(*item.image, Point{x, row.top + (row.height() - item.image->height) / 2},
                         BlitMode::Alpha);
            x += item.image->width + 4;
        }
        c.drawText({x, row.top, row.right - 2, row.bottom}, item.text, font, fg,
                   kOneLine | TextFlags::NoPrefix | TextFlags::EndEllipsis);
        if (s.focused && i == s.caretIndex)
            paintFocusRect(c, row);
    }
}

int listItemFromPoint(const Rect& r, int count, const ListBoxState& s, Point p, const Font& font) {
    const Rect inner = s.border ? r.inflate(-1, -1) : r;
    const int itemH = std::max(1, listItemHeight(s, font));
    const Rect body = listBody(inner, count, itemH);
    if (!body.contains(p))
        return -1;
    const long long index =
        std::max(0, s.topIndex) + static_cast<long long>(p.y - body.top) / itemH;
    return index < count ? static_cast<int>(index) : -1;
}

ListViewHit listViewHitTest(const Rect& r, std::span<const ListViewColumn> columns, int rowCount,
                            const ListViewState& s, Point p, const Font& font) {
    ListViewHit hit;
    const Rect inner = r.inflate(-1, -1);
    if (!inner.contains(p))
        return hit;
    if (s.mode == ListViewMode::Icon) {
        const int cell = saneSize(s.iconCell, 16);
        const int perRow = std::max(1, inner.width() / cell);
        const int col = (p.x - inner.left) / cell;
        const long long row =
            (p.y - inner.top) / cell + static_cast<long long>(std::max(0, s.topIndex));
        const long long index = row * perRow + col;
        if (col < perRow && index < rowCount)
            hit.item = static_cast<int>(index);
        return hit;
    }
    int top = inner.top;
    if (s.header) {
        top += fixedHeaderHeight(font);
        if (p.y < top)
            hit.header = true;
    }
    long long x = inner.left - saneOffset(s.scrollX);
    for (size_t col = 0; col < columns.size(); ++col) {
        if (p.x >= x && p.x < x + saneOffset(columns[col].width)) {
            hit.column = static_cast<int>(col);
            if (col == 0 && s.checkBoxes)
                hit.checkBox = p.x >= x + 4 && p.x < x + 4 + theme::kCheckBoxSize;
            break;
        }
        x += saneOffset(columns[col].width);
    }
    if (hit.header) {
        hit.checkBox = false;
        return hit;
    }
    const int rowH = saneSize(s.rowHeight);
    const Rect body = listBody({inner.left, top, inner.right, inner.bottom}, rowCount, rowH);
    if (!body.contains(p)) {
        hit.column = -1;
        hit.checkBox = false;
        return hit;
    }
    const long long index = std::max(0, s.topIndex) + static_cast<long long>(p.y - body.top) / rowH;
    if (index >= rowCount) {
        hit.checkBox = false;
        return hit;
    }
    hit.item = static_cast<int>(index);
    if (hit.checkBox) {
        // Only the box itself, not the rest of its row's height.
        const int boxTop = body.top + static_cast<int>(index - std::max(0, s.topIndex)) * rowH +
                           (rowH - theme::kCheckBoxSize) / 2;
        hit.checkBox = p.y >= boxTop && p.y < boxTop + theme::kCheckBoxSize;
    }
    return hit;
}

TabLayout layoutTabs(const Rect& r, std::span<const std::wstring> tabs, const Font& font) {
    TabLayout out;
    int x = r.left + 2;
    for (const std::wstring& t : tabs) {
        Size ts = fixedTextExtent(font, t);
        const int w = std::max(kTabMinWidth, ts.cx + 2 * kTabPadX);
        out.items.push_back({x, r.top + 2, x + w, r.top + theme::kTabHeight});
        x += w;
    }
    out.page = Rect{r.left + kPageInset, r.top + theme::kTabHeight + kPageInset,
                    r.right - kPageInset, r.bottom - kPageInset}
                   .normalized();
    return out;
}

void paintTabControl(Canvas& c, const Rect& r, std::span<const std::wstring> tabs,
                     const TabState& s, const Font& font) {
    if (r.isEmpty())
        return;
    const TabLayout layout = layoutTabs(r, tabs, font);
    const Rect page{r.left, r.top + theme::kTabHeight, r.right, r.bottom};
    c.fillRect(page, theme::kFace);
    frame(c, page, theme::kButtonBorder);
    const Color fg = textColor(s.disabled);
    const TextFlags flags = kOneLine | TextFlags::Center | TextFlags::EndEllipsis;
    for (size_t i = 0; i < layout.items.size(); ++i) {
        if (static_cast<int>(i) == s.selected)
            continue;
        const Rect t = layout.items[i];
        c.fillRect(t, kUnselectedTab);
        frame(c, {t.left, t.top, t.right + 1, t.bottom + 1}, theme::kButtonBorder);
        c.drawText(t, tabs[i], font, fg, flags);
    }
    if (s.selected >= 0 && static_cast<size_t>(s.selected) < layout.items.size()) {
        const Rect t = layout.items[static_cast<size_t>(s.selected)];
        const Rect big{t.left - 2, t.top - 2, t.right + 3, t.bottom + 1};
        c.fillRect(big, theme::kFace);
        hline(c, big.left, big.right, big.top, theme::kButtonBorder);
        vline(c, big.left, big.top, big.bottom, theme::kButtonBorder);
        vline(c, big.right - 1, big.top, big.bottom, theme::kButtonBorder);
        c.drawText(big.offset(0, -1), tabs[static_cast<size_t>(s.selected)], font, fg, flags);
        if (s.focused && !s.disabled)
            paintFocusRect(c, big.inflate(-3, -3));
    }
}

void paintListView(Canvas& c, const Rect& r, std::span<const ListViewColumn> columns,
                   std::span<const ListViewRow> rows, const ListViewState& s, const Font& font) {
    if (r.isEmpty())
        return;
    c.fillRect(r, s.disabled ? theme::kFace : theme::kWindow);
    frame(c, r, theme::kBorder);
    Rect inner = r.inflate(-1, -1);
    const Color selBack = s.focused ? theme::kHighlight : kInactiveSelection;
    const Color selText = s.focused ? theme::kHighlightText : theme::kText;
    const TextFlags cellFlags = kOneLine | TextFlags::NoPrefix | TextFlags::EndEllipsis;

    if (s.mode == ListViewMode::Icon) {
        ClipScope clip(c, inner);
        const int cell = saneSize(s.iconCell, 16);
        const int perRow = std::max(1, inner.width() / cell);
        const int firstRow = std::max(0, s.topIndex);
        const int lineH = c.measureText(font, L"").cy;
        const int imageBox = std::max(8, cell - 2 * lineH - 8);
        for (size_t i = 0; i < rows.size(); ++i) {
            const int col = static_cast<int>(i) % perRow;
            const int row = static_cast<int>(i) / perRow - firstRow;
            if (row < 0)
                continue;
            const Rect box =
                Rect::fromSize(inner.left + col * cell, inner.top + row * cell, cell, cell);
            if (box.top >= inner.bottom)
                break;
            const ListViewRow& item = rows[i];
            const Rect imageRect{box.left + 4, box.top + 4, box.right - 4, box.top + 4 + imageBox};
            if (item.image && !item.image->empty()) {
                const Bitmap& b = *item.image;
                // Previews are scaled down to the cell, keeping their proportions.
                const double k = std::min({1.0, double(imageRect.width()) / b.width,
                                           double(imageRect.height()) / b.height});
                const int w = std::max(1, int(b.width * k)), h = std::max(1, int(b.height * k));
                const Rect dest =
                    Rect::fromSize(imageRect.left + (imageRect.width() - w) / 2,
                                   imageRect.top + (imageRect.height() - h) / 2, w, h);
                c.drawBitmap(b, dest, b.bounds(), BlitMode::Alpha);
            }
            const std::wstring label = item.cells.empty() ? std::wstring() : item.cells[0];
            const Rect labelRect{box.left + 2, imageRect.bottom + 2, box.right - 2, box.bottom - 2};
            const Size ls =
                c.measureTextBlock(font, label, labelRect.width(), TextFlags::WordBreak);
            if (item.selected) {
                const int w = std::min(labelRect.width(), ls.cx + 4);
                c.fillRect({labelRect.left + (labelRect.width() - w) / 2, labelRect.top,
                            labelRect.left + (labelRect.width() + w) / 2,
                            labelRect.top + std::min(labelRect.height(), ls.cy)},
                           selBack);
            }
            c.drawText(labelRect, label, font, item.selected ? selText : textColor(s.disabled),
                       TextFlags::Center | TextFlags::WordBreak | TextFlags::NoPrefix |
                           TextFlags::EndEllipsis);
        }
        return;
    }

    int y = inner.top;
    if (s.header) {
        const Rect header{inner.left, inner.top, inner.right, inner.top + headerHeight(c, font)};
        c.fillRect(header, theme::kWindow);
        hline(c, header.left, header.right, header.bottom - 1, kHeaderDivider);
        ClipScope clip(c, header);
        int x = inner.left - saneOffset(s.scrollX);
        for (const ListViewColumn& col : columns) {
            c.drawText(
                {x + kCellPadX, header.top, x + saneOffset(col.width) - kCellPadX, header.bottom},
                col.title, font, textColor(s.disabled), cellFlags | col.align);
            vline(c, x + saneOffset(col.width) - 1, header.top, header.bottom, kHeaderDivider);
            x += saneOffset(col.width);
        }
        y = header.bottom;
    }
    Rect body{inner.left, y, inner.right, inner.bottom};
    const int rowH = saneSize(s.rowHeight);
    const int visible = std::max(1, body.height() / rowH);
    if (static_cast<int>(rows.size()) > visible) {
        const Rect bar{body.right - theme::kScrollBarSize, body.top, body.right, body.bottom};
        ScrollBarState sb;
        sb.max = static_cast<int>(rows.size()) - 1;
        sb.page = visible;
        sb.pos = s.topIndex;
        sb.disabled = s.disabled;
        paintScrollBar(c, bar, sb);
        body.right = bar.left;
    }
    ClipScope clip(c, body);
    for (size_t i = static_cast<size_t>(std::max(0, s.topIndex)); i < rows.size(); ++i) {
        const int top = body.top + static_cast<int>(i - std::max(0, s.topIndex)) * rowH;
        if (top >= body.bottom)
            break;
        const ListViewRow& row = rows[i];
        const Rect rowRect{body.left, top, body.right, top + rowH};
        const bool sel = row.selected && !s.disabled;
        if (sel)
            c.fillRect(rowRect, selBack);
        const Color fg = sel ? selText : textColor(s.disabled);
        int x = body.left - saneOffset(s.scrollX);
        for (size_t col = 0; col < columns.size(); ++col) {
            int textLeft = x + kCellPadX;
            if (col == 0 && s.checkBoxes) {
                paintCheckGlyph(c, glyphBoxAt(x + 4, rowRect),
                                row.checked ? CheckState::Checked : CheckState::Unchecked,
                                s.disabled, false);
                textLeft = x + 4 + theme::kCheckBoxSize + 4;
            }
            if (col < row.cells.size())
                c.drawText(
                    {textLeft, top, x + saneOffset(columns[col].width) - kCellPadX, top + rowH},
                    row.cells[col], font, fg, cellFlags | columns[col].align);
            x += saneOffset(columns[col].width);
            if (s.gridLines)
                vline(c, x - 1, top, top + rowH, kGridLine);
        }
        if (s.gridLines)
            hline(c, body.left, body.right, top + rowH - 1, kGridLine);
        if (s.focused && row.focused)
            paintFocusRect(c, rowRect);
    }
}

} // namespace ui
