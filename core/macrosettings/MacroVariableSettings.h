#pragma once
// The macro's own variables in its settings: the units its values are given in, the
// number of decimals they are shown with, and the variables (name and value).

#include "core/Tvl_StringArray.h"
#include "platform/host/AcArray.h"

class MacroVariableSettings {
public:
    int m_lengthUnit = 0; // index into the length units (millimetres, centimetres, metres)
    int m_angleUnit = 0;  // index into the angle units (degrees, radians, grads)
    int m_decimals = 2;

    Tvl_StringArray m_names;
    AcArray<double> m_values; // one per name

    void normalize();
};
