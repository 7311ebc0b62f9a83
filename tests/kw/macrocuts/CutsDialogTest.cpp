// The macro cuts dialog through its export, on the cuts of the sample end plate EP1, as a
// user fills it in: kinds and their variables, refused names and numbers, the options'
// rules, picking macros, and how the dialog is left.

#include "tests/kw/macrocuts/MacroCutsTestSupport.h"

#include "core/LanguageTexts.h"
#include "kw/macro/CDlgMacroCuts.h"
#include "kw/macro/MacroCutsIds.h"
#include "platform/ui/controls/ComboBox.h"

#include <fstream>

using namespace kw::macro::cuts;

namespace {

class CutsDialog : public MacroCutsTest {
protected:
    static Tvl_Spread& grid(ui::Dialog& d) { return dynamic_cast<CDlgMacroCuts&>(d).grid(); }
    static std::wstring cell(ui::Dialog& d, int col, int row) { return grid(d).data(col, row); }
};

} // namespace

TEST_F(CutsDialog, EscapeKeyAloneSetsTheFlagAndNothingIsCopiedBack) {
    ui::ScriptedDriver driver;
    DlgMacroCutsData data = cutRecord(L"Corner");
    const DlgMacroCutsData before = data;
    // A message that merely carries the number 27 is no Escape.
    driver.onDialog(kDlgCuts, [](ui::Dialog& d) {
        ui::typeText(d, kName, L"Changed");
        ui::Message move{d.getDlgItem(kName), ui::WM_MOUSEMOVE, ui::VK_ESCAPE, 0};
        EXPECT_FALSE(d.preTranslateMessage(move));
        EXPECT_FALSE(d.endRequested());
        ui::key(ui::VK_ESCAPE);
    });
    bool escaped = false;
    EXPECT_FALSE(StartDlgMacroCuts(data, escaped));
    EXPECT_TRUE(escaped);
    EXPECT_TRUE(data == before);

    driver.onDialog(kDlgCuts, [](ui::Dialog& d) { ui::click(d, ui::IDCANCEL); });
    EXPECT_FALSE(StartDlgMacroCuts(data, escaped));
    EXPECT_FALSE(escaped);
    driver.onDialog(kDlgCuts, [](ui::Dialog& d) { ui::closeBox(d); });
    escaped = true;
    EXPECT_FALSE(StartDlgMacroCuts(data, escaped));
    EXPECT_FALSE(escaped);
    EXPECT_TRUE(driver.done());
}

TEST_F(CutsDialog, EscapeInAnOpenCellEditDropsTheEditOnly) {
    ui::ScriptedDriver driver;
    DlgMacroCutsData data = cutRecord(L"Corner");
    driver.onDialog(kDlgCuts, [](ui::Dialog& d) {
        grid(d).setFocus();
        grid(d).setActiveCell(kColValue, 1);
        ui::typeText(L"99");
        ui::key(ui::VK_ESCAPE);
        EXPECT_FALSE(d.endRequested());
        EXPECT_EQ(cell(d, kColValue, 1), L"15");
        ui::click(d, ui::IDOK);
    });
    bool escaped = true;
    EXPECT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_FALSE(escaped);
    EXPECT_EQ(data.m_cut.m_varValues[0], L"15");
    EXPECT_TRUE(driver.done());
}

TEST_F(CutsDialog, EditedCutShowsItsVariablesAndAnotherKindBringsItsDefaults) {
    ui::ScriptedDriver driver;
    DlgMacroCutsData data = cutRecord(L"Corner");
    driver.onDialog(kDlgCuts, [](ui::Dialog& d) {
        EXPECT_EQ(d.text(), L"Edit cut");
        EXPECT_EQ(d.getDlgItemText(kName), L"Corner");
        EXPECT_EQ(d.getDlgItemText(kKind), L"Chamfer");
        EXPECT_EQ(grid(d).rowCount(), 3); // two variables and a row for one of the user's
        EXPECT_EQ(cell(d, kColDescription, 1), L"Offset 1");
        EXPECT_EQ(cell(d, kColVariable, 2), L"Offset2");
        EXPECT_EQ(cell(d, kColValue, 2), L"15");
        // The fillet's radius is shown with its text, not as the number of that text.
        ui::selectItem(d, kKind, L"Fillet");
        EXPECT_EQ(cell(d, kColDescription, 1), dialString(740).str());
        EXPECT_EQ(cell(d, kColVariable, 1), L"Radius");
        EXPECT_EQ(cell(d, kColValue, 1), L"10");
        typeCell(grid(d), kColValue, 1, L"12.5");
        // A variable of the user's own, in the spare row.
        typeCell(grid(d), kColVariable, 2, L"gen_gap");
        typeCell(grid(d), kColValue, 2, L"EdgeDist");
        ui::click(d, ui::IDOK);
    });
    bool escaped = true;
    ASSERT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_FALSE(escaped);
    EXPECT_EQ(data.m_cut.m_kind, MacroCutDefinition::kFillet);
    ASSERT_EQ(data.m_cut.m_varNames.length(), 2);
    EXPECT_EQ(data.m_cut.m_varValues[0], L"12.5");
    EXPECT_EQ(data.m_cut.m_varFlags[0], MacroCutDefinition::kValueNumber);
    EXPECT_EQ(data.m_cut.m_varNames[1], L"gen_gap");
    EXPECT_EQ(data.m_cut.m_varFlags[1], MacroCutDefinition::kValueVariable);
    // The command writes it into the model, keeping the name.
    ASSERT_TRUE(data.applyToModel());
    EXPECT_NE(printed().find(L"Cut Corner of End plate EP1: fillet, Radius = 12.5, gen_gap = "
                             L"EdgeDist."),
              std::wstring::npos);
    EXPECT_EQ(DlgMacroCutsData::cutNames(macroId(L"EP1")).length(), 2);
    EXPECT_TRUE(driver.done());
}

