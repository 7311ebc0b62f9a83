// The sample model's macro definitions: a bolted end-plate connection of a beam to a
// column flange, and a column base plate with anchors. docs/sample-model.md lists them.

#include "core/Tvl_Settings.h"
#include "core/model/BoltLibrary.h"
#include "core/model/SampleModel.h"

namespace model {

namespace {

MacroCell cell(int kind, const wchar_t* name, const wchar_t* value, bool readOnly = false,
               std::initializer_list<Tvl_String> list = {}) {
    MacroCell c(kind, name, value, readOnly);
    for (const Tvl_String& entry : list)
        c.m_list.append(entry);
    return c;
}

Tvl_String designPath(const wchar_t* name) {
    return gSettings.libDir() + L"Dialog Templates\\Dialog Design\\" + name + L".txt";
}

double boltDiameter(const MacroTabData& tab) {
    double d = 20;
    BoltLibrary::nominalDiameter(tab.m_bolt.m_diameter, d);
    return d;
}

// ---- End plate ---------------------------------------------------------------------

Parts endPlateParts(const MacroInstance& m) {
    Parts parts;
    const double t = m.number(L"EndPlate", L"PlateThickness");
    const double h = m.number(L"EndPlate", L"PlateHeight");
    const double w = m.number(L"EndPlate", L"PlateWidth");
    const double top = m.m_origin[1] + m.number(L"EndPlate", L"TopExtension");
    const double face = 95; // the column flange's outer face
    parts.push_back({L"plate", Box::of(face, face + t, top - h, top, -w / 2, w / 2)});
    const MacroTabData* bolts = m.module(L"Bolts");
    if (!bolts)
        return parts;
    const double d = boltDiameter(*bolts);
    const double edge = m.number(L"Bolts", L"EdgeDist");
    const double pitch = m.number(L"Bolts", L"Pitch");
    const double gauge = m.number(L"Bolts", L"Gauge");
    int pattern = -1;
    if (!bolts->findPatternWithName(L"Rows", pattern))
        return parts;
    const int rows = std::min(bolts->m_patterns[pattern].getCount(1), 50);
    const int columns = std::min(std::max(bolts->m_patterns[pattern].getCount(2), 1), 2);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const double y = top - edge - r * pitch;
            const double z = columns == 1 ? 0 : (c == 0 ? -gauge / 2 : gauge / 2);
            const Tvl_String id = Tvl_String(r + 1) + L"." + Tvl_String(c + 1);
            parts.push_back({L"bolt head " + id, Box::of(face + t, face + t + 0.7 * d, y - 0.9 * d,
                                                         y + 0.9 * d, z - 0.9 * d, z + 0.9 * d)});
            parts.push_back({L"nut " + id, Box::of(face - 10 - 0.8 * d, face - 10, y - 0.9 * d,
                                                   y + 0.9 * d, z - 0.9 * d, z + 0.9 * d)});
        }
    }
    return parts;
}

