// Writing .xlsx: what the writer puts in reads back through the reader with the same
// values and formulas; what Excel cannot hold is refused or written as a value; a
// failed write leaves the old file.

#include <gtest/gtest.h>

#include "platform/grid/engine/CustomFunction.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/AtomicFile.h"
#include "platform/grid/engine/io/SpreadsheetImport.h"
#include "platform/grid/engine/io/XlsxExport.h"
#include "tests/platform/grid/engine/io/SheetDump.h"
#include "tests/platform/grid/engine/io/TestFiles.h"

namespace grid {
namespace {

// Values and formulas (in A1 style) of every cell, row by row.
std::string contents(const Sheet& s) {
    std::string out;
    s.forEachCellByRow([&](int32_t col, int32_t row) {
        Value v = s.value(col, row);
        out += columnLetters(col) + std::to_string(row) + " " + std::to_string(int(v.type())) +
               ":" + v.toString();
        if (s.hasFormula(col, row))
            out += " =" + s.formula(col, row, RefStyle::A1);
        out += "\n";
    });
    return out;
}

class XlsxExport : public ::testing::Test {
protected:
    void SetUp() override { m_dir = test::scratchDir("xlsx-export"); }

    // Writes `s` and reads it back into `back`.
    void roundTrip(Sheet& s, Sheet& back, XlsxExportReport* report = nullptr,
                   SpreadsheetImportReport* read = nullptr) {
        s.recalcAll();
        const std::string path = m_dir + "/out.xlsx";
        IoStatus st = exportXlsxFile(s, path, XlsxExportOptions{}, report);
        ASSERT_TRUE(st.ok()) << st.message();
        st = importSpreadsheetFile(back, path, SpreadsheetFormat::Xlsx, read);
        ASSERT_TRUE(st.ok()) << st.message();
    }

