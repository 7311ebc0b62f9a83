#include "TestSupport.h"

#include "core/FileHelpers.h"
#include "core/StringHelpers.h"
#include "core/Tvl_Settings.h"
#include "core/cuttingstock/DlgCSP2Data.h"
#include "core/cuttingstock/StockListFile.h"
#include "core/fabrication/DlgDstvPoints.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

class DstvPointsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_lib = scratchDir(std::string("dstv_") + info->name());
        setenv("TVL_LIB_DIR", (m_lib.string() + "/").c_str(), 1);
        gSettings.reload();
    }
    void TearDown() override {
        unsetenv("TVL_LIB_DIR");
        gSettings.reload();
    }
    void writeRaw(const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(m_lib / "DSTV Points");
        std::ofstream(m_lib / "DSTV Points" / name, std::ios::binary) << bytes;
    }
    std::filesystem::path m_lib;
    DlgDstvPoints m_groups;
};

TEST_F(DstvPointsFileTest, PointsComeBackExactlyAndAnEmptyFileIsAnEmptyGroup) {
    EXPECT_TRUE(m_groups.getDstvPointsFolder().endsWith(L"DSTV Points\\"));
    Tvl_Array<Tvl_DstvPointInfo> points;
    Tvl_DstvPointInfo a(L"Corner\ttab \\ slash");
    Tvl_DstvPointInfo b(L"Hole");
    b.setSelectGeomExtent(false, kDstvSide1, kDstvSide3);
    b.setSelectIntersGeom(true, false, kDstvSide2);
    b.setPlateSelection(3, 12.345678901234);
    b.setDrillFullHole(true, true, 1.5);
    points.append(a);
    points.append(b);
    ASSERT_TRUE(m_groups.writeToFile(L"Beams", points));
    Tvl_Array<Tvl_DstvPointInfo> back;
    ASSERT_TRUE(m_groups.readFromFile(L"Beams", back));
    ASSERT_EQ(back.length(), 2);
    EXPECT_TRUE(back[0] == a);
    EXPECT_TRUE(back[1] == b);
    // A new group is an empty file.
    writeRaw("New.dat", "");
    EXPECT_TRUE(m_groups.readFromFile(L"New", back));
    EXPECT_EQ(back.length(), 0);
    Tvl_StringArray names;
    m_groups.getAllDstvPointsFiles(names);
    ASSERT_EQ(names.length(), 2);
    EXPECT_EQ(names[0], L"Beams");
    EXPECT_EQ(names[1], L"New");
}

TEST_F(DstvPointsFileTest, DamagedFilesAreRefusedWithTheirReason) {
    const std::string header = "DSTV points 1\n";
    const std::string good = "P\t1\t0\t2\t0\t1\t0\t0\t50\t0\t0\t16\n";
    struct Case {
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"not a group\n", "it is not a DSTV point group file"},
        {header + good + "P\t1\t0\t2\t0\t1\t0\t0\t50\t0\t0\n", "line 3 is damaged"}, // 11 fields
        {header + "P\t1\t0\t1\t0\t1\t0\t0\t50\t0\t0\t16\n", "line 2 is damaged"},    // same pair
        {header + "P\t1\t0\t2\t0\t1\t0\t5\t50\t0\t0\t16\n", "line 2 is damaged"},    // view 5
        {header + "P\t2\t0\t2\t0\t1\t0\t0\t50\t0\t0\t16\n", "line 2 is damaged"},    // flag 2
        {header + "P\t1\t0\t2\t0\t1\t0\t0\t-1\t0\t0\t16\n", "line 2 is damaged"},    // negative
        {header + "P\t1\t0\t2\t0\t1\t0\t0\tnan\t0\t0\t16\n", "line 2 is damaged"},
        {header + "P\\q\t1\t0\t2\t0\t1\t0\t0\t50\t0\t0\t16\n", "line 2 is damaged"}, // escape
        {header + "P\t1\t0\t2\t0\t1\t0\t0\t50\t0\t0\t10001\n", "line 2 is damaged"}, // hole
    };
    for (const Case& c : cases) {
        writeRaw("Bad.dat", c.bytes);
        Tvl_Array<Tvl_DstvPointInfo> points;
        EXPECT_FALSE(m_groups.readFromFile(L"Bad", points)) << c.bytes;
        EXPECT_EQ(points.length(), 0);
        EXPECT_TRUE(m_groups.lastError().endsWith(Tvl_String::fromUtf8(c.reason)))
            << m_groups.lastError().toUtf8();
    }
    // The boundaries that are good: side pairs 1/3, view 4, hole size 10000.
    writeRaw("Edge.dat", header + "P\t1\t1\t3\t0\t1\t3\t4\t0\t1\t1\t10000\n");
    Tvl_Array<Tvl_DstvPointInfo> points;
    EXPECT_TRUE(m_groups.readFromFile(L"Edge", points));
    // Missing and oversized files.
    EXPECT_FALSE(m_groups.readFromFile(L"Missing", points));
    EXPECT_TRUE(m_groups.lastError().contains(L"cannot be read"));
    std::filesystem::create_directories(m_lib / "DSTV Points");
    std::filesystem::resize_file(m_lib / "DSTV Points" / "Edge.dat", 65ll * 1024 * 1024);
    EXPECT_FALSE(m_groups.readFromFile(L"Edge", points));
}

