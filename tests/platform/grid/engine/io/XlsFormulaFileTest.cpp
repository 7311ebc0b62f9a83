// Formula cells in the .xls file: the FORMULA record's cached result of each
// kind, the STRING record after a text result, the names the formulas call, and
// a sheet of formulas (some of which the format cannot hold) read by xlrd.

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/AtomicFile.h"
#include "platform/grid/engine/io/XlsExport.h"
#include "platform/grid/engine/io/XlsFormula.h"
#include "platform/grid/engine/io/XlsFunctions.h"
#include "platform/grid/engine/io/XlsWriter.h"
#include "tests/platform/grid/engine/io/TestFiles.h"

namespace grid::xls {
namespace {

struct Record {
    uint16_t type;
    std::string data;
};

std::vector<Record> records(const std::string& stream) {
    std::vector<Record> out;
    for (size_t at = 0; at + 4 <= stream.size();) {
        uint16_t type = static_cast<uint8_t>(stream[at]) | static_cast<uint8_t>(stream[at + 1])
                                                               << 8;
        size_t n = static_cast<uint8_t>(stream[at + 2]) | static_cast<uint8_t>(stream[at + 3]) << 8;
        out.push_back({type, stream.substr(at + 4, n)});
        at += 4 + n;
    }
    return out;
}

const std::string kOne = std::string("\x1E\x01\x00", 3); // ptgInt 1

Cell formulaCell(int row, Cell::Kind kind) {
    Cell c;
    c.row = row;
    c.kind = kind;
    c.formula = kOne;
    return c;
}

// The cached result of each kind, in the 8 bytes after the cell's row, column and XF.
TEST(XlsFormulaFile, CachedResultOfEachKindAndTheStringAfterAText) {
    Book book;
    Sheet sheet;
    Cell number = formulaCell(0, Cell::Kind::Number);
    number.number = 2.5;
    number.alwaysCalc = true;
    Cell text = formulaCell(1, Cell::Kind::Text);
    text.text = "abc";
    Cell empty = formulaCell(2, Cell::Kind::Blank);
    Cell boolean = formulaCell(3, Cell::Kind::Boolean);
    boolean.number = 1;
    Cell error = formulaCell(4, Cell::Kind::Error);
    error.error = ErrorCode::Div0;
    Cell wide = formulaCell(5, Cell::Kind::Text);
    for (int i = 0; i < 5000; ++i)
        wide.text += "\xE2\x82\xAC"; // 10000 bytes of characters: more than one record
    sheet.cells = {number, text, empty, boolean, error, wide};
    book.sheets.push_back(sheet);
    std::string stream;
    ASSERT_TRUE(XlsWriter::workbookStream(book, stream).ok());
    std::vector<Record> recs = records(stream);

    std::vector<std::string> results;
    std::vector<uint16_t> after, options;
    for (size_t i = 0; i < recs.size(); ++i) {
        if (recs[i].type != 0x0006)
            continue;
        const std::string& d = recs[i].data;
        ASSERT_EQ(d.size(), 22 + kOne.size());
        results.push_back(d.substr(6, 8));
        options.push_back(static_cast<uint8_t>(d[14]));
        EXPECT_EQ(d.substr(20, 2), std::string("\x03\x00", 2));
        EXPECT_EQ(d.substr(22), kOne);
        after.push_back(i + 1 < recs.size() ? recs[i + 1].type : 0);
    }
    double v = 2.5;
    std::string twoAndAHalf(8, '\0');
    std::memcpy(twoAndAHalf.data(), &v, 8);
    EXPECT_EQ(results, (std::vector<std::string>{
                           twoAndAHalf, std::string("\x00\x00\x00\x00\x00\x00\xFF\xFF", 8),
                           std::string("\x03\x00\x00\x00\x00\x00\xFF\xFF", 8),
                           std::string("\x01\x00\x01\x00\x00\x00\xFF\xFF", 8),
                           std::string("\x02\x00\x07\x00\x00\x00\xFF\xFF", 8),
                           std::string("\x00\x00\x00\x00\x00\x00\xFF\xFF", 8)}));
    EXPECT_EQ(options, (std::vector<uint16_t>{1, 0, 0, 0, 0, 0}));
    // Only the text results are followed by a STRING record.
    EXPECT_EQ(after[1], 0x0207);
    EXPECT_EQ(after[5], 0x0207);
    for (size_t k : {0, 2, 3, 4})
        EXPECT_NE(after[k], 0x0207) << k;

    // The long text goes on in CONTINUE records, each starting with the option
    // byte again; together they hold every character.
    size_t at = 0;
    while (!(recs[at].type == 0x0207 && recs[at].data.size() > 100))
        ++at;
    EXPECT_EQ(recs[at].data.substr(0, 3), std::string("\x88\x13\x01", 3)); // 5000, two-byte
    size_t chars = (recs[at].data.size() - 3) / 2;
    for (++at; recs[at].type == 0x003C; ++at) {
        EXPECT_EQ(recs[at].data[0], '\x01');
        EXPECT_LE(recs[at].data.size(), 8224u);
        chars += (recs[at].data.size() - 1) / 2;
    }
    EXPECT_EQ(chars, 5000u);
}

TEST(XlsFormulaFile, TokensLongerThanTheFormatHoldsAreRefused) {
    for (size_t size : {kMaxFormulaBytes, kMaxFormulaBytes + 1}) {
        Book book;
        book.sheets.emplace_back();
        Cell c = formulaCell(0, Cell::Kind::Number);
        c.formula = std::string(size, '\x15'); // any bytes: the writer takes them as given
        book.sheets[0].cells.push_back(c);
        std::string bytes;
        IoStatus st = XlsWriter::fileBytes(book, bytes);
        EXPECT_EQ(st.ok(), size == kMaxFormulaBytes) << size;
        EXPECT_EQ(bytes.empty(), !st.ok());
    }
}

// Reads every FORMULA record of the file with xlrd's own formula decoder.
const char* kFormulaReader = R"PY(
import struct, sys, xlrd
from xlrd import compdoc, formula
def formulas(path):
    book = xlrd.open_workbook(path)
    mem, base, size = compdoc.CompDoc(open(path, "rb").read()).locate_named_stream("Workbook")
    out, pos = {}, base
    while pos < base + size:
        rc, ln = struct.unpack("<HH", mem[pos:pos + 4])
        body = mem[pos + 4:pos + 4 + ln]
        pos += 4 + ln
        if rc == 0x0006:
            r, c = struct.unpack("<HH", body[:4])
            cce, = struct.unpack("<H", body[20:22])
            out[xlrd.cellname(r, c)] = formula.decompile_formula(
                book, body[22:22 + cce], cce, formula.FMLA_TYPE_CELL, r, c)
    return book, out
)PY";

TEST(XlsFormulaFile, RealReaderSeesTheFormulasTheirResultsAndTheValuesOfTheRest) {
    if (!test::haveXlrd())
        GTEST_SKIP() << "/usr/bin/python3 has no xlrd";
    grid::Sheet s;
    s.setMaxRows(70000);
    s.setNumber(1, 1, 2);
    s.setText(1, 2, "x");
    s.setFormula(2, 1, "A1*3", RefStyle::A1);
    s.setFormula(2, 2, "A2&\"y\"", RefStyle::A1);
    s.setFormula(2, 3, "$A$1>1", RefStyle::A1);
    s.setFormula(2, 4, "1/0", RefStyle::A1);
    s.setFormula(2, 5, "IFERROR(1/0,SUM(A:A))", RefStyle::A1);
    s.setFormula(2, 6, "EDATE(40000,A1)+IF(A1>1,1,2)", RefStyle::A1);
    s.setFormula(2, 7, "RAND()<2", RefStyle::A1);
    // Written as their values: beyond the format's rows, an error constant it
    // cannot carry, a custom function, a name.
    s.setFormula(3, 1, "A70000+5", RefStyle::A1);
    s.setFormula(3, 2, "ISERROR(#VALUE!)", RefStyle::A1);
    s.setFormula(3, 3, "MYFUNCTION(1)", RefStyle::A1);
    s.setFormula(3, 4, "price", RefStyle::A1);
    s.recalcAll();
    std::string path = test::scratchDir("xls-formulas") + "/formulas.xls";
    XlsFormulaCounts counts;
    ASSERT_TRUE(exportXlsFile(s, path, XlsExportOptions{}, &counts).ok());
    EXPECT_EQ(counts.asFormulas, 7);
    EXPECT_EQ(counts.asValues, 4);
    std::string out;
    EXPECT_EQ(test::runPython(std::string(kFormulaReader) + R"PY(
book, f = formulas(sys.argv[1])
s = book.sheet_by_index(0)
want = {"B1": "A1*3.0", "B2": 'A2&"y"', "B3": "$A$1>1.0", "B4": "1.0/0.0",
        "B5": "CALL_ADDIN(_xlfn.IFERROR,1.0/0.0,SUM(A$1:A$65536))",
        "B6": 'CALL_ADDIN("EDATE",40000.0,A1)+IF(A1>1.0,1.0,2.0)', "B7": "RAND()<2.0"}
assert f == want, f
assert [n.name for n in book.name_obj_list] == ["_xlfn.IFERROR"], book.name_obj_list
assert book.name_obj_list[0].hidden and book.name_obj_list[0].func
assert s.col_values(1) == [6.0, "xy", 1, 7, 2.0, 40063.0, 1], s.col_values(1)
assert [s.cell_type(r, 1) for r in (2, 3, 6)] == [xlrd.XL_CELL_BOOLEAN, xlrd.XL_CELL_ERROR, xlrd.XL_CELL_BOOLEAN]
assert s.col_values(2, 0, 4) == [5.0, 1, 29, 29], s.col_values(2, 0, 4)
print("OK")
)PY",
                              path, out),
              0)
        << out;
}

