#pragma once
// BmMACallBackData: what the advanced profile dialog hands to its owner's call-back with
// every request: the group, the owner, the macro and tab it works on, and the profiles.
//
// The record owns its macro: initDataClass makes a copy of the given record, and the
// copy is deleted with this record. Copying this record copies the macro as well (deep),
// so a copy and its original never delete the same macro.

#include <cstdint>

#include "core/MacroData.h"
#include "core/Tvl_String.h"
#include "platform/host/AcArray.h"
#include "platform/host/AcDbObjectId.h"

class MacroProfData;
#include "core/macroprof/BmMACallBackType.h"

class BmMACallBackData {
public:
    BmMACallBackData() = default;
    BmMACallBackData(const BmMACallBackData& other);
    BmMACallBackData& operator=(const BmMACallBackData& other);
    virtual ~BmMACallBackData();

    // Replaces the owned macro by a copy of `macro`.
    void initDataClass(const MacroData& macro);
    // The owned macro; null before initDataClass.
    MacroData* macro() const { return m_macro; }

    Tvl_String m_group;
    int m_value = 0;
    // The handle value of the owner window (the profile page), 0 for none.
    std::uint32_t m_owner = 0;
    Tvl_String m_tab;
    AcArray<AcDbObjectId> m_profiles{0, 8};

private:
    MacroData* m_macro = nullptr;
};

// The call-back the advanced profile dialog calls. False: nothing was done.
using BmMACallBack = bool (*)(BmMACallBackType, const BmMACallBackData&, MacroProfData&);
