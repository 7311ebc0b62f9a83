#pragma once
// MacroProfSegmentedData: one segmented profile of a profile tab: a profile laid along a
// polyline, with its name, description, clearance, whether it breaks at every point of
// the polyline, and the points (rows of two texts: the point's number and its value).

#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"

class MacroProfSegmentedData {
public:
    bool operator==(const MacroProfSegmentedData& other) const = default;

    // "<name> - <description>", as the segmented profile dialog lists it.
    Tvl_String listText() const { return m_name + L" - " + m_description; }

    Tvl_String m_name;
    Tvl_String m_description;
    Tvl_String m_clearance;
    bool m_breakAtPoints = false;
    Tvl_Array<Tvl_StringArray> m_points; // each row: point number, value
};
