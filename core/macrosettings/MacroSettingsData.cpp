#include "core/macrosettings/MacroSettingsData.h"

#include <charconv>

namespace {

template <class T> void fit(AcArray<T>& list, int length, const T& fill) {
    while (list.length() > length)
        list.removeLast();
    while (list.length() < length)
        list.append(fill);
}

template <class T> void fit(Tvl_Array<T>& list, int length, const T& fill) {
    while (list.length() > length)
        list.removeAt(list.length() - 1);
    while (list.length() < length)
        list.append(fill);
}

void fit(Tvl_StringArray& list, int length) {
    while (list.length() > length)
        list.removeAt(list.length() - 1);
    while (list.length() < length)
        list.append(Tvl_String());
}

std::wstring onOff(int flag) {
    return flag ? L"on" : L"off";
}

std::wstring range(double from, double to) {
    return exactSettingsNumber(from) + L" to " + exactSettingsNumber(to);
}

} // namespace

std::wstring exactSettingsNumber(double value) {
    if (value == 0)
        return L"0"; // also for -0
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::wstring(buffer, result.ptr);
}

void MacroFilterSettings::normalize() {
    const int axes = m_axisNames.length();
    fit(m_axisEnabled, axes, 0);
    fit(m_axisMode, axes, 0);
    fit(m_axisMin, axes, 0.0);
    fit(m_axisMax, axes, 0.0);
    const int sections = m_sectionAngleNames.length();
    fit(m_sectionAngleEnabled, sections, 0);
    fit(m_sectionAnglePairs, sections, AcArray<double>());
    for (int i = 0; i < sections; ++i)
        if (m_sectionAnglePairs[i].length() % 2 != 0)
            m_sectionAnglePairs[i].removeLast();
}

void MacroFilter2Settings::normalize() {
    const int paths = m_pathNames.length();
    fit(m_pathEnabled, paths, 0);
    fit(m_pathMin, paths, 0.0);
    fit(m_pathMax, paths, 0.0);
    const int sizes = m_sizeNames.length();
    fit(m_sizeEnabled, sizes, 0);
    for (AcArray<double>* limits :
         {&m_sizeMinHeight, &m_sizeMaxHeight, &m_sizeMinWidth, &m_sizeMaxWidth})
        fit(*limits, sizes, 0.0);
}

void MacroVariableSettings::normalize() {
    fit(m_values, m_names.length(), 0.0);
}

void MacroGroupSettings::normalize() {
    fit(m_partDescriptions, m_parts.length());
    fit(m_positions, m_parts.length(), 0);
}

void MacroSettingsData::normalize() {
    m_filters.normalize();
    m_filters2.normalize();
    m_variables.normalize();
    m_groups.normalize();
    fit(m_propValues, m_propNames.length(), Tvl_StringArray());
    fit(m_propDesigns, m_propNames.length());
}

std::vector<MacroSettingsData::Line> MacroSettingsData::describe() const {
    MacroSettingsData s(*this);
    s.normalize();
    std::vector<Line> out;
    const MacroFilterSettings& f = s.m_filters;
    out.emplace_back(L"filters", f.m_filtersOn ? L"on" : L"off");
    for (int i = 0; i < f.m_axisNames.length(); ++i)
        out.emplace_back(L"axis-angle filter " + f.m_axisNames[i].str(),
                         onOff(f.m_axisEnabled[i]) +
                             (f.m_axisMode[i] == 0 ? L", inside " : L", outside ") +
                             range(f.m_axisMin[i], f.m_axisMax[i]));
    for (int i = 0; i < f.m_sectionAngleNames.length(); ++i) {
        std::wstring pairs;
        const AcArray<double>& values = f.m_sectionAnglePairs[i];
        for (int k = 0; k + 1 < values.length(); k += 2)
            pairs +=
                L", " + exactSettingsNumber(values[k]) + L"/" + exactSettingsNumber(values[k + 1]);
        out.emplace_back(L"section-angle filter " + f.m_sectionAngleNames[i].str(),
                         onOff(f.m_sectionAngleEnabled[i]) + pairs);
    }
    const MacroFilter2Settings& g = s.m_filters2;
    out.emplace_back(L"second filters", g.m_secondFiltersOn ? L"on" : L"off");
    for (int i = 0; i < g.m_pathNames.length(); ++i)
        out.emplace_back(L"path-distance filter " + g.m_pathNames[i].str(),
                         onOff(g.m_pathEnabled[i]) + L", " + range(g.m_pathMin[i], g.m_pathMax[i]));
    for (int i = 0; i < g.m_sizeNames.length(); ++i)
        out.emplace_back(L"section-size filter " + g.m_sizeNames[i].str(),
                         onOff(g.m_sizeEnabled[i]) + L", height " +
                             range(g.m_sizeMinHeight[i], g.m_sizeMaxHeight[i]) + L", width " +
                             range(g.m_sizeMinWidth[i], g.m_sizeMaxWidth[i]));
    const MacroVariableSettings& v = s.m_variables;
    out.emplace_back(L"length unit", std::to_wstring(v.m_lengthUnit));
    out.emplace_back(L"angle unit", std::to_wstring(v.m_angleUnit));
    out.emplace_back(L"decimals", std::to_wstring(v.m_decimals));
    for (int i = 0; i < v.m_names.length(); ++i)
        out.emplace_back(L"variable " + v.m_names[i].str(), exactSettingsNumber(v.m_values[i]));
    const MacroGroupSettings& gr = s.m_groups;
    out.emplace_back(L"group name", L"\"" + gr.m_name.str() + L"\"");
    out.emplace_back(L"group description", L"\"" + gr.m_description.str() + L"\"");
    for (int i = 0; i < gr.m_parts.length(); ++i)
        out.emplace_back(L"group part " + gr.m_parts[i].str(),
                         L"\"" + gr.m_partDescriptions[i].str() + L"\", " +
                             (gr.m_positions[i] > 0
                                  ? L"position " + std::to_wstring(gr.m_positions[i])
                                  : std::wstring(L"no position")));
    for (int i = 0; i < s.m_propNames.length(); ++i) {
        std::wstring values;
        for (const Tvl_String& value : s.m_propValues[i])
            values += (values.empty() ? L"" : L", ") + value.str();
        out.emplace_back(L"property " + s.m_propNames[i].str(),
                         L"values (" + values + L"), design \"" + s.m_propDesigns[i].str() + L"\"");
    }
    return out;
}
