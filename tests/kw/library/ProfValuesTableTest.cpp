// The profile values table: its file, column and row operations and their odd cases.

#include "core/CorePrint.h"
#include "core/FileHelpers.h"
#include "core/MacroLangs.h"
#include "core/Tvl_Settings.h"
#include "kw/library/Tvl_ProfValuesTable.h"
#include "platform/base/Files.h"
#include "platform/base/Paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {

Tvl_StringArray arr(std::initializer_list<const wchar_t*> items) {
    Tvl_StringArray a;
    for (const wchar_t* s : items)
        a.append(s);
    return a;
}

class ProfValuesTable : public ::testing::Test {
protected:
    void SetUp() override {
        const char* tmp = std::getenv("TVL_TEST_TMP");
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_lib = std::filesystem::path(tmp ? tmp : "/tmp/kw_library_test") / info->name();
        std::filesystem::remove_all(m_lib);
        std::filesystem::create_directories(m_lib / "prof");
        setenv("TVL_LIB_DIR", (m_lib.string() + "/").c_str(), 1);
        setenv("TVL_LANGUAGE", "EN", 1);
        gSettings.reload();
        setCorePrintSink([this](const Tvl_String& text) { m_printed += text.str(); });

        m_table.typeName = L"HEA";
        m_table.sectionType = L"I";
        m_table.columnNames = arr({L"SysName", L"I/O", L"EN", L"NL", L"h"});
        m_table.rows.append(arr({L"100", L"1", L"HEA100", L"HEA 100", L"96"}));
        m_table.rows.append(arr({L"120", L"1", L"HEA120", L"HEA 120", L"114"}));
        m_table.rows.append(arr({L"140", L"0", L"HEA140", L"HEA 140", L"133"}));
        m_table.rows.append(arr({L"160", L"", L"HEA160"}));
    }
    void TearDown() override { setCorePrintSink(nullptr); }

    std::filesystem::path m_lib;
    std::wstring m_printed;
    Tvl_ProfValuesTable m_table;
};

} // namespace

TEST_F(ProfValuesTable, FileRoundTripKeepsEveryFieldAndNamesTheType) {
    m_table.rows[1][3] = L"text with, commas; \"quotes\" and \u00e9";
    m_table.rows.append(Tvl_StringArray());
    ASSERT_TRUE(m_table.writeToFile(L"HEA.pr"));
    EXPECT_TRUE(std::filesystem::exists(m_lib / "prof" / "HEA.pr"));

    Tvl_ProfValuesTable back;
    ASSERT_TRUE(back.readFromFile(L"HEA.pr"));
    EXPECT_EQ(back.typeName, L"HEA"); // from the file name, not stored
    EXPECT_EQ(back.sectionType, m_table.sectionType);
    EXPECT_EQ(back.columnNames, m_table.columnNames);
    EXPECT_EQ(back.rows, m_table.rows);

    Tvl_ProfValuesTable copy(back);
    EXPECT_EQ(copy, back);
}

TEST_F(ProfValuesTable, OneLineFileStaysInRowsAndKeepsTheOtherFields) {
    Tvl_Array<Tvl_StringArray> lines;
    lines.append(arr({L"only", L"line"}));
    Tvl_ProfValuesTable writer;
    writer.rows = lines;
    writer.columnNames = Tvl_StringArray();
    // Write a one-line file through the core's writer, via a table without header lines.
    ASSERT_TRUE(writeFile(Tvl_ProfValuesTable::profileFolder() + L"one.pr", lines));

    ASSERT_TRUE(m_table.readFromFile(L"one.pr"));
    EXPECT_EQ(m_table.rows, lines);
    EXPECT_EQ(m_table.sectionType, L"I");
    EXPECT_EQ(m_table.columnNames.length(), 5);
    EXPECT_EQ(m_table.typeName, L"one");
}

TEST_F(ProfValuesTable, ALastRowCutOffMakesTheFileDamaged) {
    const std::string head = "I\nSysName\tI/O\tEN\n100\t1\tHEA100\n";
    const struct {
        const char* tail;
        bool read;
    } cases[] = {
        {"120\t1", false},           // cut: two fields of three, no line feed
        {"120\t1\n", true},          // a short row that was written so
        {"120\t1\tHEA120", true},    // every field there: the line feed alone is missing
        {"120\t1\tHEA120\tx", true}, // longer than the header
        {"", true},                  // nothing after the last whole row
    };
    for (const auto& c : cases) {
        std::ofstream(m_lib / "prof" / "cut.pr", std::ios::binary) << head << c.tail;
        const Tvl_ProfValuesTable before = m_table;
        EXPECT_EQ(m_table.readFromFile(L"cut.pr"), c.read) << c.tail;
        if (!c.read)
            EXPECT_EQ(m_table, before) << c.tail;
        else
            EXPECT_EQ(m_table.rows.length(), *c.tail ? 2 : 1) << c.tail;
        m_table = before;
    }
}

TEST_F(ProfValuesTable, UnreadableFilesLeaveTheTableAlone) {
    const Tvl_ProfValuesTable before = m_table;
    EXPECT_FALSE(m_table.readFromFile(L"missing.pr"));
    EXPECT_FALSE(m_table.readFromFile(L""));
    std::ofstream(m_lib / "prof" / "binary.pr", std::ios::binary)
        << std::string("\x00\xff\xfe garbage \x01\x02", 14);
    m_table.readFromFile(L"binary.pr"); // whatever the reader makes of it, no crash
    m_table = before;
    EXPECT_EQ(m_table, before);
    EXPECT_FALSE(m_table.writeToFile(L"no-folder\\x.pr"));
    EXPECT_FALSE(std::filesystem::exists(m_lib / "prof" / "no-folder"));
}

