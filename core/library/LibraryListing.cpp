#include "core/library/LibraryListing.h"

#include "core/FileHelpers.h"
#include "core/Tvl_Settings.h"

bool readValuesTable(const Tvl_String& path, Tvl_String& shape, Tvl_StringArray& columns,
                     Tvl_Array<Tvl_StringArray>& rows) {
    Tvl_String type;
    if (!readFile(path, type, rows))
        return false;
    shape.clear();
    columns.clear();
    if (rows.length() > 1) {
        if (rows[0].length() > 0)
            shape = rows[0][0];
        columns = rows[1];
        rows.removeAt(0);
        rows.removeAt(0);
    }
    return true;
}

Tvl_String describeLibraryTables() {
    const Tvl_String folder = gSettings.libDir() + L"prof\\";
    Tvl_StringArray files;
    ObjectExportFindFiles(folder, L"*.pr", files);
    if (files.length() == 0)
        return L"  (no tables)\n";
    Tvl_String out;
    for (const Tvl_String& f : files) {
        Tvl_String shape;
        Tvl_StringArray columns;
        Tvl_Array<Tvl_StringArray> rows;
        if (!readValuesTable(folder + f, shape, columns, rows))
            out += L"  " + f + L": damaged\n";
        else
            out +=
                L"  " + f + L": " + Tvl_String(rows.length()) + L" sizes, shape " + shape + L"\n";
    }
    return out;
}
