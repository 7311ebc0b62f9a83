#include <gtest/gtest.h>

#include <random>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "tests/platform/grid/engine/io/SheetDump.h"
#include "tests/platform/grid/engine/io/TestFiles.h"

namespace grid {
namespace {

// Damaged inputs of every kind must give a result, never a crash, a hang or a
// sanitizer report, and a failed load must leave the sheet as it was.
class DocumentFuzz : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = test::scratchDir("doc-fuzz");
        Sheet s;
        s.setMaxCols(12);
        s.setMaxRows(300);
        for (int r = 1; r <= 250; ++r) {
            s.setNumber(1, r, r * 1.5);
            s.setText(2, r, "row " + std::to_string(r));
            if (r % 10 == 0)
                s.setFormula(3, r, "A" + std::to_string(r) + "*2");
        }
        s.setTag(0, 0, std::string(3000, 'p'));
        s.setNote(4, 4, "note");
        s.setCellType(5, 5, CellType::numberType(2, 0, 10));
        s.addSpan(Span{6, 6, 2, 3});
        s.setColumnWidthPx(3, 90);
        std::string path = m_dir + "/good.kws";
        ASSERT_TRUE(DocumentFile::save(s, path).ok());
        m_good = test::readAll(path);
        m_goodDump = test::dumpSheet(s);
        ASSERT_GT(m_good.size(), 8192u);

        m_sheet.setMaxCols(4);
        m_sheet.setMaxRows(4);
        m_sheet.setText(1, 1, "untouched");
        m_before = test::dumpSheet(m_sheet);
    }

    // Loads `bytes`; checks that failure leaves the sheet unchanged.
    void tryLoad(const std::string& bytes, const std::string& what) {
        std::string path = m_dir + "/case.kws";
        test::writeAll(path, bytes);
        IoStatus st = DocumentFile::load(m_sheet, path);
        if (st.ok()) {
            // Damage that SQLite and the checks let through must have changed nothing
            // that the sheet holds (a flip in unused space, say).
            ++m_loaded;
            EXPECT_EQ(test::dumpSheet(m_sheet), m_goodDump) << what;
            // Restore the reference state for the next case.
            m_sheet.reset();
            m_sheet.setMaxCols(4);
            m_sheet.setMaxRows(4);
            m_sheet.setText(1, 1, "untouched");
            m_sheet.setChanged(false);
        } else {
            EXPECT_FALSE(st.message().empty()) << what;
            ASSERT_EQ(test::dumpSheet(m_sheet), m_before) << what << ": " << st.message();
        }
    }

    std::string m_dir;
    std::string m_good;
    std::string m_goodDump;
    Sheet m_sheet;
    std::string m_before;
    int m_loaded = 0;
};

TEST_F(DocumentFuzz, RandomBytes) {
    std::mt19937 rng(1234);
    for (int i = 0; i < 60; ++i) {
        std::string bytes(rng() % 20000, '\0');
        for (auto& c : bytes)
            c = static_cast<char>(rng());
        // Half of them look like SQLite files, so the loader gets past the signature.
        if (i % 2 && bytes.size() > 100)
            bytes.replace(0, 16, std::string("SQLite format 3\0", 16));
        tryLoad(bytes, "random " + std::to_string(i));
    }
    EXPECT_EQ(m_loaded, 0);
}

TEST_F(DocumentFuzz, TruncatedFiles) {
    std::vector<size_t> lengths = {0, 1, 15, 16, 99, 100, 512, 4096, 8191, 8192, 8193};
    for (size_t len = 8192; len < m_good.size(); len += 4096)
        lengths.push_back(len);
    lengths.push_back(m_good.size() - 1);
    for (size_t len : lengths)
        tryLoad(m_good.substr(0, std::min(len, m_good.size())),
                "truncated to " + std::to_string(len));
    EXPECT_EQ(m_loaded, 0);
}

TEST_F(DocumentFuzz, BitFlips) {
    std::mt19937 rng(99);
    for (int i = 0; i < 400; ++i) {
        std::string bytes = m_good;
        int flips = 1 + static_cast<int>(rng() % 4);
        for (int k = 0; k < flips; ++k) {
            size_t at = rng() % bytes.size();
            bytes[at] = static_cast<char>(bytes[at] ^ (1u << (rng() % 8)));
        }
        tryLoad(bytes, "flip " + std::to_string(i));
    }
    // Many flips land in unused page space; those files load with nothing changed.
    SUCCEED() << m_loaded << " of 400 flipped files loaded unchanged";
}

} // namespace
} // namespace grid
