// A design drawn at run time, used as a person would: Tab through it, tick boxes, pick
// cut entries, press flexible buttons.

#include "tests/kw/designer/DesignerTestSupport.h"

#include "platform/ui/Input.h"
#include "platform/ui/controls/Button.h"
#include "platform/ui/controls/ComboBox.h"
#include "platform/ui/controls/Edit.h"

namespace {

class RunTimeDesign : public DesignerTest {
protected:
    // Picture 400 x 200. Row 1: b (x 0.5) and a (x 0.1, lower but still within the
    // leader's height); row 2: c and d; a text and a group box take no part.
    void build() {
        writePicture(L"run");
        DesignHost& host = makeHost(false);
        ASSERT_TRUE(m_design.initialize(&host, 33000, 33099, 0, 0, 0, 0, 0, false));
        ASSERT_TRUE(m_design.attachBitmap(m_root + L"run.bmp"));
        add(control(tvlCtrlEdit, 0.5, 0.10, 0.6, 0.20, L"b"));
        add(control(tvlCtrlEdit, 0.1, 0.15, 0.2, 0.25, L"a"));
        add(control(tvlCtrlStatic, 0.0, 0.0, 0.1, 0.05, L"label"));
        add(control(tvlCtrlGroupBox, 0.0, 0.0, 1.0, 1.0, L"frame"));
        add(control(tvlCtrlCombo, 0.3, 0.50, 0.4, 0.60, L"c"));
        add(control(tvlCtrlEdit, 0.1, 0.55, 0.2, 0.65, L"d"));
        host.design = &m_design;
        m_design.redrawAllControls();
    }
    int add(Tvl_DesignerControl c) { return m_design.append(c); }
    int idOf(int index) const { return m_design.getControl(index)->resourceId; }
    int focusedId() const {
        int id = 0;
        m_design.getFocusedDynControl(id);
        return id;
    }

    Tvl_DlgDesignerData m_design;
};

} // namespace

TEST_F(RunTimeDesign, ControlsAreDrawnAtTheirPixelRectangles) {
    build();
    ASSERT_EQ(m_design.getNrControls(), 6);
    EXPECT_EQ(idOf(0), 33000);
    EXPECT_EQ(idOf(5), 33005);
    ui::Window* b = m_host->getDlgItem(33000);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->rect(), (ui::Rect{200, 20, 240, 40}));
    EXPECT_EQ(b->text(), L"b");
    EXPECT_NE(b->exStyle() & ui::WS_EX_CLIENTEDGE, 0u);
    EXPECT_TRUE(b->isWindowEnabled());
    // A combo box gets room for its list at run time.
    EXPECT_EQ(m_host->getDlgItem(33004)->rect().height(), 200);
    EXPECT_TRUE(m_design.isADynControl(33002));
    EXPECT_FALSE(m_design.isADynControl(kOther));
    int type = -1;
    EXPECT_TRUE(m_design.getDynControlType(33004, type));
    EXPECT_EQ(type, tvlCtrlCombo);
    double px = 0;
    EXPECT_TRUE(m_design.getWidth(1, px));
    EXPECT_DOUBLE_EQ(px, 40.0);
}

TEST_F(RunTimeDesign, TabOrderFollowsRowsThenLeftEdges) {
    build();
    EXPECT_EQ(m_design.getControl(1)->tabOrder, 1); // a: row 1, left
    EXPECT_EQ(m_design.getControl(0)->tabOrder, 2); // b
    EXPECT_EQ(m_design.getControl(5)->tabOrder, 3); // d: row 2, left
    EXPECT_EQ(m_design.getControl(4)->tabOrder, 4); // c
    EXPECT_EQ(m_design.getControl(2)->tabOrder, 0); // texts and group boxes never
    EXPECT_EQ(m_design.getControl(3)->tabOrder, 0);
}

