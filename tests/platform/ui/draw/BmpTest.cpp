#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/Ico.h"
#include "platform/ui/draw/Mask.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <random>

using namespace ui;

namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes& v, size_t at, std::uint32_t x) {
    v[at] = x & 0xff;
    v[at + 1] = (x >> 8) & 0xff;
}
void put32(Bytes& v, size_t at, std::uint32_t x) {
    put16(v, at, x & 0xffff);
    put16(v, at + 2, x >> 16);
}

// Builds BMP files field by field so that each test can state what it changes.
struct BmpSpec {
    std::uint32_t headerSize = 40;
    std::int32_t width = 3;
    std::int32_t height = 2;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 24;
    std::uint32_t compression = 0;
    std::uint32_t colorsUsed = 0;
    std::vector<std::uint32_t> palette; // 0x00RRGGBB
    std::vector<std::uint32_t> masks;   // r, g, b[, a]: in the header or after it
    Bytes pixels;                       // raw rows as stored
    long long offBitsDelta = 0;         // added to the correct offset

    Bytes build() const {
        const bool core = headerSize == 12;
        const size_t entry = core ? 3 : 4;
        const size_t masksAfter = (headerSize == 40 && !masks.empty()) ? masks.size() * 4 : 0;
        // Room for the fields even when the stated header size is damaged.
        const size_t headerArea = std::max<size_t>(headerSize, core ? 12 : 40);
        const size_t paletteAt = 14 + headerArea + masksAfter;
        const size_t offBits = paletteAt + palette.size() * entry;
        Bytes v(offBits, 0);
        v[0] = 'B';
        v[1] = 'M';
        put32(v, 2, static_cast<std::uint32_t>(offBits + pixels.size()));
        put32(v, 10, static_cast<std::uint32_t>(offBits + offBitsDelta));
        put32(v, 14, headerSize);
        if (core) {
            put16(v, 18, static_cast<std::uint32_t>(width));
            put16(v, 20, static_cast<std::uint32_t>(height));
            put16(v, 22, planes);
            put16(v, 24, bitCount);
        } else {
            put32(v, 18, static_cast<std::uint32_t>(width));
            put32(v, 22, static_cast<std::uint32_t>(height));
            put16(v, 26, planes);
            put16(v, 28, bitCount);
            put32(v, 30, compression);
            put32(v, 46, colorsUsed);
            for (size_t i = 0; i < masks.size(); ++i)
                put32(v, 54 + i * 4, masks[i]);
        }
        for (size_t i = 0; i < palette.size(); ++i) {
            const size_t at = paletteAt + i * entry;
            v[at] = palette[i] & 0xff;
            v[at + 1] = (palette[i] >> 8) & 0xff;
            v[at + 2] = (palette[i] >> 16) & 0xff;
        }
        v.insert(v.end(), pixels.begin(), pixels.end());
        return v;
    }
};

// A 3 x 2 24-bit picture: bottom row stored first.
BmpSpec rgb24() {
    BmpSpec s;
    s.pixels = {
        0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0x00, 0x00, 0, 0, 0, // bottom: red green blue
        0xFF, 0xFF, 0xFF, 0x00, 0x00, 0x00, 0x80, 0x80, 0x80, 0, 0, 0, // top: white black grey
    };
    return s;
}

BmpSpec palette8() {
    BmpSpec s;
    s.bitCount = 8;
    s.colorsUsed = 3;
    s.palette = {0x000000, 0xFF0000, 0x00FF00};
    s.pixels = {0, 1, 2, 0, 2, 1, 0, 0};
    return s;
}

Bitmap decoded(const Bytes& b, BmpStatus expect = BmpStatus::Ok) {
    Bitmap out;
    EXPECT_EQ(decodeBmp(b, out), expect);
    return out;
}

std::uint32_t rgb(std::uint32_t v) {
    return 0xFF000000u | v;
}

