#pragma once
// MacroCutDefinition: a cut that a macro makes (a profile cut against a plate or another
// profile, a chamfer or a fillet), as the model keeps it per macro: its name, kind, the
// variables that drive it and its options. The macro cuts dialog edits one through
// DlgMacroCutsData.
//
// Variables are three parallel lists: the variable's name ("Offset1", or a user's own
// "gen_..."), its value and its flag (kValueNumber: the value is a number in mm,
// kValueVariable: the value names a variable of the macro).

#include "core/Tvl_Array.h"
#include "core/Tvl_StringArray.h"
#include "core/macrocuts/MacrosInDlgData.h"

#include <vector>

class MacroCutDefinition {
public:
    // Kinds, in the order of the dialog's kind picker.
    enum Kind {
        kProfVsPlate = 0,
        kProfVsProf,
        kProfInProf,
        kProfVsProf3Segments,
        kChamfer,
        kFillet,
        kKindCount
    };
    enum ValueFlag { kValueNumber = 0, kValueVariable = 1 };
    // Which object the cut removes material from (radio buttons 1288 to 1290).
    enum Side { kCutFirst = 0, kCutSecond, kCutBoth };

    bool operator==(const MacroCutDefinition&) const = default;

    // "chamfer, Offset1 = 15, Offset2 = 15": the kind and the variables, as the command
    // line shows a cut.
    Tvl_String summary() const;

    Tvl_String m_name;
    int m_kind = kProfVsPlate;
    Tvl_StringArray m_varNames;
    Tvl_StringArray m_varValues;
    Tvl_Array<int> m_varFlags;
    // The clearance: a number, or (m_clearanceIsVariable) the name of a macro variable.
    bool m_clearanceIsVariable = false;
    Tvl_String m_clearance;
    int m_side = kCutFirst;
    Tvl_String m_distance;                     // used with kCutBoth: the gap left between the two
    int m_finish = 1;                          // index into the finish list (texts 1395 to 1398)
    bool m_options[3] = {false, false, false}; // check boxes 1323, 1325, 1326
    MacrosInDlgData m_macros;                  // the macros the cut also acts on
};

// The cuts the sample macros of kind `kind` start with ("EndPlate", "BasePlate").
std::vector<MacroCutDefinition> sampleCutDefinitions(const Tvl_String& kind);
