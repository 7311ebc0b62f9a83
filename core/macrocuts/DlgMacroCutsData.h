#pragma once
// DlgMacroCutsData: the record of the macro cuts dialog. It names the macro object whose
// cut is edited, the mode (a new cut or an existing one, whose former name it keeps)
// and carries the cut itself. A plain value: copies share nothing.
//
// The record reaches the model through fillFromModel / applyToModel; the dialog itself
// only calls the three queries below.

#include "core/macrocuts/MacroCutDefinition.h"
#include "platform/host/AcDbObjectId.h"

class DlgMacroCutsData {
public:
    enum Mode { kModeNew = 1, kModeEdit = 2 };

    DlgMacroCutsData() = default;
    DlgMacroCutsData(const DlgMacroCutsData&) = default;
    DlgMacroCutsData& operator=(const DlgMacroCutsData&) = default;
    virtual ~DlgMacroCutsData() = default;

    bool operator==(const DlgMacroCutsData&) const = default;

    // The variables a cut of `kind` starts with. False (lists emptied) for a kind outside
    // 0 to 5.
    static bool GetDefaultValues(int kind, Tvl_StringArray& names, Tvl_StringArray& values,
                                 Tvl_Array<int>& flags);
    // Whether macro `object` has another cut named `name` (case ignored); the cut's own
    // former name `former` does not count. False when `object` is no macro.
    static bool CutNameInUse(AcDbObjectId object, const Tvl_String& name, const Tvl_String& former,
                             bool& inUse);
    // Every variable name is one of the cut variables the model knows ("Offset",
    // "Radius", ...) or a user's own name: "gen_" followed by letters, digits or "_".
    // Names are unique (case ignored).
    bool AreVarNamesValid() const;

    // The names of the cuts macro `object` has (for the name list); empty when none.
    static Tvl_StringArray cutNames(AcDbObjectId object);

    // Fills the record for a new cut (empty `cut`) or the existing cut `cut` of macro
    // `object`. False, with a message on the command line, when the macro or the cut
    // does not exist.
    bool fillFromModel(AcDbObjectId object, const Tvl_String& cut);
    // Writes the record into the model (a new cut is added, an edited one replaced) and
    // prints what changed. False, nothing changed, when the macro no longer exists, the
    // name is empty or taken, a variable name is not valid, or the kind is unknown.
    bool applyToModel() const;

    int m_mode = kModeNew;
    bool m_edit = false; // the title: "Edit cut" or "New cut"
    AcDbObjectId m_object;
    Tvl_String m_formerName;
    MacroCutDefinition m_cut;
};

// How the dialogs show a cut variable: the model's own names get their language text
// ("Offset1" is "Offset 1", "Radius" is text 740); any other name is shown unchanged.
Tvl_String cutVariableDisplayName(const Tvl_String& name);
