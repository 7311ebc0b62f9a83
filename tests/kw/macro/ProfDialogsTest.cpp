// The profile dialogs as a user meets them: refused input in the advanced dialog, its
// call-back form, the preview that goes once, and the segmented profiles of the base
// plate's profile tab.

#include "tests/kw/macro/MacroTestSupport.h"

#include "core/LanguageTexts.h"
#include "core/macroprof/BmMACallBackData.h"
#include "core/macroprof/ProfileCallBacks.h"
#include "kw/macro/CDlgMacroProfSegm.h"
#include "kw/macro/CMacroTabProf.h"
#include "kw/macro/MacroProfIds.h"
#include "platform/host/PickQueue.h"

using namespace kw::macro::prof;

namespace {

class ProfDialogs : public MacroTest {
protected:
    void SetUp() override {
        MacroTest::SetUp();
        resetProfileDrawing();
    }
    // The model's group of BP1's profile tab.
    static MacroProfData modelGroup(const wchar_t* group) {
        MacroProfData props;
        const MacroTabData* tab = model::sampleModel().instanceByName(L"BP1")->module(L"Profiles");
        EXPECT_TRUE(tab && tab->getMergedPropsOfGroup(group, props));
        return props;
    }
    static const MacroTabData* modelProfiles() {
        return model::sampleModel().instanceByName(L"BP1")->module(L"Profiles");
    }
    // Types into an edit and leaves it, as a user does.
    static void typeAndLeave(ui::Dialog& d, int id, const wchar_t* text) {
        EXPECT_TRUE(ui::typeText(d, id, text)) << id;
        EXPECT_TRUE(ui::tab()) << id;
    }

    // The call-back form's owner in these tests: a group kept here.
    static MacroProfData s_owned;
    static bool s_refuse;
    static int s_sets;
    static bool ownerCallBack(BmMACallBackType type, const BmMACallBackData& data,
                              MacroProfData& props) {
        if (data.m_profiles.isEmpty())
            return false;
        if (type == kBmMACallBackGet) {
            props = s_owned;
            return true;
        }
        if (type == kBmMACallBackSet) {
            ++s_sets;
            if (s_refuse)
                return false;
            s_owned = props;
        }
        return true;
    }
};

MacroProfData ProfDialogs::s_owned;
bool ProfDialogs::s_refuse = false;
int ProfDialogs::s_sets = 0;

} // namespace

TEST_F(ProfDialogs, RefusedTextsAreNamedAndTheModelKeepsItsValues) {
    const MacroProfData before = modelGroup(L"Braces");
    MacroData data = record(L"BP1");
    ui::ScriptedDriver driver;
    driver.answerMessageBox(ui::IDOK, dialString(kTextNotANumber).str() + L" \"12,5\"");
    driver.answerMessageBox(ui::IDOK, dialString(kTextUnknownSection).str() + L" \"XYZ-1\"");
    driver.answerMessageBox(ui::IDOK, dialString(kTextNotASegment).str() + L" \"0\"");
    driver.onDialog(kDlgProfAdv, [](ui::Dialog& d) {
        ui::selectItem(d, kAdvOffsetType, 1);
        typeAndLeave(d, kAdvOffsetX, L"12,5");
        EXPECT_EQ(d.getDlgItemText(kAdvOffsetX), L""); // shown as the record has it
        typeAndLeave(d, kAdvSection, L"XYZ-1");
        EXPECT_EQ(d.getDlgItemText(kAdvSection), L"L-60x6");
        ui::click(d, kAdvOnSegment); // opens the segment number
        typeAndLeave(d, kAdvSegment, L"0");
        EXPECT_EQ(d.getDlgItemText(kAdvSegment), L"0");
        ui::click(d, kAdvOnSegment);
        ui::closeBox(d);
    });
    StartDlgMacroProfAdv(data, L"Profiles", L"Braces", true);
    EXPECT_TRUE(driver.done()) << ui::app().transcript().text();
    EXPECT_EQ(driver.messageBoxes().size(), 3u);
    const MacroProfData after = modelGroup(L"Braces");
    EXPECT_EQ(after.m_section, before.m_section);
    EXPECT_EQ(after.m_offsetX, before.m_offsetX);
    EXPECT_FALSE(after.m_onSegment);
    // The first offset type was chosen as a change of its own and did reach the model.
    EXPECT_EQ(after.m_offsetType, 0);
}

