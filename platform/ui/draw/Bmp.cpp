#include "platform/ui/draw/Bmp.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <filesystem>
#include <fstream>

namespace ui {

namespace {

constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
constexpr std::uint32_t kBiRle4 = 2;
constexpr std::uint32_t kBiBitfields = 3;
// Run-length data can describe many pixels in few bytes; a picture may claim at most
// this many pixels per byte of data (plus a small allowance) before it is refused,
// so that a tiny file cannot demand a huge allocation.
constexpr std::uint64_t kRlePixelsPerByte = 256;
constexpr std::uint64_t kRleAllowance = 1 << 16;
constexpr std::uint32_t kBiAlphaBitfields = 6;
constexpr size_t kFileHeaderSize = 14;
// Files past this size are refused before reading; the pixel limit is far below it.
constexpr std::streamoff kMaxFileBytes = 1LL << 30;

using Bytes = std::span<const std::uint8_t>;

bool has(Bytes b, std::uint64_t off, std::uint64_t n) {
    return off <= b.size() && n <= b.size() - off;
}
std::uint16_t u16(Bytes b, size_t off) {
    return static_cast<std::uint16_t>(b[off] | (b[off + 1] << 8));
}
std::uint32_t u32(Bytes b, size_t off) {
    return static_cast<std::uint32_t>(b[off]) | (static_cast<std::uint32_t>(b[off + 1]) << 8) |
           (static_cast<std::uint32_t>(b[off + 2]) << 16) |
           (static_cast<std::uint32_t>(b[off + 3]) << 24);
}
std::int32_t i32(Bytes b, size_t off) {
    return static_cast<std::int32_t>(u32(b, off));
}

struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    int bits = 0;

    static Channel of(std::uint32_t mask) {
        Channel c;
        c.mask = mask;
        if (mask) {
            c.shift = std::countr_zero(mask);
            c.bits = std::popcount(mask);
        }
        return c;
    }
    bool contiguous() const { return mask && ((mask >> shift) & ((mask >> shift) + 1)) == 0; }
    std::uint8_t extract(std::uint32_t v) const {
        if (!mask)
            return 0;
        const std::uint32_t raw = (v & mask) >> shift;
        if (bits >= 8)
            return static_cast<std::uint8_t>(raw >> (bits - 8));
        const std::uint32_t max = (1u << bits) - 1;
        return static_cast<std::uint8_t>((raw * 255 + max / 2) / max);
    }
};

struct DibInfo {
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitCount = 0;
    std::uint32_t compression = kBiRgb;
    Channel red, green, blue, alpha;
    bool bitfields = false;
    size_t paletteOffset = 0; // from the start of the info header
    size_t paletteEntry = 4;  // bytes per palette entry
    std::uint64_t paletteCount = 0;

