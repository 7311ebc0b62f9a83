#include "core/cuttingstock/CuttingPlan.h"

namespace cutstock {

int Plan::barsUsed() const {
    int n = 0;
    for (const CutPattern& p : patterns)
        n += p.count;
    return n;
}

int Plan::barsUsed(int barType) const {
    int n = 0;
    for (const CutPattern& p : patterns)
        if (p.barType == barType)
            n += p.count;
    return n;
}

double Plan::totalWaste() const {
    double w = 0;
    for (const CutPattern& p : patterns)
        w += p.waste * p.count;
    return w;
}

int Plan::uncutCount() const {
    return static_cast<int>(uncut.size());
}

} // namespace cutstock