TEST(Bmp, DecodesEveryStoredLayout) {
    Bitmap b = decoded(rgb24().build());
    ASSERT_EQ(b.size(), (Size{3, 2}));
    EXPECT_EQ(b.at(0, 1), rgb(0xFF0000));
    EXPECT_EQ(b.at(1, 1), rgb(0x00FF00));
    EXPECT_EQ(b.at(2, 1), rgb(0x0000FF));
    EXPECT_EQ(b.at(0, 0), rgb(0xFFFFFF));
    EXPECT_EQ(b.at(2, 0), rgb(0x808080));

    BmpSpec topDown = rgb24();
    topDown.height = -2;
    b = decoded(topDown.build());
    EXPECT_EQ(b.at(0, 0), rgb(0xFF0000));
    EXPECT_EQ(b.at(0, 1), rgb(0xFFFFFF));

    // The last row's padding may be missing.
    Bytes shortPad = rgb24().build();
    shortPad.resize(shortPad.size() - 3);
    EXPECT_EQ(decoded(shortPad).at(2, 0), rgb(0x808080));

    b = decoded(palette8().build());
    EXPECT_EQ(b.at(1, 1), rgb(0xFF0000));
    EXPECT_EQ(b.at(0, 0), rgb(0x00FF00));
    EXPECT_EQ(b.at(1, 0), rgb(0xFF0000));
    EXPECT_EQ(b.at(2, 0), rgb(0x000000));

    BmpSpec mono;
    mono.bitCount = 1;
    mono.width = 10;
    mono.height = 1;
    mono.palette = {0x000000, 0xFFFFFF};
    mono.pixels = {0b10100000, 0b01000000, 0, 0};
    b = decoded(mono.build());
    EXPECT_EQ(b.at(0, 0), rgb(0xFFFFFF));
    EXPECT_EQ(b.at(1, 0), rgb(0x000000));
    EXPECT_EQ(b.at(2, 0), rgb(0xFFFFFF));
    EXPECT_EQ(b.at(9, 0), rgb(0xFFFFFF));

    BmpSpec nibble;
    nibble.bitCount = 4;
    nibble.width = 3;
    nibble.height = 1;
    nibble.colorsUsed = 2;
    nibble.palette = {0x112233, 0x445566};
    nibble.pixels = {0x10, 0x50, 0, 0}; // index 5 is past the palette: black
    b = decoded(nibble.build());
    EXPECT_EQ(b.at(0, 0), rgb(0x445566));
    EXPECT_EQ(b.at(1, 0), rgb(0x112233));
    EXPECT_EQ(b.at(2, 0), rgb(0x000000));

    BmpSpec core = palette8();
    core.headerSize = 12;
    core.colorsUsed = 0;
    core.palette.resize(256);
    b = decoded(core.build());
    EXPECT_EQ(b.at(1, 1), rgb(0xFF0000));
}

TEST(Bmp, DecodesSixteenAndThirtyTwoBits) {
    BmpSpec s555;
    s555.bitCount = 16;
    s555.width = 2;
    s555.height = 1;
    s555.pixels = {0x00, 0x7C, 0x1F, 0x00}; // pure red, pure blue
    Bitmap b = decoded(s555.build());
    EXPECT_EQ(b.at(0, 0), rgb(0xFF0000));
    EXPECT_EQ(b.at(1, 0), rgb(0x0000FF));

    BmpSpec s565 = s555;
    s565.compression = 3;
    s565.masks = {0xF800, 0x07E0, 0x001F};
    s565.pixels = {0xE0, 0x07, 0x00, 0xF8}; // pure green, pure red
    b = decoded(s565.build());
    EXPECT_EQ(b.at(0, 0), rgb(0x00FF00));
    EXPECT_EQ(b.at(1, 0), rgb(0xFF0000));

    // 32-bit BI_RGB with all alpha bytes zero was written without alpha: opaque.
    BmpSpec s32;
    s32.bitCount = 32;
    s32.width = 2;
    s32.height = 1;
    s32.pixels = {0x10, 0x20, 0x30, 0x00, 0x40, 0x50, 0x60, 0x00};
    b = decoded(s32.build());
    EXPECT_EQ(b.at(0, 0), 0xFF302010u);
    // With real alpha it is kept.
    s32.pixels[3] = 0x80;
    b = decoded(s32.build());
    EXPECT_EQ(b.at(0, 0), 0x80302010u);
    EXPECT_EQ(Bitmap::alpha(b.at(1, 0)), 0);

    // Version 5 header with masks inside the header, alpha included.
    BmpSpec v5 = s32;
    v5.headerSize = 124;
    v5.compression = 3;
    v5.masks = {0x000000FF, 0x0000FF00, 0x00FF0000, 0xFF000000}; // RGBA byte order
    v5.pixels = {0x11, 0x22, 0x33, 0xFF, 0x00, 0x00, 0x00, 0x00};
    b = decoded(v5.build());
    EXPECT_EQ(b.at(0, 0), 0xFF112233u);
    EXPECT_EQ(Bitmap::alpha(b.at(1, 0)), 0);
}

