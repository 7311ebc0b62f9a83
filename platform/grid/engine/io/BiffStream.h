#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/grid/engine/io/ByteWriter.h"

namespace grid::xls {

// A BIFF8 record stream: records are a 16-bit type, a 16-bit length and at most
// 8224 bytes of data; longer data goes on in CONTINUE records.
class BiffStream {
public:
    static constexpr size_t kMaxRecordData = 8224;
    static constexpr uint16_t kContinue = 0x003C;

    // Writes one record; data beyond the limit is split into CONTINUE records at
    // the limit (for records whose data may be split anywhere).
    void record(uint16_t type, const std::string& data);
    void record(uint16_t type, const ByteWriter& data) { record(type, data.data()); }
    size_t position() const { return m_out.size(); }
    ByteWriter& raw() { return m_out; }
    std::string take() { return m_out.take(); }

private:
    ByteWriter m_out;
};

// Writes the shared string table (SST with its CONTINUE records, which must not
// split a string's header and must repeat the option byte where characters go
// on) and the EXTSST index that points into it.
class SstWriter {
public:
    // Returns the string's index; equal strings share one entry.
    uint32_t add(const std::string& utf8);
    void countUse() { ++m_total; }
    size_t size() const { return m_strings.size(); }
    void write(BiffStream& stream) const;

private:
    std::vector<std::u16string> m_strings;
    std::unordered_map<std::string, uint32_t> m_index;
    uint32_t m_total = 0;
};

} // namespace grid::xls
