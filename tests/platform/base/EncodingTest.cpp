#include "platform/base/Encoding.h"

#include <gtest/gtest.h>

using namespace base;

TEST(Encoding, Utf8RoundTripsEveryPlane) {
    const std::wstring text = L"a\u00e9\u20ac\U0001F600z";
    const std::string utf8 = toUtf8(text);
    EXPECT_EQ(utf8, "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(fromUtf8(utf8), text);
    EXPECT_TRUE(isValidUtf8(utf8));
}

TEST(Encoding, BrokenUtf8BecomesReplacementNotCrash) {
    struct Case {
        const char* bytes;
        std::wstring expected;
    };
    const Case cases[] = {
        {"\xC3", L"\uFFFD"}, // truncated
        {"\xC3"
         "A",
         L"\uFFFD"
         L"A"},                          // continuation missing
        {"\xC0\xAF", L"\uFFFD\uFFFD"},   // overlong lead byte is never valid
        {"\xE0\x80\xAF", L"\uFFFD"},     // overlong three-byte form
        {"\xED\xA0\x80", L"\uFFFD"},     // surrogate
        {"\xF4\x90\x80\x80", L"\uFFFD"}, // above U+10FFFF
        {"\x80x", L"\uFFFDx"},           // stray continuation
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fromUtf8(c.bytes), c.expected) << c.bytes;
        EXPECT_FALSE(isValidUtf8(c.bytes)) << c.bytes;
    }
    EXPECT_TRUE(isValidUtf8("\xEF\xBF\xBD"));
    // Wide values that are not scalar values are written as U+FFFD.
    std::wstring bad;
    bad += static_cast<wchar_t>(0xD800);
    bad += static_cast<wchar_t>(0x110000);
    EXPECT_EQ(toUtf8(bad), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(Encoding, EightBitCodePagesDifferOnlyIn0x80To0x9F) {
    EXPECT_EQ(fromLatin1("\x80\xA4\xE9"), std::wstring(L"\u0080\u00A4\u00E9"));
    EXPECT_EQ(fromCp1252("\x80\xA4\xE9\x93\x94\x81"),
              std::wstring(L"\u20AC\u00A4\u00E9\u201C\u201D\u0081"));
    EXPECT_EQ(toCp1252(L"\u20AC\u00A4\u2014"), "\x80\xA4\x97");
    EXPECT_EQ(toLatin1(L"\u20AC\u00A4"), "?\xA4");
    EXPECT_EQ(to8Bit(L"\u4E2D", CodePage::Windows1252, '#'), "#");
    // Every byte survives a round trip through both code pages.
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(toLatin1(fromLatin1(all)), all);
    EXPECT_EQ(toCp1252(fromCp1252(all)), all);
}

TEST(Encoding, CaseFoldingIgnoresProcessLocale) {
    EXPECT_EQ(toLower(L"TvlLIB \u00C9\u00D7"), L"tvllib \u00E9\u00D7");
    EXPECT_EQ(toUpper(L"acaddir=\u00e9"), L"ACADDIR=\u00C9");
    EXPECT_TRUE(equalsNoCase(L"WorkLanguage = ", L"worklanguage = "));
    EXPECT_FALSE(equalsNoCase(L"language", L"languag"));
    EXPECT_FALSE(equalsNoCase(L"a=", L"a "));
}
