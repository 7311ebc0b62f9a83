#pragma once

#include <cstdint>
#include <cstring>
#include <string_view>

namespace grid::kws {

// The checksum of a document's contents (the `checksum` key of the `document`
// table): the sum, modulo 2^64, of one hash per stored table row. Each row's hash
// covers its table's number and every field in column order, so the sum does not
// depend on the order in which rows are written or read, and a changed, lost or
// added row changes it. It guards against damage, not against deliberate edits.
class RowHash {
public:
    explicit RowHash(uint64_t table) { mix(table + 0x9E3779B97F4A7C15ull); }

    void addInt(int64_t v) { mix(static_cast<uint64_t>(v) ^ 0x1000000000000001ull); }
    void addDouble(double v) {
        uint64_t bits;
        std::memcpy(&bits, &v, 8);
        mix(bits ^ 0x2000000000000002ull);
    }
    void addNull() { mix(0x3000000000000003ull); }
    void addBytes(std::string_view b) {
        mix(b.size() ^ 0x4000000000000004ull);
        size_t i = 0;
        for (; i + 8 <= b.size(); i += 8) {
            uint64_t w;
            std::memcpy(&w, b.data() + i, 8);
            mix(w);
        }
        uint64_t tail = 0;
        std::memcpy(&tail, b.data() + i, b.size() - i);
        mix(tail);
    }
    uint64_t value() const {
        uint64_t h = m_h;
        h ^= h >> 33;
        h *= 0xFF51AFD7ED558CCDull;
        h ^= h >> 33;
        return h;
    }

private:
    void mix(uint64_t v) {
        m_h ^= v;
        m_h *= 0x100000001B3ull * 0x9E3779B1ull | 1;
        m_h ^= m_h >> 29;
    }
    uint64_t m_h = 0xCBF29CE484222325ull;
};

// Table numbers in the checksum.
enum ChecksumTable : uint64_t {
    kSumDocument = 1,
    kSumOptions,
    kSumCellRows,
    kSumFormulas,
    kSumFormats,
    kSumCellTypes,
    kSumAttributes,
    kSumSpans,
    kSumWidths,
    kSumHeights
};

inline constexpr const char* kKeyChecksum = "checksum";

} // namespace grid::kws
