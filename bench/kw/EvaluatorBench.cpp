// The evaluator: 10,000 FROMTABLE calls over a 100,000-row document (the document read
// once, then answered from its indexes), and a template report of 10,000 rows made and
// saved.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/eval/FromTableDocuments.h"
#include "kw/spreadsheet/eval/TemplateReport.h"
#include "kw/spreadsheet/eval/Tvl_ReportData.h"
#include "platform/base/Paths.h"
#include "platform/grid/engine/Sheet.h"
#include "platform/grid/engine/io/DocumentFile.h"
#include "platform/host/CommandLine.h"

namespace {

namespace fs = std::filesystem;

const fs::path& folder() {
    static const fs::path dir = [] {
        fs::path d = fs::temp_directory_path() / "kw_evaluator_bench";
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

// 100,000 rows: a key column "Name" (S1 ... S100000) and a value column "Weight".
const std::string& bigDocument() {
    static const std::string path = [] {
        grid::Sheet s;
        const int rows = 100000;
        s.setMaxCols(2);
        s.setMaxRows(rows);
        s.setText(1, 0, "Name");
        s.setText(2, 0, "Weight");
        for (int r = 1; r <= rows; ++r) {
            s.setText(1, r, "S" + std::to_string(r));
            s.setNumber(2, r, r * 0.5);
        }
        const std::string p = (folder() / "big.kws").string();
        grid::DocumentFile::save(s, p);
        return p;
    }();
    return path;
}

void BM_FromTable10000Calls(benchmark::State& state) {
    const std::string doc = bigDocument();
    grid::Sheet calling;
    kw::registerFromTableOn(calling);
    calling.setAutoCalc(false);
    calling.setMaxCols(1);
    calling.setMaxRows(10000);
    for (int r = 1; r <= 10000; ++r)
        calling.setFormula(1, r,
                           "FROMTABLE(\"" + doc + "\",\"Name\",\"Weight\",\"S" +
                               std::to_string(r * 10) + "\")");
    {
        kw::FromTableDocuments::CalculationScope calculation; // the first read and indexes
        calling.recalcAll();
    }
    for (auto _ : state) {
        kw::FromTableDocuments::CalculationScope calculation;
        calling.recalcAll();
        host::commandLine().clear();
    }
    if (calling.displayText(1, 10000) != "50000")
        state.SkipWithError("wrong result");
}
BENCHMARK(BM_FromTable10000Calls)->Unit(benchmark::kMillisecond);

void BM_FromTableFirstRead(benchmark::State& state) {
    const std::string doc = bigDocument();
    for (auto _ : state) {
        kw::FromTableDocuments::instance().clear();
        grid::Sheet calling;
        kw::registerFromTableOn(calling);
        calling.setMaxCols(1);
        calling.setMaxRows(1);
        calling.setFormula(1, 1, "FROMTABLE(\"" + doc + "\",\"Name\",\"Weight\",\"S99999\")");
        host::commandLine().clear();
    }
}
BENCHMARK(BM_FromTableFirstRead)->Unit(benchmark::kMillisecond);

void BM_TemplateReport10000Rows(benchmark::State& state) {
    Tvl_ReportData p;
    for (const wchar_t* n : {L"Pos", L"Section", L"Length", L"Count", L"Weight"})
        p.columnNames.append(n);
    p.columnDecimals = {0, -1, 2, 0, 1};
    p.columnWidths = {10, 30, 15, 10, 20};
    for (int r = 0; r < 10000; ++r) {
        Tvl_StringArray row;
        row.append(Tvl_String(r + 1));
        row.append(L"HEA200");
        row.append(L"6.25");
        row.append(L"4");
        row.append(L"1015.2");
        p.rows.append(row);
    }
    p.totalColumns = {4};
    p.totalFirstRows = {0};
    p.totalLastRows = {9998};
    p.totalResultRows = {9999};
    p.pageWidthMm = 183;
    p.stretchToPageWidth = true;
    p.wrapText = true;
    p.outputPath = base::toProduct(folder() / "report.kws");
    for (auto _ : state) {
        Tvl_Spread g;
        grid::Sheet templ;
        if (!kw::makeTemplateReport(p, g, templ).ok())
            state.SkipWithError("report failed");
    }
}
BENCHMARK(BM_TemplateReport10000Rows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    base::setDriveRoot("/");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