TEST_F(DstvPointsFileTest, GroupNamesAndTheStandardGroup) {
    for (const wchar_t* bad : {L"", L"a\\b", L"a/b", L"..", L".", L"c:x", L"x*", L"q?", L"\"", L"<",
                               L">", L"|", L" lead", L"trail ", L"tab\t"})
        EXPECT_FALSE(DlgDstvPoints::isValidGroupName(bad)) << Tvl_String(bad).toUtf8();
    EXPECT_TRUE(DlgDstvPoints::isValidGroupName(L"Beams 2 (HEA)"));
    EXPECT_TRUE(DlgDstvPoints::isValidGroupName(Tvl_String::fromChar(L'a', 100)));
    EXPECT_FALSE(DlgDstvPoints::isValidGroupName(Tvl_String::fromChar(L'a', 101)));
    Tvl_Array<Tvl_DstvPointInfo> points;
    EXPECT_FALSE(m_groups.writeToFile(L"..\\escape", points));
    EXPECT_FALSE(std::filesystem::exists(m_lib / "escape.dat"));
    EXPECT_EQ(m_groups.getStandardDstvPointsFile(), L"");
    ASSERT_TRUE(m_groups.setStandardDstvPointsFile(L"Beams"));
    EXPECT_EQ(m_groups.getStandardDstvPointsFile(), L"Beams.dat");
    EXPECT_FALSE(m_groups.setStandardDstvPointsFile(L""));
    EXPECT_EQ(m_groups.getStandardDstvPointsFile(), L"Beams.dat");
}

} // namespace

namespace {

// The sample library's groups and lists read as they are installed.
TEST(SampleLibrary, DstvGroupsAndStockListsRead) {
    setenv("TVL_LIB_DIR", TVL_SOURCE_DIR "/resources/install/tvllib/", 1);
    gSettings.reload();
    DlgDstvPoints groups;
    Tvl_StringArray names;
    groups.getAllDstvPointsFiles(names);
    EXPECT_EQ(arrToStr(names, L","), L"Beams,New,Standard");
    EXPECT_EQ(groups.getStandardDstvPointsFile(), L"Standard.dat");
    Tvl_Array<Tvl_DstvPointInfo> points;
    ASSERT_TRUE(groups.readFromFile(L"Standard", points)) << groups.lastError().toUtf8();
    ASSERT_EQ(points.length(), 3);
    EXPECT_TRUE(points[2].drillFullHole() && points[2].radiusThicknessBased());
    EXPECT_TRUE(groups.readFromFile(L"New", points));
    EXPECT_EQ(points.length(), 0);
    const Tvl_String folder = gSettings.libDir() + L"Cutting Stock\\";
    Tvl_Array<Tvl_StringArray> rows;
    Tvl_String error;
    for (const wchar_t* stock : {L"Stock1.shp", L"Stock2.shp"})
        EXPECT_TRUE(cutstock::readStockList(DlgCSP2Data::kStock, folder + stock, rows, error))
            << error.toUtf8();
    EXPECT_TRUE(
        cutstock::readStockList(DlgCSP2Data::kPurchase, folder + L"Stock1.buy", rows, error));
    EXPECT_EQ(rows.length(), 4);
    unsetenv("TVL_LIB_DIR");
    gSettings.reload();
}

} // namespace
