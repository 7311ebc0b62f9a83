// The formula parser in the three reference styles, and the calculation of what it
// accepts: an accepted formula calculates, and every form it writes reads back to
// the same formula.

#include <cstdlib>
#include <string>

#include "platform/grid/engine/Sheet.h"
#include "tests/fuzz/FuzzSupport.h"

using namespace grid;

namespace {

constexpr RefStyle kStyles[] = {RefStyle::Default, RefStyle::A1, RefStyle::R1C1};

void fill(Sheet& s) {
    s.setMaxCols(12);
    s.setMaxRows(40);
    s.setAutoCalc(false);
    for (int r = 1; r <= 5; ++r) {
        s.setNumber(1, r, r * 1.5 - 3);
        s.setText(2, r, r % 2 ? "text" : "Äpfel");
    }
    s.setFormula(3, 1, "A1*2", RefStyle::A1);
    s.setFormula(3, 2, "B1&B2", RefStyle::A1);
    s.setTag(4, 4, "price");
}

void checkWritesBack(const Sheet& s, int col, int row) {
    for (RefStyle out : kStyles) {
        std::string written = s.formula(col, row, out);
        if (written.find('?') != std::string::npos)
            continue; // a reference this style cannot write
        Sheet t;
        fill(t);
        if (!t.setFormula(col, row, written, out).ok ||
            t.formula(col, row, RefStyle::R1C1) != s.formula(col, row, RefStyle::R1C1))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > 10000)
        return 0;
    const std::string text(fuzz::bytesOf(data, size));
    for (RefStyle style : kStyles) {
        Sheet s;
        fill(s);
        if (!s.setFormula(6, 7, text, style).ok)
            continue;
        s.recalcAll();
        (void)s.value(6, 7).toString();
        checkWritesBack(s, 6, 7);
    }
    return 0;
}
