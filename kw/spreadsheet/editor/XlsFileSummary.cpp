#include "kw/spreadsheet/editor/XlsFileSummary.h"

#include <cstdint>
#include <cstring>

namespace kw {

namespace {

constexpr char kSignature[8] = {'\xD0', '\xCF', '\x11', '\xE0', '\xA1', '\xB1', '\x1A', '\xE1'};
constexpr uint32_t kEndOfChain = 0xFFFFFFFEu;
constexpr uint32_t kFreeSector = 0xFFFFFFFFu;
constexpr size_t kMiniCutoff = 4096;

class Reader {
public:
    explicit Reader(const std::string& b) : m_b(b) {}
    bool has(size_t at, size_t n) const { return at <= m_b.size() && n <= m_b.size() - at; }
    uint32_t u32(size_t at) const {
        uint32_t v = 0;
        for (int i = 3; i >= 0; --i)
            v = (v << 8) | static_cast<unsigned char>(m_b[at + i]);
        return v;
    }
    uint16_t u16(size_t at) const {
        return static_cast<uint16_t>(static_cast<unsigned char>(m_b[at]) |
                                     (static_cast<unsigned char>(m_b[at + 1]) << 8));
    }
    const std::string& bytes() const { return m_b; }

private:
    const std::string& m_b;
};

struct Compound {
    const Reader& r;
    size_t sector = 512;
    std::vector<uint32_t> fat;

