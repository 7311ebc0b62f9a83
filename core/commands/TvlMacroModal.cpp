// TVLMACROMODAL: the macro dialog of the sample connection, modal. When it closes, the
// values that the user changed (and the model with them) are printed.

#include "core/CorePrint.h"
#include "core/MacroData.h"
#include "core/commands/UserCommands.h"
#include "core/model/SampleModel.h"

namespace {

using StartModal = void(MacroData& macro);

void printChanges(const MacroData& before, const MacroData& after) {
    Tvl_StringArray names;
    Tvl_Array<int> codes, tabs;
    after.differences(before, names, codes, tabs);
    int changed = 0;
    Tvl_String lines;
    for (int i = 0; i < names.length(); ++i) {
        const MacroTabData* tab = after.tab(tabs[i]);
        const MacroTabData* old = tab ? before.tabOfModule(tab->m_module) : nullptr;
        if (!tab || !old)
            continue;
        ++changed;
        lines += L"  " + tab->m_module + L"." + names[i];
        const MacroCell* now = codes[i] == kMacroItemCell ? tab->cellWithName(names[i]) : nullptr;
        const MacroCell* was = codes[i] == kMacroItemCell ? old->cellWithName(names[i]) : nullptr;
        if (now && was)
            lines += L": " + was->m_value + L" -> " + now->m_value;
        lines += L"\n";
    }
    if (changed == 0)
        corePrint(L"No values changed.\n");
    else
        corePrint(Tvl_String(changed) +
                  (changed == 1 ? L" value changed:\n" : L" values changed:\n") + lines);
}

void runMacroModal() {
    auto* start = dialogsExport<StartModal>("_Z13StartDlgMacroR9MacroData");
    if (!start)
        return;
    AcArray<AcDbObjectId> ids;
    ids.append(AcDbObjectId::fromOldId(201));
    MacroData record;
    if (!model::sampleModel().fillRecord(ids, record)) {
        corePrint(L"*Error* The sample model has no end plate EP1.\n");
        return;
    }
    const MacroData before = record;
    start(record);
    printChanges(before, record);
}

const UserCommand kTvlMacroModal{L"TVLMACROMODAL", &runMacroModal};

} // namespace
