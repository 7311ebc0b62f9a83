#pragma once
// printf-style formatting of wide format strings, with the meaning the product's
// platform gives the conversions in a wide format:
//   %s  wide string (const wchar_t*)      %S, %hs  narrow string (const char*, UTF-8,
//   %c  wide character                               else Windows-1252)
//   %d %i %u %x %X %o   integers with the lengths hh h l ll z j t and I64 / I32
//   %f %F %e %E %g %G %a %A   doubles (L: long double), always in the C locale
//   %p  pointer      %%  a percent sign
// Flags "-+ #0", width and precision (also '*') as usual. A null string prints "(null)".
// %n is refused: it writes nothing and prints nothing (it would let a format string
// write into memory). An unknown conversion is copied to the output as written.

#include <cstdarg>
#include <string>

namespace host {

std::wstring formatPrintf(const wchar_t* format, va_list args);
std::wstring formatPrintfV(const wchar_t* format, ...);

} // namespace host
