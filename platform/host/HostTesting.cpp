#include "platform/host/HostTesting.h"

#include "platform/host/CommandLine.h"
#include "platform/host/CommandRegistry.h"
#include "platform/host/ModuleLoader.h"
#include "platform/host/PickQueue.h"
#include "platform/host/Profile.h"

namespace host {

void resetHostForTests() {
    moduleLoader().unloadAll();
    moduleLoader().setSearchPath({});
    commands().clear();
    picks().clear();
    profile().setPath({});
    commandLine().setEcho(false);
    commandLine().clear();
}

} // namespace host
