#pragma once
// A look at a ZIP archive's central directory before a library unpacks it: how many
// parts it has and how large they claim to be unpacked, so that an archive that would
// unpack to gigabytes (or that is cut short) is refused before anything is unpacked.

#include <cstdint>
#include <string>
#include <string_view>

namespace grid::zip {

struct DirectorySummary {
    uint64_t entries = 0;
    uint64_t largestEntry = 0;  // unpacked bytes of the largest part
    uint64_t unpackedTotal = 0; // unpacked bytes of all parts
};

// False with a reason when the bytes hold no complete, consistent central directory
// (not a ZIP file, truncated, ZIP64 sizes, entries outside the file).
bool readDirectory(std::string_view bytes, DirectorySummary& out, std::string& why);

} // namespace grid::zip
