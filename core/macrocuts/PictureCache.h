#pragma once
// Pictures of files (macro previews, cut kinds) as the core's picture controls show
// them: each file is decoded once and scaled down once to fit the size it is shown at
// (never enlarged); later requests for the same file, unchanged on disk, at the same
// size are answered from memory. A missing, damaged or oversized file (more than
// kMaxSide pixels a side) gives the placeholder picture, so a list still works.
//
// One cache for the session; it holds at most kMaxEntries pictures and is emptied
// when it would grow beyond that.

#include "core/Tvl_String.h"
#include "platform/ui/Image.h"

namespace picture_cache {

inline constexpr int kMaxSide = 4096;
inline constexpr size_t kMaxEntries = 4096;

// The picture of file `path` (product form) fitted into box x box pixels.
ui::Image picture(const Tvl_String& path, int box);
// The placeholder picture of that size: a grey frame with a cross.
ui::Image placeholder(int box);
// How many files were decoded since the start (or the last clear).
long long decodeCount();
void clear();

} // namespace picture_cache
