// The modal loop's guards: each one here matches a way a dialog module misbehaves.

#include "UiTestSupport.h"

#include "platform/ui/controls/Edit.h"

using namespace ui;
using namespace uitest;

namespace {

class RecordingDialog : public Dialog {
public:
    using Dialog::Dialog;
    std::function<bool(RecordingDialog&)> init;
    std::function<void(RecordingDialog&, int, int)> command;
    std::vector<std::string> log;

protected:
    bool onInitDialog() override {
        log.push_back("init");
        return init ? init(*this) : true;
    }
    bool onCommand(int id, int code, Window* from) override {
        if (command)
            command(*this, id, code);
        return Dialog::onCommand(id, code, from);
    }
    void onDestroy() override { log.push_back("destroy"); }
};

} // namespace

using ModalLoop = UiTest;

TEST_F(ModalLoop, RunsUntilEndDialogAndDisablesTheOwnerMeanwhile) {
    Window owner;
    ASSERT_TRUE(owner.create(L"Main", L"Host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                             Rect::fromSize(0, 0, 800, 600), nullptr, 0));
    app().setMainWindow(&owner);
    RecordingDialog dlg(smallTemplate());
    bool ownerEnabledInside = true;
    driver->onDialog(9001, [&](Dialog& d) {
        ownerEnabledInside = owner.isWindowEnabled();
        EXPECT_TRUE(d.isWindowVisible());
        EXPECT_EQ(app().activeModal(), &d);
        click(d, IDOK);
    });
    EXPECT_EQ(dlg.doModal(), IDOK);
    EXPECT_FALSE(ownerEnabledInside);
    EXPECT_TRUE(owner.isWindowEnabled());
    EXPECT_FALSE(dlg.isWindow());
    EXPECT_EQ(dlg.log, (std::vector<std::string>{"init", "destroy"}));
    owner.destroyWindow();
}

TEST_F(ModalLoop, ReentryIsRefused) {
    RecordingDialog dlg(smallTemplate());
    int inner = 0;
    driver->onDialog(9001, [&](Dialog& d) {
        inner = d.doModal();
        d.endDialog(7);
    });
    EXPECT_EQ(dlg.doModal(), 7);
    EXPECT_EQ(inner, -1);
}

TEST_F(ModalLoop, EndingTwiceKeepsTheFirstResult) {
    RecordingDialog dlg(smallTemplate());
    driver->onDialog(9001, [](Dialog& d) {
        d.endDialog(3);
        d.endDialog(IDCANCEL);
    });
    EXPECT_EQ(dlg.doModal(), 3);
}

TEST_F(ModalLoop, EndDialogDuringInitEndsWithoutShowing) {
    RecordingDialog dlg(smallTemplate());
    bool shown = false;
    dlg.init = [&](RecordingDialog& d) {
        d.endDialog(4);
        return true;
    };
    driver->onAnyDialog([&](Dialog&) { shown = true; });
    EXPECT_EQ(dlg.doModal(), 4);
    EXPECT_FALSE(shown);
    EXPECT_FALSE(dlg.isShownOnce());
    driver->onAnyDialog(nullptr);
}

TEST_F(ModalLoop, DialogDeletedInsideItsOwnLoopEndsCleanly) {
    auto* dlg = new RecordingDialog(smallTemplate());
    WindowRef<Dialog> ref(dlg);
    driver->onDialog(9001, [&](Dialog& d) {
        d.endDialog(5);
        delete &d;
    });
    EXPECT_EQ(dlg->doModal(), 5);
    EXPECT_FALSE(ref);
    EXPECT_EQ(app().modalDepth(), 0);

    auto* other = new RecordingDialog(smallTemplate());
    driver->onDialog(9001, [&](Dialog& d) { delete &d; });
    EXPECT_EQ(other->doModal(), IDCANCEL);
}

TEST_F(ModalLoop, UnansweredModalFailsClearlyAndIsCancelled) {
    RecordingDialog dlg(smallTemplate());
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    auto failures = takeFailures();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("unanswered modal dialog 9001 \"Small\""), std::string::npos)
        << failures[0];
    EXPECT_TRUE(app().transcript().contains("FAILURE: unanswered modal dialog 9001"));
}

TEST_F(ModalLoop, HandlerThatNeverEndsTheDialogIsStoppedByTheStepBound) {
    RecordingDialog dlg(smallTemplate());
    app().setMaxModalSteps(50);
    int calls = 0;
    driver->onAnyDialog([&](Dialog&) { ++calls; });
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    EXPECT_EQ(calls, 50);
    EXPECT_EQ(takeFailures().size(), 1u);
    driver->onAnyDialog(nullptr);
}

TEST_F(ModalLoop, NestedModalsAndATimerThatEndsTheOuterOneFromInside) {
    RecordingDialog outer(smallTemplate(9001));
    RecordingDialog inner(smallTemplate(9002));
    int innerResult = 0;
    driver->onDialog(9001, [&](Dialog& d) {
        // A thread timer that ends the outer dialog fires while the inner loop runs.
        app().setThreadTimer(50, [&](unsigned id) {
            app().killThreadTimer(id);
            d.endDialog(11);
        });
        innerResult = inner.doModal();
    });
    driver->onDialog(9002, [&](Dialog& d) {
        advanceTime(100);
        EXPECT_TRUE(outer.endRequested());
        EXPECT_TRUE(outer.isWindow()); // still there until its own loop turns
        click(d, IDOK);
    });
    EXPECT_EQ(outer.doModal(), 11);
    EXPECT_EQ(innerResult, IDOK);
}

TEST_F(ModalLoop, InitReturnValueDecidesWhoPlacesTheFocus) {
    RecordingDialog first(smallTemplate());
    int focusSeen = 0;
    driver->onDialog(9001, [&](Dialog& d) {
        focusSeen = app().focus() ? app().focus()->id() : 0;
        d.endDialog(IDOK);
    });
    first.doModal();
    // The first tab stop (edit 100) got the focus: the layer placed it.
    EXPECT_EQ(focusSeen, 100);

    RecordingDialog second(smallTemplate());
    second.init = [](RecordingDialog& d) {
        d.getDlgItem(IDCANCEL)->setFocus();
        return false;
    };
    driver->onDialog(9001, [&](Dialog& d) {
        focusSeen = app().focus() ? app().focus()->id() : 0;
        d.endDialog(IDOK);
    });
    second.doModal();
    EXPECT_EQ(focusSeen, IDCANCEL);
}

TEST_F(ModalLoop, MissingTemplateFailsWithMinusOne) {
    Dialog dlg(4242);
    EXPECT_EQ(dlg.doModal(), -1);
    EXPECT_EQ(takeFailures().size(), 1u);
}

TEST_F(ModalLoop, ModelessDialogTakesInputWhileAModalRunsElsewhere) {
    RecordingDialog modeless(smallTemplate(9002));
    ASSERT_TRUE(modeless.create());
    modeless.showWindow(SW_SHOW);
    RecordingDialog modal(smallTemplate(9001));
    bool typed = false;
    driver->onDialog(9001, [&](Dialog& d) {
        typed = typeText(modeless, 100, L"abc");
        click(d, IDCANCEL);
    });
    EXPECT_EQ(modal.doModal(), IDCANCEL);
    EXPECT_TRUE(typed);
    // The control focused before the modal ran has the focus again.
    EXPECT_EQ(app().focus(), modeless.getDlgItem(100));
    EXPECT_EQ(modeless.getDlgItemText(100), L"abc");
    EXPECT_TRUE(modeless.destroyWindow());
    EXPECT_EQ(modeless.log.back(), "destroy");
}
