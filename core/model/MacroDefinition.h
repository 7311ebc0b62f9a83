#pragma once
// A kind of macro of the sample model: its modules with their items and starting
// values, the equations that compute dependent cells, the rules that refuse impossible
// values, and how its parts are placed (for the clash check).

#include "core/MacroTabData.h"
#include "core/model/Expression.h"
#include "core/model/Geometry.h"

#include <functional>
#include <map>
#include <memory>
#include <string>

class MacroSettingsData; // the macro's general settings (core/macrosettings)

namespace model {

class MacroInstance;
struct EvaluationPlan; // Evaluation.cpp
struct EditorData;     // the macro editor's constraints and geometries (core/macroedit)

struct Rule {
    Expression condition; // must be true (not 0)
    Tvl_String message;   // why a value is refused
};

struct ModuleDefinition {
    MacroTabData tab; // kind, caption, design, items with their starting values
    std::map<std::wstring, Expression>
        equations; // cell name -> its equation (the cell is read-only)
    std::vector<Rule> rules;
    bool hasBlock = false; // a block drawing that swapBlockRefs replaces
    Tvl_String block;      // starting block drawing name
};

class MacroDefinition {
public:
    using PartsOf = std::function<Parts(const MacroInstance&)>;

    Tvl_String m_kind;    // "EndPlate"
    Tvl_String m_caption; // "End plate"
    Tvl_String m_group;   // key of its group, "Connections"
    std::vector<ModuleDefinition> m_modules;
    PartsOf m_parts;

    const ModuleDefinition* module(const Tvl_String& name) const;
    int moduleIndex(const Tvl_String& name) const;

    // Adds an equation or a rule; a syntax error is a fault of the definition and is
    // printed.
    void addEquation(int module, const Tvl_String& cell, const Tvl_String& text);
    void addRule(int module, const Tvl_String& text, const Tvl_String& message);

    // The order in which its cells are computed, per choice of flexible members (made
    // on first use by evaluateInstance).
    mutable std::map<std::string, std::shared_ptr<const EvaluationPlan>> m_plans;
    // Made by the macro editor on first use.
    std::shared_ptr<EditorData> m_editor;
    // Made by GetMacroSettings on first use.
    std::shared_ptr<MacroSettingsData> m_settings;
};

} // namespace model
