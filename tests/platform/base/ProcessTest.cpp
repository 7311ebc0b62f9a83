#include "platform/base/Process.h"

#include "platform/base/Files.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

using namespace base;
namespace fs = std::filesystem;

TEST(Process, SplitCommandLineByWindowsRules) {
    using V = std::vector<std::wstring>;
    EXPECT_EQ(splitCommandLine(L"/ld \"c:\\tvl\\TvlLoader.arx\" /nologo"),
              (V{L"/ld", L"c:\\tvl\\TvlLoader.arx", L"/nologo"}));
    EXPECT_EQ(splitCommandLine(L"  a\t b  "), (V{L"a", L"b"}));
    EXPECT_EQ(splitCommandLine(L""), V{});
    EXPECT_EQ(splitCommandLine(L"\"a b\"c d"), (V{L"a bc", L"d"}));
    EXPECT_EQ(splitCommandLine(L"\"\""), (V{L""}));
    EXPECT_EQ(splitCommandLine(L"a\\\\\"b c\""), (V{L"a\\b c"})); // 2n backslashes: n, quote groups
    EXPECT_EQ(splitCommandLine(L"a\\\"b"), (V{L"a\"b"}));         // 2n+1: literal quote
    EXPECT_EQ(splitCommandLine(L"c:\\x\\ y"), (V{L"c:\\x\\", L"y"})); // plain backslashes stay
    EXPECT_EQ(splitCommandLine(L"\"say \"\"hi\"\"\""), (V{L"say \"hi\""}));
    EXPECT_EQ(splitCommandLine(L"\"unterminated arg"), (V{L"unterminated arg"}));
}

TEST(Process, OwnProgramPathIsThisTest) {
    const fs::path self = ownProgramPath();
    EXPECT_TRUE(self.is_absolute());
    EXPECT_EQ(self.filename(), "base_tests");
}

TEST(Process, StartDetachedRunsWithoutWaitingAndReportsExecFailure) {
    const char* tmp = std::getenv("TVL_TEST_TMP");
    const fs::path dir = fs::path(tmp ? tmp : "/tmp/tvl_base_tests") / "detached";
    fs::remove_all(dir);
    ASSERT_TRUE(createFolder(dir));
    const fs::path out = dir / "out.txt";
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(startDetached(
        "/bin/sh", {"-c", "sleep 0.3; echo \"$1\" > \"$2\"", "sh", "hello world", out.string()}));
    EXPECT_LT(std::chrono::steady_clock::now() - started,
              std::chrono::milliseconds(250)); // did not wait
    // The shell creates the file before it writes to it: wait for the whole line.
    for (int i = 0; i < 100 && readFile(out) != "hello world\n"; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(readFile(out), "hello world\n");

    EXPECT_FALSE(startDetached(dir / "no-such-program", {}));
    ASSERT_TRUE(writeFile(dir / "not-executable", "#!/bin/sh\n"));
    EXPECT_FALSE(startDetached(dir / "not-executable", {}));
}
