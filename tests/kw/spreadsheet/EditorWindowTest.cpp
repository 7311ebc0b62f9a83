// The spreadsheet editor driven as a person would: the edit bar, the keys, the file
// dialogs and the save question.

#include "../frame/FrameTestSupport.h"

#include "kw/frame/KWExports.h"
#include "kw/spreadsheet/editor/CDlgSpreadSheet.h"
#include "kw/spreadsheet/editor/EditorEntry.h"
#include "platform/base/Paths.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"

namespace {

using D = CDlgSpreadSheet;

class EditorWindow : public FrameTest {};

TEST_F(EditorWindow, TheEditBarWritesFormulasAndABadFormulaKeepsItsTextAndSaysWhy) {
    ui::ScriptedDriver driver;
    driver.onDialog(D::kTemplateId, [&](ui::Dialog& d) {
        auto& e = dynamic_cast<D&>(d);
        EXPECT_EQ(e.getWindowText(), L"Spreadsheet Editor - Naamloos");
        EXPECT_EQ(e.grid().maxCols(), 6);
        EXPECT_EQ(e.grid().maxRows(), 11);
        e.grid().setFocus();
        e.grid().setActiveCell(1, 1);
        ASSERT_TRUE(ui::typeText(e, D::kCellTextId, L"21"));
        EXPECT_EQ(e.grid().value(1, 1), L"21");
        e.grid().setActiveCell(2, 1);
        ASSERT_TRUE(ui::typeText(e, D::kFormulaId, L"A1*(")); // "A1" parses, "A1*(" not
        EXPECT_EQ(e.grid().formula(2, 1), L"A1");
        EXPECT_EQ(e.getDlgItemText(D::kFormulaId), L"A1*(");
        EXPECT_EQ(e.getDlgItemText(D::kStatusId).rfind(L"Formule niet geldig", 0), 0u);
        ASSERT_TRUE(ui::typeText(e, D::kVariableId, L"twice"));
        EXPECT_EQ(e.grid().tag(2, 1), L"twice");
        EXPECT_TRUE(e.changed());
        driver.answerMessageBox(ui::IDNO);
        ASSERT_TRUE(ui::closeBox(e));
    });
    KWEditor();
    EXPECT_TRUE(driver.done());
}

// Taking a document in (its properties, tips, recalculation) is no change: closing it at
// once asks nothing, and a real edit afterwards still asks.
TEST_F(EditorWindow, OpeningADocumentIsNoChangeButAnEditAfterwardsIs) {
    const auto file = m_tmp / "opened.kws";
    // The sample bill of materials and its header file: it has properties, header
    // variables and formulas, and its header is found beside it.
    const std::filesystem::path samples = TVL_SOURCE_DIR "/resources/install/tvllib/Spreadsheets";
    std::filesystem::copy_file(samples / "bill-of-materials.kws", file);
    std::filesystem::copy_file(samples / "header.kwh", m_tmp / "header.kwh");
    const Tvl_String path(base::toProduct(file));
    for (const bool edit : {false, true}) {
        ui::ScriptedDriver driver;
        driver.onDialog(D::kTemplateId, [&](ui::Dialog& d) {
            auto& e = dynamic_cast<D&>(d);
            EXPECT_NE(e.getWindowText().find(L"opened.kws"), std::wstring::npos);
            EXPECT_FALSE(e.changed());
            if (edit) {
                e.grid().setFocus();
                e.grid().setActiveCell(1, 1);
                ASSERT_TRUE(ui::typeText(e, D::kCellTextId, L"5"));
                EXPECT_TRUE(e.changed());
                driver.answerMessageBox(ui::IDNO);
            }
            ASSERT_TRUE(ui::closeBox(e));
        });
        KWEditorOpen(path);
        EXPECT_TRUE(driver.done());
        EXPECT_EQ(driver.messageBoxes().size(), edit ? 1u : 0u);
    }
}

} // namespace
