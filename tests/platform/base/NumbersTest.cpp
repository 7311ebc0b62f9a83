#include "platform/base/Numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

using namespace base;

namespace {

// Runs the body under a locale with a decimal comma when the system has one.
struct CommaLocale {
    CommaLocale() {
        for (const char* name : {"de_DE.UTF-8", "nl_NL.UTF-8", "fr_FR.UTF-8"})
            if (std::setlocale(LC_ALL, name))
                break;
    }
    ~CommaLocale() { std::setlocale(LC_ALL, "C"); }
};

} // namespace

TEST(Numbers, FormattingUsesThePointWhateverTheLocale) {
    CommaLocale comma;
    EXPECT_EQ(formatC("%.2f", 3.14159), "3.14");
    EXPECT_EQ(formatC("%d|%5.1f|%g", 42, -2.25, 1e20), "42| -2.2|1e+20");
    EXPECT_EQ(formatFixed(2.5, 0), "2");
    EXPECT_EQ(formatFixed(-0.125, 2), "-0.12");
    EXPECT_EQ(formatFixed(1234567.891, 5), "1234567.89100");
    EXPECT_EQ(formatFixedW(0.1, 2), L"0.10");
    EXPECT_EQ(formatC("%s", std::string(1000, 'x').c_str()).size(), 1000u);
}

TEST(Numbers, WideFormatUsesWideStringConversions) {
    CommaLocale comma;
    EXPECT_EQ(formatW(L"%s has %i items (%d%%)", L"list \u00e9", 3, -7),
              L"list \u00e9 has 3 items (-7%)");
    EXPECT_EQ(formatW(L"%.2f / %f", 1.005, 0.5), L"1.00 / 0.500000");
    EXPECT_EQ(formatW(L"[%c][%S][%ls][%5s]", L'\u20ac', "n\xC3\xA9", L"w", L"ab"),
              L"[\u20ac][n\u00e9][w][   ab]");
    EXPECT_EQ(formatW(L"%I64d %x", static_cast<long long>(1) << 40, 255u), L"1099511627776 ff");
    EXPECT_EQ(formatW(L"%s", std::wstring(5000, L'q').c_str()).size(), 5000u);
    EXPECT_EQ(formatW(L"plain"), L"plain");
}

TEST(Numbers, ParseDoubleTakesTheLeadingNumberElseZero) {
    CommaLocale comma;
    struct Case {
        const wchar_t* text;
        double value;
        size_t used;
    };
    const Case cases[] = {
        {L"3.5", 3.5, 3}, {L"  -2.25mm", -2.25, 7}, {L"1e3", 1000, 3},
        {L"1e", 1, 1},    {L"1e+", 1, 1},           {L".5", 0.5, 2},
        {L"5.", 5, 2},    {L"+.e1", 0, 0},          {L"abc", 0, 0},
        {L"", 0, 0},      {L"3,5", 3, 1},           {L"\t\n7", 7, 3},
        {L"inf", 0, 0},   {L"nan", 0, 0},           {L"0x10", 0, 1},
        {L"-", 0, 0},     {L"1.5E-2x", 0.015, 6},
    };
    for (const auto& c : cases) {
        size_t used = 99;
        EXPECT_DOUBLE_EQ(parseDouble(c.text, &used), c.value) << c.text;
        EXPECT_EQ(used, c.used) << c.text;
    }
    EXPECT_EQ(parseDouble(L"1e999"), HUGE_VAL);
    EXPECT_EQ(parseDouble(L"-1e999"), -HUGE_VAL);
    EXPECT_EQ(parseDouble(L"1e-999"), 0.0);
    EXPECT_DOUBLE_EQ(parseDouble(std::string_view("12.75 kg")), 12.75);
}

TEST(Numbers, ParseIntClampsLikeTheRuntime) {
    EXPECT_EQ(parseInt(L" 42abc"), 42);
    EXPECT_EQ(parseInt(L"-17"), -17);
    EXPECT_EQ(parseInt(L"3.9"), 3);
    EXPECT_EQ(parseInt(L"x1"), 0);
    EXPECT_EQ(parseInt(L"99999999999"), 2147483647);
    EXPECT_EQ(parseInt(L"-99999999999"), -2147483647 - 1);
    EXPECT_EQ(parseLongLong(L"99999999999"), 99999999999LL);
}
