#include "core/detail/Escape.h"

#include <cstdint>
#include <cwchar>

namespace core_detail {

namespace {

bool needsEscape(wchar_t w) {
    auto c = static_cast<std::uint32_t>(w);
    return c < 0x20 || c == 0x7F || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF;
}

} // namespace

std::wstring escapeText(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (wchar_t w : text) {
        switch (w) {
        case L'\\':
            out += L"\\\\";
            break;
        case L'\n':
            out += L"\\n";
            break;
        case L'\r':
            out += L"\\r";
            break;
        case L'\t':
            out += L"\\t";
            break;
        default:
            if (needsEscape(w)) {
                wchar_t buf[16];
                std::swprintf(buf, 16, L"\\u{%X}",
                              static_cast<unsigned>(static_cast<std::uint32_t>(w)));
                out += buf;
            } else {
                out += w;
            }
        }
    }
    return out;
}

bool unescapeText(std::wstring_view in, std::wstring& out) {
    out.clear();
    for (size_t i = 0; i < in.size(); ++i) {
        wchar_t c = in[i];
        if (c != L'\\') {
            out += c;
            continue;
        }
        if (++i >= in.size())
            return false;
        switch (in[i]) {
        case L'\\':
            out += L'\\';
            break;
        case L'n':
            out += L'\n';
            break;
        case L'r':
            out += L'\r';
            break;
        case L't':
            out += L'\t';
            break;
        case L'u': {
            if (++i >= in.size() || in[i] != L'{')
                return false;
            std::uint64_t v = 0;
            size_t digits = 0;
            while (++i < in.size() && in[i] != L'}') {
                wchar_t h = in[i];
                int d = (h >= L'0' && h <= L'9')   ? h - L'0'
                        : (h >= L'A' && h <= L'F') ? h - L'A' + 10
                        : (h >= L'a' && h <= L'f') ? h - L'a' + 10
                                                   : -1;
                if (d < 0 || ++digits > 8)
                    return false;
                v = v * 16 + static_cast<std::uint64_t>(d);
            }
            if (i >= in.size() || digits == 0)
                return false;
            out += static_cast<wchar_t>(static_cast<std::uint32_t>(v));
            break;
        }
        default:
            return false;
        }
    }
    return true;
}

} // namespace core_detail
