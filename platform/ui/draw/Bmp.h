#pragma once
// Windows BMP reading and writing (the file format is described in docs/drawing.md).
//
// Reading accepts the core header (12 bytes), BITMAPINFOHEADER (40) and its later
// versions (52, 56, 64, 108, 124); 1/4/8-bit palettes, 16, 24 and 32 bits; BI_RGB,
// BI_BITFIELDS (and BI_ALPHABITFIELDS), BI_RLE8 and BI_RLE4; bottom-up and top-down rows. Every
// failure is a status, never a crash: no read goes past the buffer and nothing is allocated before
// the header's claims are checked against the bytes actually present. Writing produces 24-bit
// bottom-up BI_RGB files that every reader accepts.

#include "platform/ui/draw/Bitmap.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace ui {

enum class BmpStatus {
    Ok,
    NotBmp,                 // no "BM" signature
    Truncated,              // the bytes end before the header, palette or pixels do
    UnsupportedHeader,      // unknown info-header size
    BadDimensions,          // width <= 0, height 0, planes != 1
    TooLarge,               // over the size limits below
    UnsupportedBitCount,    // not 1, 4, 8, 16, 24 or 32 (or not allowed with the compression)
    UnsupportedCompression, // JPEG, PNG, unknown codes, top-down run-length data
    BadPalette,             // more colours than the bit count allows
    BadBitfields,           // colour masks empty, overlapping or not contiguous
    BadDataOffset,          // pixel data said to start inside the headers
    CannotOpen,             // file reading: missing or unreadable file
};

const char* toString(BmpStatus status);

// Limits on what a header may claim: width and height at most kMaxBmpDimension, and at
// most kMaxBmpPixels pixels in all (256 MB decoded).
inline constexpr int kMaxBmpDimension = 32768;
inline constexpr long long kMaxBmpPixels = 64LL * 1024 * 1024;

// Decodes a whole .bmp file held in memory. `out` is left empty on failure.
BmpStatus decodeBmp(std::span<const std::uint8_t> bytes, Bitmap& out);
// Width and height from the headers only (no pixel checks).
BmpStatus readBmpSize(std::span<const std::uint8_t> bytes, Size& out);
BmpStatus readBmpFile(const std::string& nativePath, Bitmap& out);

// 24-bit BI_RGB, bottom-up; alpha is dropped. An empty bitmap gives an empty vector.
std::vector<std::uint8_t> encodeBmp24(const Bitmap& bitmap);
bool writeBmpFile(const std::string& nativePath, const Bitmap& bitmap);

// Decodes a device-independent bitmap without its file header, as icon files store
// them: `iconMask` treats the height as image + AND mask and applies the mask as alpha.
BmpStatus decodeDib(std::span<const std::uint8_t> dib, Bitmap& out, bool iconMask);

} // namespace ui
