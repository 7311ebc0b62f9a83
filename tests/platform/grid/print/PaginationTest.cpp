// Cutting a sheet into pages: the bands at their boundaries, the printed area, the page
// order, and margins, bands and ranges that do not fit.

#include <gtest/gtest.h>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/print/Pagination.h"

namespace {

using grid::Pagination;
using grid::PrintOptions;

// A paper whose printable part is exactly `w` x `h` points with the given margins (in).
grid::PaperSize paperFor(double w, double h, double margin) {
    return {(w + 2 * margin * 72) / grid::kPointsPerMm, (h + 2 * margin * 72) / grid::kPointsPerMm};
}

PrintOptions plain(double margin = 0.5) {
    PrintOptions o;
    o.marginLeft = o.marginRight = o.marginTop = o.marginBottom = margin;
    o.colHeaders = o.rowHeaders = false;
    return o;
}

// A sheet with `cols` x `rows` numbers, columns of `widthPx` and rows of `heightPx`.
void fill(grid::Sheet& s, int cols, int rows, int widthPx = 64, int heightPx = 20) {
    s.setMaxCols(cols);
    s.setMaxRows(rows);
    for (int c = 1; c <= cols; ++c) {
        s.setColumnWidthPx(c, widthPx);
        s.setNumber(c, rows, c);
    }
    for (int r = 1; r <= rows; ++r)
        s.setRowHeightPx(r, heightPx);
}

TEST(Pagination, ColumnsThatExactlyFillTheWidthStayOnOnePageAndOneMorePixelDoesNot) {
    grid::Sheet s;
    fill(s, 4, 3, 100); // 4 x 75 pt = 300 pt
    const Pagination exact(s, plain(), paperFor(300, 500, 0.5));
    EXPECT_EQ(exact.columnBands().size(), 1u);
    EXPECT_EQ(exact.pageCount(), 1);

    s.setColumnWidthPx(4, 101);
    const Pagination over(s, plain(), paperFor(300, 500, 0.5));
    ASSERT_EQ(over.columnBands().size(), 2u);
    EXPECT_EQ(over.columnBands()[0].last, 3);
    EXPECT_EQ(over.columnBands()[1].first, 4);
    EXPECT_EQ(over.pageCount(), 2);
}

TEST(Pagination, RowsThatExactlyFillAPageMakeOnePageAndTheLastRowStartsTheNext) {
    grid::Sheet s;
    fill(s, 1, 10, 64, 20); // 10 x 15 pt = 150 pt
    EXPECT_EQ(Pagination(s, plain(), paperFor(100, 150, 0.5)).pageCount(), 1);

    fill(s, 1, 11, 64, 20);
    const Pagination two(s, plain(), paperFor(100, 150, 0.5));
    ASSERT_EQ(two.pageCount(), 2);
    EXPECT_EQ(two.page(1).row2, 10);
    EXPECT_EQ(two.page(2).row1, 11);
    EXPECT_EQ(two.page(2).row2, 11); // the last row is printed, alone
    EXPECT_EQ(two.page(3).number, 0);
}

TEST(Pagination, RepeatedHeadersTakeTheirRoomOnEveryPage) {
    grid::Sheet s;
    fill(s, 1, 10, 64, 20);
    PrintOptions o = plain();
    o.colHeaders = true; // the header row is 20 px = 15 pt too
    const Pagination p(s, o, paperFor(100, 150, 0.5));
    ASSERT_EQ(p.pageCount(), 2);
    EXPECT_EQ(p.page(1).row2, 9);
    EXPECT_DOUBLE_EQ(p.colHeaderHeight(), 15);
}

TEST(Pagination, ThePrintedAreaEndsAtTheLastFilledCellOrIsTheSelection) {
    grid::Sheet s;
    s.setMaxCols(50);
    s.setMaxRows(1000);
    s.setText(3, 7, "x");
    s.setFormula(2, 12, "1+1");
    const Pagination used(s, plain(), grid::PaperSize{});
    EXPECT_EQ(used.area(), (grid::CellRange{1, 1, 3, 12}));

    grid::Sheet empty;
    EXPECT_EQ(Pagination(empty, plain(), grid::PaperSize{}).pageCount(), 1);

    PrintOptions o = plain();
    o.flags |= grid::kPrintSelection;
    o.block = {2, 5, 4, 0}; // rows 5 to the end of the sheet
    const Pagination sel(s, o, grid::PaperSize{});
    EXPECT_EQ(sel.area(), (grid::CellRange{2, 5, 4, 1000}));
}

TEST(Pagination, PagesAreNumberedDownThenOverOrOverThenDown) {
    grid::Sheet s;
    fill(s, 2, 4, 100, 60); // one column and two rows per page
    PrintOptions o = plain();
    const auto paper = paperFor(80, 100, 0.5);
    const Pagination down(s, o, paper);
    ASSERT_EQ(down.pageCount(), 4);
    EXPECT_EQ(down.page(2).col1, 1);
    EXPECT_EQ(down.page(2).row1, 3);
    EXPECT_EQ(down.page(3).col1, 2);
    o.pageOrder = grid::PageOrder::OverThenDown;
    const Pagination over(s, o, paper);
    EXPECT_EQ(over.page(2).col1, 2);
    EXPECT_EQ(over.page(2).row1, 1);
}

TEST(Pagination, MarginsWiderThanThePaperAreBoundedSoThatPagesStillHoldCells) {
    grid::Sheet s;
    fill(s, 3, 30);
    PrintOptions o = plain(20); // 20 inch margins on A4
    const Pagination p(s, o, grid::PaperSize{});
    EXPECT_GT(p.printable().width(), 0.2 * p.pageWidth());
    EXPECT_GT(p.printable().height(), 0.2 * p.pageHeight());
    EXPECT_GE(p.pageCount(), 1);
    EXPECT_LT(p.pageCount(), 30);

    o = plain(-3); // negative margins count as none
    EXPECT_DOUBLE_EQ(Pagination(s, o, grid::PaperSize{}).printable().left, 0);
}

TEST(Pagination, HeaderAndFooterBandsTakeAtMostHalfThePrintableHeight) {
    grid::Sheet s;
    fill(s, 1, 40);
    const Pagination small(s, plain(), grid::PaperSize{}, {50, 20});
    EXPECT_DOUBLE_EQ(small.headerBand().height(), 50);
    EXPECT_DOUBLE_EQ(small.tableArea().top, small.printable().top + 50);
    EXPECT_DOUBLE_EQ(small.footerBand().bottom, small.printable().bottom);

    const Pagination huge(s, plain(), grid::PaperSize{}, {5000, 5000});
    EXPECT_NEAR(huge.tableArea().height(), huge.printable().height() / 2, 1e-9);
    EXPECT_GE(huge.pageCount(), 1);
}

TEST(Pagination, APageRangeIsCutToThePagesThereAre) {
    grid::Sheet s;
    fill(s, 1, 11, 64, 20);
    PrintOptions o = plain();
    o.flags |= grid::kPrintPageRange;
    o.pageFrom = 2;
    o.pageTo = 999;
    const Pagination p(s, o, paperFor(100, 150, 0.5));
    EXPECT_EQ(p.firstPrinted(), 2);
    EXPECT_EQ(p.lastPrinted(), 2);
    o.pageFrom = 3;
    EXPECT_EQ(Pagination(s, o, paperFor(100, 150, 0.5)).printedCount(), 0);
}

TEST(Pagination, SmartPrintTurnsThePageAndScalesWhenTheColumnsDoNotFit) {
    grid::Sheet s;
    fill(s, 12, 5, 100); // 900 pt wide
    PrintOptions o = plain();
    EXPECT_GT(Pagination(s, o, grid::PaperSize{}).columnBands().size(), 1u);
    o.smartPrint = true;
    const Pagination p(s, o, grid::PaperSize{});
    EXPECT_TRUE(p.landscape());
    EXPECT_LT(p.scale(), 1.0);
    EXPECT_EQ(p.columnBands().size(), 1u);
    EXPECT_EQ(p.pageCount(), 1);
    // A narrow table is neither turned nor scaled.
    fill(s, 2, 5, 100);
    s.setMaxCols(2);
    const Pagination narrow(s, o, grid::PaperSize{});
    EXPECT_FALSE(narrow.landscape());
    EXPECT_DOUBLE_EQ(narrow.scale(), 1.0);
}

TEST(Pagination, AColumnWiderThanThePageGetsAPageOfItsOwn) {
    grid::Sheet s;
    fill(s, 3, 2, 64);
    s.setColumnWidthPx(2, 2000);
    const Pagination p(s, plain(), grid::PaperSize{});
    ASSERT_EQ(p.columnBands().size(), 3u);
    EXPECT_EQ(p.columnBands()[1].first, 2);
    EXPECT_EQ(p.columnBands()[1].last, 2);
}

} // namespace
