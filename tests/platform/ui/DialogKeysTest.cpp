// The dialog manager: Tab order, Enter, Escape, the close box, radio groups and arrows,
// and the message filters that run before it (innermost first, pages before frames).

#include "UiTestSupport.h"

#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Edit.h"

using namespace ui;
using namespace uitest;

namespace {

DialogTemplate keysTemplate() {
    DialogTemplate t;
    t.id = 9100;
    t.caption = L"Keys";
    t.rect = dlu(0, 0, 200, 120);
    t.controls = {
        {10, L"Edit", L"", 0, dlu(5, 5, 80, 12)},
        {11, L"Edit", L"", 0, dlu(5, 20, 80, 12)},
        {12, L"Edit", L"disabled", 0, dlu(5, 35, 80, 12)},
        {20, L"Button", L"A", BS_AUTORADIOBUTTON | WS_GROUP | WS_TABSTOP, dlu(100, 5, 60, 10)},
        {21, L"Button", L"B", BS_AUTORADIOBUTTON, dlu(100, 17, 60, 10)},
        {22, L"Button", L"C", BS_AUTORADIOBUTTON, dlu(100, 29, 60, 10)},
        {30, L"Button", L"Other", BS_AUTORADIOBUTTON | WS_GROUP, dlu(100, 45, 60, 10)},
        {IDOK, L"Button", L"OK", BS_PUSHBUTTON, dlu(40, 100, 50, 14)},
        {IDCANCEL, L"Button", L"Cancel", BS_PUSHBUTTON, dlu(100, 100, 50, 14)},
        {40, L"Button", L"Apply", BS_DEFPUSHBUTTON, dlu(150, 100, 45, 14)},
    };
    return t;
}

class KeysDialog : public Dialog {
public:
    KeysDialog() : Dialog(keysTemplate()) {}
    std::vector<int> commands;
    std::vector<std::string> filtered;
    bool swallowF5 = false;

protected:
    bool onInitDialog() override {
        getDlgItem(12)->enableWindow(false);
        return true;
    }
    bool onCommand(int id, int code, Window* from) override {
        if (code == BN_CLICKED)
            commands.push_back(id);
        if (id == 40)
            return true;
        return Dialog::onCommand(id, code, from);
    }
    bool preTranslateMessage(Message& msg) override {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_F5 && swallowF5) {
            filtered.push_back("F5");
            return true;
        }
        return Dialog::preTranslateMessage(msg);
    }
};

} // namespace

using DialogKeys = UiTest;

TEST_F(DialogKeys, TabCyclesThroughEnabledTabStopsBothWays) {
    KeysDialog dlg;
    std::vector<int> order;
    driver->onDialog(9100, [&](Dialog& d) {
        for (int i = 0; i < 6; ++i) {
            order.push_back(app().focus()->id());
            tab();
        }
        order.push_back(app().focus()->id());
        tab(true);
        order.push_back(app().focus()->id());
        d.endDialog(IDCANCEL);
    });
    dlg.doModal();
    // 12 is disabled, 21/22/30 are not tab stops.
    EXPECT_EQ(order, (std::vector<int>{10, 11, 20, IDOK, IDCANCEL, 40, 10, 40}));
}

TEST_F(DialogKeys, EnterPressesTheDefaultOrTheFocusedButtonEscapeCancels) {
    KeysDialog dlg;
    driver->onDialog(9100, [&](Dialog& d) {
        key(VK_RETURN); // focus in edit 10: the default button (Apply, 40)
        d.getDlgItem(IDCANCEL)->setFocus();
        key(VK_ESCAPE);
    });
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    EXPECT_EQ(dlg.commands, (std::vector<int>{40, IDCANCEL}));

    KeysDialog second;
    driver->onDialog(9100, [&](Dialog& d) {
        d.getDlgItem(IDOK)->setFocus();
        key(VK_RETURN); // a focused push button is the one Enter presses
    });
    EXPECT_EQ(second.doModal(), IDOK);
}

TEST_F(DialogKeys, CloseBoxSendsCancel) {
    KeysDialog dlg;
    driver->onDialog(9100, [&](Dialog& d) { closeBox(d); });
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    EXPECT_EQ(dlg.commands, (std::vector<int>{IDCANCEL}));
}

TEST_F(DialogKeys, RadioGroupsFollowWsGroupAndArrowKeys) {
    KeysDialog dlg;
    driver->onDialog(9100, [&](Dialog& d) {
        click(d, 30);
        click(d, 21);
        EXPECT_EQ(d.isDlgButtonChecked(21), BST_CHECKED);
        EXPECT_EQ(d.isDlgButtonChecked(30), BST_CHECKED); // another group
        key(VK_DOWN);                                     // 21 -> 22, checked by moving
        EXPECT_EQ(app().focus()->id(), 22);
        EXPECT_EQ(d.isDlgButtonChecked(22), BST_CHECKED);
        EXPECT_EQ(d.isDlgButtonChecked(21), BST_UNCHECKED);
        key(VK_DOWN); // wraps within the group
        EXPECT_EQ(app().focus()->id(), 20);
        d.checkRadioButton(20, 22, 21);
        EXPECT_EQ(d.isDlgButtonChecked(20), BST_UNCHECKED);
        EXPECT_EQ(d.isDlgButtonChecked(21), BST_CHECKED);
        d.endDialog(IDOK);
    });
    dlg.doModal();
}

