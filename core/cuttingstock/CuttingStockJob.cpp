#include "core/cuttingstock/CuttingStockJob.h"

#include "core/cuttingstock/CuttingStockRows.h"
#include "core/cuttingstock/CuttingStockSolver.h"

#include <chrono>

namespace cutstock {
namespace {

const wchar_t* tableName(int table) {
    switch (table) {
    case DlgCSP2Data::kPieces:
        return L"pieces";
    case DlgCSP2Data::kStock:
        return L"stock";
    default:
        return L"purchase";
    }
}

Problem& problemFor(std::vector<Problem>& problems, const Tvl_String& profile) {
    for (Problem& p : problems)
        if (Tvl_String(p.profile).equal(profile, true))
            return p;
    problems.push_back(Problem{profile.str(), {}, {}, 0});
    return problems.back();
}

} // namespace

bool buildJobProblems(const DlgCSP2Data& data, int jobId, std::vector<Problem>& problems,
                      Tvl_StringArray& errors) {
    problems.clear();
    errors.clear();
    for (int table = 0; table < DlgCSP2Data::kTableCount; ++table) {
        const Tvl_Array<Tvl_StringArray> rows = data.jobRows(table, jobId);
        for (int r = 0; r < rows.length(); ++r) {
            if (isBlankRow(rows[r]))
                continue;
            Tvl_String why;
            if (!checkRow(table, rows[r], why)) {
                errors.append(L"Row " + Tvl_String(r + 1) + L" of the " + tableName(table) +
                              L" table: " + why + L".");
                continue;
            }
            Tvl_String profile;
            double length = 0;
            int count = 0;
            rowValues(rows[r], profile, length, count);
            if (table == DlgCSP2Data::kPieces) {
                problemFor(problems, profile)
                    .pieces.push_back(Piece{profile.str(), length, count < 0 ? 0 : count});
            } else {
                // Bars only matter for profiles that have pieces; gathered first, pruned below.
                problemFor(problems, profile)
                    .bars.push_back(
                        BarType{profile.str(), length, count, table == DlgCSP2Data::kStock});
            }
        }
    }
    std::erase_if(problems, [](const Problem& p) { return p.pieces.empty(); });
    for (Problem& p : problems)
        p.sawCut = data.m_sawCut;
    return errors.length() == 0;
}

JobResult solveJob(const DlgCSP2Data& data, int jobId) {
    JobResult result;
    const int at = data.jobIndex(jobId);
    if (at >= 0)
        result.jobName = data.m_jobNames[at];
    if (!buildJobProblems(data, jobId, result.problems, result.errors))
        return result;
    const auto start = std::chrono::steady_clock::now();
    for (const Problem& p : result.problems)
        result.plans.push_back(solve(p));
    result.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return result;
}

} // namespace cutstock
