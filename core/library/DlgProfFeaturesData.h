#pragma once
// DlgProfFeaturesData: a general form the core module fills to ask for a profile and up
// to four further values and one option, each with a caption of the caller's. A row with
// an empty caption is not shown. Row 3 may offer an alternative caption and value that
// apply while the option is set, and may take its value from the list.

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"

class DlgProfFeaturesData {
public:
    DlgProfFeaturesData() = default;
    DlgProfFeaturesData(const DlgProfFeaturesData&) = default;
    DlgProfFeaturesData& operator=(const DlgProfFeaturesData&) = default;
    virtual ~DlgProfFeaturesData() = default;
    bool operator==(const DlgProfFeaturesData&) const = default;

    Tvl_String caption;
    Tvl_String profileName; // "HEA-200", or "User Sections\RailA.dwg"
    Tvl_String caption1;
    Tvl_String value1; // from the list
    Tvl_String caption2;
    Tvl_String value2;
    Tvl_String caption3;
    Tvl_String altCaption3;
    Tvl_String value3;
    Tvl_String altValue3;
    bool row3FromList = false;
    Tvl_String caption4;
    Tvl_String value4;
    Tvl_String optionCaption;
    bool option = false;
    Tvl_StringArray list;
};
