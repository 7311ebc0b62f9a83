// Evaluation of one macro: input checks, equations in dependency order, rules.
//
// Cells are addressed by (module, cell) indices found once per evaluation through hash
// maps, and numbers are parsed once, so that a macro of a thousand cells evaluates in a
// fraction of a millisecond.

#include "core/model/BoltLibrary.h"
#include "core/model/SampleModel.h"

#include <cmath>
#include <deque>
#include <unordered_map>

namespace model {

Tvl_String formatModelNumber(double value) {
    // Whole hundredths, written without printf: a thousand cells are written per update.
    const double hundredths = std::round(value * 100.0);
    if (!std::isfinite(hundredths) || std::fabs(hundredths) >= 9e15)
        return Tvl_String(value, 2);
    long long n = static_cast<long long>(hundredths);
    if (n == 0)
        return Tvl_String(L"0"); // no "-0"
    const bool negative = n < 0;
    unsigned long long u =
        negative ? static_cast<unsigned long long>(-n) : static_cast<unsigned long long>(n);
    wchar_t buffer[32];
    wchar_t* end = buffer + 32;
    wchar_t* p = end;
    const unsigned fraction = static_cast<unsigned>(u % 100);
    u /= 100;
    if (fraction != 0) {
        if (fraction % 10 != 0)
            *--p = static_cast<wchar_t>(L'0' + fraction % 10);
        *--p = static_cast<wchar_t>(L'0' + fraction / 10);
        *--p = L'.';
    }
    do {
        *--p = static_cast<wchar_t>(L'0' + u % 10);
        u /= 10;
    } while (u != 0);
    if (negative)
        *--p = L'-';
    return Tvl_String(std::wstring_view(p, static_cast<size_t>(end - p)));
}

// The parts of an evaluation, named apart so that they stay out of the model's names.
namespace evaluation {

struct Slot {
    int module = -1;
    int cell = -1;
    bool valid() const { return module >= 0; }
    long long key() const { return static_cast<long long>(module) * 1000000 + cell; }
};

// Where each cell of an instance is, by module and name (used to make a plan).
class Cells {
public:
    explicit Cells(MacroInstance& instance) : m_instance(instance) {
        m_cells.resize(instance.m_modules.size());
        for (size_t m = 0; m < instance.m_modules.size(); ++m) {
            const MacroTabData& tab = instance.m_modules[m];
            m_modules[tab.m_module.str()] = static_cast<int>(m);
            for (int c = 0; c < tab.m_cells.length(); ++c)
                m_cells[m].emplace(tab.m_cells[c].m_name.str(), c);
        }
    }

    MacroCell& cell(Slot slot) { return m_instance.m_modules[slot.module].m_cells[slot.cell]; }

    // The cell `name` means in `module`: "Module.Cell", or a cell of its own module,
    // or else of the first module that has one of that name.
    Slot resolve(int module, const std::wstring& name) const {
        const size_t dot = name.find(L'.');
        if (dot != std::wstring::npos) {
            auto m = m_modules.find(name.substr(0, dot));
            if (m == m_modules.end())
                return {};
            return find(m->second, name.substr(dot + 1));
        }
        if (Slot own = find(module, name); own.valid())
            return own;
        for (int m = 0; m < static_cast<int>(m_cells.size()); ++m)
            if (Slot other = find(m, name); other.valid())
                return other;
        return {};
    }

private:
    Slot find(int module, const std::wstring& name) const {
        if (module < 0 || module >= static_cast<int>(m_cells.size()))
            return {};
        auto it = m_cells[static_cast<size_t>(module)].find(name);
        return it == m_cells[static_cast<size_t>(module)].end() ? Slot{} : Slot{module, it->second};
    }

