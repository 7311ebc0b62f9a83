#include "core/cuttingstock/DlgCSP2Data.h"

#include <algorithm>

DlgCSP2Data::DlgCSP2Data() {
    for (TableData& t : m_tables) {
        t.columns.append(L"Profile");
        t.columns.append(L"Length");
        t.columns.append(L"Count");
    }
}

int DlgCSP2Data::jobIndex(int jobId) const {
    for (int i = 0; i < m_jobIds.length(); ++i)
        if (m_jobIds[i] == jobId)
            return i;
    return -1;
}

int DlgCSP2Data::newJobId() const {
    int highest = 0;
    for (int i = 0; i < m_jobIds.length(); ++i)
        highest = std::max(highest, m_jobIds[i]);
    return highest + 1;
}

Tvl_Array<Tvl_StringArray> DlgCSP2Data::jobRows(int table, int jobId) const {
    Tvl_Array<Tvl_StringArray> rows;
    if (table < 0 || table >= kTableCount)
        return rows;
    const TableData& t = m_tables[table];
    for (int r = 0; r < t.rows.length() && r < t.jobIds.length(); ++r)
        if (t.jobIds[r] == jobId)
            rows.append(t.rows[r]);
    return rows;
}

void DlgCSP2Data::setJobRows(int table, int jobId, const Tvl_Array<Tvl_StringArray>& rows) {
    if (table < 0 || table >= kTableCount)
        return;
    TableData& t = m_tables[table];
    Tvl_Array<Tvl_StringArray> keptRows;
    Tvl_Array<int> keptIds;
    for (int r = 0; r < t.rows.length() && r < t.jobIds.length(); ++r)
        if (t.jobIds[r] != jobId) {
            keptRows.append(t.rows[r]);
            keptIds.append(t.jobIds[r]);
        }
    for (int r = 0; r < rows.length(); ++r) {
        keptRows.append(rows[r]);
        keptIds.append(jobId);
    }
    t.rows = keptRows;
    t.jobIds = keptIds;
}

void DlgCSP2Data::removeJobRows(int jobId) {
    for (int table = 0; table < kTableCount; ++table)
        setJobRows(table, jobId, Tvl_Array<Tvl_StringArray>());
}
