#include "platform/host/HostSession.h"

#include "platform/base/Encoding.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/base/Process.h"
#include "platform/host/CommandLine.h"
#include "platform/host/CommandProcessor.h"
#include "platform/host/MainWindow.h"
#include "platform/host/ModuleLoader.h"
#include "platform/host/ScriptDriver.h"
#include "platform/host/StepSource.h"
#include "platform/ui/Application.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

#include <unistd.h>

namespace host {
namespace fs = std::filesystem;

namespace {

bool isSwitch(const std::string& a, const char* name) {
    return base::equalsNoCase(base::fromUtf8(a), base::fromUtf8(name));
}

void echoTranscriptLine(const std::string& line) {
    // The command line prints its own lines as they come; failures go to stderr.
    if (commandLineAddingToTranscript() || line.rfind("FAILED ", 0) == 0)
        return;
    commandLine().breakLine();
    std::fprintf(stdout, "%s\n", line.c_str());
    std::fflush(stdout);
}

fs::path programFolder() {
    const fs::path p = base::ownProgramPath();
    return p.empty() ? fs::current_path() : p.parent_path();
}

std::vector<fs::path> supportPath(const std::vector<std::wstring>& folders) {
    std::vector<fs::path> out;
    for (const auto& f : folders)
        out.push_back(base::toNative(f));
    return out;
}

} // namespace

std::string startupUsage() {
    return "usage: acad [/ld MODULE]... [/s \"FOLDER;FOLDER...\"] [/nologo] [--script FILE]\n";
}

StartupOptions parseStartupOptions(const std::vector<std::string>& args) {
    StartupOptions o;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](const char* name) -> std::optional<std::string> {
            if (i + 1 >= args.size()) {
                o.error = std::string(name) + " needs a value";
                return std::nullopt;
            }
            return args[++i];
        };
        if (isSwitch(a, "/ld")) {
            if (auto v = value("/ld"))
                o.modules.push_back(base::fromUtf8(*v));
        } else if (isSwitch(a, "/s")) {
            if (auto v = value("/s")) {
                std::wstring_view rest = base::fromUtf8(*v);
                std::wstring all(rest);
                size_t pos = 0;
                while (pos <= all.size()) {
                    size_t semi = all.find(L';', pos);
                    if (semi == std::wstring::npos)
                        semi = all.size();
                    std::wstring part = all.substr(pos, semi - pos);
                    if (!part.empty())
                        o.supportFolders.push_back(part);
                    pos = semi + 1;
                }
            }
        } else if (isSwitch(a, "/nologo")) {
            o.noLogo = true;
        } else if (a == "--script") {
            if (auto v = value("--script"))
                o.script = *v;
        } else if (a == "--help" || a == "-h" || a == "/?") {
            o.help = true;
        } else {
            o.warnings.push_back("ignored argument \"" + a + "\"");
        }
        if (!o.error.empty())
            break;
    }
    return o;
}

int loadModulesFromAcadRx(const std::vector<std::wstring>& supportFolders) {
    std::vector<fs::path> folders = supportPath(supportFolders);
    folders.push_back(programFolder());
    for (const fs::path& folder : folders) {
        const auto file = base::findFirst(folder / "acad.rx");
        if (!file)
            continue;
        const auto lines = base::readLines(*file);
        if (!lines) {
            commandLine().write(L"Cannot read " + base::fromUtf8(file->string()) + L"\n");
            return 0;
        }
        int loaded = 0;
        for (const std::string& raw : *lines) {
            std::wstring line =
                base::isValidUtf8(raw) ? base::fromUtf8(raw) : base::fromCp1252(raw);
            while (!line.empty() &&
                   (line.back() == L' ' || line.back() == L'\t' || line.back() == L'\r'))
                line.pop_back();
            const size_t start = line.find_first_not_of(L" \t");
            if (start == std::wstring::npos || line[start] == L'#' || line[start] == L';')
                continue;
            line = line.substr(start);
            // A bare name is looked for beside acad.rx first.
            const bool bare = line.find_first_of(L"\\/:") == std::wstring::npos;
            const std::wstring path =
                bare && base::findFirst(file->parent_path() / base::toNative(line))
                    ? base::fromUtf8((file->parent_path() / base::toNative(line)).string())
                    : line;
            const LoadResult r = moduleLoader().load(path);
            if (r == LoadResult::Loaded || r == LoadResult::AlreadyLoaded)
                ++loaded;
        }
        return loaded;
    }
    return 0;
}

std::optional<bool> runScriptFile(const std::string& path, bool* quit) {
    const fs::path native = base::toNative(path);
    const auto text = base::readFile(native);
    if (!text) {
        std::fprintf(stderr, "%s: cannot read the script\n", path.c_str());
        return std::nullopt;
    }
    ParsedScript parsed = parseScript(*text);
    const std::string name = native.filename().string();
    if (!parsed.errors.empty()) {
        for (const auto& e : parsed.errors)
            std::fprintf(stderr, "%s:%d: %s\n", name.c_str(), e.line, e.message.c_str());
        return std::nullopt;
    }
    ScriptStepSource source(name, std::move(parsed.steps));
    CommandProcessor processor;
    ScriptDriver driver(source, processor);
    const bool ok = driver.run();
    if (quit)
        *quit = driver.quitRequested();
    if (!ok)
        std::fprintf(stderr, "%s: FAILED\n", name.c_str());
    return ok;
}

int runHostSession(const StartupOptions& options, std::istream& input) {
    if (options.help) {
        std::fputs(startupUsage().c_str(), stdout);
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "acad: %s\n%s", options.error.c_str(), startupUsage().c_str());
        return 2;
    }
    for (const auto& w : options.warnings)
        std::fprintf(stderr, "acad: %s\n", w.c_str());

    commandLine().setEcho(true);
    ui::app().transcript().setEcho(&echoTranscriptLine);
    mainWindow();
    moduleLoader().setSearchPath(supportPath(options.supportFolders));
    if (!options.noLogo)
        commandLine().write(L"acad: CAD host stand-in. Type HELP for the built-in commands.\n");

    loadModulesFromAcadRx(options.supportFolders);
    for (const auto& m : options.modules)
        moduleLoader().load(m);

    int exitCode = 0;
    if (options.script) {
        const auto result = runScriptFile(*options.script);
        exitCode = !result ? 2 : (*result ? 0 : 1);
    } else {
        bool quit = false;
        const fs::path startup = programFolder() / "startup.scr";
        if (base::pathExists(startup)) {
            const auto result = runScriptFile(startup.string(), &quit);
            if (!result || !*result)
                exitCode = 1;
        }
        if (!quit) {
            StreamStepSource source(input, std::cout, std::cerr);
            source.setEchoInput(&input != &std::cin || !isatty(0));
            CommandProcessor processor;
            ScriptDriver driver(source, processor);
            driver.run();
        }
    }
    commandLine().breakLine();
    moduleLoader().unloadAll();
    ui::app().transcript().setEcho(nullptr);
    commandLine().setEcho(false);
    return exitCode;
}

} // namespace host
