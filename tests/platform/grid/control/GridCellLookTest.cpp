// What a cell's type and format add to its drawing, at the edges of the rules: dashes cut
// at the cell's end, bands inside the cell, pictures fitted exactly, text blocks placed
// and cut, red only for negative numbers of number cells.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/base/Encoding.h"
#include "platform/base/Paths.h"
#include "platform/grid/control/GridCellLook.h"
#include "platform/grid/control/GridControl.h"
#include "platform/ui/Application.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/RecordingCanvas.h"

namespace {

using grid::Border;

const ui::Color kInk{0, 0, 200};

std::vector<ui::Rect> fills(const ui::RecordingCanvas& c) {
    std::vector<ui::Rect> out;
    for (const ui::DrawItem* f : c.itemsOfKind(ui::DrawKind::FillRect))
        out.push_back(f->rect);
    return out;
}

TEST(GridCellLook, DashesAndDotsRunAlongTheSideAndStopAtTheCellsEnd) {
    ui::RecordingCanvas c;
    // Dashed thin top line, 4 on 2 off, in a cell 15 wide: the third dash is cut to 3.
    grid::paintBorder(c, {0, 0, 15, 20}, Border{grid::kBorderTop, 2, 0}, kInk);
    EXPECT_EQ(fills(c), (std::vector<ui::Rect>{{0, 0, 4, 1}, {6, 0, 10, 1}, {12, 0, 15, 1}}));
    c.clear();
    // Dotted left line down a cell of height 4: dots at 0 and 2 only.
    grid::paintBorder(c, {10, 0, 30, 4}, Border{grid::kBorderLeft, 3, 0}, kInk);
    EXPECT_EQ(fills(c), (std::vector<ui::Rect>{{10, 0, 11, 1}, {10, 2, 11, 3}}));
    c.clear();
    // Dash-dot-dot: dash, gap, dot, gap, dot, gap, then the pattern again.
    grid::paintBorder(c, {0, 0, 20, 5}, Border{grid::kBorderBottom, 5, 0}, kInk);
    EXPECT_EQ(fills(c),
              (std::vector<ui::Rect>{
                  {0, 4, 4, 5}, {6, 4, 7, 5}, {9, 4, 10, 5}, {12, 4, 16, 5}, {18, 4, 19, 5}}));
}

TEST(GridCellLook, WidthsAndDoubleLinesStayInsideTheCell) {
    ui::RecordingCanvas c;
    grid::paintBorder(c, {0, 0, 30, 20}, Border{grid::kBorderRight, 11, 0}, kInk); // medium
    EXPECT_EQ(fills(c), (std::vector<ui::Rect>{{28, 0, 30, 20}}));
    c.clear();
    grid::paintBorder(c, {0, 0, 30, 20}, Border{grid::kBorderBottom, 15, 0}, kInk); // thick
    EXPECT_EQ(fills(c), (std::vector<ui::Rect>{{0, 17, 30, 20}}));
    c.clear();
    grid::paintBorder(c, {0, 0, 30, 20}, Border{grid::kBorderTop | grid::kBorderLeft, 14, 0},
                      kInk); // double: two thin lines with one pixel between
    EXPECT_EQ(fills(c),
              (std::vector<ui::Rect>{{0, 0, 1, 20}, {2, 0, 3, 20}, {0, 0, 30, 1}, {0, 2, 30, 3}}));
    c.clear();
    // Style 0 and no sides draw nothing; an unknown style is a thin line.
    grid::paintBorder(c, {0, 0, 30, 20}, Border{15, 0, 0}, kInk);
    grid::paintBorder(c, {0, 0, 30, 20}, Border{0, 1, 0}, kInk);
    EXPECT_TRUE(fills(c).empty());
    grid::paintBorder(c, {0, 0, 30, 20}, Border{grid::kBorderTop, 9, 0}, kInk);
    EXPECT_EQ(fills(c), (std::vector<ui::Rect>{{0, 0, 30, 1}}));
}

TEST(GridCellLook, PicturesStretchFitTheirShapeOrKeepTheirSize) {
    const ui::Rect cell{10, 20, 110, 70}; // 100 x 50
    using grid::HAlign, grid::VAlign;
    EXPECT_EQ(grid::pictureRect(cell, {40, 10}, 2, HAlign::Default, VAlign::Default), cell);
    // Exactly the cell's shape fills it; wider and taller pictures touch two sides.
    EXPECT_EQ(grid::pictureRect(cell, {200, 100}, 6, HAlign::Default, VAlign::Default), cell);
    EXPECT_EQ(grid::pictureRect(cell, {40, 10}, 6, HAlign::Default, VAlign::Default),
              (ui::Rect{10, 32, 110, 57}));
    EXPECT_EQ(grid::pictureRect(cell, {10, 40}, 6, HAlign::Right, VAlign::Default),
              (ui::Rect{98, 20, 110, 70}));
    // Its own size, centred or by the alignment; larger than the cell it is cut there.
    EXPECT_EQ(grid::pictureRect(cell, {20, 10}, 0, HAlign::Default, VAlign::Default),
              (ui::Rect{50, 40, 70, 50}));
    EXPECT_EQ(grid::pictureRect(cell, {20, 10}, 0, HAlign::Left, VAlign::Bottom),
              (ui::Rect{10, 60, 30, 70}));
    EXPECT_TRUE(grid::pictureRect(cell, {0, 10}, 6, HAlign::Default, VAlign::Default).isEmpty());
    EXPECT_TRUE(
        grid::pictureRect({0, 0, 0, 20}, {5, 5}, 6, HAlign::Default, VAlign::Default).isEmpty());
}

TEST(GridCellLook, SeveralLinesArePlacedAsABlockAndTheFirstStaysInView) {
    ui::RecordingCanvas c;
    const ui::Font font;
    const std::wstring text = L"een twee drie vier vijf zes zeven acht";
    grid::paintCellText(c, {0, 0, 60, 200}, text, font, kInk, grid::HAlign::Default,
                        grid::VAlign::Bottom, false, true);
    ASSERT_EQ(c.itemsOfKind(ui::DrawKind::Text).size(), 1u);
    const ui::DrawItem& bottom = *c.itemsOfKind(ui::DrawKind::Text)[0];
    EXPECT_GT(bottom.lines.size(), 1u);
    EXPECT_EQ(bottom.rect.bottom, 200);
    EXPECT_EQ(bottom.clip, (ui::Rect{0, 0, 60, 200}));
    c.clear();
    // Taller than the cell: it starts at the top and is cut at the bottom.
    grid::paintCellText(c, {0, 0, 60, 10}, text, font, kInk, grid::HAlign::Default,
                        grid::VAlign::Bottom, false, true);
    const ui::DrawItem& cut = *c.itemsOfKind(ui::DrawKind::Text)[0];
    EXPECT_EQ(cut.rect.top, 0);
    EXPECT_EQ(cut.clip, (ui::Rect{0, 0, 60, 10}));
    c.clear();
    grid::paintCellText(c, {0, 0, 60, 10}, text, font, kInk, grid::HAlign::Center,
                        grid::VAlign::Top, true, false);
    const ui::DrawItem& single = *c.itemsOfKind(ui::DrawKind::Text)[0];
    EXPECT_EQ(single.lines.size(), 1u);
    EXPECT_TRUE(ui::hasFlag(single.flags, ui::TextFlags::Center));
    EXPECT_FALSE(ui::hasFlag(single.flags, ui::TextFlags::VCenter));
}

class GridCellPaint : public ::testing::Test {
protected:
    void SetUp() override {
        ui::app().resetForTests();
        ASSERT_TRUE(g.create(grid::kGridClassName, L"", ui::WS_VISIBLE, ui::Rect{0, 0, 400, 300},
                             nullptr, 0));
        g.setMaxCols(4);
        g.setMaxRows(6);
    }
    void TearDown() override { g.destroyWindow(); }
    ui::RecordingCanvas paint() {
        ui::RecordingCanvas c(ui::Size{400, 300});
        g.paintTree(c);
        return c;
    }
    grid::GridControl g;
};

TEST_F(GridCellPaint, PictureCellsShowTheirFileAndAMissingFileShowsNothingUntilItIsThere) {
    const auto file = std::filesystem::temp_directory_path() /
                      ("grid_picture_" + std::to_string(::getpid()) + ".bmp");
    const auto bytes = ui::encodeBmp24(ui::Bitmap(16, 8, 0xFF00FF00u));
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    const std::string product = base::toUtf8(base::toProduct(file));
    g.sheet().setCellType(2, 2, grid::CellType::pictureType(product, 2 | 32));
    g.sheet().setCellType(3, 3, grid::CellType::pictureType(product + "x", 2 | 32));
    const ui::RecordingCanvas c = paint();
    const auto bitmaps = c.itemsOfKind(ui::DrawKind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    const ui::Rect cell = g.cellRect(2, 2);
    // Stretched over the cell up to its grid lines.
    EXPECT_EQ(bitmaps[0]->rect.width(), cell.width() - 1);
    EXPECT_EQ(bitmaps[0]->rect.height(), cell.height() - 1);
    EXPECT_EQ(bitmaps[0]->bitmapSize, (ui::Size{16, 8}));
    // The missing file, once written, is shown at the next paint.
    std::filesystem::copy_file(file, file.string() + "x");
    EXPECT_EQ(paint().itemsOfKind(ui::DrawKind::Bitmap).size(), 2u);
    std::filesystem::remove(file);
    std::filesystem::remove(file.string() + "x");
}

TEST_F(GridCellPaint, NegativeNumbersAreRedOnlyInNumberCellsThatAskForIt) {
    g.sheet().setCellType(1, 1, grid::CellType::numberType(1, 0, -1, grid::kStyleNegativeRed));
    g.sheet().setCellType(2, 1, grid::CellType::numberType(1, 0, -1, 0));
    g.sheet().setCellType(3, 1, grid::CellType::edit(10, grid::kStyleNegativeRed));
    g.sheet().setCellType(4, 1, grid::CellType::numberType(1, 0, -1, grid::kStyleNegativeRed));
    g.sheet().setNumber(1, 1, -1.5);
    g.sheet().setNumber(2, 1, -2.5);
    g.sheet().setText(3, 1, "-3.5");
    g.sheet().setNumber(4, 1, 0); // zero is not negative
    const ui::RecordingCanvas c = paint();
    const ui::Color red{255, 0, 0};
    EXPECT_EQ(c.findText(L"-1.5")->color, red);
    EXPECT_NE(c.findText(L"-2.5")->color, red);
    EXPECT_NE(c.findText(L"-3.5")->color, red);
    EXPECT_NE(c.findText(L"0.0")->color, red);
}

} // namespace
