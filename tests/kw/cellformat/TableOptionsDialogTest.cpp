// The table options dialog from the editor's menu: counts, header sizes and header texts.

#include "CellFormatTestSupport.h"

#include "kw/spreadsheet/format/CDlgKWOptions.h"

namespace {

using O = CDlgKWOptions;
using cellformat::Editor;

class TableOptionsDialog : public cellformat::CellFormatTest {
protected:
    // Types a header text into cell (col,row) of one of the dialog's grids.
    static void typeInto(Tvl_Spread& g, int col, int row, const std::wstring& text) {
        g.setFocus();
        ASSERT_TRUE(g.setActiveCell(col, row));
        ASSERT_TRUE(ui::typeText(text));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
    }
};

TEST_F(TableOptionsDialog, CountsSizesAndHeaderTextsReachTheDocumentAndSurviveReopening) {
    std::wstring path;
    inEditor([&](Editor& e) {
        e.grid().setData(0, 1, L"Eerste");
        e.grid().setData(3, 4, L"weg"); // in a column the new count drops
        drv().onDialog(O::kTemplateId, [&](ui::Dialog& d) {
            auto& o = dynamic_cast<O&>(d);
            EXPECT_EQ(d.getWindowText(), L"Table settings");
            EXPECT_EQ(d.getDlgItemText(O::kExplanationId),
                      L"Edit the header texts in the two grids below.\nThe upper grid holds the "
                      L"column headers, the lower grid the row headers.");
            EXPECT_EQ(d.getDlgItemText(O::kColCountLabelId), L"Number of columns");
            EXPECT_EQ(d.getDlgItemText(O::kColWidthLabelId), L"Header column width");
            EXPECT_EQ(d.getDlgItemText(O::kColCountId), L"6");
            EXPECT_EQ(d.getDlgItemText(O::kRowCountId), L"11");
            EXPECT_EQ(o.colHeaders().maxCols(), 6);
            EXPECT_EQ(o.colHeaders().maxRows(), 1);
            EXPECT_EQ(o.rowHeaders().maxRows(), 11);
            EXPECT_EQ(o.rowHeaders().value(1, 1), L"Eerste");

            typeInto(o.colHeaders(), 1, 1, L"Naam");
            typeInto(o.colHeaders(), 2, 1, L"Prijs");
            // Shrinking and growing again brings a text back; invalid counts resize nothing.
            ASSERT_TRUE(ui::typeText(d, O::kColCountId, L"1"));
            EXPECT_EQ(o.colHeaders().maxCols(), 1);
            for (const wchar_t* bad : {L"", L"0", L"x2", L"-3", L"1e3"}) {
                ASSERT_TRUE(ui::typeText(d, O::kColCountId, bad));
                EXPECT_EQ(o.colHeaders().maxCols(), 1) << bad;
            }
            // Every keystroke counts: 32767 columns is the most, the fifth digit of 32768
            // is one too many and leaves the 3276 of the first four.
            ASSERT_TRUE(ui::typeText(d, O::kColCountId, L"32767"));
            EXPECT_EQ(o.colHeaders().maxCols(), 32767);
            ASSERT_TRUE(ui::typeText(d, O::kColCountId, L"32768"));
            EXPECT_EQ(o.colHeaders().maxCols(), 3276);
            ASSERT_TRUE(ui::typeText(d, O::kColCountId, L"2"));
            EXPECT_EQ(o.colHeaders().value(2, 1), L"Prijs");
            ASSERT_TRUE(ui::typeText(d, O::kRowCountId, L"4"));
            EXPECT_EQ(o.rowHeaders().maxRows(), 4);
            typeInto(o.rowHeaders(), 1, 4, L"Vierde");
            ASSERT_TRUE(ui::typeText(d, O::kRowHeightId, L"30"));
            EXPECT_EQ(o.colHeaders().rowHeightPx(1), 30);
            ASSERT_TRUE(ui::typeText(d, O::kColWidthId, L"90"));
            EXPECT_EQ(o.rowHeaders().colWidthPx(1), 90);
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        });
        ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdTableOptions));
        EXPECT_TRUE(e.changed());
        EXPECT_EQ(e.grid().colCount(), 2);
        EXPECT_EQ(e.grid().rowCount(), 4);
        EXPECT_EQ(e.grid().data(1, 0), L"Naam");
        EXPECT_EQ(e.grid().data(2, 0), L"Prijs");
        EXPECT_EQ(e.grid().data(0, 1), L"Eerste");
        EXPECT_EQ(e.grid().data(0, 4), L"Vierde");
        EXPECT_EQ(e.grid().rowHeightPx(0), 30);
        EXPECT_EQ(e.grid().colWidthPx(0), 90);
        path = saveAs(e, "options.kws");
    });
    inEditor(
        [&](Editor& e) {
            EXPECT_EQ(e.grid().colCount(), 2);
            EXPECT_EQ(e.grid().rowCount(), 4);
            EXPECT_EQ(e.grid().data(0, 4), L"Vierde");
            EXPECT_EQ(e.grid().colWidthPx(0), 90);
            // Cancel changes nothing.
            drv().onDialog(O::kTemplateId, [&](ui::Dialog& d) {
                ASSERT_TRUE(ui::typeText(d, O::kColCountId, L"5"));
                ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
            });
            ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdTableOptions));
            EXPECT_EQ(e.grid().colCount(), 2);
            EXPECT_FALSE(e.changed());
        },
        path);
}

} // namespace
