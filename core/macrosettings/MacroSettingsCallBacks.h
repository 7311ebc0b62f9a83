#pragma once
// The call-backs through which the macro editor reads and writes a macro's general
// settings. The settings belong to the macro's definition, as everything the editor
// changes does: every macro of that kind shares them (EP1 and EP2 both).

#include "core/macrosettings/MacroSettingsData.h"
#include "platform/host/AcDbObjectId.h"

// The settings of the macro `macroId` (a deep copy). False, `settings` unchanged, when
// the id is no macro.
bool GetMacroSettings(const AcDbObjectId& macroId, MacroSettingsData& settings);
// Replaces the settings of the macro `macroId` with a deep copy of `settings` (its lists
// given one entry per name first) and prints each line that changed. False when the id is
// no macro.
bool SetMacroSettings(const AcDbObjectId& macroId, const MacroSettingsData& settings);
// Prints the settings of the macro `macroId` on the command line; false when it is no
// macro.
bool listMacroSettings(const AcDbObjectId& macroId);

// The sample's starting settings of a definition kind ("EndPlate", "BasePlate"; others
// get empty settings).
void fillSampleMacroSettings(const Tvl_String& kind, MacroSettingsData& settings);
