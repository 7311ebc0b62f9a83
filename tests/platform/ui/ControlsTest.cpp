// Controls driven the way a person uses them: state change plus the notification the
// parent relies on, in the order the parent sees them.

#include "UiTestSupport.h"

#include "platform/ui/Resources.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/ListBox.h"
#include "platform/ui/controls/ListView.h"
#include "platform/ui/controls/TabControl.h"
#include "platform/ui/controls/Toolbar.h"

using namespace ui;
using namespace uitest;

namespace {

DialogTemplate controlsTemplate() {
    DialogTemplate t;
    t.id = 9300;
    t.caption = L"Controls";
    t.rect = dlu(0, 0, 260, 200);
    t.controls = {
        {101, L"EDIT", L"", ES_AUTOHSCROLL, dlu(5, 5, 80, 12)},
        {102, L"Edit", L"", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL, dlu(5, 20, 80, 30)},
        {103, L"combobox", L"", CBS_DROPDOWNLIST | WS_VSCROLL, dlu(5, 55, 80, 60)},
        {104, L"ComboBox", L"", CBS_DROPDOWN | CBS_AUTOHSCROLL, dlu(5, 72, 80, 60)},
        {105, L"ListBox", L"", LBS_NOTIFY, dlu(100, 5, 80, 50)},
        {106, L"Button", L"Three", BS_AUTO3STATE, dlu(100, 60, 80, 10)},
        {107, L"SysListView32", L"", LVS_REPORT | LVS_SINGLESEL, dlu(100, 75, 150, 60)},
        {108, L"SysTabControl32", L"", 0, dlu(5, 140, 120, 40)},
        {IDOK, L"Button", L"OK", BS_DEFPUSHBUTTON, dlu(200, 180, 50, 14)},
    };
    return t;
}

struct Event {
    int id;
    int code;
    std::wstring text; // the control's text when the parent saw it
    bool operator==(const Event&) const = default;
};

class ControlsDialog : public Dialog {
public:
    explicit ControlsDialog(const DialogTemplate& t = controlsTemplate()) : Dialog(t) {}
    std::vector<Event> events;
    std::vector<int> notifies;
    bool refuseTabChange = false;

protected:
    bool onInitDialog() override {
        auto* combo = static_cast<ComboBox*>(getDlgItem(103));
        for (auto s : {L"alpha", L"beta", L"gamma"})
            combo->addString(s);
        auto* edCombo = static_cast<ComboBox*>(getDlgItem(104));
        edCombo->addString(L"HEA200");
        edCombo->addString(L"IPE300");
        auto* list = static_cast<ListBox*>(getDlgItem(105));
        list->addString(L"one");
        list->addString(L"two");
        auto* lv = static_cast<ListView*>(getDlgItem(107));
        lv->insertColumn(0, L"Name", 80);
        lv->insertColumn(1, L"Size", 60);
        lv->insertItem(0, L"first");
        lv->setItemText(0, 1, L"10");
        lv->insertItem(1, L"second");
        auto* tab = static_cast<TabControl*>(getDlgItem(108));
        tab->insertItem(0, L"General");
        tab->insertItem(1, L"Profile");
        events.clear();
        return true;
    }
    bool onCommand(int id, int code, Window* from) override {
        if (id != IDOK && id != IDCANCEL) {
            events.push_back({id, code, from ? from->getWindowText() : L""});
            return true;
        }
        return Dialog::onCommand(id, code, from);
    }
    bool onNotify(NotifyHeader& h, LRESULT& result) override {
        notifies.push_back(h.code);
        if (h.code == TCN_SELCHANGING && refuseTabChange) {
            result = 1;
            return true;
        }
        return false;
    }
};

} // namespace

using Controls = UiTest;

TEST_F(Controls, EditNotifiesEveryChangeAndTheFocusLeaving) {
    ControlsDialog dlg;
    driver->onDialog(9300, [&](Dialog& d) {
        auto* e = static_cast<Edit*>(d.getDlgItem(101));
        e->setWindowText(L"old");
        EXPECT_EQ(dlg.events.back(), (Event{101, EN_CHANGE, L"old"})); // programmatic too
        dlg.events.clear();
        typeText(d, 101, L"ab");
        key(VK_BACK);
        tab();
        std::vector<Event> expected = {{101, EN_CHANGE, L"a"},
                                       {101, EN_CHANGE, L"ab"},
                                       {101, EN_CHANGE, L"a"},
                                       {101, EN_KILLFOCUS, L"a"}};
        std::vector<Event> got;
        for (auto& ev : dlg.events)
            if (ev.id == 101)
                got.push_back(ev);
        EXPECT_EQ(got, expected);
        click(d, IDOK);
    });
    dlg.doModal();
}

