// A module that links against hosttest.arx (as KW.arx links zelcor.arx): command
// "GREET" prints what hosttest gives it.
#include "platform/host/AcEd.h"
#include "platform/host/AcEdCommandStack.h"
#include "platform/host/AcRxDynamicLinker.h"

ACRX_EXPORT const wchar_t* hosttestGreeting();

namespace {
void greet() {
    acutPrintf(L"%s\n", hosttestGreeting());
}
} // namespace

ACRX_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* pkt) {
    if (msg == AcRx::kInitAppMsg) {
        acrxDynamicLinker->unlockApplication(pkt);
        acedRegCmds->addCommand(L"HOSTDEP", L"GREET", L"GREET", ACRX_CMD_MODAL, greet);
    } else if (msg == AcRx::kUnloadAppMsg) {
        acedRegCmds->removeGroup(L"HOSTDEP");
        acutPrintf(L"hostdep unloaded\n");
    }
    return AcRx::kRetOK;
}
