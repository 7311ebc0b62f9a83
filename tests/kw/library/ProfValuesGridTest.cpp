// The profile values table shown in a grid and taken back.

#include "tests/kw/spreadsheet/SpreadTestSupport.h"

#include "kw/library/Tvl_ProfValuesTable.h"

namespace {

using spreadtest::SpreadTest;

Tvl_StringArray arr(std::initializer_list<const wchar_t*> items) {
    Tvl_StringArray a;
    for (const wchar_t* s : items)
        a.append(s);
    return a;
}

TEST_F(SpreadTest, ValuesTableToGridAndBack) {
    Tvl_ProfValuesTable table;
    table.typeName = L"IPE";
    table.sectionType = L"I";
    table.columnNames = arr({L"SysName", L"I/O", L"EN", L"h"});
    table.rows.append(arr({L"80", L"1", L"IPE80", L"80"}));
    table.rows.append(arr({L"100", L"0", L"IPE100", L"100", L"beyond the columns"}));
    table.rows.append(arr({L"120"}));

    ASSERT_TRUE(table.setToKW(g()));
    EXPECT_EQ(g().rowCount(), 3);
    EXPECT_EQ(g().colCount(), 4);
    EXPECT_FALSE(g().redrawSuspended());
    EXPECT_FALSE(g().sheet().changed());
    Tvl_String text;
    g().getCellText(Tvl_Spread::kHeader, 2, 0, text);
    EXPECT_EQ(text, L"IPE");
    g().getCellText(3, Tvl_Spread::kHeader, 0, text);
    EXPECT_EQ(text, L"EN");
    g().getCellText(3, 2, 0, text);
    EXPECT_EQ(text, L"IPE100");

    // Back: the row label from row 1 only; every row as wide as the grid.
    g().setColumnTexts(Tvl_Spread::kHeader, arr({L"IPE", L"other", L"other"}));
    Tvl_ProfValuesTable back;
    ASSERT_TRUE(back.getFromKW(g()));
    EXPECT_EQ(back.typeName, L"IPE");
    EXPECT_EQ(back.columnNames, table.columnNames);
    ASSERT_EQ(back.rows.length(), 3);
    EXPECT_EQ(back.rows[0], table.rows[0]);
    EXPECT_EQ(back.rows[1], arr({L"100", L"0", L"IPE100", L"100"}));
    EXPECT_EQ(back.rows[2][0], L"120");
    EXPECT_EQ(back.rows[2].length(), 4);
}

TEST_F(SpreadTest, EmptyValuesTableLeavesAnEmptyGrid) {
    fill(3, 3);
    Tvl_ProfValuesTable empty;
    empty.columnNames = arr({L"SysName"});
    EXPECT_FALSE(empty.setToKW(g()));
    EXPECT_EQ(g().rowCount(), 0);
    EXPECT_EQ(g().colCount(), 0);
    EXPECT_FALSE(g().redrawSuspended());
    Tvl_ProfValuesTable back;
    back.typeName = L"kept";
    EXPECT_FALSE(back.getFromKW(g()));
    EXPECT_EQ(back.typeName, L"kept");
}

} // namespace
