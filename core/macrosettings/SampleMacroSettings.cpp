// The sample's starting settings: the end plate filters beams meeting a column flange at
// about a right angle and has two variables, a group of two parts and two properties; the
// base plate has its filters off and no entries in most lists.

#include "core/macrosettings/MacroSettingsCallBacks.h"

namespace {

void fillEndPlate(MacroSettingsData& s) {
    MacroFilterSettings& f = s.m_filters;
    f.m_filtersOn = true;
    f.m_axisNames.append(L"Beam to column");
    f.m_axisEnabled.append(1);
    f.m_axisMode.append(0);
    f.m_axisMin.append(87.125); // finer than the two decimals a page shows
    f.m_axisMax.append(92.875);
    f.m_axisNames.append(L"Sloping beam");
    f.m_axisEnabled.append(0);
    f.m_axisMode.append(1);
    f.m_axisMin.append(0);
    f.m_axisMax.append(45);
    f.m_sectionAngleNames.append(L"Web to flange");
    f.m_sectionAngleEnabled.append(1);
    AcArray<double> pairs;
    for (double v : {0.0, 0.0, 0.0, 5.0, 85.0, 95.0})
        pairs.append(v);
    f.m_sectionAnglePairs.append(pairs);

    MacroFilter2Settings& g = s.m_filters2;
    g.m_secondFiltersOn = false; // no path-distance entries
    g.m_sizeNames.append(L"Beam");
    g.m_sizeEnabled.append(1);
    g.m_sizeMinHeight.append(200);
    g.m_sizeMaxHeight.append(600);
    g.m_sizeMinWidth.append(100);
    g.m_sizeMaxWidth.append(300);
    g.m_sizeNames.append(L"Column");
    g.m_sizeEnabled.append(0);
    g.m_sizeMinHeight.append(160);
    g.m_sizeMaxHeight.append(1000);
    g.m_sizeMinWidth.append(160);
    g.m_sizeMaxWidth.append(300);

    MacroVariableSettings& v = s.m_variables;
    v.m_lengthUnit = 0;
    v.m_angleUnit = 0;
    v.m_decimals = 2;
    v.m_names.append(L"Clearance");
    v.m_values.append(10);
    v.m_names.append(L"WeldFactor");
    v.m_values.append(0.7);

    MacroGroupSettings& gr = s.m_groups;
    gr.m_name = L"End plate %NR%";
    gr.m_description = L"Connection %TYPE%";
    gr.m_parts.append(L"Plate");
    gr.m_partDescriptions.append(L"End plate %NR%");
    gr.m_positions.append(1);
    gr.m_parts.append(L"Bolts");
    gr.m_partDescriptions.append(L"Bolt group");
    gr.m_positions.append(0);

    s.m_propNames.append(L"Finish");
    s.m_propValues.append(Tvl_StringArray());
    for (const wchar_t* value : {L"Galvanised", L"Painted", L"Bare"})
        s.m_propValues[0].append(value);
    s.m_propDesigns.append(L"Connections\\EndPlate");
    s.m_propNames.append(L"Weld");
    s.m_propValues.append(Tvl_StringArray());
    for (const wchar_t* value : {L"Fillet", L"Butt"})
        s.m_propValues[1].append(value);
    s.m_propDesigns.append(L"");
}

void fillBasePlate(MacroSettingsData& s) {
    s.m_filters.m_axisNames.append(L"Column upright");
    s.m_filters.m_axisEnabled.append(1);
    s.m_filters.m_axisMode.append(0);
    s.m_filters.m_axisMin.append(89);
    s.m_filters.m_axisMax.append(91);
    s.m_variables.m_decimals = 1;
    s.m_groups.m_name = L"Base plate %NR%";
}

} // namespace

void fillSampleMacroSettings(const Tvl_String& kind, MacroSettingsData& settings) {
    settings = MacroSettingsData();
    if (kind == L"EndPlate")
        fillEndPlate(settings);
    else if (kind == L"BasePlate")
        fillBasePlate(settings);
}
