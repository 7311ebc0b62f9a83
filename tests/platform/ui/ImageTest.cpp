#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/ui/Image.h"
#include "platform/ui/draw/Bitmap.h"
#include "platform/ui/draw/Bmp.h"

namespace {

ui::Image fromBytes(std::vector<std::uint8_t> bytes) {
    ui::Image img;
    img.bmp = std::make_shared<const std::vector<std::uint8_t>>(std::move(bytes));
    return img;
}

// A 3 x 2, 24-bit picture with the old 12-byte header, whose fields sit elsewhere than
// in the usual 40-byte one.
std::vector<std::uint8_t> coreHeaderBmp() {
    std::vector<std::uint8_t> b = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 26, 0, 0, 0,
                                   12, 0, 0, 0, 3, 0, 2, 0, 1, 0, 24, 0};
    b.resize(26 + 2 * 12, 0x80);
    b[2] = static_cast<std::uint8_t>(b.size());
    return b;
}

TEST(Image, SizeComesFromTheHeaderWhateverItsVersionAndDamageGivesNone) {
    EXPECT_EQ(fromBytes(coreHeaderBmp()).size(), (ui::Size{3, 2}));
    EXPECT_EQ(fromBytes(ui::encodeBmp24(ui::Bitmap(7, 5))).size(), (ui::Size{7, 5}));
    std::vector<std::uint8_t> lying = ui::encodeBmp24(ui::Bitmap(7, 5));
    lying[22] = lying[23] = lying[24] = 0;
    lying[25] = 0x80; // height INT_MIN
    EXPECT_EQ(fromBytes(lying).size(), (ui::Size{}));
    EXPECT_EQ(fromBytes({'B', 'M', 1}).size(), (ui::Size{}));
    EXPECT_EQ(ui::Image{}.size(), (ui::Size{}));
}

TEST(Image, FilesThatAreNotPicturesGiveNoPicture) {
    const char* tmp = std::getenv("TVL_TEST_TMP");
    const std::filesystem::path dir = std::filesystem::path(tmp ? tmp : "/tmp") / "image-test";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "text.bmp") << "BM but not a picture";
    EXPECT_TRUE(ui::loadImageFile((dir / "text.bmp").string()).empty());
    EXPECT_TRUE(ui::loadImageFile((dir / "missing.bmp").string()).empty());
    EXPECT_TRUE(ui::loadImageFile(dir.string()).empty());
    ASSERT_TRUE(ui::writeBmpFile((dir / "ok.bmp").string(), ui::Bitmap(4, 4)));
    const ui::Image ok = ui::loadImageFile((dir / "ok.bmp").string());
    EXPECT_EQ(ok.size(), (ui::Size{4, 4}));
    EXPECT_EQ(ok.file, (dir / "ok.bmp").wstring());
}

} // namespace
