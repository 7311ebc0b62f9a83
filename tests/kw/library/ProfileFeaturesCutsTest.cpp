// The profile features form and the profile cuts dialog, driven as a user would.

#include "tests/kw/library/LibraryTestSupport.h"

#include "core/library/DlgProfCutsData.h"
#include "core/library/DlgProfFeaturesData.h"
#include "kw/frame/KWExports.h"
#include "kw/library/CDlgEditProfCuts.h"
#include "kw/library/CDlgProfFeatures.h"
#include "kw/library/CDlgSelectProf.h"
#include "platform/host/PickQueue.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

using F = CDlgProfFeatures;
using C = CDlgEditProfCuts;

class ProfileDialogsTest : public LibraryTest {
protected:
    void SetUp() override {
        LibraryTest::SetUp();
        m_driver = std::make_unique<ui::ScriptedDriver>();
    }
    void TearDown() override {
        m_driver.reset();
        LibraryTest::TearDown();
    }
    ui::ScriptedDriver& drv() { return *m_driver; }
    std::unique_ptr<ui::ScriptedDriver> m_driver;

    static DlgProfFeaturesData full() {
        DlgProfFeaturesData f;
        f.caption = L"Purlin";
        f.profileName = L"IPE-200";
        f.caption1 = L"Grade";
        f.value1 = L"S275";
        f.list = Tvl_StringArray{L"S235", L"S275", L"S355"};
        f.caption2 = L"Length";
        f.value2 = L"6000";
        f.caption3 = L"Gap";
        f.altCaption3 = L"Slot";
        f.value3 = L"S235";
        f.altValue3 = L"S355";
        f.caption4 = L"Remark";
        f.optionCaption = L"Slotted";
        return f;
    }
    static bool visible(ui::Window& d, int id) { return d.getDlgItem(id)->isWindowVisible(); }
};

TEST_F(ProfileDialogsTest, OnlyRowsWithACaptionShowAndOkWritesOnlyThose) {
    DlgProfFeaturesData data;
    data.caption = L"Only two";
    data.profileName = L"HEA-200";
    data.caption2 = L"Length";
    data.value2 = L"4000";
    data.value1 = L"kept";
    data.value3 = L"kept too";
    drv().onDialog(F::kTemplateId, [&](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), L"Only two");
        for (int id : {F::kLabel1Id, F::kValue1Id, F::kLabel3Id, F::kValue3Id, F::kValue3ListId,
                       F::kLabel4Id, F::kValue4Id, F::kOptionId})
            EXPECT_FALSE(visible(d, id)) << id;
        EXPECT_TRUE(visible(d, F::kValue2Id));
        auto& profiles = *dynamic_cast<ui::ComboBox*>(d.getDlgItem(F::kProfileId));
        EXPECT_EQ(profiles.getCount(), 23) << "the active HEA sizes";
        EXPECT_EQ(profiles.getLBText(profiles.getCurSel()), L"HEA-200");
        ASSERT_TRUE(ui::typeText(d, F::kValue2Id, L"4500"));
        ASSERT_TRUE(ui::selectItem(d, F::kProfileId, L"HEA-300"));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_EQ(data.profileName, L"HEA-300");
    EXPECT_EQ(data.value2, L"4500");
    EXPECT_EQ(data.value1, L"kept");
    EXPECT_EQ(data.value3, L"kept too");
    EXPECT_TRUE(drv().done());
}