TEST_F(Controls, EditSelectionLimitReadOnlyAndLines) {
    ControlsDialog dlg;
    driver->onDialog(9300, [&](Dialog& d) {
        auto* e = static_cast<Edit*>(d.getDlgItem(101));
        e->setWindowText(L"hello world");
        e->sendMessage(EM_SETSEL, 6, -1);
        int s = 0, t = 0;
        e->sendMessage(EM_GETSEL, reinterpret_cast<WPARAM>(&s), reinterpret_cast<LPARAM>(&t));
        EXPECT_EQ(s, 6);
        EXPECT_EQ(t, 11);
        e->setLimitText(5);
        typeText(d, 101, L"123456789");
        EXPECT_EQ(e->getWindowText(), L"12345");
        e->setReadOnly(true);
        typeText(d, 101, L"zz");
        EXPECT_EQ(e->getWindowText(), L"12345");

        // Multi-line with ES_WANTRETURN: Enter is a line break, not the default button.
        typeText(d, 102, L"a");
        key(VK_RETURN);
        typeText(L"b");
        auto* m = static_cast<Edit*>(d.getDlgItem(102));
        EXPECT_EQ(m->getWindowText(), L"a\r\nb");
        EXPECT_EQ(m->getLineCount(), 2);
        EXPECT_EQ(m->getLine(1), L"b");
        EXPECT_TRUE(d.isWindowVisible()); // still open
        click(d, IDOK);
    });
    EXPECT_EQ(dlg.doModal(), IDOK);
}

TEST_F(Controls, DropListAndEditableComboSelection) {
    ControlsDialog dlg;
    driver->onDialog(9300, [&](Dialog& d) {
        auto* combo = static_cast<ComboBox*>(d.getDlgItem(103));
        dlg.events.clear();
        combo->setCurSel(0); // by program: no notification
        EXPECT_TRUE(dlg.events.empty());
        ASSERT_TRUE(selectItem(d, 103, L"GAMMA"));
        EXPECT_EQ(combo->getCurSel(), 2);
        EXPECT_EQ(combo->getWindowText(), L"gamma");
        EXPECT_NE(
            std::find(dlg.events.begin(), dlg.events.end(), Event{103, CBN_SELCHANGE, L"gamma"}),
            dlg.events.end());
        EXPECT_FALSE(selectItem(d, 103, 7));

        // Editable: the inner edit 1001 holds the text and has the focus.
        auto* ed = static_cast<ComboBox*>(d.getDlgItem(104));
        dlg.events.clear();
        ASSERT_TRUE(selectItem(d, 104, 1));
        // While CBN_SELCHANGE is handled the edit still holds the old text, as on the platform.
        std::vector<Event> expected = {{104, CBN_SETFOCUS, L""},
                                       {104, CBN_DROPDOWN, L""},
                                       {104, CBN_SELCHANGE, L""},
                                       {104, CBN_SELENDOK, L"IPE300"},
                                       {104, CBN_CLOSEUP, L"IPE300"}};
        EXPECT_EQ(dlg.events, expected);
        EXPECT_EQ(ed->getWindowText(), L"IPE300");
        EXPECT_EQ(app().focus()->id(), ComboBox::kEditId);
        EXPECT_EQ(app().focus()->className(), L"Edit");
        EXPECT_EQ(app().focus()->parent()->className(), L"ComboBox");
        dlg.events.clear();
        typeText(d, 104, L"HEA");
        EXPECT_EQ(ed->getWindowText(), L"HEA");
        EXPECT_EQ(ed->getCurSel(), -1); // typed text not in the list
        EXPECT_EQ(dlg.events.back().code, CBN_EDITCHANGE);
        EXPECT_EQ(ed->findStringExact(-1, L"hea200"), 0);
        click(d, IDOK);
    });
    dlg.doModal();
}

TEST_F(Controls, ListBoxThreeStateCheckListViewAndTabs) {
    ControlsDialog dlg;
    driver->onDialog(9300, [&](Dialog& d) {
        ASSERT_TRUE(selectItem(d, 105, 1));
        EXPECT_EQ(dlg.events.back(), (Event{105, LBN_SELCHANGE, L""}));
        EXPECT_EQ(static_cast<ListBox*>(d.getDlgItem(105))->getText(1), L"two");

        auto* three = static_cast<Button*>(d.getDlgItem(106));
        std::vector<int> states;
        for (int i = 0; i < 4; ++i) {
            click(d, 106);
            states.push_back(three->getCheck());
        }
        EXPECT_EQ(states, (std::vector<int>{1, 2, 0, 1}));
        // The product switches a 3-state box to a 2-state one on first click.
        three->setButtonStyle(BS_AUTOCHECKBOX);
        click(d, 106);
        click(d, 106);
        EXPECT_EQ(three->getCheck(), BST_CHECKED);

        auto* lv = static_cast<ListView*>(d.getDlgItem(107));
        dlg.notifies.clear();
        ASSERT_TRUE(selectItem(d, 107, 1));
        EXPECT_EQ(lv->getSelectionMark(), 1);
        EXPECT_EQ(lv->getItemText(0, 1), L"10");
        EXPECT_EQ(dlg.notifies, (std::vector<int>{LVN_ITEMCHANGED, NM_CLICK}));
        ASSERT_TRUE(selectItem(d, 107, 0));
        EXPECT_EQ(lv->getSelectedCount(), 1); // single selection

        auto* tab = static_cast<TabControl*>(d.getDlgItem(108));
        dlg.notifies.clear();
        tab->setCurSel(1); // by program: silent
        EXPECT_TRUE(dlg.notifies.empty());
        selectItem(d, 108, 0);
        EXPECT_EQ(dlg.notifies, (std::vector<int>{TCN_SELCHANGING, TCN_SELCHANGE}));
        dlg.refuseTabChange = true;
        selectItem(d, 108, 1);
        EXPECT_EQ(tab->getCurSel(), 0);
        click(d, IDOK);
    });
    dlg.doModal();
}

