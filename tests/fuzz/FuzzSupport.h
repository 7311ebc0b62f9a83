#pragma once
// What the fuzz targets share: a private scratch folder for readers that take a path,
// and the set-up of the product's folders for readers that look for their files there.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace fuzz {

// A folder of this process, made on first use (in /dev/shm when there is one, so that
// file readers run at memory speed) and removed at exit.
const std::string& scratchDir();

// Writes the bytes to `path`, replacing the file; false when it cannot.
bool writeFile(const std::string& path, std::string_view bytes);

inline std::string_view bytesOf(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// One input as two files: the first runs up to a backslash followed by any other
// character (a doubled backslash stands for one), the second is the rest; nullopt as
// the second when the input has no such separator.
std::pair<std::string, std::optional<std::string>> splitInTwo(std::string_view bytes);

// Points the product's library folder (TVL_LIB_DIR) at scratchDir() + "/lib/", with the
// language EN, and reloads the settings. Returns the library folder (with its slash).
std::string useScratchLibrary();

} // namespace fuzz
