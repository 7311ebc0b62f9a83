#include "kw/macro/MacroSettingsEntry.h"

#include "kw/frame/HostCalls.h"

namespace kw {

bool editMacroSettings(ui::Window*, const AcDbObjectId&) {
    hostPrint(L"The macro settings dialog is not available yet.\n");
    return false;
}

} // namespace kw