TEST_F(CutsDialog, RefusedNamesAndNumbersKeepTheDialogOpen) {
    ui::ScriptedDriver driver;
    DlgMacroCutsData data = cutRecord(); // a new cut
    EXPECT_EQ(data.m_cut.m_name, L"Cut1");
    driver.answerMessageBox(ui::IDOK, dialString(1090).str());
    driver.answerMessageBox(ui::IDOK, dialString(1092).str()); // "corner" is taken
    driver.answerMessageBox(ui::IDOK, dialString(1095).str()); // "abc" is no variable name
    driver.answerMessageBox(ui::IDOK, dialString(1560).str()); // clearance "2,5"
    driver.onDialog(kDlgCuts, [](ui::Dialog& d) {
        EXPECT_EQ(d.text(), L"New cut");
        ui::typeText(d, kName, L"  ");
        ui::click(d, ui::IDOK);
        ui::typeText(d, kName, L"corner");
        ui::click(d, ui::IDOK);
        ui::typeText(d, kName, L"Notch");
        typeCell(grid(d), kColVariable, 1, L"abc");
        ui::click(d, ui::IDOK);
        typeCell(grid(d), kColVariable, 1, L"Offset");
        ui::typeText(d, kClearance, L"2,5");
        ui::click(d, ui::IDOK);
        EXPECT_FALSE(d.endRequested());
        ui::typeText(d, kClearance, L"2.5");
        ui::click(d, ui::IDOK);
    });
    bool escaped = false;
    ASSERT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_EQ(data.m_cut.m_name, L"Notch");
    EXPECT_EQ(data.m_cut.m_clearance, L"2.5");
    EXPECT_TRUE(driver.done());
    const auto& boxes = driver.messageBoxes();
    ASSERT_EQ(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].caption, dialString(1091).str());
    EXPECT_EQ(boxes[1].text, (dialString(1092) + L"\n" + dialString(1093)).str());
    EXPECT_EQ(boxes[2].text, (dialString(1095) + L"\n" + dialString(1096) + L" " +
                              dialString(1097) + L" \"gen_\".\n")
                                 .str());
    // Added as a new cut; the same record again is refused, as its name is now taken.
    ASSERT_TRUE(data.applyToModel());
    EXPECT_FALSE(data.applyToModel());
}

TEST_F(CutsDialog, AnEditedCutMayKeepItsNameButNotTakeAnother) {
    bool inUse = true;
    const AcDbObjectId ep1 = macroId(L"EP1");
    EXPECT_TRUE(DlgMacroCutsData::CutNameInUse(ep1, L"CORNER", L"Corner", inUse));
    EXPECT_FALSE(inUse);
    EXPECT_TRUE(DlgMacroCutsData::CutNameInUse(ep1, L"BeamEnd", L"Corner", inUse));
    EXPECT_TRUE(inUse);
    EXPECT_FALSE(DlgMacroCutsData::CutNameInUse(AcDbObjectId::fromOldId(101), L"x", L"", inUse));

    ui::ScriptedDriver driver;
    DlgMacroCutsData data = cutRecord(L"Corner");
    driver.answerMessageBox(ui::IDOK, dialString(1092).str());
    driver.onDialog(kDlgCuts, [](ui::Dialog& d) {
        ui::typeText(d, kName, L"BeamEnd");
        ui::click(d, ui::IDOK);
        ui::typeText(d, kName, L"Corner 2");
        ui::click(d, ui::IDOK);
    });
    bool escaped = false;
    ASSERT_TRUE(StartDlgMacroCuts(data, escaped));
    ASSERT_TRUE(data.applyToModel());
    const Tvl_StringArray names = DlgMacroCutsData::cutNames(ep1);
    EXPECT_TRUE(names.contains(L"Corner 2"));
    EXPECT_FALSE(names.contains(L"Corner"));
    EXPECT_TRUE(driver.done());
}

