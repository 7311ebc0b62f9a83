#pragma once

// Numbers written and read in the C locale, whatever the process locale is: the
// product's files and dialogs always use '.' as the decimal separator.

#include <cstdarg>
#include <string>
#include <string_view>

namespace base {

// printf-style formatting in the C locale ("%.2f", "%d", "%g", ...).
std::string formatC(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::string vformatC(const char* format, va_list args);

// Fixed-point text with `decimals` digits after the point, as "%.*f" writes it.
std::string formatFixed(double value, int decimals);
std::wstring formatFixedW(double value, int decimals);

// Wide printf-style formatting in the C locale with the product platform's meaning of
// the conversions in wide formats: "%s" takes a const wchar_t* (a wide string), "%c"
// a wchar_t, "%S" a narrow const char*; "%I64d"/"%I64u" take 64-bit integers. Integer
// and floating conversions ("%i", "%d", "%u", "%x", "%f", "%.2f", "%g", "%e") as usual.
std::wstring formatW(const wchar_t* format, ...);
std::wstring vformatW(const wchar_t* format, va_list args);

// Parses the leading number of a wide string the way the C runtime's wcstod/_wtof
// do: leading blanks skipped, optional sign, digits with an optional '.' fraction and
// an optional exponent. Text that does not start with a number gives 0. Out-of-range
// values give +-HUGE_VAL (overflow) or 0 (underflow). `consumed`, when given, receives
// the number of characters used (0 when no number was found).
double parseDouble(std::wstring_view text, size_t* consumed = nullptr);
double parseDouble(std::string_view text, size_t* consumed = nullptr);

// Leading integer as _wtoi/_wtol read it: blanks, sign, decimal digits; else 0.
// Values beyond the range are clamped (the runtime's long is 32 bits, so parseInt
// clamps to the int range as _wtoi does there).
long long parseLongLong(std::wstring_view text, size_t* consumed = nullptr);
int parseInt(std::wstring_view text, size_t* consumed = nullptr);

} // namespace base
