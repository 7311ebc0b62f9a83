#pragma once
// CommandProcessor: runs what the user types at the host's "Command:" prompt (and the
// host-command lines of automation scripts). Built-in commands come first:
//
//   MODULES              lists the loaded modules (name, lock, path)
//   LOAD PATH            loads a module (product or native path; bare names are looked
//                        for in the search path)
//   UNLOAD NAME          unloads a module by file name or path (refused when locked)
//   COMMANDS             lists the registered commands by group
//   HELP                 lists the built-in commands
//   QUIT, EXIT           ends the session
//
// Then the registered commands (AcEdCommandStack.h has the lookup rules). A registered
// command that throws is reported on the command line; the host goes on. While a command runs, its
// module is busy and cannot be unloaded.
//
// The outcome is Failed for a command that did not do its work: a module that could not
// be loaded, LOAD or UNLOAD without their one argument, an UNLOAD that was refused, a
// command that threw. Scripts stop there (exit code 1).

#include <string>
#include <vector>

namespace host {

enum class CommandOutcome { Done, Unknown, Failed, Quit };

class CommandProcessor {
public:
    // words[0] is the command name; the rest are its arguments.
    CommandOutcome execute(const std::vector<std::wstring>& words);
};

} // namespace host
