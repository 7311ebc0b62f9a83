#include "platform/host/AcArray.h"
#include "platform/host/AcDbObjectId.h"

#include <gtest/gtest.h>

namespace {

TEST(AcArray, GrowsInStepsAndEditsInPlace) {
    AcArray<int> a;
    EXPECT_EQ(a.physicalLength(), 0);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(a.append(i * 10), i);
    EXPECT_EQ(a.length(), 9);
    EXPECT_EQ(a.physicalLength(), 16); // two steps of 8
    a.removeAt(0).removeAt(100).insertAt(1, 5).insertAt(-1, 6);
    EXPECT_EQ(a[0], 10);
    EXPECT_EQ(a[1], 5);
    EXPECT_EQ(a.logicalLength(), 9);
    int at = -1;
    EXPECT_TRUE(a.find(40, at));
    EXPECT_EQ(at, 4);
    EXPECT_FALSE(a.find(41, at));
    EXPECT_EQ(at, 4);
    EXPECT_TRUE(a.contains(80));
    EXPECT_FALSE(a.contains(10, 1));
    EXPECT_TRUE(a.remove(5));
    EXPECT_FALSE(a.remove(5));
    a.append(a);
    EXPECT_EQ(a.length(), 16);
    a.removeSubArray(8, 15);
    EXPECT_EQ(a.length(), 8);
    a.setLogicalLength(10);
    EXPECT_EQ(a[9], 0);
}

TEST(AcArrayDeath, IndexOutOfRangeStopsWithAMessage) {
    AcArray<int> a;
    a.append(1);
    EXPECT_DEATH((void)a[1], "index 1 out of range");
    EXPECT_DEATH((void)a[-1], "index -1 out of range");
}

TEST(AcDbObjectId, NullAndComparisons) {
    AcDbObjectId id;
    EXPECT_TRUE(id.isNull());
    EXPECT_EQ(id, AcDbObjectId::kNull);
    AcArray<AcDbObjectId> ids;
    ids.append(AcDbObjectId::fromOldId(7));
    EXPECT_TRUE(ids.contains(AcDbObjectId::fromOldId(7)));
    EXPECT_LT(AcDbObjectId::fromOldId(3), AcDbObjectId::fromOldId(7));
}

} // namespace
