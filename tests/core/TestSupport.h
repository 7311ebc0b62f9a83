#pragma once
// Shared helpers of the core tests: readable failure output and scratch folders.

#include "core/Tvl_String.h"

#include <cstdlib>
#include <filesystem>
#include <ostream>
#include <string>

inline void PrintTo(const Tvl_String& s, std::ostream* os) {
    *os << '"' << s.toUtf8() << '"';
}

// A fresh, empty scratch folder for one test (below TVL_TEST_TMP).
inline std::filesystem::path scratchDir(const std::string& name) {
    const char* root = std::getenv("TVL_TEST_TMP");
    std::filesystem::path dir = std::filesystem::path(root ? root : "/tmp/tvl-core-tests") / name;
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

// A native path as the product writes it (rooted paths map to themselves).
inline Tvl_String productForm(const std::filesystem::path& p) {
    std::wstring s = Tvl_String::fromUtf8(p.string()).str();
    for (wchar_t& c : s) {
        if (c == L'/')
            c = L'\\';
    }
    return Tvl_String(s);
}
