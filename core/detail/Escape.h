#pragma once
// Backslash escaping of texts in the core module's line-based files, so that any text
// (line breaks, tabs, control characters included) fits on one line and comes back
// exactly: "\\" backslash, "\n" "\r" "\t", and "\u{hex}" for other control characters
// and values that UTF-8 cannot carry. A raw tab therefore never occurs in an escaped
// text and can separate fields.

#include <string>
#include <string_view>

namespace core_detail {

std::wstring escapeText(std::wstring_view text);
// False on a malformed escape; `out` then holds the text up to the fault.
bool unescapeText(std::wstring_view text, std::wstring& out);

} // namespace core_detail
