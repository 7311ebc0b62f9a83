#include "platform/grid/engine/io/CompoundFileWriter.h"

#include <algorithm>
#include <cctype>

#include "platform/grid/engine/io/ByteWriter.h"

namespace grid {

namespace {

constexpr uint32_t kFreeSect = 0xFFFFFFFF;
constexpr uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr uint32_t kFatSect = 0xFFFFFFFD;
constexpr uint32_t kDifSect = 0xFFFFFFFC;
constexpr uint32_t kNoStream = 0xFFFFFFFF;
constexpr size_t kEntriesPerSector = CompoundFileWriter::kSectorSize / 4; // 128
constexpr size_t kHeaderDifat = 109;
constexpr size_t kDirEntrySize = 128;

size_t sectorsFor(size_t bytes) {
    return (bytes + CompoundFileWriter::kSectorSize - 1) / CompoundFileWriter::kSectorSize;
}

struct DirEntry {
    std::string name;
    uint8_t type = 0; // 1 storage, 2 stream, 5 root
    uint32_t left = kNoStream, right = kNoStream, child = kNoStream;
    uint32_t start = kEndOfChain;
    uint32_t size = 0;
};

// Directory siblings form a binary search tree ordered by name length, then by
// upper-cased name. Built balanced and all black, which is a valid red-black tree.
uint32_t buildTree(std::vector<DirEntry>& entries, std::vector<uint32_t>& order, size_t lo,
                   size_t hi) {
    if (lo >= hi)
        return kNoStream;
    size_t mid = (lo + hi) / 2;
    uint32_t id = order[mid];
    entries[id].left = buildTree(entries, order, lo, mid);
    entries[id].right = buildTree(entries, order, mid + 1, hi);
    return id;
}

void writeDirEntry(ByteWriter& out, const DirEntry& e) {
    size_t start = out.size();
    if (e.type != 0) {
        for (char c : e.name)
            out.u16(static_cast<uint8_t>(c));
        out.u16(0);
    }
    out.zeros(64 - (out.size() - start));
    out.u16(e.type ? static_cast<uint16_t>((e.name.size() + 1) * 2) : 0);
    out.u8(e.type);
    out.u8(1); // black
    out.u32(e.left);
    out.u32(e.right);
    out.u32(e.child);
    out.zeros(16 + 4 + 8 + 8); // class id, state bits, times
    out.u32(e.type ? e.start : 0);
    out.u32(e.size);
    out.u32(0);
}

} // namespace

void CompoundFileWriter::addStream(const std::string& name, std::string bytes) {
    for (auto& s : m_streams)
        if (s.name == name) {
            s.bytes = std::move(bytes);
            return;
        }
    m_streams.push_back({name.substr(0, 31), std::move(bytes)});
}

std::string CompoundFileWriter::build() const {
    // Sector layout: stream data, directory, FAT, DIFAT.
    std::vector<size_t> streamSectors;
    size_t dataSectors = 0;
    for (const auto& s : m_streams) {
        size_t size = std::max(s.bytes.size(), kMiniStreamCutoff);
        streamSectors.push_back(sectorsFor(size));
        dataSectors += streamSectors.back();
    }
    size_t dirEntries = 1 + m_streams.size();
    size_t dirSectors = (dirEntries * kDirEntrySize + kSectorSize - 1) / kSectorSize;
    size_t fatSectors = 0, difatSectors = 0;
    for (;;) {
        size_t total = dataSectors + dirSectors + fatSectors + difatSectors;
        size_t needFat = (total + kEntriesPerSector - 1) / kEntriesPerSector;
        size_t needDifat = needFat > kHeaderDifat ? (needFat - kHeaderDifat + 126) / 127 : 0;
        if (needFat == fatSectors && needDifat == difatSectors)
            break;
        fatSectors = needFat;
        difatSectors = needDifat;
    }
    const uint32_t dirStart = static_cast<uint32_t>(dataSectors);
    const uint32_t fatStart = dirStart + static_cast<uint32_t>(dirSectors);
    const uint32_t difatStart = fatStart + static_cast<uint32_t>(fatSectors);

    std::vector<uint32_t> fat(fatSectors * kEntriesPerSector, kFreeSect);
    std::vector<DirEntry> dir(1);
    dir[0].name = "Root Entry";
    dir[0].type = 5;
    uint32_t next = 0;
    for (size_t i = 0; i < m_streams.size(); ++i) {
        DirEntry e;
        e.name = m_streams[i].name;
        e.type = 2;
        e.start = next;
        e.size = static_cast<uint32_t>(std::max(m_streams[i].bytes.size(), kMiniStreamCutoff));
        for (size_t k = 0; k < streamSectors[i]; ++k, ++next)
            fat[next] = k + 1 < streamSectors[i] ? next + 1 : kEndOfChain;
        dir.push_back(e);
    }
    for (size_t k = 0; k < dirSectors; ++k)
        fat[dirStart + k] =
            k + 1 < dirSectors ? dirStart + static_cast<uint32_t>(k) + 1 : kEndOfChain;
    for (size_t k = 0; k < fatSectors; ++k)
        fat[fatStart + k] = kFatSect;
    for (size_t k = 0; k < difatSectors; ++k)
        fat[difatStart + k] = kDifSect;

    std::vector<uint32_t> order;
    for (uint32_t i = 1; i < dir.size(); ++i)
        order.push_back(i);
    auto upper = [](std::string s) {
        for (auto& c : s)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return s;
    };
    std::sort(order.begin(), order.end(), [&](uint32_t a, uint32_t b) {
        if (dir[a].name.size() != dir[b].name.size())
            return dir[a].name.size() < dir[b].name.size();
        return upper(dir[a].name) < upper(dir[b].name);
    });
    dir[0].child = buildTree(dir, order, 0, order.size());

    ByteWriter out;
    out.reserve((1 + dataSectors + dirSectors + fatSectors + difatSectors) * kSectorSize);
    // Header.
    out.bytes(std::string_view("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    out.zeros(16);
    out.u16(0x003E);
    out.u16(0x0003);
    out.u16(0xFFFE);
    out.u16(9); // 512-byte sectors
    out.u16(6); // 64-byte mini sectors
    out.zeros(6);
    out.u32(0); // directory sector count (must be 0 in version 3)
    out.u32(static_cast<uint32_t>(fatSectors));
    out.u32(dirStart);
    out.u32(0); // transaction signature
    out.u32(static_cast<uint32_t>(kMiniStreamCutoff));
    out.u32(kEndOfChain); // no mini FAT
    out.u32(0);
    out.u32(difatSectors ? difatStart : kEndOfChain);
    out.u32(static_cast<uint32_t>(difatSectors));
    for (size_t k = 0; k < kHeaderDifat; ++k)
        out.u32(k < fatSectors ? fatStart + static_cast<uint32_t>(k) : kFreeSect);

    for (size_t i = 0; i < m_streams.size(); ++i) {
        out.bytes(m_streams[i].bytes);
        out.zeros(streamSectors[i] * kSectorSize - m_streams[i].bytes.size());
    }
    size_t dirBytes = out.size();
    for (const auto& e : dir)
        writeDirEntry(out, e);
    while (out.size() - dirBytes < dirSectors * kSectorSize)
        writeDirEntry(out, DirEntry{});
    for (uint32_t v : fat)
        out.u32(v);
    // DIFAT sectors: 127 FAT sector numbers each, then the next DIFAT sector.
    size_t fatIndex = kHeaderDifat;
    for (size_t k = 0; k < difatSectors; ++k) {
        for (size_t j = 0; j < 127; ++j, ++fatIndex)
            out.u32(fatIndex < fatSectors ? fatStart + static_cast<uint32_t>(fatIndex) : kFreeSect);
        out.u32(k + 1 < difatSectors ? difatStart + static_cast<uint32_t>(k) + 1 : kEndOfChain);
    }
    return out.take();
}

} // namespace grid
