#include <gtest/gtest.h>

#include <vector>

#include "apps/kwsheet/ConvertCommand.h"
#include "apps/kwsheet/ShowCommand.h"
#include "tests/apps/kwsheet/CapturedRun.h"
#include "tests/platform/grid/engine/io/TestFiles.h"

namespace {

using kwsheettest::runCaptured;

TEST(KwsheetConvertShow, ConvertsBetweenEveryKindAndShowsCells) {
    std::string dir = grid::test::scratchDir("kwsheet-convert");
    grid::test::writeAll(dir + "/in.csv", "Naam,Lengte\r\nBalk,2.5\r\nKolom,\"1,000\"\r\n");
    ASSERT_EQ(runCaptured(runConvert, {dir + "/in.csv", dir + "/doc.kws"}), 0);
    for (const char* out : {"out.csv", "out.txt", "out.htm", "OUT.XLS", "out.html"})
        EXPECT_EQ(runCaptured(runConvert, {dir + "/doc.kws", dir + "/" + out}), 0) << out;
    EXPECT_EQ(grid::test::readAll(dir + "/out.csv"),
              "Naam,Lengte\r\nBalk,2.5\r\nKolom,\"1,000\"\r\n");
    EXPECT_EQ(grid::test::readAll(dir + "/out.txt"), "Naam|Lengte\r\nBalk|2.5\r\nKolom|1,000\r\n");
    EXPECT_NE(grid::test::readAll(dir + "/out.htm").find("<td>Kolom</td>"), std::string::npos);
    EXPECT_EQ(grid::test::readAll(dir + "/OUT.XLS").substr(0, 4), "\xD0\xCF\x11\xE0");

    std::string out;
    EXPECT_EQ(runCaptured(runShow, {dir + "/doc.kws"}, &out), 0);
    EXPECT_EQ(out, "A1\tNaam\nB1\tLengte\nA2\tBalk\nB2\t2.5\nA3\tKolom\nB3\t1,000\n");
    EXPECT_EQ(runCaptured(runShow, {dir + "/in.csv", "B2", "A3", "D9"}, &out), 0);
    EXPECT_EQ(out, "B2\t2.5\nA3\tKolom\nD9\t\n");
}

TEST(KwsheetConvertShow, BadInputGivesOneLineAndNonZero) {
    std::string dir = grid::test::scratchDir("kwsheet-bad");
    grid::test::writeAll(dir + "/not.kws", "plain text");
    grid::test::writeAll(dir + "/ok.csv", "1\r\n");
    struct Case {
        int (*command)(int, char**);
        std::vector<std::string> args;
        int rc;
    } cases[] = {
        {runConvert, {}, 2},
        {runConvert, {dir + "/ok.csv"}, 2},
        {runConvert, {dir + "/ok.csv", dir + "/out.doc"}, 2},
        {runConvert, {dir + "/out.xls", dir + "/x.kws"}, 2},
        {runConvert, {dir + "/not.kws", dir + "/x.csv"}, 1},
        {runConvert, {dir + "/missing.csv", dir + "/x.csv"}, 1},
        {runConvert, {dir + "/ok.csv", dir + "/no/such/dir/x.kws"}, 1},
        {runShow, {}, 2},
        {runShow, {dir + "/ok.csv", "B0"}, 2},
        {runShow, {dir + "/ok.csv", "hello"}, 2},
        {runShow, {dir + "/not.kws"}, 1},
    };
    for (const Case& c : cases) {
        std::string out, err;
        EXPECT_EQ(runCaptured(c.command, c.args, &out, &err), c.rc)
            << (c.args.empty() ? "" : c.args[0]);
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_EQ(err.rfind("kwsheet: ", 0), 0u) << err;
        EXPECT_TRUE(out.empty());
    }
    EXPECT_FALSE(grid::test::fileExists(dir + "/x.csv"));
}

} // namespace