TEST_F(RunTimeDesign, TabAndShiftTabWalkTheOrderAndReportTheEnds) {
    build();
    ASSERT_TRUE(m_design.setFocusToCtrl(true));
    EXPECT_EQ(focusedId(), idOf(1));
    ui::typeText(L"xyz"); // the whole text was selected: typing replaces it
    EXPECT_EQ(m_host->getDlgItem(idOf(1))->text(), L"xyz");

    ASSERT_TRUE(ui::tab());
    EXPECT_EQ(m_host->lastTab, tvlTabHandled);
    EXPECT_EQ(focusedId(), idOf(0));
    ui::tab();
    ui::tab();
    EXPECT_EQ(focusedId(), idOf(4)); // the editable combo (its inner edit has the focus)
    ui::tab();
    EXPECT_EQ(m_host->lastTab, tvlTabAfterLast);
    EXPECT_EQ(focusedId(), idOf(4)); // the caller decides where it goes

    ui::tab(true);
    EXPECT_EQ(m_host->lastTab, tvlTabHandled);
    EXPECT_EQ(focusedId(), idOf(5));
    ASSERT_TRUE(m_design.setFocusToCtrl(true));
    ui::tab(true);
    EXPECT_EQ(m_host->lastTab, tvlTabBeforeFirst);
    EXPECT_EQ(focusedId(), idOf(1));

    ASSERT_TRUE(m_design.setFocusToCtrl(false));
    EXPECT_EQ(focusedId(), idOf(4));

    // Outside the design the key is not the design's.
    m_host->getDlgItem(kOther)->setFocus();
    Tvl_TabMsgHandle result = tvlTabHandled;
    EXPECT_FALSE(m_design.handleTabKey(ui::VK_TAB, result));
    EXPECT_EQ(result, tvlTabNotHandled);
    EXPECT_FALSE(m_design.handleTabKey(ui::VK_RETURN, result));
}

TEST_F(RunTimeDesign, InactiveControlsAreDisabledAndSkipped) {
    build();
    m_design.getControlWrite(0)->inactive = true;
    m_design.redrawAllControls();
    EXPECT_FALSE(m_host->getDlgItem(idOf(0))->isWindowEnabled());
    EXPECT_EQ(m_design.getControl(5)->tabOrder, 2);
    ASSERT_TRUE(m_design.setFocusToCtrl(true));
    ui::tab();
    EXPECT_EQ(focusedId(), idOf(5));

    for (int i = 0; i < m_design.getNrControls(); ++i)
        m_design.getControlWrite(i)->inactive = true;
    m_design.redrawAllControls();
    EXPECT_FALSE(m_design.setFocusToCtrl(true));
}

TEST_F(RunTimeDesign, CheckBoxesKeepTheThirdState) {
    build();
    const int box = add(control(tvlCtrlCheck, 0.7, 0.1, 0.9, 0.2, L"Galvanised", L"*Varies*"));
    const int plain = add(control(tvlCtrlCheck, 0.7, 0.3, 0.9, 0.4, L"Painted", L"1"));
    m_design.redrawAllControls();

    auto* button = dynamic_cast<ui::Button*>(m_host->getDlgItem(box));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->getCheck(), ui::BST_INDETERMINATE);
    Tvl_String value;
    ASSERT_TRUE(m_design.getCtrlValue(box, value));
    EXPECT_EQ(value, L"*Varies*");
    // A person clicks through the three states.
    ASSERT_TRUE(ui::click(*m_host, box));
    m_design.getCtrlValue(box, value);
    EXPECT_EQ(value, L"0");
    ui::click(*m_host, box);
    m_design.getCtrlValue(box, value);
    EXPECT_EQ(value, L"1");

    ASSERT_TRUE(m_design.getCtrlValue(plain, value));
    EXPECT_EQ(value, L"1");
    ui::click(*m_host, plain);
    m_design.getCtrlValue(plain, value);
    EXPECT_EQ(value, L"0");
    ui::click(*m_host, plain);
    ui::click(*m_host, plain); // a two-state box never reaches the third state
    m_design.getCtrlValue(plain, value);
    EXPECT_EQ(value, L"0");

    ASSERT_TRUE(m_design.setCtrlValue(plain, L"*Varies*"));
    m_design.getCtrlValue(plain, value);
    EXPECT_EQ(value, L"*Varies*");
    ASSERT_TRUE(m_design.setCtrlValue(plain, L"0.5"));
    m_design.getCtrlValue(plain, value);
    EXPECT_EQ(value, L"1");
    m_design.setCtrlValue(plain, L"no");
    m_design.getCtrlValue(plain, value);
    EXPECT_EQ(value, L"0");
}

