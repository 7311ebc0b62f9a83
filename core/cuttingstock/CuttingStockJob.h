#pragma once
// One job of the cutting-stock record turned into problems (one per profile) and solved.
// Profiles are matched without regard to case and surrounding blanks. A row that breaks
// the rules of CuttingStockRows refuses the job: nothing is solved and `errors` names
// each such row.

#include "core/cuttingstock/CuttingPlan.h"
#include "core/cuttingstock/CuttingStockProblem.h"
#include "core/cuttingstock/DlgCSP2Data.h"

#include <vector>

namespace cutstock {

struct JobResult {
    Tvl_String jobName;
    std::vector<Problem> problems;
    std::vector<Plan> plans; // parallel to problems
    Tvl_StringArray errors;  // non-empty: the job was not solved
    double seconds = 0;
};

bool buildJobProblems(const DlgCSP2Data& data, int jobId, std::vector<Problem>& problems,
                      Tvl_StringArray& errors);
JobResult solveJob(const DlgCSP2Data& data, int jobId);

} // namespace cutstock
