// CONVERT between units of length, area, volume, mass, force, pressure, energy,
// power, time, speed and temperature, with the SI prefixes on metric units
// ("km", "kN", "MPa", "mm2").

#include <cmath>
#include <string_view>

#include "platform/grid/engine/FunctionSupport.h"

namespace grid::fn {

namespace {

enum class Kind { Length, Area, Volume, Mass, Force, Pressure, Energy, Power, Time, Speed, Temp };

struct Unit {
    std::string_view name;
    Kind kind;
    double factor;   // in the kind's base unit (m, m2, m3, g, N, Pa, J, W, s, m/s)
    bool prefixable; // takes SI prefixes
};

const Unit kUnits[] = {
    // length (m)
    {"m", Kind::Length, 1, true},
    {"mi", Kind::Length, 1609.344, false},
    {"Nmi", Kind::Length, 1852, false},
    {"in", Kind::Length, 0.0254, false},
    {"ft", Kind::Length, 0.3048, false},
    {"yd", Kind::Length, 0.9144, false},
    {"ang", Kind::Length, 1e-10, true},
    {"Pica", Kind::Length, 0.0254 / 6, false},
    {"pica", Kind::Length, 0.0254 / 6, false},
    {"ell", Kind::Length, 1.143, false},
    {"ly", Kind::Length, 9.46073047258e15, true},
    {"survey_mi", Kind::Length, 1609.347218694, false},
    // area (m2)
    {"m2", Kind::Area, 1, true},
    {"m^2", Kind::Area, 1, true},
    {"in2", Kind::Area, 0.0254 * 0.0254, false},
    {"in^2", Kind::Area, 0.0254 * 0.0254, false},
    {"ft2", Kind::Area, 0.3048 * 0.3048, false},
    {"ft^2", Kind::Area, 0.3048 * 0.3048, false},
    {"yd2", Kind::Area, 0.9144 * 0.9144, false},
    {"yd^2", Kind::Area, 0.9144 * 0.9144, false},
    {"mi2", Kind::Area, 1609.344 * 1609.344, false},
    {"mi^2", Kind::Area, 1609.344 * 1609.344, false},
    {"ha", Kind::Area, 1e4, false},
    {"ar", Kind::Area, 100, true},
    {"uk_acre", Kind::Area, 4046.8564224, false},
    // volume (m3)
    {"m3", Kind::Volume, 1, true},
    {"m^3", Kind::Volume, 1, true},
    {"l", Kind::Volume, 1e-3, true},
    {"L", Kind::Volume, 1e-3, true},
    {"lt", Kind::Volume, 1e-3, true},
    {"in3", Kind::Volume, 0.0254 * 0.0254 * 0.0254, false},
    {"in^3", Kind::Volume, 0.0254 * 0.0254 * 0.0254, false},
    {"ft3", Kind::Volume, 0.3048 * 0.3048 * 0.3048, false},
    {"ft^3", Kind::Volume, 0.3048 * 0.3048 * 0.3048, false},
    {"gal", Kind::Volume, 3.785411784e-3, false},
    {"qt", Kind::Volume, 3.785411784e-3 / 4, false},
    {"pt", Kind::Volume, 3.785411784e-3 / 8, false},
    {"cup", Kind::Volume, 3.785411784e-3 / 16, false},
    {"oz", Kind::Volume, 3.785411784e-3 / 128, false},
    {"tbs", Kind::Volume, 3.785411784e-3 / 256, false},
    {"tsp", Kind::Volume, 3.785411784e-3 / 768, false},
    {"uk_gal", Kind::Volume, 4.54609e-3, false},
    {"barrel", Kind::Volume, 0.158987294928, false},
    // mass (g)
    {"g", Kind::Mass, 1, true},
    {"lbm", Kind::Mass, 453.59237, false},
    {"ozm", Kind::Mass, 453.59237 / 16, false},
    {"stone", Kind::Mass, 6350.29318, false},
    {"ton", Kind::Mass, 907184.74, false},
    {"uk_ton", Kind::Mass, 1016046.9088, false},
    {"LTON", Kind::Mass, 1016046.9088, false},
    {"brton", Kind::Mass, 1016046.9088, false},
    {"t", Kind::Mass, 1e6, false},
    {"u", Kind::Mass, 1.660538782e-24, true},
    {"sg", Kind::Mass, 14593.9029372064, false},
    {"grain", Kind::Mass, 0.06479891, false},
    // force (N)
    {"N", Kind::Force, 1, true},
    {"dyn", Kind::Force, 1e-5, true},
    {"dy", Kind::Force, 1e-5, true},
    {"lbf", Kind::Force, 4.4482216152605, false},
    {"pond", Kind::Force, 9.80665e-3, true},
    // pressure (Pa)
    {"Pa", Kind::Pressure, 1, true},
    {"p", Kind::Pressure, 1, true},
    {"atm", Kind::Pressure, 101325, true},
    {"at", Kind::Pressure, 101325, true},
    {"mmHg", Kind::Pressure, 101325.0 / 760, true},
    {"psi", Kind::Pressure, 6894.75729316836, false},
    {"Torr", Kind::Pressure, 101325.0 / 760, false},
    {"bar", Kind::Pressure, 1e5, true},
    // energy (J)
    {"J", Kind::Energy, 1, true},
    {"e", Kind::Energy, 1e-7, true},
    {"c", Kind::Energy, 4.184, true},
    {"cal", Kind::Energy, 4.1868, true},
    {"eV", Kind::Energy, 1.602176487e-19, true},
    {"ev", Kind::Energy, 1.602176487e-19, true},
    {"HPh", Kind::Energy, 2684519.53769617, false},
    {"hh", Kind::Energy, 2684519.53769617, false},
    {"Wh", Kind::Energy, 3600, true},
    {"wh", Kind::Energy, 3600, true},
    {"flb", Kind::Energy, 1.3558179483314, false},
    {"BTU", Kind::Energy, 1055.05585262, false},
    {"btu", Kind::Energy, 1055.05585262, false},
    // power (W)
    {"W", Kind::Power, 1, true},
    {"w", Kind::Power, 1, true},
    {"HP", Kind::Power, 745.69987158227, false},
    {"h", Kind::Power, 745.69987158227, false},
    {"PS", Kind::Power, 735.49875, false},
    // time (s)
    {"yr", Kind::Time, 31557600, false},
    {"day", Kind::Time, 86400, false},
    {"d", Kind::Time, 86400, false},
    {"hr", Kind::Time, 3600, false},
    {"mn", Kind::Time, 60, false},
    {"min", Kind::Time, 60, false},
    {"sec", Kind::Time, 1, true},
    {"s", Kind::Time, 1, true},
    // speed (m/s)
    {"m/s", Kind::Speed, 1, true},
    {"m/sec", Kind::Speed, 1, true},
    {"m/h", Kind::Speed, 1.0 / 3600, true},
    {"m/hr", Kind::Speed, 1.0 / 3600, true},
    {"mph", Kind::Speed, 0.44704, false},
    {"kn", Kind::Speed, 1852.0 / 3600, false},
    {"admkn", Kind::Speed, 0.514773333333333, false},
    // temperature (factors only for prefixed kelvin; the scales convert apart)
    {"C", Kind::Temp, 1, false},
    {"cel", Kind::Temp, 1, false},
    {"F", Kind::Temp, 1, false},
    {"fah", Kind::Temp, 1, false},
    {"K", Kind::Temp, 1, true},
    {"kel", Kind::Temp, 1, true},
    {"Rank", Kind::Temp, 1, false},
    {"Reau", Kind::Temp, 1, false},
};

struct Prefix {
    std::string_view name;
    double factor;
};
const Prefix kPrefixes[] = {
    {"Y", 1e24}, {"Z", 1e21}, {"E", 1e18},  {"P", 1e15},  {"T", 1e12},  {"G", 1e9},   {"M", 1e6},
    {"k", 1e3},  {"h", 1e2},  {"da", 1e1},  {"e", 1e1},   {"d", 1e-1},  {"c", 1e-2},  {"m", 1e-3},
    {"u", 1e-6}, {"n", 1e-9}, {"p", 1e-12}, {"f", 1e-15}, {"a", 1e-18}, {"z", 1e-21}, {"y", 1e-24},
};

// The unit with its factor (prefix and, for areas and volumes, its square or cube).
bool findUnit(std::string_view s, const Unit*& unit, double& factor) {
    for (const Unit& u : kUnits)
        if (u.name == s) {
            unit = &u;
            factor = u.factor;
            return true;
        }
    for (const Prefix& p : kPrefixes) {
        if (!s.starts_with(p.name))
            continue;
        std::string_view rest = s.substr(p.name.size());
        for (const Unit& u : kUnits) {
            if (u.name != rest || !u.prefixable)
                continue;
            unit = &u;
            double power = (u.kind == Kind::Area && rest != "ar") ? 2 : 1;
            if (u.kind == Kind::Volume && (rest == "m3" || rest == "m^3"))
                power = 3;
            factor = u.factor * std::pow(p.factor, power);
            return true;
        }
    }
    return false;
}

// Kelvin of a temperature in the named scale, and back.
double toKelvin(std::string_view u, double x) {
    if (u == "C" || u == "cel")
        return x + 273.15;
    if (u == "F" || u == "fah")
        return (x - 32) * 5 / 9 + 273.15;
    if (u == "Rank")
        return x * 5 / 9;
    if (u == "Reau")
        return x * 1.25 + 273.15;
    return x;
}
double fromKelvin(std::string_view u, double k) {
    if (u == "C" || u == "cel")
        return k - 273.15;
    if (u == "F" || u == "fah")
        return (k - 273.15) * 9 / 5 + 32;
    if (u == "Rank")
        return k * 9 / 5;
    if (u == "Reau")
        return (k - 273.15) * 0.8;
    return k;
}

} // namespace

void fnConvert(Evaluator& ev, EvalValue* a, int, EvalValue& r) {
    double x;
    std::string from, to;
    if (!argNumber(ev, a[0], x, r) || !argText(ev, a[1], from, r) || !argText(ev, a[2], to, r))
        return;
    const Unit *uf = nullptr, *ut = nullptr;
    double ff = 0, ft = 0;
    if (!findUnit(from, uf, ff) || !findUnit(to, ut, ft) || uf->kind != ut->kind)
        return setError(r, ErrorCode::NA);
    if (uf->kind == Kind::Temp) {
        // Kelvin may carry a prefix ("mK"): its factor scales the kelvin value.
        return setNumber(r, fromKelvin(ut->name, toKelvin(uf->name, x * ff)) / ft);
    }
    setNumber(r, x * ff / ft);
}

} // namespace grid::fn
