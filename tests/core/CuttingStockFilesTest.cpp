#include "TestSupport.h"

#include "core/FileHelpers.h"
#include "core/cuttingstock/CuttingPlanReport.h"
#include "core/cuttingstock/StockListFile.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

const wchar_t kSep = 0x00BF;

Tvl_StringArray row(const wchar_t* a, const wchar_t* b, const wchar_t* c) {
    return Tvl_StringArray{Tvl_String(a), Tvl_String(b), Tvl_String(c)};
}

Tvl_String line(const wchar_t* a, const wchar_t* b, const wchar_t* c) {
    return Tvl_String(a) + kSep + b + kSep + c;
}

TEST(StockListFile, RowsComeBackAsWrittenAndBlankRowsAreLeftOut) {
    const auto dir = scratchDir("StockListRoundTrip");
    const Tvl_String path = productForm(dir / "Stock1.shp");
    Tvl_Array<Tvl_StringArray> rows{row(L"HEA 200", L"6000", L"3"), row(L"", L" ", L""),
                                    row(L"IPE 300", L"12000.5", L"0")};
    Tvl_String error;
    ASSERT_TRUE(cutstock::writeStockList(DlgCSP2Data::kStock, path, rows, error)) << error.toUtf8();
    Tvl_Array<Tvl_StringArray> back;
    ASSERT_TRUE(cutstock::readStockList(DlgCSP2Data::kStock, path, back, error));
    ASSERT_EQ(back.length(), 2);
    EXPECT_EQ(back[1][1], L"12000.5");
    // A purchase row may leave its count empty ("as many as needed"); a stock row may not.
    Tvl_StringArray lines{line(L"HEA 200", L"12000", L"")};
    EXPECT_TRUE(cutstock::parseStockList(DlgCSP2Data::kPurchase, lines, back, error));
    EXPECT_FALSE(cutstock::parseStockList(DlgCSP2Data::kStock, lines, back, error));
    EXPECT_EQ(error, L"line 1: the count \"\" is not a whole number");
}

TEST(StockListFile, BadRowsRefuseTheWholeFileWithTheLineNamed) {
    struct Case {
        Tvl_String text;
        const wchar_t* error;
    };
    const Case cases[] = {
        {line(L"HEA", L"abc", L"1"), L"line 2: the length \"abc\" is not a number"},
        {line(L"HEA", L"-5", L"1"), L"line 2: the length -5 is not between 0 and 100000 mm"},
        {line(L"HEA", L"0", L"1"), L"line 2: the length 0 is not between 0 and 100000 mm"},
        {line(L"HEA", L"100000.1", L"1"),
         L"line 2: the length 100000.1 is not between 0 and 100000 mm"},
        {line(L"HEA", L"1e400", L"1"), L"line 2: the length \"1e400\" is not a number"},
        {line(L"HEA", L"6000", L"-1"), L"line 2: the count -1 is not between 0 and 100000"},
        {line(L"HEA", L"6000", L"2.5"), L"line 2: the count \"2.5\" is not a whole number"},
        {line(L"HEA", L"6000", L"100001"), L"line 2: the count 100001 is not between 0 and 100000"},
        {line(L"HEA", L"6000", L"1") + kSep + L"x", L"line 2: it has more than three fields"},
        {Tvl_String(L"\x01\x02") + kSep + L"6000" + kSep + L"1",
         L"line 2: it holds control characters"},
    };
    for (const Case& c : cases) {
        Tvl_StringArray lines{line(L"HEA", L"6000", L"1"), c.text};
        Tvl_Array<Tvl_StringArray> rows;
        Tvl_String error;
        EXPECT_FALSE(cutstock::parseStockList(DlgCSP2Data::kStock, lines, rows, error))
            << c.text.toUtf8();
        EXPECT_EQ(error, c.error);
        EXPECT_EQ(rows.length(), 0) << "all or nothing";
    }
    // The boundaries themselves are good.
    Tvl_StringArray good{line(L"HEA", L"100000", L"100000"), line(L"HEA", L"0.1", L"0")};
    Tvl_Array<Tvl_StringArray> rows;
    Tvl_String error;
    EXPECT_TRUE(cutstock::parseStockList(DlgCSP2Data::kStock, good, rows, error));
    EXPECT_EQ(rows.length(), 2);
}

