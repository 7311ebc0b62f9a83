#include "platform/base/Files.h"

#include "platform/base/Encoding.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace base {
namespace {

bool hasWildcards(std::wstring_view s) {
    return s.find_first_of(L"*?") != std::wstring_view::npos;
}

// Wildcard match with backtracking on the last '*'; linear for ordinary patterns.
bool match(std::wstring_view name, std::wstring_view pat) {
    size_t n = 0, p = 0, starP = std::wstring_view::npos, starN = 0;
    while (n < name.size()) {
        if (p < pat.size() && (pat[p] == L'?' || toLowerChar(pat[p]) == toLowerChar(name[n]))) {
            ++n;
            ++p;
        } else if (p < pat.size() && pat[p] == L'*') {
            starP = p++;
            starN = n;
        } else if (starP != std::wstring_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pat.size() && pat[p] == L'*')
        ++p;
    return p == pat.size();
}

std::vector<fs::path> sortedEntries(const fs::path& folder) {
    std::vector<fs::path> names;
    std::error_code ec;
    fs::directory_iterator it(folder, ec), end;
    for (; !ec && it != end; it.increment(ec))
        names.push_back(it->path().filename());
    std::sort(names.begin(), names.end());
    return names;
}

bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    size_t left = bytes.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

} // namespace

bool pathExists(const NativePath& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(path, ec);
}

bool matchesWildcard(std::wstring_view name, std::wstring_view pattern) {
    if (pattern == L"*.*")
        return true;
    return match(name, pattern);
}

std::optional<NativePath> findFirst(const NativePath& pattern) {
    if (pattern.empty())
        return std::nullopt;
    const std::wstring last = fromUtf8(pattern.filename().string());
    if (!hasWildcards(last)) {
        if (base::pathExists(pattern))
            return pattern;
        // Windows names compare without regard to case: try the folder's entries.
        fs::path folder = pattern.parent_path();
        for (const auto& name : sortedEntries(folder.empty() ? fs::path(".") : folder)) {
            if (equalsNoCase(fromUtf8(name.string()), last))
                return folder / name;
        }
        return std::nullopt;
    }
    fs::path folder = pattern.parent_path();
    const fs::path search = folder.empty() ? fs::path(".") : folder;
    std::error_code ec;
    if (!fs::is_directory(search, ec))
        return std::nullopt;
    for (const char* dot : {".", ".."}) {
        if (matchesWildcard(fromUtf8(dot), last))
            return folder / dot;
    }
    for (const auto& name : sortedEntries(search)) {
        if (matchesWildcard(fromUtf8(name.string()), last))
            return folder / name;
    }
    return std::nullopt;
}

bool existsMatching(const NativePath& pattern) {
    return findFirst(pattern).has_value();
}

std::vector<NativePath> findFiles(const NativePath& folder, std::wstring_view pattern,
                                  Recurse recurse) {
    std::vector<NativePath> out;
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        return out;
    auto consider = [&](const fs::directory_entry& e) {
        std::error_code fec;
        if (e.is_regular_file(fec) &&
            matchesWildcard(fromUtf8(e.path().filename().string()), pattern))
            out.push_back(e.path());
    };
    if (recurse == Recurse::Yes) {
        fs::recursive_directory_iterator it(folder, fs::directory_options::skip_permission_denied,
                                            ec),
            end;
        for (; !ec && it != end; it.increment(ec))
            consider(*it);
    } else {
        fs::directory_iterator it(folder, ec), end;
        for (; !ec && it != end; it.increment(ec))
            consider(*it);
    }
    std::sort(out.begin(), out.end());
    return out;
}

std::optional<std::string> readFile(const NativePath& path) {
    std::error_code ec;
    if (fs::is_directory(path, ec))
        return std::nullopt;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f)
        return std::nullopt;
    std::string data;
    char buf[65536];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
        data.append(buf, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    if (failed)
        return std::nullopt;
    return data;
}

std::optional<std::vector<std::string>> readLines(const NativePath& path) {
    auto data = readFile(path);
    if (!data)
        return std::nullopt;
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < data->size()) {
        size_t end = data->find('\n', start);
        const bool last = end == std::string::npos;
        if (last)
            end = data->size();
        size_t stop = end;
        if (stop > start && (*data)[stop - 1] == '\r')
            --stop;
        lines.emplace_back(data->substr(start, stop - start));
        start = last ? data->size() : end + 1;
    }
    return lines;
}

bool writeFile(const NativePath& path, std::string_view bytes) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    const bool ok = writeAll(fd, bytes);
    return (::close(fd) == 0) && ok;
}

bool writeFileAtomic(const NativePath& path, std::string_view bytes) {
    if (path.empty() || !path.has_filename())
        return false;
    // A temporary name in the same folder, so that rename() is atomic.
    std::random_device rd;
    const fs::path temp =
        path.parent_path() / (std::string(".") + path.filename().string() + ".tmp" +
                              std::to_string(::getpid()) + "-" + std::to_string(rd()));
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    // Keep the permissions of a file we replace.
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0)
        ::fchmod(fd, st.st_mode & 07777);
    bool ok = writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok)
        ok = ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable.
    const fs::path dir = path.parent_path().empty() ? fs::path(".") : path.parent_path();
    const int dfd = ::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dfd >= 0) {
        ::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

bool copyFile(const NativePath& from, const NativePath& to) {
    auto data = readFile(from);
    if (!data)
        return false;
    if (!writeFileAtomic(to, *data))
        return false;
    struct stat st {};
    if (::stat(from.c_str(), &st) == 0)
        ::chmod(to.c_str(), st.st_mode & 07777);
    return true;
}

bool removeFile(const NativePath& path) {
    std::error_code ec;
    if (fs::is_directory(fs::symlink_status(path, ec)))
        return false;
    return fs::remove(path, ec) && !ec;
}

bool createFolder(const NativePath& path) {
    if (path.empty())
        return false;
    std::error_code ec;
    fs::create_directories(path, ec);
    return fs::is_directory(path, ec);
}

std::optional<std::time_t> modificationTime(const NativePath& path) {
    struct stat st {};
    if (path.empty() || ::stat(path.c_str(), &st) != 0)
        return std::nullopt;
    return st.st_mtime;
}

std::string formatLocalTime(std::time_t t, const char* format) {
    static const char* const kMonths[] = {"January",   "February", "March",    "April",
                                          "May",       "June",     "July",     "August",
                                          "September", "October",  "November", "December"};
    std::tm tm{};
    if (!localtime_r(&t, &tm))
        return {};
    // Month names are substituted here so that the process locale cannot change them.
    std::string fmt;
    for (const char* p = format; *p; ++p) {
        if (p[0] == '%' && p[1] == 'B') {
            fmt += kMonths[tm.tm_mon];
            ++p;
        } else if (p[0] == '%' && p[1] == '%') {
            fmt += "%%";
            ++p;
        } else {
            fmt += *p;
        }
    }
    char buf[256];
    const size_t n = std::strftime(buf, sizeof buf, fmt.c_str(), &tm);
    return std::string(buf, n);
}

} // namespace base
