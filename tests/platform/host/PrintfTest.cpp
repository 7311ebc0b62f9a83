#include "platform/host/Printf.h"
#include "platform/host/AcEd.h"
#include "platform/host/CommandLine.h"

#include <gtest/gtest.h>

namespace {

TEST(Printf, ConversionsTheModulesUse) {
    using host::formatPrintfV;
    EXPECT_EQ(formatPrintfV(L"Message from Spread! Code:%i\n", 17),
              L"Message from Spread! Code:17\n");
    EXPECT_EQ(formatPrintfV(L"Loading spreadsheet:%s\n", L"c:\\a\\t3.kws"),
              L"Loading spreadsheet:c:\\a\\t3.kws\n");
    EXPECT_EQ(formatPrintfV(L"%f|%.2f|%.0f|%e", 1.5, 2.346, 2.5, 1234.5),
              L"1.500000|2.35|2|1.234500e+03");
    EXPECT_EQ(formatPrintfV(L"%d%%", -7), L"-7%");
    EXPECT_EQ(formatPrintfV(L"[%5s][%-5s][%.2s]", L"ab", L"ab", L"abcdef"), L"[   ab][ab   ][ab]");
    EXPECT_EQ(formatPrintfV(L"[%05d][%+d][%x][%X][%o]", 42, 3, 255, 255, 8),
              L"[00042][+3][ff][FF][10]");
    EXPECT_EQ(formatPrintfV(L"[%*d][%-*d][%.*f]", 4, 7, 3, 7, 1, 0.25), L"[   7][7  ][0.2]");
    EXPECT_EQ(
        formatPrintfV(L"%I64d %lld %ld %hd %zu", 1LL << 40, -(1LL << 40), 5L, 70000, size_t{9}),
        L"1099511627776 -1099511627776 5 4464 9");
    EXPECT_EQ(formatPrintfV(L"%c%c%C", L'\u00e9', L'x', 'y'), L"\u00e9xy");
    EXPECT_EQ(formatPrintfV(L"%S|%hs", "narrow", "caf\xc3\xa9"), L"narrow|caf\u00e9");
    EXPECT_EQ(formatPrintfV(L"%S", "caf\xe9"), L"caf\u00e9"); // not UTF-8: Windows-1252
}

TEST(Printf, UnsafeOrWrongFormatsDoNoHarm) {
    using host::formatPrintfV;
    int written = 12345;
    EXPECT_EQ(formatPrintfV(L"a%nb", &written), L"ab");
    EXPECT_EQ(written, 12345);
    EXPECT_EQ(formatPrintfV(L"%s|%S", static_cast<const wchar_t*>(nullptr),
                            static_cast<const char*>(nullptr)),
              L"(null)|(null)");
    EXPECT_EQ(formatPrintfV(L"%y and %", 1), L"%y and %");
    EXPECT_EQ(host::formatPrintfV(nullptr), L"");
}

TEST(Printf, CommandLineKeepsOutputVerbatimAndCounts) {
    host::CommandLine& line = host::commandLine();
    line.clear();
    EXPECT_EQ(acutPrintf(L"Delayed timer called.\n"), 22);
    const auto mark = line.mark();
    acutPrintf(L"Result is %.2f", 3.14159);
    acutPrintf(L" and more\n");
    EXPECT_EQ(line.text(), L"Delayed timer called.\nResult is 3.14 and more\n");
    EXPECT_EQ(line.textSince(mark), L"Result is 3.14 and more\n");
    acedPostCommandPrompt();
    acedPostCommandPrompt();
    acedUpdateDisplay();
    EXPECT_EQ(line.promptCount(), 2);
    EXPECT_EQ(line.updateDisplayCount(), 1);
    line.clear();
    EXPECT_EQ(line.promptCount(), 0);
}

} // namespace
