// The macro dialog on the sample model, used as a person would: pages per tab, the
// selection lists, views, clash switch, closing in all its ways, modal and modeless.

#include "tests/kw/macro/MacroTestSupport.h"

#include "core/MacroCallBacks.h"
#include "platform/host/AcEd.h"
#include "platform/host/CommandLine.h"
#include "platform/host/PickQueue.h"
#include "platform/ui/controls/ComboBox.h"

using namespace kw::macro;

namespace {

class MacroDialog : public MacroTest {};

} // namespace

TEST_F(MacroDialog, OnePagePerTabAndNoneForUnknownKinds) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    ui::TabControl* tabs = dlg->tabControl();
    ASSERT_EQ(tabs->getItemCount(), 3);
    EXPECT_EQ(tabs->getItemText(0), L"End plate");
    EXPECT_EQ(tabs->getItemText(2), L"Notes");
    EXPECT_NE(general(dlg, 0), nullptr);
    EXPECT_NE(general(dlg, 1), nullptr);
    EXPECT_EQ(dlg->page(2), nullptr); // kind 4: the caption over an empty area
    EXPECT_EQ(dlg->currentPage(), 0);
    EXPECT_TRUE(general(dlg, 0)->isWindowVisible());
    EXPECT_FALSE(general(dlg, 1)->isWindowVisible());
    EXPECT_EQ(dlg->text(), dlg->macroData().m_title.str());

    // The tab without a page can be chosen; nothing shows and nothing breaks.
    ASSERT_TRUE(ui::selectItem(*dlg, kTab, 2));
    EXPECT_EQ(dlg->currentPage(), 2);
    EXPECT_EQ(dlg->page(2), nullptr);
    EXPECT_FALSE(general(dlg, 0)->isWindowVisible());
    ASSERT_TRUE(ui::selectItem(*dlg, kTab, 1));
    EXPECT_EQ(dlg->currentPage(), 1);
    EXPECT_TRUE(general(dlg, 1)->isWindowVisible());
}

TEST_F(MacroDialog, StartTabIsShownFirst) {
    MacroData data = record();
    data.m_startTab = L"Bolts";
    CDlgMacro* dlg = open(data);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->tabControl()->getCurSel(), 1);
    EXPECT_EQ(dlg->currentPage(), 1);
    // An unknown start tab opens the first one.
    EXPECT_TRUE(EndDlgMacroModeless(m_index));
    data.m_startTab = L"Nothing";
    dlg = open(data);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->currentPage(), 0);
}

TEST_F(MacroDialog, PlacementKeyFollowsTheRecord) {
    MacroData one;
    one.m_objects.append(AcDbObjectId::fromOldId(1));
    one.m_names.append(L"EP1");
    EXPECT_EQ(CDlgMacro::placementKeyOf(one), L"DLG_MACRO_EDITVARS_EP1");
    MacroData two;
    two.m_objects.append(AcDbObjectId::fromOldId(1));
    two.m_objects.append(AcDbObjectId::fromOldId(2));
    two.m_firstSelection = -1;
    EXPECT_EQ(CDlgMacro::placementKeyOf(two), L"DLG_MACRO_EDITVARS_2_MACROS");
    two.m_groupKeys.append(L"Connections");
    two.m_firstSelection = 0;
    EXPECT_EQ(CDlgMacro::placementKeyOf(two), L"DLG_MACRO_EDITVARS_GROUP_Connections");
    two.m_firstSelection = 1; // past the keys: the count again
    EXPECT_EQ(CDlgMacro::placementKeyOf(two), L"DLG_MACRO_EDITVARS_2_MACROS");
    // The profile cannot keep "=", "[" or "]" in a key, nor blanks at its ends.
    one.m_names[0] = L"A=[1] ";
    EXPECT_EQ(CDlgMacro::placementKeyOf(one), L"DLG_MACRO_EDITVARS_A__1__");
}

TEST_F(MacroDialog, PlacementIsRestoredAndSaved) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    const Tvl_String key = dlg->placementKey();
    EXPECT_EQ(key, L"DLG_MACRO_EDITVARS_EP1");
    ui::resize(*dlg, 700, 620);
    const ui::Rect shown = dlg->getWindowRect();
    ASSERT_TRUE(EndDlgMacroModeless(m_index));
    dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->getWindowRect(), shown);
}

TEST_F(MacroDialog, CloseBoxSetsViewAndClosedFlagAndLeavesTheTable) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    host::commandLine().clear();
    ASSERT_TRUE(ui::closeBox(*dlg));
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 0);
    EXPECT_NE(printed().find(L"View 3"), std::wstring::npos) << Tvl_String(printed()).toUtf8();
}

TEST_F(MacroDialog, CloseButtonEnterAndEscapeCloseToo) {
    ASSERT_NE(openSample(), nullptr);
    ASSERT_TRUE(ui::click(*kw::MacroDialogTable::instance().at(m_index), ui::IDOK));
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 0);

    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    dlg->getDlgItem(ui::IDOK)->setFocus();
    ASSERT_TRUE(ui::key(ui::VK_RETURN));
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 0);

    dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::key(ui::VK_ESCAPE)); // the focus is on the first page
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 0);
}

