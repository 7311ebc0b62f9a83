#pragma once
// Internal file access of the core module on product-form paths.

#include "core/AcadErrorStatus.h"
#include "core/Tvl_String.h"

#include <filesystem>
#include <string>

namespace core_detail {

std::filesystem::path nativePath(const Tvl_String& productPath);
Tvl_String productPath(const std::filesystem::path& native);

// Reads a whole file of at most `maxBytes`: eOk, eFileNotFound, eFileAccessErr or eFileTooLarge.
Acad::ErrorStatus readWholeFile(const Tvl_String& productPath, long long maxBytes,
                                std::string& bytes);
// Replaces the file atomically (temporary file + rename); false on any failure.
bool writeWholeFileAtomic(const Tvl_String& productPath, const std::string& bytes);

} // namespace core_detail