TEST_F(ProfileDialogsTest, TheOptionSwitchesTheListFieldOfRow3AndOkStoresEachValueInItsPlace) {
    DlgProfFeaturesData data = full();
    data.row3FromList = true;
    drv().onDialog(F::kTemplateId, [&](ui::Dialog& d) {
        auto& list3 = *dynamic_cast<ui::ComboBox*>(d.getDlgItem(F::kValue3ListId));
        EXPECT_FALSE(visible(d, F::kValue3Id));
        EXPECT_EQ(list3.getLBText(list3.getCurSel()), L"S235");
        EXPECT_FALSE(d.isDlgButtonChecked(F::kOptionId));
        // Checked: the alternative caption and value; the list field is the one switched.
        ASSERT_TRUE(ui::click(d, F::kOptionId));
        EXPECT_EQ(d.getDlgItemText(F::kLabel3Id), L"Slot");
        EXPECT_EQ(list3.getLBText(list3.getCurSel()), L"S355");
        // A choice made in one state stays with that state.
        ASSERT_TRUE(ui::selectItem(d, F::kValue3ListId, L"S275"));
        ASSERT_TRUE(ui::click(d, F::kOptionId));
        EXPECT_EQ(d.getDlgItemText(F::kLabel3Id), L"Gap");
        EXPECT_EQ(list3.getLBText(list3.getCurSel()), L"S235");
        ASSERT_TRUE(ui::click(d, F::kOptionId));
        EXPECT_EQ(list3.getLBText(list3.getCurSel()), L"S275");
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_TRUE(data.option);
    EXPECT_EQ(data.altValue3, L"S275");
    EXPECT_EQ(data.value3, L"S235");
    EXPECT_EQ(data.value1, L"S275");
    // Cancel hands nothing back.
    DlgProfFeaturesData before = data;
    drv().onDialog(F::kTemplateId, [&](ui::Dialog& d) {
        ASSERT_TRUE(ui::click(d, F::kOptionId));
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    EXPECT_FALSE(StartDlgProfFeatures(data));
    EXPECT_EQ(data, before);
    EXPECT_TRUE(drv().done());
}

TEST_F(ProfileDialogsTest, AProfileChosenFromTheLibraryAndAUserSectionKeepTheirFullNames) {
    std::filesystem::create_directories(m_lib / "User Sections");
    std::ofstream(m_lib / "User Sections" / "RailA.dwg") << "drawing";
    DlgProfFeaturesData data;
    data.profileName = L"User Sections\\RailA.dwg";
    drv().onDialog(F::kTemplateId, [&](ui::Dialog& d) {
        auto& profiles = *dynamic_cast<ui::ComboBox*>(d.getDlgItem(F::kProfileId));
        EXPECT_EQ(profiles.getLBText(profiles.getCurSel()), L"RailA");
        drv().onDialog(CDlgSelectProf::kTemplateId, [&](ui::Dialog& s) {
            ASSERT_TRUE(ui::selectItem(s, CDlgSelectProf::kTablesId, L"L"));
            ASSERT_TRUE(ui::selectItem(s, CDlgSelectProf::kSizesId, L"L-50x5"));
            ASSERT_TRUE(ui::click(s, ui::IDOK));
        });
        ASSERT_TRUE(ui::click(d, F::kChooseId));
        EXPECT_EQ(profiles.getLBText(profiles.getCurSel()), L"L-50x5");
        EXPECT_EQ(profiles.getCount(), 22);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_EQ(data.profileName, L"L-50x5");
    // Shown without folder and extension, handed back whole.
    data.profileName = L"User Sections\\RailA.dwg";
    drv().onDialog(F::kTemplateId, [&](ui::Dialog& d) { ASSERT_TRUE(ui::click(d, ui::IDOK)); });
    ASSERT_TRUE(StartDlgProfFeatures(data));
    EXPECT_EQ(data.profileName, L"User Sections\\RailA.dwg");
    EXPECT_TRUE(drv().done());
}

TEST_F(ProfileDialogsTest, DeletingCutsSelectsTheNextAndRemovesTheirPreviewsEvenWhenKept) {
    DlgProfCutsData cuts;
    drv().onDialog(C::kTemplateId, [&](ui::Dialog& d) {
        auto& dlg = static_cast<C&>(d);
        EXPECT_EQ(dlg.currentCut(), 0);
        EXPECT_EQ(cuts.previews().size(), 1u);
        // Keep previews: selecting another cut leaves the first one drawn.
        ASSERT_TRUE(ui::click(d, C::kKeepId));
        EXPECT_FALSE(dlg.removesPreviews());
        ASSERT_TRUE(ui::selectItem(d, C::kCutsId, 2));
        EXPECT_EQ(cuts.previews().size(), 2u);
        // Deleting the last cut selects the new last one; its preview goes all the same.
        ASSERT_TRUE(ui::click(d, C::kDeleteId));
        EXPECT_EQ(dlg.currentCut(), 1);
        EXPECT_EQ(cuts.current().cuts.size(), 2u);
        EXPECT_EQ(cuts.previews().count(L"Cut 3: cope to IPE-300 at the end"), 0u);
        ASSERT_TRUE(ui::click(d, C::kDeleteId));
        ASSERT_TRUE(ui::click(d, C::kDeleteId));
        EXPECT_EQ(dlg.currentCut(), -1) << "the only cut went: no current cut";
        // Nothing left: delete does nothing.
        ASSERT_TRUE(ui::click(d, C::kDeleteId));
        EXPECT_EQ(cuts.current().cuts.size(), 0u);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    EXPECT_TRUE(StartEditProfCutsDlg(cuts));
    EXPECT_TRUE(cuts.previews().empty());
    EXPECT_TRUE(drv().done());
}

TEST_F(ProfileDialogsTest, PickingAnotherProfileHidesTheDialogAndPreviewsGoOnClose) {
    DlgProfCutsData cuts;
    drv().onDialog(C::kTemplateId, [&](ui::Dialog& d) {
        host::picks().queueEntities(std::vector<AcDbObjectId>{AcDbObjectId::fromOldId(102)});
        ASSERT_TRUE(ui::click(d, C::kPickId));
        EXPECT_TRUE(d.isWindowVisible());
        EXPECT_EQ(cuts.current().name, L"HEB-240 column C1");
        EXPECT_EQ(dynamic_cast<ui::ComboBox*>(d.getDlgItem(C::kCutsId))->getCount(), 1);
        EXPECT_EQ(cuts.previews().size(), 1u);
        // A pick of something else changes nothing.
        host::picks().queueEntities(std::vector<AcDbObjectId>{AcDbObjectId::fromOldId(7)});
        ASSERT_TRUE(ui::click(d, C::kPickId));
        EXPECT_EQ(cuts.current().name, L"HEB-240 column C1");
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    EXPECT_FALSE(StartEditProfCutsDlg(cuts));
    EXPECT_TRUE(cuts.previews().empty());
    EXPECT_NE(printed().find(L"Profile picked: HEB-240 column C1"), std::wstring::npos);
    EXPECT_TRUE(drv().done());
}

} // namespace