    std::uint64_t paletteEnd() const { return paletteOffset + paletteCount * paletteEntry; }
    std::uint64_t stride() const {
        return ((static_cast<std::uint64_t>(width) * bitCount + 31) / 32) * 4;
    }
};

bool knownHeaderSize(std::uint32_t size) {
    switch (size) {
    case 12:
    case 40:
    case 52:
    case 56:
    case 64:
    case 108:
    case 124:
        return true;
    default:
        return false;
    }
}

BmpStatus parseInfo(Bytes dib, bool iconMask, DibInfo& info) {
    if (!has(dib, 0, 4))
        return BmpStatus::Truncated;
    const std::uint32_t headerSize = u32(dib, 0);
    if (!knownHeaderSize(headerSize))
        return BmpStatus::UnsupportedHeader;
    if (!has(dib, 0, headerSize))
        return BmpStatus::Truncated;

    const bool core = headerSize == 12;
    std::int64_t width, height;
    int planes;
    std::uint32_t colorsUsed = 0;
    if (core) {
        width = u16(dib, 4);
        height = u16(dib, 6);
        planes = u16(dib, 8);
        info.bitCount = u16(dib, 10);
        info.paletteEntry = 3;
    } else {
        width = i32(dib, 4);
        height = i32(dib, 8);
        planes = u16(dib, 12);
        info.bitCount = u16(dib, 14);
        info.compression = u32(dib, 16);
        colorsUsed = u32(dib, 32);
    }
    if (planes != 1 || width <= 0 || height == 0)
        return BmpStatus::BadDimensions;
    info.topDown = height < 0;
    if (height < 0)
        height = -height; // int64: INT_MIN cannot overflow
    if (iconMask) {
        height /= 2;
        if (height == 0)
            return BmpStatus::BadDimensions;
    }
    if (width > kMaxBmpDimension || height > kMaxBmpDimension || width * height > kMaxBmpPixels)
        return BmpStatus::TooLarge;
    info.width = static_cast<int>(width);
    info.height = static_cast<int>(height);

    switch (info.bitCount) {
    case 1:
    case 4:
    case 8:
    case 24:
        break;
    case 16:
    case 32:
        if (core)
            return BmpStatus::UnsupportedBitCount;
        break;
    default:
        return BmpStatus::UnsupportedBitCount;
    }

    size_t afterHeader = headerSize;
    switch (info.compression) {
    case kBiRgb:
        break;
    case kBiRle8:
    case kBiRle4:
        if (info.bitCount != (info.compression == kBiRle8 ? 8 : 4))
            return BmpStatus::UnsupportedBitCount;
        if (info.topDown || iconMask) // run-length pictures are always stored bottom-up
            return BmpStatus::UnsupportedCompression;
        break;
    case kBiBitfields:
    case kBiAlphaBitfields: {
        // The OS/2 header uses code 3 for Huffman coding.
        if (headerSize == 64)
            return BmpStatus::UnsupportedCompression;
        if (info.bitCount != 16 && info.bitCount != 32)
            return BmpStatus::UnsupportedBitCount;
        const bool withAlpha = info.compression == kBiAlphaBitfields;
        size_t maskAt = 40;
        if (headerSize == 40) {
            const size_t n = withAlpha ? 16 : 12;
            if (!has(dib, 40, n))
                return BmpStatus::Truncated;
            afterHeader += n;
        }
        // A header between the 40-byte one and the full masks (a 52-byte header with
        // alpha bit fields) must still hold every mask it is read for.
        const bool readAlpha = withAlpha || headerSize >= 56;
        if (!has(dib, maskAt, readAlpha ? 16 : 12))
            return BmpStatus::Truncated;
        info.bitfields = true;
        info.red = Channel::of(u32(dib, maskAt));
        info.green = Channel::of(u32(dib, maskAt + 4));
        info.blue = Channel::of(u32(dib, maskAt + 8));
        if (readAlpha)
            info.alpha = Channel::of(u32(dib, maskAt + 12));
        break;
    }
    default:
        return BmpStatus::UnsupportedCompression;
    }

    if (info.bitfields) {
        const Channel* chans[] = {&info.red, &info.green, &info.blue};
        std::uint32_t seen = 0;
        for (const Channel* c : chans) {
            if (!c->contiguous() || (seen & c->mask))
                return BmpStatus::BadBitfields;
            seen |= c->mask;
        }
        if (info.alpha.mask && (!info.alpha.contiguous() || (seen & info.alpha.mask)))
            return BmpStatus::BadBitfields;
        if (info.bitCount == 16 && (seen | info.alpha.mask) > 0xFFFF)
            return BmpStatus::BadBitfields;
    } else if (info.bitCount == 16) {
        info.red = Channel::of(0x7C00);
        info.green = Channel::of(0x03E0);
        info.blue = Channel::of(0x001F);
    }

    if (info.bitCount <= 8) {
        const std::uint64_t max = 1ull << info.bitCount;
        if (colorsUsed > max)
            return BmpStatus::BadPalette;
        info.paletteCount = (core || colorsUsed == 0) ? max : colorsUsed;
    } else {
        info.paletteCount = colorsUsed; // an optional palette for other devices; skipped
    }
    info.paletteOffset = afterHeader;
    return BmpStatus::Ok;
}

// Decodes the pixels at `dib[pixelOffset]`; the palette (when any) is at its place in
// `dib`. Callers have checked that the palette lies inside `dib`.
std::vector<std::uint32_t> readPalette(Bytes dib, const DibInfo& info) {
    std::vector<std::uint32_t> palette;
    if (info.bitCount <= 8) {
        palette.resize(info.paletteCount);
        for (size_t i = 0; i < palette.size(); ++i) {
            const size_t at = info.paletteOffset + i * info.paletteEntry;
            palette[i] = 0xFF000000u | (std::uint32_t{dib[at + 2]} << 16) |
                         (std::uint32_t{dib[at + 1]} << 8) | dib[at];
        }
    }
    return palette;
}

// RLE8 / RLE4: pairs (count, value) for runs; (0,0) ends a line, (0,1) the picture,
// (0,2,dx,dy) moves, (0,n) starts n literal indices padded to a 16-bit boundary.
// Pixels the data never reaches keep palette colour 0. Runs past the right edge are
// cut; the data ending before the end-of-picture mark (and before the last row) is
// Truncated.
BmpStatus decodeRle(Bytes dib, const DibInfo& info, std::uint64_t pixelOffset, Bitmap& out) {
    const std::uint64_t dataBytes = dib.size() > pixelOffset ? dib.size() - pixelOffset : 0;
    const std::uint64_t pixels = static_cast<std::uint64_t>(info.width) * info.height;
    if (pixels > kRleAllowance + dataBytes * kRlePixelsPerByte)
        return BmpStatus::TooLarge;
    const std::vector<std::uint32_t> palette = readPalette(dib, info);
    auto colour = [&](unsigned index) {
        return index < palette.size() ? palette[index] : 0xFF000000u;
    };
    Bitmap bmp(info.width, info.height, colour(0));
    const bool rle8 = info.compression == kBiRle8;
    const int w = info.width, h = info.height;
    int x = 0, y = 0; // y counts rows from the bottom
    auto put = [&](unsigned index) {
        if (x < w) {
            bmp.set(x, h - 1 - y, colour(index));
            ++x;
        }
    };
    auto nibbleOrByte = [&](std::uint8_t byte, int i) -> unsigned {
        return rle8 ? byte : (i % 2 == 0 ? byte >> 4 : byte & 0x0F);
    };
    size_t p = static_cast<size_t>(pixelOffset);
    while (y < h) {
        if (!has(dib, p, 2))
            return BmpStatus::Truncated;
        const std::uint8_t count = dib[p], value = dib[p + 1];
        p += 2;
        if (count > 0) {
            for (int i = 0; i < count && x < w; ++i)
                put(nibbleOrByte(value, i));
        } else if (value == 0) {
            x = 0;
            ++y;
        } else if (value == 1) {
            break;
        } else if (value == 2) {
            if (!has(dib, p, 2))
                return BmpStatus::Truncated;
            x = std::min(w, x + dib[p]);
            y += dib[p + 1];
            p += 2;
        } else {
            const size_t bytes = rle8 ? value : (value + 1u) / 2;
            if (!has(dib, p, bytes))
                return BmpStatus::Truncated;
            for (int i = 0; i < value && x < w; ++i)
                put(nibbleOrByte(dib[p + (rle8 ? i : i / 2)], i));
            p += bytes + (bytes & 1);
        }
    }
    out = std::move(bmp);
    return BmpStatus::Ok;
}

BmpStatus decodePixels(Bytes dib, const DibInfo& info, std::uint64_t pixelOffset, bool iconMask,
                       Bitmap& out) {
    if (info.compression == kBiRle8 || info.compression == kBiRle4)
        return decodeRle(dib, info, pixelOffset, out);
    const std::uint64_t stride = info.stride();
    const std::uint64_t lastRow = (static_cast<std::uint64_t>(info.width) * info.bitCount + 7) / 8;
    // Writers often leave the last row's padding out; accept that.
    if (!has(dib, pixelOffset, stride * (info.height - 1) + lastRow))
        return BmpStatus::Truncated;

    const std::vector<std::uint32_t> palette = readPalette(dib, info);

    Bitmap bmp(info.width, info.height);
    bool anyAlpha = false;
    const bool alphaInData = info.bitCount == 32 && (!info.bitfields || info.alpha.mask);
    for (int row = 0; row < info.height; ++row) {
        const int y = info.topDown ? row : info.height - 1 - row;
        const size_t base = static_cast<size_t>(pixelOffset + stride * row);
        for (int x = 0; x < info.width; ++x) {
            std::uint32_t px = 0xFF000000u;
            switch (info.bitCount) {
            case 1:
            case 4:
            case 8: {
                const int bitPos = x * info.bitCount;
                const std::uint8_t byte = dib[base + bitPos / 8];
                const int shift = 8 - info.bitCount - (bitPos % 8);
                const unsigned index = (byte >> shift) & ((1u << info.bitCount) - 1);
                px = index < palette.size() ? palette[index] : 0xFF000000u;
                break;
            }
            case 16: {
                const std::uint32_t v = u16(dib, base + x * 2);
                px = 0xFF000000u | (std::uint32_t{info.red.extract(v)} << 16) |
                     (std::uint32_t{info.green.extract(v)} << 8) | info.blue.extract(v);
                break;
            }
            case 24: {
                const size_t at = base + x * 3;
                px = 0xFF000000u | (std::uint32_t{dib[at + 2]} << 16) |
                     (std::uint32_t{dib[at + 1]} << 8) | dib[at];
                break;
            }
            case 32: {
                const std::uint32_t v = u32(dib, base + x * 4);
                std::uint32_t a;
                if (info.bitfields) {
                    px = (std::uint32_t{info.red.extract(v)} << 16) |
                         (std::uint32_t{info.green.extract(v)} << 8) | info.blue.extract(v);
                    a = info.alpha.extract(v);
                } else {
                    px = v & 0x00FFFFFFu;
                    a = v >> 24;
                }
                anyAlpha |= a != 0;
                px |= a << 24;
                break;
            }
            }
            bmp.set(x, y, px);
        }
    }
    // 32-bit pictures whose alpha is all zero were written without alpha: opaque.
    if (info.bitCount == 32 && (!alphaInData || !anyAlpha))
        for (auto& p : bmp.pixels)
            p |= 0xFF000000u;

    if (iconMask) {
        const std::uint64_t maskOffset = pixelOffset + stride * info.height;
        const std::uint64_t maskStride = ((static_cast<std::uint64_t>(info.width) + 31) / 32) * 4;
        const bool useMask =
            !(info.bitCount == 32 && anyAlpha) && has(dib, maskOffset, maskStride * info.height);
        if (useMask) {
            for (int row = 0; row < info.height; ++row) {
                const int y = info.topDown ? row : info.height - 1 - row;
                const size_t base = static_cast<size_t>(maskOffset + maskStride * row);
                for (int x = 0; x < info.width; ++x)
                    if ((dib[base + x / 8] >> (7 - x % 8)) & 1)
                        bmp.set(x, y, bmp.at(x, y) & 0x00FFFFFFu);
            }
        }
    }
    out = std::move(bmp);
    return BmpStatus::Ok;
}

BmpStatus parseFile(Bytes bytes, DibInfo& info, std::uint32_t& offBits) {
    if (bytes.size() < 2 || bytes[0] != 'B' || bytes[1] != 'M')
        return BmpStatus::NotBmp;
    if (!has(bytes, 0, kFileHeaderSize))
        return BmpStatus::Truncated;
    offBits = u32(bytes, 10);
    return parseInfo(bytes.subspan(kFileHeaderSize), false, info);
}

void put16(std::vector<std::uint8_t>& v, std::uint32_t x) {
    v.push_back(x & 0xff);
    v.push_back((x >> 8) & 0xff);
}
void put32(std::vector<std::uint8_t>& v, std::uint32_t x) {
    put16(v, x & 0xffff);
    put16(v, x >> 16);
}

} // namespace