    size_t offset(uint32_t s) const { return (static_cast<size_t>(s) + 1) * sector; }
    // The sectors of a chain, each inside the file, without loops.
    bool chain(uint32_t first, std::vector<uint32_t>& out) const {
        out.clear();
        for (uint32_t s = first; s != kEndOfChain;) {
            if (s >= fat.size() || !r.has(offset(s), sector) || out.size() > fat.size())
                return false;
            out.push_back(s);
            s = fat[s];
        }
        return true;
    }
    bool stream(uint32_t first, size_t size, std::string& out) const {
        std::vector<uint32_t> sectors;
        if (!chain(first, sectors) || sectors.size() * sector < size)
            return false;
        out.clear();
        out.reserve(size);
        for (uint32_t s : sectors)
            out.append(r.bytes(), offset(s), sector);
        out.resize(size);
        return true;
    }
};

bool readFat(const Reader& r, Compound& cf, std::string& why) {
    const uint32_t fatSectors = r.u32(0x2C);
    // No chain is longer than the file has sectors: that bounds every loop below.
    const size_t fileSectors = r.bytes().size() / cf.sector;
    if (fatSectors > fileSectors) {
        why = "the table of sectors is larger than the file";
        return false;
    }
    std::vector<uint32_t> difat;
    for (size_t i = 0; i < 109 && difat.size() < fatSectors; ++i)
        difat.push_back(r.u32(0x4C + 4 * i));
    uint32_t next = r.u32(0x44);
    for (uint32_t guard = 0;
         difat.size() < fatSectors && next != kEndOfChain && next != kFreeSector; ++guard) {
        const size_t at = cf.offset(next);
        if (!r.has(at, cf.sector) || guard > fileSectors) {
            why = "the table of sectors is damaged";
            return false;
        }
        const size_t per = cf.sector / 4 - 1;
        for (size_t i = 0; i < per && difat.size() < fatSectors; ++i)
            difat.push_back(r.u32(at + 4 * i));
        next = r.u32(at + 4 * per);
    }
    if (difat.size() != fatSectors) {
        why = "the table of sectors is incomplete";
        return false;
    }
    for (uint32_t s : difat) {
        const size_t at = cf.offset(s);
        if (!r.has(at, cf.sector)) {
            why = "the table of sectors lies outside the file";
            return false;
        }
        for (size_t i = 0; i < cf.sector / 4; ++i)
            cf.fat.push_back(r.u32(at + 4 * i));
    }
    return true;
}

// The "Workbook" stream of the compound file.
bool workbookStream(const std::string& bytes, std::string& out, std::string& why) {
    const Reader r(bytes);
    if (!r.has(0, 512) || std::memcmp(bytes.data(), kSignature, 8) != 0) {
        why = "not an Excel 97-2003 file (no compound file header)";
        return false;
    }
    Compound cf{r};
    const uint16_t shift = r.u16(0x1E);
    if (shift != 9 && shift != 12) {
        why = "unknown sector size";
        return false;
    }
    cf.sector = size_t{1} << shift;
    if (!readFat(r, cf, why))
        return false;
    std::vector<uint32_t> dir;
    if (!cf.chain(r.u32(0x30), dir)) {
        why = "the directory is damaged";
        return false;
    }
    for (uint32_t s : dir)
        for (size_t e = 0; e + 128 <= cf.sector; e += 128) {
            const size_t at = cf.offset(s) + e;
            const uint16_t nameBytes = r.u16(at + 0x40);
            if (r.bytes()[at + 0x42] != 2 || nameBytes != 18) // a stream named "Workbook"
                continue;
            std::string name;
            for (size_t i = 0; i < 8; ++i)
                name += static_cast<char>(r.u16(at + 2 * i));
            if (name != "Workbook")
                continue;
            const size_t size = r.u32(at + 0x78);
            if (size < kMiniCutoff) {
                why = "the workbook is too short to be one of ours";
                return false;
            }
            if (!cf.stream(r.u32(at + 0x74), size, out)) {
                why = "the workbook stream is damaged";
                return false;
            }
            return true;
        }
    why = "no workbook in the file";
    return false;
}

} // namespace

bool summariseXls(const std::string& bytes, XlsSummary& summary, std::string& why) {
    summary = {};
    std::string wb;
    if (!workbookStream(bytes, wb, why))
        return false;
    const Reader r(wb);
    constexpr uint16_t kBof = 0x0809, kEof = 0x000A, kBoundSheet = 0x0085, kDimensions = 0x0200;
    if (!r.has(0, 4) || r.u16(0) != kBof) {
        why = "the workbook does not start with a BOF record";
        return false;
    }
    uint32_t firstSheet = 0;
    bool ended = false;
    for (size_t at = 0; r.has(at, 4);) {
        const uint16_t id = r.u16(at), len = r.u16(at + 2);
        if (!r.has(at + 4, len)) {
            why = "a record runs past the end of the workbook";
            return false;
        }
        const size_t d = at + 4;
        if (id == kBoundSheet && len >= 8) {
            if (summary.sheets.empty())
                firstSheet = r.u32(d);
            const size_t cch = static_cast<unsigned char>(wb[d + 6]);
            const bool wide = (wb[d + 7] & 1) != 0;
            if (8 + cch * (wide ? 2 : 1) > len) {
                why = "a sheet name runs past its record";
                return false;
            }
            std::string name;
            for (size_t i = 0; i < cch; ++i)
                name += wide ? static_cast<char>(r.u16(d + 8 + 2 * i)) : wb[d + 8 + i];
            summary.sheets.push_back(name);
        }
        at = d + len;
        if (id == kEof) {
            ended = true;
            break;
        }
    }
    if (!ended || summary.sheets.empty()) {
        why = "the workbook names no sheet";
        return false;
    }
    if (!r.has(firstSheet, 4) || r.u16(firstSheet) != kBof) {
        why = "the first sheet is not where the workbook says";
        return false;
    }
    for (size_t at = firstSheet; r.has(at, 4);) {
        const uint16_t id = r.u16(at), len = r.u16(at + 2);
        if (!r.has(at + 4, len))
            break;
        if (id == kDimensions && len >= 14) {
            const long long rows = static_cast<long long>(r.u32(at + 8)) - r.u32(at + 4);
            const int cols = r.u16(at + 14) - r.u16(at + 12);
            if (rows < 0 || rows > 65536 || cols < 0 || cols > 256)
                break;
            summary.rows = static_cast<int>(rows);
            summary.cols = cols;
            return true;
        }
        if (id == kEof)
            break;
        at += 4 + len;
    }
    why = "the first sheet gives no size";
    return false;
}

} // namespace kw
