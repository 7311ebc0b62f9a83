#pragma once
// Small value types shared by the whole windowing layer: points, sizes,
// rectangles (pixels, right/bottom exclusive as on the product's platform) and colours.

#include <algorithm>
#include <cstdint>

namespace ui {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const Size&, const Size&) = default;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    Size size() const { return {width(), height()}; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    bool contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    Rect offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    Rect inflate(int dx, int dy) const { return {left - dx, top - dy, right + dx, bottom + dy}; }
    Rect normalized() const {
        return {std::min(left, right), std::min(top, bottom), std::max(left, right),
                std::max(top, bottom)};
    }
    Rect intersect(const Rect& o) const {
        Rect r{std::max(left, o.left), std::max(top, o.top), std::min(right, o.right),
               std::min(bottom, o.bottom)};
        return r.isEmpty() ? Rect{} : r;
    }
    static Rect fromSize(int x, int y, int w, int h) { return {x, y, x + w, y + h}; }
    friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as the product stores it: 0x00BBGGRR. System colours are not kept here;
// the grid's own encoding (0x80000000 | index) is resolved by the code that reads it.
struct Color {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    static constexpr Color fromRgb(int r, int g, int b) {
        return {static_cast<std::uint8_t>(r), static_cast<std::uint8_t>(g),
                static_cast<std::uint8_t>(b)};
    }
    static constexpr Color fromColorRef(std::uint32_t v) {
        return {static_cast<std::uint8_t>(v & 0xff), static_cast<std::uint8_t>((v >> 8) & 0xff),
                static_cast<std::uint8_t>((v >> 16) & 0xff)};
    }
    constexpr std::uint32_t toColorRef() const {
        return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
               (static_cast<std::uint32_t>(b) << 16);
    }
    friend bool operator==(const Color&, const Color&) = default;
};

} // namespace ui
