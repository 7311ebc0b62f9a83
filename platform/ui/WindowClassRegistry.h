#pragma once
// Window classes by name. create() and dialog templates look names up case-insensitively
// and the created window reports the canonical spelling given at registration.
// The layer registers "Static", "Button", "Edit", "RichEdit20W", "ComboBox", "ListBox",
// "SysTabControl32", "SysListView32", "ToolbarWindow32", "msctls_progress32" and
// "#32770" (dialog); other layers add theirs (the grid registers its own class).

#include <functional>
#include <memory>
#include <string>
#include <string_view>

namespace ui {

class Window;

using WindowFactory = std::function<std::unique_ptr<Window>()>;

// Registers (or replaces) a class. `canonicalName` is the spelling className() returns.
void registerWindowClass(std::wstring_view canonicalName, WindowFactory factory);
// Forgets a class. A library that registers a class removes it again before it is
// unloaded, so that the table never keeps a factory whose code is gone.
void unregisterWindowClass(std::wstring_view name);
// The canonical spelling of a registered class; empty when unknown.
std::wstring canonicalClassName(std::wstring_view name);
// A new object of the class (no window yet); null when unknown.
std::unique_ptr<Window> makeWindowOfClass(std::wstring_view name);

} // namespace ui
