#pragma once
// The filters of a macro's settings that the second filter page edits: whether they
// apply, the path-distance entries (two limits each) and the section-size entries (a
// height range and a width range each). Lists run in parallel, one entry per name.

#include "core/Tvl_StringArray.h"
#include "platform/host/AcArray.h"

class MacroFilter2Settings {
public:
    bool m_secondFiltersOn = false;

    Tvl_StringArray m_pathNames;
    AcArray<int> m_pathEnabled; // 0 or 1
    AcArray<double> m_pathMin;
    AcArray<double> m_pathMax;

    Tvl_StringArray m_sizeNames;
    AcArray<int> m_sizeEnabled; // 0 or 1
    AcArray<double> m_sizeMinHeight;
    AcArray<double> m_sizeMaxHeight;
    AcArray<double> m_sizeMinWidth;
    AcArray<double> m_sizeMaxWidth;

    // One entry per name in every list (see MacroFilterSettings::normalize).
    void normalize();
};
