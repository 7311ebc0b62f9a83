#include "FabricationTestSupport.h"

#include "core/fabrication/DlgInfoData.h"
#include "kw/fabrication/Tvl_DlgCSP2.h"
#include "kw/frame/KWExports.h"
#include "kw/frame/Tvl_DlgPromptString.h"

namespace {

const std::string kSep = "\xc2\xbf"; // U+00BF in UTF-8

Tvl_StringArray row(const wchar_t* a, const wchar_t* b, const wchar_t* c) {
    return Tvl_StringArray{Tvl_String(a), Tvl_String(b), Tvl_String(c)};
}

class CuttingStockDialogTest : public FabricationTest {
protected:
    // Jobs 1, 2 and 7; job 1 has a piece, a stock and a purchase row.
    static DlgCSP2Data record() {
        DlgCSP2Data d;
        d.m_jobIds = Tvl_Array<int>{1, 2, 7};
        d.m_jobNames =
            Tvl_StringArray{Tvl_String(L"Hall"), Tvl_String(L"Canopy"), Tvl_String(L"Stairs")};
        d.setJobRows(DlgCSP2Data::kPieces, 1, {row(L"HEA 200", L"2450", L"8")});
        d.setJobRows(DlgCSP2Data::kStock, 1, {row(L"HEA 200", L"6000", L"3")});
        d.setJobRows(DlgCSP2Data::kPurchase, 1, {row(L"HEA 200", L"12000", L"")});
        d.setJobRows(DlgCSP2Data::kPieces, 2, {row(L"L 70x7", L"1250", L"12")});
        return d;
    }
    static Tvl_DlgCSP2& csp(ui::Dialog& d) { return static_cast<Tvl_DlgCSP2&>(d); }
    static void typeCell(Tvl_Spread& g, int col, int row, const wchar_t* text) {
        g.setFocus();
        ASSERT_TRUE(g.setActiveCell(col, row));
        ASSERT_TRUE(ui::typeText(text));
        ASSERT_TRUE(ui::key(ui::VK_RETURN));
    }
    std::string folder() const { return "Cutting Stock/"; }
};

TEST_F(CuttingStockDialogTest, JobsShowTheirOwnRowsAndEditsAreKeptWhenSwitching) {
    ui::ScriptedDriver driver;
    DlgCSP2Data data = record();
    driver.onDialog(Tvl_DlgCSP2::kTemplateId, [&](ui::Dialog& d) {
        Tvl_DlgCSP2& dlg = csp(d);
        EXPECT_EQ(d.getWindowText(), L"Cutting-stock optimisation");
        EXPECT_EQ(d.getDlgItemText(Tvl_DlgCSP2::kReportId), L"Load newest files");
        EXPECT_EQ(dlg.shownJob(), 1);
        Tvl_Spread& pieces = dlg.grid(DlgCSP2Data::kPieces);
        EXPECT_EQ(pieces.colCount(), 3);
        EXPECT_EQ(pieces.rowCount(), 1);
        EXPECT_EQ(pieces.data(1, 0), L"Profile");
        EXPECT_EQ(dlg.grid(DlgCSP2Data::kStock).data(2, 1), L"6000");
        typeCell(pieces, 3, 1, L"9");
        // A new row below the active one, filled in.
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kPiecesInsertId));
        EXPECT_EQ(pieces.rowCount(), 2);
        typeCell(pieces, 1, 2, L"HEA 200");
        typeCell(pieces, 2, 2, L"1720");
        typeCell(pieces, 3, 2, L"6");
        ASSERT_TRUE(ui::selectItem(d, Tvl_DlgCSP2::kJobsId, L"Canopy"));
        EXPECT_EQ(dlg.shownJob(), 2);
        EXPECT_EQ(pieces.data(2, 1), L"1250");
        EXPECT_EQ(dlg.grid(DlgCSP2Data::kStock).rowCount(), 0);
        // The row buttons act on the grid's active row.
        pieces.setFocus();
        ASSERT_TRUE(pieces.setActiveCell(1, 1));
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kPiecesDeleteId));
        EXPECT_EQ(pieces.rowCount(), 0);
        ASSERT_TRUE(ui::selectItem(d, Tvl_DlgCSP2::kJobsId, L"Hall"));
        EXPECT_EQ(pieces.rowCount(), 2);
        EXPECT_EQ(pieces.data(3, 1), L"9");
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgCSP2(data));
    const Tvl_Array<Tvl_StringArray> hall = data.jobRows(DlgCSP2Data::kPieces, 1);
    ASSERT_EQ(hall.length(), 2);
    EXPECT_EQ(hall[1][1], L"1720");
    EXPECT_EQ(data.jobRows(DlgCSP2Data::kPieces, 2).length(), 0);
    EXPECT_TRUE(driver.done());
    // The placement is kept under its name.
    EXPECT_FALSE(host::profile().getString(L"TREVLONV8", L"DLG_OPTIMIZECSP2_TOP", L"").empty());
}

