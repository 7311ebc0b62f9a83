#include "platform/base/Files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/stat.h>

using namespace base;
namespace fs = std::filesystem;

namespace {

class FilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tmp = std::getenv("TVL_TEST_TMP");
        m_dir = fs::path(tmp ? tmp : "/tmp/tvl_base_tests") /
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(m_dir);
        ASSERT_TRUE(createFolder(m_dir));
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(m_dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(m_dir, ec);
    }
    fs::path m_dir;
};

} // namespace

TEST_F(FilesTest, FindFirstWildcardsAndCase) {
    ASSERT_TRUE(writeFile(m_dir / "Profile.PR", "x"));
    ASSERT_TRUE(writeFile(m_dir / "b1.txt", "x"));
    ASSERT_TRUE(createFolder(m_dir / "sub"));
    EXPECT_TRUE(pathExists(m_dir / "Profile.PR"));
    EXPECT_FALSE(pathExists(m_dir / "profile.pr"));
    EXPECT_EQ(findFirst(m_dir / "profile.pr"), m_dir / "Profile.PR"); // names ignore case
    EXPECT_EQ(findFirst(m_dir / "*.pr"), m_dir / "Profile.PR");
    EXPECT_EQ(findFirst(m_dir / "b?.TXT"), m_dir / "b1.txt");
    EXPECT_TRUE(existsMatching(m_dir / "s*"));
    EXPECT_FALSE(existsMatching(m_dir / "b??.txt"));
    EXPECT_FALSE(existsMatching(m_dir / "missing" / "*"));
    EXPECT_FALSE(existsMatching(fs::path()));
    // The folder's own entries count, as with the platform's find-first.
    EXPECT_TRUE(existsMatching(m_dir / "sub" / "*.*"));
    EXPECT_TRUE(existsMatching(m_dir / "sub" / "*"));
    EXPECT_FALSE(existsMatching(m_dir / "sub" / "*.txt"));
}

