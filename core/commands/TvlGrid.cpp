// TVLGRID: the building grid dialog on the sample model's grid. On OK the grid is
// checked and, when sound, applied and printed line by line; otherwise it stays.

#include "core/CorePrint.h"
#include "core/commands/UserCommands.h"
#include "core/fabrication/SampleLayout.h"
#include "kw/fabrication/BmGridDlgData.h"

namespace {

Tvl_String describe(const Tvl_StringArray& labels, const std::vector<double>& positions) {
    Tvl_String text = Tvl_String(labels.length()) + L" lines " + labels[0];
    if (labels.length() > 1)
        text += L" to " + labels[labels.length() - 1];
    text += L" at";
    for (size_t i = 0; i < positions.size(); ++i)
        text += (i ? L", " : L" ") + Tvl_String(positions[i], 0);
    return text + L" mm";
}

void runGrid() {
    auto* start = dialogsExport<bool(BmGridDlgData&)>("_Z12StartDlgGridR13BmGridDlgData");
    if (!start)
        return;
    sample::BuildingGrid& grid = sample::buildingGrid();
    BmGridDlgData data;
    data.m_firstCount = grid.first.count;
    data.m_firstDistance = grid.first.distance;
    data.m_firstLabel = grid.first.label;
    data.m_secondCount = grid.second.count;
    data.m_secondDistance = grid.second.distance;
    data.m_secondLabel = grid.second.label;
    data.m_option = grid.dimensioned;
    if (!start(data)) {
        corePrint(L"The grid was not changed.\n");
        return;
    }
    sample::BuildingGrid changed{{data.m_firstCount, data.m_firstDistance, data.m_firstLabel},
                                 {data.m_secondCount, data.m_secondDistance, data.m_secondLabel},
                                 data.m_option};
    Tvl_StringArray labels1, labels2;
    std::vector<double> at1, at2;
    Tvl_String why;
    if (!sample::gridLines(changed.first, labels1, at1, why) ||
        !sample::gridLines(changed.second, labels2, at2, why)) {
        corePrint(L"*Error* The grid was not changed: " + why + L".\n");
        return;
    }
    grid = changed;
    corePrint(L"Grid, first direction: " + describe(labels1, at1) + L".\n");
    corePrint(L"Grid, second direction: " + describe(labels2, at2) + L".\n");
    corePrint(Tvl_String(grid.dimensioned ? L"The grid is dimensioned.\n"
                                          : L"The grid is not dimensioned.\n"));
}

const UserCommand kGrid{L"TVLGRID", &runGrid};

} // namespace
