// The cell-type dialog, opened from the editor's menu on a block, as a person uses it.

#include "CellFormatTestSupport.h"

#include <fstream>

#include "kw/spreadsheet/format/CDlgKWType.h"
#include "platform/base/Encoding.h"
#include "platform/ui/draw/Bmp.h"

namespace {

using cellformat::Editor;
using T = CDlgKWType;

class CellTypeDialog : public cellformat::CellFormatTest {
protected:
    std::wstring writePicture(const std::string& name, int w, int h) {
        const auto bytes = ui::encodeBmp24(ui::Bitmap(w, h, 0xFF3366CCu));
        std::ofstream(m_tmp / name, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        return base::toProduct(m_tmp / name);
    }
};

TEST_F(CellTypeDialog, ATextTypeReachesTheWholeBlockIsDrawnOnSeveralLinesAndSurvivesReopening) {
    std::wstring path;
    inEditor([&](Editor& e) {
        e.grid().setSelection({2, 2, 3, 3});
        e.grid().sheet().setNumber(4, 3, 7); // beside the block
        drv().onDialog(T::kTemplateId, [&](ui::Dialog& d) {
            auto& t = dynamic_cast<T&>(d);
            EXPECT_EQ(d.getWindowText(), L"Cell-type wijzigen");
            // A new document's cells are texts of at most 100 letters on several lines.
            EXPECT_EQ(d.getDlgItemText(T::kKindId), L"Tekst");
            EXPECT_EQ(d.getDlgItemText(T::kFieldLabelId), L"Maximum aantal letters:");
            EXPECT_EQ(d.getDlgItemText(T::kFieldId), L"100");
            EXPECT_EQ(d.isDlgButtonChecked(T::kFirstCheckId), 1);
            EXPECT_FALSE(d.getDlgItem(T::kSecondCheckId)->isWindowVisible());
            EXPECT_FALSE(d.getDlgItem(T::kBrowseId)->isWindowVisible());
            EXPECT_TRUE(d.getDlgItem(T::kRotationId)->isWindowVisible());
            EXPECT_EQ(t.preview().data(2, 2), L"Kieke zonder kop");

            // Each kind keeps its own settings while another is shown.
            ASSERT_TRUE(ui::selectItem(d, T::kKindId, L"Getal"));
            EXPECT_EQ(d.getDlgItemText(T::kFieldLabelId), L"Aantal cijfers achter komma:");
            EXPECT_EQ(d.getDlgItemText(T::kFirstCheckId),
                      L"Negatieve getallen automatisch rood kleuren");
            EXPECT_EQ(d.getDlgItemText(T::kFieldId), L"2");
            EXPECT_EQ(d.isDlgButtonChecked(T::kFirstCheckId), 0);
            EXPECT_EQ(t.preview().data(2, 2), L"123.46");
            ASSERT_TRUE(ui::typeText(d, T::kFieldId, L"4"));
            EXPECT_EQ(t.preview().data(2, 2), L"123.4568");
            ASSERT_TRUE(ui::selectItem(d, T::kKindId, L"Tekst"));
            EXPECT_EQ(d.getDlgItemText(T::kFieldId), L"100");
            EXPECT_EQ(d.isDlgButtonChecked(T::kFirstCheckId), 1);
            ASSERT_TRUE(ui::selectItem(d, T::kKindId, L"Getal"));
            EXPECT_EQ(d.getDlgItemText(T::kFieldId), L"4");

            ASSERT_TRUE(ui::selectItem(d, T::kKindId, L"Tekst"));
            ASSERT_TRUE(ui::click(d, T::kFirstCheckId)); // off: one line
            EXPECT_FALSE(t.preview().sheet().cellType(2, 2).style & grid::kStyleMultiLine);
            ASSERT_TRUE(ui::selectItem(d, T::kKindId, L"Tekst"));
            ASSERT_TRUE(ui::typeText(d, T::kFieldId, L"50"));
            ASSERT_TRUE(ui::click(d, T::kFirstCheckId));
            ASSERT_TRUE(ui::selectItem(d, T::kHAlignId, L"Rechts"));
            ASSERT_TRUE(ui::selectItem(d, T::kVAlignId, L"Onder"));
            ASSERT_TRUE(ui::selectItem(d, T::kRotationId, L"90\u00B0, van links naar rechts"));
            const grid::CellType shown = t.preview().sheet().cellType(2, 2);
            EXPECT_EQ(shown.code, grid::CellTypeCode::Edit);
            EXPECT_EQ(shown.style, grid::kStyleMultiLine | grid::kStyleHRight |
                                       grid::kStyleVBottom | 0x3000000u);
            EXPECT_EQ(t.preview().data(2, 2), L"Kieke zonder kop");
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        });
        ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdCellType));
        EXPECT_TRUE(e.changed());
        for (auto [c, r] : {std::pair{2, 2}, {3, 3}}) {
            const grid::CellType t = e.grid().sheet().cellType(c, r);
            EXPECT_EQ(t.code, grid::CellTypeCode::Edit);
            EXPECT_EQ(t.maxLength, 50);
        }
        EXPECT_EQ(e.grid().sheet().cellType(4, 3).maxLength, 100); // beside the block
        e.grid().clearSelection();
        e.grid().setActiveCell(1, 1);
        e.grid().setData(2, 2, L"een tekst die niet op een lijn past");
        path = saveAs(e, "types.kws");
    });
    inEditor(
        [&](Editor& e) {
            const grid::CellType t = e.grid().sheet().cellType(3, 3);
            EXPECT_EQ(t.code, grid::CellTypeCode::Edit);
            EXPECT_EQ(t.maxLength, 50);
            EXPECT_TRUE(t.style & grid::kStyleMultiLine);
            const ui::RecordingCanvas canvas = paint(e.grid());
            const ui::DrawItem* text = canvas.findText(L"een tekst");
            ASSERT_NE(text, nullptr);
            EXPECT_GT(text->lines.size(), 1u);
            // The dialog reads the cell back as it was written.
            drv().onDialog(T::kTemplateId, [&](ui::Dialog& d) {
                EXPECT_EQ(d.getDlgItemText(T::kKindId), L"Tekst");
                EXPECT_EQ(d.getDlgItemText(T::kFieldId), L"50");
                EXPECT_EQ(d.isDlgButtonChecked(T::kFirstCheckId), 1);
                EXPECT_EQ(d.getDlgItemText(T::kHAlignId), L"Rechts");
                EXPECT_EQ(d.getDlgItemText(T::kVAlignId), L"Onder");
                EXPECT_EQ(d.getDlgItemText(T::kRotationId), L"90\u00B0, van links naar rechts");
                ASSERT_TRUE(ui::click(d, ui::IDOK));
            });
            e.grid().setActiveCell(3, 3);
            const grid::CellType before = e.grid().sheet().cellType(3, 3);
            ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdCellType));
            EXPECT_EQ(e.grid().sheet().cellType(3, 3), before) << "nothing added twice";
        },
        path);
}

