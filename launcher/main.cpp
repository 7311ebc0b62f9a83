// Trevlon: the launcher. It takes no arguments of its own and writes no files: it
// reads its settings from its own folder, starts the host program (or reports wrong
// settings and starts the settings program) while its splash is up, and ends when the
// splash closes. Without a display, HeadlessDriver stands in for the screen.

#include "launcher/HeadlessDriver.h"
#include "launcher/NativeEnvironment.h"
#include "launcher/SplashDialog.h"
#include "launcher/SplashTiming.h"

#include <csignal>

int main() {
    // Standard error may be a closed pipe: a failed write must not end the launcher
    // before it has started what it must (the programs it starts get SIGPIPE back).
    std::signal(SIGPIPE, SIG_IGN);
    launcher::HeadlessDriver driver;
    launcher::NativeEnvironment env(nullptr);
    launcher::runSplash(env, launcher::ownLauncherFolder(), launcher::splashMilliseconds());
    return 0;
}
