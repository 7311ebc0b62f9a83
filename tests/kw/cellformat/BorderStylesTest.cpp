#include "kw/spreadsheet/format/BorderStyles.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatBorderStyles, EveryPickerPositionRoundTripsAndStylesWithoutOneAreKept) {
    for (int pos = 0; pos < 12; ++pos)
        EXPECT_EQ(kw::borderPickerPosition(kw::borderLineStyle(pos, -5)), pos);
    EXPECT_EQ(kw::borderLineStyle(6, 0), 6);
    EXPECT_EQ(kw::borderLineStyle(7, 0), 11);
    EXPECT_EQ(kw::borderLineStyle(11, 0), 15);
    for (int style : {7, 8, 9, 10, 16, -1}) {
        EXPECT_EQ(kw::borderPickerPosition(style), -1) << style;
        // No position picked: the cell's own style stays.
        EXPECT_EQ(kw::borderLineStyle(kw::borderPickerPosition(style), style), style);
    }
    EXPECT_EQ(kw::borderLineStyle(12, 9), 9);
}

} // namespace