TEST_F(CellTypeDialog, APictureComesFromTheFileDialogAndKeepProportionsFollowsStretching) {
    const std::wstring picture = writePicture("plate.bmp", 40, 10);
    inEditor([&](Editor& e) {
        e.grid().setActiveCell(2, 3);
        e.grid().sheet().setColumnWidthPx(2, 100);
        e.grid().sheet().setRowHeightPx(3, 50);
        drv().onDialog(T::kTemplateId, [&](ui::Dialog& d) {
            auto& t = dynamic_cast<T&>(d);
            ASSERT_TRUE(ui::selectItem(d, T::kKindId, L"Afbeelding"));
            EXPECT_EQ(d.getDlgItemText(T::kFieldLabelId), L"Bestand van afbeelding:");
            EXPECT_EQ(d.getDlgItemText(T::kFirstCheckId), L"Afbeelding rekken tot het past");
            EXPECT_EQ(d.getDlgItemText(T::kSecondCheckId), L"Schaal proportioneel behouden");
            EXPECT_TRUE(d.getDlgItem(T::kBrowseId)->isWindowVisible());
            EXPECT_FALSE(d.getDlgItem(T::kRotationId)->isWindowVisible());
            EXPECT_FALSE(d.getDlgItem(T::kRotationLabelId)->isWindowVisible());
            EXPECT_EQ(d.getDlgItemText(T::kFieldId), L"");
            // Not stretched: "keep proportions" is off and cannot be chosen.
            EXPECT_FALSE(d.getDlgItem(T::kSecondCheckId)->isWindowEnabled());
            EXPECT_EQ(d.isDlgButtonChecked(T::kSecondCheckId), 0);
            EXPECT_FALSE(ui::click(d, T::kSecondCheckId));

            drv().answerFile(picture);
            ASSERT_TRUE(ui::click(d, T::kBrowseId));
            const ui::FileDialogRequest& asked = drv().fileDialogs().back();
            EXPECT_EQ(asked.title, L"Afbeelding inladen");
            EXPECT_EQ(asked.mode, ui::FileDialogMode::Open);
            ASSERT_EQ(asked.filters.size(), 1u);
            EXPECT_EQ(asked.filters[0].first, L"Bitmap bestand (*.bmp)");
            EXPECT_EQ(d.getDlgItemText(T::kFieldId), picture);

            ASSERT_TRUE(ui::click(d, T::kFirstCheckId));
            EXPECT_TRUE(d.getDlgItem(T::kSecondCheckId)->isWindowEnabled());
            ASSERT_TRUE(ui::click(d, T::kSecondCheckId));
            // Unstretching clears it again.
            ASSERT_TRUE(ui::click(d, T::kFirstCheckId));
            EXPECT_EQ(d.isDlgButtonChecked(T::kSecondCheckId), 0);
            EXPECT_FALSE(d.getDlgItem(T::kSecondCheckId)->isWindowEnabled());
            ASSERT_TRUE(ui::click(d, T::kFirstCheckId));
            ASSERT_TRUE(ui::click(d, T::kSecondCheckId));
            EXPECT_EQ(t.preview().sheet().cellType(2, 2).code, grid::CellTypeCode::Picture);
            EXPECT_EQ(paint(t.preview()).itemsOfKind(ui::DrawKind::Bitmap).size(), 1u);
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        });
        ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdCellType));
        const grid::CellType t = e.grid().sheet().cellType(2, 3);
        EXPECT_EQ(t.code, grid::CellTypeCode::Picture);
        EXPECT_EQ(t.style, 2u | 4u | 32u);
        EXPECT_EQ(base::fromUtf8(t.picture), picture);
        // Drawn as large as fits with its shape kept: 40 x 10 in a 99 x 49 cell.
        const ui::RecordingCanvas canvas = paint(e.grid());
        const auto bitmaps = canvas.itemsOfKind(ui::DrawKind::Bitmap);
        ASSERT_EQ(bitmaps.size(), 1u);
        EXPECT_EQ(bitmaps[0]->rect.width(), 99);
        EXPECT_EQ(bitmaps[0]->rect.height(), 24);
    });
}

