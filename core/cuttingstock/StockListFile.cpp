#include "core/cuttingstock/StockListFile.h"

#include "core/FileHelpers.h"
#include "core/cuttingstock/CuttingStockRows.h"

namespace cutstock {

bool parseStockList(int table, const Tvl_StringArray& lines, Tvl_Array<Tvl_StringArray>& rows,
                    Tvl_String& error) {
    rows.clear();
    if (lines.length() > kLargestRowCount) {
        error = L"it has more than 10000 rows";
        return false;
    }
    Tvl_Array<Tvl_StringArray> read;
    for (int l = 0; l < lines.length(); ++l) {
        Tvl_StringArray row;
        strToArr(lines[l], Tvl_String::fromChar(kFieldSeparator), row);
        if (isBlankRow(row))
            continue;
        Tvl_String why;
        if (!checkRow(table, row, why)) {
            error = L"line " + Tvl_String(l + 1) + L": " + why;
            return false;
        }
        while (row.length() < 3)
            row.append(Tvl_String());
        read.append(row);
    }
    rows = read;
    return true;
}

bool readStockList(int table, const Tvl_String& path, Tvl_Array<Tvl_StringArray>& rows,
                   Tvl_String& error) {
    rows.clear();
    Tvl_StringArray lines;
    if (!ObjectExportReadFile(path, lines)) {
        error = L"the file cannot be read";
        return false;
    }
    return parseStockList(table, lines, rows, error);
}

bool writeStockList(int table, const Tvl_String& path, const Tvl_Array<Tvl_StringArray>& rows,
                    Tvl_String& error) {
    Tvl_Array<Tvl_StringArray> kept;
    for (int r = 0; r < rows.length(); ++r) {
        if (isBlankRow(rows[r]))
            continue;
        Tvl_String why;
        for (int f = 0; f < rows[r].length(); ++f)
            if (rows[r][f].find(kFieldSeparator) >= 0) {
                error = L"row " + Tvl_String(r + 1) + L": a field holds the character \u00bf";
                return false;
            }
        if (!checkRow(table, rows[r], why)) {
            error = L"row " + Tvl_String(r + 1) + L": " + why;
            return false;
        }
        kept.append(rows[r]);
    }
    Tvl_StringArray lines;
    arrArrToArr(kept, kFieldSeparator, lines);
    if (!ObjectExportWriteFile(path, lines)) {
        error = L"the file cannot be written";
        return false;
    }
    return true;
}

} // namespace cutstock
