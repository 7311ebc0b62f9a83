#pragma once
// DlgCSP2Data: the record of the cutting-stock jobs that the core hands to the input
// dialog and takes back. A job has an identifier (unique integer) and a name; each of
// the three tables (pieces, stock, purchase) holds the rows of all jobs together, each
// row marked with the identifier of the job it belongs to.
//
// The columns are Profile, Length (mm) and Count in all three tables; in the purchase
// table an empty count means "as many as needed" (docs/cutting-stock.md).

#include "core/Tvl_Array.h"
#include "core/Tvl_StringArray.h"

class DlgCSP2Data {
public:
    enum Table { kPieces = 0, kStock = 1, kPurchase = 2, kTableCount = 3 };

    struct TableData {
        Tvl_StringArray columns;
        Tvl_Array<Tvl_StringArray> rows;
        Tvl_Array<int> jobIds; // parallel to rows
    };

    DlgCSP2Data();
    DlgCSP2Data(const DlgCSP2Data& other) = default;
    DlgCSP2Data& operator=(const DlgCSP2Data& other) = default;
    virtual ~DlgCSP2Data() = default;

    Tvl_Array<int> m_jobIds;
    Tvl_StringArray m_jobNames;
    TableData m_tables[kTableCount];
    // Chooses the report button: set = "load the newest files", clear = "store the
    // stock of every job".
    bool m_loadNewest = true;
    double m_sawCut = 3.0; // mm lost at each cut

    int jobCount() const { return m_jobIds.length(); }
    // Position of the job in the lists, -1 when there is none with that identifier.
    int jobIndex(int jobId) const;
    // The largest identifier + 1, or 1 when there are no jobs.
    int newJobId() const;
    // The job's rows of one table, in stored order.
    Tvl_Array<Tvl_StringArray> jobRows(int table, int jobId) const;
    // Replaces the job's rows of one table (appended after the other jobs' rows).
    void setJobRows(int table, int jobId, const Tvl_Array<Tvl_StringArray>& rows);
    // Removes the job's rows from every table (the job itself stays in the lists).
    void removeJobRows(int jobId);
};
