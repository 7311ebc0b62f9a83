#pragma once
// Which design names the designer accepts: names become file names below the designs'
// root, so they hold no characters that file names may not hold.

#include "core/Tvl_String.h"

namespace kw::designer {

// False for an empty name, control characters, < > : " | ? * and "/", an empty, "." or
// ".." part; with allowFolders false also for "\" (a name of one part only).
bool isValidDesignName(const Tvl_String& name, bool allowFolders);

} // namespace kw::designer