TEST_F(CellTypeDialog, CancelAndANumberOutOfRangeChangeNothingTheyShouldNot) {
    inEditor([&](Editor& e) {
        e.grid().setActiveCell(1, 1);
        const grid::CellType before = e.grid().sheet().cellType(1, 1);
        drv().onDialog(T::kTemplateId, [&](ui::Dialog& d) {
            ASSERT_TRUE(ui::selectItem(d, T::kKindId, L"Afbeelding"));
            ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
        });
        ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdCellType));
        EXPECT_EQ(e.grid().sheet().cellType(1, 1), before);
        EXPECT_FALSE(e.changed());

        drv().onDialog(T::kTemplateId, [&](ui::Dialog& d) {
            ASSERT_TRUE(ui::selectItem(d, T::kKindId, L"Getal"));
            ASSERT_TRUE(ui::typeText(d, T::kFieldId, L"300")); // more than a cell can show
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        });
        ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdCellType));
        EXPECT_EQ(e.grid().sheet().cellType(1, 1).decimals, 15);
        drv().onDialog(T::kTemplateId, [&](ui::Dialog& d) {
            ASSERT_TRUE(ui::typeText(d, T::kFieldId, L"drie")); // no number: kept
            ASSERT_TRUE(ui::click(d, ui::IDOK));
        });
        ASSERT_TRUE(ui::chooseMenuCommand(e, Editor::kCmdCellType));
        EXPECT_EQ(e.grid().sheet().cellType(1, 1).decimals, 15);
    });
}

} // namespace