std::unique_ptr<MacroDefinition> endPlate() {
    auto def = std::make_unique<MacroDefinition>();
    def->m_kind = L"EndPlate";
    def->m_caption = L"End plate";
    def->m_group = L"Connections";
    def->m_parts = endPlateParts;

    ModuleDefinition plate;
    plate.tab.m_kind = MacroTabData::kGeneral;
    plate.tab.m_module = L"EndPlate";
    plate.tab.m_caption = L"End plate";
    plate.tab.m_designFile = designPath(L"Connections\\EndPlate");
    Tvl_Array<MacroCell>& c = plate.tab.m_cells;
    c.append(cell(MacroCell::kNumber, L"BeamHeight", L"300", true));
    c.append(cell(MacroCell::kNumber, L"BeamWidth", L"150", true));
    c.append(cell(MacroCell::kNumber, L"PlateThickness", L"15"));
    c.append(cell(MacroCell::kNumber, L"PlateWidth", L"160"));
    c.append(cell(MacroCell::kNumber, L"TopExtension", L"20"));
    c.append(cell(MacroCell::kNumber, L"BottomExtension", L"20"));
    c.append(cell(MacroCell::kNumber, L"PlateHeight", L"340", true));
    c.append(cell(MacroCell::kNumber, L"WeldSize", L"7.5", true));
    c.append(cell(MacroCell::kNumber, L"PlateWeight", L"6.4", true));
    c.append(cell(MacroCell::kList, L"Grade", L"S355", false, {L"S235", L"S275", L"S355"}));
    c.append(cell(MacroCell::kEditableList, L"Coating", L"None", false,
                  {L"None", L"Primer", L"Galvanised"}));
    c.append(cell(MacroCell::kText, L"Remark", L""));
    c.append(cell(MacroCell::kCheck, L"Stiffeners", L"0"));
    plate.tab.m_cuts.append(MacroCutData(L"Corner", 1));
    MacroFlexFixGroup fix(L"Fix", {L"PlateHeight", L"TopExtension", L"BottomExtension"}, 0);
    fix.m_base = L"BeamHeight";
    plate.tab.m_flexGroups.append(fix);
    plate.hasBlock = true;
    plate.block = L"Label A";
    def->m_modules.push_back(plate);

    ModuleDefinition bolts;
    bolts.tab.m_kind = MacroTabData::kBolts;
    bolts.tab.m_module = L"Bolts";
    bolts.tab.m_caption = L"Bolts";
    Tvl_Array<MacroCell>& b = bolts.tab.m_cells;
    b.append(cell(MacroCell::kNumber, L"Pitch", L"70"));
    b.append(cell(MacroCell::kNumber, L"EdgeDist", L"40"));
    b.append(cell(MacroCell::kNumber, L"Gauge", L"90"));
    b.append(cell(MacroCell::kNumber, L"HoleDiameter", L"22", true));
    b.append(cell(MacroCell::kNumber, L"BoltCount", L"8", true));
    MacroPatternProps rows(L"Rows", L"4", L"2");
    rows.m_directions[0].m_distance = L"70";
    rows.m_directions[0].m_edgeDistance = L"40";
    rows.m_directions[1].m_distance = L"90";
    bolts.tab.m_patterns.append(rows);
    MacroPatternProps extra(L"Extra", L"0", L"");
    extra.m_dialogFlag = false;
    bolts.tab.m_patterns.append(extra);
    MacroBoltData& bolt = bolts.tab.m_bolt;
    bolt.m_assembly = L"Hex 8.8";
    bolt.m_diameter = L"M20";
    bolt.m_addedLength = L"0";
    bolt.m_penetrationLength = L"";
    bolt.m_holeTolerance = L"2";
    bolt.m_count = 8;
    MacroSlottedHole slot;
    slot.m_active = 1;
    slot.m_kindText = L"Long";
    slot.m_length = L"30";
    slot.m_radius = L"11";
    slot.m_angle = L"0";
    slot.m_furtherValue = L"0";
    bolt.m_slottedHoles.append(slot);
    slot.m_active = 0;
    slot.m_radius = L"0";
    bolt.m_slottedHoles.append(slot);
    bolt.m_holeColumnFlags = {1, 1, 0};
    bolt.m_holeColumnNames = {L"Position", L"Diameter", L"Slot"};
    DynArrayData ribs;
    ribs.m_name = L"Ribs";
    ribs.m_count = L"3";
    ribs.m_entries = {L"Rib 1", L"Rib 2", L"Rib 3"};
    ribs.m_entryActions.setLogicalLength(3);
    ribs.m_dimNames[0] = L"Length";
    ribs.m_furtherValues[0] = L"100";
    ribs.m_dimNames[1] = L"Width";
    ribs.m_values[0] = L"100";
    ribs.m_valuePair[0] = L"0";
    ribs.m_valuePair[1] = L"340";
    for (const Tvl_String& entry : ribs.m_entries) {
        DynArrayEntryColumn column;
        column.m_kind = 1; // keep
        column.m_name = entry;
        ribs.m_entryColumns.append(column);
    }
    bolts.tab.m_arrays.append(ribs);
    def->m_modules.push_back(bolts);

    ModuleDefinition notes;
    notes.tab.m_kind = 4;
    notes.tab.m_module = L"Notes";
    notes.tab.m_caption = L"Notes";
    notes.tab.m_cells.append(cell(MacroCell::kText, L"Note", L""));
    def->m_modules.push_back(notes);

    def->addEquation(0, L"WeldSize", L"round(0.5 * PlateThickness, 1)");
    def->addEquation(0, L"PlateWeight",
                     L"round(PlateHeight * PlateWidth * PlateThickness * 7.85e-6, 1)");
    def->addRule(0, L"PlateThickness > 0", L"the plate thickness must be greater than 0");
    def->addRule(0, L"PlateThickness <= 50", L"the plate thickness must not exceed 50 mm");
    def->addRule(0, L"PlateWidth >= BeamWidth",
                 L"the plate must be at least as wide as the beam (150 mm)");
    def->addRule(0, L"PlateWidth <= 200",
                 L"the plate must not be wider than the column flange (200 mm)");
    def->addRule(0, L"TopExtension >= 0 && BottomExtension >= 0",
                 L"the extensions must not be negative");

    def->addEquation(1, L"HoleDiameter", L"bolt_d + 2");
    def->addEquation(1, L"BoltCount", L"Rows_n1 * max(Rows_n2, 1) + Extra_n1");
    def->addRule(1, L"Rows_n1 >= 1 && Rows_n2 >= 1 && Rows_n2 <= 2",
                 L"an end plate has at least one bolt row and one or two bolt columns");
    def->addRule(1, L"(Rows_n1 - 1) * Pitch + 2 * EdgeDist <= EndPlate.PlateHeight",
                 L"the bolt rows do not fit on the plate ((rows - 1) x pitch + 2 x edge "
                 L"distance exceeds the plate height)");
    def->addRule(1, L"EdgeDist >= 1.2 * HoleDiameter",
                 L"the edge distance must be at least 1.2 x the hole diameter");
    def->addRule(1, L"Pitch >= 2.2 * HoleDiameter",
                 L"the pitch must be at least 2.2 x the hole diameter");
    def->addRule(1, L"(EndPlate.PlateWidth - Gauge) / 2 >= 1.2 * HoleDiameter",
                 L"the bolts are too close to the plate's sides (at least 1.2 x the hole "
                 L"diameter)");
    return def;
}

