// kwsheet convert with .xlsx and .ods: what it reads and writes, what it says about
// what it could not take over, and files it refuses.

#include <gtest/gtest.h>

#include <vector>

#include "apps/kwsheet/ConvertCommand.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/SpreadsheetImport.h"
#include "tests/apps/kwsheet/CapturedRun.h"
#include "tests/platform/grid/engine/io/TestFiles.h"

namespace {

int convert(std::vector<std::string> args, std::string* out = nullptr, std::string* err = nullptr) {
    return kwsheettest::runCaptured(runConvert, std::move(args), out, err);
}

std::string sample(const char* name) {
    return std::string(TVL_SOURCE_DIR) + "/tests/platform/grid/engine/io/data/" + name;
}

TEST(KwsheetConvertWorkbook, ReadsXlsxAndOdsAndSaysWhatItCouldNotTakeOver) {
    const std::string dir = grid::test::scratchDir("kwsheet-workbook");
    for (const char* name : {"sample.xlsx", "sample.ods"}) {
        std::string out, err;
        ASSERT_EQ(convert({sample(name), dir + "/out.csv"}, &out, &err), 0) << err;
        EXPECT_EQ(out,
                  "kwsheet: read the first of 2 worksheets, 'Data'\n"
                  "kwsheet: 2 of 21 formulas could not be taken over; their stored results were "
                  "kept\n")
            << name;
        const std::string csv = grid::test::readAll(dir + "/out.csv");
        EXPECT_EQ(csv.substr(0, csv.find("\r\n", csv.find("\r\n") + 2)), "1,3.5\r\n2.5,2") << name;
        EXPECT_NE(csv.find("\r\nTRUE,yes\r\n"), std::string::npos) << name;
    }
    // A document of the engine's own keeps the formulas.
    ASSERT_EQ(convert({sample("sample.ods"), dir + "/doc.kws"}), 0);
    grid::Sheet doc;
    ASSERT_TRUE(kwsheet::readSheetFile(doc, dir + "/doc.kws").ok());
    EXPECT_EQ(doc.formula(2, 4, grid::RefStyle::A1), "SUM(A:A)");
}

TEST(KwsheetConvertWorkbook, WritesXlsxThatReadsBackWithTheSameValuesAndFormulas) {
    const std::string dir = grid::test::scratchDir("kwsheet-workbook-out");
    std::string out, err;
    ASSERT_EQ(convert({sample("sample.xlsx"), dir + "/again.XLSX"}, &out, &err), 0) << err;
    grid::Sheet first, again;
    std::string notes;
    ASSERT_TRUE(kwsheet::readSheetFile(first, sample("sample.xlsx")).ok());
    ASSERT_TRUE(kwsheet::readSheetFile(again, dir + "/again.XLSX", &notes).ok());
    EXPECT_EQ(notes, ""); // one worksheet; the two untranslated formulas are values now
    first.forEachCell([&](int32_t col, int32_t row) {
        EXPECT_EQ(again.value(col, row), first.value(col, row)) << col << "," << row;
        EXPECT_EQ(again.formula(col, row), first.formula(col, row)) << col << "," << row;
    });
    EXPECT_EQ(out, "kwsheet: read the first of 2 worksheets, 'Data'\n"
                   "kwsheet: 2 of 21 formulas could not be taken over; their stored results were "
                   "kept\n");
}

TEST(KwsheetConvertWorkbook, RefusesDamagedInputAndOdsOutputWithoutWriting) {
    const std::string dir = grid::test::scratchDir("kwsheet-workbook-bad");
    const std::string good = grid::test::readAll(sample("sample.xlsx"));
    grid::test::writeAll(dir + "/cut.xlsx", good.substr(0, good.size() - 10));
    grid::test::writeAll(dir + "/text.ods", "name,value\n");
    std::string err;
    EXPECT_EQ(convert({dir + "/cut.xlsx", dir + "/out.csv"}, nullptr, &err), 1);
    EXPECT_NE(err.find("cut.xlsx': not an Excel workbook (.xlsx)"), std::string::npos) << err;
    EXPECT_EQ(convert({dir + "/text.ods", dir + "/out.csv"}, nullptr, &err), 1);
    EXPECT_NE(err.find("not an OpenDocument spreadsheet (.ods)"), std::string::npos) << err;
    EXPECT_FALSE(grid::test::fileExists(dir + "/out.csv"));
    EXPECT_EQ(convert({sample("sample.xlsx"), dir + "/out.ods"}, nullptr, &err), 2);
    EXPECT_NE(err.find(".ods is read only"), std::string::npos) << err;
    EXPECT_FALSE(grid::test::fileExists(dir + "/out.ods"));
}

} // namespace
