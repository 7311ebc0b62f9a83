// A design in the designer: drawn disabled, selected through the tracker, edited in the
// property pane and with the edit operations.

#include "tests/kw/designer/DesignerTestSupport.h"

#include "kw/frame/Tvl_DlgPromptString.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

class DesignMode : public DesignerTest {
protected:
    void build() {
        writePicture(L"plate"); // 400 x 200
        DesignHost& host = makeHost(true);
        ASSERT_TRUE(m_design.initialize(&host, 33000, 33099, kTypeCombo, kContentsLabel,
                                        kContentsEdit, kListLabel, kListEdit, true));
        ASSERT_TRUE(m_design.attachBitmap(m_root + L"plate.bmp"));
        add(control(tvlCtrlEdit, 0.1, 0.1, 0.2, 0.2, L"len"));                  // 40,20 - 80,40
        add(control(tvlCtrlFlexDim, 0.5, 0.3, 0.6, 0.5, L"dim", L"a;b;c;d;e")); // 200,60 - 240,100
        add(control(tvlCtrlStatic, 0.0, 0.6, 0.2, 0.7, L"label"));              // 0,120 - 80,140
        host.design = &m_design;
        m_design.redrawAllControls();
    }
    int add(Tvl_DesignerControl c) { return m_design.append(c); }
    void clickAt(int x, int y, unsigned flags = 0) {
        m_design.OnLButtonDown(flags, ui::Point{x, y});
        m_design.updatePropsOfCurSel();
    }
    std::vector<int> selected() const {
        std::vector<int> ids;
        m_design.tracker()->selectedIds(ids);
        return ids;
    }
    ui::Rect rectOf(int index) const { return m_design.drawnWindow(index)->rect(); }

    Tvl_DlgDesignerData m_design;
};

} // namespace

TEST_F(DesignMode, ControlsAreDrawnForTheTrackerAndThePaneListsTheTypes) {
    build();
    auto* types = dynamic_cast<ui::ComboBox*>(m_host->getDlgItem(kTypeCombo));
    ASSERT_NE(types, nullptr);
    ASSERT_EQ(types->getCount(), 31);
    EXPECT_EQ(Tvl_String(types->getLBText(tvlCtrlEdit)), kw::designer::typeName(tvlCtrlEdit));
    EXPECT_NE(types->getLBText(tvlCtrlBoltCount2).find(L" 2: "), std::wstring::npos);
    // Everything but texts is disabled so that the mouse reaches the tracker.
    EXPECT_FALSE(m_design.drawnWindow(0)->isWindowEnabled());
    EXPECT_FALSE(m_design.drawnWindow(1)->isWindowEnabled());
    EXPECT_TRUE(m_design.drawnWindow(2)->isWindowEnabled());
    // No selection: the pane is empty and disabled.
    EXPECT_EQ(types->getCurSel(), -1);
    EXPECT_FALSE(m_host->getDlgItem(kContentsEdit)->isWindowEnabled());
    EXPECT_EQ(m_design.getCurSel(), -1);
}

TEST_F(DesignMode, SelectingAControlShowsItsProperties) {
    build();
    clickAt(210, 70);
    EXPECT_EQ(m_design.getCurSel(), 1);
    auto* types = dynamic_cast<ui::ComboBox*>(m_host->getDlgItem(kTypeCombo));
    EXPECT_EQ(types->getCurSel(), tvlCtrlFlexDim);
    EXPECT_EQ(m_host->getDlgItemText(kContentsEdit), L"dim");
    EXPECT_EQ(m_host->getDlgItemText(kListEdit), L"a;b;c;d;e");
    EXPECT_EQ(Tvl_String(m_host->getDlgItemText(kListLabel)),
              kw::designer::listLabel(tvlCtrlFlexDim));
    const std::wstring label = m_host->getDlgItemText(kListLabel);
    EXPECT_EQ(std::count(label.begin(), label.end(), L';'), 3);
    EXPECT_TRUE(m_host->getDlgItem(kListEdit)->isWindowEnabled());
    // Writing the pane caused notifications; none of them changed the control.
    EXPECT_GT(m_host->paneNotifications, 0);
    EXPECT_EQ(m_design.getControl(1)->contents, L"dim");

    clickAt(50, 30); // an edit has no list
    EXPECT_EQ(m_host->getDlgItemText(kListEdit), L"");
    EXPECT_FALSE(m_host->getDlgItem(kListEdit)->isWindowEnabled());
    clickAt(300, 180); // empty space clears the selection
    EXPECT_EQ(m_design.getCurSel(), -1);
    EXPECT_FALSE(m_host->getDlgItem(kTypeCombo)->isWindowEnabled());
}

TEST_F(DesignMode, EditingThePaneChangesTheControl) {
    build();
    clickAt(210, 70);
    ASSERT_TRUE(ui::typeText(*m_host, kContentsEdit, L"depth"));
    EXPECT_EQ(m_design.getControl(1)->contents, L"depth");
    EXPECT_EQ(m_design.drawnWindow(1)->text(), L"depth");
    ASSERT_TRUE(ui::typeText(*m_host, kListEdit, L"1;2"));
    EXPECT_EQ(m_design.getControl(1)->extField2, L"2");
    EXPECT_TRUE(m_design.getControl(1)->extField3.isEmpty());

    // A new type: the control is drawn again with its new window class and stays selected.
    ASSERT_TRUE(ui::selectItem(*m_host, kTypeCombo, tvlCtrlCombo));
    EXPECT_EQ(m_design.getControl(1)->type, tvlCtrlCombo);
    EXPECT_EQ(m_design.drawnWindow(1)->className(), L"ComboBox");
    EXPECT_EQ(m_design.getCurSel(), 1);
    EXPECT_EQ(rectOf(1), (ui::Rect{200, 60, 240, 100})); // no run-time list height in design mode
}

