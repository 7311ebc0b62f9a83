#include "core/model/SampleModel.h"

#include "core/CorePrint.h"
#include "core/FileHelpers.h"
#include "core/macroprof/ProfileCallBacks.h"

#include <map>

namespace model {

SampleModel& sampleModel() {
    static SampleModel model;
    return model;
}

SampleModel::SampleModel() {
    build();
}

void SampleModel::reset() {
    m_definitions.clear();
    m_instances.clear();
    m_plain.clear();
    m_groupKeys.clear();
    m_groupCaptions.clear();
    m_clashOn = true;
    m_clashDialogs.clear();
    m_clashObjects.removeAll();
    m_nextId = 900;
    resetProfileDrawing();
    build();
}

namespace {

AcDbObjectId idOf(int id) {
    return AcDbObjectId::fromOldId(id);
}

// A column of HEA 200 (depth 190, width 200, web 6.5, flanges 10) standing at x = cx,
// its flanges facing along x.
Parts columnParts(double cx) {
    return {{L"flange 1", Box::of(cx + 85, cx + 95, 0, 4000, -100, 100)},
            {L"flange 2", Box::of(cx - 95, cx - 85, 0, 4000, -100, 100)},
            {L"web", Box::of(cx - 85, cx + 85, 0, 4000, -3.25, 3.25)}};
}

} // namespace

void SampleModel::build() {
    buildSampleDefinitions(m_definitions);
    m_groupKeys = {L"Connections", L"BasePlates"};
    m_groupCaptions = {L"Connections", L"Base plates"};

    const auto addInstance = [&](int id, const wchar_t* name, const wchar_t* kind,
                                 const wchar_t* connects, double x, double y) {
        auto instance = std::make_unique<MacroInstance>();
        instance->m_id = idOf(id);
        instance->m_name = name;
        instance->m_definition = definition(kind);
        instance->m_connects = connects;
        instance->m_origin[0] = x;
        instance->m_origin[1] = y;
        for (const ModuleDefinition& module : instance->m_definition->m_modules) {
            instance->m_modules.push_back(module.tab);
            instance->m_blocks.push_back(module.hasBlock ? module.block : Tvl_String());
        }
        instance->m_cutDefinitions = sampleCutDefinitions(kind);
        Tvl_String error;
        if (!evaluateInstance(*instance, error))
            corePrint(L"*Error* Sample macro " + instance->title() + L": " + error + L".\n");
        m_instances.push_back(std::move(instance));
    };
    addInstance(201, L"EP1", L"EndPlate", L"beam B1 to column C1", 0, 2800);
    addInstance(202, L"EP2", L"EndPlate", L"beam B2 to column C1", 0, 1800);
    addInstance(203, L"BP1", L"BasePlate", L"column C2 to its footing", 6000, 0);

    // A beam of IPE 300 (flanges 150 x 10.7, web 7.1) against the end plate of `plate`.
    const auto beamParts = [this](const wchar_t* plate) {
        return [this, plate]() -> Parts {
            const MacroInstance* ep = instanceByName(plate);
            const double t = ep ? ep->number(L"EndPlate", L"PlateThickness") : 0;
            const double h = ep ? ep->number(L"EndPlate", L"BeamHeight", 300) : 300;
            const double top = ep ? ep->m_origin[1] : 0;
            const double x0 = 95 + t, x1 = x0 + 4000;
            return {{L"top flange", Box::of(x0, x1, top - 10.7, top, -75, 75)},
                    {L"bottom flange", Box::of(x0, x1, top - h, top - h + 10.7, -75, 75)},
                    {L"web", Box::of(x0, x1, top - h + 10.7, top - 10.7, -3.55, 3.55)}};
        };
    };
    m_plain.push_back({idOf(101), L"C1", L"Column HEA 200", [] { return columnParts(0); }});
    m_plain.push_back({idOf(102), L"B1", L"Beam IPE 300", beamParts(L"EP1")});
    m_plain.push_back({idOf(103), L"B2", L"Beam IPE 300", beamParts(L"EP2")});
    m_plain.push_back({idOf(104), L"C2", L"Column HEA 200", [] { return columnParts(6000); }});
    m_plain.push_back({idOf(105), L"P1", L"Drain pipe 80 x 80", [] {
                           return Parts{{L"pipe", Box::of(6180, 6260, -300, 100, -40, 40)}};
                       }});
}

MacroInstance* SampleModel::instance(AcDbObjectId id) {
    for (auto& instance : m_instances)
        if (instance->m_id == id)
            return instance.get();
    return nullptr;
}

const MacroInstance* SampleModel::instance(AcDbObjectId id) const {
    for (const auto& instance : m_instances)
        if (instance->m_id == id)
            return instance.get();
    return nullptr;
}

MacroInstance* SampleModel::instanceByName(const Tvl_String& name) {
    for (auto& instance : m_instances)
        if (instance->m_name == name)
            return instance.get();
    return nullptr;
}

const MacroDefinition* SampleModel::definition(const Tvl_String& kind) const {
    for (const auto& def : m_definitions)
        if (def->m_kind == kind)
            return def.get();
    return nullptr;
}

// ---- Records ----------------------------------------------------------------------------

bool SampleModel::fillRecord(const AcArray<AcDbObjectId>& ids, MacroData& record) const {
    std::vector<const MacroInstance*> chosen;
    for (const AcDbObjectId& id : ids)
        if (const MacroInstance* found = instance(id))
            chosen.push_back(found);
    if (chosen.empty())
        return false;
    const MacroInstance& first = *chosen.front();
    const MacroDefinition* def = first.m_definition;

    record.removeAllTabs();
    record.m_objects.removeAll();
    record.m_names.clear();
    bool oneKind = true;
    for (const MacroInstance* m : chosen) {
        record.m_objects.append(m->m_id);
        record.m_names.append(m->m_name);
        oneKind = oneKind && m->m_definition == def;
    }
    record.m_firstObjects.removeAll();
    record.m_macroKind = oneKind ? def->m_kind : Tvl_String();
    record.m_title = chosen.size() == 1 ? first.title()
                                        : Tvl_String(static_cast<int>(chosen.size())) +
                                              L" macros: " + def->m_caption;
    record.m_groupKeys = m_groupKeys;
    record.m_firstList = m_groupCaptions;
    int group = -1;
    m_groupKeys.find(def->m_group, group);
    record.m_firstSelection = group;
    record.m_secondList.clear();
    record.m_secondSelection = -1;
    for (const auto& m : m_instances) {
        if (m->m_definition->m_group != def->m_group)
            continue;
        if (chosen.size() == 1 && m.get() == &first)
            record.m_secondSelection = record.m_secondList.length();
        record.m_secondList.append(m->m_name);
    }
    for (const MacroTabData& tab : first.m_modules)
        record.appendTab(tab);
    record.m_startTab = first.m_modules.empty() ? Tvl_String() : first.m_modules.front().m_module;
    record.m_propertySet.clear();
    return true;
}

namespace {

// The item of `list` named like `list2[i]`: usually at the same index, as both come from
// the same module; otherwise looked for.
template <class T, class Name>
const T* sameItem(const Tvl_Array<T>& list, int i, const Tvl_String& name, Name nameOf) {
    if (i < list.length() && nameOf(list[i]) == name)
        return &list[i];
    for (const T& item : list)
        if (nameOf(item) == name)
            return &item;
    return nullptr;
}

} // namespace

bool SampleModel::fillSampleConnection(MacroData& record) const {
    AcArray<AcDbObjectId> ids;
    ids.append(idOf(201));
    if (fillRecord(ids, record))
        return true;
    corePrint(L"*Error* The sample model has no end plate EP1.\n");
    return false;
}

void copyKeepingReferences(MacroTabData& dst, const MacroTabData& src) {
    dst.m_kind = src.m_kind;
    dst.m_module = src.m_module;
    dst.m_caption = src.m_caption;
    dst.m_designFile = src.m_designFile;
    dst.m_advBtnForEveryGroup = src.m_advBtnForEveryGroup;
    dst.m_hasSegmentedProfs = src.m_hasSegmentedProfs;
    dst.m_flexGroups = src.m_flexGroups;
    dst.m_segmented = src.m_segmented;

    // Cells: in place where the lists match (the usual case: only values differ), so
    // that a refresh costs what changed.
    bool sameCells = dst.m_cells.length() == src.m_cells.length();
    for (int i = 0; sameCells && i < src.m_cells.length(); ++i)
        sameCells = dst.m_cells[i].m_name == src.m_cells[i].m_name;
    if (sameCells) {
        for (int i = 0; i < src.m_cells.length(); ++i) {
            MacroCell& cell = dst.m_cells[i];
            if (cell.sameValue(src.m_cells[i]))
                continue;
            const int reference = cell.m_reference;
            cell = src.m_cells[i];
            cell.m_reference = reference;
        }
    } else {
        Tvl_Array<MacroCell> cells = src.m_cells;
        for (int i = 0; i < cells.length(); ++i)
            if (const MacroCell* old = sameItem(dst.m_cells, i, cells[i].m_name,
                                                [](const MacroCell& c) { return c.m_name; }))
                cells[i].m_reference = old->m_reference;
        dst.m_cells = std::move(cells);
    }

    Tvl_Array<MacroPatternProps> patterns = src.m_patterns;
    for (int i = 0; i < patterns.length(); ++i) {
        MacroPatternProps& pattern = patterns[i];
        if (const MacroPatternProps* old =
                sameItem(dst.m_patterns, i, pattern.m_name,
                         [](const MacroPatternProps& p) { return p.m_name; })) {
            pattern.m_refCount1 = old->m_refCount1;
            pattern.m_refCount2 = old->m_refCount2;
            pattern.m_refButton = old->m_refButton;
        }
    }
    dst.m_patterns = std::move(patterns);

    MacroBoltData bolt = src.m_bolt;
    for (int i = 0; i < MacroBoltData::kFieldCount; ++i)
        bolt.setReference(i, dst.m_bolt.reference(i));
    dst.m_bolt = bolt;

    Tvl_Array<DynArrayData> arrays = src.m_arrays;
    for (int i = 0; i < arrays.length(); ++i) {
        DynArrayData& array = arrays[i];
        if (const DynArrayData* old = sameItem(dst.m_arrays, i, array.m_name,
                                               [](const DynArrayData& a) { return a.m_name; })) {
            array.m_reference = old->m_reference;
            for (int k = 0; k < 4; ++k)
                array.m_valueRefs[k] = old->m_valueRefs[k];
            array.m_entriesRef = old->m_entriesRef;
            array.m_buttonRef = old->m_buttonRef;
        }
    }
    dst.m_arrays = std::move(arrays);

    Tvl_Array<MacroCutData> cuts = src.m_cuts;
    for (int i = 0; i < cuts.length(); ++i)
        if (const MacroCutData* old = sameItem(dst.m_cuts, i, cuts[i].m_name,
                                               [](const MacroCutData& c) { return c.m_name; }))
            cuts[i].m_reference = old->m_reference;
    dst.m_cuts = std::move(cuts);

    Tvl_Array<MacroProfData> profs = src.m_profs;
    for (int i = 0; i < profs.length(); ++i)
        if (const MacroProfData* old = sameItem(dst.m_profs, i, profs[i].m_group,
                                                [](const MacroProfData& p) { return p.m_group; }))
            for (int k = 0; k < 5; ++k)
                profs[i].m_references[k] = old->m_references[k];
    dst.m_profs = std::move(profs);
}

void SampleModel::refreshRecord(MacroData& record) const {
    const MacroInstance* first = nullptr;
    for (const AcDbObjectId& id : record.m_objects)
        if ((first = instance(id)) != nullptr)
            break;
    if (!first)
        return;
    for (int t = 0; t < record.tabCount(); ++t) {
        MacroTabData* tab = record.tab(t);
        if (const MacroTabData* current = first->module(tab->m_module))
            copyKeepingReferences(*tab, *current);
    }
}

// ---- Changes ----------------------------------------------------------------------------

namespace {

// Copies one changed item of the record's tab into the model's module. False when the
// item is not there.
bool applyItem(MacroTabData& dst, const MacroTabData& src, int code, int index) {
    switch (code) {
    case kMacroItemCell: {
        if (index < 0 || index >= src.m_cells.length())
            return false;
        MacroCell* cell = dst.cellWithName(src.m_cells[index].m_name);
        if (!cell)
            return false;
        if (!cell->m_readOnly) // computed and read-only cells are the model's
            cell->m_value = src.m_cells[index].m_value;
        return true;
    }
    case kMacroItemPattern: {
        if (index < 0 || index >= src.m_patterns.length())
            return false;
        MacroPatternProps* pattern = dst.patternWithName(src.m_patterns[index].m_name);
        if (!pattern)
            return false;
        const MacroPatternProps& from = src.m_patterns[index];
        pattern->m_count1 = from.m_count1;
        if (!pattern->m_count2.isEmpty() || !from.m_count2.trimmed().isEmpty())
            pattern->m_count2 = from.m_count2;
        for (int i = 0; i < 2; ++i)
            pattern->m_directions[i] = from.m_directions[i];
        for (int i = 0; i < 4; ++i)
            pattern->m_options[i] = from.m_options[i];
        return true;
    }
    case kMacroItemBolt: {
        MacroBoltData bolt = src.m_bolt;
        for (int i = 0; i < MacroBoltData::kFieldCount; ++i)
            bolt.setReference(i, 0);
        dst.m_bolt = bolt;
        return true;
    }
    case kMacroItemArray: {
        if (index < 0 || index >= src.m_arrays.length())
            return false;
        DynArrayData* array = dst.arrayWithName(src.m_arrays[index].m_name);
        if (!array)
            return false;
        *array = src.m_arrays[index];
        array->clearReferences();
        return true;
    }
    case kMacroItemCut: {
        if (index < 0 || index >= src.m_cuts.length())
            return false;
        MacroCutData* cut = dst.cutWithName(src.m_cuts[index].m_name);
        if (!cut)
            return false;
        cut->m_value = src.m_cuts[index].m_value;
        return true;
    }
    case kMacroItemFlexFix: {
        if (index < 0 || index >= src.m_flexGroups.length())
            return false;
        for (MacroFlexFixGroup& group : dst.m_flexGroups) {
            if (group.m_group == src.m_flexGroups[index].m_group &&
                group.m_names == src.m_flexGroups[index].m_names) {
                group.m_status = src.m_flexGroups[index].m_status;
                return true;
            }
        }
        return false;
    }
    case kMacroItemProfGroup: {
        if (index < 0 || index >= src.m_profs.length())
            return false;
        return dst.setMergedPropsOfGroup(src.m_profs[index].m_group, src.m_profs[index]);
    }
    case kMacroItemSegmented:
        dst.m_segmented = src.m_segmented;
        return true;
    default:
        return false;
    }
}

void printChanges(const MacroInstance& instance, const std::vector<MacroTabData>& before) {
    for (size_t m = 0; m < instance.m_modules.size() && m < before.size(); ++m) {
        const MacroTabData& now = instance.m_modules[m];
        for (int i = 0; i < now.m_cells.length(); ++i) {
            const MacroCell& cell = now.m_cells[i];
            const MacroCell* old = sameItem(before[m].m_cells, i, cell.m_name,
                                            [](const MacroCell& c) { return c.m_name; });
            if (old && old->m_value != cell.m_value)
                corePrint(instance.m_name + L" " + now.m_module + L"." + cell.m_name + L": " +
                          old->m_value + L" -> " + cell.m_value + L"\n");
        }
        Tvl_StringArray names;
        Tvl_Array<int> codes, indices;
        now.differences(before[m], names, codes, indices);
        for (int i = 0; i < names.length(); ++i)
            if (codes[i] != kMacroItemCell)
                corePrint(instance.m_name + L" " + now.m_module + L"." + names[i] + L" changed\n");
    }
}

} // namespace

bool SampleModel::updateModule(const Tvl_String& module, MacroData& record,
                               const Tvl_Array<int>& codes, const Tvl_Array<int>& indices) {
    if (!record.tabOfModule(module)) {
        corePrint(L"*Error* UpdateModule: no macro with the module \"" + module + L"\".\n");
        refreshRecord(record);
        return false;
    }
    // The record is busy while the model works on it: a dialog closed meanwhile waits.
    record.setBusy(true);
    const bool accepted = applyChanges(record, {ModuleChanges{module, codes, indices}});
    record.setBusy(false);
    return accepted;
}

bool SampleModel::applyChanges(MacroData& record, const std::vector<ModuleChanges>& changes) {
    std::vector<MacroInstance*> targets;
    for (const AcDbObjectId& id : record.m_objects)
        if (MacroInstance* found = instance(id))
            targets.push_back(found);
    if (targets.empty()) {
        corePrint(L"*Error* UpdateModule: the record holds no macro of the model.\n");
        return false;
    }
    std::vector<std::vector<MacroTabData>> backups;
    for (MacroInstance* target : targets)
        backups.push_back(target->m_modules);

    // Every module's changes go in before the macro is evaluated once, so that values
    // that only fit together (a property set) are checked together.
    Tvl_String error;
    const MacroInstance* refused = nullptr;
    for (MacroInstance* target : targets) {
        for (const ModuleChanges& change : changes) {
            MacroTabData* dst = target->module(change.module);
            const MacroTabData* source = record.tabOfModule(change.module);
            if (!dst || !source)
                continue;
            for (int k = 0; k < change.codes.length(); ++k)
                applyItem(*dst, *source, change.codes[k],
                          k < change.indices.length() ? change.indices[k] : -1);
        }
        if (!evaluateInstance(*target, error)) {
            refused = target;
            break;
        }
    }
    if (refused) {
        for (size_t i = 0; i < targets.size(); ++i)
            targets[i]->m_modules = backups[i];
        corePrint(L"Refused: " + refused->title() + L", " + error + L".\n");
    } else {
        for (size_t i = 0; i < targets.size(); ++i)
            printChanges(*targets[i], backups[i]);
    }
    refreshRecord(record);
    return refused == nullptr;
}

bool SampleModel::applyNamed(MacroData& record, const Tvl_StringArray& names,
                             const Tvl_Array<int>& codes, const Tvl_Array<int>& tabs) {
    // Per tab, the codes and item indices of its entries.
    std::map<int, ModuleChanges> perTab;
    const int count = std::min({names.length(), codes.length(), tabs.length()});
    for (int i = 0; i < count; ++i) {
        const MacroTabData* tab = record.tab(tabs[i]);
        if (!tab || codes[i] == kMacroItemRecordOnly)
            continue;
        int index = -1;
        switch (codes[i]) {
        case kMacroItemCell:
            tab->findCellWithName(names[i], index);
            break;
        case kMacroItemPattern:
            tab->findPatternWithName(names[i], index);
            break;
        case kMacroItemBolt:
        case kMacroItemSegmented:
            index = 0;
            break;
        case kMacroItemArray:
            tab->findArrayWithName(names[i], index);
            break;
        case kMacroItemCut:
            tab->findCutWithName(names[i], index);
            break;
        case kMacroItemProfGroup:
            tab->findProfDataWithGroup(names[i], index);
            break;
        case kMacroItemFlexFix:
            for (int g = 0; g < tab->m_flexGroups.length(); ++g)
                if (tab->m_flexGroups[g].m_group == names[i])
                    index = g;
            break;
        default:
            break;
        }
        if (index < 0)
            continue;
        ModuleChanges& change = perTab[tabs[i]];
        change.module = tab->m_module;
        change.codes.append(codes[i]);
        change.indices.append(index);
    }
    if (perTab.empty()) {
        refreshRecord(record);
        return true;
    }
    std::vector<ModuleChanges> changes;
    for (const auto& [tab, change] : perTab)
        changes.push_back(change);
    return applyChanges(record, changes);
}

void SampleModel::changeView(const AcArray<AcDbObjectId>& ids, const Tvl_String& module, int view) {
    static const wchar_t* const kViews[] = {L"front", L"top", L"side", L"3D"};
    if (view < 0 || view > 3) {
        corePrint(L"*Error* There is no view " + Tvl_String(view) + L".\n");
        return;
    }
    for (const AcDbObjectId& id : ids) {
        if (MacroInstance* m = instance(id)) {
            m->m_view = view;
            corePrint(L"View " + Tvl_String(view) + L" (" + kViews[view] + L"): " + m->title() +
                      (module.isEmpty() ? Tvl_String() : L", module " + module) + L"\n");
        }
    }
}

bool SampleModel::reApply(MacroData& record) {
    bool all = !record.m_objects.isEmpty();
    for (const AcDbObjectId& id : record.m_objects) {
        MacroInstance* m = instance(id);
        Tvl_String error;
        if (!m || !evaluateInstance(*m, error)) {
            all = false;
            continue;
        }
        corePrint(L"Re-applied " + m->title() + L".\n");
    }
    refreshRecord(record);
    return all;
}

bool SampleModel::swapBlock(MacroData& record, const Tvl_String& module, const Tvl_String& path) {
    const Tvl_String name = removeExtension(getFileName(path));
    if (name.isEmpty())
        return false;
    bool swapped = false;
    for (const AcDbObjectId& id : record.m_objects) {
        MacroInstance* m = instance(id);
        if (!m)
            continue;
        const int index = m->m_definition->moduleIndex(module);
        if (index < 0 || !m->m_definition->m_modules[static_cast<size_t>(index)].hasBlock)
            continue;
        m->m_blocks[static_cast<size_t>(index)] = name;
        corePrint(m->title() + L": the block of " + module + L" is now " + name + L".\n");
        swapped = true;
    }
    return swapped;
}

// ---- Clash check ------------------------------------------------------------------------

Tvl_String ClashFinding::text() const {
    return L"Clash: " + partA + L" of " + objectA + L" with " + partB + L" of " + objectB +
           L", overlap " + formatModelNumber(size[0]) + L" x " + formatModelNumber(size[1]) +
           L" x " + formatModelNumber(size[2]) + L" mm.\n";
}

std::vector<ClashFinding> SampleModel::findClashes(const AcArray<AcDbObjectId>& ids) const {
    struct Object {
        AcDbObjectId id;
        Tvl_String name;
        Parts parts;
    };
    std::vector<Object> objects;
    for (const auto& m : m_instances)
        objects.push_back({m->m_id, m->m_name, m->m_definition->m_parts(*m)});
    for (const PlainObject& p : m_plain)
        objects.push_back({p.id, p.name, p.parts()});

    std::vector<ClashFinding> findings;
    std::set<std::pair<size_t, size_t>> checked;
    for (size_t a = 0; a < objects.size(); ++a) {
        if (!ids.contains(objects[a].id))
            continue;
        for (size_t b = 0; b < objects.size(); ++b) {
            if (a == b || checked.count({std::min(a, b), std::max(a, b)}))
                continue;
            checked.insert({std::min(a, b), std::max(a, b)});
            for (const Part& pa : objects[a].parts) {
                for (const Part& pb : objects[b].parts) {
                    ClashFinding f;
                    if (!pa.box.overlap(pb.box, f.size))
                        continue;
                    f.partA = pa.name;
                    f.objectA = objects[a].name;
                    f.partB = pb.name;
                    f.objectB = objects[b].name;
                    findings.push_back(f);
                }
            }
        }
    }
    return findings;
}

// ---- Listing ----------------------------------------------------------------------------

void SampleModel::list() const {
    corePrint(L"Sample model: " + Tvl_String(static_cast<int>(m_plain.size())) + L" objects, " +
              Tvl_String(static_cast<int>(m_instances.size())) + L" macros.\n");
    for (const PlainObject& p : m_plain)
        corePrint(L"  " + p.name + L" (" + Tvl_String(static_cast<int>(p.id.asOldId())) + L"): " +
                  p.description + L"\n");
    for (const auto& m : m_instances) {
        corePrint(L"  " + m->m_name + L" (" + Tvl_String(static_cast<int>(m->m_id.asOldId())) +
                  L"): " + m->m_definition->m_caption + L", " + m->m_connects + L"\n");
        for (size_t i = 0; i < m->m_modules.size(); ++i) {
            const MacroTabData& tab = m->m_modules[i];
            const ModuleDefinition& def = m->m_definition->m_modules[i];
            corePrint(L"    module " + tab.m_module + L" (" + tab.m_caption + L")" +
                      (m->m_blocks[i].isEmpty() ? Tvl_String() : L", block " + m->m_blocks[i]) +
                      L"\n");
            for (const MacroCell& cell : tab.m_cells) {
                static const wchar_t* const kKinds[] = {L"",     L"number",        L"text",
                                                        L"list", L"editable list", L"check"};
                const int kind = cell.m_kind >= 1 && cell.m_kind <= 5 ? cell.m_kind : 0;
                Tvl_String line =
                    L"      " + cell.m_name + L" = " + cell.m_value + L" (" + kKinds[kind] + L")";
                auto eq = def.equations.find(cell.m_name.str());
                if (eq != def.equations.end())
                    line += L" := " + eq->second.text();
                for (const MacroFlexFixGroup& group : tab.m_flexGroups)
                    if (group.status(cell.m_name) == 1)
                        line += L" (flexible in group " + group.m_group + L")";
                corePrint(line + L"\n");
            }
            for (const MacroPatternProps& pattern : tab.m_patterns)
                corePrint(L"      pattern " + pattern.m_name + L": " + pattern.m_count1 +
                          (pattern.m_count2.isEmpty() ? Tvl_String() : L" x " + pattern.m_count2) +
                          L"\n");
            if (tab.isBoltTab())
                corePrint(L"      bolts " + tab.m_bolt.m_assembly + L" " + tab.m_bolt.m_diameter +
                          L"\n");
            for (const DynArrayData& array : tab.m_arrays)
                corePrint(L"      array " + array.m_name + L": " + array.m_count + L" (" +
                          array.entriesText() + L")\n");
            for (const MacroCutData& cut : tab.m_cuts)
                corePrint(L"      cut " + cut.m_name + L": kind " + Tvl_String(cut.m_value) +
                          L"\n");
            for (const Rule& rule : def.rules)
                corePrint(L"      rule " + rule.condition.text() + L"\n");
        }
        for (const MacroCutDefinition& cut : m->m_cutDefinitions)
            corePrint(L"    cut definition " + cut.m_name + L": " + cut.summary() + L"\n");
    }
}

AcDbObjectId SampleModel::addSyntheticMacro(int modules, int cells) {
    auto def = std::make_unique<MacroDefinition>();
    def->m_kind = L"Synthetic" + Tvl_String(m_nextId);
    def->m_caption = L"Synthetic";
    def->m_group = L"Synthetic";
    def->m_parts = [](const MacroInstance& m) {
        return Parts{{L"block", Box::of(-5000, -4000, 0, 100 + m.number(L"M0", L"C0"), 0, 100)}};
    };
    for (int m = 0; m < modules; ++m) {
        ModuleDefinition module;
        module.tab.m_module = L"M" + Tvl_String(m);
        module.tab.m_caption = L"Module " + Tvl_String(m);
        for (int c = 0; c < cells; ++c)
            module.tab.m_cells.append(MacroCell(MacroCell::kNumber, L"C" + Tvl_String(c), L"1"));
        def->m_modules.push_back(module);
        // The second half of the cells each read two earlier cells, in a chain.
        for (int c = cells / 2; c < cells; ++c)
            def->addEquation(m, L"C" + Tvl_String(c),
                             L"C" + Tvl_String(c - 1) + L" + C" + Tvl_String(c - cells / 2) +
                                 L" * 0.5");
        def->addRule(m, L"C0 >= 0", L"C0 must not be negative");
    }
    const MacroDefinition* stored = def.get();
    m_definitions.push_back(std::move(def));
    auto instance = std::make_unique<MacroInstance>();
    instance->m_id = idOf(m_nextId++);
    instance->m_name = L"S" + Tvl_String(static_cast<int>(instance->m_id.asOldId()));
    instance->m_definition = stored;
    for (const ModuleDefinition& module : stored->m_modules) {
        instance->m_modules.push_back(module.tab);
        instance->m_blocks.push_back(Tvl_String());
    }
    Tvl_String error;
    evaluateInstance(*instance, error);
    const AcDbObjectId id = instance->m_id;
    m_instances.push_back(std::move(instance));
    return id;
}

} // namespace model
