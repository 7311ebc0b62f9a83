// TVLMACROEDITMODAL: the macro editor on the sample end plate EP1, modal. The model has
// every change already when it closes; the command says how it was closed.

#include "core/CorePrint.h"
#include "core/commands/UserCommands.h"
#include "core/macroedit/MacroEditCallBacks.h"

namespace {

using StartModal = bool(EditConstrData& data);

void runMacroEditorModal() {
    auto* start = dialogsExport<StartModal>("_Z23StartDlgEditConstrModalR14EditConstrData");
    if (!start)
        return;
    EditConstrData record;
    if (!fillEditRecord(AcDbObjectId::fromOldId(201), L"EndPlate", record)) {
        corePrint(L"*Error* The sample model has no end plate EP1.\n");
        return;
    }
    corePrint(start(record) ? L"Macro editor closed with OK.\n"
                            : L"Macro editor closed without OK.\n");
}

const UserCommand kTvlMacroEditModal{L"TVLMACROEDITMODAL", &runMacroEditorModal};

} // namespace
