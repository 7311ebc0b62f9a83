#include "platform/host/Printf.h"

#include "platform/base/Encoding.h"

#include <clocale>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <cwchar>
#include <locale.h>
#include <string_view>

namespace host {
namespace {

enum class Length { None, Char, Short, Long, LongLong, Size, IntMax, PtrDiff, LongDouble, Int32 };

struct Spec {
    std::string flags;
    int width = -1;
    int precision = -1;
    Length length = Length::None;
    wchar_t conv = 0;
};

// snprintf in the C locale, whatever the process locale is.
template <class... Args> std::string cFormat(const std::string& fmt, Args... args) {
    static locale_t cLocale = newlocale(LC_ALL_MASK, "C", nullptr);
    const locale_t old = cLocale ? uselocale(cLocale) : nullptr;
    char small[128];
    std::string out;
    const int n = std::snprintf(small, sizeof small, fmt.c_str(), args...);
    if (n >= 0 && n < static_cast<int>(sizeof small)) {
        out.assign(small, static_cast<size_t>(n));
    } else if (n >= 0) {
        out.resize(static_cast<size_t>(n) + 1);
        std::snprintf(out.data(), out.size(), fmt.c_str(), args...);
        out.resize(static_cast<size_t>(n));
    }
    if (old)
        uselocale(old);
    return out;
}

std::string narrowSpec(const Spec& s, const char* lengthAndConv) {
    std::string f = "%" + s.flags;
    if (s.width >= 0)
        f += std::to_string(s.width);
    if (s.precision >= 0)
        f += "." + std::to_string(s.precision);
    return f + lengthAndConv;
}

void pad(std::wstring& out, std::wstring_view body, const Spec& s) {
    const bool left = s.flags.find('-') != std::string::npos;
    const size_t width = s.width > 0 ? static_cast<size_t>(s.width) : 0;
    const size_t fill = width > body.size() ? width - body.size() : 0;
    if (!left)
        out.append(fill, L' ');
    out.append(body);
    if (left)
        out.append(fill, L' ');
}

std::wstring narrowToWide(const char* s) {
    const std::string_view v(s);
    return base::isValidUtf8(v) ? base::fromUtf8(v) : base::fromCp1252(v);
}

void appendAscii(std::wstring& out, const std::string& s) {
    for (char c : s)
        out += static_cast<wchar_t>(static_cast<unsigned char>(c));
}

void formatInteger(std::wstring& out, const Spec& s, va_list& ap) {
    const bool isSigned = s.conv == L'd' || s.conv == L'i';
    char conv[2] = {static_cast<char>(s.conv == L'i' ? 'd' : s.conv), 0};
    std::string lc = std::string("ll") + conv;
    if (isSigned) {
        long long v = 0;
        switch (s.length) {
        case Length::Char:
            v = static_cast<signed char>(va_arg(ap, int));
            break;
        case Length::Short:
            v = static_cast<short>(va_arg(ap, int));
            break;
        case Length::Long:
            v = va_arg(ap, long);
            break;
        case Length::LongLong:
            v = va_arg(ap, long long);
            break;
        case Length::Size:
            v = static_cast<long long>(va_arg(ap, size_t));
            break;
        case Length::IntMax:
            v = va_arg(ap, intmax_t);
            break;
        case Length::PtrDiff:
            v = va_arg(ap, std::ptrdiff_t);
            break;
        default:
            v = va_arg(ap, int);
            break;
        }
        appendAscii(out, cFormat(narrowSpec(s, lc.c_str()), v));
    } else {
        unsigned long long v = 0;
        switch (s.length) {
        case Length::Char:
            v = static_cast<unsigned char>(va_arg(ap, unsigned));
            break;
        case Length::Short:
            v = static_cast<unsigned short>(va_arg(ap, unsigned));
            break;
        case Length::Long:
            v = va_arg(ap, unsigned long);
            break;
        case Length::LongLong:
            v = va_arg(ap, unsigned long long);
            break;
        case Length::Size:
            v = va_arg(ap, size_t);
            break;
        case Length::IntMax:
            v = va_arg(ap, uintmax_t);
            break;
        case Length::PtrDiff:
            v = static_cast<unsigned long long>(va_arg(ap, std::ptrdiff_t));
            break;
        default:
            v = va_arg(ap, unsigned);
            break;
        }
        appendAscii(out, cFormat(narrowSpec(s, lc.c_str()), v));
    }
}

void formatFloating(std::wstring& out, const Spec& s, va_list& ap) {
    char conv[3] = {static_cast<char>(s.conv), 0, 0};
    if (s.length == Length::LongDouble) {
        const long double v = va_arg(ap, long double);
        const std::string lc = std::string("L") + conv;
        appendAscii(out, cFormat(narrowSpec(s, lc.c_str()), v));
    } else {
        const double v = va_arg(ap, double);
        appendAscii(out, cFormat(narrowSpec(s, conv), v));
    }
}

void formatString(std::wstring& out, const Spec& s, bool wide, va_list& ap) {
    std::wstring text;
    if (wide) {
        const wchar_t* p = va_arg(ap, const wchar_t*);
        text = p ? std::wstring(p) : std::wstring(L"(null)");
    } else {
        const char* p = va_arg(ap, const char*);
        text = p ? narrowToWide(p) : std::wstring(L"(null)");
    }
    if (s.precision >= 0 && text.size() > static_cast<size_t>(s.precision))
        text.resize(static_cast<size_t>(s.precision));
    pad(out, text, s);
}

void formatChar(std::wstring& out, const Spec& s, bool wide, va_list& ap) {
    const int v = va_arg(ap, int);
    wchar_t c = wide ? static_cast<wchar_t>(static_cast<unsigned>(v))
                     : base::fromCp1252(std::string(1, static_cast<char>(v)))[0];
    pad(out, std::wstring_view(&c, 1), s);
}

} // namespace

std::wstring formatPrintf(const wchar_t* format, va_list args) {
    std::wstring out;
    if (!format)
        return out;
    va_list ap;
    va_copy(ap, args);
    for (const wchar_t* p = format; *p;) {
        if (*p != L'%') {
            out += *p++;
            continue;
        }
        const wchar_t* start = p++;
        if (*p == L'%') {
            out += L'%';
            ++p;
            continue;
        }
        Spec s;
        while (*p && std::wcschr(L"-+ #0", *p))
            s.flags += static_cast<char>(*p++);
        if (*p == L'*') {
            s.width = va_arg(ap, int);
            if (s.width < 0) {
                s.flags += '-';
                s.width = -s.width;
            }
            ++p;
        } else {
            while (*p >= L'0' && *p <= L'9') {
                s.width = (s.width < 0 ? 0 : s.width) * 10 + (*p - L'0');
                if (s.width > 100000)
                    s.width = 100000;
                ++p;
            }
        }
        if (*p == L'.') {
            ++p;
            s.precision = 0;
            if (*p == L'*') {
                s.precision = va_arg(ap, int);
                ++p;
            } else {
                while (*p >= L'0' && *p <= L'9') {
                    s.precision = s.precision * 10 + (*p - L'0');
                    if (s.precision > 100000)
                        s.precision = 100000;
                    ++p;
                }
            }
        }
        if (p[0] == L'I' && p[1] == L'6' && p[2] == L'4') {
            s.length = Length::LongLong;
            p += 3;
        } else if (p[0] == L'I' && p[1] == L'3' && p[2] == L'2') {
            s.length = Length::Int32;
            p += 3;
        } else if (*p == L'I') {
            s.length = Length::Size;
            ++p;
        } else if (*p == L'h') {
            ++p;
            s.length = Length::Short;
            if (*p == L'h') {
                s.length = Length::Char;
                ++p;
            }
        } else if (*p == L'l') {
            ++p;
            s.length = Length::Long;
            if (*p == L'l') {
                s.length = Length::LongLong;
                ++p;
            }
        } else if (*p == L'w') {
            s.length = Length::Long;
            ++p;
        } else if (*p == L'L') {
            s.length = Length::LongDouble;
            ++p;
        } else if (*p == L'z') {
            s.length = Length::Size;
            ++p;
        } else if (*p == L'j') {
            s.length = Length::IntMax;
            ++p;
        } else if (*p == L't') {
            s.length = Length::PtrDiff;
            ++p;
        }
        s.conv = *p;
        if (!s.conv) {
            out.append(start, p);
            break;
        }
        ++p;
        switch (s.conv) {
        case L'd':
        case L'i':
        case L'u':
        case L'x':
        case L'X':
        case L'o':
            formatInteger(out, s, ap);
            break;
        case L'f':
        case L'F':
        case L'e':
        case L'E':
        case L'g':
        case L'G':
        case L'a':
        case L'A':
            formatFloating(out, s, ap);
            break;
        case L's':
            formatString(out, s, s.length != Length::Short, ap);
            break;
        case L'S':
            formatString(out, s, s.length == Length::Long, ap);
            break;
        case L'c':
            formatChar(out, s, s.length != Length::Short, ap);
            break;
        case L'C':
            formatChar(out, s, s.length == Length::Long, ap);
            break;
        case L'p':
            appendAscii(out, cFormat(narrowSpec(s, "p"), va_arg(ap, void*)));
            break;
        case L'n':
            (void)va_arg(ap, void*);
            break;
        default:
            out.append(start, p);
            break;
        }
    }
    va_end(ap);
    return out;
}

std::wstring formatPrintfV(const wchar_t* format, ...) {
    va_list ap;
    va_start(ap, format);
    std::wstring s = formatPrintf(format, ap);
    va_end(ap);
    return s;
}

} // namespace host
