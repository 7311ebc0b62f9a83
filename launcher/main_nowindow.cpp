// The launcher without its splash window: the same start-up, messages on standard
// error, the splash time waited out.

#include "launcher/NativeEnvironment.h"
#include "launcher/SplashTiming.h"

#include "platform/base/Encoding.h"

#include <chrono>
#include <cstdio>
#include <thread>

int main()
{
    launcher::NativeEnvironment env([](const std::wstring& caption, const std::wstring& text) {
        std::fprintf(stderr, "%s: %s\n", base::toUtf8(caption).c_str(), base::toUtf8(text).c_str());
    });
    launcher::runStartup(launcher::ownLauncherFolder(), env);
    std::this_thread::sleep_for(std::chrono::milliseconds(launcher::splashMilliseconds()));
    return 0;
}
