#include "kw/spreadsheet/format/CellTypeRecord.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/DocumentFile.h"

namespace {

using kw::CellTypeRecord;

CellTypeRecord sample(int kind) {
    CellTypeRecord r;
    r.kind = kind;
    r.style = grid::kStyleHRight | grid::kStyleVCenter;
    r.rotation = 0x3000000; // 90 degrees
    r.decimals = 4;
    r.maxLetters = 12;
    if (kind == CellTypeRecord::kPicture) {
        r.style =
            grid::kStyleHCenter | grid::kStylePictureStretch | grid::kStylePictureKeepProportions;
        r.rotation = 0; // pictures are not rotated
        r.pictureFile = L"c:\\a\\plaat.bmp";
    }
    return r;
}

// What a cell reads back as, written from `rec`.
CellTypeRecord expected(CellTypeRecord rec) {
    if (rec.kind != CellTypeRecord::kNumber)
        rec.decimals = CellTypeRecord{}.decimals;
    if (rec.kind != CellTypeRecord::kText)
        rec.maxLetters = CellTypeRecord{}.maxLetters;
    return rec;
}

TEST(FormatCellType, EveryKindReadsBackAsWrittenOverTheWholeBlockAndAfterReload) {
    const auto path = (std::filesystem::temp_directory_path() /
                       ("format_celltype_" + std::to_string(::getpid()) + ".kws"))
                          .string();
    for (int kind : {CellTypeRecord::kNumber, CellTypeRecord::kText, CellTypeRecord::kPicture}) {
        SCOPED_TRACE(kind);
        grid::Sheet sheet;
        const CellTypeRecord rec = sample(kind);
        ASSERT_TRUE(kw::applyCellType(sheet, grid::CellRange{2, 3, 4, 5}, rec));
        // Both corners, the last column of the block, and just outside it.
        EXPECT_EQ(kw::readCellType(sheet, 2, 3), expected(rec));
        EXPECT_EQ(kw::readCellType(sheet, 4, 5), expected(rec));
        EXPECT_EQ(kw::readCellType(sheet, 5, 5), CellTypeRecord{});
        EXPECT_EQ(kw::readCellType(sheet, 4, 6), CellTypeRecord{});

        // Writing what was read changes nothing: no rotation or picture bit added twice.
        const grid::CellType before = sheet.cellType(2, 3);
        ASSERT_TRUE(
            kw::applyCellType(sheet, grid::CellRange{2, 3, 2, 3}, kw::readCellType(sheet, 2, 3)));
        EXPECT_EQ(sheet.cellType(2, 3), before);

        ASSERT_TRUE(grid::DocumentFile::save(sheet, path).ok());
        grid::Sheet reopened;
        ASSERT_TRUE(grid::DocumentFile::load(reopened, path).ok());
        EXPECT_EQ(kw::readCellType(reopened, 4, 5), expected(rec));
    }
    std::filesystem::remove(path);
}

TEST(FormatCellType, NumberKindIsANumberTypeAndPictureCarriesItsBit) {
    grid::Sheet sheet;
    ASSERT_TRUE(kw::applyCellType(sheet, grid::CellRange{1, 1, 1, 1}, sample(0)));
    EXPECT_EQ(sheet.cellType(1, 1).code, grid::CellTypeCode::Number);
    EXPECT_EQ(sheet.cellType(1, 1).style & grid::kStyleRotationMask, 0x3000000u);
    ASSERT_TRUE(kw::applyCellType(sheet, grid::CellRange{1, 1, 1, 1}, sample(2)));
    EXPECT_EQ(sheet.cellType(1, 1).code, grid::CellTypeCode::Picture);
    EXPECT_TRUE(sheet.cellType(1, 1).style & CellTypeRecord::kPictureBit);
    EXPECT_EQ(sheet.cellType(1, 1).picture, "c:\\a\\plaat.bmp");
}

TEST(FormatCellType, DecimalsAndLettersAreKeptWithinTheirLimits) {
    grid::Sheet sheet;
    CellTypeRecord r = sample(0);
    for (auto [given, kept] : {std::pair{-1, 0}, {0, 0}, {15, 15}, {16, 15}, {300, 15}}) {
        r.decimals = given;
        ASSERT_TRUE(kw::applyCellType(sheet, grid::CellRange{1, 1, 1, 1}, r));
        EXPECT_EQ(kw::readCellType(sheet, 1, 1).decimals, kept) << given;
    }
    r = sample(1);
    for (auto [given, kept] : {std::pair{0, 1}, {1, 1}, {32767, 32767}, {32768, 32767}}) {
        r.maxLetters = given;
        ASSERT_TRUE(kw::applyCellType(sheet, grid::CellRange{1, 1, 1, 1}, r));
        EXPECT_EQ(kw::readCellType(sheet, 1, 1).maxLetters, kept) << given;
    }
}

TEST(FormatCellType, AnUnknownKindOrABlockOutsideTheSheetChangesNothing) {
    grid::Sheet sheet;
    CellTypeRecord r = sample(0);
    r.kind = 3;
    EXPECT_FALSE(kw::applyCellType(sheet, grid::CellRange{1, 1, 1, 1}, r));
    EXPECT_EQ(sheet.cellType(1, 1).code, grid::CellTypeCode::General);
    EXPECT_FALSE(
        kw::applyCellType(sheet, grid::CellRange{1, 1, sheet.maxCols() + 1, 1}, sample(1)));
}

} // namespace
