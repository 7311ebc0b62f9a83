#pragma once
// MacroCutData: a cut of a macro that a drawn cut combo (type 28) edits. The value is the
// index of the chosen cut kind, 0 to 4 (the texts 695, 1398, 1397, 1396, 1395).

#include "core/Tvl_String.h"

class MacroCutData {
public:
    static constexpr int kKindCount = 5;

    MacroCutData() = default;
    MacroCutData(const Tvl_String& name, int value) : m_name(name), m_value(value) {}
    MacroCutData(const MacroCutData&) = default;
    MacroCutData& operator=(const MacroCutData&) = default;
    virtual ~MacroCutData() = default;

    bool operator==(const MacroCutData&) const = default;

    Tvl_String m_name;
    int m_value = 0;
    int m_reference = 0; // window id of the drawn control, 0 none
};
