// The built Trevlon in a temporary launcher folder, with a recorder program standing
// in for acad.exe and Setvora.exe.

#include "platform/base/Encoding.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const fs::path kBin = fs::path(TVL_BINARY_DIR) / "bin";

class LauncherRun : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tmp = std::getenv("TVL_TEST_TMP");
        m_root = fs::path(tmp ? tmp : "/tmp/launcher_e2e") /
                 ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(m_root);
        m_folder = m_root / "Trevlon";
        m_cad = m_root / "cad";
        ASSERT_TRUE(base::createFolder(m_folder));
        ASSERT_TRUE(base::createFolder(m_cad));
        ASSERT_TRUE(base::copyFile(kBin / "Trevlon", m_folder / "Trevlon"));
        ASSERT_TRUE(base::copyFile(kBin / "trevlon_test_recorder", m_cad / "acad.exe"));
        ASSERT_TRUE(base::copyFile(kBin / "trevlon_test_recorder", m_folder / "Setvora.exe"));
        touch("TvlLoader.arx");
    }

    void touch(const char* name) { ASSERT_TRUE(base::writeFile(m_folder / name, "")); }
    void settings(const std::string& text) {
        ASSERT_TRUE(base::writeFile(m_folder / "tvlv6.cfg", text));
    }

    // Runs the launcher; returns its standard error.
    std::string run(unsigned splashMs = 50, const std::string& extraEnv = "") {
        const fs::path err = m_root / "stderr.txt";
        const std::string cmd = "cd / && env TREVLON_SPLASH_MS=" + std::to_string(splashMs) +
                                " LD_LIBRARY_PATH='" + kBin.string() + "' " + extraEnv + " '" +
                                (m_folder / "Trevlon").string() + "' 2>'" + err.string() + "'";
        const auto start = std::chrono::steady_clock::now();
        m_status = std::system(cmd.c_str());
        m_elapsed = std::chrono::steady_clock::now() - start;
        return base::readFile(err).value_or("<no stderr file>");
    }

    // The arguments a recorder was started with; nullopt when it was not started.
    static std::optional<std::vector<std::string>> recorded(const fs::path& program,
                                                            int waitMs = 3000) {
        const fs::path file = program.string() + ".args";
        for (int waited = 0; !base::pathExists(file) && waited < waitMs; waited += 20)
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        return base::readLines(file);
    }

    // The launcher folder as the launcher names it: product form, ending with a backslash.
    std::string productFolder() const { return base::toUtf8(base::toProduct(m_folder)) + "\\"; }

    fs::path m_root, m_folder, m_cad;
    int m_status = -1;
    std::chrono::steady_clock::duration m_elapsed{};
};

} // namespace

TEST_F(LauncherRun, GoodSettingsStartTheHostWithTheLoaderAndWaitForTheSplash) {
    settings("tvllib=/opt/lib\nacaddir=" + m_cad.string() + "/\nlanguage=NL\n");
    const std::string err = run(400);
    EXPECT_EQ(m_status, 0);
    EXPECT_EQ(err, "");
    EXPECT_GE(m_elapsed, std::chrono::milliseconds(400)); // the splash timer ran out first
    const auto args = recorded(m_cad / "acad.exe");
    ASSERT_TRUE(args);
    EXPECT_EQ(*args,
              (std::vector<std::string>{"/ld", productFolder() + "TvlLoader.arx", "/nologo"}));
    EXPECT_FALSE(recorded(m_folder / "Setvora.exe", 0));
}

TEST_F(LauncherRun, DriveLetterLocationsMapBelowTheDriveRoot) {
    const fs::path drives = m_root / "drives";
    ASSERT_TRUE(base::createFolder(drives / "c" / "Program Files" / "cad"));
    ASSERT_TRUE(base::copyFile(kBin / "trevlon_test_recorder",
                               drives / "c" / "Program Files" / "cad" / "acad.exe"));
    touch("Acad2000");
    touch("zelcor.arx");
    settings("tvllib=c:\\lib\r\nACADDIR=C:/Program Files/cad/\r\n");
    const std::string err = run(50, "TVL_DRIVE_ROOT='" + drives.string() + "'");
    EXPECT_EQ(err, "");
    const auto args = recorded(drives / "c" / "Program Files" / "cad" / "acad.exe");
    ASSERT_TRUE(args);
    const std::string cad = "C:\\Program Files\\cad\\", me = productFolder();
    EXPECT_EQ(*args,
              (std::vector<std::string>{"/s",
                                        cad + "support;" + cad + "express;" + cad + "fonts;" + cad +
                                            "help;" + me + ";" + me + "icons",
                                        "/nologo"}));
}

