#include "platform/host/ModuleLoader.h"
#include "platform/host/AcEd.h"
#include "platform/host/AcRxDynamicLinker.h"
#include "platform/host/CommandLine.h"
#include "platform/host/CommandProcessor.h"
#include "platform/host/CommandRegistry.h"
#include "platform/host/HostTesting.h"

#include "TestPaths.h"
#include "platform/base/Encoding.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"
#include "platform/ui/Application.h"

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;
using host::LoadResult;

class ModuleLoading : public ::testing::Test {
protected:
    void SetUp() override {
        host::resetHostForTests();
        ui::app().resetForTests();
        for (const char* v : {"HOSTTEST_REFUSE_ATTACH", "HOSTTEST_REFUSE_INIT", "HOSTTEST_LOCKED",
                              "HOSTTEST_KEEP_GROUP"})
            unsetenv(v);
    }
    void TearDown() override {
        host::resetHostForTests();
        EXPECT_TRUE(ui::app().takeFailures().empty());
    }
    static std::wstring module(const char* file) {
        return base::fromUtf8(hosttest::binary(file).string());
    }
    static bool output(const std::wstring& fragment) {
        return host::commandLine().contains(fragment);
    }

    host::ModuleLoader& loader = host::moduleLoader();
    host::CommandProcessor processor;
};

TEST_F(ModuleLoading, LoadInitialiseRunUnload) {
    const std::wstring path = module("hosttest.arx");
    ASSERT_EQ(loader.load(path), LoadResult::Loaded);
    EXPECT_EQ(host::commandLine().text(), L"hosttest initialised\nLoaded module " + path + L"\n");
    ASSERT_EQ(loader.modules().size(), 1u);
    const host::Module* m = loader.modules()[0];
    EXPECT_EQ(m->name, L"hosttest.arx");
    EXPECT_FALSE(m->locked);
    EXPECT_TRUE(m->mdiAware);
    EXPECT_EQ(loader.find(L"HOSTTEST.ARX"), m);
    EXPECT_FALSE(acrxDynamicLinker->unlockApplication(reinterpret_cast<void*>(0x1234)));

    EXPECT_EQ(processor.execute({L"hello"}), host::CommandOutcome::Done);
    EXPECT_TRUE(output(L"Hello from hosttest: 42 99.50%\n"));
    EXPECT_EQ(processor.execute({L"THROW"}), host::CommandOutcome::Failed);
    EXPECT_TRUE(output(L"*Error* command THROW failed: deliberate failure\n"));

    EXPECT_EQ(loader.load(path), LoadResult::AlreadyLoaded);
    EXPECT_TRUE(output(L"Module hosttest.arx is already loaded.\n"));
    processor.execute({L"MODULES"});
    EXPECT_TRUE(output(L"  hosttest.arx         unlocked"));

    EXPECT_EQ(processor.execute({L"UNLOAD", L"HostTest.arx"}), host::CommandOutcome::Done);
    EXPECT_TRUE(output(L"hosttest unloaded\nUnloaded module hosttest.arx\n"));
    EXPECT_TRUE(loader.modules().empty());
    EXPECT_TRUE(host::commands().all().empty());
    EXPECT_EQ(processor.execute({L"UNLOAD", L"hosttest.arx"}), host::CommandOutcome::Failed);
    EXPECT_TRUE(output(L"Module hosttest.arx is not loaded.\n"));
}

TEST_F(ModuleLoading, FailuresAreReportedAndTheHostGoesOn) {
    const fs::path dir = hosttest::scratch("failures");
    ASSERT_TRUE(base::writeFile(dir / "garbage.arx", "this is not a library\n"));
    const struct {
        std::wstring path;
        const char* env;
        LoadResult result;
        std::wstring message;
    } cases[] = {
        {L"c:\\nowhere\\missing.arx", nullptr, LoadResult::NotFound, L"the file was not found."},
        {L"missing.arx", nullptr, LoadResult::NotFound, L"the file was not found."},
        {base::fromUtf8((dir / "garbage.arx").string()), nullptr, LoadResult::NotAModule,
         L"not a loadable module ("},
        {module("noentry.arx"), nullptr, LoadResult::NoEntryPoint, L"it has no acrxEntryPoint."},
        {module("oldapi.arx"), nullptr, LoadResult::WrongApiVersion, L"built for API version 1500"},
        {module("hosttest.arx"), "HOSTTEST_REFUSE_ATTACH", LoadResult::AttachRefused,
         L"it refused to attach."},
        {module("hosttest.arx"), "HOSTTEST_REFUSE_INIT", LoadResult::InitRefused,
         L"it refused to initialise."},
    };
    for (const auto& c : cases) {
        host::commandLine().clear();
        if (c.env)
            setenv(c.env, "1", 1);
        EXPECT_EQ(loader.load(c.path), c.result) << base::toUtf8(c.path);
        EXPECT_TRUE(output(L"Cannot load module " + c.path + L": "))
            << base::toUtf8(host::commandLine().text());
        EXPECT_TRUE(output(c.message)) << base::toUtf8(host::commandLine().text());
        EXPECT_TRUE(loader.modules().empty());
        EXPECT_TRUE(host::commands().all().empty()); // a refused init leaves no commands behind
        if (c.env)
            unsetenv(c.env);
    }
    EXPECT_EQ(loader.load(module("hosttest.arx")), LoadResult::Loaded);
}

