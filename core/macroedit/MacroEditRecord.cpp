// Finding the record's macro and module, and writing the model's state into the record.

#include "core/CorePrint.h"
#include "core/macroedit/MacroEditCallBacks.h"
#include "core/macroedit/MacroEditModel.h"

#include <cwctype>

namespace model::edit {

EditorConstraint* Target::constraint(long id) const {
    for (EditorConstraint& c : editor->constraints)
        if (c.id == id)
            return &c;
    return nullptr;
}

MacroDefinition& definitionOf(MacroInstance& instance) {
    // The instance refers to its definition read-only; the model owns it and lets the
    // macro editor change it.
    return const_cast<MacroDefinition&>(*instance.m_definition);
}

std::vector<MacroInstance*> instancesOf(const MacroDefinition& definition) {
    std::vector<MacroInstance*> out;
    for (const auto& instance : sampleModel().instances())
        if (instance->m_definition == &definition)
            out.push_back(instance.get());
    return out;
}

Target target(const EditConstrData& data) {
    Target t;
    t.instance = sampleModel().instance(data.m_macroId);
    if (!t.instance || !t.instance->m_definition)
        return Target{};
    t.definition = &definitionOf(*t.instance);
    t.module = t.definition->moduleIndex(data.m_currentModule);
    if (t.module < 0 || t.module >= static_cast<int>(t.instance->m_modules.size()))
        return Target{};
    t.editor = &editorData(*t.definition).modules[data.m_currentModule.str()];
    return t;
}

bool isPlainName(const Tvl_String& name) {
    if (name.isEmpty() || !std::iswalpha(static_cast<wint_t>(name[0])))
        return false;
    for (int i = 1; i < name.length(); ++i) {
        const wchar_t c = name[i];
        if (!std::iswalnum(static_cast<wint_t>(c)) && c != L'_')
            return false;
    }
    return true;
}

namespace {

short defaultType(const ModuleDefinition& def, const MacroCell& cell) {
    if (def.equations.count(cell.m_name.str()))
        return 3; // calculated
    switch (cell.m_kind) {
    case MacroCell::kText:
    case MacroCell::kList:
    case MacroCell::kEditableList:
        return 7; // text
    case MacroCell::kCheck:
        return 6; // integer
    default:
        return cell.m_readOnly ? 2 : 0; // fixed, input
    }
}

double numberOf(const MacroCell& cell) {
    if (cell.m_kind == MacroCell::kCheck)
        return cell.isChecked() ? 1 : 0;
    double value = 0;
    return cell.numericValue(value) ? value : 0;
}

const wchar_t* flexibilityText(int index) {
    static const wchar_t* const kTexts[] = {L"Fixed", L"Flexible", L"Free"};
    return index >= 0 && index < 3 ? kTexts[index] : L"";
}

} // namespace

void fillVariables(const Target& t, EditConstrData& data) {
    data.clearVariables();
    const MacroTabData& tab = t.tab();
    const ModuleDefinition& def = t.moduleDefinition();
    for (const MacroCell& cell : tab.m_cells) {
        data.m_varNames.append(cell.m_name);
        data.m_varValues.append(numberOf(cell));
        auto type = t.editor->types.find(cell.m_name.str());
        data.m_varTypes.append(type != t.editor->types.end() ? type->second
                                                             : defaultType(def, cell));
    }
    for (const EditorDimension& dim : t.editor->dimensions) {
        const MacroCell* cell = tab.cellWithName(dim.cell);
        data.m_dimNames.append(dim.name);
        data.m_dimValues.append(cell ? cell->m_value : Tvl_String(L"?"));
    }
    // The author's order first, then the module's other equations by name.
    std::vector<std::wstring> order;
    for (const std::wstring& name : t.editor->equationOrder)
        if (def.equations.count(name))
            order.push_back(name);
    for (const auto& [name, expression] : def.equations)
        if (std::find(order.begin(), order.end(), name) == order.end())
            order.push_back(name);
    for (const std::wstring& name : order)
        data.m_equations.append(Tvl_String(name) + L" = " + def.equations.at(name).text());
}

void fillConstraints(const Target& t, EditConstrData& data) {
    data.clearConstraints();
    const MacroTabData& tab = t.tab();
    for (const EditorConstraint& c : t.editor->constraints) {
        Tvl_StringArray row;
        row.append(c.name);
        row.append(c.type);
        row.append(c.object1);
        row.append(c.object2);
        data.m_constrDescriptions.append(row);
        data.m_constrKinds.append(c.kind);
        data.m_constrPictures.append(c.pictures);
        data.m_constrProps.append(c.properties);
        // A constraint bound to a variable shows the variable's value.
        const MacroCell* bound = c.varName.isEmpty() ? nullptr : tab.cellWithName(c.varName);
        data.m_constrValues.append(bound ? bound->m_value : c.value);
        data.m_constrNames.append(c.varName);
        data.m_constrChoice.append(c.choice);
        data.m_constrChoices.append(c.choices);
        data.m_constrOption1.append(c.option1 ? 1 : 0);
        data.m_constrOption2.append(c.option2 ? 1 : 0);
        data.m_constrRadios.append(c.radios);
        data.m_constrIds.append(c.id);
    }
    if (data.constraintIndex(data.m_currentConstrId) < 0)
        data.m_currentConstrId = data.m_constrIds.isEmpty() ? -1 : data.m_constrIds[0];
}

void fillGeometries(const Target& t, EditConstrData& data) {
    data.clearGeometries();
    for (const EditorGeometry& g : t.editor->geometries) {
        Tvl_StringArray texts;
        texts.append(g.name);
        texts.append(g.type);
        texts.append(flexibilityText(g.flexibility));
        data.m_geomDescriptions.append(texts);
        data.m_geomFlexibility.append(g.flexibility);
        data.m_geomFixed.append(g.fixed);
        data.m_geomIds.append(g.id);
        data.m_geomFlexValues.append(g.flexValue);
    }
}

void fillAll(const Target& t, EditConstrData& data) {
    data.m_macroId = t.instance->m_id;
    data.m_name = t.instance->m_name;
    data.m_modules.clear();
    for (const MacroTabData& tab : t.instance->m_modules)
        data.m_modules.append(tab.m_module);
    fillVariables(t, data);
    fillConstraints(t, data);
    fillGeometries(t, data);
}

DefinitionBackup::DefinitionBackup(MacroDefinition& definition)
    : m_definition(definition), m_modules(definition.m_modules), m_editor(editorData(definition)) {
    for (MacroInstance* instance : instancesOf(definition))
        m_instances.push_back({instance, instance->m_modules, instance->m_blocks});
}

void DefinitionBackup::restore() {
    m_definition.m_modules = m_modules;
    *m_definition.m_editor = m_editor;
    m_definition.m_plans.clear();
    for (InstanceState& state : m_instances) {
        state.instance->m_modules = state.modules;
        state.instance->m_blocks = state.blocks;
    }
}

bool evaluateAll(MacroDefinition& definition, DefinitionBackup& backup) {
    definition.m_plans.clear();
    for (MacroInstance* instance : instancesOf(definition)) {
        Tvl_String error;
        if (!evaluateInstance(*instance, error)) {
            backup.restore();
            corePrint(L"Refused: " + instance->title() + L", " + error + L".\n");
            return false;
        }
    }
    return true;
}

void printValueChanges(const MacroInstance& instance, const std::vector<MacroTabData>& before) {
    for (const MacroTabData& now : instance.m_modules) {
        const MacroTabData* old = nullptr;
        for (const MacroTabData& tab : before)
            if (tab.m_module == now.m_module)
                old = &tab;
        if (!old)
            continue;
        for (const MacroCell& cell : now.m_cells) {
            const MacroCell* was = old->cellWithName(cell.m_name);
            if (was && was->m_value != cell.m_value)
                corePrint(instance.m_name + L" " + now.m_module + L"." + cell.m_name + L": " +
                          was->m_value + L" -> " + cell.m_value + L"\n");
        }
    }
}

} // namespace model::edit

bool fillEditRecord(const AcDbObjectId& macroId, const Tvl_String& module, EditConstrData& data) {
    model::MacroInstance* instance = model::sampleModel().instance(macroId);
    if (!instance || instance->m_modules.empty())
        return false;
    EditConstrData filled = data;
    filled.m_macroId = macroId;
    filled.m_currentModule = module;
    if (!instance->module(module))
        filled.m_currentModule = instance->m_modules.front().m_module;
    const model::edit::Target t = model::edit::target(filled);
    if (!t)
        return false;
    model::edit::fillAll(t, filled);
    data = filled;
    return true;
}