TEST_F(CuttingStockDialogTest, NewJobsCountOnFromTheLargestIdAndDeletingTheLastLeavesNothing) {
    ui::ScriptedDriver driver;
    DlgCSP2Data data = record();
    driver.onDialog(Tvl_DlgCSP2::kTemplateId, [&](ui::Dialog& d) {
        Tvl_DlgCSP2& dlg = csp(d);
        driver.onDialog(Tvl_DlgPromptString::kTemplateId, [](ui::Dialog& p) {
            EXPECT_EQ(p.getWindowText(), L"New job");
            ASSERT_TRUE(ui::typeText(p, Tvl_DlgPromptString::kValueId, L"Roof"));
            ASSERT_TRUE(ui::click(p, ui::IDOK));
        });
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kNewJobId));
        EXPECT_EQ(dlg.shownJob(), 8) << "ids 1, 2 and 7";
        EXPECT_EQ(d.getDlgItemText(Tvl_DlgCSP2::kJobsId), L"Roof");
        EXPECT_EQ(dlg.grid(DlgCSP2Data::kPieces).rowCount(), 0);
        // Deleting the last job in the list shows the one before it; its rows go with it.
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kDeleteJobId));
        EXPECT_EQ(dlg.shownJob(), 7);
        ASSERT_TRUE(ui::selectItem(d, Tvl_DlgCSP2::kJobsId, L"Hall"));
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kDeleteJobId));
        EXPECT_EQ(dlg.shownJob(), 2) << "the same position";
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kDeleteJobId));
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kDeleteJobId));
        EXPECT_EQ(dlg.shownJob(), -1);
        EXPECT_EQ(dlg.grid(DlgCSP2Data::kPieces).rowCount(), 0);
        // With no job, the row and file buttons do nothing (no file dialog is asked for).
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kPiecesInsertId));
        EXPECT_EQ(dlg.grid(DlgCSP2Data::kPieces).rowCount(), 0);
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kStockLoadId));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(data.jobCount(), 0);
    for (const auto& t : data.m_tables)
        EXPECT_EQ(t.rows.length(), 0);
    EXPECT_TRUE(driver.done());
}

TEST_F(CuttingStockDialogTest, StoreProposesTheNextStockNumberAndLoadKeepsThePathsCase) {
    writeLibFile(folder() + "Stock7.shp", "");
    writeLibFile(folder() + "stock9x.shp", ""); // not all digits: does not count
    for (const char* name : {"Stock7.shp", "stock9x.shp"})
        std::filesystem::last_write_time(m_lib / folder() / name,
                                         std::filesystem::file_time_type::clock::now() -
                                             std::chrono::hours(1));
    ui::ScriptedDriver driver;
    DlgCSP2Data data = record();
    driver.onDialog(Tvl_DlgCSP2::kTemplateId, [&](ui::Dialog& d) {
        driver.answerFile(libPath("Cutting Stock\\Hall Stock").str()); // extension added
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kStockStoreId));
        ASSERT_EQ(driver.fileDialogs().size(), 1u);
        const ui::FileDialogRequest& save = driver.fileDialogs()[0];
        EXPECT_EQ(save.initialFile, L"Stock8.shp");
        EXPECT_EQ(save.filters.at(0).first, L"Stock (*.shp)");
        EXPECT_TRUE(save.flags & ui::OFN_OVERWRITEPROMPT);
        EXPECT_EQ(Tvl_String(save.initialFolder), libPath("Cutting Stock\\"));
        // Load it into the second job; the path keeps its case ("Cutting Stock" would not
        // be found as "cutting stock") and gets its extension.
        ASSERT_TRUE(ui::selectItem(d, Tvl_DlgCSP2::kJobsId, L"Canopy"));
        driver.answerFile(libPath("Cutting Stock\\Hall Stock").str());
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kStockLoadId));
        EXPECT_EQ(driver.fileDialogs()[1].initialFile, L"Hall Stock.shp") << "the newest";
        EXPECT_EQ(csp(d).grid(DlgCSP2Data::kStock).data(2, 1), L"6000");
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    EXPECT_FALSE(StartDlgCSP2(data));
    EXPECT_EQ(data.jobRows(DlgCSP2Data::kStock, 2).length(), 0) << "cancelled";
    EXPECT_EQ(readLibFile(folder() + "Hall Stock.shp"), "HEA 200" + kSep + "6000" + kSep + "3\n")
        << "written files stay";
    EXPECT_TRUE(driver.done());
}

