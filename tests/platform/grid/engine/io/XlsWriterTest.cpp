#include <gtest/gtest.h>

#include "platform/grid/engine/io/AtomicFile.h"
#include "platform/grid/engine/io/XlsWriter.h"
#include "tests/platform/grid/engine/io/TestFiles.h"

namespace grid::xls {
namespace {

Cell number(int row, int col, double v, int format = -1) {
    Cell c;
    c.row = row;
    c.col = col;
    c.kind = Cell::Kind::Number;
    c.number = v;
    c.format = format;
    return c;
}

Cell text(int row, int col, std::string s, int format = -1) {
    Cell c;
    c.row = row;
    c.col = col;
    c.kind = Cell::Kind::Text;
    c.text = std::move(s);
    c.format = format;
    return c;
}

// The string table must split long strings and many strings over CONTINUE
// records correctly, in both compressed and two-byte form; the reader checks it all.
Book sampleBook() {
    Book book;
    Font bold;
    bold.name = "Tahoma";
    bold.weight = 700;
    bold.heightTwips = 225;
    bold.color = 0x0000FF; // red
    bold.italic = true;
    CellFormat header;
    header.font = book.addFont(bold);
    header.hAlign = HAlign::Center;
    header.vAlign = VAlign::Center;
    header.fill = 0x00FFFF; // yellow
    header.bottom = {2, 0x000000};
    header.left = {1, 0xFF0000};
    int headerFmt = book.addFormat(header);
    CellFormat twoDecimals;
    twoDecimals.numberFormat = "0.00";
    twoDecimals.hAlign = HAlign::Right;
    int numFmt = book.addFormat(twoDecimals);

    Sheet sheet;
    sheet.cells.push_back(text(0, 0, "Naam", headerFmt));
    sheet.cells.push_back(text(0, 1, "Waarde", headerFmt));
    sheet.cells.push_back(number(1, 1, 1.25, numFmt));
    sheet.cells.push_back(number(2, 1, -7, numFmt));
    sheet.cells.push_back(number(3, 1, 123456789.123));
    sheet.cells.push_back(number(4, 1, 1e300));
    sheet.cells.push_back(number(5, 1, 0.1));
    sheet.cells.push_back(text(1, 0,
                               "Gr\xC3\xBC\xC3\x9F"
                               "e"));                                   // Latin-1, compressed
    sheet.cells.push_back(text(2, 0, "\xE2\x82\xAC \xCE\xB1\xCE\xB2")); // needs two-byte characters
    sheet.cells.push_back(text(3, 0, std::string(9000, 'x')));          // longer than one record
    sheet.cells.push_back(
        text(4, 0, std::string(3000, 'y') + "\xE2\x82\xAC" + std::string(3000, 'z')));
    Cell t;
    t.row = 6;
    t.col = 0;
    t.kind = Cell::Kind::Boolean;
    t.number = 1;
    sheet.cells.push_back(t);
    Cell e;
    e.row = 6;
    e.col = 1;
    e.kind = Cell::Kind::Error;
    e.error = ErrorCode::Div0;
    sheet.cells.push_back(e);
    for (int i = 0; i < 3000; ++i)
        sheet.cells.push_back(text(10 + i, 2, "item " + std::to_string(i)));
    sheet.colWidths[0] = 20 * 256;
    sheet.rowHeights[0] = 600;
    sheet.merges.push_back({7, 8, 0, 2});
    sheet.merges.push_back({0, 0, 3, 4});
    book.sheets.push_back(sheet);
    return book;
}

const char* kCheckScript = R"PY(
import sys, xlrd
book = xlrd.open_workbook(sys.argv[1], formatting_info=True)
sh = book.sheet_by_index(0)
problems = []
def check(what, got, want):
    if got != want:
        problems.append("%s: got %r want %r" % (what, got, want))
check("name", sh.name, "Sheet1")
check("A1", sh.cell_value(0, 0), "Naam")
check("B2", sh.cell_value(1, 1), 1.25)
check("B3", sh.cell_value(2, 1), -7.0)
check("B4", sh.cell_value(3, 1), 123456789.123)
check("B5", sh.cell_value(4, 1), 1e300)
check("B6", sh.cell_value(5, 1), 0.1)
check("A2", sh.cell_value(1, 0), u"Gr\u00fc\u00dfe")
check("A3", sh.cell_value(2, 0), u"\u20ac \u03b1\u03b2")
check("A4", sh.cell_value(3, 0), "x" * 9000)
check("A5", sh.cell_value(4, 0), "y" * 3000 + u"\u20ac" + "z" * 3000)
check("A7 type", sh.cell_type(6, 0), xlrd.XL_CELL_BOOLEAN)
check("A7", sh.cell_value(6, 0), 1)
check("B7 type", sh.cell_type(6, 1), xlrd.XL_CELL_ERROR)
check("B7", sh.cell_value(6, 1), 0x07)
for i in range(3000):
    if sh.cell_value(10 + i, 2) != "item %d" % i:
        problems.append("C%d: %r" % (11 + i, sh.cell_value(10 + i, 2)))
        break
check("merges", sorted(sh.merged_cells), [(0, 1, 3, 5), (7, 9, 0, 3)])
check("col A width", sh.colinfo_map[0].width, 20 * 256)
check("row 1 height", sh.rowinfo_map[0].height, 600)
xf = book.xf_list[sh.cell_xf_index(0, 0)]
font = book.font_list[xf.font_index]
check("font", (font.name, font.weight, font.italic, font.height), ("Tahoma", 700, 1, 225))
check("font colour", book.colour_map.get(font.colour_index), (255, 0, 0))
check("fill", book.colour_map.get(xf.background.pattern_colour_index), (255, 255, 0))
check("fill pattern", xf.background.fill_pattern, 1)
check("bottom line", xf.border.bottom_line_style, 2)
check("left line", (xf.border.left_line_style, book.colour_map.get(xf.border.left_colour_index)), (1, (0, 0, 255)))
check("alignment", (xf.alignment.hor_align, xf.alignment.vert_align), (2, 1))
xf2 = book.xf_list[sh.cell_xf_index(1, 1)]
check("number format", book.format_map[xf2.format_key].format_str, "0.00")
check("right aligned", xf2.alignment.hor_align, 3)
if problems:
    print("\n".join(problems))
    sys.exit(1)
print("OK")
)PY";

TEST(XlsWriter, RealReaderSeesValuesFormatsAndMerges) {
    if (!test::haveXlrd())
        GTEST_SKIP() << "/usr/bin/python3 has no xlrd";
    std::string bytes;
    ASSERT_TRUE(XlsWriter::fileBytes(sampleBook(), bytes).ok());
    std::string path = test::scratchDir("xlswriter") + "/sample.xls";
    ASSERT_TRUE(writeFileAtomically(path, bytes).ok());
    std::string out;
    EXPECT_EQ(test::runPython(kCheckScript, path, out), 0) << out;
}

TEST(XlsWriter, EmptySheetAndLargeFileWithDifatStillOpen) {
    if (!test::haveXlrd())
        GTEST_SKIP() << "/usr/bin/python3 has no xlrd";
    // Over 109 FAT sectors (about 7 MB) needs DIFAT sectors in the compound file.
    Book big;
    Sheet sheet;
    for (int r = 0; r < 60000; ++r)
        for (int c = 0; c < 10; ++c)
            sheet.cells.push_back(number(r, c, r + c / 3.0));
    big.sheets.push_back(sheet);
    Book empty;
    empty.sheets.emplace_back();
    std::string dir = test::scratchDir("xlsbig");
    for (auto [book, name] : {std::pair{&big, "big.xls"}, std::pair{&empty, "empty.xls"}}) {
        std::string bytes;
        ASSERT_TRUE(XlsWriter::fileBytes(*book, bytes).ok());
        ASSERT_TRUE(writeFileAtomically(dir + "/" + name, bytes).ok());
    }
    EXPECT_GT(test::readAll(dir + "/big.xls").size(), 110u * 128 * 512);
    std::string out;
    EXPECT_EQ(test::runPython(R"PY(
import sys, xlrd
b = xlrd.open_workbook(sys.argv[1]); s = b.sheet_by_index(0)
assert (s.nrows, s.ncols) == (60000, 10), (s.nrows, s.ncols)
assert s.cell_value(59999, 9) == 59999 + 3.0, s.cell_value(59999, 9)
assert s.cell_value(12345, 1) == 12345 + 1 / 3.0
e = xlrd.open_workbook(sys.argv[2]).sheet_by_index(0)
assert (e.nrows, e.ncols) == (0, 0)
print("OK")
)PY",
                              dir + "/big.xls " + dir + "/empty.xls", out),
              0)
        << out;
}

TEST(XlsWriter, RefusesSheetsBeyondTheFormatsLimits) {
    for (auto [row, col] : {std::pair{65536, 0}, std::pair{0, 256}, std::pair{-1, 0}}) {
        Book book;
        book.sheets.emplace_back();
        book.sheets[0].cells.push_back(number(row, col, 1));
        std::string bytes;
        IoStatus st = XlsWriter::fileBytes(book, bytes);
        EXPECT_EQ(st.result(), IoResult::TooLarge) << row << "," << col;
        EXPECT_TRUE(bytes.empty());
    }
    Book merged;
    merged.sheets.emplace_back();
    merged.sheets[0].merges.push_back({0, 70000, 0, 1});
    std::string bytes;
    EXPECT_EQ(XlsWriter::fileBytes(merged, bytes).result(), IoResult::TooLarge);
}

} // namespace
} // namespace grid::xls
