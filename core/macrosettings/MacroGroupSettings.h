#pragma once
// The assembly a macro creates, in its settings: its name and description (texts in which
// variables may be used between % signs) and its parts, each with a description and a
// position (0 none, else the position number from 1).

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"
#include "platform/host/AcArray.h"

class MacroGroupSettings {
public:
    Tvl_String m_name;
    Tvl_String m_description;

    Tvl_StringArray m_parts;
    Tvl_StringArray m_partDescriptions; // one per part
    AcArray<int> m_positions;           // one per part

    void normalize();
};
