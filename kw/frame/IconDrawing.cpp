#include "kw/frame/IconDrawing.h"

#include "platform/ui/draw/Bitmap.h"

#include <cstdlib>

namespace kw::icon {

void line(ui::Bitmap& b, int x0, int y0, int x1, int y1, std::uint32_t c) {
    const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        b.set(x0, y0, c);
        if (x0 == x1 && y0 == y1)
            return;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void frame(ui::Bitmap& b, int x0, int y0, int x1, int y1, std::uint32_t c) {
    line(b, x0, y0, x1, y0, c);
    line(b, x1, y0, x1, y1, c);
    line(b, x1, y1, x0, y1, c);
    line(b, x0, y1, x0, y0, c);
}

void fill(ui::Bitmap& b, int x0, int y0, int x1, int y1, std::uint32_t c) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            b.set(x, y, c);
}

ui::Bitmap fromRows(const char* const (&rows)[16]) {
    constexpr std::uint32_t kKey = 0xFFC0C0C0u;
    constexpr std::uint32_t kInk = 0xFF203060u;
    constexpr std::uint32_t kPaper = 0xFFFFFFFFu;
    constexpr std::uint32_t kYellow = 0xFFE0C040u;
    ui::Bitmap b(16, 16, kKey);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16 && rows[y][x]; ++x) {
            const char ch = rows[y][x];
            if (ch == '#')
                b.set(x, y, kInk);
            else if (ch == 'o')
                b.set(x, y, kPaper);
            else if (ch == 'y')
                b.set(x, y, kYellow);
        }
    return b;
}

} // namespace kw::icon
