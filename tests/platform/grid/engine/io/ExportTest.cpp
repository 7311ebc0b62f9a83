#include <gtest/gtest.h>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/HtmlExport.h"
#include "platform/grid/engine/io/TextExport.h"
#include "platform/grid/engine/io/XlsExport.h"
#include "tests/platform/grid/engine/io/TestFiles.h"

namespace grid {
namespace {

constexpr CellRange kWholeSheet{-1, -1, -1, -1};

// 4 columns, 5 rows: a number cell with decimals, texts, a span, an empty row.
void fillSmall(Sheet& s) {
    s.setMaxCols(4);
    s.setMaxRows(5);
    s.setText(1, 1, "Naam");
    s.setText(2, 1, "Lengte");
    s.setText(1, 2, "Balk <A&B>");
    s.setCellType(2, 2, CellType::numberType(2, -9999, 9999));
    s.setNumber(2, 2, 1.5);
    s.setFormula(3, 2, "B2*2");
    s.setText(1, 4, "merged");
    s.addSpan(Span{1, 4, 2, 1});
    s.setText(0, 1, "R1");
    s.setText(1, 0, "KOL");
    s.recalcAll();
}

TEST(TextExport, TheEditorsSettingsAndEachFlag) {
    Sheet s;
    fillSmall(s);
    TextExportOptions editor; // as the spreadsheet editor exports: "|" and flags 0x19
    editor.columnDelimiter = "|";
    editor.flags = 0x19;
    EXPECT_EQ(exportTextString(s, kWholeSheet, editor),
              "Naam|Lengte\r\nBalk <A&B>|1.50|3\r\n\r\nmerged\r\n");

    TextExportOptions raw;
    raw.cellDelimiter = "\"";
    raw.columnDelimiter = ";";
    raw.rowDelimiter = "#";
    raw.flags = 0; // unformatted, nothing trimmed, no line breaks
    EXPECT_EQ(exportTextString(s, CellRange{1, 2, 3, 3}, raw),
              "\"Balk <A&B>\";\"1.5\";\"3\"#\"\";\"\";\"\"#");

    TextExportOptions headers;
    headers.columnDelimiter = ",";
    headers.flags =
        kTextLineBreak | kTextFormatted | kTextColumnHeaders | kTextRowHeaders | kTextTrimEmpty;
    s.setText(2, 0, "LEN");
    s.setText(0, 2, "R2");
    EXPECT_EQ(exportTextString(s, CellRange{1, 1, 2, 2}, headers),
              ",KOL,LEN\r\nR1,Naam,Lengte\r\nR2,Balk <A&B>,1.50\r\n");
}

TEST(TextExport, FileReplacesOrAppendsAndRefusesUnknownFlags) {
    Sheet s;
    fillSmall(s);
    std::string dir = test::scratchDir("text-export");
    TextExportOptions o;
    o.columnDelimiter = "|";
    o.flags = 0x19;
    o.logFile = dir + "/log.txt";
    ASSERT_TRUE(exportTextFile(s, CellRange{1, 1, 2, 1}, dir + "/out.txt", o).ok());
    ASSERT_TRUE(exportTextFile(s, CellRange{1, 1, 2, 1}, dir + "/out.txt", o).ok());
    EXPECT_EQ(test::readAll(dir + "/out.txt"), "Naam|Lengte\r\n");
    o.flags |= kTextAppend;
    ASSERT_TRUE(exportTextFile(s, CellRange{1, 1, 2, 1}, dir + "/out.txt", o).ok());
    EXPECT_EQ(test::readAll(dir + "/out.txt"), "Naam|Lengte\r\nNaam|Lengte\r\n");
    o.flags = 0x80;
    EXPECT_EQ(exportTextFile(s, kWholeSheet, dir + "/bad.txt", o).result(), IoResult::BadArgument);
    EXPECT_FALSE(test::fileExists(dir + "/bad.txt"));
    std::string log = test::readAll(dir + "/log.txt");
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 4);
    EXPECT_NE(log.find("unknown text export flags"), std::string::npos);
}

TEST(HtmlExport, WellFormedPageWithFormatsAndSpans) {
    Sheet s;
    fillSmall(s);
    Font bold;
    bold.name = "Arial";
    bold.height = 16;
    bold.weight = 700;
    s.setFont(CellRange{1, 1, 2, 1}, bold);
    s.setColors(CellRange{1, 1, 1, 1}, 0x0000FF,
                0x8000000E); // red on system "highlight text" (white)
    s.setBorder(CellRange{2, 2, 2, 2}, Border{kBorderBottom | kBorderTop, 1, 0x00FF00});
    CellFormat centred = s.format(3, 2);
    centred.hAlign = HAlign::Center;
    s.setFormat(3, 2, centred);
    s.setColumnWidthPx(1, 150);
    s.setRowHeightPx(2, 30);
    std::string page = exportHtmlString(s, HtmlExportOptions{});
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u);
    EXPECT_NE(page.find("<td colspan=\"2\""), std::string::npos);
    EXPECT_NE(page.find("Balk &lt;A&amp;B&gt;"), std::string::npos);
    EXPECT_NE(page.find("background-color:#ff0000;color:#ffffff;"), std::string::npos);
    EXPECT_NE(page.find("font-family:'Arial';font-size:16px;font-weight:700;"), std::string::npos);
    EXPECT_NE(page.find("border-top:1px solid #00ff00;border-bottom:1px solid #00ff00;"),
              std::string::npos);
    EXPECT_NE(page.find("text-align:center;"), std::string::npos);
    EXPECT_NE(page.find(">1.50</td>"), std::string::npos);
    EXPECT_NE(page.find("<col style=\"width:150px\"/>"), std::string::npos);
    EXPECT_NE(page.find("<tr style=\"height:30px\">"), std::string::npos);
    EXPECT_EQ(page.find("R1"), std::string::npos); // headers are not part of the table

