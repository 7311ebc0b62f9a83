// Printing the grid to PDF files and showing its pages in the page view. The PDFs are
// read back with poppler's pdfinfo and pdftotext, as a reader would open them.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "platform/grid/control/GridControl.h"
#include "platform/grid/control/GridPageView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Input.h"
#include "platform/ui/Messages.h"
#include "platform/ui/Snapshot.h"
#include "platform/ui/draw/Canvas.h"
#include "platform/ui/draw/RecordingCanvas.h"

namespace fs = std::filesystem;

namespace {

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

std::string pdfPageSize(const fs::path& pdf) {
    const std::string info = run("pdfinfo '" + pdf.string() + "' 2>&1");
    const size_t at = info.find("Page size:");
    if (at == std::string::npos)
        return info;
    const size_t from = info.find_first_not_of(' ', at + 10);
    return info.substr(from, info.find(" pts", from) - from);
}

std::string pdfText(const fs::path& pdf, int page) {
    const std::string p = std::to_string(page);
    return run("pdftotext -f " + p + " -l " + p + " '" + pdf.string() + "' - 2>&1");
}

class Parent : public ui::Window {
public:
    std::vector<int> codes; // WM_COMMAND codes from the page view
protected:
    bool onCommand(int, int code, ui::Window*) override {
        codes.push_back(code);
        return true;
    }
};

class GridPrint : public ::testing::Test {
protected:
    void SetUp() override {
        ui::app().resetForTests();
        const char* tmp = std::getenv("TVL_TEST_TMP");
        dir = fs::path(tmp ? tmp : "/tmp/grid_print") /
              ::testing::UnitTest::GetInstance()->current_test_info()->name();
        fs::remove_all(dir);
        fs::create_directories(dir);
        parent = std::make_unique<Parent>();
        ASSERT_TRUE(parent->create(L"PrintTestParent", L"", ui::WS_OVERLAPPED | ui::WS_VISIBLE,
                                   ui::Rect{0, 0, 700, 800}, nullptr, 0));
        ASSERT_TRUE(g.create(grid::kGridClassName, L"", ui::WS_CHILD, ui::Rect{0, 0, 300, 200},
                             parent.get(), 5));
        // 3 columns, 120 rows of 20 px: a few A4 pages.
        g.setMaxCols(3);
        g.setMaxRows(120);
        for (int r = 1; r <= 120; ++r) {
            g.sheet().setText(1, r, "Row" + std::to_string(r));
            g.sheet().setNumber(2, r, r * 1.5);
        }
    }
    void TearDown() override {
        g.destroyWindow();
        parent->destroyWindow();
    }
    grid::SpreadPrintOptions options(const std::string& file) const {
        grid::SpreadPrintOptions o;
        o.dc.outputPath = (dir / file).string();
        return o;
    }

