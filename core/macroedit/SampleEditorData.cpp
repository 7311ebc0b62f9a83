// The sample macros' constraints, geometries, dimensions and variable types: what the
// macro editor shows of the end plate and the base plate on first use.

#include "core/Tvl_Settings.h"
#include "core/macroedit/EditConstrData.h"
#include "core/macroedit/EditorData.h"
#include "core/model/MacroDefinition.h"

namespace model {

namespace {

Tvl_String picture(const wchar_t* name) {
    return gSettings.tvlDir() + L"icons\\" + name;
}

AcArray<int> ints(std::initializer_list<int> values) {
    AcArray<int> out;
    for (int v : values)
        out.append(v);
    return out;
}

EditorConstraint constraint(EditorData& data, const wchar_t* name, const wchar_t* type,
                            const wchar_t* object1, const wchar_t* object2) {
    EditorConstraint c;
    c.id = data.nextConstraintId++;
    c.name = name;
    c.type = type;
    c.object1 = object1;
    c.object2 = object2;
    return c;
}

AcDbObjectId objectId(int id) {
    return AcDbObjectId::fromOldId(id);
}

void endPlate(EditorData& data) {
    EditorModule& plate = data.modules[L"EndPlate"];
    EditorConstraint flush =
        constraint(data, L"Plate on flange", L"Coincident", L"Plate", L"Column flange");
    flush.properties = ints({EditConstrData::kPropOptions});
    flush.option1 = true;
    plate.constraints.push_back(flush);

    EditorConstraint thickness =
        constraint(data, L"Plate thickness", L"Distance", L"Plate front", L"Plate back");
    thickness.properties = ints({EditConstrData::kPropValue, EditConstrData::kPropName,
                                 EditConstrData::kPropChoice, EditConstrData::kPropOptions});
    thickness.value = L"15";
    thickness.varName = L"PlateThickness";
    thickness.choices = {L"Measured", L"Driven by the variable", L"Reference only"};
    thickness.choice = 1;
    thickness.option1 = true;
    thickness.option2 = false;
    thickness.pictures = {picture(L"DistInside.bmp"), picture(L"DistOutside.bmp"), L"%radioBreak%",
                          picture(L"DistAbove.bmp"),  picture(L"DistBelow.bmp"),   L"%radioBreak%"};
    thickness.radios = ints({1, 3});
    plate.constraints.push_back(thickness);

    EditorConstraint corner = constraint(data, L"Corner cut", L"Cut", L"Plate", L"");
    corner.kind = 1;
    corner.cut = L"Corner";
    plate.constraints.push_back(corner);

    EditorConstraint extension =
        constraint(data, L"Top extension", L"Distance", L"Plate top", L"Beam top");
    extension.properties = ints({EditConstrData::kPropValue, EditConstrData::kPropName});
    extension.value = L"20";
    extension.varName = L"TopExtension";
    plate.constraints.push_back(extension);

    EditorConstraint square =
        constraint(data, L"Beam square", L"Perpendicular", L"Beam axis", L"Plate");
    square.properties = ints({EditConstrData::kPropValue});
    square.value = L"90";
    square.pictures = {picture(L"AngleLeft.bmp"), picture(L"AngleRight.bmp"), L"%radioBreak%"};
    square.radios = ints({2});
    plate.constraints.push_back(square);

    plate.geometries = {
        {L"Plate", L"Plate", 1, 0, objectId(201), 11},
        {L"Column flange", L"Profile", 0, 1, objectId(101), 12},
        {L"Beam end", L"Profile", 2, -1, objectId(102), 13},
    };
    plate.dimensions = {{L"H", L"PlateHeight"}, {L"W", L"PlateWidth"}};
    plate.types = {{L"TopExtension", 5}, {L"BottomExtension", 5}, {L"Grade", 7},
                   {L"Coating", 7},      {L"Remark", 7},          {L"Stiffeners", 6}};

    EditorModule& bolts = data.modules[L"Bolts"];
    EditorConstraint rows = constraint(data, L"Bolt rows", L"Parallel", L"Row 1", L"Row 2");
    rows.properties = ints({EditConstrData::kPropValue, EditConstrData::kPropName});
    rows.value = L"70";
    rows.varName = L"Pitch";
    bolts.constraints.push_back(rows);
    EditorConstraint gauge =
        constraint(data, L"Bolt gauge", L"Symmetric", L"Column 1", L"Column 2");
    gauge.properties = ints({EditConstrData::kPropValue});
    gauge.value = L"90";
    bolts.constraints.push_back(gauge);
    bolts.geometries = {{L"Bolt group", L"Pattern", 1, 0, objectId(201), 21}};
    bolts.dimensions = {{L"P", L"Pitch"}};
    bolts.types = {{L"BoltCount", 6}};
}

void basePlate(EditorData& data) {
    EditorModule& plate = data.modules[L"BasePlate"];
    EditorConstraint centre =
        constraint(data, L"Column centred", L"Symmetric", L"Column C2", L"Plate");
    centre.properties = ints({EditConstrData::kPropValue, EditConstrData::kPropName});
    centre.value = L"0";
    centre.varName = L"Offset";
    plate.constraints.push_back(centre);
    EditorConstraint chamfer = constraint(data, L"Chamfer", L"Cut", L"Plate", L"");
    chamfer.kind = 1;
    chamfer.cut = L"Chamfer1";
    plate.constraints.push_back(chamfer);
    plate.geometries = {{L"Plate", L"Plate", 1, 0, objectId(203), 31},
                        {L"Column C2", L"Profile", 0, 1, objectId(104), 32}};
    plate.dimensions = {{L"L", L"PlateLength"}, {L"B", L"PlateWidth"}};
}

} // namespace

void fillSampleEditorData(const MacroDefinition& definition, EditorData& data) {
    if (definition.m_kind == L"EndPlate")
        endPlate(data);
    else if (definition.m_kind == L"BasePlate")
        basePlate(data);
}

EditorData& editorData(MacroDefinition& definition) {
    if (!definition.m_editor) {
        definition.m_editor = std::make_shared<EditorData>();
        fillSampleEditorData(definition, *definition.m_editor);
    }
    return *definition.m_editor;
}

} // namespace model
