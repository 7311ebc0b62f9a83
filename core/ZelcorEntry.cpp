// The module's entry as the host sees it: it declares itself unloadable and able to
// serve several documents, and adds the user commands (core/commands/UserCommands.h).

#if TVL_HOST_AVAILABLE

#include "core/commands/UserCommands.h"
#include "platform/host/AcRxDynamicLinker.h"

ACRX_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appPacket) {
    if (msg == AcRx::kInitAppMsg) {
        if (AcRxDynamicLinker* linker = acrxDynamicLinker) {
            linker->unlockApplication(appPacket);
            linker->registerAppMDIAware(appPacket);
        }
        registerUserCommands();
    } else if (msg == AcRx::kUnloadAppMsg) {
        removeUserCommands();
    }
    return AcRx::kRetOK;
}

#endif
