#pragma once

// Text conversions between the encodings the product meets:
//  - UTF-8 (files and native paths here),
//  - wide strings (std::wstring; wchar_t holds one UTF-32 code point on this platform),
//  - 8-bit code pages: Latin-1 (ISO-8859-1) and Windows-1252, which differs from
//    Latin-1 only in 0x80..0x9F (euro sign, typographic quotes, dashes, ...).
//
// None of these throws. Undecodable input becomes U+FFFD; characters that a target
// encoding cannot hold become the replacement character given (default '?').

#include <string>
#include <string_view>

namespace base {

enum class CodePage { Latin1, Windows1252 };

// UTF-8 -> wide. Each invalid or truncated sequence (overlong forms, surrogates,
// values above U+10FFFF) becomes one U+FFFD per offending byte run.
std::wstring fromUtf8(std::string_view utf8);

// Wide -> UTF-8. Code points that are not Unicode scalar values (surrogates, values
// above U+10FFFF) are written as U+FFFD.
std::string toUtf8(std::wstring_view wide);

// Appends one code point as UTF-8; a value that is not a Unicode scalar value is
// written as U+FFFD.
void appendUtf8(std::string& out, char32_t c);

// True when the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

// 8-bit -> wide: every byte maps to exactly one character. In Windows-1252 the five
// unassigned bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the control characters
// of the same value, as the platform's own converter does.
std::wstring from8Bit(std::string_view bytes, CodePage page);

// Wide -> 8-bit: one byte per character; characters outside the code page become
// `replacement`.
std::string to8Bit(std::wstring_view wide, CodePage page, char replacement = '?');

// Shorthands.
inline std::wstring fromLatin1(std::string_view s) {
    return from8Bit(s, CodePage::Latin1);
}
inline std::string toLatin1(std::wstring_view s) {
    return to8Bit(s, CodePage::Latin1);
}
inline std::wstring fromCp1252(std::string_view s) {
    return from8Bit(s, CodePage::Windows1252);
}
inline std::string toCp1252(std::wstring_view s) {
    return to8Bit(s, CodePage::Windows1252);
}

// Case folding that does not depend on the process locale: simple one-to-one
// Unicode lower/upper case mapping (no expansions such as German sharp s).
wchar_t toLowerChar(wchar_t c);
wchar_t toUpperChar(wchar_t c);
std::wstring toLower(std::wstring_view s);
std::wstring toUpper(std::wstring_view s);
// Equality without regard to case (simple case folding).
bool equalsNoCase(std::wstring_view a, std::wstring_view b);

} // namespace base
