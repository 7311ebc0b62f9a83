// Setvora.exe stand-in: the product's settings program is not part of this system.
// This one says what it is and which settings the launcher wants corrected, as read
// from the launcher folder it lives in, and ends.

#include "launcher/NativeEnvironment.h"

#include "platform/base/Encoding.h"

#include <cstdio>

int main() {
    launcher::NativeEnvironment env(nullptr);
    const std::wstring folder = launcher::ownLauncherFolder();
    const std::wstring cfg = folder + std::wstring(launcher::kSettingsFile);
    const bool hasCfg = env.exists(cfg);
    const launcher::Settings s =
        launcher::readSettings(hasCfg ? env.readFile(cfg) : std::nullopt, std::nullopt);
    auto u = [](const std::wstring& w) { return base::toUtf8(w); };
    std::printf("Setvora (stand-in for the Brindmark settings program)\n");
    std::printf("It would edit %s%s:\n", u(cfg).c_str(),
                hasCfg ? "" : " (missing, it would be created)");
    std::printf("  tvllib   location of the Brindmark Library   now: \"%s\"\n",
                u(s.libraryLocation).c_str());
    std::printf("  acaddir  location of AutoCAD (with acad.exe) now: \"%s\"\n",
                u(s.acadLocation).c_str());
    std::printf("  language product language (EN, NL, DE, FR)   now: \"%s\"\n",
                u(s.language).c_str());
    return 0;
}
