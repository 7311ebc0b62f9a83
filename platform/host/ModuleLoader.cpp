#include "platform/host/ModuleLoader.h"

#include "platform/base/Encoding.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/base/Process.h"
#include "platform/host/CommandLine.h"
#include "platform/host/CommandRegistry.h"
#include "platform/host/ElfNeeded.h"
#include "platform/host/Printf.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"

#include <dlfcn.h>
#include <link.h>

#include <algorithm>
#include <cstring>
#include <system_error>

namespace host {
namespace fs = std::filesystem;

namespace {

void say(const std::wstring& text) {
    commandLine().write(text);
}

std::string linkNameOf(void* handle) {
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map || !map->l_name)
        return {};
    return map->l_name;
}

// A symbol defined by the library itself, not by one it depends on.
void* ownSymbol(void* handle, const std::string& linkName, const char* name) {
    void* symbol = dlsym(handle, name);
    if (!symbol)
        return nullptr;
    Dl_info info{};
    if (!dladdr(symbol, &info) || !info.dli_fname)
        return nullptr;
    return linkName == info.dli_fname ? symbol : nullptr;
}

std::string libraryOf(const void* address) {
    Dl_info info{};
    if (!address || !dladdr(address, &info) || !info.dli_fname)
        return {};
    return info.dli_fname;
}

bool hasFolder(std::wstring_view path) {
    return path.find_first_of(L"\\/") != std::wstring_view::npos ||
           (path.size() >= 2 && path[1] == L':');
}

fs::path canonicalOf(const fs::path& p) {
    std::error_code ec;
    fs::path c = fs::weakly_canonical(p, ec);
    return ec ? p : c;
}

} // namespace

const char* loadResultText(LoadResult r) {
    switch (r) {
    case LoadResult::Loaded:
        return "loaded";
    case LoadResult::AlreadyLoaded:
        return "already loaded";
    case LoadResult::NotFound:
        return "file not found";
    case LoadResult::NotAModule:
        return "not a loadable module";
    case LoadResult::NoEntryPoint:
        return "no acrxEntryPoint";
    case LoadResult::WrongApiVersion:
        return "wrong API version";
    case LoadResult::AttachRefused:
        return "attach refused";
    case LoadResult::InitRefused:
        return "initialisation refused";
    }
    return "?";
}

ModuleLoader& moduleLoader() {
    static ModuleLoader* loader = new ModuleLoader;
    return *loader;
}

bool loadModule(std::wstring_view productPath) {
    const LoadResult r = moduleLoader().load(productPath);
    return r == LoadResult::Loaded || r == LoadResult::AlreadyLoaded;
}

bool unloadModule(std::wstring_view nameOrPath) {
    return moduleLoader().unload(nameOrPath, UnloadMode::Forced) == UnloadResult::Unloaded;
}

fs::path ModuleLoader::resolve(std::wstring_view path) const {
    if (path.empty())
        return {};
    const fs::path native = base::toNative(path);
    if (hasFolder(path)) {
        // The file name compares without regard to case, as on the product's platform.
        if (base::pathExists(native))
            return canonicalOf(native);
        const auto found = base::findFirst(native);
        return found ? canonicalOf(*found) : fs::path();
    }
    std::vector<fs::path> folders = m_searchPath;
    const fs::path program = base::ownProgramPath();
    if (!program.empty())
        folders.push_back(program.parent_path());
    folders.push_back(fs::current_path());
    for (const fs::path& folder : folders) {
        // File names compare without regard to case, as on the product's platform.
        if (auto found = base::findFirst(folder / native))
            return canonicalOf(*found);
    }
    return {};
}

std::vector<Module*> ModuleLoader::modules() const {
    std::vector<Module*> out;
    for (const auto& m : m_modules)
        out.push_back(m.get());
    return out;
}