TEST_F(ProfValuesTable, ColumnsAndRows) {
    Tvl_StringArray out;
    ASSERT_TRUE(m_table.getColumn(out, 4));
    EXPECT_EQ(out, arr({L"96", L"114", L"133", L""})); // the short row gives an empty text
    EXPECT_FALSE(m_table.getColumn(out, 5));
    EXPECT_FALSE(m_table.getColumn(out, -1));
    ASSERT_TRUE(m_table.getColumn(out, Tvl_String(L"EN")));
    EXPECT_EQ(out[3], L"HEA160");
    EXPECT_FALSE(m_table.getColumn(out, Tvl_String(L"en"))); // exact compare
    EXPECT_EQ(m_table.getColumnIdx(L"h"), 4);
    EXPECT_EQ(m_table.getColumnIdx(L"x"), -1);

    // A column that exists by name but not in row 0.
    m_table.columnNames.append(L"extra");
    EXPECT_FALSE(m_table.getColumn(out, Tvl_String(L"extra")));

    EXPECT_TRUE(m_table.getRow(out, 3));
    EXPECT_EQ(out.length(), 3);
    EXPECT_FALSE(m_table.getRow(out, 4));
    EXPECT_FALSE(m_table.deleteRow(4));
    EXPECT_FALSE(m_table.deleteRow(-1));
    EXPECT_TRUE(m_table.deleteRow(0));
    EXPECT_EQ(m_table.rows[0][0], L"120");

    Tvl_ProfValuesTable empty;
    EXPECT_FALSE(empty.getColumn(out, 0));
}

TEST_F(ProfValuesTable, InsertRowDuplicatesUnderAnUnusedName) {
    ASSERT_EQ(gMacroLangs.GetCurLanguage(), L"EN");
    // Behind the last row.
    ASSERT_TRUE(m_table.insertRow(3));
    ASSERT_EQ(m_table.rows.length(), 5);
    EXPECT_EQ(m_table.rows[4][0], L"161");
    EXPECT_EQ(m_table.rows[4][2], L"HEA161");

    // In the middle: a copy of row 0 behind it, every other field kept.
    ASSERT_TRUE(m_table.insertRow(0));
    EXPECT_EQ(m_table.rows[1][0], L"101");
    EXPECT_EQ(m_table.rows[1][2], L"HEA101");
    EXPECT_EQ(m_table.rows[1][4], L"96");
    EXPECT_EQ(m_table.rows[2][0], L"120");

    // -1: an empty row in front, named from "1" and the type name.
    ASSERT_TRUE(m_table.insertRow(-1));
    EXPECT_EQ(m_table.rows[0], arr({L"1", L"", L"HEA1", L"", L""}));

    // Past the end: nothing inserted, the array's message, still true.
    const int count = m_table.rows.length();
    m_printed.clear();
    EXPECT_TRUE(m_table.insertRow(count + 3));
    EXPECT_EQ(m_table.rows.length(), count);
    EXPECT_EQ(m_printed, L"*Error* Invalid index passed to insert.\n");
}

TEST_F(ProfValuesTable, InsertRowKeepsANameWithoutDigitsWhole) {
    m_table.rows[0][2] = L"Special";
    m_table.rows[0][0] = L"S";
    ASSERT_TRUE(m_table.insertRow(0));
    EXPECT_EQ(m_table.rows[1][0], L"S1");
    EXPECT_EQ(m_table.rows[1][2], L"SpecialS1");
}

TEST_F(ProfValuesTable, ActiveFlagsFilterNamesAndIndices) {
    Tvl_StringArray names;
    m_table.getSysNames(names);
    EXPECT_EQ(names, arr({L"HEA-100", L"HEA-120", L"HEA-140", L"HEA-160"}));
    m_table.getFilteredSysNames(names);
    EXPECT_EQ(names, arr({L"HEA-100", L"HEA-120"}));

    // Positions in the filtered list; inactive rows and rows outside have none.
    EXPECT_EQ(m_table.getfilteredIdx(0), 0);
    EXPECT_EQ(m_table.getfilteredIdx(1), 1);
    EXPECT_EQ(m_table.getfilteredIdx(2), -1);
    EXPECT_EQ(m_table.getfilteredIdx(4), -1);
    EXPECT_EQ(m_table.getfilteredIdx(-1), -1);
    m_table.rows[0][1] = L"0";
    EXPECT_EQ(m_table.getfilteredIdx(1), 0);

    int index = -1;
    EXPECT_TRUE(m_table.findSysName(L"140", index));
    EXPECT_EQ(index, 2);
    EXPECT_FALSE(m_table.findSysName(L"999", index));
    EXPECT_EQ(m_table.findUnusedSysName(L"100"), L"101");
    EXPECT_EQ(m_table.findUnusedSysName(L"new"), L"new");

    // Only rows marked "0" go; empty flags and short rows stay.
    m_table.rows.append(arr({L"x"}));
    m_table.removeInactiveEntries();
    m_table.getSysNames(names);
    EXPECT_EQ(names, arr({L"HEA-120", L"HEA-160", L"HEA-x"}));
}
