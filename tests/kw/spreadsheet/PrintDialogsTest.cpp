// The editor's printing driven as a person would: the print settings dialog, a print to
// the PDF the print dialog names, the preview with its buttons, and what goes wrong.

#include "../frame/FrameTestSupport.h"

#include <cstdio>

#include "kw/spreadsheet/DocumentProperties.h"
#include "kw/spreadsheet/editor/CDlgSpreadSheet.h"
#include "kw/spreadsheet/editor/EditorEntry.h"
#include "kw/spreadsheet/print/CDlgKWPrintPreview.h"
#include "kw/spreadsheet/print/CDlgKWPrintSetup.h"
#include "kw/spreadsheet/print/PrintState.h"
#include "platform/base/Paths.h"
#include "platform/grid/control/GridPageView.h"
#include "platform/ui/Input.h"
#include "platform/ui/ScriptedDriver.h"

namespace fs = std::filesystem;

namespace {

using D = CDlgSpreadSheet;
using S = CDlgKWPrintSetup;
using P = CDlgKWPrintPreview;

std::string run(const std::string& cmd) {
    std::string out;
    FILE* p = ::popen(cmd.c_str(), "r");
    if (!p)
        return out;
    char buf[4096];
    size_t n;
    while ((n = std::fread(buf, 1, sizeof buf, p)) > 0)
        out.append(buf, n);
    ::pclose(p);
    return out;
}

int pdfPages(const fs::path& pdf) {
    const std::string info = run("pdfinfo '" + pdf.string() + "' 2>&1");
    const size_t at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::atoi(info.c_str() + at + 6);
}

class PrintDialogs : public FrameTest {
protected:
    void SetUp() override {
        FrameTest::SetUp();
        const fs::path samples = TVL_SOURCE_DIR "/resources/install/tvllib/Spreadsheets";
        for (const char* f : {"bill-of-materials.kws", "header.kwh", "header.bmp"})
            fs::copy_file(samples / f, m_tmp / f);
        m_doc = base::toProduct(m_tmp / "bill-of-materials.kws");
    }
    ui::PrintDialogResult toFile(const std::string& name) const {
        ui::PrintDialogResult r;
        r.outputPath = (m_tmp / name).string();
        return r;
    }
    kw::DocumentProperties props(D& e) const {
        bool equal = true;
        return kw::readDocumentProperties(Tvl_String(e.grid().tag(0, 0)), equal);
    }
    // Rows 1..n of column 1 filled, so that the document takes several pages.
    static void longDocument(D& e, int n) {
        e.grid().setMaxRows(n);
        for (int r = 1; r <= n; ++r)
            e.grid().sheet().setText(1, r, "Line " + std::to_string(r));
    }
    Tvl_String m_doc;
};

TEST_F(PrintDialogs, TheSettingsDialogShowsTheDocumentsSettingsAndOkRewritesThemInFull) {
    ui::ScriptedDriver driver;
    driver.onDialog(D::kTemplateId, [&](ui::Dialog& d) {
        auto& e = dynamic_cast<D&>(d);
        const kw::DocumentProperties before = props(e);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPrintSetup)); // Cancel: nothing changes
        EXPECT_EQ(props(e), before);
        EXPECT_FALSE(e.changed());
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPrintSetup));
        const kw::DocumentProperties after = props(e);
        EXPECT_EQ(after.marginLeft, 22);
        EXPECT_EQ(after.marginBottom, 0); // "abc" reads as 0
        EXPECT_FALSE(after.colors);
        EXPECT_TRUE(after.rowHeader);
        EXPECT_EQ(after.footerFile, Tvl_String(L"c:\\lib\\foot.kwh"));
        EXPECT_EQ(after.varNames, before.varNames); // the variables pass through
        EXPECT_EQ(after.varValues, before.varValues);
        EXPECT_EQ(after.headerFile, before.headerFile);
        EXPECT_TRUE(e.changed());
        driver.answerMessageBox(ui::IDNO);
        ASSERT_TRUE(ui::closeBox(e));
    });
    driver.onDialog(S::kTemplateId, [&](ui::Dialog& d) {
        EXPECT_EQ(d.getWindowText(), L"Instellingen voor het afdrukken");
        EXPECT_EQ(d.getDlgItemText(S::kLeftId), L"15");
        EXPECT_EQ(d.getDlgItemText(S::kRightId), L"10");
        EXPECT_EQ(d.isDlgButtonChecked(S::kColorsId), 1);
        EXPECT_EQ(d.isDlgButtonChecked(S::kRowHeaderId), 0);
        EXPECT_EQ(d.getDlgItemText(S::kSmartPrintId),
                  L"Automatische ori\u00EBntatie en verschaling");
        ASSERT_TRUE(ui::typeText(d, S::kLeftId, L"99"));
        ASSERT_TRUE(ui::click(d, ui::IDCANCEL));
    });
    driver.onDialog(S::kTemplateId, [&](ui::Dialog& d) {
        auto& s = dynamic_cast<S&>(d);
        ASSERT_TRUE(ui::typeText(d, S::kLeftId, L"22"));
        ASSERT_TRUE(ui::typeText(d, S::kBottomId, L"abc"));
        ASSERT_TRUE(ui::click(d, S::kColorsId));
        ASSERT_TRUE(ui::click(d, S::kRowHeaderId));
        driver.answerFile(L"c:\\lib\\foot.kwh");
        ASSERT_TRUE(ui::click(d, S::kFooterBrowseId));
        EXPECT_EQ(d.getDlgItemText(S::kFooterId), L"c:\\lib\\foot.kwh");
        // Page setup replaces the device mode on OK.
        ui::PrintDialogResult landscape;
        landscape.deviceMode.landscape = true;
        driver.answerPrint(landscape);
        ASSERT_TRUE(ui::click(d, S::kPageSetupId));
        EXPECT_TRUE(s.m_deviceMode.landscape);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    KWEditorOpen(m_doc);
    EXPECT_TRUE(driver.done());
    ASSERT_FALSE(driver.fileDialogs().empty());
    EXPECT_EQ(driver.fileDialogs()[0].title, L"Header openen");
}

TEST_F(PrintDialogs, PrintWritesThePdfTheDialogNamesWithTheHeaderAndKeepsTheDocument) {
    ui::ScriptedDriver driver;
    driver.onDialog(D::kTemplateId, [&](ui::Dialog& d) {
        auto& e = dynamic_cast<D&>(d);
        auto widths = [&] {
            std::vector<double> w;
            for (int c = 0; c <= e.grid().maxCols(); ++c)
                w.push_back(e.grid().sheet().columnWidth(c));
            return w;
        };
        const auto before = widths();
        driver.answerPrint(toFile("bom.pdf"));
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPrint));
        EXPECT_EQ(pdfPages(m_tmp / "bom.pdf"), 1);
        // The finished job went to the printer the dialog chose (headless: the PDF).
        EXPECT_TRUE(ui::app().transcript().contains("print job \"Trevlon rekentabel - "));
        const std::string text = run("pdftotext '" + (m_tmp / "bom.pdf").string() + "' -");
        EXPECT_NE(text.find("Hall 3, east wing"), std::string::npos) << text;
        EXPECT_NE(text.find("Page 1 of 1"), std::string::npos) << text;
        // The columns were fitted to the paper for the job only.
        EXPECT_EQ(widths(), before);
        EXPECT_FALSE(e.changed());
        EXPECT_EQ(kw::printState().pageCount, 1);
        EXPECT_FALSE(kw::printState().preview);

        // A range that starts after the last page prints nothing and says so.
        ui::PrintDialogResult range = toFile("range.pdf");
        range.range = ui::PrintRange::Pages;
        range.fromPage = 2;
        range.toPage = 3;
        driver.answerPrint(range);
        driver.answerMessageBox(ui::IDOK);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPrint));
        EXPECT_FALSE(fs::exists(m_tmp / "range.pdf"));
        // A file that cannot be written: a message, nothing left behind.
        driver.answerPrint(toFile("no/such/folder/x.pdf"));
        driver.answerMessageBox(ui::IDOK);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPrint));
        // Cancelled: nothing at all.
        driver.answerPrint(std::nullopt);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPrint));
        ASSERT_TRUE(ui::closeBox(e));
    });
    KWEditorOpen(m_doc);
    EXPECT_TRUE(driver.done());
    ASSERT_EQ(driver.messageBoxes().size(), 2u);
    EXPECT_NE(driver.messageBoxes()[0].text.find(L"paginabereik"), std::wstring::npos);
    EXPECT_NE(driver.messageBoxes()[1].text.find(L"no/such/folder"), std::wstring::npos);
}