TEST_F(LauncherRun, WrongSettingsAreReportedOnStandardErrorAndSetvoraStarts) {
    settings("tvllib=\nacaddir=" + m_cad.string() + "\n"); // no trailing separator
    const std::string err = run();
    EXPECT_EQ(m_status, 0);
    EXPECT_EQ(err, "Brindmark Settings: The following setting(s) are incorrect:\n\n"
                   "      - location of the Brindmark Library\n"
                   "      - location of AutoCAD\n"
                   "\nPlease correct it in the dialog box that follows.\n");
    const auto args = recorded(m_folder / "Setvora.exe");
    ASSERT_TRUE(args);
    EXPECT_TRUE(args->empty());
    EXPECT_FALSE(recorded(m_cad / "acad.exe", 0));
}

TEST_F(LauncherRun, MissingProgramFileIsReportedThenTheHostStarts) {
    fs::remove(m_folder / "TvlLoader.arx");
    settings("tvllib=x\nacaddir=" + m_cad.string() + "/\n");
    const std::string err = run();
    EXPECT_EQ(err, "Brindmark Startup: Brindmark program files not found.\n\nYou may have to "
                   "reinstall Brindmark.\n\n");
    EXPECT_TRUE(recorded(m_cad / "acad.exe"));
}

TEST_F(LauncherRun, NoSettingsAndNoSetvoraShowsNothing) {
    fs::remove(m_folder / "Setvora.exe");
    EXPECT_EQ(run(), "");
    EXPECT_EQ(m_status, 0);
    EXPECT_FALSE(recorded(m_cad / "acad.exe", 200));
}

TEST(SplashSnapshot, ToolWritesThePictureOfTheWholeWindow) {
    const char* tmp = std::getenv("TVL_TEST_TMP");
    const fs::path dir = fs::path(tmp ? tmp : "/tmp/launcher_e2e") / "snapshot";
    fs::remove_all(dir);
    ASSERT_TRUE(base::createFolder(dir));
    const fs::path png = dir / "splash.png";
    const std::string cmd = "LD_LIBRARY_PATH='" + kBin.string() + "' '" +
                            (kBin / "trevlon_splash_snapshot").string() + "' '" + png.string() +
                            "' NL >/dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    const auto bytes = base::readFile(png);
    ASSERT_TRUE(bytes);
    ASSERT_GT(bytes->size(), 24u);
    EXPECT_EQ(bytes->substr(0, 8), "\x89PNG\r\n\x1A\n");
    auto be32 = [&](size_t at) {
        return (static_cast<unsigned char>((*bytes)[at]) << 24) |
               (static_cast<unsigned char>((*bytes)[at + 1]) << 16) |
               (static_cast<unsigned char>((*bytes)[at + 2]) << 8) |
               static_cast<unsigned char>((*bytes)[at + 3]);
    };
    EXPECT_EQ(be32(16), 540); // 360 dialog units of an 8-point font
    EXPECT_NEAR(be32(20), 357, 1);
    EXPECT_NE(
        std::system(("'" + (kBin / "trevlon_splash_snapshot").string() + "' 2>/dev/null").c_str()),
        0); // usage
}

