#pragma once
// SectionGroup: one group of the section library (for example "I sections"): a key name,
// whether it is offered, its picture and its names in the product languages. Groups are
// referred to by their numeric identifier, which never changes once given.

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"

struct SectionGroup {
    Tvl_String name;       // key name, unique in the library
    bool enabled = true;   // offered to the user
    Tvl_String picture;    // picture name (prof\pictures\<name>.bmp)
    Tvl_StringArray names; // one per language, in the order of GetAllLanguages
    long id = 0;           // identifier the types refer to

    // The name in the current language; the key name when that one is empty.
    Tvl_String displayName() const;

    bool operator==(const SectionGroup&) const = default;
};
