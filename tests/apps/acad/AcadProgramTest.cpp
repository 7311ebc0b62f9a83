#include "platform/base/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

fs::path bin() {
    return fs::path(TVL_BINARY_DIR) / "bin";
}

struct Result {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class AcadProgram : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tmp = std::getenv("TVL_TEST_TMP");
        dir = fs::path(tmp && *tmp ? tmp : fs::temp_directory_path().string()) / "acad" /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir);
        fs::create_directories(dir);
        module = (bin() / "hosttest.arx").string();
    }

    void write(const std::string& name, const std::string& text) {
        ASSERT_TRUE(base::writeFile(dir / name, text));
    }

    // Runs `program` (default: the built acad) with arguments (already quoted for the
    // shell) and optional standard input.
    Result run(const std::string& args, const std::string& input = "",
               const std::string& program = "") {
        write("stdin.txt", input);
        const std::string exe = program.empty() ? (bin() / "acad").string() : program;
        const std::string cmd = "cd '" + dir.string() + "' && TVL_PROFILE='" +
                                (dir / "profile.ini").string() + "' LD_LIBRARY_PATH='" +
                                bin().string() + "' '" + exe + "' " + args +
                                " < stdin.txt > stdout.txt 2> stderr.txt";
        const int status = std::system(cmd.c_str());
        Result r;
        r.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        r.out = base::readFile(dir / "stdout.txt").value_or("");
        r.err = base::readFile(dir / "stderr.txt").value_or("");
        return r;
    }

    fs::path dir;
    std::string module;
};

#define EXPECT_HAS(text, fragment) EXPECT_NE((text).find(fragment), std::string::npos) << (text)

TEST_F(AcadProgram, ScriptExitCodesTellTheResult) {
    write("pass.scr", "# a passing script\n"
                      "answer msgbox ok\n"
                      "ASKNAME\n"
                      "click IDOK\n"
                      "type 100 'Ada'\n"
                      "click IDOK\n"
                      "expect output 'Name: Ada'\n");
    Result r = run("/nologo /ld '" + module + "' --script pass.scr");
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_HAS(r.out, "Loaded module " + module + "\n");
    EXPECT_HAS(r.out, "Command: ASKNAME\n");
    EXPECT_HAS(r.out, "Name: Ada\n");
    EXPECT_EQ(r.out.find("CAD host stand-in"), std::string::npos); // /nologo
    EXPECT_HAS(r.out, "hosttest unloaded");                        // modules unloaded at the end

    write("fail.scr", "HELLO\nexpect output 'Goodbye'\nHELLO\n");
    r = run("/nologo /ld '" + module + "' --script fail.scr");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_HAS(r.err, "fail.scr:2: expectation failed: expect output 'Goodbye'");
    EXPECT_EQ(r.out.find("Hello"), r.out.rfind("Hello")); // line 3 did not run

    write("bad.scr", "HELLO\nexpect sunshine\nclick\n");
    r = run("/ld '" + module + "' --script bad.scr");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_HAS(r.err, "bad.scr:2: unknown expectation \"sunshine\"");
    EXPECT_HAS(r.err, "bad.scr:3: usage: click");
    EXPECT_EQ(r.out.find("Hello"), std::string::npos); // nothing ran

    r = run("--script missing.scr");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_HAS(r.err, "missing.scr: cannot read the script");
}

TEST_F(AcadProgram, AHostCommandThatFailsFailsTheScriptAtItsLine) {
    const struct {
        const char* line;
        const char* failure;
    } cases[] = {
        {"LOAD 'not-there.arx'", "s.scr:2: the command \"LOAD\" failed: Cannot load module"},
        {"LOAD", "s.scr:2: the command \"LOAD\" failed: Usage: LOAD"},
        {"UNLOAD 'nothing.arx'", "s.scr:2: the command \"UNLOAD\" failed"},
        {"UNLOAD hosttest.arx", "s.scr:2: the command \"UNLOAD\" failed"}, // locked
        {"NOSUCH", "s.scr:2: unknown command \"NOSUCH\""},
        {"THROW", "s.scr:2: the command \"THROW\" failed: *Error* command THROW failed: "
                  "deliberate failure"},
    };
    ::setenv("HOSTTEST_LOCKED", "1", 1); // the module refuses to be unloaded
    for (const auto& c : cases) {
        write("s.scr", std::string("HELLO\n") + c.line + "\necho 'after the failure'\n");
        const Result r = run("/nologo /ld '" + module + "' --script s.scr");
        EXPECT_EQ(r.exitCode, 1) << c.line << "\n" << r.out << r.err;
        EXPECT_HAS(r.err, c.failure);
        EXPECT_EQ(r.out.find("after the failure"), std::string::npos) << c.line;
    }
    ::unsetenv("HOSTTEST_LOCKED");

    // Typed at the prompt, each failure is reported and the session goes on.
    const Result r = run("/nologo /ld '" + module + "'",
                         "LOAD\nLOAD 'not-there.arx'\nTHROW\nNOSUCH\nclik IDOK\nHELLO\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_HAS(r.err, "input:1: the command \"LOAD\" failed");
    EXPECT_HAS(r.err, "input:3: the command \"THROW\" failed");
    EXPECT_HAS(r.err, "input:4: unknown command \"NOSUCH\"");
    EXPECT_HAS(r.err, "unknown keyword \"clik\"");
    EXPECT_HAS(r.out, "Hello from hosttest");
}

