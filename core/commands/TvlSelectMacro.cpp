// TVLSELECTMACRO: the macro gallery on the sample library's macro folders ("Connections"
// and "Base plates" below "Macros\"). The chosen macro drawing is printed; when the
// user asks to pick in the drawing instead, the macro picked there is printed.

#include "core/CorePrint.h"
#include "core/commands/UserCommands.h"
#include "core/macrocuts/MacroDrawingInfo.h"
#include "core/model/SampleModel.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

namespace {

void pickInDrawing() {
#if TVL_HOST_AVAILABLE
    AcArray<AcDbObjectId> picked;
    if (acedSSGetIds(L"\nSelect a macro: ", picked) != RTNORM) {
        corePrint(L"No macro chosen.\n");
        return;
    }
    for (const AcDbObjectId& id : picked)
        if (const model::MacroInstance* instance = model::sampleModel().instance(id)) {
            corePrint(L"Picked macro: " + instance->title() + L".\n");
            return;
        }
    corePrint(L"Nothing selected is a macro.\n");
#endif
}

void runSelectMacro() {
    using Start = bool(const Tvl_String&, const Tvl_StringArray&, const AcArray<bool>&, const int&,
                       const int&, Tvl_String&, bool&, bool);
    auto* start = dialogsExport<Start>(
        "_Z19StartDlgSelectMacroRK10Tvl_StringRK15Tvl_StringArrayRK7AcArrayIbERKiSA_RS_Rbb");
    if (!start)
        return;
    const Tvl_StringArray folders{L"Connections", L"Base plates"};
    AcArray<bool> flags;
    flags.append(true);
    flags.append(true);
    const int anyCount = 0;
    Tvl_String chosen;
    bool pick = true; // the host can pick in the drawing
    if (!start(Tvl_String(), folders, flags, anyCount, anyCount, chosen, pick, true)) {
        corePrint(L"No macro chosen.\n");
        return;
    }
    if (pick) {
        pickInDrawing();
        return;
    }
    MacroDrawingInfo info;
    readMacroDrawing(chosen, info);
    corePrint(L"Chosen macro: " + info.caption + L" (" + chosen + L").\n");
}

const UserCommand kTvlSelectMacro{L"TVLSELECTMACRO", &runSelectMacro};

} // namespace
