#pragma once
// What the macro editor shows of a macro definition beyond its cells and equations: per
// module its constraints, the geometries they act on, its dimensions and the variable
// types the author chose. Held by the definition (MacroDefinition::m_editor), made from
// the sample's starting data on first use (SampleEditorData.cpp).

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "platform/host/AcArray.h"
#include "platform/host/AcDbObjectId.h"

#include <map>
#include <string>
#include <vector>

namespace model {

class MacroDefinition;

struct EditorConstraint {
    long id = 0;
    Tvl_String name, type, object1, object2; // the grid row
    int kind = 0;                            // 1: a cut constraint
    AcArray<int> properties;                 // EditConstrData::Property values
    Tvl_String value;
    Tvl_String varName;
    int choice = -1;
    Tvl_StringArray choices;
    bool option1 = false;
    bool option2 = false;
    Tvl_StringArray pictures; // bitmap paths and "%radioBreak%" entries
    AcArray<int> radios;      // checked button of each radio group (0: none)
    Tvl_String cut;           // for a cut constraint: the name of the macro's cut
};

struct EditorGeometry {
    Tvl_String name, type;
    int flexibility = 0; // 0 fixed, 1 flexible, 2 free
    int fixed = -1;      // < 0: no fixed state
    AcDbObjectId id;
    long flexValue = 0;
};

struct EditorDimension {
    Tvl_String name;
    Tvl_String cell; // the cell whose value it measures
};

struct EditorModule {
    std::vector<EditorConstraint> constraints;
    std::vector<EditorGeometry> geometries;
    std::vector<EditorDimension> dimensions;
    std::map<std::wstring, short> types; // variable name -> type index
    std::vector<std::wstring> equationOrder;
};

struct EditorData {
    std::map<std::wstring, EditorModule> modules; // by module name
    long nextConstraintId = 1;
};

// The editor data of a definition, made on first use.
EditorData& editorData(MacroDefinition& definition);
// The sample's starting data of a definition kind ("EndPlate", "BasePlate").
void fillSampleEditorData(const MacroDefinition& definition, EditorData& data);

} // namespace model
