#include "FrameTestSupport.h"

#include "kw/frame/DlgResizeLayout.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Input.h"

namespace {

TEST(DlgResizeLayoutAxis, ModesFollowTheRules) {
    int n = 0, f = 0;
    // Stretch (6): near stays, far follows the growth.
    DlgResizeLayout::layoutAxis(6, 10, 50, 200, 260, n, f);
    EXPECT_EQ(n, 10);
    EXPECT_EQ(f, 110);
    // Move with the far edge, keep size (5).
    DlgResizeLayout::layoutAxis(5, 10, 50, 200, 260, n, f);
    EXPECT_EQ(n, 70);
    EXPECT_EQ(f, 110);
    // Stay (3).
    DlgResizeLayout::layoutAxis(3, 10, 50, 200, 260, n, f);
    EXPECT_EQ(n, 10);
    EXPECT_EQ(f, 50);
    // No mode: both edges scale, truncated toward zero (15 * 7 / 3 = 35, 16 * 7 / 3 = 37.3).
    DlgResizeLayout::layoutAxis(0, 15, 16, 3, 7, n, f);
    EXPECT_EQ(n, 35);
    EXPECT_EQ(f, 37);
    // Keep size alone: near scales, far keeps the extent.
    DlgResizeLayout::layoutAxis(1, 10, 30, 100, 150, n, f);
    EXPECT_EQ(n, 15);
    EXPECT_EQ(f, 35);
    // Shrinking with a negative delta.
    DlgResizeLayout::layoutAxis(6, 10, 50, 200, 150, n, f);
    EXPECT_EQ(f, 0);
}

class ResizeLayoutTest : public FrameTest {};

TEST_F(ResizeLayoutTest, ControlsMoveWhenTheDialogIsResized) {
    ui::DialogTemplate t;
    t.caption = L"Resizable";
    t.style |= ui::WS_THICKFRAME;
    t.rect = ui::dlu(0, 0, 200, 100);
    t.controls = {{100, L"ListBox", L"", 0, ui::dlu(5, 5, 100, 60)},
                  {ui::IDOK, L"Button", L"OK", 0, ui::dlu(140, 80, 50, 14)},
                  {101, L"Static", L"stays", 0, ui::dlu(5, 80, 40, 10)}};
    ui::Dialog dlg(t);
    ASSERT_TRUE(dlg.create(0));
    dlg.showWindow(ui::SW_SHOW);
    DlgResizeLayout layout;
    ASSERT_TRUE(layout.attach(&dlg));
    EXPECT_TRUE(layout.setMode(100, DlgResizeLayout::kStretch, DlgResizeLayout::kStretch));
    EXPECT_TRUE(layout.setMode(ui::IDOK, DlgResizeLayout::kMoveFar, DlgResizeLayout::kMoveFar));
    EXPECT_TRUE(layout.setMode(101, DlgResizeLayout::kStay, DlgResizeLayout::kStay));
    EXPECT_FALSE(layout.setMode(999, 6, 6));
    const ui::Rect list = dlg.getDlgItem(100)->rect();
    const ui::Rect ok = dlg.getDlgItem(ui::IDOK)->rect();
    const ui::Rect stay = dlg.getDlgItem(101)->rect();
    const ui::Rect before = dlg.getWindowRect();
    ASSERT_TRUE(ui::resize(dlg, before.width() + 40, before.height() + 30));
    layout.relayout();
    const ui::Rect list2 = dlg.getDlgItem(100)->rect();
    const ui::Rect ok2 = dlg.getDlgItem(ui::IDOK)->rect();
    EXPECT_EQ(list2.left, list.left);
    EXPECT_EQ(list2.right, list.right + 40);
    EXPECT_EQ(list2.bottom, list.bottom + 30);
    EXPECT_EQ(ok2, ok.offset(40, 30));
    EXPECT_EQ(dlg.getDlgItem(101)->rect(), stay);
    dlg.destroyWindow();
}

TEST_F(ResizeLayoutTest, ControlsSharingAnIdEachKeepTheirOwnPlace) {
    ui::DialogTemplate t;
    t.caption = L"Labels";
    t.style |= ui::WS_THICKFRAME;
    t.rect = ui::dlu(0, 0, 200, 100);
    t.controls = {{-1, L"Static", L"first", 0, ui::dlu(5, 5, 40, 10)},
                  {-1, L"Static", L"second", 0, ui::dlu(5, 40, 40, 10)},
                  {-1, L"Static", L"third", 0, ui::dlu(150, 80, 40, 10)}};
    ui::Dialog dlg(t);
    ASSERT_TRUE(dlg.create(0));
    dlg.showWindow(ui::SW_SHOW);
    std::vector<ui::Window*> labels(dlg.children().begin(), dlg.children().end());
    ASSERT_EQ(labels.size(), 3u);
    std::vector<ui::Rect> before;
    for (ui::Window* w : labels)
        before.push_back(w->rect());
    DlgResizeLayout layout;
    ASSERT_TRUE(layout.attach(&dlg));
    ASSERT_TRUE(layout.setMode(-1, DlgResizeLayout::kMoveFar, DlgResizeLayout::kMoveFar));
    const ui::Rect window = dlg.getWindowRect();
    ASSERT_TRUE(ui::resize(dlg, window.width() + 20, window.height() + 10));
    layout.relayout();
    for (size_t i = 0; i < labels.size(); ++i)
        EXPECT_EQ(labels[i]->rect(), before[i].offset(20, 10)) << i;
    // A control destroyed after attach is left out, the others still move.
    labels[1]->destroyWindow();
    ASSERT_TRUE(ui::resize(dlg, window.width(), window.height()));
    layout.relayout();
    EXPECT_EQ(labels[0]->rect(), before[0]);
    EXPECT_EQ(labels[2]->rect(), before[2]);
    dlg.destroyWindow();
}

} // namespace
