// TVLLEVELS: the levels dialog on the sample model's building levels; on OK the levels
// are applied and printed with their absolute heights.

#include "core/CorePrint.h"
#include "core/commands/UserCommands.h"
#include "core/fabrication/SampleLayout.h"

namespace {

void runLevels() {
    auto* start = dialogsExport<bool(BmLevelsDlgData&)>("_Z14StartDlgLevelsR15BmLevelsDlgData");
    if (!start)
        return;
    BmLevelsDlgData data = sample::levels();
    if (!start(data)) {
        corePrint(L"The levels were not changed.\n");
        return;
    }
    sample::levels() = data;
    corePrint(L"Levels: " + Tvl_String(data.count()) + L".\n");
    for (int i = 0; i < data.count(); ++i) {
        Tvl_String name, reference;
        double height = 0, absolute = 0;
        data.getLevelData(i, name, reference, height, absolute);
        Tvl_String line = L"  " + name + L": " + Tvl_String(height, 0) + L" mm";
        if (!reference.isEmpty())
            line += L" above " + reference;
        corePrint(line + L", absolute " + Tvl_String(absolute, 0) + L" mm.\n");
    }
}

const UserCommand kLevels{L"TVLLEVELS", &runLevels};

} // namespace
