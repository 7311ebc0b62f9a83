#include "platform/base/Encoding.h"

#include <clocale>
#include <cwctype>
#include <locale.h>

namespace base {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isScalar(char32_t c) {
    return c < 0xD800 || (c > 0xDFFF && c <= 0x10FFFF);
}

// Decodes one sequence at s[i]; returns the code point (or kReplacement) and
// advances i past what was consumed (at least one byte).
char32_t decodeOne(std::string_view s, size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra;
    char32_t cp;
    char32_t minimum;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1;
        cp = b0 & 0x1F;
        minimum = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2;
        cp = b0 & 0x0F;
        minimum = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3;
        cp = b0 & 0x07;
        minimum = 0x10000;
    } else {
        ++i;
        return kReplacement;
    }
    size_t j = i + 1;
    for (int k = 0; k < extra; ++k, ++j) {
        if (j >= s.size())
            break;
        const auto b = static_cast<unsigned char>(s[j]);
        if ((b & 0xC0) != 0x80)
            break;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (j - i != static_cast<size_t>(extra) + 1 || cp < minimum || !isScalar(cp)) {
        // Skip the lead byte and any continuation bytes that followed it, so a broken
        // sequence gives one replacement rather than several.
        size_t k = i + 1;
        while (k < j && k < s.size() && (static_cast<unsigned char>(s[k]) & 0xC0) == 0x80)
            ++k;
        i = k;
        return kReplacement;
    }
    i = j;
    return cp;
}

} // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (!isScalar(c))
        c = kReplacement;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

namespace {

// Windows-1252 bytes 0x80..0x9F. Unassigned bytes keep their control-character value.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// A locale object for case mapping that never changes with setlocale().
locale_t caseLocale() {
    static locale_t loc = [] {
        locale_t l = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
        return l;
    }();
    return loc;
}

} // namespace

std::wstring fromUtf8(std::string_view utf8) {
    std::wstring out;
    out.reserve(utf8.size());
    size_t i = 0;
    while (i < utf8.size())
        out += static_cast<wchar_t>(decodeOne(utf8, i));
    return out;
}

std::string toUtf8(std::wstring_view wide) {
    std::string out;
    out.reserve(wide.size());
    for (wchar_t c : wide)
        appendUtf8(out, static_cast<char32_t>(c));
    return out;
}

bool isValidUtf8(std::string_view bytes) {
    size_t i = 0;
    while (i < bytes.size()) {
        const size_t start = i;
        const char32_t c = decodeOne(bytes, i);
        if (c == kReplacement) {
            // A literal U+FFFD (EF BF BD) is valid; anything else that decoded to it is not.
            if (bytes.substr(start, i - start) != "\xEF\xBF\xBD")
                return false;
        }
    }
    return true;
}

std::wstring from8Bit(std::string_view bytes, CodePage page) {
    std::wstring out;
    out.reserve(bytes.size());
    for (char ch : bytes) {
        const auto b = static_cast<unsigned char>(ch);
        if (page == CodePage::Windows1252 && b >= 0x80 && b < 0xA0)
            out += static_cast<wchar_t>(kCp1252High[b - 0x80]);
        else
            out += static_cast<wchar_t>(b);
    }
    return out;
}

std::string to8Bit(std::wstring_view wide, CodePage page, char replacement) {
    std::string out;
    out.reserve(wide.size());
    for (wchar_t c : wide) {
        const auto u = static_cast<char32_t>(c);
        if (page == CodePage::Latin1) {
            out += u < 0x100 ? static_cast<char>(u) : replacement;
            continue;
        }
        if (u < 0x80 || (u >= 0xA0 && u < 0x100)) {
            out += static_cast<char>(u);
            continue;
        }
        char found = replacement;
        for (int k = 0; k < 32; ++k) {
            if (kCp1252High[k] == u) {
                found = static_cast<char>(0x80 + k);
                break;
            }
        }
        out += found;
    }
    return out;
}

wchar_t toLowerChar(wchar_t c) {
    if (c < 0x80)
        return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + 32) : c;
    if (locale_t loc = caseLocale())
        return static_cast<wchar_t>(towlower_l(static_cast<wint_t>(c), loc));
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<wchar_t>(c + 32);
    return c;
}

wchar_t toUpperChar(wchar_t c) {
    if (c < 0x80)
        return (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - 32) : c;
    if (locale_t loc = caseLocale())
        return static_cast<wchar_t>(towupper_l(static_cast<wint_t>(c), loc));
    if ((c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return static_cast<wchar_t>(c - 32);
    return c;
}

std::wstring toLower(std::wstring_view s) {
    std::wstring out(s);
    for (auto& c : out)
        c = toLowerChar(c);
    return out;
}

std::wstring toUpper(std::wstring_view s) {
    std::wstring out(s);
    for (auto& c : out)
        c = toUpperChar(c);
    return out;
}

bool equalsNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i] && toLowerChar(a[i]) != toLowerChar(b[i]))
            return false;
    }
    return true;
}

} // namespace base
