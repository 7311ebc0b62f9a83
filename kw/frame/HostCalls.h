#pragma once
// The few host services the module frame calls, gathered so the frame's logic reads the
// same whichever way the host provides them.

#include <string_view>

namespace ui {
class Window;
}

namespace kw {

// Prints verbatim on the host's command line.
void hostPrint(std::wstring_view text);
void hostPostCommandPrompt();
// The host's main window; null when the host has none.
ui::Window* hostMainWindow();

} // namespace kw

namespace kw {

// The host's application profile (integers by section and key).
int profileGetInt(std::wstring_view section, std::wstring_view key, int defaultValue);
void profilePutInt(std::wstring_view section, std::wstring_view key, int value);

} // namespace kw