    std::string path = test::scratchDir("html-export") + "/page.htm";
    ASSERT_TRUE(exportHtmlFile(s, path, HtmlExportOptions{}).ok());
    if (!test::fileExists("/usr/bin/python3"))
        GTEST_SKIP() << "no /usr/bin/python3 to parse the page";
    // A strict XML parse proves the page well-formed; then count the structure.
    std::string out;
    EXPECT_EQ(test::runPython(R"PY(
import sys, xml.dom.minidom
doc = xml.dom.minidom.parse(sys.argv[1])
rows = doc.getElementsByTagName("tr")
cells = [len(r.getElementsByTagName("td")) for r in rows]
assert cells == [3, 3, 3, 2], cells
assert doc.getElementsByTagName("title")[0].firstChild.data == "Sheet"
print("OK")
)PY",
                              path, out),
              0)
        << out;
}

TEST(XlsExport, SheetOpensInARealReader) {
    if (!test::haveXlrd())
        GTEST_SKIP() << "/usr/bin/python3 has no xlrd";
    Sheet s;
    fillSmall(s);
    s.setValue(4, 2, Value::boolean(true));
    s.setFormula(4, 3, "1/0");
    s.setCellType(3, 3, CellType::comboBox("een\ttwee\tdrie"));
    s.setData(3, 3, "twee");
    Font bold;
    bold.weight = 700;
    s.setFont(CellRange{1, 1, 2, 1}, bold);
    s.setColors(CellRange{2, 1, 2, 1}, 0x00FFFF, kNoColor);
    s.setBorder(CellRange{1, 2, 1, 2}, Border{kBorderBottom, 11, 0});
    s.setColumnWidthPx(1, 140);
    s.setRowHeightPx(1, 30);
    s.recalcAll();
    std::string path = test::scratchDir("xls-export") + "/sheet.xls";
    ASSERT_TRUE(exportXlsFile(s, path, XlsExportOptions{}).ok());
    std::string out;
    EXPECT_EQ(test::runPython(R"PY(
import sys, xlrd
b = xlrd.open_workbook(sys.argv[1], formatting_info=True)
s = b.sheet_by_index(0)
assert s.name == "Sheet1"
assert s.cell_value(0, 0) == "Naam" and s.cell_value(1, 0) == "Balk <A&B>", s.row_values(1)
assert s.cell_value(1, 1) == 1.5 and s.cell_value(1, 2) == 3.0, s.row_values(1)
assert s.cell_type(1, 3) == xlrd.XL_CELL_BOOLEAN and s.cell_value(1, 3) == 1
assert s.cell_type(2, 3) == xlrd.XL_CELL_ERROR and s.cell_value(2, 3) == 7
assert s.cell_value(2, 2) == "twee", s.cell_value(2, 2)
assert s.cell_value(3, 0) == "merged"
assert s.merged_cells == [(3, 4, 0, 2)], s.merged_cells
xf = b.xf_list[s.cell_xf_index(1, 1)]
assert b.format_map[xf.format_key].format_str == "0.00"
assert b.font_list[b.xf_list[s.cell_xf_index(0, 0)].font_index].weight == 700
assert b.colour_map[b.xf_list[s.cell_xf_index(0, 1)].background.pattern_colour_index] == (255, 255, 0)
assert b.xf_list[s.cell_xf_index(1, 0)].border.bottom_line_style == 2
assert s.colinfo_map[0].width == 140 * 256 // 7
assert s.rowinfo_map[0].height == 450
print("OK")
)PY",
                              path, out),
              0)
        << out;
}

TEST(XlsExport, SheetBeyondTheFormatIsRefusedAndNothingWritten) {
    Sheet s;
    s.setMaxCols(300);
    s.setMaxRows(70000);
    s.setNumber(1, 70000, 1);
    std::string path = test::scratchDir("xls-big") + "/big.xls";
    EXPECT_EQ(exportXlsFile(s, path, XlsExportOptions{}).result(), IoResult::TooLarge);
    EXPECT_FALSE(test::fileExists(path));
    s.reset();
    s.setMaxCols(300);
    s.setText(257, 1, "too far right");
    EXPECT_EQ(exportXlsFile(s, path, XlsExportOptions{}).result(), IoResult::TooLarge);
}

} // namespace
} // namespace grid
