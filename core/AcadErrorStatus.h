#pragma once
// The result type of the core module's file classes. eOk is success; every other value
// names what went wrong. Values are stable: they may be printed or stored by callers.

namespace Acad {

enum ErrorStatus {
    eOk = 0,
    eInvalidInput = 1,     // an argument is not acceptable (empty key, bad name)
    eKeyNotFound = 2,      // no property of that name
    eWrongDataType = 3,    // a property of that name exists with another type
    eFileNotFound = 4,     // the file does not exist
    eFileAccessErr = 5,    // the file exists but cannot be read, or cannot be written
    eBadFileFormat = 6,    // damaged, truncated or foreign content
    eFileTooLarge = 7,     // larger than the class accepts
};

} // namespace Acad

// A short English name of a status, for messages ("eBadFileFormat").
const wchar_t* acadErrorStatusText(Acad::ErrorStatus status);
