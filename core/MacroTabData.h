#pragma once
// MacroTabData: one tab of a macro dialog, that is one module of the macro with the items
// it shows: cells (variables), bolt patterns, the bolt data, dynamic arrays, flexible-fix
// groups, cuts and profile groups.
//
// Kinds: 0 general, 1 bolts (a general page that also offers the bolt settings),
// 2 profiles, 3 general; any other kind has no page.
//
// Differences between two states of a tab (differences) come as three parallel lists,
// one entry per changed item: its name, its item code (MacroItemCode) and its index in
// the tab's list of that code. Nothing changed gives three empty lists. References
// (where a dialog shows an item) are not values: changing them is no difference.

#include "core/DynArrayData.h"
#include "core/MacroBoltData.h"
#include "core/MacroCell.h"
#include "core/MacroCutData.h"
#include "core/MacroFlexFixGroup.h"
#include "core/MacroPatternProps.h"
#include "core/MacroProfData.h"
#include "core/macroprof/MacroProfSegmentedData.h"

// What a difference entry names. Negative codes are records' own entries: -12 a change
// that exists only in the record and is not written to the model (the loaded property
// set's name, MacroData::differences), -13 the properties of a profile group.
enum MacroItemCode {
    kMacroItemCell = 1,
    kMacroItemPattern = 2,
    kMacroItemBolt = 3,
    kMacroItemArray = 4,
    kMacroItemCut = 5,
    kMacroItemFlexFix = 6,
    kMacroItemRecordOnly = -12,
    kMacroItemProfGroup = -13,
    kMacroItemSegmented = -14, // the tab's segmented profiles, as one list
};

class MacroTabData {
public:
    enum Kind { kGeneral = 0, kBolts = 1, kProfiles = 2, kGeneral2 = 3 };

    MacroTabData() = default;
    MacroTabData(const MacroTabData&) = default;
    MacroTabData(MacroTabData&&) = default;
    MacroTabData& operator=(const MacroTabData&) = default;
    MacroTabData& operator=(MacroTabData&&) = default;
    virtual ~MacroTabData() = default;

    bool hasGeneralPage() const {
        return m_kind == kGeneral || m_kind == kBolts || m_kind == kGeneral2;
    }
    bool isBoltTab() const { return m_kind == kBolts; }

    // What changed from `before` to this state (see above); false when nothing did.
    bool differences(const MacroTabData& before, Tvl_StringArray& names, Tvl_Array<int>& codes,
                     Tvl_Array<int>& indices) const;

    // Every reference of cells, patterns (all three), bolt fields, arrays, cuts and
    // profile groups back to 0.
    void removeAllDlgReferences();

    // Look-ups by name (exact, case-sensitive): true and the index, else false and -1.
    bool findCellWithName(const Tvl_String& name, int& index) const;
    bool findPatternWithName(const Tvl_String& name, int& index) const;
    bool findArrayWithName(const Tvl_String& name, int& index) const;
    bool findCutWithName(const Tvl_String& name, int& index) const;
    bool findProfDataWithGroup(const Tvl_String& group, int& index) const;
    // The same as pointers into this tab (null when absent; valid until the lists change).
    MacroCell* cellWithName(const Tvl_String& name);
    const MacroCell* cellWithName(const Tvl_String& name) const;
    MacroPatternProps* patternWithName(const Tvl_String& name);
    DynArrayData* arrayWithName(const Tvl_String& name);
    MacroCutData* cutWithName(const Tvl_String& name);

    // Profile groups.
    void getProfGroups(Tvl_StringArray& names) const;
    bool getProfIdsOfGroup(const Tvl_String& group, AcArray<AcDbObjectId>& ids) const;
    bool getMergedPropsOfGroup(const Tvl_String& group, MacroProfData& props) const;
    bool setMergedPropsOfGroup(const Tvl_String& group, const MacroProfData& props);
    bool advBtnForEveryGroup() const { return m_advBtnForEveryGroup; }
    bool hasSegmentedProfs() const { return m_hasSegmentedProfs; }

    // Flexible-fix buttons: the member `name` of `group` clicked while its status was
    // `status` (true flexible). Clicking a fixed member makes it the group's flexible
    // one (the former flexible member becomes fixed, and read-only is moved with it);
    // clicking the flexible member changes nothing, as a group keeps one flexible
    // member. True when the statuses changed.
    bool flexFixBtnClicked(const Tvl_String& group, const Tvl_String& name, bool status);
    // 1 flexible, 0 fixed, -1 when the group or the member does not exist.
    int getFlexFixStatus(const Tvl_String& group, const Tvl_String& name) const;

    // The diameters that the tab's bolt assembly offers (the bolt library's list for
    // the tab's assembly; empty for an unknown assembly).
    void GetMergedDiameters(Tvl_StringArray& diameters) const;

    bool operator==(const MacroTabData& other) const;

    int m_kind = kGeneral;
    Tvl_String m_module;
    Tvl_String m_caption;
    Tvl_String m_designFile; // path of the dialog design, empty for none
    Tvl_Array<MacroCell> m_cells;
    Tvl_Array<MacroPatternProps> m_patterns;
    MacroBoltData m_bolt;
    Tvl_Array<DynArrayData> m_arrays;
    Tvl_Array<MacroFlexFixGroup> m_flexGroups;
    Tvl_Array<MacroCutData> m_cuts;
    Tvl_Array<MacroProfData> m_profs;
    bool m_advBtnForEveryGroup = false;
    bool m_hasSegmentedProfs = false;
    Tvl_Array<MacroProfSegmentedData> m_segmented;
};
