// Evaluation of one macro: input checks, equations in dependency order, rules.

#include "core/model/BoltLibrary.h"
#include "core/model/SampleModel.h"

#include <cmath>
#include <map>

namespace model {

Tvl_String formatModelNumber(double value) {
    if (std::fabs(value) < 0.005)
        value = 0; // no "-0"
    Tvl_String text(value, 2);
    if (text.find(L'.') >= 0) {
        while (text.endsWith(L"0"))
            text.removeAt(text.length() - 1);
        if (text.endsWith(L"."))
            text.removeAt(text.length() - 1);
    }
    return text;
}

namespace {

struct Computed {
    int module = 0;
    Tvl_String cell;
    Expression expression;
    std::vector<std::wstring> dependencies; // keys "Module.Cell"
};

std::wstring keyOf(const Tvl_String& module, const Tvl_String& cell) {
    return module.str() + L"." + cell.str();
}

// The key of the cell that `name` means in `module`, empty when it is no cell.
std::wstring resolveCell(const MacroInstance& instance, const Tvl_String& module,
                         const std::wstring& name) {
    const size_t dot = name.find(L'.');
    if (dot != std::wstring::npos) {
        const MacroTabData* tab = instance.module(Tvl_String(name.substr(0, dot)));
        return tab && tab->cellWithName(Tvl_String(name.substr(dot + 1))) ? name : std::wstring();
    }
    if (const MacroTabData* own = instance.module(module);
        own && own->cellWithName(Tvl_String(name)))
        return keyOf(module, Tvl_String(name));
    for (const MacroTabData& tab : instance.m_modules)
        if (tab.cellWithName(Tvl_String(name)))
            return keyOf(tab.m_module, Tvl_String(name));
    return std::wstring();
}

bool checkInputs(MacroTabData& tab, const std::map<std::wstring, Computed>& computed,
                 Tvl_String& error) {
    const Tvl_String where = tab.m_caption + L": ";
    for (MacroCell& cell : tab.m_cells) {
        if (computed.count(keyOf(tab.m_module, cell.m_name)))
            continue;
        const Tvl_String value = cell.m_value.trimmed();
        switch (cell.m_kind) {
        case MacroCell::kNumber: {
            double number = 0;
            if (!value.toDouble(number) || !std::isfinite(number)) {
                error = where + L"\"" + cell.m_value + L"\" is not a number (" + cell.m_name + L")";
                return false;
            }
            cell.m_value = formatModelNumber(number);
            break;
        }
        case MacroCell::kList:
            if (!cell.m_list.contains(value)) {
                error = where + L"\"" + cell.m_value + L"\" is not one of the choices of " +
                        cell.m_name;
                return false;
            }
            cell.m_value = value;
            break;
        case MacroCell::kCheck:
            if (value != L"0" && value != L"1") {
                error = where + cell.m_name + L" must be 0 or 1";
                return false;
            }
            cell.m_value = value;
            break;
        default:
            break;
        }
    }
    for (MacroPatternProps& pattern : tab.m_patterns) {
        if (pattern.getCount(1) < 0 ||
            (!pattern.m_count2.trimmed().isEmpty() && pattern.getCount(2) < 0)) {
            error = where + L"the bolt counts of " + pattern.m_name + L" must be whole numbers";
            return false;
        }
        pattern.m_count1 = Tvl_String(pattern.getCount(1));
        if (!pattern.m_count2.trimmed().isEmpty())
            pattern.m_count2 = Tvl_String(pattern.getCount(2));
    }
    if (tab.isBoltTab()) {
        Tvl_StringArray diameters;
        if (!BoltLibrary::instance().diameters(tab.m_bolt.m_assembly, diameters)) {
            error = where + L"there is no bolt assembly \"" + tab.m_bolt.m_assembly + L"\"";
            return false;
        }
        if (!diameters.contains(tab.m_bolt.m_diameter)) {
            error = where + L"the assembly " + tab.m_bolt.m_assembly + L" has no diameter \"" +
                    tab.m_bolt.m_diameter + L"\"";
            return false;
        }
    }
    for (DynArrayData& array : tab.m_arrays) {
        const int count = array.getCount();
        if (count < 0 || count > 100) {
            error =
                where + L"the count of " + array.m_name + L" must be a whole number from 0 to 100";
            return false;
        }
        array.m_count = Tvl_String(count);
        while (array.m_entries.length() < count)
            array.m_entries.append(array.m_name + L" " + Tvl_String(array.m_entries.length() + 1));
        array.m_entries.setLogicalLength(count);
        array.m_entryActions.setLogicalLength(count);
    }
    for (const MacroCutData& cut : tab.m_cuts) {
        if (cut.m_value < 0 || cut.m_value >= MacroCutData::kKindCount) {
            error = where + L"the cut " + cut.m_name + L" has no kind " + Tvl_String(cut.m_value);
            return false;
        }
    }
    return true;
}

// The equation of a flexible-fix group's flexible member: member 0 is the base plus
// the sum of the others.
Tvl_String flexEquation(const MacroFlexFixGroup& group, int flexible) {
    const Tvl_String base = group.m_base.isEmpty() ? Tvl_String(L"0") : group.m_base;
    Tvl_String text;
    if (flexible == 0) {
        text = base;
        for (int i = 1; i < group.m_names.length(); ++i)
            text += L" + " + group.m_names[i];
        return text;
    }
    text = group.m_names[0] + L" - " + base;
    for (int i = 1; i < group.m_names.length(); ++i)
        if (i != flexible)
            text += L" - " + group.m_names[i];
    return text;
}

} // namespace

bool evaluateInstance(MacroInstance& instance, Tvl_String& error) {
    error.clear();
    const MacroDefinition* def = instance.m_definition;
    if (!def)
        return true;

    // The computed cells: the definition's equations, with each flexible-fix group's
    // flexible member computed from the others instead.
    std::map<std::wstring, Computed> computed;
    for (size_t m = 0; m < def->m_modules.size() && m < instance.m_modules.size(); ++m) {
        const ModuleDefinition& moduleDef = def->m_modules[m];
        MacroTabData& tab = instance.m_modules[m];
        for (const auto& [cell, expression] : moduleDef.equations)
            computed[keyOf(tab.m_module, Tvl_String(cell))] =
                Computed{static_cast<int>(m), Tvl_String(cell), expression, {}};
        for (const MacroFlexFixGroup& group : tab.m_flexGroups) {
            const int flexible = group.flexibleIndex();
            int ones = 0;
            for (int status : group.m_status)
                ones += status == 1;
            if (ones != 1 || group.m_names.length() != group.m_status.length()) {
                error = tab.m_caption + L": the group " + group.m_group +
                        L" needs exactly one flexible member";
                return false;
            }
            for (int i = 0; i < group.m_names.length(); ++i) {
                computed.erase(keyOf(tab.m_module, group.m_names[i]));
                if (MacroCell* cell = tab.cellWithName(group.m_names[i]))
                    cell->m_readOnly = i == flexible;
            }
            Expression expression;
            Tvl_String parseError;
            if (expression.parse(flexEquation(group, flexible), parseError))
                computed[keyOf(tab.m_module, group.m_names[flexible])] =
                    Computed{static_cast<int>(m), group.m_names[flexible], expression, {}};
        }
    }

    for (MacroTabData& tab : instance.m_modules)
        if (!checkInputs(tab, computed, error))
            return false;

    // Dependency order (Kahn): a computed cell comes after every computed cell it reads.
    std::map<std::wstring, int> waiting;
    std::map<std::wstring, std::vector<std::wstring>> readers;
    for (auto& [key, item] : computed) {
        const Tvl_String module = instance.m_modules[static_cast<size_t>(item.module)].m_module;
        int count = 0;
        for (const std::wstring& name : item.expression.names()) {
            const std::wstring dep = resolveCell(instance, module, name);
            if (!dep.empty() && computed.count(dep) && dep != key) {
                item.dependencies.push_back(dep);
                readers[dep].push_back(key);
                ++count;
            } else if (dep == key) {
                error = L"the equation of " + item.cell + L" reads its own value";
                return false;
            }
        }
        waiting[key] = count;
    }
    std::vector<std::wstring> ready;
    for (const auto& [key, count] : waiting)
        if (count == 0)
            ready.push_back(key);
    size_t done = 0;
    while (!ready.empty()) {
        const std::wstring key = ready.back();
        ready.pop_back();
        ++done;
        const Computed& item = computed[key];
        MacroTabData& tab = instance.m_modules[static_cast<size_t>(item.module)];
        const Tvl_String module = tab.m_module;
        double value = 0;
        Tvl_String evalError;
        const auto lookup = [&](const std::wstring& name, double& v) {
            return instance.lookup(module, name, v);
        };
        if (!item.expression.evaluate(lookup, value, evalError)) {
            error = tab.m_caption + L": " + item.cell + L" cannot be computed (" + evalError + L")";
            return false;
        }
        if (MacroCell* cell = tab.cellWithName(item.cell)) {
            cell->m_value = formatModelNumber(value);
            cell->m_readOnly = true;
        }
        for (const std::wstring& reader : readers[key])
            if (--waiting[reader] == 0)
                ready.push_back(reader);
    }
    if (done != computed.size()) {
        error = L"the equations of " + def->m_kind + L" depend on each other in a circle";
        return false;
    }

    for (size_t m = 0; m < def->m_modules.size() && m < instance.m_modules.size(); ++m) {
        const Tvl_String module = instance.m_modules[m].m_module;
        for (const Rule& rule : def->m_modules[m].rules) {
            double value = 0;
            Tvl_String evalError;
            const auto lookup = [&](const std::wstring& name, double& v) {
                return instance.lookup(module, name, v);
            };
            if (!rule.condition.evaluate(lookup, value, evalError) || value == 0) {
                error = instance.m_modules[m].m_caption + L": " + rule.message;
                return false;
            }
        }
    }
    return true;
}

} // namespace model