const char* toString(BmpStatus status) {
    switch (status) {
    case BmpStatus::Ok:
        return "ok";
    case BmpStatus::NotBmp:
        return "not a BMP file";
    case BmpStatus::Truncated:
        return "file is truncated";
    case BmpStatus::UnsupportedHeader:
        return "unsupported header version";
    case BmpStatus::BadDimensions:
        return "invalid dimensions";
    case BmpStatus::TooLarge:
        return "picture too large";
    case BmpStatus::UnsupportedBitCount:
        return "unsupported bit count";
    case BmpStatus::UnsupportedCompression:
        return "unsupported compression";
    case BmpStatus::BadPalette:
        return "invalid palette size";
    case BmpStatus::BadBitfields:
        return "invalid colour masks";
    case BmpStatus::BadDataOffset:
        return "invalid pixel data offset";
    case BmpStatus::CannotOpen:
        return "cannot open file";
    }
    return "?";
}

BmpStatus readBmpSize(std::span<const std::uint8_t> bytes, Size& out) {
    DibInfo info;
    std::uint32_t offBits = 0;
    const BmpStatus st = parseFile(bytes, info, offBits);
    out = st == BmpStatus::Ok ? Size{info.width, info.height} : Size{};
    return st;
}

BmpStatus decodeBmp(std::span<const std::uint8_t> bytes, Bitmap& out) {
    out = Bitmap();
    DibInfo info;
    std::uint32_t offBits = 0;
    BmpStatus st = parseFile(bytes, info, offBits);
    if (st != BmpStatus::Ok)
        return st;
    const Bytes dib = bytes.subspan(kFileHeaderSize);
    const std::uint64_t paletteEnd = info.bitCount <= 8 ? info.paletteEnd() : info.paletteOffset;
    if (!has(dib, 0, paletteEnd))
        return BmpStatus::Truncated;
    if (offBits < kFileHeaderSize + paletteEnd)
        return BmpStatus::BadDataOffset;
    return decodePixels(dib, info, offBits - kFileHeaderSize, false, out);
}

