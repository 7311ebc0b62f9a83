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
    MacroData record;
    if (!model::sampleModel().fillSampleConnection(record))
        return;
    int index = -1;
    if (!start(true, record, index)) {
        corePrint(L"The macro dialog could not be opened.\n");
        return;
    }
    corePrint(L"Macro dialog " + Tvl_String(index) + L": " + record.m_title + L".\n");
}

const UserCommand kTvlMacro{L"TVLMACRO", &runMacroModeless};

} // namespace
