#include "kw/designer/PictureCache.h"

#include "platform/ui/draw/Bmp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

fs::path testFolder() {
    const char* tmp = std::getenv("TVL_TEST_TMP");
    const fs::path dir = fs::path(tmp ? tmp : "/tmp/kw_designer_test") / "picture-cache";
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

ui::Bitmap filled(int width, int height, std::uint32_t argb) {
    ui::Bitmap b;
    b.width = width;
    b.height = height;
    b.pixels.assign(static_cast<size_t>(width) * height, argb);
    return b;
}

} // namespace

TEST(PictureCache, APictureWrittenAgainIsReadAfreshAndDamageIsNeverCached) {
    const fs::path dir = testFolder();
    const fs::path file = dir / "design.bmp";
    ASSERT_TRUE(ui::writeBmpFile(file.string(), filled(4, 3, 0xFF102030u)));

    DesignPicture first;
    ASSERT_TRUE(loadDesignPicture(file, first));
    EXPECT_EQ(first.picture.width, 4);
    EXPECT_EQ(first.picture.at(0, 0) & 0xFFFFFFu, 0x102030u);
    DesignPicture again;
    ASSERT_TRUE(loadDesignPicture(file, again));
    EXPECT_EQ(again.picture.pixels, first.picture.pixels);

    // Saved again with another size (as the designer does): the new picture counts.
    ASSERT_TRUE(ui::writeBmpFile(file.string(), filled(6, 2, 0xFFFFFFFFu)));
    DesignPicture changed;
    ASSERT_TRUE(loadDesignPicture(file, changed));
    EXPECT_EQ(changed.picture.width, 6);
    EXPECT_EQ(changed.picture.height, 2);
    // All white: the mask lets everything through and the or-picture is black.
    EXPECT_EQ(changed.ored.at(5, 1) & 0xFFFFFFu, 0u);

    // Damaged or missing: false, and the damaged file is not remembered as a picture.
    { std::ofstream(file, std::ios::binary | std::ios::trunc) << "BMnot a picture"; }
    DesignPicture damaged;
    EXPECT_FALSE(loadDesignPicture(file, damaged));
    EXPECT_FALSE(loadDesignPicture(dir / "missing.bmp", damaged));
}
