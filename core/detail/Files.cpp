#include "core/detail/Files.h"

#include "platform/base/Files.h"
#include "platform/base/Paths.h"

#include <system_error>

namespace core_detail {

std::filesystem::path nativePath(const Tvl_String& productPath) {
    return base::toNative(std::wstring_view(productPath.str()));
}

Tvl_String productPath(const std::filesystem::path& native) {
    return Tvl_String(base::toProduct(native));
}

Acad::ErrorStatus readWholeFile(const Tvl_String& path, long long maxBytes, std::string& bytes) {
    if (path.isEmpty())
        return CoreStatus::eFileNotFound;
    std::filesystem::path native = nativePath(path);
    std::error_code ec;
    auto status = std::filesystem::status(native, ec);
    if (ec || !std::filesystem::exists(status))
        return CoreStatus::eFileNotFound;
    if (!std::filesystem::is_regular_file(status))
        return CoreStatus::eFileAccessErr;
    auto size = std::filesystem::file_size(native, ec);
    if (ec)
        return CoreStatus::eFileAccessErr;
    if (static_cast<long long>(size) > maxBytes)
        return CoreStatus::eFileTooLarge;
    auto content = base::readFile(native);
    if (!content)
        return CoreStatus::eFileAccessErr;
    if (static_cast<long long>(content->size()) > maxBytes)
        return CoreStatus::eFileTooLarge; // grew while we looked
    bytes = std::move(*content);
    return Acad::eOk;
}

bool writeWholeFileAtomic(const Tvl_String& path, const std::string& bytes) {
    if (path.isEmpty())
        return false;
    return base::writeFileAtomic(nativePath(path), bytes);
}

} // namespace core_detail
