// Linked into every module (object library tvl_arx_api): the version function the host
// checks when it loads the module.

#include "platform/host/AcRxDynamicLinker.h"

ACRX_EXPORT int acrxGetApiVersion() {
    return kTvlArxApiVersion;
}
