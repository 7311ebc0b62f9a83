#include "kw/macro/FlexDimension.h"

#include <cmath>

namespace kw::macro {

bool FlexDimension::usable() const {
    if (!std::isfinite(base) || !std::isfinite(part))
        return false;
    if (type == 25)
        return factor != 0.0 && std::isfinite(factor) && (!second || std::isfinite(*second));
    if (type == 26)
        return second.has_value() && std::isfinite(*second);
    return false;
}

std::optional<double> FlexDimension::current() const {
    if (!usable())
        return std::nullopt;
    if (type == 26)
        return base + part + *second;
    if (second)
        return base + part + *second;
    return part / factor + base;
}

std::optional<double> FlexDimension::newPart(double dimension) const {
    if (!usable() || !std::isfinite(dimension))
        return std::nullopt;
    if (type == 26)
        return dimension - base - *second;
    return (dimension - base) * factor;
}

} // namespace kw::macro
