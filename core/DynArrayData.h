#pragma once
// DynArrayData: a dynamic array of a macro (repeated parts, such as stiffeners along a
// plate): its count, four further values and one entry per element.
//
// Drawn control types and what they show: 18 the count, 19 to 22 the further values
// 1 to 4, 23 the entries (one text, "; " between entries), 24 the array's button.
// m_reference is the count's drawn control (> 0) or grid row (-n), 0 when unbound;
// the others are window ids of drawn controls or 0.

#include "core/Tvl_StringArray.h"
#include "platform/host/AcArray.h"
#include "platform/host/AcDbObjectId.h"

// One column of the array dialog's entry table.
class DynArrayEntryColumn {
public:
    DynArrayEntryColumn() = default;
    virtual ~DynArrayEntryColumn() = default;
    bool operator==(const DynArrayEntryColumn&) const = default;

    int m_kind = 0;
    bool m_flag = false;
    Tvl_String m_name;
};

class DynArrayData {
public:
    DynArrayData() = default;
    DynArrayData(const DynArrayData&) = default;
    DynArrayData& operator=(const DynArrayData&) = default;
    virtual ~DynArrayData() = default;

    // The count as a whole number >= 0; -1 when it is not one.
    int getCount() const;
    // Entry i; an empty text outside the list.
    Tvl_String getEntry(int index) const;
    // The entries joined with "; ".
    Tvl_String entriesText() const;
    // Sets the entries from a text as entriesText gives it (";" separates, blanks trimmed).
    void setEntriesText(const Tvl_String& text);

    void getEntryColumns(Tvl_Array<DynArrayEntryColumn>& columns) const {
        columns = m_entryColumns;
    }
    void setEntryColumns(const Tvl_Array<DynArrayEntryColumn>& columns) {
        m_entryColumns = columns;
    }
    // Marks entry `row` with `action` (1: marked in the drawing); false outside the list.
    bool setEntryAction(int row, int action);

    // The dimension names that the array's kind may use, for the array dialog.
    static void getValidDimNames(const AcArray<AcDbObjectId>& objects, const Tvl_String& module,
                                 int kind, Tvl_StringArray& names);

    void clearReferences();
    bool operator==(const DynArrayData& other) const;
    // Equal apart from the references and entry actions.
    bool sameValue(const DynArrayData& other) const;

    Tvl_String m_name;
    int m_kind = 0;
    Tvl_String m_dimNames[4];
    Tvl_String m_kind1Value;
    Tvl_String m_values[3];
    Tvl_String m_valuePair[2];
    bool m_option = false;
    Tvl_String m_count;
    Tvl_String m_furtherValues[4];
    Tvl_StringArray m_entries;
    Tvl_Array<int> m_entryActions;
    Tvl_Array<DynArrayEntryColumn> m_entryColumns;

    int m_reference = 0;
    int m_valueRefs[4] = {0, 0, 0, 0};
    int m_entriesRef = 0;
    int m_buttonRef = 0;
};