TEST_F(MacroDialog, WhileTheCoreIsBusyTheCloseWaitsAndIsNotRepeated) {
    MacroData data = record();
    data.setBusy(true);
    CDlgMacro* dlg = open(data);
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::click(*dlg, ui::IDOK));
    ASSERT_TRUE(ui::click(*dlg, ui::IDOK)); // ignored: a close is pending
    EXPECT_EQ(kw::MacroDialogTable::instance().pendingCount(), 1);
    dlg->macroData().setBusy(false);
    ui::advanceTime(50);
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 0);
}

TEST_F(MacroDialog, RecordWithoutTabsOpensAndCloses) {
    MacroData data = record();
    data.removeAllTabs();
    CDlgMacro* dlg = open(data);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->pageCount(), 0);
    EXPECT_EQ(dlg->currentPage(), -1);
    ASSERT_TRUE(ui::click(*dlg, kView0)); // no current tab: nothing
    host::commandLine().clear();
    ASSERT_TRUE(ui::closeBox(*dlg));
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 0);
    EXPECT_EQ(printed().find(L"View"), std::wstring::npos);
}

TEST_F(MacroDialog, KeepsTheFocusWhileTheMouseIsOverTheDrawing) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(dlg->sendMessage(WM_ACAD_KEEPFOCUS), 1);
}

TEST_F(MacroDialog, ViewButtonsAndClashSwitch) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    host::commandLine().clear();
    ASSERT_TRUE(ui::click(*dlg, kView1));
    EXPECT_NE(printed().find(L"View 1"), std::wstring::npos) << Tvl_String(printed()).toUtf8();
    EXPECT_EQ(ui::hoverTooltip(*dlg->getDlgItem(kView2), {5, 5}), L"Side view");

    EXPECT_TRUE(clashGetStatus());
    ASSERT_TRUE(ui::click(*dlg, kClash));
    EXPECT_FALSE(clashGetStatus());
    ASSERT_TRUE(ui::click(*dlg, kClash));
    EXPECT_TRUE(clashGetStatus());
}

TEST_F(MacroDialog, SwitchingTabsStoresThePageLeft) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    ui::Window* width = drawnCell(dlg, 0, L"Remark");
    ASSERT_EQ(width, nullptr); // Remark is a grid row
    CMacroTabGeneral* page = general(dlg, 0);
    const MacroCell* remark = dlg->tabData(0)->cellWithName(L"Remark");
    ASSERT_LT(remark->m_reference, 0);
    page->grid().setValue(CMacroTabGeneral::kColValue, -remark->m_reference, L"typed, not applied");
    ASSERT_TRUE(ui::selectItem(*dlg, kTab, 1));
    EXPECT_EQ(current().tab(0)->cellWithName(L"Remark")->m_value, L"typed, not applied");
}

TEST_F(MacroDialog, SelectionListRebuildsThePagesOfAnotherGroup) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::selectItem(*dlg, kTab, 2)); // Notes, the third tab of the end plate
    auto* macros = dynamic_cast<ui::ComboBox*>(dlg->getDlgItem(kSecondList));
    ASSERT_NE(macros, nullptr);
    ASSERT_GE(macros->getCount(), 2);
    // Another group: its first macro is a base plate, which has three tabs.
    auto* groups = dynamic_cast<ui::ComboBox*>(dlg->getDlgItem(kFirstList));
    ASSERT_GE(groups->getCount(), 2);
    ASSERT_TRUE(ui::selectItem(*dlg, kFirstList, 1));
    EXPECT_EQ(dlg->pageCount(), 3);
    EXPECT_EQ(dlg->tabControl()->getCurSel(), 2);
    EXPECT_EQ(dlg->currentPage(), 2);
    EXPECT_TRUE(dlg->page(2)->isWindowVisible());
    EXPECT_EQ(dlg->text(), dlg->macroData().m_title.str());
    EXPECT_EQ(groups->getCurSel(), dlg->macroData().m_firstSelection);
}

TEST_F(MacroDialog, SwitchingToAMacroWithFewerTabsKeepsTheTabIndexInRange) {
    // A macro of six tabs, shown on its last tab; the end plate after it has three.
    const AcDbObjectId id = model::sampleModel().addSyntheticMacro(6, 2);
    MacroData data;
    AcArray<AcDbObjectId> ids;
    ids.append(id);
    ASSERT_TRUE(model::sampleModel().fillRecord(ids, data));
    CDlgMacro* dlg = open(data);
    ASSERT_NE(dlg, nullptr);
    ASSERT_EQ(dlg->pageCount(), 6);
    ASSERT_TRUE(ui::selectItem(*dlg, kTab, 5));
    ASSERT_TRUE(ui::selectItem(*dlg, kFirstList, 0)); // Connections: the end plate first
    EXPECT_EQ(dlg->pageCount(), 3);
    EXPECT_EQ(dlg->tabControl()->getItemCount(), 3);
    EXPECT_EQ(dlg->tabControl()->getCurSel(), 2);
    EXPECT_EQ(dlg->currentPage(), 2);
    EXPECT_EQ(dlg->text(), dlg->macroData().m_title.str());
}

