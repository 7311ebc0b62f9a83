#pragma once
// The text of a header label as it is printed: placeholders replaced, format codes
// applied to the running format state and taken out of the text.
//
// Placeholders (between percent signs): %currentPage%, %totalPages% (names compared
// without regard to case) and %name% for a header variable. One pass from left to
// right; inserted text is not searched again. A name that matches nothing stays as it
// is, and its closing percent sign opens the next placeholder.
//
// Format codes, each looked for once (its first occurrence): /L, /C, /R alignment (in
// that order, the last found wins); /F"face"; /TH"height" (points); /B, /I, /UL on;
// /NB, /NI, /NUL off. A quoted argument is taken only when the quote follows the code
// directly.

#include <string>

#include "core/Tvl_StringArray.h"

namespace kw {

struct LabelFormat {
    enum Align { Left, Center, Right };
    Align align = Left;
    std::wstring face = L"Tahoma";
    double height = 10; // points
    bool bold = true;
    bool italic = false;
    bool underline = false;
    bool operator==(const LabelFormat&) const = default;
};

std::wstring replacePlaceholders(const std::wstring& text, int page, int pageCount,
                                 const Tvl_StringArray& names, const Tvl_StringArray& values);

// Applies the codes found in `text` to `format` and removes them from `text`.
void applyFormatCodes(std::wstring& text, LabelFormat& format);

} // namespace kw
