#include "core/MacroData.h"

#include <gtest/gtest.h>

#include <memory>

TEST(MacroData, FlagsTravelWithCopies) {
    MacroData a;
    EXPECT_FALSE(a.busy());
    EXPECT_FALSE(a.closed());
    a.setBusy(true);
    a.setClosed(true);

    MacroData b(a);
    EXPECT_TRUE(b.busy());
    EXPECT_TRUE(b.closed());
    MacroData c;
    c = b;
    c = c;
    EXPECT_TRUE(c.busy());
    b.setBusy(false);
    EXPECT_TRUE(c.busy());

    // Deleting through the base pointer is allowed (virtual destructor).
    std::unique_ptr<MacroData> owned = std::make_unique<MacroData>(a);
    EXPECT_TRUE(owned->closed());
    static_assert(std::has_virtual_destructor_v<MacroData>);
}
