#pragma once
// The host's dynamic linker and system registry, under the names modules use.
//
// A module is a shared library that exports
//     ACRX_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appPacket);
// and optionally
//     ACRX_EXPORT int DllMain(HINSTANCE instance, unsigned long reason, void* reserved);
//     ACRX_EXPORT int acrxGetApiVersion();
// The host calls DllMain(DLL_PROCESS_ATTACH) right after loading (0 = the load fails),
// then acrxEntryPoint(kInitAppMsg); on unload acrxEntryPoint(kUnloadAppMsg), then
// DllMain(DLL_PROCESS_DETACH), then unloads the library. A module that links the
// object library `tvl_arx_api` gets acrxGetApiVersion from it, as modules of the
// product platform get it from the toolkit; the host refuses a module whose API
// version differs in its major part (version / 100).
//
// Loading from a module (a loader module loads the product's modules): call
// acrxDynamicLinker->loadModule(path, true) or acrxLoadModule(path, true); paths are
// in the product's form ("c:\trevlon\zelcor.arx") and mapped to native paths by the
// host (platform/base/Paths.h). See platform/host/ModuleLoader.h for the rules.

#include "platform/host/ArxTypes.h"

// The API version the host speaks.
constexpr int kTvlArxApiVersion = 1700;

using AcRxEntryPointFn = AcRx::AppRetCode (*)(AcRx::AppMsgCode, void*);
using AcRxDllMainFn = int (*)(HINSTANCE, unsigned long, void*);
using AcRxApiVersionFn = int (*)();

// Base of the objects kept in the system registry.
class AcRxObject {
public:
    virtual ~AcRxObject() = default;
};

// The system registry: a dictionary of the host's service objects by name.
class AcRxDictionary {
public:
    // The object under `key`, or null.
    AcRxObject* at(const ACHAR* key) const;
};
AcRxDictionary* acrxSysRegistry();

#define ACRX_DYNAMIC_LINKER L"DynamicLinker"
#define ACRX_COMMAND_DOCK L"ACAD_REGISTERED_COMMANDS"

class AcRxDynamicLinker : public AcRxObject {
public:
    static AcRxDynamicLinker* cast(AcRxObject* obj) {
        return dynamic_cast<AcRxDynamicLinker*>(obj);
    }

    // Lets the user unload the module whose packet this is. False for an unknown packet.
    bool unlockApplication(void* appPacket) const;
    bool lockApplication(void* appPacket) const;
    bool isApplicationLocked(const ACHAR* moduleName) const;
    // Marks the module able to work with several documents. eUnknownApplication for an
    // unknown packet.
    Acad::ErrorStatus registerAppMDIAware(void* appPacket) const;
    Acad::ErrorStatus registerAppNotMDIAware(void* appPacket) const;

    // Loads a module by path (product form or native). printit: report on the command
    // line. True when the module is loaded afterwards (also when it already was).
    bool loadModule(const ACHAR* fileName, bool printit, bool asCmd = false);
    // Unloads a loaded module by path or file name. False when it is not loaded, is
    // locked (asCmd only: the user's UNLOAD honours the lock) or is busy.
    bool unloadModule(const ACHAR* fileName, bool printit, bool asCmd = false);
};

#define acrxDynamicLinker (AcRxDynamicLinker::cast(acrxSysRegistry()->at(ACRX_DYNAMIC_LINKER)))

// Free-function forms of the same.
bool acrxLoadModule(const ACHAR* fileName, bool printit, bool asCmd = false);
bool acrxUnloadModule(const ACHAR* fileName, bool asCmd = false);
