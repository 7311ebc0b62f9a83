// TVLMACROEDIT: the macro editor on the sample end plate EP1, modeless. It stays open
// while the user works in the drawing; every change goes to the model at once.

#include "core/CorePrint.h"
#include "core/commands/UserCommands.h"
#include "core/macroedit/MacroEditCallBacks.h"

namespace {

using StartModeless = bool(EditConstrData& data);

void runMacroEditor() {
    auto* start = dialogsExport<StartModeless>("_Z23StartDlgEditConstraintsR14EditConstrData");
    if (!start)
        return;
    EditConstrData record;
    if (!fillEditRecord(AcDbObjectId::fromOldId(201), L"EndPlate", record)) {
        corePrint(L"*Error* The sample model has no end plate EP1.\n");
        return;
    }
    start(record);
}

const UserCommand kTvlMacroEdit{L"TVLMACROEDIT", &runMacroEditor};

} // namespace
