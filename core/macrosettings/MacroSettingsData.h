#pragma once
// MacroSettingsData: the general settings of one macro, as the macro settings dialog edits
// them: its filters (two parts), its own variables, its assembly groups and, per property,
// a list of values and the dialog design shown for it. GetMacroSettings fills it from a
// macro, SetMacroSettings writes it back (core/macrosettings/MacroSettingsCallBacks.h).
// Copies are deep: every list is held by value.

#include "core/Tvl_Array.h"
#include "core/Tvl_StringArray.h"
#include "core/macrosettings/MacroFilter2Settings.h"
#include "core/macrosettings/MacroFilterSettings.h"
#include "core/macrosettings/MacroGroupSettings.h"
#include "core/macrosettings/MacroVariableSettings.h"

#include <string>
#include <utility>
#include <vector>

class MacroSettingsData {
public:
    MacroSettingsData() = default;
    MacroSettingsData(const MacroSettingsData&) = default;
    MacroSettingsData& operator=(const MacroSettingsData&) = default;
    virtual ~MacroSettingsData() = default;

    MacroFilterSettings m_filters;
    MacroFilter2Settings m_filters2;
    MacroVariableSettings m_variables;
    MacroGroupSettings m_groups;

    // Per property: its name, its values and the name of its dialog design.
    Tvl_StringArray m_propNames;
    Tvl_Array<Tvl_StringArray> m_propValues;
    Tvl_StringArray m_propDesigns;

    // Every part normalized: parallel lists hold one entry per name.
    void normalize();

    // The settings as named lines ("axis-angle filter Beam axis", "on, inside 80 to
    // 100"), in a fixed order: for listings and for telling what changed.
    using Line = std::pair<std::wstring, std::wstring>;
    std::vector<Line> describe() const;
};

// Shortest text that reads back as exactly `value` ("0.0625", "100").
std::wstring exactSettingsNumber(double value);
