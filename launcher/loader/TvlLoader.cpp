// TvlLoader.arx stand-in: the product's loader module. The host loads it by the path
// the launcher puts on its command line ("/ld <launcher folder>TvlLoader.arx"); on its
// init message it loads the product's modules from its own folder, core module first
// (the dialogs module links against it by name).

#include "platform/host/AcRxDynamicLinker.h"

#include "platform/base/Paths.h"

#include <dlfcn.h>
#include <filesystem>
#include <string>

namespace {

const wchar_t* const kModules[] = {L"zelcor.arx", L"KW.arx"};

// This module's own folder in the product's form, ending with "\".
std::wstring ownFolder() {
    Dl_info info{};
    if (::dladdr(reinterpret_cast<const void*>(&ownFolder), &info) == 0 || !info.dli_fname)
        return {};
    const std::wstring self = base::toProduct(std::filesystem::absolute(info.dli_fname));
    return base::productFolder(self);
}

} // namespace

ACRX_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appPacket) {
    switch (msg) {
    case AcRx::kInitAppMsg: {
        if (AcRxDynamicLinker* linker = acrxDynamicLinker) {
            linker->unlockApplication(appPacket);
            linker->registerAppMDIAware(appPacket);
        }
        const std::wstring folder = ownFolder();
        // A module that fails reports itself on the command line; the loader stays
        // loaded so that the user can see what happened and load it by hand.
        for (const wchar_t* name : kModules)
            acrxLoadModule((folder + name).c_str(), true);
        break;
    }
    case AcRx::kUnloadAppMsg:
    default:
        break;
    }
    return AcRx::kRetOK;
}
