// The window model: creation by class name, geometry and non-client metrics, destroy
// order and its failure hook, self-destruction, subclassing, batch moves, resize limits
// and the resource chain with its default-module switch.

#include "UiTestSupport.h"

#include "platform/ui/DeferWindowPos.h"
#include "platform/ui/Resources.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/Edit.h"
#include "platform/ui/controls/Static.h"
#include "platform/ui/draw/Bmp.h"

using namespace ui;
using namespace uitest;

namespace {

std::vector<std::string> g_log;

class Logged : public Window {
public:
    explicit Logged(std::string name) : m_name(std::move(name)) {}
    std::vector<std::pair<int, int>> sizes;

protected:
    void onDestroy() override {
        // Children are still there while the parent handles its own destruction.
        g_log.push_back(m_name + " destroy, children " + std::to_string(children().size()));
    }
    void onSize(unsigned, int cx, int cy) override { sizes.emplace_back(cx, cy); }

private:
    std::string m_name;
};

} // namespace

using WindowModel = UiTest;

TEST_F(WindowModel, ClassNamesAreCanonicalAndCreationIsCaseInsensitive) {
    Window top;
    ASSERT_TRUE(top.create(L"Test", L"", WS_POPUP, Rect::fromSize(0, 0, 200, 100), nullptr, 0));
    Window* e = Window::createChild(L"EDIT", L"x", WS_TABSTOP, WS_EX_CLIENTEDGE,
                                    Rect::fromSize(5, 5, 50, 20), &top, 33000);
    Window* c = Window::createChild(L"combobox", L"", CBS_DROPDOWN, 0,
                                    Rect::fromSize(5, 30, 50, 100), &top, 33001);
    Window* u =
        Window::createChild(L"fpUSpread70", L"", 0, 0, Rect::fromSize(0, 0, 10, 10), &top, 1001);
    ASSERT_TRUE(e && c && u);
    EXPECT_EQ(e->className(), L"Edit");
    EXPECT_NE(dynamic_cast<Edit*>(e), nullptr);
    EXPECT_EQ(c->className(), L"ComboBox");
    EXPECT_EQ(c->getDlgItem(1001)->className(), L"Edit"); // editable combo's inner edit
    EXPECT_EQ(u->className(), L"fpUSpread70");            // unknown classes still make a window
    EXPECT_EQ(top.findDescendant(1001), u);               // direct children first
    EXPECT_FALSE(Window::createChild(L"Edit", L"", 0, 0, {}, nullptr, 1));
    top.destroyWindow();
}

TEST_F(WindowModel, WindowAndClientRectanglesAndMapping) {
    Dialog dlg(smallTemplate());
    driver->onDialog(9001, [](Dialog& d) {
        Rect wr = d.getWindowRect();
        Rect cr = d.getClientRect();
        // Caption dialogs: 3-pixel frame and an 18-pixel caption.
        EXPECT_EQ(wr.width() - cr.width(), 6);
        EXPECT_EQ(wr.height() - cr.height(), 24);
        // 160 x 80 dialog units with 6 x 13 base units.
        EXPECT_EQ(cr.width(), 240);
        EXPECT_EQ(cr.height(), 130);
        Window* edit = d.getDlgItem(100);
        EXPECT_EQ(edit->rect(), Rect::fromSize(12, 13, 150, 19));
        Rect er = edit->getWindowRect();
        EXPECT_EQ(er.left, wr.left + 3 + 12);
        EXPECT_EQ(er.top, wr.top + 21 + 13);
        EXPECT_EQ(d.screenToClient(er), edit->rect());
        EXPECT_EQ(edit->getClientRect(), Rect::fromSize(0, 0, 146, 15)); // client edge
        EXPECT_EQ(d.mapDialogRect(dlu(4, 8, 4, 8)), (Rect{6, 13, 12, 26}));
        d.endDialog(IDOK);
    });
    dlg.doModal();
}

