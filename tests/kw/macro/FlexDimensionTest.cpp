// The arithmetic of the flexible dimension buttons and the names a property set may have.

#include <gtest/gtest.h>

#include "kw/macro/FlexDimension.h"
#include "kw/macro/PropertySetName.h"

#include <cmath>
#include <limits>

using kw::macro::FlexDimension;

TEST(FlexDimension, ScaledPartRoundTrips) {
    FlexDimension d{25, 300.0, 20.0, std::nullopt, 0.5};
    ASSERT_TRUE(d.current());
    EXPECT_DOUBLE_EQ(*d.current(), 340.0); // 20 / 0.5 + 300
    ASSERT_TRUE(d.newPart(380.0));
    EXPECT_DOUBLE_EQ(*d.newPart(380.0), 40.0);
    // The part for the dimension shown is the part itself.
    EXPECT_DOUBLE_EQ(*d.newPart(*d.current()), 20.0);
}

TEST(FlexDimension, TwoDrawnPartsShareTheChange) {
    FlexDimension d{25, 300.0, 20.0, 30.0, 0.5};
    EXPECT_DOUBLE_EQ(*d.current(), 350.0); // c + a + b
    EXPECT_DOUBLE_EQ(*d.newPart(400.0), 50.0);
    // A negated part (the page passes it negated) counts against the base.
    FlexDimension n{25, 300.0, -20.0, 30.0, 0.5};
    EXPECT_DOUBLE_EQ(*n.current(), 310.0);
}

TEST(FlexDimension, FixedSecondPartOfType26) {
    FlexDimension d{26, 300.0, 20.0, 25.0, 0.0};
    EXPECT_DOUBLE_EQ(*d.current(), 345.0);
    EXPECT_DOUBLE_EQ(*d.newPart(360.0), 35.0);
    FlexDimension missing{26, 300.0, 20.0, std::nullopt, 0.0};
    EXPECT_FALSE(missing.usable());
    EXPECT_FALSE(missing.current());
}

TEST(FlexDimension, ZeroOrBrokenFactorDoesNothing) {
    // An empty factor field reads as 0: no division by zero, no part of 0 written back.
    FlexDimension zero{25, 300.0, 20.0, std::nullopt, 0.0};
    EXPECT_FALSE(zero.current());
    EXPECT_FALSE(zero.newPart(380.0));
    FlexDimension zeroWithB{25, 300.0, 20.0, 30.0, 0.0};
    EXPECT_FALSE(zeroWithB.newPart(380.0));
    FlexDimension inf{25, 300.0, 20.0, std::nullopt, std::numeric_limits<double>::infinity()};
    EXPECT_FALSE(inf.usable());
    FlexDimension ok{25, 300.0, 20.0, std::nullopt, 0.5};
    EXPECT_FALSE(ok.newPart(std::nan("")));
    FlexDimension other{24, 1.0, 1.0, 1.0, 1.0};
    EXPECT_FALSE(other.usable());
}

TEST(PropertySetName, OnlyPlainNamesStayInTheirFolder) {
    using kw::macro::isPlainSetName;
    EXPECT_TRUE(isPlainSetName(L"Heavy"));
    EXPECT_TRUE(isPlainSetName(L"HEA 200 (2 rows).v2"));
    for (const wchar_t* bad : {L"", L" lead", L"trail ", L".", L"..", L"..\\x", L"../x", L"a\\b",
                               L"a/b", L"c:x", L"*", L"a?b", L"a|b", L"line\nbreak"})
        EXPECT_FALSE(isPlainSetName(bad)) << Tvl_String(bad).toUtf8();
}
