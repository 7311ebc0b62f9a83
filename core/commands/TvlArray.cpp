// TVLARRAY: the array dialog on the array "Ribs" of the sample connection's bolt tab, as
// a drawn array button opens it. On OK what changed in the array is printed and the
// array goes to the model (which prints what it made of it, or why it refused it).

#include "core/CorePrint.h"
#include "core/MacroCallBacks.h"
#include "core/MacroData.h"
#include "core/commands/UserCommands.h"
#include "core/macrobolt/ArrayKinds.h"
#include "core/model/SampleModel.h"

namespace {

using StartArray = bool(DynArrayData& data, const AcArray<AcDbObjectId>& objects,
                        const Tvl_String& name);

constexpr const wchar_t* kModule = L"Bolts";
constexpr const wchar_t* kArray = L"Ribs";

void runArray() {
    auto* start = dialogsExport<StartArray>(
        "_Z13StartArrayDlgR12DynArrayDataRK7AcArrayI12AcDbObjectIdERK10Tvl_String");
    if (!start)
        return;
    MacroData record;
    if (!model::sampleModel().fillSampleConnection(record))
        return;
    MacroTabData* tab = record.tabOfModule(kModule);
    int index = -1;
    if (tab == nullptr || !tab->findArrayWithName(kArray, index)) {
        corePrint(Tvl_String(L"*Error* The sample connection has no array ") + kArray + L".\n");
        return;
    }
    const MacroTabData before = *tab;
    DynArrayData array = tab->m_arrays[index];
    if (!start(array, record.m_objects, tab->m_module)) {
        corePrint(L"Array dialog cancelled.\n");
        return;
    }
    const Tvl_StringArray lines = describeArrayChanges(before.m_arrays[index], array);
    if (lines.length() == 0) {
        corePrint(Tvl_String(L"Array ") + kArray + L": no values changed.\n");
        return;
    }
    Tvl_String text = Tvl_String(L"Array ") + kArray + L":\n";
    for (const Tvl_String& line : lines)
        text += L"  " + line + L"\n";
    corePrint(text);
    tab->m_arrays[index] = array;
    Tvl_StringArray names;
    Tvl_Array<int> codes, indices;
    tab->differences(before, names, codes, indices);
    if (codes.length() > 0)
        UpdateModule(kModule, record, codes, indices);
}

const UserCommand kTvlArray{L"TVLARRAY", &runArray};

} // namespace
