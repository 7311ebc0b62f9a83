#include "core/StringHelpers.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

TEST(StringHelpers, SplitAndJoin) {
    Tvl_StringArray list;
    strToArr(L"a;;b;", L";", list);
    EXPECT_EQ(list, (Tvl_StringArray{L"a", L"", L"b", L""}));
    EXPECT_EQ(arrToStr(list, L";"), L"a;;b;");
    strToArr(L"", L";", list);
    EXPECT_TRUE(list.isEmpty());
    strToArr(L"a::b", L"::", list);
    EXPECT_EQ(list, (Tvl_StringArray{L"a", L"b"}));
    strToArr(L"abc", L"", list);
    EXPECT_EQ(list, (Tvl_StringArray{L"abc"}));

    Tvl_String head, rest;
    EXPECT_TRUE(splitStringAtSymbol(L"a;b;c", L';', head, rest));
    EXPECT_EQ(head, L"a");
    EXPECT_EQ(rest, L"b;c");
    EXPECT_FALSE(splitStringAtSymbol(L"abc", L';', head, rest));
    EXPECT_EQ(head, L"abc");
    EXPECT_EQ(rest, L"");
    // The output may be the input itself.
    Tvl_String line(L"x|y|z");
    EXPECT_TRUE(splitStringAtSymbol(line, L'|', head, line));
    EXPECT_EQ(head, L"x");
    EXPECT_EQ(line, L"y|z");

    EXPECT_EQ(append(L"Object ", 2), L"Object 2");
    EXPECT_EQ(append(L"", -1), L"-1");
}

TEST(StringHelpers, NumberRecognition) {
    struct Case {
        const wchar_t* text;
        bool number;
    } cases[] = {
        {L"12", true},     {L"-1.5", true}, {L"+.5", true},  {L" 7 ", true},  {L"1e3", true},
        {L"1.5E-2", true}, {L"5.", true},   {L"", false},    {L".", false},   {L"-", false},
        {L"1e", false},    {L"1,5", false}, {L"12a", false}, {L"a12", false}, {L"1 2", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(isNumber(c.text), c.number) << Tvl_String(c.text).toUtf8();

    EXPECT_TRUE(startsWithNumber(L"1abc"));
    EXPECT_FALSE(startsWithNumber(L"a1"));
    EXPECT_FALSE(startsWithNumber(L""));
    int pos = 99;
    EXPECT_TRUE(findFirstNumbers(L"HEA100", pos));
    EXPECT_EQ(pos, 3);
    EXPECT_FALSE(findFirstNumbers(L"HEA", pos));
    EXPECT_EQ(pos, -1);
}

TEST(StringHelpers, NonExistingNamesAreFreshAndDeterministic) {
    Tvl_StringArray existing{L"1",    L"2",         L"Beam9",      L"beam10",
                             L"A009", L"New table", L"New table1", L"x99"};
    struct Case {
        const wchar_t* proposal;
        const wchar_t* expected;
    } cases[] = {
        {L"Free", L"Free"}, {L"1", L"3"},
        {L"", L"3"},        {L"Beam9", L"Beam11"},
        {L"A009", L"A010"}, {L"New table", L"New table2"},
        {L"X99", L"X100"},  {L"NEW TABLE1", L"NEW TABLE2"},
    };
    for (const Case& c : cases) {
        Tvl_String got = findNonExistingString(existing, c.proposal);
        EXPECT_EQ(got, c.expected) << Tvl_String(c.proposal).toUtf8();
        EXPECT_FALSE(existing.contains(got, true));
    }
    Tvl_StringArray nines{L"99999999999999999999999"};
    EXPECT_EQ(findNonExistingString(nines, L"99999999999999999999999"),
              L"100000000000000000000000");
}

TEST(StringHelpers, ListsOfFieldsRoundTrip) {
    EXPECT_EQ(stringArr(L"a", L"b", L"c"), (Tvl_StringArray{L"a", L"b", L"c"}));
    EXPECT_EQ(stringArr(L"0", L"1", L"2", L"3"), (Tvl_StringArray{L"0", L"1", L"2", L"3"}));
    EXPECT_EQ(stringArr(L"a", L"", L"b"), (Tvl_StringArray{L"a", L"", L"b"}));
    EXPECT_TRUE(stringArr(L"").isEmpty());

    const wchar_t sep = 0xBF;
    Tvl_StringArray lines{Tvl_String(L"HEA100\u00BF6000\u00BF2"), Tvl_String(L""),
                          Tvl_String(L"\u00BF\u00BF")};
    Tvl_Array<Tvl_StringArray> rows;
    arrToArrArr(lines, sep, rows);
    ASSERT_EQ(rows.length(), 3);
    EXPECT_EQ(rows[0], (Tvl_StringArray{L"HEA100", L"6000", L"2"}));
    EXPECT_EQ(rows[1], (Tvl_StringArray{L""}));
    EXPECT_EQ(rows[2], (Tvl_StringArray{L"", L"", L""}));
    Tvl_StringArray back;
    arrArrToArr(rows, sep, back);
    EXPECT_EQ(back, lines);

    Tvl_StringArray target{L"x"};
    appStrs(target, Tvl_StringArray{L"y", L"z"});
    appStrs(target, target);
    EXPECT_EQ(target, (Tvl_StringArray{L"x", L"y", L"z", L"x", L"y", L"z"}));
}
