#include "TestSupport.h"

#include "core/StringHelpers.h"
#include "core/fabrication/BmLevelsDlgData.h"
#include "core/fabrication/SampleLayout.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

BmLevelsDlgData threeLevels() {
    sample::resetLayout();
    return sample::levels(); // Ground 0, First 3000 on Ground, Roof 3500 on First
}

TEST(LevelsData, AbsoluteHeightsFollowTheReferenceChain) {
    BmLevelsDlgData l = threeLevels();
    Tvl_String name, ref;
    double h = 0, abs = 0;
    ASSERT_TRUE(l.getLevelData(2, name, ref, h, abs));
    EXPECT_EQ(name, L"Roof");
    EXPECT_EQ(ref, L"First");
    EXPECT_DOUBLE_EQ(abs, 6500);
    EXPECT_FALSE(l.getLevelData(3, name, ref, h, abs));
    EXPECT_FALSE(l.getLevelData(-1, name, ref, h, abs));
    // A reference that would close a loop, or the level itself, is refused.
    EXPECT_FALSE(l.updateLevel(0, Tvl_String(L"Roof")));
    EXPECT_FALSE(l.updateLevel(1, Tvl_String(L"first")));
    EXPECT_FALSE(l.updateLevel(1, Tvl_String(L"Nowhere")));
    EXPECT_TRUE(l.updateLevel(2, Tvl_String(L"ground")));
    l.getLevelData(2, name, ref, h, abs);
    EXPECT_EQ(ref, L"Ground") << "stored as the level is named";
    EXPECT_DOUBLE_EQ(abs, 3500);
    // Heights: finite and within a kilometre either way.
    EXPECT_TRUE(l.updateLevel(1, 1.0e6));
    EXPECT_FALSE(l.updateLevel(1, 1.0e6 + 1));
    EXPECT_FALSE(l.updateLevel(1, std::nan("")));
    EXPECT_FALSE(l.updateLevel(7, 10.0));
}

TEST(LevelsData, NamesAreUniqueIgnoringCaseAndDeletingKeepsTheOthersInPlace) {
    BmLevelsDlgData l = threeLevels();
    int index = -1;
    for (const wchar_t* taken : {L"ground", L"ROOF", L"wcs", L"WCS", L"", L"  "})
        EXPECT_FALSE(l.addLevel(taken, index)) << Tvl_String(taken).toUtf8();
    ASSERT_TRUE(l.addLevel(L" Mezzanine ", index));
    EXPECT_EQ(index, 3);
    EXPECT_EQ(l.levels()[3].name, L"Mezzanine");
    // Deleting First puts Roof on Ground at the same absolute height.
    ASSERT_TRUE(l.deleteLevel(1));
    const int roof = l.indexOf(L"Roof");
    ASSERT_GE(roof, 0);
    EXPECT_EQ(l.levels()[roof].reference, L"Ground");
    EXPECT_DOUBLE_EQ(l.absoluteHeight(roof), 6500);
    EXPECT_FALSE(l.deleteLevel(3));
}

TEST(SampleGrid, LinesAndLabelsFromTheTypedDistances) {
    Tvl_StringArray labels;
    std::vector<double> at;
    Tvl_String why;
    ASSERT_TRUE(sample::gridLines({5, L"2*6000 4500", L"Y"}, labels, at, why));
    EXPECT_EQ(arrToStr(labels, L","), L"Y,Z,AA,AB,AC");
    EXPECT_EQ(at, (std::vector<double>{0, 6000, 12000, 16500, 21000})) << "the last repeats";
    ASSERT_TRUE(sample::gridLines({3, L"5000", L"A9"}, labels, at, why));
    EXPECT_EQ(arrToStr(labels, L","), L"A9,A10,A11");
    ASSERT_TRUE(sample::gridLines({1, L"", L""}, labels, at, why)) << "one line needs no distance";
    EXPECT_EQ(labels[0], L"1");
    ASSERT_TRUE(sample::gridLines({200, L"100000", L"01"}, labels, at, why));
    EXPECT_EQ(labels[199], L"200");
    EXPECT_FALSE(sample::gridLines({0, L"5000", L"A"}, labels, at, why));
    EXPECT_EQ(why, L"the number of lines 0 is not between 1 and 200");
    EXPECT_FALSE(sample::gridLines({201, L"5000", L"A"}, labels, at, why));
    EXPECT_FALSE(sample::gridLines({2, L"abc", L"A"}, labels, at, why));
    EXPECT_EQ(why, L"the distance \"abc\" is not a number of millimetres");
    EXPECT_FALSE(sample::gridLines({2, L"0", L"A"}, labels, at, why));
    EXPECT_FALSE(sample::gridLines({2, L"100001", L"A"}, labels, at, why));
    EXPECT_FALSE(sample::gridLines({2, L"0*5000", L"A"}, labels, at, why));
    EXPECT_FALSE(sample::gridLines({2, L"", L"A"}, labels, at, why));
    EXPECT_TRUE(labels.isEmpty());
    EXPECT_EQ(sample::nextLabel(L"Z"), L"AA");
    EXPECT_EQ(sample::nextLabel(L"ZZ"), L"AAA");
    EXPECT_EQ(sample::nextLabel(L"99"), L"100");
    EXPECT_EQ(sample::nextLabel(L"a"), L"a1");
}

} // namespace
