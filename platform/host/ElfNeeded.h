#pragma once
// The libraries a shared library says it needs (its DT_NEEDED entries), read from the
// file. Used to keep a module loaded while another loaded module links against it.

#include <filesystem>
#include <string>
#include <vector>

namespace host {

// Empty when the file is not a 64-bit little-endian ELF file or has no dynamic section.
std::vector<std::string> neededLibraries(const std::filesystem::path& file);

} // namespace host
