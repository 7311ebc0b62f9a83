// Reading .xlsx and .ods files written by LibreOffice (data/make_spreadsheets.py):
// values and formulas, what cannot be taken over, and files that must be refused
// without touching the sheet.

#include <gtest/gtest.h>

#include <optional>

#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/SpreadsheetImport.h"
#include "platform/grid/engine/io/ZipDirectory.h"
#include "tests/platform/grid/engine/io/SheetDump.h"
#include "tests/platform/grid/engine/io/TestFiles.h"
#include "tests/platform/grid/engine/io/ZipTestFiles.h"

namespace grid {
namespace {

std::string dataFile(const std::string& name) {
    return std::string(TVL_SOURCE_DIR) + "/tests/platform/grid/engine/io/data/" + name;
}

struct Expected {
    const char* ref;
    Value value;
    const char* formula; // engine A1 text; nullptr for a plain value
};

// The sample's first worksheet, "Data", as the engine holds it after reading; the
// engine's results equal those LibreOffice stored.
const std::vector<Expected>& sampleCells() {
    static const std::vector<Expected> cells = {
        {"A1", Value::number(1), nullptr},
        {"A2", Value::number(2.5), nullptr},
        {"A3", Value::number(-3), nullptr},
        {"A4", Value::text("Plate"), nullptr},
        {"A5", Value::boolean(true), nullptr},
        {"A6", Value::text("say \"hi\""), nullptr},
        {"A7",
         Value::text("\xC3\x96"
                     "lfeld \xC3\xBC \xE2\x82\xAC"),
         nullptr},
        {"A8", Value::boolean(false), nullptr},
        {"A9", Value::number(1e20), nullptr},
        {"A10", Value::number(45351.25), nullptr}, // 2024-02-29 06:00 as a serial number
        {"B1", Value::number(3.5), "A1+A2"},
        {"B2", Value::number(2), "$A$1*2"},
        {"B3", Value::number(0.5), "SUM(A1:A3)"},
        {"B4", Value::number(1 + 2.5 - 3 + 1e20 + 45351.25), "SUM(A:A)"},
        {"B5", Value::text("yes"), "IF(A5,\"yes\",\"no\")"},
        {"B6", Value::text("say \"hi\"!"), "A6&\"!\""},
        {"B7", Value::number(10), "LEN(A7)"},
        {"B8", Value::error(ErrorCode::Div0), "1/0"},
        {"B9", Value::error(ErrorCode::NA), "NA()"},
        {"B10", Value::text("ab"), "CONCAT(\"a\",\"b\")"},
        {"B11", Value::boolean(true), "AND(A5,NOT(A8))"},
        {"B12", Value::text("He said \"x\""), "\"He said \"\"x\"\"\""},
        {"B13", Value::number(8), "ROUND(A2*3,0)"},
        {"B14", Value::number(3.5), "A$1+$A2"},
        {"B15", Value::number(1.5), "-A1^2+50%"},
        {"B16", Value::boolean(true), "A1<>A2"},
        {"B17", Value::number(42), nullptr}, // Other!A1*2: another sheet
        {"B18", Value::text("none"), "IFERROR(B8,\"none\")"},
        {"B20", Value::number(-0.5), "SUM(A1:A3 A2:A4)"},
        {"B21", Value::text("1010"), nullptr}, // BASE(10,2): unknown to the engine
    };
    return cells;
}

void expectCells(const Sheet& s, const std::vector<Expected>& cells, const std::string& what) {
    for (const Expected& e : cells) {
        CellRef at;
        ASSERT_TRUE(parseA1(e.ref, at)) << e.ref;
        EXPECT_EQ(s.value(at.col, at.row), e.value) << what << " " << e.ref;
        EXPECT_EQ(s.formula(at.col, at.row, RefStyle::A1), e.formula ? e.formula : "")
            << what << " " << e.ref;
    }
}

TEST(SpreadsheetImport, LibreOfficesXlsxAndOdsGiveTheSameValuesAndFormulas) {
    for (const char* name : {"sample.xlsx", "sample.ods"}) {
        SpreadsheetFormat format;
        ASSERT_TRUE(spreadsheetFormatOf(name, format));
        Sheet s;
        SpreadsheetImportReport report;
        IoStatus st = importSpreadsheetFile(s, dataFile(name), format, &report);
        ASSERT_TRUE(st.ok()) << name << ": " << st.message();
        expectCells(s, sampleCells(), name);
        EXPECT_EQ(report.sheets, 2) << name;
        EXPECT_EQ(report.sheetName, "Data") << name;
        EXPECT_EQ(report.formulas, 21) << name;
        EXPECT_EQ(report.untranslated, 2) << name;
        EXPECT_EQ(s.refStyle(), RefStyle::A1);
        EXPECT_GE(s.maxRows(), 100); // grown to the data, never shrunk below the default
        EXPECT_FALSE(s.changed());
        // The engine calculates what it took over.
        ASSERT_TRUE(s.setNumber(1, 1, 10));
        EXPECT_EQ(s.value(2, 1), Value::number(12.5)) << name;
    }
}

TEST(SpreadsheetImport, ExcelsSharedFormulasMoveWithTheirCellsAndArrayFormulasKeepResults) {
    Sheet s;
    SpreadsheetImportReport report;
    ASSERT_TRUE(
        importSpreadsheetFile(s, dataFile("excel-features.xlsx"), SpreadsheetFormat::Xlsx, &report)
            .ok());
    expectCells(s,
                {{"C1", Value::number(2), "A1*2"},
                 {"C2", Value::number(5), "A2*2"},
                 {"C3", Value::number(-6), "A3*2"},
                 {"D2", Value::number(1), nullptr}},
                "excel-features");
    EXPECT_EQ(report.formulas, 25);
    EXPECT_EQ(report.untranslated, 3);
}

// Values liborcus passes over in .ods are found by position, repeats counted as the
// format repeats rows and cells.
TEST(SpreadsheetImport, OdsBooleansPercentagesAndTextResultsLandInTheirRepeatedCells) {
    const std::string table =
        "<table:table table:name=\"Data\">"
        "<table:table-row table:number-rows-repeated=\"2\">"
        "<table:table-cell office:value-type=\"float\" office:value=\"1\" "
        "table:number-columns-repeated=\"2\"/>"
        "<table:covered-table-cell/>"
        "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"true\" "
        "table:number-columns-repeated=\"2\"/>"
        "</table:table-row><table:table-row>"
        "<table:table-cell office:value-type=\"percentage\" office:value=\"0.5\"/>"
        "<table:table-cell table:formula=\"of:=NOSUCH([.A3])\" office:value-type=\"string\" "
        "office:string-value=\"kept\"/>"
        "<table:table-cell table:formula=\"of:=[.A3]&gt;0\" office:value-type=\"boolean\" "
        "office:boolean-value=\"false\"/>"
        "</table:table-row><table:table-row table:number-rows-repeated=\"2\">"
        "<table:table-cell table:formula=\"of:=[.A1]+[.$A$1]\" office:value-type=\"float\" "
        "office:value=\"2\"/>"
        "</table:table-row></table:table>"
        "<table:table table:name=\"Second\"><table:table-row>"
        "<table:table-cell office:value-type=\"boolean\" office:boolean-value=\"false\"/>"
        "</table:table-row></table:table>";
    Sheet s;
    SpreadsheetImportReport report;
    IoStatus st = importSpreadsheet(s, test::minimalOds(table), SpreadsheetFormat::Ods, &report);
    ASSERT_TRUE(st.ok()) << st.message();
    expectCells(s,
                {{"A1", Value::number(1), nullptr},
                 {"B2", Value::number(1), nullptr},
                 {"C1", Value(), nullptr}, // covered
                 {"D1", Value::boolean(true), nullptr},
                 {"E2", Value::boolean(true), nullptr},
                 {"F1", Value(), nullptr},
                 {"A3", Value::number(0.5), nullptr},
                 {"B3", Value::text("kept"), nullptr},
                 {"C3", Value::boolean(true), "A3>0"}, // calculated, not the stored FALSE
                 {"A4", Value::number(2), "A1+$A$1"},
                 {"A5", Value::number(2), "A2+$A$1"}}, // a repeated formula moves down
                "ods");
    EXPECT_EQ(report.sheets, 2);
    EXPECT_EQ(report.untranslated, 1);
}

TEST(SpreadsheetImport, TheExtensionPicksTheFormat) {
    SpreadsheetFormat f = SpreadsheetFormat::Ods;
    EXPECT_TRUE(spreadsheetFormatOf("/a/B.XLSX", f));
    EXPECT_EQ(f, SpreadsheetFormat::Xlsx);
    EXPECT_TRUE(spreadsheetFormatOf("x.Ods", f));
    EXPECT_EQ(f, SpreadsheetFormat::Ods);
    for (const char* p : {"x.xls", "x.xlsm", ".ods", "xlsx", "x.kws"})
        EXPECT_FALSE(spreadsheetFormatOf(p, f)) << p;
}

class SpreadsheetImportFailures : public ::testing::Test {
protected:
    void SetUp() override {
        m_sheet.setText(1, 1, "keep");
        m_sheet.setFormula(2, 1, "A1&\"!\"", RefStyle::A1);
        m_before = test::dumpSheet(m_sheet);
    }

