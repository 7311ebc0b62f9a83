#include "platform/base/Paths.h"

#include "platform/base/Encoding.h"

#include <cstdlib>
#include <mutex>

namespace base {
namespace {

std::mutex g_rootMutex;
std::filesystem::path g_root; // empty = not set by API

bool isSep(wchar_t c) {
    return c == L'\\' || c == L'/';
}

bool isDriveLetter(wchar_t c) {
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}

std::filesystem::path defaultRoot() {
    if (const char* env = std::getenv("TVL_DRIVE_ROOT"); env && *env)
        return env;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg)
        return std::filesystem::path(xdg) / "trevlon" / "drives";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::filesystem::path(home) / ".local" / "share" / "trevlon" / "drives";
    return "/tmp/trevlon-drives";
}

// The root as text without a trailing slash (except for "/" itself).
std::string rootText() {
    std::string r = driveRoot().lexically_normal().string();
    while (r.size() > 1 && r.back() == '/')
        r.pop_back();
    return r;
}

std::string slashes(std::wstring_view rest) {
    std::wstring w(rest);
    for (auto& c : w)
        if (c == L'\\')
            c = L'/';
    return toUtf8(w);
}

std::string stripLeadingSeps(std::wstring_view rest) {
    size_t i = 0;
    while (i < rest.size() && isSep(rest[i]))
        ++i;
    return slashes(rest.substr(i));
}

} // namespace

std::filesystem::path driveRoot() {
    {
        std::lock_guard lock(g_rootMutex);
        if (!g_root.empty())
            return g_root;
    }
    return defaultRoot();
}

void setDriveRoot(const std::filesystem::path& root) {
    std::lock_guard lock(g_rootMutex);
    g_root = root;
}

std::filesystem::path toNative(std::wstring_view p) {
    // Drive path: "x:" followed by anything.
    if (p.size() >= 2 && isDriveLetter(p[0]) && p[1] == L':') {
        std::string out = rootText();
        if (out != "/")
            out += '/';
        out += static_cast<char>(toLowerChar(p[0]));
        const std::string rest = stripLeadingSeps(p.substr(2));
        if (!rest.empty() || p.size() > 2)
            out += '/';
        out += rest;
        return out;
    }
    // UNC path: two separators, then server and share.
    if (p.size() >= 3 && isSep(p[0]) && isSep(p[1]) && !isSep(p[2])) {
        std::string out = rootText();
        if (out != "/")
            out += '/';
        out += "unc/";
        out += slashes(p.substr(2));
        return out;
    }
    return slashes(p);
}

std::filesystem::path toNative(std::string_view productPathUtf8) {
    return toNative(fromUtf8(productPathUtf8));
}

std::wstring toProduct(const std::filesystem::path& nativePath) {
    const std::string text = nativePath.string();
    const std::string root = rootText();
    std::wstring out;
    if (!text.empty() && text[0] == '/' && root != "/") {
        const std::string prefix = root + '/';
        if (text.compare(0, prefix.size(), prefix) == 0) {
            const std::string rest = text.substr(prefix.size());
            // <root>/x or <root>/x/...
            if (!rest.empty() && rest[0] >= 'a' && rest[0] <= 'z' &&
                (rest.size() == 1 || rest[1] == '/')) {
                out = fromUtf8(rest.substr(0, 1)) + L":";
                out += rest.size() == 1 ? std::wstring(L"\\") : fromUtf8(rest.substr(1));
            } else if (rest.compare(0, 4, "unc/") == 0 && rest.size() > 4) {
                out = L"//" + fromUtf8(rest.substr(4));
            }
        }
    }
    if (out.empty())
        out = fromUtf8(text);
    for (auto& c : out)
        if (c == L'/')
            c = L'\\';
    return out;
}

std::wstring productFolder(std::wstring_view p) {
    const auto pos = p.find_last_of(L"\\/");
    if (pos == std::wstring_view::npos)
        return {};
    return std::wstring(p.substr(0, pos + 1));
}

std::wstring productFileName(std::wstring_view p) {
    const auto pos = p.find_last_of(L"\\/");
    return std::wstring(pos == std::wstring_view::npos ? p : p.substr(pos + 1));
}

std::wstring productJoin(std::wstring_view folder, std::wstring_view name) {
    std::wstring out(folder);
    while (!out.empty() && isSep(out.back()))
        out.pop_back();
    size_t i = 0;
    while (i < name.size() && isSep(name[i]))
        ++i;
    if (!folder.empty())
        out += L'\\';
    out += name.substr(i);
    return out;
}

} // namespace base
