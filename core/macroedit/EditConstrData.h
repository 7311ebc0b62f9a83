#pragma once
// EditConstrData: the record of the macro editor. The core fills it from one macro and
// one of its modules (core/macroedit/MacroEditModel.h); the editor keeps its own copy and
// hands a pointer to that copy to every call-back (core/macroedit/MacroEditCallBacks.h),
// which change the model and write the model's state back into the record.
//
// Lists run in parallel: one entry per variable, per constraint or per geometry.
// Two-state options are AcArray<int> (0 or 1): the host's array keeps its elements in a
// vector, which cannot hand out references to single bools.

#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "platform/host/AcArray.h"
#include "platform/host/AcDbObjectId.h"

class EditConstrData {
public:
    // What a constraint's detail panel offers (entries of m_constrProps).
    enum Property : int { kPropValue = 0, kPropName = 1, kPropChoice = 2, kPropOptions = 3 };
    // m_constrKinds: a cut constraint offers the cut dialog.
    static constexpr int kKindCut = 1;
    // Ends each radio group of a picture list.
    static constexpr const wchar_t* kRadioBreak = L"%radioBreak%";

    EditConstrData() = default;
    EditConstrData(const EditConstrData&) = default;
    EditConstrData& operator=(const EditConstrData&) = default;
    virtual ~EditConstrData() = default;

    // ---- Macro and modules ---------------------------------------------------------
    AcDbObjectId m_macroId;
    Tvl_String m_name; // the macro's name ("EP1"), handed to the cut dialog
    Tvl_String m_currentModule;
    Tvl_StringArray m_modules;

    // ---- Variables, dimensions, equations of the current module ---------------------
    Tvl_StringArray m_varNames;
    AcArray<double> m_varValues;
    AcArray<short> m_varTypes; // index into the type list (input, free, fixed, ...)
    Tvl_StringArray m_dimNames;
    Tvl_StringArray m_dimValues;
    Tvl_StringArray m_equations; // one per line, "Name = expression"

    // ---- Constraints of the current module --------------------------------------------
    Tvl_Array<Tvl_StringArray> m_constrDescriptions; // the grid row of each
    AcArray<int> m_constrKinds;
    Tvl_Array<Tvl_StringArray> m_constrPictures; // bitmap paths, kRadioBreak ends a group
    Tvl_Array<AcArray<int>> m_constrProps;
    Tvl_StringArray m_constrValues;
    Tvl_StringArray m_constrNames;
    AcArray<int> m_constrChoice;
    Tvl_Array<Tvl_StringArray> m_constrChoices;
    AcArray<int> m_constrOption1;
    AcArray<int> m_constrOption2;
    Tvl_Array<AcArray<int>> m_constrRadios; // per constraint: checked button of group 1, 2
    AcArray<long> m_constrIds;
    long m_currentConstrId = -1;

    // ---- Geometries of the current module ---------------------------------------------
    Tvl_Array<Tvl_StringArray> m_geomDescriptions; // three texts each
    AcArray<int> m_geomFlexibility;                // 0 fixed, 1 flexible, 2 free
    AcArray<int> m_geomFixed;                      // < 0 none, else 0 or 1
    AcArray<AcDbObjectId> m_geomIds;
    AcArray<long> m_geomFlexValues; // handed back with each change

    int constraintCount() const { return m_constrDescriptions.length(); }
    int geometryCount() const { return m_geomDescriptions.length(); }
    bool hasProperty(int index, int property) const;
    // Every list the detail panel reads holds an entry for `index` (see the editor's
    // design page): only then is a constraint shown in detail and stored.
    bool isConsistent(int index) const;
    // The index of a constraint id; -1 when it is not in the list.
    int constraintIndex(long id) const;

    void clearConstraints();
    void clearGeometries();
    void clearVariables();
};