TEST_F(MacroDialog, SelectOtherMacrosHidesWhileTheUserPicks) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    const MacroData before = dlg->macroData();
    host::picks().queueEntities(std::nullopt);
    ASSERT_TRUE(ui::click(*dlg, kSelectOther));
    EXPECT_TRUE(dlg->isWindowVisible());
    EXPECT_TRUE(dlg->macroData() == before);

    model::MacroInstance* bp = model::sampleModel().instanceByName(L"BP1");
    ASSERT_NE(bp, nullptr);
    host::picks().queueEntities(std::vector<AcDbObjectId>{bp->m_id});
    ASSERT_TRUE(ui::click(*dlg, kSelectOther));
    EXPECT_TRUE(dlg->isWindowVisible());
    EXPECT_EQ(dlg->pageCount(), 3);
    EXPECT_EQ(dlg->tabControl()->getItemText(0), L"Base plate");
}

TEST_F(MacroDialog, ModalEntryHandsTheRecordBack) {
    MacroData data = record();
    ui::ScriptedDriver driver;
    driver.onDialog(kDlgMacro, [](ui::Dialog& d) {
        auto& dlg = static_cast<CDlgMacro&>(d);
        const MacroCell* width = dlg.tabData(0)->cellWithName(L"PlateWidth");
        ASSERT_TRUE(ui::typeText(*dlg.page(0), width->m_reference, L"170"));
        ui::click(d, ui::IDOK);
    });
    StartDlgMacro(data);
    EXPECT_TRUE(driver.done());
    EXPECT_TRUE(data.closed());
    EXPECT_EQ(data.tab(0)->cellWithName(L"PlateWidth")->m_value, L"170");
    EXPECT_EQ(modelValue(L"EP1", L"EndPlate", L"PlateWidth"), L"170");
}

TEST_F(MacroDialog, ReApplyClosesWhenTheModelRebuilt) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    ASSERT_TRUE(ui::click(*dlg, kReApply));
    EXPECT_EQ(kw::MacroDialogTable::instance().length(), 0);
}

TEST_F(MacroDialog, ResizingStretchesTheTabsAndMovesTheButtons) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    const ui::Rect window = dlg->getWindowRect();
    auto place = [dlg](int id) { return dlg->getDlgItem(id)->rect(); };
    const ui::Rect tab = place(kTab), close = place(ui::IDOK), select = place(kSelectOther),
                   first = place(kFirstListFrame), second = place(kSecondListFrame),
                   combo = place(kSecondList);
    ASSERT_TRUE(ui::resize(*dlg, window.width() + 100, window.height() + 50));
    EXPECT_EQ(place(kTab).width(), tab.width() + 100);
    EXPECT_EQ(place(kTab).height(), tab.height() + 50);
    EXPECT_EQ(place(ui::IDOK).left, close.left + 100);
    EXPECT_EQ(place(ui::IDOK).top, close.top + 50);
    EXPECT_EQ(place(kSelectOther).left, select.left);
    EXPECT_EQ(place(kSelectOther).top, select.top + 50);
    EXPECT_EQ(place(kSelectOther).size(), select.size());
    // The first frame grows in proportion; the second fills the rest up to the edge.
    EXPECT_GT(place(kFirstListFrame).width(), first.width());
    EXPECT_EQ(place(kSecondListFrame).left,
              place(kFirstListFrame).right + (second.left - first.right));
    EXPECT_EQ(place(kSecondListFrame).right, second.right + 100);
    EXPECT_EQ(place(kSecondList).right - place(kSecondListFrame).right, combo.right - second.right);
    // The pages keep filling the tab control's display area.
    const ui::Rect page = general(dlg, 0)->rect();
    EXPECT_EQ(page.width(), dlg->tabControl()->getClientRect().width() - page.left - 3);
}

TEST_F(MacroDialog, TheDialogIsNeverSmallerThanItsPages) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    int width = 0, height = 0;
    dlg->pageExtents(width, height);
    ASSERT_GT(width, 0);
    ui::resize(*dlg, 100, 100);
    EXPECT_EQ(dlg->getWindowRect().width(), std::max(width + 47, 395));
    EXPECT_EQ(dlg->getWindowRect().height(), height + 160);
}

TEST_F(MacroDialog, ARebuildAfterAnotherMacroKeepsTheCoresNewRecord) {
    CDlgMacro* dlg = openSample();
    ASSERT_NE(dlg, nullptr);
    auto* macros = dynamic_cast<ui::ComboBox*>(dlg->getDlgItem(kSecondList));
    ASSERT_GE(macros->getCount(), 2);
    const std::wstring other = macros->getLBText(1);
    ASSERT_TRUE(ui::selectItem(*dlg, kSecondList, 1));
    EXPECT_EQ(dlg->macroData().m_secondSelection, 1);
    EXPECT_NE(dlg->text().find(other), std::wstring::npos);
    EXPECT_EQ(current().m_title, dlg->macroData().m_title);
    // The pages show the other macro's values and still reach the model.
    EXPECT_EQ(dlg->pageCount(), dlg->macroData().tabCount());
}
