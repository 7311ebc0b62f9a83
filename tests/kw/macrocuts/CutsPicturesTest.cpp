// The sample installation's cut kind pictures and gallery previews are the ones our code
// draws. With TVL_WRITE_ICONS=1 the test writes them into the source tree instead.

#include "kw/macro/MacroCutsPictures.h"
#include "platform/ui/draw/Bmp.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

TEST(MacroCutsPictures, InstalledFilesAreOurDrawings) {
    const std::filesystem::path install = TVL_SOURCE_DIR "/resources/install";
    const bool write = std::getenv("TVL_WRITE_ICONS") != nullptr;
    auto pictures = kw::macro::cutKindPictures();
    EXPECT_EQ(pictures.size(), 6u);
    for (auto& p : kw::macro::galleryPictures())
        pictures.push_back(std::move(p));
    for (const auto& picture : pictures) {
        const std::vector<std::uint8_t> bytes = ui::encodeBmp24(picture.bitmap);
        const std::filesystem::path path = install / picture.path;
        if (write) {
            std::filesystem::create_directories(path.parent_path());
            std::ofstream(path, std::ios::binary)
                .write(reinterpret_cast<const char*>(bytes.data()),
                       static_cast<std::streamsize>(bytes.size()));
            continue;
        }
        std::ifstream in(path, std::ios::binary);
        const std::vector<std::uint8_t> stored((std::istreambuf_iterator<char>(in)),
                                               std::istreambuf_iterator<char>());
        EXPECT_EQ(stored, bytes) << path;
    }
    // One drawing of the gallery has no preview: the gallery makes it.
    EXPECT_TRUE(std::filesystem::exists(install / "tvllib/Macros/Connections/Fin plate.dwg"));
    EXPECT_FALSE(std::filesystem::exists(install / "tvllib/Macros/Connections/Fin plate.bmp"));
}
