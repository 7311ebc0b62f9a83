#include "core/MacroCell.h"

#include "core/StringHelpers.h"

MacroCell::MacroCell(int kind, const Tvl_String& name, const Tvl_String& value, bool readOnly)
    : m_kind(kind), m_name(name), m_readOnly(readOnly), m_value(value) {}

bool MacroCell::numericValue(double& value) const {
    return m_value.toDouble(value);
}

Tvl_String MacroCell::listText() const {
    return arrToStr(m_list, L"\n");
}

bool MacroCell::operator==(const MacroCell& other) const {
    return sameValue(other) && m_reference == other.m_reference;
}

bool MacroCell::sameValue(const MacroCell& other) const {
    return m_kind == other.m_kind && m_name == other.m_name && m_readOnly == other.m_readOnly &&
           m_value == other.m_value && m_list == other.m_list;
}
