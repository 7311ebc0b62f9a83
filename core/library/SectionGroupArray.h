#pragma once
// SectionGroupArray: the groups of the section library, in their stored order. New
// groups get an identifier no group of the array has (one more than the largest), so a
// type keeps its group when groups are added or removed.

#include "core/Tvl_Array.h"
#include "core/library/SectionGroup.h"

class SectionGroupArray : public Tvl_Array<SectionGroup> {
public:
    // The display names of all groups, in order.
    void namesOfAllGroups(Tvl_StringArray& names) const;
    // Appends a group with a fresh identifier and default names; gives its index.
    int appendNewGrp();
    // The index of the group with identifier `id`; -1 when none has it.
    int indexOfId(long id) const;
    long freshId() const;
};
