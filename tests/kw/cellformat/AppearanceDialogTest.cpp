// The font and colours dialog from the editor's menu, answered through the common font
// and colour dialogs.

#include "CellFormatTestSupport.h"

#include "kw/spreadsheet/format/CDlgKWAppear.h"

namespace {

using A = CDlgKWAppear;
using cellformat::Editor;

class AppearanceDialog : public cellformat::CellFormatTest {};

TEST_F(AppearanceDialog, FontAndColoursReachTheBlockAndSurviveReopening) {
    std::wstring path;
    inEditor([&](Editor& e) {
        e.grid().setData(1, 1, L"Ligger");
        e.grid().setSelection({1, 1, 2, 1});
        drv().onDialog(A::kTemplateId, [&](ui::Dialog& d) {
            auto& a = dynamic_cast<A&>(d);
            EXPECT_EQ(d.getWindowText(), L"Lettertype en kleuren");
            EXPECT_EQ(d.getDlgItemText(A::kGroupId), L"Voorstelling aanpassen");
            EXPECT_EQ(a.preview().data(2, 2), L"Abc 123");
            // The cell's own font is where the font dialog starts.
            EXPECT_EQ(a.m_font.faceName, L"Tahoma");
            drv().answerFont(ui::FontDialogResult{{-20, 700, true, false, 1, L"Arial"}, {}});
            ASSERT_TRUE(ui::click(d, A::kFontId));
            EXPECT_EQ(a.preview().sheet().format(2, 2).font,
                      (grid::Font{"Arial", 20, 700, true, false, false}));
            drv().answerColor(ui::Color{200, 0, 0});
            ASSERT_TRUE(ui::click(d, A::kTextId));
            drv().answerColor(ui::Color{255, 255, 200});
            ASSERT_TRUE(ui::click(d, A::kBackId));
            drv().answerColor(std::nullopt); // a cancelled colour changes nothing
            ASSERT_TRUE(ui::click(d, A::kBackId));
            EXPECT_EQ(a.preview().sheet().format(2, 2).fore, 0x0000C8u);
            EXPECT_EQ(a.preview().sheet().format(2, 2).back, 0xC8FFFFu);
            const ui::RecordingCanvas canvas = paint(a.preview());
            const ui::DrawItem* sample = canvas.findText(L"Abc 123");
            ASSERT_NE(sample, nullptr);
            EXPECT_EQ(sample->font.face, L"Arial");
            EXPECT_EQ(sample->color, (ui::Color{200, 0, 0}));
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        });
        ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdFont));
        EXPECT_TRUE(e.changed());
        for (int c : {1, 2}) {
            const grid::CellFormat f = e.grid().sheet().format(c, 1);
            EXPECT_EQ(f.font.name, "Arial");
            EXPECT_EQ(f.font.height, 20);
            EXPECT_TRUE(f.font.italic);
            EXPECT_EQ(f.fore, 0x0000C8u);
            EXPECT_EQ(f.back, 0xC8FFFFu);
        }
        EXPECT_FALSE(e.grid().sheet().format(3, 1).hasFont);
        path = saveAs(e, "look.kws");
    });
    inEditor(
        [&](Editor& e) {
            EXPECT_EQ(e.grid().sheet().format(2, 1).font,
                      (grid::Font{"Arial", 20, 700, true, false, false}));
            EXPECT_EQ(e.grid().sheet().format(2, 1).back, 0xC8FFFFu);
            // Cancel leaves the cells as they are.
            e.grid().setActiveCell(1, 1);
            drv().onDialog(A::kTemplateId, [&](ui::Dialog& d) {
                drv().answerColor(ui::Color{0, 255, 0});
                ASSERT_TRUE(ui::click(d, A::kTextId));
                ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
            });
            ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdFont));
            EXPECT_EQ(e.grid().sheet().format(1, 1).fore, 0x0000C8u);
            EXPECT_FALSE(e.changed());
        },
        path);
}

} // namespace
