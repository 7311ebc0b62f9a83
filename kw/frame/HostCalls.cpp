#include "kw/frame/HostCalls.h"

#include <string>

#include "platform/host/AcEd.h"
#include "platform/host/Profile.h"

namespace kw {

void hostPrint(std::wstring_view text) {
    // Through "%ls" so that a '%' in the text is printed as it is.
    const std::wstring copy(text);
    acutPrintf(L"%ls", copy.c_str());
}

void hostPostCommandPrompt() {
    acedPostCommandPrompt();
}

ui::Window* hostMainWindow() {
    return adsw_acadMainWnd();
}

} // namespace kw

namespace kw {

int profileGetInt(std::wstring_view section, std::wstring_view key, int defaultValue) {
    return host::profile().getInt(section, key, defaultValue);
}

void profilePutInt(std::wstring_view section, std::wstring_view key, int value) {
    host::profile().putInt(section, key, value);
}

} // namespace kw
