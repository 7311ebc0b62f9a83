#include "tests/fuzz/FuzzSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "core/Tvl_Settings.h"

namespace fuzz {

namespace {

std::string makeScratchDir() {
    std::filesystem::path base = "/dev/shm";
    std::error_code ec;
    if (!std::filesystem::is_directory(base, ec) || access(base.c_str(), W_OK) != 0)
        base = std::filesystem::temp_directory_path(ec);
    std::filesystem::path dir = base / ("tvl-fuzz-" + std::to_string(getpid()));
    std::filesystem::remove_all(dir, ec);
    std::filesystem::create_directories(dir, ec);
    return dir.string();
}

} // namespace

const std::string& scratchDir() {
    // Never destroyed: the clean-up at exit still needs it.
    static const std::string* const dir = [] {
        auto* d = new std::string(makeScratchDir());
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(scratchDir(), ec);
        });
        return d;
    }();
    return *dir;
}

bool writeFile(const std::string& path, std::string_view bytes) {
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(f);
}

std::pair<std::string, std::optional<std::string>> splitInTwo(std::string_view bytes) {
    std::string first;
    for (size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\\' && i + 1 < bytes.size()) {
            if (bytes[i + 1] != '\\')
                return {std::move(first), std::string(bytes.substr(i + 2))};
            ++i;
        }
        first += bytes[i];
    }
    return {std::move(first), std::nullopt};
}

std::string useScratchLibrary() {
    const std::string lib = scratchDir() + "/lib/";
    std::error_code ec;
    std::filesystem::create_directories(lib + "prof", ec);
    setenv("TVL_LIB_DIR", lib.c_str(), 1);
    setenv("TVL_LANGUAGE", "EN", 1);
    gSettings.reload();
    return lib;
}

} // namespace fuzz
