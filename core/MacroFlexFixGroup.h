#pragma once
// MacroFlexFixGroup: dimensions of a macro that depend on each other, such as a plate's
// height and the two extensions beyond a beam: one of them is flexible (the model
// computes it from the others), the rest are fixed (the user sets them). Drawn
// flexible-fix buttons (type 30) show each member's status and switch it.
//
// The group's rule is a sum: member 0 equals the sum of the other members plus the
// group's base value (a cell name or a number, may be empty).

#include "core/Tvl_StringArray.h"

class MacroFlexFixGroup {
public:
    MacroFlexFixGroup() = default;
    MacroFlexFixGroup(const Tvl_String& group, const Tvl_StringArray& names, int flexible);
    virtual ~MacroFlexFixGroup() = default;
    bool operator==(const MacroFlexFixGroup&) const = default;

    // Status of member `name`: 1 flexible, 0 fixed; -1 when no such member.
    int status(const Tvl_String& name) const;
    int flexibleIndex() const;

    Tvl_String m_group;
    Tvl_StringArray m_names; // cell names of the members
    Tvl_Array<int> m_status; // per member: 1 flexible, 0 fixed; exactly one is 1
    Tvl_String m_base;       // added to the sum of members 1..n
};
