#include "platform/ui/Image.h"

#include <fstream>
#include <iterator>

namespace ui {

namespace {
std::int32_t le32(const std::vector<std::uint8_t>& b, size_t at) {
    return static_cast<std::int32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
                                     (static_cast<std::uint32_t>(b[at + 3]) << 24));
}
} // namespace

Size Image::size() const {
    if (empty() || bmp->size() < 26 || (*bmp)[0] != 'B' || (*bmp)[1] != 'M')
        return {};
    std::int32_t w = le32(*bmp, 18);
    std::int32_t h = le32(*bmp, 22);
    return {w < 0 ? -w : w, h < 0 ? -h : h};
}

Image loadImageFile(const std::string& nativePath) {
    std::ifstream in(nativePath, std::ios::binary);
    if (!in)
        return {};
    std::vector<std::uint8_t> data((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
    if (data.size() < 26 || data[0] != 'B' || data[1] != 'M')
        return {};
    Image img;
    img.file = std::wstring(nativePath.begin(), nativePath.end());
    img.bmp = std::make_shared<const std::vector<std::uint8_t>>(std::move(data));
    return img;
}

} // namespace ui
