#include "kw/macro/MacroSettingsEntry.h"

#include "core/macrosettings/MacroSettingsCallBacks.h"
#include "kw/frame/ModuleState.h"
#include "kw/macro/CDlgMacroSettings.h"

namespace kw {

bool editMacroSettings(ui::Window* parent, const AcDbObjectId& macroId) {
    MacroSettingsData settings;
    if (!GetMacroSettings(macroId, settings))
        return false; // no macro: nothing to edit (the core says why)
    CDlgMacroSettings dialog(parent);
    dialog.m_settings = settings;
    int result = 0;
    {
        ResourceSwitchScope on;
        result = dialog.doModal();
    }
    // The pages have stored into the record while the window was destroyed.
    if (result != ui::IDOK)
        return false;
    return SetMacroSettings(macroId, dialog.m_settings);
}

} // namespace kw
