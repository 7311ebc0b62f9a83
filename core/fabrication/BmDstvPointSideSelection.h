#pragma once
// The four sides a marking point can be measured from. Sides 0 and 1 form one pair,
// 2 and 3 the other; a geometry-extent selection takes one side of each pair.

enum BmDstvPointSideSelection : int {
    kDstvSide0 = 0,
    kDstvSide1 = 1,
    kDstvSide2 = 2,
    kDstvSide3 = 3,
};

inline bool isDstvSide(int value) {
    return value >= 0 && value <= 3;
}
// 0 for sides 0 and 1, 1 for sides 2 and 3.
inline int dstvSidePair(BmDstvPointSideSelection side) {
    return side / 2;
}