    // Reading `bytes` fails with `result` and leaves the sheet as it was.
    void expectRefused(std::string_view bytes, SpreadsheetFormat format, IoResult result,
                       const std::string& what) {
        IoStatus st = importSpreadsheet(m_sheet, bytes, format);
        EXPECT_FALSE(st.ok()) << what;
        EXPECT_EQ(st.result(), result) << what << ": " << st.message();
        EXPECT_FALSE(st.message().empty()) << what;
        EXPECT_EQ(test::dumpSheet(m_sheet), m_before) << what;
    }

    Sheet m_sheet;
    std::string m_before;
};

TEST_F(SpreadsheetImportFailures, ForeignEmptyAndTruncatedFilesAreRefused) {
    expectRefused("", SpreadsheetFormat::Xlsx, IoResult::NotADocument, "empty");
    expectRefused(std::string(5000, 'x'), SpreadsheetFormat::Ods, IoResult::NotADocument, "text");
    const std::string xlsx = test::readAll(dataFile("sample.xlsx"));
    const std::string ods = test::readAll(dataFile("sample.ods"));
    // The ODS archive read as an Excel workbook and the other way round.
    expectRefused(ods, SpreadsheetFormat::Xlsx, IoResult::Damaged, "ods as xlsx");
    expectRefused(xlsx, SpreadsheetFormat::Ods, IoResult::Damaged, "xlsx as ods");
    // Every cut loses the directory at the end of the archive.
    for (const std::string* file : {&xlsx, &ods})
        for (size_t n = 0; n < file->size(); n += 397)
            expectRefused(file->substr(0, n),
                          file == &xlsx ? SpreadsheetFormat::Xlsx : SpreadsheetFormat::Ods,
                          IoResult::NotADocument, "cut at " + std::to_string(n));
}

TEST_F(SpreadsheetImportFailures, DamagedBytesGiveAResultNeverACrash) {
    for (const char* name : {"sample.xlsx", "sample.ods"}) {
        SpreadsheetFormat format;
        ASSERT_TRUE(spreadsheetFormatOf(name, format));
        const std::string good = test::readAll(dataFile(name));
        for (size_t at = 0; at < good.size(); at += 211) {
            std::string bad = good;
            bad[at] = static_cast<char>(bad[at] ^ 0x5A);
            Sheet s;
            s.setText(1, 1, "keep");
            IoStatus st = importSpreadsheet(s, bad, format);
            if (!st.ok()) {
                EXPECT_EQ(s.value(1, 1), Value::text("keep")) << name << " byte " << at;
            }
        }
    }
}

std::string archiveClaiming(uint32_t unpacked) {
    return test::storedZip({{"content.xml", "<x/>", unpacked}});
}

TEST_F(SpreadsheetImportFailures, ArchivesThatWouldUnpackTooLargeAreRefusedUnread) {
    zip::DirectorySummary summary;
    std::string why;
    ASSERT_TRUE(zip::readDirectory(archiveClaiming(4), summary, why)) << why;
    EXPECT_EQ(summary.entries, 1u);
    EXPECT_EQ(summary.largestEntry, 4u);
    const uint32_t limit = SpreadsheetImportLimits::kMaxEntryBytes;
    expectRefused(archiveClaiming(limit + 1), SpreadsheetFormat::Ods, IoResult::TooLarge,
                  "one byte over");
    expectRefused(archiveClaiming(0xFFFFFFFF), SpreadsheetFormat::Xlsx, IoResult::NotADocument,
                  "ZIP64 mark");
    // Exactly at the limit passes the check and fails later, in the parser.
    expectRefused(archiveClaiming(limit), SpreadsheetFormat::Ods, IoResult::Damaged, "at limit");
    expectRefused(std::string(SpreadsheetImportLimits::kMaxFileBytes + 1, 'P'),
                  SpreadsheetFormat::Xlsx, IoResult::TooLarge, "file too large");
}

TEST_F(SpreadsheetImportFailures, CellsBeyondTheLimitsAreRefusedAsTooLarge) {
    // A worksheet of its own making reads (the fixture is sound).
    Sheet s;
    ASSERT_TRUE(importSpreadsheet(s,
                                  test::minimalXlsx("<row r=\"2\"><c r=\"C2\"><v>7</v></c></row>"),
                                  SpreadsheetFormat::Xlsx)
                    .ok());
    EXPECT_EQ(s.value(3, 2), Value::number(7));
    // Eight cells in the last row of eight columns would make the sheet store more than
    // eight million cells: refused before the sheet grows.
    std::string lastRow = "<row r=\"1048576\">";
    for (char c = 'A'; c <= 'H'; ++c)
        lastRow += std::string("<c r=\"") + c + "1048576\"><v>1</v></c>";
    lastRow += "</row>";
    expectRefused(test::minimalXlsx(lastRow), SpreadsheetFormat::Xlsx, IoResult::TooLarge,
                  "spread out");
}

// What the fuzz targets found (the inputs are in tests/fuzz/corpus/): liborcus asserts
// on XML that stops inside a tag, dereferences a formula interface of a sheet that is
// not read, and passes control characters on, which no .xlsx can hold again.
TEST_F(SpreadsheetImportFailures, FaultsTheFuzzersFoundGiveResults) {
    expectRefused(test::minimalXlsx("<row r=\"1\"><c r=\"A1\" t=\"<n\"><v>1</v></c></row>"),
                  SpreadsheetFormat::Xlsx, IoResult::Damaged, "'<' in an attribute");
    expectRefused(test::minimalXlsx("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row><row r"),
                  SpreadsheetFormat::Xlsx, IoResult::Damaged, "cut inside a tag");
    const std::string other = "<row r=\"1\"><c r=\"A1\"><f>B1*2</f><v>4</v></c></row>";
    Sheet s;
    SpreadsheetImportReport report;
    ASSERT_TRUE(importSpreadsheet(
                    s, test::minimalXlsx("<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>", &other),
                    SpreadsheetFormat::Xlsx, &report)
                    .ok());
    EXPECT_EQ(report.sheets, 2);
    EXPECT_EQ(report.formulas, 0); // the other sheet's formula is not read
    EXPECT_EQ(s.value(1, 1), Value::number(1));
    const std::string cell = "<table:table table:name=\"Data\"><table:table-row>"
                             "<table:table-cell office:value-type=\"string\"><text:p>a";
    const std::string end = "b</text:p></table:table-cell></table:table-row></table:table>";
    expectRefused(test::minimalOds(cell + "&#0;" + end), SpreadsheetFormat::Ods, IoResult::Damaged,
                  "NUL reference");
    expectRefused(test::minimalOds(cell + std::string(1, '\x01') + end), SpreadsheetFormat::Ods,
                  IoResult::Damaged, "control character");
    ASSERT_TRUE(
        importSpreadsheet(s, test::minimalOds(cell + "&#9;" + end), SpreadsheetFormat::Ods).ok());
    EXPECT_EQ(s.value(1, 1), Value::text("a\tb"));
}

TEST_F(SpreadsheetImportFailures, AMissingFileCannotBeOpened) {
    IoStatus st = importSpreadsheetFile(m_sheet, "/nonexistent/x.xlsx", SpreadsheetFormat::Xlsx);
    EXPECT_EQ(st.result(), IoResult::CannotOpen);
    EXPECT_EQ(test::dumpSheet(m_sheet), m_before);
}

} // namespace
} // namespace grid
