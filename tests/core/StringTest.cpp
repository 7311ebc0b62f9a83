#include "TestSupport.h"
#include "core/Tvl_String.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(TvlString, NumbersBecomeDecimalTextWithCLocaleRounding) {
    EXPECT_EQ(Tvl_String(740), L"740");
    EXPECT_EQ(Tvl_String(-5), L"-5");
    EXPECT_EQ(Tvl_String(static_cast<long>(1234567890123L)), L"1234567890123");
    EXPECT_EQ(Tvl_String(static_cast<short>(-32768)), L"-32768");
    EXPECT_EQ(Tvl_String(3.14159, 3), L"3.142");
    EXPECT_EQ(Tvl_String(2.0, 2), L"2.00");
    EXPECT_EQ(Tvl_String(12.5, 5), L"12.50000");
    EXPECT_EQ(Tvl_String(0.125, 2), L"0.12"); // exact half: printf rounds to even
    EXPECT_EQ(Tvl_String(1.5, -3), L"2");     // negative decimals count as 0
    EXPECT_EQ(Tvl_String(-0.004, 2), L"-0.00");

    // A process locale with a decimal comma must not change the product's numbers.
    const char* old = std::setlocale(LC_NUMERIC, nullptr);
    std::string saved = old ? old : "C";
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") || std::setlocale(LC_NUMERIC, "nl_NL.UTF-8")) {
        EXPECT_EQ(Tvl_String(1.25, 2), L"1.25");
        EXPECT_DOUBLE_EQ(Tvl_String(L"1.25").toDouble(), 1.25);
        EXPECT_EQ(Tvl_String::format(L"%.1f", 0.5), L"0.5");
    }
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(TvlString, ComparisonWithAndWithoutCase) {
    Tvl_String s(L"*Varieert*");
    EXPECT_TRUE(s.equal(L"*VARIEERT*", true));
    EXPECT_FALSE(s.equal(L"*VARIEERT*", false));
    EXPECT_TRUE(Tvl_String(L"Überhöhung é").equal(L"ÜBERHÖHUNG É", true));
    EXPECT_TRUE(Tvl_String(L"ДОМ").equal(L"дом", true));
    EXPECT_FALSE(Tvl_String(L"abc").equal(L"abcd", true));
    EXPECT_EQ(Tvl_String(L"a").compare(L"B", true), -1);
    EXPECT_EQ(Tvl_String(L"a").compare(L"B", false), 1);

    Tvl_String lib(L"C:\\Tvl\\Lib\\prof\\HEA.pr");
    EXPECT_TRUE(lib.startsWith(L"c:\\tvl\\lib\\", true));
    EXPECT_FALSE(lib.startsWith(L"c:\\tvl\\lib\\", false));
    EXPECT_TRUE(lib.endsWith(L".PR", true));
    EXPECT_FALSE(lib.endsWith(L"x" + lib, true)); // longer than the text
    EXPECT_TRUE(lib.startsWith(L""));
}

TEST(TvlString, SubstringsAreClippedNeverFaulty) {
    Tvl_String s(L"HEA100");
    EXPECT_EQ(s.getSubStringAt(0, 3), L"HEA");
    EXPECT_EQ(s.getSubStringAt(3), L"100");
    EXPECT_EQ(s.getSubStringAt(4, 100), L"00");
    EXPECT_EQ(s.getSubStringAt(6, 1), L"");
    EXPECT_EQ(s.getSubStringAt(99, 1), L"");
    EXPECT_EQ(s.getSubStringAt(-2, 4), L"HE");
    EXPECT_EQ(s.left(-1), L"");
    EXPECT_EQ(s.right(3), L"100");
    EXPECT_EQ(s.right(50), L"HEA100");
    EXPECT_EQ(s.at(6), 0);
    EXPECT_EQ(s[-1], 0);
    EXPECT_EQ(s.find(L"A1"), 2);
    EXPECT_EQ(s.find(L"a1", 0, true), 2);
    EXPECT_EQ(s.find(L"0", 5), 5);
    EXPECT_EQ(s.find(L"0", 7), -1);
    EXPECT_EQ(s.find(L""), 0);
    EXPECT_EQ(s.findLast(L'0'), 5);
    EXPECT_EQ(s.findOneOf(L"0123456789"), 3);
}