TEST_F(RunTimeDesign, CutCombosOfferTheFiveEntries) {
    build();
    const int cut = add(control(tvlCtrlCut, 0.7, 0.1, 0.9, 0.2, L"3"));
    m_design.redrawAllControls();
    auto* combo = dynamic_cast<ui::ComboBox*>(m_host->getDlgItem(cut));
    ASSERT_NE(combo, nullptr);
    ASSERT_EQ(combo->getCount(), 5);
    EXPECT_EQ(combo->getLBText(0), L"*Varies*");
    EXPECT_EQ(combo->getLBText(combo->getCurSel()), L"Straight cut");

    ASSERT_TRUE(ui::selectItem(*m_host, cut, 1));
    Tvl_String value;
    ASSERT_TRUE(m_design.getCtrlValue(cut, value));
    EXPECT_EQ(value, L"1");
    ASSERT_TRUE(m_design.setCtrlValue(cut, L"4"));
    EXPECT_EQ(combo->getCurSel(), 4);
}

TEST_F(RunTimeDesign, CombosFillFromItemsOrTheirListFile) {
    writePicture(L"run");
    DesignHost& host = makeHost(false);
    ASSERT_TRUE(m_design.initialize(&host, 33000, 33099, 0, 0, 0, 0, 0, false));
    const Tvl_String listFile = m_root + L"list.txt";
    std::ofstream(native(listFile)) << "S235\nS355\n";
    const int fromFile = add(control(tvlCtrlCombo, 0.1, 0.1, 0.2, 0.2, L"S355", listFile.c_str()));
    Tvl_DesignerControl withItems = control(tvlCtrlCombo, 0.3, 0.1, 0.4, 0.2, L"free text");
    withItems.comboItems.append(L"one");
    withItems.comboItems.append(L"two");
    const int fromItems = add(withItems);
    m_design.redrawAllControls();

    auto* a = dynamic_cast<ui::ComboBox*>(host.getDlgItem(fromFile));
    auto* b = dynamic_cast<ui::ComboBox*>(host.getDlgItem(fromItems));
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->getCount(), 2);
    EXPECT_EQ(a->getCurSel(), 1);
    EXPECT_EQ(b->getCount(), 2);
    EXPECT_EQ(b->getCurSel(), -1);
    EXPECT_EQ(b->getWindowText(), L"free text");
    Tvl_String value;
    ui::typeText(host, fromItems, L"typed");
    ASSERT_TRUE(m_design.getCtrlValue(fromItems, value));
    EXPECT_EQ(value, L"typed");

    EXPECT_TRUE(m_design.setCtrlReadOnly(fromItems, true));
    EXPECT_FALSE(b->isWindowEnabled());
    EXPECT_TRUE(m_design.setCtrlReadOnly(fromItems, false));
    EXPECT_TRUE(b->isWindowEnabled());
    EXPECT_FALSE(m_design.setCtrlValue(kOther, L"x"));
    EXPECT_FALSE(m_design.getCtrlValue(0, value));
}

