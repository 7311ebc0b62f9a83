#pragma once
// What the section library holds on disk, as the library commands print it after an
// editor closed: one line per values table file with its number of sizes and its shape.

#include "core/Tvl_String.h"
#include "core/Tvl_StringArray.h"

// "  HEA.pr: 24 sizes, shape 1\n" per table, sorted by name; "  (no tables)\n" for none.
// A file that cannot be read is listed as damaged.
Tvl_String describeLibraryTables();

// Reads a values table file as the table class lays it out: the shape on line 1, the
// column names on line 2, then the rows. False when the file is missing or damaged.
bool readValuesTable(const Tvl_String& path, Tvl_String& shape, Tvl_StringArray& columns,
                     Tvl_Array<Tvl_StringArray>& rows);
