#pragma once
// Fraction codes of TEXT and cell formats: "# ?/?", "# ??/??", "?/8", "# ??/16", "0 ?/?".

#include <optional>
#include <string>
#include <string_view>

namespace grid {

// Formats `value` by the number section `section` when it is a fraction code (a '/'
// between digit placeholders); nullopt when it is none. An empty text (with `ok`
// false) when it is one that cannot be read.
struct FractionResult {
    bool ok = true;
    std::string text;
};
std::optional<FractionResult> formatFraction(double value, std::string_view section, bool showSign);

} // namespace grid
