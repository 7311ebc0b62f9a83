#include "core/MacroData.h"

bool MacroData::getMergedPropsOfGroup(const Tvl_String& tabName, const Tvl_String& group,
                                      MacroProfData& props) const {
    int index = -1;
    if (!findTab(tabName, index))
        return false;
    return tab(index)->getMergedPropsOfGroup(group, props);
}

bool MacroData::setMergedPropsOfGroup(const Tvl_String& tabName, const Tvl_String& group,
                                      const MacroProfData& props) {
    int index = -1;
    if (!findTab(tabName, index))
        return false;
    return tab(index)->setMergedPropsOfGroup(group, props);
}
