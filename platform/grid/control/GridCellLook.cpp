// What a cell's type and format add to its drawing: aligned and multi-line text, negative
// numbers in red, pictures from files, and borders in their line styles.
#include "platform/grid/control/GridCellLook.h"

#include <algorithm>
#include <filesystem>

#include "platform/base/Paths.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/Canvas.h"

namespace grid {

std::vector<int> dashPattern(LineKind kind, int width) {
    const int u = std::max(width, 1);
    switch (kind) {
    case LineKind::Dashed:
        return {4 * u, 2 * u};
    case LineKind::Dotted:
        return {u, u};
    case LineKind::DashDot:
        return {4 * u, 2 * u, u, 2 * u};
    case LineKind::DashDotDot:
        return {4 * u, 2 * u, u, 2 * u, u, 2 * u};
    default:
        return {};
    }
}

namespace {

// A band `thickness` wide along one side, inside `cell`, cut into dashes.
void strokeBand(ui::Canvas& c, const ui::Rect& cell, int side, int offset, int thickness,
                const std::vector<int>& pattern, ui::Color color) {
    const bool vertical = side == kBorderLeft || side == kBorderRight;
    const int from = vertical ? cell.top : cell.left;
    const int to = vertical ? cell.bottom : cell.right;
    int across = 0;
    switch (side) {
    case kBorderLeft:
        across = cell.left + offset;
        break;
    case kBorderRight:
        across = cell.right - offset - thickness;
        break;
    case kBorderTop:
        across = cell.top + offset;
        break;
    default:
        across = cell.bottom - offset - thickness;
        break;
    }
    auto piece = [&](int a, int b) {
        if (vertical)
            c.fillRect({across, a, across + thickness, b}, color);
        else
            c.fillRect({a, across, b, across + thickness}, color);
    };
    if (pattern.empty()) {
        piece(from, to);
        return;
    }
    size_t k = 0;
    for (int p = from; p < to; p += pattern[k], k = (k + 1) % pattern.size())
        if (k % 2 == 0)
            piece(p, std::min(p + pattern[k], to));
}

} // namespace

void paintBorder(ui::Canvas& c, const ui::Rect& cell, const Border& border, ui::Color color) {
    const LineLook look = lineLook(border.lineStyle);
    if (border.sides == 0 || look.kind == LineKind::None)
        return;
    for (int side : {kBorderLeft, kBorderRight, kBorderTop, kBorderBottom}) {
        if (!(border.sides & side))
            continue;
        if (look.kind == LineKind::Double) {
            // Two thin lines with a gap of one pixel, the band three pixels wide.
            strokeBand(c, cell, side, 0, 1, {}, color);
            strokeBand(c, cell, side, 2, 1, {}, color);
        } else {
            strokeBand(c, cell, side, 0, look.widthPx, dashPattern(look.kind, look.widthPx), color);
        }
    }
}

ui::TextFlags horizontalFlags(HAlign align, bool number) {
    switch (align) {
    case HAlign::Center:
        return ui::TextFlags::Center;
    case HAlign::Right:
        return ui::TextFlags::Right;
    case HAlign::Left:
        return ui::TextFlags::Left;
    default:
        return number ? ui::TextFlags::Right : ui::TextFlags::Left;
    }
}

void paintCellText(ui::Canvas& c, const ui::Rect& inner, std::wstring_view text,
                   const ui::Font& font, ui::Color color, HAlign h, VAlign v, bool number,
                   bool multiLine) {
    ui::TextFlags flags = horizontalFlags(h, number) | ui::TextFlags::NoPrefix;
    if (!multiLine) {
        flags = flags | ui::TextFlags::SingleLine;
        if (v == VAlign::Bottom)
            flags = flags | ui::TextFlags::Bottom;
        else if (v != VAlign::Top)
            flags = flags | ui::TextFlags::VCenter;
        c.drawText(inner, text, font, color, flags);
        return;
    }
    // Several lines: the platform aligns only single lines vertically, so the block is
    // measured and placed here; what does not fit is cut at the cell's edges.
    flags = flags | ui::TextFlags::WordBreak;
    const int height = c.measureTextBlock(font, text, std::max(inner.width(), 1), flags).cy;
    int top = inner.top;
    if (v == VAlign::Bottom)
        top = inner.bottom - height;
    else if (v != VAlign::Top)
        top = inner.top + (inner.height() - height) / 2;
    top = std::max(top, inner.top); // the first line stays in view
    ui::ClipScope clip(c, inner);
    c.drawText({inner.left, top, inner.right, top + height}, text, font, color, flags);
}

ui::Rect pictureRect(const ui::Rect& cell, ui::Size picture, uint32_t style, HAlign h, VAlign v) {
    if (picture.cx <= 0 || picture.cy <= 0 || cell.width() <= 0 || cell.height() <= 0)
        return {};
    int w = picture.cx, hgt = picture.cy;
    if (style & kStylePictureStretch) {
        if (!(style & kStylePictureKeepProportions))
            return cell;
        // The largest size of the picture's shape that fits the cell.
        const long long byWidth = static_cast<long long>(cell.width()) * picture.cy;
        const long long byHeight = static_cast<long long>(cell.height()) * picture.cx;
        if (byWidth <= byHeight) {
            w = cell.width();
            hgt = std::max(1, static_cast<int>(byWidth / picture.cx));
        } else {
            hgt = cell.height();
            w = std::max(1, static_cast<int>(byHeight / picture.cy));
        }
    }
    int x = cell.left + (cell.width() - w) / 2;
    if (h == HAlign::Left)
        x = cell.left;
    else if (h == HAlign::Right)
        x = cell.right - w;
    int y = cell.top + (cell.height() - hgt) / 2;
    if (v == VAlign::Top)
        y = cell.top;
    else if (v == VAlign::Bottom)
        y = cell.bottom - hgt;
    return {x, y, x + w, y + hgt};
}

const ui::Bitmap& PictureFiles::get(const std::string& productPath) const {
    const std::filesystem::path native =
        productPath.empty() ? std::filesystem::path() : base::toNative(productPath);
    std::error_code ec;
    const auto stamp = native.empty() ? std::filesystem::file_time_type()
                                      : std::filesystem::last_write_time(native, ec);
    const bool exists = !native.empty() && !ec;
    auto it = m_cache.find(productPath);
    // A file read before is read again only when it changed, appeared or went away.
    if (it != m_cache.end() && it->second.exists == exists &&
        (!exists || it->second.stamp == stamp))
        return it->second.bitmap;
    Entry entry;
    entry.exists = exists;
    entry.stamp = stamp;
    // A missing or damaged file is no picture: the cell stays empty.
    if (exists && ui::readBmpFile(native.string(), entry.bitmap) != ui::BmpStatus::Ok)
        entry.bitmap = ui::Bitmap();
    return (m_cache[productPath] = std::move(entry)).bitmap;
}

} // namespace grid
