#include "platform/grid/engine/io/ZipDirectory.h"

#include <algorithm>

namespace grid::zip {

namespace {

constexpr uint32_t kEndSignature = 0x06054b50;
constexpr uint32_t kEntrySignature = 0x02014b50;
constexpr size_t kEndSize = 22;
constexpr size_t kEntrySize = 46;
constexpr uint32_t kZip64Mark = 0xFFFFFFFF;

uint32_t u16(std::string_view b, size_t at) {
    return static_cast<uint8_t>(b[at]) | static_cast<uint32_t>(static_cast<uint8_t>(b[at + 1]))
                                             << 8;
}
uint32_t u32(std::string_view b, size_t at) {
    return u16(b, at) | u16(b, at + 2) << 16;
}

} // namespace

bool readDirectory(std::string_view bytes, DirectorySummary& out, std::string& why) {
    out = {};
    if (bytes.size() < kEndSize) {
        why = "too short for a ZIP archive";
        return false;
    }
    // The end record is the last one in the file, followed only by its comment.
    size_t end = std::string_view::npos;
    const size_t lowest = bytes.size() > kEndSize + 0xFFFF ? bytes.size() - kEndSize - 0xFFFF : 0;
    for (size_t at = bytes.size() - kEndSize + 1; at-- > lowest;) {
        if (u32(bytes, at) == kEndSignature &&
            at + kEndSize + u16(bytes, at + 20) == bytes.size()) {
            end = at;
            break;
        }
    }
    if (end == std::string_view::npos) {
        why = "no ZIP directory at the end (not a ZIP archive, or cut short)";
        return false;
    }
    const uint64_t entries = u16(bytes, end + 10);
    const uint64_t dirSize = u32(bytes, end + 12);
    const uint64_t dirOffset = u32(bytes, end + 16);
    if (dirOffset + dirSize > end) {
        why = "the ZIP directory lies outside the file";
        return false;
    }
    size_t at = static_cast<size_t>(dirOffset);
    for (uint64_t i = 0; i < entries; ++i) {
        if (at + kEntrySize > end || u32(bytes, at) != kEntrySignature) {
            why = "the ZIP directory is damaged";
            return false;
        }
        const uint32_t packed = u32(bytes, at + 20);
        const uint32_t unpacked = u32(bytes, at + 24);
        const uint32_t localOffset = u32(bytes, at + 42);
        if (packed == kZip64Mark || unpacked == kZip64Mark || localOffset == kZip64Mark) {
            why = "ZIP64 archives are not read";
            return false;
        }
        if (static_cast<uint64_t>(localOffset) + packed > dirOffset) {
            why = "a ZIP entry lies outside the file";
            return false;
        }
        out.largestEntry = std::max<uint64_t>(out.largestEntry, unpacked);
        out.unpackedTotal += unpacked;
        at += kEntrySize + u16(bytes, at + 28) + u16(bytes, at + 30) + u16(bytes, at + 32);
    }
    out.entries = entries;
    return true;
}

} // namespace grid::zip
