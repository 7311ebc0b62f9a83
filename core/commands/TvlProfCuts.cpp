// TVLPROFCUTS: the profile cuts dialog on the sample model's beam B1 (three cuts); the
// column C1 can be picked in the drawing (entity 102). Cuts are removed from the model at
// once; at the end the cuts left are printed.

#include "core/CorePrint.h"
#include "core/commands/UserCommands.h"
#include "core/library/DlgProfCutsData.h"

namespace {

void runProfCuts() {
    auto* start =
        dialogsExport<bool(DlgProfCutsData&)>("_Z20StartEditProfCutsDlgR15DlgProfCutsData");
    if (!start)
        return;
    static DlgProfCutsData model;
    start(model);
    for (const DlgProfCutsData::Profile& p : model.profiles())
        corePrint(p.name + L": " + Tvl_String(static_cast<int>(p.cuts.size())) + L" cuts\n");
    corePrint(L"Previews in the drawing: " + Tvl_String(static_cast<int>(model.previews().size())) +
              L"\n");
}

const UserCommand kProfCuts{L"TVLPROFCUTS", &runProfCuts};

} // namespace
