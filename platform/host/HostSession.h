#pragma once
// HostSession: what the acad program does from start to end.
//
// Command line (the product's launcher writes the first three):
//   /ld MODULE          load a module at start (repeatable; product or native path)
//   /s "F1;F2;..."      support folders: searched for bare module names, and for the
//                       file acad.rx (below)
//   /nologo             no banner
//   --script FILE       run an automation script and end; the exit code tells the result
//   --help              usage
// Unknown switches are reported and ignored, like the product's host does.
//
// Start: the banner (unless /nologo); then the modules named in acad.rx, one file name
// or path per line ('#' or ';' starts a comment), from the first folder of the support
// path (the /s folders, then the program's folder) that has one; then the /ld modules
// in order. Each loaded module prints "Loaded module <path>"; a module that fails prints
// why and the host goes on.
//
// Then: with --script, the script runs (exit 0 when it passes, 1 when something failed,
// 2 when it could not be read or has wrong lines, which are all listed with their line
// numbers before anything runs). Without it, startup.scr from the program's folder runs
// if present (its failures are reported; the exit code becomes 1), then commands are
// read at the "Command:" prompt from standard input until its end or QUIT.
// At the end every module is unloaded, last loaded first.

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace host {

struct StartupOptions {
    std::vector<std::wstring> modules;        // /ld, in order
    std::vector<std::wstring> supportFolders; // /s, split at ';'
    bool noLogo = false;
    bool help = false;
    std::optional<std::string> script; // --script
    std::vector<std::string> warnings; // ignored arguments
    std::string error;                 // not empty: the command line is wrong
};

StartupOptions parseStartupOptions(const std::vector<std::string>& args);
std::string startupUsage();

// Runs a whole session; returns the process exit code.
int runHostSession(const StartupOptions& options, std::istream& input);

// Parts of the session, for tests.
// Loads the modules of the first acad.rx on the support path; returns how many loaded.
int loadModulesFromAcadRx(const std::vector<std::wstring>& supportFolders);
// Runs a script file; nullopt when it could not be read or has wrong lines (reported on
// standard error), else whether it passed. `quit` is set when the script ran QUIT.
std::optional<bool> runScriptFile(const std::string& path, bool* quit = nullptr);

} // namespace host
