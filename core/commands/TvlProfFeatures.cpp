// TVLPROFFEATURES: the profile features form on a purlin of the sample model: its
// profile, the steel grade from a list, the length, the end gap (or, with the option
// "slotted holes", the slot length) and a remark. On OK the values are printed.

#include "core/CorePrint.h"
#include "core/commands/UserCommands.h"
#include "core/library/DlgProfFeaturesData.h"

namespace {

DlgProfFeaturesData& purlin() {
    static DlgProfFeaturesData d = [] {
        DlgProfFeaturesData f;
        f.caption = L"Purlin P3";
        f.profileName = L"IPE-200";
        f.caption1 = L"Steel grade";
        f.value1 = L"S235";
        f.list = Tvl_StringArray{L"S235", L"S275", L"S355"};
        f.caption2 = L"Length";
        f.value2 = L"6000";
        f.caption3 = L"End gap";
        f.altCaption3 = L"Slot length";
        f.value3 = L"10";
        f.altValue3 = L"30";
        f.caption4 = L"Remark";
        f.value4 = L"";
        f.optionCaption = L"Slotted holes";
        f.option = false;
        return f;
    }();
    return d;
}

void runProfFeatures() {
    auto* start =
        dialogsExport<bool(DlgProfFeaturesData&)>("_Z20StartDlgProfFeaturesR19DlgProfFeaturesData");
    if (!start)
        return;
    DlgProfFeaturesData data = purlin();
    if (!start(data)) {
        corePrint(Tvl_String(L"Purlin P3: unchanged.\n"));
        return;
    }
    purlin() = data;
    corePrint(L"Purlin P3: " + data.profileName + L", " + data.value1 + L", length " + data.value2 +
              (data.option ? L", slotted holes, slot length " + data.altValue3
                           : L", end gap " + data.value3) +
              (data.value4.isEmpty() ? Tvl_String() : L", remark " + data.value4) + L"\n");
}

const UserCommand kProfFeatures{L"TVLPROFFEATURES", &runProfFeatures};

} // namespace
