// TVLDESIGNER [name]: the dialog designer on a design of the sample library. The name is
// the design's name below the designs' root ("tour", "sub\plate"); without one the tour's
// design opens. A name that names no design opens an empty designer, as the export does.

#include "core/CorePrint.h"
#include "core/Tvl_Settings.h"
#include "core/Tvl_String.h"
#include "core/commands/UserCommands.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

#include <string_view>

namespace {

constexpr const wchar_t* kDefaultDesign = L"tour";

// Names become file names: no characters that file names may not hold, no empty, "."
// or ".." parts, "\" only between folder names.
bool validName(std::wstring_view s) {
    if (s.empty() || s.front() == L'\\' || s.back() == L'\\')
        return false;
    std::wstring_view::size_type start = 0;
    for (std::wstring_view::size_type i = 0; i <= s.size(); ++i) {
        const wchar_t c = i < s.size() ? s[i] : L'\\';
        if (c == L'\\') {
            const std::wstring_view part = s.substr(start, i - start);
            if (part.empty() || part == L"." || part == L"..")
                return false;
            start = i + 1;
        } else if (c < 32 || c == 127 ||
                   std::wstring_view(L"<>:\"|?*/").find(c) != std::wstring_view::npos) {
            return false;
        }
    }
    return true;
}

void runDesigner() {
#if TVL_HOST_AVAILABLE
    ACHAR buffer[512] = {};
    const int got = acedGetString(0, L"Design name <tour>: ", buffer, 512);
    if (got == RTERROR) {
        corePrint(L"*Error* The design name is too long.\n");
        return;
    }
    const Tvl_String name = got == RTNORM ? Tvl_String(buffer) : Tvl_String(kDefaultDesign);
#else
    const Tvl_String name = kDefaultDesign;
#endif
    if (!validName(name.str())) {
        corePrint(L"*Error* \"" + std::wstring(name.str()) +
                  L"\" is not a design name (no folder steps or characters that file names "
                  L"cannot hold).\n");
        return;
    }
    using Start = bool(const Tvl_String&);
    Start* start = dialogsExport<Start>("_Z16StartDlgDesignerRK10Tvl_String");
    if (!start)
        return;
    const Tvl_String path =
        gSettings.libDir() + L"Dialog Templates\\Dialog Design\\" + name + L".txt";
    corePrint(L"Dialog designer on " + std::wstring(name.str()) + L"\n");
    const bool ok = start(path);
    corePrint(ok ? L"Dialog designer closed with OK.\n" : L"Dialog designer closed.\n");
}

const UserCommand kDesigner{L"TVLDESIGNER", &runDesigner};

} // namespace
