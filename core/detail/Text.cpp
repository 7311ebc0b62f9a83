#include "core/detail/Text.h"
#include "platform/base/Encoding.h"

#include <cerrno>
#include <climits>
#include <cstdarg>
#include <cstdlib>
#include <cwchar>
#include <locale.h>
#include <vector>

namespace core_detail {

namespace {

locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// Switches the calling thread to the C locale for the lifetime of the object.
class CLocaleScope {
public:
    CLocaleScope() : m_old(uselocale(cLocale())) {}
    ~CLocaleScope() { uselocale(m_old); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_old;
};

// Decodes one sequence at `i`; returns false when it is malformed.
bool decodeOne(std::string_view b, size_t& i, char32_t& c) {
    unsigned char first = static_cast<unsigned char>(b[i]);
    int extra;
    char32_t min;
    if (first < 0x80) {
        c = first;
        ++i;
        return true;
    } else if ((first & 0xE0) == 0xC0) {
        extra = 1;
        c = first & 0x1F;
        min = 0x80;
    } else if ((first & 0xF0) == 0xE0) {
        extra = 2;
        c = first & 0x0F;
        min = 0x800;
    } else if ((first & 0xF8) == 0xF0) {
        extra = 3;
        c = first & 0x07;
        min = 0x10000;
    } else {
        return false;
    }
    if (i + extra >= b.size())
        return false;
    for (int k = 1; k <= extra; ++k) {
        unsigned char cont = static_cast<unsigned char>(b[i + k]);
        if ((cont & 0xC0) != 0x80)
            return false;
        c = (c << 6) | (cont & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return false;
    i += extra + 1;
    return true;
}

} // namespace

std::string toUtf8(std::wstring_view text) {
    std::string out;
    out.reserve(text.size());
    for (wchar_t w : text) {
        base::appendUtf8(out, static_cast<char32_t>(w));
    }
    return out;
}

bool fromUtf8(std::string_view bytes, std::wstring& out) {
    out.clear();
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        char32_t c;
        if (!decodeOne(bytes, i, c))
            return false;
        out += static_cast<wchar_t>(c);
    }
    return true;
}

std::wstring fromUtf8Lenient(std::string_view bytes) {
    std::wstring out;
    out.reserve(bytes.size());
    size_t i = 0;
    while (i < bytes.size()) {
        char32_t c;
        if (decodeOne(bytes, i, c)) {
            out += static_cast<wchar_t>(c);
        } else {
            out += L'\uFFFD';
            ++i;
        }
    }
    return out;
}

wchar_t toUpperChar(wchar_t c) {
    if (c >= L'a' && c <= L'z')
        return c - 32;
    if (c < 0xB5)
        return c;
    if (c == 0xB5)
        return 0x39C;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7)
        return c - 32;
    if (c == 0xFF)
        return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        // Pairs: even upper / odd lower, except 0x130-0x131, 0x138 and the odd-based
        // runs 0x139-0x148 and 0x179-0x17E.
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
            return (c % 2 == 0) ? c - 1 : c;
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F || c == 0x130)
            return c == 0x131 ? L'I' : c;
        return (c % 2 == 1) ? c - 1 : c;
    }
    if (c >= 0x3B1 && c <= 0x3C9 && c != 0x3C2)
        return c - 32;
    if (c >= 0x430 && c <= 0x44F)
        return c - 32;
    if (c >= 0x450 && c <= 0x45F)
        return c - 80;
    return c;
}

wchar_t toLowerChar(wchar_t c) {
    if (c >= L'A' && c <= L'Z')
        return c + 32;
    if (c < 0xC0)
        return c;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7)
        return c + 32;
    if (c == 0x178)
        return 0xFF;
    if (c >= 0x100 && c <= 0x17F) {
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
            return (c % 2 == 1) ? c + 1 : c;
        if (c == 0x130)
            return L'i';
        if (c == 0x131 || c == 0x138 || c == 0x149 || c == 0x17F)
            return c;
        return (c % 2 == 0) ? c + 1 : c;
    }
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2)
        return c + 32;
    if (c >= 0x410 && c <= 0x42F)
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    return c;
}

double parseLeadingDouble(std::wstring_view text, size_t* end) {
    std::wstring copy(text);
    wchar_t* stop = nullptr;
    double v = wcstod_l(copy.c_str(), &stop, cLocale());
    size_t used = static_cast<size_t>(stop - copy.c_str());
    if (end)
        *end = used;
    return used == 0 ? 0.0 : v;
}

long long parseLeadingInteger(std::wstring_view text, size_t* end) {
    std::wstring copy(text);
    wchar_t* stop = nullptr;
    errno = 0;
    long long v = wcstoll(copy.c_str(), &stop, 10);
    size_t used = static_cast<size_t>(stop - copy.c_str());
    if (end)
        *end = used;
    return used == 0 ? 0 : v;
}

std::wstring vformatC(const wchar_t* format, va_list args) {
    if (!format)
        return {};
    CLocaleScope scope;
    std::vector<wchar_t> buf(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        int n = std::vswprintf(buf.data(), buf.size(), format, copy);
        va_end(copy);
        if (n >= 0 && static_cast<size_t>(n) < buf.size())
            return std::wstring(buf.data(), static_cast<size_t>(n));
        // vswprintf gives -1 both for a short buffer and for an encoding error;
        // grow up to a sane bound, then give up with what fits.
        if (buf.size() >= (1u << 22))
            return std::wstring();
        buf.resize(buf.size() * 4);
    }
}

std::wstring formatC(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    std::wstring s = vformatC(format, args);
    va_end(args);
    return s;
}

} // namespace core_detail