TEST(Bmp, RejectsDamagedHeadersWithTheirOwnStatus) {
    struct Case {
        const char* name;
        Bytes bytes;
        BmpStatus status;
    };
    auto with = [](auto change) {
        BmpSpec s = rgb24();
        change(s);
        return s.build();
    };
    Bytes base = rgb24().build();
    // Found by fuzzing: a 52-byte header with alpha bit fields whose fourth mask lies past
    // the end of the file (it was read out of bounds).
    const Bytes cutMasks = {0x42, 0x4d, 0x7e, 0x00, 0x00, 0x05, 0x00, 0x00, 0x00, 0x00, 0x00, 0x05,
                            0x00, 0x00, 0x34, 0x00, 0x00, 0x00, 0x32, 0x00, 0x00, 0x00, 0xfe, 0xff,
                            0xff, 0xff, 0x01, 0x00, 0x10, 0x00, 0x06, 0x00, 0x00, 0x00, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                            0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
                            0x00, 0x00, 0x20, 0x00, 0x20, 0x00, 0x00};
    const Case cases[] = {
        {"empty", {}, BmpStatus::NotBmp},
        {"52-byte header, alpha masks cut", cutMasks, BmpStatus::Truncated},
        {"text", {'h', 'e', 'l', 'l', 'o'}, BmpStatus::NotBmp},
        {"signature only", {'B', 'M'}, BmpStatus::Truncated},
        {"file header only", Bytes(base.begin(), base.begin() + 14), BmpStatus::Truncated},
        {"half info header", Bytes(base.begin(), base.begin() + 30), BmpStatus::Truncated},
        {"pixels cut", Bytes(base.begin(), base.end() - 10), BmpStatus::Truncated},
        {"header size 41", with([](BmpSpec& s) { s.headerSize = 41; }),
         BmpStatus::UnsupportedHeader},
        {"header size 0", with([](BmpSpec& s) { s.headerSize = 0; }), BmpStatus::UnsupportedHeader},
        {"width 0", with([](BmpSpec& s) { s.width = 0; }), BmpStatus::BadDimensions},
        {"width negative", with([](BmpSpec& s) { s.width = -3; }), BmpStatus::BadDimensions},
        {"height 0", with([](BmpSpec& s) { s.height = 0; }), BmpStatus::BadDimensions},
        {"planes 2", with([](BmpSpec& s) { s.planes = 2; }), BmpStatus::BadDimensions},
        {"height INT_MIN", with([](BmpSpec& s) { s.height = INT_MIN; }), BmpStatus::TooLarge},
        {"huge width", with([](BmpSpec& s) { s.width = 100000; }), BmpStatus::TooLarge},
        {"over the pixel limit", with([](BmpSpec& s) { s.width = s.height = 30000; }),
         BmpStatus::TooLarge},
        // Within the limits, but the bytes are not there: refused before allocating.
        {"lying dimensions", with([](BmpSpec& s) { s.width = s.height = 8000; }),
         BmpStatus::Truncated},
        {"bit count 7", with([](BmpSpec& s) { s.bitCount = 7; }), BmpStatus::UnsupportedBitCount},
        {"bit count 0", with([](BmpSpec& s) { s.bitCount = 0; }), BmpStatus::UnsupportedBitCount},
        {"RLE8 at 24 bits", with([](BmpSpec& s) { s.compression = 1; }),
         BmpStatus::UnsupportedBitCount},
        {"unknown compression", with([](BmpSpec& s) { s.compression = 9; }),
         BmpStatus::UnsupportedCompression},
        {"PNG inside", with([](BmpSpec& s) { s.compression = 5; }),
         BmpStatus::UnsupportedCompression},
        {"bitfields at 24 bits", with([](BmpSpec& s) {
             s.compression = 3;
             s.masks = {0xFF0000, 0xFF00, 0xFF};
         }),
         BmpStatus::UnsupportedBitCount},
        {"data offset inside headers", with([](BmpSpec& s) { s.offBitsDelta = -20; }),
         BmpStatus::BadDataOffset},
        {"data offset past the end", with([](BmpSpec& s) { s.offBitsDelta = 1000; }),
         BmpStatus::Truncated},
    };
    for (const Case& c : cases) {
        Bitmap out(1, 1);
        EXPECT_EQ(decodeBmp(c.bytes, out), c.status)
            << c.name << ": " << toString(decodeBmp(c.bytes, out));
        EXPECT_TRUE(out.empty()) << c.name;
    }

    BmpSpec s = palette8();
    s.colorsUsed = 300;
    EXPECT_EQ(decoded(s.build(), BmpStatus::BadPalette).width, 0);
    s = palette8();
    s.colorsUsed = 256; // claims a palette the file does not hold
    EXPECT_EQ(decoded(s.build(), BmpStatus::Truncated).width, 0);

    BmpSpec bf;
    bf.bitCount = 32;
    bf.compression = 3;
    bf.pixels.assign(24, 0);
    bf.masks = {0xFF0000, 0xFF0000, 0xFF};
    decoded(bf.build(), BmpStatus::BadBitfields);
    bf.masks = {0xF0F000, 0xFF00, 0xFF}; // not contiguous
    decoded(bf.build(), BmpStatus::BadBitfields);
    bf.masks = {0, 0xFF00, 0xFF};
    decoded(bf.build(), BmpStatus::BadBitfields);
    bf.masks.resize(2); // the masks after a version-1 header are cut off
    Bytes cut = bf.build();
    cut.resize(14 + 40 + 8);
    decoded(cut, BmpStatus::Truncated);
}