TEST_F(ProfDialogs, EveryFieldRoundTripsThroughTheExport) {
    MacroData data = record(L"BP1");
    ui::ScriptedDriver driver;
    driver.onDialog(kDlgProfAdv, [](ui::Dialog& d) {
        typeAndLeave(d, kAdvSection2, L"HEA-200");
        typeAndLeave(d, kAdvValue1, L"v1");
        ui::click(d, kAdvPoints[8]);
        ui::click(d, kAdvRotOther);
        typeAndLeave(d, kAdvAngle, L"30");
        ui::selectItem(d, kAdvList3, 2);
        ui::click(d, kAdvOnSegment); // no number yet: only the edit opens
        EXPECT_TRUE(d.getDlgItem(kAdvSegment)->isWindowEnabled());
        typeAndLeave(d, kAdvSegment, L"2");
        ui::click(d, kAdvMirrored);
        ui::click(d, ui::IDOK);
    });
    StartDlgMacroProfAdv(data, L"Profiles", L"Braces", true);
    EXPECT_TRUE(driver.done());
    const MacroProfData p = modelGroup(L"Braces");
    EXPECT_EQ(p.m_section2, L"HEA-200");
    EXPECT_EQ(p.m_value1, L"v1");
    EXPECT_EQ(p.m_insertionPoint, 9);
    EXPECT_EQ(p.m_rotation, MacroProfData::kRotOther);
    EXPECT_EQ(p.m_angle, L"30");
    EXPECT_EQ(p.m_listSelections[2], 2);
    EXPECT_TRUE(p.m_onSegment);
    EXPECT_EQ(p.m_segment, 2);
    EXPECT_EQ(p.m_option, 1);
}

TEST_F(ProfDialogs, CallBackFormRemembersItsCheckAndARefusingOwnerChangesNothing) {
    s_owned = MacroProfData{};
    s_owned.m_section = L"IPE-300";
    s_owned.m_rotation = MacroProfData::kRot0;
    s_refuse = true;
    s_sets = 0;
    AcArray<AcDbObjectId> profiles;
    profiles.append(AcDbObjectId::fromOldId(301));
    bool remember = false;
    ui::ScriptedDriver driver;
    driver.onDialog(kDlgProfAdv, [](ui::Dialog& d) {
        EXPECT_TRUE(d.getDlgItem(kAdvRemember)->isWindowVisible());
        EXPECT_EQ(d.getDlgItemText(kAdvSection), L"IPE-300");
        ui::click(d, kAdvRot180);
        // The owner refused: the dialog shows the owner's rotation again.
        EXPECT_EQ(d.isDlgButtonChecked(kAdvRot0), ui::BST_CHECKED);
        EXPECT_EQ(d.isDlgButtonChecked(kAdvRot180), ui::BST_UNCHECKED);
        ui::click(d, kAdvRemember);
        ui::click(d, ui::IDOK);
    });
    StartDlgMacroProfAdv(&profiles, remember, &ProfDialogs::ownerCallBack);
    EXPECT_TRUE(remember);
    EXPECT_GE(s_sets, 1);
    EXPECT_EQ(s_owned.m_rotation, MacroProfData::kRot0);

    s_refuse = false;
    driver.onDialog(kDlgProfAdv, [](ui::Dialog& d) {
        EXPECT_EQ(d.isDlgButtonChecked(kAdvRemember), ui::BST_CHECKED);
        ui::click(d, kAdvRot270);
        ui::click(d, kAdvRemember);
        ui::closeBox(d);
    });
    StartDlgMacroProfAdv(&profiles, remember, &ProfDialogs::ownerCallBack);
    EXPECT_TRUE(remember);                                 // only OK hands the check back
    EXPECT_EQ(s_owned.m_rotation, MacroProfData::kRot270); // each change went at once
    // Without profiles there is nothing to edit: no dialog.
    AcArray<AcDbObjectId> none;
    StartDlgMacroProfAdv(&none, remember, &ProfDialogs::ownerCallBack);
    EXPECT_TRUE(driver.done());
}

