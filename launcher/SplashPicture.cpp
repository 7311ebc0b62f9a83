#include "launcher/SplashPicture.h"

#include <algorithm>
#include <cmath>

namespace launcher {
namespace {

struct Rgb {
    double r, g, b;
};

class Raster {
public:
    Raster(int w, int h) : m_w(w), m_h(h), m_px(static_cast<size_t>(w) * h) {}

    void blend(int x, int y, Rgb c, double a) {
        if (x < 0 || y < 0 || x >= m_w || y >= m_h || a <= 0)
            return;
        a = std::min(a, 1.0);
        Rgb& p = m_px[static_cast<size_t>(y) * m_w + x];
        p = {p.r + (c.r - p.r) * a, p.g + (c.g - p.g) * a, p.b + (c.b - p.b) * a};
    }
    void fill(int x0, int y0, int x1, int y1, Rgb c, double a = 1.0) {
        for (int y = y0; y < y1; ++y)
            for (int x = x0; x < x1; ++x)
                blend(x, y, c, a);
    }
    // A straight stroke of width w with soft edges.
    void line(double x0, double y0, double x1, double y1, double w, Rgb c) {
        const int bx0 = static_cast<int>(std::floor(std::min(x0, x1) - w)),
                  bx1 = static_cast<int>(std::ceil(std::max(x0, x1) + w));
        const int by0 = static_cast<int>(std::floor(std::min(y0, y1) - w)),
                  by1 = static_cast<int>(std::ceil(std::max(y0, y1) + w));
        const double dx = x1 - x0, dy = y1 - y0, len2 = dx * dx + dy * dy;
        for (int y = by0; y <= by1; ++y) {
            for (int x = bx0; x <= bx1; ++x) {
                const double px = x + 0.5 - x0, py = y + 0.5 - y0;
                const double t = len2 > 0 ? std::clamp((px * dx + py * dy) / len2, 0.0, 1.0) : 0.0;
                const double ex = px - t * dx, ey = py - t * dy;
                const double d = std::sqrt(ex * ex + ey * ey);
                blend(x, y, c, std::clamp(w / 2 - d + 0.5, 0.0, 1.0));
            }
        }
    }
    const Rgb& at(int x, int y) const { return m_px[static_cast<size_t>(y) * m_w + x]; }
    int width() const { return m_w; }
    int height() const { return m_h; }

private:
    int m_w, m_h;
    std::vector<Rgb> m_px;
};

// 5 x 7 block letters for the product name.
struct Glyph {
    char ch;
    const char* rows[7];
};
constexpr Glyph kGlyphs[] = {
    {'T', {"11111", "00100", "00100", "00100", "00100", "00100", "00100"}},
    {'R', {"11110", "10001", "10001", "11110", "10100", "10010", "10001"}},
    {'E', {"11111", "10000", "10000", "11110", "10000", "10000", "11111"}},
    {'V', {"10001", "10001", "10001", "10001", "10001", "01010", "00100"}},
    {'L', {"10000", "10000", "10000", "10000", "10000", "10000", "11111"}},
    {'O', {"01110", "10001", "10001", "10001", "10001", "10001", "01110"}},
    {'N', {"10001", "11001", "10101", "10011", "10001", "10001", "10001"}},
};

void drawText(Raster& r, const char* text, int x, int y, int cell, Rgb c) {
    for (const char* p = text; *p; ++p, x += cell * 6) {
        for (const auto& g : kGlyphs) {
            if (g.ch != *p)
                continue;
            for (int row = 0; row < 7; ++row)
                for (int col = 0; col < 5; ++col)
                    if (g.rows[row][col] == '1')
                        r.fill(x + col * cell, y + row * cell, x + (col + 1) * cell,
                               y + (row + 1) * cell, c);
        }
    }
}

// An I-section seen end on: flanges and web, with a lit upper edge.
void drawISection(Raster& r, int cx, int top, int height, int width, Rgb steel, Rgb light) {
    const int flange = height / 9, web = width / 7;
    r.fill(cx - width / 2, top, cx + width / 2, top + flange, steel);
    r.fill(cx - width / 2, top + height - flange, cx + width / 2, top + height, steel);
    r.fill(cx - web / 2, top + flange, cx + web / 2, top + height - flange, steel);
    r.fill(cx - width / 2, top, cx + width / 2, top + 2, light);
    r.fill(cx - width / 2, top + height - flange, cx + width / 2, top + height - flange + 2, light);
}

// A portal frame in elevation: columns, pitched rafters, purlin ticks, bracing.
void drawFrame(Raster& r, double x0, double base, double span, double eaves, double rise, Rgb steel,
               Rgb brace) {
    const double x1 = x0 + span, xm = x0 + span / 2, top = base - eaves;
    r.line(x0, base, x0, top, 7, steel);
    r.line(x1, base, x1, top, 7, steel);
    r.line(x0 - 3, top, xm, top - rise, 6, steel);
    r.line(xm, top - rise, x1 + 3, top, 6, steel);
    r.line(x0, top + 22, x0 + 26, top - rise * 26 / (span / 2) + 1, 3, steel); // haunches
    r.line(x1, top + 22, x1 - 26, top - rise * 26 / (span / 2) + 1, 3, steel);
    r.line(x0 + 4, base - 4, x1 - 4, top + 30, 2, brace);
    r.line(x1 - 4, base - 4, x0 + 4, top + 30, 2, brace);
    for (int i = 1; i < 6; ++i) {
        const double t = i / 6.0, px = x0 + (xm - x0) * t, py = top - rise * t;
        r.fill(static_cast<int>(px) - 3, static_cast<int>(py) - 10, static_cast<int>(px) + 3,
               static_cast<int>(py) - 4, steel);
        const double qx = x1 - (x1 - xm) * t;
        r.fill(static_cast<int>(qx) - 3, static_cast<int>(py) - 10, static_cast<int>(qx) + 3,
               static_cast<int>(py) - 4, steel);
    }
    r.fill(static_cast<int>(x0) - 10, static_cast<int>(base), static_cast<int>(x0) + 11,
           static_cast<int>(base) + 4, steel);
    r.fill(static_cast<int>(x1) - 10, static_cast<int>(base), static_cast<int>(x1) + 11,
           static_cast<int>(base) + 4, steel);
}

void put16(std::vector<std::uint8_t>& v, unsigned x) {
    v.push_back(static_cast<std::uint8_t>(x));
    v.push_back(static_cast<std::uint8_t>(x >> 8));
}
void put32(std::vector<std::uint8_t>& v, unsigned x) {
    put16(v, x & 0xFFFF);
    put16(v, x >> 16);
}

std::uint8_t byte(double v) {
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

} // namespace

std::vector<std::uint8_t> splashPictureBmp() {
    const int w = kSplashPictureWidth, h = kSplashPictureHeight;
    Raster r(w, h);
    // Sky: a soft vertical gradient, lightest where the texts sit.
    for (int y = 0; y < h; ++y) {
        const double t = static_cast<double>(y) / (h - 1);
        r.fill(0, y, w, y + 1, {236 - 14 * t, 241 - 10 * t, 248 - 6 * t});
    }
    const Rgb navy{0, 50, 127}, steel{72, 92, 122}, brace{150, 165, 185}, accent{228, 122, 36},
        light{200, 212, 228};

    drawText(r, "TREVLON", 30, 26, 7, navy);
    r.fill(30, 86, 500, 89, accent);

    // Ground line and two frames in a row, the far one paler.
    r.fill(18, 262, 352, 264, {150, 160, 175});
    drawFrame(r, 96, 258, 240, 84, 40, {170, 182, 200}, {205, 213, 225});
    drawFrame(r, 40, 262, 250, 96, 44, steel, brace);
    drawISection(r, 436, 172, 84, 62, steel, light);

    // Footer band for the notice and web lines.
    r.fill(0, 282, w, h, {248, 250, 252});
    r.fill(0, 282, w, 284, accent);
    r.fill(0, 0, w, 1, steel);
    r.fill(0, h - 1, w, h, steel);
    r.fill(0, 0, 1, h, steel);
    r.fill(w - 1, 0, w, h, steel);

    const unsigned rowBytes = (static_cast<unsigned>(w) * 3 + 3) & ~3u;
    const unsigned pixelBytes = rowBytes * static_cast<unsigned>(h);
    std::vector<std::uint8_t> bmp;
    bmp.reserve(54 + pixelBytes);
    bmp.push_back('B');
    bmp.push_back('M');
    put32(bmp, 54 + pixelBytes);
    put32(bmp, 0);
    put32(bmp, 54);
    put32(bmp, 40);
    put32(bmp, static_cast<unsigned>(w));
    put32(bmp, static_cast<unsigned>(h));
    put16(bmp, 1);
    put16(bmp, 24);
    put32(bmp, 0); // BI_RGB
    put32(bmp, pixelBytes);
    put32(bmp, 2835); // 72 dpi
    put32(bmp, 2835);
    put32(bmp, 0);
    put32(bmp, 0);
    for (int y = h - 1; y >= 0; --y) { // bottom-up rows, blue-green-red
        for (int x = 0; x < w; ++x) {
            const Rgb& p = r.at(x, y);
            bmp.push_back(byte(p.b));
            bmp.push_back(byte(p.g));
            bmp.push_back(byte(p.r));
        }
        for (unsigned pad = static_cast<unsigned>(w) * 3; pad < rowBytes; ++pad)
            bmp.push_back(0);
    }
    return bmp;
}

} // namespace launcher
