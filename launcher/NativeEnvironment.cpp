#include "launcher/NativeEnvironment.h"

#include "platform/base/Encoding.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/base/Process.h"

#include <cstdlib>
#include <string>

namespace launcher {
namespace {

// The native file a product path names: as written if it exists, else an entry of
// the same folder whose name differs only in case. Wildcards are not interpreted:
// on the product's platform they make a name invalid, not a pattern.
std::optional<std::filesystem::path> resolve(const std::wstring& productPath) {
    const std::filesystem::path native = base::toNative(std::wstring_view(productPath));
    if (native.empty())
        return std::nullopt;
    if (base::pathExists(native))
        return native;
    if (native.filename().string().find_first_of("*?") != std::string::npos)
        return std::nullopt;
    return base::findFirst(native);
}

} // namespace

bool NativeEnvironment::exists(const std::wstring& productPath) {
    return resolve(productPath).has_value();
}

std::optional<std::string> NativeEnvironment::readFile(const std::wstring& productPath) {
    const auto native = resolve(productPath);
    if (!native)
        return std::nullopt;
    return base::readFile(*native);
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
    return launcherFolderOf(base::toProduct(base::ownProgramPath()));
}

} // namespace launcher
