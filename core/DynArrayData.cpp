#include "core/DynArrayData.h"

#include "core/StringHelpers.h"

int DynArrayData::getCount() const {
    int count = 0;
    if (!m_count.toInt(count) || count < 0)
        return -1;
    return count;
}

Tvl_String DynArrayData::getEntry(int index) const {
    if (index < 0 || index >= m_entries.length())
        return Tvl_String();
    return m_entries[index];
}

Tvl_String DynArrayData::entriesText() const {
    return arrToStr(m_entries, L"; ");
}

void DynArrayData::setEntriesText(const Tvl_String& text) {
    Tvl_StringArray parts;
    strToArr(text, L";", parts);
    m_entries.clear();
    for (const Tvl_String& part : parts) {
        Tvl_String entry = part.trimmed();
        if (!entry.isEmpty())
            m_entries.append(entry);
    }
    m_entryActions.setLogicalLength(m_entries.length());
}

bool DynArrayData::setEntryAction(int row, int action) {
    if (row < 0 || row >= m_entries.length())
        return false;
    if (m_entryActions.length() < m_entries.length())
        m_entryActions.setLogicalLength(m_entries.length());
    m_entryActions[row] = action;
    return true;
}

void DynArrayData::getValidDimNames(const AcArray<AcDbObjectId>& /*objects*/,
                                    const Tvl_String& /*module*/, int kind,
                                    Tvl_StringArray& names) {
    // The sample model's arrays run along one or two plate edges.
    names.clear();
    names.append(L"Length");
    names.append(L"Width");
    if (kind != 0) {
        names.append(L"Height");
        names.append(L"Thickness");
    }
}

void DynArrayData::clearReferences() {
    m_reference = 0;
    for (int& reference : m_valueRefs)
        reference = 0;
    m_entriesRef = 0;
    m_buttonRef = 0;
}

bool DynArrayData::sameValue(const DynArrayData& other) const {
    if (m_name != other.m_name || m_kind != other.m_kind || m_kind1Value != other.m_kind1Value ||
        m_option != other.m_option || m_count != other.m_count || m_entries != other.m_entries ||
        !(m_entryColumns == other.m_entryColumns))
        return false;
    for (int i = 0; i < 4; ++i)
        if (m_dimNames[i] != other.m_dimNames[i] || m_furtherValues[i] != other.m_furtherValues[i])
            return false;
    for (int i = 0; i < 3; ++i)
        if (m_values[i] != other.m_values[i])
            return false;
    return m_valuePair[0] == other.m_valuePair[0] && m_valuePair[1] == other.m_valuePair[1];
}

bool DynArrayData::operator==(const DynArrayData& other) const {
    if (!sameValue(other) || !(m_entryActions == other.m_entryActions) ||
        m_reference != other.m_reference || m_entriesRef != other.m_entriesRef ||
        m_buttonRef != other.m_buttonRef)
        return false;
    for (int i = 0; i < 4; ++i)
        if (m_valueRefs[i] != other.m_valueRefs[i])
            return false;
    return true;
}
