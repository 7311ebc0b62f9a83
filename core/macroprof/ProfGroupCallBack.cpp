#include "core/macroprof/ProfGroupCallBack.h"

#include "core/MacroCallBacks.h"

bool macroProfGroupCallBack(BmMACallBackType type, const BmMACallBackData& data,
                            MacroProfData& props) {
    MacroData* macro = data.macro();
    if (macro == nullptr)
        return false;
    switch (type) {
    case kBmMACallBackGet:
        return macro->getMergedPropsOfGroup(data.m_tab, data.m_group, props);
    case kBmMACallBackSet: {
        int tabIndex = -1;
        if (!macro->findTab(data.m_tab, tabIndex))
            return false;
        MacroTabData* tab = macro->tab(tabIndex);
        int group = -1;
        if (!tab->findProfDataWithGroup(data.m_group, group))
            return false;
        tab->setMergedPropsOfGroup(data.m_group, props);
        // The change names the group's index, so that the model knows which group to
        // take (an empty index list would change nothing).
        Tvl_Array<int> codes, indices;
        codes.append(kMacroItemProfGroup);
        indices.append(group);
        const Tvl_String module = tab->m_module;
        const bool accepted = UpdateModule(module, *macro, codes, indices);
        macro->getMergedPropsOfGroup(module, data.m_group, props);
        return accepted;
    }
    default:
        return true;
    }
}
