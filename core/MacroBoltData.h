#pragma once
// MacroBoltData: the bolts of a macro's bolt tab: assembly, diameter and the further
// settings of the advanced bolt dialog.
//
// The five texts that drawn controls can show are fields 0 to 4: assembly, diameter,
// added length, penetration length, hole tolerance (drawn control types 7 to 11), each
// with the reference of the control that shows it (> 0 window id, 0 none).
//
// Three-state options (tapped, countersunk, workshop, reversed) are 0 off, 1 on,
// 2 varies. Nut and washer options are 0/1, -1 when not offered.

#include "core/Tvl_StringArray.h"

class MacroSlottedHole {
public:
    MacroSlottedHole() = default;
    virtual ~MacroSlottedHole() = default;
    bool operator==(const MacroSlottedHole&) const = default;

    int m_active = 0;        // 0, 1, 2 varies
    int m_kindSelection = 0; // < 0 means the last kind
    Tvl_String m_kindText;
    Tvl_String m_length;
    Tvl_String m_radius;
    Tvl_String m_angle;
    Tvl_String m_furtherValue;
};

class MacroBoltData {
public:
    enum Field { kAssembly = 0, kDiameter, kAddedLength, kPenetrationLength, kHoleTolerance };
    static constexpr int kFieldCount = 5;

    MacroBoltData() = default;
    MacroBoltData(const MacroBoltData&) = default;
    MacroBoltData& operator=(const MacroBoltData&) = default;
    virtual ~MacroBoltData() = default;

    // Field 0..4; an empty text for any other index.
    Tvl_String field(int index) const;
    // False for an index outside 0..4.
    bool setField(int index, const Tvl_String& text);
    int reference(int index) const;
    bool setReference(int index, int reference);
    void clearReferences();

    // Per hole column: shown flag and caption.
    void getHoleColumns(Tvl_Array<int>& flags, Tvl_StringArray& names) const;
    // False (no change) when the lists differ in length.
    bool setHoleColumns(const Tvl_Array<int>& flags, const Tvl_StringArray& names);

    bool operator==(const MacroBoltData& other) const;
    // Equal apart from the references.
    bool sameValue(const MacroBoltData& other) const;

    Tvl_String m_assembly;
    Tvl_String m_diameter;
    Tvl_String m_addedLength;
    Tvl_String m_penetrationLength;
    Tvl_String m_holeTolerance;
    int m_references[kFieldCount] = {0, 0, 0, 0, 0};

    int m_tapped = 0;
    int m_countersunk = 0;
    int m_workshop = 0;
    int m_reversed = 0;
    int m_count = 0;
    bool m_countOption = false;
    int m_nut1 = 1;
    int m_nut2 = -1;
    int m_washer1 = 1;
    int m_washer2 = 0;
    int m_washers = -1;
    Tvl_Array<int> m_holeColumnFlags;
    Tvl_StringArray m_holeColumnNames;
    Tvl_Array<MacroSlottedHole> m_slottedHoles;
};
