#pragma once
// The module-wide objects of the dialogs module: one of each per process, made when the
// module is loaded and dropped when it is unloaded.

#include <string>

#include "core/BmTempResourceOverride.h"
#include "platform/ui/Image.h"

namespace kw {

struct ModuleState {
    // The resource switch; told the module's resources once, at attach.
    BmTempResourceOverride resourceSwitch;
    // The check-box cell pictures of the macro pages' grids: checked, then unchecked.
    ui::Image checkedBitmap;
    ui::Image uncheckedBitmap;
    // The document name the spreadsheet editor keeps between its runs.
    std::wstring spreadsheetName;
    bool attached = false;
    bool initialised = false;
};

ModuleState& moduleState();

// Entries marked with the switch run inside one of these: on for the whole call, off on
// every way out.
class ResourceSwitchScope {
public:
    ResourceSwitchScope() { moduleState().resourceSwitch.SetDefaultResource(); }
    ~ResourceSwitchScope() { moduleState().resourceSwitch.RestoreOriginalResource(); }
    ResourceSwitchScope(const ResourceSwitchScope&) = delete;
    ResourceSwitchScope& operator=(const ResourceSwitchScope&) = delete;
};

// Attach and initialisation, as the host's entry calls drive them (also used by tests,
// which link the module's code without loading it).
bool attachModule();
void detachModule();
void initApplication(void* appPacket);
void unloadApplication();

} // namespace kw
