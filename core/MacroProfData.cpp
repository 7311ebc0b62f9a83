#include "core/MacroProfData.h"

#include "core/LanguageTexts.h"

bool MacroProfData::sameValue(const MacroProfData& o) const {
    for (int i = 0; i < 3; ++i)
        if (m_listSelections[i] != o.m_listSelections[i])
            return false;
    return m_group == o.m_group && m_section == o.m_section && m_section2 == o.m_section2 &&
           m_value1 == o.m_value1 && m_value2 == o.m_value2 && m_offsetType == o.m_offsetType &&
           m_offsetX == o.m_offsetX && m_offsetY == o.m_offsetY &&
           m_insertionPoint == o.m_insertionPoint && m_pointChosen == o.m_pointChosen &&
           m_rotation == o.m_rotation && m_angle == o.m_angle && m_planeMode == o.m_planeMode &&
           m_planeId == o.m_planeId && m_planeName == o.m_planeName &&
           m_onSegment == o.m_onSegment && m_segment == o.m_segment && m_option == o.m_option &&
           m_profileIds == o.m_profileIds;
}

bool MacroProfData::operator==(const MacroProfData& o) const {
    if (!sameValue(o))
        return false;
    for (int i = 0; i < 5; ++i)
        if (m_references[i] != o.m_references[i])
            return false;
    return true;
}

void MacroProfData::clearReferences() {
    for (int& reference : m_references)
        reference = 0;
}

// Offset types: 0 centre, 1 inside, 2 outside, 3 along the length.
Tvl_StringArray getOffsetTypeStrings(bool withVaries) {
    Tvl_StringArray texts;
    if (withVaries)
        texts.append(dialString(695));
    for (int text : {1101, 1102, 1103, 1100})
        texts.append(dialString(text));
    return texts;
}

int getDlgOffsetType(const MacroProfData& prof, bool withVaries) {
    if (prof.m_offsetType < 0)
        return withVaries ? 0 : -1;
    return prof.m_offsetType + (withVaries ? 1 : 0);
}
