// The array dialog: opened from the bolt tab's grid and through StartArrayDlg, its kinds,
// the entry list at the ends of its range, marks, and what OK refuses.

#include "tests/kw/macrobolt/MacroBoltTestSupport.h"

#include "core/macrobolt/ArrayKinds.h"
#include "kw/macro/CDlgArray.h"
#include "platform/ui/controls/ComboBox.h"

namespace {

class Array : public MacroBoltTest {
protected:
    DynArrayData ribs() { return record().tabOfModule(L"Bolts")->m_arrays[0]; }
    // Runs StartArrayDlg on `data` with `handler` as the user; its result.
    bool run(DynArrayData& data, const std::function<void(ui::Dialog&)>& handler,
             const wchar_t* message = nullptr) {
        ui::ScriptedDriver driver;
        if (message != nullptr)
            driver.answerMessageBox(ui::IDOK, message);
        driver.onDialog(mb::kDlgArray, handler);
        AcArray<AcDbObjectId> objects;
        objects.append(model::sampleModel().instanceByName(L"EP1")->m_id);
        const bool ok = StartArrayDlg(data, objects, L"Bolts");
        EXPECT_TRUE(driver.done());
        return ok;
    }
};

bool enabled(ui::Dialog& d, int id) {
    return d.getDlgItem(id)->isWindowEnabled();
}

Tvl_Spread& entries(ui::Dialog& d) {
    return static_cast<CDlgArray&>(d).entries();
}

TEST_F(Array, AnEntryAddedFromTheBoltTabReachesTheModel) {
    CDlgMacro* dlg = openBolts();
    ASSERT_NE(dlg, nullptr);
    ui::ScriptedDriver driver;
    driver.onDialog(mb::kDlgArray, [](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), L"Array \"Ribs\"");
        EXPECT_EQ(d.getDlgItemText(mb::kKind), L"Along one edge");
        EXPECT_EQ(d.getDlgItemText(mb::kDim1), L"Length");
        EXPECT_EQ(d.getDlgItemText(mb::kDim2), L"Width");
        EXPECT_EQ(d.getDlgItemText(mb::kValue1), L"100");
        EXPECT_EQ(d.getDlgItemText(mb::kTo), L"340");
        EXPECT_FALSE(d.getDlgItem(mb::kKind1Value)->isWindowVisible());
        ASSERT_EQ(entries(d).rowCount(), 3);
        EXPECT_EQ(entries(d).data(CDlgArray::kColName, 2), L"Rib 2");
        EXPECT_EQ(entries(d).data(CDlgArray::kColAction, 2), L"Keep");
        ui::click(d, mb::kNewEntry);
        EXPECT_EQ(entries(d).data(CDlgArray::kColName, 4), L"Ribs 4");
        EXPECT_EQ(entries(d).data(CDlgArray::kColAction, 4), L"Keep");
        EXPECT_EQ(entries(d).data(CDlgArray::kColAction, 1), L"Keep");
        ui::typeText(d, mb::kValue1, L"120");
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(pressGridButton(dlg, gridRowOf(dlg, L"Ribs")));
    EXPECT_TRUE(driver.done());
    const DynArrayData& inModel = modelTab()->m_arrays[0];
    EXPECT_EQ(inModel.m_count, L"4");
    EXPECT_EQ(inModel.entriesText(), L"Rib 1; Rib 2; Rib 3; Ribs 4");
    EXPECT_EQ(inModel.m_values[0], L"120");
    ASSERT_EQ(inModel.m_entryColumns.length(), 4);
    EXPECT_EQ(inModel.m_entryColumns[3].m_kind, 1);
    EXPECT_NE(printed().find(L"EP1 Bolts.Ribs changed"), std::wstring::npos);
}

// The value typed for kind 1 (in place of the fourth dimension) belongs to kind 1: a
// kind change stores it under the kind it was typed for.
TEST_F(Array, AKindChangeKeepsWhatWasTypedForTheKindShownBefore) {
    DynArrayData data = ribs();
    data.m_kind = 1;
    data.m_kind1Value = L"150";
    data.m_dimNames[3] = L"Height";
    const bool ok = run(data, [](ui::Dialog& d) {
        EXPECT_TRUE(d.getDlgItem(mb::kKind1Value)->isWindowVisible());
        EXPECT_FALSE(d.getDlgItem(mb::kDim4)->isWindowVisible());
        EXPECT_EQ(d.getDlgItemText(mb::kKind1Value), L"150");
        ui::typeText(d, mb::kKind1Value, L"250");
        ui::selectItem(d, mb::kKind, L"Along two edges");
        EXPECT_FALSE(d.getDlgItem(mb::kKind1Value)->isWindowVisible());
        EXPECT_EQ(d.getDlgItemText(mb::kDim4), L"Height");
        ui::selectItem(d, mb::kDim4, L"Thickness");
        ui::selectItem(d, mb::kKind, L"Fixed spacing");
        EXPECT_EQ(d.getDlgItemText(mb::kKind1Value), L"250");
        ui::selectItem(d, mb::kKind, L"Along one edge");
        // Kind 0 offers two dimension names only; the stored one still shows.
        auto* dim4 = dynamic_cast<ui::ComboBox*>(d.getDlgItem(mb::kDim4));
        EXPECT_EQ(dim4->getCount(), 2);
        EXPECT_EQ(d.getDlgItemText(mb::kDim4), L"Thickness");
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(ok);
    EXPECT_EQ(data.m_kind, 0);
    EXPECT_EQ(data.m_kind1Value, L"250");
    EXPECT_EQ(data.m_dimNames[3], L"Thickness");
}

TEST_F(Array, TheEntryListRunsFromNoneToTheModelsLimit) {
    DynArrayData data = ribs();
    data.m_entryColumns.clear();
    data.m_entries.clear();
    for (int i = 1; i < CDlgArray::kMaxEntries; ++i)
        data.m_entries.append(L"e" + Tvl_String(i));
    const bool ok = run(data, [](ui::Dialog& d) {
        ASSERT_EQ(entries(d).rowCount(), CDlgArray::kMaxEntries - 1);
        EXPECT_TRUE(enabled(d, mb::kNewEntry));
        ui::click(d, mb::kNewEntry);
        EXPECT_EQ(entries(d).rowCount(), CDlgArray::kMaxEntries);
        EXPECT_FALSE(enabled(d, mb::kNewEntry));
        EXPECT_FALSE(ui::click(d, mb::kNewEntry)); // a person cannot press it
        // Removing the active row, then the last rows, down to none.
        entries(d).setActiveCell(CDlgArray::kColName, 1);
        ui::click(d, mb::kRemoveEntry);
        EXPECT_EQ(entries(d).data(CDlgArray::kColName, 1), L"e2");
        while (enabled(d, mb::kRemoveEntry))
            ui::click(d, mb::kRemoveEntry);
        EXPECT_EQ(entries(d).rowCount(), 0);
        EXPECT_FALSE(enabled(d, mb::kMarkEntry));
        EXPECT_TRUE(enabled(d, mb::kNewEntry));
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(ok);
    EXPECT_EQ(data.m_count, L"0");
    EXPECT_EQ(data.m_entries.length(), 0);
    EXPECT_EQ(data.m_entryColumns.length(), 0);
}

TEST_F(Array, MarkFlagAndActionOfAnEntryAreKept) {
    DynArrayData data = ribs();
    const bool ok = run(data, [](ui::Dialog& d) {
        Tvl_Spread& g = entries(d);
        g.setFocus();
        g.setActiveCell(CDlgArray::kColFlag, 2);
        ui::key(ui::VK_SPACE); // the flag's check box
        ui::click(d, mb::kMarkEntry);
        EXPECT_EQ(g.data(CDlgArray::kColMark, 2), L"x");
        ui::click(d, ui::IDOK);
    });
    ASSERT_TRUE(ok);
    ASSERT_EQ(data.m_entryActions.length(), 3);
    EXPECT_EQ(data.m_entryActions[1], 1);
    EXPECT_EQ(data.m_entryActions[0], 0);
    EXPECT_TRUE(data.m_entryColumns[1].m_flag);
    EXPECT_FALSE(data.m_entryColumns[0].m_flag);
}

TEST_F(Array, ValuesThatAreNoNumbersAreRefusedAndCancelChangesNothing) {
    DynArrayData data = ribs();
    const DynArrayData before = data;
    const bool ok = run(
        data,
        [](ui::Dialog& d) {
            ui::typeText(d, mb::kValue2, L"abc");
            ui::click(d, ui::IDOK); // refused: the dialog stays
            EXPECT_EQ(d.getWindowText(), L"Array \"Ribs\"");
            ui::click(d, mb::kNewEntry);
            ui::key(ui::VK_ESCAPE);
        },
        L"This is not a number: \"abc\"");
    EXPECT_FALSE(ok);
    EXPECT_TRUE(data == before);
}

TEST(ArrayChanges, EachChangedFieldIsOneLineAndSameValuesNone) {
    DynArrayData a;
    a.m_name = L"Ribs";
    a.m_count = L"3";
    a.m_entries = {L"a", L"b", L"c"};
    DynArrayData b = a;
    b.m_reference = -8; // references are no values
    b.m_entryActions = {0, 1, 0};
    EXPECT_EQ(describeArrayChanges(a, b).length(), 0);
    b.m_count = L"4";
    b.m_entries.append(L"d");
    b.m_kind1Value = L"25";
    const Tvl_StringArray lines = describeArrayChanges(a, b);
    EXPECT_EQ(lines, (Tvl_StringArray{L"fixed spacing: (none) -> 25", L"count: 3 -> 4",
                                      L"entries: a; b; c -> a; b; c; d"}));
}

} // namespace
