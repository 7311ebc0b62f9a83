#include <gtest/gtest.h>

#include <filesystem>

#include "platform/grid/engine/io/AtomicFile.h"
#include "tests/platform/grid/engine/io/TestFiles.h"

namespace grid {
namespace {

size_t filesIn(const std::string& dir) {
    size_t n = 0;
    for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir))
        ++n;
    return n;
}

TEST(AtomicFile, ReplacesContentsAndKeepsPermissions) {
    std::string dir = test::scratchDir("atomic-replace");
    std::string path = dir + "/doc.txt";
    ASSERT_TRUE(writeFileAtomically(path, "first").ok());
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    ASSERT_TRUE(writeFileAtomically(path, "second").ok());
    EXPECT_EQ(test::readAll(path), "second");
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    EXPECT_EQ(filesIn(dir), 1u);
}

TEST(AtomicFile, EveryFailedStageLeavesTheOldFileAndNoLitter) {
    std::string dir = test::scratchDir("atomic-fail");
    std::string path = dir + "/doc.txt";
    ASSERT_TRUE(writeFileAtomically(path, "old contents").ok());
    for (auto stage : {AtomicFile::Stage::Create, AtomicFile::Stage::Write, AtomicFile::Stage::Sync,
                       AtomicFile::Stage::Rename}) {
        AtomicFile::failNextAt(stage);
        IoStatus st = writeFileAtomically(path, "new contents");
        EXPECT_EQ(st.result(), IoResult::WriteFailed) << static_cast<int>(stage);
        EXPECT_FALSE(st.message().empty());
        EXPECT_EQ(test::readAll(path), "old contents");
        EXPECT_EQ(filesIn(dir), 1u);
    }
    // The hook is one-shot.
    EXPECT_TRUE(writeFileAtomically(path, "new contents").ok());

    IoStatus missing = writeFileAtomically(dir + "/no/such/folder/doc.txt", "x");
    EXPECT_EQ(missing.result(), IoResult::WriteFailed);
    EXPECT_NE(missing.message().find("no/such/folder"), std::string::npos);
}

} // namespace
} // namespace grid
