#pragma once
// Windows icon (.ico) reading: the directory, then one entry decoded as a DIB with its
// AND mask applied as alpha (32-bit entries keep their own alpha). PNG-compressed
// entries are skipped. Failures are statuses, as for BMP files.

#include "platform/ui/draw/Bmp.h"

namespace ui {

// Picks the entry closest to `preferredSize` (ties: more bits per pixel) and decodes it.
// Returns NotBmp for data that is not an icon directory.
BmpStatus decodeIco(std::span<const std::uint8_t> bytes, Bitmap& out, int preferredSize = 32);

// A picture from BMP or ICO bytes (told apart by their signatures).
BmpStatus decodeImageBytes(std::span<const std::uint8_t> bytes, Bitmap& out);

} // namespace ui
