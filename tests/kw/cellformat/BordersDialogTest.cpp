// The borders dialog from the editor's menu: sides, line styles, colour, the sample cell.

#include "CellFormatTestSupport.h"

#include "kw/spreadsheet/format/CDlgKWBorders.h"

namespace {

using B = CDlgKWBorders;
using cellformat::Editor;

class BordersDialog : public cellformat::CellFormatTest {};

TEST_F(BordersDialog, SidesStyleAndColourReachTheBlockAreDrawnAndSurviveReopening) {
    std::wstring path;
    inEditor([&](Editor& e) {
        // The first cell has a style the picker has no picture for.
        e.grid().sheet().setBorder({1, 1, 1, 1}, grid::Border{grid::kBorderTop, 8, 0x0000FF});
        e.grid().setSelection({1, 1, 2, 2});
        drv().onDialog(B::kTemplateId, [&](ui::Dialog& d) {
            auto& b = dynamic_cast<B&>(d);
            EXPECT_EQ(d.getWindowText(), L"Randlijnen instellen");
            EXPECT_EQ(d.getDlgItemText(B::kColorId), L"Kleur wijzigen...");
            EXPECT_EQ(ui::hoverTooltip(*d.getDlgItem(B::kTopId), {2, 2}), L"Randlijn bovenaan");
            EXPECT_EQ(ui::hoverTooltip(*d.getDlgItem(B::kLeftId), {2, 2}), L"Randlijn links");
            EXPECT_EQ(ui::hoverTooltip(*d.getDlgItem(B::kRightId), {2, 2}), L"Randlijn rechts");
            EXPECT_EQ(ui::hoverTooltip(*d.getDlgItem(B::kBottomId), {2, 2}), L"Randlijn onderaan");
            EXPECT_EQ(d.isDlgButtonChecked(B::kTopId), 1);
            EXPECT_EQ(d.isDlgButtonChecked(B::kBottomId), 0);
            EXPECT_EQ(b.preview().sheet().format(2, 2).border,
                      (grid::Border{grid::kBorderTop, 8, 0x0000FF}));

            // Another side, no style picked: the cell's own style 8 stays.
            ASSERT_TRUE(ui::click(d, B::kBottomId));
            EXPECT_EQ(b.preview().sheet().format(2, 2).border.sides,
                      grid::kBorderTop | grid::kBorderBottom);
            EXPECT_EQ(b.preview().sheet().format(2, 2).border.lineStyle, 8);
            ASSERT_TRUE(ui::selectItem(d, B::kStyleId, 10)); // the double line
            EXPECT_EQ(b.preview().sheet().format(2, 2).border.lineStyle, 14);
            drv().answerColor(ui::Color{0, 0, 255});
            ASSERT_TRUE(ui::click(d, B::kColorId));
            EXPECT_EQ(b.preview().sheet().format(2, 2).border.color, 0xFF0000u);
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        });
        ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdBorders));
        EXPECT_TRUE(e.changed());
        const grid::Border want{grid::kBorderTop | grid::kBorderBottom, 14, 0xFF0000};
        EXPECT_EQ(e.grid().sheet().format(2, 2).border, want);
        EXPECT_EQ(e.grid().sheet().format(3, 2).border, grid::Border{});
        e.grid().clearSelection();
        e.grid().setActiveCell(4, 4);
        // Double lines: two blue bands along the top of each bordered cell.
        const ui::RecordingCanvas canvas = paint(e.grid());
        int blue = 0;
        for (const ui::DrawItem* f : canvas.itemsOfKind(ui::DrawKind::FillRect))
            blue += f->color == ui::Color{0, 0, 255};
        EXPECT_EQ(blue, 4 * 4); // four cells, top and bottom, two lines each
        path = saveAs(e, "borders.kws");
    });
    inEditor(
        [&](Editor& e) {
            EXPECT_EQ(e.grid().sheet().format(1, 2).border,
                      (grid::Border{grid::kBorderTop | grid::kBorderBottom, 14, 0xFF0000}));
        },
        path);
}

TEST_F(BordersDialog, NoSideSelectedAppliesNoSidesAndCancelKeepsTheBorder) {
    inEditor([&](Editor& e) {
        e.grid().sheet().setBorder({3, 3, 3, 3}, grid::Border{grid::kBorderLeft, 1, 0});
        e.grid().sheet().setChanged(false);
        e.grid().setActiveCell(3, 3);
        drv().onDialog(B::kTemplateId, [&](ui::Dialog& d) {
            ASSERT_TRUE(ui::click(d, B::kRightId));
            ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
        });
        ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdBorders));
        EXPECT_EQ(e.grid().sheet().format(3, 3).border.sides, grid::kBorderLeft);
        EXPECT_FALSE(e.changed());
        drv().onDialog(B::kTemplateId, [&](ui::Dialog& d) {
            auto& b = dynamic_cast<B&>(d);
            EXPECT_EQ(b.preview().sheet().format(2, 2).border.sides, grid::kBorderLeft);
            ASSERT_TRUE(ui::click(d, B::kLeftId));
            EXPECT_EQ(b.preview().sheet().format(2, 2).border.sides, 0);
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        });
        ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdBorders));
        EXPECT_EQ(e.grid().sheet().format(3, 3).border.sides, 0);
        EXPECT_TRUE(e.changed());
    });
}

} // namespace
