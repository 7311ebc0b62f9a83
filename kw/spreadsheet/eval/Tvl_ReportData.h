#pragma once
// Tvl_ReportData: the record a template report is made from. Indices in the picture,
// total and merge lists are 0-based (column 0 is the report's first column, row 0 its
// first data row).

#include "core/Tvl_Array.h"
#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"

struct Tvl_ReportData {
    Tvl_StringArray columnNames;
    // Per column: 0 or more makes a number column with that many decimals, a negative
    // value a text column.
    Tvl_Array<int> columnDecimals;
    // Per column, in units of one third of the width of "WygP".
    Tvl_Array<int> columnWidths;
    Tvl_Array<Tvl_StringArray> rows; // one text per column

    Tvl_StringArray pictureFiles;
    Tvl_Array<int> pictureColumns;
    Tvl_Array<int> pictureRows;

    Tvl_Array<int> totalColumns;
    Tvl_Array<int> totalFirstRows;
    Tvl_Array<int> totalLastRows;
    Tvl_Array<int> totalResultRows;

    Tvl_Array<int> mergeFirstColumns;
    Tvl_Array<int> mergeLastColumns;
    Tvl_Array<int> mergeFirstRows;
    Tvl_Array<int> mergeLastRows;

    Tvl_String headerFile;
    Tvl_String footerFile;
    Tvl_StringArray varNames;
    Tvl_StringArray varValues;

    int pageWidthMm = 0;
    bool stretchToPageWidth = false;
    bool wrapText = false;

    Tvl_String templatePath;
    Tvl_String outputPath;
};
