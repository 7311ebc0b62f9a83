#include "platform/base/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace base;

namespace {

struct RootGuard {
    explicit RootGuard(const char* root) { setDriveRoot(root); }
    ~RootGuard() { setDriveRoot({}); }
};

} // namespace

TEST(Paths, ProductToNativeTable) {
    RootGuard guard("/srv/drives/");
    struct Case {
        const wchar_t* product;
        const char* native;
    };
    const Case cases[] = {
        {L"c:\\a\\t3.kws", "/srv/drives/c/a/t3.kws"},
        {L"C:\\A\\", "/srv/drives/c/A/"},
        {L"c:", "/srv/drives/c"},
        {L"c:\\", "/srv/drives/c/"},
        {L"d:rel\\x", "/srv/drives/d/rel/x"},
        {L"c:/mixed\\seps/", "/srv/drives/c/mixed/seps/"},
        {L"\\\\server\\share\\x.txt", "/srv/drives/unc/server/share/x.txt"},
        {L"\\opt\\cad\\", "/opt/cad/"},
        {L"/opt/cad/", "/opt/cad/"},
        {L"rel\\b.txt", "rel/b.txt"},
        {L"", ""},
        {L"\u00e9t\u00e9\\x", "\xC3\xA9t\xC3\xA9/x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toNative(std::wstring_view(c.product)).string(), c.native);
    EXPECT_EQ(toNative(std::string_view("c:\\a")).string(), "/srv/drives/c/a");
}

TEST(Paths, NativeToProductInvertsTheMapping) {
    RootGuard guard("/srv/drives");
    EXPECT_EQ(toProduct("/srv/drives/c/a/t3.kws"), L"c:\\a\\t3.kws");
    EXPECT_EQ(toProduct("/srv/drives/c"), L"c:\\");
    EXPECT_EQ(toProduct("/srv/drives/unc/server/share"), L"\\\\server\\share");
    EXPECT_EQ(toProduct("/srv/drives/cc/x"), L"\\srv\\drives\\cc\\x"); // not a drive
    EXPECT_EQ(toProduct("/opt/cad/"), L"\\opt\\cad\\");
    EXPECT_EQ(toProduct("/srv/drivesX/c"), L"\\srv\\drivesX\\c");
    for (const wchar_t* p : {L"c:\\a\\b.txt", L"\\\\s\\sh\\f", L"\\tmp\\x\\"})
        EXPECT_EQ(toProduct(toNative(std::wstring_view(p))), p);
}

TEST(Paths, RootComesFromApiThenEnvironment) {
    setDriveRoot({});
    ::setenv("TVL_DRIVE_ROOT", "/env/root", 1);
    EXPECT_EQ(toNative(std::wstring_view(L"e:\\f")).string(), "/env/root/e/f");
    {
        RootGuard guard("/api/root");
        EXPECT_EQ(toNative(std::wstring_view(L"e:\\f")).string(), "/api/root/e/f");
    }
    EXPECT_EQ(driveRoot(), "/env/root");
    ::unsetenv("TVL_DRIVE_ROOT");
    EXPECT_FALSE(driveRoot().empty());
}

TEST(Paths, TextHelpers) {
    EXPECT_EQ(productFolder(L"c:\\a\\b.txt"), L"c:\\a\\");
    EXPECT_EQ(productFolder(L"b.txt"), L"");
    EXPECT_EQ(productFileName(L"c:\\a\\b.txt"), L"b.txt");
    EXPECT_EQ(productFileName(L"c:\\a\\"), L"");
    EXPECT_EQ(productJoin(L"c:\\a\\", L"\\b.txt"), L"c:\\a\\b.txt");
    EXPECT_EQ(productJoin(L"c:\\a", L"b.txt"), L"c:\\a\\b.txt");
    EXPECT_EQ(productJoin(L"", L"b.txt"), L"b.txt");
}
