#pragma once
// Axis-aligned boxes for the sample model's parts, in millimetres (x along the beam,
// y up, z across).

#include "core/Tvl_String.h"

#include <algorithm>
#include <vector>

namespace model {

struct Box {
    double min[3] = {0, 0, 0};
    double max[3] = {0, 0, 0};

    static Box of(double x0, double x1, double y0, double y1, double z0, double z1) {
        Box b;
        b.min[0] = std::min(x0, x1), b.max[0] = std::max(x0, x1);
        b.min[1] = std::min(y0, y1), b.max[1] = std::max(y0, y1);
        b.min[2] = std::min(z0, z1), b.max[2] = std::max(z0, z1);
        return b;
    }
    // The overlap along each axis; true only when the boxes share volume (touching
    // faces are no overlap).
    bool overlap(const Box& other, double size[3]) const {
        for (int i = 0; i < 3; ++i) {
            size[i] = std::min(max[i], other.max[i]) - std::max(min[i], other.min[i]);
            if (size[i] <= 1e-9)
                return false;
        }
        return true;
    }
};

struct Part {
    Tvl_String name;
    Box box;
};

using Parts = std::vector<Part>;

} // namespace model
