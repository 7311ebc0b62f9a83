// TVLMACROCUTS [cut]: the macro cuts dialog on a cut of the sample connection EP1: the
// cut named on the command line (edited), or a new cut when none is named. On OK the
// cut is written into the model and printed; otherwise the command says how the dialog
// was left.

#include "core/CorePrint.h"
#include "core/commands/UserCommands.h"
#include "core/macrocuts/DlgMacroCutsData.h"
#include "core/model/SampleModel.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

namespace {

constexpr const wchar_t* kMacro = L"EP1";

void runMacroCuts() {
    Tvl_String cut;
#if TVL_HOST_AVAILABLE
    ACHAR buffer[256] = {};
    const int got = acedGetString(0, L"Cut of EP1 to edit <new cut>: ", buffer, 256);
    if (got == RTERROR) {
        corePrint(L"*Error* The cut name is too long.\n");
        return;
    }
    if (got == RTNORM)
        cut = Tvl_String(buffer).trimmed();
#endif
    const model::MacroInstance* instance = model::sampleModel().instanceByName(kMacro);
    if (instance == nullptr) {
        corePrint(L"*Error* The sample model has no macro EP1.\n");
        return;
    }
    DlgMacroCutsData record;
    if (!record.fillFromModel(instance->m_id, cut))
        return;
    using Start = bool(DlgMacroCutsData&, bool&);
    auto* start = dialogsExport<Start>("_Z17StartDlgMacroCutsR16DlgMacroCutsDataRb");
    if (!start)
        return;
    bool escaped = false;
    if (start(record, escaped))
        record.applyToModel();
    else
        corePrint(escaped ? L"Macro cuts dialog left with Escape; nothing changed.\n"
                          : L"Macro cuts dialog cancelled; nothing changed.\n");
}

const UserCommand kTvlMacroCuts{L"TVLMACROCUTS", &runMacroCuts};

} // namespace
