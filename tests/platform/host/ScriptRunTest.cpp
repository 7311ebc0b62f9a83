#include "platform/host/AcEd.h"
#include "platform/host/CommandLine.h"
#include "platform/host/CommandProcessor.h"
#include "platform/host/HostTesting.h"
#include "platform/host/ModuleLoader.h"
#include "platform/host/ScriptDriver.h"
#include "platform/host/StepSource.h"

#include "TestPaths.h"
#include "platform/base/Encoding.h"
#include "platform/base/Files.h"
#include "platform/ui/Application.h"
#include "platform/ui/Window.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Outcome {
    bool ok = false;
    std::vector<std::string> failures;
    std::string joined() const {
        std::string s;
        for (const auto& f : failures)
            s += f + "\n";
        return s;
    }
};

class ScriptRun : public ::testing::Test {
protected:
    void SetUp() override {
        host::resetHostForTests();
        ui::app().resetForTests();
        ASSERT_EQ(
            host::moduleLoader().load(base::fromUtf8(hosttest::binary("hosttest.arx").string())),
            host::LoadResult::Loaded);
        host::commandLine().clear();
    }
    void TearDown() override {
        host::resetHostForTests();
        ui::app().takeFailures();
        // Nothing of a script may stay behind: no modal loop, no foreign driver.
        EXPECT_EQ(ui::app().modalDepth(), 0);
        EXPECT_EQ(ui::app().driver(), nullptr);
    }

    Outcome run(const std::string& text) {
        host::ParsedScript parsed = host::parseScript(text);
        EXPECT_TRUE(parsed.errors.empty())
            << parsed.errors[0].line << ": " << parsed.errors[0].message;
        host::ScriptStepSource source("test.scr", std::move(parsed.steps));
        host::CommandProcessor processor;
        host::ScriptDriver driver(source, processor);
        Outcome o;
        o.ok = driver.run();
        o.failures = driver.failures();
        return o;
    }
    static bool output(const std::wstring& fragment) {
        return host::commandLine().contains(fragment);
    }
};

TEST_F(ScriptRun, DrivesAModalDialogAsAUserWould) {
    const Outcome o = run("answer msgbox ok\n"
                          "ASKNAME\n"
                          "expect dialog 'Your name'\n"
                          "click IDOK\n" // empty name: a message box, the dialog stays
                          "expect msgbox 'Please give a name.'\n"
                          "type 100 'Ada'\n"
                          "append 100 ' L.'\n"
                          "expect text 100 'Ada L.'\n"
                          "expect focus 100\n"
                          "expect selected 103 -1\n"
                          "select 103 'Dr'\n"
                          "expect selected 103 2\n"
                          "expect text 103 'Dr'\n"
                          "select 103 #1\n"
                          "click 'OK'\n"
                          "expect output \"Title: Ms\\nName: Ada L.\"\n"
                          "expect prompts 1\n"
                          "expect no dialog\n"
                          "HELLO\n"
                          "expect output 'Hello from hosttest: 42 99.50%'\n"
                          "expect no output 'Name:'\n");
    EXPECT_TRUE(o.ok) << o.joined();
    EXPECT_TRUE(output(L"Command: ASKNAME\n"));
}

TEST_F(ScriptRun, AFailedExpectationStopsTheScriptWithItsLine) {
    const Outcome o = run("ASKNAME\n"
                          "type 100 'Ada'\n"
                          "expect text 100 'Bob'\n"
                          "click IDOK\n"
                          "HELLO\n");
    ASSERT_EQ(o.failures.size(), 1u) << o.joined();
    EXPECT_EQ(o.failures[0],
              "test.scr:3: expectation failed: expect text 100 'Bob': control 100 shows \"Ada\"");
    EXPECT_TRUE(output(L"Cancelled\n")); // the open dialog was cancelled
    EXPECT_FALSE(output(L"Hello"));      // the rest was skipped
}

TEST_F(ScriptRun, EachKindOfMistakeIsReportedClearly) {
    const struct {
        const char* script;
        const char* failure;
    } cases[] = {
        {"ASKNAME\ntype 100 'x'\n",
         "test.scr:2: the script ended while the modal dialog \"Your name\""},
        {"ASKNAME\nclick IDOK\n",
         "test.scr:2: the message box \"Please give a name.\" was not answered"},
        {"ASKNAME\nHELLO\n",
         "test.scr:2: host command \"HELLO\" while the modal dialog \"Your name\""},
        {"HELLO\nNOSUCH\n", "test.scr:2: unknown command \"NOSUCH\""},
        {"answer msgbox yes\nHELLO\n", "test.scr:1: this answer was never used: answer msgbox yes"},
        {"answer msgbox yes\nASKNAME\nclick IDOK\n",
         "test.scr:1: the answer Yes does not fit the message box"},
        {"ASKNAME\nclick 4711\n", "has no control 4711"},
        {"click IDOK\n", "test.scr:1: no dialog is open"},
        {"ASKNAME\nexpect focus 103\n",
         "test.scr:2: expectation failed: expect focus 103: the focus is on control 100"},
        {"ASKNAME\nexpect selected 100 0\n", "(Edit) has no item selection"},
        {"answer msgbox ok 'Something else'\nASKNAME\nclick IDOK\n",
         "\"Please give a name.\" was not answered"},
        {"answer point 1 2\nHELLO\n", "answer(s) to picks in the drawing were never used"},
        {"PICK\nclick 102\n", "unanswered pick in the drawing (point): Pick a point: "},
    };
    for (const auto& c : cases) {
        ui::app().takeFailures();
        const Outcome o = run(c.script);
        EXPECT_FALSE(o.ok) << c.script;
        ASSERT_FALSE(o.failures.empty()) << c.script;
        EXPECT_NE(o.failures[0].find(c.failure), std::string::npos) << c.script << "\n"
                                                                    << o.joined();
        EXPECT_EQ(ui::app().modalDepth(), 0);
    }
}

