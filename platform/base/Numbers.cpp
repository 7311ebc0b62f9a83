#include "platform/base/Numbers.h"

#include "platform/base/Encoding.h"

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <locale.h>
#include <vector>

namespace base {
namespace {

locale_t cLocale() {
    static locale_t loc = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return loc;
}

// C conventions for numbers, UTF-8 for narrow strings in wide formats.
locale_t cUtf8Locale() {
    static locale_t loc = [] {
        locale_t l = newlocale(LC_ALL_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        return l ? l : cLocale();
    }();
    return loc;
}

// Switches this thread to the C locale for the lifetime of the object.
class CLocaleScope {
public:
    explicit CLocaleScope(locale_t loc) : m_old(uselocale(loc)) {}
    ~CLocaleScope() { uselocale(m_old); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    locale_t m_old;
};

bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\v' || c == L'\f' || c == L'\r';
}
bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}

// Rewrites a wide format from the product platform's conventions to the C library's.
std::wstring translateWideFormat(const wchar_t* f) {
    std::wstring out;
    for (const wchar_t* p = f; *p;) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        out += *p++;
        if (*p == L'%') {
            out += *p++;
            continue;
        }
        while (*p && std::wcschr(L"-+ #0'", *p))
            out += *p++;
        while (*p && (isDigit(*p) || *p == L'*'))
            out += *p++;
        if (*p == L'.') {
            out += *p++;
            while (*p && (isDigit(*p) || *p == L'*'))
                out += *p++;
        }
        std::wstring length;
        if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
            length = L"ll";
            p += 3;
        } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
            p += 3;
        } else if (p[0] == L'I') {
            length = L"z";
            ++p;
        } else {
            while (*p && std::wcschr(L"hlLqjzt", *p))
                length += *p++;
        }
        const wchar_t conv = *p;
        if (!conv)
            break;
        ++p;
        switch (conv) {
        case L's':
        case L'c':
            // Wide unless explicitly narrow ('h').
            out += (length == L"h") ? std::wstring() : std::wstring(L"l");
            out += conv;
            break;
        case L'S':
        case L'C':
            // Narrow unless explicitly wide ('l' / 'w').
            out += (length == L"l" || length == L"w") ? std::wstring(L"l") : std::wstring();
            out += static_cast<wchar_t>(conv == L'S' ? L's' : L'c');
            break;
        default:
            out += length;
            out += conv;
            break;
        }
    }
    return out;
}

// Validates the leading number of `s` by the runtime's grammar and returns it as
// ASCII text; `used` receives the characters consumed (0 when there is no number).
template <class Char>
std::string leadingNumber(std::basic_string_view<Char> s, size_t& used, bool allowFraction) {
    used = 0;
    size_t i = 0;
    while (i < s.size() && isBlank(static_cast<wchar_t>(s[i])))
        ++i;
    std::string text;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        text += static_cast<char>(s[i++]);
    size_t digits = 0;
    while (i < s.size() && isDigit(static_cast<wchar_t>(s[i]))) {
        text += static_cast<char>(s[i++]);
        ++digits;
    }
    if (allowFraction && i < s.size() && s[i] == '.') {
        size_t j = i + 1;
        std::string frac = ".";
        while (j < s.size() && isDigit(static_cast<wchar_t>(s[j]))) {
            frac += static_cast<char>(s[j++]);
            ++digits;
        }
        if (digits > 0) {
            text += frac;
            i = j;
        }
    }
    if (digits == 0)
        return {};
    if (allowFraction && i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        std::string exp = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exp += static_cast<char>(s[j++]);
        size_t expDigits = 0;
        while (j < s.size() && isDigit(static_cast<wchar_t>(s[j]))) {
            exp += static_cast<char>(s[j++]);
            ++expDigits;
        }
        if (expDigits > 0) {
            text += exp;
            i = j;
        }
    }
    used = i;
    return text;
}

template <class Char> double parseDoubleImpl(std::basic_string_view<Char> s, size_t* consumed) {
    size_t used = 0;
    const std::string text = leadingNumber(s, used, true);
    if (consumed)
        *consumed = used;
    if (text.empty())
        return 0.0;
    // The text is plain decimal, so strtod_l in the C locale reads exactly it,
    // including the overflow (HUGE_VAL) and underflow results.
    return strtod_l(text.c_str(), nullptr, cLocale());
}

} // namespace

std::string vformatC(const char* format, va_list args) {
    CLocaleScope scope(cLocale());
    va_list copy;
    va_copy(copy, args);
    char small[256];
    const int n = std::vsnprintf(small, sizeof small, format, copy);
    va_end(copy);
    if (n < 0)
        return {};
    if (static_cast<size_t>(n) < sizeof small)
        return std::string(small, static_cast<size_t>(n));
    std::string out(static_cast<size_t>(n) + 1, '\0');
    std::vsnprintf(out.data(), out.size(), format, args);
    out.resize(static_cast<size_t>(n));
    return out;
}

std::string formatC(const char* format, ...) {
    va_list args;
    va_start(args, format);
    std::string out = vformatC(format, args);
    va_end(args);
    return out;
}

std::string formatFixed(double value, int decimals) {
    if (decimals < 0)
        decimals = 0;
    if (decimals > 100)
        decimals = 100;
    if (!std::isfinite(value))
        return formatC("%.*f", decimals, value);
    char buf[512];
    auto [end, ec] =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (ec != std::errc())
        return formatC("%.*f", decimals, value);
    return std::string(buf, end);
}

std::wstring formatFixedW(double value, int decimals) {
    return fromUtf8(formatFixed(value, decimals));
}

std::wstring vformatW(const wchar_t* format, va_list args) {
    const std::wstring fmt = translateWideFormat(format);
    CLocaleScope scope(cUtf8Locale());
    // vswprintf does not say how much room it needs: grow until it fits.
    std::vector<wchar_t> buf(256);
    for (;;) {
        va_list copy;
        va_copy(copy, args);
        errno = 0;
        const int n = std::vswprintf(buf.data(), buf.size(), fmt.c_str(), copy);
        va_end(copy);
        if (n >= 0 && static_cast<size_t>(n) < buf.size())
            return std::wstring(buf.data(), static_cast<size_t>(n));
        if (errno == EILSEQ || buf.size() >= (size_t{1} << 22))
            return {}; // an encoding error or a result beyond reason
        buf.resize(buf.size() * 4);
    }
}

std::wstring formatW(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    std::wstring out = vformatW(format, args);
    va_end(args);
    return out;
}

double parseDouble(std::wstring_view text, size_t* consumed) {
    return parseDoubleImpl(text, consumed);
}
double parseDouble(std::string_view text, size_t* consumed) {
    return parseDoubleImpl(text, consumed);
}

long long parseLongLong(std::wstring_view text, size_t* consumed) {
    size_t used = 0;
    const std::string digits = leadingNumber(text, used, false);
    if (consumed)
        *consumed = used;
    if (digits.empty())
        return 0;
    errno = 0;
    return strtoll_l(digits.c_str(), nullptr, 10, cLocale());
}

int parseInt(std::wstring_view text, size_t* consumed) {
    const long long v = parseLongLong(text, consumed);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

} // namespace base