TEST_F(ModuleLoading, NamesResolveThroughSearchPathAndDriveRoot) {
    loader.setSearchPath({hosttest::binary("")});
    EXPECT_EQ(loader.load(L"HOSTTEST.ARX"),
              LoadResult::Loaded); // names compare without regard to case
    EXPECT_TRUE(host::unloadModule(L"hosttest.arx"));

    const fs::path root = hosttest::scratch("drives");
    fs::create_directories(root / "c" / "trevlon");
    fs::copy_file(hosttest::binary("hosttest.arx"), root / "c" / "trevlon" / "hosttest.arx");
    base::setDriveRoot(root);
    EXPECT_TRUE(acrxLoadModule(L"C:\\trevlon\\HostTest.ARX", true));
    EXPECT_TRUE(output(L"Loaded module C:\\trevlon\\HostTest.ARX\n"));
    EXPECT_TRUE(acrxDynamicLinker->unloadModule(L"c:\\trevlon\\hosttest.arx", false));
    base::setDriveRoot({});
}

TEST_F(ModuleLoading, LockedAndBusyModulesStayLoaded) {
    setenv("HOSTTEST_LOCKED", "1", 1);
    ASSERT_EQ(loader.load(module("hosttest.arx")), LoadResult::Loaded);
    EXPECT_TRUE(acrxDynamicLinker->isApplicationLocked(L"hosttest.arx"));
    EXPECT_EQ(loader.unload(L"hosttest.arx", host::UnloadMode::User), host::UnloadResult::Locked);
    EXPECT_TRUE(output(L"Module hosttest.arx is locked and cannot be unloaded.\n"));
    loader.modules()[0]->busy = 1;
    EXPECT_EQ(loader.unload(L"hosttest.arx", host::UnloadMode::Forced), host::UnloadResult::Busy);
    loader.modules()[0]->busy = 0;
    EXPECT_EQ(loader.unload(L"hosttest.arx", host::UnloadMode::Forced),
              host::UnloadResult::Unloaded);
}

TEST_F(ModuleLoading, WhatAModuleLeftBehindIsRemovedBeforeItGoes) {
    setenv("HOSTTEST_KEEP_GROUP", "1", 1);
    ASSERT_EQ(loader.load(module("hosttest.arx")), LoadResult::Loaded);
    processor.execute({L"MODELESS"});
    const int windowsBefore = ui::app().liveWindowCount();
    EXPECT_EQ(loader.unload(L"hosttest.arx", host::UnloadMode::User), host::UnloadResult::Unloaded);
    EXPECT_TRUE(output(L"Module hosttest.arx left 8 command(s) registered; removed them.\n"));
    EXPECT_TRUE(output(L"Module hosttest.arx left 1 window(s) open; closed them.\n"));
    EXPECT_TRUE(host::commands().all().empty());
    EXPECT_LT(ui::app().liveWindowCount(), windowsBefore);
    EXPECT_EQ(processor.execute({L"HELLO"}), host::CommandOutcome::Unknown);
}

TEST_F(ModuleLoading, AModuleOthersLinkAgainstStaysUntilTheyGo) {
    ASSERT_EQ(loader.load(module("hosttest.arx")), LoadResult::Loaded);
    ASSERT_EQ(loader.load(module("hostdep.arx")), LoadResult::Loaded);
    EXPECT_EQ(processor.execute({L"GREET"}), host::CommandOutcome::Done);
    EXPECT_TRUE(output(L"greetings from hosttest\n"));
    EXPECT_EQ(loader.unload(L"hosttest.arx", host::UnloadMode::User), host::UnloadResult::InUse);
    EXPECT_TRUE(
        output(L"Module hosttest.arx is used by hostdep.arx and cannot be unloaded before it.\n"));
    EXPECT_FALSE(host::unloadModule(L"hosttest.arx"));

    // Loading the dependent first drags the other in as a plain library; loaded as a
    // module afterwards it is the last, yet the shutdown unloads the dependent first.
    loader.unloadAll();
    ASSERT_EQ(loader.load(module("hostdep.arx")), LoadResult::Loaded);
    ASSERT_EQ(loader.load(module("hosttest.arx")), LoadResult::Loaded);
    host::commandLine().clear();
    loader.unloadAll();
    EXPECT_TRUE(loader.modules().empty());
    EXPECT_EQ(host::commandLine().text(), L"hostdep unloaded\nhosttest unloaded\n");
}

} // namespace