TEST_F(PrintDialogs, ADamagedHeaderFileIsReportedAndThePrintGoesOnWithoutIt) {
    {
        std::FILE* f = std::fopen((m_tmp / "header.kwh").string().c_str(), "wb");
        std::fwrite("\x00\xA4\xA4garbage", 1, 10, f);
        std::fclose(f);
    }
    ui::ScriptedDriver driver;
    driver.onDialog(D::kTemplateId, [&](ui::Dialog& d) {
        auto& e = dynamic_cast<D&>(d);
        driver.answerPrint(toFile("plain.pdf"));
        driver.answerMessageBox(ui::IDOK);
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPrint));
        EXPECT_EQ(pdfPages(m_tmp / "plain.pdf"), 1);
        const std::string text = run("pdftotext '" + (m_tmp / "plain.pdf").string() + "' -");
        EXPECT_EQ(text.find("Page 1 of 1"), std::string::npos);
        EXPECT_NE(text.find("HEA200"), std::string::npos);
        ASSERT_TRUE(ui::closeBox(e));
    });
    KWEditorOpen(m_doc);
    EXPECT_TRUE(driver.done());
    ASSERT_EQ(driver.messageBoxes().size(), 1u);
    EXPECT_NE(driver.messageBoxes()[0].text.find(L"beschadigd"), std::wstring::npos);
}

