#pragma once
// Inside the macro editor's call-backs: finding the record's macro, definition and module,
// and writing the model's state into the record.

#include "core/macroedit/EditConstrData.h"
#include "core/macroedit/EditorData.h"
#include "core/model/SampleModel.h"

namespace model::edit {

struct Target {
    MacroInstance* instance = nullptr;
    MacroDefinition* definition = nullptr;
    int module = -1; // index of the record's current module
    EditorModule* editor = nullptr;
    explicit operator bool() const { return instance && definition && module >= 0 && editor; }
    ModuleDefinition& moduleDefinition() const {
        return definition->m_modules[static_cast<size_t>(module)];
    }
    MacroTabData& tab() const { return instance->m_modules[static_cast<size_t>(module)]; }
    EditorConstraint* constraint(long id) const;
};

// The record's macro and current module; a false target when either is unknown.
Target target(const EditConstrData& data);
// The definition of an instance, to change it (the model owns its definitions).
MacroDefinition& definitionOf(MacroInstance& instance);
std::vector<MacroInstance*> instancesOf(const MacroDefinition& definition);

void fillVariables(const Target& t, EditConstrData& data);
void fillConstraints(const Target& t, EditConstrData& data);
void fillGeometries(const Target& t, EditConstrData& data);
void fillAll(const Target& t, EditConstrData& data);

// A letter, then letters, digits or "_".
bool isPlainName(const Tvl_String& name);
// The definition, its editor data and its instances' modules, to put back when the model
// refuses a change.
class DefinitionBackup {
public:
    explicit DefinitionBackup(MacroDefinition& definition);
    void restore();

private:
    struct InstanceState {
        MacroInstance* instance;
        std::vector<MacroTabData> modules;
        std::vector<Tvl_String> blocks;
    };
    MacroDefinition& m_definition;
    std::vector<ModuleDefinition> m_modules;
    EditorData m_editor;
    std::vector<InstanceState> m_instances;
};

// Evaluates every instance of the definition (after its plans were dropped); on a refusal
// restores the backup, prints the refusal and returns false.
bool evaluateAll(MacroDefinition& definition, DefinitionBackup& backup);

// Prints the cells of `instance` whose values differ from `before`.
void printValueChanges(const MacroInstance& instance, const std::vector<MacroTabData>& before);

} // namespace model::edit
