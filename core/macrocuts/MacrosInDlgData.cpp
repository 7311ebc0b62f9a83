#include "core/macrocuts/MacrosInDlgData.h"

#include "core/CorePrint.h"
#include "core/model/SampleModel.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

bool MacrosInDlgData::UserSelectMacro() {
#if TVL_HOST_AVAILABLE
    AcArray<AcDbObjectId> picked;
    if (acedSSGetIds(L"\nSelect the macros of the cut: ", picked) != RTNORM)
        return false;
    MacrosInDlgData chosen;
    chosen.setMacros(picked);
    if (chosen.m_ids.isEmpty()) {
        corePrint(L"Nothing selected is a macro.\n");
        return false;
    }
    *this = chosen;
    return true;
#else
    return false;
#endif
}

void MacrosInDlgData::setMacros(const AcArray<AcDbObjectId>& ids) {
    m_ids.setLogicalLength(0);
    m_names.clear();
    for (const AcDbObjectId& id : ids) {
        const model::MacroInstance* instance = model::sampleModel().instance(id);
        if (instance == nullptr || m_ids.contains(id))
            continue;
        m_ids.append(id);
        m_names.append(instance->m_name);
    }
}

Tvl_String MacrosInDlgData::namesText() const {
    Tvl_String text;
    for (int i = 0; i < m_names.length(); ++i)
        text += (i ? L", " : L"") + m_names[i];
    return text;
}
