#pragma once
// Set-up of the dialog-design tests: the module frame's test state, a private library
// folder holding the designs' root, and a host dialog that passes Tab to the design as
// the macro dialog pages do.

#include "tests/kw/frame/FrameTestSupport.h"

#include "core/LanguageTexts.h"
#include "core/Tvl_Settings.h"
#include "kw/designer/Tvl_DlgDesignerData.h"
#include "platform/base/Paths.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/draw/Bmp.h"

#include <fstream>
#include <memory>

// A dialog that carries a design: Tab and Shift+Tab go to the design first.
class DesignHost : public ui::Dialog {
public:
    explicit DesignHost(const ui::DialogTemplate& tpl) : ui::Dialog(tpl) {}
    Tvl_DlgDesignerData* design = nullptr;
    Tvl_TabMsgHandle lastTab = tvlTabNotHandled;

    bool preTranslateMessage(ui::Message& msg) override {
        if (design && msg.message == ui::WM_KEYDOWN &&
            msg.wParam == static_cast<ui::WPARAM>(ui::VK_TAB)) {
            Tvl_TabMsgHandle result = tvlTabNotHandled;
            if (design->handleTabKey(ui::VK_TAB, result)) {
                lastTab = result;
                if (result == tvlTabHandled || result == tvlTabAfterLast ||
                    result == tvlTabBeforeFirst)
                    return true; // the page decides where the focus goes after the ends
            }
        }
        return ui::Dialog::preTranslateMessage(msg);
    }

protected:
    // The designer's pane notifications.
    bool onCommand(int id, int code, ui::Window* from) override {
        if (design && ((id == 1005 && code == ui::CBN_SELCHANGE) ||
                       ((id == 1304 || id == 1305) && code == ui::EN_CHANGE))) {
            ++paneNotifications;
            design->propsOfCurSelUpdated();
            return true;
        }
        return ui::Dialog::onCommand(id, code, from);
    }

public:
    int paneNotifications = 0;
};

class DesignerTest : public FrameTest {
protected:
    static constexpr int kTypeCombo = 1005, kContentsLabel = 1016, kContentsEdit = 1304,
                         kListLabel = 1017, kListEdit = 1305, kOther = 1500;

    void SetUp() override {
        FrameTest::SetUp();
        setenv("TVL_LIB_DIR", (m_tmp.string() + "/lib/").c_str(), 1);
        gSettings.reload();
        m_root = getDesignerRootFolder();
        std::filesystem::create_directories(native(m_root) / "sub");
    }
    void TearDown() override {
        m_host.reset();
        FrameTest::TearDown();
    }

    static std::filesystem::path native(const Tvl_String& p) { return base::toNative(p.str()); }

    // A white picture of w x h pixels at root + name + ".bmp".
    void writePicture(const Tvl_String& name, int w = 400, int h = 200) {
        ASSERT_TRUE(ui::writeBmpFile(native(m_root + name + L".bmp").string(),
                                     ui::Bitmap(w, h, 0xFFFFFFFFu)));
    }

    // A shown host dialog; in design mode it carries the property pane.
    DesignHost& makeHost(bool withPane) {
        ui::DialogTemplate t;
        t.id = 9901;
        t.caption = L"Design host";
        t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU;
        t.rect = ui::dlu(0, 0, 400, 260);
        t.controls.push_back({kOther, L"Edit", L"", 0, ui::dlu(5, 240, 40, 12)});
        if (withPane) {
            t.controls.push_back(
                {kTypeCombo, L"ComboBox", L"", ui::CBS_DROPDOWNLIST, ui::dlu(9, 200, 100, 80)});
            t.controls.push_back({kContentsLabel, L"Static", L"", 0, ui::dlu(130, 190, 50, 8)});
            t.controls.push_back({kContentsEdit, L"Edit", L"", 0, ui::dlu(135, 200, 50, 12)});
            t.controls.push_back({kListLabel, L"Static", L"", 0, ui::dlu(193, 190, 90, 8)});
            t.controls.push_back({kListEdit, L"Edit", L"", 0, ui::dlu(198, 200, 90, 12)});
        }
        m_host = std::make_unique<DesignHost>(t);
        EXPECT_TRUE(m_host->create());
        m_host->showWindow(ui::SW_SHOW);
        return *m_host;
    }

    static Tvl_DesignerControl control(int type, double l, double t, double r, double b,
                                       const wchar_t* contents, const wchar_t* list = L"") {
        Tvl_DesignerControl c;
        c.type = type;
        c.topLeftX = l;
        c.topLeftY = t;
        c.bottomRightX = r;
        c.bottomRightY = b;
        c.contents = contents;
        c.setSplitExtComboList(list);
        return c;
    }

    Tvl_String m_root;
    std::unique_ptr<DesignHost> m_host;
};
