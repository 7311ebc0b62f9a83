// TVLSECTION: the simple section editor on the sample table RHS, with the size
// 100x50x4 as model. On OK the table is written back and the new size is printed as the
// file on disk then holds it.

#include "core/CorePrint.h"
#include "core/FileHelpers.h"
#include "core/Tvl_Settings.h"
#include "core/commands/UserCommands.h"
#include "core/library/LibraryListing.h"
#include "kw/library/Tvl_ProfValuesTable.h"

namespace {

constexpr const wchar_t* kTable = L"RHS";
constexpr const wchar_t* kModel = L"100x50x4";

void runSection() {
    auto* start = dialogsExport<bool(const Tvl_String&, Tvl_ProfValuesTable&, int&)>(
        "_Z21StartDlgEditLibSimpleRK10Tvl_StringR19Tvl_ProfValuesTableRi");
    if (!start)
        return;
    const Tvl_String path = gSettings.libDir() + L"prof\\" + kTable + L".pr";
    Tvl_ProfValuesTable table;
    table.typeName = kTable;
    if (!readValuesTable(path, table.sectionType, table.columnNames, table.rows)) {
        corePrint(L"*Error* The values table " + path + L" cannot be read.\n");
        return;
    }
    Tvl_StringArray known;
    for (const Tvl_StringArray& row : table.rows)
        known.append(row.length() > 0 ? row[0] : Tvl_String());
    int chosen = -1;
    if (!start(Tvl_String(kModel), table, chosen)) {
        corePrint(Tvl_String(L"New section: cancelled.\n"));
        return;
    }
    Tvl_Array<Tvl_StringArray> lines;
    lines.append(Tvl_StringArray{table.sectionType});
    lines.append(table.columnNames);
    lines.append(table.rows);
    if (!writeFile(path, lines)) {
        corePrint(L"*Error* The values table " + path + L" could not be written.\n");
        return;
    }
    // What the file holds now: the size it did not hold before, with its place.
    Tvl_String shape;
    Tvl_StringArray columns;
    Tvl_Array<Tvl_StringArray> rows;
    if (!readValuesTable(path, shape, columns, rows)) {
        corePrint(Tvl_String(L"*Error* The values table cannot be read back.\n"));
        return;
    }
    for (int i = 0; i < rows.length(); ++i) {
        const Tvl_StringArray& row = rows[i];
        if (row.length() == 0 || known.contains(row[0]))
            continue;
        Tvl_String fields;
        for (int c = 1; c < row.length(); ++c)
            fields += (c > 1 ? L" | " : L"") + row[c];
        corePrint(L"New section " + row[0] + L" in " + kTable + L".pr, row " + Tvl_String(i + 1) +
                  L" of " + Tvl_String(rows.length()) + L" (active size " + Tvl_String(chosen + 1) +
                  L"): " + fields + L"\n");
    }
}

const UserCommand kSection{L"TVLSECTION", &runSection};

} // namespace
