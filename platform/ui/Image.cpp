#include "platform/ui/Image.h"

#include "platform/base/Encoding.h"
#include "platform/base/Files.h"
#include "platform/ui/draw/Bmp.h"

#include <filesystem>

namespace ui {

Size Image::size() const {
    if (empty())
        return {};
    // The decoder's header reading knows every header version and refuses damaged ones.
    Size s;
    if (readBmpSize(std::span<const std::uint8_t>(bmp->data(), bmp->size()), s) != BmpStatus::Ok)
        return {};
    return s;
}

Image loadImageFile(const std::string& nativePath) {
    // Larger than any picture the decoder accepts: not worth reading.
    constexpr std::uintmax_t kMaxFileBytes = 512u * 1024 * 1024;
    std::error_code ec;
    const std::uintmax_t bytesOnDisk = std::filesystem::file_size(nativePath, ec);
    if (ec || bytesOnDisk > kMaxFileBytes)
        return {};
    std::optional<std::string> data = base::readFile(nativePath);
    if (!data)
        return {};
    auto bytes = std::make_shared<std::vector<std::uint8_t>>(data->begin(), data->end());
    Size s;
    if (readBmpSize(std::span<const std::uint8_t>(bytes->data(), bytes->size()), s) != BmpStatus::Ok)
        return {};
    Image img;
    img.file = base::fromUtf8(nativePath);
    img.bmp = std::move(bytes);
    return img;
}

} // namespace ui
