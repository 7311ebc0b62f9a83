// TVLMACRO: the macro dialog of the sample connection (end plate EP1), modeless. The
// dialog stays open while the user works; every edit goes to the model at once.

#include "core/CorePrint.h"
#include "core/MacroData.h"
#include "core/commands/UserCommands.h"
#include "core/model/SampleModel.h"

namespace {

using StartModeless = bool(bool keepFocus, MacroData& macro, int& index);

void runMacroModeless() {
    auto* start = dialogsExport<StartModeless>("_Z21StartDlgMacroModelessbR9MacroDataRi");
    if (!start)
        return;
    AcArray<AcDbObjectId> ids;
    ids.append(AcDbObjectId::fromOldId(201));
    MacroData record;
    if (!model::sampleModel().fillRecord(ids, record)) {
        corePrint(L"*Error* The sample model has no end plate EP1.\n");
        return;
    }
    int index = -1;
    if (!start(true, record, index)) {
        corePrint(L"The macro dialog could not be opened.\n");
        return;
    }
    corePrint(L"Macro dialog " + Tvl_String(index) + L": " + record.m_title + L".\n");
}

const UserCommand kTvlMacro{L"TVLMACRO", &runMacroModeless};

} // namespace
