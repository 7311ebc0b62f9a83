#pragma once
// Shared set-up of the module frame's tests: a fresh application state, the module's
// resources in the chain, the command line cleared, and a private profile file.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "kw/frame/ModuleState.h"
#include "platform/host/CommandLine.h"
#include "platform/host/Profile.h"
#include "platform/ui/Application.h"

class FrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        // Texts from the source tree's tables, English, and a private profile file.
        setenv("TVL_LANG_DIR", TVL_SOURCE_DIR "/resources/lang", 1);
        setenv("TVL_LANGUAGE", "EN", 1);
        ui::app().resetForTests();
        kw::attachModule();
        host::commandLine().clear();
        const char* tmp = std::getenv("TVL_TEST_TMP");
        // One scratch folder per test, so files of one test never meet another.
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_tmp = std::filesystem::path(tmp ? tmp : "/tmp/kw_frame_test") / info->test_suite_name() /
                info->name();
        std::filesystem::remove_all(m_tmp);
        std::filesystem::create_directories(m_tmp);
        host::profile().setPath(m_tmp / "profile.ini");
        m_liveAtStart = ui::app().liveWindowCount();
    }
    void TearDown() override {
        EXPECT_TRUE(ui::app().failures().empty())
            << "first failure: " << (ui::app().failures().empty() ? "" : ui::app().failures()[0]);
        EXPECT_EQ(ui::app().modalDepth(), 0);
    }
    std::wstring printed() const { return host::commandLine().text(); }

    std::filesystem::path m_tmp;
    int m_liveAtStart = 0;
};
