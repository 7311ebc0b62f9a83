#pragma once
// A small dialog holding one grid over placeholder 500, between an edit (600) and OK, as
// the module's pages hold theirs; Tab leaves the grid the way those pages do it.

#include "../frame/FrameTestSupport.h"

#include "kw/spreadsheet/Tvl_Spread.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"

namespace spreadtest {

inline constexpr int kTemplateId = 9301;
inline constexpr int kPlaceholderId = 500;
inline constexpr int kEditId = 600;

class GridHostDialog : public ui::Dialog {
public:
    GridHostDialog() : ui::Dialog(kTemplateId, nullptr) {}
    Tvl_Spread grid;
    bool attachOnInit = true;
    std::vector<int> keysSeen; // key presses that reached the dialog's message filter

protected:
    bool onInitDialog() override {
        if (attachOnInit)
            grid.attach(this, kPlaceholderId);
        return true;
    }
    bool preTranslateMessage(ui::Message& msg) override {
        if (msg.message == ui::WM_KEYDOWN)
            keysSeen.push_back(static_cast<int>(msg.wParam));
        if (msg.message == ui::WM_KEYDOWN && msg.wParam == ui::VK_TAB) {
            int r = grid.tabExit(ui::VK_TAB);
            if (r == Tvl_Spread::kTabLeaveForward || r == Tvl_Spread::kTabLeaveBackward) {
                gotoDlgCtrl(nextDlgTabItem(&grid, r == Tvl_Spread::kTabLeaveBackward));
                return true;
            }
        }
        return ui::Dialog::preTranslateMessage(msg);
    }
};

class SpreadTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        static ui::ResourceModule module("spread-tests");
        static bool registered = false;
        if (!registered) {
            ui::DialogTemplate t;
            t.id = kTemplateId;
            t.caption = L"Grid host";
            t.style = ui::WS_POPUP | ui::WS_CAPTION | ui::WS_SYSMENU;
            t.rect = ui::dlu(0, 0, 300, 160);
            t.controls = {
                {kEditId, L"Edit", L"", ui::WS_TABSTOP | ui::WS_BORDER, ui::dlu(5, 5, 100, 12)},
                {kPlaceholderId, L"Static", L"", ui::SS_BLACKFRAME, ui::dlu(5, 22, 290, 110)},
                {ui::IDOK, L"Button", L"OK", ui::WS_TABSTOP | ui::BS_DEFPUSHBUTTON,
                 ui::dlu(190, 140, 50, 14)},
                {ui::IDCANCEL, L"Button", L"Cancel", ui::WS_TABSTOP, ui::dlu(245, 140, 50, 14)},
            };
            module.addDialog(std::move(t));
            registered = true;
        }
        ui::app().resources().registerModule(&module);
        m_module = &module;
        dlg = std::make_unique<GridHostDialog>();
        ASSERT_TRUE(dlg->create());
        dlg->showWindow(ui::SW_SHOW);
    }
    void TearDown() override {
        if (dlg && dlg->isWindow())
            dlg->destroyWindow();
        dlg.reset();
        ui::app().resources().unregisterModule(m_module);
        FrameTest::TearDown();
    }
    Tvl_Spread& g() { return dlg->grid; }
    // A grid of `cols` x `rows` whose cell (c,r) holds "r<r>c<c>".
    void fill(int cols, int rows) {
        g().setColCount(cols);
        g().setRowCount(rows);
        for (int r = 1; r <= rows; ++r)
            for (int c = 1; c <= cols; ++c)
                g().setData(c, r, L"r" + std::to_wstring(r) + L"c" + std::to_wstring(c));
        g().sheet().setChanged(false);
    }
    // Centre of a cell in the dialog's client coordinates.
    ui::Point at(int col, int row) {
        ui::Rect r = g().cellRect(col, row);
        ui::Rect gr = g().rect();
        ui::Rect inset = g().nonClientInsets();
        return {gr.left + inset.left + r.left + r.width() / 2,
                gr.top + inset.top + r.top + r.height() / 2};
    }
    void clickCell(int col, int row, unsigned mods = 0) {
        ASSERT_TRUE(ui::mouseDown(*dlg, at(col, row), mods));
        ui::mouseUp(*dlg, at(col, row));
    }
    void activate(int col, int row) {
        g().setFocus();
        ASSERT_TRUE(g().setActiveCell(col, row));
    }

    std::unique_ptr<GridHostDialog> dlg;
    ui::ResourceModule* m_module = nullptr;
};

} // namespace spreadtest
