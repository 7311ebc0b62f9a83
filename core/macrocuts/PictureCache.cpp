#include "core/macrocuts/PictureCache.h"

#if TVL_UI_AVAILABLE

#include "core/detail/Files.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <memory>
#include <span>
#include <tuple>

namespace picture_cache {

namespace {

constexpr long long kMaxFileBytes = 64LL * 1024 * 1024;

using Key = std::tuple<std::wstring, long long, long long, int>; // path, size, time, box

struct Cache {
    std::map<Key, ui::Image> entries;
    std::map<int, ui::Image> placeholders;
    long long decodes = 0;
};

Cache& cache() {
    static Cache c;
    return c;
}

ui::Image imageOf(const ui::Bitmap& b) {
    ui::Image image;
    image.bmp = std::make_shared<const std::vector<std::uint8_t>>(ui::encodeBmp24(b));
    return image;
}

// Each target pixel is the average of the source pixels it covers (a box filter). The
// source ranges of the columns are worked out once per picture.
ui::Bitmap fitted(const ui::Bitmap& src, int box) {
    if (src.width <= box && src.height <= box)
        return src;
    const double k = std::min(double(box) / src.width, double(box) / src.height);
    const int w = std::max(1, int(src.width * k)), h = std::max(1, int(src.height * k));
    std::vector<int> x0(static_cast<size_t>(w)), x1(static_cast<size_t>(w));
    for (int x = 0; x < w; ++x) {
        x0[static_cast<size_t>(x)] = x * src.width / w;
        x1[static_cast<size_t>(x)] =
            std::max(x0[static_cast<size_t>(x)] + 1, (x + 1) * src.width / w);
    }
    ui::Bitmap out(w, h);
    std::vector<std::uint32_t> r(static_cast<size_t>(w)), g(r.size()), bl(r.size());
    for (int y = 0; y < h; ++y) {
        const int y0 = y * src.height / h, y1 = std::max(y0 + 1, (y + 1) * src.height / h);
        std::fill(r.begin(), r.end(), 0);
        std::fill(g.begin(), g.end(), 0);
        std::fill(bl.begin(), bl.end(), 0);
        for (int sy = y0; sy < y1; ++sy) {
            const std::uint32_t* row = &src.pixels[static_cast<size_t>(sy) * src.width];
            for (int x = 0; x < w; ++x) {
                const size_t i = static_cast<size_t>(x);
                for (int sx = x0[i]; sx < x1[i]; ++sx) {
                    const std::uint32_t p = row[sx];
                    r[i] += (p >> 16) & 0xFF;
                    g[i] += (p >> 8) & 0xFF;
                    bl[i] += p & 0xFF;
                }
            }
        }
        for (int x = 0; x < w; ++x) {
            const size_t i = static_cast<size_t>(x);
            const std::uint32_t n = static_cast<std::uint32_t>((x1[i] - x0[i]) * (y1 - y0));
            out.set(x, y, 0xFF000000u | (r[i] / n) << 16 | (g[i] / n) << 8 | (bl[i] / n));
        }
    }
    return out;
}

} // namespace

ui::Image placeholder(int box) {
    box = std::clamp(box, 8, 512);
    auto& slot = cache().placeholders[box];
    if (!slot.empty())
        return slot;
    ui::Bitmap b(box, box, 0xFFFFFFFFu);
    const std::uint32_t grey = 0xFF808080u;
    for (int i = 0; i < box; ++i) {
        b.set(i, 0, grey);
        b.set(i, box - 1, grey);
        b.set(0, i, grey);
        b.set(box - 1, i, grey);
        b.set(i, i, grey);
        b.set(box - 1 - i, i, grey);
    }
    slot = imageOf(b);
    return slot;
}

ui::Image picture(const Tvl_String& path, int box) {
    box = std::clamp(box, 8, 512);
    const std::filesystem::path native = core_detail::nativePath(path);
    std::error_code ec;
    const auto size = std::filesystem::file_size(native, ec);
    if (ec || size == 0 || static_cast<long long>(size) > kMaxFileBytes)
        return placeholder(box);
    const auto time = std::filesystem::last_write_time(native, ec);
    if (ec)
        return placeholder(box);
    const Key key{native.wstring(), static_cast<long long>(size),
                  static_cast<long long>(time.time_since_epoch().count()), box};
    Cache& c = cache();
    if (auto it = c.entries.find(key); it != c.entries.end())
        return it->second;
    std::string bytes;
    ui::Image result;
    ++c.decodes;
    if (core_detail::readWholeFile(path, kMaxFileBytes, bytes) == Acad::eOk) {
        const std::span<const std::uint8_t> span(
            reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ui::Size dims;
        ui::Bitmap decoded;
        if (ui::readBmpSize(span, dims) == ui::BmpStatus::Ok && dims.cx > 0 && dims.cy > 0 &&
            dims.cx <= kMaxSide && dims.cy <= kMaxSide &&
            ui::decodeBmp(span, decoded) == ui::BmpStatus::Ok && !decoded.empty())
            result = imageOf(fitted(decoded, box));
    }
    if (result.empty())
        result = placeholder(box);
    if (c.entries.size() >= kMaxEntries)
        c.entries.clear();
    c.entries.emplace(key, result);
    return result;
}

long long decodeCount() {
    return cache().decodes;
}

void clear() {
    cache().entries.clear();
    cache().decodes = 0;
}

} // namespace picture_cache

#else

namespace picture_cache {
ui::Image picture(const Tvl_String&, int) {
    return {};
}
ui::Image placeholder(int) {
    return {};
}
long long decodeCount() {
    return 0;
}
void clear() {}
} // namespace picture_cache

#endif
