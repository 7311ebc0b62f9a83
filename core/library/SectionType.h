#pragma once
// SectionType: one section type of the library (for example "IPE"): whether it is
// offered, its picture, the group it belongs to (by identifier, -1 for none), the name
// of its values table (prof\<table>.pr) and its names in the product languages.

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"

struct SectionType {
    bool enabled = true;
    Tvl_String picture;
    long groupId = -1;
    Tvl_String tableName;
    Tvl_StringArray names; // one per language, in the order of GetAllLanguages

    // The name shown in lists: the current language's, else the table name.
    Tvl_String getName() const;

    bool operator==(const SectionType&) const = default;
};
