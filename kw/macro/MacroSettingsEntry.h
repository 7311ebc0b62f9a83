#pragma once
// Opens the macro settings dialog on the general settings of one macro (read from the core
// module with GetMacroSettings) and, on OK, writes them back with SetMacroSettings.
// Returns true when the settings were written.

class AcDbObjectId;
namespace ui {
class Window;
}

namespace kw {

bool editMacroSettings(ui::Window* parent, const AcDbObjectId& macroId);

} // namespace kw