    MacroInstance& m_instance;
    std::unordered_map<std::wstring, int> m_modules;
    std::vector<std::unordered_map<std::wstring, int>> m_cells;
};

// The cells' values as numbers, each read from its text once.
class Values {
public:
    explicit Values(const MacroInstance& instance) {
        m_numbers.resize(instance.m_modules.size());
        m_known.resize(instance.m_modules.size());
        for (size_t m = 0; m < instance.m_modules.size(); ++m) {
            m_numbers[m].assign(static_cast<size_t>(instance.m_modules[m].m_cells.length()), 0.0);
            m_known[m].assign(static_cast<size_t>(instance.m_modules[m].m_cells.length()), 0);
        }
    }
    static MacroCell& cell(MacroInstance& instance, Slot slot) {
        return instance.m_modules[static_cast<size_t>(slot.module)].m_cells[slot.cell];
    }
    void set(Slot slot, double value) {
        m_numbers[static_cast<size_t>(slot.module)][static_cast<size_t>(slot.cell)] = value;
        m_known[static_cast<size_t>(slot.module)][static_cast<size_t>(slot.cell)] = 1;
    }
    // A cell's number (a check box is 0 or 1); false for a text that is none.
    bool get(MacroInstance& instance, Slot slot, double& value) {
        const size_t m = static_cast<size_t>(slot.module), c = static_cast<size_t>(slot.cell);
        if (!m_known[m][c]) {
            const MacroCell& source = cell(instance, slot);
            double v = 0;
            if (source.m_kind == MacroCell::kCheck)
                v = source.isChecked() ? 1 : 0;
            else if (!source.numericValue(v))
                return false;
            set(slot, v);
        }
        value = m_numbers[m][c];
        return true;
    }

private:
    std::vector<std::vector<double>> m_numbers;
    std::vector<std::vector<char>> m_known;
};

struct Binding {
    std::wstring name;
    Slot slot; // invalid: a name the instance answers itself (bolt_d, counts)
};
struct PlanItem {
    Slot slot;
    const Expression* expression = nullptr;
    std::vector<Binding> bindings;
};
struct PlanRule {
    int module = 0;
    const Rule* rule = nullptr;
    std::vector<Binding> bindings;
};

} // namespace evaluation

using namespace evaluation;

namespace {

bool checkInputs(MacroTabData& tab, int module, const std::vector<char>& computed, Values& values,
                 Tvl_String& error) {
    const Tvl_String where = tab.m_caption + L": ";
    for (int c = 0; c < tab.m_cells.length(); ++c) {
        MacroCell& cell = tab.m_cells[c];
        if (c < static_cast<int>(computed.size()) && computed[static_cast<size_t>(c)])
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
            values.set({module, c}, number);
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

// What an evaluation does, made once per definition and choice of flexible members:
// the computed cells in dependency order, each with the cells its names stand for.
struct EvaluationPlan {
    std::vector<PlanItem> order;
    std::vector<std::vector<char>> computed; // per module and cell
    std::deque<Expression> flexEquations;    // the flexible members' equations
    std::vector<PlanRule> rules;
    Tvl_String error; // why no order exists (a cell reads itself, a circle)
};

namespace {

std::vector<Binding> bind(const Cells& cells, int module, const Expression& expression) {
    std::vector<Binding> bindings;
    for (const std::wstring& name : expression.names())
        bindings.push_back({name, cells.resolve(module, name)});
    return bindings;
}

std::shared_ptr<const EvaluationPlan> makePlan(MacroInstance& instance) {
    const MacroDefinition& def = *instance.m_definition;
    auto plan = std::make_shared<EvaluationPlan>();
    Cells cells(instance);
    const size_t modules = std::min(def.m_modules.size(), instance.m_modules.size());
    plan->computed.resize(instance.m_modules.size());
    for (size_t m = 0; m < instance.m_modules.size(); ++m)
        plan->computed[m].assign(static_cast<size_t>(instance.m_modules[m].m_cells.length()), 0);

    struct Node {
        PlanItem item;
        std::vector<long long> readers;
        int waiting = 0;
    };
    std::unordered_map<long long, Node> nodes;
    for (size_t m = 0; m < modules; ++m) {
        const int module = static_cast<int>(m);
        for (const auto& [name, expression] : def.m_modules[m].equations) {
            const Slot slot = cells.resolve(module, name);
            if (slot.valid() && slot.module == module)
                nodes[slot.key()].item = PlanItem{slot, &expression, {}};
        }
        for (const MacroFlexFixGroup& group : instance.m_modules[m].m_flexGroups) {
            const int flexible = group.flexibleIndex();
            for (const Tvl_String& member : group.m_names)
                if (const Slot slot = cells.resolve(module, member.str()); slot.valid())
                    nodes.erase(slot.key());
            Expression expression;
            Tvl_String parseError;
            const Slot target = cells.resolve(module, group.m_names[flexible].str());
            if (target.valid() && expression.parse(flexEquation(group, flexible), parseError)) {
                plan->flexEquations.push_back(expression);
                nodes[target.key()].item = PlanItem{target, &plan->flexEquations.back(), {}};
            }
        }
    }
    for (auto& [key, node] : nodes) {
        plan->computed[static_cast<size_t>(node.item.slot.module)]
                      [static_cast<size_t>(node.item.slot.cell)] = 1;
        node.item.bindings = bind(cells, node.item.slot.module, *node.item.expression);
        for (const Binding& binding : node.item.bindings) {
            if (!binding.slot.valid())
                continue;
            if (binding.slot.key() == key) {
                plan->error = L"the equation of " + cells.cell(node.item.slot).m_name +
                              L" reads its own value";
                return plan;
            }
            auto it = nodes.find(binding.slot.key());
            if (it != nodes.end()) {
                it->second.readers.push_back(key);
                ++node.waiting;
            }
        }
    }
    // Kahn's order: a computed cell after every computed cell it reads.
    std::vector<long long> ready;
    for (const auto& [key, node] : nodes)
        if (node.waiting == 0)
            ready.push_back(key);
    while (!ready.empty()) {
        Node& node = nodes[ready.back()];
        ready.pop_back();
        plan->order.push_back(node.item);
        for (long long reader : node.readers)
            if (--nodes[reader].waiting == 0)
                ready.push_back(reader);
    }
    if (plan->order.size() != nodes.size())
        plan->error = L"the equations of " + def.m_kind + L" depend on each other in a circle";
    for (size_t m = 0; m < modules; ++m)
        for (const Rule& rule : def.m_modules[m].rules)
            plan->rules.push_back(PlanRule{static_cast<int>(m), &rule,
                                           bind(cells, static_cast<int>(m), rule.condition)});
    return plan;
}

// Evaluates with the plan's bindings; names it could not bind are asked of the instance.
bool evaluateBound(const Expression& expression, const std::vector<Binding>& bindings, int module,
                   MacroInstance& instance, Values& values, double& result, Tvl_String& error) {
    const auto lookup = [&](const std::wstring& name, double& v) {
        for (const Binding& binding : bindings) {
            if (binding.name != name)
                continue;
            if (binding.slot.valid())
                return values.get(instance, binding.slot, v);
            break;
        }
        return instance.lookup(instance.m_modules[static_cast<size_t>(module)].m_module, name, v);
    };
    return expression.evaluate(lookup, result, error);
}

} // namespace

bool evaluateInstance(MacroInstance& instance, Tvl_String& error) {
    error.clear();
    const MacroDefinition* def = instance.m_definition;
    if (!def)
        return true;

    // Each flexible-fix group has one flexible member: computed, and read-only.
    std::string signature;
    for (MacroTabData& tab : instance.m_modules) {
        for (const MacroFlexFixGroup& group : tab.m_flexGroups) {
            int ones = 0;
            for (int status : group.m_status)
                ones += status == 1;
            if (ones != 1 || group.m_names.length() != group.m_status.length()) {
                error = tab.m_caption + L": the group " + group.m_group +
                        L" needs exactly one flexible member";
                return false;
            }
            const int flexible = group.flexibleIndex();
            for (int i = 0; i < group.m_names.length(); ++i)
                if (MacroCell* cell = tab.cellWithName(group.m_names[i]))
                    cell->m_readOnly = i == flexible;
            signature += std::to_string(flexible) + ",";
        }
        signature += ";";
    }
    std::shared_ptr<const EvaluationPlan>& cached = def->m_plans[signature];
    if (!cached)
        cached = makePlan(instance);
    const std::shared_ptr<const EvaluationPlan> plan = cached;
    if (!plan->error.isEmpty()) {
        error = plan->error;
        return false;
    }

    Values values(instance);
    for (size_t m = 0; m < instance.m_modules.size(); ++m)
        if (!checkInputs(instance.m_modules[m], static_cast<int>(m), plan->computed[m], values,
                         error))
            return false;

    for (const PlanItem& item : plan->order) {
        double value = 0;
        Tvl_String evalError;
        MacroCell& cell = Values::cell(instance, item.slot);
        if (!evaluateBound(*item.expression, item.bindings, item.slot.module, instance, values,
                           value, evalError)) {
            error = instance.m_modules[static_cast<size_t>(item.slot.module)].m_caption + L": " +
                    cell.m_name + L" cannot be computed (" + evalError + L")";
            return false;
        }
        cell.m_value = formatModelNumber(value);
        cell.m_readOnly = true;
        // Dependents read the value as shown, so that what the user sees adds up.
        double shown = value;
        cell.numericValue(shown);
        values.set(item.slot, shown);
    }

    for (const PlanRule& rule : plan->rules) {
        double value = 0;
        Tvl_String evalError;
        if (!evaluateBound(rule.rule->condition, rule.bindings, rule.module, instance, values,
                           value, evalError) ||
            value == 0) {
            error = instance.m_modules[static_cast<size_t>(rule.module)].m_caption + L": " +
                    rule.rule->message;
            return false;
        }
    }
    return true;
}

} // namespace model