BmpSpec rle8() {
    BmpSpec s;
    s.bitCount = 8;
    s.compression = 1;
    s.width = 6;
    s.height = 3;
    s.colorsUsed = 4;
    s.palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF};
    s.pixels = {
        3, 1, 0, 3, 2, 3, 1, 0, // bottom row: run of 3 x red, literal green blue red (+pad)
        0, 0,                   // end of line (row already full)
        0, 2, 2, 0,             // delta: two to the right on the middle row
        2, 2, 0, 0,             // run of 2 x green, end of line
        9, 3,                   // top row: a run longer than the row is cut
        0, 1,                   // end of picture
    };
    return s;
}

TEST(Bmp, DecodesRunLengthPictures) {
    Bitmap b = decoded(rle8().build());
    ASSERT_EQ(b.size(), (Size{6, 3}));
    const std::uint32_t k = rgb(0), r = rgb(0xFF0000), g = rgb(0x00FF00), u = rgb(0x0000FF);
    EXPECT_EQ(b.pixels, (std::vector<std::uint32_t>{u, u, u, u, u, u,    // top row
                                                    k, k, g, g, k, k,    // middle, after the delta
                                                    r, r, r, g, u, r})); // bottom row

    BmpSpec rle4;
    rle4.bitCount = 4;
    rle4.compression = 2;
    rle4.width = 6;
    rle4.height = 1;
    rle4.colorsUsed = 3;
    rle4.palette = {0x000000, 0xFF0000, 0x00FF00};
    rle4.pixels = {3, 0x12, 0, 3, 0x21, 0x20, 0, 1}; // run 1 2 1, literal 2 1 2, end
    b = decoded(rle4.build());
    EXPECT_EQ(b.pixels, (std::vector<std::uint32_t>{r, g, r, g, r, g}));

    BmpSpec cut = rle8();
    cut.pixels.resize(cut.pixels.size() - 4);
    decoded(cut.build(), BmpStatus::Truncated);
    BmpSpec literalCut = rle8();
    literalCut.pixels = {0, 200, 1, 2};
    decoded(literalCut.build(), BmpStatus::Truncated);
    BmpSpec topDown = rle8();
    topDown.height = -3;
    decoded(topDown.build(), BmpStatus::UnsupportedCompression);
    // A few bytes cannot stand for a picture of millions of pixels.
    BmpSpec lying = rle8();
    lying.width = lying.height = 8000;
    decoded(lying.build(), BmpStatus::TooLarge);
    BmpSpec wrongBits = rle8();
    wrongBits.compression = 2;
    decoded(wrongBits.build(), BmpStatus::UnsupportedBitCount);
}

