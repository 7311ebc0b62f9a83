// TVLSTRINGGRID: the string grid dialog on a sample table of profiles. On OK the rows as
// the user left them are printed, one line each; on Cancel "String grid: cancelled".

#include "core/CorePrint.h"
#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "core/commands/UserCommands.h"

namespace {

using StartGridDialog = bool(const Tvl_StringArray&, const Tvl_StringArray&,
                             Tvl_Array<Tvl_StringArray>&, bool, Tvl_String, Tvl_String);
// The export is a C++ function: its linker name carries the parameter types.
constexpr const char* kStartGridDialog =
    "_Z15startGridDialogRK15Tvl_StringArrayS1_R9Tvl_ArrayIS_Eb10Tvl_StringS5_";

Tvl_StringArray row(std::initializer_list<const wchar_t*> texts) {
    Tvl_StringArray r;
    for (const wchar_t* t : texts)
        r.append(t);
    return r;
}

void runStringGrid() {
    auto* start = dialogsExport<StartGridDialog>(kStartGridDialog);
    if (!start)
        return;
    const Tvl_StringArray columns = row({L"Profile", L"Steel", L"Length"});
    Tvl_Array<Tvl_StringArray> data;
    data.append(row({L"HEA 200", L"S235", L"4500"}));
    data.append(row({L"IPE 300", L"S355", L"6000"}));
    data.append(row({L"UNP 120", L"S235", L"2400"}));
    if (!start(columns, Tvl_StringArray(), data, true, Tvl_String(L""),
               Tvl_String(L"Sample table"))) {
        corePrint(L"String grid: cancelled\n");
        return;
    }
    corePrint(L"String grid: " + std::to_wstring(data.length()) + L" rows\n");
    for (int i = 0; i < data.length(); ++i) {
        std::wstring line = L"  ";
        for (int c = 0; c < data[i].length(); ++c)
            line += (c ? L" | " : L"") + data[i][c].str();
        corePrint(line + L"\n");
    }
}

const UserCommand kStringGrid{L"TVLSTRINGGRID", &runStringGrid};

} // namespace
