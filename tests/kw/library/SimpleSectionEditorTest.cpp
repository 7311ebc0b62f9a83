// The simple section editor: a new size from a model row, its composed system name, the
// checks on OK and where the new row goes.

#include "tests/kw/library/LibraryTestSupport.h"

#include "core/LanguageTexts.h"
#include "kw/frame/KWExports.h"
#include "kw/library/CDlgEditLibSimple.h"
#include "platform/host/Profile.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"
#include "platform/ui/controls/Static.h"

namespace {

using S = CDlgEditLibSimple;
constexpr int edit(int pair) {
    return S::kFirstPairId + 2 * pair + 1;
}
constexpr int label(int pair) {
    return S::kFirstPairId + 2 * pair;
}

class SimpleSectionEditorTest : public LibraryTest {
protected:
    bool run(const wchar_t* sysName, Tvl_ProfValuesTable& t, int& row,
             std::function<void(S&)> steps) {
        drv().onDialog(S::kTemplateId, [&](ui::Dialog& d) { steps(static_cast<S&>(d)); });
        return StartDlgEditLibSimple(sysName, t, row);
    }
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
};

TEST_F(SimpleSectionEditorTest, ComposesTheNameFromTheValuesAndInsertsTheSizeInOrder) {
    Tvl_ProfValuesTable rhs = table(L"RHS");
    const int before = rhs.rows.length();
    int row = -1;
    ASSERT_TRUE(run(L"100x50x4", rhs, row, [&](S& d) {
        EXPECT_EQ(d.getWindowText(), L"New section");
        EXPECT_EQ(d.pattern(), (Tvl_Array<int>{6, 7, 8})) << "h, b and t";
        EXPECT_EQ(d.getDlgItemText(label(0)), L"h:");
        EXPECT_EQ(d.getDlgItemText(edit(4)), L"8.59");
        EXPECT_FALSE(d.getDlgItem(edit(5))->isWindowVisible()) << "only five value columns";
        EXPECT_EQ(d.getDlgItemText(S::kNameId), L"RHS 100x50x4");
        EXPECT_FALSE(d.getDlgItem(S::kNameId)->isWindowEnabled());
        // The picture of the shape.
        EXPECT_FALSE(static_cast<ui::Static*>(d.getDlgItem(S::kPictureId))->bitmap().empty());
        ASSERT_TRUE(ui::typeText(d, edit(0), L"110"));
        EXPECT_EQ(d.getDlgItemText(S::kNameId), L"RHS 110x50x4");
        ASSERT_TRUE(ui::typeText(d, edit(4), L"8.9"));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    }));
    ASSERT_EQ(rhs.rows.length(), before + 1);
    int at = -1;
    ASSERT_TRUE(rhs.findSysName(L"110x50x4", at));
    EXPECT_EQ(rhs.rows[at - 1][0], L"100x50x6");
    EXPECT_EQ(rhs.rows[at + 1][0], L"120x60x4");
    EXPECT_EQ(rhs.rows[at],
              (Tvl_StringArray{L"110x50x4", L"1", L"RHS 110x50x4", L"Koker 110x50x4",
                               L"RR 110x50x4", L"TR 110x50x4", L"110", L"50", L"4", L"8", L"8.9"}));
    EXPECT_EQ(row, at) << "every RHS size is active";
    EXPECT_FALSE(host::profile().getString(L"TREVLONV8", L"DLG_EDITLIBSIMPLE_TOP", L"").empty());
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SimpleSectionEditorTest, RefusesANameThatIsEmptyOrTaken) {
    Tvl_ProfValuesTable ipe = table(L"IPE");
    const Tvl_ProfValuesTable before = ipe;
    int row = 7;
    EXPECT_FALSE(run(L"200", ipe, row, [&](S& d) {
        // Unchanged values compose the model's own name: refused.
        drv().answerMessageBox(ui::IDOK, dialString(857).str());
        ASSERT_TRUE(ui::click(d, ui::IDOK));
        // An own name that is empty: refused.
        ASSERT_TRUE(ui::click(d, S::kOwnId));
        EXPECT_TRUE(d.getDlgItem(S::kNameId)->isWindowEnabled());
        ASSERT_TRUE(ui::typeText(d, S::kNameId, L"  "));
        drv().answerMessageBox(ui::IDOK, dialString(888).str());
        ASSERT_TRUE(ui::click(d, ui::IDOK));
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    }));
    EXPECT_EQ(ipe, before);
    EXPECT_EQ(row, 7);
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SimpleSectionEditorTest, AnOwnNameIsUsedAsTypedInEveryLanguage) {
    Tvl_ProfValuesTable hea = table(L"HEA");
    int row = -1;
    ASSERT_TRUE(run(L"1000", hea, row, [&](S& d) {
        ASSERT_TRUE(ui::click(d, S::kOwnId));
        ASSERT_TRUE(ui::typeText(d, S::kNameId, L"1100"));
        ASSERT_TRUE(ui::typeText(d, edit(0), L"1090"));
        EXPECT_EQ(d.getDlgItemText(S::kNameId), L"1100") << "no composing with an own name";
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    }));
    // Behind the inactive HEA 1000, and the result counts only active rows.
    ASSERT_EQ(hea.rows.length(), 25);
    EXPECT_EQ(hea.rows[24][0], L"1100");
    EXPECT_EQ(hea.rows[24][2], L"1100");
    EXPECT_EQ(hea.rows[24][1], L"1");
    EXPECT_EQ(hea.rows[24][6], L"1090");
    EXPECT_EQ(row, 23);
    Tvl_StringArray active;
    hea.getFilteredSysNames(active);
    EXPECT_EQ(active[row], L"HEA-1100");
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SimpleSectionEditorTest, TubeWallsMustBeThinnerThanTheirCornerRadius) {
    Tvl_ProfValuesTable shs = table(L"SHS");
    const int before = shs.rows.length();
    int row = -1;
    ASSERT_TRUE(run(L"100x100x4", shs, row, [&](S& d) {
        // t = r: refused (the limit itself fails).
        ASSERT_TRUE(ui::typeText(d, edit(0), L"105"));
        ASSERT_TRUE(ui::typeText(d, edit(2), L"8"));
        drv().answerMessageBox(ui::IDOK, dialString(1458).str());
        ASSERT_TRUE(ui::click(d, ui::IDOK));
        EXPECT_EQ(shs.rows.length(), before);
        // t just under r passes.
        ASSERT_TRUE(ui::typeText(d, edit(2), L"7.9"));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    }));
    int at = -1;
    ASSERT_TRUE(shs.findSysName(L"105x100x7.9", at));
    EXPECT_EQ(shs.rows[at - 1][0], L"100x100x8");
    EXPECT_EQ(shs.rows[at + 1][0], L"120x120x5");
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SimpleSectionEditorTest, AMissingModelUsesTheFirstRowAndAnEmptyTableCannotGrow) {
    Tvl_ProfValuesTable chs = table(L"CHS");
    int row = -1;
    EXPECT_FALSE(run(L"no such size", chs, row, [&](S& d) {
        EXPECT_EQ(d.modelRow(), 0);
        EXPECT_EQ(d.getDlgItemText(edit(0)), L"33.7");
        EXPECT_EQ(d.getDlgItemText(S::kNameId), L"CHS 33.7x2.6");
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    }));
    Tvl_ProfValuesTable empty;
    empty.columnNames = Tvl_StringArray{L"SysName", L"I/O", L"EN", L"NL", L"DE", L"FR", L"h"};
    empty.sectionType = L"10";
    EXPECT_FALSE(run(L"1", empty, row, [&](S& d) {
        EXPECT_EQ(d.modelRow(), -1);
        for (int k = 0; k < S::kPairs; ++k)
            EXPECT_FALSE(d.getDlgItem(edit(k))->isWindowVisible());
        drv().answerMessageBox(ui::IDOK, dialString(888).str());
        ASSERT_TRUE(ui::click(d, ui::IDOK));
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    }));
    EXPECT_EQ(empty.rows.length(), 0);
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

TEST_F(SimpleSectionEditorTest, APictureThatIsMissingLeavesTheFrameEmpty) {
    std::filesystem::remove(prof("pictures/ProfSectionI.bmp"));
    write("pictures/ProfSectionCU.bmp", "BM not really a bitmap");
    for (const wchar_t* t : {L"IPE", L"UPN"}) {
        Tvl_ProfValuesTable values = table(t);
        int row = -1;
        EXPECT_FALSE(run(L"200", values, row, [&](S& d) {
            EXPECT_TRUE(static_cast<ui::Static*>(d.getDlgItem(S::kPictureId))->bitmap().empty() ||
                        d.isWindowVisible());
            ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
        }));
    }
    EXPECT_TRUE(drv().done());
}

TEST_F(SimpleSectionEditorTest, ThePatternComesFromTheFirstRowThatShowsOne) {
    Tvl_ProfValuesTable t;
    t.columnNames =
        Tvl_StringArray{L"SysName", L"I/O", L"EN", L"NL", L"DE", L"FR", L"h", L"t", L"grade"};
    t.rows.append(
        Tvl_StringArray{L"odd", L"1", L"Odd", L"Odd", L"Odd", L"Odd", L"1", L"2", L"S235"});
    t.rows.append(Tvl_StringArray{L"40xS355x3", L"1", L"P 40", L"Q 40", L"R 40", L"S 40", L"40.0",
                                  L"3", L"S355"});
    Tvl_Array<int> valueColumns{6, 7, 8};
    Tvl_Array<int> pattern;
    EXPECT_FALSE(S::readPattern(t, 0, valueColumns, pattern));
    ASSERT_TRUE(S::readPattern(t, 1, valueColumns, pattern));
    EXPECT_EQ(pattern, (Tvl_Array<int>{6, 8, 7})) << "40 = 40.0; a text part is contained";
    int row = -1;
    ASSERT_TRUE(run(L"odd", t, row, [&](S& d) {
        EXPECT_EQ(d.pattern(), pattern);
        EXPECT_EQ(d.getDlgItemText(S::kNameId), L"P 1xS235x2");
        ASSERT_TRUE(ui::typeText(d, edit(0), L"50"));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    }));
    ASSERT_EQ(t.rows.length(), 3);
    EXPECT_EQ(t.rows[0][0], L"50xS235x2") << "names starting with a number come first";
    EXPECT_EQ(t.rows[0][3], L"Q 50xS235x2");
    EXPECT_EQ(row, 0);
    EXPECT_LT(S::compareNames(L"48.3x3.2", L"60.3x3"), 0);
    EXPECT_LT(S::compareNames(L"9", L"10"), 0);
    EXPECT_LT(S::compareNames(L"100", L"abc"), 0);
    EXPECT_EQ(S::compareNames(L"ABC1", L"abc1"), 0);
    EXPECT_TRUE(drv().done()) << testing::PrintToString(drv().unconsumed());
}

} // namespace
