// The macro editor's call-backs for modules, editing commands, variables and equations.

#include "core/CorePrint.h"
#include "core/macroedit/MacroEditCallBacks.h"
#include "core/macroedit/MacroEditModel.h"

#if TVL_HOST_AVAILABLE
#include "platform/host/AcEd.h"
#endif

#include <set>

using namespace model;
using namespace model::edit;

bool MacroGetModules(EditConstrData* data, Tvl_StringArray& names) {
    MacroInstance* instance = data ? sampleModel().instance(data->m_macroId) : nullptr;
    if (!instance)
        return false;
    names.clear();
    for (const MacroTabData& tab : instance->m_modules)
        names.append(tab.m_module);
    return true;
}

bool SetCurrentModule(EditConstrData* data, const Tvl_String& name) {
    if (!data)
        return false;
    EditConstrData moved = *data;
    moved.m_currentModule = name;
    const Target t = target(moved);
    if (!t)
        return false;
    fillAll(t, moved);
    *data = moved;
    return true;
}

namespace {

// "Old." becomes "New." where it starts a name in `text`.
Tvl_String renameReferences(const Tvl_String& text, const Tvl_String& oldName,
                            const Tvl_String& newName) {
    const std::wstring from = oldName.str() + L".";
    std::wstring s = text.str();
    for (size_t at = s.find(from); at != std::wstring::npos; at = s.find(from, at)) {
        const bool starts =
            at == 0 || !(std::iswalnum(s[at - 1]) || s[at - 1] == L'_' || s[at - 1] == L'.');
        if (starts) {
            s.replace(at, from.size(), newName.str() + L".");
            at += newName.length() + 1;
        } else {
            at += from.size();
        }
    }
    return Tvl_String(s);
}

} // namespace

bool RenameModule(EditConstrData* data, const Tvl_String& newName) {
    const Target t = data ? target(*data) : Target{};
    if (!t)
        return false;
    const Tvl_String oldName = data->m_currentModule;
    if (newName == oldName)
        return false;
    if (!isPlainName(newName)) {
        corePrint(L"*Error* \"" + newName + L"\" is not a module name.\n");
        return false;
    }
    if (t.definition->moduleIndex(newName) >= 0) {
        corePrint(L"*Error* The macro has a module " + newName + L" already.\n");
        return false;
    }
    MacroDefinition& def = *t.definition;
    DefinitionBackup backup(def);
    for (ModuleDefinition& module : def.m_modules) {
        if (module.tab.m_module == oldName)
            module.tab.m_module = newName;
        for (auto& [cell, expression] : module.equations) {
            Tvl_String error;
            expression.parse(renameReferences(expression.text(), oldName, newName), error);
        }
        for (Rule& rule : module.rules) {
            Tvl_String error;
            rule.condition.parse(renameReferences(rule.condition.text(), oldName, newName), error);
        }
    }
    for (MacroInstance* instance : instancesOf(def))
        if (MacroTabData* tab = instance->module(oldName))
            tab->m_module = newName;
    EditorData& editor = editorData(def);
    auto entry = editor.modules.extract(oldName.str());
    if (!entry.empty()) {
        entry.key() = newName.str();
        editor.modules.insert(std::move(entry));
    }
    if (!evaluateAll(def, backup))
        return false;
    corePrint(t.instance->title() + L": module " + oldName + L" renamed to " + newName + L".\n");
    data->m_currentModule = newName;
    fillAll(target(*data), *data);
    return true;
}

