#pragma once
// Free string and list helpers of the core module.

#include "core/Tvl_StringArray.h"

// `text` immediately followed by the decimal `number`: append(L"Offset ", 2) is "Offset 2".
Tvl_String append(const Tvl_String& text, int number);

// Splits at every occurrence of `separator` ("a;;b" -> "a", "", "b"). An empty text
// gives an empty list; an empty separator gives the whole text as one entry.
void strToArr(const Tvl_String& text, const Tvl_String& separator, Tvl_StringArray& list);
// Joins with `separator`. An empty list and a list of one empty text both give "".
Tvl_String arrToStr(const Tvl_StringArray& list, const Tvl_String& separator);

// Splits at the FIRST `symbol`: head = text before it, rest = text after it; true.
// Without the symbol: head = the whole text, rest = empty, false.
bool splitStringAtSymbol(const Tvl_String& text, wchar_t symbol, Tvl_String& head,
                         Tvl_String& rest);

// A decimal number in the C locale, blanks around it allowed: optional sign, digits
// with an optional "." fraction (at least one digit in all), optional exponent.
bool isNumber(const Tvl_String& text);
// The first character is a digit 0-9.
bool startsWithNumber(const Tvl_String& text);
// True when the text holds a digit; `pos` = start of the first run of digits (else -1).
bool findFirstNumbers(const Tvl_String& text, int& pos);

// A text derived from `proposal` that differs (ignoring case) from every entry of
// `existing`: the proposal itself when free; otherwise its trailing number counted up
// ("Beam9" -> "Beam10", "A009" -> "A010"), or "1", "2", ... appended when it has none.
// An empty proposal counts as "1".
Tvl_String findNonExistingString(const Tvl_StringArray& existing, const Tvl_String& proposal);

// A list of the given texts. Trailing empty texts are not entries; an empty text
// followed by a non-empty one is: stringArr(L"a", L"", L"b") has three entries.
Tvl_StringArray stringArr(const Tvl_String& s1, const Tvl_String& s2 = Tvl_String(),
                          const Tvl_String& s3 = Tvl_String(), const Tvl_String& s4 = Tvl_String(),
                          const Tvl_String& s5 = Tvl_String());

// Lines into rows of fields split at every `separator` (no escaping), and back.
void arrToArrArr(const Tvl_StringArray& lines, wchar_t separator, Tvl_Array<Tvl_StringArray>& rows);
void arrArrToArr(const Tvl_Array<Tvl_StringArray>& rows, wchar_t separator, Tvl_StringArray& lines);

// Appends every entry of `source` to `target`.
void appStrs(Tvl_StringArray& target, const Tvl_StringArray& source);
