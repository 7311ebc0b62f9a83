#pragma once
// The sample report record of the spreadsheet editor's "Nieuw".

struct Tvl_ReportData;

namespace kw {

// Four column names with two column decimals and two widths, three rows, one total, one
// merge, page width 183 mm, stretched and wrapped, template "c:\a\Template.kws" and
// output "c:\a\test.kws". Its decimals do not match its columns, so the report stops at
// its first check and writes nothing.
Tvl_ReportData sampleReport();

} // namespace kw
