#pragma once
// Names of property sets as the user types them in the named-set dialog. A set is a file
// in the record's folder: its name must stay there.

#include "core/Tvl_String.h"

namespace kw::macro {

// True for a plain file name: not empty, no blanks at either end, no folder separators,
// drive colon, wildcard or control characters, and not "." or "..".
bool isPlainSetName(const Tvl_String& name);

} // namespace kw::macro