bool RemoveModule(EditConstrData* data, const Tvl_String& name) {
    MacroInstance* instance = data ? sampleModel().instance(data->m_macroId) : nullptr;
    if (!instance)
        return false;
    MacroDefinition& def = definitionOf(*instance);
    const int index = def.moduleIndex(name);
    if (index < 0)
        return false;
    if (def.m_modules.size() <= 1) {
        corePrint(L"*Error* A macro keeps at least one module.\n");
        return false;
    }
    DefinitionBackup backup(def);
    def.m_modules.erase(def.m_modules.begin() + index);
    for (MacroInstance* other : instancesOf(def)) {
        if (index < static_cast<int>(other->m_modules.size()))
            other->m_modules.erase(other->m_modules.begin() + index);
        if (index < static_cast<int>(other->m_blocks.size()))
            other->m_blocks.erase(other->m_blocks.begin() + index);
    }
    editorData(def).modules.erase(name.str());
    if (!evaluateAll(def, backup))
        return false;
    corePrint(instance->title() + L": module " + name + L" removed.\n");
    if (data->m_currentModule == name)
        data->m_currentModule = instance->m_modules.front().m_module;
    fillAll(target(*data), *data);
    return true;
}

bool SelectOtherMacro(EditConstrData* data) {
#if TVL_HOST_AVAILABLE
    if (!data)
        return false;
    AcArray<AcDbObjectId> picked;
    if (acedSSGetIds(L"\nSelect a macro: ", picked) != RTNORM)
        return false;
    for (const AcDbObjectId& id : picked) {
        if (!sampleModel().instance(id))
            continue;
        if (!fillEditRecord(id, Tvl_String(), *data))
            return false;
        corePrint(L"Macro editor: " + sampleModel().instance(id)->title() + L".\n");
        return true;
    }
    corePrint(L"Nothing selected is a macro.\n");
#else
    (void)data;
#endif
    return false;
}

// ---- Commands ----------------------------------------------------------------------------

namespace {

const wchar_t* const kConstraintKinds[10] = {
    L"Parallel",   L"Perpendicular", L"Coincident", L"Symmetric", L"Tangent",
    L"Concentric", L"Equal radius",  L"Distance",   L"Angle",     L"Radius"};

Tvl_String objectName(const AcDbObjectId& id) {
    if (const MacroInstance* instance = sampleModel().instance(id))
        return instance->m_name;
    for (const PlainObject& object : sampleModel().plainObjects())
        if (object.id == id)
            return object.name;
    return L"Object " + Tvl_String(static_cast<int>(id.asOldId()));
}

bool addConstraint(const Target& t, int code, EditConstrData& data) {
#if TVL_HOST_AVAILABLE
    AcArray<AcDbObjectId> picked;
    if (acedSSGetIds(L"\nSelect the objects of the constraint: ", picked) != RTNORM ||
        picked.isEmpty())
        return false;
    EditorData& editor = editorData(*t.definition);
    EditorConstraint c;
    c.id = editor.nextConstraintId++;
    c.type = kConstraintKinds[code];
    c.name = c.type + L" " + Tvl_String(static_cast<int>(c.id));
    c.object1 = objectName(picked[0]);
    c.object2 = picked.length() > 1 ? objectName(picked[1]) : Tvl_String();
    if (code >= 7) { // distance, angle, radius: a value
        c.properties.append(EditConstrData::kPropValue);
        c.value = code == 8 ? L"90" : L"0";
    } else {
        c.properties.append(EditConstrData::kPropOptions);
    }
    t.editor->constraints.push_back(c);
    corePrint(L"Constraint " + c.name + L" added: " + c.object1 +
              (c.object2.isEmpty() ? Tvl_String() : L", " + c.object2) + L".\n");
    data.m_currentConstrId = c.id;
    fillConstraints(t, data);
    return true;
#else
    (void)t, (void)code, (void)data;
    return false;
#endif
}

Tvl_String unusedName(const Tvl_String& stem, const std::function<bool(const Tvl_String&)>& used) {
    for (int n = 1;; ++n) {
        const Tvl_String name = stem + Tvl_String(n);
        if (!used(name))
            return name;
    }
}

bool addModule(const Target& t, EditConstrData& data) {
    MacroDefinition& def = *t.definition;
    const Tvl_String name =
        unusedName(L"Module", [&](const Tvl_String& n) { return def.moduleIndex(n) >= 0; });
    DefinitionBackup backup(def);
    ModuleDefinition module;
    module.tab.m_kind = MacroTabData::kGeneral;
    module.tab.m_module = name;
    module.tab.m_caption = name;
    def.m_modules.push_back(module);
    for (MacroInstance* instance : instancesOf(def)) {
        instance->m_modules.push_back(module.tab);
        instance->m_blocks.push_back(Tvl_String());
    }
    if (!evaluateAll(def, backup))
        return false;
    corePrint(t.instance->title() + L": module " + name + L" added.\n");
    MacroGetModules(&data, data.m_modules);
    return true;
}

bool addPattern(const Target& t) {
    MacroDefinition& def = *t.definition;
    const Tvl_String module = t.tab().m_module;
    const Tvl_String name = unusedName(L"Pattern", [&](const Tvl_String& n) {
        int index = -1;
        return t.moduleDefinition().tab.findPatternWithName(n, index);
    });
    DefinitionBackup backup(def);
    MacroPatternProps pattern(name, L"2", L"2");
    t.moduleDefinition().tab.m_patterns.append(pattern);
    for (MacroInstance* instance : instancesOf(def))
        if (MacroTabData* tab = instance->module(module))
            tab->m_patterns.append(pattern);
    if (!evaluateAll(def, backup))
        return false;
    corePrint(t.instance->title() + L": bolt pattern " + name + L" (2 x 2) added to " + module +
              L".\n");
    return true;
}

bool placeCoordinateSystem(const Target& t) {
#if TVL_HOST_AVAILABLE
    ads_point point = {0, 0, 0};
    if (acedGetPoint(nullptr, L"\nOrigin of the coordinate system: ", point) != RTNORM)
        return false;
    corePrint(t.instance->title() + L": coordinate system at " + formatModelNumber(point[0]) +
              L", " + formatModelNumber(point[1]) + L", " + formatModelNumber(point[2]) + L".\n");
    return true;
#else
    (void)t;
    return false;
#endif
}

} // namespace

