#include "core/MacroBoltData.h"

namespace {

bool validField(int index) {
    return index >= 0 && index < MacroBoltData::kFieldCount;
}

} // namespace

Tvl_String MacroBoltData::field(int index) const {
    switch (index) {
    case kAssembly:
        return m_assembly;
    case kDiameter:
        return m_diameter;
    case kAddedLength:
        return m_addedLength;
    case kPenetrationLength:
        return m_penetrationLength;
    case kHoleTolerance:
        return m_holeTolerance;
    default:
        return Tvl_String();
    }
}

bool MacroBoltData::setField(int index, const Tvl_String& text) {
    switch (index) {
    case kAssembly:
        m_assembly = text;
        return true;
    case kDiameter:
        m_diameter = text;
        return true;
    case kAddedLength:
        m_addedLength = text;
        return true;
    case kPenetrationLength:
        m_penetrationLength = text;
        return true;
    case kHoleTolerance:
        m_holeTolerance = text;
        return true;
    default:
        return false;
    }
}

int MacroBoltData::reference(int index) const {
    return validField(index) ? m_references[index] : 0;
}

bool MacroBoltData::setReference(int index, int reference) {
    if (!validField(index))
        return false;
    m_references[index] = reference;
    return true;
}

void MacroBoltData::clearReferences() {
    for (int& reference : m_references)
        reference = 0;
}

void MacroBoltData::getHoleColumns(Tvl_Array<int>& flags, Tvl_StringArray& names) const {
    flags = m_holeColumnFlags;
    names = m_holeColumnNames;
}

bool MacroBoltData::setHoleColumns(const Tvl_Array<int>& flags, const Tvl_StringArray& names) {
    if (flags.length() != names.length())
        return false;
    m_holeColumnFlags = flags;
    m_holeColumnNames = names;
    return true;
}

bool MacroBoltData::sameValue(const MacroBoltData& other) const {
    for (int i = 0; i < kFieldCount; ++i)
        if (field(i) != other.field(i))
            return false;
    return m_tapped == other.m_tapped && m_countersunk == other.m_countersunk &&
           m_workshop == other.m_workshop && m_reversed == other.m_reversed &&
           m_count == other.m_count && m_countOption == other.m_countOption &&
           m_nut1 == other.m_nut1 && m_nut2 == other.m_nut2 && m_washer1 == other.m_washer1 &&
           m_washer2 == other.m_washer2 && m_washers == other.m_washers &&
           m_holeColumnFlags == other.m_holeColumnFlags &&
           m_holeColumnNames == other.m_holeColumnNames && m_slottedHoles == other.m_slottedHoles;
}

bool MacroBoltData::operator==(const MacroBoltData& other) const {
    if (!sameValue(other))
        return false;
    for (int i = 0; i < kFieldCount; ++i)
        if (m_references[i] != other.m_references[i])
            return false;
    return true;
}
