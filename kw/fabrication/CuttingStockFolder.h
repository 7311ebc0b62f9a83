#pragma once
// The "Cutting Stock\" folder of the library as the cutting-stock dialog uses it: the
// newest file of a kind, the next free "Stock<n>" name, and file times in words.

#include "core/Tvl_String.h"

#include <ctime>

namespace kw::fabrication {

// "<libDir>Cutting Stock\".
Tvl_String cuttingStockFolder();
// The most recently modified file matching `pattern` ("*.shp"); of files with the same
// time the later in name order. False when there is none.
bool newestFile(const Tvl_String& folder, const Tvl_String& pattern, Tvl_String& name,
                std::time_t& time);
// "Stock" + (the highest n of the folder's files "Stock<n>.<extension>" + 1, or 1) +
// "." + extension. Only numbers of digits alone that fit an int count; case is ignored.
Tvl_String nextStockName(const Tvl_String& folder, const Tvl_String& extension);
// The time as "%d %B, %Y (%H:%M)" in local time and English month names; "" when it
// cannot be converted.
Tvl_String fileTimeText(std::time_t time);
// `path` with ".<extension>" added unless it already ends with it (case ignored).
Tvl_String withExtension(const Tvl_String& path, const Tvl_String& extension);

} // namespace kw::fabrication