bool StartMacroCommand(EditConstrData* data, int code) {
    const Target t = data ? target(*data) : Target{};
    if (!t || code < 0 || code >= kMacroCommandCount)
        return false;
    switch (code) {
    case 10: {
        DefinitionBackup backup(*t.definition);
        if (!evaluateAll(*t.definition, backup))
            return false;
        corePrint(t.instance->title() + L": the constraints are solved.\n");
        fillAll(t, *data);
        return true;
    }
    case 11:
        return addModule(t, *data);
    case 12:
        return addPattern(t);
    case 13:
        return placeCoordinateSystem(t);
    default:
        return addConstraint(t, code, *data);
    }
}

bool ZoomCommand() {
    corePrint(L"Zoom to the macro.\n");
#if TVL_HOST_AVAILABLE
    acedUpdateDisplay();
#endif
    return true;
}

// ---- Variables and equations ---------------------------------------------------------------

namespace {

// The position of the "=" that assigns in an equation line ("A = b <= c" has it at 2);
// -1 when there is none.
int assignmentAt(const Tvl_String& line) {
    for (int i = 0; i < line.length(); ++i) {
        if (line[i] != L'=')
            continue;
        const wchar_t before = i > 0 ? line[i - 1] : L' ';
        const wchar_t after = i + 1 < line.length() ? line[i + 1] : L' ';
        if (after == L'=' || before == L'<' || before == L'>' || before == L'!' || before == L'=')
            continue;
        return i;
    }
    return -1;
}

struct ParsedEquations {
    std::map<std::wstring, Expression> equations;
    std::vector<std::wstring> order;
};

bool parseEquations(const Tvl_StringArray& lines, const std::set<std::wstring>& variables,
                    ParsedEquations& out) {
    for (int i = 0; i < lines.length(); ++i) {
        Tvl_String line = lines[i];
        line.replaceChar(L'\r', L' ');
        line = line.trimmed();
        if (line.isEmpty())
            continue;
        const Tvl_String where = L"*Error* Equation line " + Tvl_String(i + 1) + L": ";
        const int at = assignmentAt(line);
        if (at < 0) {
            corePrint(where + L"\"" + line + L"\" assigns nothing (Name = expression).\n");
            return false;
        }
        const Tvl_String name = line.left(at).trimmed();
        if (!variables.count(name.str())) {
            corePrint(where + L"there is no variable \"" + name + L"\".\n");
            return false;
        }
        if (out.equations.count(name.str())) {
            corePrint(where + name + L" has an equation already.\n");
            return false;
        }
        Expression expression;
        Tvl_String error;
        if (!expression.parse(line.mid(at + 1).trimmed(), error)) {
            corePrint(where + error + L".\n");
            return false;
        }
        out.equations[name.str()] = expression;
        out.order.push_back(name.str());
    }
    return true;
}

bool sameEquations(const std::map<std::wstring, Expression>& a,
                   const std::map<std::wstring, Expression>& b) {
    if (a.size() != b.size())
        return false;
    for (const auto& [name, expression] : a) {
        auto other = b.find(name);
        if (other == b.end() || other->second.text() != expression.text())
            return false;
    }
    return true;
}

} // namespace