// ---- Base plate --------------------------------------------------------------------

Parts basePlateParts(const MacroInstance& m) {
    Parts parts;
    const double l = m.number(L"BasePlate", L"PlateLength");
    const double w = m.number(L"BasePlate", L"PlateWidth");
    const double t = m.number(L"BasePlate", L"Thickness");
    const double edge = m.number(L"BasePlate", L"EdgeDist");
    const double cx = m.m_origin[0] + m.number(L"BasePlate", L"Offset");
    parts.push_back({L"plate", Box::of(cx - l / 2, cx + l / 2, -t, 0, -w / 2, w / 2)});
    const MacroTabData* anchors = m.module(L"Anchors");
    int pattern = -1;
    if (!anchors || !anchors->findPatternWithName(L"Anchors", pattern))
        return parts;
    const double d = boltDiameter(*anchors);
    const double length = m.number(L"Anchors", L"AnchorLength");
    const int nx = std::min(anchors->m_patterns[pattern].getCount(1), 20);
    const int nz = std::min(std::max(anchors->m_patterns[pattern].getCount(2), 1), 20);
    const auto spread = [](int n, int i, double half) {
        return n <= 1 ? 0.0 : -half + 2 * half * i / (n - 1);
    };
    for (int i = 0; i < nx; ++i) {
        for (int j = 0; j < nz; ++j) {
            const double x = cx + spread(nx, i, l / 2 - edge);
            const double z = spread(nz, j, w / 2 - edge);
            parts.push_back({L"anchor " + Tvl_String(i + 1) + L"." + Tvl_String(j + 1),
                             Box::of(x - d / 2, x + d / 2, -t - length, 40, z - d / 2, z + d / 2)});
        }
    }
    return parts;
}

// The profiles of a base plate: the column, two braces, and a segmented edge angle, with
// the braces' angle and connection (shown in the page's grid: the tab has no design).
ModuleDefinition basePlateProfiles() {
    ModuleDefinition profiles;
    profiles.tab.m_kind = MacroTabData::kProfiles;
    profiles.tab.m_module = L"Profiles";
    profiles.tab.m_caption = L"Profiles";
    profiles.tab.m_cells.append(cell(MacroCell::kNumber, L"BraceAngle", L"45"));
    profiles.tab.m_cells.append(
        cell(MacroCell::kList, L"BraceConnection", L"Bolted", false, {L"Bolted", L"Welded"}));
    MacroProfData column;
    column.m_group = L"Column";
    column.m_section = L"HEA-200";
    column.m_profileIds.append(AcDbObjectId::fromOldId(104));
    profiles.tab.m_profs.append(column);
    MacroProfData braces;
    braces.m_group = L"Braces";
    braces.m_section = L"L-60x6";
    braces.m_offsetType = 1;
    braces.m_insertionPoint = 1;
    braces.m_rotation = MacroProfData::kRot90;
    braces.m_profileIds.append(AcDbObjectId::fromOldId(301));
    braces.m_profileIds.append(AcDbObjectId::fromOldId(302));
    profiles.tab.m_profs.append(braces);
    profiles.tab.m_hasSegmentedProfs = true;
    MacroProfSegmentedData edge;
    edge.m_name = L"EdgeAngle";
    edge.m_description = L"angle along the plate's edge";
    edge.m_clearance = L"5";
    edge.m_points = {{L"1", L"0"}, {L"2", L"200"}, {L"3", L"400"}};
    profiles.tab.m_segmented.append(edge);
    return profiles;
}

