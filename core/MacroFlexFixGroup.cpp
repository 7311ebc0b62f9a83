#include "core/MacroFlexFixGroup.h"

MacroFlexFixGroup::MacroFlexFixGroup(const Tvl_String& group, const Tvl_StringArray& names,
                                     int flexible)
    : m_group(group), m_names(names) {
    for (int i = 0; i < names.length(); ++i)
        m_status.append(i == flexible ? 1 : 0);
}

int MacroFlexFixGroup::status(const Tvl_String& name) const {
    int index = -1;
    if (!m_names.find(name, index) || index >= m_status.length())
        return -1;
    return m_status[index];
}

int MacroFlexFixGroup::flexibleIndex() const {
    return m_status.find(1);
}