TEST(StockListFile, DamagedFilesAndUnwritableRowsLeaveTheOldFile) {
    const auto dir = scratchDir("StockListDamaged");
    const Tvl_String path = productForm(dir / "Stock1.shp");
    Tvl_Array<Tvl_StringArray> rows;
    Tvl_String error;
    EXPECT_FALSE(cutstock::readStockList(DlgCSP2Data::kStock, path, rows, error));
    EXPECT_EQ(error, L"the file cannot be read");
    {
        std::ofstream binary(dir / "Stock1.shp", std::ios::binary);
        binary << std::string("\x00\xff\x13\x10garbage\n", 12);
    }
    EXPECT_FALSE(cutstock::readStockList(DlgCSP2Data::kStock, path, rows, error));
    // A field holding the separator would split on reading: nothing is written, and the
    // file there stays as it was.
    Tvl_Array<Tvl_StringArray> bad{row(L"HEA\u00bf200", L"6000", L"1")};
    EXPECT_FALSE(cutstock::writeStockList(DlgCSP2Data::kStock, path, bad, error));
    EXPECT_EQ(error, L"row 1: a field holds the character \u00bf");
    EXPECT_EQ(std::filesystem::file_size(dir / "Stock1.shp"), 12u);
    Tvl_Array<Tvl_StringArray> notNumber{row(L"HEA", L"six metres", L"1")};
    EXPECT_FALSE(cutstock::writeStockList(DlgCSP2Data::kStock, path, notNumber, error));
    EXPECT_EQ(std::filesystem::file_size(dir / "Stock1.shp"), 12u);
    // More than 10000 lines is refused before anything is looked at.
    Tvl_StringArray many;
    for (int i = 0; i < 10001; ++i)
        many.append(line(L"HEA", L"6000", L"1"));
    EXPECT_FALSE(cutstock::parseStockList(DlgCSP2Data::kStock, many, rows, error));
    EXPECT_EQ(error, L"it has more than 10000 rows");
}

DlgCSP2Data twoJobs() {
    DlgCSP2Data d;
    d.m_jobIds = Tvl_Array<int>{1, 7};
    d.m_jobNames = Tvl_StringArray{Tvl_String(L"Hall/A"), Tvl_String(L"Bad")};
    d.setJobRows(DlgCSP2Data::kPieces, 1,
                 {row(L"HEA 200", L"2500", L"4"), row(L"hea 200 ", L"7000", L"1"),
                  row(L"IPE 300", L"900", L"2")});
    d.setJobRows(DlgCSP2Data::kStock, 1, {row(L"HEA 200", L"6000", L"1")});
    d.setJobRows(DlgCSP2Data::kPurchase, 1, {row(L"HEA 200", L"6000", L"")});
    d.setJobRows(DlgCSP2Data::kPieces, 7, {row(L"HEA 200", L"x", L"4")});
    d.setJobRows(DlgCSP2Data::kStock, 7, {row(L"HEA 200", L"6000", L"-2")});
    return d;
}

TEST(CuttingStockJob, ProfilesAreSolvedApartAndThePlanSaysWhatCannotBeCut) {
    const DlgCSP2Data d = twoJobs();
    EXPECT_EQ(d.newJobId(), 8);
    const cutstock::JobResult job = cutstock::solveJob(d, 1);
    ASSERT_EQ(job.errors.length(), 0);
    ASSERT_EQ(job.problems.size(), 2u) << "HEA 200 (matched ignoring case and blanks), IPE 300";
    const Tvl_StringArray lines = cutstock::planLines(job);
    const Tvl_String text = arrToStr(lines, L"\n");
    EXPECT_TRUE(text.contains(L"Cutting plan of job \"Hall/A\":")) << text.toUtf8();
    EXPECT_TRUE(text.contains(L"1 x stock bar 6000 mm: 2 x 2500; waste 997 mm each"))
        << text.toUtf8();
    EXPECT_TRUE(text.contains(L"Not cut: 1 x 7000 mm: longer than every bar.")) << text.toUtf8();
    EXPECT_TRUE(text.contains(L"Not cut: 2 x 900 mm: there is no bar of this profile."))
        << text.toUtf8();
    EXPECT_TRUE(text.contains(L"To buy: 1 x 6000 mm (6000 mm).")) << text.toUtf8();
    const Tvl_String html = arrToStr(cutstock::planHtml(job), L"\n");
    EXPECT_TRUE(html.startsWith(L"<!DOCTYPE html>"));
    EXPECT_TRUE(html.contains(L"Hall/A"));
    EXPECT_EQ(cutstock::planFilePath(L"c:\\lib\\Cutting Stock\\", job.jobName),
              L"c:\\lib\\Cutting Stock\\Plan Hall_A.html");
}

TEST(CuttingStockJob, BadRowsRefuseTheJobAndNameEachRow) {
    const cutstock::JobResult job = cutstock::solveJob(twoJobs(), 7);
    ASSERT_EQ(job.errors.length(), 2);
    EXPECT_EQ(job.errors[0], L"Row 1 of the pieces table: the length \"x\" is not a number.");
    EXPECT_EQ(job.errors[1],
              L"Row 1 of the stock table: the count -2 is not between 0 and 100000.");
    EXPECT_TRUE(job.plans.empty());
    EXPECT_TRUE(arrToStr(cutstock::planLines(job), L"\n").contains(L"was not optimised"));
}

} // namespace
