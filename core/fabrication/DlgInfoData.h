#pragma once
// DlgInfoData: the core module's information window, a read-only text with a title and
// one button. ExportStartDlgInfo shows it modally and returns when the user closes it.

#include "core/Tvl_String.h"

class DlgInfoData {
public:
    DlgInfoData() = default;
    virtual ~DlgInfoData() = default;

    Tvl_String m_title;
    Tvl_String m_text; // lines separated by "\n"
    Tvl_String m_buttonText;
};

// The template number of the information window (for scripts and tests).
inline constexpr int kDlgInfoTemplateId = 9301;
inline constexpr int kDlgInfoTextId = 9302;

void ExportStartDlgInfo(DlgInfoData& data);
