// Mouse input: which window a press reaches, modifiers, capture loops fed by drag(),
// the cursor a window sets, and tooltips.

#include "UiTestSupport.h"

using namespace ui;
using namespace uitest;

namespace {

DialogTemplate designTemplate() {
    DialogTemplate t;
    t.id = 9500;
    t.caption = L"Design";
    t.rect = dlu(0, 0, 200, 100);
    t.controls = {
        {33000, L"Static", L"Label", SS_LEFT, dlu(10, 10, 40, 10)},
        {33001, L"Edit", L"", 0, dlu(10, 30, 60, 12)},
        {33002, L"Button", L"Push", 0, dlu(10, 50, 60, 14)},
        {IDOK, L"Button", L"OK", BS_DEFPUSHBUTTON, dlu(140, 80, 50, 14)},
    };
    return t;
}

// A dialog that tracks a rubber band in its own capture loop, as a designer does.
class Designer : public Dialog {
public:
    Designer() : Dialog(designTemplate()) {}
    std::vector<std::string> log;
    Rect band;
    std::vector<std::pair<int, Point>> wheel; // distance, screen point

protected:
    bool onMessage(unsigned msg, WPARAM w, LPARAM l, LRESULT& result) override {
        if (msg == WM_MOUSEWHEEL) {
            wheel.push_back(
                {static_cast<short>((w >> 16) & 0xFFFF), {xFromLParam(l), yFromLParam(l)}});
            result = 0;
            return true;
        }
        return Dialog::onMessage(msg, w, l, result);
    }
    bool onInitDialog() override {
        getDlgItem(33001)->enableWindow(false); // design mode: controls do not take input
        getDlgItem(33002)->setTooltip(L"Pushes");
        return true;
    }
    bool onSetCursor(Window*, int hit, unsigned msg) override {
        if (hit == HTCLIENT && msg == WM_LBUTTONDOWN)
            app().setCursor(CursorKind::Cross);
        return true;
    }
    void onMouseDown(MouseButton b, unsigned flags, Point p) override {
        log.push_back(std::string(b == MouseButton::Left ? "left" : "right") +
                      ((flags & MK_SHIFT) ? "+shift" : "") + ((flags & MK_CONTROL) ? "+ctrl" : "") +
                      " " + std::to_string(p.x) + "," + std::to_string(p.y));
        if (b != MouseButton::Left)
            return;
        app().setCapture(this);
        Point end = p;
        while (auto m = app().takePendingInput()) {
            end = {xFromLParam(m->lParam), yFromLParam(m->lParam)};
            if (m->message == WM_LBUTTONUP)
                break;
        }
        app().releaseCapture();
        band = Rect{p.x, p.y, end.x, end.y}.normalized();
    }
};

} // namespace

using Mouse = UiTest;

TEST_F(Mouse, PressesReachTheDialogThroughStaticsAndDisabledControls) {
    Designer dlg;
    driver->onDialog(9500, [&](Dialog& d) {
        Rect label = d.getDlgItem(33000)->rect();
        Rect edit = d.getDlgItem(33001)->rect();
        mouseDown(d, {label.left + 2, label.top + 2}, kModShift);
        mouseUp(d, {label.left + 2, label.top + 2});
        rightClick(d, {edit.left + 1, edit.top + 1}, kModCtrl);
        EXPECT_EQ(app().cursor(), CursorKind::Cross);
        // The enabled button takes its own press: the dialog sees nothing.
        Rect push = d.getDlgItem(33002)->rect();
        mouseDown(d, {push.left + 3, push.top + 3});
        mouseUp(d, {push.left + 3, push.top + 3});
        d.endDialog(IDOK);
    });
    dlg.doModal();
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"left+shift 17,18", "right+ctrl 16,49"}));
}

TEST_F(Mouse, DragFeedsTheHandlersOwnCaptureLoop) {
    Designer dlg;
    driver->onDialog(9500, [&](Dialog& d) {
        drag(d, {200, 120}, {150, 60});
        EXPECT_FALSE(app().hasPendingInput());
        EXPECT_EQ(app().capture(), nullptr);
        d.endDialog(IDOK);
    });
    dlg.doModal();
    EXPECT_EQ(dlg.band, (Rect{150, 60, 200, 120}));
}

TEST_F(Mouse, TooltipOfTheControlUnderThePointer) {
    Designer dlg;
    driver->onDialog(9500, [&](Dialog& d) {
        Rect push = d.getDlgItem(33002)->rect();
        EXPECT_EQ(hoverTooltip(d, {push.left + 5, push.top + 5}), L"Pushes");
        EXPECT_EQ(hoverTooltip(d, {1, 1}), L"");
        EXPECT_EQ(d.screenToClient(getCursorPos()), (Point{1, 1}));
        // Asked without moving the mouse (the live backend, when the real mouse rests).
        EXPECT_EQ(tooltipAt(d, {push.left + 5, push.top + 5}), L"Pushes");
        EXPECT_EQ(d.screenToClient(getCursorPos()), (Point{1, 1}));
        d.endDialog(IDOK);
    });
    dlg.doModal();
}

// A control that does not handle the wheel passes it to the window that holds it; the
// distance keeps its sign and the point is on the screen.
TEST_F(Mouse, WheelGoesUpToTheWindowThatScrolls) {
    Designer dlg;
    driver->onDialog(9500, [&](Dialog& d) {
        Rect push = d.getDlgItem(33002)->rect();
        const Point at{push.left + 5, push.top + 5};
        EXPECT_TRUE(mouseWheel(d, at, -WHEEL_DELTA));
        EXPECT_TRUE(mouseWheel(d, {1, 1}, 2 * WHEEL_DELTA, kModCtrl));
        d.getDlgItem(33002)->showWindow(SW_HIDE);
        d.enableWindow(false);
        EXPECT_FALSE(mouseWheel(d, at, WHEEL_DELTA)); // a disabled window takes no wheel
        d.enableWindow(true);
        d.endDialog(IDOK);
    });
    dlg.doModal();
    ASSERT_EQ(dlg.wheel.size(), 2u);
    EXPECT_EQ(dlg.wheel[0].first, -WHEEL_DELTA);
    EXPECT_EQ(dlg.wheel[1].first, 2 * WHEEL_DELTA);
    EXPECT_NE(dlg.wheel[0].second, dlg.wheel[1].second);
}
