#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace grid {

// Little-endian byte buffer used by the binary writers.
class ByteWriter {
public:
    void u8(uint8_t v) { m_bytes.push_back(static_cast<char>(v)); }
    void u16(uint16_t v) {
        u8(static_cast<uint8_t>(v));
        u8(static_cast<uint8_t>(v >> 8));
    }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v));
        u16(static_cast<uint16_t>(v >> 16));
    }
    void u64(uint64_t v) {
        u32(static_cast<uint32_t>(v));
        u32(static_cast<uint32_t>(v >> 32));
    }
    void f64(double v) {
        uint64_t bits;
        std::memcpy(&bits, &v, sizeof bits);
        u64(bits);
    }
    void bytes(std::string_view b) { m_bytes.append(b); }
    void zeros(size_t n) { m_bytes.append(n, '\0'); }

    void patchU16(size_t at, uint16_t v) {
        m_bytes[at] = static_cast<char>(v);
        m_bytes[at + 1] = static_cast<char>(v >> 8);
    }
    void patchU32(size_t at, uint32_t v) {
        patchU16(at, static_cast<uint16_t>(v));
        patchU16(at + 2, static_cast<uint16_t>(v >> 16));
    }

    size_t size() const { return m_bytes.size(); }
    const std::string& data() const { return m_bytes; }
    std::string take() { return std::move(m_bytes); }
    void reserve(size_t n) { m_bytes.reserve(n); }

private:
    std::string m_bytes;
};

} // namespace grid
