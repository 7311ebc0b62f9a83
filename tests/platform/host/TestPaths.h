#pragma once
// Scratch folders and build outputs for the host's tests.

#include <cstdlib>
#include <filesystem>
#include <string>

namespace hosttest {

inline std::filesystem::path scratch(const std::string& name) {
    const char* tmp = std::getenv("TVL_TEST_TMP");
    std::filesystem::path dir = tmp && *tmp ? std::filesystem::path(tmp)
                                            : std::filesystem::temp_directory_path() / "host_tests";
    dir /= name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

inline std::filesystem::path binary(const std::string& file) {
    return std::filesystem::path(TVL_BINARY_DIR) / "bin" / file;
}

} // namespace hosttest
