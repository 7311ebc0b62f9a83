#pragma once
// MacrosInDlgData: the macros a cut works on, as the user picked them in the drawing.
// UserSelectMacro asks the host's selection (scripts answer it with "answer entities");
// only the macros among the picked objects are kept.

#include "core/Tvl_StringArray.h"
#include "platform/host/AcArray.h"
#include "platform/host/AcDbObjectId.h"

class MacrosInDlgData {
public:
    MacrosInDlgData() = default;
    MacrosInDlgData(const MacrosInDlgData&) = default;
    MacrosInDlgData& operator=(const MacrosInDlgData&) = default;
    virtual ~MacrosInDlgData() = default;

    bool operator==(const MacrosInDlgData& other) const {
        return m_ids == other.m_ids && m_names == other.m_names;
    }

    // Lets the user pick macros. True when at least one macro was picked: the list then
    // holds exactly the picked macros. False, list unchanged, on cancel or when nothing
    // picked is a macro (with a message).
    bool UserSelectMacro();
    // Sets the list to the macros among `ids` (unknown ids are left out).
    void setMacros(const AcArray<AcDbObjectId>& ids);
    // "EP1, EP2"; empty for none.
    Tvl_String namesText() const;

    AcArray<AcDbObjectId> m_ids;
    Tvl_StringArray m_names;
};
