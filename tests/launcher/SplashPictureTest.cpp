#include "launcher/SplashPicture.h"

#include <gtest/gtest.h>

using namespace launcher;

namespace {
unsigned le32(const std::vector<std::uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<unsigned>(b[at + 3]) << 24);
}
} // namespace

TEST(SplashPicture, IsA530By348TwentyFourBitBmpLightUnderTheTexts) {
    const auto bmp = splashPictureBmp();
    ASSERT_GE(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(le32(bmp, 2), bmp.size());
    EXPECT_EQ(le32(bmp, 18), 530u);
    EXPECT_EQ(le32(bmp, 22), 348u);
    EXPECT_EQ(bmp[28], 24);
    EXPECT_EQ(bmp.size(), 54u + 1592u * 348u); // rows padded to 4 bytes
    // Where the version and notice lines are written (dark blue text) the picture is light.
    auto luminance = [&](int x, int y) {
        const size_t at = 54 + static_cast<size_t>(347 - y) * 1592 + static_cast<size_t>(x) * 3;
        return (bmp[at] + bmp[at + 1] + bmp[at + 2]) / 3;
    };
    for (auto [x, y] : {std::pair{400, 135}, std::pair{250, 300}, std::pair{260, 328}})
        EXPECT_GT(luminance(x, y), 200) << x << "," << y;
}
