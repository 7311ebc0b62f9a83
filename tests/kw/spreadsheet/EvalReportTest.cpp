#include "EvalTestSupport.h"

#include "kw/spreadsheet/DocumentProperties.h"
#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/eval/TemplateReport.h"
#include "kw/spreadsheet/eval/Tvl_ReportData.h"
#include "platform/base/Files.h"

#include <memory>

namespace {

class ReportTest : public EvalTest {
protected:
    // Three columns (text, 2 decimals, 0 decimals) and `rows` rows.
    Tvl_ReportData record(int rows) {
        Tvl_ReportData p;
        for (const wchar_t* n : {L"Mark", L"Length", L"Count"})
            p.columnNames.append(n);
        p.columnDecimals = {-1, 2, 0};
        p.columnWidths = {30, 15, 15};
        for (int r = 0; r < rows; ++r) {
            Tvl_StringArray row;
            row.append(L"P" + Tvl_String(r + 1));
            row.append(Tvl_String(1.5 + r, 2));
            row.append(Tvl_String(r + 1));
            p.rows.append(row);
        }
        p.pageWidthMm = 180;
        p.outputPath = base::toProduct(m_tmp / "out.kws");
        return p;
    }
    kw::ReportOutcome make(const Tvl_ReportData& p) { return kw::makeTemplateReport(p, g, templ); }
    std::unique_ptr<grid::Sheet> loadOutput() {
        auto s = std::make_unique<grid::Sheet>();
        EXPECT_TRUE(grid::DocumentFile::load(*s, (m_tmp / "out.kws").string()).ok());
        return s;
    }
    Tvl_Spread g;
    grid::Sheet templ;
};

TEST_F(ReportTest, ColumnsRowsTypesTotalsMergesAndPropertiesReachTheSavedDocument) {
    Tvl_ReportData p = record(4);
    p.totalColumns = {1, 2};
    p.totalFirstRows = {0, 0};
    p.totalLastRows = {2, 1};
    p.totalResultRows = {3, 3};
    p.mergeFirstColumns = {0};
    p.mergeLastColumns = {1};
    p.mergeFirstRows = {0};
    p.mergeLastRows = {1};
    p.headerFile = L"c:\\lib\\header.kwh";
    p.varNames.append(L"project");
    p.varValues.append(L"Hall 3");
    p.rows[3][1] = L"";
    p.rows[3][2] = L"";
    const kw::ReportOutcome out = make(p);
    ASSERT_TRUE(out.ok()) << out.message.toUtf8();
    auto out2 = loadOutput();
    grid::Sheet& s = *out2;
    EXPECT_EQ(s.maxCols(), 3);
    EXPECT_EQ(s.maxRows(), 4);
    EXPECT_EQ(s.displayText(1, 0), "Mark");
    EXPECT_EQ(s.value(1, 2), grid::Value::text("P2"));
    EXPECT_EQ(s.displayText(2, 2), "2.50");
    EXPECT_EQ(s.cellType(1, 1).code, grid::CellTypeCode::Edit);
    EXPECT_EQ(s.cellType(3, 1).decimals, 0);
    // Two totals, two formulas.
    EXPECT_EQ(s.formula(2, 4, grid::RefStyle::Default), "SUM(#1:#3)");
    EXPECT_EQ(s.formula(3, 4, grid::RefStyle::Default), "SUM(#1:#2)");
    EXPECT_EQ(s.value(2, 4), grid::Value::number(1.5 + 2.5 + 3.5));
    ASSERT_TRUE(s.spanAt(2, 2).has_value());
    EXPECT_EQ(*s.spanAt(2, 2), (grid::Span{1, 1, 2, 2}));
    bool equal = false;
    const kw::DocumentProperties props =
        kw::readDocumentProperties(Tvl_String::fromUtf8(s.tag(0, 0)), equal);
    EXPECT_EQ(props.headerFile, Tvl_String(L"c:\\lib\\header.kwh"));
    EXPECT_EQ(props.marginLeft, 9);
    EXPECT_EQ(props.marginBottom, 5);
    EXPECT_TRUE(props.colors && props.colHeader && props.cellSeperators && props.border);
    EXPECT_FALSE(props.rowHeader || props.smartPrint);
    ASSERT_EQ(props.varValues.length(), 1);
    EXPECT_EQ(props.varValues[0], Tvl_String(L"Hall 3"));
}

TEST_F(ReportTest, WidthsAreThirdsOfWygPScaledToThePage) {
    const double unit = kw::reportWidthUnit(g);
    EXPECT_DOUBLE_EQ(unit, grid::textWidthPx(g.cellFont(1, 1), L"WygP") * 15.0 / 3.0);
    // 60 units are narrower than 180 mm: left alone without stretching ...
    Tvl_ReportData p = record(1);
    ASSERT_TRUE(make(p).ok());
    g.sheet().setUnitType(grid::UnitType::Twips);
    EXPECT_NEAR(g.sheet().columnWidth(1), 30 * unit, 15);
    EXPECT_NEAR(g.sheet().columnWidth(2), 15 * unit, 15);
    // ... and grown to the page with it, every column by the same factor.
    Tvl_Spread stretched;
    p.stretchToPageWidth = true;
    ASSERT_TRUE(kw::makeTemplateReport(p, stretched, templ).ok());
    stretched.sheet().setUnitType(grid::UnitType::Twips);
    const double page = 180 / 25.4 * 1440;
    double sum = 0;
    for (int c = 1; c <= 3; ++c)
        sum += stretched.sheet().columnWidth(c);
    EXPECT_NEAR(sum, page, 3 * 15);
    EXPECT_NEAR(stretched.sheet().columnWidth(1) / stretched.sheet().columnWidth(2), 2.0, 0.1);
    // A report wider than the page shrinks to it.
    Tvl_Spread narrow;
    p.stretchToPageWidth = false;
    p.pageWidthMm = 20;
    ASSERT_TRUE(kw::makeTemplateReport(p, narrow, templ).ok());
    narrow.sheet().setUnitType(grid::UnitType::Twips);
    EXPECT_NEAR(narrow.sheet().columnWidth(1) + narrow.sheet().columnWidth(2) +
                    narrow.sheet().columnWidth(3),
                20 / 25.4 * 1440, 3 * 15);
    // Widths that add up to nothing leave the default widths.
    Tvl_Spread zero;
    p.columnWidths = {0, 0, 0};
    ASSERT_TRUE(kw::makeTemplateReport(p, zero, templ).ok());
    EXPECT_EQ(zero.colWidthPx(2), grid::Sheet::kDefaultColumnWidthPx);
}

TEST_F(ReportTest, DisagreeingListsGiveClearResults) {
    // Decimals that do not match the names: nothing is made, nothing written.
    Tvl_ReportData p = record(2);
    p.columnDecimals = {-1, 2};
    kw::ReportOutcome out = make(p);
    EXPECT_EQ(out.result, kw::ReportResult::ListsDisagree);
    EXPECT_FALSE(std::filesystem::exists(m_tmp / "out.kws"));
    // A row with a text too few.
    p = record(2);
    p.rows[1].removeLast();
    EXPECT_EQ(make(p).result, kw::ReportResult::ListsDisagree);
    // Totals and merges of unequal length are skipped, the rest is made.
    p = record(2);
    p.totalColumns = {1};
    p.totalFirstRows = {0};
    p.totalLastRows = {};
    p.totalResultRows = {1};
    p.mergeFirstColumns = {0, 1};
    p.mergeLastColumns = {1};
    p.mergeFirstRows = {0};
    p.mergeLastRows = {0};
    Tvl_Spread g2;
    out = kw::makeTemplateReport(p, g2, templ);
    ASSERT_TRUE(out.ok());
    EXPECT_TRUE(out.totalsSkipped && out.mergesSkipped);
    EXPECT_FALSE(out.picturesSkipped);
    auto out2 = loadOutput();
    grid::Sheet& s = *out2;
    EXPECT_TRUE(s.spans().empty());
    EXPECT_FALSE(s.hasFormula(2, 2));
    // No rows at all: the header row alone, widths still set from the names.
    Tvl_Spread g3;
    p = record(0);
    ASSERT_TRUE(kw::makeTemplateReport(p, g3, templ).ok());
    auto empty = loadOutput();
    EXPECT_EQ(empty->maxRows(), 0);
    EXPECT_EQ(empty->displayText(3, 0), "Count");
    EXPECT_GT(empty->columnWidth(1), empty->columnWidth(2));
}

TEST_F(ReportTest, AFailedSaveIsReportedAndKeepsTheOldFile) {
    writeBytes("out.kws", "the old report");
    std::filesystem::create_directories(m_tmp / "locked");
    Tvl_ReportData p = record(1);
    p.outputPath = base::toProduct(m_tmp / "no such folder" / "out.kws");
    kw::ReportOutcome out = make(p);
    EXPECT_EQ(out.result, kw::ReportResult::SaveFailed);
    EXPECT_NE(out.message.find(L"could not be saved"), -1);
    p.outputPath = base::toProduct(m_tmp / "locked"); // a folder
    Tvl_Spread g2;
    EXPECT_EQ(kw::makeTemplateReport(p, g2, templ).result, kw::ReportResult::SaveFailed);
    p.outputPath.clear();
    Tvl_Spread g3;
    EXPECT_EQ(kw::makeTemplateReport(p, g3, templ).result, kw::ReportResult::NoOutputPath);
    EXPECT_EQ(*base::readFile(m_tmp / "out.kws"), "the old report");
}

TEST_F(ReportTest, TheTemplateGivesItsFormatsByColumnNameButNotFromItsLastRow) {
    grid::Sheet t;
    t.setMaxCols(3);
    t.setMaxRows(5);
    t.setText(0, 1, "title");
    t.setText(0, 2, "REGULAR");
    t.setText(0, 3, "Column Names");
    t.setText(0, 5, "Total");  // the last row: not examined
    t.setText(2, 3, "length"); // template column 2 is the report's "Length"
    t.setColors(grid::CellRange{2, 1, 2, 1}, 0x0000FF, 0xFFFFFF);
    t.setColors(grid::CellRange{2, 2, 2, 2}, 0x00FF00, grid::kNoColor);
    t.setColors(grid::CellRange{2, 5, 2, 5}, 0xFF0000, grid::kNoColor);
    saveDoc(t, "template.kws");
    Tvl_ReportData p = record(2);
    p.templatePath = base::toProduct(m_tmp / "template.kws");
    p.totalColumns = {1};
    p.totalFirstRows = {0};
    p.totalLastRows = {0};
    p.totalResultRows = {1};
    ASSERT_TRUE(make(p).ok());
    auto out2 = loadOutput();
    grid::Sheet& s = *out2;
    EXPECT_EQ(s.format(2, 0).back, 0x0000FFu) << "title onto the header cell";
    EXPECT_EQ(s.format(2, 0).fore, 0xFFFFFFu);
    EXPECT_EQ(s.format(2, 1).back, 0x00FF00u) << "regular onto every row";
    EXPECT_EQ(s.format(2, 2).back, 0x00FF00u) << "the total row's format is not taken";
    EXPECT_EQ(s.format(1, 1).back, grid::kNoColor) << "a column the template lacks";
    // A missing template: the report without formats.
    p.templatePath = L"c:\\nowhere\\Template.kws";
    Tvl_Spread g2;
    ASSERT_TRUE(kw::makeTemplateReport(p, g2, templ).ok());
    EXPECT_EQ(loadOutput()->format(2, 1).back, grid::kNoColor);
}

} // namespace
