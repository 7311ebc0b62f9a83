// Test helper: an empty module that stands in for the product's modules (zelcor.arx,
// KW.arx) where only their loading matters.

#include "platform/host/AcRxDynamicLinker.h"

ACRX_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appPacket) {
    if (msg == AcRx::kInitAppMsg)
        acrxDynamicLinker->unlockApplication(appPacket);
    return AcRx::kRetOK;
}
