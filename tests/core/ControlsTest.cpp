#include "core/BmTempResourceOverride.h"
#include "core/CButtonST.h"
#include "core/CResizer.h"
#include "core/DialogHelpers.h"
#include "core/DlgOpenSave.h"

#include "TestSupport.h"

#include "platform/ui/Application.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/draw/Bmp.h"
#include "platform/ui/draw/RecordingCanvas.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr int kList = 100;
constexpr int kEdit = 101;
constexpr int kOk = 1;
constexpr int kIconButton = 102;

ui::DialogTemplate layoutTemplate() {
    ui::DialogTemplate t;
    t.id = 9001;
    t.caption = L"Resize";
    t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_THICKFRAME;
    t.rect = ui::dlu(0, 0, 200, 150);
    t.controls = {
        {kList, L"ListBox", L"", 0, ui::dlu(7, 7, 150, 100)},
        {kEdit, L"Edit", L"", 0, ui::dlu(7, 112, 150, 14)},
        {kIconButton, L"Button", L"", 0, ui::dlu(165, 7, 20, 20)},
        {kOk, L"Button", L"OK", ui::BS_DEFPUSHBUTTON, ui::dlu(143, 129, 50, 14)},
    };
    return t;
}

ui::Bitmap checkerPicture(ui::Color key) {
    ui::Bitmap b(4, 4, ui::Bitmap::argb(key));
    b.set(1, 1, ui::Bitmap::argb(ui::Color{200, 0, 0}));
    return b;
}

// Paints the button alone, as its window's paint handler does.
class PaintedButton : public CButtonST {
public:
    void paint(ui::Canvas& canvas) { onPaint(canvas); }
};

struct DialogFixture : ::testing::Test {
    void SetUp() override {
        ui::Application::instance().resetForTests();
        dlg = std::make_unique<ui::Dialog>(layoutTemplate());
        ASSERT_TRUE(dlg->create());
        dlg->showWindow(ui::SW_SHOW);
    }
    void TearDown() override {
        dlg.reset();
        EXPECT_TRUE(ui::Application::instance().takeFailures().empty());
    }
    ui::Rect rectOf(int id) { return dlg->getDlgItem(id)->rect(); }
    void growBy(int dx, int dy) {
        ui::Rect r = dlg->rect();
        dlg->moveWindow(ui::Rect{r.left, r.top, r.right + dx, r.bottom + dy});
    }
    std::unique_ptr<ui::Dialog> dlg;
};

} // namespace

