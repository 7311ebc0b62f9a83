#pragma once

#include <string>
#include <string_view>

namespace grid {

// UTF-8 to UTF-16 code units; invalid sequences become U+FFFD.
std::u16string utf8ToUtf16(std::string_view text);
// True when every code unit fits in one byte (Latin-1), so BIFF may store it compressed.
bool fitsLatin1(const std::u16string& text);

} // namespace grid
