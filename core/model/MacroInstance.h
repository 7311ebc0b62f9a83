#pragma once
// One macro of the sample drawing: an object with its definition and the current values
// of its modules (one MacroTabData per module, in the definition's order).

#include "core/macrocuts/MacroCutDefinition.h"
#include "core/model/MacroDefinition.h"
#include "platform/host/AcDbObjectId.h"

namespace model {

class MacroInstance {
public:
    AcDbObjectId m_id;
    Tvl_String m_name; // "EP1"
    const MacroDefinition* m_definition = nullptr;
    std::vector<MacroTabData> m_modules;
    std::vector<Tvl_String> m_blocks; // per module (empty where it has none)
    int m_view = 3;
    Tvl_String m_connects;                            // the objects it joins, for listings
    double m_origin[3] = {0, 0, 0};                   // where its parts are placed
    std::vector<MacroCutDefinition> m_cutDefinitions; // the cuts it makes (the cuts dialog)

    MacroTabData* module(const Tvl_String& name);
    const MacroTabData* module(const Tvl_String& name) const;

    // A value by name as the equations see it: "Cell" in module `module`, or
    // "Module.Cell"; also "<pattern>_n1", "<pattern>_n2", "<array>_n" and "bolt_d". False
    // when the name is unknown or its value is not a number.
    bool lookup(const Tvl_String& module, const std::wstring& name, double& value) const;
    // A number cell's value, `fallback` when missing or not a number.
    double number(const Tvl_String& module, const wchar_t* cell, double fallback = 0) const;

    // Title used on the command line: "End plate EP1".
    Tvl_String title() const;
};

} // namespace model
