#pragma once
// The host with real windows (acad --live, docs/live.md): the live backend when a
// display is available, the prompt read from the main loop; without a display a clear
// message on standard error and the headless session as before.

#include "platform/host/HostSession.h"

#include <string>
#include <vector>

namespace host {

// Removes "--live" from the arguments; true when it was there.
bool takeLiveSwitch(std::vector<std::string>& args);
// Runs the session with real windows (or headless, see above); the exit code.
int runLiveHostSession(const StartupOptions& options);

} // namespace host