    fs::path dir;
    std::unique_ptr<Parent> parent;
    grid::GridControl g;
};

TEST_F(GridPrint, AJobWritesOnePdfPagePerPageAtThePapersExactSizeWithTheCellsText) {
    g.setPrintOptions(options("portrait.pdf"));
    const int pages = g.printPageCount();
    ASSERT_GE(pages, 2);
    const grid::PrintResult r = g.print(L"job");
    ASSERT_TRUE(r.ok) << r.error;
    EXPECT_EQ(r.pages, pages);
    EXPECT_EQ(pdfPages(dir / "portrait.pdf"), pages);
    EXPECT_EQ(pdfPageSize(dir / "portrait.pdf"), "595 x 842");
    // The last row is on the last page, the first on the first.
    EXPECT_NE(pdfText(dir / "portrait.pdf", 1).find("Row1\n"), std::string::npos);
    EXPECT_NE(pdfText(dir / "portrait.pdf", pages).find("Row120"), std::string::npos);
    EXPECT_NE(pdfText(dir / "portrait.pdf", pages).find("180"), std::string::npos);

    grid::SpreadPrintOptions o = options("landscape.pdf");
    o.orientation = 2;
    o.dc.paper = {148, 210}; // A5, turned
    g.setPrintOptions(o);
    ASSERT_TRUE(g.print(L"job").ok);
    EXPECT_EQ(pdfPageSize(dir / "landscape.pdf"), "595 x 420");
    EXPECT_EQ(pdfPages(dir / "landscape.pdf"), g.printPageCount());
}

TEST_F(GridPrint, TheCallBackSizesAndDrawsTheHeaderAndFooterOfEveryPage) {
    std::vector<int> drawn;
    grid::PageCallback cb = [&](const grid::PageEvent& e) -> int {
        if (e.event == grid::kPageHeaderHeight)
            return e.pixelsPerInch; // one inch
        if (e.event == grid::kPageFooterHeight)
            return 0;
        if (e.event == grid::kPageDrawHeader) {
            drawn.push_back(e.page);
            EXPECT_EQ(e.band.height(), e.pixelsPerInch);
            e.canvas->drawText(
                e.band, L"Header " + std::to_wstring(e.page) + L"/" + std::to_wstring(e.pageCount),
                ui::Font{L"Tahoma", -40}, ui::Color{0, 0, 0},
                ui::TextFlags::SingleLine | ui::TextFlags::NoPrefix);
        }
        EXPECT_NE(e.event, grid::kPageDrawFooter); // no footer band, no footer call
        return 0;
    };
    g.setPrintOptions(options("bands.pdf"));
    const int rowsWithout = g.paginate(300).page(1).row2;
    g.setPrintOptions(options("bands.pdf"), cb);
    const int with = g.printPageCount();
    // Rows of 15 points on 770 points of A4 between the margins, less the header row:
    // 50 rows; the inch of header leaves 698 points, 45 rows.
    EXPECT_EQ(rowsWithout, 50);
    EXPECT_EQ(g.paginate(300).page(1).row2, 45);
    ASSERT_TRUE(g.print(L"job").ok);
    ASSERT_EQ(static_cast<int>(drawn.size()), with);
    EXPECT_NE(pdfText(dir / "bands.pdf", 2).find("Header 2/" + std::to_string(with)),
              std::string::npos);
}

TEST_F(GridPrint, APageRangePastTheLastPagePrintsWhatThereIsOrNothing) {
    grid::SpreadPrintOptions o = options("range.pdf");
    o.flags |= grid::kPrintPageRange;
    const int pages = [&] {
        g.setPrintOptions(options("range.pdf"));
        return g.printPageCount();
    }();
    o.pageFrom = pages;
    o.pageTo = pages + 10;
    g.setPrintOptions(o);
    const grid::PrintResult last = g.print(L"job");
    ASSERT_TRUE(last.ok);
    EXPECT_EQ(last.pages, 1);
    EXPECT_EQ(pdfPages(dir / "range.pdf"), 1);

    o.pageFrom = pages + 1;
    o.dc.outputPath = (dir / "none.pdf").string();
    g.setPrintOptions(o);
    const grid::PrintResult none = g.print(L"job");
    EXPECT_FALSE(none.ok);
    EXPECT_FALSE(none.error.empty());
    EXPECT_FALSE(fs::exists(dir / "none.pdf"));
}

TEST_F(GridPrint, AJobThatCannotBeWrittenFailsAndLeavesNoPartOfItBehind) {
    // A folder that is not there.
    g.setPrintOptions(options("missing/out.pdf"));
    EXPECT_FALSE(g.print(L"job").ok);
    // A folder where the file should go: the folder stays, no half-written file beside it.
    fs::create_directories(dir / "taken.pdf");
    g.setPrintOptions(options("taken.pdf"));
    const grid::PrintResult r = g.print(L"job");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(fs::is_directory(dir / "taken.pdf"));
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_EQ(e.path().filename().string().find(".part"), std::string::npos) << e.path();
    // No printer at all.
    g.setPrintOptions(grid::SpreadPrintOptions{});
    EXPECT_FALSE(g.print(L"job").ok);
}

TEST_F(GridPrint, ThePageViewShowsThePagesOfTheGridAndReportsWhatTheUserChanges) {
    grid::GridPageView view;
    ASSERT_TRUE(view.create(grid::kPageViewClassName, L"", ui::WS_CHILD | ui::WS_VISIBLE,
                            ui::Rect{0, 0, 600, 700}, parent.get(), 1038));
    EXPECT_EQ(view.className(), L"fpSpreadPreview60");
    g.setPrintOptions(options("unused.pdf"));
    view.setSpread(&g);
    ASSERT_EQ(view.pageCount(), g.printPageCount());
    ASSERT_GE(view.pageCount(), 2);

    // Calls are not reported; they are bounded.
    view.setPageCurrent(99);
    EXPECT_EQ(view.pageCurrent(), view.pageCount());
    view.setPageCurrent(0);
    EXPECT_EQ(view.pageCurrent(), 1);
    view.setPageViewPercentage(1000);
    EXPECT_EQ(view.pageViewPercentage(), grid::GridPageView::kMaxPercent);
    EXPECT_FALSE(view.setPageViewType(3));
    EXPECT_TRUE(parent->codes.empty());

    // The user turns pages; at the first page Page Up changes nothing and says nothing.
    view.setFocus();
    ASSERT_TRUE(ui::key(ui::VK_PRIOR));
    EXPECT_TRUE(parent->codes.empty());
    ASSERT_TRUE(ui::key(ui::VK_NEXT));
    EXPECT_EQ(view.pageCurrent(), 2);
    EXPECT_EQ(parent->codes, std::vector<int>{grid::kPageViewPageChanged});

    // Zoom keys do nothing while user zoom is off, and report the new zoom when on.
    view.setPageViewType(2);
    view.setPageViewPercentage(100);
    view.setAllowUserZoom(false);
    ASSERT_TRUE(ui::charInput(L'+'));
    EXPECT_EQ(view.pageViewPercentage(), 100);
    view.setAllowUserZoom(true);
    ASSERT_TRUE(ui::charInput(L'+'));
    EXPECT_EQ(view.pageViewPercentage(), 110);
    EXPECT_EQ(parent->codes.back(), grid::kPageViewZoomChanged);

    // What it draws is the current page: page 2 holds rows after page 1's.
    ui::RecordingCanvas canvas({600, 700});
    ui::paintWindow(canvas, view);
    const auto texts = canvas.texts();
    const grid::PrintPage page = view.pagination().page(2);
    auto shown = [&](const std::wstring& t) {
        return std::find(texts.begin(), texts.end(), t) != texts.end();
    };
    EXPECT_TRUE(shown(L"Row" + std::to_wstring(page.row1)));
    EXPECT_FALSE(shown(L"Row1"));
    view.destroyWindow();
}

} // namespace