TEST_F(LauncherRun, SettingsFilesThatAreNotPlainTextFilesGiveTheReportQuickly) {
    const fs::path cfg = m_folder / "tvlv6.cfg";
    const std::string report = "Brindmark Settings: The following setting(s) are incorrect:";
    struct Case {
        const char* name;
        std::function<void()> make;
    };
    const Case cases[] = {
        {"8 GiB sparse", [&] { base::writeFile(cfg, ""), fs::resize_file(cfg, 8ull << 30); }},
        {"200 MB sparse", [&] { base::writeFile(cfg, ""), fs::resize_file(cfg, 200ull << 20); }},
        {"link to /dev/zero", [&] { fs::create_symlink("/dev/zero", cfg); }},
        {"FIFO", [&] { ASSERT_EQ(::mkfifo(cfg.c_str(), 0600), 0); }},
        {"a folder", [&] { fs::create_directory(cfg); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove_all(cfg);
        fs::remove(m_folder / "Setvora.exe.args");
        c.make();
        const std::string err = run(0);
        EXPECT_EQ(m_status, 0);
        EXPECT_EQ(err.rfind(report, 0), 0u) << err;
        EXPECT_LT(m_elapsed, std::chrono::seconds(5));
        EXPECT_TRUE(recorded(m_folder / "Setvora.exe"));
    }
    fs::remove_all(cfg);

    // The same for the defaults file: good settings start the host all the same.
    settings("tvllib=/opt/lib\nacaddir=" + m_cad.string() + "/\nlanguage=NL\n");
    ASSERT_EQ(::mkfifo((m_folder / "defset.dat").c_str(), 0600), 0);
    EXPECT_EQ(run(0), "");
    EXPECT_TRUE(recorded(m_cad / "acad.exe"));
}

TEST_F(LauncherRun, EveryPartOfALocationComparesWithoutRegardToCase) {
    ASSERT_TRUE(base::createFolder(m_root / "Deep" / "Folder"));
    ASSERT_TRUE(
        base::copyFile(kBin / "trevlon_test_recorder", m_root / "Deep" / "Folder" / "ACAD.EXE"));
    settings("tvllib=/opt/lib\nacaddir=" + m_root.string() + "/deep/FOLDER/\n");
    EXPECT_EQ(run(0), "");
    EXPECT_TRUE(recorded(m_root / "Deep" / "Folder" / "ACAD.EXE"));
}

TEST_F(LauncherRun, AClosedStandardErrorDoesNotStopTheStart) {
    settings("tvllib=\nacaddir=/nowhere/\n"); // the report goes to standard error
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    ::close(fds[0]); // nobody reads: every write gets EPIPE (SIGPIPE by default)
    const pid_t child = ::fork();
    if (child == 0) {
        ::dup2(fds[1], 2);
        ::setenv("TREVLON_SPLASH_MS", "0", 1);
        ::setenv("LD_LIBRARY_PATH", kBin.c_str(), 1);
        const std::string exe = (m_folder / "Trevlon").string();
        ::execl(exe.c_str(), exe.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
    EXPECT_TRUE(recorded(m_folder / "Setvora.exe"));
}

TEST_F(LauncherRun, AFolderNameThatIsNotUtf8IsReported) {
    const fs::path odd = m_root / "Tr\xFF\xFEvlon";
    ASSERT_TRUE(base::createFolder(odd));
    for (const char* name : {"Trevlon", "TvlLoader.arx", "Setvora.exe"})
        ASSERT_TRUE(base::copyFile(m_folder / name, odd / name));
    ASSERT_TRUE(base::writeFile(odd / "tvlv6.cfg", "tvllib=/l\nacaddir=" + m_cad.string() + "/\n"));
    const fs::path err = m_root / "odd-stderr.txt";
    const std::string cmd = "cd / && env TREVLON_SPLASH_MS=0 LD_LIBRARY_PATH='" + kBin.string() +
                            "' '" + (odd / "Trevlon").string() + "' 2>'" + err.string() + "'";
    EXPECT_EQ(std::system(cmd.c_str()), 0);
    EXPECT_EQ(base::readFile(err).value_or(""),
              "Brindmark Startup: The name of the Brindmark program folder is not valid UTF-8 "
              "text.\n\nMove Brindmark to a folder with a readable name.\n\n");
    EXPECT_FALSE(recorded(m_cad / "acad.exe", 200));
    EXPECT_FALSE(recorded(odd / "Setvora.exe", 0));
}
