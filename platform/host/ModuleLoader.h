#pragma once
// ModuleLoader: loads and unloads the host's modules (shared libraries, "*.arx").
//
// Paths. A module is named by a path in the product's form ("c:\trevlon\KW.arx") or a
// native path; platform/base maps it. A bare file name ("KW.arx") is looked for in the
// search path (the support folders, then the host program's folder), then in the
// current folder. A module is identified by its resolved native path: loading it again
// reports "already loaded" and succeeds without a second initialisation.
//
// Loading: dlopen with RTLD_NOW | RTLD_GLOBAL. RTLD_NOW, so that a module with an
// unresolved symbol fails at once with a clear message, as on the product's platform;
// RTLD_GLOBAL, so that the C++ objects with vague linkage (inline and template statics,
// type information) that a module shares with a module it links against (KW.arx with
// zelcor.arx) resolve to one copy, as one process-wide definition. The entry points
// are looked up in the module itself (a symbol found in a library it depends on does
// not count). Order: DllMain(attach) if exported, then acrxEntryPoint(kInitAppMsg).
//
// Unloading: acrxEntryPoint(kUnloadAppMsg), then the host removes commands whose
// functions live in the module and destroys top-level windows whose class code lives in
// the module (both would point into unmapped code once it is gone, and are reported),
// then DllMain(detach), then dlclose. A module that never called unlockApplication is
// locked: the user's UNLOAD refuses it; the host's shutdown unloads it anyway. A module
// whose command is running is busy and cannot be unloaded. Nor can one that another
// loaded module links against (KW.arx links zelcor.arx): its state would be torn down
// under the module still calling it; the shutdown unloads the dependent first anyway,
// last loaded first.
//
// Every failure prints one line on the command line and leaves the host as it was.

#include "platform/host/AcRxDynamicLinker.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host {

enum class LoadResult {
    Loaded,
    AlreadyLoaded,
    NotFound,
    NotAModule, // dlopen failed (not a shared library, unresolved symbols, ...)
    NoEntryPoint,
    WrongApiVersion,
    AttachRefused, // DllMain(attach) returned 0
    InitRefused    // acrxEntryPoint(kInitAppMsg) did not return kRetOK (or threw)
};

enum class UnloadResult { Unloaded, NotLoaded, Locked, Busy, InUse };

enum class UnloadMode {
    User,  // honours the lock
    Forced // host shutdown, tests
};

struct Module {
    std::wstring requestedPath;       // as asked for
    std::filesystem::path nativePath; // resolved
    std::wstring name;                // file name, e.g. "KW.arx"
    bool locked = true;
    bool mdiAware = false;
    int busy = 0; // running commands of this module
    bool initialised = false;

    // Internal.
    void* handle = nullptr;
    std::string linkName;            // the dynamic linker's name of the library
    std::vector<std::string> needed; // libraries it links against (file names)
    AcRxEntryPointFn entryPoint = nullptr;
    AcRxDllMainFn dllMain = nullptr;
};

const char* loadResultText(LoadResult r);

class ModuleLoader {
public:
    // printResult: print "Loaded module <path>" on success (failures always print).
    LoadResult load(std::wstring_view path, bool printResult = true);
    // `nameOrPath`: the file name ("KW.arx", any case), the requested or native path.
    UnloadResult unload(std::wstring_view nameOrPath, UnloadMode mode, bool printResult = true);
    // Unloads everything, last loaded first (Forced).
    void unloadAll();

    // Modules in load order (those still initialising included).
    std::vector<Module*> modules() const;
    Module* find(std::wstring_view nameOrPath) const;
    // The module a packet (or HINSTANCE) stands for; null when unknown.
    Module* fromPacket(void* packet) const;
    // The module whose code contains `address`; null when none.
    Module* moduleAt(const void* address) const;

    // Where bare file names are looked for (native folders, in order).
    void setSearchPath(std::vector<std::filesystem::path> folders) {
        m_searchPath = std::move(folders);
    }
    const std::vector<std::filesystem::path>& searchPath() const { return m_searchPath; }
    // Resolves a module path as described above; empty when not found.
    std::filesystem::path resolve(std::wstring_view path) const;

private:
    UnloadResult unload(Module* module, UnloadMode mode, bool printResult);
    // A loaded module that links against `module`, or null.
    Module* dependentOf(const Module& module) const;
    void discard(Module* module, bool detach);
    void removeLeftovers(Module& module);

    std::vector<std::unique_ptr<Module>> m_modules;
    std::vector<std::filesystem::path> m_searchPath;
    bool m_shuttingDown = false;
};

ModuleLoader& moduleLoader();

// The loader API for other code of the process (the product's loader module, tests):
// loads a module by its product path; true when it is loaded afterwards.
bool loadModule(std::wstring_view productPath);
bool unloadModule(std::wstring_view nameOrPath);

} // namespace host
