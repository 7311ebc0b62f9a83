// The settings of the sample model's macros: held by each definition, made from the
// sample's starting settings on first use, so that resetting the model resets them too.

#include "core/CorePrint.h"
#include "core/macrosettings/MacroSettingsCallBacks.h"
#include "core/model/SampleModel.h"

#include <map>
#include <memory>

namespace {

model::MacroDefinition* definitionOf(const AcDbObjectId& macroId) {
    model::MacroInstance* instance = model::sampleModel().instance(macroId);
    if (!instance || !instance->m_definition)
        return nullptr;
    // The model owns its definitions and lets the macro editor change them.
    return const_cast<model::MacroDefinition*>(instance->m_definition);
}

MacroSettingsData& settingsOf(model::MacroDefinition& definition) {
    if (!definition.m_settings) {
        auto made = std::make_shared<MacroSettingsData>();
        fillSampleMacroSettings(definition.m_kind, *made);
        made->normalize();
        definition.m_settings = std::move(made);
    }
    return *definition.m_settings;
}

void printNoMacro(const AcDbObjectId& macroId) {
    corePrint(L"*Error* Object " + std::to_wstring(macroId.asOldId()) + L" is no macro.\n");
}

} // namespace

bool GetMacroSettings(const AcDbObjectId& macroId, MacroSettingsData& settings) {
    model::MacroDefinition* definition = definitionOf(macroId);
    if (!definition) {
        printNoMacro(macroId);
        return false;
    }
    settings = settingsOf(*definition);
    return true;
}

bool SetMacroSettings(const AcDbObjectId& macroId, const MacroSettingsData& settings) {
    model::MacroDefinition* definition = definitionOf(macroId);
    if (!definition) {
        printNoMacro(macroId);
        return false;
    }
    MacroSettingsData& stored = settingsOf(*definition);
    MacroSettingsData incoming(settings);
    incoming.normalize();
    const std::vector<MacroSettingsData::Line> before = stored.describe();
    const std::vector<MacroSettingsData::Line> after = incoming.describe();
    stored = incoming;

    // What changed, by line name: changed and new lines in their new order, then the
    // lines that are gone.
    const std::wstring prefix = L"Macro settings of " + definition->m_caption.str() + L": ";
    std::map<std::wstring, std::wstring> old(before.begin(), before.end());
    std::map<std::wstring, std::wstring> now(after.begin(), after.end());
    bool changed = false;
    for (const auto& [name, value] : after) {
        auto it = old.find(name);
        if (it == old.end())
            corePrint(prefix + name + L" added: " + value + L".\n");
        else if (it->second != value)
            corePrint(prefix + name + L": " + it->second + L" -> " + value + L".\n");
        else
            continue;
        changed = true;
    }
    for (const auto& [name, value] : before)
        if (now.find(name) == now.end()) {
            corePrint(prefix + name + L" removed.\n");
            changed = true;
        }
    if (!changed)
        corePrint(prefix + L"unchanged.\n");
    return true;
}

bool listMacroSettings(const AcDbObjectId& macroId) {
    model::MacroInstance* instance = model::sampleModel().instance(macroId);
    MacroSettingsData settings;
    if (!instance || !GetMacroSettings(macroId, settings)) {
        if (!instance)
            printNoMacro(macroId);
        return false;
    }
    corePrint(L"Macro settings of " + instance->m_definition->m_caption.str() + L" (" +
              instance->m_name.str() + L"):\n");
    for (const auto& [name, value] : settings.describe())
        corePrint(L"  " + name + L": " + value + L"\n");
    return true;
}