TEST_F(AcadProgram, TheWholeScriptIsCheckedBeforeItsFirstLineRuns) {
    write("bad.scr", "HELLO\n"
                     "clik IDOK\n"
                     "type 8003\n"
                     "expect text 8003\n"
                     "click IDOK IDCANCEL\n"
                     "wait\n"
                     "HELLO\n");
    const Result r = run("/nologo /ld '" + module + "' --script bad.scr");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_HAS(r.err, "bad.scr:2: unknown keyword \"clik\" (did you mean \"click\"?");
    EXPECT_HAS(r.err, "bad.scr:3: usage: type CONTROL TEXT");
    EXPECT_HAS(r.err, "bad.scr:4: usage: expect text CONTROL TEXT");
    EXPECT_HAS(r.err, "bad.scr:5: unknown modifier \"IDCANCEL\"");
    EXPECT_HAS(r.err, "bad.scr:6: usage: wait");
    EXPECT_EQ(r.err.find("bad.scr:1:"), std::string::npos);
    EXPECT_EQ(r.err.find("bad.scr:7:"), std::string::npos);
    EXPECT_EQ(r.out.find("Hello"), std::string::npos); // nothing ran
}

TEST_F(AcadProgram, ModulesFromTheCommandLineAndTheSupportPath) {
    fs::create_directories(dir / "support one");
    fs::create_directories(dir / "support two");
    write("support two/acad.rx", "; modules to load at start\nhosttest.arx\nnot-there.arx\n");
    write("s.scr", "MODULES\nexpect output 'hosttest.arx'\nHELLO\n");
    Result r = run("/s '" + (dir / "support one").string() + ";" + (dir / "support two").string() +
                   "' /ld '" + (bin() / "noentry.arx").string() + "' /strange --script s.scr");
    EXPECT_EQ(r.exitCode, 0) << r.out << r.err;
    EXPECT_HAS(r.out, "CAD host stand-in");
    EXPECT_HAS(r.out, "Loaded module hosttest.arx\n");
    EXPECT_HAS(r.out, "Cannot load module not-there.arx: the file was not found.\n");
    EXPECT_HAS(r.out, "it has no acrxEntryPoint.");
    EXPECT_HAS(r.out, "Hello from hosttest");
    EXPECT_HAS(r.err, "ignored argument \"/strange\"");

    r = run("/ld");
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_HAS(r.err, "/ld needs a value");
}

TEST_F(AcadProgram, CommandsFromStandardInputAndStartupScript) {
    Result r = run("/nologo /ld '" + module + "'",
                   "HELLO\nNOSUCH\nASKNAME\ntype 100 Bo\nclick IDOK\nQUIT\nHELLO\n");
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_HAS(r.out, "Command: HELLO\nHello from hosttest: 42 99.50%\n");
    EXPECT_HAS(r.out, "Unknown command \"NOSUCH\".");
    EXPECT_HAS(r.out, "Your name> type 100 Bo\n");
    EXPECT_HAS(r.out, "Name: Bo\n");
    EXPECT_EQ(r.out.find("Hello"), r.out.rfind("Hello")); // nothing after QUIT

    // startup.scr beside the program runs first.
    fs::create_directories(dir / "app");
    fs::copy_file(bin() / "acad", dir / "app" / "acad");
    write("app/startup.scr", "echo 'startup ran'\nHELLO\n");
    r = run("/nologo /ld '" + module + "'", "HELLO\n", (dir / "app" / "acad").string());
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_HAS(r.out, "startup ran\nCommand: HELLO\nHello from hosttest");

    write("app/startup.scr", "expect output 'never printed'\n");
    r = run("/nologo", "", (dir / "app" / "acad").string());
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_HAS(r.err, "startup.scr:1: expectation failed");
}

} // namespace
