// Module entry: attach and detach, and the host's entry messages.

#include "kw/frame/ConstraintsEditorSlot.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/MacroDialogTable.h"
#include "kw/frame/ModuleIds.h"
#include "kw/frame/ModuleResources.h"
#include "kw/frame/ModuleState.h"
#include "platform/host/AcEdCommandStack.h"
#include "platform/host/AcRxDynamicLinker.h"
#include "platform/ui/Application.h"

namespace kw {
namespace {

constexpr const wchar_t* kCommandGroup = L"TREVLON_KW";
constexpr const wchar_t* kCommandName = L"TEST";

} // namespace

ModuleState& moduleState() {
    static ModuleState state;
    return state;
}

bool attachModule() {
    ModuleState& state = moduleState();
    if (state.attached)
        return true;
    ui::ResourceModule& resources = resourceModule();
    state.resourceSwitch.SaveDefaultResource(&resources);
    // Joining the resource chain lets entries without the switch find the templates.
    ui::app().resources().registerModule(&resources);
    state.attached = true;
    return true;
}

void detachModule() {
    ModuleState& state = moduleState();
    if (!state.attached)
        return;
    ui::app().resources().unregisterModule(&resourceModule());
    state.attached = false;
}

void initApplication(void* appPacket) {
    ModuleState& state = moduleState();
    acrxDynamicLinker->unlockApplication(appPacket);
    acrxDynamicLinker->registerAppMDIAware(appPacket);
    state.checkedBitmap = ui::app().resources().loadBitmap(kBitmapCheckOn);
    state.uncheckedBitmap = ui::app().resources().loadBitmap(kBitmapCheckOff);
    acedRegCmds->addCommand(kCommandGroup, kCommandName, kCommandName, ACRX_CMD_MODAL, &KWEditor,
                            nullptr, -1, nullptr);
    state.initialised = true;
}

void unloadApplication() {
    ModuleState& state = moduleState();
    acedRegCmds->removeGroup(kCommandGroup);
    DestroyAllMacroDlgs();
    // Dialogs whose close is still waiting for their macro go now: their timers would
    // otherwise fire into a module that is no longer there.
    MacroDialogTable::instance().closePendingNow();
    EndDlgEditConstraints();
    state.checkedBitmap = {};
    state.uncheckedBitmap = {};
    state.initialised = false;
}

} // namespace kw

ACRX_EXPORT int DllMain(HINSTANCE /*instance*/, unsigned long reason, void* /*reserved*/) {
    if (reason == DLL_PROCESS_ATTACH)
        return kw::attachModule() ? 1 : 0;
    if (reason == DLL_PROCESS_DETACH)
        kw::detachModule();
    return 1;
}

ACRX_EXPORT AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appPacket) {
    switch (msg) {
    case AcRx::kInitAppMsg:
        kw::initApplication(appPacket);
        break;
    case AcRx::kUnloadAppMsg:
        kw::unloadApplication();
        break;
    default:
        break;
    }
    return AcRx::kRetOK;
}
