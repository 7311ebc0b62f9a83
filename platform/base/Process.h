#pragma once

// The running program and the programs it starts.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace base {

// Full native path of the running program (resolved symbolic links); empty when
// the system does not tell.
std::filesystem::path ownProgramPath();

// Splits a parameter string into arguments by the Windows command-line rules:
// blanks and tabs separate arguments outside double quotes; double quotes group and
// are removed; 2n backslashes before a quote give n backslashes and the quote
// toggles grouping; 2n+1 backslashes before a quote give n backslashes and a literal
// quote; "" inside a group is a literal quote; other backslashes are literal.
std::vector<std::wstring> splitCommandLine(std::wstring_view params);

// Starts `program` with `args` (argv[1..]) as a new process in its own session that
// the caller does not wait for and that outlives the caller. Returns true when the
// program was executed; false when it could not be (missing, not executable).
bool startDetached(const std::filesystem::path& program, const std::vector<std::string>& args);

} // namespace base
