#include "platform/ui/draw/Mask.h"

namespace ui {

namespace {
constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr std::uint32_t kBlack = 0xFF000000u;

bool sameSize(const Bitmap& a, const Bitmap& b) {
    return a.width == b.width && a.height == b.height;
}
bool isWhite(std::uint32_t px) {
    return (px & 0x00FFFFFFu) == 0x00FFFFFFu;
}
} // namespace

Bitmap makeMask(const Bitmap& picture, Color key) {
    Bitmap mask(picture.width, picture.height, kBlack);
    const std::uint32_t keyRgb = Bitmap::argb(key) & 0x00FFFFFFu;
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const std::uint32_t p = picture.pixels[i];
        if ((p & 0x00FFFFFFu) == keyRgb || Bitmap::alpha(p) == 0)
            mask.pixels[i] = kWhite;
    }
    return mask;
}

Bitmap applyMask(const Bitmap& picture, const Bitmap& mask) {
    Bitmap out = picture;
    if (!sameSize(picture, mask))
        return out;
    for (size_t i = 0; i < out.pixels.size(); ++i)
        if (isWhite(mask.pixels[i]))
            out.pixels[i] &= 0x00FFFFFFu;
    return out;
}

Bitmap keyToAlpha(const Bitmap& picture, Color key) {
    return applyMask(picture, makeMask(picture, key));
}

Bitmap blackenMasked(const Bitmap& picture, const Bitmap& mask) {
    Bitmap out = picture;
    if (!sameSize(picture, mask))
        return out;
    for (size_t i = 0; i < out.pixels.size(); ++i)
        if (isWhite(mask.pixels[i]))
            out.pixels[i] = kBlack;
    return out;
}

Bitmap disabledImage(const Bitmap& picture) {
    Bitmap out = picture;
    for (auto& p : out.pixels) {
        const unsigned r = (p >> 16) & 0xff, g = (p >> 8) & 0xff, b = p & 0xff;
        const unsigned grey = (r * 30 + g * 59 + b * 11) / 100;
        // Lighten towards the face colour so the picture reads as inactive.
        const unsigned v = 128 + grey / 2;
        p = (p & 0xFF000000u) | (v << 16) | (v << 8) | v;
    }
    return out;
}

} // namespace ui
