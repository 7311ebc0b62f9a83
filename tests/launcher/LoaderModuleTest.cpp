// TvlLoader.arx loaded by the host's module loader: it must load the product's
// modules from its own folder, core module first.

#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/host/HostTesting.h"
#include "platform/host/ModuleLoader.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace fs = std::filesystem;

namespace {

const fs::path kBin = fs::path(TVL_BINARY_DIR) / "bin";

class LoaderModule : public ::testing::Test {
protected:
    void SetUp() override {
        host::resetHostForTests();
        const char* tmp = std::getenv("TVL_TEST_TMP");
        m_folder = fs::path(tmp ? tmp : "/tmp/launcher_loader") /
                   ::testing::UnitTest::GetInstance()->current_test_info()->name() /
                   "Program Files" / "Trevlon";
        fs::remove_all(m_folder);
        ASSERT_TRUE(base::createFolder(m_folder));
        ASSERT_TRUE(base::copyFile(kBin / "TvlLoader.arx", m_folder / "TvlLoader.arx"));
    }
    void TearDown() override { host::resetHostForTests(); }

    void addModule(const char* name) {
        ASSERT_TRUE(base::copyFile(kBin / "trevlon_test_module.arx", m_folder / name));
    }

    fs::path m_folder;
};

} // namespace

TEST_F(LoaderModule, LoadsCoreThenDialogsModuleFromItsOwnFolder) {
    addModule("zelcor.arx");
    addModule("KW.arx");
    auto& loader = host::moduleLoader();
    ASSERT_EQ(loader.load(base::toProduct(m_folder / "TvlLoader.arx")), host::LoadResult::Loaded);
    const auto modules = loader.modules();
    ASSERT_EQ(modules.size(), 3u);
    // The loader's init message loads the others before the loader itself is done.
    std::vector<std::wstring> names;
    for (auto* m : modules)
        names.push_back(m->name);
    EXPECT_EQ(names[1], L"zelcor.arx");
    EXPECT_EQ(names[2], L"KW.arx");
    EXPECT_EQ(loader.find(L"KW.arx")->nativePath, m_folder / "KW.arx");
    EXPECT_EQ(loader.find(L"zelcor.arx")->nativePath, m_folder / "zelcor.arx");
    EXPECT_FALSE(loader.find(L"TvlLoader.arx")->locked);
}

TEST_F(LoaderModule, AMissingModuleDoesNotStopTheOthers) {
    addModule("KW.arx"); // no zelcor.arx
    auto& loader = host::moduleLoader();
    EXPECT_EQ(loader.load(base::toProduct(m_folder / "TvlLoader.arx")), host::LoadResult::Loaded);
    EXPECT_EQ(loader.find(L"zelcor.arx"), nullptr);
    ASSERT_NE(loader.find(L"KW.arx"), nullptr);
}
