// TVLCUTSTOCK: the cutting-stock jobs of the sample model. On OK every job is optimised
// (docs/cutting-stock.md): its plan is printed and written as an HTML page into the
// library's "Cutting Stock\" folder, beside the stock and purchase files.

#include "core/CorePrint.h"
#include "core/FileHelpers.h"
#include "core/Tvl_Settings.h"
#include "core/commands/UserCommands.h"
#include "core/cuttingstock/CuttingPlanReport.h"
#include "core/fabrication/SampleLayout.h"

#include <cmath>

namespace {

constexpr double kLargestSawCut = 50.0;

void runCutStock() {
    auto* start = dialogsExport<bool(DlgCSP2Data&)>("_Z12StartDlgCSP2R11DlgCSP2Data");
    if (!start)
        return;
    DlgCSP2Data data = sample::cuttingStockJobs();
    if (!start(data)) {
        corePrint(L"The cutting-stock jobs were not changed.\n");
        return;
    }
    sample::cuttingStockJobs() = data;
    if (!std::isfinite(data.m_sawCut) || data.m_sawCut < 0 || data.m_sawCut > kLargestSawCut) {
        corePrint(L"*Error* The saw cut " + Tvl_String(data.m_sawCut, 1) +
                  L" mm is not between 0 and 50 mm; nothing was optimised.\n");
        return;
    }
    if (data.jobCount() == 0) {
        corePrint(L"There are no cutting-stock jobs.\n");
        return;
    }
    const Tvl_String folder = gSettings.libDir() + L"Cutting Stock\\";
    for (int j = 0; j < data.jobCount(); ++j) {
        const cutstock::JobResult result = cutstock::solveJob(data, data.m_jobIds[j]);
        const Tvl_StringArray lines = cutstock::planLines(result);
        for (int i = 0; i < lines.length(); ++i)
            corePrint(lines[i] + L"\n");
        const Tvl_String path = cutstock::planFilePath(folder, result.jobName);
        if (ObjectExportCreateDirectory(folder) &&
            ObjectExportWriteFile(path, cutstock::planHtml(result)))
            corePrint(L"  The plan was written to " + path + L".\n");
        else
            corePrint(L"*Error* The plan could not be written to " + path + L".\n");
    }
}

const UserCommand kCutStock{L"TVLCUTSTOCK", &runCutStock};

} // namespace
