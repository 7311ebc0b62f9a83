#pragma once
// The core module's section selection: a modal dialog with the section library's values
// tables and the active sizes of the chosen one. It starts on data.profileName and, on
// OK, leaves the choice there ("HEA-200"); `withUserSections` also offers the user
// section drawings as a table "User Sections". False on cancel (data unchanged).

#include "core/library/DlgSelectProfData.h"

bool DlgSelectProf(DlgSelectProfData& data, bool withUserSections);

// Whether the section library knows `section` as an active size of a values table or as
// a user section drawing.
bool sectionKnown(const Tvl_String& section);

// A section as the dialogs store it: without a leading library folder (case ignored).
Tvl_String withoutLibDir(const Tvl_String& section);
