// Tvl_ProfValuesTable in a grid: the column names in the header row, the type name in
// every row header, the active flag as a check-box column.

#include "kw/library/Tvl_ProfValuesTable.h"
#include "kw/spreadsheet/Tvl_Spread.h"

#include <algorithm>

bool Tvl_ProfValuesTable::setToKW(Tvl_Spread& grid) const {
    grid.setRedraw(false);
    grid.setRowCount(0);
    grid.setColCount(0);
    if (rows.length() == 0) {
        grid.setRedraw(true);
        return false;
    }
    grid.setRowCount(rows.length());
    grid.setColCount(columnNames.length());
    if (columnNames.length() >= 2)
        grid.setColumnCheckBox(2);
    grid.setColHeaderTexts(columnNames);
    Tvl_StringArray labels;
    for (int i = 0; i < rows.length(); ++i)
        labels.append(typeName);
    grid.setRowHeaderTexts(labels);
    for (int i = 0; i < rows.length(); ++i)
        grid.setRowTexts(i + 1, rows[i], true); // as far as both the row and the columns reach
    grid.fitAll();
    grid.sheet().setChanged(false);
    grid.setRedraw(true);
    return true;
}

bool Tvl_ProfValuesTable::getFromKW(Tvl_Spread& grid) {
    const int nRows = grid.rowCount();
    const int nCols = grid.colCount();
    if (nRows <= 0 || nCols <= 0)
        return false;
    grid.getColHeaderTexts(columnNames);
    Tvl_String label;
    grid.getCellText(Tvl_Spread::kHeader, 1, 3, label);
    typeName = label;
    rows.clear();
    for (int r = 1; r <= nRows; ++r) {
        Tvl_StringArray row;
        grid.getRowTexts(r, row);
        rows.append(row);
    }
    return true;
}