TEST_F(DialogFixture, ResizerKeepsDistancesSizesAndProportions) {
    const ui::Rect list0 = rectOf(kList), edit0 = rectOf(kEdit), ok0 = rectOf(kOk),
                   icon0 = rectOf(kIconButton);
    CResizer r;
    ASSERT_TRUE(r.Init(dlg.get()));
    EXPECT_TRUE(r.AnchorAll(kList));                           // grows both ways
    EXPECT_TRUE(r.KeepToParent(kEdit, CResizer::Side::Right)); // grows in width only...
    EXPECT_TRUE(r.KeepToControl(kEdit, CResizer::Side::Top, kList,
                                CResizer::Side::Bottom)); // ...and follows the list
    EXPECT_TRUE(r.KeepSize(kEdit, CResizer::Side::Bottom));
    EXPECT_TRUE(
        r.SetRule(kOk, CResizer::Side::Left, CResizer::Rule::Parent, 0, CResizer::Side::Right));
    EXPECT_TRUE(
        r.SetRule(kOk, CResizer::Side::Top, CResizer::Rule::Parent, 0, CResizer::Side::Bottom));
    EXPECT_TRUE(r.Proportional(kIconButton, CResizer::Side::Left));
    EXPECT_FALSE(
        r.SetRule(kOk, CResizer::Side::Left, CResizer::Rule::Parent, 0, CResizer::Side::Top));
    EXPECT_FALSE(r.KeepToControl(kEdit, CResizer::Side::Top, 999, CResizer::Side::Bottom));

    const ui::Size client0 = dlg->getClientRect().size();
    growBy(100, 60);
    r.Move();
    ASSERT_EQ(dlg->getClientRect().size(), (ui::Size{client0.cx + 100, client0.cy + 60}));

    EXPECT_EQ(rectOf(kList),
              (ui::Rect{list0.left, list0.top, list0.right + 100, list0.bottom + 60}));
    EXPECT_EQ(rectOf(kEdit),
              (ui::Rect{edit0.left, edit0.top + 60, edit0.right + 100, edit0.bottom + 60}));
    EXPECT_EQ(rectOf(kOk), ok0.offset(100, 60));
    const int expectedLeft =
        static_cast<int>(std::lround(double(icon0.left) * (client0.cx + 100) / client0.cx));
    EXPECT_EQ(rectOf(kIconButton),
              ui::Rect::fromSize(expectedLeft, icon0.top, icon0.width(), icon0.height()));

    // Back to the design size gives the design layout; far too small never inverts a control.
    growBy(-100, -60);
    r.Move();
    EXPECT_EQ(rectOf(kList), list0);
    EXPECT_EQ(rectOf(kOk), ok0);
    ui::Rect tiny = r.placement(kList, ui::Size{10, 10});
    EXPECT_GE(tiny.width(), 0);
    EXPECT_GE(tiny.height(), 0);

    // A resizer whose dialog object is gone does nothing.
    dlg.reset();
    r.Move();
}

TEST_F(DialogFixture, IconButtonFromSwitchedResourcesAndCheckMode) {
    ui::ResourceModule module("core-test");
    ui::Bitmap pic = checkerPicture(ui::Color{192, 192, 192});
    module.addIcon(206, ui::encodeBmp24(pic));
    ui::Application::instance().resources().registerModule(&module);

    BmTempResourceOverride sw;
    sw.SaveDefaultResource(&module);
    PaintedButton button;
    ASSERT_TRUE(button.SubclassDlgItem(kIconButton, dlg.get()));
    {
        BmTempResourceOverride::Scope on(sw);
        EXPECT_TRUE(button.SetIcon(206));
    }
    EXPECT_FALSE(button.SetIcon(4711));
    EXPECT_FALSE(button.HasPicture());
    ASSERT_TRUE(button.SetBitmaps(module.findIcon(206), ui::Color{192, 192, 192}));
    button.SetFlat(true);
    button.SetTooltipText(L"Delete");
    EXPECT_EQ(button.tooltip(), L"Delete");

    ui::RecordingCanvas canvas;
    button.paint(canvas);
    auto bitmaps = canvas.itemsOfKind(ui::DrawKind::Bitmap);
    ASSERT_EQ(bitmaps.size(), 1u);
    EXPECT_EQ(bitmaps[0]->mode, ui::BlitMode::Transparent);
    EXPECT_EQ(bitmaps[0]->key, (ui::Color{192, 192, 192}));
    EXPECT_TRUE(canvas.itemsOfKind(ui::DrawKind::FrameRect).empty()); // flat, not hovered

    button.SetCheckBox(true);
    EXPECT_EQ(button.GetCheck(), ui::BST_UNCHECKED);
    ui::click(*dlg, kIconButton);
    EXPECT_EQ(button.GetCheck(), ui::BST_CHECKED);
    ui::click(*dlg, kIconButton);
    EXPECT_EQ(button.GetCheck(), ui::BST_UNCHECKED);
    button.SetCheck(ui::BST_CHECKED);
    button.OffsetColor(30);
    canvas.clear();
    button.paint(canvas);
    EXPECT_FALSE(canvas.itemsOfKind(ui::DrawKind::FrameRect).empty()); // checked: framed

    dlg.reset(); // the subclassed object outlives its window
    EXPECT_FALSE(button.isWindow());
    ui::Application::instance().resources().unregisterModule(&module);
}

