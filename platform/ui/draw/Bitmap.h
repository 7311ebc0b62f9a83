#pragma once
// A decoded picture: 32-bit pixels, top row first, each 0xAARRGGBB with straight (not
// premultiplied) alpha. Pictures read from BMP files are opaque (alpha 255) unless a
// 32-bit file carries real alpha. An empty Bitmap (0 x 0) means "no picture".

#include "platform/ui/Geometry.h"

#include <cstdint>
#include <vector>

namespace ui {

struct Bitmap {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels; // width * height, row-major, top-down

    Bitmap() = default;
    // A width x height picture filled with `fill` (opaque unless alpha given).
    Bitmap(int w, int h, std::uint32_t fill = 0xFF000000u);

    bool empty() const { return width <= 0 || height <= 0; }
    Size size() const { return {width, height}; }
    Rect bounds() const { return {0, 0, width, height}; }

    // Unchecked access; callers keep x, y inside the picture.
    std::uint32_t at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    void set(int x, int y, std::uint32_t argb) {
        pixels[static_cast<size_t>(y) * width + x] = argb;
    }

    // The part of the picture inside `r` (clipped to the picture); empty when none.
    Bitmap crop(const Rect& r) const;

    Color colorAt(int x, int y) const { return toColor(at(x, y)); }
    static std::uint32_t argb(Color c, std::uint8_t alpha = 255) {
        return (std::uint32_t{alpha} << 24) | (std::uint32_t{c.r} << 16) |
               (std::uint32_t{c.g} << 8) | c.b;
    }
    static Color toColor(std::uint32_t argb) {
        return Color::fromRgb((argb >> 16) & 0xff, (argb >> 8) & 0xff, argb & 0xff);
    }
    static std::uint8_t alpha(std::uint32_t argb) { return static_cast<std::uint8_t>(argb >> 24); }

    friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

} // namespace ui
