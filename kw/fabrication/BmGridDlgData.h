#pragma once
// BmGridDlgData: the record of the grid dialog, exported by the dialogs module. The
// core module fills it from the model's building grid and reads it back, so the class
// is complete in this header (no code of the dialogs module is needed to use it).

#include "core/Tvl_String.h"
#include "kw/frame/KwExport.h"

class KW_EXPORT BmGridDlgData {
public:
    BmGridDlgData() = default;
    BmGridDlgData(const BmGridDlgData&) = default;
    BmGridDlgData& operator=(const BmGridDlgData&) = default;
    virtual ~BmGridDlgData() = default;

    int m_firstCount = 4; // grid lines in the first direction
    Tvl_String m_firstDistance = L"5000";
    Tvl_String m_firstLabel = L"A"; // label of the first line
    int m_secondCount = 3;
    Tvl_String m_secondDistance = L"5000";
    Tvl_String m_secondLabel = L"1";
    bool m_option = false; // check box 1380: dimension the grid
};