Module* ModuleLoader::find(std::wstring_view nameOrPath) const {
    if (nameOrPath.empty())
        return nullptr;
    const fs::path resolved =
        hasFolder(nameOrPath) ? canonicalOf(base::toNative(nameOrPath)) : fs::path();
    for (const auto& m : m_modules) {
        if (base::equalsNoCase(m->name, nameOrPath) ||
            base::equalsNoCase(m->requestedPath, nameOrPath) ||
            (!resolved.empty() && m->nativePath == resolved))
            return m.get();
    }
    return nullptr;
}

Module* ModuleLoader::fromPacket(void* packet) const {
    for (const auto& m : m_modules)
        if (m.get() == packet)
            return m.get();
    return nullptr;
}

Module* ModuleLoader::moduleAt(const void* address) const {
    const std::string lib = libraryOf(address);
    if (lib.empty())
        return nullptr;
    for (const auto& m : m_modules)
        if (m->linkName == lib)
            return m.get();
    return nullptr;
}

LoadResult ModuleLoader::load(std::wstring_view path, bool printResult) {
    const std::wstring shown(path);
    auto fail = [&](LoadResult r, const std::wstring& why) {
        say(L"Cannot load module " + shown + L": " + why + L"\n");
        return r;
    };

    const fs::path native = resolve(path);
    if (native.empty())
        return fail(LoadResult::NotFound, L"the file was not found.");
    for (const auto& m : m_modules) {
        if (m->nativePath == native) {
            if (printResult)
                say(L"Module " + m->name + L" is already loaded.\n");
            return LoadResult::AlreadyLoaded;
        }
    }

    dlerror();
    void* handle = dlopen(native.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (!handle) {
        const char* err = dlerror();
        return fail(LoadResult::NotAModule, L"not a loadable module (" +
                                                base::fromUtf8(err ? err : "unknown error") +
                                                L").");
    }

    auto module = std::make_unique<Module>();
    module->requestedPath = shown;
    module->nativePath = native;
    module->name = base::fromUtf8(native.filename().string());
    module->handle = handle;
    module->linkName = linkNameOf(handle);
    module->needed = neededLibraries(native);
    module->entryPoint =
        reinterpret_cast<AcRxEntryPointFn>(ownSymbol(handle, module->linkName, "acrxEntryPoint"));
    module->dllMain =
        reinterpret_cast<AcRxDllMainFn>(ownSymbol(handle, module->linkName, "DllMain"));
    if (!module->entryPoint) {
        dlclose(handle);
        return fail(LoadResult::NoEntryPoint, L"it has no acrxEntryPoint.");
    }
    if (auto version = reinterpret_cast<AcRxApiVersionFn>(
            ownSymbol(handle, module->linkName, "acrxGetApiVersion"))) {
        const int v = version();
        if (v / 100 != kTvlArxApiVersion / 100) {
            dlclose(handle);
            return fail(LoadResult::WrongApiVersion,
                        formatPrintfV(L"it was built for API version %d, the host speaks %d.", v,
                                      kTvlArxApiVersion));
        }
    }

    Module* m = module.get();
    m_modules.push_back(std::move(module));

    if (m->dllMain && m->dllMain(m, DLL_PROCESS_ATTACH, nullptr) == 0) {
        discard(m, true);
        return fail(LoadResult::AttachRefused, L"it refused to attach.");
    }
    AcRx::AppRetCode ret = AcRx::kRetError;
    try {
        ret = m->entryPoint(AcRx::kInitAppMsg, m);
    } catch (...) {
        ret = AcRx::kRetError;
    }
    if (ret != AcRx::kRetOK) {
        removeLeftovers(*m);
        discard(m, true);
        return fail(LoadResult::InitRefused, L"it refused to initialise.");
    }
    m->initialised = true;
    if (printResult)
        say(L"Loaded module " + shown + L"\n");
    return LoadResult::Loaded;
}

UnloadResult ModuleLoader::unload(std::wstring_view nameOrPath, UnloadMode mode, bool printResult) {
    Module* m = find(nameOrPath);
    if (!m || !m->initialised) {
        if (printResult)
            say(L"Module " + std::wstring(nameOrPath) + L" is not loaded.\n");
        return UnloadResult::NotLoaded;
    }
    return unload(m, mode, printResult);
}

UnloadResult ModuleLoader::unload(Module* m, UnloadMode mode, bool printResult) {
    if (m->busy > 0) {
        say(L"Module " + m->name + L" is busy and cannot be unloaded now.\n");
        return UnloadResult::Busy;
    }
    if (mode == UnloadMode::User && m->locked) {
        say(L"Module " + m->name + L" is locked and cannot be unloaded.\n");
        return UnloadResult::Locked;
    }
    if (!m_shuttingDown) {
        if (Module* user = dependentOf(*m)) {
            say(L"Module " + m->name + L" is used by " + user->name +
                L" and cannot be unloaded before it.\n");
            return UnloadResult::InUse;
        }
    }
    m->initialised = false;
    const std::wstring name = m->name;
    try {
        m->entryPoint(AcRx::kUnloadAppMsg, m);
    } catch (...) {
        say(L"Module " + name + L" failed while unloading.\n");
    }
    removeLeftovers(*m);
    discard(m, true);
    if (printResult)
        say(L"Unloaded module " + name + L"\n");
    return UnloadResult::Unloaded;
}

Module* ModuleLoader::dependentOf(const Module& module) const {
    const std::wstring fileName = base::fromUtf8(module.nativePath.filename().string());
    for (const auto& other : m_modules) {
        if (other.get() == &module || !other->initialised)
            continue;
        for (const std::string& lib : other->needed)
            if (base::equalsNoCase(base::fromUtf8(lib), fileName))
                return other.get();
    }
    return nullptr;
}

void ModuleLoader::unloadAll() {
    m_shuttingDown = true;
    while (!m_modules.empty()) {
        // Last loaded first, but never a module that another one still links against.
        Module* last = m_modules.back().get();
        for (auto it = m_modules.rbegin(); it != m_modules.rend(); ++it) {
            if (!dependentOf(**it)) {
                last = it->get();
                break;
            }
        }
        if (!last->initialised) {
            // Still initialising (cannot happen outside a failing init): just drop it.
            discard(last, true);
            continue;
        }
        last->busy = 0;
        unload(last, UnloadMode::Forced, false);
    }
    m_shuttingDown = false;
}

void ModuleLoader::removeLeftovers(Module& module) {
    const std::string lib = module.linkName;
    const int commandsLeft = commands().removeIf([&](const Command& c) {
        return libraryOf(reinterpret_cast<const void*>(c.function)) == lib;
    });
    if (commandsLeft > 0)
        say(formatPrintfV(L"Module %s left %d command(s) registered; removed them.\n",
                          module.name.c_str(), commandsLeft));

    int windowsLeft = 0;
    std::vector<ui::WindowRef<>> topLevel;
    for (ui::Window* w : ui::app().topLevelWindows())
        topLevel.emplace_back(w);
    for (const auto& ref : topLevel) {
        ui::Window* w = ref.get();
        if (!w || !w->isWindow())
            continue;
        // The object's class code (its virtual table) lives in the module: the window
        // cannot outlive it.
        const void* vtable = *reinterpret_cast<void* const*>(w);
        if (libraryOf(vtable) == lib) {
            w->destroyWindow();
            ++windowsLeft;
        }
    }
    if (windowsLeft > 0)
        say(formatPrintfV(L"Module %s left %d window(s) open; closed them.\n", module.name.c_str(),
                          windowsLeft));
}

void ModuleLoader::discard(Module* module, bool detach) {
    if (detach && module->dllMain)
        module->dllMain(module, DLL_PROCESS_DETACH, nullptr);
    if (module->handle)
        dlclose(module->handle);
    std::erase_if(m_modules, [&](const std::unique_ptr<Module>& p) { return p.get() == module; });
}

} // namespace host
