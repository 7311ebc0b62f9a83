#include "TestSupport.h"
#include "core/MacroData.h"

#include <gtest/gtest.h>

namespace {

MacroTabData sampleTab(const wchar_t* module) {
    MacroTabData tab;
    tab.m_module = module;
    tab.m_caption = Tvl_String(module) + L" caption";
    tab.m_cells.append(MacroCell(MacroCell::kNumber, L"Length", L"100"));
    tab.m_cells.append(MacroCell(MacroCell::kNumber, L"Area", L"50", true));
    MacroCell grade(MacroCell::kList, L"Grade", L"S235");
    grade.m_list = {L"S235", L"S355"};
    tab.m_cells.append(grade);
    tab.m_patterns.append(MacroPatternProps(L"Rows", L"4", L"2"));
    tab.m_patterns.append(MacroPatternProps(L"Single", L"3", L""));
    tab.m_bolt.m_assembly = L"Hex 8.8";
    tab.m_bolt.m_diameter = L"M20";
    DynArrayData ribs;
    ribs.m_name = L"Ribs";
    ribs.m_count = L"2";
    ribs.m_entries = {L"a", L"b"};
    tab.m_arrays.append(ribs);
    tab.m_cuts.append(MacroCutData(L"Corner", 1));
    tab.m_flexGroups.append(MacroFlexFixGroup(L"Fix", {L"Length", L"Area"}, 1));
    return tab;
}

MacroData sampleRecord() {
    MacroData record;
    record.appendTab(sampleTab(L"First"));
    record.appendTab(sampleTab(L"Second"));
    record.m_title = L"Title";
    record.m_objects.append(AcDbObjectId::fromOldId(7));
    return record;
}

} // namespace

TEST(MacroRecords, CopiesOwnTheirTabs) {
    MacroData original = sampleRecord();
    MacroData copy(original);
    EXPECT_EQ(copy, original);
    EXPECT_NE(copy.tab(0), original.tab(0));
    copy.tab(0)->m_cells[0].m_value = L"200";
    EXPECT_EQ(original.tab(0)->m_cells[0].m_value, L"100");
    EXPECT_FALSE(copy == original);

    // Assigning over a record with other tabs replaces them; self-assignment keeps them.
    MacroData other;
    other.appendTab(sampleTab(L"Other"));
    other = original;
    EXPECT_EQ(other.tabCount(), 2);
    EXPECT_EQ(other, original);
    other = other;
    EXPECT_EQ(other, original);
    other.removeAllTabs();
    EXPECT_EQ(other.tabCount(), 0);
    EXPECT_EQ(other.tab(0), nullptr);
    EXPECT_EQ(original.tab(-1), nullptr);
    EXPECT_EQ(original.tab(2), nullptr);
}

TEST(MacroRecords, FindTabByModuleThenCaption) {
    const MacroData record = sampleRecord();
    int index = -5;
    EXPECT_TRUE(record.findTab(L"Second", index));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(record.findTab(L"First caption", index));
    EXPECT_EQ(index, 0);
    EXPECT_FALSE(record.findTab(L"first", index));
    EXPECT_EQ(index, -1);
    EXPECT_FALSE(record.findTab(L"", index));
    EXPECT_EQ(record.tabOfModule(L"Second"), record.tab(1));
}

TEST(MacroRecords, NothingChangedGivesEmptyDifferences) {
    const MacroTabData before = sampleTab(L"T");
    MacroTabData after = before;
    // Where the dialog shows items is no change of values.
    after.m_cells[0].m_reference = 33001;
    after.m_patterns[0].m_refButton = -2;
    after.m_bolt.setReference(MacroBoltData::kDiameter, 33005);
    after.m_arrays[0].m_reference = -3;
    Tvl_StringArray names;
    Tvl_Array<int> codes, indices;
    names.append(L"stale");
    codes.append(9);
    EXPECT_FALSE(after.differences(before, names, codes, indices));
    EXPECT_EQ(names.length(), 0);
    EXPECT_EQ(codes.length(), 0);
    EXPECT_EQ(indices.length(), 0);
}

TEST(MacroRecords, DifferencesNameEachChangedItem) {
    const MacroTabData before = sampleTab(L"T");
    MacroTabData after = before;
    after.m_cells[2].m_value = L"S355";
    after.m_patterns[1].m_count1 = L"5";
    after.m_bolt.m_diameter = L"M24";
    after.m_arrays[0].m_entries.append(L"c");
    after.m_cuts[0].m_value = 3;
    after.m_flexGroups[0].m_status = {1, 0};
    Tvl_StringArray names;
    Tvl_Array<int> codes, indices;
    ASSERT_TRUE(after.differences(before, names, codes, indices));
    EXPECT_EQ(names, (Tvl_StringArray{L"Grade", L"Single", L"bolts", L"Ribs", L"Corner", L"Fix"}));
    EXPECT_EQ(codes, (Tvl_Array<int>{kMacroItemCell, kMacroItemPattern, kMacroItemBolt,
                                     kMacroItemArray, kMacroItemCut, kMacroItemFlexFix}));
    EXPECT_EQ(indices, (Tvl_Array<int>{2, 1, 0, 0, 0, 0}));
}

