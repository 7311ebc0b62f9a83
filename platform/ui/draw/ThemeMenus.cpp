#include "platform/ui/draw/Mask.h"
#include "platform/ui/draw/TextLayout.h"
#include "platform/ui/draw/TextMetrics.h"
#include "platform/ui/draw/ThemeDetail.h"

#include <algorithm>

namespace ui {

using namespace detail;

namespace {
constexpr Color kMenuBack{242, 242, 242};
constexpr Color kMenuBorder{151, 151, 151};
constexpr Color kMenuHot{145, 201, 247};
constexpr Color kMenuSeparator{215, 215, 215};
constexpr Color kBarBack{255, 255, 255};
constexpr Color kBarHot{204, 232, 255};
constexpr Color kBarHotBorder{153, 209, 255};
constexpr Color kToolPressed{204, 228, 247};
constexpr Color kToolPressedBorder{0, 84, 153};
constexpr Color kStripKey{192, 192, 192};
constexpr int kCheckColumn = 24;    // tick or radio dot at the left of a popup item
constexpr int kArrowColumn = 20;    // submenu arrow at the right
constexpr int kAccelGap = 24;       // between an item's label and its accelerator
constexpr int kMenuBorderWidth = 2; // border line plus one pixel of padding
constexpr int kBarPadX = 8;

struct SplitText {
    std::wstring_view label;
    std::wstring_view accel;
};
SplitText split(std::wstring_view text) {
    const size_t tab = text.find(L'\t');
    if (tab == std::wstring_view::npos)
        return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

int labelWidth(const Font& font, std::wstring_view label) {
    return fixedTextExtent(font, stripPrefixes(label)).cx;
}

int itemHeight(const MenuItemState& item) {
    return item.separator ? theme::kMenuSeparatorHeight : theme::kMenuItemHeight;
}
} // namespace

Size menuSize(std::span<const MenuItemState> items, const Font& font) {
    int labels = 0, accels = 0, height = 0;
    for (const MenuItemState& item : items) {
        height += itemHeight(item);
        if (item.separator)
            continue;
        const SplitText t = split(item.text);
        labels = std::max(labels, labelWidth(font, t.label));
        if (!t.accel.empty())
            accels = std::max(accels, fixedTextExtent(font, t.accel).cx);
    }
    const int width = kCheckColumn + labels + (accels ? kAccelGap + accels : 0) + kArrowColumn;
    return {width + 2 * kMenuBorderWidth, height + 2 * kMenuBorderWidth};
}

std::vector<Rect> menuItemRects(const Rect& r, std::span<const MenuItemState> items) {
    std::vector<Rect> out;
    int y = r.top + kMenuBorderWidth;
    for (const MenuItemState& item : items) {
        const int h = itemHeight(item);
        out.push_back({r.left + kMenuBorderWidth, y, r.right - kMenuBorderWidth, y + h});
        y += h;
    }
    return out;
}

void paintMenu(Canvas& c, const Rect& r, std::span<const MenuItemState> items, const Font& font) {
    c.fillRect(r, kMenuBack);
    frame(c, r, kMenuBorder);
    const std::vector<Rect> rects = menuItemRects(r, items);
    for (size_t i = 0; i < items.size(); ++i) {
        const MenuItemState& item = items[i];
        const Rect ir = rects[i];
        if (item.separator) {
            hline(c, ir.left + kCheckColumn, ir.right - 2, ir.top + ir.height() / 2,
                  kMenuSeparator);
            continue;
        }
        if (item.highlighted)
            c.fillRect(ir, kMenuHot);
        const Color fg = textColor(item.grayed);
        const Rect check{ir.left, ir.top, ir.left + kCheckColumn, ir.bottom};
        if (item.checked && item.radio) {
            const int cx = check.left + check.width() / 2, cy = check.top + check.height() / 2;
            c.ellipse({cx - 3, cy - 3, cx + 3, cy + 3}, Pen{fg, 1, PenStyle::None}, fg);
        } else if (item.checked) {
            paintCheckMark(c, check.inflate(-5, -3), fg);
        }
        const SplitText t = split(item.text);
        const Rect textRect{check.right, ir.top, ir.right - kArrowColumn, ir.bottom};
        c.drawText(textRect, t.label, font, fg, kOneLine);
        if (!t.accel.empty())
            c.drawText(textRect, t.accel, font, fg,
                       kOneLine | TextFlags::Right | TextFlags::NoPrefix);
        if (item.popup)
            paintArrow(c, {ir.right - kArrowColumn, ir.top, ir.right, ir.bottom},
                       ArrowDirection::Right, fg);
    }
}

std::vector<Rect> paintMenuBar(Canvas& c, const Rect& r, std::span<const MenuItemState> items,
                               const Font& font) {
    c.fillRect(r, kBarBack);
    std::vector<Rect> out;
    int x = r.left;
    for (const MenuItemState& item : items) {
        const int w = labelWidth(font, split(item.text).label) + 2 * kBarPadX;
        const Rect ir{x, r.top, x + w, r.bottom};
        out.push_back(ir);
        if (item.highlighted) {
            c.fillRect(ir, kBarHot);
            frame(c, ir, kBarHotBorder);
        }
        c.drawText(ir, split(item.text).label, font, textColor(item.grayed),
                   kOneLine | TextFlags::Center);
        x += w;
    }
    return out;
}

void paintToolbarBackground(Canvas& c, const Rect& r) {
    c.fillRect(r, theme::kFace);
    hline(c, r.left, r.right, r.bottom - 1, Color{218, 218, 218});
}

void paintToolbarButton(Canvas& c, const Rect& r, const Bitmap& strip, const Rect& src,
                        const ToolbarButtonState& s) {
    if (s.separator) {
        const int x = r.left + r.width() / 2;
        vline(c, x, r.top + 2, r.bottom - 2, theme::kShadow);
        vline(c, x + 1, r.top + 2, r.bottom - 2, theme::kLight);
        return;
    }
    if (s.pressed || s.checked) {
        c.fillRect(r, s.pressed ? kToolPressed : Color{229, 241, 251});
        frame(c, r, s.pressed ? kToolPressedBorder : Color{153, 209, 255});
    }
    Bitmap image = keyToAlpha(strip.crop(src), kStripKey);
    if (image.empty())
        return;
    if (s.disabled)
        image = disabledImage(image);
    const int off = s.pressed ? 1 : 0;
    c.drawBitmap(image,
                 Point{r.left + (r.width() - image.width) / 2 + off,
                       r.top + (r.height() - image.height) / 2 + off},
                 BlitMode::Alpha);
}

} // namespace ui
