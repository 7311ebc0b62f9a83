// The sample section library as installed, and the core's library record, shapes and
// file reading on it and on damaged files.

#include "tests/kw/library/LibraryTestSupport.h"

#include "core/FileHelpers.h"
#include "core/LanguageTexts.h"
#include "core/library/SectionShapes.h"

#include <cstring>

namespace {

using namespace sectionshapes;

class SampleLibraryTest : public LibraryTest {};

TEST_F(SampleLibraryTest, EveryTableReadsWithTheColumnsOfItsShapeAndNamesInEveryLanguage) {
    DlgEditLibData data;
    data.GetAvailableFiles();
    EXPECT_EQ(data.tableNames.length(), 10);
    for (const wchar_t* name :
         {L"CHS", L"HEA", L"HEB", L"HEM", L"IPE", L"L", L"Rail-A", L"RHS", L"SHS", L"UPN"})
        EXPECT_TRUE(data.tableNames.contains(name)) << Tvl_String(name).toUtf8();
    Tvl_StringArray codes;
    gMacroLangs.GetAllLanguages(codes);
    for (const Tvl_String& name : data.tableNames) {
        SCOPED_TRACE(name.toUtf8());
        Tvl_ProfValuesTable t;
        ASSERT_TRUE(t.readFromFile(name + L".pr"));
        EXPECT_EQ(t.typeName, name);
        ASSERT_GE(t.rows.length(), 7);
        Tvl_StringArray values;
        valueNames(shapeNumber(t.sectionType), values);
        if (isDrawingName(t.sectionType))
            values = Tvl_StringArray{L"h", L"b", L"k"};
        for (int v = 0; v < values.length(); ++v)
            EXPECT_EQ(t.columnNames[6 + v], values[v]);
        Tvl_StringArray sysNames;
        t.getSysNames(sysNames);
        for (const Tvl_StringArray& row : t.rows) {
            ASSERT_EQ(row.length(), t.columnNames.length());
            for (const Tvl_String& code : codes)
                EXPECT_FALSE(row[t.getColumnIdx(code)].isEmpty());
            int at = -1;
            EXPECT_TRUE(t.findSysName(row[0], at));
            EXPECT_EQ(t.rows[at], row) << "system names are unique";
        }
        // Every table has its shape's picture.
        const Tvl_String picture = isDrawingName(t.sectionType)
                                       ? removeExtension(t.sectionType)
                                       : pictureName(shapeNumber(t.sectionType));
        EXPECT_TRUE(data.pictureNames.contains(picture));
    }
    EXPECT_EQ(data.pictureNames.length(), kCount + 1);
}

TEST_F(SampleLibraryTest, PublishedDimensionsOfSampleRows) {
    // h, b, tw, tf, r and the mass per metre of the published tables.
    auto row = [](const wchar_t* tableName, const wchar_t* sysName) {
        Tvl_ProfValuesTable t = table(tableName);
        int at = -1;
        EXPECT_TRUE(t.findSysName(sysName, at)) << sysName;
        Tvl_StringArray r;
        t.getRow(r, at);
        Tvl_StringArray values;
        for (int c = 6; c < r.length(); ++c)
            values.append(r[c]);
        return values;
    };
    EXPECT_EQ(row(L"IPE", L"200"),
              (Tvl_StringArray{L"200", L"100", L"5.6", L"8.5", L"12", L"22.4"}));
    EXPECT_EQ(row(L"IPE", L"80"), (Tvl_StringArray{L"80", L"46", L"3.8", L"5.2", L"5", L"6"}));
    EXPECT_EQ(row(L"HEA", L"200"),
              (Tvl_StringArray{L"190", L"200", L"6.5", L"10", L"18", L"42.3"}));
    EXPECT_EQ(row(L"HEB", L"300"), (Tvl_StringArray{L"300", L"300", L"11", L"19", L"27", L"117"}));
    EXPECT_EQ(row(L"HEM", L"300"),
              (Tvl_StringArray{L"340", L"310", L"21", L"39", L"27", L"237.9"}));
    EXPECT_EQ(row(L"UPN", L"200"),
              (Tvl_StringArray{L"200", L"75", L"8.5", L"11.5", L"11.5", L"6"}));
    EXPECT_EQ(row(L"L", L"100x10"), (Tvl_StringArray{L"100", L"100", L"10", L"12", L"6"}));
    EXPECT_EQ(row(L"RHS", L"100x50x4"), (Tvl_StringArray{L"100", L"50", L"4", L"8", L"8.59"}));
    EXPECT_EQ(row(L"CHS", L"48.3x3.2"), (Tvl_StringArray{L"48.3", L"3.2", L"3.56"}));
    // One inactive size, which the filtered list leaves out.
    Tvl_StringArray all, active;
    table(L"HEA").getSysNames(all);
    table(L"HEA").getFilteredSysNames(active);
    EXPECT_EQ(all.length(), 24);
    EXPECT_EQ(active.length(), 23);
    EXPECT_FALSE(active.contains(L"HEA-1000"));
}

TEST_F(SampleLibraryTest, GroupsAndTypesReadBackAsWrittenAndTypesNameTheirTables) {
    DlgEditLibData data;
    Tvl_String problem;
    ASSERT_TRUE(data.readLibrary(problem)) << problem.toUtf8();
    ASSERT_EQ(data.groups.length(), 5);
    ASSERT_EQ(data.types.length(), 10);
    data.GetAvailableFiles();
    for (const SectionType& t : data.types) {
        EXPECT_TRUE(data.tableNames.contains(t.tableName)) << t.tableName.toUtf8();
        EXPECT_GE(data.groups.indexOfId(t.groupId), 0);
        EXPECT_EQ(t.names.length(), 4);
    }
    EXPECT_EQ(data.groups[2].names,
              (Tvl_StringArray{L"Angles", L"Hoekstalen", L"Winkelprofile", L"Cornières"}));
    // Round trip, and names reach their languages by code whatever the file's order.
    data.groups[0].enabled = false;
    data.types[3].groupId = -1;
    ASSERT_TRUE(data.writeLibrary());
    DlgEditLibData back = library();
    EXPECT_EQ(back.groups, data.groups);
    EXPECT_EQ(back.types, data.types);
    write("sections.txt", "sections\tFR\tEN\nG\t7\t1\tX\tpic\tFrançais\tEnglish\n");
    back = library();
    ASSERT_EQ(back.groups.length(), 1);
    EXPECT_EQ(back.groups[0].names, (Tvl_StringArray{L"English", L"", L"", L"Français"}));
}

TEST_F(SampleLibraryTest, DamagedLibraryFilesAreRefusedWithTheirLine) {
    const std::pair<const char*, const char*> damaged[] = {
        {"", "not a section library file"},
        {"sections\tEN\nG\tone\t1\tX\tp\tA\n", "line 2"},
        {"sections\tEN\nG\t1\t1\tX\tp\tA\nG\t1\t0\tY\tp\tB\n", "same number"},
        {"sections\tEN\nT\t2\tp\t1\tIPE\tA\n", "line 2"},
        {"sections\tEN\nX\t1\t1\t1\t1\n", "neither a group nor a type"},
        {"sections\tEN\nG\t1\t1\tX\\q\tp\tA\n", "cannot be read"}, // a bad escape
        {"\x89PNG\r\n\x1a\n\0\0\0", "cannot be read"},
    };
    for (const auto& [bytes, why] : damaged) {
        SCOPED_TRACE(bytes);
        write("sections.txt", std::string(bytes, bytes[0] == '\x89' ? 11 : std::strlen(bytes)));
        DlgEditLibData data;
        data.groups.appendNewGrp();
        Tvl_String problem;
        EXPECT_FALSE(data.readLibrary(problem));
        EXPECT_TRUE(problem.contains(Tvl_String::fromUtf8(why))) << problem.toUtf8();
        EXPECT_EQ(data.groups.length(), 0);
        EXPECT_EQ(data.types.length(), 0);
    }
    std::filesystem::remove(prof("sections.txt"));
    DlgEditLibData data;
    Tvl_String problem;
    EXPECT_FALSE(data.readLibrary(problem));
}

TEST_F(SampleLibraryTest, NewGroupsGetIdentifiersNoGroupHas) {
    SectionGroupArray groups;
    EXPECT_EQ(groups[groups.appendNewGrp()].id, 1);
    groups.appendNewGrp();
    groups.appendNewGrp();
    groups.removeAt(1); // ids 1 and 3 are left
    EXPECT_EQ(groups[groups.appendNewGrp()].id, 4);
    EXPECT_EQ(groups.indexOfId(3), 1);
    EXPECT_EQ(groups.indexOfId(2), -1);
    EXPECT_EQ(groups[0].names.length(), 4);
}

TEST_F(SampleLibraryTest, ShapeCodesShowAsTheirTextsAndComeBack) {
    EXPECT_EQ(displayText(L"12"), L"<" + dialString(730) + L">");
    EXPECT_EQ(codeFromDisplay(displayText(L"12")), L"12");
    EXPECT_EQ(displayText(L"1"), L"<I section>");
    EXPECT_EQ(displayText(L"17"), L"<Cut I section>");
    for (const wchar_t* outside : {L"0", L"18", L"-1", L"abc", L"", L"1.5"})
        EXPECT_EQ(displayText(outside), L"<>") << outside;
    EXPECT_EQ(codeFromDisplay(L"<>"), L"-1");
    EXPECT_EQ(codeFromDisplay(L"I section"), L"-1");
    // Drawing names pass unchanged both ways, whatever the case of their extension.
    EXPECT_EQ(displayText(L"RailA.DWG"), L"RailA.DWG");
    EXPECT_EQ(codeFromDisplay(L"RailA.DWG"), L"RailA.DWG");
    EXPECT_EQ(shapeNumber(L"RailA.dwg"), 0);
    Tvl_StringArray values;
    valueNames(10, values);
    EXPECT_EQ(values, (Tvl_StringArray{L"h", L"b", L"t", L"r"}));
    valueNames(18, values);
    EXPECT_EQ(values.length(), 0);
    EXPECT_EQ(pictureName(10), L"ProfSectionRectTube");
    EXPECT_EQ(pictureName(0), L"");
}

} // namespace
