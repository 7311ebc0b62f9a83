#pragma once
// The fixed text metric model: text sizes computed from the font's height and a table
// of per-character advance widths, independent of the fonts installed on the machine.
// The table holds the advances of the faces the cairo backend draws with (DejaVu Sans
// Condensed, Condensed Bold, Sans Mono), so layout computed here matches the rendered
// snapshots.
// Every result is a pure function of (font, text): tests and layout may rely on it.

#include "platform/ui/Geometry.h"
#include "platform/ui/draw/Font.h"

#include <string_view>

namespace ui {

enum class FaceFamily { Sans, Mono };

// Which family a face name is drawn with: fixed-pitch names ("Courier New", "Lucida
// Console", "Consolas", "Fixedsys", "Terminal", anything with "Mono") are Mono, every
// other face ("MS Sans Serif", "MS Shell Dlg", "Tahoma", "Verdana", "Arial") is Sans.
FaceFamily faceFamily(std::wstring_view face);

struct FontMetrics {
    int ascent = 0; // baseline below the top of a line
    int descent = 0;
    int lineHeight = 0;   // ascent + descent (tmHeight)
    int avgCharWidth = 0; // tmAveCharWidth: the mean of "a".."z" and "A".."Z", rounded
};

FontMetrics fixedFontMetrics(const Font& font);
// Advance of one character in 1/1000 of the character height (no kerning).
int fixedAdvancePerMille(const Font& font, wchar_t ch);
// Width of one line (no prefix processing, tabs count as four spaces) and line height.
Size fixedTextExtent(const Font& font, std::wstring_view text);

} // namespace ui
