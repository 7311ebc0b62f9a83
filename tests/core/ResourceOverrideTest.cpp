#include "core/BmTempResourceOverride.h"

#include "CaptureOutput.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// Distinct fake module handles: only their identity matters here.
ui::ResourceModule* fakeModule(int n) {
    static char storage[4];
    return reinterpret_cast<ui::ResourceModule*>(&storage[n]);
}

} // namespace

TEST(BmTempResourceOverride, NestedPairsBalance) {
    BmTempResourceOverride sw;
    ui::ResourceModule* before = tvlCurrentDefaultResource();
    sw.SaveDefaultResource(fakeModule(1));

    sw.SetDefaultResource();
    EXPECT_EQ(tvlCurrentDefaultResource(), fakeModule(1));
    sw.SetDefaultResource(); // a call-back inside an entry opens another entry
    EXPECT_EQ(sw.depth(), 2);
    sw.RestoreOriginalResource();
    EXPECT_EQ(tvlCurrentDefaultResource(), fakeModule(1)); // still inside the outer entry
    sw.RestoreOriginalResource();
    EXPECT_EQ(tvlCurrentDefaultResource(), before);
    EXPECT_EQ(sw.depth(), 0);

    CaptureOutput out;
    sw.RestoreOriginalResource();
    EXPECT_EQ(out.text(), L"*Error* Resource switch restored without being set.\n");
    EXPECT_EQ(tvlCurrentDefaultResource(), before);
}

TEST(BmTempResourceOverride, TwoModulesInterleaveAndScopesSurviveExceptions) {
    BmTempResourceOverride a, b;
    ui::ResourceModule* before = tvlCurrentDefaultResource();
    a.SaveDefaultResource(fakeModule(1));
    b.SaveDefaultResource(fakeModule(2));
    try {
        BmTempResourceOverride::Scope outer(a);
        {
            BmTempResourceOverride::Scope inner(b);
            EXPECT_EQ(tvlCurrentDefaultResource(), fakeModule(2));
        }
        EXPECT_EQ(tvlCurrentDefaultResource(), fakeModule(1));
        BmTempResourceOverride::Scope again(b);
        throw std::runtime_error("dialog failed");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(tvlCurrentDefaultResource(), before);
    EXPECT_EQ(a.depth(), 0);
    EXPECT_EQ(b.depth(), 0);
}
