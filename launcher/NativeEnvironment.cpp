#include "launcher/NativeEnvironment.h"

#include "platform/base/Encoding.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/base/Process.h"

#include <cerrno>
#include <system_error>

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace launcher {
namespace fs = std::filesystem;
namespace {

// The entry of `folder` whose name equals `name` without regard to case (the name as
// written first); nullopt when there is none. Wildcards are not interpreted: on the
// product's platform they make a name invalid, not a pattern.
std::optional<fs::path> entryNoCase(const fs::path& folder, const std::string& name) {
    const fs::path exact = folder / name;
    std::error_code ec;
    if (fs::symlink_status(exact, ec).type() != fs::file_type::not_found && !ec)
        return exact;
    if (name.find_first_of("*?") != std::string::npos || !base::isValidUtf8(name))
        return std::nullopt;
    const std::wstring wide = base::fromUtf8(name);
    std::optional<fs::path> found;
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec), end;
         !ec && it != end; it.increment(ec)) {
        const std::string entry = it->path().filename().string();
        if (base::isValidUtf8(entry) && base::equalsNoCase(base::fromUtf8(entry), wide)) {
            // The first in name order, as the platform's search returns it.
            if (!found || entry < found->filename().string())
                found = folder / entry;
        }
    }
    return found;
}

// The native file a product path names, every part of it compared without regard to
// case, as the product's paths are. A path with a NUL character names nothing.
std::optional<fs::path> resolve(const std::wstring& productPath) {
    if (productPath.find(L'\0') != std::wstring::npos)
        return std::nullopt;
    const fs::path native = base::toNative(std::wstring_view(productPath));
    if (native.empty())
        return std::nullopt;
    if (base::pathExists(native))
        return native;
    fs::path at = native.root_path();
    for (const fs::path& part : native.relative_path()) {
        const std::string name = part.string();
        if (name.empty() || name == ".") // a trailing separator
            continue;
        if (name == "..") {
            at /= part;
            continue;
        }
        auto next = entryNoCase(at, name);
        if (!next)
            return std::nullopt;
        at = *next;
    }
    return base::pathExists(at) ? std::optional<fs::path>(at) : std::nullopt;
}

} // namespace

bool NativeEnvironment::exists(const std::wstring& productPath) {
    return resolve(productPath).has_value();
}

bool NativeEnvironment::readPieces(const std::wstring& productPath,
                                   const std::function<bool(std::string_view)>& piece) {
    const auto native = resolve(productPath);
    if (!native)
        return false;
    // Without blocking: a FIFO or a device in place of a settings file must not hang
    // the start; only regular files are read.
    const int fd = ::open(native->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    char buffer[64 * 1024];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0 || !piece(std::string_view(buffer, static_cast<size_t>(n))))
            break; // the end, a read error (it ends the reading), or enough read
    }
    ::close(fd);
    return true;
}

void NativeEnvironment::showMessage(const std::wstring& caption, const std::wstring& text) {
    if (m_messages)
        m_messages(caption, text);
}

void NativeEnvironment::startProgram(const std::wstring& file, const std::wstring& parameters) {
    const auto native = resolve(file);
    if (!native)
        return;
    std::vector<std::string> args;
    for (const auto& a : base::splitCommandLine(parameters))
        args.push_back(base::toUtf8(a));
    // TREVLON_LIVE=1 asks for the host with real windows (docs/live.md).
    const char* live = std::getenv("TREVLON_LIVE");
    if (live && std::string(live) == "1" &&
        base::equalsNoCase(native->filename().wstring(), L"acad.exe"))
        args.push_back("--live");
    base::startDetached(*native, args);
}

std::wstring ownLauncherFolder() {
    const fs::path program = base::ownProgramPath();
    if (!base::isValidUtf8(program.parent_path().string()))
        return {}; // reported by the start-up
    return launcherFolderOf(base::toProduct(program));
}

} // namespace launcher
