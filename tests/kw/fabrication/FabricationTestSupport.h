#pragma once
// The fabrication dialogs' tests: the frame's fixture with a private library folder.

#include "../frame/FrameTestSupport.h"

#include "core/Tvl_Settings.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"

#include <fstream>

class FabricationTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        m_lib = m_tmp / "lib";
        std::filesystem::create_directories(m_lib);
        setenv("TVL_LIB_DIR", (m_lib.string() + "/").c_str(), 1);
        gSettings.reload();
    }
    void TearDown() override {
        FrameTest::TearDown();
        unsetenv("TVL_LIB_DIR");
        gSettings.reload();
    }
    // The product form of a path below the library.
    Tvl_String libPath(const std::string& relative) const {
        return gSettings.libDir() + Tvl_String::fromUtf8(relative);
    }
    void writeLibFile(const std::string& relative, const std::string& bytes) {
        const std::filesystem::path p = m_lib / relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << bytes;
    }
    std::string readLibFile(const std::string& relative) const {
        std::ifstream in(m_lib / relative, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    std::filesystem::path m_lib;
};
