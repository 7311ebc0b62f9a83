#pragma once
// Basic types of the host's module programming interface, under the names the product's
// code uses: character type, integer types, error status, entry-message codes and the
// handle of a module. Everything here is in the global namespace on purpose: modules are
// written against these names.

#include <cstdint>

using ACHAR = wchar_t;

// Module instance handle, as handed to a module's DllMain and kept by its resource
// switch. Here it is the host's own record of the loaded module (opaque to modules).
#ifndef TVL_HINSTANCE_DEFINED
#define TVL_HINSTANCE_DEFINED
using HINSTANCE = void*;
#endif

namespace Adesk {
using Int8 = std::int8_t;
using Int16 = std::int16_t;
using Int32 = std::int32_t;
using Int64 = std::int64_t;
using UInt8 = std::uint8_t;
using UInt16 = std::uint16_t;
using UInt32 = std::uint32_t;
using UInt64 = std::uint64_t;
using Boolean = bool;
using IntDbId = std::int64_t;
constexpr bool kFalse = false;
constexpr bool kTrue = true;
} // namespace Adesk

namespace Acad {
// Results of host services. Only eOk has a fixed value (0); the others are ours.
enum ErrorStatus {
    eOk = 0,
    eNotImplementedYet = 1,
    eNotApplicable = 2,
    eInvalidInput = 3,
    eOutOfMemory = 6,
    eNullObjectId = 16,
    eKeyNotFound = 51,
    eDuplicateKey = 53,
    eAlreadyActive = 140,
    eNotInGroup = 141,
    eUnknownApplication = 142
};
} // namespace Acad

namespace AcRx {
// Messages a module's acrxEntryPoint receives. Other values exist on the product's
// platform; a module ignores what it does not know.
enum AppMsgCode { kNullMsg = 0, kInitAppMsg = 1, kUnloadAppMsg = 2 };
enum AppRetCode { kRetOK = 0, kRetError = 3 };
} // namespace AcRx

// Result codes of the interactive functions (acedGetPoint, acedEntSel, ...).
constexpr int RTNORM = 5100;
constexpr int RTERROR = -5001;
constexpr int RTCAN = -5002;
constexpr int RTNONE = 5000;

using ads_real = double;
using ads_point = ads_real[3];

// Marks a function a module exports to the host (acrxEntryPoint, DllMain, ...).
#define ACRX_EXPORT extern "C" __attribute__((visibility("default")))

// DllMain reasons.
constexpr unsigned long DLL_PROCESS_DETACH = 0;
constexpr unsigned long DLL_PROCESS_ATTACH = 1;
