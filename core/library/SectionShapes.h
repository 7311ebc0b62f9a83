#pragma once
// The section shapes a values table can have. Its shape code is either the number of a
// built-in shape, 1 to 17, as decimal text, or the file name of a user section drawing
// (a name ending in ".dwg", case ignored). Each built-in shape has a picture and the
// names of the values that describe one size of it (the value columns of its tables).

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"

namespace sectionshapes {

inline constexpr int kCount = 17;
inline constexpr int kRectTube = 10;

// The language text of shape n is dialString(kFirstText + n).
inline constexpr int kFirstText = 718;

bool isDrawingName(const Tvl_String& code);
// "ProfSectionI" ... for 1..17; "" otherwise.
Tvl_String pictureName(int shape);
// The value names of shape n ("h", "b", "tw", ...); empty outside 1..17.
void valueNames(int shape, Tvl_StringArray& names);
// The bracketed shape text "<I section>" for 1..17, "<>" for other numbers.
Tvl_String bracketedText(int shape);
// The code as shown: a drawing name unchanged, else the bracketed text of its number.
Tvl_String displayText(const Tvl_String& code);
// Back from the shown text: a drawing name unchanged; else the number of the first
// shape whose bracketed text it is, or "-1".
Tvl_String codeFromDisplay(const Tvl_String& text);
// The shape number of a code; 0 for a drawing name or anything not a number 1..17.
int shapeNumber(const Tvl_String& code);

} // namespace sectionshapes
