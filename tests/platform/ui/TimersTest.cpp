// Timers on the virtual clock: window timers, thread timers with system-chosen ids,
// ordering, killing from inside the callback, and timers of destroyed windows.

#include "UiTestSupport.h"

using namespace ui;
using namespace uitest;

namespace {

class TimerWindow : public Window {
public:
    std::vector<std::pair<unsigned, std::uint64_t>> fired;
    bool destroyOnFirst = false;

protected:
    void onTimer(unsigned id) override {
        fired.emplace_back(id, app().now());
        if (destroyOnFirst)
            destroyWindow();
    }
};

} // namespace

using Timers = UiTest;

TEST_F(Timers, FireInDueOrderAtTheirDueTimes) {
    TimerWindow w;
    ASSERT_TRUE(w.create(L"Test", L"", WS_POPUP, Rect::fromSize(0, 0, 10, 10), nullptr, 0));
    w.setTimer(1, 30);
    w.setTimer(2, 20);
    std::vector<std::uint64_t> thread;
    unsigned tid = app().setThreadTimer(50, [&](unsigned id) {
        EXPECT_NE(id, 0u);
        thread.push_back(app().now());
    });
    EXPECT_NE(tid, 0u);
    advanceTime(100);
    EXPECT_EQ(app().now(), 100u);
    std::vector<std::pair<unsigned, std::uint64_t>> expected = {
        {2, 20}, {1, 30}, {2, 40}, {1, 60}, {2, 60}, {2, 80}, {1, 90}, {2, 100}};
    EXPECT_EQ(w.fired, expected);
    EXPECT_EQ(thread, (std::vector<std::uint64_t>{50, 100}));
    EXPECT_TRUE(app().killThreadTimer(tid));
    EXPECT_FALSE(app().killThreadTimer(tid));
    EXPECT_TRUE(w.killTimer(1));
    w.destroyWindow();
    EXPECT_EQ(app().pendingTimerCount(), 0); // window timers die with the window
}

TEST_F(Timers, ResettingATimerRestartsItAndIdsAreNeverReused) {
    TimerWindow w;
    ASSERT_TRUE(w.create(L"Test", L"", WS_POPUP, Rect::fromSize(0, 0, 10, 10), nullptr, 0));
    w.setTimer(1, 100);
    advanceTime(60);
    w.setTimer(1, 100); // SetTimer with the same id restarts it
    advanceTime(60);
    EXPECT_TRUE(w.fired.empty());
    advanceTime(40);
    EXPECT_EQ(w.fired.size(), 1u);
    unsigned a = app().setThreadTimer(10, [](unsigned) {});
    app().killThreadTimer(a);
    unsigned b = app().setThreadTimer(10, [](unsigned) {});
    EXPECT_NE(a, b);
    app().killThreadTimer(b);
    w.destroyWindow();
}

TEST_F(Timers, CallbackMayKillItselfOrDestroyItsWindow) {
    int calls = 0;
    app().setThreadTimer(50, [&](unsigned id) {
        ++calls;
        app().killThreadTimer(id);
    });
    TimerWindow w;
    ASSERT_TRUE(w.create(L"Test", L"", WS_POPUP, Rect::fromSize(0, 0, 10, 10), nullptr, 0));
    w.destroyOnFirst = true;
    w.setTimer(1, 10);
    advanceTime(500);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(w.fired.size(), 1u);
    EXPECT_FALSE(w.isWindow());
    EXPECT_EQ(app().pendingTimerCount(), 0);
}

TEST_F(Timers, RetryingTimerAsInADeferredCloseStopsWhenTheConditionClears) {
    // A 50 ms retry that ends once a busy flag clears, restarting itself meanwhile.
    bool busy = true;
    int attempts = 0;
    std::function<void(unsigned)> retry = [&](unsigned id) {
        app().killThreadTimer(id);
        ++attempts;
        if (busy)
            app().setThreadTimer(50, retry);
    };
    app().setThreadTimer(50, retry);
    advanceTime(175);
    EXPECT_EQ(attempts, 3);
    busy = false;
    advanceTime(50);
    EXPECT_EQ(attempts, 4);
    advanceTime(500);
    EXPECT_EQ(attempts, 4);
    EXPECT_EQ(app().pendingTimerCount(), 0);
}

TEST_F(Timers, ModalDialogOpenedFromATimerRunsAndTheTimerIsNotReentered) {
    int fired = 0;
    int result = 0;
    app().setThreadTimer(10, [&](unsigned id) {
        ++fired;
        Dialog dlg(smallTemplate());
        result = dlg.doModal(); // the driver advances time inside: no re-entry of this timer
        app().killThreadTimer(id);
    });
    driver->onDialog(9001, [](Dialog& d) {
        advanceTime(100);
        click(d, IDOK);
    });
    advanceTime(10);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(result, IDOK);
}

TEST_F(Timers, SplashStyleWindowTimerEndsAModalDialog) {
    class Splash : public Dialog {
    public:
        Splash() : Dialog(smallTemplate()) {}

    protected:
        bool onInitDialog() override {
            setTimer(1, 10000);
            return true;
        }
        void onTimer(unsigned id) override {
            if (id == 1)
                endDialog(IDOK);
        }
    } splash;
    driver->onDialog(9001, [](Dialog&) { advanceTime(10000); });
    EXPECT_EQ(splash.doModal(), IDOK);
    EXPECT_EQ(app().now(), 10000u);
}
