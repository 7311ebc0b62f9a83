#include "platform/grid/engine/io/Utf.h"

#include <cstdint>

namespace grid {

std::u16string utf8ToUtf16(std::string_view text) {
    std::u16string out;
    out.reserve(text.size());
    size_t i = 0;
    const size_t n = text.size();
    auto byte = [&](size_t k) { return static_cast<uint8_t>(text[k]); };
    while (i < n) {
        uint8_t b = byte(i);
        uint32_t cp = 0xFFFD;
        size_t len = 1;
        if (b < 0x80) {
            cp = b;
        } else if ((b & 0xE0) == 0xC0) {
            len = 2;
        } else if ((b & 0xF0) == 0xE0) {
            len = 3;
        } else if ((b & 0xF8) == 0xF0) {
            len = 4;
        }
        if (len > 1) {
            bool good = i + len <= n;
            uint32_t v = b & (0x7F >> len);
            for (size_t k = 1; good && k < len; ++k) {
                if ((byte(i + k) & 0xC0) != 0x80)
                    good = false;
                else
                    v = (v << 6) | (byte(i + k) & 0x3F);
            }
            static const uint32_t kMin[] = {0, 0, 0x80, 0x800, 0x10000};
            if (good && v >= kMin[len] && v <= 0x10FFFF && (v < 0xD800 || v > 0xDFFF)) {
                cp = v;
            } else {
                cp = 0xFFFD;
                len = 1;
            }
        }
        i += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            out.push_back(static_cast<char16_t>(cp));
        }
    }
    return out;
}

bool fitsLatin1(const std::u16string& text) {
    for (char16_t c : text)
        if (c > 0xFF)
            return false;
    return true;
}

} // namespace grid
