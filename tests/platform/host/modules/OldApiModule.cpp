// A module built for another API version: the host must refuse it.
#include "platform/host/AcRxDynamicLinker.h"

ACRX_EXPORT int acrxGetApiVersion() {
    return 1500;
}
ACRX_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode, void*) {
    return AcRx::kRetOK;
}
