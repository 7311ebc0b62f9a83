// The module programming interface in the global namespace, forwarding to the host's
// services in namespace host.

#include "platform/host/AcEd.h"
#include "platform/host/AcEdCommandStack.h"
#include "platform/host/AcRxDynamicLinker.h"
#include "platform/host/CommandLine.h"
#include "platform/host/MainWindow.h"
#include "platform/host/ModuleLoader.h"
#include "platform/host/Printf.h"

#include "platform/base/Encoding.h"

#include <cstdarg>
#include <cwchar>
#include <string_view>

namespace {

AcRxDynamicLinker& linker() {
    static AcRxDynamicLinker* l = new AcRxDynamicLinker;
    return *l;
}

AcEdCommandStack& commandStack() {
    static AcEdCommandStack* s = new AcEdCommandStack;
    return *s;
}

} // namespace

AcRxDictionary* acrxSysRegistry() {
    static AcRxDictionary registry;
    return &registry;
}

AcRxObject* AcRxDictionary::at(const ACHAR* key) const {
    if (!key)
        return nullptr;
    const std::wstring_view k(key);
    if (k == ACRX_DYNAMIC_LINKER)
        return &linker();
    if (k == ACRX_COMMAND_DOCK)
        return &commandStack();
    return nullptr;
}

bool AcRxDynamicLinker::unlockApplication(void* appPacket) const {
    host::Module* m = host::moduleLoader().fromPacket(appPacket);
    if (!m)
        return false;
    m->locked = false;
    return true;
}

bool AcRxDynamicLinker::lockApplication(void* appPacket) const {
    host::Module* m = host::moduleLoader().fromPacket(appPacket);
    if (!m)
        return false;
    m->locked = true;
    return true;
}

bool AcRxDynamicLinker::isApplicationLocked(const ACHAR* moduleName) const {
    host::Module* m = moduleName ? host::moduleLoader().find(moduleName) : nullptr;
    return m && m->locked;
}

Acad::ErrorStatus AcRxDynamicLinker::registerAppMDIAware(void* appPacket) const {
    host::Module* m = host::moduleLoader().fromPacket(appPacket);
    if (!m)
        return Acad::eUnknownApplication;
    m->mdiAware = true;
    return Acad::eOk;
}

Acad::ErrorStatus AcRxDynamicLinker::registerAppNotMDIAware(void* appPacket) const {
    host::Module* m = host::moduleLoader().fromPacket(appPacket);
    if (!m)
        return Acad::eUnknownApplication;
    m->mdiAware = false;
    return Acad::eOk;
}

bool AcRxDynamicLinker::loadModule(const ACHAR* fileName, bool printit, bool) {
    if (!fileName)
        return false;
    const host::LoadResult r = host::moduleLoader().load(fileName, printit);
    return r == host::LoadResult::Loaded || r == host::LoadResult::AlreadyLoaded;
}

bool AcRxDynamicLinker::unloadModule(const ACHAR* fileName, bool printit, bool asCmd) {
    if (!fileName)
        return false;
    return host::moduleLoader().unload(fileName,
                                       asCmd ? host::UnloadMode::User : host::UnloadMode::Forced,
                                       printit) == host::UnloadResult::Unloaded;
}

bool acrxLoadModule(const ACHAR* fileName, bool printit, bool asCmd) {
    return linker().loadModule(fileName, printit, asCmd);
}

bool acrxUnloadModule(const ACHAR* fileName, bool asCmd) {
    return linker().unloadModule(fileName, true, asCmd);
}

int acutPrintf(const ACHAR* format, ...) {
    va_list ap;
    va_start(ap, format);
    const std::wstring text = host::formatPrintf(format, ap);
    va_end(ap);
    host::commandLine().write(text);
    return static_cast<int>(text.size());
}

int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufLen) {
    if (!result || bufLen == 0)
        return RTERROR;
    result[0] = 0;
    host::CommandLine& line = host::commandLine();
    std::wstring text;
    if (cronly)
        text = line.takeInputRest();
    else if (!line.takeInputWord(text))
        text.clear();
    if (prompt)
        line.write(std::wstring(prompt) + text + L"\n");
    if (text.empty())
        return RTNONE;
    if (text.size() + 1 > bufLen)
        return RTERROR;
    std::wcsncpy(result, text.c_str(), bufLen);
    return RTNORM;
}

void acedPostCommandPrompt() {
    host::commandLine().countPrompt();
}

void acedUpdateDisplay() {
    host::commandLine().countUpdateDisplay();
}

ui::Window* adsw_acadMainWnd() {
    return &host::mainWindow();
}