namespace {

class CommandLog : public Dialog {
public:
    explicit CommandLog(const DialogTemplate& t) : Dialog(t) {}
    std::vector<int> commands;
    Toolbar* toolbar = nullptr;

protected:
    bool onInitDialog() override {
        toolbar = static_cast<Toolbar*>(Window::createChild(
            L"ToolbarWindow32", L"", WS_VISIBLE, 0, Rect::fromSize(0, 0, 200, 23), this, 0xE800));
        toolbar->setButtons({32811, 32812, 0, 32816});
        toolbar->enableButton(32812, false);
        return true;
    }
    bool onCommand(int id, int code, Window* from) override {
        if (id >= 32768) {
            commands.push_back(id);
            return true;
        }
        return Dialog::onCommand(id, code, from);
    }
};

} // namespace

TEST_F(Controls, MenuBarAndToolbarCommandsReachTheDialog) {
    ResourceModule module("test");
    MenuTemplate bar{
        139, {{L"&File", 0, 0, {{L"Open", 32811, 0, {}}, {L"Save", 32812, MF_GRAYED, {}}}}}};
    module.addMenu(bar);
    app().resources().registerModule(&module);
    DialogTemplate t = controlsTemplate();
    t.menuId = 139;
    CommandLog dlg(t);
    driver->onDialog(9300, [&](Dialog& d) {
        // The menu bar takes its height from the client area.
        EXPECT_EQ(d.getWindowRect().height() - d.getClientRect().height(), 3 + 18 + 19 + 3);
        EXPECT_TRUE(chooseMenuCommand(d, 32811));
        EXPECT_FALSE(chooseMenuCommand(d, 32812)); // greyed
        EXPECT_FALSE(chooseMenuCommand(d, 4711));  // missing
        EXPECT_TRUE(dlg.toolbar->clickCommand(32816));
        EXPECT_FALSE(dlg.toolbar->clickCommand(32812)); // disabled button
        d.getMenu()->enableMenuItem(32812, MF_ENABLED);
        EXPECT_TRUE(chooseMenuCommand(d, 32812));
        d.endDialog(IDOK);
    });
    dlg.doModal();
    EXPECT_EQ(dlg.commands, (std::vector<int>{32811, 32816, 32812}));
    app().resources().unregisterModule(&module);
}

TEST_F(Controls, MultiSelectionListsCheckBoxListViewAndEditKeys) {
    DialogTemplate t = controlsTemplate();
    t.controls[4].style = LBS_NOTIFY | LBS_EXTENDEDSEL;
    t.controls[6].style = LVS_REPORT;
    ControlsDialog dlg(t);
    driver->onDialog(9300, [&](Dialog& d) {
        auto* list = static_cast<ListBox*>(d.getDlgItem(105));
        list->addString(L"three");
        list->userSelect(0);
        list->userSelect(2, kModShift);
        EXPECT_EQ(list->getSelItems(), (std::vector<int>{0, 1, 2}));
        list->userSelect(1, kModCtrl);
        EXPECT_EQ(list->getSelItems(), (std::vector<int>{0, 2}));

        auto* lv = static_cast<ListView*>(d.getDlgItem(107));
        lv->setExtendedStyle(LVS_EX_CHECKBOXES);
        dlg.notifies.clear();
        EXPECT_TRUE(checkListItem(d, 107, 1, true));
        EXPECT_TRUE(lv->getCheck(1));
        EXPECT_EQ(dlg.notifies, (std::vector<int>{LVN_ITEMCHANGED}));
        EXPECT_TRUE(checkListItem(d, 107, 1, true)); // already checked: nothing happens
        selectItem(d, 107, 0);
        selectItem(d, 107, 1);
        EXPECT_EQ(lv->getSelectedCount(), 1);

        auto* e = static_cast<Edit*>(d.getDlgItem(101));
        typeText(d, 101, L"abcdef");
        key(VK_HOME);
        key(VK_RIGHT, kModShift);
        key(VK_RIGHT, kModShift);
        int s = 0, en = 0;
        e->getSel(s, en);
        EXPECT_EQ(s, 0);
        EXPECT_EQ(en, 2);
        key(VK_DELETE);
        EXPECT_EQ(e->getWindowText(), L"cdef");
        d.endDialog(IDOK);
    });
    dlg.doModal();
}
