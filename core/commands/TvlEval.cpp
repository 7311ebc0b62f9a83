// TVLEVAL [name]: the evaluator reads a document of the sample library's "Spreadsheets"
// folder (default "lookup", which takes its values from another document through
// FROMTABLE) and the result is printed: the text of the first cell, the column names and
// every row (the first 20 of a longer document).

#include "core/CorePrint.h"
#include "core/Tvl_Array.h"
#include "core/Tvl_Settings.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "core/commands/UserCommands.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

namespace {

constexpr const wchar_t* kDefaultDocument = L"lookup";
constexpr int kRowsShown = 20;

bool plainName(const Tvl_String& name) {
    if (name.isEmpty() || name.str() == L"." || name.str() == L"..")
        return false;
    for (wchar_t c : name.str())
        if (c < 32 || std::wstring_view(L"\\/:<>\"|?*").find(c) != std::wstring_view::npos)
            return false;
    return true;
}

Tvl_String joined(const Tvl_StringArray& items) {
    Tvl_String line;
    for (int i = 0; i < items.length(); ++i)
        line += (i > 0 ? L" | " : L"") + items[i];
    return line;
}

void runEval() {
#if TVL_HOST_AVAILABLE
    ACHAR buffer[256] = {};
    const int got = acedGetString(0, L"Spreadsheet name <lookup>: ", buffer, 256);
    if (got == RTERROR) {
        corePrint(L"*Error* The spreadsheet name is too long.\n");
        return;
    }
    Tvl_String name = got == RTNORM ? Tvl_String(buffer) : Tvl_String(kDefaultDocument);
#else
    Tvl_String name = kDefaultDocument;
#endif
    name.trim();
    if (name.isEmpty())
        name = kDefaultDocument;
    if (name.endsWith(L".kws", true))
        name = name.left(name.length() - 4);
    if (!plainName(name)) {
        corePrint(L"*Error* \"" + name.str() + L"\" is not a spreadsheet name of the library.\n");
        return;
    }
    using Read =
        void(const Tvl_String&, Tvl_String&, Tvl_StringArray&, Tvl_Array<Tvl_StringArray>&);
    Read* read =
        dialogsExport<Read>("_Z10ReadKWFileRK10Tvl_StringRS_R15Tvl_StringArrayR9Tvl_ArrayIS3_E");
    if (!read)
        return;
    const Tvl_String path = gSettings.libDir() + L"Spreadsheets\\" + name + L".kws";
    Tvl_String first;
    Tvl_StringArray names;
    Tvl_Array<Tvl_StringArray> rows;
    read(path, first, names, rows);
    if (names.isEmpty() && rows.isEmpty()) {
        corePrint(L"*Error* The spreadsheet " + path + L" cannot be read.\n");
        return;
    }
    corePrint(L"Spreadsheet " + name + L".kws: " + Tvl_String(rows.length()) + L" rows, " +
              Tvl_String(names.length()) + L" columns; first cell: " + first + L"\n");
    corePrint(L"Columns: " + joined(names) + L"\n");
    for (int r = 0; r < rows.length() && r < kRowsShown; ++r)
        corePrint(L"Row " + Tvl_String(r + 1) + L": " + joined(rows[r]) + L"\n");
    if (rows.length() > kRowsShown)
        corePrint(L"(" + Tvl_String(rows.length() - kRowsShown) + L" more rows)\n");
}

const UserCommand kEval{L"TVLEVAL", &runEval};

} // namespace