TEST_F(DesignMode, AddCopyAndDeleteControls) {
    build();
    ASSERT_TRUE(m_design.addNewControl(tvlCtrlEdit));
    ASSERT_EQ(m_design.getNrControls(), 4);
    EXPECT_EQ(m_design.getControl(3)->contents, L"New");
    EXPECT_EQ(rectOf(3), (ui::Rect{80, 40, 110, 58}));

    clickAt(50, 30);
    clickAt(210, 70, ui::MK_SHIFT);
    ASSERT_EQ(selected().size(), 2u);
    ASSERT_TRUE(m_design.copyCurCtrls());
    ASSERT_EQ(m_design.getNrControls(), 6);
    EXPECT_EQ(rectOf(4), (ui::Rect{60, 40, 100, 60}));
    EXPECT_EQ(rectOf(5), (ui::Rect{220, 80, 260, 120}));
    EXPECT_EQ(selected(), (std::vector<int>{m_design.getControl(4)->resourceId,
                                            m_design.getControl(5)->resourceId}));
    EXPECT_EQ(m_design.getControl(5)->getMergedExtComboList(), L"a;b;c;d;e");

    ASSERT_TRUE(m_design.removeCurControls());
    EXPECT_EQ(m_design.getNrControls(), 4);
    EXPECT_EQ(m_host->getDlgItem(33004), nullptr);
    EXPECT_FALSE(m_design.removeCurControls());
}

TEST_F(DesignMode, AlignBottomsAndStickRight) {
    build();
    EXPECT_FALSE(m_design.outlineCurCtrls());
    clickAt(210, 70);
    EXPECT_FALSE(m_design.stickRightCurCtrls()); // one selected
    clickAt(50, 30, ui::MK_CONTROL);
    ASSERT_TRUE(m_design.outlineCurCtrls());
    // The left one is the reference: the other keeps its height, its bottom moves to 40.
    EXPECT_EQ(rectOf(1), (ui::Rect{200, 0, 240, 40}));
    EXPECT_EQ(rectOf(0), (ui::Rect{40, 20, 80, 40}));

    ASSERT_TRUE(m_design.stickRightCurCtrls());
    EXPECT_EQ(rectOf(1), (ui::Rect{80, 20, 120, 40}));
    clickAt(10, 130, ui::MK_SHIFT);
    EXPECT_EQ(selected().size(), 3u);
    EXPECT_FALSE(m_design.stickRightCurCtrls());
    // Ctrl+click on a selected control deselects it; Shift+click on empty space keeps all.
    clickAt(10, 130, ui::MK_CONTROL);
    clickAt(390, 190, ui::MK_SHIFT);
    EXPECT_EQ(selected().size(), 2u);
}

TEST_F(DesignMode, SavedDesignHoldsWhatTheScreenShows) {
    build();
    // The tracker moved a window.
    m_design.drawnWindow(0)->moveWindow(ui::Rect{100, 50, 160, 90});
    ASSERT_TRUE(m_design.writeToFile(m_root + L"plate.txt"));
    EXPECT_DOUBLE_EQ(m_design.getControl(0)->topLeftX, 0.25);
    EXPECT_DOUBLE_EQ(m_design.getControl(0)->bottomRightY, 0.45);
    Tvl_DlgDesignerData back;
    ASSERT_TRUE(back.readFromFile(m_root + L"plate.txt", true));
    EXPECT_EQ(back.getControl(0)->topLeftX, 0.25);
    EXPECT_EQ(back.getControl(0)->bottomRightX, 0.4);

    EXPECT_TRUE(m_design.changeCtrlSize(0, true, 10.0));
    double w = 0;
    m_design.getWidth(0, w);
    EXPECT_NEAR(w, 10.0, 1e-9);
    EXPECT_TRUE(m_design.setHeight(0, 5.0)); // the bottom stays
    double top = 0, bottom = 0;
    m_design.getTopLeftY(0, top);
    m_design.getBottomRightY(0, bottom);
    EXPECT_NEAR(bottom, 90.0, 1e-9);
    EXPECT_NEAR(top, 85.0, 1e-9);
    EXPECT_FALSE(m_design.changeCtrlSize(true)); // nothing selected: no question asked
}

TEST_F(DesignMode, WidthAndHeightAreAskedForAndGivenToTheSelection) {
    build();
    clickAt(50, 30);
    clickAt(210, 70, ui::MK_SHIFT);
    ui::ScriptedDriver driver;
    driver.onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), dialString(90).str());
        EXPECT_EQ(d.getDlgItemText(Tvl_DlgPromptString::kValueId), L"30");
        ASSERT_TRUE(ui::typeText(L"55"));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
    });
    ASSERT_TRUE(m_design.changeCtrlSize(true));
    EXPECT_EQ(rectOf(0), (ui::Rect{40, 20, 95, 40}));
    EXPECT_EQ(rectOf(1), (ui::Rect{200, 60, 255, 100}));
    EXPECT_EQ(selected().size(), 2u); // the selection survives the redraw

    driver.onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog& d) {
        EXPECT_EQ(d.getDlgItemText(Tvl_DlgPromptString::kValueId), L"18");
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    EXPECT_FALSE(m_design.changeCtrlSize(false));
    EXPECT_EQ(rectOf(0), (ui::Rect{40, 20, 95, 40}));

    // Text that is no number gives 0.
    driver.onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog&) {
        ASSERT_TRUE(ui::typeText(L"tall"));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
    });
    ASSERT_TRUE(m_design.changeCtrlSize(false));
    EXPECT_EQ(rectOf(0).height(), 0);
    EXPECT_TRUE(driver.done());
}