TEST_F(CuttingStockDialogTest, ADamagedFileLoadsNothingAndIsLeftAlone) {
    const std::string damaged = "HEA 200" + kSep + "six metres" + kSep + "3\n";
    writeLibFile(folder() + "Old.shp", damaged);
    ui::ScriptedDriver driver;
    DlgCSP2Data data = record();
    driver.onDialog(Tvl_DlgCSP2::kTemplateId, [&](ui::Dialog& d) {
        driver.answerFile(libPath("Cutting Stock\\Old.shp").str());
        driver.answerMessageBox(ui::IDOK, L"the length \"six metres\" is not a number");
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kStockLoadId));
        EXPECT_EQ(csp(d).grid(DlgCSP2Data::kStock).rowCount(), 1) << "the grid keeps its rows";
        // A row the file could not hold is refused on storing, and nothing is written.
        typeCell(csp(d).grid(DlgCSP2Data::kStock), 2, 1, L"-6000");
        driver.answerFile(libPath("Cutting Stock\\Old.shp").str());
        driver.answerMessageBox(ui::IDOK, L"was not written");
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kStockStoreId));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(readLibFile(folder() + "Old.shp"), damaged);
    EXPECT_TRUE(driver.done());
}

TEST_F(CuttingStockDialogTest, TheReportLoadsTheNewestFilesAndSaysWhatItFound) {
    writeLibFile(folder() + "Stock1.shp", "IPE 300" + kSep + "6000" + kSep + "1\n");
    writeLibFile(folder() + "Stock2.shp", "IPE 300" + kSep + "8000" + kSep + "2\n");
    const auto older =
        std::filesystem::last_write_time(m_lib / folder() / "Stock2.shp") - std::chrono::hours(24);
    std::filesystem::last_write_time(m_lib / folder() / "Stock2.shp", older);
    ui::ScriptedDriver driver;
    DlgCSP2Data data = record();
    Tvl_String report;
    driver.onDialog(Tvl_DlgCSP2::kTemplateId, [&](ui::Dialog& d) {
        driver.onDialog(kDlgInfoTemplateId, [&](ui::Dialog& info) {
            EXPECT_EQ(info.getWindowText(), L"Stock files");
            report = Tvl_String(info.getDlgItemText(kDlgInfoTextId));
            ASSERT_TRUE(ui::click(info, ui::IDOK));
        });
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kReportId));
        EXPECT_EQ(csp(d).grid(DlgCSP2Data::kStock).data(2, 1), L"6000") << "Stock1 is newer";
        EXPECT_EQ(csp(d).grid(DlgCSP2Data::kPurchase).data(2, 1), L"12000") << "no .buy file";
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_TRUE(report.contains(L"The newest stock file was loaded: \"Stock1.shp\"."))
        << report.toUtf8();
    EXPECT_TRUE(report.contains(L"No purchase file was found.")) << report.toUtf8();
    EXPECT_TRUE(report.contains(Tvl_String::fromChar(L'-', 116)));
    EXPECT_FALSE(report.contains(Tvl_String::fromChar(L'-', 117)));
    EXPECT_TRUE(driver.done());
}

TEST_F(CuttingStockDialogTest, StoringEveryJobsStockAsksOnlyWhenTheBoxIsChecked) {
    ui::ScriptedDriver driver;
    DlgCSP2Data data = record();
    data.m_loadNewest = false;
    data.setJobRows(DlgCSP2Data::kStock, 2, {row(L"L 70x7", L"6000", L"4")});
    driver.onDialog(Tvl_DlgCSP2::kTemplateId, [&](ui::Dialog& d) {
        EXPECT_EQ(d.getDlgItemText(Tvl_DlgCSP2::kReportId), L"Save stock of all jobs");
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kReportId));
        EXPECT_TRUE(driver.fileDialogs().empty());
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kAskEachFileId));
        driver.answerFile(std::nullopt);
        driver.answerFile(std::nullopt);
        driver.answerFile(std::nullopt);
        ASSERT_TRUE(ui::click(d, Tvl_DlgCSP2::kReportId));
        EXPECT_EQ(driver.fileDialogs().size(), 3u) << "one per job";
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    ASSERT_TRUE(StartDlgCSP2(data));
    EXPECT_EQ(readLibFile(folder() + "Stock1.shp"), "HEA 200" + kSep + "6000" + kSep + "3\n");
    EXPECT_EQ(readLibFile(folder() + "Stock2.shp"), "L 70x7" + kSep + "6000" + kSep + "4\n");
    EXPECT_TRUE(std::filesystem::exists(m_lib / folder() / "Stock3.shp")) << "the empty job too";
    EXPECT_TRUE(driver.done());
}

} // namespace