// The function numbers against xlrd's table of the format's functions: the
// number names the same function, and a fixed-count call has the count the
// format fixes.
TEST(XlsFormulaFile, FunctionNumbersAgreeWithXlrd) {
    if (!test::haveXlrd())
        GTEST_SKIP() << "/usr/bin/python3 has no xlrd";
    std::string table = "ours = [";
    for (const BiffFunction& f : biffFunctions())
        if (f.call == FunctionCall::Fixed || f.call == FunctionCall::Var)
            table += "(\"" + std::string(f.name) + "\", " + std::to_string(f.index) + ", " +
                     (f.call == FunctionCall::Fixed ? "True" : "False") + ", " +
                     std::to_string(f.minArgs) + "),\n";
    table += "]\n";
    std::string out;
    EXPECT_EQ(test::runPython(table + R"PY(
from xlrd.formula import func_defs
bad = []
for name, index, fixed, count in ours:
    d = func_defs.get(index)
    if d is None or d[0] != name:
        bad.append("%s: %d is %r" % (name, index, d and d[0]))
    elif fixed and not (d[1] == d[2] == count):
        bad.append("%s: fixed %d, format %d..%d" % (name, count, d[1], d[2]))
print("\n".join(bad) or "OK")
assert not bad and len(ours) > 150
)PY",
                              "", out),
              0)
        << out;
}

} // namespace
} // namespace grid::xls