bool UpdateVarsEqs(EditConstrData* data) {
    const Target t = data ? target(*data) : Target{};
    if (!t)
        return false;
    const int count = data->m_varNames.length();
    if (data->m_varValues.length() != count || data->m_varTypes.length() != count) {
        corePrint(L"*Error* Array size mismatch.\n");
        return false;
    }
    std::set<std::wstring> names;
    for (int i = 0; i < count; ++i) {
        const Tvl_String& name = data->m_varNames[i];
        if (!isPlainName(name)) {
            corePrint(L"*Error* \"" + name + L"\" is not a variable name.\n");
            return false;
        }
        if (!names.insert(name.str()).second) {
            corePrint(L"*Error* The variable " + name + L" is there twice.\n");
            return false;
        }
    }
    ParsedEquations parsed;
    if (!parseEquations(data->m_equations, names, parsed))
        return false;

    MacroDefinition& def = *t.definition;
    ModuleDefinition& module = t.moduleDefinition();
    const std::vector<MacroTabData> before = t.instance->m_modules;
    const bool equationsChanged = !sameEquations(module.equations, parsed.equations);
    DefinitionBackup backup(def);

    // The cells in the record's order: kept where they exist, new ones added.
    const auto rebuild = [&](MacroTabData& tab, bool own) {
        Tvl_Array<MacroCell> cells;
        for (int i = 0; i < count; ++i) {
            const Tvl_String& name = data->m_varNames[i];
            const MacroCell* old = tab.cellWithName(name);
            MacroCell cell =
                old ? *old
                    : MacroCell(data->m_varTypes[i] == 7 ? MacroCell::kText : MacroCell::kNumber,
                                name, Tvl_String());
            const bool number = cell.m_kind == MacroCell::kNumber;
            if (!old && number)
                cell.m_value = Tvl_String(data->m_varValues[i], 15).trimmed();
            if (own && old && number && !cell.m_readOnly) {
                double current = 0;
                if (!cell.numericValue(current) || current != data->m_varValues[i])
                    cell.m_value = formatModelNumber(data->m_varValues[i]);
            }
            if (module.equations.count(name.str()) && !parsed.equations.count(name.str()))
                cell.m_readOnly = false; // no longer computed
            if (parsed.equations.count(name.str()))
                cell.m_readOnly = true;
            cells.append(cell);
        }
        tab.m_cells = cells;
    };
    rebuild(module.tab, false);
    for (MacroInstance* instance : instancesOf(def))
        if (MacroTabData* tab = instance->module(data->m_currentModule))
            rebuild(*tab, instance == t.instance);
    module.equations = parsed.equations;
    t.editor->equationOrder = parsed.order;
    t.editor->types.clear();
    for (int i = 0; i < count; ++i)
        t.editor->types[data->m_varNames[i].str()] = data->m_varTypes[i];
    if (!evaluateAll(def, backup))
        return false;
    printValueChanges(*t.instance, before);
    if (equationsChanged)
        corePrint(t.instance->title() + L": the equations of " + data->m_currentModule +
                  L" were changed (" + Tvl_String(static_cast<int>(parsed.order.size())) + L").\n");
    fillAll(target(*data), *data);
    return true;
}
