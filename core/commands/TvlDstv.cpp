// TVLDSTV: the DSTV point groups of the library; afterwards the groups, the standard
// group and each group's number of points are printed.

#include "core/CorePrint.h"
#include "core/FileHelpers.h"
#include "core/commands/UserCommands.h"
#include "core/fabrication/DlgDstvPoints.h"

namespace {

void runDstv() {
    auto* start = dialogsExport<void()>("_Z18StartDSTVPointsDlgv");
    if (!start)
        return;
    start();
    DlgDstvPoints groups;
    Tvl_StringArray names;
    groups.getAllDstvPointsFiles(names);
    corePrint(L"DSTV point groups: " + Tvl_String(names.length()) + L".\n");
    for (int i = 0; i < names.length(); ++i) {
        Tvl_Array<Tvl_DstvPointInfo> points;
        Tvl_String line = L"  " + names[i] + L": ";
        if (groups.readFromFile(names[i], points)) {
            line += Tvl_String(points.length()) + L" points";
            for (int p = 0; p < points.length(); ++p)
                line += (p ? L", " : L" (") + points[p].name();
            if (points.length() > 0)
                line += L")";
        } else {
            line += L"cannot be read";
        }
        corePrint(line + L".\n");
    }
    const Tvl_String standard = removeExtension(groups.getStandardDstvPointsFile());
    corePrint(L"Standard group: " + (standard.isEmpty() ? Tvl_String(L"none") : standard) + L".\n");
}

const UserCommand kDstv{L"TVLDSTV", &runDstv};

} // namespace
