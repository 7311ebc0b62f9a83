// The module's entry as the host sees it. The core keeps no commands of its own here;
// it only declares itself unloadable and able to serve several documents.

#if TVL_HOST_AVAILABLE

#include "platform/host/AcRxDynamicLinker.h"

ACRX_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appPacket) {
    if (msg == AcRx::kInitAppMsg) {
        if (AcRxDynamicLinker* linker = acrxDynamicLinker) {
            linker->unlockApplication(appPacket);
            linker->registerAppMDIAware(appPacket);
        }
    }
    return AcRx::kRetOK;
}

#endif
