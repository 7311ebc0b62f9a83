#pragma once
// MacroProfData: the placement properties of the profiles of one profile group of a
// macro (merged over the group's profiles; "varies" where they differ).

#include "core/Tvl_StringArray.h"
#include "platform/host/AcArray.h"
#include "platform/host/AcDbObjectId.h"

class MacroProfData {
public:
    enum Rotation { kRot0 = 0, kRot90, kRot180, kRot270, kRotVaries, kRotOther };
    enum Plane { kPlaneWcs = 0, kPlaneNewCs, kPlaneVaries, kPlaneExistingCs, kPlanePicked };

    MacroProfData() = default;
    MacroProfData(const MacroProfData&) = default;
    MacroProfData& operator=(const MacroProfData&) = default;
    virtual ~MacroProfData() = default;

    bool operator==(const MacroProfData& other) const;
    // Equal apart from the references.
    bool sameValue(const MacroProfData& other) const;
    void clearReferences();

    Tvl_String m_group;
    Tvl_String m_section;
    Tvl_String m_section2;
    Tvl_String m_value1;
    Tvl_String m_value2;
    int m_offsetType = 0;
    Tvl_String m_offsetX;
    Tvl_String m_offsetY;
    int m_insertionPoint = 5; // 1..9
    bool m_pointChosen = false;
    int m_rotation = kRot0;
    Tvl_String m_angle;
    int m_planeMode = kPlaneWcs;
    AcDbObjectId m_planeId;
    Tvl_String m_planeName;
    int m_listSelections[3] = {0, 0, 0};
    bool m_onSegment = false;
    int m_segment = 0;
    int m_option = 0; // three-state 0, 1, 2
    AcArray<AcDbObjectId> m_profileIds;
    // Drawn controls of types 13 to 17 that show the group (window ids, 0 none).
    int m_references[5] = {0, 0, 0, 0, 0};
};

// The texts of the offset types (texts 1411 onwards), with "varies" (695) first when asked.
Tvl_StringArray getOffsetTypeStrings(bool withVaries);
// The index into getOffsetTypeStrings(withVaries) that shows `prof`'s offset type.
int getDlgOffsetType(const MacroProfData& prof, bool withVaries);
