#include "core/Tvl_Settings.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class CleanEnvironment : public ::testing::Test {
protected:
    void SetUp() override { clear(); }
    void TearDown() override { clear(); }
    static void clear() {
        for (const char* v : {"TVL_DIR", "TVL_LIB_DIR", "TVL_LANGUAGE"})
            unsetenv(v);
        gSettings.reload();
    }
};

void writeText(const std::filesystem::path& p, const std::string& text) {
    std::ofstream(p, std::ios::binary) << text;
}

} // namespace

TEST_F(CleanEnvironment, FoldersComeFromTheModuleLocation) {
    // The test links zelcor.arx from the build's bin folder.
    const char* bin = std::getenv("TVL_BINARY_DIR");
    ASSERT_NE(bin, nullptr);
    Tvl_String expected = productForm(std::filesystem::path(bin) / "bin") + L"\\";
    EXPECT_EQ(gSettings.tvlDir(), expected);
    EXPECT_EQ(gSettings.libDir(), expected + L"tvllib\\");
}

TEST_F(CleanEnvironment, EnvironmentOverridesFolders) {
    setenv("TVL_DIR", "/opt/tvl", 1);
    setenv("TVL_LIB_DIR", "d:\\Library", 1);
    gSettings.reload();
    EXPECT_EQ(gSettings.tvlDir(), L"\\opt\\tvl\\");
    EXPECT_EQ(gSettings.libDir(), L"d:\\Library\\");

    unsetenv("TVL_LIB_DIR");
    gSettings.reload();
    EXPECT_EQ(gSettings.libDir(), L"\\opt\\tvl\\tvllib\\");
}

TEST_F(CleanEnvironment, LanguageFollowsTheLauncherSettings) {
    auto dir = scratchDir("settings-language");
    setenv("TVL_DIR", dir.c_str(), 1);

    struct Case {
        const char* what;
        const char* cfg;    // null: no file
        const char* defset; // null: no file
        const char* expected;
    } cases[] = {
        {"nothing", nullptr, nullptr, "EN"},
        {"cfg, last line wins", "tvllib=c:\\lib\\\nLanguage=DE\nlanguage=fr\n", nullptr, "FR"},
        {"defset wins over cfg", "language=DE\n", "x\nWorkLanguage = NL\r\n", "NL"},
        {"empty defset value wins too", "language=DE\n", "worklanguage = \n", "EN"},
        {"needs the blanks", "language=DE\n", "worklanguage=NL\n", "DE"},
        {"unknown code", "language=XX\n", nullptr, "EN"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(dir / "tvlv6.cfg");
        std::filesystem::remove(dir / "defset.dat");
        if (c.cfg)
            writeText(dir / "tvlv6.cfg", c.cfg);
        if (c.defset)
            writeText(dir / "defset.dat", c.defset);
        gSettings.reload();
        EXPECT_EQ(gSettings.language(), Tvl_String::fromUtf8(c.expected)) << c.what;
    }

    setenv("TVL_LANGUAGE", "de", 1);
    gSettings.reload();
    EXPECT_EQ(gSettings.language(), L"DE");
    EXPECT_TRUE(gSettings.setLanguage(L"fr"));
    EXPECT_EQ(gSettings.language(), L"FR");
    EXPECT_FALSE(gSettings.setLanguage(L"Dutch"));
    EXPECT_EQ(gSettings.language(), L"FR");
}
