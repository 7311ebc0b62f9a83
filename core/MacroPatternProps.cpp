#include "core/MacroPatternProps.h"

MacroPatternProps::MacroPatternProps(const Tvl_String& name, const Tvl_String& count1,
                                     const Tvl_String& count2)
    : m_name(name), m_count1(count1), m_count2(count2) {}

int MacroPatternProps::getCount(int which) const {
    if (which != 1 && which != 2)
        return -1;
    int count = 0;
    if (!countText(which).toInt(count) || count < 0)
        return -1;
    return count;
}

void MacroPatternProps::setCountText(int which, const Tvl_String& text) {
    if (which == 2)
        m_count2 = text;
    else if (which == 1)
        m_count1 = text;
}

bool MacroPatternProps::sameValue(const MacroPatternProps& other) const {
    if (m_name != other.m_name || m_count1 != other.m_count1 || m_count2 != other.m_count2 ||
        m_dialogFlag != other.m_dialogFlag)
        return false;
    for (int i = 0; i < 2; ++i)
        if (!(m_directions[i] == other.m_directions[i]))
            return false;
    for (int i = 0; i < 4; ++i)
        if (m_options[i] != other.m_options[i])
            return false;
    return true;
}

bool MacroPatternProps::operator==(const MacroPatternProps& other) const {
    return sameValue(other) && m_refCount1 == other.m_refCount1 &&
           m_refCount2 == other.m_refCount2 && m_refButton == other.m_refButton;
}
