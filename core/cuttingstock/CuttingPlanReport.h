#pragma once
// The cutting plan of a solved job in words: lines for the command line and an HTML page
// with the same content (docs/cutting-stock.md).

#include "core/cuttingstock/CuttingStockJob.h"

namespace cutstock {

// Lines without line ends.
Tvl_StringArray planLines(const JobResult& job);
// A whole HTML page.
Tvl_StringArray planHtml(const JobResult& job);
// "<folder>Plan <job name>.html", with characters that cannot be in a file name replaced
// by "_".
Tvl_String planFilePath(const Tvl_String& folder, const Tvl_String& jobName);

} // namespace cutstock
