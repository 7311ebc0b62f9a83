#include "core/model/BoltLibrary.h"

namespace model {

const BoltLibrary& BoltLibrary::instance() {
    static const BoltLibrary library;
    return library;
}

BoltLibrary::BoltLibrary() {
    m_assemblies = {
        {L"Hex 8.8", {L"M12", L"M16", L"M20", L"M24"}},
        {L"Hex 10.9", {L"M16", L"M20", L"M24", L"M27"}},
        {L"HV 10.9", {L"M16", L"M20", L"M24", L"M27", L"M30"}},
        {L"Anchor 4.6", {L"M16", L"M20", L"M24", L"M30", L"M36"}},
    };
}

Tvl_StringArray BoltLibrary::assemblies() const {
    Tvl_StringArray names;
    for (const Assembly& assembly : m_assemblies)
        names.append(assembly.name);
    return names;
}

bool BoltLibrary::diameters(const Tvl_String& assembly, Tvl_StringArray& list) const {
    list.clear();
    for (const Assembly& entry : m_assemblies) {
        if (entry.name == assembly) {
            list = entry.diameters;
            return true;
        }
    }
    return false;
}

bool BoltLibrary::nominalDiameter(const Tvl_String& diameter, double& mm) {
    Tvl_String text = diameter.trimmed();
    if (text.startsWith(L"M", true))
        text = text.mid(1);
    double value = 0;
    if (!text.toDouble(value) || value <= 0)
        return false;
    mm = value;
    return true;
}

} // namespace model