    std::string m_dir;
};

TEST_F(XlsxExport, ValuesAndFormulasReadBackAsTheyWere) {
    Sheet s;
    s.setRefStyle(RefStyle::A1);
    s.setNumber(1, 1, 1.5);
    s.setNumber(1, 2, -1e-7);
    s.setNumber(1, 3, 0.1 + 0.2); // 17 significant digits
    s.setText(1, 4, "say \"hi\" & <b>");
    s.setText(1, 5, "\xC3\x96lfeld \xE2\x82\xAC");
    s.setValue(1, 6, Value::boolean(true));
    s.setValue(1, 7, Value::error(ErrorCode::NA));
    const char* formulas[][2] = {
        {"B1", "A1+A2*2"},
        {"B2", "$A$1*A$2+$A3"},
        {"B3", "SUM(A:A)"},
        {"B4", "SUM($1:$3)"},
        {"B5", "A4&\"!\"\"\""},
        {"B6", "CONCAT(A4,TEXTJOIN(\",\",TRUE,A1:A2))"},
        {"B7", "AND(A6,A1>1)"},
        {"B8", "1/0"},
        {"B9", "IFERROR(B8,\"none\")"},
        {"B10", "LEN(A5)"},
        {"B11", "-A1^2+50%"},
    };
    for (const auto& f : formulas) {
        CellRef at;
        ASSERT_TRUE(parseA1(f[0], at));
        ASSERT_TRUE(s.setFormula(at.col, at.row, f[1]).ok) << f[1];
    }
    Sheet back;
    XlsxExportReport report;
    SpreadsheetImportReport read;
    roundTrip(s, back, &report, &read);
    EXPECT_EQ(contents(back), contents(s));
    EXPECT_EQ(report.formulas, 11);
    EXPECT_EQ(report.asValues, 0);
    EXPECT_EQ(read.untranslated, 0);
    EXPECT_EQ(read.sheetName, "Sheet1");
    // The writer keeps 16 significant digits, one more than a cell shows.
    EXPECT_NEAR(back.value(1, 3).asNumber(), 0.1 + 0.2, 1e-16);
    EXPECT_EQ(back.value(1, 2).asNumber(), -1e-7);
}

TEST_F(XlsxExport, TagsBecomeNamesAndWhatExcelCannotCalculateIsWrittenAsItsValue) {
    Sheet s;
    s.setRefStyle(RefStyle::A1);
    s.setNumber(2, 1, 12.5);
    s.setTag(2, 1, "thickness");
    s.setNumber(2, 2, 3);
    s.setTag(2, 2, "thickness"); // the first cell by rows names it
    ASSERT_TRUE(s.setFormula(3, 1, "thickness*2").ok);
    CustomFunction twice;
    twice.name = "TWICE";
    twice.minArgs = 1;
    twice.maxArgs = 1;
    twice.handler = [](Sheet&, ValueRecord& result, const ValueRecord*, int) {
        result.status = RecordStatus::Ok;
        result.type = RecordType::Double;
        result.doubleValue = 6;
        return true;
    };
    ASSERT_TRUE(s.addCustomFunction(twice));
    ASSERT_TRUE(s.setFormula(3, 2, "TWICE(B2)").ok);
    Sheet back;
    XlsxExportReport report;
    SpreadsheetImportReport read;
    roundTrip(s, back, &report, &read);
    EXPECT_EQ(back.tag(2, 1), "thickness");
    EXPECT_EQ(back.tag(2, 2), "");
    EXPECT_EQ(back.formula(3, 1, RefStyle::A1), "thickness*2");
    EXPECT_EQ(back.value(3, 1), Value::number(25));
    EXPECT_FALSE(back.hasFormula(3, 2));
    EXPECT_EQ(back.value(3, 2), Value::number(6));
    EXPECT_EQ(report.formulas, 2);
    EXPECT_EQ(report.asValues, 1);
}

TEST_F(XlsxExport, HeadersAreLeftOutAndACircularReferenceIsWrittenAsValueError) {
    Sheet s;
    s.setRefStyle(RefStyle::A1);
    s.setText(0, 1, "row header");
    s.setText(1, 0, "column header");
    ASSERT_TRUE(s.setFormula(1, 1, "A2+1").ok);
    ASSERT_TRUE(s.setFormula(1, 2, "A1+1").ok);
    s.setValue(2, 1, Value::error(ErrorCode::Circular));
    Sheet back;
    roundTrip(s, back);
    EXPECT_TRUE(back.value(0, 1).isEmpty());
    EXPECT_TRUE(back.value(1, 0).isEmpty());
    EXPECT_EQ(back.formula(1, 1, RefStyle::A1), "A2+1");
    EXPECT_EQ(back.value(1, 1), Value::error(ErrorCode::Circular)); // calculated again
    EXPECT_EQ(back.value(2, 1), Value::error(ErrorCode::Value));
}

TEST_F(XlsxExport, WhatAWorksheetCannotHoldIsRefusedAndTheOldFileStays) {
    const std::string path = m_dir + "/keep.xlsx";
    test::writeAll(path, "old");
    Sheet wide;
    ASSERT_TRUE(wide.setMaxCols(16385));
    wide.setNumber(16384, 1, 1); // the last column Excel has
    ASSERT_TRUE(exportXlsxFile(wide, m_dir + "/wide.xlsx", XlsxExportOptions{}).ok());
    wide.setNumber(16385, 1, 1);
    IoStatus st = exportXlsxFile(wide, path, XlsxExportOptions{});
    EXPECT_EQ(st.result(), IoResult::TooLarge) << st.message();
    Sheet text;
    text.setText(1, 1, std::string(32767, 'x'));
    ASSERT_TRUE(exportXlsxFile(text, m_dir + "/text.xlsx", XlsxExportOptions{}).ok());
    text.setText(1, 1, std::string(32766, 'x') + "\xC3\xA9"); // still 32767 characters
    ASSERT_TRUE(exportXlsxFile(text, m_dir + "/text.xlsx", XlsxExportOptions{}).ok());
    text.setText(1, 1, std::string(32768, 'x'));
    EXPECT_EQ(exportXlsxFile(text, path, XlsxExportOptions{}).result(), IoResult::TooLarge);
    Sheet nul;
    nul.setText(1, 1, std::string("a\0b", 3));
    EXPECT_EQ(exportXlsxFile(nul, path, XlsxExportOptions{}).result(), IoResult::BadArgument);
    XlsxExportOptions badName;
    badName.sheetName = "a/b";
    EXPECT_EQ(exportXlsxFile(Sheet(), path, badName).result(), IoResult::BadArgument);
    for (AtomicFile::Stage stage : {AtomicFile::Stage::Create, AtomicFile::Stage::Write,
                                    AtomicFile::Stage::Sync, AtomicFile::Stage::Rename}) {
        AtomicFile::failNextAt(stage);
        EXPECT_EQ(exportXlsxFile(wide, path, XlsxExportOptions{}).result(), IoResult::TooLarge);
        AtomicFile::failNextAt(AtomicFile::Stage::None);
        AtomicFile::failNextAt(stage);
        EXPECT_EQ(exportXlsxFile(text, path, XlsxExportOptions{}).result(), IoResult::TooLarge);
        AtomicFile::failNextAt(AtomicFile::Stage::None);
        Sheet small;
        small.setNumber(1, 1, 1);
        AtomicFile::failNextAt(stage);
        EXPECT_EQ(exportXlsxFile(small, path, XlsxExportOptions{}).result(), IoResult::WriteFailed)
            << int(stage);
    }
    EXPECT_EQ(test::readAll(path), "old");
    EXPECT_EQ(exportXlsxFile(Sheet(), m_dir + "/no/such/folder.xlsx", XlsxExportOptions{}).result(),
              IoResult::WriteFailed);
    // No temporary file is left behind.
    int files = 0;
    for (const char* name : {"keep.xlsx", "wide.xlsx", "text.xlsx"})
        files += test::fileExists(m_dir + "/" + name);
    EXPECT_EQ(files, 3);
}

} // namespace
} // namespace grid
