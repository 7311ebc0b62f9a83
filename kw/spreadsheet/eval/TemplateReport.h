#pragma once
// The template report: a report record laid out in a grid (columns with their types and
// widths, rows, totals, pictures, merges), given the formats of a template document,
// stamped with the document properties and saved as a document. See docs/evaluator.md.

#include "core/Tvl_String.h"

namespace grid {
class Sheet;
}
class Tvl_Spread;
struct Tvl_ReportData;

namespace kw {

enum class ReportResult {
    Made,          // the output document was written
    ListsDisagree, // decimals or a row's texts do not match the column names
    NoOutputPath,  // nothing to save to
    SaveFailed,    // the report was made but could not be saved (the old file stays)
};

struct ReportOutcome {
    ReportResult result = ReportResult::Made;
    Tvl_String message; // one line for the command line; empty when made
    // What was skipped because its lists disagree in length (the rest was made).
    bool totalsSkipped = false;
    bool picturesSkipped = false;
    bool mergesSkipped = false;
    bool ok() const { return result == ReportResult::Made; }
};

// Lays the record out in `report` (which gets one column per name and one row per
// record row) and saves it to the record's output path. `templ` receives the template
// document when the record names one that exists.
ReportOutcome makeTemplateReport(const Tvl_ReportData& record, Tvl_Spread& report,
                                 grid::Sheet& templ);

// The width unit of report columns: a third of the width of "WygP" in the report's cell
// font, in twips.
double reportWidthUnit(const Tvl_Spread& report);

} // namespace kw
