#include "kw/spreadsheet/eval/SampleReport.h"

#include "kw/spreadsheet/eval/Tvl_ReportData.h"

namespace kw {

Tvl_ReportData sampleReport() {
    Tvl_ReportData p;
    for (const wchar_t* name :
         {L"Position Number", L"Positie Nummer", L"MerkNummer", L"MarkNumber"})
        p.columnNames.append(name);
    p.columnDecimals = {-1, 2};
    p.columnWidths = {30, 15};
    const wchar_t* values[] = {L"1.25", L"1.15", L"1.06"};
    for (int r = 1; r <= 3; ++r) {
        const Tvl_String n(r);
        Tvl_StringArray row;
        row.append(L"Kol 1 Row " + n);
        row.append(values[r - 1]);
        row.append(L"Kol 3 Row " + n);
        row.append(L"Kol 4 Row " + n);
        p.rows.append(row);
    }
    p.totalColumns = {1};
    p.totalFirstRows = {0};
    p.totalLastRows = {1};
    p.totalResultRows = {2};
    p.mergeFirstColumns = {0};
    p.mergeLastColumns = {1};
    p.mergeFirstRows = {1};
    p.mergeLastRows = {1};
    p.pageWidthMm = 183;
    p.stretchToPageWidth = true;
    p.wrapText = true;
    p.templatePath = L"c:\\a\\Template.kws";
    p.outputPath = L"c:\\a\\test.kws";
    return p;
}

} // namespace kw
