#include "platform/ui/draw/Ico.h"

#include <algorithm>
#include <cstdlib>

namespace ui {

namespace {
constexpr size_t kDirHeader = 6;
constexpr size_t kDirEntry = 16;
constexpr std::uint8_t kPngSignature[4] = {0x89, 'P', 'N', 'G'};

std::uint32_t le32(std::span<const std::uint8_t> b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
} // namespace

BmpStatus decodeIco(std::span<const std::uint8_t> bytes, Bitmap& out, int preferredSize) {
    out = Bitmap();
    if (bytes.size() < kDirHeader || bytes[0] != 0 || bytes[1] != 0 || bytes[2] != 1 ||
        bytes[3] != 0)
        return BmpStatus::NotBmp;
    const size_t count = bytes[4] | (bytes[5] << 8);
    if (count == 0)
        return BmpStatus::BadDimensions;
    if (bytes.size() < kDirHeader + count * kDirEntry)
        return BmpStatus::Truncated;

    // Candidates in order of preference; the first that decodes wins.
    std::vector<size_t> order;
    for (size_t i = 0; i < count; ++i)
        order.push_back(i);
    auto score = [&](size_t i) {
        const size_t e = kDirHeader + i * kDirEntry;
        const int size = bytes[e] == 0 ? 256 : bytes[e];
        const int bpp = bytes[e + 6] | (bytes[e + 7] << 8);
        return std::abs(size - preferredSize) * 64 - bpp;
    };
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return score(a) < score(b); });

    BmpStatus last = BmpStatus::UnsupportedCompression;
    for (size_t i : order) {
        const size_t e = kDirHeader + i * kDirEntry;
        const std::uint32_t length = le32(bytes, e + 8);
        const std::uint32_t offset = le32(bytes, e + 12);
        if (offset > bytes.size() || length > bytes.size() - offset) {
            last = BmpStatus::Truncated;
            continue;
        }
        const auto data = bytes.subspan(offset, length);
        if (data.size() >= 4 && std::equal(kPngSignature, kPngSignature + 4, data.begin())) {
            last = BmpStatus::UnsupportedCompression;
            continue;
        }
        last = decodeDib(data, out, true);
        if (last == BmpStatus::Ok)
            return last;
    }
    return last;
}

BmpStatus decodeImageBytes(std::span<const std::uint8_t> bytes, Bitmap& out) {
    if (bytes.size() >= 4 && bytes[0] == 0 && bytes[1] == 0 && bytes[2] == 1 && bytes[3] == 0)
        return decodeIco(bytes, out);
    return decodeBmp(bytes, out);
}

} // namespace ui