// Every prefix and every single-bit change of a valid file decodes or fails cleanly;
// prefixes shorter than the pixel data never claim success.
TEST(Bmp, SurvivesTruncationBitFlipsAndGarbage) {
    // The last row may lack its padding: 1 byte for the 8-bit file, 3 for the 24-bit one.
    const std::pair<Bytes, size_t> files[] = {{palette8().build(), 1}, {rgb24().build(), 3}};
    for (const auto& [valid, padding] : files) {
        SCOPED_TRACE(valid.size());
        const size_t needed = valid.size() - padding;
        for (size_t n = 0; n < valid.size(); ++n) {
            Bitmap out;
            const BmpStatus st = decodeBmp(Bytes(valid.begin(), valid.begin() + n), out);
            if (n < needed) {
                EXPECT_NE(st, BmpStatus::Ok) << "prefix " << n;
            }
        }
        for (size_t i = 0; i < valid.size(); ++i) {
            for (int bit = 0; bit < 8; ++bit) {
                Bytes damaged = valid;
                damaged[i] ^= static_cast<std::uint8_t>(1u << bit);
                Bitmap out;
                if (decodeBmp(damaged, out) == BmpStatus::Ok) {
                    EXPECT_EQ(out.pixels.size(), static_cast<size_t>(out.width) * out.height);
                }
            }
        }
    }
    const Bytes rle = rle8().build();
    for (size_t i = 0; i < rle.size(); ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            Bytes damaged = rle;
            damaged[i] ^= static_cast<std::uint8_t>(1u << bit);
            Bitmap out;
            decodeBmp(damaged, out);
        }
    }
    std::mt19937 rng(7);
    for (int i = 0; i < 2000; ++i) {
        Bytes junk(rng() % 200);
        for (auto& b : junk)
            b = static_cast<std::uint8_t>(rng());
        if (junk.size() >= 2 && i % 2 == 0) {
            junk[0] = 'B';
            junk[1] = 'M';
        }
        Bitmap out;
        decodeImageBytes(junk, out);
        Size size;
        readBmpSize(junk, size);
    }
}

TEST(Bmp, WritesFilesThatReadBackExactly) {
    Bitmap pic(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            pic.set(x, y, 0xFF000000u | (x * 50u << 16) | (y * 100u << 8) | (x + y));
    const Bytes bytes = encodeBmp24(pic);
    ASSERT_EQ(bytes.size(), 14u + 40u + 3u * 16u); // rows of 15 bytes padded to 16
    Bitmap back;
    ASSERT_EQ(decodeBmp(bytes, back), BmpStatus::Ok);
    EXPECT_EQ(back, pic);
    Size size;
    EXPECT_EQ(readBmpSize(bytes, size), BmpStatus::Ok);
    EXPECT_EQ(size, (Size{5, 3}));
    EXPECT_TRUE(encodeBmp24(Bitmap()).empty());

    const char* tmp = std::getenv("TVL_TEST_TMP");
    const std::filesystem::path dir = tmp ? tmp : std::filesystem::temp_directory_path().string();
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "roundtrip.bmp").string();
    ASSERT_TRUE(writeBmpFile(path, pic));
    Bitmap fromFile;
    EXPECT_EQ(readBmpFile(path, fromFile), BmpStatus::Ok);
    EXPECT_EQ(fromFile, pic);
    EXPECT_EQ(readBmpFile((dir / "missing.bmp").string(), fromFile), BmpStatus::CannotOpen);
    EXPECT_EQ(readBmpFile(dir.string(), fromFile), BmpStatus::CannotOpen) << "a folder";
    EXPECT_TRUE(fromFile.empty());
    EXPECT_FALSE(writeBmpFile((dir / "no-such-folder" / "x.bmp").string(), pic));
}