std::unique_ptr<MacroDefinition> basePlate() {
    auto def = std::make_unique<MacroDefinition>();
    def->m_kind = L"BasePlate";
    def->m_caption = L"Base plate";
    def->m_group = L"BasePlates";
    def->m_parts = basePlateParts;

    ModuleDefinition plate;
    plate.tab.m_kind = MacroTabData::kGeneral;
    plate.tab.m_module = L"BasePlate";
    plate.tab.m_caption = L"Base plate";
    plate.tab.m_designFile = designPath(L"Connections\\BasePlate");
    Tvl_Array<MacroCell>& c = plate.tab.m_cells;
    c.append(cell(MacroCell::kNumber, L"ColumnDepth", L"190", true));
    c.append(cell(MacroCell::kNumber, L"ColumnWidth", L"200", true));
    c.append(cell(MacroCell::kNumber, L"PlateLength", L"400"));
    c.append(cell(MacroCell::kNumber, L"PlateWidth", L"300"));
    c.append(cell(MacroCell::kNumber, L"Thickness", L"20"));
    c.append(cell(MacroCell::kNumber, L"EdgeDist", L"50"));
    c.append(cell(MacroCell::kNumber, L"Offset", L"0"));
    c.append(cell(MacroCell::kNumber, L"Overhang", L"105", true));
    c.append(cell(MacroCell::kNumber, L"PlateArea", L"1200", true));
    c.append(cell(MacroCell::kNumber, L"Grout", L"30"));
    c.append(cell(MacroCell::kList, L"Grade", L"S235", false, {L"S235", L"S275", L"S355"}));
    c.append(cell(MacroCell::kCheck, L"Stiffeners", L"0"));
    plate.tab.m_cuts.append(MacroCutData(L"Chamfer1", 0));
    def->m_modules.push_back(plate);

    ModuleDefinition anchors;
    anchors.tab.m_kind = MacroTabData::kBolts;
    anchors.tab.m_module = L"Anchors";
    anchors.tab.m_caption = L"Anchors";
    anchors.tab.m_cells.append(cell(MacroCell::kNumber, L"AnchorLength", L"400"));
    anchors.tab.m_cells.append(cell(MacroCell::kNumber, L"HoleDiameter", L"30", true));
    anchors.tab.m_patterns.append(MacroPatternProps(L"Anchors", L"2", L"2"));
    anchors.tab.m_bolt.m_assembly = L"Anchor 4.6";
    anchors.tab.m_bolt.m_diameter = L"M24";
    anchors.tab.m_bolt.m_addedLength = L"0";
    anchors.tab.m_bolt.m_holeTolerance = L"6";
    anchors.tab.m_bolt.m_count = 4;
    def->m_modules.push_back(anchors);

    def->m_modules.push_back(basePlateProfiles());

    def->addEquation(0, L"Overhang", L"(PlateLength - ColumnDepth) / 2");
    def->addEquation(0, L"PlateArea", L"PlateLength * PlateWidth / 100");
    def->addRule(0, L"Thickness > 0", L"the plate thickness must be greater than 0");
    def->addRule(0, L"Thickness <= 80", L"the plate thickness must not exceed 80 mm");
    def->addRule(0, L"PlateLength >= ColumnDepth + 2 * EdgeDist",
                 L"the plate must be longer than the column depth plus twice the edge distance");
    def->addRule(0, L"PlateWidth >= ColumnWidth",
                 L"the plate must be at least as wide as the column (200 mm)");
    def->addRule(0, L"abs(Offset) <= Overhang - EdgeDist",
                 L"the offset moves the column off the plate");
    def->addRule(0, L"Grout >= 0 && Grout <= 100", L"the grout must be 0 to 100 mm thick");

    def->addEquation(1, L"HoleDiameter", L"bolt_d + 6");
    def->addRule(1, L"Anchors_n1 >= 2 && Anchors_n2 >= 1",
                 L"a base plate needs at least two anchors along its length");
    def->addRule(1, L"BasePlate.EdgeDist >= 1.5 * HoleDiameter",
                 L"the edge distance must be at least 1.5 x the anchor hole diameter");
    def->addRule(1, L"AnchorLength >= 12 * bolt_d",
                 L"the anchors must be at least 12 x their diameter long");
    return def;
}

} // namespace

void buildSampleDefinitions(std::vector<std::unique_ptr<MacroDefinition>>& definitions) {
    definitions.push_back(endPlate());
    definitions.push_back(basePlate());
}

} // namespace model
