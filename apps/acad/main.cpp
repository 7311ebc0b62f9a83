// acad: the CAD host stand-in program. See platform/host/HostSession.h for its command
// line and what it does; docs/automation.md for its scripts; docs/live.md for --live.

#include "platform/host/HostSession.h"
#include "platform/host/LiveSession.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (host::takeLiveSwitch(args))
        return host::runLiveHostSession(host::parseStartupOptions(args));
    return host::runHostSession(host::parseStartupOptions(args), std::cin);
}
