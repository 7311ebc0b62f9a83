#include "core/model/MacroDefinition.h"

#include "core/CorePrint.h"

namespace model {

const ModuleDefinition* MacroDefinition::module(const Tvl_String& name) const {
    const int index = moduleIndex(name);
    return index >= 0 ? &m_modules[static_cast<size_t>(index)] : nullptr;
}

int MacroDefinition::moduleIndex(const Tvl_String& name) const {
    for (size_t i = 0; i < m_modules.size(); ++i)
        if (m_modules[i].tab.m_module == name)
            return static_cast<int>(i);
    return -1;
}

void MacroDefinition::addEquation(int module, const Tvl_String& cell, const Tvl_String& text) {
    Expression expression;
    Tvl_String error;
    if (!expression.parse(text, error)) {
        corePrint(L"*Error* Equation of " + m_kind + L"." + cell + L": " + error + L".\n");
        return;
    }
    ModuleDefinition& def = m_modules[static_cast<size_t>(module)];
    def.equations[cell.str()] = expression;
    if (MacroCell* target = def.tab.cellWithName(cell))
        target->m_readOnly = true;
}

void MacroDefinition::addRule(int module, const Tvl_String& text, const Tvl_String& message) {
    Rule rule;
    Tvl_String error;
    if (!rule.condition.parse(text, error)) {
        corePrint(L"*Error* Rule of " + m_kind + L": " + error + L".\n");
        return;
    }
    rule.message = message;
    m_modules[static_cast<size_t>(module)].rules.push_back(rule);
}

} // namespace model
