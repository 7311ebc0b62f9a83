#include "kw/spreadsheet/eval/EvaluatorEntry.h"

#include "kw/spreadsheet/Tvl_Spread.h"
#include "kw/spreadsheet/eval/CFormula.h"
#include "kw/spreadsheet/eval/FromTableDocuments.h"
#include "kw/spreadsheet/eval/SampleReport.h"
#include "kw/spreadsheet/eval/Tvl_ReportData.h"

namespace kw {

void registerFromTable(Tvl_Spread& grid) {
    registerFromTableOn(grid.sheet());
}

void showSampleReport(ui::Window* parent) {
    const Tvl_ReportData record = sampleReport();
    CFormula dlg(CFormula::kTemplateReport, parent);
    dlg.m_report = &record;
    dlg.doModal();
}

} // namespace kw
