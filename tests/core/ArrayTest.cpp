#include "core/StringHelpers.h"
#include "core/Tvl_StringArray.h"

#include "CaptureOutput.h"
#include "TestSupport.h"

#include "platform/host/CommandLine.h"

#include <gtest/gtest.h>

TEST(TvlArray, InvalidIndicesPrintAndChangeNothing) {
    Tvl_Array<int> a{1, 2, 3};
    CaptureOutput out;

    EXPECT_FALSE(a.insertAt(4, 9));
    EXPECT_FALSE(a.insertAt(-1, 9));
    EXPECT_EQ(
        out.take(),
        L"*Error* Invalid index passed to insert.\n*Error* Invalid index passed to insert.\n");
    EXPECT_FALSE(a.removeAt(3));
    EXPECT_FALSE(a.removeAt(-1));
    EXPECT_EQ(
        out.take(),
        L"*Error* Invalid index passed to remove.\n*Error* Invalid index passed to remove.\n");
    EXPECT_EQ(a, (Tvl_Array<int>{1, 2, 3}));

    // The edges are valid: insert at length appends, remove the last one.
    EXPECT_TRUE(a.insertAt(3, 4));
    EXPECT_TRUE(a.insertAt(0, 0));
    EXPECT_TRUE(a.removeAt(4));
    EXPECT_EQ(a, (Tvl_Array<int>{0, 1, 2, 3}));
    EXPECT_EQ(out.text(), L"");

    Tvl_Array<int> empty;
    EXPECT_FALSE(empty.removeAt(0));
    EXPECT_EQ(out.take(), L"*Error* Invalid index passed to remove.\n");
}

TEST(TvlArray, AccessOutsideTheArrayIsHarmless) {
    Tvl_StringArray a{L"x"};
    CaptureOutput out;
    a[5] = L"scribble"; // goes to a scratch element, not past the end
    EXPECT_EQ(a.length(), 1);
    EXPECT_EQ(a[-1], L"");
    EXPECT_EQ(a[0], L"x");
    EXPECT_EQ(
        out.text(),
        L"*Error* Invalid index passed to access.\n*Error* Invalid index passed to access.\n");
    const Tvl_StringArray& c = a;
    EXPECT_EQ(c[1], L"");
}

TEST(TvlArray, RemoveAllRemovesOnlyThatValue) {
    Tvl_Array<int> diffs{-12, 3, -12, -13, 7, -12};
    EXPECT_EQ(diffs.removeAll(-12), 3);
    EXPECT_EQ(diffs, (Tvl_Array<int>{3, -13, 7}));
    EXPECT_EQ(diffs.removeAll(99), 0);
    EXPECT_EQ(diffs.length(), 3);
}

TEST(TvlArray, LogicalLengthCopiesAndNesting) {
    Tvl_StringArray a{L"a", L"b", L"c"};
    a.setLogicalLength(5);
    EXPECT_EQ(a.length(), 5);
    EXPECT_EQ(a[4], L"");
    a.setLogicalLength(1);
    EXPECT_EQ(a.length(), 1);
    a.setLogicalLength(-3);
    EXPECT_TRUE(a.isEmpty());

    Tvl_Array<Tvl_StringArray> rows;
    rows.append(Tvl_StringArray{L"1", L"2"});
    Tvl_Array<Tvl_StringArray> copy = rows;
    copy[0][1] = L"changed";
    EXPECT_EQ(rows[0][1], L"2"); // copies are deep
    rows.append(rows);
    EXPECT_EQ(rows.length(), 2);
}

TEST(TvlStringArray, FindAndContainsWithCaseFlag) {
    Tvl_StringArray names{L"Level 1", L"level 2", L"Level 2"};
    int index = 99;
    EXPECT_TRUE(names.find(L"Level 2", index, false));
    EXPECT_EQ(index, 2);
    EXPECT_TRUE(names.find(L"LEVEL 2", index, true));
    EXPECT_EQ(index, 1);
    EXPECT_FALSE(names.find(L"LEVEL 2", index, false));
    EXPECT_EQ(index, -1);
    EXPECT_TRUE(names.contains(L"level 1", true));
    EXPECT_FALSE(names.contains(L"level 1"));
}

TEST(TvlArray, MessagesReachTheHostCommandLineVerbatim) {
    auto mark = host::commandLine().mark();
    Tvl_Array<int> a;
    a.removeAt(0);
    corePrint(L"100% %s %d\n"); // printed as text, never used as a format
    EXPECT_EQ(host::commandLine().textSince(mark),
              L"*Error* Invalid index passed to remove.\n100% %s %d\n");
}
