#include "core/commands/UserCommands.h"

#include "core/CorePrint.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEdCommandStack.h"
#include "platform/host/ModuleLoader.h"
#include <dlfcn.h>
#endif

namespace {

// Built on first use, so registrations from any file's static initialisation find it.
std::vector<const UserCommand*>& registry() {
    static std::vector<const UserCommand*> commands;
    return commands;
}

std::wstring widen(const char* text) {
    std::wstring out;
    for (const char* p = text; *p; ++p)
        out.push_back(static_cast<unsigned char>(*p));
    return out;
}

} // namespace

UserCommand::UserCommand(const wchar_t* name, Function run) : m_name(name), m_run(run) {
    registry().push_back(this);
}

const std::vector<const UserCommand*>& UserCommand::all() {
    return registry();
}

#if TVL_HOST_AVAILABLE

void registerUserCommands() {
    AcEdCommandStack* stack = acedRegCmds;
    if (!stack)
        return;
    for (const UserCommand* command : registry()) {
        if (stack->addCommand(kUserCommandGroup, command->name(), command->name(), ACRX_CMD_MODAL,
                              command->function()) != Acad::eOk)
            corePrint(L"*Error* Could not register the command " + std::wstring(command->name()) +
                      L".\n");
    }
}

void removeUserCommands() {
    if (AcEdCommandStack* stack = acedRegCmds)
        stack->removeGroup(kUserCommandGroup);
}

void* dialogsExportAddress(const char* name) {
    host::Module* module = host::moduleLoader().find(L"KW.arx");
    if (!module || !module->handle) {
        corePrint(L"*Error* The dialogs module KW.arx is not loaded.\n");
        return nullptr;
    }
    void* address = dlsym(module->handle, name);
    if (!address)
        corePrint(L"*Error* KW.arx does not export " + widen(name) + L".\n");
    return address;
}

#else

void registerUserCommands() {}
void removeUserCommands() {}
void* dialogsExportAddress(const char*) {
    return nullptr;
}

#endif
