#include "EvalTestSupport.h"

#include "core/Tvl_Settings.h"
#include "kw/frame/KWExports.h"
#include "kw/spreadsheet/eval/CFormula.h"
#include "kw/spreadsheet/eval/EvaluatorEntry.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"

namespace {

class EvalDialogTest : public EvalTest {
protected:
    static CFormula& formula(ui::Dialog& d) { return static_cast<CFormula&>(d); }
    // values.kws: B2 = 7; lookup.kws: A1 reads it through FROMTABLE, with automatic
    // calculation stored on.
    void writeDocuments() {
        grid::Sheet values;
        values.setMaxCols(2);
        values.setMaxRows(2);
        values.setNumber(2, 2, 7);
        saveDoc(values, "values.kws");
        grid::Sheet lookup;
        lookup.setAutoCalc(false);
        lookup.setMaxCols(2);
        lookup.setMaxRows(2);
        lookup.setText(1, 0, "Value");
        lookup.setText(2, 0, "Twice");
        lookup.setFormula(1, 1, "FROMTABLE(\"values.kws\",B2)");
        lookup.setFormula(2, 1, "A1*2");
        lookup.setText(1, 2, "row two");
        lookup.setAutoCalc(true);
        saveDoc(lookup, "lookup.kws");
    }
    void changeValue(double v) {
        const auto path = m_tmp / "values.kws";
        const auto old = std::filesystem::last_write_time(path);
        grid::Sheet values;
        values.setMaxCols(2);
        values.setMaxRows(2);
        values.setNumber(2, 2, v);
        saveDoc(values, "values.kws");
        std::filesystem::last_write_time(path, old + std::chrono::seconds(2));
    }
    Tvl_String product(const std::string& name) const { return base::toProduct(m_tmp / name); }
};

TEST_F(EvalDialogTest, ReadKWFileGivesTheFirstCellTheNamesAndTheRowsOfADocument) {
    writeDocuments();
    ui::ScriptedDriver driver;
    Tvl_String result = L"stale";
    Tvl_StringArray names;
    Tvl_Array<Tvl_StringArray> rows;
    names.append(L"stale");
    ReadKWFile(product("lookup.kws"), result, names, rows);
    EXPECT_EQ(result, Tvl_String(L"7")) << "FROMTABLE found values.kws beside lookup.kws";
    ASSERT_EQ(names.length(), 2);
    EXPECT_EQ(names[1], Tvl_String(L"Twice"));
    ASSERT_EQ(rows.length(), 2);
    EXPECT_EQ(rows[0][1], Tvl_String(L"14"));
    EXPECT_EQ(rows[1][0], Tvl_String(L"row two"));
    EXPECT_NE(printed().find(L"Loading spreadsheet:" + product("lookup.kws").str() + L"\n"),
              std::wstring::npos);
    EXPECT_TRUE(driver.done()) << "the dialog closed itself";

    // A missing, a foreign and a huge sparse file: nothing, and the command line says so.
    writeBytes("foreign.kws", "this is not a spreadsheet\n");
    {
        std::ofstream huge(m_tmp / "huge.kws", std::ios::binary);
        huge.seekp(200 * 1024 * 1024);
        huge << 'x';
    }
    for (const char* bad : {"missing.kws", "foreign.kws", "huge.kws"}) {
        host::commandLine().clear();
        ReadKWFile(product(bad), result, names, rows);
        EXPECT_TRUE(result.isEmpty()) << bad;
        EXPECT_EQ(names.length(), 0) << bad;
        EXPECT_EQ(rows.length(), 0) << bad;
        EXPECT_NE(printed().find(L"Load failed\n"), std::wstring::npos) << bad;
    }
}

TEST_F(EvalDialogTest, EvaluateKWShowsTheCellOfTheFixedDocumentUntilTheUserCloses) {
    std::filesystem::create_directories(m_tmp / "drives/c/a");
    grid::Sheet t3;
    t3.setMaxCols(2);
    t3.setMaxRows(2);
    t3.setNumber(2, 1, 20);
    t3.setFormula(1, 1, "B1+1");
    ASSERT_TRUE(grid::DocumentFile::save(t3, (m_tmp / "drives/c/a/t3.kws").string()).ok());
    ui::ScriptedDriver driver;
    bool seen = false;
    driver.onDialog(CFormula::kTemplateId, [&](ui::Dialog& d) {
        seen = true;
        CFormula& f = formula(d);
        EXPECT_EQ(d.getWindowText(), L"Formulas");
        EXPECT_EQ(d.getDlgItemText(CFormula::kPathId), L"c:\\a\\t3.kws");
        EXPECT_EQ(f.m_result, Tvl_String(L"21"));
        EXPECT_EQ(d.isDlgButtonChecked(CFormula::kStyleDefaultId), ui::BST_CHECKED);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    EvaluateKW();
    EXPECT_TRUE(seen);
    EXPECT_TRUE(driver.done());
}

TEST_F(EvalDialogTest, TheButtonsLoadSaveSwitchStylesAndRecalculateWithFromTableWorking) {
    writeDocuments();
    ui::ScriptedDriver driver;
    driver.onDialog(CFormula::kTemplateId, [&](ui::Dialog& d) {
        CFormula& f = formula(d);
        Tvl_Spread& g = f.m_grid;
        EXPECT_EQ(g.rowCount(), 10);
        EXPECT_EQ(g.colCount(), 8);
        // The user loads lookup.kws from the path edit.
        ASSERT_TRUE(ui::typeText(d, CFormula::kPathId, product("lookup.kws").str()));
        ASSERT_TRUE(ui::click(d, CFormula::kLoadId));
        EXPECT_EQ(g.data(1, 1), L"7") << "FROMTABLE works on a document loaded later";
        EXPECT_EQ(d.isDlgButtonChecked(CFormula::kAutoCalcId), ui::BST_CHECKED);
        EXPECT_FALSE(d.getDlgItem(CFormula::kRecalcId)->isWindowEnabled());
        // Automatic calculation off: Recalculate reads the changed document.
        ASSERT_TRUE(ui::click(d, CFormula::kAutoCalcId));
        EXPECT_TRUE(d.getDlgItem(CFormula::kRecalcId)->isWindowEnabled());
        changeValue(8);
        ASSERT_TRUE(ui::click(d, CFormula::kRecalcId));
        EXPECT_EQ(g.data(1, 1), L"8");
        EXPECT_EQ(g.data(2, 1), L"16");
        // The style buttons copy column 4's formulas into column 1 in the new style.
        g.sheet().setMaxCols(4);
        g.sheet().setMaxRows(5);
        g.sheet().setFormula(4, 1, "B1*2", grid::RefStyle::Default);
        g.sheet().setFormula(4, 5, "sum(#1:#4)", grid::RefStyle::Default);
        ASSERT_TRUE(ui::click(d, CFormula::kStyleR1C1Id));
        EXPECT_EQ(g.data(1, 1), L"R1C2*2");
        EXPECT_EQ(g.data(1, 5), L"SUM(R1C:R4C)");
        ASSERT_TRUE(ui::click(d, CFormula::kStyleA1Id));
        EXPECT_EQ(g.data(1, 1), L"$B$1*2");
        // Save to a new path, and to one that cannot be written.
        ASSERT_TRUE(ui::typeText(d, CFormula::kPathId, product("saved.kws").str()));
        ASSERT_TRUE(ui::click(d, CFormula::kSaveId));
        EXPECT_TRUE(std::filesystem::exists(m_tmp / "saved.kws"));
        ASSERT_TRUE(ui::typeText(d, CFormula::kPathId, product("nowhere/saved.kws").str()));
        ASSERT_TRUE(ui::click(d, CFormula::kSaveId));
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    CFormula dlg(CFormula::kEvaluateCell);
    dlg.doModal();
    EXPECT_TRUE(driver.done());
    EXPECT_NE(printed().find(L"Save failed\n"), std::wstring::npos);
    grid::Sheet saved;
    ASSERT_TRUE(grid::DocumentFile::load(saved, (m_tmp / "saved.kws").string()).ok());
    EXPECT_EQ(saved.displayText(1, 1), "$B$1*2");
}

TEST_F(EvalDialogTest, TheFromTableModeShowsTheNamedDocumentAndGivesItsCell) {
    writeDocuments();
    grid::Sheet calling;
    calling.setMaxCols(3);
    calling.setMaxRows(3);
    grid::ValueRecord args[2];
    args[0].type = grid::RecordType::Text;
    args[0].text = (m_tmp / "lookup.kws").string();
    args[1].type = grid::RecordType::CellReference;
    args[1].cell = {2, 1};
    grid::ValueRecord result;
    ui::ScriptedDriver driver;
    driver.onDialog(CFormula::kTemplateId, [&](ui::Dialog& d) {
        EXPECT_EQ(formula(d).m_grid.data(2, 1), L"14");
        EXPECT_EQ(d.getDlgItemText(CFormula::kPathId), product("lookup.kws").str());
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    CFormula dlg(CFormula::kFromTable);
    dlg.m_fromResult = &result;
    dlg.m_args = args;
    dlg.m_argCount = 2;
    dlg.m_calling = &calling;
    dlg.doModal();
    EXPECT_EQ(result.status, grid::RecordStatus::Ok);
    EXPECT_EQ(result.text, "14");
    EXPECT_TRUE(driver.done());
}

TEST_F(EvalDialogTest, TheSampleReportStopsAtItsFirstCheckAndShowsAnEmptyGrid) {
    std::filesystem::create_directories(m_tmp / "drives/c/a");
    ui::ScriptedDriver driver;
    driver.onDialog(CFormula::kTemplateId, [&](ui::Dialog& d) {
        CFormula& f = formula(d);
        EXPECT_EQ(f.reportOutcome().result, kw::ReportResult::ListsDisagree);
        EXPECT_EQ(f.m_grid.rowCount(), 0);
        EXPECT_EQ(f.m_grid.colCount(), 0);
        EXPECT_TRUE(f.m_template.isAttached());
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    kw::showSampleReport(nullptr);
    EXPECT_TRUE(driver.done());
    EXPECT_FALSE(std::filesystem::exists(m_tmp / "drives/c/a/test.kws"));
    EXPECT_NE(printed().find(L"do not match its 4 column names"), std::wstring::npos);
}

TEST_F(EvalDialogTest, FromTableRegisteredOnAnEditorGridFindsLibraryDocuments) {
    setenv("TVL_LIB_DIR", (m_tmp.string() + "/lib/").c_str(), 1);
    gSettings.reload();
    std::filesystem::create_directories(m_tmp / "lib/Spreadsheets");
    grid::Sheet values;
    values.setMaxCols(1);
    values.setMaxRows(1);
    values.setText(1, 1, "from the library");
    ASSERT_TRUE(
        grid::DocumentFile::save(values, (m_tmp / "lib/Spreadsheets/lib.kws").string()).ok());
    Tvl_Spread grid;
    kw::registerFromTable(grid);
    grid.sheet().setMaxCols(2);
    grid.sheet().setMaxRows(1);
    grid.sheet().setFormula(2, 1, "FROMTABLE(\"lib.kws\",A1)");
    grid.sheet().recalcAll();
    EXPECT_EQ(grid.data(2, 1), L"from the library");
    unsetenv("TVL_LIB_DIR");
    gSettings.reload();
}

} // namespace
