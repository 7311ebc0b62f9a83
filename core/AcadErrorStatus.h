#pragma once
// The result type of the core module's file classes: the host's Acad::ErrorStatus,
// eOk = success. The host's list has no file failures, so the core adds its own values
// under CoreStatus (distinct numbers in the enumeration's range, never clashing with
// the host's names). Callers test for eOk; the other values say why.

#if __has_include("platform/host/ArxTypes.h")
#include "platform/host/ArxTypes.h"
#else
// Until the host's types are in the tree: the same names and values.
namespace Acad {
enum ErrorStatus { eOk = 0, eInvalidInput = 3, eKeyNotFound = 51, eUnknownApplication = 142 };
} // namespace Acad
#endif

namespace CoreStatus {
// A property of that name exists with another type.
inline constexpr Acad::ErrorStatus eWrongDataType = static_cast<Acad::ErrorStatus>(201);
// The file does not exist.
inline constexpr Acad::ErrorStatus eFileNotFound = static_cast<Acad::ErrorStatus>(202);
// The file exists but cannot be read, or cannot be written.
inline constexpr Acad::ErrorStatus eFileAccessErr = static_cast<Acad::ErrorStatus>(203);
// Damaged, truncated or foreign content.
inline constexpr Acad::ErrorStatus eBadFileFormat = static_cast<Acad::ErrorStatus>(204);
// Larger than the reader accepts.
inline constexpr Acad::ErrorStatus eFileTooLarge = static_cast<Acad::ErrorStatus>(205);
} // namespace CoreStatus

// A short English name of a status, for messages ("eBadFileFormat").
const wchar_t* acadErrorStatusText(Acad::ErrorStatus status);