BmpStatus decodeDib(std::span<const std::uint8_t> dib, Bitmap& out, bool iconMask) {
    out = Bitmap();
    DibInfo info;
    BmpStatus st = parseInfo(dib, iconMask, info);
    if (st != BmpStatus::Ok)
        return st;
    const std::uint64_t paletteEnd = info.paletteEnd();
    if (!has(dib, 0, paletteEnd))
        return BmpStatus::Truncated;
    return decodePixels(dib, info, paletteEnd, iconMask, out);
}

BmpStatus readBmpFile(const std::string& nativePath, Bitmap& out) {
    out = Bitmap();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(nativePath, ec))
        return BmpStatus::CannotOpen; // missing, a folder, a device
    std::ifstream in(nativePath, std::ios::binary | std::ios::ate);
    if (!in)
        return BmpStatus::CannotOpen;
    const std::streamoff size = in.tellg();
    if (size < 0)
        return BmpStatus::CannotOpen;
    if (size > kMaxFileBytes)
        return BmpStatus::TooLarge;
    std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
    in.seekg(0);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), size))
        return BmpStatus::CannotOpen;
    return decodeBmp(bytes, out);
}

std::vector<std::uint8_t> encodeBmp24(const Bitmap& bitmap) {
    std::vector<std::uint8_t> v;
    if (bitmap.empty() || bitmap.pixels.size() != static_cast<size_t>(bitmap.width) * bitmap.height)
        return v;
    const std::uint32_t stride = ((static_cast<std::uint32_t>(bitmap.width) * 24 + 31) / 32) * 4;
    const std::uint32_t dataSize = stride * static_cast<std::uint32_t>(bitmap.height);
    const std::uint32_t offBits = 14 + 40;
    v.reserve(offBits + dataSize);
    v.push_back('B');
    v.push_back('M');
    put32(v, offBits + dataSize);
    put32(v, 0);
    put32(v, offBits);
    put32(v, 40);
    put32(v, static_cast<std::uint32_t>(bitmap.width));
    put32(v, static_cast<std::uint32_t>(bitmap.height));
    put16(v, 1);
    put16(v, 24);
    put32(v, kBiRgb);
    put32(v, dataSize);
    put32(v, 3780); // 96 pixels per inch, in pixels per metre
    put32(v, 3780);
    put32(v, 0);
    put32(v, 0);
    for (int y = bitmap.height - 1; y >= 0; --y) {
        for (int x = 0; x < bitmap.width; ++x) {
            const std::uint32_t p = bitmap.at(x, y);
            v.push_back(p & 0xff);
            v.push_back((p >> 8) & 0xff);
            v.push_back((p >> 16) & 0xff);
        }
        for (std::uint32_t pad = bitmap.width * 3; pad < stride; ++pad)
            v.push_back(0);
    }
    return v;
}

bool writeBmpFile(const std::string& nativePath, const Bitmap& bitmap) {
    const std::vector<std::uint8_t> bytes = encodeBmp24(bitmap);
    if (bytes.empty())
        return false;
    std::ofstream out(nativePath, std::ios::binary | std::ios::trunc);
    if (!out.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size())))
        return false;
    out.close();
    return static_cast<bool>(out);
}

} // namespace ui