TEST_F(DialogFixture, PictureFrameFromFile) {
    auto dir = scratchDir("button-bitmaps");
    ASSERT_TRUE(
        ui::writeBmpFile((dir / "DrawBolt2.bmp").string(), checkerPicture(ui::Color{255, 0, 255})));
    PaintedButton frame;
    ASSERT_TRUE(frame.SubclassDlgItem(kIconButton, dlg.get()));
    EXPECT_FALSE(frame.SetBitmaps(productForm(dir / "missing.bmp"), ui::Color{255, 0, 255}));
    ASSERT_TRUE(frame.SetBitmaps(productForm(dir / "DrawBolt2.bmp"), ui::Color{255, 0, 255}));
    frame.DrawBorder(false);
    frame.SetFlat(false);
    frame.enableWindow(false);
    frame.setWindowText(L"Bolt");
    frame.SetAlign(CButtonST::Align::Vertical);

    ui::RecordingCanvas canvas;
    frame.paint(canvas);
    EXPECT_EQ(canvas.itemsOfKind(ui::DrawKind::Bitmap).size(),
              1u); // disabled frames keep their picture
    EXPECT_TRUE(canvas.itemsOfKind(ui::DrawKind::FrameRect).empty());
    const ui::DrawItem* text = canvas.findText(L"Bolt");
    ASSERT_NE(text, nullptr);
    EXPECT_GT(text->rect.top,
              canvas.itemsOfKind(ui::DrawKind::Bitmap)[0]->rect.top); // picture above text
}

TEST(DlgOpenSave, AsksTheDriverAndCompletesTheExtension) {
    ui::Application::instance().resetForTests();
    ui::ScriptedDriver driver;
    driver.answerFile(std::wstring(L"c:\\designs\\frame"));
    driver.answerFile(std::nullopt);

    Tvl_String path(L"c:\\designs\\old.txt");
    EXPECT_TRUE(DlgOpenSave(false, L".txt", L"Designs (*.txt)|*.txt|All files|*.*||",
                            L"Save design", path));
    EXPECT_EQ(path, L"c:\\designs\\frame.txt");
    ASSERT_EQ(driver.fileDialogs().size(), 1u);
    const ui::FileDialogRequest& seen = driver.fileDialogs()[0];
    EXPECT_EQ(seen.mode, ui::FileDialogMode::Save);
    EXPECT_EQ(seen.title, L"Save design");
    EXPECT_EQ(seen.initialFolder, L"c:\\designs\\");
    EXPECT_EQ(seen.initialFile, L"old.txt");
    ASSERT_EQ(seen.filters.size(), 2u);
    EXPECT_EQ(seen.filters[1].second, L"*.*");

    path = L"c:\\pictures\\";
    EXPECT_FALSE(DlgOpenSave(true, L"bmp", L"", L"Picture", path));
    EXPECT_EQ(path, L"");
    EXPECT_TRUE(driver.done());
}

TEST_F(DialogFixture, EnableAndShowItems) {
    EXPECT_TRUE(EnDisCtrl(dlg.get(), kEdit, false));
    EXPECT_FALSE(dlg->getDlgItem(kEdit)->isWindowEnabled());
    EXPECT_TRUE(EnDisCtrl(dlg.get(), kEdit, true));
    EXPECT_TRUE(dlg->getDlgItem(kEdit)->isWindowEnabled());
    EXPECT_TRUE(ShowOrHideCtrl(dlg.get(), kOk, false));
    EXPECT_FALSE(dlg->getDlgItem(kOk)->isShown());
    EXPECT_FALSE(EnDisCtrl(dlg.get(), 4242, false)); // missing item: no-op
    EXPECT_FALSE(ShowOrHideCtrl(nullptr, kOk, true));
}
