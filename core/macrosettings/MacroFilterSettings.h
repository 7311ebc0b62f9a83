#pragma once
// The filters of a macro's settings that the first filter page edits: whether the filters
// apply, the axis-angle entries and the section-angle entries. Lists run in parallel, one
// entry per name. Two-state flags are AcArray<int> holding 0 or 1 (the host's array
// cannot hand out references to single bools).

#include "core/Tvl_Array.h"
#include "core/Tvl_StringArray.h"
#include "platform/host/AcArray.h"

class MacroFilterSettings {
public:
    bool m_filtersOn = false;

    // Axis angles: the macro applies when the angle between the members' axes lies
    // between the two limits (mode 0) or outside them (any other mode).
    Tvl_StringArray m_axisNames;
    AcArray<int> m_axisEnabled;
    AcArray<int> m_axisMode;
    AcArray<double> m_axisMin;
    AcArray<double> m_axisMax;

    // Section angles: per entry the allowed angles between the sections, stored two by
    // two (from, to).
    Tvl_StringArray m_sectionAngleNames;
    AcArray<int> m_sectionAngleEnabled;
    Tvl_Array<AcArray<double>> m_sectionAnglePairs;

    // Gives every list one entry per name: missing entries are added (off, 0), surplus
    // ones dropped, and an odd value left over in a pair list is dropped.
    void normalize();
};
