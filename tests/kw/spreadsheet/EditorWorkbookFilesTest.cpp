// Other programs' workbooks in the editor, as a person opens and exports them through
// the file dialogs: an .xlsx opened becomes a new document, a damaged one is refused,
// and an export to .xlsx reads back with its values, formulas and variables.

#include "EditorTestSupport.h"

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/SpreadsheetImport.h"

namespace {

using namespace editortest;

class EditorWorkbooks : public EditorTest {
protected:
    std::filesystem::path sample(const char* name) {
        const std::filesystem::path from =
            std::filesystem::path(TVL_SOURCE_DIR) / "tests/platform/grid/engine/io/data" / name;
        const std::filesystem::path to = m_tmp / name;
        std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
        return to;
    }
};

TEST_F(EditorWorkbooks, AnXlsxOpenedThroughTheDialogBecomesANewDocumentWithItsFormulas) {
    const auto xlsx = sample("sample.xlsx");
    const std::string before = readFile(xlsx);
    ui::ScriptedDriver driver;
    driver.answerFile(product(xlsx).str());
    runEditor(driver, Tvl_String(), [&](D& e) {
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdOpen));
        const ui::FileDialogRequest& asked = driver.fileDialogs().back();
        EXPECT_EQ(asked.title, L"SpreadSheet openen");
        ASSERT_EQ(asked.filters.size(), 3u);
        EXPECT_EQ(asked.filters[0].second, L"*.kws");
        EXPECT_EQ(asked.filters[1].first, L"Microsoft Excel werkmap (*.xlsx)");
        EXPECT_EQ(asked.filters[1].second, L"*.xlsx");
        EXPECT_EQ(asked.filters[2].second, L"*.ods");
        Tvl_Spread& g = e.grid();
        EXPECT_EQ(g.value(1, 4), L"Plate");
        EXPECT_EQ(g.formula(2, 3), L"SUM(A1:A3)");
        EXPECT_EQ(g.data(2, 3), L"0.5");
        EXPECT_EQ(g.formula(2, 17), L""); // another sheet's cell: its stored result
        EXPECT_EQ(g.data(2, 17), L"42");
        // Not the workbook's name: saving must not write a document over it.
        EXPECT_EQ(e.getWindowText(), L"Spreadsheet Editor - Naamloos");
        EXPECT_FALSE(e.changed());
        // A change is calculated as in any document.
        typeInto(e, 1, 1, D::kCellTextId, L"10");
        EXPECT_EQ(g.data(2, 1), L"12.5");
        driver.answerFile(product(m_tmp / "taken over").str());
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdSave));
        EXPECT_EQ(driver.fileDialogs().back().title, L"SpreadSheet bewaren");
    });
    const std::wstring said = printed();
    EXPECT_NE(said.find(L"alleen het eerste van 2 werkbladen ingelezen (Data)"), std::wstring::npos)
        << grid::narrow(said);
    EXPECT_NE(said.find(L"2 van de 21 formules konden niet worden overgenomen"),
              std::wstring::npos);
    EXPECT_EQ(readFile(xlsx), before);
    EXPECT_TRUE(std::filesystem::exists(m_tmp / "taken over.kws"));
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorWorkbooks, ADamagedWorkbookIsReportedAndTheOpenDocumentStays) {
    const auto good = readFile(sample("sample.ods"));
    const auto cut = m_tmp / "cut.ods";
    std::ofstream(cut, std::ios::binary) << good.substr(0, good.size() / 2);
    ui::ScriptedDriver driver;
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"mine");
        driver.answerMessageBox(ui::IDNO, L"Wilt u de wijzigingen");
        driver.answerFile(product(cut).str());
        driver.answerMessageBox(ui::IDOK, L"kan niet worden geopend");
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdOpen));
        EXPECT_EQ(e.grid().value(1, 1), L"mine");
        EXPECT_TRUE(e.changed());
    });
    EXPECT_TRUE(driver.done());
}

TEST_F(EditorWorkbooks, AnExportToXlsxReadsBackWithValuesFormulasAndVariables) {
    const auto xlsx = m_tmp / "plates.xlsx";
    ui::ScriptedDriver driver;
    driver.answerFile(product(xlsx).str());
    runEditor(driver, Tvl_String(), [&](D& e) {
        typeInto(e, 1, 1, D::kCellTextId, L"Plate \u00D8");
        typeInto(e, 2, 1, D::kCellTextId, L"12.5");
        typeInto(e, 2, 1, D::kVariableId, L"thickness");
        typeInto(e, 3, 1, D::kFormulaId, L"thickness*2+$B$1");
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdExport));
        const ui::FileDialogRequest& asked = driver.fileDialogs().back();
        EXPECT_EQ(asked.title, L"Rekentabel exporteren");
        ASSERT_EQ(asked.filters.size(), 4u);
        EXPECT_EQ(asked.filters[0].second, L"*.xls"); // still the default type
        EXPECT_EQ(asked.filters[3].second, L"*.xlsx");
    });
    grid::Sheet back;
    grid::SpreadsheetImportReport read;
    ASSERT_TRUE(
        grid::importSpreadsheetFile(back, xlsx.string(), grid::SpreadsheetFormat::Xlsx, &read)
            .ok());
    EXPECT_EQ(back.value(1, 1), grid::Value::text("Plate \xC3\x98"));
    EXPECT_EQ(back.tag(2, 1), "thickness");
    EXPECT_EQ(back.formula(3, 1, grid::RefStyle::A1), "thickness*2+$B$1");
    EXPECT_EQ(back.value(3, 1), grid::Value::number(37.5));
    EXPECT_EQ(read.untranslated, 0);
    // The new document's cells all have a type, so the used part is the whole 6 x 11
    // sheet; only the three filled cells are in the workbook.
    EXPECT_NE(printed().find(L"plates.xlsx: Excel-werkmap, blad Sheet1, 1 rijen, 3 kolommen, "
                             L"1 formules."),
              std::wstring::npos)
        << grid::narrow(printed());
    EXPECT_TRUE(driver.done());
}

} // namespace