TEST(TvlString, EditingRespectsRanges) {
    Tvl_String s(L"-Flex");
    EXPECT_TRUE(s.removeAt(0));
    EXPECT_EQ(s, L"Flex");
    EXPECT_FALSE(s.removeAt(4));
    EXPECT_FALSE(s.removeAt(-1));
    EXPECT_TRUE(s.removeAt(2, 100));
    EXPECT_EQ(s, L"Fl");
    EXPECT_TRUE(s.insertAt(2, L"ex"));
    EXPECT_TRUE(s.insertAt(0, L'-'));
    EXPECT_FALSE(s.insertAt(6, L"x"));
    EXPECT_EQ(s, L"-Flex");

    Tvl_String t(L"aaaa");
    EXPECT_EQ(t.replaceSubString(L"aa", L"a"), 2); // non-overlapping, left to right
    EXPECT_EQ(t, L"aa");
    Tvl_String header(L"Page &P of &N, &p");
    EXPECT_EQ(header.replaceSubString(L"&p", L"3", true), 2);
    EXPECT_EQ(header, L"Page 3 of &N, 3");
    EXPECT_EQ(header.replaceSubString(L"", L"x"), 0);
    Tvl_String grow(L"x");
    EXPECT_EQ(grow.replaceSubString(L"x", L"xx"), 1); // the replacement is not searched again
    EXPECT_EQ(grow, L"xx");

    Tvl_String blanks(L" \t a b \r\n");
    EXPECT_EQ(blanks.trimmed(), L"a b");
    EXPECT_EQ(Tvl_String(L"  x ").trimLeft(), L"x ");
    EXPECT_EQ(Tvl_String(L"ÿstraße").upper(), L"ŸSTRAßE");
    EXPECT_EQ(Tvl_String(L"ÀÉÎ").lower(), L"àéî");
}

TEST(TvlString, NumbersReadLikeTheRuntime) {
    EXPECT_EQ(Tvl_String(L"12abc").toInt(), 12);
    EXPECT_EQ(Tvl_String(L"abc").toInt(), 0);
    EXPECT_EQ(Tvl_String(L"  -7").toInt(), -7);
    EXPECT_EQ(Tvl_String(L"99999999999").toInt(), 2147483647);
    EXPECT_DOUBLE_EQ(Tvl_String(L" 3.5e2x").toDouble(), 350.0);
    EXPECT_DOUBLE_EQ(Tvl_String(L"1,5").toDouble(), 1.0);
    EXPECT_DOUBLE_EQ(Tvl_String(L"").toDouble(), 0.0);

    double d = -1;
    int i = -1;
    EXPECT_TRUE(Tvl_String(L" 2.25 ").toDouble(d));
    EXPECT_DOUBLE_EQ(d, 2.25);
    EXPECT_FALSE(Tvl_String(L"2.25x").toDouble(d));
    EXPECT_FALSE(Tvl_String(L"").toInt(i));
    EXPECT_FALSE(Tvl_String(L"3000000000").toInt(i));
    EXPECT_EQ(i, -1);
}

TEST(TvlString, ConcatenationFormatAndUtf8) {
    Tvl_String s = Tvl_String(L"Offset") + L" " + Tvl_String(2);
    s += L'!';
    EXPECT_EQ(s, L"Offset 2!");
    EXPECT_EQ(L"<" + s + L">", L"<Offset 2!>");
    EXPECT_EQ(Tvl_String::format(L"%s=%d (%.2f) %S", L"n", 3, 1.005, "x"), L"n=3 (1.00) x");
    EXPECT_EQ(Tvl_String::fromChar(L'-', 3), L"---");
    EXPECT_EQ(Tvl_String(L"é€𝄞").toUtf8(), "\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E");
    EXPECT_EQ(Tvl_String::fromUtf8("\xC3\xA9\xFF"), L"é\uFFFD");
    EXPECT_EQ(Tvl_String(static_cast<const wchar_t*>(nullptr)), L"");
    EXPECT_EQ(Tvl_String(L"abcdef", 3), L"abc");
    EXPECT_EQ(Tvl_String(L"ab", 10), L"ab");
}
