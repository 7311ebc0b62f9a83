#pragma once
// The sample model's bolt library: bolt assemblies and the diameters each offers.

#include "core/Tvl_StringArray.h"

namespace model {

class BoltLibrary {
public:
    static const BoltLibrary& instance();

    Tvl_StringArray assemblies() const;
    // Diameters of `assembly` (exact name); false and an empty list when unknown.
    bool diameters(const Tvl_String& assembly, Tvl_StringArray& list) const;
    // The nominal diameter in mm of a diameter text such as "M20" (20); false when the
    // text is not one.
    static bool nominalDiameter(const Tvl_String& diameter, double& mm);

private:
    BoltLibrary();
    struct Assembly {
        Tvl_String name;
        Tvl_StringArray diameters;
    };
    std::vector<Assembly> m_assemblies;
};

} // namespace model