TEST(Wildcards, MatchTable) {
    struct Case {
        const wchar_t* name;
        const wchar_t* pattern;
        bool match;
    };
    const Case cases[] = {
        {L"a.txt", L"*.txt", true},
        {L"a.txt.bak", L"*.txt", false},
        {L"noext", L"*.*", true},
        {L"abc", L"a*c", true},
        {L"ac", L"a*c", true},
        {L"abd", L"a*c", false},
        {L"aXbXc", L"a*b*c", true},
        {L"abc", L"a?c", true},
        {L"ac", L"a?c", false},
        {L"ABC.TXT", L"abc.txt", true},
        {L"\u00C9t\u00E9", L"\u00E9*", true},
        {L"", L"*", true},
        {L"x", L"", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(matchesWildcard(c.name, c.pattern), c.match) << "name=" << c.name;
}

TEST_F(FilesTest, FindFilesRecursesAndSorts) {
    ASSERT_TRUE(createFolder(m_dir / "x" / "y" / "z"));
    for (auto p : {"b.txt", "a.TXT", "x/c.txt", "x/y/z/d.txt", "x/e.dat"})
        ASSERT_TRUE(writeFile(m_dir / p, "1"));
    ASSERT_TRUE(createFolder(m_dir / "folder.txt")); // folders are not files
    const auto all = findFiles(m_dir, L"*.txt", Recurse::Yes);
    const std::vector<fs::path> expected = {m_dir / "a.TXT", m_dir / "b.txt", m_dir / "x/c.txt",
                                            m_dir / "x/y/z/d.txt"};
    EXPECT_EQ(all, expected);
    EXPECT_EQ(findFiles(m_dir, L"*.txt", Recurse::No).size(), 2u);
    EXPECT_TRUE(findFiles(m_dir / "nope", L"*", Recurse::Yes).empty());
}

TEST_F(FilesTest, ReadLinesKeepsEmptyLinesAndStripsCarriageReturns) {
    ASSERT_TRUE(writeFile(m_dir / "l.txt", "one\r\n\ntwo\nlast"));
    const auto lines = readLines(m_dir / "l.txt");
    ASSERT_TRUE(lines);
    EXPECT_EQ(*lines, (std::vector<std::string>{"one", "", "two", "last"}));
    ASSERT_TRUE(writeFile(m_dir / "e.txt", ""));
    EXPECT_TRUE(readLines(m_dir / "e.txt")->empty());
    EXPECT_FALSE(readLines(m_dir / "missing.txt"));
    EXPECT_FALSE(readFile(m_dir)); // a folder is not a file
}

TEST_F(FilesTest, AtomicWriteLeavesOldFileOnFailure) {
    const auto target = m_dir / "doc.kws";
    ASSERT_TRUE(writeFileAtomic(target, "version 1"));
    EXPECT_EQ(readFile(target), "version 1");
    ASSERT_TRUE(writeFileAtomic(target, std::string(100000, 'z')));
    EXPECT_EQ(readFile(target)->size(), 100000u);
    ASSERT_TRUE(writeFileAtomic(target, "version 2"));

    if (::geteuid() != 0) { // root writes into read-only folders anyway
        fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::remove);
        EXPECT_FALSE(writeFileAtomic(target, "version 3"));
        fs::permissions(m_dir, fs::perms::owner_write, fs::perm_options::add);
        EXPECT_EQ(readFile(target), "version 2");
    }
    // Renaming over a folder fails: the folder and nothing else is left.
    ASSERT_TRUE(createFolder(m_dir / "dir"));
    ASSERT_TRUE(writeFile(m_dir / "dir" / "keep", "k"));
    EXPECT_FALSE(writeFileAtomic(m_dir / "dir", "x"));
    EXPECT_EQ(readFile(m_dir / "dir" / "keep"), "k");
    int entries = 0;
    for ([[maybe_unused]] const auto& e : fs::directory_iterator(m_dir))
        ++entries;
    EXPECT_EQ(entries, 2); // doc.kws and dir: no temporary files left behind
    EXPECT_FALSE(writeFileAtomic(m_dir / "no" / "such" / "folder.txt", "x"));
}

TEST_F(FilesTest, CopyOverwritesRemoveAndCreateFolder) {
    ASSERT_TRUE(writeFile(m_dir / "a", "new"));
    ASSERT_TRUE(writeFile(m_dir / "b", "old and longer"));
    ::chmod((m_dir / "a").c_str(), 0750);
    EXPECT_TRUE(copyFile(m_dir / "a", m_dir / "b"));
    EXPECT_EQ(readFile(m_dir / "b"), "new");
    EXPECT_EQ(fs::status(m_dir / "b").permissions() & fs::perms::owner_exec, fs::perms::owner_exec);
    EXPECT_FALSE(copyFile(m_dir / "missing", m_dir / "c"));
    EXPECT_FALSE(pathExists(m_dir / "c"));

    EXPECT_TRUE(removeFile(m_dir / "a"));
    EXPECT_FALSE(removeFile(m_dir / "a"));
    EXPECT_TRUE(createFolder(m_dir / "p" / "q" / "r"));
    EXPECT_TRUE(createFolder(m_dir / "p" / "q" / "r")); // already there
    EXPECT_FALSE(removeFile(m_dir / "p"));              // folders are not removed
    EXPECT_FALSE(createFolder(m_dir / "b" / "sub"));    // below a file
}

TEST_F(FilesTest, ModificationTimeAndItsFormat) {
    ASSERT_TRUE(writeFile(m_dir / "t", "x"));
    const auto t = modificationTime(m_dir / "t");
    ASSERT_TRUE(t);
    EXPECT_LE(std::abs(static_cast<long>(*t - std::time(nullptr))), 60);
    EXPECT_FALSE(modificationTime(m_dir / "none"));

    ::setenv("TZ", "UTC", 1);
    ::tzset();
    EXPECT_EQ(formatLocalTime(1796739900), "08 December, 2026 (14:25)");
    EXPECT_EQ(formatLocalTime(0, "%B %% %Y"), "January % 1970");
}
