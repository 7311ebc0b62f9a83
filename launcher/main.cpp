// Trevlon: the launcher. It takes no arguments of its own and writes no files: it
// reads its settings from its own folder, starts the host program (or reports wrong
// settings and starts the settings program) while its splash is up, and ends when the
// splash closes. Without a display, HeadlessDriver stands in for the screen.

#include "launcher/HeadlessDriver.h"
#include "launcher/NativeEnvironment.h"
#include "launcher/SplashDialog.h"
#include "launcher/SplashTiming.h"

int main() {
    launcher::HeadlessDriver driver;
    launcher::NativeEnvironment env(nullptr);
    launcher::runSplash(env, launcher::ownLauncherFolder(), launcher::splashMilliseconds());
    return 0;
}
