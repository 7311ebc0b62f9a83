#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/grid/engine/Value.h"

namespace grid {

// The packed form of one row's cell values in a document's `cell_rows` table
// (see docs/file-formats.md). Per non-empty cell, in increasing column order:
//   varint   column minus the previous cell's column (the first: the column itself)
//   byte     kind: 1 number (8-byte IEEE double, little endian), 2 text (varint
//            byte length + UTF-8), 3 boolean (1 byte 0/1), 4 error (1 byte code),
//            5 integer (zig-zag varint of a whole number that a double holds exactly)
// Varints are unsigned LEB128, at most 10 bytes.
class RowEncoder {
public:
    enum Kind : uint8_t { kNumber = 1, kText = 2, kBoolean = 3, kError = 4, kInteger = 5 };

    void clear() {
        m_bytes.clear();
        m_lastCol = 0;
    }
    bool empty() const { return m_bytes.empty(); }
    const std::string& bytes() const { return m_bytes; }

    // Columns must increase; empty values are skipped.
    void add(int32_t col, const Value& v) {
        if (v.isEmpty())
            return;
        varint(static_cast<uint64_t>(col - m_lastCol));
        m_lastCol = col;
        switch (v.type()) {
        case ValueType::Number: {
            double d = v.asNumber();
            if (d == std::floor(d) && std::fabs(d) < 9007199254740992.0 &&
                !(d == 0 && std::signbit(d))) {
                m_bytes.push_back(static_cast<char>(kInteger));
                int64_t i = static_cast<int64_t>(d);
                varint((static_cast<uint64_t>(i) << 1) ^ static_cast<uint64_t>(i >> 63));
            } else {
                m_bytes.push_back(static_cast<char>(kNumber));
                uint64_t bits;
                std::memcpy(&bits, &d, 8);
                for (int k = 0; k < 8; ++k)
                    m_bytes.push_back(static_cast<char>(bits >> (8 * k)));
            }
            break;
        }
        case ValueType::Text:
            m_bytes.push_back(static_cast<char>(kText));
            varint(v.asText().size());
            m_bytes.append(v.asText());
            break;
        case ValueType::Boolean:
            m_bytes.push_back(static_cast<char>(kBoolean));
            m_bytes.push_back(v.asBoolean() ? 1 : 0);
            break;
        case ValueType::Error:
            m_bytes.push_back(static_cast<char>(kError));
            m_bytes.push_back(static_cast<char>(v.asError()));
            break;
        case ValueType::Empty:
            break;
        }
    }

private:
    void varint(uint64_t v) {
        while (v >= 0x80) {
            m_bytes.push_back(static_cast<char>((v & 0x7F) | 0x80));
            v >>= 7;
        }
        m_bytes.push_back(static_cast<char>(v));
    }

    std::string m_bytes;
    int32_t m_lastCol = 0;
};

// Decodes a row written by RowEncoder, calling `sink(col, Value&&)` per cell.
// False (having called `sink` for the cells before it) when the bytes are not a
// valid row: truncated, unknown kind, bad error code, or columns not increasing
// within 1..maxCol.
template <class Sink> bool decodeRow(std::string_view blob, int32_t maxCol, Sink&& sink) {
    const auto* p = reinterpret_cast<const unsigned char*>(blob.data());
    const auto* end = p + blob.size();
    auto varint = [&](uint64_t& out) {
        out = 0;
        for (int shift = 0; shift < 70; shift += 7) {
            if (p == end)
                return false;
            unsigned char b = *p++;
            out |= static_cast<uint64_t>(b & 0x7F) << shift;
            if (!(b & 0x80))
                return shift < 63 || b <= 1;
        }
        return false;
    };
    int64_t col = 0;
    bool first = true;
    while (p < end) {
        uint64_t delta;
        if (!varint(delta) || delta > static_cast<uint64_t>(maxCol) || (!first && delta == 0))
            return false;
        col += static_cast<int64_t>(delta);
        first = false;
        if (col < 0 || col > maxCol || p == end)
            return false;
        switch (*p++) {
        case RowEncoder::kNumber: {
            if (end - p < 8)
                return false;
            uint64_t bits = 0;
            for (int k = 0; k < 8; ++k)
                bits |= static_cast<uint64_t>(p[k]) << (8 * k);
            p += 8;
            double d;
            std::memcpy(&d, &bits, 8);
            sink(static_cast<int32_t>(col), Value::number(d));
            break;
        }
        case RowEncoder::kInteger: {
            uint64_t z;
            if (!varint(z))
                return false;
            int64_t i = static_cast<int64_t>(z >> 1) ^ -static_cast<int64_t>(z & 1);
            sink(static_cast<int32_t>(col), Value::number(static_cast<double>(i)));
            break;
        }
        case RowEncoder::kText: {
            uint64_t len;
            if (!varint(len) || len > static_cast<uint64_t>(end - p))
                return false;
            sink(static_cast<int32_t>(col),
                 Value::text(std::string(reinterpret_cast<const char*>(p), len)));
            p += len;
            break;
        }
        case RowEncoder::kBoolean:
            if (p == end || *p > 1)
                return false;
            sink(static_cast<int32_t>(col), Value::boolean(*p++ != 0));
            break;
        case RowEncoder::kError:
            if (p == end || *p < static_cast<unsigned char>(ErrorCode::Null) ||
                *p > static_cast<unsigned char>(ErrorCode::Circular))
                return false;
            sink(static_cast<int32_t>(col), Value::error(static_cast<ErrorCode>(*p++)));
            break;
        default:
            return false;
        }
    }
    return true;
}

} // namespace grid