TEST_F(WindowModel, DestroyDeliversWmDestroyParentFirstChildrenGoneBeforeItEnds) {
    g_log.clear();
    Logged top("top");
    ASSERT_TRUE(top.create(L"T", L"", WS_POPUP, Rect::fromSize(0, 0, 100, 100), nullptr, 0));
    Logged a("a");
    ASSERT_TRUE(a.create(L"T", L"", WS_CHILD, Rect::fromSize(0, 0, 10, 10), &top, 1));
    Logged b("b");
    ASSERT_TRUE(b.create(L"T", L"", WS_CHILD, Rect::fromSize(0, 0, 10, 10), &a, 2));
    Window* owned = Window::createChild(L"Button", L"", 0, 0, {}, &top, 3);
    WindowRef<Window> ownedRef(owned);
    EXPECT_TRUE(top.destroyWindow());
    EXPECT_EQ(g_log, (std::vector<std::string>{"top destroy, children 2", "a destroy, children 1",
                                               "b destroy, children 0"}));
    EXPECT_FALSE(a.isWindow());
    EXPECT_FALSE(ownedRef); // the tree's own children are deleted with their window
    EXPECT_TRUE(top.children().empty());
    EXPECT_FALSE(top.destroyWindow()); // already gone
}

TEST_F(WindowModel, DestroyCanBeMadeToFailAndStoredHandlesDie) {
    Window w;
    ASSERT_TRUE(w.create(L"T", L"", WS_POPUP, Rect::fromSize(0, 0, 10, 10), nullptr, 0));
    Hwnd h = w.handle();
    app().setDestroyFailHook([&](Window& x) { return &x == &w; });
    EXPECT_FALSE(w.destroyWindow());
    EXPECT_TRUE(app().isWindow(h));
    app().setDestroyFailHook(nullptr);
    EXPECT_TRUE(w.destroyWindow());
    EXPECT_FALSE(app().isWindow(h));
    EXPECT_EQ(app().fromHandle(h), nullptr);
}

namespace {

// A modeless dialog that closes and deletes itself from its own command handler.
class SelfClosing : public Dialog {
public:
    explicit SelfClosing(bool* deleted) : Dialog(smallTemplate(9005)), m_deleted(deleted) {}
    ~SelfClosing() override { *m_deleted = true; }

protected:
    void onCancel() override {
        destroyWindow();
        delete this;
    }
    void onOK() override { onCancel(); }

private:
    bool* m_deleted;
};

} // namespace

TEST_F(WindowModel, ModelessDialogMayDeleteItselfInsideItsOwnHandlers) {
    for (int way = 0; way < 4; ++way) {
        bool deleted = false;
        auto* dlg = new SelfClosing(&deleted);
        ASSERT_TRUE(dlg->create());
        dlg->showWindow(SW_SHOW);
        dlg->getDlgItem(100)->setFocus();
        switch (way) {
        case 0:
            EXPECT_TRUE(click(*dlg, IDCANCEL));
            break;
        case 1:
            EXPECT_TRUE(key(VK_ESCAPE));
            break;
        case 2:
            EXPECT_TRUE(key(VK_RETURN));
            break;
        case 3:
            EXPECT_TRUE(closeBox(*dlg));
            break;
        }
        EXPECT_TRUE(deleted) << "way " << way;
        EXPECT_EQ(app().focus(), nullptr);
    }
}

TEST_F(WindowModel, SubclassedControlTakesOverStateAndFocus) {
    class FlatButton : public Button {
    public:
        int clicks = 0;

    protected:
        void onMouseUp(MouseButton b, unsigned f, Point p) override {
            ++clicks;
            Button::onMouseUp(b, f, p);
        }
    };
    Dialog dlg(smallTemplate());
    FlatButton flat;
    int clicks = -1;
    driver->onDialog(9001, [&](Dialog& d) {
        Window* old = d.getDlgItem(IDCANCEL);
        Hwnd h = old->handle();
        ASSERT_TRUE(flat.subclassDlgItem(IDCANCEL, &d));
        EXPECT_EQ(d.getDlgItem(IDCANCEL), &flat);
        EXPECT_EQ(flat.handle(), h);
        EXPECT_EQ(flat.getWindowText(), L"Cancel");
        EXPECT_EQ(flat.className(), L"Button");
        EXPECT_FALSE(flat.subclassDlgItem(IDCANCEL, &d)); // once only
        click(d, IDCANCEL);
        clicks = flat.clicks;
    });
    EXPECT_EQ(dlg.doModal(), IDCANCEL);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(flat.isWindow()); // destroyed with the dialog, not deleted
}

