#include "platform/host/CommandRegistry.h"
#include "platform/host/AcEd.h"
#include "platform/host/AcEdCommandStack.h"
#include "platform/host/CommandLine.h"
#include "platform/host/CommandProcessor.h"
#include "platform/host/HostTesting.h"

#include <gtest/gtest.h>

namespace {

int g_calls = 0;
void first() {
    g_calls += 1;
}
void second() {
    g_calls += 100;
}
void removesItself() {
    acedRegCmds->removeGroup(L"SELF");
    g_calls += 1000;
}

class CommandStack : public ::testing::Test {
protected:
    void SetUp() override {
        host::resetHostForTests();
        g_calls = 0;
    }
    void TearDown() override { host::resetHostForTests(); }
    host::CommandProcessor processor;
};

TEST_F(CommandStack, RegistersThroughTheSystemRegistryAndRefusesBadInput) {
    ASSERT_NE(acedRegCmds, nullptr);
    ASSERT_NE(acrxDynamicLinker, nullptr);
    EXPECT_EQ(acrxSysRegistry()->at(L"NoSuchService"), nullptr);

    EXPECT_EQ(acedRegCmds->addCommand(L"TREVLON_KW", L"TEST", L"TEST", ACRX_CMD_MODAL, first),
              Acad::eOk);
    EXPECT_EQ(acedRegCmds->addCommand(L"trevlon_kw", L"test", L"OTHER", ACRX_CMD_MODAL, second),
              Acad::eDuplicateKey);
    EXPECT_EQ(acedRegCmds->addCommand(L"", L"X", L"X", ACRX_CMD_MODAL, first), Acad::eInvalidInput);
    EXPECT_EQ(acedRegCmds->addCommand(L"G", nullptr, L"X", ACRX_CMD_MODAL, first),
              Acad::eInvalidInput);
    EXPECT_EQ(acedRegCmds->addCommand(L"G", L"X", L"X", ACRX_CMD_MODAL, nullptr),
              Acad::eInvalidInput);
    ASSERT_EQ(host::commands().all().size(), 1u);
    const host::Command& c = host::commands().all()[0];
    EXPECT_EQ(c.fcode, -1);
    EXPECT_EQ(c.flags, ACRX_CMD_MODAL);
    EXPECT_EQ(c.resourceHandle, nullptr);
}

TEST_F(CommandStack, LookupByLocalGlobalGroupAndMostRecent) {
    acedRegCmds->addCommand(L"ONE", L"RUN", L"LOOP", ACRX_CMD_MODAL, first);
    acedRegCmds->addCommand(L"TWO", L"RUN", L"REN", ACRX_CMD_MODAL, second);

    EXPECT_EQ(host::commands().find(L"run")->function, second); // most recent group wins
    EXPECT_EQ(host::commands().find(L"one.run")->function, first);
    EXPECT_EQ(host::commands().find(L"loop")->function, first); // local name
    EXPECT_EQ(host::commands().find(L"_loop"), nullptr);        // '_' = global names only
    EXPECT_EQ(host::commands().find(L"_RUN")->function, second);
    EXPECT_EQ(host::commands().find(L"TWO.LOOP"), nullptr);
    EXPECT_EQ(host::commands().find(L""), nullptr);

    EXPECT_EQ(acedRegCmds->removeCmd(L"TWO", L"RUN"), Acad::eOk);
    EXPECT_EQ(host::commands().find(L"run")->function, first);
    EXPECT_EQ(acedRegCmds->removeGroup(L"one"), Acad::eOk);
    EXPECT_EQ(acedRegCmds->removeGroup(L"ONE"), Acad::eNotInGroup);
    EXPECT_EQ(acedRegCmds->removeCmd(L"NONE", L"RUN"), Acad::eNotInGroup);
    EXPECT_EQ(host::commands().find(L"run"), nullptr);
}

TEST_F(CommandStack, ProcessorRunsCommandsAndBuiltIns) {
    acedRegCmds->addCommand(L"ONE", L"RUN", L"RUN", ACRX_CMD_MODAL, first);
    acedRegCmds->addCommand(L"SELF", L"GONE", L"GONE", ACRX_CMD_MODAL, removesItself);

    EXPECT_EQ(processor.execute({L"run"}), host::CommandOutcome::Done);
    EXPECT_EQ(processor.execute({L"GONE"}),
              host::CommandOutcome::Done); // removes its own group while running
    EXPECT_EQ(g_calls, 1001);
    EXPECT_EQ(processor.execute({L"GONE"}), host::CommandOutcome::Unknown);
    EXPECT_TRUE(host::commandLine().contains(L"Unknown command \"GONE\".\n"));

    EXPECT_EQ(processor.execute({L"RUN", L"extra"}), host::CommandOutcome::Done);
    EXPECT_TRUE(host::commandLine().contains(L"takes no arguments"));
    EXPECT_EQ(processor.execute({L"COMMANDS"}), host::CommandOutcome::Done);
    EXPECT_TRUE(host::commandLine().contains(L"ONE"));
    EXPECT_EQ(processor.execute({L"MODULES"}), host::CommandOutcome::Done);
    EXPECT_TRUE(host::commandLine().contains(L"No modules loaded.\n"));
    EXPECT_EQ(processor.execute({L"LOAD"}), host::CommandOutcome::Failed);
    EXPECT_EQ(processor.execute({L"quit"}), host::CommandOutcome::Quit);
}

TEST_F(CommandStack, CommandsReadTheRestOfTheirLine) {
    static std::wstring got[3];
    static int results[3];
    acedRegCmds->addCommand(L"ARGS", L"TWO", L"TWO", ACRX_CMD_MODAL, [] {
        ACHAR buf[8];
        results[0] = acedGetString(0, L"First: ", buf, 8);
        got[0] = buf;
        results[1] = acedGetString(0, L"Second: ", buf, 8);
        got[1] = buf;
    });
    acedRegCmds->addCommand(L"ARGS", L"LINE", L"LINE", ACRX_CMD_MODAL, [] {
        ACHAR buf[8];
        results[2] = acedGetString(1, L"Name: ", buf, 8);
        got[2] = buf;
    });
    EXPECT_EQ(processor.execute({L"TWO", L"a", L"b", L"c"}), host::CommandOutcome::Done);
    EXPECT_EQ(results[0], RTNORM);
    EXPECT_EQ(got[0], L"a");
    EXPECT_EQ(got[1], L"b");
    EXPECT_TRUE(host::commandLine().contains(L"First: a\n"));
    EXPECT_TRUE(host::commandLine().contains(L"takes fewer arguments"));
    // Nothing left on the line: as Enter on an empty prompt.
    EXPECT_EQ(processor.execute({L"TWO", L"x"}), host::CommandOutcome::Done);
    EXPECT_EQ(results[1], RTNONE);
    EXPECT_EQ(got[1], L"");
    // The rest of the line, and a buffer exactly one character too small.
    EXPECT_EQ(processor.execute({L"LINE", L"ab", L"cde"}), host::CommandOutcome::Done);
    EXPECT_EQ(results[2], RTNORM);
    EXPECT_EQ(got[2], L"ab cde");
    EXPECT_EQ(processor.execute({L"LINE", L"abcd", L"efg"}), host::CommandOutcome::Done);
    EXPECT_EQ(results[2], RTERROR);
    EXPECT_EQ(got[2], L"");
}

} // namespace
