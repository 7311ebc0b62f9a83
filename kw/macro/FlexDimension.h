#pragma once
// The arithmetic of the flexible dimension buttons (drawn control types 25 and 26).
//
// A button of type 25 shows a dimension made of a base value c and a part a, either as
// a / F + c (the part scaled by the factor F), or, when a second part b is drawn too, as
// c + a + b; a new dimension d gives the part (d - c) * F, which both drawn parts take.
// A button of type 26 shows c + a + f with a fixed part f; a new dimension gives the
// part d - c - f.
//
// A factor of 0 (an empty or unreadable field) would divide by zero and then write 0:
// a type-25 button with such a factor does nothing.

#include <optional>

namespace kw::macro {

struct FlexDimension {
    int type = 25;                // 25 or 26
    double base = 0.0;            // c
    double part = 0.0;            // a, as shown (already negated when named with "-")
    std::optional<double> second; // b (type 25, drawn) or f (type 26, required)
    double factor = 0.0;          // F (type 25 only)

    // Whether the button can work at all with these values.
    bool usable() const;
    // The dimension shown to the user; nullopt when not usable.
    std::optional<double> current() const;
    // The part that makes the dimension `dimension`; nullopt when not usable.
    std::optional<double> newPart(double dimension) const;
};

} // namespace kw::macro