TEST_F(WindowModel, BatchMovesNotifyAfterAllRectanglesAreSet) {
    Window top;
    ASSERT_TRUE(top.create(L"T", L"", WS_POPUP, Rect::fromSize(0, 0, 300, 300), nullptr, 0));
    Logged a("a");
    Logged b("b");
    ASSERT_TRUE(a.create(L"T", L"", WS_CHILD, Rect::fromSize(0, 0, 10, 10), &top, 1));
    ASSERT_TRUE(b.create(L"T", L"", WS_CHILD, Rect::fromSize(0, 0, 10, 10), &top, 2));
    a.sizes.clear();
    b.sizes.clear();
    DeferWindowPos batch;
    batch.defer(&a, nullptr, 5, 5, 50, 60, SWP_NOZORDER);
    batch.defer(&b, nullptr, 70, 5, 0, 0, SWP_NOZORDER | SWP_NOSIZE);
    EXPECT_EQ(a.rect(), Rect::fromSize(0, 0, 10, 10)); // nothing moves before apply
    EXPECT_TRUE(batch.apply());
    EXPECT_EQ(a.rect(), Rect::fromSize(5, 5, 50, 60));
    EXPECT_EQ(b.rect(), Rect::fromSize(70, 5, 10, 10));
    EXPECT_EQ(a.sizes, (std::vector<std::pair<int, int>>{{50, 60}}));
    EXPECT_TRUE(b.sizes.empty()); // moved, not resized
    top.destroyWindow();
}

TEST_F(WindowModel, ResizeRespectsTheMinimumTrackingSizeAndMaximiseFillsTheWorkArea) {
    class Sizable : public Dialog {
    public:
        explicit Sizable(const DialogTemplate& t) : Dialog(t) {}
        Size minimum{400, 300};
        std::vector<unsigned> sizeTypes;

    protected:
        void onGetMinMaxInfo(MinMaxInfo& info) override { info.minTrackSize = minimum; }
        void onSize(unsigned type, int, int) override { sizeTypes.push_back(type); }
    };
    DialogTemplate t = smallTemplate();
    t.style |= WS_THICKFRAME;
    Sizable dlg(t);
    app().setWorkArea({0, 0, 1024, 700});
    driver->onDialog(9001, [&](Dialog& d) {
        dlg.sizeTypes.clear();
        EXPECT_TRUE(resize(d, 100, 100));
        EXPECT_EQ(d.rect().size(), (Size{400, 300}));
        dlg.minimum = {500, 350}; // may change at run time
        resize(d, 450, 900);
        EXPECT_EQ(d.rect().size(), (Size{500, 900}));
        d.showWindow(SW_MAXIMIZE);
        EXPECT_TRUE(d.isMaximized());
        EXPECT_EQ(d.rect(), (Rect{0, 0, 1024, 700}));
        EXPECT_EQ(dlg.sizeTypes,
                  (std::vector<unsigned>{SIZE_RESTORED, SIZE_RESTORED, SIZE_MAXIMIZED}));
        d.endDialog(IDOK);
    });
    dlg.doModal();
    Dialog fixed(smallTemplate());
    driver->onDialog(9001, [](Dialog& d) {
        EXPECT_FALSE(resize(d, 500, 500)); // no sizing frame
        d.endDialog(IDOK);
    });
    fixed.doModal();
}