TEST_F(ProfDialogs, ThePreviewIsErasedOnceThroughTheExportAndThePage) {
    const AcDbObjectId preview = createPreviewProfile(L"HEA-200");
    MacroData data = record(L"BP1");
    data.m_preview = true;
    data.m_firstObjects.append(preview);
    ui::ScriptedDriver driver;
    for (int i = 0; i < 2; ++i)
        driver.onDialog(kDlgProfAdv, [](ui::Dialog& d) { ui::closeBox(d); });
    StartDlgMacroProfAdv(data, L"Profiles", L"Braces", true);
    StartDlgMacroProfAdv(data, L"Profiles", L"Braces", true);
    EXPECT_TRUE(isErased(preview));
    EXPECT_EQ(erasedCount(), 1);
    EXPECT_FALSE(data.m_preview);
    EXPECT_EQ(printed().find(L"erased already"), std::wstring::npos);

    // The page: the first advanced run erases it; neither a second run nor a rebuild of
    // the pages hands the object over again.
    const AcDbObjectId pagePreview = createPreviewProfile(L"HEA-200");
    MacroData pageData = record(L"BP1");
    pageData.m_preview = true;
    pageData.m_firstObjects.append(pagePreview);
    CDlgMacro* dlg = open(pageData);
    ASSERT_NE(dlg, nullptr);
    int profilesTab = -1;
    ASSERT_TRUE(dlg->macroData().findTab(L"Profiles", profilesTab));
    ASSERT_TRUE(ui::selectItem(*dlg, kw::macro::kTab, profilesTab));
    auto* page = dynamic_cast<CMacroTabProf*>(dlg->page(profilesTab));
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->preview());
    for (int i = 0; i < 2; ++i) {
        driver.onDialog(kDlgProfAdv, [](ui::Dialog& d) { ui::closeBox(d); });
        ASSERT_TRUE(ui::click(*page, kAdvanced));
    }
    EXPECT_TRUE(isErased(pagePreview));
    EXPECT_EQ(erasedCount(), 2);
    EXPECT_FALSE(page->preview());
    EXPECT_FALSE(current().m_preview);
    EXPECT_TRUE(driver.done());
}

TEST_F(ProfDialogs, SegmentedProfilesAreEditedAndRefusedDistancesKeptOut) {
    CDlgMacro* dlg = openSample(L"BP1");
    ASSERT_NE(dlg, nullptr);
    int profilesTab = -1;
    ASSERT_TRUE(dlg->macroData().findTab(L"Profiles", profilesTab));
    ASSERT_TRUE(ui::selectItem(*dlg, kw::macro::kTab, profilesTab));
    auto* page = dynamic_cast<CMacroTabProf*>(dlg->page(profilesTab));
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->getDlgItem(kSegmented)->isWindowVisible());

    ui::ScriptedDriver driver;
    driver.answerMessageBox(ui::IDOK, L"\"-1\"");
    driver.answerMessageBox(ui::IDOK, L"\"far\"");
    driver.onDialog(kDlgProfSegm, [](ui::Dialog& d) {
        auto& segm = dynamic_cast<CDlgMacroProfSegm&>(d);
        EXPECT_EQ(d.getDlgItemText(kSegmList), L"EdgeAngle - angle along the plate's edge");
        EXPECT_EQ(d.getDlgItemText(kSegmClearance), L"5");
        EXPECT_EQ(segm.grid().rowCount(), 3);
        EXPECT_EQ(segm.grid().data(2, 3), L"400");
        ui::typeText(d, kSegmClearance, L"-1");
        ui::click(d, ui::IDOK); // refused: the dialog stays
        EXPECT_FALSE(d.endRequested());
        ui::typeText(d, kSegmClearance, L"8");
        ui::click(d, kSegmAdd);
        EXPECT_EQ(segm.grid().rowCount(), 4);
        segm.grid().setFocus();
        segm.grid().setActiveCell(2, 4);
        ui::typeText(L"far");
        ui::key(ui::VK_RETURN);
        ui::click(d, ui::IDOK); // refused again
        segm.grid().setFocus();
        segm.grid().setActiveCell(2, 4);
        ui::typeText(L"600");
        ui::key(ui::VK_RETURN);
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(ui::click(*page, kSegmented));
    EXPECT_TRUE(driver.done());
    const MacroTabData* tab = modelProfiles();
    ASSERT_EQ(tab->m_segmented.length(), 1);
    EXPECT_EQ(tab->m_segmented[0].m_clearance, L"8");
    ASSERT_EQ(tab->m_segmented[0].m_points.length(), 4);
    EXPECT_EQ(tab->m_segmented[0].m_points[3][1], L"600");

    // Cancel leaves the model alone.
    driver.onDialog(kDlgProfSegm, [](ui::Dialog& d) {
        ui::typeText(d, kSegmClearance, L"9");
        ui::click(d, ui::IDCANCEL);
    });
    ASSERT_TRUE(ui::click(*page, kSegmented));
    EXPECT_EQ(modelProfiles()->m_segmented[0].m_clearance, L"8");
    EXPECT_TRUE(driver.done());
}
