#pragma once
// DlgSelectProfData: the profile the select-profile dialog starts on and the one the user
// chose: a values table's size as "TABLE-SYSNAME" ("HEA-200"). FillCombo fills a profile
// combo box with the choices around a profile name.

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"

namespace ui {
class ComboBox;
}

struct DlgSelectProfData {
    Tvl_String profileName;
};

// The table a profile name belongs to: the longest table name that the name starts with,
// followed by "-" (case ignored); "" when none.
Tvl_String tableOfProfile(const Tvl_StringArray& tables, const Tvl_String& profileName);

// Fills `combo` with the choices for `profileName` and selects it: the active sizes of its
// values table ("HEA-200"), or, for a user section ("User Sections\RailA.dwg"), the user
// section drawings shown by name without folder and extension. `fullNames` gets the name
// behind each item. A name that is none of these is offered as it is.
void FillCombo(ui::ComboBox& combo, const Tvl_String& profileName, Tvl_StringArray& fullNames);