TEST_F(WindowModel, ResourceChainWithDefaultModuleSwitch) {
    ResourceModule host("host");
    ResourceModule module("module");
    DialogTemplate a = smallTemplate(500);
    a.caption = L"host's";
    host.addDialog(a);
    a.caption = L"module's";
    module.addDialog(a);
    DialogTemplate only = smallTemplate(501);
    module.addDialog(only);
    auto& res = app().resources();
    res.registerModule(&host);
    res.registerModule(&module);
    EXPECT_EQ(res.findDialog(500)->caption, L"host's"); // chain order
    EXPECT_NE(res.findDialog(501), nullptr);            // found through the chain
    ResourceModule* previous = res.setDefaultModule(&module);
    EXPECT_EQ(res.findDialog(500)->caption, L"module's"); // the switch wins
    Dialog dlg(500);
    driver->onDialog(500, [](Dialog& d) {
        EXPECT_EQ(d.getWindowText(), L"module's");
        d.endDialog(IDOK);
    });
    EXPECT_EQ(dlg.doModal(), IDOK);
    res.setDefaultModule(previous);
    EXPECT_EQ(res.findDialog(500)->caption, L"host's");
    EXPECT_EQ(res.findDialog(502), nullptr);
    res.unregisterModule(&host);
    res.unregisterModule(&module);
}

TEST_F(WindowModel, AWindowThatKeepsPostingToItselfCannotHangTheLoop) {
    class Echo : public Window {
    protected:
        bool onMessage(unsigned msg, WPARAM, LPARAM, LRESULT&) override {
            if (msg == WM_APP)
                postMessage(WM_APP);
            return msg == WM_APP;
        }
    } echo;
    ASSERT_TRUE(echo.create(L"T", L"", WS_POPUP, Rect::fromSize(0, 0, 10, 10), nullptr, 0));
    echo.postMessage(WM_APP);
    app().pumpMessages();
    EXPECT_FALSE(app().hasPostedMessages());
    auto failures = takeFailures();
    ASSERT_EQ(failures.size(), 1u);
    EXPECT_NE(failures[0].find("keeps posting"), std::string::npos);
    echo.destroyWindow();
}

TEST_F(WindowModel, PictureStaticsAndIconsComeFromTheResourceChain) {
    ResourceModule module("pictures");
    Bitmap red(30, 20, Bitmap::argb(Color{255, 0, 0}));
    module.addBitmap(129, encodeBmp24(red));
    module.addIcon(148, encodeBmp24(Bitmap(16, 16)));
    DialogTemplate t = smallTemplate(9600);
    t.controls.push_back({1012, L"Static", L"#129", SS_BITMAP | SS_CENTERIMAGE, dlu(0, 0, 60, 40)});
    t.controls.push_back(
        {1013, L"Static", L"#130", SS_BITMAP, dlu(0, 0, 10, 10)}); // missing: no picture
    module.addDialog(t);
    app().resources().registerModule(&module);
    Dialog dlg(9600);
    driver->onDialog(9600, [&](Dialog& d) {
        auto* pic = static_cast<Static*>(d.getDlgItem(1012));
        EXPECT_EQ(pic->bitmap().size(), (Size{30, 20}));
        EXPECT_EQ(pic->getWindowText(), L"");
        EXPECT_TRUE(static_cast<Static*>(d.getDlgItem(1013))->bitmap().empty());
        d.setIcon(app().resources().loadIcon(148));
        EXPECT_EQ(d.icon().size(), (Size{16, 16}));
        d.endDialog(IDOK);
    });
    EXPECT_EQ(dlg.doModal(), IDOK);
    app().resources().unregisterModule(&module);
}

TEST_F(WindowModel, DestroyingAnOwnerDestroysItsOwnedPopupsFirst) {
    g_log.clear();
    Logged main("main");
    ASSERT_TRUE(main.create(L"Main", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                            Rect::fromSize(0, 0, 400, 300), nullptr, 0));
    Dialog modeless(smallTemplate());
    ASSERT_TRUE(modeless.create(9001, &main));
    EXPECT_EQ(modeless.owner(), &main);
    EXPECT_EQ(modeless.getParent(), &main);
    EXPECT_EQ(modeless.parent(), nullptr);
    Logged child("child");
    ASSERT_TRUE(child.create(L"T", L"", WS_CHILD, Rect::fromSize(0, 0, 10, 10), &modeless, 5));
    EXPECT_TRUE(main.destroyWindow());
    EXPECT_FALSE(modeless.isWindow());
    EXPECT_EQ(g_log,
              (std::vector<std::string>{"child destroy, children 0", "main destroy, children 0"}));
}