// An icon file with a 16 x 16 32-bit entry and a 32 x 32 4-bit entry with its AND mask.
Bytes sampleIco() {
    Bytes dir(6 + 2 * 16, 0);
    dir[2] = 1;
    dir[4] = 2;
    auto dib = [](int size, int bpp, std::uint32_t colour, bool maskLeftHalf) {
        const int stride = ((size * bpp + 31) / 32) * 4;
        const int maskStride = ((size + 31) / 32) * 4;
        const int palette = bpp <= 8 ? (1 << bpp) : 0;
        Bytes v(40 + palette * 4 + stride * size + maskStride * size, 0);
        put32(v, 0, 40);
        put32(v, 4, size);
        put32(v, 8, size * 2);
        put16(v, 12, 1);
        put16(v, 14, bpp);
        size_t at = 40;
        if (palette) {
            put32(v, at + 4, colour); // index 1
            at += palette * 4;
        }
        for (int i = 0; i < stride * size; ++i)
            v[at + i] = bpp == 4 ? 0x11 : static_cast<std::uint8_t>(i % 4 == 3 ? 0xFF : 0x40);
        at += stride * size;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size / 2 && maskLeftHalf; ++x)
                v[at + y * maskStride + x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        return v;
    };
    const Bytes small = dib(16, 32, 0, false);
    const Bytes large = dib(32, 4, 0x00FF8000, true);
    Bytes out = dir;
    auto entry = [&](int i, int size, int bpp, const Bytes& data) {
        const size_t e = 6 + i * 16;
        out[e] = static_cast<std::uint8_t>(size);
        out[e + 1] = static_cast<std::uint8_t>(size);
        put16(out, e + 4, 1);
        put16(out, e + 6, bpp);
        put32(out, e + 8, static_cast<std::uint32_t>(data.size()));
        put32(out, e + 12, static_cast<std::uint32_t>(out.size()));
        out.insert(out.end(), data.begin(), data.end());
    };
    entry(0, 16, 32, small);
    entry(1, 32, 4, large);
    return out;
}

TEST(Ico, PicksTheNearestSizeAndAppliesTheMask) {
    const Bytes ico = sampleIco();
    Bitmap b;
    ASSERT_EQ(decodeIco(ico, b, 32), BmpStatus::Ok);
    ASSERT_EQ(b.size(), (Size{32, 32}));
    EXPECT_EQ(Bitmap::alpha(b.at(3, 10)), 0); // masked half
    EXPECT_EQ(b.at(20, 10), 0xFFFF8000u);     // palette colour, opaque
    ASSERT_EQ(decodeImageBytes(ico, b), BmpStatus::Ok);
    ASSERT_EQ(decodeIco(ico, b, 16), BmpStatus::Ok);
    EXPECT_EQ(b.size(), (Size{16, 16}));
    EXPECT_EQ(b.at(0, 0), 0xFF404040u); // 32-bit entry keeps its own alpha

    EXPECT_EQ(decodeIco(Bytes{0, 0, 1, 0, 0, 0}, b), BmpStatus::BadDimensions);
    EXPECT_EQ(decodeIco(Bytes(ico.begin(), ico.begin() + 20), b), BmpStatus::Truncated);
    Bytes badOffset = ico;
    put32(badOffset, 6 + 12, 0xFFFFFFF0u);
    put32(badOffset, 6 + 16 + 12, 0xFFFFFFF0u);
    EXPECT_EQ(decodeIco(badOffset, b), BmpStatus::Truncated);
    EXPECT_TRUE(b.empty());
}

TEST(Mask, KeyColourMaskAndTheAndOrIdiom) {
    const std::uint32_t key = Bitmap::argb({255, 0, 255});
    Bitmap pic(2, 1);
    pic.set(0, 0, key);
    pic.set(1, 0, 0xFF123456u);
    const Bitmap mask = makeMask(pic, {255, 0, 255});
    EXPECT_EQ(mask.at(0, 0), 0xFFFFFFFFu);
    EXPECT_EQ(mask.at(1, 0), 0xFF000000u);
    const Bitmap alpha = keyToAlpha(pic, {255, 0, 255});
    EXPECT_EQ(Bitmap::alpha(alpha.at(0, 0)), 0);
    EXPECT_EQ(alpha.at(1, 0), 0xFF123456u);
    EXPECT_EQ(makeMask(alpha, {1, 2, 3}), mask) << "transparent pixels are masked whatever the key";
    EXPECT_EQ(blackenMasked(pic, mask).at(0, 0), 0xFF000000u);
    EXPECT_EQ(applyMask(pic, Bitmap(5, 5)), pic) << "a mask of another size changes nothing";
    const Bitmap grey = disabledImage(pic);
    const Color g = grey.colorAt(1, 0);
    EXPECT_TRUE(g.r == g.g && g.g == g.b && g.r >= 128);
}

} // namespace
