#pragma once
// BmLookUpDlgData: the record of the look-up dialog, exported by the dialogs module and
// complete in this header, as the core module fills and reads it.

#include "core/Tvl_StringArray.h"
#include "kw/frame/KwExport.h"

class KW_EXPORT BmLookUpDlgData {
public:
    enum EndMode { kEndOk = 0, kEndShowAll = 2 };

    BmLookUpDlgData() = default;
    BmLookUpDlgData(const BmLookUpDlgData&) = default;
    BmLookUpDlgData& operator=(const BmLookUpDlgData&) = default;
    virtual ~BmLookUpDlgData() = default;

    Tvl_String m_name;
    Tvl_StringArray m_names;
    Tvl_String m_second; // section
    Tvl_StringArray m_secondValues;
    Tvl_String m_third; // material
    Tvl_StringArray m_thirdValues;
    Tvl_String m_fourth; // property
    Tvl_StringArray m_fourthValues;
    int m_comparison = 2; // 0 equal to, 1 not equal to, 2 contains
    Tvl_String m_value;
    Tvl_StringArray m_values;
    int m_scope = 0;       // 0 whole model, 1 current selection, 2 visible objects
    bool m_option = false; // select the objects found
    int m_endMode = kEndOk;
};
