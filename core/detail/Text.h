#pragma once
// Internal text helpers of the core module: UTF-8 conversion, C-locale numbers and
// case mapping. Not exported for other modules' use.

#include <cstdarg>
#include <string>
#include <string_view>

namespace core_detail {

// Wide to UTF-8. Characters that UTF-8 cannot carry (surrogates, values above
// U+10FFFF) become U+FFFD.
std::string toUtf8(std::wstring_view text);

// Strict UTF-8 to wide: returns false on any malformed sequence, overlong form,
// surrogate or value above U+10FFFF; `out` then holds the text up to the fault.
bool fromUtf8(std::string_view bytes, std::wstring& out);

// Lenient UTF-8 to wide: malformed bytes become U+FFFD.
std::wstring fromUtf8Lenient(std::string_view bytes);

// Upper/lower case of one character: ASCII, Latin-1, Latin Extended-A, Greek and
// Cyrillic basic letters. Independent of the process locale.
wchar_t toUpperChar(wchar_t c);
wchar_t toLowerChar(wchar_t c);

// The C runtime's wide-string-to-double, in the C locale: the leading number of the
// text (after blanks), 0 when there is none. `end` receives the index after the number.
double parseLeadingDouble(std::wstring_view text, size_t* end = nullptr);
long long parseLeadingInteger(std::wstring_view text, size_t* end = nullptr);

// printf-style formatting of wide text in the C locale (decimal point ".").
std::wstring formatC(const wchar_t* format, ...);
std::wstring vformatC(const wchar_t* format, va_list args);

} // namespace core_detail
