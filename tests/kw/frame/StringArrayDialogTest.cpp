#include "FrameTestSupport.h"

#include "kw/frame/CDlgStringArray.h"
#include "kw/frame/KWExports.h"
#include "platform/host/Profile.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"

namespace {

class StringArrayDialogTest : public FrameTest {
protected:
    static Tvl_StringArray list(std::initializer_list<const wchar_t*> items) {
        Tvl_StringArray a;
        for (const wchar_t* i : items)
            a.append(i);
        return a;
    }
    static Tvl_Spread& gridOf(ui::Dialog& d) { return static_cast<CDlgStringArray&>(d).grid(); }
};

TEST_F(StringArrayDialogTest, NoColumnHeadersMeansNoDialog) {
    ui::ScriptedDriver driver;
    Tvl_Array<Tvl_StringArray> data;
    EXPECT_FALSE(
        startGridDialog(Tvl_StringArray(), Tvl_StringArray(), data, true, L"", L"Caption"));
    EXPECT_TRUE(driver.done());
}

TEST_F(StringArrayDialogTest, ShowsTheTableAndGivesBackTheEditedRows) {
    ui::ScriptedDriver driver;
    Tvl_Array<Tvl_StringArray> data;
    data.append(list({L"HEA 200", L"S235"}));
    data.append(list({L"IPE 300", L"S355"}));
    driver.onDialog(CDlgStringArray::kTemplateId, [&](ui::Dialog& d) {
        Tvl_Spread& g = gridOf(d);
        EXPECT_EQ(d.getWindowText(), L"Profiles");
        EXPECT_EQ(d.getDlgItemText(CDlgStringArray::kAddId), L"Add row");
        EXPECT_EQ(d.getDlgItemText(CDlgStringArray::kRemoveId), L"Remove row");
        EXPECT_EQ(g.className(), L"fpUSpread70");
        EXPECT_EQ(g.colCount(), 2);
        EXPECT_EQ(g.rowCount(), 2);
        EXPECT_EQ(g.data(1, 0), L"Profile");
        EXPECT_EQ(g.data(0, 2), L"second");
        EXPECT_EQ(g.data(2, 2), L"S355");
        // The user edits a cell and confirms.
        g.setFocus();
        ASSERT_TRUE(g.setActiveCell(2, 1));
        ASSERT_TRUE(ui::typeText(L"S275"));
        ASSERT_TRUE(ui::key(ui::VK_RETURN)); // ends the cell edit
        ASSERT_TRUE(ui::key(ui::VK_RETURN)); // the default button
    });
    EXPECT_TRUE(startGridDialog(list({L"Profile", L"Steel"}), list({L"first", L"second"}), data,
                                true, L"", L"Profiles"));
    ASSERT_EQ(data.length(), 2);
    EXPECT_EQ(data[0][1], Tvl_String(L"S275"));
    EXPECT_EQ(data[1][0], Tvl_String(L"IPE 300"));
    EXPECT_TRUE(driver.done());
    // The placement went under the default name.
    EXPECT_FALSE(host::profile().getString(L"TREVLONV8", L"DLG_KW_STRINGARRAY_TOP", L"").empty());
}

TEST_F(StringArrayDialogTest, AddAndRemoveRowsAndCancelKeepsTheCallersRows) {
    ui::ScriptedDriver driver;
    Tvl_Array<Tvl_StringArray> data;
    data.append(list({L"a1", L"b1"}));
    data.append(list({L"a2", L"b2"}));
    driver.onDialog(CDlgStringArray::kTemplateId, [&](ui::Dialog& d) {
        Tvl_Spread& g = gridOf(d);
        ASSERT_TRUE(g.setActiveCell(2, 1));
        ASSERT_TRUE(ui::click(d, CDlgStringArray::kAddId));
        EXPECT_EQ(g.rowCount(), 3);
        EXPECT_EQ(g.data(1, 2), L"") << "an empty row below the active one";
        EXPECT_EQ(g.data(1, 3), L"a2");
        EXPECT_EQ(g.cellFont(1, 2).name, "Tahoma");
        EXPECT_TRUE(g.hasFocus());
        int col = 0, row = 0;
        ASSERT_TRUE(g.activeCell(col, row));
        EXPECT_EQ(col, 2);
        EXPECT_EQ(row, 2);
        ASSERT_TRUE(ui::typeText(L"new"));
        // Remove deletes the active row, keeps the position and selects the cell's text.
        ASSERT_TRUE(g.setActiveCell(1, 1));
        ASSERT_TRUE(ui::click(d, CDlgStringArray::kRemoveId));
        EXPECT_EQ(g.rowCount(), 2);
        EXPECT_EQ(g.data(2, 1), L"new");
        ASSERT_TRUE(g.activeCell(col, row));
        EXPECT_EQ(row, 1);
        ASSERT_TRUE(g.isEditing());
        int s = 0, e = 0;
        g.editSel(s, e);
        EXPECT_EQ(s, 0);
        EXPECT_EQ(e, 0) << "the whole text of an empty cell";
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    EXPECT_FALSE(
        startGridDialog(list({L"A", L"B"}), Tvl_StringArray(), data, true, L"MY_GRID", L"T"));
    EXPECT_EQ(data.length(), 2);
    EXPECT_EQ(data[0][0], Tvl_String(L"a1"));
    EXPECT_FALSE(host::profile().getString(L"TREVLONV8", L"MY_GRID_LEFT", L"").empty());
    EXPECT_TRUE(driver.done());
}

TEST_F(StringArrayDialogTest, FixedRowsHideTheButtonsAndAnEmptyTableStaysEmpty) {
    ui::ScriptedDriver driver;
    Tvl_Array<Tvl_StringArray> data;
    driver.onDialog(CDlgStringArray::kTemplateId, [&](ui::Dialog& d) {
        Tvl_Spread& g = gridOf(d);
        EXPECT_FALSE(d.getDlgItem(CDlgStringArray::kAddId)->isWindowVisible());
        EXPECT_FALSE(d.getDlgItem(CDlgStringArray::kRemoveId)->isWindowVisible());
        EXPECT_EQ(g.rowCount(), 0);
        EXPECT_EQ(g.colCount(), 1);
        // Remove on an empty grid does nothing (called as the button would).
        d.sendMessage(
            ui::WM_COMMAND, ui::makeWParam(CDlgStringArray::kRemoveId, ui::BN_CLICKED),
            static_cast<ui::LPARAM>(d.getDlgItem(CDlgStringArray::kRemoveId)->handle().value));
        EXPECT_EQ(g.rowCount(), 0);
        // Resizing keeps the buttons at the bottom right and stretches the grid.
        const ui::Rect before = g.rect();
        ASSERT_TRUE(ui::resize(d, 700, 500));
        EXPECT_GT(g.rect().width(), before.width());
        EXPECT_GT(g.rect().height(), before.height());
        ASSERT_TRUE(ui::resize(d, 100, 100));
        EXPECT_GE(d.rect().width(), 300) << "minimum tracking size";
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    EXPECT_TRUE(startGridDialog(list({L"Only"}), Tvl_StringArray(), data, false, L"", L"Empty"));
    EXPECT_EQ(data.length(), 0);
    EXPECT_TRUE(driver.done());
}

// Resized as a user drags the frame, from the minimum up: the grid fills the top, Add
// and Remove stay at the bottom left, OK and Cancel at the bottom right, and nothing
// overlaps.
TEST_F(StringArrayDialogTest, ButtonsKeepTheirSidesAtEverySizeFromTheMinimumUp) {
    for (const bool editable : {true, false}) {
        SCOPED_TRACE(editable ? "rows editable" : "fixed rows");
        ui::ScriptedDriver driver;
        Tvl_Array<Tvl_StringArray> data;
        data.append(list({L"a", L"b"}));
        driver.onDialog(CDlgStringArray::kTemplateId, [&](ui::Dialog& d) {
            auto& dlg = static_cast<CDlgStringArray&>(d);
            const ui::Size minimum = dlg.minimumTrackSize();
            EXPECT_GE(minimum.cx, 300);
            EXPECT_GE(minimum.cy, 150);
            const ui::Rect start = d.getWindowRect();
            auto rect = [&](int id) { return d.getDlgItem(id)->rect(); };
            const ui::Rect client0 = d.getClientRect();
            const int leftMargin = rect(CDlgStringArray::kAddId).left;
            const int rightMargin = client0.right - rect(ui::IDCANCEL).right;
            const int bottomMargin = client0.bottom - rect(ui::IDOK).bottom;
            const int gridRightMargin = client0.right - rect(CDlgStringArray::kGridId).right;
            const ui::Size sizes[] = {
                {minimum.cx, minimum.cy},           {minimum.cx + 1, minimum.cy + 1},
                {start.width(), start.height()},    {start.width() + 333, start.height() + 210},
                {minimum.cx - 50, minimum.cy - 40}, // held at the minimum
                {start.width(), start.height()}};
            for (const ui::Size& size : sizes) {
                SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy));
                ASSERT_TRUE(ui::resize(d, size.cx, size.cy));
                const ui::Rect window = d.getWindowRect();
                EXPECT_EQ(window.width(), std::max(size.cx, minimum.cx));
                EXPECT_EQ(window.height(), std::max(size.cy, minimum.cy));
                const ui::Rect client = d.getClientRect();
                const ui::Rect grid = rect(CDlgStringArray::kGridId), ok = rect(ui::IDOK),
                               cancel = rect(ui::IDCANCEL), add = rect(CDlgStringArray::kAddId),
                               remove = rect(CDlgStringArray::kRemoveId);
                // OK and Cancel at the right, Add and Remove at the left, at the bottom.
                EXPECT_EQ(client.right - cancel.right, rightMargin);
                EXPECT_EQ(add.left, leftMargin);
                EXPECT_EQ(client.bottom - ok.bottom, bottomMargin);
                EXPECT_EQ(client.bottom - add.bottom, bottomMargin);
                EXPECT_LT(ok.right, cancel.left);
                EXPECT_LT(add.right, remove.left);
                if (editable)
                    EXPECT_LT(remove.right, ok.left);
                else
                    EXPECT_GE(ok.left, leftMargin);
                // The grid above the buttons, never upside down.
                EXPECT_GT(grid.height(), 0);
                EXPECT_LE(grid.bottom, ok.top);
                EXPECT_EQ(client.right - grid.right, gridRightMargin);
            }
            ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
        });
        startGridDialog(list({L"one", L"two"}), list({L"r"}), data, editable,
                        editable ? L"DLG_GRID_A" : L"DLG_GRID_B", L"Sizes");
        EXPECT_TRUE(driver.done());
    }
}

// A size saved smaller than the minimum (by an older version, by hand) opens at the
// minimum, with the buttons laid out for it.
TEST_F(StringArrayDialogTest, ARestoredSizeIsLaidOutLikeAnyOther) {
    ui::Size minimum;
    int rightMargin = 0;
    {
        ui::ScriptedDriver driver;
        Tvl_Array<Tvl_StringArray> data;
        driver.onDialog(CDlgStringArray::kTemplateId, [&](ui::Dialog& d) {
            minimum = static_cast<CDlgStringArray&>(d).minimumTrackSize();
            rightMargin = d.getClientRect().right - d.getDlgItem(ui::IDCANCEL)->rect().right;
            ASSERT_TRUE(ui::resize(d, minimum.cx + 200, minimum.cy + 100));
            ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
        });
        startGridDialog(list({L"one"}), Tvl_StringArray(), data, true, L"DLG_GRID_R", L"R");
    }
    ui::ScriptedDriver driver;
    Tvl_Array<Tvl_StringArray> data;
    driver.onDialog(CDlgStringArray::kTemplateId, [&](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowRect().width(), minimum.cx + 200); // restored
        EXPECT_EQ(d.getClientRect().right - d.getDlgItem(ui::IDCANCEL)->rect().right, rightMargin);
        ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
    });
    startGridDialog(list({L"one"}), Tvl_StringArray(), data, true, L"DLG_GRID_R", L"R");
    EXPECT_TRUE(driver.done());

    // Saved 40 x 30 pixels: opened at the minimum, the buttons still apart.
    host::profile().putInt(L"TREVLONV8", L"DLG_GRID_R_RIGHT",
                           host::profile().getInt(L"TREVLONV8", L"DLG_GRID_R_LEFT", 0) + 40);
    host::profile().putInt(L"TREVLONV8", L"DLG_GRID_R_BOTTOM",
                           host::profile().getInt(L"TREVLONV8", L"DLG_GRID_R_TOP", 0) + 30);
    ui::ScriptedDriver small;
    small.onDialog(CDlgStringArray::kTemplateId, [&](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowRect().width(), minimum.cx);
        EXPECT_EQ(d.getWindowRect().height(), minimum.cy);
        EXPECT_EQ(d.getClientRect().right - d.getDlgItem(ui::IDCANCEL)->rect().right, rightMargin);
        EXPECT_LT(d.getDlgItem(CDlgStringArray::kRemoveId)->rect().right,
                  d.getDlgItem(ui::IDOK)->rect().left);
        ASSERT_TRUE(ui::key(ui::VK_ESCAPE));
    });
    startGridDialog(list({L"one"}), Tvl_StringArray(), data, true, L"DLG_GRID_R", L"R");
    EXPECT_TRUE(small.done());
}

} // namespace