TEST_F(RunTimeDesign, FlexibleButtonGroups) {
    build();
    const int a = add(control(tvlCtrlFlexButton, 0.7, 0.1, 0.8, 0.2, L"A", L"ends;1;"));
    const int b = add(control(tvlCtrlFlexButton, 0.8, 0.1, 0.9, 0.2, L"B", L"ends;2;x"));
    const int c = add(control(tvlCtrlFlexButton, 0.7, 0.3, 0.8, 0.4, L"C", L"mid;3;"));
    m_design.redrawAllControls();

    Tvl_StringArray groups;
    m_design.getFlexBtnsGroups(groups);
    ASSERT_EQ(groups.length(), 2);
    EXPECT_EQ(groups[0], L"ends");
    Tvl_Array<int> all, withField3;
    ASSERT_TRUE(m_design.getFlexBtnsInGroup(L"ends", all, withField3));
    EXPECT_EQ(all.length(), 2);
    ASSERT_EQ(withField3.length(), 1);
    EXPECT_EQ(m_design.getControl(withField3[0])->resourceId, b);
    EXPECT_TRUE(m_design.getFlexBtnsInGroup(L"", all, withField3));
    EXPECT_EQ(all.length(), 0);
    Tvl_StringArray vars;
    m_design.getAllFlexVarsOfGroup(L"ends", vars);
    EXPECT_EQ(vars.length(), 2);

    auto* buttonA = dynamic_cast<ui::Button*>(m_host->getDlgItem(a));
    ASSERT_NE(buttonA, nullptr);
    EXPECT_NE(buttonA->style() & ui::BS_PUSHLIKE, 0u);
    int index = -1, status = -1;
    ASSERT_TRUE(m_design.findFlexButton(L"ends", L"A", index));
    ASSERT_TRUE(ui::click(*m_host, a)); // a person presses it in
    ASSERT_TRUE(m_design.getFlexBtnStatus(index, status));
    EXPECT_EQ(status, 1);
    ASSERT_TRUE(m_design.setFlexBtnStatus(L"ends", L"A", 2)); // 2 is written as clear
    m_design.getFlexBtnStatus(index, status);
    EXPECT_EQ(status, 0);
    EXPECT_FALSE(m_design.setFlexBtnStatus(L"mid", L"A", 1));

    Tvl_String group, name;
    ASSERT_TRUE(m_design.getFlexBtnGroupName(c, group, name));
    EXPECT_EQ(group, L"mid");
    EXPECT_EQ(name, L"C");
    EXPECT_FALSE(m_design.getFlexBtnGroupName(idOf(0), group, name));

    ASSERT_TRUE(m_design.hideAllFlexBtns(L"ends"));
    EXPECT_FALSE(m_host->getDlgItem(a)->isShown());
    EXPECT_FALSE(m_host->getDlgItem(b)->isShown());
    EXPECT_TRUE(m_host->getDlgItem(c)->isShown());
}

TEST_F(RunTimeDesign, IdsRunOutAfterTheRange) {
    DesignHost& host = makeHost(false);
    ASSERT_TRUE(m_design.initialize(&host, 33000, 33001, 0, 0, 0, 0, 0, false));
    EXPECT_EQ(add(control(tvlCtrlEdit, 0, 0, 0.1, 0.1, L"1")), 33000);
    EXPECT_EQ(add(control(tvlCtrlEdit, 0, 0, 0.1, 0.1, L"2")), 33001);
    EXPECT_EQ(add(control(tvlCtrlEdit, 0, 0, 0.1, 0.1, L"3")), 0);
    m_design.removeControl(0);
    EXPECT_EQ(add(control(tvlCtrlEdit, 0, 0, 0.1, 0.1, L"4")), 33000); // the smallest free id
    int index = -1;
    EXPECT_FALSE(m_design.findCtrlFromResource(0, index));
    EXPECT_EQ(m_design.getControl(7), nullptr);
    EXPECT_FALSE(m_design.removeControl(-1));
}

TEST_F(RunTimeDesign, NothingHappensBeforeInitialize) {
    Tvl_DlgDesignerData design;
    EXPECT_FALSE(design.initialize(nullptr, 33000, 33099, 0, 0, 0, 0, 0, false));
    EXPECT_EQ(design.getDlgPtr(), nullptr);
    EXPECT_FALSE(design.addNewControl(tvlCtrlEdit));
    design.redrawAllControls();
    Tvl_TabMsgHandle r = tvlTabHandled;
    EXPECT_FALSE(design.handleTabKey(ui::VK_TAB, r));
    EXPECT_EQ(r, tvlTabNotHandled);
    EXPECT_FALSE(design.setFocusToCtrl(true));
    // A copy is an empty, uninitialized design.
    build();
    Tvl_DlgDesignerData copy(m_design);
    EXPECT_EQ(copy.getNrControls(), 0);
    EXPECT_EQ(copy.getDlgPtr(), nullptr);
}