TEST_F(ScriptRun, PicksHideTheDialogAndTimersRunOnTheVirtualClock) {
    const Outcome o = run("answer point 3,4\n"
                          "PICK\n"
                          "click 'Pick point <'\n"
                          "expect output 'Hidden while picking: 1'\n"
                          "expect output 'Picked 3.0,4.0'\n"
                          "expect visible 102\n"
                          "click IDOK\n"
                          "TICK\n"
                          "wait 100\n"
                          "expect output \"Tick\\nTick\\n\"\n"
                          "expect no output \"Tick\\nTick\\nTick\\n\"\n"
                          "wait 500\n"
                          "expect output \"Tick\\nTick\\nTick\\n\"\n");
    EXPECT_TRUE(o.ok) << o.joined();
    EXPECT_EQ(ui::app().pendingTimerCount(), 0);
}

TEST_F(ScriptRun, CommonDialogsAndMenusTakeTheirQueuedAnswers) {
    Outcome o =
        run("answer file 'c:\\new\\t3.kws'\n"
            "answer color 255 128 0\n"
            "answer menu 32812\n"
            "CHOOSE\n"
            "expect output \"File: c:\\\\new\\\\t3.kws\\nColour: 255,128,0\\nMenu: 32812\\n\"\n"
            "answer file cancel\n"
            "answer color cancel\n"
            "answer menu none\n"
            "CHOOSE\n"
            "expect output \"File: (cancelled)\\nColour: (cancelled)\\nMenu: 0\\n\"\n");
    EXPECT_TRUE(o.ok) << o.joined();

    o = run("answer file 'x.kws'\nCHOOSE\n");
    ASSERT_FALSE(o.failures.empty());
    EXPECT_NE(o.failures[0].find("test.scr:2: the colour dialog was not answered"),
              std::string::npos)
        << o.joined();
    EXPECT_TRUE(output(L"Menu: 0\n")); // the rest is cancelled without further failures
    EXPECT_EQ(o.failures.size(), 1u) << o.joined();
}

TEST_F(ScriptRun, ModelessDialogsAndTheKeepFocusMessage) {
    Outcome o = run("MODELESS\n"
                    "dialog Palette\n"
                    "expect check 'Keep focus' 0\n"
                    "hover drawing\n");
    ASSERT_TRUE(o.ok) << o.joined();
    EXPECT_EQ(ui::Window::getFocus(), adsw_acadMainWnd()); // the palette let the focus go

    o = run("dialog Palette\n"
            "check 'Keep focus'\n"
            "hover drawing\n"
            "expect check 'Keep focus' 1\n");
    ASSERT_TRUE(o.ok) << o.joined();
    ui::Window* focus = ui::Window::getFocus();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->topLevel()->text(), L"Palette"); // the palette kept it

    const auto png = hosttest::scratch("snapshot") / "palette.png";
    o = run("dialog Palette\nsnapshot '" + png.string() + "'\nclose\nexpect no dialog\n");
    ASSERT_TRUE(o.ok) << o.joined();
    const auto bytes = base::readFile(png);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->substr(1, 3), "PNG");
}

TEST_F(ScriptRun, InteractiveInputReportsAndGoesOn) {
    std::istringstream in(
        "HELLO\nNOSUCH\nclick\nASKNAME\nHELLO\ntype 100 'Eve'\nclick IDOK\nQUIT\nHELLO\n");
    std::ostringstream prompts, messages;
    host::StreamStepSource source(in, prompts, messages);
    host::CommandProcessor processor;
    host::ScriptDriver driver(source, processor);
    EXPECT_FALSE(driver.run());
    EXPECT_TRUE(driver.quitRequested());
    EXPECT_TRUE(output(L"Name: Eve\n"));
    EXPECT_EQ(driver.failures().size(), 2u); // NOSUCH, HELLO inside the dialog
    EXPECT_NE(messages.str().find("usage: click"), std::string::npos);
    EXPECT_NE(prompts.str().find("Command: "), std::string::npos);
    EXPECT_NE(prompts.str().find("Your name> "), std::string::npos);
    EXPECT_EQ(host::commandLine().text().find(L"Hello"),
              host::commandLine().text().rfind(L"Hello")); // not after QUIT
}

TEST_F(ScriptRun, AModalDialogOnTopOfAChosenModelessOneTakesTheActions) {
    const Outcome o = run("MODELESS\n"
                          "dialog Palette\n"
                          "ASKNAME\n"
                          "type 100 'Kim'\n" // goes to the modal dialog, not the palette
                          "click IDOK\n"
                          "expect output 'Name: Kim'\n"
                          "check 'Keep focus'\n" // the palette again
                          "expect check 'Keep focus' 1\n");
    EXPECT_TRUE(o.ok) << o.joined();
}

TEST_F(ScriptRun, InteractiveMessageBoxIsAskedFor) {
    std::istringstream in("ASKNAME\nclick IDOK\nmaybe\nok\ntype 100 'Al'\nclick IDOK\n");
    std::ostringstream prompts, messages;
    host::StreamStepSource source(in, prompts, messages);
    host::CommandProcessor processor;
    host::ScriptDriver driver(source, processor);
    EXPECT_TRUE(driver.run());
    EXPECT_TRUE(output(L"Message box: Please give a name.\n"));
    EXPECT_TRUE(output(L"Name: Al\n"));
    EXPECT_NE(prompts.str().find("Answer (ok, cancel, yes, no, ...): "), std::string::npos);
}

} // namespace
