#pragma once
// Number format codes as TEXT reads them (en-US): "0.00", "#,##0", "0%", "0.0E+00",
// fractions "# ?/?", "?/8", sections "pos;neg;zero;text", quoted literals, and the date and time
// codes yyyy yy mmmm mmm mm m dddd ddd dd d hh h mm ss AM/PM [h] [mm] [ss].

#include <string>
#include <string_view>

namespace grid {

// Formats `value` by `code`; false when the code cannot be read.
bool formatWithCode(double value, std::string_view code, std::string& out);
// Formats a text by the fourth (text) section of `code`, or returns it unchanged.
std::string formatTextWithCode(const std::string& text, std::string_view code);

} // namespace grid