TEST_F(CutsDialog, OptionsAndTheGapFollowTheirRules) {
    ui::ScriptedDriver driver;
    DlgMacroCutsData data = cutRecord(L"BeamEnd");
    driver.onDialog(kDlgCuts, [](ui::Dialog& d) {
        EXPECT_FALSE(d.getDlgItem(kDistance)->isWindowEnabled());
        ui::click(d, kCutBoth);
        EXPECT_TRUE(d.getDlgItem(kDistance)->isWindowEnabled());
        ui::typeText(d, kDistance, L"4");
        // Not a profile against a profile: both may be checked; rounding needs the flanges
        // without the web.
        EXPECT_FALSE(d.getDlgItem(kRoundCorners)->isWindowEnabled());
        ui::click(d, kFlanges);
        EXPECT_TRUE(d.getDlgItem(kRoundCorners)->isWindowEnabled());
        ui::click(d, kWebOnly);
        EXPECT_FALSE(d.getDlgItem(kRoundCorners)->isWindowEnabled());
        EXPECT_TRUE(d.getDlgItem(kFlanges)->isWindowEnabled());
        ui::click(d, kWebOnly);
        // A profile against a profile: the web only and the flanges exclude each other.
        ui::selectItem(d, kKind, 1);
        EXPECT_FALSE(d.getDlgItem(kWebOnly)->isWindowEnabled());
        ui::click(d, kRoundCorners);
        ui::selectItem(d, kFinish, 3);
        ui::click(d, ui::IDOK);
    });
    bool escaped = false;
    ASSERT_TRUE(StartDlgMacroCuts(data, escaped));
    const MacroCutDefinition& cut = data.m_cut;
    EXPECT_EQ(cut.m_kind, MacroCutDefinition::kProfVsProf);
    EXPECT_EQ(cut.m_side, MacroCutDefinition::kCutBoth);
    EXPECT_EQ(cut.m_distance, L"4");
    EXPECT_FALSE(cut.m_options[0]);
    EXPECT_TRUE(cut.m_options[1]);
    EXPECT_TRUE(cut.m_options[2]);
    EXPECT_EQ(cut.m_finish, 3);
    EXPECT_EQ(cut.m_varNames[1], L"CenterOffset");
    EXPECT_TRUE(driver.done());
}

TEST_F(CutsDialog, SelectMacrosPicksInTheDrawingAndACancelChangesNothing) {
    ui::ScriptedDriver driver;
    DlgMacroCutsData data = cutRecord(L"Corner");
    host::picks().queueEntities(
        std::vector<AcDbObjectId>{macroId(L"EP1"), macroId(L"EP2"), AcDbObjectId::fromOldId(101)});
    host::picks().queueEntities(std::nullopt);
    driver.onDialog(kDlgCuts, [](ui::Dialog& d) {
        ui::click(d, kSelectMacros);
        EXPECT_TRUE(d.isWindowVisible());
        EXPECT_EQ(d.getDlgItemText(kMacrosShown), L"EP1, EP2");
        ui::click(d, kSelectMacros);
        EXPECT_EQ(d.getDlgItemText(kMacrosShown), L"EP1, EP2");
        ui::click(d, ui::IDOK);
    });
    bool escaped = false;
    ASSERT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_EQ(data.m_cut.m_macros.m_ids.length(), 2);
    EXPECT_EQ(host::picks().pendingCount(), 0);
    EXPECT_TRUE(driver.done());
}

TEST_F(CutsDialog, MissingKindPicturesLeaveEveryKindChoosable) {
    std::filesystem::remove(m_tmp / "icons" / "CutFillet.bmp");
    {
        std::ofstream damaged(m_tmp / "icons" / "CutChamfer.bmp", std::ios::binary);
        damaged << "BM not really a picture";
    }
    ui::ScriptedDriver driver;
    DlgMacroCutsData data = cutRecord(L"Corner");
    driver.onDialog(kDlgCuts, [](ui::Dialog& d) {
        auto* kind = dynamic_cast<CBitmapPickerCombo*>(d.getDlgItem(kKind));
        ASSERT_NE(kind, nullptr);
        EXPECT_EQ(kind->getCount(), 6);
        // The placeholder stands in: each entry still has a picture.
        for (int i = 0; i < 6; ++i)
            EXPECT_FALSE(kind->picture(i).empty()) << i;
        EXPECT_EQ(kind->picture(4).size(), kind->picture(5).size());
        ui::selectItem(d, kKind, L"Fillet");
        ui::click(d, ui::IDOK);
    });
    bool escaped = false;
    ASSERT_TRUE(StartDlgMacroCuts(data, escaped));
    EXPECT_EQ(data.m_cut.m_kind, MacroCutDefinition::kFillet);
    EXPECT_TRUE(driver.done());
}
