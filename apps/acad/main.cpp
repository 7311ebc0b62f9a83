// acad: the CAD host stand-in program. See platform/host/HostSession.h for its command
// line and what it does; docs/automation.md for its scripts.

#include "platform/host/HostSession.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return host::runHostSession(host::parseStartupOptions(args), std::cin);
}
