#include "platform/host/CommandProcessor.h"

#include "platform/base/Encoding.h"
#include "platform/host/CommandLine.h"
#include "platform/host/CommandRegistry.h"
#include "platform/host/ModuleLoader.h"
#include "platform/host/Printf.h"
#include "platform/ui/Application.h"

#include <exception>

namespace host {
namespace {

void say(const std::wstring& s) {
    commandLine().write(s);
}

bool isName(const std::wstring& word, std::initializer_list<const wchar_t*> names) {
    for (const wchar_t* n : names)
        if (base::equalsNoCase(word, n))
            return true;
    return false;
}

void listModules() {
    const auto modules = moduleLoader().modules();
    if (modules.empty()) {
        say(L"No modules loaded.\n");
        return;
    }
    for (const Module* m : modules)
        say(formatPrintfV(L"  %-20s %-9s %s\n", m->name.c_str(),
                          m->locked ? L"locked" : L"unlocked",
                          base::fromUtf8(m->nativePath.string()).c_str()));
}

void listCommands() {
    const auto& all = commands().all();
    if (all.empty()) {
        say(L"No commands registered.\n");
        return;
    }
    for (const Command& c : all)
        say(formatPrintfV(L"  %-20s %s\n", c.group.c_str(), c.globalName.c_str()));
}

void help() {
    say(L"Built-in commands: MODULES, LOAD <module>, UNLOAD <module>, COMMANDS, HELP, QUIT.\n"
        L"Registered commands run by name (see COMMANDS).\n");
}

CommandOutcome runRegistered(const Command& command) {
    const AcRxFunctionPtr function = command.function;
    const std::wstring name = command.globalName;
    Module* module = moduleLoader().moduleAt(reinterpret_cast<const void*>(function));
    if (module)
        ++module->busy;
    CommandOutcome outcome = CommandOutcome::Done;
    try {
        function();
    } catch (const std::exception& e) {
        say(L"*Error* command " + name + L" failed: " + base::fromUtf8(e.what()) + L"\n");
        outcome = CommandOutcome::Failed;
    } catch (...) {
        say(L"*Error* command " + name + L" failed.\n");
        outcome = CommandOutcome::Failed;
    }
    if (module)
        --module->busy;
    ui::app().pumpMessages();
    return outcome;
}

} // namespace

CommandOutcome CommandProcessor::execute(const std::vector<std::wstring>& words) {
    if (words.empty() || words[0].empty())
        return CommandOutcome::Done;
    const std::wstring& name = words[0];
    const size_t argc = words.size() - 1;

    if (isName(name, {L"QUIT", L"EXIT"}))
        return CommandOutcome::Quit;
    if (isName(name, {L"MODULES", L"ARX"})) {
        listModules();
        return CommandOutcome::Done;
    }
    if (isName(name, {L"COMMANDS"})) {
        listCommands();
        return CommandOutcome::Done;
    }
    if (isName(name, {L"HELP", L"?"})) {
        help();
        return CommandOutcome::Done;
    }
    if (isName(name, {L"LOAD", L"ARXLOAD", L"APPLOAD"})) {
        if (argc != 1) {
            say(L"Usage: LOAD <module path>\n");
            return CommandOutcome::Failed;
        }
        const LoadResult r = moduleLoader().load(words[1]);
        return (r == LoadResult::Loaded || r == LoadResult::AlreadyLoaded) ? CommandOutcome::Done
                                                                           : CommandOutcome::Failed;
    }
    if (isName(name, {L"UNLOAD", L"ARXUNLOAD"})) {
        if (argc != 1) {
            say(L"Usage: UNLOAD <module name or path>\n");
            return CommandOutcome::Failed;
        }
        return moduleLoader().unload(words[1], UnloadMode::User) == UnloadResult::Unloaded
                   ? CommandOutcome::Done
                   : CommandOutcome::Failed;
    }

    const Command* command = commands().find(name);
    if (!command) {
        say(L"Unknown command \"" + name + L"\".\n");
        return CommandOutcome::Unknown;
    }
    const Command copy = *command; // the command may remove its own group
    commandLine().setCommandInput({words.begin() + 1, words.end()});
    const CommandOutcome outcome = runRegistered(copy);
    if (argc > 0 && commandLine().hasInput()) {
        const bool tookNone = commandLine().inputTaken() == 0;
        commandLine().takeInputRest();
        say(L"Command " + copy.globalName +
            (tookNone ? L" takes no arguments" : L" takes fewer arguments") +
            L"; ignored the rest of the line.\n");
    }
    commandLine().setCommandInput({});
    return outcome;
}

} // namespace host
