#pragma once
// Tvl_StringArray: a list of Tvl_String with the index rules of Tvl_Array.

#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"

class Tvl_StringArray : public Tvl_Array<Tvl_String> {
public:
    using Tvl_Array<Tvl_String>::Tvl_Array;
    using Tvl_Array<Tvl_String>::append;

    int append(const wchar_t* text) { return Tvl_Array<Tvl_String>::append(Tvl_String(text)); }

    // First position of `text`; `index` = -1 and false when absent. `ignoreCase` false
    // is an exact, case-sensitive compare.
    bool find(const Tvl_String& text, int& index, bool ignoreCase = false) const;
    bool contains(const Tvl_String& text, bool ignoreCase = false) const;
};
