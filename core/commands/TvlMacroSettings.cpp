// TVLMACROSETTINGS [macro]: lists the general settings of a macro of the sample model
// (its filters, variables, groups and properties), as the macro editor's settings dialog
// edits them. Without a name it lists those of the end plate EP1.

#include "core/CorePrint.h"
#include "core/commands/UserCommands.h"
#include "core/macrosettings/MacroSettingsCallBacks.h"
#include "core/model/SampleModel.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

namespace {

void runListMacroSettings() {
    Tvl_String name = L"EP1";
#if TVL_HOST_AVAILABLE
    ACHAR buffer[256] = {};
    const int got = acedGetString(0, L"Macro <EP1>: ", buffer, 256);
    if (got == RTERROR) {
        corePrint(L"*Error* The macro name is too long.\n");
        return;
    }
    if (got == RTNORM && buffer[0] != 0)
        name = Tvl_String(buffer);
#endif
    const model::MacroInstance* instance = model::sampleModel().instanceByName(name);
    if (!instance) {
        corePrint(L"*Error* The sample model has no macro \"" + name.str() + L"\".\n");
        return;
    }
    listMacroSettings(instance->m_id);
}

const UserCommand kTvlMacroSettings{L"TVLMACROSETTINGS", &runListMacroSettings};

} // namespace