TEST(MacroRecords, RecordDifferencesGiveTabsAndTheRecordOnlyEntryLast) {
    const MacroData before = sampleRecord();
    MacroData after = before;
    after.tab(1)->m_cells[0].m_value = L"7";
    after.m_propertySet = L"Heavy";
    Tvl_StringArray names;
    Tvl_Array<int> codes, tabs;
    ASSERT_TRUE(after.differences(before, names, codes, tabs));
    EXPECT_EQ(names, (Tvl_StringArray{L"Length", L"propertySet"}));
    EXPECT_EQ(codes, (Tvl_Array<int>{kMacroItemCell, kMacroItemRecordOnly}));
    EXPECT_EQ(tabs, (Tvl_Array<int>{1, -1}));
    // The dialog strips the record-only entries; what stays lines up with the names.
    EXPECT_EQ(codes.removeAll(kMacroItemRecordOnly), 1);
    EXPECT_EQ(codes, (Tvl_Array<int>{kMacroItemCell}));
    EXPECT_FALSE(before.differences(MacroData(before), names, codes, tabs));
}

TEST(MacroRecords, LookUpsAndReferences) {
    MacroTabData tab = sampleTab(L"T");
    int index = -5;
    EXPECT_TRUE(tab.findCellWithName(L"Grade", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(tab.findCellWithName(L"grade", index));
    EXPECT_EQ(index, -1);
    EXPECT_TRUE(tab.findPatternWithName(L"Single", index));
    EXPECT_EQ(index, 1);
    EXPECT_TRUE(tab.findArrayWithName(L"Ribs", index));
    EXPECT_TRUE(tab.findCutWithName(L"Corner", index));
    EXPECT_FALSE(tab.findProfDataWithGroup(L"Column", index));
    EXPECT_EQ(tab.cellWithName(L"Nope"), nullptr);

    tab.m_cells[0].m_reference = 33000;
    tab.m_patterns[0].m_refCount1 = -1;
    tab.m_patterns[0].m_refCount2 = -1;
    tab.m_patterns[0].m_refButton = -1;
    tab.m_bolt.setReference(4, 33009);
    tab.m_arrays[0].m_buttonRef = 33010;
    tab.m_cuts[0].m_reference = 33011;
    tab.removeAllDlgReferences();
    EXPECT_EQ(tab, sampleTab(L"T"));
    EXPECT_FALSE(tab.m_bolt.setReference(5, 1));
    EXPECT_EQ(tab.m_bolt.field(-1), L"");
}

TEST(MacroRecords, CountsResolveOnlyAsWholeNumbers) {
    MacroPatternProps pattern(L"P", L" 4 ", L"");
    EXPECT_EQ(pattern.getCount(1), 4);
    EXPECT_EQ(pattern.getCount(2), -1);
    for (const wchar_t* text : {L"2.5", L"-1", L"x", L"3x"}) {
        pattern.m_count2 = text;
        EXPECT_EQ(pattern.getCount(2), -1) << Tvl_String(text).toUtf8();
    }
    pattern.m_count2 = L"0";
    EXPECT_EQ(pattern.getCount(2), 0);
    EXPECT_EQ(pattern.getCount(3), -1);
    DynArrayData array;
    array.m_count = L"";
    EXPECT_EQ(array.getCount(), -1);
    array.setEntriesText(L" a ;; b;");
    EXPECT_EQ(array.m_entries, (Tvl_StringArray{L"a", L"b"}));
    EXPECT_EQ(array.entriesText(), L"a; b");
    EXPECT_EQ(array.getEntry(2), L"");
    EXPECT_FALSE(array.setEntryAction(2, 1));
    EXPECT_TRUE(array.setEntryAction(1, 1));
}

TEST(MacroRecords, FlexFixButtonMovesTheFlexibleMember) {
    MacroTabData tab = sampleTab(L"T");
    // Area is flexible (computed, read-only); clicking the fixed Length makes it flexible.
    EXPECT_EQ(tab.getFlexFixStatus(L"Fix", L"Area"), 1);
    EXPECT_FALSE(tab.flexFixBtnClicked(L"Fix", L"Area", true));
    EXPECT_TRUE(tab.flexFixBtnClicked(L"Fix", L"Length", false));
    EXPECT_EQ(tab.getFlexFixStatus(L"Fix", L"Length"), 1);
    EXPECT_EQ(tab.getFlexFixStatus(L"Fix", L"Area"), 0);
    EXPECT_TRUE(tab.cellWithName(L"Length")->m_readOnly);
    EXPECT_FALSE(tab.cellWithName(L"Area")->m_readOnly);
    EXPECT_FALSE(tab.flexFixBtnClicked(L"Fix", L"Length", false));
    EXPECT_FALSE(tab.flexFixBtnClicked(L"Other", L"Length", false));
    EXPECT_FALSE(tab.flexFixBtnClicked(L"Fix", L"Grade", false));
    EXPECT_EQ(tab.getFlexFixStatus(L"Fix", L"Grade"), -1);
    EXPECT_EQ(tab.getFlexFixStatus(L"Other", L"Length"), -1);
}
