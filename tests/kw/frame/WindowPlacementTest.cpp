#include "FrameTestSupport.h"

#include "kw/frame/DialogHelpers.h"
#include "kw/frame/HostCalls.h"
#include "kw/frame/WindowPlacement.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Input.h"
#include "platform/ui/controls/Edit.h"

#include <fstream>

namespace {

class WindowPlacementTest : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        ui::app().setScreenSize({1000, 800});
        ui::app().setWorkArea({0, 0, 1000, 760});
        ui::DialogTemplate t;
        t.caption = L"Placed";
        t.style |= ui::WS_THICKFRAME;
        t.rect = ui::dlu(0, 0, 100, 60);
        t.controls = {
            {1043, L"Edit", L"some text", ui::WS_TABSTOP, ui::dlu(5, 5, 80, 12)},
            {1001, L"ComboBox", L"", ui::CBS_DROPDOWN | ui::WS_TABSTOP, ui::dlu(5, 20, 80, 60)}};
        m_dlg = std::make_unique<ui::Dialog>(t);
        ASSERT_TRUE(m_dlg->create(0));
        m_dlg->moveWindow(100, 100, 300, 200);
    }
    void TearDown() override {
        m_dlg.reset();
        FrameTest::TearDown();
    }
    void store(const wchar_t* name, int left, int top, int right, int bottom) {
        kw::profilePutInt(L"TREVLONV8", std::wstring(name) + L"_LEFT", left);
        kw::profilePutInt(L"TREVLONV8", std::wstring(name) + L"_TOP", top);
        kw::profilePutInt(L"TREVLONV8", std::wstring(name) + L"_RIGHT", right);
        kw::profilePutInt(L"TREVLONV8", std::wstring(name) + L"_BOTTOM", bottom);
    }
    std::unique_ptr<ui::Dialog> m_dlg;
};

TEST_F(WindowPlacementTest, SavedPlacementComesBack) {
    m_dlg->moveWindow(40, 50, 320, 240);
    ASSERT_TRUE(saveWindowPlacement(m_dlg.get(), L"DLG_T_SAVE"));
    m_dlg->moveWindow(0, 0, 100, 100);
    ASSERT_TRUE(restoreWindowPlacement(m_dlg.get(), L"DLG_T_SAVE"));
    EXPECT_EQ(m_dlg->getWindowRect(), (ui::Rect{40, 50, 360, 290}));
    EXPECT_FALSE(restoreWindowPlacement(nullptr, L"DLG_T_SAVE"));
}

TEST_F(WindowPlacementTest, EdgesOutsideTheScreenFallBackToTheCurrentOnes) {
    store(L"DLG_T_EDGE", -4, -5, 500, 400);
    restoreWindowPlacement(m_dlg.get(), L"DLG_T_EDGE");
    // left -4 is taken, top -5 is not.
    EXPECT_EQ(m_dlg->getWindowRect(), (ui::Rect{-4, 100, 500, 400}));
    store(L"DLG_T_EDGE2", -5, 10, 2000, 400);
    m_dlg->moveWindow(100, 100, 300, 200);
    restoreWindowPlacement(m_dlg.get(), L"DLG_T_EDGE2");
    EXPECT_EQ(m_dlg->getWindowRect(), (ui::Rect{100, 10, 400, 400}));
}

TEST_F(WindowPlacementTest, KeepSizeMinimumsAndMaximise) {
    store(L"DLG_T_KEEP", 20, 30, 60, 50);
    restoreWindowPlacement(m_dlg.get(), L"DLG_T_KEEP", true);
    EXPECT_EQ(m_dlg->getWindowRect(), (ui::Rect{20, 30, 320, 230}));
    restoreWindowPlacement(m_dlg.get(), L"DLG_T_KEEP", false, 200, 250);
    EXPECT_EQ(m_dlg->getWindowRect(), (ui::Rect{20, 30, 220, 280}));
    store(L"DLG_T_MAX", 0, 0, 1004, 804);
    restoreWindowPlacement(m_dlg.get(), L"DLG_T_MAX");
    EXPECT_TRUE(m_dlg->isMaximized());
}

TEST_F(WindowPlacementTest, FocusHelpersMapTheComboEditAndSelectEditText) {
    EXPECT_TRUE(focusControl(m_dlg.get(), 1043));
    EXPECT_EQ(focusedControlId(), 1043);
    auto* edit = dynamic_cast<ui::Edit*>(m_dlg->getDlgItem(1043));
    ASSERT_NE(edit, nullptr);
    int start = -1, end = -1;
    edit->getSel(start, end);
    EXPECT_EQ(start, 0);
    EXPECT_EQ(end, 9);
    EXPECT_FALSE(focusControl(m_dlg.get(), 4711));
    ui::Window* combo = m_dlg->getDlgItem(1001);
    ASSERT_NE(combo, nullptr);
    ui::Window* inner = combo->getDlgItem(1001);
    (inner ? inner : combo)->setFocus();
    EXPECT_EQ(focusedControlId(), 1316);
    EXPECT_TRUE(enableDlgItem(m_dlg.get(), 1043, false));
    EXPECT_FALSE(m_dlg->getDlgItem(1043)->isWindowEnabled());
    EXPECT_FALSE(enableDlgItem(m_dlg.get(), 4711, true));
    EXPECT_FALSE(enableDlgItem(nullptr, 1043, true));
}

TEST_F(WindowPlacementTest, FileExistsUsesWildcards) {
    const auto file = m_tmp / "placement-probe.dat";
    std::ofstream(file) << "x";
    const std::wstring native = file.wstring();
    EXPECT_TRUE(fileExists(Tvl_String(native)));
    const std::wstring pattern = (m_tmp / "placement-pr?be.*").wstring();
    EXPECT_TRUE(fileExists(Tvl_String(pattern)));
    EXPECT_FALSE(fileExists(Tvl_String((m_tmp / "nothing-*.xyz").wstring())));
    EXPECT_FALSE(fileExists(Tvl_String()));
}

} // namespace