TEST_F(PrintDialogs, ThePreviewTurnsPagesZoomsWithinItsLimitsAndComesBackAfterSettings) {
    ui::ScriptedDriver driver;
    int pages = 0;
    driver.onDialog(D::kTemplateId, [&](ui::Dialog& d) {
        auto& e = dynamic_cast<D&>(d);
        longDocument(e, 150);
        driver.answerPrint(ui::PrintDialogResult{});
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPreview));
        EXPECT_EQ(props(e).marginTop, 40); // set from the preview's Setup
        EXPECT_TRUE(kw::printState().preview);
        driver.answerMessageBox(ui::IDNO);
        ASSERT_TRUE(ui::closeBox(e));
    });
    driver.onDialog(P::kTemplateId, [&](ui::Dialog& d) {
        auto& p = dynamic_cast<P&>(d);
        pages = p.pageView()->pageCount();
        ASSERT_GE(pages, 3);
        EXPECT_EQ(d.getWindowText(), L"Afdrukvoorbeeld - Pagina 1 van " + std::to_wstring(pages));
        EXPECT_EQ(pages, kw::printState().pageCount);
        EXPECT_FALSE(d.getDlgItem(P::kPreviousId)->isWindowEnabled());
        EXPECT_EQ(d.getDlgItemText(P::kNextId), L"Volgende");
        ASSERT_TRUE(ui::click(d, P::kNextId));
        EXPECT_EQ(d.getWindowText(), L"Afdrukvoorbeeld - Pagina 2 van " + std::to_wstring(pages));
        EXPECT_TRUE(d.getDlgItem(P::kPreviousId)->isWindowEnabled());
        for (int i = 2; i < pages; ++i)
            ASSERT_TRUE(ui::click(d, P::kNextId));
        EXPECT_FALSE(d.getDlgItem(P::kNextId)->isWindowEnabled());
        // 100 -> 150 -> 200, where Zoom In stops; Zoom Out stops at 50.
        ASSERT_TRUE(ui::click(d, P::kZoomInId));
        ASSERT_TRUE(ui::click(d, P::kZoomInId));
        EXPECT_EQ(p.pageView()->pageViewPercentage(), 200);
        EXPECT_FALSE(d.getDlgItem(P::kZoomInId)->isWindowEnabled());
        EXPECT_FALSE(ui::click(d, P::kZoomInId));
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(ui::click(d, P::kZoomOutId));
        EXPECT_EQ(p.m_zoom, 50);
        EXPECT_FALSE(d.getDlgItem(P::kZoomOutId)->isWindowEnabled());
        ASSERT_TRUE(ui::click(d, P::kSetupId));
    });
    driver.onDialog(S::kTemplateId, [&](ui::Dialog& d) {
        ASSERT_TRUE(ui::typeText(d, S::kTopId, L"40"));
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    driver.onDialog(P::kTemplateId, [&](ui::Dialog& d) {
        // Open again, with the new margin: fewer rows a page, so no fewer pages.
        auto& p = dynamic_cast<P&>(d);
        EXPECT_EQ(p.m_zoom, 100);
        EXPECT_GE(p.pageView()->pageCount(), pages);
        EXPECT_EQ(d.getWindowText().rfind(L"Afdrukvoorbeeld - Pagina 1 van ", 0), 0u);
        ASSERT_TRUE(ui::click(d, ui::IDOK)); // "Sluiten"
    });
    KWEditorOpen(m_doc);
    EXPECT_TRUE(driver.done());
}

TEST_F(PrintDialogs, PrintFromThePreviewPrintsAndShowsThePreviewAgain) {
    ui::ScriptedDriver driver;
    driver.onDialog(D::kTemplateId, [&](ui::Dialog& d) {
        auto& e = dynamic_cast<D&>(d);
        longDocument(e, 150);
        driver.answerPrint(ui::PrintDialogResult{});
        driver.answerPrint(toFile("from-preview.pdf"));
        ASSERT_TRUE(ui::chooseMenuCommand(e, D::kCmdPreview));
        driver.answerMessageBox(ui::IDNO);
        ASSERT_TRUE(ui::closeBox(e));
    });
    int pages = 0;
    driver.onDialog(P::kTemplateId, [&](ui::Dialog& d) {
        pages = dynamic_cast<P&>(d).pageView()->pageCount();
        ASSERT_TRUE(ui::click(d, P::kPrintId));
    });
    driver.onDialog(P::kTemplateId, [&](ui::Dialog& d) {
        EXPECT_EQ(pdfPages(m_tmp / "from-preview.pdf"), pages);
        ASSERT_TRUE(ui::click(d, ui::IDOK));
    });
    KWEditorOpen(m_doc);
    EXPECT_TRUE(driver.done());
}

} // namespace
