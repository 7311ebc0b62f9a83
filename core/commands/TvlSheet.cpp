// TVLSHEET [name]: the spreadsheet editor on a document of the sample library's
// "Spreadsheets" folder, named without its ".kws" ("bill-of-materials" when none is
// given). A name that names no document is reported and nothing opens.

#include "core/CorePrint.h"
#include "core/Tvl_Settings.h"
#include "core/Tvl_String.h"
#include "core/commands/UserCommands.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

#include <string_view>

namespace {

constexpr const wchar_t* kDefaultDocument = L"bill-of-materials";

// A plain file name: no folder steps, no characters file names cannot hold.
bool validName(std::wstring_view s) {
    if (s.empty() || s == L"." || s == L"..")
        return false;
    for (wchar_t c : s)
        if (c < 32 || c == 127 ||
            std::wstring_view(L"<>:\"|?*/\\").find(c) != std::wstring_view::npos)
            return false;
    return true;
}

void runSheet() {
#if TVL_HOST_AVAILABLE
    ACHAR buffer[512] = {};
    const int got = acedGetString(0, L"Document name <bill-of-materials>: ", buffer, 512);
    if (got == RTERROR) {
        corePrint(L"*Error* The document name is too long.\n");
        return;
    }
    const Tvl_String name = got == RTNORM ? Tvl_String(buffer) : Tvl_String(kDefaultDocument);
#else
    const Tvl_String name = kDefaultDocument;
#endif
    if (!validName(name.str())) {
        corePrint(L"*Error* \"" + std::wstring(name.str()) + L"\" is not a document name.\n");
        return;
    }
    const Tvl_String path = gSettings.libDir() + L"Spreadsheets\\" + name + L".kws";
    if (!base::pathExists(base::toNative(path.str()))) {
        corePrint(L"*Error* There is no document " + std::wstring(path.str()) + L".\n");
        return;
    }
    using Open = void(const Tvl_String&);
    Open* open = dialogsExport<Open>("_Z12KWEditorOpenRK10Tvl_String");
    if (!open)
        return;
    corePrint(L"Spreadsheet editor on " + std::wstring(name.str()) + L"\n");
    open(path);
    corePrint(Tvl_String(L"Spreadsheet editor closed.\n"));
}

const UserCommand kSheet{L"TVLSHEET", &runSheet};

} // namespace