TEST_F(DialogKeys, FilterSeesKeysFirstAndCanConsumeThem) {
    KeysDialog dlg;
    dlg.swallowF5 = true;
    driver->onDialog(9100, [&](Dialog& d) {
        key(VK_F5);
        typeText(d, 10, L"x");
        d.endDialog(IDOK);
    });
    dlg.doModal();
    EXPECT_EQ(dlg.filtered, (std::vector<std::string>{"F5"}));
}

TEST_F(DialogKeys, DisabledDefaultButtonMakesEnterDoNothing) {
    KeysDialog dlg;
    driver->onDialog(9100, [&](Dialog& d) {
        d.getDlgItem(40)->enableWindow(false);
        key(VK_RETURN);
        EXPECT_TRUE(dlg.commands.empty());
        EXPECT_FALSE(click(d, 40)); // nor can a person click it
        d.endDialog(IDOK);
    });
    dlg.doModal();
}

// ---- Pages: a child dialog inside a tab control inside a frame --------------------------

namespace {

DialogTemplate frameTemplate() {
    DialogTemplate t;
    t.id = 9200;
    t.caption = L"Frame";
    t.rect = dlu(0, 0, 220, 160);
    t.controls = {
        {8097, L"SysTabControl32", L"", 0, dlu(3, 3, 214, 130), 0, false, true},
        {IDOK, L"Button", L"OK", BS_DEFPUSHBUTTON, dlu(110, 140, 50, 14)},
        {IDCANCEL, L"Button", L"Cancel", 0, dlu(165, 140, 50, 14)},
    };
    return t;
}

DialogTemplate pageTemplate() {
    DialogTemplate t;
    t.id = 9201;
    t.style = WS_CHILD | WS_VISIBLE | DS_CONTROL;
    t.rect = dlu(4, 16, 200, 100);
    t.controls = {
        {500, L"Edit", L"", 0, dlu(5, 5, 80, 12)},
        {501, L"Edit", L"", 0, dlu(5, 20, 80, 12)},
    };
    return t;
}

std::vector<std::string> g_trail;

class Page : public Dialog {
public:
    Page() : Dialog(pageTemplate()) {}
    bool ownOk = false;

protected:
    bool preTranslateMessage(Message& msg) override {
        if (msg.message == WM_KEYDOWN)
            g_trail.push_back("page");
        return Dialog::preTranslateMessage(msg);
    }
    void onOK() override {
        if (ownOk)
            g_trail.push_back("page ok");
        else
            Dialog::onOK();
    }
};

class Frame : public Dialog {
public:
    Frame() : Dialog(frameTemplate()) {}
    Page page;

protected:
    bool onInitDialog() override {
        page.create(9201, getDlgItem(8097));
        return true;
    }
    bool preTranslateMessage(Message& msg) override {
        if (msg.message == WM_KEYDOWN)
            g_trail.push_back("frame");
        return Dialog::preTranslateMessage(msg);
    }
    void onOK() override {
        g_trail.push_back("frame ok");
        Dialog::onOK();
    }
};

} // namespace

TEST_F(DialogKeys, FiltersRunInnermostFirstAndPagesTakeEnterBeforeTheirFrame) {
    g_trail.clear();
    Frame frame;
    frame.page.ownOk = true;
    driver->onDialog(9200, [&](Dialog& d) {
        ASSERT_EQ(app().focus()->id(), 500); // focus placed inside the page
        key(VK_RETURN);                      // the page consumes it with its own OK
        EXPECT_EQ(g_trail, (std::vector<std::string>{"page", "page ok"}));
        g_trail.clear();
        tab();
        tab();
        EXPECT_EQ(app().focus()->id(), IDOK); // Tab leaves the page for the frame's controls
        EXPECT_EQ(g_trail, (std::vector<std::string>{"page", "page"}));
        g_trail.clear();
        key(VK_F5); // a key on the frame's own control never reaches the page's filter
        EXPECT_EQ(g_trail, (std::vector<std::string>{"frame"}));
        d.endDialog(IDCANCEL);
    });
    frame.doModal();
    EXPECT_FALSE(frame.page.isWindow());
}

TEST_F(DialogKeys, PageWithoutItsOwnOkHandsEnterToTheFrame) {
    g_trail.clear();
    Frame frame;
    driver->onDialog(9200, [&](Dialog&) { key(VK_RETURN); });
    EXPECT_EQ(frame.doModal(), IDOK);
    EXPECT_EQ(g_trail, (std::vector<std::string>{"page", "frame ok"}));
    // GetParent chain page -> tab control -> dialog, as the frame lookup relies on.
}
