#include "platform/host/Profile.h"

#include "TestPaths.h"
#include "platform/base/Files.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir = hosttest::scratch(::testing::UnitTest::GetInstance()->current_test_info()->name());
        file = dir / "acad-profile.ini";
        host::profile().setPath(file);
    }
    void TearDown() override { host::profile().setPath({}); }

    int read(const char* key, int def = -99) {
        return host::profile().getInt(host::Profile::kSection, base(key), def);
    }
    static std::wstring base(const char* s) { return std::wstring(s, s + std::strlen(s)); }

    fs::path dir;
    fs::path file;
};

TEST_F(ProfileTest, PutThenGetSurvivesAReread) {
    auto& p = host::profile();
    EXPECT_EQ(read("DLG_MACRO_CUTS_LEFT"), -99); // no file yet
    EXPECT_TRUE(p.putInt(L"TREVLONV8", L"DLG_MACRO_CUTS_LEFT", 120));
    EXPECT_TRUE(p.putInt(L"TREVLONV8", L"DLG_MACRO_CUTS_TOP", -5));
    EXPECT_TRUE(p.putInt(L"TREVLONV8", L"dlg_macro_cuts_left", 130)); // same key, any case
    EXPECT_TRUE(p.putString(L"Other", L"Name", L"caf\u00e9"));
    p.reload();
    EXPECT_EQ(read("DLG_MACRO_CUTS_LEFT"), 130);
    EXPECT_EQ(read("DLG_MACRO_CUTS_TOP"), -5);
    EXPECT_EQ(p.getString(L"OTHER", L"name", L""), L"caf\u00e9");
    EXPECT_EQ(*base::readFile(file), "[TREVLONV8]\nDLG_MACRO_CUTS_LEFT=130\nDLG_MACRO_CUTS_TOP=-"
                                     "5\n\n[Other]\nName=caf\xc3\xa9\n");
    // Names that would break the file are refused.
    EXPECT_FALSE(p.putInt(L"TREVLONV8", L"A=B", 1));
    EXPECT_FALSE(p.putString(L"TREVLONV8", L"K", L"two\nlines"));
    EXPECT_FALSE(p.putInt(L"]", L"K", 1));
}

TEST_F(ProfileTest, DamagedFilesGiveDefaultsAndKeepWhatIsReadable) {
    const struct {
        const char* what;
        std::string bytes;
        int expectGood; // value of key GOOD, -99 = default
    } cases[] = {
        {"empty", "", -99},
        {"binary", "\x00\x01\xff\xfe[TREVLONV8]\x00GOOD=1"s, -99},
        {"no section", "GOOD=5\n", -99},
        {"no equals sign", "[TREVLONV8]\nGOOD 5\n", -99},
        {"unterminated header", "[TREVLONV8\nGOOD=5\n", -99},
        {"not a number", "[TREVLONV8]\nGOOD=12abc\n", -99},
        {"too big", "[TREVLONV8]\nGOOD=99999999999999999999\n", -99},
        {"invalid UTF-8 line skipped", "[TREVLONV8]\nBAD\xff=1\nGOOD=7\n", 7},
        {"BOM, CRLF and blanks", "\xEF\xBB\xBF; comment\r\n[ TREVLONV8 ]\r\n  GOOD = 8 \r\n", 8},
        {"last one wins", "[TREVLONV8]\nGOOD=1\nGOOD=2\n", 2},
        {"truncated", "[TREVLONV8]\nGOOD=3\nOTHER=", 3},
        {"windows line ends", "[TREVLONV8]\r\nGOOD=9\r\n", 9},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(base::writeFile(file, c.bytes));
        host::profile().reload();
        EXPECT_EQ(read("GOOD"), c.expectGood) << c.what;
    }
    ASSERT_TRUE(base::writeFile(file, "\xEF\xBB\xBF[TREVLONV8]\nGOOD=4\n"));
    host::profile().reload();
    EXPECT_EQ(read("GOOD"), 4);
    // Writing over a damaged file keeps the readable entries and drops the rest.
    ASSERT_TRUE(base::writeFile(file, "junk\n[TREVLONV8]\nGOOD=1\n\x01\x02\n"));
    host::profile().reload();
    EXPECT_TRUE(host::profile().putInt(L"TREVLONV8", L"NEW", 2));
    EXPECT_EQ(*base::readFile(file), "[TREVLONV8]\nGOOD=1\nNEW=2\n");
}

TEST_F(ProfileTest, UnwritableLocationFailsThePutButKeepsTheValueForThisRun) {
    ASSERT_TRUE(base::writeFile(dir / "plain-file", "x"));
    host::profile().setPath(dir / "plain-file" / "acad-profile.ini");
    EXPECT_FALSE(host::profile().putInt(L"TREVLONV8", L"A", 5));
    EXPECT_EQ(read("A"), 5);
}

TEST_F(ProfileTest, FailedWriteLeavesTheOldFile) {
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores folder permissions";
    ASSERT_TRUE(host::profile().putInt(L"TREVLONV8", L"A", 1));
    ASSERT_EQ(chmod(dir.c_str(), 0500), 0);
    EXPECT_FALSE(host::profile().putInt(L"TREVLONV8", L"A", 2));
    EXPECT_EQ(read("A"), 2); // kept in memory for this run
    chmod(dir.c_str(), 0700);
    EXPECT_EQ(*base::readFile(file), "[TREVLONV8]\nA=1\n");
}

TEST_F(ProfileTest, LocationFollowsTheEnvironment) {
    host::profile().setPath({});
    setenv("TVL_PROFILE", (dir / "env.ini").c_str(), 1);
    EXPECT_EQ(host::Profile::defaultPath(), dir / "env.ini");
    EXPECT_TRUE(host::profile().putInt(L"TREVLONV8", L"X", 3));
    EXPECT_TRUE(fs::exists(dir / "env.ini"));
    unsetenv("TVL_PROFILE");
    setenv("XDG_CONFIG_HOME", dir.c_str(), 1);
    EXPECT_EQ(host::Profile::defaultPath(), dir / "trevlon" / "acad-profile.ini");
    unsetenv("XDG_CONFIG_HOME");
}

} // namespace
